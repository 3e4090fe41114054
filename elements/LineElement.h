#pragma once
#include "document/Element.h"

// Kind 1, "line" (線分): a straight segment from `start` (the first point) to `end` (the second
// point) with a colour, a line width (paper millimetres), a line position, a line type, a line
// cap and a gray value. Drawn, printed and exported through LineShape; created by a press and a
// drag or by two clicks; edited by dragging an end point or a handle of its extent.
//
// Store record: colour, start (x, y), end (x, y), line width, line position (int32), line type,
// line cap (int32), gray, the extent.
class LineElement : public Element {
public:
    LineElement();
    ~LineElement() override;

    void initialize() override;
    void teardown() override;

    [[nodiscard]] int exchangeRecord(int mode) override;
    // Mode 0: the box of the points grown by the full width on every side. Mode 1: the box of
    // the points and of the band the line position puts beside them (and the caps past the ends).
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

    // From the line defaults: colour, layer, width, position, type and cap (gray keeps its own).
    void takeDefaultAttributes() override;
    // start := the press that began the input, snapped to the grid; then the creation loop.
    [[nodiscard]] int beginCreateInput(int arg) override;
    // 1 complete (drag released or a second click), 15 a second click at the start within the
    // double-click time, -1 cancelled (the input stays pending).
    [[nodiscard]] int continueCreateInput(int arg) override;

    void translate(double dx, double dy, double dz) override;
    void rotate(double angle, double centreX, double centreY, double centreZ) override;
    // Point 1 is start, point 2 end.
    void setPoint(int index, double x, double y, double z) override;
    void scale(double factor, const Point& centre, int flags) override;

    // Drags the end point under the cursor (a point-move undo record): 11, -1 cancelled, 0
    // without a select tool or with no end point under the cursor.
    [[nodiscard]] int editByMouse() override;
    // Drags extent handle 0..7 against the opposite one: 11, -1 cancelled or no such handle.
    [[nodiscard]] int dragHandle(int handle) override;
    [[nodiscard]] int hasHandleDrag() const override { return 1; }
    [[nodiscard]] int snapToNearestPoint(Point* p) override;
    [[nodiscard]] int snapToKeyPoint(Point* p) override;
    // p projected onto the line through start and end.
    [[nodiscard]] int snapToNearestEdge(Point* p, const Point* from) override;

    [[nodiscard]] int editProperties(int hasPrevious, int hasNext) override;

    void setLineColour(const InkColor& value) override;
    void setStartX(const Point& value) override;
    void setStartY(const Point& value) override;
    void setEndX(const Point& value) override;
    void setEndY(const Point& value) override;
    void setLineWidth(const LineSizeAttribute& value) override;
    void setLinePosition(const LineOriginAttribute& value) override;
    void setLineStyle(const LineTypeAttribute& value) override;
    void setLineCap(const LineCapAttribute& value) override;

    [[nodiscard]] int readXmlAttributes() override;
    [[nodiscard]] int writeXml() override;
    [[nodiscard]] int writeSvg(SvgDocument* writer) override;
    [[nodiscard]] int writeDxf(DxfFile* writer) override;

private:
    // Both points linked to the drawing, so that they convert between paper and drawing scale.
    void bindPoints();
};

// A new line, null when memory ran out (the registry's maker of kind 1).
[[nodiscard]] Element* newLineElement();
