// The box's rule counts and corner radii: record, drawing file and dialog conversions.
#include "shapes/BoxRules.h"

#include "geometry/AttributeIo.h"
#include "geometry/DrawPoint.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"
#include "geometry/XmlContext.h"
#include "platform/Control.h"
#include "platform/Dialog.h"
#include "platform/MathUtil.h"
#include "platform/UnitConverter.h"
#include "shapes/CornerRounding.h"

// --- rules ---

int BoxRules::copyFrom(const BoxRules* source, int takeHorizontal, int takeVertical)
{
    if (!source)
        return 1;
    if (takeHorizontal)
        horizontal = clampCount(source->horizontal);
    if (takeVertical)
        vertical = clampCount(source->vertical);
    return 1;
}

int BoxRules::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return buffer.putInt(horizontal) && buffer.putInt(vertical);
    if (mode != 3)
        return 0;
    int32_t h = 0, v = 0;
    if (!buffer.getInt(h) || !buffer.getInt(v))
        return 0;
    set(h, v);
    return 1;
}

int BoxRules::writeXml(XmlContext* d) const
{
    return d && d->beginTag(tag_id::boxRules) && d->writeIntTag(tag_id::horizontal, horizontal) &&
           d->writeIntTag(tag_id::vertical, vertical) && d->endTag(tag_id::boxRules);
}

int BoxRules::readEntityXml(XmlContext& file, int tagId)
{
    int outOfRange = 0;
    const int read = attribute_io::readBlock(file, tagId, [&](int id) {
        int value = 0;
        if (!attribute_io::readIntValue(file, id, value))
            return attribute_io::kChildFailed;
        int* target = id == tag_id::horizontal ? &horizontal : id == tag_id::vertical ? &vertical : nullptr;
        if (target) {
            outOfRange |= value != clampCount(value);
            *target = clampCount(value);
        }
        return attribute_io::kChildRead;
    });
    if (outOfRange)
        file.reportDataError(tagId);
    return read;
}

// --- corner radii ---

namespace {
// The tags of the radii in index order.
const int kRadiusTags[4] = {tag_id::rightTop, tag_id::leftTop, tag_id::leftBottom, tag_id::rightBottom};
// The dialog controls 15652.. show left-top, right-top, left-bottom, right-bottom.
int indexOfControl(int controlId)
{
    static const int kIndexOfControl[4] = {CornerRounding::kLeftTop, CornerRounding::kRightTop,
                                           CornerRounding::kLeftBottom, CornerRounding::kRightBottom};
    const int k = controlId - CornerRounding::kFirstControl;
    return k >= 0 && k < 4 ? kIndexOfControl[k] : -1;
}
} // namespace

int CornerRounding::isAllNearlyZero() const
{
    for (double r : radii) {
        if (!MathUtil::isNearlyZero(r))
            return 0;
    }
    return 1;
}

int CornerRounding::copyFrom(const CornerRounding* source, const int* take)
{
    if (!source)
        return 1;
    for (int i = 0; i < 4; ++i) {
        if (!take || take[i])
            radii[i] = source->radii[i];
    }
    return 1;
}

int CornerRounding::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return buffer.putDouble(radii[0]) && buffer.putDouble(radii[1]) && buffer.putDouble(radii[2]) &&
               buffer.putDouble(radii[3]);
    if (mode != 3)
        return 0;
    double read[4];
    for (double& r : read) {
        if (!buffer.getDouble(r))
            return 0;
    }
    for (int i = 0; i < 4; ++i)
        radii[i] = read[i];
    return 1;
}

int CornerRounding::writeXml(XmlContext* d) const
{
    if (!d || !d->beginTag(tag_id::boxRound))
        return 0;
    for (int i = 0; i < 4; ++i) {
        if (!d->writeDoubleTag(kRadiusTags[i], radii[i], 3))
            return 0;
    }
    return d->endTag(tag_id::boxRound);
}

int CornerRounding::readEntityXml(XmlContext& file, int tagId)
{
    return attribute_io::readBlock(file, tagId, [&](int id) {
        double value = 0.0;
        if (!attribute_io::readDoubleValue(file, id, value))
            return attribute_io::kChildFailed;
        for (int i = 0; i < 4; ++i) {
            if (id == kRadiusTags[i])
                radii[i] = value;
        }
        return attribute_io::kChildRead;
    });
}

int CornerRounding::showInDialog(Dialog* dialog, int controlId) const
{
    const int i = indexOfControl(controlId);
    Control* control = dialog && i >= 0 ? dialog->getControl(controlId) : nullptr;
    if (!control)
        return 0;
    const double shown = UnitConverter().convert(radii[i], UnitConverter::millimetre, DrawPoint::gridXUnitOf(owner));
    return control->setDouble(shown) ? 1 : 0;
}

int CornerRounding::takeFromDialog(Dialog* dialog, int controlId)
{
    const int i = indexOfControl(controlId);
    Control* control = dialog && i >= 0 ? dialog->getControl(controlId) : nullptr;
    if (!control)
        return 0;
    int changed = 0;
    const double typed = control->getDouble(&changed, 1);
    radii[i] = UnitConverter().convert(typed, DrawPoint::gridXUnitOf(owner), UnitConverter::millimetre);
    return 1;
}
