#include "platform/Pen.h"

HPEN Pen::createFrom(const PenSpec& spec)
{
    int style = spec.style == 2 ? PS_DASH : spec.style == 3 ? PS_DOT : PS_SOLID;
    return CreatePen(style, spec.width, spec.colorRef);
}
