#pragma once

class Element;
class UndoManager;
struct IntPoint;

// The mouse input that the two-point kinds (line, oval, box and the kinds that edit through the
// box's input), the arc and the circle share: the creation of the second point, the drag of a
// point under the cursor and the drag of an extent handle. Results are Element's state codes.
namespace shared_body {

// What a kind does with the cursor while its second point is created.
class SecondPointInput {
public:
    virtual ~SecondPointInput() = default;
    // The second point from a view device point: grid-snapped, with the kind's Shift rule.
    virtual void setSecondPoint(const IntPoint& device) = 0;
    // Asked once a pass: 1 when something besides the cursor and Shift changed the figure (a
    // key typed), so that the rubber band is drawn again.
    [[nodiscard]] virtual int changedByKey() { return 0; }
};

// The creation after the first point is placed. While the button is still held from the press
// (drag mode) the second point follows the mouse until the release: 12 when the press lasted 150
// ms or more and a rubber band was shown, -1 when the tracking failed or ended outside the view;
// otherwise click mode follows until a press: 11, or for a press without a rubber band shown 15
// within the double-click time and -1 after it; a failed mouse read leaves the input pending
// and gives -1.
[[nodiscard]] int trackSecondPoint(Element& element, SecondPointInput& input);

// The drag of the start, end or third point under the select tool's cursor, with a point-move
// undo record: 11, -1 cancelled (the point back where it was), 0 without a select tool or with no
// point under the cursor.
[[nodiscard]] int editTwoPoints(Element& element);
// The same drag, its record written to `undo`; null for a kind whose points carry others with
// them (the picture's mask), which records the whole edit itself.
[[nodiscard]] int editTwoPoints(Element& element, UndoManager* undo);
// The drag of extent handle 0..7 against the opposite handle: every point follows the box of
// anchor and handle (the exact extent's); 11, -1 cancelled or no such handle. Each pass draws the
// element's overlay figure when one is given (the box kinds show themselves picked), else the
// rubber-band frame.
[[nodiscard]] int dragTwoPointHandle(Element& element, int handle, int figure = 0);

} // namespace shared_body
