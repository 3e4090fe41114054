// The sheet with its crop-mark and margin bands, edge lines, surround and shadow, painted into a
// 1024 x 768 DIB section: milliseconds per paint with the whole A4 sheet in the window (72 dpi,
// zoom 1) and zoomed in until the sheet is 100 times the window's width. The mapping is clamped,
// so a paint costs what it fills inside the window, whatever the zoom: the line for the margin
// line fills about as many pixels as zoom 1 and should cost the same; on the corner the bands
// fill the whole window (and overlap), and the cost per pixel should stay the same. Each line
// gives the pixels a paint changes and its difference from zoom 1.
#include <cmath>
#include <cstdio>
#include <windows.h>

#include "BenchHarness.h"
#include "document/DocumentContext.h"
#include "document/SheetSettings.h"
#include "platform/DeviceContext.h"
#include "views/ViewParams.h"
#include "views/ViewUpdater.h"

namespace {

const int kWidth = 1024;
const int kHeight = 768;
const int kPaintsPerRun = 20;

// device = scale * (world - origin), clamped as the real view clamps.
class FixedView : public ViewParams {
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
    void deviceToWorld(const IntPoint& d, double* x, double* y, double* z) override
    {
        *x = d.x / scale + originX;
        *y = d.y / scale + originY;
        *z = 0.0;
    }
    void worldToDevice(double x, double y, IntPoint* out) override { worldToDeviceClamped(x, y, out); }
    void worldToDeviceXYZ(double x, double y, double, IntPoint* out) override { worldToDeviceClamped(x, y, out); }
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
    void updateViewCaption() override {}
    void clientRect(IntRect& out) override { out = IntRect::fromEdges(0, 0, kWidth, kHeight); }

    static int clamp(double v)
    {
        const double f = std::floor(v);
        return f < -32000.0 ? -32000 : f > 32000.0 ? 32000 : static_cast<int>(f);
    }

    double scale = 1.0;
    double originX = 0.0;
    double originY = 0.0;
};

// The page surface: a 24-bit DIB section in a memory DC.
class DibUpdater : public ViewUpdater {
public:
    DibUpdater()
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        hdc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(hdc, bitmap);
        dc.attachHdc(hdc);
    }
    ~DibUpdater() override
    {
        dc.detachHdc();
        SelectObject(hdc, previous);
        DeleteObject(bitmap);
        DeleteDC(hdc);
    }
    void setOwner(DocumentContext*) override {}
    void flushPainter() override {}
    void refreshAll() override {}
    void refreshAfterReset() override {}
    void scrollBy(int, int) override {}
    void beginClip() override {}
    void endClip() override {}
    [[nodiscard]] DeviceContext* surfaceForOperation(int) override { return &dc; }

    // The pixels a paint changes: the surface is filled with a colour no paint uses first.
    int paintedPixels(SheetSettings& paper)
    {
        RECT all = {0, 0, kWidth, kHeight};
        HBRUSH sentinel = CreateSolidBrush(RGB(1, 2, 3));
        FillRect(hdc, &all, sentinel);
        DeleteObject(sentinel);
        (void)paper.paintSheet(); // the benchmark checks the result of its timed paints
        GdiFlush();
        int count = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                count += GetPixel(hdc, x, y) != RGB(1, 2, 3);
        return count;
    }

    HDC hdc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    DeviceContext dc;
};

} // namespace

int main()
{
    DocumentContext context;
    auto* paper = new SheetSettings;
    auto* view = new FixedView;
    auto* updater = new DibUpdater;
    context.paper = paper;
    context.view = view;
    context.updater = updater;
    paper->setOwner(&context);
    if (!updater->bitmap) {
        std::printf("no DIB section\n");
        return 1;
    }
    for (int side = SheetSettings::kTop; side <= SheetSettings::kBottom; ++side) {
        (void)paper->setTonboWidth(static_cast<SheetSettings::Side>(side), 5.0); // finite: always taken
        (void)paper->setYohakuWidth(static_cast<SheetSettings::Side>(side), 10.0);
    }
    paper->tonboAreaColour.setPaleGray();
    paper->yohakuAreaColour.setYellow();

    // Each view: its scale (pixels per drawing unit) and the drawing point at the window's
    // top-left corner.
    struct View {
        const char* name;
        double scale, originX, originY;
    };
    const double w = paper->horizontalSizeInDrawing();
    const double h = paper->verticalSizeInDrawing();
    const double zoomed = 100.0 * kWidth / w; // the sheet 100 times the window's width
    const View views[] = {
        // Zoom 1 at 72 dpi: the A4 sheet and its bands with surround all round.
        {"zoom 1, the whole sheet", 72.0 / 25.4, -40.0, -30.0},
        // The window on the margin line of the right side: about as many pixels as at zoom 1.
        {"100 x the window, on the margin line", zoomed, w - 10.0 - 500.0 / zoomed, h / 2.0},
        // The window on the sheet's bottom-right corner: the bands fill the whole window.
        {"100 x the window, on the corner", zoomed, w - 700.0 / zoomed, h - 500.0 / zoomed},
    };
    int painted = 1;
    double first = 0.0;
    for (const View& v : views) {
        view->scale = v.scale;
        view->originX = v.originX;
        view->originY = v.originY;
        const int pixels = updater->paintedPixels(*paper);
        const BenchResult r = runBenchmark(v.name, [&] {
            for (int i = 0; i < kPaintsPerRun; ++i)
                painted &= paper->paintSheet();
        });
        const double ms = r.medianSeconds * 1e3 / kPaintsPerRun;
        if (first == 0.0)
            first = ms;
        std::printf("%-40s median %7.4f ms  min %7.4f ms per paint  %7d pixels  %5.2f ns/pixel  %+6.1f %%\n",
                    r.name, ms, r.minSeconds * 1e3 / kPaintsPerRun, pixels, ms * 1e6 / pixels,
                    100.0 * (ms - first) / first);
    }
    if (!painted) {
        std::printf("the sheet was not painted\n");
        return 1;
    }
    return 0;
}
