#pragma once
#include "views/PainterBase.h"

// The navigator's miniature of the active drawing's sheet (one for the application).
class PagePainter : public PainterBase {
public:
    virtual void refresh(DocumentContext* context) = 0;
};

extern PagePainter* thePagePainter;
