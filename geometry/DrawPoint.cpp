#include "geometry/DrawPoint.h"

#include "geometry/DrawingOwner.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/GridSettings.h"
#include "geometry/PaperSettings.h"
#include "geometry/TagIds.h"
#include "geometry/UnitSettings.h"
#include "geometry/ViewParams.h"
#include "geometry/XmlContext.h"
#include "platform/Control.h"
#include "platform/Dialog.h"
#include "platform/MathUtil.h"
#include "platform/StringUtil.h"
#include "platform/UnitConverter.h"

namespace {

double convertUnit(double v, int from, int to) { return UnitConverter().convert(v, from, to); }

Control* controlOf(Dialog* dialog, int id) { return dialog ? dialog->findControl(id) : nullptr; }

double readControl(Control* control)
{
    int changed = 0;
    return control->getDouble(&changed, 1);
}

// The holder of the writer that a point tag is written through.
DrawPoint* holderFor(XmlContext* writer, int tag)
{
    switch (tag) {
    case tag_id::startPoint:
        return &writer->currentStartPoint;
    case tag_id::endPoint:
        return &writer->currentEndPoint;
    case tag_id::midPoint:
    case tag_id::centerPoint:
    case tag_id::dispPoint:
        return &writer->currentExtraPoint;
    default:
        return nullptr;
    }
}

} // namespace

// --- owner look-ups ---

PaperSettings* DrawPoint::paperOf(const DrawingOwner* owner) { return owner ? owner->paperSettings() : nullptr; }

GridSettings* DrawPoint::gridOf(const DrawingOwner* owner) { return owner ? owner->gridSettings() : nullptr; }

double DrawPoint::paperHeightOf(const DrawingOwner* owner)
{
    const PaperSettings* paper = paperOf(owner);
    return paper ? paper->verticalSizeInDrawing() : 100.0;
}

double DrawPoint::scaleNumeratorOf(const DrawingOwner* owner)
{
    const PaperSettings* paper = paperOf(owner);
    const int term = paper ? paper->scaleNumerator() : 1;
    return term >= 1 ? term : 1.0;
}

double DrawPoint::scaleDenominatorOf(const DrawingOwner* owner)
{
    const PaperSettings* paper = paperOf(owner);
    const int term = paper ? paper->scaleDenominator() : 1;
    return term >= 1 ? term : 1.0;
}

int DrawPoint::yAxisModeOf(const DrawingOwner* owner)
{
    const PaperSettings* paper = paperOf(owner);
    return paper ? paper->yDirection() : 0;
}

double DrawPoint::gridOriginXOf(const DrawingOwner* owner)
{
    const GridSettings* grid = gridOf(owner);
    return grid ? grid->originX() : 0.0;
}

double DrawPoint::gridOriginYOf(const DrawingOwner* owner)
{
    const GridSettings* grid = gridOf(owner);
    return grid ? grid->originY() : 0.0;
}

int DrawPoint::gridXUnitOf(const DrawingOwner* owner)
{
    const GridSettings* grid = gridOf(owner);
    return grid ? grid->xUnit() : UnitConverter::millimetre;
}

int DrawPoint::gridYUnitOf(const DrawingOwner* owner)
{
    const GridSettings* grid = gridOf(owner);
    return grid ? grid->yUnit() : UnitConverter::millimetre;
}

const char* DrawPoint::unitName(int unit) { return UnitSettings::displayNameOf(unit); }

// --- conversions ---

void DrawPoint::setAxisY(double v) { y = yAxisMode() == 1 ? paperHeight() - v : v; }

double DrawPoint::getAxisY() const { return yAxisMode() == 1 ? paperHeight() - y : y; }

int DrawPoint::setCoordinates(const Point* p)
{
    if (!p)
        return 0;
    x = p->x;
    y = p->y;
    z = p->z;
    return 1;
}

int DrawPoint::copyFrom(const DrawPoint* p)
{
    if (!setCoordinates(p))
        return 0;
    owner = p->owner;
    xmlLink = p->xmlLink;
    return 1;
}

double DrawPoint::toGridUnitX(double v) const { return convertUnit(v, UnitConverter::millimetre, gridXUnit()); }
double DrawPoint::toGridUnitY(double v) const { return convertUnit(v, UnitConverter::millimetre, gridYUnit()); }
double DrawPoint::fromGridUnitX(double v) const { return convertUnit(v, gridXUnit(), UnitConverter::millimetre); }
double DrawPoint::fromGridUnitY(double v) const { return convertUnit(v, gridYUnit(), UnitConverter::millimetre); }

void DrawPoint::snapToGrid()
{
    if (GridSettings* grid = gridOf(owner))
        grid->convertPoint(this);
}

// --- views ---

void DrawPoint::setFromDevice(ViewParams* view, int dims, const IntPoint& device, int snap)
{
    if (!view || (dims != 2 && dims != 3))
        return;
    double wx = 0.0, wy = 0.0, wz = 0.0;
    view->deviceToWorld(device, &wx, &wy, &wz);
    x = wx;
    y = wy;
    if (dims == 3)
        z = wz;
    if (snap)
        snapToGrid();
}

int DrawPoint::toDeviceOffset(ViewParams* view, int dims, double dx, double dy, double dz, IntPoint* out) const
{
    if (!view || !out)
        return 0;
    if (dims == 3)
        view->worldToDeviceXYZ(x + dx, y + dy, z + dz, out);
    else
        view->worldToDevice(x + dx, y + dy, out);
    return 1;
}

int DrawPoint::toDevice(ViewParams* view, int dims, IntPoint* out) const
{
    return toDeviceOffset(view, dims, 0.0, 0.0, 0.0, out);
}

int DrawPoint::toDeviceClampedOffset(ViewParams* view, int dims, double dx, double dy, double dz, IntPoint* out) const
{
    if (!view || !out)
        return 0;
    if (dims == 3)
        view->worldToDeviceXYZClamped(x + dx, y + dy, z + dz, out);
    else
        view->worldToDeviceClamped(x + dx, y + dy, out);
    return 1;
}

int DrawPoint::toDeviceClamped(ViewParams* view, int dims, IntPoint* out) const
{
    return toDeviceClampedOffset(view, dims, 0.0, 0.0, 0.0, out);
}

// --- dialogs ---

int DrawPoint::writeXToControl(Control* control) const
{
    if (!control)
        return 0;
    return control->setDouble(toGridUnitX(x)) ? 1 : 0;
}

int DrawPoint::writeYToControl(Control* control) const
{
    if (!control)
        return 0;
    return control->setDouble(toGridUnitY(y)) ? 1 : 0;
}

int DrawPoint::readXFromControl(Control* control)
{
    if (!control)
        return 0;
    x = fromGridUnitX(readControl(control));
    return 1;
}

int DrawPoint::readYFromControl(Control* control)
{
    if (!control)
        return 0;
    y = fromGridUnitY(readControl(control));
    return 1;
}

int DrawPoint::writeXToDialog(Dialog* dialog, int id) const
{
    Control* control = controlOf(dialog, id);
    if (!control)
        return 0;
    return control->setDouble(toGridUnitX(x - gridOriginX())) ? 1 : 0;
}

int DrawPoint::writeYToDialog(Dialog* dialog, int id) const
{
    Control* control = controlOf(dialog, id);
    if (!control)
        return 0;
    return control->setDouble(toGridUnitY(getAxisY() - gridOriginY())) ? 1 : 0;
}

int DrawPoint::readXFromDialog(Dialog* dialog, int id)
{
    Control* control = controlOf(dialog, id);
    if (!control)
        return 0;
    x = gridOriginX() + fromGridUnitX(readControl(control));
    return 1;
}

int DrawPoint::readYFromDialog(Dialog* dialog, int id)
{
    Control* control = controlOf(dialog, id);
    if (!control)
        return 0;
    setAxisY(gridOriginY() + fromGridUnitY(readControl(control)));
    return 1;
}

int DrawPoint::showXUnitLabelIn(Control* control) const
{
    if (!control)
        return 0;
    return control->setText(unitName(gridXUnit())) ? 1 : 0;
}

int DrawPoint::showYUnitLabelIn(Control* control) const
{
    if (!control)
        return 0;
    return control->setText(unitName(gridYUnit())) ? 1 : 0;
}

int DrawPoint::showXUnitLabel(Dialog* dialog, int id) const { return showXUnitLabelIn(controlOf(dialog, id)); }

int DrawPoint::showYUnitLabel(Dialog* dialog, int id) const { return showYUnitLabelIn(controlOf(dialog, id)); }

int DrawPoint::showDxPercent(Dialog* dialog, int id, const Point* other, double base) const
{
    if (!other)
        return 0;
    return showPercent(controlOf(dialog, id), base, MathUtil::absDouble(x - other->x));
}

int DrawPoint::showDyPercent(Dialog* dialog, int id, const Point* other, double base) const
{
    if (!other)
        return 0;
    return showPercent(controlOf(dialog, id), base, MathUtil::absDouble(y - other->y));
}

void DrawPoint::formatPercent(double base, double value, char* text, int size)
{
    if (!text || size < 1)
        return;
    text[0] = 0;
    const double percent = MathUtil::isNearlyZero(base) ? 0.0 : value * 100.0 / base;
    // A percentage too large to write shows nothing rather than a wrong number.
    if (StringUtil::formatDouble(percent, 2, text, size, 0))
        StringUtil::append(text, size, " %");
}

int DrawPoint::showPercent(Control* control, double base, double value)
{
    if (!control)
        return 0;
    char text[64] = "";
    formatPercent(base, value, text, sizeof text);
    return control->setText(text) ? 1 : 0;
}

// --- element records ---

int DrawPoint::serialize(int mode, ElementRecordBuffer& buffer, int dims, int withFlag)
{
    if (mode == 1)
        return writeRecord(buffer, dims, withFlag);
    if (mode == 3)
        return readRecord(buffer, dims, withFlag);
    return 0;
}

int DrawPoint::writeRecord(ElementRecordBuffer& buffer, int dims, int withFlag) const
{
    if (withFlag && !buffer.putDword(flag))
        return 0;
    if (!buffer.putDouble(x) || !buffer.putDouble(y))
        return 0;
    return dims != 3 || buffer.putDouble(z);
}

int DrawPoint::readRecord(ElementRecordBuffer& buffer, int dims, int withFlag)
{
    // The whole record or nothing: a record cut short changes no field.
    if (buffer.remaining() < recordSize(dims, withFlag))
        return 0;
    uint32_t readFlag = flag;
    double readX = 0.0, readY = 0.0, readZ = z;
    if ((withFlag && !buffer.getDword(readFlag)) || !buffer.getDouble(readX) || !buffer.getDouble(readY) ||
        (dims == 3 && !buffer.getDouble(readZ)))
        return 0;
    flag = readFlag;
    x = readX;
    y = readY;
    z = readZ;
    return 1;
}

// --- drawing file ---

int DrawPoint::writeXmlTo(XmlContext* writer, int tag) const
{
    if (!writer)
        return 0;
    return writer->beginTag(tag) && writer->writeDoubleTag(tag_id::x, getPaperX(), kXmlDecimals) &&
           writer->writeDoubleTag(tag_id::y, getPaperY(), kXmlDecimals) && writer->endTag(tag);
}

int DrawPoint::writeXml(XmlContext* writer, int tag)
{
    xmlLink = writer;
    if (!writer)
        return 0;
    DrawPoint* holder = holderFor(writer, tag);
    if (!holder)
        return 0;
    if (holder != this && !holder->copyFrom(this))
        return 0;
    return holder->writeXmlTo(writer, tag);
}

int DrawPoint::readXmlFrom(XmlContext* reader, int endTag)
{
    xmlLink = reader;
    return readXml(endTag);
}

int DrawPoint::readXml(int endTag)
{
    XmlContext* d = xmlLink;
    if (!d)
        return 0;
    owner = d->drawingOwner();
    int id = 0;
    for (;;) {
        if (id == tag_id::x || id == tag_id::y) {
            if (d->isClosingTag()) {
                if (!d->skipLine())
                    return 0;
            } else {
                double v = 0.0;
                if (!d->readListDouble(v))
                    return 0;
                if (id == tag_id::x)
                    setPaperX(v);
                else
                    setPaperY(v);
                if (!d->expectTag(id))
                    return 0;
            }
        } else if (id != 0 && !d->skipLine()) {
            return 0;
        }
        if (!d->nextTag(id))
            return 0;
        if (id == endTag)
            return 1;
    }
}
