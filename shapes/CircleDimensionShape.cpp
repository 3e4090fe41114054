#include "shapes/CircleDimensionShape.h"

#include <cmath>
#include <initializer_list>

#include "document/DocumentContext.h"
#include "document/SelectToolBase.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/LineAttribute.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/DimensionGeometry.h"
#include "shapes/MeasureAttributes.h"
#include "shapes/ValueList.h"

using dimension_geometry::along;
using dimension_geometry::directionAngle;
using dimension_geometry::kRadian;
using dimension_geometry::unitBetween;

void CircleDimensionShape::setValues(const ValueList& list)
{
    valueCount = list.count == 2 ? 2 : 1;
    for (int i = 0; i < valueCount; ++i)
        values[i] = list.value(i);
}

int CircleDimensionShape::prepare(int operation) { return prepareDimension(operation, 1, 1) && buildGeometry(); }

int CircleDimensionShape::buildGeometry()
{
    if (!measuredPoint(0, circlePoint) || !std::isfinite(display.x) || !std::isfinite(display.y))
        return 0;
    double shown[2] = {};
    const int unit = measure->lengthUnitId();
    for (int i = 0; i < valueCount; ++i)
        shown[i] = measure->lengthUnit.convert(values[i], UnitConverter::millimetre, unit);
    (void)buildNumeral(prefix, shown, valueCount, 0); // a numeral that cannot be measured has no size
    double offset = drawLine ? drawLine->scaledSpace() : 0.0;
    if (!std::isfinite(offset))
        offset = 0.0;
    const Point p2(display.x, display.y);
    if (layout == kIn)
        buildIn(circlePoint, p2, offset);
    else
        buildOut(circlePoint, p2, offset);
    return 1;
}

void CircleDimensionShape::buildIn(const Point& p1, const Point& p2, double offset)
{
    directionX = 1.0, directionY = 0.0;
    numeralDirection = 0;
    const Point& left = p2.x < p1.x ? p2 : p1;
    const Point& right = p2.x < p1.x ? p1 : p2;
    textAngle = directionAngle(left, right);
    double ux = 0.0, uy = 0.0;
    lineEnd1 = p2;
    lineEnd2 = p1;
    if (unitBetween(p2, p1, ux, uy))
        lineEnd1 = along(p2, ux, uy, offset);
    if (unitBetween(p1, lineEnd1, ux, uy))
        lineEnd2 = along(p1, ux, uy, offset);
}

void CircleDimensionShape::buildOut(const Point& p1, const Point& p2, double offset)
{
    const double g = gap();
    auto besideP2 = [&](double a) { return Point(p2.x + std::sin(a * kRadian) * g, p2.y + std::cos(a * kRadian) * g); };
    directionX = 1.0, directionY = 0.0;
    textAngle = directionAngle(p1, besideP2(directionAngle(p1, p2)));
    numeralDirection = measure->direction;
    const double dx = p2.x - p1.x, dy = p2.y - p1.y;
    if (numeralDirection == MeasureAttributes::kRight)
        numeralDirection =
            dimension_geometry::runsLevel(dx, dy) ? MeasureAttributes::kHorizontal : MeasureAttributes::kVertical;
    if (numeralDirection == MeasureAttributes::kHorizontal) {
        textAngle = 0.0;
        directionX = p2.x >= p1.x ? 1.0 : -1.0;
    } else if (numeralDirection == MeasureAttributes::kVertical) {
        textAngle = 270.0;
        directionX = 0.0, directionY = p2.y >= p1.y ? 1.0 : -1.0;
    }
    lineEnd1 = besideP2(textAngle);
    lineEnd2 = p1;
    double ux = 0.0, uy = 0.0;
    if (unitBetween(p1, lineEnd1, ux, uy))
        lineEnd2 = along(p1, ux, uy, offset);
}

Point CircleDimensionShape::underlineEnd() const
{
    return layout == kIn ? lineEnd1 : along(lineEnd1, directionX, directionY, numeral.width);
}

Point CircleDimensionShape::numeralAnchor() const
{
    const Point p2(display.x, display.y);
    if (layout == kIn) {
        const Point& left = p2.x < circlePoint.x ? p2 : circlePoint;
        const Point& right = p2.x < circlePoint.x ? circlePoint : p2;
        Point anchor((left.x + right.x) / 2.0, (left.y + right.y) / 2.0);
        double ux = 0.0, uy = 0.0;
        if (!unitBetween(left, right, ux, uy))
            return anchor;
        anchor = along(anchor, ux, uy, -numeral.width / 2.0);
        // The gap on the side the numeral rises to: u turned by 90 degrees.
        return along(anchor, uy, -ux, gap());
    }
    const int reversed = (numeralDirection == MeasureAttributes::kHorizontal && directionX < 0.0) ||
                         (numeralDirection == MeasureAttributes::kVertical && directionY < 0.0);
    return reversed ? along(p2, directionX, directionY, numeral.width) : p2;
}

int CircleDimensionShape::drawFigure()
{
    if (layout != kIn && drawLine && drawLine->style >= 1 && !stroke(lineEnd2, lineEnd1, nullptr, drawLine))
        return 0;
    if (measureLine && measureLine->style >= 1 &&
        !stroke(layout == kIn ? lineEnd2 : lineEnd1, underlineEnd(), measureLine, nullptr))
        return 0;
    (void)drawArrowHeads(); // drawing answers nothing
    return drawNumeral(numeralAnchor(), textAngle);
}

int CircleDimensionShape::drawArrowHeads()
{
    const int first = arrowHeadAt(lineEnd2, lineEnd2, lineEnd1);
    return layout == kIn ? first | arrowHeadAt(lineEnd1, lineEnd1, lineEnd2) : first;
}

int CircleDimensionShape::execute(int operation, int newMode)
{
    return runPrepared(operation, newMode, [this](int o) { return prepare(o); }, [this] { return drawFigure(); });
}

int CircleDimensionShape::extent(Point& lo, Point& hi)
{
    if (!prepareExtent(1, 1) || !buildGeometry())
        return 0;
    growByArrowHeads(lo, hi, lineEnd1, lineEnd2);
    grow(lo, hi, underlineEnd());
    growByNumeral(lo, hi, numeralAnchor(), textAngle);
    return 1;
}

int CircleDimensionShape::hitTest()
{
    SelectToolBase* tool = context ? context->selectTool : nullptr;
    if (!tool || !prepare(ShapeOp::RubberBand))
        return 0;
    if (layout != kIn && drawLine && drawLine->style >= 1 &&
        tool->hitTestStrokeWithCaps(lineEnd2, lineEnd1, drawLine->width, 1))
        return 1;
    if (measureLine && measureLine->style >= 1 &&
        tool->hitTestStrokeWithCaps(layout == kIn ? lineEnd2 : lineEnd1, underlineEnd(), measureLine->width(), 1))
        return 1;
    if (hitNumeral(numeralAnchor(), textAngle))
        return 1;
    return hitArrowHeads([this] { return drawArrowHeads(); });
}
