// The leader-text shape: leader, arrow head, then the text.
#include "shapes/TextlineShape.h"

#include "geometry/PointList.h"
#include "shapes/ArrowHeadShape.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/BreaklineShape.h"

TextlineShape::TextlineShape() { (void)ensure(arrowHead); } // without it the default head is drawn

TextlineShape::~TextlineShape() { release(arrowHead); }

void TextlineShape::setArrowHead(const ArrowHeadStyle& value)
{
    if (arrowHead)
        (void)arrowHead->copyFrom(&value); // a copy of a valid style always succeeds
}

int TextlineShape::fillLeader(BreaklineShape& line) const
{
    if (!leader || leader->count < 1)
        return 0;
    line.context = context;
    line.setColour(leaderLine.colour);
    line.setWidth(leaderLine.width);
    line.setLineStyle(leaderLine);
    line.setOffset(offsetX, offsetY, offsetZ);
    line.setRotation(rotationAngle, rotationCentreX, rotationCentreY, rotationFourth);
    return line.setPoints(*leader);
}

int TextlineShape::fillHead(ArrowHeadShape& head) const
{
    Point first, second;
    if (!leader || leader->count < 2 || !leader->getPoint(0, &first) || !leader->getPoint(1, &second))
        return 0;
    head.context = context;
    if (arrowHead && head.style())
        (void)head.style()->copyFrom(arrowHead); // a copy of a valid style always succeeds
    head.setOffset(offsetX, offsetY, offsetZ);
    head.setRotation(rotationAngle, rotationCentreX, rotationCentreY, rotationFourth);
    const DrawPoint tip(first.x, first.y), along(second.x, second.y);
    head.setTip(tip);
    head.setDirectionFrom(tip);
    head.setDirectionTo(along);
    return 1;
}

int TextlineShape::execute(int operation, int newMode)
{
    op = operation;
    mode = newMode;
    int result = 1;
    if (leader && leader->count >= 1) {
        BreaklineShape line;
        if (!fillLeader(line) || !line.execute(operation, newMode))
            result = 0;
    }
    ArrowHeadShape head;
    if (fillHead(head) && !head.execute(operation, newMode))
        result = 0;
    // The text is drawn whatever became of the leader.
    const int drawn = TextShape::execute(operation, newMode);
    return result && drawn;
}

int TextlineShape::hitLeader()
{
    BreaklineShape line;
    ArrowHeadShape head;
    return (fillLeader(line) && line.hitTest()) || (fillHead(head) && head.hitTest());
}

int TextlineShape::leaderExtent(Point& lo, Point& hi)
{
    BreaklineShape line;
    if (!fillLeader(line) || !line.computeExactExtent(lo, hi))
        return 0;
    ArrowHeadShape head;
    Point a, b;
    if (fillHead(head) && head.extent(a, b)) {
        lo.x = a.x < lo.x ? a.x : lo.x, lo.y = a.y < lo.y ? a.y : lo.y;
        hi.x = b.x > hi.x ? b.x : hi.x, hi.y = b.y > hi.y ? b.y : hi.y;
    }
    return 1;
}
