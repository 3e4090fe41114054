#include "shapes/BoxShape.h"

#include <cmath>

#include "elements/BoxRules.h"
#include "elements/CornerRounding.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "shapes/LineShape.h"
#include "shapes/PolygonShape.h"

BoxShape::BoxShape()
{
    // A sub-object that cannot be made counts as absent: the defaults stand in for it.
    (void)ensure(edge);
    (void)ensure(fill);
    (void)ensure(hatch);
    (void)ensure(boxRules);
    (void)ensure(cornerRounding);
    ensureStroke();
    (void)ensure(lean);
}

BoxShape::~BoxShape()
{
    release(edge);
    release(fill);
    release(hatch);
    release(boxRules);
    release(cornerRounding);
    release(lean);
}

void BoxShape::setEdge(const EdgeAttributes& value)
{
    if (edge)
        edge->assign(&value);
}

void BoxShape::setFill(const FillAttributes& value)
{
    if (fill)
        fill->assign(&value);
}

void BoxShape::setHatch(const HatchAttributes& value)
{
    if (hatch)
        hatch->assign(&value);
}

void BoxShape::setBoxRules(const BoxRules& value)
{
    if (boxRules)
        (void)boxRules->copyFrom(&value); // always 1
}

void BoxShape::setCornerRounding(const CornerRounding& value)
{
    if (cornerRounding)
        (void)cornerRounding->copyFrom(&value); // always 1
}

void BoxShape::setLean(const LeanAttribute& value)
{
    if (lean)
        lean->assign(&value);
}

int BoxShape::horizontalRules() const { return boxRules ? boxRules->horizontal : 2; }

int BoxShape::verticalRules() const { return boxRules ? boxRules->vertical : 2; }

void BoxShape::place(Point& p) const
{
    // A lean that is not finite turns nothing rather than spreading into the points.
    if (lean && lean->angle != 0.0 && std::isfinite(lean->angle))
        p.rotateAbout(startCorner.x, startCorner.y, lean->angle);
    p.x += offsetX, p.y += offsetY, p.z += offsetZ;
    if (hasRotation())
        p.rotateAbout(rotationCentreX, rotationCentreY, rotationAngle);
}

int BoxShape::buildOutline(PointList& out)
{
    const double* radii = cornerRounding ? cornerRounding->radii : nullptr;
    if (!out.setRoundedBox(&startCorner, &endCorner, radii) || !out.removeLast())
        return 0;
    for (int i = 0; i < out.count; ++i) {
        Point p;
        if (!out.getPoint(i, &p))
            return 0;
        place(p);
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !out.setPoint(i, &p))
            return 0;
    }
    return 1;
}

int BoxShape::execute(int operation, int newMode)
{
    op = operation;
    mode = newMode;
    if (op == ShapeOp::Pdf) {
        bindSubObjects();
        if (buildOutline(outline)) {
            drawArea();
            drawRules();
        }
        return 1;
    }
    if (!prepareOperation(lineSize ? lineSize->width : 0.0))
        return 0;
    if (!buildOutline(outline))
        return 0;
    drawArea();
    drawRules();
    return 1;
}

void BoxShape::drawArea()
{
    PolygonShape polygon;
    polygon.context = context;
    polygon.layer = layer;
    polygon.printerOutput = printerOutput;
    if (edge)
        polygon.setEdge(*edge);
    if (polygon.edge && (horizontalRules() < 2 || verticalRules() < 2))
        polygon.edge->draw.value = 0;
    if (fill)
        polygon.setFill(*fill);
    if (hatch)
        polygon.setHatch(*hatch);
    if (!polygon.setPoints(outline))
        return;
    if (lineSize)
        polygon.setWidth(lineSize->width);
    if (linePosition)
        polygon.setPosition(linePosition->position);
    if (lineType)
        polygon.setLineStyle(*lineType);
    (void)polygon.executeAlways(op, 2); // a refused or failed operation leaves the area out
}

void BoxShape::drawRules()
{
    const int h = horizontalRules(), v = verticalRules();
    if (!edge || !edge->draw.value || (h == 2 && v == 2) || (h < 1 && v < 1))
        return;
    LineShape line;
    line.context = context;
    line.printerOutput = printerOutput;
    line.layer = layer;
    line.setColour(edge->colour);
    if (lineSize)
        line.setWidth(lineSize->width);
    if (linePosition)
        line.setPosition(linePosition->position);
    if (lineType)
        line.setLineStyle(*lineType);
    drawRuleSet(line, h, v, 1);
    drawRuleSet(line, v, h, 0);
}

void BoxShape::drawRuleSet(LineShape& line, int n, int other, int horizontalLines)
{
    const double x1 = startCorner.x, y1 = startCorner.y, x2 = endCorner.x, y2 = endCorner.y;
    // Positions across the direction the lines run in.
    const double from = horizontalLines ? y1 : x1, to = horizontalLines ? y2 : x2;
    auto drawAt = [&](double at) {
        if (horizontalLines)
            drawRuleLine(line, x1, at, x2, at);
        else
            drawRuleLine(line, at, y1, at, y2);
    };
    if (n < 1 || (n == 2 && other >= 2))
        return;
    if (n == 1) {
        drawAt((from + to) * 0.5);
        return;
    }
    // The outline already draws the outer lines while the other count keeps it stroked.
    const int first = other >= 2 ? 1 : 0, last = other >= 2 ? n - 2 : n - 1;
    for (int i = first; i <= last; ++i)
        drawAt(from + i * (to - from) / (n - 1));
}

void BoxShape::drawRuleLine(LineShape& line, double x1, double y1, double x2, double y2)
{
    Point a(x1, y1, startCorner.z), b(x2, y2, startCorner.z);
    place(a);
    place(b);
    DrawPoint from, to;
    from.x = a.x, from.y = a.y, from.z = a.z;
    to.x = b.x, to.y = b.y, to.z = b.z;
    line.setPoints(from, to);
    (void)line.execute(op, 2); // a refused line leaves that rule out
}
