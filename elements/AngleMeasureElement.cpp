// The angle dimension: where it differs from the length dimension (record and file fields, the
// extent, the creation of modes 21 and 22, the draw type).
#include "elements/AngleMeasureElement.h"

#include <cmath>
#include <initializer_list>
#include <new>

#include "document/Document.h"
#include "document/ElementKind.h"
#include "elements/ElementShapes.h"
#include "elements/VertexRoundingList.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/PointList.h"
#include "geometry/ViewParams.h"
#include "platform/MouseSource.h"
#include "shapes/MeasureAttributes.h"

namespace {
constexpr int kFreePoints = 21;
constexpr int kTwoEdges = 22;

// a brought into [from, from + 360).
double atOrAbove(double a, double from)
{
    const double turns = std::floor((a - from) / 360.0);
    return a - turns * 360.0;
}
} // namespace

Element* newAngleMeasureElement() { return new (std::nothrow) AngleMeasureElement; }

ElementPropertyDialog* AngleMeasureElement::makePropertyDialog()
{
    return shared_body::makePropertyDialog(*this, ElementKind::AngleMeasure);
}

int AngleMeasureElement::drawTypeFor(const Point& first, const Point& second, const Point& vertex, const Point& d)
{
    double a0 = vertex.angleTo(&first);
    double a1 = atOrAbove(vertex.angleTo(&second), a0);
    if (!std::isfinite(a0) || !std::isfinite(a1))
        return kArrow;
    if (a1 > a0 + 180.0) {
        const double t = a0;
        a0 = a1;
        a1 = atOrAbove(t, a0);
    }
    const double ad = atOrAbove(vertex.angleTo(&d), a0);
    return ad <= a1 ? kArc : kArrow;
}

void AngleMeasureElement::recomputeDrawType()
{
    Point first, second, vertex;
    if (vertices() && thirdPoint() && vertices()->count == 3 && vertices()->getPoint(0, &first) &&
        vertices()->getPoint(1, &second) && vertices()->getPoint(2, &vertex))
        drawType.value = drawTypeFor(first, second, vertex, *thirdPoint());
}

void AngleMeasureElement::placeDisplayPoint(const Point& p)
{
    MeasureElement::placeDisplayPoint(p);
    recomputeDrawType();
}

void AngleMeasureElement::afterPointDrag() { recomputeDrawType(); }

// --- store, file and extent ---

int AngleMeasureElement::exchangeKindFields(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return buffer.putInt(drawType.value);
    int32_t value = 0;
    if (!buffer.getInt(value))
        return 0;
    drawType.value = value;
    return 1;
}

int AngleMeasureElement::writeKindXml()
{
    Document* d = currentXmlContext();
    return d && drawType.writeXml(d);
}

int AngleMeasureElement::readXmlAttributes()
{
    if (!MeasureElement::readXmlAttributes())
        return 0;
    Document* d = currentXmlContext();
    Element* holder = d ? d->attributeHolder() : nullptr;
    drawType.value = holder ? holder->readDrawType() : 0;
    return 1;
}

void AngleMeasureElement::startExtent()
{
    if (!thirdPoint())
        return;
    extentMin.x = extentMax.x = thirdPoint()->x;
    extentMin.y = extentMax.y = thirdPoint()->y;
}

void AngleMeasureElement::setNumeralUnits(const MeasureAttributes& value)
{
    if (measure()) {
        measure()->lengthUnit.copyFrom(&value.lengthUnit);
        measure()->angleUnit.copyFrom(&value.angleUnit);
    }
}

// --- editing ---

int AngleMeasureElement::editByMouse()
{
    const int key = typedCharacter();
    if (key == '+' || key == '-')
        return 0;
    return MeasureElement::editByMouse();
}

// --- creation ---

int AngleMeasureElement::beginCreateInput(int mode)
{
    if (!vertices() || !inputPointList())
        return 0;
    vertices()->count = 0;
    overlayShown = 0;
    if (mode == kFreePoints) {
        drawType.value = kArrow;
        Point press;
        if (!previousInputPoint(&press))
            return kCancelled;
        snapToGrid(&press);
        if (!vertices()->appendXYZ(press.x, press.y, 0.0))
            return kCancelled;
        return continueCreateInput(mode);
    }
    if (mode == kTwoEdges) {
        drawType.value = kArc;
        return continueCreateInput(mode);
    }
    return 0;
}

int AngleMeasureElement::continueCreateInput(int mode)
{
    inputPending = 0;
    if (!vertices() || !thirdPoint())
        return 0;
    int result = 0;
    if (mode == kFreePoints)
        result = collectFreePoints();
    else if (mode == kTwoEdges)
        result = collectEdges();
    else
        return 0;
    if (result == 1)
        result = placeDisplay(0);
    if (overlayShown)
        flushView();
    if (result == kCancelled)
        inputPending = 1; // the next mouse step continues this angle, with its points
    return result;
}

// One step of mode 21: 1 with three points (placement follows), -1 after a point was added or
// the wait was cancelled, 15 a double click, 0 with no or too many points.
int AngleMeasureElement::collectFreePoints()
{
    const int count = vertices()->count;
    if (count == 3)
        return 1;
    if (count < 1 || count > 3)
        return 0;
    IntPoint device;
    if (!waitPress(device, 1))
        return kCancelled;
    if (!overlayShown && isDoubleClick())
        return kDoubleClick;
    Point p;
    deviceToDrawing(&p, device, 1);
    if (!vertices()->appendXYZ(p.x, p.y, 0.0))
        return kCancelled;
    return vertices()->count == 3 ? 1 : kCancelled;
}

int AngleMeasureElement::pickEdge(Point& at, Point& direction)
{
    // Two points of the edge, snapped from the press and from a point just beside it, give its
    // direction; a curved edge gives its chord's. The second point lies close enough to snap to
    // the same edge: one further along may snap to the next edge of a polyline near its corner.
    const Point press = at;
    if (!snapOnElementUnderCursor(at, 1, nullptr))
        return 0;
    const double step = 0.01 * scaleDenominator() / scaleNumerator();
    for (const Point& offset : {Point(step, step), Point(step, -step)}) {
        Point other(press.x + offset.x, press.y + offset.y);
        if (!snapOnElementUnderCursor(other, 1, nullptr))
            return 0;
        const double dx = other.x - at.x, dy = other.y - at.y;
        const double length = std::hypot(dx, dy);
        if (length > 1e-9 && std::isfinite(length)) {
            direction = Point(dx / length, dy / length);
            return 1;
        }
    }
    return 0;
}

// Mode 22: the first edge at the press, the second at the next press, the vertex where they
// cross. 1 with three points, -1 on a miss or parallel edges, 15 a double click, 0 otherwise.
int AngleMeasureElement::collectEdges()
{
    if (vertices()->count == 3)
        return 1;
    if (vertices()->count != 0)
        return 0;
    Point first;
    if (!previousInputPoint(&first))
        return kCancelled;
    if (!pickEdge(first, edgeDirections[0])) {
        (void)waitButtonUp(); // a cancelled wait ends as a missed click does
        return isDoubleClick() ? kDoubleClick : kCancelled;
    }
    if (!vertices()->appendXYZ(first.x, first.y, 0.0))
        return kCancelled;
    IntPoint device;
    if (!waitPress(device, 0))
        return kCancelled;
    Point second;
    deviceToDrawing(&second, device, 0);
    if (!pickEdge(second, edgeDirections[1]))
        return kCancelled;
    // The crossing of first + s d0 and second + t d1.
    const Point& d0 = edgeDirections[0];
    const Point& d1 = edgeDirections[1];
    const double cross = d0.x * d1.y - d0.y * d1.x;
    if (std::fabs(cross) < 1e-9)
        return kCancelled; // parallel edges never cross
    const double s = ((second.x - first.x) * d1.y - (second.y - first.y) * d1.x) / cross;
    const Point vertex(first.x + d0.x * s, first.y + d0.y * s);
    if (!std::isfinite(vertex.x) || !std::isfinite(vertex.y) || !vertices()->appendXYZ(second.x, second.y, 0.0) ||
        !vertices()->appendXYZ(vertex.x, vertex.y, 0.0))
        return kCancelled;
    return 1;
}
