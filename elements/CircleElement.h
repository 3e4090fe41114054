#pragma once
#include "document/Element.h"

class ThreePointArc;

// Kind 7, "circle" (円): a full, half or quarter circle given by its centre (the third point),
// its radius (the first value of the radius list, drawing units) and a start and an end angle
// (degrees; the point at angle a is (cx + r cos a, cy - r sin a), y growing downwards), with an
// edge, a line width, a line position and a line type. Drawn, printed and exported through
// CircleShape. Created by a drag or a click from the centre, with the type keys choosing FULL,
// HALF or QUART (the circle type, kept for the element's life but never stored); the first and
// second points hold the last cursor point and the point that set the radius during creation.
//
// Store record: edge, centre (x, y), radius list, start angle, end angle, line width, line
// position (int32), line type, the extent.
class CircleElement : public Element {
public:
    CircleElement();
    ~CircleElement() override;

    // Also puts the angles at 0 and 360 and the circle type at FULL.
    void initialize() override;
    void teardown() override;

    [[nodiscard]] int exchangeRecord(int mode) override;
    // Both modes: the box of the stroked circle or arc; the box of the centre when it cannot be
    // drawn.
    void computeExtent(int mode) override;
    [[nodiscard]] int hitTestExtent() override;
    [[nodiscard]] int hitTest() override;
    [[nodiscard]] int isInSelectionArea() override;

    int execute(int operation, double x, double y, double z) override;
    // The handle marks, all inactive (a circle has no handle drag).
    void showPickHandles() override;
    // The record registers the exact extent, on whose box the handles stand, none active.
    [[nodiscard]] int marksFollowExactExtent(int& filled) const override
    {
        filled = 0;
        return 1;
    }
    void showPickColour() override;
    void showPickMarks() override;
    void repaintPicked() override;

    // From the line defaults: the edge colour, layer, width, position and type; radius, angles
    // and circle type stay.
    void takeDefaultAttributes() override;
    // centre := the press, snapped to the grid; then the radius input.
    [[nodiscard]] int beginCreateInput(int arg) override;
    // 1 complete (a drag released or a click), 15 a click without a figure within the
    // double-click time, -1 otherwise (a cancelled click input stays pending).
    [[nodiscard]] int continueCreateInput(int arg) override;

    void translate(double dx, double dy, double dz) override;
    // The centre turns about the given centre and both angles turn with it.
    void rotate(double angle, double centreX, double centreY, double centreZ) override;
    // The centre scaled about the given one; the radius by the factor while the product stays
    // above 0.0001; the line width by flag value 1.
    void scale(double factor, const Point& centre, int flags) override;

    // One value (the radius, or twice it) and the centre; always 1.
    [[nodiscard]] int getRadius(double out[2], Point* centre) override;
    [[nodiscard]] int getDiameter(double out[2], Point* centre) override;

    void setLineColour(const InkColor& value) override;
    void setLineWidth(const LineSizeAttribute& value) override;
    void setLinePosition(const LineOriginAttribute& value) override;
    void setLineStyle(const LineTypeAttribute& value) override;

    // The circle property dialog that the drawing makes for the kind (0 without one).
    [[nodiscard]] int editProperties(int hasPrevious, int hasNext) override;

    [[nodiscard]] int readXmlAttributes() override;
    [[nodiscard]] int writeXml() override;

    // The start and end angle from the centre, the start point (the cursor) and the circle type:
    // FULL 0 to 360; HALF the start point moved onto the axis through the centre of its larger
    // distance, the half on its side; QUART the quarter of the start point's quadrant.
    void setAnglesByType();
    // The centre, the radius and the angles as an arc; 0 when a value is unusable.
    [[nodiscard]] int circleArc(ThreePointArc& arc) const;

    // The start and end point from a cursor position (with Shift, end on an axis through the
    // centre), the radius from the end point, then the angles.
    void setFromDevice(const IntPoint& device);
    // The cursor of the circle type.
    void showTypeCursor() const;

private:
    void bindPoints();
};

// A new circle, null when memory ran out (the registry's maker of kind 7).
[[nodiscard]] Element* newCircleElement();
