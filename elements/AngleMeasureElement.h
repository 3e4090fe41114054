#pragma once
#include "elements/MeasureElement.h"
#include "geometry/DrawTypeAttribute.h"

// Kind 15, "msrangle" (角度): an angle dimension. Three measured points: point 0 on the first
// arm, point 1 on the second arm, point 2 the vertex; D the display point. The figure is its
// draw type: 4 "ARC" (D inside the smaller angle between the arms: an arc about the vertex with
// two arrow heads) or 3 "ARROW" (D outside: a leader from the vertex to an underlined numeral).
// It behaves as the length dimension except where this class says; MsrAngleShape draws it.
//
// Created in mode 21 (three free points, one click per mouse step: after the first and the
// second point the step answers -1 and the element waits, with its points, for the next one) or
// mode 22 (two element edges; the third point is where they cross), then placed as the length
// dimension; the draw type follows D. A drag of any point recomputes it too. '+' and '-' do
// nothing while editing.
//
// Store record: the length dimension's fields, then the draw type (int32) before the extent.
class AngleMeasureElement : public MeasureElement {
public:
    enum DrawType { kArrow = 3, kArc = 4 };

    // 4 when d lies inside the smaller angle at the vertex between the arms to first and second
    // (its bounds included), else 3; directions are taken in degrees.
    [[nodiscard]] static int drawTypeFor(const Point& first, const Point& second, const Point& vertex, const Point& d);

    [[nodiscard]] int beginCreateInput(int arg) override;
    [[nodiscard]] int continueCreateInput(int arg) override;
    // The base bodies: nothing.
    void clearPoints() override {}
    void appendPoint(double, double, double) override {}
    // '+' and '-' answer 0 at once; otherwise the drag of the length dimension.
    [[nodiscard]] int editByMouse() override;
    void setLengthNumeralUnits(const MeasureAttributes& value) override { (void)value; }
    void setNumeralUnits(const MeasureAttributes& value) override;
    [[nodiscard]] int readXmlAttributes() override;

    DrawTypeAttribute drawType;
    // The directions of the two picked edges of mode 22; used only while creating.
    Point edgeDirections[2];

protected:
    [[nodiscard]] int exchangeKindFields(int mode, ElementRecordBuffer& buffer) override;
    [[nodiscard]] int writeKindXml() override;
    [[nodiscard]] int numeralUnitMode() const override { return 2; }
    [[nodiscard]] ElementPropertyDialog* makePropertyDialog() override;
    void placeDisplayPoint(const Point& p) override;
    void afterPointDrag() override;
    // The extent starts at D alone (the measured points are not put in); the shape widens it.
    void startExtent() override;

private:
    void recomputeDrawType();
    [[nodiscard]] int collectFreePoints();
    [[nodiscard]] int collectEdges();
    // The point on the edge of the element under the cursor nearest to `at`, and that edge's
    // direction; 0 when there is none.
    [[nodiscard]] int pickEdge(Point& at, Point& direction);
};

// A new angle dimension, null when memory ran out (the registry's maker of kind 15).
[[nodiscard]] Element* newAngleMeasureElement();
