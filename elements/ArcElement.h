#pragma once
#include "document/Element.h"

class ThreePointArc;

// Kind 6, "arc" (円弧): an open circular arc through a start point (the first point), a middle
// point on the arc (the third point) and an end point (the second point), with a colour, a line
// width (paper millimetres), a line position and a line type. Drawn, printed and exported through
// ArcShape; created in two steps (the chord from start to end, then the middle point); edited by
// dragging one of its points or a handle of its extent.
//
// An arc is valid when its points are not collinear and its radius is not larger than the larger
// paper side in drawing units; creation refuses an invalid arc, one read from a file stays as read
// (it draws nothing and answers the radius queries with 0).
//
// Store record: colour, start (x, y), end (x, y), middle (x, y), line width, line position
// (int32), line type, the extent.
class ArcElement : public Element {
public:
    // The stages of the creation input.
    enum Stage : int { kNoStage = 0, kPlacingEnd = 1, kPlacingMiddle = 2 };

    ArcElement();
    ~ArcElement() override;

    void initialize() override;
    void teardown() override;

    [[nodiscard]] int exchangeRecord(int mode) override;
    // Both modes: the box of the stroked arc; the box of the three points when no arc can be made.
    void computeExtent(int mode) override;
    [[nodiscard]] int hitTestExtent() override;
    [[nodiscard]] int hitTest() override;
    [[nodiscard]] int hitHandle(int* handle, int* flag) override;
    [[nodiscard]] int isInSelectionArea() override;

    int execute(int operation, double x, double y, double z) override;
    void showPickHandles() override;
    // The record registers the exact extent, on whose box the handles stand, all active.
    [[nodiscard]] int marksFollowExactExtent(int& filled) const override
    {
        filled = 1;
        return 1;
    }
    void showPickColour() override;
    void showPickMarks() override;
    void drawRotatedPreview(double angle, double centreX, double centreY, double fourth) override;
    void repaintPicked() override;

    // From the line defaults: the whole colour, layer, width, position and type.
    void takeDefaultAttributes() override;
    // start := the press, snapped to the grid; then the two steps of continueCreateInput.
    [[nodiscard]] int beginCreateInput(int arg) override;
    // 1 complete (a valid middle point clicked), 15 a click in place within the double-click time
    // ending the first step, -1 cancelled or an invalid arc (the input stays pending and resumes
    // where it stopped: a refused middle point is picked again).
    [[nodiscard]] int continueCreateInput(int arg) override;

    void translate(double dx, double dy, double dz) override;
    void rotate(double angle, double centreX, double centreY, double centreZ) override;
    // Point 1 start, 2 end, 3 middle.
    void setPoint(int index, double x, double y, double z) override;
    void scale(double factor, const Point& centre, int flags) override;

    // Drags the point under the cursor (a point-move undo record): 11, -1 cancelled, 0 without a
    // select tool or with no point under the cursor.
    [[nodiscard]] int editByMouse() override;
    // Drags extent handle 0..7 against the opposite one, stretching all three points: 11, -1.
    [[nodiscard]] int dragHandle(int handle) override;
    [[nodiscard]] int hasHandleDrag() const override { return 1; }
    // Onto the nearest of start, end and middle (ties: the earlier).
    [[nodiscard]] int snapToNearestPoint(Point* p) override;
    [[nodiscard]] int snapToKeyPoint(Point* p) override;
    // One radius (diameter) and the centre; 0 when the points are collinear.
    [[nodiscard]] int getRadius(double out[2], Point* centre) override;
    [[nodiscard]] int getDiameter(double out[2], Point* centre) override;

    void setLineColour(const InkColor& value) override;
    void setStartX(const Point& value) override;
    void setStartY(const Point& value) override;
    void setEndX(const Point& value) override;
    void setEndY(const Point& value) override;
    void setLineWidth(const LineSizeAttribute& value) override;
    void setLinePosition(const LineOriginAttribute& value) override;
    void setLineStyle(const LineTypeAttribute& value) override;

    // The arc property dialog that the drawing makes for the kind (0 without one).
    [[nodiscard]] int editProperties(int hasPrevious, int hasNext) override;

    [[nodiscard]] int readXmlAttributes() override;
    [[nodiscard]] int writeXml() override;
    [[nodiscard]] int writeDxf(DxfFile* writer) override;

    // Not collinear and within the paper's larger side (0 without paper settings).
    [[nodiscard]] int isValidArc();
    // The circle through the three points into arc; 0 when they are collinear or missing.
    [[nodiscard]] int threePointArc(ThreePointArc& arc) const;

    int inputStage = kNoStage;

private:
    void bindPoints();
    // The creation steps: 11 (or 12 after a drag) when the end point is placed, 15, -1; then 11
    // when a valid middle point is clicked, else -1.
    [[nodiscard]] int inputEndPoint();
    [[nodiscard]] int inputMiddlePoint();
};

// A new arc, null when memory ran out (the registry's maker of kind 6).
[[nodiscard]] Element* newArcElement();
