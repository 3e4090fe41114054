#pragma once
#include "elements/TextElement.h"

// Kind 13, "textline" (引出テキスト): a text hung at the end of a leader, an open polyline (the
// measured list, two points or more once made) drawn from the annotated thing to the text with
// an arrow head at point 0. The text behaves as a plain text's except that its anchor (the start
// point) is always the leader's last point, whatever moves, turns or scales the leader; with no
// leader point the anchor stays where it is. Drawn by TextlineShape.
//
// Made by drawing the leader (the polyline input, no point limit), then typing the text at its
// last point. A click with the text tool on the text of a stored leader text edits that text; a
// click on its leader does not.
//
// Store record: colour, leader points, leader line, arrow head, rotation angle, text spacing,
// font, text string, the extent. Nothing is written to SVG or DXF.
class TextLineElement : public TextElement {
public:
    ~TextLineElement() override;
    void initialize() override;
    void teardown() override;

    [[nodiscard]] int exchangeRecord(int mode) override;
    // The text box as a whole, the leader's stroke and its arrow head as drawn.
    [[nodiscard]] int hitTest() override;
    // The text box only: a click on the leader does not start editing.
    [[nodiscard]] int hitTestLeader() override { return TextElement::hitTest(); }
    // Modes 0 and 1 alike: the box of the turned text block, the leader's stroke and its arrow
    // head (the leader points alone when the shape cannot measure them).
    void computeExtent(int mode) override;
    // Whatever the flag: the overlay restored and the element drawn on it.
    void showInputOverlay(int) override { TextElement::showInputOverlay(0); }

    [[nodiscard]] int beginCreateInput(int arg) override;
    [[nodiscard]] int continueCreateInput(int arg) override;

    void translate(double dx, double dy, double dz) override;
    void rotate(double angle, double centreX, double centreY, double centreZ) override;
    // The leader scaled about the centre; the font by flag value 2, the leader line and arrow
    // head by flag value 1.
    void scale(double factor, const Point& centre, int flags) override;
    // The leader text's own dialog is not built yet: nothing changes (0).
    [[nodiscard]] int editProperties(int, int) override { return 0; }

    void setArrowLineStyle(const DrawLineAttribute& value) override;
    void setArrowLineWidth(const DrawLineAttribute& value) override;
    void setArrowHeadStyle(const ArrowHeadStyle& value) override;
    void setArrowHeadLineSize(const ArrowHeadStyle& value) override;
    void setArrowHeadLength(const ArrowHeadStyle& value) override;
    void setArrowHeadLean(const ArrowHeadStyle& value) override;

    [[nodiscard]] int readXmlAttributes() override;
    // Nothing (success) for a leader of fewer than two points without text.
    [[nodiscard]] int writeXml() override;
    [[nodiscard]] int writeSvg(SvgDocument*) override { return 0; }
    [[nodiscard]] int writeDxf(DxfFile*) override { return 0; }

    // 0 while the leader is input, 1 once the text has started.
    int leaderDone = 0;

private:
    // The anchor := the leader's last point; kept without one.
    void anchorAtLeaderEnd();
    [[nodiscard]] int startText();
};

// A new leader text, null when memory ran out (the registry's maker of kind 13).
[[nodiscard]] Element* newTextLineElement();
