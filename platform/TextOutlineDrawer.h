#pragma once

class DeviceContext;
class TextOutline;

// Draws characters of large rotated text as filled glyph outlines for the device context, which
// keeps one for the characters of one call: the outline renderer it makes at the first character
// serves the others, so its memory DC, bitmap and font are made once per call.
class TextOutlineDrawer {
public:
    TextOutlineDrawer() = default;
    ~TextOutlineDrawer();
    TextOutlineDrawer(const TextOutlineDrawer&) = delete;
    TextOutlineDrawer& operator=(const TextOutlineDrawer&) = delete;

    // `size` is the character height in pixels (also both scale factors), `angle` degrees
    // counter-clockwise, (x, y) the cell's top-left corner. 0 when nothing was drawn, so that the
    // caller draws the character another way.
    [[nodiscard]] int draw(DeviceContext& dc, int x, int y, int size, double angle, const char* text);
    // The name the shapes know it by.
    [[nodiscard]] int fillTextOutline(DeviceContext& dc, int x, int y, int size, double angle, const char* text)
    {
        return draw(dc, x, y, size, angle, text);
    }

private:
    TextOutline* outline_ = nullptr;
};

using TextOutlineRenderer = TextOutlineDrawer;
