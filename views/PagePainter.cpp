#include "views/PagePainter.h"

PagePainter* thePagePainter = nullptr;
