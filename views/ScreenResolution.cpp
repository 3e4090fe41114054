#include "views/ScreenResolution.h"

ScreenResolution* theScreenResolution = nullptr;

double screenDpi()
{
    return theScreenResolution ? theScreenResolution->dpi() : static_cast<double>(ScreenResolution::kDefault);
}
