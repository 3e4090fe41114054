// PolyPath: its lists, the closed curve outline, the Shift constraint and the decisions of the
// input loops (the loops themselves are in PolyPathInput.cpp).
#include "elements/PolyPath.h"

#include <cmath>
#include <new>

#include "document/Element.h"
#include "geometry/PointList.h"
#include "geometry/ViewParams.h"
#include "platform/MouseSource.h"

PolyPath::PolyPath(Element* element, PointList* points, int curveFlag)
    : owner(element), output(points), curve(curveFlag)
{
    rounding = owner ? owner->getVertexRounding() : nullptr;
    selectCurrentList();
}

ViewParams* PolyPath::ownerViewParams() const { return owner ? owner->viewParams() : nullptr; }

void PolyPath::postMouseMove()
{
    if (ViewParams* view = ownerViewParams())
        view->postMouseMove();
}

InputPointListBase* PolyPath::inputPointList() const { return owner ? owner->inputPointList() : nullptr; }

void PolyPath::selectCurrentList() { current = curve ? working : output; }

int PolyPath::recreateWorkingList()
{
    releaseWorkingList();
    working = new (std::nothrow) PointList;
    if (!working)
        return 0;
    working->owner = output ? output->owner : nullptr;
    return 1;
}

void PolyPath::releaseWorkingList()
{
    if (current == working)
        current = nullptr;
    delete working;
    working = nullptr;
}

int PolyPath::prepareWorkingList() { return curve ? recreateWorkingList() : 1; }

int PolyPath::buildCurveOutline()
{
    if (!curve || !working || !output)
        return 0;
    const int n = working->count;
    if (n < 2)
        return n;
    if (n == 2)
        return output->copyPoints(working);
    // Reserved first, so that the outline is built whole or not at all.
    if (!output->reserve(3 * n + 1))
        return 0;
    output->count = 0;
    for (int i = 0; i < n; ++i) {
        Point p, q;
        if (!working->getRecord(i, &p) || !working->getRecord((i + 1) % n, &q))
            return 0;
        if (!output->appendXYZ(p.x, p.y, p.z) ||
            !output->appendXYZ(p.x + (q.x - p.x) / 3.0, p.y + (q.y - p.y) / 3.0, p.z + (q.z - p.z) / 3.0) ||
            !output->appendXYZ(p.x + (q.x - p.x) * 2.0 / 3.0, p.y + (q.y - p.y) * 2.0 / 3.0,
                               p.z + (q.z - p.z) * 2.0 / 3.0))
            return 0;
    }
    return output->closeWithFirst();
}

int PolyPath::constrainToAxis(Point& last, const Point& previous)
{
    if (std::fabs(last.y - previous.y) >= std::fabs(last.x - previous.x)) {
        last.x = previous.x;
        return 2; // vertical
    }
    last.y = previous.y;
    return 1; // horizontal
}

void PolyPath::constrainLast()
{
    if (!current || current->count < 2 || !isShiftDown())
        return;
    Point last, previous;
    if (!current->getLastRecord(&last) || !current->getRecord(current->count - 2, &previous))
        return;
    (void)constrainToAxis(last, previous); // which axis it chose does not matter here
    (void)current->setLastRecord(&last); // the index was read just now
}

void PolyPath::setLastFromDevice(const IntPoint& devicePoint)
{
    if (!owner || !current)
        return;
    Point p;
    if (!current->getLastRecord(&p))
        return;
    device = devicePoint;
    owner->deviceToDrawing(&p, devicePoint, 1);
    (void)current->setLastRecord(&p); // the index was read just now
    constrainLast();
}

PolyPath::PressOutcome PolyPath::pressOutcome(int releasedInView, int within150ms, int within300ms,
                                               int overlayShown, int closingTestAccepts)
{
    if (!releasedInView)
        return PressOutcome::Cancelled;
    if (within150ms)
        return PressOutcome::TrackMouse; // a click: the next press places the vertex
    if (!overlayShown)
        return PressOutcome::TrackMouse;
    // A quick drag onto a vertex that would close the figure counts as a click as well.
    if (within300ms && closingTestAccepts)
        return PressOutcome::TrackMouse;
    return PressOutcome::Dragged;
}

PolyPath::TrackStep PolyPath::trackStep(const MouseReading& now, const MouseReading& before)
{
    if (!now.inView)
        return TrackStep::Cancel;
    if (now.left && !before.left)
        return TrackStep::LeftPress;
    if (now.right && !before.right)
        return TrackStep::RightPress;
    if (!now.device.equals(before.device) || now.shift != before.shift)
        return TrackStep::Redraw;
    return TrackStep::Wait;
}

int PolyPath::trackResult(int code, int overlayShown, int withinDoubleClick)
{
    if (code == kVertexWanted && !overlayShown)
        return withinDoubleClick ? kFinished : kCancelled;
    return code;
}
