#include "platform/FontHolder.h"

int FontHolder::select(HDC hdc, const LOGFONTA& description)
{
    HFONT created = CreateFontIndirectA(&description);
    if (!created)
        return 0;
    if (hdc)
        SelectObject(hdc, created);
    if (owned)
        DeleteObject(owned);
    owned = created;
    current = created;
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
