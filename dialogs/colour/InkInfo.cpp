#include "dialogs/colour/InkInfo.h"

InkInfo* theInkInfo = nullptr;
