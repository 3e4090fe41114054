// The line element's mouse input: creation by a drag or by two clicks, the drag of an end point
// and the drag of an extent handle.
#include "elements/LineElement.h"

#include "elements/TwoPointInput.h"
#include "elements/VertexRoundingList.h"

namespace {
// The end point follows the cursor, with Shift along an axis through start.
class LineEnd : public shared_body::SecondPointInput {
public:
    explicit LineEnd(LineElement& e) : line(e) {}
    void setSecondPoint(const IntPoint& device) override
    {
        Point p;
        line.deviceToDrawing(&p, device, 1);
        (void)line.constrainToAxis(p, *line.firstPoint()); // 0 without Shift: the point as read
        line.secondPoint()->x = p.x, line.secondPoint()->y = p.y;
    }
    LineElement& line;
};
} // namespace

int LineElement::beginCreateInput(int arg)
{
    return shared_body::placeStartAtPress(*this) ? continueCreateInput(arg) : kCancelled;
}

int LineElement::continueCreateInput(int)
{
    LineEnd end(*this);
    const int result = shared_body::trackSecondPoint(*this, end);
    return result == kDone || result == kDragDone ? kComplete : result;
}

int LineElement::editByMouse() { return shared_body::editTwoPoints(*this); }

int LineElement::dragHandle(int handle) { return shared_body::dragTwoPointHandle(*this, handle); }
