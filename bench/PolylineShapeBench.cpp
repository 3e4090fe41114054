// Long polylines and polygons drawn into a 1024 x 768 DIB section at zoom 1 and 72 dpi: a wide
// TOP polyline with rounded corners (a spiral), and a polygon with a hatch and a gradation fill
// (a circle), each of 10,000 and of 20,000 vertices. Prints milliseconds per draw and the ratio of the two sizes,
// which stays near 2 when the work grows linearly with the vertices.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "BenchHarness.h"
#include "geometry/DoubleArray.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineStyle.h"
#include "shapes/PolygonShape.h"
#include "tests/shapes/ShapeTestDrawing.h"

namespace {

// A spiral of 10 turns over the view (about 361 x 271 mm visible at zoom 1), from 10 to 130 mm
// about its middle: n vertices, every corner rounded by 0.1 mm (shorter than its segments at
// both sizes). Twice the vertices make the same figure, each segment half as long.
void spiral(int n, PointList& points, DoubleArray& radii)
{
    points.count = 0;
    radii.count = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / n;
        const double a = 20.0 * std::acos(-1.0) * t, r = 10.0 + 120.0 * t;
        (void)points.appendXY(180.0 + r * std::cos(a), 135.0 + r * std::sin(a));
        (void)radii.append(0.1);
    }
}

// A closed outline of n vertices on a circle of 120 mm about the middle of the view.
void circle(int n, PointList& points)
{
    points.count = 0;
    for (int i = 0; i < n; ++i) {
        const double a = 2.0 * std::acos(-1.0) * i / n;
        (void)points.appendXY(180.0 + 120.0 * std::cos(a), 135.0 + 120.0 * std::sin(a));
    }
}

} // namespace

int main(int argc, char** argv)
{
    shape_test::ShapeDrawing drawing(1024, 768);
    drawing.view->setZoom(1.0, 0.0, 0.0);
    InkColor blue;
    blue.setRgb(0, 0, 160);
    int drawn = 1;
    double perDraw[2][2] = {};
    // The sizes may be given: PolylineShapeBench.exe 1000 2000.
    const int sizes[2] = {argc > 2 ? std::atoi(argv[1]) : 10000, argc > 2 ? std::atoi(argv[2]) : 20000};
    for (int s = 0; s < 2; ++s) {
        PointList points;
        DoubleArray radii;
        spiral(sizes[s], points, radii);
        const BenchResult line = runBenchmark("wide TOP polyline", [&] {
            BreaklineShape shape;
            shape.context = &drawing.context;
            shape.setColour(blue);
            drawn &= shape.setPoints(points);
            shape.setRounding(&radii);
            shape.setWidth(2.0);
            shape.setPosition(LineOriginAttribute::kTop);
            drawn &= shape.execute(ShapeOp::Draw, 2);
            GdiFlush();
        }, 5, 1);
        circle(sizes[s], points);
        HatchAttributes hatch;
        hatch.pattern = 6;
        hatch.pitch1 = hatch.pitch2 = 2.0;
        FillAttributes fill;
        fill.draw.value = 1;
        fill.gray.kind = GrayAttributes::kGradation;
        const BenchResult polygon = runBenchmark("polygon, hatch and gradation", [&] {
            PolygonShape shape;
            shape.context = &drawing.context;
            drawn &= shape.setPoints(points);
            shape.setHatch(hatch);
            shape.setFill(fill);
            drawn &= shape.execute(ShapeOp::Draw, 2);
            GdiFlush();
        }, 5, 1);
        perDraw[s][0] = line.medianSeconds * 1e3;
        perDraw[s][1] = polygon.medianSeconds * 1e3;
        std::printf("%6d vertices: wide TOP rounded polyline %8.2f ms   polygon with hatch and gradation %8.2f ms\n",
                    sizes[s], perDraw[s][0], perDraw[s][1]);
    }
    std::printf("20,000 / 10,000: polyline %.2f, polygon %.2f\n", perDraw[1][0] / perDraw[0][0],
                perDraw[1][1] / perDraw[0][1]);
    if (!drawn) {
        std::printf("a shape failed\n");
        return 1;
    }
    return 0;
}
