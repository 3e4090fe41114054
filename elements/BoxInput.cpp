// The rectangle input of the box kinds: creation, fixed-size placement, moving and editing.
#include "elements/BoxInput.h"

#include <cmath>

#include "document/Element.h"
#include "elements/ElementTracking.h"
#include "elements/TwoPointInput.h"
#include "elements/VertexRoundingList.h"
#include "geometry/LeanAttribute.h"
#include "geometry/PointList.h"
#include "geometry/ViewParams.h"

namespace {
// The overlay figure of a handle drag: the box shown picked as it stretches.
constexpr int kPickedFigure = 32;

class SecondCorner : public shared_body::SecondPointInput {
public:
    explicit SecondCorner(BoxInput& i) : input(i) {}
    void setSecondPoint(const IntPoint& device) override { input.setSecondCorner(device); }
    BoxInput& input;
};
} // namespace

DrawPoint* BoxInput::startCorner() const { return owner ? owner->firstPoint() : nullptr; }

DrawPoint* BoxInput::endCorner() const { return owner ? owner->secondPoint() : nullptr; }

double BoxInput::rotationAngle() const
{
    const LeanAttribute* lean = owner ? owner->lean() : nullptr;
    return lean && std::isfinite(lean->angle) ? lean->angle : 0.0;
}

int BoxInput::outline(PointList& out, int rotated) const
{
    const DrawPoint *a = startCorner(), *b = endCorner();
    if (!a || !b || !out.setClosedBox(a, b))
        return 0;
    const double angle = rotated ? rotationAngle() : 0.0;
    return angle == 0.0 || out.rotateAbout(a->x, a->y, angle);
}

int BoxInput::beginCreate()
{
    if (!owner || !owner->inputPointList() || !shared_body::placeStartAtPress(*owner))
        return 0;
    return continueCreate();
}

int BoxInput::continueCreate()
{
    if (!owner)
        return 0;
    SecondCorner corner(*this);
    const int result = shared_body::trackSecondPoint(*owner, corner);
    return result == Element::kDone || result == Element::kDragDone ? Element::kComplete : result;
}

void BoxInput::setSecondCorner(const IntPoint& device)
{
    DrawPoint *start = startCorner(), *end = endCorner();
    if (!start || !end)
        return;
    Point p;
    owner->deviceToDrawing(&p, device, 1);
    // With Shift a square whose side is the larger extent (equal extents adjust x).
    (void)owner->constrainToDiagonal(p, *start); // 0 without Shift: the point as read
    end->x = p.x, end->y = p.y, end->z = 0.0;
}

int BoxInput::placeWithSize(double width, double height)
{
    ViewParams* view = owner ? owner->viewParams() : nullptr;
    DrawPoint *start = startCorner(), *end = endCorner();
    if (!view || !start || !end)
        return Element::kCancelled;
    IntPoint last;
    view->cursorPosition(last);
    int moved = 0, result = Element::kCancelled;
    // The rectangle's start corner at a device point, its end corner beside it.
    auto placeAt = [&](const IntPoint& device) {
        moved = 1;
        last = device;
        Point p;
        owner->deviceToDrawing(&p, device, 1);
        start->x = p.x, start->y = p.y, start->z = 0.0;
        end->x = p.x + width, end->y = p.y + height, end->z = 0.0;
    };
    for (;;) {
        owner->showCursorPosition();
        IntPoint device;
        int left = 0, right = 0;
        if (!element_tracking::nextClickStep(*view, device, left, right))
            break;
        if (left || right) {
            // A press where no move came first (the cursor already stood there) places the
            // rectangle at the press, not where the corners were before.
            if (left && (!moved || device.x != last.x || device.y != last.y))
                placeAt(device);
            result = left ? Element::kDone : Element::kRightButton;
            break;
        }
        if (moved && device.x == last.x && device.y == last.y)
            continue;
        placeAt(device);
        owner->beginOverlay();
        owner->drawRubberBandFrame();
    }
    owner->flushView();
    if (result == Element::kDone)
        return owner->isDoubleClick() ? Element::kDoubleClick : Element::kComplete;
    return result;
}

int BoxInput::editCorner() { return owner ? shared_body::editTwoPoints(*owner) : 0; }

int BoxInput::dragHandle(int handle)
{
    return owner ? shared_body::dragTwoPointHandle(*owner, handle, kPickedFigure) : 0;
}
