#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class DocumentContext;

// An off-screen bitmap bound to a drawing, into which elements are drawn and then copied or
// stretched to a window.
class PainterBase {
public:
    virtual ~PainterBase() = default;

    // Binds the painter to a drawing (null unbinds it).
    virtual void setContext(DocumentContext* context) = 0;
    // Creates the bitmap when there is none and the drawing's view window exists.
    virtual int ensureBitmap() = 0;
};

// A scratch painter waiting to be adopted by the next document context; null when none.
// (Defined in document/GlobalManagers.cpp, with its first readers.)
extern PainterBase* theSparePainter;
