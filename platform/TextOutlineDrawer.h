#pragma once

class DeviceContext;

// Draws one character of large rotated text as filled glyph outlines. The device context creates
// one around each such character and deletes it afterwards. Until the outline renderer is part
// of the library, draw() reports that nothing was drawn, so the device context uses its glyph
// route for every size.
class TextOutlineDrawer {
public:
    // `size` is the character height in pixels, `angle` degrees counter-clockwise; returns 0 when
    // nothing was drawn.
    [[nodiscard]] int draw(DeviceContext& dc, int x, int y, int size, double angle, const char* text);
};
