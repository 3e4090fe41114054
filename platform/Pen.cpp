#include "platform/Pen.h"

HPEN Pen::createFrom(const PenSpec& spec)
{
    int style = spec.style == 2 ? PS_DASH : spec.style == 3 ? PS_DOT : PS_SOLID;
    return CreatePen(style, spec.width, spec.colorRef);
}

int Pen::select(HDC hdc, const PenSpec& spec)
{
    HPEN created = createFrom(spec);
    if (!created)
        return 0;
    if (hdc)
        SelectObject(hdc, created);
    if (handle)
        DeleteObject(handle);
    handle = created;
    return 1;
}

void Pen::release()
{
    if (handle)
        DeleteObject(handle);
    handle = nullptr;
}
