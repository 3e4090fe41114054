#pragma once
#include <windows.h>

// A colour as shown on screen (a COLORREF) together with four process inks (cyan, magenta,
// yellow, black), so that the same value can be drawn and printed. Which of the two is the master
// depends on the colour model: 1 RGB only, 2 inks derived from RGB as bytes 0..255, 3 inks as
// percentages 0..100 that are the master. A model word of 0 follows the application's setting.
//
// Copied member by member: there is no virtual table, and pens and attribute values embed it.
class RgbColor {
public:
    RgbColor() = default;
    RgbColor(int r, int g, int b) { setRgb(r, g, b); }

    // The model this colour works in: its own when 1..3, else the application's setting
    // (0 -> 1, 1 -> 2, 2 -> 3); any other setting leaves the own word (0).
    [[nodiscard]] int colorModel() const;

    // Each channel is masked to a byte (so -1 gives 255); the inks are not touched.
    void setRgb(int r, int g, int b);
    void setRgbArray(const int rgb[3]) { setRgb(rgb[0], rgb[1], rgb[2]); }
    void getRgb(int& r, int& g, int& b) const;
    void getRgbArray(int rgb[3]) const { getRgb(rgb[0], rgb[1], rgb[2]); }
    [[nodiscard]] int getRed() const { return GetRValue(colorRef); }
    [[nodiscard]] int getGreen() const { return GetGValue(colorRef); }
    [[nodiscard]] int getBlue() const { return GetBValue(colorRef); }

    // The RGB value, then the inks as the effective model derives them.
    void setRgbAndInks(int r, int g, int b);
    void setColorRef(COLORREF value);

    void setInk(int i, int value);
    void getInks(int out[4]) const;
    // The inks (percentages), then the RGB value computed from them.
    void setInks(const int values[4]) { setInkValues(values[0], values[1], values[2], values[3]); }
    void setInkValues(int c, int m, int y, int k);

    // Inks and COLORREF from `other`; the model word stays.
    void assign(const RgbColor& other);
    void copyTo(RgbColor& other) const { other.assign(*this); }
    // Everything, the model word included.
    void copyAll(const RgbColor& other) { *this = other; }

    // Keeps `percent` of the colour's strength (0 gives white, 99 nearly the colour); nothing
    // unless 0 <= percent < 100. In models 1 and 2 the inks are recomputed as percentages
    // afterwards, also in model 2: stored separations rely on that.
    void applyTint(int percent);
    void applyTintFraction(double fraction);
    void assignTinted(const RgbColor& other, double fraction);
    // Lightens the RGB value only: below 1 gives white, 100 and above leaves it.
    void tintTowardWhite(int percent);
    [[nodiscard]] int isWhite() const { return getRed() == 255 && getGreen() == 255 && getBlue() == 255; }

    void setBlack() { setRgb(0, 0, 0); }
    void setWhite() { setRgb(255, 255, 255); }
    void setRed() { setRgb(255, 0, 0); }
    void setBlue() { setRgb(0, 0, 255); }
    void setCyan() { setRgb(0, 255, 255); }
    void setMagenta() { setRgb(255, 0, 255); }
    void setYellow() { setRgb(255, 255, 0); }
    void setGray() { setRgb(128, 128, 128); }
    void setLightGray() { setRgb(192, 192, 192); }
    void setPaleGray() { setRgb(223, 223, 223); }
    void setSalmon() { setRgb(255, 64, 64); }

    // System colours; the inks are not touched.
    void setHighlightColor() { colorRef = GetSysColor(COLOR_HIGHLIGHT); }
    void setHighlightTextColor() { colorRef = GetSysColor(COLOR_HIGHLIGHTTEXT); }
    void setMenuColor() { colorRef = GetSysColor(COLOR_MENU); }

    // A new solid brush of this colour; the caller deletes it.
    [[nodiscard]] HBRUSH createSolidBrush() const { return CreateSolidBrush(colorRef); }

    // Inks from the RGB value: C, M, Y are 255 minus the channels and K = C AND M AND Y (bitwise,
    // on purpose: stored CMYK values depend on it); then K is taken out of C, M and Y bit by bit.
    void inksFromRgbBytes();
    // The same bytes scaled to percentages (v * 100 / 255).
    void inksFromRgbPercent();
    // RGB from the inks read as percentages.
    void rgbFromInks();
    // Under the ink model (3) inks 0, 0, 0, 0 stand for white only: a colour that holds none while
    // its RGB value is not white (a default made before that model came into force, a value read
    // without inks) takes the inks its RGB value converts to. Other colours and models stay.
    void inksFromRgbIfNone();

    int model = 0;
    int inks[4] = {0, 0, 0, 0};
    COLORREF colorRef = 0;
};
