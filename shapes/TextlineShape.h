#pragma once
#include "geometry/DrawLineAttribute.h"
#include "shapes/TextShape.h"

class ArrowHeadShape;
class BreaklineShape;
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
    // The select tool's pick against the leader and its arrow head as drawn; the text is the
    // element's to test.
    [[nodiscard]] int hitLeader();
    // The box of the leader's band and its arrow head (drawing units); 0 without a leader.
    [[nodiscard]] int leaderExtent(Point& lo, Point& hi);

private:
    // The leader's polyline and its head, placed as this shape is; 0 when there is none (a head
    // needs two points).
    [[nodiscard]] int fillLeader(BreaklineShape& line) const;
    [[nodiscard]] int fillHead(ArrowHeadShape& head) const;

    const PointList* leader = nullptr; // not owned
    DrawLineAttribute leaderLine;
};
