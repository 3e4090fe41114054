#pragma once
#include "document/Element.h"
#include "elements/BoxInput.h"

class PointList;

// Kind 5, "box" (ボックス): the rectangle of a start and an end corner (the end corner in the
// unturned frame), turned about the start corner by its lean, with an edge, a fill, a hatch, ruled
// lines (BoxRules) and four corner radii (CornerRounding). Drawn, printed and exported through
// BoxShape; the element's own outline (extent, hit test, snaps) is the plain turned rectangle:
// rounding and rules are the shape's.
//
// Store record: edge, paint, pattern, start (x, y), end (x, y), rules (two int32), radii (four
// doubles), lean, line size, line position (int32), line type, the extent.
class BoxElement : public Element {
public:
    BoxElement();
    ~BoxElement() override;

    void initialize() override;
    void teardown() override;

    [[nodiscard]] int exchangeRecord(int mode) override;
    // Mode 0: the turned outline's box widened by the full line size; mode 1: by as far as the
    // stroke reaches (half the width CENTER, 0 TOP, the width BOTTOM).
    void computeExtent(int mode) override;
    [[nodiscard]] int hitTestExtent() override;
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
    void drawRotatedPreview(double angle, double centreX, double centreY, double fourth) override;
    void repaintPicked() override;
    // 21 and 33: the rubber-band frame; 32: the frame with the pick display; others nothing.
    void drawOverlayFigure(int operation) override;

    // From the line defaults: layer, line size, position and type, the outline, fill and hatch
    // (the lean is 0; the rules and radii stay the box's own).
    void takeDefaultAttributes() override;
    [[nodiscard]] int beginCreateInput(int arg) override;
    [[nodiscard]] int continueCreateInput(int arg) override;

    void translate(double dx, double dy, double dz) override;
    // Start turns about the centre, end keeps its signed offset from start, the lean grows.
    void rotate(double angle, double centreX, double centreY, double centreZ) override;
    // Point 1 is the start corner, 2 the end corner.
    void setPoint(int index, double x, double y, double z) override;
    void scale(double factor, const Point& centre, int flags) override;

    [[nodiscard]] int editByMouse() override;
    [[nodiscard]] int dragHandle(int handle) override;
    [[nodiscard]] int hasHandleDrag() const override { return 1; }
    // Onto the nearer of start and the turned end corner.
    [[nodiscard]] int snapToNearestPoint(Point* p) override;
    // Onto the nearest corner of the turned outline.
    [[nodiscard]] int snapToKeyPoint(Point* p) override;
    // Onto the nearest edge of the turned outline.
    [[nodiscard]] int snapToNearestEdge(Point* p, const Point* from) override;

    [[nodiscard]] int editProperties(int hasPrevious, int hasNext) override;

    void setLineColour(const InkColor& value) override;
    void setFillColour(const InkColor& value) override;
    void setHatchColour(const InkColor& value) override;
    void setRotationAngle(const LeanAttribute& value) override;
    void setLineWidth(const LineSizeAttribute& value) override;
    void setLinePosition(const LineOriginAttribute& value) override;
    void setLineStyle(const LineTypeAttribute& value) override;
    void setEdgeDrawn(const EdgeAttributes& value) override;
    void setFillDrawn(const FillAttributes& value) override;
    void setHatchPattern(const HatchAttributes& value) override;
    void setHatchPitch1(const HatchAttributes& value) override;
    void setHatchPitch2(const HatchAttributes& value) override;
    void setFillGray(const FillAttributes& value) override;
    void setStartX(const Point& value) override;
    void setStartY(const Point& value) override;
    void setEndX(const Point& value) override;
    void setEndY(const Point& value) override;
    void setBoxRules(const BoxRules& value, int takeHorizontal = 1, int takeVertical = 1) override;
    void setCornerRounding(const CornerRounding& value, const int* takeCorners = nullptr) override;

    [[nodiscard]] int readXmlAttributes() override;
    [[nodiscard]] int writeXml() override;
    // An SVG rect at the smaller x and y of the corners with the absolute width and height (the
    // lean, rounding, rules and colours are not written): 1, -1 when a step failed.
    [[nodiscard]] int writeSvg(SvgDocument* writer) override;

    BoxInput input;

private:
    void bindPoints();
    [[nodiscard]] double lineSizeInDrawing() const;
};

// A new box, null when memory ran out (the registry's maker of kind 5).
[[nodiscard]] Element* newBoxElement();
