#pragma once
#include "platform/HeldGdiObject.h"
#include "platform/RgbColor.h"

// What a pen looks like: its colour, style (1 solid, 2 dashed, 3 dotted) and width in pixels.
struct PenSpec : RgbColor {
    PenSpec() = default;
    explicit PenSpec(const RgbColor& color) : RgbColor(color) {}
    PenSpec(const RgbColor& color, int style, int width) : RgbColor(color), style(style), width(width) {}

    int style = 1;
    int width = 1;
};

// The pen a device context holds. A new pen is selected into the DC first and only then is the
// one held before deleted, so the DC never holds a deleted pen.
class Pen : public HeldGdiObject<HPEN> {
public:
    // CreatePen with PS_DASH for style 2, PS_DOT for 3 and PS_SOLID otherwise.
    [[nodiscard]] static HPEN createFrom(const PenSpec& spec);
    // 0 when no pen could be created (the held one stays selected). A held pen made from an
    // equal spec that is still the DC's pen stays: nothing is made, selected or deleted. With
    // `held` the caller knows the DC still holds this pen, and GDI is not asked.
    [[nodiscard]] int select(HDC hdc, const PenSpec& spec, int held = 0);

private:
    PenSpec heldSpec;
};
