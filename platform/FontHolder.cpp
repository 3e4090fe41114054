#include "platform/FontHolder.h"

#include <cstddef>
#include <cstring>

namespace {
bool sameFont(const LOGFONTA& a, const LOGFONTA& b)
{
    return std::memcmp(&a, &b, offsetof(LOGFONTA, lfFaceName)) == 0 &&
           std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}
} // namespace

int FontHolder::select(HDC hdc, const LOGFONTA& description)
{
    // Texts select their font once per element: the same font over and over, mostly. The owned
    // font made from an equal description that is still the DC's font stays.
    if (owned && current == owned && hdc && sameFont(description, ownedDescription) &&
        GetCurrentObject(hdc, OBJ_FONT) == owned)
        return 1;
    if (owned && sameFont(description, ownedDescription)) {
        if (hdc)
            SelectObject(hdc, owned);
        current = owned;
        return 1;
    }
    // A kept font of an equal description becomes the owned one; the owned one is kept in its
    // place.
    for (int i = 0; i < keptCount; ++i) {
        if (!sameFont(description, keptDescriptions[i]))
            continue;
        HFONT found = kept[i];
        const LOGFONTA foundDescription = keptDescriptions[i];
        removeKept(i);
        adopt(hdc, found, foundDescription);
        return 1;
    }
    HFONT created = CreateFontIndirectA(&description);
    if (!created)
        return 0;
    adopt(hdc, created, description);
    return 1;
}

void FontHolder::adopt(HDC hdc, HFONT font, const LOGFONTA& description)
{
    if (hdc)
        SelectObject(hdc, font);
    if (owned) {
        // The owned font goes to the front of the kept ones; the oldest goes when no room is left.
        if (keptCount == kKeptFonts)
            DeleteObject(kept[--keptCount]);
        for (int j = keptCount; j > 0; --j) {
            kept[j] = kept[j - 1];
            keptDescriptions[j] = keptDescriptions[j - 1];
        }
        kept[0] = owned;
        keptDescriptions[0] = ownedDescription;
        ++keptCount;
    }
    owned = font;
    current = font;
    ownedDescription = description;
}

void FontHolder::removeKept(int i)
{
    for (int j = i; j + 1 < keptCount; ++j) {
        kept[j] = kept[j + 1];
        keptDescriptions[j] = keptDescriptions[j + 1];
    }
    --keptCount;
}

void FontHolder::deleteKept()
{
    for (int i = 0; i < keptCount; ++i)
        DeleteObject(kept[i]);
    keptCount = 0;
}

void FontHolder::selectStock(HDC hdc, HFONT stock)
{
    if (hdc)
        SelectObject(hdc, stock);
    if (owned)
        DeleteObject(owned);
    deleteKept();
    owned = nullptr;
    current = stock;
}

void FontHolder::release()
{
    if (owned)
        DeleteObject(owned);
    deleteKept();
    owned = nullptr;
    current = nullptr;
}

ScopedFontHeight::ScopedFontHeight(HDC hdc, int height) : hdc_(hdc)
{
    if (!hdc)
        return;
    LOGFONTA description = {};
    HGDIOBJ current = GetCurrentObject(hdc, OBJ_FONT);
    if (!current || !GetObjectA(current, sizeof description, &description))
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
    description.lfHeight = height;
    description.lfWidth = 0;
    font_ = CreateFontIndirectA(&description);
    // Without the font the text is drawn in the DC's own font, as before.
    if (font_)
        previous_ = SelectObject(hdc, font_);
}

ScopedFontHeight::~ScopedFontHeight()
{
    if (previous_)
        SelectObject(hdc_, previous_);
    if (font_)
        DeleteObject(font_);
}
