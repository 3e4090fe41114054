#include "platform/Pen.h"

namespace {
int penStyleOf(const PenSpec& spec) { return spec.style == 2 ? PS_DASH : spec.style == 3 ? PS_DOT : PS_SOLID; }
} // namespace

HPEN Pen::createFrom(const PenSpec& spec) { return CreatePen(penStyleOf(spec), spec.width, spec.colorRef); }

int Pen::select(HDC hdc, const PenSpec& spec, int held)
{
    // Shapes select their pen once per element: the same pen over and over, mostly.
    if (handle && hdc && penStyleOf(spec) == penStyleOf(heldSpec) && spec.width == heldSpec.width &&
        spec.colorRef == heldSpec.colorRef && (held || GetCurrentObject(hdc, OBJ_PEN) == handle))
        return 1;
    if (!take(hdc, createFrom(spec)))
        return 0;
    heldSpec = spec;
    return 1;
}
