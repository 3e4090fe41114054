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
    HFONT created = CreateFontIndirectA(&description);
    if (!created)
        return 0;
    if (hdc)
        SelectObject(hdc, created);
    if (owned)
        DeleteObject(owned);
    owned = created;
    current = created;
    ownedDescription = description;
    return 1;
}

void FontHolder::selectStock(HDC hdc, HFONT stock)
{
    if (hdc)
        SelectObject(hdc, stock);
    if (owned)
        DeleteObject(owned);
    owned = nullptr;
    current = stock;
}

void FontHolder::release()
{
    if (owned)
        DeleteObject(owned);
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
