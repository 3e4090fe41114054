// The leader-text shape: leader, arrow head, then the text.
#include "shapes/TextlineShape.h"

#include "elements/ArrowHeadStyle.h"
#include "geometry/PointList.h"
#include "shapes/ArrowHeadShape.h"
#include "shapes/BreaklineShape.h"

TextlineShape::TextlineShape() { (void)ensure(arrowHead); } // without it the default head is drawn

TextlineShape::~TextlineShape() { release(arrowHead); }

void TextlineShape::setArrowHead(const ArrowHeadStyle& value)
{
    if (arrowHead)
        (void)arrowHead->copyFrom(&value); // a copy of a valid style always succeeds
}

int TextlineShape::execute(int operation, int newMode)
{
    op = operation;
    mode = newMode;
    int result = 1;
    if (leader && leader->count >= 1) {
        BreaklineShape line;
        line.context = context;
        line.setColour(leaderLine.colour);
        if (!line.setPoints(*leader))
            result = 0;
        line.setWidth(leaderLine.width);
        line.setLineStyle(leaderLine);
        line.setOffset(offsetX, offsetY, offsetZ);
        line.setRotation(rotationAngle, rotationCentreX, rotationCentreY, rotationFourth);
        if (result && !line.execute(operation, newMode))
            result = 0;
    }
    Point first, second;
    if (leader && leader->count >= 2 && leader->getPoint(0, &first) && leader->getPoint(1, &second)) {
        ArrowHeadShape head;
        head.context = context;
        if (arrowHead && head.style())
            (void)head.style()->copyFrom(arrowHead); // a copy of a valid style always succeeds
        head.setOffset(offsetX, offsetY, offsetZ);
        head.setRotation(rotationAngle, rotationCentreX, rotationCentreY, rotationFourth);
        const DrawPoint tip(first.x, first.y), along(second.x, second.y);
        head.setTip(tip);
        head.setDirectionFrom(tip);
        head.setDirectionTo(along);
        if (!head.execute(operation, newMode))
            result = 0;
    }
    // The text is drawn whatever became of the leader.
    const int drawn = TextShape::execute(operation, newMode);
    return result && drawn;
}
