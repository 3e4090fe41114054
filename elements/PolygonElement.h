#pragma once
#include "elements/PointListElement.h"

class PolyPath;

// Kind 8, "polygon" (ポリゴン): a closed polygon (the last vertex joins the first, which is not
// repeated) with an edge, a fill, a hatch, a line width (paper millimetres), position and type,
// and a corner radius per vertex (drawing units, 0 sharp). Entered vertex by vertex through its
// vertex input (PolyPath), closed by a click on the first vertex; edited as the breakline is
// ('-' keeps at least three vertices). Written to SVG as a polygon and to DXF as a closed
// polyline.
//
// Store record: edge, paint, pattern, the points (x, y, z and flag), the rounding list, line
// width, line position (int32), line type, the extent.
class PolygonElement : public PointListElement {
public:
    // A click nearer than this to the previous vertex adds nothing; one nearer than the closing
    // distance to the first vertex closes the polygon (integer device pixels).
    static constexpr int kIgnorePixels = 4;
    static constexpr int kClosePixels = 5;

    PolygonElement();
    ~PolygonElement() override;

    // The sub-objects and the vertex input bound to the point and rounding lists.
    void initialize() override;
    void teardown() override;

    [[nodiscard]] int exchangeRecord(int mode) override;
    // The select tool's outline test with the edge, fill and hatch switches.
    // 21 the rubber band; 32 that step, then the element shown picked; 33 the figure with its
    // vertex marks; 37 as 33 with a mark at the vertex being entered; others nothing.
    void drawOverlayFigure(int operation) override;

    void takeDefaultAttributes() override;
    // The rounding list emptied, then the vertex input from the press: 1 closed, 15 a double
    // click with nothing drawn, -1 cancelled (pending when the tracking was interrupted).
    [[nodiscard]] int beginCreateInput(int arg) override;
    [[nodiscard]] int continueCreateInput(int arg) override;
    // The closing rule of a click: nearer than 4 pixels to the previous vertex it is ignored;
    // 5 pixels or more from the first vertex it adds one; else it closes the polygon when the
    // list (with the moving end) holds more than three points, and is ignored before.
    [[nodiscard]] int acceptsVertex(PolyPath& path, int* more) override;

    // The foot on the nearest edge, the closing edge included.
    [[nodiscard]] int snapToNearestEdge(Point* p, const Point* from) override;

    // The polygon property dialog; its result, 0 without one.
    [[nodiscard]] int editProperties(int hasPrevious, int hasNext) override;

    void setLineColour(const InkColor& value) override;
    void setFillColour(const InkColor& value) override;
    void setHatchColour(const InkColor& value) override;
    void setEdgeDrawn(const EdgeAttributes& value) override;
    void setFillDrawn(const FillAttributes& value) override;
    void setHatchPattern(const HatchAttributes& value) override;
    void setHatchPitch1(const HatchAttributes& value) override;
    void setHatchPitch2(const HatchAttributes& value) override;
    void setFillGray(const FillAttributes& value) override;

    [[nodiscard]] int readXmlAttributes() override;
    [[nodiscard]] int writeXml() override;
    // 1 written, -1 when the writer is missing or a step failed.
    [[nodiscard]] int writeSvg(SvgDocument* writer) override;
    [[nodiscard]] int writeDxf(DxfFile* writer) override;

    // A '-' leaves three vertices at the least.
    [[nodiscard]] int minimumVertices() const override { return 3; }

protected:
    // The store record with or without the rounding list.
    [[nodiscard]] int exchangeRecordOf(int mode, int withRounding);

private:
    // The vertex input bound to this element's lists; null without memory.
    [[nodiscard]] PolyPath* boundInput();

    PolyPath* input_ = nullptr; // owned
};

// Kind 9, "arcpolygon" (複合ポリゴン): a polygon whose points may start arcs (flag 2: an arc
// through the next point to the one after). The store record has no rounding list and the
// drawing ignores it; the drawing file still carries it.
class ArcPolygonElement : public PolygonElement {
public:
    [[nodiscard]] int exchangeRecord(int mode) override;
};

// The registry's makers of kinds 8 and 9; null when memory ran out.
[[nodiscard]] Element* newPolygonElement();
[[nodiscard]] Element* newArcPolygonElement();
