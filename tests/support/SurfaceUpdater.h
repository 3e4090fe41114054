#pragma once
// A redraw manager whose page surface (the surface of every operation) is a 24-bit DIB section,
// for tests and benchmarks that paint and read the pixels back; with withoutSurface set it has no
// surface for any operation. Its redirect switches are plain fields; refreshes and flushes are
// counted, everything else does nothing.
#include "document/ViewUpdater.h"
#include "platform/DeviceContext.h"
#include "tests/support/DibSurface.h"

class SurfaceUpdater : public ViewUpdater {
public:
    SurfaceUpdater(int width, int height) : surface(width, height) { dc.attachHdc(surface.hdc); }
    ~SurfaceUpdater() override { dc.detachHdc(); }
    void setOwner(DocumentContext*) override {}
    void flushPainter() override { ++flushes; }
    void refreshAll() override { ++pageRedraws; }
    void refreshViewFirst() override { ++fullRefreshes; }
    void refreshAfterReset() override { ++refreshes; }
    void scrollBy(int, int) override {}
    void beginClip() override {}
    void endClip() override {}
    [[nodiscard]] DeviceContext* surfaceForOperation(int operation) override
    {
        lastOperation = operation;
        return withoutSurface ? nullptr : &dc;
    }
    [[nodiscard]] int redirectsToPagePainter() const override { return toPagePainter; }
    [[nodiscard]] int redirectsToPageTabBar() const override { return toPageTabBar; }

    DibSurface surface;
    DeviceContext dc;
    int withoutSurface = 0;
    int toPagePainter = 0;
    int toPageTabBar = 0;
    int lastOperation = 0;
    int refreshes = 0;     // after a reset: the miniatures are only shown again
    int fullRefreshes = 0; // the view now, the miniatures redrawn next
    int flushes = 0;
    int pageRedraws = 0; // the page drawn again, grid included
};
