#include "shapes/MeasureShape.h"

#include <cmath>
#include <initializer_list>

#include "document/DocumentContext.h"
#include "document/SelectToolBase.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/LineAttribute.h"
#include "geometry/PointList.h"
#include "platform/MathUtil.h"
#include "shapes/DimensionGeometry.h"
#include "shapes/MeasureAttributes.h"

using dimension_geometry::along;
using dimension_geometry::unitBetween;

int MeasureShape::prepare(int operation)
{
    if (!prepareDimension(operation, 2, 0))
        return 0;
    buildFrame();
    return 1;
}

void MeasureShape::buildFrame()
{
    Point first, last;
    (void)measuredPoint(0, first); // a point that cannot be read counts as the origin
    (void)measuredPoint(measured->count - 1, last);
    const double dx = last.x - first.x, dy = last.y - first.y;
    effectiveDirection = measure->direction;
    if (effectiveDirection == MeasureAttributes::kRight)
        effectiveDirection =
            dimension_geometry::runsLevel(dx, dy) ? MeasureAttributes::kHorizontal : MeasureAttributes::kVertical;
    const double length = std::hypot(dx, dy);
    if (effectiveDirection == MeasureAttributes::kFreeDirection && length > 0.0 && std::isfinite(length)) {
        ux = dx / length, uy = dy / length;
        theta = std::atan2(-dy, dx) / dimension_geometry::kRadian;
        if (theta < 0.0)
            theta += 360.0;
        return;
    }
    if (effectiveDirection == MeasureAttributes::kVertical) {
        ux = 0.0, uy = 1.0;
        theta = last.y >= first.y ? 270.0 : 90.0;
        return;
    }
    // HORIZONTAL, and a FREE dimension whose ends coincide, which has no direction of its own.
    if (effectiveDirection != MeasureAttributes::kFreeDirection)
        effectiveDirection = MeasureAttributes::kHorizontal;
    ux = 1.0, uy = 0.0;
    theta = last.x >= first.x ? 0.0 : 180.0;
}

void MeasureShape::feetOf(const Point& p, Point& base, Point& foot) const
{
    // u and v are perpendicular: the crossing of the line through p along v with the line
    // through D along u is p projected onto the latter.
    const double t = (p.x - display.x) * ux + (p.y - display.y) * uy;
    base = Point(display.x + ux * t, display.y + uy * t);
    const double g = gap();
    const double s = std::sin(theta * dimension_geometry::kRadian), c = std::cos(theta * dimension_geometry::kRadian);
    foot = Point(base.x + s * g, base.y + c * g);
}

int MeasureShape::segmentFeet(int i, Feet& feet)
{
    Point a, b;
    if (!measuredPoint(i, a) || !measuredPoint(i + 1, b))
        return 0;
    feetOf(a, feet.b1, feet.f1);
    feetOf(b, feet.b2, feet.f2);
    feet.side = 0;
    if (measure->numeralPosition == MeasureAttributes::kFree) {
        const double apart = std::hypot(feet.f2.x - feet.f1.x, feet.f2.y - feet.f1.y);
        const double d1 = std::hypot(display.x - feet.f1.x, display.y - feet.f1.y);
        const double d2 = std::hypot(display.x - feet.f2.x, display.y - feet.f2.y);
        if (d1 > apart || d2 > apart)
            feet.side = d1 < d2 ? 1 : 2;
    }
    return 1;
}

int MeasureShape::buildSegmentNumeral(const Point& a, const Point& b)
{
    const int unit = measure->lengthUnitId();
    const double dx = std::fabs(measure->lengthUnit.convert(b.x - a.x, UnitConverter::millimetre, unit));
    const double dy = std::fabs(measure->lengthUnit.convert(b.y - a.y, UnitConverter::millimetre, unit));
    double value = std::hypot(dx, dy);
    if (effectiveDirection == MeasureAttributes::kHorizontal)
        value = dx;
    else if (effectiveDirection == MeasureAttributes::kVertical)
        value = dy;
    return buildNumeral(value, 0);
}

void MeasureShape::dimensionLineEnds(const Feet& feet, Point& from, Point& to) const
{
    from = feet.f1;
    to = feet.f2;
    double wx = 0.0, wy = 0.0;
    const int directed = unitBetween(feet.f1, feet.f2, wx, wy);
    const double g = gap(), d = arrowLength();
    const double s = std::sin(theta * dimension_geometry::kRadian), c = std::cos(theta * dimension_geometry::kRadian);
    if (feet.side == 1) {
        // From under the numeral beyond F1 to past F2 by the arrow head's length.
        from = Point(display.x + s * g, display.y + c * g);
        if (directed)
            to = along(feet.f2, wx, wy, d);
    } else if (feet.side == 2 && directed) {
        from = along(feet.f1, -wx, -wy, d);
        const Point end = along(display, wx, wy, numeral.width);
        to = Point(end.x + s * g, end.y + c * g);
    }
}

int MeasureShape::extensionLineEnds(const Point& p, const Point& foot, Point& from, Point& to) const
{
    double wx = 0.0, wy = 0.0;
    if (!drawLine || !unitBetween(p, foot, wx, wy))
        return 0;
    const double space = drawLine->scaledSpace(), over = drawLine->scaledOver();
    from = along(p, wx, wy, std::isfinite(space) ? space : 0.0);
    to = along(foot, wx, wy, std::isfinite(over) ? over : 0.0);
    return 1;
}

Point MeasureShape::numeralAnchor(const Feet& feet) const
{
    if (measure->numeralPosition == MeasureAttributes::kFree)
        return display;
    const Point middle((feet.b1.x + feet.b2.x) / 2.0, (feet.b1.y + feet.b2.y) / 2.0);
    double wx = 0.0, wy = 0.0;
    if (!unitBetween(feet.f2, feet.f1, wx, wy))
        return middle;
    return along(middle, wx, wy, numeral.width / 2.0);
}

int MeasureShape::drawArrowHeads(const Feet& feet)
{
    // Beside the numeral (side 1 or 2) the heads open outwards: the arrows point in from outside.
    if (feet.side != 0)
        return arrowHeadAt(feet.f1, feet.f2, feet.f1) | arrowHeadAt(feet.f2, feet.f1, feet.f2);
    return arrowHeadAt(feet.f1, feet.f1, feet.f2) | arrowHeadAt(feet.f2, feet.f2, feet.f1);
}

int MeasureShape::drawSegment(int i)
{
    Feet feet;
    Point a, b;
    if (!segmentFeet(i, feet) || !measuredPoint(i, a) || !measuredPoint(i + 1, b))
        return 0;
    (void)buildSegmentNumeral(a, b); // a numeral that cannot be measured is drawn without size
    if (drawLine && drawLine->style >= 1) {
        Point from, to;
        if (extensionLineEnds(a, feet.f1, from, to) && !stroke(from, to, nullptr, drawLine))
            return 0;
        if (i == measured->count - 2 && extensionLineEnds(b, feet.f2, from, to) && !stroke(from, to, nullptr, drawLine))
            return 0;
    }
    if (measureLine && measureLine->style >= 1) {
        Point from, to;
        dimensionLineEnds(feet, from, to);
        if (!stroke(from, to, measureLine, nullptr))
            return 0;
    }
    (void)drawArrowHeads(feet); // drawing answers nothing
    return drawNumeral(numeralAnchor(feet), theta);
}

int MeasureShape::runSegments()
{
    for (int i = 0; i + 1 < measured->count; ++i) {
        if (!drawSegment(i))
            return 0;
    }
    return 1;
}

int MeasureShape::execute(int operation, int newMode)
{
    return runPrepared(operation, newMode, [this](int o) { return prepare(o); }, [this] { return runSegments(); });
}

int MeasureShape::extent(Point& lo, Point& hi)
{
    if (!prepareExtent(2, 0))
        return 0;
    buildFrame();
    auto widen = [&](const Point& p) { grow(lo, hi, p); };
    for (int i = 0; i + 1 < measured->count; ++i) {
        Feet feet;
        Point a, b;
        if (!segmentFeet(i, feet) || !measuredPoint(i, a) || !measuredPoint(i + 1, b))
            continue;
        (void)buildSegmentNumeral(a, b); // without size when it cannot be measured
        for (const Point& p : {feet.b1, feet.b2})
            widen(p);
        growByArrowHeads(lo, hi, feet.f1, feet.f2);
        Point from, to;
        dimensionLineEnds(feet, from, to);
        widen(from), widen(to);
        if (extensionLineEnds(a, feet.f1, from, to))
            widen(from), widen(to);
        if (extensionLineEnds(b, feet.f2, from, to))
            widen(from), widen(to);
        growByNumeral(lo, hi, numeralAnchor(feet), theta);
    }
    return 1;
}

int MeasureShape::hitTest()
{
    SelectToolBase* tool = context ? context->selectTool : nullptr;
    if (!tool || !prepare(ShapeOp::RubberBand))
        return 0;
    Point first, last, base;
    Point footFirst, footLast;
    if (measuredPoint(0, first) && measuredPoint(measured->count - 1, last)) {
        feetOf(first, base, footFirst);
        feetOf(last, base, footLast);
        if (measureLine && measureLine->style >= 1 &&
            tool->hitTestStrokeWithCaps(footFirst, footLast, measureLine->width(), 1))
            return 1;
    }
    for (int i = 0; i + 1 < measured->count; ++i) {
        Feet feet;
        Point a, b;
        if (!segmentFeet(i, feet) || !measuredPoint(i, a) || !measuredPoint(i + 1, b))
            continue;
        (void)buildSegmentNumeral(a, b); // without size when it cannot be measured
        Point from, to;
        if (drawLine && drawLine->style >= 1) {
            if (extensionLineEnds(a, feet.f1, from, to) && tool->hitTestStrokeWithCaps(from, to, drawLine->width, 1))
                return 1;
            if (i == measured->count - 2 && extensionLineEnds(b, feet.f2, from, to) &&
                tool->hitTestStrokeWithCaps(from, to, drawLine->width, 1))
                return 1;
        }
        if (hitNumeral(numeralAnchor(feet), theta))
            return 1;
        if (hitArrowHeads([&] { return drawArrowHeads(feet); }))
            return 1;
    }
    return 0;
}
