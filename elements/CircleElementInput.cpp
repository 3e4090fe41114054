// The circle element's mouse input: the radius by a drag or a click from the centre, with the
// type keys choosing a full, half or quarter circle.
#include "elements/CircleElement.h"

#include <cmath>

#include "elements/TwoPointInput.h"
#include "elements/VertexRoundingList.h"
#include "geometry/DoubleValue.h"
#include "platform/MouseState.h"
#include "shapes/OvalType.h"
#include "shapes/RadiusList.h"

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

namespace {
// The radius follows the cursor; a circle-type key switches the type at once and shows its cursor.
class CircleRadius : public shared_body::SecondPointInput {
public:
    explicit CircleRadius(CircleElement& e) : circle(e) {}
    void setSecondPoint(const IntPoint& device) override { circle.setFromDevice(device); }
    int changedByKey() override
    {
        const int type = OvalType::codeOfTypedKey();
        if (type == 0 || type == circle.ovalType()->value)
            return 0;
        circle.ovalType()->value = type;
        circle.showTypeCursor();
        return 1;
    }
    CircleElement& circle;
};
} // namespace

int CircleElement::continueCreateInput(int)
{
    if (!viewParams() || !thirdPoint() || !ovalType())
        return kCancelled;
    showTypeCursor();
    CircleRadius radius(*this);
    const int result = shared_body::trackSecondPoint(*this, radius);
    return result == kDone || result == kDragDone ? kComplete : result;
}
