// 10,000 full ovals (fill, hatch, dashed edge) and 10,000 circles drawn into a 1024 x 768 DIB
// section at zoom 1 and 72 dpi, each flattened afresh as every redraw does. Prints microseconds
// per element and the ratio to a breakline (a polygon for the filled ovals) drawing the same
// flattened outline with the same stroke, fill and hatch.
#include <cmath>
#include <cstdio>

#include "BenchHarness.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LineStyle.h"
#include "shapes/CircleShape.h"
#include "shapes/OvalArcShape.h"
#include "shapes/OvalShape.h"
#include "shapes/PolygonShape.h"
#include "shapes/RadiusList.h"
#include "tests/shapes/ShapeTestDrawing.h"

namespace {

const int kCount = 10000;

// Element i's box: spread over the visible 361 x 271 mm, 20 to 40 mm wide and 10 to 30 mm tall.
void boxOf(int i, double& x, double& y, double& w, double& h)
{
    x = 10.0 + (i * 37 % 300);
    y = 10.0 + (i * 53 % 220);
    w = 20.0 + i % 20;
    h = 10.0 + i % 20;
}

} // namespace

int main()
{
    shape_test::ShapeDrawing drawing(1024, 768);
    drawing.view->setZoom(1.0, 0.0, 0.0);
    EdgeAttributes edge;
    edge.draw.value = 1;
    edge.colour.setRgb(0, 0, 160);
    FillAttributes fill;
    fill.draw.value = 1;
    fill.colour.setRgb(220, 220, 255);
    HatchAttributes hatch;
    hatch.pattern = 3;
    hatch.pitch1 = hatch.pitch2 = 2.0;
    LineStyle dashed;
    dashed.setStyleWithPresets(LineStyle::kDash);
    LineStyle solid;
    solid.setStyleWithPresets(LineStyle::kSolid);
    int drawn = 1;

    const BenchResult ovals = runBenchmark("ovals", [&] {
        for (int i = 0; i < kCount; ++i) {
            double x, y, w, h;
            boxOf(i, x, y, w, h);
            OvalShape oval;
            oval.context = &drawing.context;
            oval.setStartPoint(DrawPoint(x, y));
            oval.setEndPoint(DrawPoint(x + w, y + h));
            oval.setEdge(edge);
            oval.setFill(fill);
            oval.setHatch(hatch);
            oval.setLineStyle(dashed);
            oval.setWidth(0.3);
            drawn &= oval.execute(ShapeOp::Draw, 2);
        }
        GdiFlush();
    }, 5, 1);
    // The same outlines, flattened once beforehand.
    PointList outlines[kCount];
    for (int i = 0; i < kCount; ++i) {
        double x, y, w, h;
        boxOf(i, x, y, w, h);
        OvalArcShape g;
        g.setPoints(Point(x, y), Point(x + w, y + h));
        drawn &= g.buildOutline(outlines[i]) && outlines[i].removeLast();
    }
    const BenchResult polygons = runBenchmark("polygons", [&] {
        for (int i = 0; i < kCount; ++i) {
            PolygonShape polygon;
            polygon.context = &drawing.context;
            drawn &= polygon.setPoints(outlines[i]);
            polygon.setEdge(edge);
            polygon.setFill(fill);
            polygon.setHatch(hatch);
            polygon.setLineStyle(dashed);
            polygon.setWidth(0.3);
            drawn &= polygon.execute(ShapeOp::Draw, 2);
        }
        GdiFlush();
    }, 5, 1);

    RadiusList radius;
    const BenchResult circles = runBenchmark("circles", [&] {
        for (int i = 0; i < kCount; ++i) {
            double x, y, w, h;
            boxOf(i, x, y, w, h);
            CircleShape circle;
            circle.context = &drawing.context;
            circle.setEdge(edge);
            circle.setCentre(DrawPoint(x, y));
            radius.setSingle(h / 2);
            circle.setRadiusList(radius);
            circle.setLineStyle(solid);
            circle.setWidth(0.3);
            drawn &= circle.execute(ShapeOp::Draw, 2);
        }
        GdiFlush();
    }, 5, 1);
    PointList rings[kCount];
    for (int i = 0; i < kCount; ++i) {
        double x, y, w, h;
        boxOf(i, x, y, w, h);
        for (int a = 0; a <= 360; a += 5)
            drawn &= rings[i].appendXY(x + h / 2 * std::cos(a * std::acos(-1.0) / 180), y - h / 2 * std::sin(a * std::acos(-1.0) / 180));
    }
    const BenchResult lines = runBenchmark("breaklines", [&] {
        for (int i = 0; i < kCount; ++i) {
            BreaklineShape line;
            line.context = &drawing.context;
            line.setColour(edge.colour);
            drawn &= line.setPoints(rings[i]);
            line.setLineStyle(solid);
            line.setWidth(0.3);
            drawn &= line.execute(ShapeOp::Draw, 2);
        }
        GdiFlush();
    }, 5, 1);

    const double perOval = ovals.medianSeconds / kCount * 1e6, perPolygon = polygons.medianSeconds / kCount * 1e6;
    const double perCircle = circles.medianSeconds / kCount * 1e6, perLine = lines.medianSeconds / kCount * 1e6;
    std::printf("full oval, fill, hatch, dashed edge %8.2f us   polygon of its outline %8.2f us   ratio %.2f\n",
                perOval, perPolygon, perOval / perPolygon);
    std::printf("circle                              %8.2f us   breakline of its points %7.2f us   ratio %.2f\n",
                perCircle, perLine, perCircle / perLine);
    if (!drawn) {
        std::printf("a shape failed\n");
        return 1;
    }
    return 0;
}
