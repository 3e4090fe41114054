#include "shapes/BoxShape.h"

#include <cmath>

#include "document/DocumentContext.h"
#include "document/SelectToolBase.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "shapes/BoxRules.h"
#include "shapes/CornerRounding.h"
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
    // The rounded outline is built the other way round: walked as the sharp one is, a TOP stroke
    // lies inside both.
    const int n = out.count;
    const int rounded = n > 4;
    for (int i = 0; i < n / 2 && rounded; ++i) {
        Point p, q;
        if (!out.getPoint(i, &p) || !out.getPoint(n - 1 - i, &q) || !out.setPoint(i, &q) || !out.setPoint(n - 1 - i, &p))
            return 0;
    }
    for (int i = 0; i < n; ++i) {
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

int BoxShape::fillArea(PolygonShape& polygon) const
{
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
        return 0;
    if (lineSize)
        polygon.setWidth(lineSize->width);
    if (linePosition)
        polygon.setPosition(linePosition->position);
    if (lineType)
        polygon.setLineStyle(*lineType);
    return 1;
}

void BoxShape::drawArea()
{
    PolygonShape polygon;
    if (fillArea(polygon))
        (void)polygon.executeAlways(op, 2); // a refused or failed operation leaves the area out
}

int BoxShape::fillRuleLine(LineShape& line) const
{
    if (!edge || !edge->draw.value)
        return 0;
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
    return 1;
}

void BoxShape::drawRules()
{
    LineShape line;
    if (!fillRuleLine(line))
        return;
    forEachRule([&](const DrawPoint& from, const DrawPoint& to) {
        line.setPoints(from, to);
        (void)line.execute(op, 2); // a refused line leaves that rule out
        return false;
    });
}

int BoxShape::hitTest()
{
    SelectToolBase* tool = DocumentContext::selectToolOf(context);
    op = ShapeOp::Draw;
    mode = 2;
    bindSubObjects();
    if (!tool || !buildOutline(outline))
        return 0;
    // While a rule count is below 2 the outline is not drawn, not even thin: only the rules.
    const int outlined = horizontalRules() >= 2 && verticalRules() >= 2;
    PolygonShape polygon;
    if (fillArea(polygon) && polygon.hitTest(outlined))
        return 1;
    LineShape line;
    if (!fillRuleLine(line))
        return 0;
    return forEachRule([&](const DrawPoint& from, const DrawPoint& to) {
        line.setPoints(from, to);
        return line.hitTest() != 0;
    });
}

int BoxShape::computeExactExtent(Point& lo, Point& hi)
{
    op = ShapeOp::RubberBand;
    mode = 2;
    bindSubObjects();
    PolygonShape polygon;
    if (!buildOutline(outline) || !fillArea(polygon) || !polygon.computeExactExtent(lo, hi))
        return 0;
    LineShape line;
    if (!fillRuleLine(line))
        return 1;
    // Each rule's band lies as the line shape lays it: between the leading and trailing offsets
    // along the direction turned by +90 degrees, (x, y) -> (y, -x).
    setStrokeFactors(linePosition ? linePosition->position : LineOriginAttribute::kCenter);
    const double w = toDrawingUnits(lineSize ? lineSize->width : 0.0);
    const double lead = leadingFactor() * w, trail = -trailingWidthFactor() * w;
    (void)forEachRule([&](const DrawPoint& from, const DrawPoint& to) {
        const double length = std::hypot(to.x - from.x, to.y - from.y);
        if (!(length > 0.0) || !std::isfinite(w))
            return false;
        const double nx = (to.y - from.y) / length, ny = -(to.x - from.x) / length;
        for (const DrawPoint* p : {&from, &to}) {
            for (double d : {lead, trail}) {
                lo.x = std::fmin(lo.x, p->x + nx * d), lo.y = std::fmin(lo.y, p->y + ny * d);
                hi.x = std::fmax(hi.x, p->x + nx * d), hi.y = std::fmax(hi.y, p->y + ny * d);
            }
        }
        return false;
    });
    return 1;
}

int BoxShape::forEachRule(const std::function<bool(const DrawPoint&, const DrawPoint&)>& visit) const
{
    const int h = horizontalRules(), v = verticalRules();
    if ((h == 2 && v == 2) || (h < 1 && v < 1))
        return 0;
    return forEachRuleOf(h, v, 1, visit) || forEachRuleOf(v, h, 0, visit);
}

int BoxShape::forEachRuleOf(int n, int other, int horizontalLines,
                            const std::function<bool(const DrawPoint&, const DrawPoint&)>& visit) const
{
    const double x1 = startCorner.x, y1 = startCorner.y, x2 = endCorner.x, y2 = endCorner.y;
    // Positions across the direction the lines run in.
    const double from = horizontalLines ? y1 : x1, to = horizontalLines ? y2 : x2;
    auto visitAt = [&](double at) {
        Point a = horizontalLines ? Point(x1, at, startCorner.z) : Point(at, y1, startCorner.z);
        Point b = horizontalLines ? Point(x2, at, startCorner.z) : Point(at, y2, startCorner.z);
        place(a);
        place(b);
        DrawPoint p, q;
        p.x = a.x, p.y = a.y, p.z = a.z;
        q.x = b.x, q.y = b.y, q.z = b.z;
        return visit(p, q);
    };
    if (n < 1 || (n == 2 && other >= 2))
        return 0;
    if (n == 1)
        return visitAt((from + to) * 0.5);
    // The outline already draws the outer lines while the other count keeps it stroked.
    const int first = other >= 2 ? 1 : 0, last = other >= 2 ? n - 2 : n - 1;
    for (int i = first; i <= last; ++i) {
        if (visitAt(from + i * (to - from) / (n - 1)))
            return 1;
    }
    return 0;
}
