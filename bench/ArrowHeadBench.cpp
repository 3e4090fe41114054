// 100,000 arrow heads (the eight kinds in turn, operation 1) drawn into a 1024 x 768 DIB section
// at zoom 1 and 72 dpi, tips spread over the view and turned every way. Prints microseconds and
// heap allocations (operator new) per head, and the ratio to bare GDI calls drawing the same
// barbs, triangles and circles with a pen and brush of the head's colour.
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "BenchHarness.h"
#include "shapes/ArrowHeadShape.h"
#include "shapes/ArrowHeadStyle.h"
#include "tests/shapes/ShapeTestDrawing.h"

namespace {
std::atomic<long long> allocations{0};
const int kCount = 100000;
const double kPi = 3.14159265358979323846;

// Head i: its tip within the visible sheet and the direction its shaft runs.
void headOf(int i, double& x, double& y, double& angle)
{
    x = 20.0 + (i * 37 % 320);
    y = 20.0 + (i * 53 % 230);
    angle = (i * 29 % 360) * kPi / 180.0;
}
} // namespace

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

int main()
{
    shape_test::ShapeDrawing drawing(1024, 768);
    drawing.view->setZoom(1.0, 0.0, 0.0);
    int failed = 0;
    long long heads = 0, headAllocations = 0;

    const BenchResult shapes = runBenchmark("arrow heads", [&] {
        const long long before = allocations;
        for (int i = 0; i < kCount; ++i) {
            double x, y, a;
            headOf(i, x, y, a);
            ArrowHeadShape head;
            head.context = &drawing.context;
            head.style()->kind = static_cast<unsigned>(i % 8);
            head.style()->colour.setRgb(0, 0, 160);
            head.setTip(DrawPoint(x, y));
            head.setDirectionFrom(DrawPoint(x, y));
            head.setDirectionTo(DrawPoint(x + 20.0 * std::cos(a), y + 20.0 * std::sin(a)));
            failed += head.execute(ShapeOp::Draw, 2) != 1;
        }
        heads += kCount;
        headAllocations += allocations - before;
    }, 5, 1);

    // The same figures by hand: device pixels are millimetres times the view's scale.
    const double k = drawing.view->scale;
    const double lean = 20.0 * kPi / 180.0, d = 3.5;
    HDC dc = drawing.surface().hdc;
    const BenchResult bare = runBenchmark("bare GDI", [&] {
        for (int i = 0; i < kCount; ++i) {
            double x, y, a;
            headOf(i, x, y, a);
            HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 160));
            HBRUSH brush = CreateSolidBrush(RGB(0, 0, 160));
            HGDIOBJ oldPen = SelectObject(dc, pen);
            HGDIOBJ oldBrush = SelectObject(dc, (i % 8 == 4 || i % 8 == 6) ? GetStockObject(NULL_BRUSH) : brush);
            const POINT tip{static_cast<LONG>(x * k), static_cast<LONG>(y * k)};
            const POINT left{static_cast<LONG>((x + d * std::cos(a + lean)) * k), static_cast<LONG>((y + d * std::sin(a + lean)) * k)};
            const POINT right{static_cast<LONG>((x + d * std::cos(a - lean)) * k), static_cast<LONG>((y + d * std::sin(a - lean)) * k)};
            switch (i % 8) {
            case 1:
                MoveToEx(dc, tip.x, tip.y, nullptr), LineTo(dc, left.x, left.y);
                MoveToEx(dc, tip.x, tip.y, nullptr), LineTo(dc, right.x, right.y);
                break;
            case 2:
            case 3:
                MoveToEx(dc, tip.x, tip.y, nullptr), LineTo(dc, left.x, left.y);
                break;
            case 4:
            case 5: {
                const POINT triangle[3] = {tip, left, right};
                Polygon(dc, triangle, 3);
                break;
            }
            case 6:
            case 7: {
                const int r = static_cast<int>(d / 2 * k);
                Ellipse(dc, tip.x - r, tip.y - r, tip.x + r, tip.y + r);
                break;
            }
            default:
                break;
            }
            SelectObject(dc, oldBrush);
            SelectObject(dc, oldPen);
            DeleteObject(brush);
            DeleteObject(pen);
        }
    }, 5, 1);

    printRate(shapes, kCount, "heads/s");
    printRate(bare, kCount, "heads/s");
    std::printf("arrow head: %.3f us per head, %.2f allocations per head, %.2fx bare GDI, %d failed\n",
                shapes.medianSeconds / kCount * 1e6, double(headAllocations) / double(heads),
                shapes.medianSeconds / bare.medianSeconds, failed);
    return failed ? 1 : 0;
}
