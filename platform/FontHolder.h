#pragma once
#include <windows.h>

// The font a device context has selected: `owned` is the font the context created (0 = none),
// `current` the one selected, which may be a stock font that is never deleted.
//
// Texts of a few sizes take turns on a page: the fonts made last are kept beside `owned` (up to
// kKeptFonts of them), and a description equal to one of theirs selects it again instead of
// making it anew. They are deleted when the stock font replaces them or the holder is released.
class FontHolder {
public:
    FontHolder() = default;
    ~FontHolder() { release(); }
    FontHolder(const FontHolder&) = delete;
    FontHolder& operator=(const FontHolder&) = delete;

    // Selects the font of the description, made anew unless one kept was made from an equal
    // description; the oldest kept font is deleted after the new one is in when no room is left.
    // 0 when it could not be created.
    [[nodiscard]] int select(HDC hdc, const LOGFONTA& description);
    // Selects a stock font and deletes the owned and the kept ones.
    void selectStock(HDC hdc, HFONT stock);
    void release();

    HFONT owned = nullptr;
    HFONT current = nullptr;

    static constexpr int kKeptFonts = 8;

private:
    LOGFONTA ownedDescription = {}; // what `owned` was made from
    // The fonts made before `owned`, newest first, and their descriptions.
    HFONT kept[kKeptFonts] = {};
    LOGFONTA keptDescriptions[kKeptFonts] = {};
    int keptCount = 0;
    // Selects font, made from description, as the owned one; the owned one before is kept.
    void adopt(HDC hdc, HFONT font, const LOGFONTA& description);
    // Takes kept font i out of the list (not deleted).
    void removeKept(int i);
    void deleteKept();
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
