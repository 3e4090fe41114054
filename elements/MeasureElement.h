#pragma once
#include "document/Element.h"

class ElementRecordBuffer;
class ElementPropertyDialog;
class UndoManager;

// Kind 14, "measure" (寸法線): a length dimension over a chain of measured points (the vertex
// list, two or more points, drawing units) with a display point D (the third point; number 1000
// in point arguments) through which the numerals' line runs. It carries the numeral font, the
// numeral attributes, the dimension line ("underLine"), the extension line ("drawLine") and the
// arrow head ("arrowLine"). Everything it draws, its exact extent and its hit test come from
// MeasureShape (elements/ElementShapes.h).
//
// Created in modes 11 (free two points), 12 (free chain), 13 (two key points of elements) and
// 14 (a chain of key points), then placed: D follows the cursor while the keys "*", "-", "+"
// and "/" choose RIGHT, HORIZONTAL, VERTICAL and FREE. Edited by dragging a point or D (one
// point-move undo record), '+' inserting and '-' removing a measured point.
//
// Store record: the points (x, y, z and flag), the font, the numeral attributes, the dimension
// line, the extension line, the arrow head, D (x, y, z), the extent.
class MeasureElement : public Element {
public:
    // The number of D in point arguments and undo records.
    static constexpr int kDisplayPointNumber = 1000;

    MeasureElement();
    ~MeasureElement() override;

    void initialize() override;
    void teardown() override;

    [[nodiscard]] int exchangeRecord(int mode) override;
    // Mode 1: the box of the points and D widened by everything the shape draws. Mode 0: that,
    // widened by one paper millimetre in drawing units on every side.
    void computeExtent(int mode) override;
    [[nodiscard]] int hitTestExtent() override;
    [[nodiscard]] int hitTest() override;

    int execute(int operation, double x, double y, double z) override;
    void showPickHandles() override;
    // The quick extent: the handles stand one paper millimetre out from what is drawn.
    void measureHandlesExtent() override { computeExtent(0); }
    [[nodiscard]] int marksFollowMeasuredExtent(int& filled) const override
    {
        filled = 0;
        return 1;
    }
    void showPickColour() override;
    void showPickMarks() override;
    void repaintPicked() override;

    void takeDefaultAttributes() override;
    [[nodiscard]] int beginCreateInput(int arg) override;
    [[nodiscard]] int continueCreateInput(int arg) override;

    void translate(double dx, double dy, double dz) override;
    // n up to 999 is measured point n, above 999 D.
    void setPoint(int index, double x, double y, double z) override;
    void scale(double factor, const Point& centre, int flags) override;
    void clearPoints() override;
    void appendPoint(double x, double y, double z) override;
    // The point under the cursor (D when no measured point is) dragged, or with '+' a point
    // inserted after it and with '-' removed: 11, -1 cancelled or refused, 0 nothing grabbed.
    [[nodiscard]] int editByMouse() override;

    // The length dimension's property dialog on the dimension; its result (0 while none is built).
    [[nodiscard]] int editProperties(int hasPrevious, int hasNext) override;

    void setNumeralColour(const InkColor& value) override;
    void setMeasureLineColour(const InkColor& value) override;
    void setArrowLineColour(const InkColor& value) override;
    void setArrowHeadColour(const InkColor& value) override;
    // The numeral's face (looked up again in the font change table), style and size.
    void setFontName(const FontAttributes& value) override;
    void setFontStyle(const FontAttributes& value) override;
    void setFontSize(const FontAttributes& value) override;
    void setLengthNumeralUnits(const MeasureAttributes& value) override;
    void setUnitDisplay(const MeasureAttributes& value) override;
    void setDecimalPlaces(const MeasureAttributes& value) override;
    void setNumeralSpace(const MeasureAttributes& value) override;
    void setMeasureLineStyle(const LineAttribute& value) override;
    void setMeasureLineWidth(const LineAttribute& value) override;
    void setArrowLineStyle(const DrawLineAttribute& value) override;
    void setArrowLineWidth(const DrawLineAttribute& value) override;
    void setArrowLineSize1(const DrawLineAttribute& value) override;
    void setArrowLineSize2(const DrawLineAttribute& value) override;
    void setArrowHeadStyle(const ArrowHeadStyle& value) override;
    void setArrowHeadLineSize(const ArrowHeadStyle& value) override;
    void setArrowHeadLength(const ArrowHeadStyle& value) override;
    void setArrowHeadLean(const ArrowHeadStyle& value) override;

    [[nodiscard]] int readXmlAttributes() override;
    [[nodiscard]] int writeXml() override;

protected:
    // The points, D and the attributes bound to the drawing (paper scale, file links).
    void bindOwners();
    // The file reader's last step: the numeral font, numeral attributes, dimension and extension
    // lines and arrow head taken from its attribute holder, then the document's layer and group.
    void takeDimensionAttributes(const Element& holder);
    // The parts of the record and of the file section both kinds share; the angle adds its draw
    // type through these.
    [[nodiscard]] virtual int exchangeKindFields(int mode, ElementRecordBuffer& buffer);
    [[nodiscard]] virtual int writeKindXml();
    [[nodiscard]] virtual int numeralUnitMode() const { return 1; }
    // A new property dialog of the kind, null while none is built.
    [[nodiscard]] virtual ElementPropertyDialog* makePropertyDialog();
    // Hooks of the creation and the drag: the placement sets D from the cursor (and the angle its
    // draw type), a finished drag (the angle recomputes its draw type).
    virtual void placeDisplayPoint(const Point& p);
    virtual void afterPointDrag() {}
    // Extent mode 1 before the shape widens it: the points and D.
    virtual void startExtent();

    // The placement phase: D follows the cursor, the keys set the direction; 1 on the fixing
    // click, -1 cancelled, and for a chain 0 when the cursor leaves the span of its points.
    [[nodiscard]] int placeDisplay(int chain);
    // The drag of point n (a measured point, or D for kDisplayPointNumber): 11 or -1.
    [[nodiscard]] int dragPoint(int n);
    // Waits for the next left press (1, with its device point; 0 when cancelled); with marks,
    // every move redraws the points' marks on the overlay.
    [[nodiscard]] int waitPress(IntPoint& device, int marks);
    // The first measured point under the cursor, else D's number, else -1.
    [[nodiscard]] int grabbedPoint();
    // The direction a typed character chooses, 0 for another character.
    [[nodiscard]] static int directionOfKey(int character);
    // The character of the current key event, 0 without one.
    [[nodiscard]] static int typedCharacter();
    // at moved onto a key point (toEdge 0) or onto the nearest edge (toEdge 1, from the point
    // `from`) of the element under the select tool's cursor; 0 when no element is there.
    [[nodiscard]] int snapOnElementUnderCursor(Point& at, int toEdge, const Point* from);
    // A loaded copy of the element under the select tool's cursor, null when none is there; the
    // caller frees it through the kind registry.
    [[nodiscard]] Element* loadElementUnderCursor();

private:
    [[nodiscard]] int collectPoints(int mode);
    [[nodiscard]] int inSpan(const Point& p) const;
    [[nodiscard]] int pointForMode(int mode, const IntPoint& device, Point& out);
    [[nodiscard]] int insertPoint(int i);
    [[nodiscard]] int deletePoint(int i);
    void recordAllPoints(UndoManager& undo);
    void drawPointMarks(int operation, int withDisplay);
    void showDirectionCursor() const;
};

// A new length dimension, null when memory ran out (the registry's maker of kind 14).
[[nodiscard]] Element* newMeasureElement();
