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

private:
    LOGFONTA ownedDescription = {}; // what `owned` was made from
};

// The DC's current face at another cell height, selected for the life of the object; the font
// selected before comes back and the font is deleted at the end. Text drawn glyph by glyph
// measures each character in the selected font, so it must match the size it is drawn at.
class ScopedFontHeight {
public:
    ScopedFontHeight(HDC hdc, int height);
    ~ScopedFontHeight();
    ScopedFontHeight(const ScopedFontHeight&) = delete;
    ScopedFontHeight& operator=(const ScopedFontHeight&) = delete;

private:
    HDC hdc_;
    HFONT font_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};
