// The element base with the select tool (handle marks, pick tests at its cursor), the point-list
// and snapping operations of mouse input, and the bookkeeping of the extent.
#include "document/Element.h"

#include "document/DocumentContext.h"
#include "document/SelectToolBase.h"
#include "document/ShapeOp.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/PointList.h"
#include "platform/MathUtil.h"

namespace {
// The handle marks and sides are the select tool's figures (operation 11, on the view window).
constexpr int kSelectToolOp = ShapeOp::ShowPicked;
constexpr int kHandleCount = HandleFlags::handleCount;

// The four sides of the extent box run between these handles.
constexpr int kSides[4][2] = {{0, 2}, {2, 4}, {4, 6}, {6, 0}};
} // namespace

// --- the select tool ---

void Element::resetSelectState()
{
    if (SelectToolBase* tool = selectTool())
        tool->resetState();
}

void Element::drawPointMark(int operation, const Point& point)
{
    if (SelectToolBase* tool = selectTool())
        tool->drawPointMark(operation, point);
}

int Element::handlePoint(int k, Point* out) const
{
    if (!out)
        return 0;
    switch (k) {
    case 0:
        return out->setBoxPoint1(&extentMin, &extentMax);
    case 1:
        return out->setBoxPoint2(&extentMin, &extentMax);
    case 2:
        return out->setBoxPoint3(&extentMin, &extentMax);
    case 3:
        return out->setBoxPoint4(&extentMin, &extentMax);
    case 4:
        return out->setBoxPoint5(&extentMin, &extentMax);
    case 5:
        return out->setBoxPoint6(&extentMin, &extentMax);
    case 6:
        return out->setBoxPoint7(&extentMin, &extentMax);
    case 7:
        return out->setBoxPoint8(&extentMin, &extentMax);
    default:
        return 0;
    }
}

void Element::drawHandleMarks()
{
    SelectToolBase* tool = selectTool();
    if (!tool)
        return;
    Point from, to;
    for (const auto& side : kSides) {
        if (handlePoint(side[0], &from) && handlePoint(side[1], &to))
            tool->drawExtentSide(kSelectToolOp, from, to);
    }
    for (int k = 0; k < kHandleCount; ++k) {
        if (handlePoint(k, &from))
            tool->drawHandleMark(kSelectToolOp, from, handleFlags.get(k));
    }
}

int Element::hitHandle(int* handle, int* flag)
{
    measureHandlesExtent();
    return hitHandleMark(handle, flag);
}

int Element::hitHandleMark(int* handle, int* flag)
{
    SelectToolBase* tool = selectTool();
    if (!tool)
        return 0;
    Point at;
    for (int k = 0; k < kHandleCount; ++k) {
        if (handlePoint(k, &at) && tool->isUnderCursor(at)) {
            if (handle)
                *handle = k;
            if (flag)
                *flag = handleFlags.get(k);
            return 1;
        }
    }
    return 0;
}

int Element::handleAnchor(int k, int* movesX, int* movesY, Point* anchor) const
{
    int x = 0, y = 0;
    if (k >= 0 && k < kHandleCount) {
        // The middles of the horizontal sides (1, 5) move y only, those of the vertical sides
        // (3, 7) x only; the corners move both.
        x = k != 1 && k != 5;
        y = k != 3 && k != 7;
    }
    if (movesX)
        *movesX = x;
    if (movesY)
        *movesY = y;
    if (!x && !y)
        return 0;
    return anchor ? handlePoint((k + 4) % kHandleCount, anchor) : 1;
}

int Element::pointUnderCursor(const Point* p1, const Point* p2, const Point* p3)
{
    SelectToolBase* tool = selectTool();
    const Point* points[3] = {p1, p2, p3};
    for (int i = 0; tool && i < 3 && points[i]; ++i) {
        if (tool->isUnderCursor(*points[i]))
            return i + 1;
    }
    return 0;
}

int Element::vertexUnderCursor(const PointList& list, int step)
{
    SelectToolBase* tool = selectTool();
    if (!tool || step < 1)
        return -1;
    Point p;
    for (int i = 0; i < list.count; i += step) {
        if (list.getRecord(i, &p) && tool->isUnderCursor(p))
            return i;
    }
    return -1;
}

int Element::hitTestOutline(const PointList& points, double width, int position, const EdgeAttributes* edge,
                            const FillAttributes* fill, const HatchAttributes* hatch)
{
    SelectToolBase* tool = selectTool();
    if (!tool)
        return 0;
    // A hairline is still picked where the cursor touches it.
    const double tested = width < 0.01 ? 0.01 : width;
    const int edgeDrawn = edge ? edge->draw.value : 0;
    const int inside = (fill && fill->draw.value) || (hatch && hatch->pattern != 0);
    return tool->hitOutline(points, tested, position == 0 ? 1 : position, edgeDrawn, inside);
}

// --- point lists and snapping ---

int Element::setPointByNumber(int n, const Point& p, Point* p1, Point* p2, Point* p3)
{
    Point* target = n == 1 ? p1 : n == 2 ? p2 : n == 3 ? p3 : nullptr;
    if (!target)
        return 0;
    target->x = p.x, target->y = p.y, target->z = p.z;
    return 1;
}

int Element::insertVertexAfter(PointList& list, int i, const Point& p) { return list.insertPointAfter(i, &p); }

int Element::removeVertex(PointList& list, int i) { return list.removeAt(i); }

void Element::rescaleAboutAnchor(Point& p, int scaleX, int scaleY, const Point& anchor, const Point& oldHandle,
                                 const Point& newHandle)
{
    const double spanX = oldHandle.x - anchor.x, spanY = oldHandle.y - anchor.y;
    if (scaleX && !MathUtil::isNearlyZero(spanX))
        p.x = anchor.x + (p.x - anchor.x) * (newHandle.x - anchor.x) / spanX;
    if (scaleY && !MathUtil::isNearlyZero(spanY))
        p.y = anchor.y + (p.y - anchor.y) * (newHandle.y - anchor.y) / spanY;
}

void Element::rescaleVertices(PointList& list, int scaleX, int scaleY, const Point& anchor, const Point& oldHandle,
                              const Point& newHandle)
{
    Point p;
    for (int i = 0; i < list.count; ++i) {
        if (!list.getRecord(i, &p))
            continue;
        rescaleAboutAnchor(p, scaleX, scaleY, anchor, oldHandle, newHandle);
        (void)list.setRecord(i, &p); // i lies in the list
    }
}

int Element::snapToNearestOfThree(Point& p, const Point* p1, const Point* p2, const Point* p3)
{
    const Point* points[3] = {p1, p2, p3};
    int best = 0;
    double bestDistance = 0.0;
    for (int i = 0; i < 3 && points[i]; ++i) {
        const double d = p.distanceTo2D(points[i]->x, points[i]->y);
        if (!best || d < bestDistance) {
            best = i + 1;
            bestDistance = d;
        }
    }
    if (best)
        p.x = points[best - 1]->x, p.y = points[best - 1]->y, p.z = points[best - 1]->z;
    return best;
}

int Element::snapToNearestVertex(Point& p, const PointList& list, int step)
{
    if (step < 1)
        return -1;
    int best = -1;
    double bestDistance = 0.0;
    Point v, chosen;
    for (int i = 0; i < list.count; i += step) {
        if (!list.getRecord(i, &v))
            continue;
        const double d = p.distanceTo2D(v.x, v.y);
        if (best < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
            chosen = v;
        }
    }
    if (best >= 0)
        p.x = chosen.x, p.y = chosen.y, p.z = chosen.z;
    return best;
}

namespace {
// p projected onto the edge between the vertex nearest to it and the nearer of its neighbours
// (the following one when equally near); closed lists wrap around.
int snapToEdge(Point& p, const PointList& list, int step, int closed)
{
    Point probe = p;
    const int i = Element::snapToNearestVertex(probe, list, step);
    if (i < 0)
        return 0;
    const int last = (list.count - 1) / step * step;
    int before = i - step, after = i + step;
    if (closed) {
        before = i == 0 ? last : before;
        after = i == last ? 0 : after;
    } else {
        before = i == 0 ? -1 : before;
        after = i == last ? -1 : after;
    }
    Point vertex, a, b;
    if (!list.getRecord(i, &vertex))
        return 0;
    const int hasBefore = before >= 0 && before != i && list.getRecord(before, &a);
    const int hasAfter = after >= 0 && after != i && list.getRecord(after, &b);
    const Point* neighbour = nullptr;
    if (hasBefore && hasAfter)
        neighbour = p.distanceTo2D(b.x, b.y) <= p.distanceTo2D(a.x, a.y) ? &b : &a;
    else
        neighbour = hasAfter ? &b : hasBefore ? &a : nullptr;
    return neighbour ? p.projectOntoLine(&vertex, neighbour) : 0;
}
} // namespace

int Element::snapToNearestEdgeOpen(Point& p, int direction, const PointList& list, int step)
{
    (void)direction; // the edge is found from the vertices alone
    return snapToEdge(p, list, step, 0);
}

int Element::snapToNearestEdgeClosed(Point& p, int direction, const PointList& list, int step)
{
    (void)direction;
    return snapToEdge(p, list, step, 1);
}

// --- extents ---

void Element::clearSavedExtent()
{
    savedExtentMin.clear();
    savedExtentMax.clear();
}

void Element::saveExtent()
{
    savedExtentMin.x = extentMin.x, savedExtentMin.y = extentMin.y, savedExtentMin.z = extentMin.z;
    savedExtentMax.x = extentMax.x, savedExtentMax.y = extentMax.y, savedExtentMax.z = extentMax.z;
}

void Element::growSavedExtent()
{
    (void)savedExtentMin.minWith(&extentMin); // both points exist
    (void)savedExtentMax.maxWith(&extentMax);
}

void Element::growExtent(const Point& p)
{
    (void)extentMin.minWith(&p); // p exists
    (void)extentMax.maxWith(&p);
}
