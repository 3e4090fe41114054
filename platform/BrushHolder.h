#pragma once
#include "platform/HeldGdiObject.h"
#include "platform/RgbColor.h"

// The brush a device context holds; the same rule as the pen: select the new one, then delete
// the one held before.
class BrushHolder : public HeldGdiObject<HBRUSH> {
public:
    // A solid brush of the colour; 0 when none could be created.
    [[nodiscard]] int selectSolid(HDC hdc, const RgbColor& color) { return take(hdc, color.createSolidBrush()); }
};
