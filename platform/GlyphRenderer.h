#pragma once
#include <vector>
#include <windows.h>

#include "platform/MemoryDc.h"

// Draws single characters of rotated text onto a target DC. Each character is drawn black on
// white into a monochrome work bitmap in the target's font face, its pixels are moved to their
// turned places, and the cell is stretched onto the target in the target's text colour. Small
// text at odd angles is drawn at 24 pixels and scaled down, so that turning loses less.
//
// One renderer serves all characters of one call: size and angle are fixed at construction.
class GlyphRenderer {
public:
    // `size` is the character height in pixels, `angle` degrees counter-clockwise on the screen.
    GlyphRenderer(HDC target, int size, double angle);
    ~GlyphRenderer();
    GlyphRenderer(const GlyphRenderer&) = delete;
    GlyphRenderer& operator=(const GlyphRenderer&) = delete;

    // Draws the character of `length` bytes centred on (centreX, centreY); (w, h) is its extent
    // in the target's font. 0 when nothing was drawn (sizes below 3, no work bitmap).
    [[nodiscard]] int draw(int centreX, int centreY, const char* text, int length, int w, int h);

    // 0, 90, 180 or 270 for a quarter turn (within 1e-5 degrees), -1 for any other angle.
    [[nodiscard]] static int quarterTurn(double angle);
    // The font height the work bitmap is drawn in for a character `size` pixels high.
    [[nodiscard]] static int workFontSize(int size, int quarter);

private:
    void turnBits();
    [[nodiscard]] int bit(const unsigned char* bits, int row, int column) const;
    void clearBit(unsigned char* bits, int row, int column) const;

    HDC target_;
    int size_;
    double angle_;
    int quarter_;
    int fontSize_ = 0;
    int cellWidth_ = 0;
    int cellHeight_ = 0;
    int growth_ = 0;
    int margin_ = 0;
    // The work bitmap and font, selected into memory_ while it lives.
    HBITMAP bitmap_ = nullptr;
    HFONT font_ = nullptr;
    MemoryDc memory_;
    BITMAP info_ = {};
    std::vector<unsigned char> drawn_;
    std::vector<unsigned char> turned_;
};
