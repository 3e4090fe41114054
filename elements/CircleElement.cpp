// The circle element: its record, extent, shape, picks, geometry, queries and file section. The
// mouse input is in CircleElementInput.cpp.
#include "elements/CircleElement.h"

#include <cmath>
#include <iterator>
#include <new>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/LineDefaults.h"
#include "document/SelectToolBase.h"
#include "document/ShapeOp.h"
#include "elements/ElementShapes.h"
#include "elements/VertexRoundingList.h"
#include "geometry/AngleTurns.h"
#include "geometry/DoubleValue.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/InkColor.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/TagIds.h"
#include "geometry/ThreePointArc.h"
#include "shapes/OvalType.h"
#include "shapes/RadiusList.h"

namespace {
constexpr ElementAttribute kCircleAttributes[] = {
    ElementAttribute::edge,      ElementAttribute::thirdPoint,   ElementAttribute::radii,
    ElementAttribute::value1,    ElementAttribute::value2,       ElementAttribute::lineWidth,
    ElementAttribute::linePosition, ElementAttribute::lineType,  ElementAttribute::secondPoint,
    ElementAttribute::firstPoint, ElementAttribute::ovalType,
};
constexpr double kFullTurn = 360.0;
} // namespace

Element* newCircleElement() { return new (std::nothrow) CircleElement; }

CircleElement::CircleElement() = default;

CircleElement::~CircleElement() { teardown(); }

void CircleElement::initialize()
{
    shared_body::ensureAttributes(*this, kCircleAttributes, std::size(kCircleAttributes));
    if (value1())
        value1()->assign(0.0);
    if (value2())
        value2()->assign(kFullTurn);
}

void CircleElement::teardown()
{
    shared_body::releaseAttributes(*this, kCircleAttributes, std::size(kCircleAttributes));
}

void CircleElement::bindPoints()
{
    if (thirdPoint())
        thirdPoint()->owner = context;
    if (radii())
        radii()->owner = context;
}

int CircleElement::circleArc(ThreePointArc& arc) const
{
    if (!thirdPoint() || !radii() || !value1() || !value2())
        return 0;
    const double start = value1()->value, end = value2()->value, r = radii()->first();
    if (!isUsableAngle(start) || !isUsableAngle(end) || !std::isfinite(r) || !(r > 0.0) ||
        !std::isfinite(thirdPoint()->x) || !std::isfinite(thirdPoint()->y))
        return 0;
    arc.centre = *thirdPoint();
    arc.radius = r;
    arc.startAngle = start;
    arc.endAngle = end - start > kFullTurn ? start + kFullTurn : end;
    arc.direction = 1;
    return 1;
}

// --- store and extent ---

int CircleElement::exchangeRecord(int mode)
{
    ElementStore* store = elementStore();
    if (!store || !store->recordBuffer || !edge() || !thirdPoint() || !radii() || !value1() || !value2() ||
        !lineWidth() || !linePosition() || !lineType() || (mode != 1 && mode != 3))
        return 0;
    ElementRecordBuffer& buffer = *store->recordBuffer;
    buffer.rewind();
    if (mode == 1) {
        computeExtentToStore(0);
        return edge()->exchangeRecord(1, buffer) && thirdPoint()->writeRecord(buffer, 2, 0) &&
               radii()->exchangeRecord(1, buffer) && value1()->exchangeRecord(1, buffer) &&
               value2()->exchangeRecord(1, buffer) && lineWidth()->exchangeRecord(1, buffer) &&
               buffer.putInt(linePosition()->position) && lineType()->exchangeRecord(1, buffer) &&
               serializeExtent(buffer, 1);
    }
    int32_t position = 0;
    if (!edge()->exchangeRecord(3, buffer) || !thirdPoint()->readRecord(buffer, 2, 0) ||
        !radii()->exchangeRecord(3, buffer) || !value1()->exchangeRecord(3, buffer) ||
        !value2()->exchangeRecord(3, buffer) || !lineWidth()->exchangeRecord(3, buffer) ||
        !buffer.getInt(position) || !lineType()->exchangeRecord(3, buffer) || !serializeExtent(buffer, 3))
        return 0;
    linePosition()->position = position;
    return 1;
}

void CircleElement::computeExtent(int)
{
    if (!thirdPoint())
        return;
    bindPoints();
    Point lo, hi;
    if (runElementExtent(*this, lo, hi)) {
        extentMin.x = lo.x, extentMin.y = lo.y;
        extentMax.x = hi.x, extentMax.y = hi.y;
        return;
    }
    extentMin.x = extentMax.x = thirdPoint()->x;
    extentMin.y = extentMax.y = thirdPoint()->y;
}

// --- picks ---

int CircleElement::hitTestExtent() { return shared_body::hitTestExactExtent(*this); }

int CircleElement::hitTest()
{
    SelectToolBase* tool = selectTool();
    ThreePointArc arc;
    if (!tool || !circleArc(arc))
        return 0;
    // By its angles: a full circle has no three distinct points to pass.
    return tool->hitTestArcShape(arc, lineWidth() ? lineWidth()->width : 0.0,
                                 linePosition() ? linePosition()->position : LineOriginAttribute::kCenter);
}

int CircleElement::isInSelectionArea() { return shared_body::isExactExtentInSelectionArea(*this); }

// --- drawing ---

int CircleElement::execute(int operation, double x, double y, double z)
{
    bindPoints();
    return shared_body::runShapeAt(*this, operation, x, y, z);
}

void CircleElement::showPickHandles()
{
    computeExtent(1);
    handleFlags.clearAll();
    drawHandleMarks();
}

void CircleElement::showPickColour()
{
    if (forwardOp(ShapeOp::ShowPicked) && thirdPoint())
        drawPointMark(ShapeOp::ShowPicked, *thirdPoint());
}

void CircleElement::showPickMarks()
{
    forwardOp(ShapeOp::ShowPickMarks);
    if (thirdPoint())
        drawPointMark(ShapeOp::ShowPicked, *thirdPoint());
}

void CircleElement::repaintPicked() { shared_body::repaintPicked(*this); }

// --- geometry ---

void CircleElement::translate(double dx, double dy, double dz)
{
    if (thirdPoint())
        thirdPoint()->translate(dx, dy, dz);
}

void CircleElement::rotate(double angle, double centreX, double centreY, double)
{
    if (!std::isfinite(angle))
        return;
    if (thirdPoint())
        thirdPoint()->rotateAbout(centreX, centreY, angle);
    if (!value1() || !value2())
        return;
    // The opening turns with the centre: the start angle moves into one turn, the sweep stays.
    const double sweep = value2()->value - value1()->value;
    double start = std::fmod(value1()->value + angle, kFullTurn);
    if (start < 0.0)
        start += kFullTurn;
    if (!std::isfinite(start) || !std::isfinite(sweep))
        return;
    value1()->assign(start);
    value2()->assign(start + sweep);
}

void CircleElement::scale(double factor, const Point& centre, int flags)
{
    if (DrawPoint* c = thirdPoint()) {
        c->x = centre.x + (c->x - centre.x) * factor;
        c->y = centre.y + (c->y - centre.y) * factor;
    }
    if (radii())
        radii()->scale(factor, flags);
    if (lineWidth())
        lineWidth()->scale(factor, flags);
}

int CircleElement::getRadius(double out[2], Point* centre)
{
    if (!out || !radii())
        return 0;
    out[0] = radii()->first();
    if (centre && thirdPoint())
        centre->x = thirdPoint()->x, centre->y = thirdPoint()->y;
    return 1;
}

int CircleElement::getDiameter(double out[2], Point* centre) { return shared_body::diameterOfRadius(*this, out, centre); }

// --- value setters ---

void CircleElement::setLineColour(const InkColor& value) { shared_body::setEdgeColour(*this, value); }
void CircleElement::setLineWidth(const LineSizeAttribute& value) { shared_body::setLineWidth(*this, value); }
void CircleElement::setLinePosition(const LineOriginAttribute& value) { shared_body::setLinePosition(*this, value); }
void CircleElement::setLineStyle(const LineTypeAttribute& value) { shared_body::setLineStyle(*this, value); }

void CircleElement::takeDefaultAttributes()
{
    auto* defaults = static_cast<LineDefaults*>(elementDefaults(kind));
    if (!defaults)
        return;
    shared_body::takeStrokeDefaults(*this, *defaults);
    if (edge())
        defaults->takeEdgeInto(*edge());
}

int CircleElement::editProperties(int hasPrevious, int hasNext)
{
    bindPoints();
    return shared_body::runPropertyDialog(*this, shared_body::makePropertyDialog(*this, ElementKind::Circle),
                                          hasPrevious, hasNext);
}

// --- files ---

int CircleElement::readXmlAttributes()
{
    bindPoints();
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    if (!holder || !thirdPoint())
        return 0;
    if (edge())
        edge()->assign(holder->edge());
    shared_body::readThirdPoint(*this, *holder);
    if (radii())
        (void)radii()->copyFrom(holder->radii()); // always 1
    if (value1())
        value1()->assign(holder->value1());
    if (value2())
        value2()->assign(holder->value2());
    shared_body::readStroke(*this, *holder);
    takeDocumentLayerAndGroup();
    return 1;
}

int CircleElement::writeXml()
{
    bindPoints();
    Document* d = currentXmlContext();
    if (!d || !edge() || !thirdPoint() || !radii() || !value1() || !value2() || !lineWidth() || !linePosition() ||
        !lineType())
        return 0;
    return openXmlSection() && writeLayerAndGroup() && edge()->writeXml(d) &&
           thirdPoint()->writeXml(d, tag_id::centerPoint) && radii()->writeXmlOnPaper() &&
           value1()->writeXml(tag_id::sttAngle) && value2()->writeXml(tag_id::endAngle) && lineWidth()->writeXml(d) &&
           linePosition()->writeXml(d) && lineType()->writeXml(d) && closeXmlSection();
}
