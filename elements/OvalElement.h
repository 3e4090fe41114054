#pragma once
#include "document/Element.h"

class PointList;

// Kind 10, "oval" (楕円): a full, half or quarter ellipse (OvalType) spanned by a start and an end
// point, turned about the start point by its lean, with an edge, a fill and a hatch. Drawn,
// printed and exported through OvalShape; the outline, axes and centre come from the shapes'
// partial-oval geometry through the oval hooks.
//
// Store record: edge, paint, pattern, start (x, y), end (x, y), lean, line size, line position
// (int32), line type, oval type (int32), the extent.
class OvalElement : public Element {
public:
    OvalElement();
    ~OvalElement() override;

    void initialize() override;
    void teardown() override;

    [[nodiscard]] int exchangeRecord(int mode) override;
    // Mode 0: the leaned outline's box widened by the full line size. Mode 1: the box of the
    // leaned outline grown as far as the stroke reaches.
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
    // While the oval waits for the rest of its input, a repaint brings its rubber band back.
    void repaintPicked() override;

    // From the line defaults: layer, size, position, type, the outline, fill and hatch; the lean
    // becomes 0 and the oval type stays.
    void takeDefaultAttributes() override;
    [[nodiscard]] int beginCreateInput(int arg) override;
    // 1 complete (a drag released or a click), 15 a click without a rubber band within the
    // double-click time, -1 otherwise.
    [[nodiscard]] int continueCreateInput(int arg) override;

    void translate(double dx, double dy, double dz) override;
    // Start turns about the centre; end keeps its signed offset from start; the lean grows by
    // the angle.
    void rotate(double angle, double centreX, double centreY, double centreZ) override;
    void setPoint(int index, double x, double y, double z) override;
    void scale(double factor, const Point& centre, int flags) override;

    // Drags start or end under the cursor (a point-move undo record), or an extent handle against
    // the opposite one; 11, -1 cancelled, 0 with no point under the cursor.
    [[nodiscard]] int editByMouse() override;
    [[nodiscard]] int dragHandle(int handle) override;
    [[nodiscard]] int hasHandleDrag() const override { return 1; }

    // Onto the nearer of start and the leaned end point.
    [[nodiscard]] int snapToNearestPoint(Point* p) override;
    // Onto the midpoint of start and the leaned end point.
    [[nodiscard]] int snapToKeyPoint(Point* p) override;
    // 0 filled; else the axes (smaller first) and the leaned centre: 1 a circle (equal at three
    // decimals), 2 an ellipse.
    [[nodiscard]] int getDiameter(double out[2], Point* centre) override;
    // The diameters halved: the count of values (0 when none).
    [[nodiscard]] int getRadius(double out[2], Point* centre) override;

    // The oval's property dialog on this element; its result (0 while no dialog is built).
    [[nodiscard]] int editProperties(int hasPrevious, int hasNext) override;

    void setLineColour(const InkColor& value) override;
    void setFillColour(const InkColor& value) override;
    void setHatchColour(const InkColor& value) override;
    void setStartX(const Point& value) override;
    void setStartY(const Point& value) override;
    void setEndX(const Point& value) override;
    void setEndY(const Point& value) override;
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

    [[nodiscard]] int readXmlAttributes() override;
    [[nodiscard]] int writeXml() override;

private:
    void bindPoints();
    [[nodiscard]] double lineSizeInDrawing() const;
    // The outline grown by `grow`, closed for a fill, turned by the lean about start.
    [[nodiscard]] int buildOutline(double grow, PointList& out) const;
    // p turned about start by the lean (a lean that is not finite turns nothing).
    void turnByLean(Point& p) const;
    [[nodiscard]] Point leanedEnd() const;
};

// A new oval, null when memory ran out (the registry's maker of kind 10).
[[nodiscard]] Element* newOvalElement();
