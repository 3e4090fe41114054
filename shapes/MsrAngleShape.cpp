#include "shapes/MsrAngleShape.h"

#include <cmath>
#include <initializer_list>

#include "document/DocumentContext.h"
#include "document/SelectToolBase.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/LineAttribute.h"
#include "geometry/PointList.h"
#include "geometry/ThreePointArc.h"
#include "shapes/ArcShape.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/DimensionGeometry.h"
#include "shapes/MeasureAttributes.h"

using dimension_geometry::along;
using dimension_geometry::directionAngle;
using dimension_geometry::kRadian;
using dimension_geometry::unitBetween;

namespace {
// How far the arrow heads at the arc's ends aim along it, drawing units.
constexpr double kTangentReach = 10.0;

double normalised(double a)
{
    const double r = std::fmod(a, 360.0);
    return r < 0.0 ? r + 360.0 : r;
}
} // namespace

int MsrAngleShape::prepare(int operation) { return prepareDimension(operation, 3, 1) && buildGeometry(); }

int MsrAngleShape::buildGeometry()
{
    Point first, second;
    if (!measuredPoint(0, first) || !measuredPoint(1, second) || !measuredPoint(2, vertexPoint))
        return 0;
    double ux = 0.0, uy = 0.0;
    if (!unitBetween(vertexPoint, first, ux, uy) || !unitBetween(vertexPoint, second, ux, uy))
        return 0; // an arm without direction
    const double alpha = normalised(directionAngle(vertexPoint, second) - directionAngle(vertexPoint, first));
    value = alpha > 180.09 ? 360.0 - alpha : alpha;
    (void)buildNumeral(value, 1); // a numeral that cannot be measured has no size
    if (drawType == kArc)
        return buildArc(first, second, vertexPoint);
    buildArrow(vertexPoint);
    return 1;
}

int MsrAngleShape::buildArc(const Point& first, const Point& second, const Point& vertex)
{
    const double a0 = directionAngle(vertex, first);
    const double a1 = a0 + normalised(directionAngle(vertex, second) - a0);
    const double r = std::hypot(display.x - vertex.x, display.y - vertex.y);
    double u0x = 0.0, u0y = 0.0, u1x = 0.0, u1y = 0.0;
    if (!unitBetween(vertex, first, u0x, u0y) || !unitBetween(vertex, second, u1x, u1y) || !std::isfinite(r))
        return 0;
    // The arc spans the smaller angle, from A to B.
    if (a1 <= a0 + 180.0) {
        arcA = along(vertex, u1x, u1y, r);
        arcB = along(vertex, u0x, u0y, r);
    } else {
        arcA = along(vertex, u0x, u0y, r);
        arcB = along(vertex, u1x, u1y, r);
    }
    const Point middle((arcA.x + arcB.x) / 2.0, (arcA.y + arcB.y) / 2.0);
    double mx = 0.0, my = 0.0;
    if (unitBetween(vertex, middle, mx, my) && std::hypot(middle.x - vertex.x, middle.y - vertex.y) > r * 1e-9) {
        arcMiddle = along(vertex, mx, my, r);
    } else {
        // Opposite arms: the arc passes on D's side, square to the arms.
        double ax = 0.0, ay = 0.0;
        (void)unitBetween(vertex, arcA, ax, ay); // A lies r from the vertex
        double px = -ay, py = ax;
        if ((display.x - vertex.x) * px + (display.y - vertex.y) * py < 0.0)
            px = -px, py = -py;
        arcMiddle = along(vertex, px, py, r);
    }
    const double space = drawLine ? drawLine->scaledSpace() : 0.0;
    end1 = arcA;
    end2 = arcB;
    double wx = 0.0, wy = 0.0;
    if (std::isfinite(space) && unitBetween(arcA, arcMiddle, wx, wy))
        end1 = along(arcA, wx, wy, space);
    if (std::isfinite(space) && unitBetween(arcB, arcMiddle, wx, wy))
        end2 = along(arcB, wx, wy, space);
    theta = directionAngle(arcA, arcB);
    return 1;
}

void MsrAngleShape::buildArrow(const Point& vertex)
{
    theta = directionAngle(vertex, display);
    const double g = gap();
    arcA = Point(display.x + std::sin(theta * kRadian) * g, display.y + std::cos(theta * kRadian) * g);
    theta = directionAngle(vertex, arcA);
    frameX = 1.0, frameY = 0.0;
    (void)unitBetween(vertex, arcA, frameX, frameY); // A on the vertex keeps the level frame
    const double dx = display.x - vertex.x, dy = display.y - vertex.y;
    effectiveDirection = measure->direction;
    if (effectiveDirection == MeasureAttributes::kRight)
        effectiveDirection =
            dimension_geometry::runsLevel(dx, dy) ? MeasureAttributes::kHorizontal : MeasureAttributes::kVertical;
    if (effectiveDirection == MeasureAttributes::kVertical) {
        theta = 270.0;
        frameX = 0.0, frameY = display.y < vertex.y ? -1.0 : 1.0;
    } else if (effectiveDirection == MeasureAttributes::kHorizontal) {
        theta = 0.0;
        frameX = display.x < vertex.x ? -1.0 : 1.0, frameY = 0.0;
    }
    if (effectiveDirection == MeasureAttributes::kVertical || effectiveDirection == MeasureAttributes::kHorizontal) {
        // A level or upright numeral has its own underside: the underline keeps the gap below it.
        arcA = Point(display.x + std::sin(theta * kRadian) * g, display.y + std::cos(theta * kRadian) * g);
    }
    end1 = vertex;
    double wx = 0.0, wy = 0.0;
    const double space = drawLine ? drawLine->scaledSpace() : 0.0;
    if (std::isfinite(space) && unitBetween(vertex, arcA, wx, wy))
        end1 = along(vertex, wx, wy, space);
    end2 = along(arcA, frameX, frameY, numeral.width);
}

Point MsrAngleShape::numeralAnchor() const
{
    if (drawType != kArc) {
        const int reversed = (effectiveDirection == MeasureAttributes::kHorizontal && frameX < 0.0) ||
                             (effectiveDirection == MeasureAttributes::kVertical && frameY < 0.0);
        return reversed ? along(display, frameX, frameY, numeral.width) : Point(display.x, display.y);
    }
    Point anchor = arcMiddle;
    double wx = 0.0, wy = 0.0;
    if (unitBetween(arcB, arcA, wx, wy))
        anchor = along(anchor, wx, wy, numeral.numberWidth / 2.0);
    // Then the numeral gap square to the chord, on the side the numeral rises to.
    return along(anchor, -std::sin(theta * kRadian), -std::cos(theta * kRadian), gap());
}

void MsrAngleShape::arcTangentAt(const Point& end, const Point& vertex, Point& towards) const
{
    double rx = 0.0, ry = 0.0;
    towards = end;
    if (!unitBetween(vertex, end, rx, ry))
        return;
    double tx = -ry, ty = rx;
    if ((arcMiddle.x - end.x) * tx + (arcMiddle.y - end.y) * ty < 0.0)
        tx = -tx, ty = -ty;
    towards = along(end, tx, ty, kTangentReach);
}

int MsrAngleShape::flattenArc(PointList& out) const
{
    // The arc as drawn: through the drawn ends and the middle.
    ThreePointArc arc;
    arc.start = end1;
    arc.middle = arcMiddle;
    arc.end = end2;
    return arc.toPointArray(&out, ArcShape::kStepDegrees);
}

void MsrAngleShape::strokeArc()
{
    ArcShape arc;
    shareWith(arc);
    arc.setColour(measureLine->colour);
    arc.setWidth(measureLine->width());
    arc.setLineStyle(*measureLine);
    arc.setStartPoint(DrawPoint(end1.x, end1.y));
    arc.setMidPoint(DrawPoint(arcMiddle.x, arcMiddle.y));
    arc.setEndPoint(DrawPoint(end2.x, end2.y));
    (void)arc.execute(op, mode); // a degenerate arc (D on the vertex) draws nothing
}

int MsrAngleShape::drawFigure()
{
    if (drawType != kArc && drawLine && drawLine->style >= 1 && !stroke(end1, arcA, nullptr, drawLine))
        return 0;
    if (measureLine && measureLine->style >= 1) {
        if (drawType == kArc)
            strokeArc();
        else if (!stroke(arcA, end2, measureLine, nullptr))
            return 0;
    }
    (void)drawArrowHeads(); // drawing answers nothing
    return drawNumeral(numeralAnchor(), theta);
}

int MsrAngleShape::drawArrowHeads()
{
    if (drawType != kArc)
        return arrowHeadAt(end1, end1, arcA);
    Point towards;
    arcTangentAt(end1, vertexPoint, towards);
    const int first = arrowHeadAt(end1, end1, towards);
    arcTangentAt(end2, vertexPoint, towards);
    return first | arrowHeadAt(end2, end2, towards);
}

int MsrAngleShape::execute(int operation, int newMode)
{
    return runPrepared(operation, newMode, [this](int o) { return prepare(o); }, [this] { return drawFigure(); });
}

int MsrAngleShape::extent(Point& lo, Point& hi)
{
    if (!prepareExtent(3, 1) || !buildGeometry())
        return 0;
    auto widen = [&](const Point& p) { grow(lo, hi, p); };
    growByArrowHeads(lo, hi, end1, end2);
    widen(arcA);
    if (drawType == kArc) {
        PointList arc;
        if (flattenArc(arc)) {
            Point p;
            for (int i = 0; i < arc.count; ++i)
                if (arc.getPoint(i, &p))
                    widen(p);
        }
        widen(arcB);
    }
    growByNumeral(lo, hi, numeralAnchor(), theta);
    return 1;
}

int MsrAngleShape::hitTest()
{
    SelectToolBase* tool = context ? context->selectTool : nullptr;
    if (!tool || !prepare(ShapeOp::RubberBand))
        return 0;
    if (drawType != kArc && drawLine && drawLine->style >= 1 && tool->hitTestStrokeWithCaps(end1, arcA, drawLine->width, 1))
        return 1;
    if (measureLine && measureLine->style >= 1) {
        if (drawType != kArc && tool->hitTestStrokeWithCaps(arcA, end2, measureLine->width(), 1))
            return 1;
        PointList arc;
        if (drawType == kArc && flattenArc(arc) && tool->hitOpenPolyline(arc, measureLine->width(), 1))
            return 1;
    }
    if (hitNumeral(numeralAnchor(), theta))
        return 1;
    return hitArrowHeads([this] { return drawArrowHeads(); });
}
