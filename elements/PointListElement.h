#pragma once
#include "document/Element.h"

class ElementRecordBuffer;

// The base of the kinds whose geometry is one point list with a line width (paper millimetres),
// position and type: the open breakline kinds and the spline, and the closed polygon kinds. It
// holds the operations they share: the extents, the picks and pick displays, the rotated
// preview, the point-list geometry, the vertex editing and handle drags, the vertex snaps and
// the stroke setters. Each kind adds its attributes, record, input and file section.
class PointListElement : public Element {
public:
    // Mode 0: the box of the points grown by the full width. Mode 1: the stroked outline's box
    // (the mode 0 box when the shape cannot measure it).
    void computeExtent(int mode) override;

    [[nodiscard]] int hitTestExtent() override;
    // The pick against the figure as its shape draws it: the band of the drawn polyline (corners
    // rounded, arcs flattened, the spline sampled as on the screen) with its caps and position,
    // and for the closed kinds the painted inside.
    [[nodiscard]] int hitTest() override;
    [[nodiscard]] int hitHandle(int* handle, int* flag) override;
    [[nodiscard]] int isInSelectionArea() override;

    int execute(int operation, double x, double y, double z) override;
    void showPickHandles() override;
    // Each kind below stores the exact extent (computeExtent(1)), on whose box the handles stand,
    // all active.
    [[nodiscard]] int marksFollowExactExtent(int& filled) const override
    {
        filled = 1;
        return 1;
    }
    void showPickColour() override;
    void showPickMarks() override;
    void drawRotatedPreview(double angle, double centreX, double centreY, double fourth) override;
    void repaintPicked() override;

    void translate(double dx, double dy, double dz) override;
    void rotate(double angle, double centreX, double centreY, double centreZ) override;
    void setPoint(int index, double x, double y, double z) override;
    void scale(double factor, const Point& centre, int flags) override;
    void clearPoints() override;
    void appendPoint(double x, double y, double z) override;
    DoubleArray* getVertexRounding() override;

    // The vertex under the cursor: dragged, or with '+' / '-' a vertex inserted after it or
    // removed (refused at minimumVertices()); 11 done, -1 cancelled or refused, 0 none hit.
    [[nodiscard]] int editByMouse() override;
    [[nodiscard]] int dragHandle(int handle) override;
    [[nodiscard]] int hasHandleDrag() const override { return 1; }
    [[nodiscard]] int snapToNearestPoint(Point* p) override;
    [[nodiscard]] int snapToKeyPoint(Point* p) override;

    void setLineWidth(const LineSizeAttribute& value) override;
    void setLinePosition(const LineOriginAttribute& value) override;
    void setLineStyle(const LineTypeAttribute& value) override;

    // The fewest vertices a '-' may leave.
    [[nodiscard]] virtual int minimumVertices() const = 0;

protected:
    // The part of the store record the kinds share, in this order: the points (x, y, z and
    // flag), the rounding list (when withRounding), line width, line position (int32), line type.
    // Mode 1 writes, 3 reads; 0 when the record ends early or a sub-object is missing.
    [[nodiscard]] int exchangePointsAndStroke(int mode, ElementRecordBuffer& buffer, int withRounding);
    // From the reader's attribute holder: line width, position, type, the points and the radii;
    // 0 when a list could not be copied.
    [[nodiscard]] int readPointsAndStroke(const Element& holder);
};
