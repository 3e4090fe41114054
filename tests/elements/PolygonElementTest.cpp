// The polygon kinds: the closing rule of a click in device pixels, creation through the vertex
// input with the scripted mouse, and the SVG and DXF calls.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "elements/PolyPath.h"
#include "elements/PolygonElement.h"
#include "elements/VertexRoundingList.h"
#include "geometry/PointList.h"
#include "tests/elements/LineFixture.h"
#include "tests/elements/RecordingExporters.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

struct Xy {
    double x, y;
};

std::string text(const PointList& list)
{
    std::string s;
    Point p;
    for (int i = 0; i < list.count; ++i) {
        if (list.getPoint(i, &p))
            s += "(" + std::to_string(static_cast<int>(p.x)) + "," + std::to_string(static_cast<int>(p.y)) + ")";
    }
    return s;
}

// A polygon whose view has no window: the cursor counts as inside the 500 x 500 client area.
class WindowlessPolygon : public PolygonElement {
public:
    int screenToView(IntPoint& p) override { return p.x >= 0 && p.y >= 0 && p.x <= 500 && p.y <= 500; }
};

// The vertex input's message pump, replaced: it ends a loop that the script never ends.
int pumps = 0;
int countedPump() { return ++pumps > 20000; }

TEST(PolygonInput, ClosingRuleInDevicePixelsAndByClicks)
{
    TestApplication app;
    struct Rule {
        const char* name;
        double scale; // pixels per drawing unit
        std::vector<Xy> list; // the fixed vertices, then the moving end
        int closes, more;
    };
    const Rule rules[] = {
        {"3 px from the previous vertex is ignored", 1, {{10, 10}, {50, 10}, {53, 10}}, 0, 0},
        {"4 px from it and 5 or more from vertex 0 adds", 1, {{10, 10}, {50, 10}, {54, 10}}, 0, 1},
        {"on vertex 0 after two fixed vertices is ignored", 1, {{10, 10}, {50, 10}, {10, 11}}, 0, 0},
        {"on vertex 0 after three closes", 1, {{10, 10}, {50, 10}, {50, 50}, {11, 11}}, 1, 0},
        {"4 px from vertex 0 closes", 1, {{10, 10}, {50, 10}, {50, 50}, {14, 10}}, 1, 0},
        {"5 px from vertex 0 adds", 1, {{10, 10}, {50, 10}, {50, 50}, {15, 10}}, 0, 1},
        {"4.24 px counts as 4", 1, {{10, 10}, {50, 10}, {50, 50}, {13, 13}}, 1, 0},
        {"2 drawing units at 2 px each add", 2, {{10, 10}, {50, 10}, {52, 10}}, 0, 1},
        {"3 drawing units at 1.5 px each are 4 px", 1.5, {{10, 10}, {50, 10}, {50, 50}, {13, 10}}, 1, 0},
    };
    for (const Rule& r : rules) {
        LineDrawing drawing;
        drawing.view->scale = r.scale;
        std::unique_ptr<Element> polygon(drawing.registry->createElement(8));
        ASSERT_TRUE(polygon);
        polygon->context = &drawing.context;
        PointList list;
        for (const Xy& p : r.list)
            ASSERT_TRUE(list.appendXY(p.x, p.y));
        PolyPath path(polygon.get(), &list, 0);
        int more = -1;
        EXPECT_EQ(polygon->acceptsVertex(path, &more), r.closes) << r.name;
        EXPECT_EQ(more, r.more) << r.name;
    }

    enum Keys { N = ScriptedMouse::kNone, L = ScriptedMouse::kLeft, R = ScriptedMouse::kRight };
    struct Click {
        int x, y, keys;
    };
    struct Case {
        const char* name;
        std::vector<Click> clicks; // after the press at (10, 10): each a move there, a press, a release
        int result;
        std::string points;
        DWORD resumeAt; // else 0: the first call ends -1 with the input pending, the next mouse
                        // step (the cursor back in the view at this time) resumes it
    };
    const Case cases[] = {
        {"a click on vertex 0 closes the triangle", {{60, 10, L}, {60, 60, L}, {11, 11, L}}, 1, "(10,10)(60,10)(60,60)", 0},
        {"on vertex 0 after two vertices it is ignored",
         {{60, 10, L}, {11, 11, L}, {60, 60, L}, {10, 10, L}}, 1, "(10,10)(60,10)(60,60)", 0},
        {"3 px from the last vertex is ignored, 4 px adds",
         {{60, 10, L}, {63, 10, L}, {64, 10, L}, {60, 60, L}, {10, 12, L}}, 1, "(10,10)(60,10)(64,10)(60,60)", 0},
        {"the right button takes the last vertex back",
         {{60, 10, L}, {60, 60, L}, {30, 60, R}, {10, 60, L}, {10, 10, L}}, 1, "(10,10)(60,10)(10,60)", 0},
        {"leaving the view interrupts, the next step goes on",
         {{60, 10, L}, {900, 60, N}, {40, 40, N}, {60, 60, L}, {10, 10, L}}, 1, "(10,10)(60,10)(60,60)", 1700},
    };
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        ScriptedMouse mouse;
        mouse.advanceClockPerRead(&clock, 10);
        DWORD at = 1000;
        mouse.at(at, 10, 10, L).at(at + 50, 10, 10);
        for (const Click& k : c.clicks) {
            at += 300;
            mouse.at(at - 200, k.x, k.y).at(at, k.x, k.y, k.keys).at(at + 50, k.x, k.y);
        }
        ScopedOverride<PolyPath::PumpStep> pump(PolyPath::pumpStep, countedPump);
        pumps = 0;
        drawing.points->press = Point(10, 10);
        drawing.points->has = 1;
        WindowlessPolygon polygon;
        polygon.kind = 8;
        polygon.context = &drawing.context;
        polygon.initialize();
        polygon.self = &polygon;
        ASSERT_TRUE(polygon.vertexRounding()->append(2.0));
        if (c.resumeAt) {
            EXPECT_EQ(polygon.beginCreateInput(0), -1) << c.name;
            EXPECT_EQ(polygon.inputPending, 1) << c.name;
            clock.set(c.resumeAt);
            EXPECT_EQ(polygon.continueCreateInput(0), c.result) << c.name;
        } else {
            EXPECT_EQ(polygon.beginCreateInput(0), c.result) << c.name;
        }
        EXPECT_EQ(polygon.inputPending, 0) << c.name;
        EXPECT_EQ(text(*polygon.vertices()), c.points) << c.name;
        for (int i = 0; i < polygon.vertexRounding()->count; ++i)
            EXPECT_EQ(polygon.vertexRounding()->get(i), 0.0) << c.name << ": creation empties the radii";
    }
}

TEST(PolygonExport, SvgPolygonAndDxfPolylineStopAtTheFirstFailure)
{
    TestApplication app;
    LineDrawing drawing;
    std::unique_ptr<Element> polygon(drawing.registry->createElement(8));
    ASSERT_TRUE(polygon);
    polygon->layer = 7;
    for (const Xy& p : {Xy{0, 0}, Xy{10, 0}, Xy{10, 10}, Xy{0, 10}})
        polygon->appendPoint(p.x, p.y, 0.0);

    RecordingSvg svg;
    EXPECT_EQ(polygon->writeSvg(&svg), 1);
    EXPECT_EQ(svg.calls, (std::vector<std::string>{"B12", "L4/3", "E"}));
    RecordingDxf dxf;
    EXPECT_EQ(polygon->writeDxf(&dxf), 1);
    EXPECT_EQ(dxf.calls, (std::vector<std::string>{"B193", "L4/7", "E"}));

    for (int failAt = 1; failAt <= 3; ++failAt) {
        RecordingSvg failingSvg;
        failingSvg.failAt = failAt;
        EXPECT_EQ(polygon->writeSvg(&failingSvg), -1) << failAt;
        EXPECT_EQ(static_cast<int>(failingSvg.calls.size()), failAt);
        RecordingDxf failingDxf;
        failingDxf.failAt = failAt;
        EXPECT_EQ(polygon->writeDxf(&failingDxf), -1) << failAt;
        EXPECT_EQ(static_cast<int>(failingDxf.calls.size()), failAt);
    }
    EXPECT_EQ(polygon->writeSvg(nullptr), -1);
    EXPECT_EQ(polygon->writeDxf(nullptr), -1);
}

} // namespace
