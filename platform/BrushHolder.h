#pragma once
#include <windows.h>

#include "platform/RgbColor.h"

// The brush a device context holds; the same rule as the pen: select the new one, then delete
// the one held before.
class BrushHolder {
public:
    BrushHolder() = default;
    ~BrushHolder() { release(); }
    BrushHolder(const BrushHolder&) = delete;
    BrushHolder& operator=(const BrushHolder&) = delete;

    // A solid brush of the colour; 0 when none could be created.
    int selectSolid(HDC hdc, const RgbColor& color);
    void release();

    HBRUSH handle = nullptr;
};
