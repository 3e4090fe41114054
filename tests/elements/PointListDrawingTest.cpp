// The point-list kinds drawn through their shapes: short lists (as a file or a pasted record may
// hold them) and arc starts near the end of the list draw what they can, print, export, answer
// the picks and refuse '-'; a rotated spline previews where its rotation puts it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "elements/ElementKindRegistry.h"
#include "elements/VertexRoundingList.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/PointList.h"
#include "platform/CurrentEvent.h"
#include "tests/elements/ElementFixture.h"
#include "tests/shapes/ShapeTestDrawing.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

using element_fixture::CursorSelectTool;
using shape_test::ShapeDrawing;

namespace {

struct Vertex {
    double x, y;
    uint32_t flag = 0;
};

// An element of the kind made as the registry makes it, on the drawing.
std::unique_ptr<Element> make(ElementKindRegistry& registry, ShapeDrawing& d, int kind, const std::vector<Vertex>& points,
                              const std::vector<double>& radii)
{
    std::unique_ptr<Element> e(registry.createElement(kind));
    if (!e)
        return e;
    e->kind = kind;
    e->context = &d.context;
    for (const Vertex& v : points)
        EXPECT_TRUE(e->vertices()->appendWithFlag(v.flag, v.x, v.y, 0.0));
    for (double r : radii) {
        if (e->vertexRounding()) {
            EXPECT_TRUE(e->vertexRounding()->append(r));
        }
    }
    return e;
}

TEST(PointListKinds, ShortListsAndLateArcStartsDrawPrintExportAnswerPicksAndRefuseDelete)
{
    TestApplication app;
    std::unique_ptr<ElementKindRegistry> registry(makeKindRegistry());
    ScopedOverride<ElementKindRegistry*> installed(theKindRegistry, registry.get());
    const uint32_t A = Point::arcStart;
    struct Case {
        const char* name;
        int kind;
        std::vector<Vertex> points;
        std::vector<double> radii;
        bool inked;     // op 1 leaves ink
        int deleteKey; // '-' on vertex 0: -1 refused, 0 nothing under the cursor, 11 done
    };
    const Case cases[] = {
        {"a breakline without points", 2, {}, {}, false, 0},
        {"a breakline of one point", 2, {{5, 5}}, {}, false, -1},
        {"radii longer than the points", 2, {{5, 5}, {25, 5}}, {1, 2, 3, 4, 5}, true, -1},
        {"radii shorter than the points", 2, {{5, 5}, {25, 5}, {25, 25}}, {0}, true, 11},
        {"a spline without points", 4, {}, {}, false, 0},
        {"a spline of one point", 4, {{5, 5}}, {}, false, -1},
        {"a two-point spline", 4, {{5, 5}, {25, 5}}, {}, true, -1},
        {"a polygon without points", 8, {}, {}, false, 0},
        {"a polygon of two points draws nothing", 8, {{5, 5}, {25, 5}}, {3, 3}, false, -1},
        {"a triangle with radii too long", 8, {{5, 5}, {25, 5}, {25, 25}}, {1, 2, 3, 4}, true, -1},
        {"an arc start on the last point", 3, {{5, 5}, {25, 5}, {25, 25, A}}, {}, true, 11},
        {"an arc start on the last but one", 3, {{5, 5}, {15, 15, A}, {25, 5}}, {}, true, 11},
        {"an arc start with nothing after it, two points", 3, {{5, 5}, {25, 5, A}}, {}, true, -1},
        {"an arcpolygon's arc start on the last point", 9, {{5, 5}, {25, 5}, {25, 25}, {5, 25, A}}, {}, true, 11},
        {"an arcpolygon's arc start on the last but one", 9, {{5, 5}, {25, 5}, {15, 15, A}, {5, 25}}, {}, true, 11},
    };
    for (const Case& c : cases) {
        ShapeDrawing d(300, 300);
        auto* tool = new CursorSelectTool;
        d.context.selectTool = tool;
        tool->cursor = Point(5, 5);
        std::unique_ptr<Element> e = make(*registry, d, c.kind, c.points, c.radii);
        ASSERT_TRUE(e) << c.name;
        e->lineWidth()->width = 0.0;
        if (e->edge())
            e->edge()->draw.value = 1;

        d.surface().fill(RGB(255, 255, 255));
        (void)e->draw(); // the result says whether there was anything to draw
        EXPECT_EQ(d.surface().inkCount(0, 0, 300, 300) > 0, c.inked) << c.name;
        d.ps.log.clear();
        d.pdf.log.clear();
        d.pdf.running = 1;
        (void)e->print(0.0, 0.0, 0.0);        // as above
        (void)e->writePostScript(0.0, 0.0, 0.0); // as above
        (void)e->writePdf(0.0, 0.0, 0.0);        // as above
        EXPECT_EQ(d.ps.log.count("_sp") + d.ps.log.count("_f") > 0, c.inked) << c.name << ": PostScript";
        EXPECT_EQ(d.pdf.log.count("S") + d.pdf.log.count("f") > 0, c.inked) << c.name << ": PDF";
        (void)e->hitTest(); // the select tool's answer; asked without a fault
        (void)e->hitTestExtent();
        e->computeExtent(1);
        Point snapped(6, 6);
        (void)e->snapToNearestEdge(&snapped, nullptr);

        ScopedOverride<unsigned char> key(theCurrentEvent->typedChar, static_cast<unsigned char>('-'));
        const int before = e->vertices()->count;
        const int result = e->editByMouse();
        if (c.deleteKey != 11) {
            EXPECT_EQ(result, c.deleteKey) << c.name;
            EXPECT_EQ(e->vertices()->count, before) << c.name;
        }
        if (e->vertexRounding() && result == 11) {
            EXPECT_EQ(e->vertexRounding()->count, e->vertices()->count) << c.name << ": a radius per vertex";
        }
        d.surface().fill(RGB(255, 255, 255));
        (void)e->draw(); // what is left draws without reading past the list
    }
}

// The ink of a surface as a set of pixel positions.
std::vector<int> inkOf(DibSurface& surface)
{
    std::vector<int> ink;
    for (int y = 0; y < surface.height; ++y) {
        for (int x = 0; x < surface.width; ++x) {
            if (surface.isInk(x, y))
                ink.push_back(y * surface.width + x);
        }
    }
    return ink;
}

TEST(SplineElement, RotatedPreviewLiesWhereTheRotationPutsTheSpline)
{
    TestApplication app;
    std::unique_ptr<ElementKindRegistry> registry(makeKindRegistry());
    ShapeDrawing d(300, 300);
    struct Case {
        double angle, cx, cy;
    };
    const Case cases[] = {{90, 15, 15}, {30, 10, 20}, {-45, 0, 0}};
    for (const Case& c : cases) {
        std::unique_ptr<Element> spline = make(*registry, d, 4, {{5, 10}, {12, 4}, {20, 12}, {26, 6}}, {});
        ASSERT_TRUE(spline);
        spline->lineWidth()->width = 0.0;
        d.surface().fill(RGB(255, 255, 255));
        spline->drawRotatedPreview(c.angle, c.cx, c.cy, 0.0);
        const std::vector<int> preview = inkOf(d.surface());
        spline->rotate(c.angle, c.cx, c.cy, 0.0);
        d.surface().fill(RGB(255, 255, 255));
        (void)spline->draw(); // drawn, or the comparison below fails
        const std::vector<int> rotated = inkOf(d.surface());
        ASSERT_GT(rotated.size(), 20u) << c.angle;
        EXPECT_EQ(preview, rotated) << c.angle;
    }
}

} // namespace
