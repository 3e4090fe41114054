#include "views/PainterBase.h"

PainterBase* theSparePainter = nullptr;
