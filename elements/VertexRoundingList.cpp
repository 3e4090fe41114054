// The vertex rounding list and the operation bodies that several element kinds share.
#include "elements/VertexRoundingList.h"

#include <cmath>
#include <initializer_list>
#include <utility>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/LineDefaults.h"
#include "document/SelectToolBase.h"
#include "document/ViewUpdater.h"
#include "geometry/DrawPoint.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/InkColor.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/PointList.h"
#include "geometry/TagIds.h"
#include "geometry/XmlContext.h"
#include "platform/Control.h"
#include "platform/Dialog.h"
#include "platform/UnitConverter.h"

namespace {
// The drawing file writes "0," at the least for each value.
constexpr int kMinFileBytesPerValue = 2;

} // namespace

// --- the rounding list ---

int VertexRoundingList::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1) {
        if (count > kMaxValues || !buffer.putInt(count)) // a load would refuse more
            return 0;
        for (int i = 0; i < count; ++i) {
            if (!buffer.putDouble(get(i)))
                return 0;
        }
        return 1;
    }
    if (mode != 3)
        return 0;
    this->count = 0;
    int32_t n = 0;
    // Each value takes 8 bytes of what is left: a damaged count cannot make the list grow.
    if (!buffer.getInt(n) || n < 0 || n > kMaxValues || n > buffer.remaining() / 8)
        return 0;
    for (int32_t i = 0; i < n; ++i) {
        double value = 0.0;
        if (!buffer.getDouble(value) || !append(value)) {
            this->count = 0;
            return 0;
        }
    }
    return 1;
}

int VertexRoundingList::writeValueToControl(Dialog* dialog, int controlId, int index) const
{
    Control* control = dialog ? dialog->getControl(controlId) : nullptr;
    if (!control || index < 0 || index >= count)
        return 0;
    const double shown = UnitConverter().convert(get(index), UnitConverter::millimetre, DrawPoint::gridXUnitOf(owner));
    return control->setDouble(shown) ? 1 : 0;
}

int VertexRoundingList::readValueFromControl(Dialog* dialog, int controlId, int index)
{
    Control* control = dialog ? dialog->getControl(controlId) : nullptr;
    if (!control || index < 0 || index >= count)
        return 0;
    int changed = 0;
    const double typed = control->getDouble(&changed, 1);
    return set(index, UnitConverter().convert(typed, DrawPoint::gridXUnitOf(owner), UnitConverter::millimetre));
}

int VertexRoundingList::writeXml() const
{
    if (isAllZero())
        return 1;
    XmlContext* d = XmlContext::current();
    if (!d || !d->beginTag(tag_id::roundAray) || !d->writeIntTag(tag_id::nums, count) ||
        !d->beginTag(tag_id::doubleAray))
        return 0;
    d->setLineWrap(1);
    for (int i = 0; i + 1 < count; ++i) {
        if (!d->writeDoubleListItem(get(i), XmlContext::kMaxDecimals)) {
            d->setLineWrap(0);
            return 0;
        }
    }
    d->setLineWrap(0);
    return d->writeDoubleLine(get(count - 1), XmlContext::kMaxDecimals) && d->endTag(tag_id::doubleAray) &&
           d->endTag(tag_id::roundAray);
}

int VertexRoundingList::readXml(XmlContext& file, int tagId, int pointCount)
{
    this->count = 0;
    // Refused: the list stays empty and the rest of the block is passed over, so that the
    // reader goes on after it (the data error fails only this block).
    auto refuse = [&](int reported) {
        this->count = 0;
        if (!reported)
            file.reportDataError(tagId);
        (void)file.skipBlock(tagId); // a file that ends here fails at the reader's next tag
        return 0;
    };
    const int limit = pointCount < kMaxValues ? pointCount : kMaxValues;
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
            if (!file.acceptDataLength(announced, limit, kMinFileBytesPerValue, tagId))
                return refuse(1);
            if (!resize(announced))
                return refuse(0);
        } else if (id == tag_id::doubleAray) {
            const int n = this->count;
            this->count = 0;
            for (int i = 0; i < n; ++i) {
                double value = 0.0;
                if (!file.readListDouble(value))
                    return 0;
                // A list that reaches its closing tag before the count is short.
                if ((i + 1 < n && file.atTagStart()) || !append(value))
                    return refuse(0);
            }
            if (!file.expectTag(tag_id::doubleAray))
                return 0;
        } else if (!file.skipLine()) {
            return 0;
        }
    }
}

// --- the shared bodies ---

namespace shared_body {

void takeStrokeDefaults(Element& e, LineDefaults& defaults)
{
    e.layer = defaults.getLayer();
    if (e.lineWidth())
        e.lineWidth()->assign(&defaults.lineSize);
    if (e.linePosition())
        e.linePosition()->assign(&defaults.lineOrigin);
    if (e.lineType())
        e.lineType()->LineStyle::assign(&defaults.lineType);
}

void takeLineDefaults(Element& e)
{
    auto* defaults = static_cast<LineDefaults*>(e.elementDefaults(e.kind));
    if (!defaults)
        return;
    takeStrokeDefaults(e, *defaults);
    if (e.colour())
        e.colour()->assign(defaults->edgeColor);
    if (e.lineCap())
        e.lineCap()->assign(&defaults->lineCap);
}

void takeClosedDefaults(Element& e)
{
    auto* defaults = static_cast<LineDefaults*>(e.elementDefaults(e.kind));
    if (!defaults)
        return;
    takeStrokeDefaults(e, *defaults);
    if (e.edge())
        defaults->takeEdgeInto(*e.edge());
    if (e.fill())
        defaults->takePaintInto(*e.fill());
    if (e.hatch())
        defaults->takePatternInto(*e.hatch());
}

void translatePoints(Element& e, double dx, double dy, double dz)
{
    if (e.vertices())
        (void)e.vertices()->translate(dx, dy, dz); // only a block that cannot be locked fails
}

void rotatePoints(Element& e, double angle, double centreX, double centreY)
{
    if (e.vertices())
        (void)e.vertices()->rotateAbout(centreX, centreY, angle); // as translatePoints
}

void setListPoint(Element& e, int n, double x, double y, double z)
{
    if (e.vertices())
        (void)e.vertices()->setXYZ(n, x, y, z); // an index outside the list sets nothing
}

void scalePoints(Element& e, double factor, const Point& centre, int flags)
{
    if (e.vertices())
        (void)e.vertices()->scaleXYAbout(&centre, factor); // as translatePoints
    if (e.lineWidth())
        e.lineWidth()->scale(factor, flags);
}

void clearPoints(Element& e)
{
    if (e.vertices())
        e.vertices()->count = 0;
}

void appendPoint(Element& e, double x, double y, double z)
{
    if (e.vertices())
        (void)e.vertices()->appendXYZ(x, y, z); // a list that cannot grow keeps its points
}

int snapToNearestListPoint(Element& e, Point* p)
{
    return p && e.vertices() && Element::snapToNearestVertex(*p, *e.vertices(), 1) >= 0;
}

int snapToNearestEdgeOpen(Element& e, Point* p)
{
    return p && e.vertices() && Element::snapToNearestEdgeOpen(*p, 0, *e.vertices(), 1);
}

void setColour(Element& e, const InkColor& value)
{
    if (e.colour())
        e.colour()->assign(value);
}

void setEdgeColour(Element& e, const InkColor& value)
{
    if (e.edge())
        e.edge()->colour.assign(value);
}

void setFillColour(Element& e, const InkColor& value)
{
    if (e.fill())
        e.fill()->colour.assign(value);
}

void setHatchColour(Element& e, const InkColor& value)
{
    if (e.hatch())
        e.hatch()->colour.assign(value);
}

void setLineWidth(Element& e, const LineSizeAttribute& value)
{
    if (e.lineWidth())
        e.lineWidth()->assign(&value);
}

void setLinePosition(Element& e, const LineOriginAttribute& value)
{
    if (e.linePosition())
        e.linePosition()->assign(&value);
}

void setLineStyle(Element& e, const LineTypeAttribute& value)
{
    if (e.lineType())
        e.lineType()->LineStyle::assign(&value);
}

void setLineCap(Element& e, const LineCapAttribute& value)
{
    if (e.lineCap())
        e.lineCap()->assign(&value);
}

void setEdgeDrawn(Element& e, const EdgeAttributes& value)
{
    if (e.edge())
        e.edge()->draw.value = value.draw.value;
}

void setFillDrawn(Element& e, const FillAttributes& value)
{
    if (e.fill())
        e.fill()->draw.value = value.draw.value;
}

void setHatchPattern(Element& e, const HatchAttributes& value)
{
    if (e.hatch())
        e.hatch()->copyPattern(value);
}

void setHatchPitch1(Element& e, const HatchAttributes& value)
{
    if (e.hatch())
        e.hatch()->pitch1 = value.pitch1;
}

void setHatchPitch2(Element& e, const HatchAttributes& value)
{
    if (e.hatch())
        e.hatch()->copyPitch2(value);
}

void setFillGray(Element& e, const FillAttributes& value)
{
    if (e.fill())
        e.fill()->gray.assign(&value.gray);
}

int hitTestExactExtent(Element& e)
{
    SelectToolBase* tool = e.selectTool();
    if (!tool)
        return 0;
    e.computeExtent(1);
    return tool->extentContainsPickCentre(e.extentMin, e.extentMax);
}

int hitHandleOfExactExtent(Element& e, int* handle, int* flag)
{
    e.computeExtent(1);
    e.handleFlags.setAll();
    return e.hitHandleMark(handle, flag);
}

int isExactExtentInSelectionArea(Element& e)
{
    SelectToolBase* tool = e.selectTool();
    if (!tool)
        return 0;
    e.computeExtent(1);
    return tool->pickAreaContainsBox(e.extentMin, e.extentMax);
}

void preparePointList(Element& e)
{
    if (e.vertices())
        e.vertices()->owner = e.context;
    if (e.vertices() && e.vertexRounding())
        (void)e.vertexRounding()->resize(e.vertices()->count); // a list that cannot grow keeps its values
}

void ensureAttributes(Element& e, const ElementAttribute* which, int count)
{
    for (int i = 0; i < count; ++i)
        (void)e.ensureAttribute(which[i]); // see the declaration: a null slot is tolerated
}

void releaseAttributes(Element& e, const ElementAttribute* which, int count)
{
    for (int i = 0; i < count; ++i)
        e.releaseAttribute(which[i]);
}

void bindTwoPoints(Element& e)
{
    if (e.firstPoint())
        e.firstPoint()->owner = e.context;
    if (e.secondPoint())
        e.secondPoint()->owner = e.context;
}

int placeStartAtPress(Element& e)
{
    Point press;
    if (!e.firstPoint() || !e.secondPoint() || !e.previousInputPoint(&press))
        return 0;
    e.snapToGrid(&press);
    e.firstPoint()->x = press.x, e.firstPoint()->y = press.y, e.firstPoint()->z = 0.0;
    *static_cast<Point*>(e.secondPoint()) = *e.firstPoint();
    e.clearSavedExtent();
    return 1;
}

void translateTwoPoints(Element& e, double dx, double dy, double dz)
{
    if (e.firstPoint())
        e.firstPoint()->translate(dx, dy, dz);
    if (e.secondPoint())
        e.secondPoint()->translate(dx, dy, dz);
}

void rotateTwoPointsWithLean(Element& e, double angle, double centreX, double centreY)
{
    if (!e.firstPoint() || !e.secondPoint() || !std::isfinite(angle))
        return;
    const double dx = e.secondPoint()->x - e.firstPoint()->x, dy = e.secondPoint()->y - e.firstPoint()->y;
    e.firstPoint()->rotateAbout(centreX, centreY, angle);
    e.secondPoint()->x = e.firstPoint()->x + dx;
    e.secondPoint()->y = e.firstPoint()->y + dy;
    if (e.lean())
        e.lean()->rotateBy(angle);
}

void scaleTwoPoints(Element& e, double factor, const Point& centre, int flags)
{
    for (DrawPoint* p : {e.firstPoint(), e.secondPoint()}) {
        if (p) {
            p->x = centre.x + (p->x - centre.x) * factor;
            p->y = centre.y + (p->y - centre.y) * factor;
        }
    }
    if (e.lineWidth())
        e.lineWidth()->scale(factor, flags);
}

void readTwoPoints(Element& e, const Element& holder)
{
    for (auto [mine, read] : {std::pair{e.firstPoint(), holder.firstPoint()}, std::pair{e.secondPoint(), holder.secondPoint()}}) {
        if (mine && read)
            mine->x = read->x, mine->y = read->y, mine->z = read->z;
    }
}

void readThirdPoint(Element& e, const Element& holder)
{
    const DrawPoint* read = holder.thirdPoint();
    if (e.thirdPoint() && read)
        e.thirdPoint()->x = read->x, e.thirdPoint()->y = read->y, e.thirdPoint()->z = read->z;
}

void readAreaFills(Element& e, const Element& holder)
{
    if (e.edge())
        e.edge()->assign(holder.edge());
    if (e.fill())
        e.fill()->assign(holder.fill());
    if (e.hatch())
        e.hatch()->assign(holder.hatch());
}

void readStroke(Element& e, const Element& holder)
{
    if (e.lineWidth())
        e.lineWidth()->assign(holder.lineWidth());
    if (e.linePosition())
        e.linePosition()->assign(holder.linePosition());
    if (e.lineType() && holder.lineType())
        e.lineType()->LineStyle::assign(holder.lineType());
}

void setCoordinate(DrawPoint* point, const Point& value, int axis)
{
    if (point && axis == 0)
        point->x = value.x;
    else if (point)
        point->y = value.y;
}

int diameterOfRadius(Element& e, double out[2], Point* centre)
{
    if (e.getRadius(out, centre) != 1)
        return 0;
    out[0] *= 2.0;
    return 1;
}

} // namespace shared_body
