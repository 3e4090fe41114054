#pragma once
#include <windows.h>

// The font a device context has selected: `owned` is the font the context created (0 = none),
// `current` the one selected, which may be a stock font that is never deleted.
class FontHolder {
public:
    FontHolder() = default;
    ~FontHolder() { release(); }
    FontHolder(const FontHolder&) = delete;
    FontHolder& operator=(const FontHolder&) = delete;

    // Creates the font of the description and selects it; the font owned before is deleted
    // after the new one is in. 0 when it could not be created.
    [[nodiscard]] int select(HDC hdc, const LOGFONTA& description);
    // Selects a stock font and gives up the owned one.
    void selectStock(HDC hdc, HFONT stock);
    void release();

    HFONT owned = nullptr;
    HFONT current = nullptr;
};
