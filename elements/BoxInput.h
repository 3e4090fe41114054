#pragma once

class DrawPoint;
class Element;
class Point;
class PointList;
struct IntPoint;

// The rectangle input and edit object of the box, bitmap and picture kinds: it works on its
// owner's start point, end point and lean (the owner's first and second point and lean
// attributes). Every operation answers 0 (or -1 where a state code is asked) without an owner.
//
// Results are Element's state codes: 1 complete, 11 a click or an edit done, 12 a drag done, 15 a
// second click within the double-click time, 21 the right button, -1 cancelled.
class BoxInput {
public:
    explicit BoxInput(Element* ownerElement = nullptr) : owner(ownerElement) {}

    [[nodiscard]] DrawPoint* startCorner() const;
    [[nodiscard]] DrawPoint* endCorner() const;
    // The owner's lean in degrees; 0.0 without one (or a lean that is not finite).
    [[nodiscard]] double rotationAngle() const;

    // The closed five-point box of the two corners, turned about the start corner by the lean
    // when `rotated` is set. 0 without an owner or its corners.
    [[nodiscard]] int outline(PointList& out, int rotated) const;

    // Creation: the start corner at the press that began the input (grid-snapped), then
    // continueCreate. 0 without the drawing's input point list.
    [[nodiscard]] int beginCreate();
    // The end corner by a drag or a click (Shift makes a square): 1 complete, 15, -1.
    [[nodiscard]] int continueCreate();
    // The end corner from a view device point: grid-snapped, z 0, squared while Shift is held.
    void setSecondCorner(const IntPoint& device);

    // Places a box of a fixed size (drawing units) with its start corner at the cursor until a
    // press: 1 a left press, 15 a left press within the double-click time, 21 a right press, -1
    // when the mouse could not be read.
    [[nodiscard]] int placeWithSize(double width, double height);
    // The drag of the corner under the select tool's cursor (undo record of the point move) and
    // the drag of an extent handle (the stored corners stretched against the extent box of the
    // turned outline): 11, -1, 0 as Element::editByMouse and dragHandle.
    [[nodiscard]] int editCorner();
    [[nodiscard]] int dragHandle(int handle);

    Element* owner = nullptr; // not owned: the element that owns this object
};
