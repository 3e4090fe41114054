#pragma once
#include "elements/Element.h"

class UndoManager;

// Kind 2, "breakline" (折れ線): an open polyline with a colour, a line width (paper millimetres), a
// line position, a line type, a line cap, a gray value and a corner radius per vertex (drawing
// units, 0 sharp). Created point by point with the polyline input; edited vertex by vertex:
// a drag moves a vertex, '+' inserts the release point after it, '-' removes it.
//
// Store record: colour, the points (x, y, z and flag), the rounding list, line width, line
// position (int32), line type, line cap (int32), gray, the extent.
class BreaklineElement : public Element {
public:
    BreaklineElement();
    ~BreaklineElement() override;

    void initialize() override;
    void teardown() override;

    [[nodiscard]] int exchangeRecord(int mode) override;
    // Mode 0: the box of the points grown by the full width. Mode 1: the stroked outline's box.
    void computeExtent(int mode) override;

    [[nodiscard]] int hitTestExtent() override;
    [[nodiscard]] int hitTest() override;
    [[nodiscard]] int hitHandle(int* handle, int* flag) override;
    [[nodiscard]] int isInSelectionArea() override;

    int execute(int operation, double x, double y, double z) override;
    void showPickHandles() override;
    void showPickColour() override;
    void showPickMarks() override;
    void drawRotatedPreview(double angle, double centreX, double centreY, double fourth) override;
    void repaintPicked() override;
    void showInputOverlay(int show) override;

    void takeDefaultAttributes() override;
    // The rounding list emptied, then the polyline input from the press: 1 complete, -1 cancelled.
    [[nodiscard]] int beginCreateInput(int arg) override;
    [[nodiscard]] int continueCreateInput(int arg) override;

    void translate(double dx, double dy, double dz) override;
    void rotate(double angle, double centreX, double centreY, double centreZ) override;
    void setPoint(int index, double x, double y, double z) override;
    void scale(double factor, const Point& centre, int flags) override;
    void clearPoints() override;
    void appendPoint(double x, double y, double z) override;
    DoubleArray* getVertexRounding() override;

    // The vertex under the cursor: dragged, or with '+' / '-' a vertex inserted after it or
    // removed (refused below the kind's minimum); 11 done, -1 cancelled or refused, 0 none hit.
    [[nodiscard]] int editByMouse() override;
    [[nodiscard]] int dragHandle(int handle) override;
    [[nodiscard]] int snapToNearestPoint(Point* p) override;
    [[nodiscard]] int snapToKeyPoint(Point* p) override;
    [[nodiscard]] int snapToNearestEdge(Point* p, const Point* from) override;

    // The kind's property dialog (the breakline's, the spline's); its result, 0 without one.
    [[nodiscard]] int editProperties(int hasPrevious, int hasNext) override;

    void setLineColour(const InkColor& value) override;
    void setLineWidth(const LineSizeAttribute& value) override;
    void setLinePosition(const LineOriginAttribute& value) override;
    void setLineStyle(const LineTypeAttribute& value) override;
    void setLineCap(const LineCapAttribute& value) override;

    [[nodiscard]] int readXmlAttributes() override;
    [[nodiscard]] int writeXml() override;

    // The fewest vertices a '-' may leave (2 here); the most points the creation input makes
    // (0: unlimited).
    [[nodiscard]] virtual int minimumVertices() const { return 2; }
    [[nodiscard]] virtual int maximumInputPoints() const { return 0; }

protected:
    // The store record with or without the rounding list.
    [[nodiscard]] int exchangeRecordOf(int mode, int withRounding);
};

// Kind 3, "arcbreakline" (複合折れ線): a breakline whose points may start arcs (flag 2: an arc
// through the next point to the one after). The store record has no rounding list, and the
// drawing ignores it; the drawing file still carries it.
class ArcBreaklineElement : public BreaklineElement {
public:
    [[nodiscard]] int exchangeRecord(int mode) override;
};

// The registry's makers of kinds 2 and 3; null when memory ran out.
[[nodiscard]] Element* newBreaklineElement();
[[nodiscard]] Element* newArcBreaklineElement();
