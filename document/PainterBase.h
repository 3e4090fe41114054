#pragma once
// An interface that this folder and those above call; a folder above implements it.
#include "platform/IntRect.h"

class DeviceContext;
class DocumentContext;

// An off-screen bitmap bound to a drawing, into which elements are drawn and then copied or
// stretched to a window. The real painter is OffscreenPainter (views/OffscreenPainter.h); the
// defaults below stand for a painter that has no bitmap.
class PainterBase {
public:
    virtual ~PainterBase() = default;

    // Binds the painter to a drawing (null unbinds it).
    virtual void setContext(DocumentContext* context) = 0;
    // Creates the bitmap when there is none and the drawing's view window exists.
    virtual int ensureBitmap() = 0;

    // The same with a given size (a thumbnail, or a test's surface); 1 when the bitmap exists.
    virtual int ensureBitmapOfSize(const IntRect& rect)
    {
        (void)rect;
        return 0;
    }
    // 1 once the bitmap exists.
    [[nodiscard]] virtual int isCreated() const { return 0; }
    // The bitmap's device context; null without a bitmap.
    [[nodiscard]] virtual DeviceContext* surface() { return nullptr; }
    // The bitmap's rectangle at (0, 0); empty without a bitmap.
    [[nodiscard]] virtual IntRect bitmapRect() const { return IntRect(); }
    // Fills the bitmap white, or a rectangle of it.
    virtual void clear() {}
    virtual void clearRect(const IntRect& rect) { (void)rect; }
    // Scrolls the bitmap and the view window together by dx and dy scroll steps, erases the strip
    // that became uncovered and gives it in `strip` (client pixels); 0 when nothing moved.
    virtual int scrollWindow(int dx, int dy, IntRect& strip)
    {
        (void)dx, (void)dy;
        strip.init();
        return 0;
    }
    // Copies the bitmap onto the view window, or onto another device context, over the view's
    // client rectangle, cut to `clip` when one is given; 1 when copied.
    virtual int copyToWindow(const IntRect* clip)
    {
        (void)clip;
        return 0;
    }
    virtual int copyToDC(DeviceContext& target, const IntRect* clip)
    {
        (void)target, (void)clip;
        return 0;
    }
};

// A scratch painter waiting to be adopted by the next document context; null when none.
// (Defined in document/GlobalManagers.cpp, with its first readers.)
extern PainterBase* theSparePainter;
// The overlay painter: a copy of a document painter on which rubber bands are drawn and then
// shown in the window; null until start-up makes it. (Defined in views/OffscreenPainter.cpp.)
extern PainterBase* theOverlayPainter;
