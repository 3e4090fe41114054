// The arc element's mouse input: the chord from start to end (by a drag or a click), then the
// middle point by a click; the drag of a point or of an extent handle.
#include "elements/ArcElement.h"

#include "elements/ElementTracking.h"
#include "elements/TwoPointInput.h"
#include "elements/VertexRoundingList.h"
#include "geometry/ViewParams.h"

namespace {
// The end point follows the cursor, with Shift on the horizontal or the vertical through start
// (the vertical when the distances are equal).
class ArcEnd : public shared_body::SecondPointInput {
public:
    explicit ArcEnd(ArcElement& e) : arc(e) {}
    void setSecondPoint(const IntPoint& device) override
    {
        Point p;
        arc.deviceToDrawing(&p, device, 1);
        (void)arc.constrainToAxis(p, *arc.firstPoint()); // 0 without Shift: the point as read
        arc.secondPoint()->x = p.x, arc.secondPoint()->y = p.y;
    }
    ArcElement& arc;
};
} // namespace

int ArcElement::beginCreateInput(int arg)
{
    inputStage = kNoStage;
    if (!inputPointList())
        return 0;
    if (!shared_body::placeStartAtPress(*this) || !thirdPoint())
        return kCancelled;
    // The middle point stays on start until it is placed: the chord alone has no arc.
    *static_cast<Point*>(thirdPoint()) = *firstPoint();
    inputStage = kPlacingEnd;
    return continueCreateInput(arg);
}

int ArcElement::continueCreateInput(int)
{
    const int ended = inputEndPoint();
    if (ended != kDone && ended != kDragDone)
        return ended;
    const int result = inputMiddlePoint();
    return result == kDone ? kComplete : result;
}

int ArcElement::inputEndPoint()
{
    if (inputStage != kPlacingEnd)
        return kDone;
    if (!firstPoint() || !secondPoint())
        return kCancelled;
    restartClickTimer();
    ArcEnd end(*this);
    const int result = shared_body::trackSecondPoint(*this, end);
    if (result == kDone || result == kDragDone)
        inputStage = kPlacingMiddle;
    return result;
}

int ArcElement::inputMiddlePoint()
{
    if (inputStage != kPlacingMiddle || !thirdPoint())
        return kCancelled;
    inputPending = 1; // until a valid arc is clicked, the next mouse event resumes here
    if (waitButtonUp() < 0)
        return kCancelled;
    ViewParams* view = viewParams();
    if (!view)
        return kCancelled;
    int inside = 1;
    const int clicked = element_tracking::trackMouse(*this, *view, 0, inside, element_tracking::noRetype,
                                                      [this](const IntPoint& device) {
        beginOverlay();
        Point p;
        deviceToDrawing(&p, device, 1);
        thirdPoint()->x = p.x, thirdPoint()->y = p.y;
        drawRubberBandFrame();
    });
    if (overlayShown)
        flushView();
    if (!clicked || !isValidArc())
        return kCancelled;
    inputStage = kNoStage;
    return kDone;
}

// --- editing ---

int ArcElement::editByMouse() { return shared_body::editTwoPoints(*this); }

int ArcElement::dragHandle(int handle) { return shared_body::dragTwoPointHandle(*this, handle); }
