#pragma once
// A drawing for the sheet tests: the file test drawing (document, pages, file editor) with a real
// SheetSettings as its paper and stand-ins for the view members the sheet talks to. The view maps
// drawing units to pixels as device = floor(scale * (world - origin)), clamped to -32000..32000,
// and its client rectangle is what the test sets; the redraw manager's page surface is a DIB
// section; the scroller and the grid count what they are asked.
#include <cmath>

#include "document/GridSettings.h"
#include "document/SheetSettings.h"
#include "platform/DeviceContext.h"
#include "tests/document/DrawingFixture.h"
#include "tests/support/DibSurface.h"
#include "views/ViewParams.h"
#include "views/ViewScroller.h"
#include "views/ViewUpdater.h"

namespace sheet_test {

class SheetView : public ViewParams {
public:
    void setOwner(DocumentContext*) override {}
    int repaintClientArea() override { return 1; }
    [[nodiscard]] int isCursorInView() override { return 0; }
    void postMouseMove() override {}
    [[nodiscard]] int canZoomIn() override { return 0; }
    [[nodiscard]] int canZoomOut() override { return 0; }
    int zoomIn() override { return 0; }
    int zoomOut() override { return 0; }
    int zoomByMouse() override { return 0; }
    int zoomAtPoint(const IntPoint&, double) override { return 0; }
    void reset() override {}
    void deviceToWorld(const IntPoint& device, double* x, double* y, double* z) override
    {
        *x = device.x / scale + originX;
        *y = device.y / scale + originY;
        *z = 0.0;
    }
    void worldToDevice(double x, double y, IntPoint* out) override
    {
        out->x = static_cast<int>(std::floor(scale * (x - originX)));
        out->y = static_cast<int>(std::floor(scale * (y - originY)));
    }
    void worldToDeviceXYZ(double x, double y, double, IntPoint* out) override { worldToDevice(x, y, out); }
    void worldToDeviceClamped(double x, double y, IntPoint* out) override
    {
        out->x = clamp(scale * (x - originX));
        out->y = clamp(scale * (y - originY));
    }
    void worldToDeviceXYZClamped(double x, double y, double, IntPoint* out) override
    {
        worldToDeviceClamped(x, y, out);
    }
    [[nodiscard]] int worldToDeviceXForOp(int, double x) override { return clamp(scale * (x - originX)); }
    [[nodiscard]] int worldToDeviceYForOp(int, double y) override { return clamp(scale * (y - originY)); }
    void updateViewCaption() override { ++captions; }
    void resetZoom() override { ++zoomResets; }
    void clientRect(IntRect& out) override { out = client; }

    static int clamp(double v)
    {
        const double f = std::floor(v);
        return f < -32000.0 ? -32000 : f > 32000.0 ? 32000 : static_cast<int>(f);
    }

    double scale = 2.0;
    double originX = 0.0;
    double originY = 0.0;
    IntRect client;
    int zoomResets = 0;
    int captions = 0;
};

class SheetUpdater : public ViewUpdater {
public:
    SheetUpdater(int width, int height) : surface(width, height) { dc.attachHdc(surface.hdc); }
    ~SheetUpdater() override { dc.detachHdc(); }
    void setOwner(DocumentContext*) override {}
    void flushPainter() override { ++flushes; }
    void refreshAll() override {}
    void refreshAfterReset() override { ++refreshes; }
    void scrollBy(int, int) override {}
    void beginClip() override {}
    void endClip() override {}
    [[nodiscard]] DeviceContext* surfaceForOperation(int operation) override
    {
        operations += operation == 1 ? 1 : 1000;
        return &dc;
    }
    [[nodiscard]] int redirectsToPagePainter() const override { return toPagePainter; }
    [[nodiscard]] int redirectsToPageTabBar() const override { return toPageTabBar; }

    DibSurface surface;
    DeviceContext dc;
    int toPagePainter = 0;
    int toPageTabBar = 0;
    int operations = 0;
    int refreshes = 0;
    int flushes = 0;
};

class SheetScroller : public ViewScroller {
public:
    void setOwner(DocumentContext*) override {}
    void setHorizontalBar(ScrollBar*) override {}
    void setVerticalBar(ScrollBar*) override {}
    int resetRanges() override
    {
        ++recomputes;
        return 0;
    }
    int onHScroll() override { return 0; }
    int onVScroll() override { return 0; }
    int scrollBy(int, int) override { return 0; }
    int stepHorizontally(int) override { return 0; }
    int stepVertically(int) override { return 0; }
    int autoScroll() override { return 0; }
    int handTool() override { return 0; }
    void updatePageSizes() override { ++recomputes; }
    int applyToView() override
    {
        ++recomputes;
        return 0;
    }
    int recomputes = 0;
};

class SheetGrid : public GridSettings {
public:
    void setOwner(DocumentContext*) override {}
    int editSettings() override { return 0; }
    [[nodiscard]] int gridKind() override { return 0; }
    void assign(const GridSettings*) override {}
    void updateDisplayOrigin() override {}
    [[nodiscard]] double originX() const override { return 0.0; }
    [[nodiscard]] double originY() const override { return 0.0; }
    [[nodiscard]] int xUnit() const override { return 1; }
    [[nodiscard]] int yUnit() const override { return 1; }
    void convertPoint(Point*) override {}
    void chooseUnitsForScale() override { ++unitChoices; }
    void updateOriginFromDisplay() override { ++originUpdates; }
    int unitChoices = 0;
    int originUpdates = 0;
};

// The context owns the members and deletes them.
class SheetDrawing {
public:
    explicit SheetDrawing(int width = 400, int height = 300) : drawing(false)
    {
        DocumentContext& c = drawing.context;
        c.paper = paper = new SheetSettings;
        c.view = view = new SheetView;
        c.updater = updater = new SheetUpdater(width, height);
        c.scroller = scroller = new SheetScroller;
        c.grid = grid = new SheetGrid;
        paper->setOwner(&c);
        view->client = IntRect::fromEdges(0, 0, width, height);
    }

    drawing_fixture::TestDrawing drawing;
    SheetSettings* paper;
    SheetView* view;
    SheetUpdater* updater;
    SheetScroller* scroller;
    SheetGrid* grid;
};

} // namespace sheet_test
