#include "shapes/DimensionShape.h"

#include <cmath>
#include <initializer_list>

#include "document/DocumentContext.h"
#include "document/MeasureDefaults.h"
#include "document/SelectToolBase.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/FontAttributes.h"
#include "geometry/LineAttribute.h"
#include "geometry/PointList.h"
#include "platform/MathUtil.h"
#include "platform/StringUtil.h"
#include "shapes/ArrowHeadShape.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/DimensionGeometry.h"
#include "shapes/LineShape.h"
#include "shapes/MeasureAttributes.h"

DimensionShape::DimensionShape()
{
    // A part that could not be made is left out of every output.
    (void)ensure(font);
    (void)ensure(measure);
    (void)ensure(measureLine);
    (void)ensure(drawLine);
    (void)ensure(arrowHead);
}

DimensionShape::~DimensionShape() = default; // the base releases the attributes

void DimensionShape::setFont(const FontAttributes& value)
{
    if (font)
        font->assign(&value);
}

void DimensionShape::setMeasure(const MeasureAttributes& value)
{
    if (measure)
        measure->assign(&value);
}

void DimensionShape::setDimensionLine(const LineAttribute& value)
{
    if (measureLine) {
        measureLine->assign(&value);
        measureLine->LineStyle::assign(&value);
    }
}

void DimensionShape::setExtensionLine(const DrawLineAttribute& value)
{
    if (drawLine)
        drawLine->assign(&value);
}

void DimensionShape::setArrowHead(const ArrowHeadStyle& value)
{
    if (arrowHead)
        (void)arrowHead->copyFrom(&value); // a non-null source is always copied
}

int DimensionShape::prepareDimension(int operation, int minimum, int exact)
{
    op = operation;
    if (!measured || !font || !measure || !context)
        return 0;
    if (exact ? measured->count != minimum : measured->count < minimum)
        return 0;
    if (op == ShapeOp::Pdf ? !pdfBindAttributes() : !prepareOperation(measureLine ? measureLine->width() : 0.0))
        return 0;
    bindSubObjects();
    measure->owner = context;
    // Without a font to measure with the numerals have no size; the lines are still drawn.
    (void)numeral.begin(*this, *font, op);
    return 1;
}

int DimensionShape::prepareExtent(int minimum, int exact)
{
    if (prepareDimension(ShapeOp::RubberBand, minimum, exact))
        return 1;
    if (!measured || !font || !measure || (exact ? measured->count != minimum : measured->count < minimum))
        return 0;
    op = ShapeOp::RubberBand;
    bindSubObjects();
    measure->owner = context;
    (void)numeral.begin(*this, *font, ShapeOp::Pdf); // without a font the numerals have no size
    return 1;
}

int DimensionShape::measuredPoint(int i, Point& p) const
{
    return measured && measured->getPoint(i, &p) && std::isfinite(p.x) && std::isfinite(p.y);
}

double DimensionShape::gap() const
{
    const double g = measure ? measure->scaledSpace() : 0.0;
    return std::isfinite(g) ? g : 0.0;
}

double DimensionShape::arrowLength() const
{
    const double d = arrowHead ? arrowHead->scaledLength() : 0.0;
    return std::isfinite(d) ? MathUtil::minDouble(std::fabs(d), ArrowHeadShape::kMaxLength) : 0.0;
}

int DimensionShape::buildNumeral(const char* prefix, const double* values, int count, int angleUnit)
{
    char text[DimensionNumeral::kTextSize] = {};
    StringUtil::copy(text, sizeof text, prefix);
    for (int i = 0; i < count; ++i) {
        char number[DimensionNumeral::kTextSize];
        (void)DimensionNumeral::formatValue(values[i], measure->decimals, number, sizeof number); // "0" when it cannot
        if (i > 0)
            StringUtil::append(text, sizeof text, "_");
        StringUtil::append(text, sizeof text, number);
    }
    const int numberLength = StringUtil::length(text);
    const MeasureAttributes* labels =
        context && context->measureDefaults ? context->measureDefaults->numeral() : nullptr;
    if (measure->unitDisplay.value && labels) {
        char label[UnitSettings::kLabelSize] = {};
        const int found = angleUnit ? labels->angleLabelOf(measure->angleUnit.unit(), label, sizeof label)
                                    : labels->lengthLabelOf(measure->lengthUnitId(), label, sizeof label);
        if (found)
            StringUtil::append(text, sizeof text, label);
    }
    return numeral.setText(text, placesByNumberWidth ? numberLength : -1);
}

void DimensionShape::shareWith(Shape& part) const
{
    part.context = context;
    part.layer = layer;
    part.setOffset(offsetX, offsetY, offsetZ);
}

int DimensionShape::stroke(const Point& from, const Point& to, const LineAttribute* pen, const DrawLineAttribute* draw)
{
    LineShape line;
    shareWith(line);
    line.setPoints(DrawPoint(from.x, from.y), DrawPoint(to.x, to.y));
    if (pen) {
        line.setColour(pen->colour);
        line.setWidth(pen->width());
        line.setLineStyle(*pen);
    } else if (draw) {
        line.setColour(draw->colour);
        line.setWidth(draw->width);
        line.setLineStyle(*draw);
    }
    return line.execute(op, mode);
}

int DimensionShape::arrowHeadAt(const Point& tip, const Point& from, const Point& to)
{
    if (!arrowHead || arrowHead->kind == ArrowHeadStyle::kNone)
        return 0;
    ArrowHeadShape head;
    shareWith(head);
    if (!head.style())
        return 0;
    (void)head.style()->copyFrom(arrowHead); // a non-null source is always copied
    head.setTip(DrawPoint(tip.x, tip.y));
    head.setDirectionFrom(DrawPoint(from.x, from.y));
    head.setDirectionTo(DrawPoint(to.x, to.y));
    if (pickingHeads)
        return head.hitTest();
    // A head without direction (a part of no length) draws nothing; the rest is still drawn.
    (void)head.execute(op, mode);
    return 0;
}

int DimensionShape::drawNumeral(const Point& anchor, double angle)
{
    // The colour for an operation is black for PDF, which writes the numeral in its own colour
    // as it writes the lines in theirs.
    InkColor colour;
    if (op == ShapeOp::Pdf)
        colour.assign(measure->numeralColour);
    else
        colourForOperation(op, measure->numeralColour, colour);
    return numeral.draw(anchor.x, anchor.y, angle, colour);
}

void DimensionShape::growByArrowHeads(Point& lo, Point& hi, const Point& tip1, const Point& tip2) const
{
    const double d = arrowLength();
    for (const Point& e : {tip1, tip2}) {
        grow(lo, hi, Point(e.x - d, e.y - d));
        grow(lo, hi, Point(e.x + d, e.y + d));
    }
}

void DimensionShape::growByNumeral(Point& lo, Point& hi, const Point& anchor, double angle) const
{
    Point corners[4];
    numeralCorners(anchor, angle, corners);
    for (const Point& p : corners)
        grow(lo, hi, p);
}

void DimensionShape::numeralCorners(const Point& anchor, double angle, Point corners[4]) const
{
    const double s = std::sin(angle * dimension_geometry::kRadian), c = std::cos(angle * dimension_geometry::kRadian);
    corners[0] = anchor;
    corners[1] = Point(anchor.x - s * numeral.height, anchor.y - c * numeral.height);
    corners[2] = Point(corners[1].x + c * numeral.width, corners[1].y - s * numeral.width);
    corners[3] = Point(anchor.x + c * numeral.width, anchor.y - s * numeral.width);
}

int DimensionShape::hitNumeral(const Point& anchor, double angle)
{
    SelectToolBase* tool = context ? context->selectTool : nullptr;
    if (!tool)
        return 0;
    Point corners[4];
    numeralCorners(anchor, angle, corners);
    PointList box;
    for (const Point& p : corners) {
        if (!box.appendXY(p.x + offsetX, p.y + offsetY))
            return 0;
    }
    return tool->hitOutline(box, 0.0, 1, 0, 1);
}

void DimensionShape::grow(Point& lo, Point& hi, const Point& p)
{
    if (!std::isfinite(p.x) || !std::isfinite(p.y))
        return;
    lo.x = MathUtil::minDouble(lo.x, p.x), lo.y = MathUtil::minDouble(lo.y, p.y);
    hi.x = MathUtil::maxDouble(hi.x, p.x), hi.y = MathUtil::maxDouble(hi.y, p.y);
}
