#pragma once
#include "geometry/DrawPoint.h"
#include "geometry/InkColor.h"
#include "shapes/Shape.h"

class DeviceContext;
class TextBuffer;

// One operation of a text: its lines drawn on the screen and the overlay (the selection of a
// text in editing highlighted, operation 21), on a GDI printer, as PostScript and as PDF.
//
// The anchor is the top-left corner of the first line before rotation. Total angle = the lean
// plus the rotation's angle (the rotated preview); the text runs along the unit vector at the
// total angle and line i starts i line pitches (the font size times 1.2) along the vector at the
// total angle + 270 degrees, so lines advance towards increasing y for an unturned text. The
// offset moves the anchor, and the rotation turns it about the rotation's centre.
//
// On a device every line is drawn with its cell tops at its origin, the cells filled with the
// background (white, or (255, 64, 64) behind the selection) except in GDI print (71), where the
// background stays transparent so that what lies under the text shows between the glyphs. Lines
// longer than 255 bytes are drawn in pieces that advance along the line. PostScript puts each
// line's baseline at 0.9 font sizes along the line direction from its origin, PDF likewise; both
// in paper millimetres.
class TextShape : public Shape {
public:
    // The highlight behind selected text while it is edited.
    static constexpr int kHighlightRed = 255, kHighlightGreen = 64, kHighlightBlue = 64;

    TextShape();
    ~TextShape();

    // Whole copies, except the text, which stays the element's.
    void setColour(const InkColor& value) { colour = value; }
    void setAnchor(const DrawPoint& p) { anchor = p; }
    void setText(const TextBuffer* buffer) { text = buffer; }
    void setLean(const LeanAttribute& value);
    void setTextSpacing(const TextSpacingAttribute& value);
    void setFont(const FontAttributes& value);

    // 1 done (also for a missing or empty text); 0 for a refused operation, without a view or a
    // surface, or when PostScript output failed.
    [[nodiscard]] int execute(int operation, int newMode);

    // The directions of the lines for the total angle (after execute has set them up).
    double textDirection[3] = {1.0, 0.0, 0.0};
    double lineDirection[3] = {0.0, 1.0, 0.0};

protected:
    [[nodiscard]] double totalAngle() const;
    // The anchor moved by the offset and turned by the rotation; the two directions.
    void placeAnchor();
    [[nodiscard]] double fontSizeInDrawing() const;
    [[nodiscard]] double pitch() const;
    [[nodiscard]] int writePostScript();
    void writePdf();
    [[nodiscard]] int drawOnDevice();
    // One piece [from, to) of a line at the drawing point, highlighted or not; its width in pixels
    // when needWidth is set (0 otherwise).
    int drawPiece(DeviceContext& dc, const char* bytes, int from, int to, double x, double y, int highlighted,
                  int pixelHeight, int needWidth);

    InkColor colour;
    DrawPoint anchor;
    const TextBuffer* text = nullptr; // not owned
    DrawPoint placed;                 // the anchor as drawn
};
