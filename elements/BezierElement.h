#pragma once
#include "document/Element.h"

class BezierPath;

// Kind 11, "bezier3" (ベジェ曲線): a piecewise cubic Bezier curve, open or closed (closed by a
// straight line from the last anchor to the first), with an edge, a fill, a hatch and a line
// size; the stroke is always solid. Its point list holds the anchors at 0, 3, 6 ... and the two
// control points of each segment between them: n segments take 3n + 1 points. Drawn, printed and
// exported through BezierShape; created and edited point by point through its own BezierPath.
//
// Store record: edge, paint, open/close (int32), the points (x, y, z and flag), line size,
// pattern, the extent (the points' box widened by the line size, so that it covers the stroke).
class BezierElement : public Element {
public:
    BezierElement();
    ~BezierElement() override;

    void initialize() override;
    void teardown() override;
    // The curve's path editor, bound to its point list and open/close value; null when it could
    // not be made.
    [[nodiscard]] BezierPath* path();

    [[nodiscard]] int exchangeRecord(int mode) override;
    // Mode 0: the box of every point, control points included, widened by the line size on each
    // axis. Mode 1: the plain box.
    void computeExtent(int mode) override;

    [[nodiscard]] int hitTestExtent() override;
    // A closed, filled curve is hit inside; any other near its flattened outline, or on a control
    // point next to the active anchor.
    [[nodiscard]] int hitTest() override;
    [[nodiscard]] int hitHandle(int* handle, int* flag) override;
    [[nodiscard]] int isInSelectionArea() override;

    int execute(int operation, double x, double y, double z) override;
    void showPickHandles() override;
    [[nodiscard]] int marksFollowMeasuredExtent(int& filled) const override
    {
        filled = 1;
        return 1;
    }
    void showPickColour() override;
    void showPickMarks() override;
    void setActiveHandle(int mode, int number) override;
    void drawRotatedPreview(double angle, double centreX, double centreY, double fourth) override;
    void repaintPicked() override;
    // 21 creation, 32 a handle drag, 33 a point edit, 35 a point add with the cursor's mark.
    void drawOverlayFigure(int operation) override;

    // From the Bezier defaults: edge, fill, hatch and the layer.
    void takeDefaultAttributes() override;
    // arg: the creation method (BezierPath::Method).
    [[nodiscard]] int beginCreateInput(int arg) override;
    [[nodiscard]] int continueCreateInput(int arg) override;
    void redrawInputOverlay() override;
    // The polygon method's closing test: a click on the first vertex closes the figure.
    [[nodiscard]] int acceptsVertex(PolyPath& path, int* more) override;
    [[nodiscard]] int finishInput() override;

    void translate(double dx, double dy, double dz) override;
    void rotate(double angle, double centreX, double centreY, double centreZ) override;
    void setPoint(int index, double x, double y, double z) override;
    void translatePoint(int index, double dx, double dy, double dz) override;
    // x and y of every point about the centre; z and the line size stay whatever the flags.
    void scale(double factor, const Point& centre, int flags) override;
    void clearPoints() override;
    void appendPoint(double x, double y, double z) override;

    [[nodiscard]] int editByMouse() override;
    [[nodiscard]] int dragHandle(int handle) override;
    [[nodiscard]] int hasHandleDrag() const override { return 1; }
    // Onto the nearest anchor (control points are not key points).
    [[nodiscard]] int snapToNearestPoint(Point* p) override;
    [[nodiscard]] int snapToKeyPoint(Point* p) override;
    // Onto the chord between two anchors next to the nearest one; the list counts as closed,
    // open curves included.
    [[nodiscard]] int snapToNearestEdge(Point* p, const Point* from) override;

    [[nodiscard]] int editProperties(int hasPrevious, int hasNext) override;

    void setLineColour(const InkColor& value) override;
    void setFillColour(const InkColor& value) override;
    void setHatchColour(const InkColor& value) override;
    void setLineWidth(const LineSizeAttribute& value) override;
    void setEdgeDrawn(const EdgeAttributes& value) override;
    void setFillDrawn(const FillAttributes& value) override;
    void setHatchPattern(const HatchAttributes& value) override;
    void setHatchPitch1(const HatchAttributes& value) override;
    void setHatchPitch2(const HatchAttributes& value) override;
    void setFillGray(const FillAttributes& value) override;

    [[nodiscard]] int readXmlAttributes() override;
    [[nodiscard]] int writeXml() override;

private:
    // Edge, fill and hatch take the values given (null keeps the element's own).
    void takeFills(const EdgeAttributes* edgeFrom, const FillAttributes* fillFrom, const HatchAttributes* hatchFrom);

    BezierPath* editor = nullptr; // owned
};

// A new Bezier curve, null when memory ran out (the registry's maker of kind 11).
[[nodiscard]] Element* newBezierElement();
