// Line shapes drawn into a 1024 x 768 DIB section, as every redraw and rubber-band move builds
// them: 10,000 executions of operation 1 per run for each of thin and wide, solid and dashed
// lines, against the bare GDI calls for the same segments and dash pieces in the same run (a
// one-pixel pen with MoveToEx / LineTo, a filled four-corner polygon for a band), on the shape
// tests' drawing at zoom 1 and 72 dpi. Each line gives milliseconds per run, the ratio to GDI
// and the heap allocations per shape.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>
#include <windows.h>

#include "BenchHarness.h"
#include "geometry/LineStyle.h"
#include "shapes/LineShape.h"
#include "tests/shapes/ShapeTestDrawing.h"

namespace {

long allocations = 0;

const int kWidth = 1024;
const int kHeight = 768;
const int kShapes = 10000;

struct Segment {
    double x1, y1, x2, y2; // drawing units (paper millimetres at 1:1)
};

// Segments inside the view (zoom 1 at 72 dpi shows about 361 x 271 mm), up to about 120 mm long.
std::vector<Segment> makeSegments()
{
    std::vector<Segment> out;
    unsigned seed = 12345u;
    auto next = [&seed](double range) {
        seed = seed * 1103515245u + 12345u;
        return range * ((seed >> 8) & 0xFFFF) / 65536.0;
    };
    for (int i = 0; i < kShapes; ++i) {
        const double x = 10.0 + next(340.0), y = 10.0 + next(250.0);
        out.push_back({x, y, std::fmin(355.0, x + next(120.0) - 60.0), std::fmin(265.0, y + next(90.0) - 45.0)});
    }
    return out;
}

// The bare GDI form of one piece: a one-pixel line, or the band of width w (drawing units) as a
// polygon.
void gdiPiece(HDC hdc, double scale, double px, double py, double qx, double qy, double w)
{
    if (w <= 0.0) {
        MoveToEx(hdc, static_cast<int>(std::floor(scale * px)), static_cast<int>(std::floor(scale * py)), nullptr);
        LineTo(hdc, static_cast<int>(std::floor(scale * qx)), static_cast<int>(std::floor(scale * qy)));
        return;
    }
    const double length = std::hypot(qx - px, qy - py);
    if (length <= 0.0)
        return;
    const double nx = (qy - py) / length * w / 2.0, ny = -(qx - px) / length * w / 2.0;
    const double xs[4] = {px + nx, px - nx, qx - nx, qx + nx};
    const double ys[4] = {py + ny, py - ny, qy - ny, qy + ny};
    POINT corners[4];
    for (int i = 0; i < 4; ++i)
        corners[i] = {static_cast<LONG>(std::floor(scale * xs[i])), static_cast<LONG>(std::floor(scale * ys[i]))};
    Polygon(hdc, corners, 4);
}

// The same segment through GDI: whole, or as dash pieces of `dash` with `gap` between them.
void gdiSegment(HDC hdc, double scale, const Segment& s, double w, double dash, double gap)
{
    if (dash <= 0.0) {
        gdiPiece(hdc, scale, s.x1, s.y1, s.x2, s.y2, w);
        return;
    }
    const double length = std::hypot(s.x2 - s.x1, s.y2 - s.y1);
    if (length <= 0.0)
        return;
    const double dx = (s.x2 - s.x1) / length, dy = (s.y2 - s.y1) / length;
    for (double from = 0.0; from < length; from += dash + gap) {
        const double to = std::fmin(from + dash, length);
        gdiPiece(hdc, scale, s.x1 + dx * from, s.y1 + dy * from, s.x1 + dx * to, s.y1 + dy * to, w);
    }
}

} // namespace

// Every allocation is counted; the pairs of malloc and free stand in for the heap's own.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    ++allocations;
    return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }

int main()
{
    shape_test::ShapeDrawing drawing(kWidth, kHeight);
    DocumentContext& context = drawing.context;
    LinearView* view = drawing.view;
    view->setZoom(1.0, 0.0, 0.0);
    SurfaceUpdater* updater = drawing.updater;
    const HDC hdc = updater->surface.hdc;
    const std::vector<Segment> segments = makeSegments();
    InkColor blue;
    blue.setRgb(0, 0, 160);

    struct Variant {
        const char* name;
        double width; // paper millimetres: 0.14 draws with a one-pixel pen, 2.0 fills a 5-pixel band
        int style;
    };
    const Variant variants[] = {
        {"thin solid", 0.14, LineStyle::kSolid},
        {"wide solid", 2.0, LineStyle::kSolid},
        {"thin dashed", 0.14, LineStyle::kDash},
        {"wide dashed", 2.0, LineStyle::kDash},
    };
    int drawn = 1;
    for (const Variant& v : variants) {
        LineStyle style;
        style.setStyleWithPresets(v.style);
        const long before = allocations;
        const BenchResult shapes = runBenchmark(v.name, [&] {
            for (const Segment& s : segments) {
                LineShape line;
                line.context = &context;
                line.setColour(blue);
                line.setPoints(DrawPoint(s.x1, s.y1), DrawPoint(s.x2, s.y2));
                line.setWidth(v.width);
                line.setLineStyle(style);
                drawn &= line.execute(ShapeOp::Draw, 2);
            }
            GdiFlush();
        }, 5, 1);
        const double perShape = double(allocations - before) / (6.0 * kShapes); // 1 warm-up + 5 runs

        const double gdiWidth = v.width < 1.0 ? 0.0 : v.width;
        const double dash = v.style == LineStyle::kDash ? style.dash : 0.0;
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 160));
        HBRUSH brush = CreateSolidBrush(RGB(0, 0, 160));
        HGDIOBJ oldPen = SelectObject(hdc, gdiWidth > 0.0 ? GetStockObject(NULL_PEN) : pen);
        HGDIOBJ oldBrush = SelectObject(hdc, brush);
        const BenchResult gdi = runBenchmark("bare GDI", [&] {
            for (const Segment& s : segments)
                gdiSegment(hdc, view->scale, s, gdiWidth, dash, style.gap);
            GdiFlush();
        }, 5, 1);
        SelectObject(hdc, oldPen);
        SelectObject(hdc, oldBrush);
        DeleteObject(pen);
        DeleteObject(brush);

        std::printf("%-12s median %8.2f ms  GDI %8.2f ms  ratio %5.2f  %5.2f allocations per shape\n", v.name,
                    shapes.medianSeconds * 1e3, gdi.medianSeconds * 1e3, shapes.medianSeconds / gdi.medianSeconds,
                    perShape);
    }
    if (!drawn) {
        std::printf("a line shape failed\n");
        return 1;
    }
    return 0;
}
