#pragma once
#include "document/PainterBase.h"
#include "platform/OffscreenBitmap.h"

class Window;

// The off-screen bitmap of a drawing's view: the redraw manager draws the page into it and copies
// it onto the view window; the overlay and spare painters are copies of it. Its pixels are the
// view window's client pixels (the bitmap starts at the client origin).
//
// The view window is the context's window. A window object without a handle whose device
// context draws into a bitmap of its own stands in for it in tests: it is scrolled with a blit
// instead of ScrollWindowEx.
class OffscreenPainter : public PainterBase {
public:
    void setContext(DocumentContext* owner) override { context = owner; }
    // A bitmap of the screen's size, compatible with the view window's device context.
    int ensureBitmap() override;
    int ensureBitmapOfSize(const IntRect& rect) override;
    [[nodiscard]] int isCreated() const override { return bitmap.created; }
    [[nodiscard]] DeviceContext* surface() override { return bitmap.created ? &bitmap.dc : nullptr; }
    [[nodiscard]] IntRect bitmapRect() const override { return bitmap.created ? bitmap.size : IntRect(); }
    void clear() override;
    void clearRect(const IntRect& rect) override;
    // One step is the scroller's step in pixels (1 without a scroller). The bitmap and the window
    // move inside the view area (the rulers stay); a shift as wide as the area uncovers all of it.
    int scrollWindow(int dx, int dy, IntRect& strip) override;
    int copyToWindow(const IntRect* clip) override;
    int copyToDC(DeviceContext& target, const IntRect* clip) override;

    DocumentContext* context = nullptr; // not owned
    OffscreenBitmap bitmap;
};

// The context's view window; null without one.
[[nodiscard]] Window* viewWindowOf(const DocumentContext* context);
// The view's client rectangle and its view area (the client less the ruler band and the bands
// right and below), in client pixels; empty without a view.
void viewClientRectOf(const DocumentContext* context, IntRect& out);
void viewAreaOf(const DocumentContext* context, IntRect& out);
// The intersection of two rectangles; empty (all 0) when they do not meet.
[[nodiscard]] IntRect intersectionOf(const IntRect& a, const IntRect& b);
// The retry counter of a painter whose bitmap could not be made (the failure sets it to 1): the
// next two requests are skipped and the third runs. 1 while a request is to be skipped (the
// counter moves on), else 0 (the counter back at 0).
[[nodiscard]] int skipsRequest(int& counter);
// BitBlt of rectangle r from one device context to the same place of another; 0 when refused.
int copyPixels(DeviceContext& target, DeviceContext& source, const IntRect& r);
