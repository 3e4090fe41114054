#pragma once
#include "elements/MeasureElement.h"
#include "geometry/DrawTypeAttribute.h"

class ValueList;

// What the radius (kind 16, "msrradius", 半径) and diameter (kind 17, "msrdiameter", 直径)
// dimensions share. P1, the clicked point on the measured circle, is the one point of the
// measured list; P2, the display point, is the centre (radius) or the point opposite P1
// (diameter) in the IN layout and the leader's end in the OUT layout. The values (one, or an
// oval's two) are what the measured element reported when the dimension was made: the dimension
// does not follow it afterwards. The centre it reported is kept only while creating.
//
// Created by clicking an arc, circle or oval; P2 then follows the cursor, the layout following
// it, while "*", "-", "+" and "/" choose RIGHT, HORIZONTAL, VERTICAL and FREE; a click fixes it.
// A drag moves P1 or P2 without deciding the layout again. Everything drawn, the exact extent and
// the hit test come from the kind's shape (elements/ElementShapes.h).
//
// Store record: the font, the numeral attributes, the underline, the leader, the arrow head, P1
// and P2 (x and y), the values, the layout (int32), the extent.
class CircleDimensionElement : public MeasureElement {
public:
    enum Layout { kIn = 1, kOut = 2 };

    ~CircleDimensionElement() override;
    void initialize() override;
    void teardown() override;

    [[nodiscard]] int exchangeRecord(int mode) override;
    [[nodiscard]] int beginCreateInput(int arg) override;
    [[nodiscard]] int continueCreateInput(int arg) override;
    // n = 1 sets P1, n = 2 sets P2; the numbers of the drag (0 and 1000) as the length dimension.
    void setPoint(int index, double x, double y, double z) override;
    void scale(double factor, const Point& centre, int flags) override;
    // The drag of P1 or P2; '+' and '-' answer 0 at once.
    [[nodiscard]] int editByMouse() override;
    void clearPoints() override {}
    void appendPoint(double, double, double) override {}
    [[nodiscard]] int readXmlAttributes() override;
    [[nodiscard]] int writeXml() override;

    // The layout for P2 at the cursor, with P2 moved where IN puts it: IN needs the centre on
    // the paper and the cursor inside the kind's threshold.
    void decideLayout(const Point& cursor);

    // The kind's value list (radii or diameters); null when it could not be made.
    [[nodiscard]] virtual ValueList* values() const = 0;

    DrawTypeAttribute layout;
    // P3: the centre the measured element reported; not stored.
    Point centre;

protected:
    // The slot of the kind's value list.
    explicit CircleDimensionElement(ElementAttribute valueSlot) : valueAttribute(valueSlot) {}

    // The measured element's values and centre: the number of values, 0 for none.
    [[nodiscard]] virtual int askMeasured(Element& measured, double out[2], Point& at) = 0;
    // P2 when the cursor at distance d from the centre lies inside; 0 when it does not (OUT).
    [[nodiscard]] virtual int inPlace(double d, Point& p2) const = 0;

    void placeDisplayPoint(const Point& p) override { decideLayout(p); }
    // The extent starts at P2 alone; the shape widens it.
    void startExtent() override;

private:
    const ElementAttribute valueAttribute;
    [[nodiscard]] int exchangeFields(int mode, ElementRecordBuffer& buffer);
};

class MsrRadiusElement : public CircleDimensionElement {
public:
    MsrRadiusElement() : CircleDimensionElement(ElementAttribute::radii) {}
    [[nodiscard]] ValueList* values() const override;

protected:
    [[nodiscard]] ElementPropertyDialog* makePropertyDialog() override;
    [[nodiscard]] int askMeasured(Element& measured, double out[2], Point& at) override
    {
        return measured.getRadius(out, &at);
    }
    // Inside the smallest radius: the centre.
    [[nodiscard]] int inPlace(double d, Point& p2) const override;
};

class MsrDiameterElement : public CircleDimensionElement {
public:
    MsrDiameterElement() : CircleDimensionElement(ElementAttribute::diameters) {}
    [[nodiscard]] ValueList* values() const override;

protected:
    [[nodiscard]] ElementPropertyDialog* makePropertyDialog() override;
    [[nodiscard]] int askMeasured(Element& measured, double out[2], Point& at) override
    {
        return measured.getDiameter(out, &at);
    }
    // Inside half the smallest diameter: P1 mirrored through the centre (never with P1 on it).
    [[nodiscard]] int inPlace(double d, Point& p2) const override;
};

// The registry's makers of kinds 16 and 17; null when memory ran out.
[[nodiscard]] Element* newMsrRadiusElement();
[[nodiscard]] Element* newMsrDiameterElement();
