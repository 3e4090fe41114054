// The circle element's mouse input: the radius by a drag or a click from the centre, with the
// type keys choosing a full, half or quarter circle.
#include "elements/CircleElement.h"

#include <cmath>

#include "elements/ElementTracking.h"
#include "elements/OvalType.h"
#include "elements/RadiusList.h"
#include "elements/VertexRoundingList.h"
#include "geometry/DoubleValue.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"
#include "views/ViewParams.h"

namespace {
// The circle type a typed character of the current event selects, else 0.
int typedCircleType()
{
    const CurrentEvent* event = theCurrentEvent;
    if (!event || event->code != EV_KEY_DOWN || event->message != WM_CHAR)
        return 0;
    return OvalType::codeOfKey(static_cast<int>(event->wParam & 0xFF));
}
} // namespace

void CircleElement::setAnglesByType()
{
    if (!thirdPoint() || !firstPoint() || !value1() || !value2())
        return;
    const Point& c = *thirdPoint();
    DrawPoint& p = *firstPoint();
    const int type = ovalType() ? ovalType()->value : OvalType::kFull;
    double start = 0.0, sweep = 360.0;
    if (type == OvalType::kHalf) {
        // Onto the axis of the larger distance; the half opens towards the cursor's side (y down:
        // the upper half runs 0 to 180).
        if (std::fabs(p.y - c.y) >= std::fabs(p.x - c.x)) {
            p.x = c.x;
            start = p.y <= c.y ? 0.0 : 180.0;
        } else {
            p.y = c.y;
            start = p.x >= c.x ? 270.0 : 90.0;
        }
        sweep = 180.0;
    } else if (type == OvalType::kQuart) {
        if (p.x >= c.x)
            start = p.y <= c.y ? 0.0 : 270.0;
        else
            start = p.y <= c.y ? 90.0 : 180.0;
        sweep = 90.0;
    }
    value1()->assign(start);
    value2()->assign(start + sweep);
}

void CircleElement::setFromDevice(const IntPoint& device)
{
    if (!thirdPoint() || !firstPoint() || !secondPoint() || !radii())
        return;
    Point p;
    deviceToDrawing(&p, device, 1);
    firstPoint()->x = p.x, firstPoint()->y = p.y;
    (void)constrainToAxis(p, *thirdPoint()); // 0 without Shift: the point as read
    secondPoint()->x = p.x, secondPoint()->y = p.y;
    radii()->setFromDistance(*thirdPoint(), *secondPoint());
    setAnglesByType();
}

void CircleElement::showTypeCursor() const
{
    MouseState* mouse = theMouseState;
    if (!mouse || !ovalType())
        return;
    switch (ovalType()->value) {
    case OvalType::kFull:
        mouse->setCrossCircleCursor();
        break;
    case OvalType::kHalf:
        mouse->setCrossHalfArcCursor();
        break;
    case OvalType::kQuart:
        mouse->setCrossQuarterArcCursor();
        break;
    default:
        break;
    }
}

int CircleElement::beginCreateInput(int arg)
{
    Point press;
    if (!inputPointList())
        return 0;
    if (!thirdPoint() || !previousInputPoint(&press))
        return kCancelled;
    snapToGrid(&press);
    thirdPoint()->x = press.x, thirdPoint()->y = press.y, thirdPoint()->z = 0.0;
    clearSavedExtent();
    return continueCreateInput(arg);
}

int CircleElement::continueCreateInput(int)
{
    const int result = trackRadius();
    return result == kDone || result == kDragDone ? kComplete : result;
}

int CircleElement::trackRadius()
{
    ViewParams* view = viewParams();
    if (!view || !thirdPoint() || !ovalType())
        return kCancelled;
    showTypeCursor();
    // A key that chooses another type switches it, shows its cursor and redraws the figure.
    auto retyped = [this]() {
        const int type = typedCircleType();
        if (type == 0 || type == ovalType()->value)
            return 0;
        ovalType()->value = type;
        showTypeCursor();
        return 1;
    };
    auto follow = [this](const IntPoint& device) {
        beginOverlay();
        setFromDevice(device);
        drawRubberBandFrame();
    };
    int inside = 1;
    if (isLeftButtonDown()) {
        overlayShown = 0;
        captureMouse();
        const int released = element_tracking::trackMouse(*this, *view, 1, inside, retyped, follow);
        releaseMouse();
        if (!released) {
            flushView();
            return kCancelled;
        }
        if (!clickWithin150ms() && overlayShown) {
            flushView();
            return kDragDone;
        }
    }
    const int clicked = element_tracking::trackMouse(*this, *view, 0, inside, retyped, follow);
    if (overlayShown)
        flushView();
    if (!clicked) {
        inputPending = 1; // the next mouse event resumes this circle
        return kCancelled;
    }
    if (!overlayShown)
        return isDoubleClick() ? kDoubleClick : kCancelled;
    return kDone;
}
