#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.
#include "views/PainterBase.h"

// The navigator's miniature of the active drawing's sheet (one for the application).
class PagePainter : public PainterBase {
public:
    virtual void refresh(DocumentContext* context) = 0;
};

// Defined in document/GlobalManagers.cpp, with its first readers.
extern PagePainter* thePagePainter;
