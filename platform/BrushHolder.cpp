#include "platform/BrushHolder.h"

int BrushHolder::selectSolid(HDC hdc, const RgbColor& color)
{
    HBRUSH created = color.createSolidBrush();
    if (!created)
        return 0;
    if (hdc)
        SelectObject(hdc, created);
    if (handle)
        DeleteObject(handle);
    handle = created;
    return 1;
}

void BrushHolder::release()
{
    if (handle)
        DeleteObject(handle);
    handle = nullptr;
}
