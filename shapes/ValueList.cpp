// The radius and diameter value lists: conversions, record, dialog fields and drawing-file tags.
#include "shapes/ValueList.h"

#include <cmath>

#include "geometry/AttributeIo.h"
#include "geometry/DrawPoint.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"
#include "geometry/XmlContext.h"
#include "platform/Control.h"
#include "platform/Dialog.h"
#include "shapes/DiameterList.h"
#include "shapes/RadiusList.h"

namespace {
// Scaling never makes a value this small or smaller.
constexpr double kSmallestScaled = 0.0001;

constexpr ValueListTags kRadiusTags = {tag_id::radius, tag_id::radiusAray, tag_id::radNum, tag_id::radNumAray};
constexpr ValueListTags kDiameterTags = {tag_id::diameter, tag_id::diameterAray, tag_id::diaNum, tag_id::diaNumAray};

int clampCount(int n) { return n < 1 ? 1 : n > ValueList::kMaxValues ? ValueList::kMaxValues : n; }

// A drawing value the file has digits for: a paper value read at a large scale can grow past
// them, and then every later save of the drawing would fail.
bool isWritable(double drawingValue)
{
    // Below 10^39 there are always digits enough; beyond, the writer decides.
    return std::fabs(drawingValue) < 1e39 || !std::isnan(attribute_io::writtenBack(drawingValue, XmlContext::kMaxDecimals));
}

} // namespace

RadiusList::RadiusList() : ValueList(kRadiusTags) {}

int RadiusList::writeXmlOnPaper() const { return writeValues(tag_id::radius, tag_id::radiusAray, 1); }

DiameterList::DiameterList() : ValueList(kDiameterTags) {}

// Paper = drawing x numerator / denominator, as the drawing's points convert.
double ValueList::toPaper(double v) const
{
    return v * DrawPoint::scaleNumeratorOf(owner) / DrawPoint::scaleDenominatorOf(owner);
}

double ValueList::fromPaper(double v) const
{
    return v * DrawPoint::scaleDenominatorOf(owner) / DrawPoint::scaleNumeratorOf(owner);
}

int ValueList::setAll(int n, const double* v)
{
    if (!v || n < 1 || n > kMaxValues)
        return 0;
    count = n;
    for (int i = 0; i < n; ++i)
        values[i] = v[i];
    return 1;
}

double ValueList::minimum() const
{
    double smallest = values[0];
    for (int i = 1; i < count && i < kMaxValues; ++i) {
        if (values[i] < smallest)
            smallest = values[i];
    }
    return smallest;
}

void ValueList::setFromDistance(const Point& a, const Point& b) { setSingle(std::hypot(b.x - a.x, b.y - a.y)); }

int ValueList::copyFrom(const ValueList* other)
{
    if (!other)
        return 1;
    count = clampCount(other->count);
    for (int i = 0; i < count; ++i)
        values[i] = other->values[i];
    return 1;
}

void ValueList::scale(double factor, int)
{
    for (int i = 0; i < count && i < kMaxValues; ++i) {
        const double scaled = values[i] * factor;
        if (scaled > kSmallestScaled && std::isfinite(scaled))
            values[i] = scaled;
    }
}

int ValueList::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1) {
        if (count < 1 || count > kMaxValues || !buffer.putInt(count)) // a load would refuse that count
            return 0;
        for (int i = 0; i < count; ++i) {
            if (!buffer.putDouble(values[i]))
                return 0;
        }
        return 1;
    }
    if (mode != 3)
        return 0;
    int32_t n = 0;
    double read[kMaxValues] = {};
    if (!buffer.getInt(n) || n < 1 || n > kMaxValues)
        return 0;
    for (int i = 0; i < n; ++i) {
        if (!buffer.getDouble(read[i]))
            return 0;
    }
    return setAll(n, read);
}

int ValueList::showFirst(Dialog* dialog, int controlId) const
{
    Control* control = dialog ? dialog->getControl(controlId) : nullptr;
    return control && control->setDouble(values[0]) ? 1 : 0;
}

int ValueList::takeFirst(Dialog* dialog, int controlId)
{
    Control* control = dialog ? dialog->getControl(controlId) : nullptr;
    if (!control)
        return 0;
    int changed = 0;
    setSingle(control->getDouble(&changed, 1));
    return 1;
}

// --- the drawing file ---

int ValueList::readEntityXml(XmlContext& file, int tagId)
{
    owner = file.drawingOwner();
    if (tagId == tags->paperArray || tagId == tags->drawingArray)
        return readContainer(file, tagId, tagId == tags->paperArray);
    if (tagId != tags->paperSingle && tagId != tags->drawingSingle)
        return 0;
    count = 1;
    double v = 0.0;
    if (!file.readDouble(v))
        return 0;
    const double drawing = tagId == tags->paperSingle ? fromPaper(v) : v;
    if (isWritable(drawing))
        setSingle(drawing);
    else
        file.reportDataError(tagId);
    return file.expectTag(tagId);
}

int ValueList::readContainer(XmlContext& file, int tagId, int onPaper)
{
    // A bad count or a short value list: reported once for the container, whose rest is passed
    // over so that the element and the file read on.
    auto refuse = [&]() {
        file.reportDataError(tagId);
        (void)file.skipBlock(tagId); // a file that ends here fails at the reader's next tag
        return 0;
    };
    for (int id = 0;;) {
        if (!file.nextTag(id))
            return 0;
        if (id == tagId && file.isClosingTag())
            return 1;
        if (file.isClosingTag() || id == 0)
            continue;
        if (id == tag_id::nums) {
            int announced = 0;
            if (!file.readInt(announced) || !file.expectTag(tag_id::nums))
                return 0;
            count = clampCount(announced);
            if (announced != count)
                return refuse();
        } else if (id == tag_id::aray) {
            for (int i = 0; i < count; ++i) {
                double v = 0.0;
                if (!file.readListDouble(v))
                    return 0;
                const double drawing = onPaper ? fromPaper(v) : v;
                if (isWritable(drawing))
                    setValue(i, drawing);
                else
                    file.reportDataError(tagId);
                // The list reached its closing tag before the count: the values read stay.
                if (i + 1 < count && file.atTagStart()) {
                    count = i + 1;
                    return refuse();
                }
            }
            if (!file.expectTag(tag_id::aray))
                return 0;
        } else if (!file.skipLine()) {
            return 0;
        }
    }
}

int ValueList::writeXml() const { return writeValues(tags->drawingSingle, tags->drawingArray, 0); }

int ValueList::writeValues(int singleTag, int arrayTag, int onPaper) const
{
    XmlContext* d = XmlContext::current();
    if (!d)
        return 0;
    auto shown = [&](int i) { return onPaper ? valueOnPaper(i) : values[i]; };
    if (count < 2)
        return d->writeDoubleTag(singleTag, shown(0), XmlContext::kMaxDecimals);
    if (!d->beginTag(arrayTag) || !d->writeIntTag(tag_id::nums, count) || !d->beginTag(tag_id::aray))
        return 0;
    d->setLineWrap(1);
    for (int i = 0; i + 1 < count; ++i) {
        if (!d->writeDoubleListItem(shown(i), XmlContext::kMaxDecimals)) {
            d->setLineWrap(0);
            return 0;
        }
    }
    d->setLineWrap(0);
    return d->writeDoubleLine(shown(count - 1), XmlContext::kMaxDecimals) && d->endTag(tag_id::aray) &&
           d->endTag(arrayTag);
}
