#pragma once
#include "elements/PointListElement.h"

// Kind 2, "breakline" (折れ線): an open polyline with a colour, a line width (paper millimetres), a
// line position, a line type, a line cap, a gray value and a corner radius per vertex (drawing
// units, 0 sharp). Created point by point with the polyline input; edited vertex by vertex:
// a drag moves a vertex, '+' inserts the release point after it, '-' removes it.
//
// Store record: colour, the points (x, y, z and flag), the rounding list, line width, line
// position (int32), line type, line cap (int32), gray, the extent.
class BreaklineElement : public PointListElement {
public:
    BreaklineElement();
    ~BreaklineElement() override;

    void initialize() override;
    void teardown() override;

    [[nodiscard]] int exchangeRecord(int mode) override;
    // A breakline's strokes are one-pixel polylines through its points (corners rounded within
    // them) while its width is under 3 pixels (BreaklineShape): the box of the points grown by
    // the width, within the exact extent, which the band's sharp corners can carry far out.
    // Not for the kinds below, whose arcs and curves leave the points' box.
    [[nodiscard]] int thinInkExtent(Point& lo, Point& hi, double& fromViewScale) override;
    // The select tool's open-polyline test with the line width and position.
    void showInputOverlay(int show) override;

    void takeDefaultAttributes() override;
    // The rounding list emptied, then the polyline input from the press: 1 complete, -1 cancelled.
    [[nodiscard]] int beginCreateInput(int arg) override;
    [[nodiscard]] int continueCreateInput(int arg) override;

    [[nodiscard]] int snapToNearestEdge(Point* p, const Point* from) override;
    // The kind's property dialog (the breakline's, the spline's); its result, 0 without one.
    [[nodiscard]] int editProperties(int hasPrevious, int hasNext) override;

    void setLineColour(const InkColor& value) override;
    void setLineCap(const LineCapAttribute& value) override;

    [[nodiscard]] int readXmlAttributes() override;
    [[nodiscard]] int writeXml() override;

    // A '-' leaves two vertices at the least; the creation input makes any number of points
    // (0: unlimited).
    [[nodiscard]] int minimumVertices() const override { return 2; }
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
