#include "geometry/FillAttributes.h"

void FillAttributes::reset()
{
    draw.value = 0;
    colour.setRgbAndInks(0, 0, 0);
    gray.setDefaults();
}
