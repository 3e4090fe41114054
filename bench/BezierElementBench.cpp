// A closed Bezier curve with fill and hatch, drawn into a 1024 x 768 DIB section at zoom 1 and hit
// tested by the select tool away from its outline (its inside and the whole flattened outline
// tested), of 1,000 and of 2,000 segments. Prints milliseconds per draw and per hit test and the
// ratio of the two sizes, which stays near 2 when the work grows linearly with the segments.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "BenchHarness.h"
#include "document/ElementKind.h"
#include "elements/BezierElement.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/OpenCloseAttribute.h"
#include "geometry/PointList.h"
#include "tests/elements/ElementFixture.h"
#include "tests/shapes/ShapeTestDrawing.h"

namespace {

// n arcs on a circle of 120 mm about the middle of the view, closed: 3n + 1 points.
void circle(int n, Element& curve)
{
    curve.clearPoints();
    const double step = 2.0 * std::acos(-1.0) / n, k = 4.0 / 3.0 * std::tan(step / 4.0) * 120.0;
    for (int i = 0; i <= n; ++i) {
        const double a = step * i, c = std::cos(a), s = std::sin(a);
        if (i > 0) {
            const double b = a - step, cb = std::cos(b), sb = std::sin(b);
            curve.appendPoint(180.0 + 120.0 * cb - k * sb, 135.0 + 120.0 * sb + k * cb, 0.0);
            curve.appendPoint(180.0 + 120.0 * c + k * s, 135.0 + 120.0 * s - k * c, 0.0);
        }
        curve.appendPoint(180.0 + 120.0 * c, 135.0 + 120.0 * s, 0.0);
    }
}

} // namespace

int main(int argc, char** argv)
{
    shape_test::ShapeDrawing drawing(1024, 768);
    drawing.view->setZoom(1.0, 0.0, 0.0);
    // The select tool's own pick tests, at a pick far from the curve: the whole band is walked.
    auto* tool = new element_fixture::CursorSelectTool; // the context deletes it
    tool->picks = 1;
    drawing.context.selectTool = tool;
    std::unique_ptr<Element> curve(newBezierElement());
    if (!curve)
        return 1;
    curve->initialize();
    curve->self = curve.get();
    curve->context = &drawing.context;
    curve->kind = kindCode(ElementKind::Bezier);
    curve->openClose()->value = OpenCloseAttribute::kClose;
    curve->fill()->draw.value = 1;
    curve->hatch()->pattern = 6;
    curve->hatch()->pitch1 = curve->hatch()->pitch2 = 2.0;
    int drawn = 1, hits = 0;
    double perRun[2][2] = {};
    // The sizes may be given: BezierElementBench.exe 1000 2000.
    const int sizes[2] = {argc > 2 ? std::atoi(argv[1]) : 1000, argc > 2 ? std::atoi(argv[2]) : 2000};
    for (int s = 0; s < 2; ++s) {
        circle(sizes[s], *curve);
        const BenchResult draw = runBenchmark("draw", [&] {
            drawn &= curve->draw();
            GdiFlush();
        }, 7, 1);
        const BenchResult hit = runBenchmark("hit test", [&] { hits += curve->hitTest(); }, 7, 1);
        perRun[s][0] = draw.medianSeconds * 1e3;
        perRun[s][1] = hit.medianSeconds * 1e3;
        std::printf("%6d segments: draw with fill and hatch %8.3f ms   hit test %8.3f ms\n", sizes[s], perRun[s][0],
                    perRun[s][1]);
    }
    std::printf("%d / %d segments: draw %.2f, hit test %.2f, both %.2f\n", sizes[1], sizes[0],
                perRun[1][0] / perRun[0][0], perRun[1][1] / perRun[0][1],
                (perRun[1][0] + perRun[1][1]) / (perRun[0][0] + perRun[0][1]));
    if (!drawn || hits) {
        std::printf("a draw failed or a hit test hit\n");
        return 1;
    }
    return 0;
}
