#pragma once
#include "elements/TextElementBase.h"

class PointList;

// Kind 12, "text" (テキスト): lines of Shift-JIS text at an anchor point (the start point, the
// top-left corner of the first line), with a colour, a font, a text spacing and a rotation
// angle. Drawn, printed and exported through TextShape; edited in place through the base.
//
// Its outline is the text block (textExtent) from the anchor, turned about the anchor by the
// rotation angle; its extent is the box of that outline. Both follow the view's zoom, since
// line widths do.
//
// Store record: colour, start (x, y), rotation angle, text spacing, font, text string, the
// extent.
class TextElement : public TextElementBase {
public:
    TextElement();
    ~TextElement() override;

    void initialize() override;
    void teardown() override;

    [[nodiscard]] int exchangeRecord(int mode) override;
    [[nodiscard]] int hitTestExtent() override;
    [[nodiscard]] int hitTest() override;
    [[nodiscard]] int hitHandle(int* handle, int* flag) override;
    [[nodiscard]] int hitTestLeader() override { return 1; }
    [[nodiscard]] int isInSelectionArea() override;

    int execute(int operation, double x, double y, double z) override;
    // Pick style 1 the handles; 2 and 3 the underlined lines.
    void showPicked() override;
    void showPickHandles() override;
    // The record registers the exact extent, on whose box the handles stand, none active.
    [[nodiscard]] int marksFollowExactExtent(int& filled) const override
    {
        filled = 0;
        return 1;
    }
    void drawRotatedPreview(double angle, double centreX, double centreY, double fourth) override;
    void repaintPicked() override;
    // 1: the text redrawn on the overlay over its old and new extent; 0: the whole overlay.
    void showInputOverlay(int show) override;

    // Layer from the text defaults (unless the text is being edited).
    void takeDefaultAttributes() override;
    // An existing text under the cursor is edited (3); else 15 for a double click, or a new
    // empty text centred on the click, edited in place (1; 0 without a caret place).
    [[nodiscard]] int beginCreateInput(int arg) override;
    [[nodiscard]] int continueCreateInput(int arg) override;

    void translate(double dx, double dy, double dz) override;
    void rotate(double angle, double centreX, double centreY, double centreZ) override;
    void setPoint(int index, double x, double y, double z) override;
    // The anchor scaled about the centre; the font size by flag value 2 (kept only strictly
    // between 0.1 and 1000).
    void scale(double factor, const Point& centre, int flags) override;
    [[nodiscard]] int snapToNearestPoint(Point* p) override;
    [[nodiscard]] int snapToKeyPoint(Point* p) override;
    // Modes 0 and 1 alike: the box of the turned text block.
    void computeExtent(int mode) override;

    // The text property dialog on the text; its result (0 while no dialog is built).
    [[nodiscard]] int editProperties(int hasPrevious, int hasNext) override;

    void setColour(const InkColor& value) override;
    void setStartX(const Point& value) override;
    void setStartY(const Point& value) override;
    void setRotationAngle(const LeanAttribute& value) override;
    void setFontName(const FontAttributes& value) override;
    void setFontStyle(const FontAttributes& value) override;
    void setFontSize(const FontAttributes& value) override;

    [[nodiscard]] int readXmlAttributes() override;
    // An empty text writes nothing and succeeds.
    [[nodiscard]] int writeXml() override;
    // A "text" element at the start point; 0 for an empty text, -1 when a write failed.
    [[nodiscard]] int writeSvg(SvgDocument* writer) override;
    // One TEXT entity per line, each value cut at a character boundary at or below 254 bytes;
    // 0 for an empty text, -1 when a write failed.
    [[nodiscard]] int writeDxf(DxfFile* writer) override;

    // The four corners of the turned text block, closed.
    [[nodiscard]] int buildOutline(PointList& out);

private:
    void bindPoints();
};

// A new text, null when memory ran out (the registry's maker of kind 12).
[[nodiscard]] Element* newTextElement();
