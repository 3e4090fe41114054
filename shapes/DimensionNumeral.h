#pragma once
#include <memory>

#include "geometry/InkColor.h"

class DeviceContext;
class FontAttributes;
class Shape;

// The numeral of a dimension: its text, its size in drawing units and its output at an anchor on
// every output of the shape that owns it (the screen operations, the printer, PostScript and
// PDF). The anchor is the numeral's lower left corner as it reads; the text runs along
// (cos t, -sin t) from it and its height rises along (-sin t, -cos t), t the angle in degrees.
//
// The font is chosen once per operation (begin) and used for every numeral the shape measures
// and draws in it. The screen operations measure at their own zoom; PostScript and PDF measure
// with the font at a fixed pixel height (kReferencePixels) on a memory DC of their own, so that a
// file is the same whatever the zoom of the view it was written from.
//
// Every text shape need of the dimension kinds goes through this class.
class DimensionNumeral {
public:
    // The pixel height at which paper outputs measure their numerals.
    static constexpr int kReferencePixels = 200;
    static constexpr int kTextSize = 128;

    DimensionNumeral();
    ~DimensionNumeral();
    DimensionNumeral(const DimensionNumeral&) = delete;
    DimensionNumeral& operator=(const DimensionNumeral&) = delete;

    // The value as the numeral shows it: half a unit of the last decimal added, then cut to
    // `decimals` digits (0..50; a value outside counts as 0) from its 15-digit decimal form,
    // trailing zeros and point dropped. A value that is not finite, or too large to write, gives
    // "0" and answers 0.
    static int formatValue(double value, int decimals, char* out, int size);

    // Chooses the font of the operation: on the shape's surface for a screen operation, on the
    // reference DC for PostScript (72) and PDF (75). 0 when there is nothing to measure with.
    [[nodiscard]] int begin(Shape& owner, FontAttributes& font, int operation);
    // text := the given text (cut to kTextSize - 1 bytes at a character boundary); width and
    // height measured, and numberWidth of its first numberLength bytes (the number before its
    // label); a negative numberLength leaves numberWidth 0 unmeasured. 0 when it could not be
    // measured (the sizes are 0 then).
    [[nodiscard]] int setText(const char* newText, int numberLength);

    // The numeral at the anchor (drawing units, the shape's offset not yet added), turned by
    // angle degrees: on the surface, or written to PostScript or PDF for those operations. The
    // colour is the one the operation draws the numeral in. 1 when done or nothing to do.
    [[nodiscard]] int draw(double x, double y, double angle, const InkColor& colour);

    char text[kTextSize] = {};
    double width = 0.0;       // drawing units
    double height = 0.0;      // drawing units
    double numberWidth = 0.0; // the number without its label, drawing units, when asked for

private:
    [[nodiscard]] int measure(const char* s, int length, double& w, double& h);
    [[nodiscard]] int drawOnSurface(double x, double y, double angle, const InkColor& colour);
    [[nodiscard]] int writePostScript(double x, double y, double angle);
    [[nodiscard]] int writePdf(double x, double y, double angle, const InkColor& colour);

    Shape* shape = nullptr;
    FontAttributes* fontUsed = nullptr;
    int op = 0;
    int pixelHeight = 0;
    DeviceContext* dc = nullptr;
    std::unique_ptr<DeviceContext> reference;
};
