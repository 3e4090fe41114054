// The image kinds' shared corners: extent, picking, pick marks, overlay frame and moves.
#include "elements/CornerImageElement.h"

#include <algorithm>

#include "document/SelectToolBase.h"
#include "document/ShapeOp.h"
#include "elements/VertexRoundingList.h"

CornerImageElement::CornerImageElement() : input(this) {}

void CornerImageElement::computeExtent(int)
{
    if (!firstPoint() || !secondPoint())
        return;
    const Point& a = *firstPoint();
    const Point& b = *secondPoint();
    static_cast<Point&>(extentMin) = Point(std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z));
    static_cast<Point&>(extentMax) = Point(std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z));
}

int CornerImageElement::pickInsideCorners()
{
    SelectToolBase* tool = selectTool();
    if (!tool)
        return 0;
    computeExtent(1);
    return tool->extentContainsPickCentre(extentMin, extentMax);
}

int CornerImageElement::hitTestExtent() { return shared_body::hitTestExactExtent(*this); }

int CornerImageElement::hitHandle(int* handle, int* flag)
{
    return shared_body::hitHandleOfExactExtent(*this, handle, flag);
}

int CornerImageElement::isInSelectionArea() { return shared_body::isExactExtentInSelectionArea(*this); }

void CornerImageElement::showPickHandles()
{
    computeExtent(1);
    handleFlags.setAll();
    drawHandleMarks();
}

void CornerImageElement::showPickColour()
{
    if (forwardOp(ShapeOp::ShowPicked) && firstPoint() && secondPoint()) {
        drawPointMark(ShapeOp::ShowPicked, *firstPoint());
        drawPointMark(ShapeOp::ShowPicked, *secondPoint());
    }
}

void CornerImageElement::showPickMarks()
{
    forwardOp(ShapeOp::ShowPickMarks);
    if (firstPoint() && secondPoint()) {
        drawPointMark(ShapeOp::ShowPicked, *firstPoint());
        drawPointMark(ShapeOp::ShowPicked, *secondPoint());
    }
}

void CornerImageElement::repaintPicked() { shared_body::repaintPicked(*this); }

void CornerImageElement::drawFrameOverlay(int operation)
{
    if (operation == 21 || operation == 33)
        drawRubberBandFrame();
    else if (operation == 32)
        shared_body::repaintPicked(*this);
}

void CornerImageElement::translate(double dx, double dy, double dz)
{
    shared_body::translateTwoPoints(*this, dx, dy, dz);
}

void CornerImageElement::setCorners(const Point& start, const Point& end)
{
    DrawPoint* first = firstPoint();
    DrawPoint* second = secondPoint();
    if (!first || !second)
        return;
    first->x = start.x, first->y = start.y;
    second->x = end.x, second->y = end.y;
}

namespace {
// x (axis 0) or y of the start (corner 0) or the end corner, through setCorners.
void setCornerCoordinate(CornerImageElement& e, int corner, const Point& value, int axis)
{
    if (!e.firstPoint() || !e.secondPoint())
        return;
    Point corners[2] = {*e.firstPoint(), *e.secondPoint()};
    if (axis == 0)
        corners[corner].x = value.x;
    else
        corners[corner].y = value.y;
    e.setCorners(corners[0], corners[1]);
}
} // namespace

void CornerImageElement::setStartX(const Point& value) { setCornerCoordinate(*this, 0, value, 0); }
void CornerImageElement::setStartY(const Point& value) { setCornerCoordinate(*this, 0, value, 1); }
void CornerImageElement::setEndX(const Point& value) { setCornerCoordinate(*this, 1, value, 0); }
void CornerImageElement::setEndY(const Point& value) { setCornerCoordinate(*this, 1, value, 1); }
