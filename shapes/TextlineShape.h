#pragma once
#include "geometry/DrawLineAttribute.h"
#include "shapes/TextShape.h"

class PointList;

// One operation of a leader text: the leader (an open polyline in the leader line's style,
// width and colour), an arrow head at leader point 0 pointing along the first segment (only with
// two points or more), then the text. A missing leader or arrow head never keeps the text from
// being drawn.
class TextlineShape : public TextShape {
public:
    TextlineShape();
    ~TextlineShape();

    // The leader points stay the element's; the line and arrow head are copied.
    void setLeader(const PointList* points) { leader = points; }
    void setLeaderLine(const DrawLineAttribute& value) { leaderLine = value; }
    void setArrowHead(const ArrowHeadStyle& value);

    // The text's result; 0 as well when the leader line or the arrow head failed.
    [[nodiscard]] int execute(int operation, int newMode);

private:
    const PointList* leader = nullptr; // not owned
    DrawLineAttribute leaderLine;
};
