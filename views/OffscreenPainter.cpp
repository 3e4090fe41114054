#include "views/OffscreenPainter.h"

#include <cstdlib>

#include "document/DocumentContext.h"
#include "document/ViewScroller.h"
#include "platform/Window.h"
#include "views/ViewMapping.h"

PainterBase* theOverlayPainter = nullptr;

Window* viewWindowOf(const DocumentContext* context) { return context ? context->window : nullptr; }

void viewClientRectOf(const DocumentContext* context, IntRect& out)
{
    out.init();
    if (context && context->view)
        context->view->clientRect(out);
}

void viewAreaOf(const DocumentContext* context, IntRect& out)
{
    out.init();
    if (!context || !context->view)
        return;
    if (auto* mapping = dynamic_cast<ViewMapping*>(context->view))
        mapping->viewArea(out);
    else
        context->view->clientRect(out);
}

IntRect intersectionOf(const IntRect& a, const IntRect& b)
{
    IntRect r = IntRect::fromEdges(a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                                   a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom);
    if (r.width() <= 0 || r.height() <= 0)
        r.init();
    return r;
}

int skipsRequest(int& counter)
{
    if (counter < 1)
        return 0;
    if (++counter < 4)
        return 1;
    counter = 0;
    return 0;
}

int copyPixels(DeviceContext& target, DeviceContext& source, const IntRect& r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return 0;
    DcScope to(target);
    DcScope from(source);
    if (!to.hdc() || !from.hdc())
        return 0;
    return BitBlt(to.hdc(), r.left, r.top, r.width(), r.height(), from.hdc(), r.left, r.top, SRCCOPY) ? 1 : 0;
}

namespace {
// Moves the pixels of `area` by (sx, sy) on one device context; the part shifted out is lost.
void shiftPixels(DeviceContext& dc, const IntRect& area, int sx, int sy)
{
    DcScope scope(dc);
    if (!scope.hdc())
        return;
    const int w = area.width() - std::abs(sx);
    const int h = area.height() - std::abs(sy);
    if (w <= 0 || h <= 0)
        return;
    (void)BitBlt(scope.hdc(), area.left + (sx > 0 ? sx : 0), area.top + (sy > 0 ? sy : 0), w, h, scope.hdc(),
                 area.left + (sx < 0 ? -sx : 0), area.top + (sy < 0 ? -sy : 0), SRCCOPY);
}
} // namespace

int OffscreenPainter::ensureBitmap()
{
    if (bitmap.created)
        return 1;
    Window* window = viewWindowOf(context);
    if (!window || !bitmap.create(window))
        return 0;
    clear();
    return 1;
}

int OffscreenPainter::ensureBitmapOfSize(const IntRect& rect)
{
    if (bitmap.created && bitmap.size.width() == rect.width() && bitmap.size.height() == rect.height())
        return 1;
    IntRect at = IntRect::fromEdges(0, 0, rect.width(), rect.height());
    if (!bitmap.createSized(at, viewWindowOf(context)))
        return 0;
    clear();
    return 1;
}

void OffscreenPainter::clear()
{
    if (bitmap.created)
        bitmap.dc.fillRect(RgbColor(255, 255, 255), bitmap.size);
}

void OffscreenPainter::clearRect(const IntRect& rect)
{
    if (bitmap.created)
        bitmap.dc.fillRect(RgbColor(255, 255, 255), intersectionOf(rect, bitmap.size));
}

int OffscreenPainter::scrollWindow(int dx, int dy, IntRect& strip)
{
    strip.init();
    if (!bitmap.created || !context || (dx == 0 && dy == 0))
        return 0;
    IntRect area;
    viewAreaOf(context, area);
    area = intersectionOf(area, bitmap.size);
    if (area.width() <= 0)
        return 0;
    const int step = context->scroller && context->scroller->stepPixels() > 1 ? context->scroller->stepPixels() : 1;
    // In 64 bits: a large step count times a large step would wrap; anything as wide as the
    // area uncovers all of it.
    long long sx = static_cast<long long>(dx) * step;
    long long sy = static_cast<long long>(dy) * step;
    const bool whole = std::llabs(sx) >= area.width() || std::llabs(sy) >= area.height() || (sx && sy);
    const int shiftX = whole ? 0 : static_cast<int>(sx);
    const int shiftY = whole ? 0 : static_cast<int>(sy);
    if (whole) {
        strip = area;
    } else {
        shiftPixels(bitmap.dc, area, shiftX, shiftY);
        strip = area;
        if (shiftX > 0)
            strip.right = area.left + shiftX;
        else if (shiftX < 0)
            strip.left = area.right + shiftX;
        else if (shiftY > 0)
            strip.bottom = area.top + shiftY;
        else
            strip.top = area.bottom + shiftY;
    }
    if (Window* window = viewWindowOf(context)) {
        if (window->hwnd()) {
            // The strip is copied from the painter once it is redrawn; parts of the window that
            // were covered come back through WM_PAINT.
            RECT r = *area.asRect();
            (void)ScrollWindowEx(window->hwnd(), shiftX, shiftY, &r, &r, nullptr, nullptr, whole ? 0 : SW_INVALIDATE);
        } else if (!whole) {
            shiftPixels(window->dc, area, shiftX, shiftY);
        }
    }
    bitmap.dc.fillRect(RgbColor(255, 255, 255), strip);
    return 1;
}

int OffscreenPainter::copyToWindow(const IntRect* clip)
{
    Window* window = viewWindowOf(context);
    return window ? copyToDC(window->dc, clip) : 0;
}

int OffscreenPainter::copyToDC(DeviceContext& target, const IntRect* clip)
{
    if (!bitmap.created)
        return 0;
    IntRect r;
    viewClientRectOf(context, r);
    r = intersectionOf(r, bitmap.size);
    if (clip)
        r = intersectionOf(r, *clip);
    return copyPixels(target, bitmap.dc, r);
}
