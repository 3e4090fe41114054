// Entering polygon and curve vertices with the mouse: scripted pointer, buttons and clock
// against an element that plays the owner (its view is the screen, 0..1000 in both directions,
// one pixel to one drawing unit), the Shift constraint, the closed curve outline, and loops that
// end when the application quits or tracking is cancelled.
#include <gtest/gtest.h>
#include <cmath>
#include <string>
#include <vector>

#include "document/Element.h"
#include "elements/PolyPath.h"
#include "geometry/PointList.h"
#include "platform/Clock.h"
#include "platform/CurrentEvent.h"
#include "tests/geometry/DrawingOwner.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"
#include "views/tools/InputPointList.h"

namespace {

class CountingView : public OwnerView {
public:
    void postMouseMove() override { ++posts; }
    int posts = 0;
};

// The element being entered. Its closing test is the polygon's: a click nearer than 4 pixels to
// the previous vertex is ignored, one within 5 pixels of the first vertex closes the polygon
// once it has three vertices (and is ignored before).
class EnteredElement : public Element {
public:
    ViewParams* viewParams() override { return &view; }
    InputPointList* inputPointList() override { return hasInputPoints ? &inputPoints : nullptr; }
    int previousInputPoint(Point* out) override
    {
        if (!hasPress)
            return 0;
        *out = press;
        return 1;
    }
    int screenToView(IntPoint& p) override { return p.x >= 0 && p.x <= 1000 && p.y >= 0 && p.y <= 1000; }
    void deviceToDrawing(Point* out, const IntPoint& device, int snap) override
    {
        out->x = device.x;
        out->y = device.y;
        out->z = 0.0;
        snapped += snap != 0;
    }
    void snapToGrid(Point* p) override
    {
        p->x = std::round(p->x);
        p->y = std::round(p->y);
    }
    void beginOverlay() override
    {
        overlayShown = 1;
        ++overlays;
    }
    void copyPainterToOverlay() override { ++painterCopies; }
    void flushView() override { ++viewFlushes; }
    void drawOverlayFigure(int operation) override { figures += operation == 21; }
    void captureMouse() override { ++captures; }
    void releaseMouse() override { ++releases; }
    void restartClickTimer() override { timer.start(); }
    int clickWithin150ms() override { return timer.notElapsed(150); }
    int clickWithin300ms() override { return timer.notElapsed(300); }
    int isDoubleClick() override { return timer.withinDoubleClickTime(); }
    int acceptsVertex(PolyPath& path, int* more) override
    {
        const PointList& list = *path.current;
        Point last, previous, first;
        EXPECT_EQ(list.getLastRecord(&last), 1);
        EXPECT_EQ(list.getRecord(list.count - 2, &previous), 1);
        EXPECT_EQ(list.getRecord(0, &first), 1);
        *more = 0;
        if (last.distanceTo2D(previous.x, previous.y) < 4)
            return 0;
        if (last.distanceTo2D(first.x, first.y) >= 5) {
            *more = 1;
            return 0;
        }
        return list.count > 3;
    }

    CountingView view;
    InputPointList inputPoints;
    int hasInputPoints = 1;
    int hasPress = 1;
    Point press{100.4, 99.6};
    TickTimer timer;
    int snapped = 0, overlays = 0, painterCopies = 0, viewFlushes = 0, figures = 0, captures = 0, releases = 0;
};

// A scripted mouse that sets the application's quit flag once the clock reaches a time.
class QuittingMouse : public ScriptedMouse {
public:
    void cursorPos(IntPoint& p) override
    {
        ScriptedMouse::cursorPos(p);
        if (quitAt && currentTickCount() >= quitAt && theApplication)
            theApplication->quit = 1;
    }
    DWORD quitAt = 0;
};

int noPump() { return 0; }

struct Step {
    DWORD at;
    int x, y, keys;
};

const int L = ScriptedMouse::kLeft;
const int R = ScriptedMouse::kRight;

std::vector<Point> pointsOf(const PointArray& list)
{
    std::vector<Point> points;
    for (int i = 0; i < list.count; ++i) {
        Point p;
        EXPECT_EQ(list.getRecord(i, &p), 1);
        points.push_back(p);
    }
    return points;
}

std::string text(const std::vector<Point>& points)
{
    std::string s;
    for (const Point& p : points)
        s += "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ") ";
    return s;
}

// Clicks at three places, then one near the first vertex: the owner's test closes the triangle.
const std::vector<Step> triangle = {
    {1000, 100, 100, L}, {1050, 100, 100, 0}, {1100, 200, 100, 0}, {1300, 200, 100, L}, {1350, 200, 100, 0},
    {1500, 150, 200, 0}, {1700, 150, 200, L}, {1750, 150, 200, 0}, {1900, 102, 101, 0}, {2100, 102, 101, L},
};

TEST(PolyPath, EntersVerticesByClicksAndDrags)
{
    struct Scenario {
        const char* name;
        int curve;
        std::vector<Step> script;
        int code;
        std::vector<Point> vertices; // the current list afterwards
        int inputPending;
    } scenarios[] = {
        {"clicks until the closing test accepts", 0, triangle, 1, {{100, 100}, {200, 100}, {150, 200}}, 0},
        {"a curve element keeps its vertices apart", 1, triangle, 1, {{100, 100}, {200, 100}, {150, 200}}, 0},
        // A press held for 400 ms while moving places the vertex at its release; leaving the view
        // cancels, and the input resumes with the next event.
        {"a drag, then the pointer leaves the view", 0,
         {{1000, 100, 100, L}, {1100, 180, 120, L}, {1400, 180, 120, 0}, {1600, 300, 300, 0}, {1800, 2000, 300, 0}},
         -1, {{100, 100}, {180, 120}}, 1},
        // A click within 4 pixels of the last vertex is ignored; the next far click counts.
        {"a click on the last vertex is ignored", 0,
         {{1000, 100, 100, L}, {1050, 100, 100, 0}, {1100, 200, 100, 0}, {1300, 200, 100, L}, {1350, 200, 100, 0},
          {1400, 202, 101, 0}, {1600, 202, 101, L}, {1650, 202, 101, 0}, {1700, 150, 200, 0}, {1900, 150, 200, L},
          {1950, 150, 200, 0}, {2000, 101, 100, 0}, {2200, 101, 100, L}},
         1, {{100, 100}, {200, 100}, {150, 200}}, 0},
        // Moving during a press of less than 150 ms still makes it a click: no vertex at its
        // release, the next press places one.
        {"a quick press that moves is a click", 0,
         {{1000, 100, 100, L}, {1030, 160, 100, L}, {1100, 160, 100, 0}, {1200, 200, 100, 0}, {1300, 200, 100, L},
          {1350, 200, 100, 0}, {1500, 2000, 100, 0}},
         -1, {{100, 100}, {200, 100}}, 1},
        // A drag of less than 300 ms onto the first vertex, which would close the polygon, is a
        // click as well: leaving the view afterwards cancels instead of closing.
        {"a quick drag onto the closing vertex is a click", 0,
         {{1000, 100, 100, L}, {1050, 100, 100, 0}, {1100, 200, 100, 0}, {1300, 200, 100, L}, {1350, 200, 100, 0},
          {1500, 150, 200, 0}, {1700, 150, 200, L}, {1750, 150, 200, 0}, {1900, 150, 200, L}, {2000, 102, 101, L},
          {2100, 102, 101, 0}, {2300, 2000, 101, 0}},
         -1, {{100, 100}, {200, 100}, {150, 200}}, 1},
        {"a second press within the double-click time with nothing drawn", 0,
         {{1000, 100, 100, L}, {1050, 100, 100, 0}, {1200, 100, 100, L}}, 15, {{100, 100}}, 0},
        {"a second press after the double-click time", 0,
         {{1000, 100, 100, L}, {1050, 100, 100, 0}, {1700, 100, 100, L}}, -1, {{100, 100}}, 0},
        {"a right click with only the first vertex cancels", 0,
         {{1000, 100, 100, L}, {1050, 100, 100, 0}, {1100, 150, 150, 0}, {1300, 150, 150, R}}, -1, {{100, 100}}, 0},
        // The first right click takes the second vertex back (it follows the pointer again);
        // the second leaves only the first vertex and cancels.
        {"right clicks take vertices back", 0,
         {{1000, 100, 100, L}, {1050, 100, 100, 0}, {1100, 200, 100, 0}, {1300, 200, 100, L}, {1350, 200, 100, 0},
          {1500, 150, 200, 0}, {1700, 150, 200, R}, {1750, 150, 200, 0}, {1800, 160, 210, 0}, {1900, 160, 210, R}},
         -1, {{100, 100}}, 0},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        TestApplication app;
        FakeClock clock(1000);
        QuittingMouse mouse; // quits long after the script, should a loop wait for ever
        mouse.quitAt = 10000;
        mouse.advanceClockPerRead(&clock, 10);
        for (const Step& step : s.script)
            mouse.at(step.at, step.x, step.y, step.keys);
        ScopedOverride<PolyPath::PumpStep> pump(PolyPath::pumpStep, noPump);
        EnteredElement element;
        PointList points;
        PolyPath path(&element, &points, s.curve);

        EXPECT_EQ(path.beginInput(0), s.code);
        const PointList* entered = s.curve ? path.working : &points;
        ASSERT_NE(entered, nullptr);
        EXPECT_EQ(text(pointsOf(*entered)), text(s.vertices));
        EXPECT_EQ(element.inputPending, s.inputPending);
        EXPECT_EQ(element.captures, element.releases);
        EXPECT_EQ(app->quit, 0) << "the input ended with the script";
        if (s.curve) {
            ASSERT_EQ(points.count, 10) << "the closed control polygon of the triangle";
            Point p;
            ASSERT_EQ(points.getRecord(1, &p), 1);
            EXPECT_NEAR(p.x, 100 + 100 / 3.0, 1e-9);
        }
        if (std::string(s.name) == "right clicks take vertices back") {
            EXPECT_EQ(element.view.posts, 1) << "the take-back with two vertices left redoes the cursor feedback";
        }
        if (s.code == -1 && s.inputPending) {
            EXPECT_GE(element.viewFlushes, 1);
        }
    }
}

TEST(PolyPath, BeginsAtTheSnappedPressPointOrNotAtAll)
{
    TestApplication app;
    FakeClock clock(1000);
    QuittingMouse mouse;
    mouse.quitAt = 10000;
    mouse.advanceClockPerRead(&clock, 10);
    mouse.at(1000, 100, 100, L).at(1050, 100, 100).at(1200, 100, 100, L);
    ScopedOverride<PolyPath::PumpStep> pump(PolyPath::pumpStep, noPump);

    EnteredElement element;
    PointList points;
    ASSERT_EQ(points.appendXY(7, 7), 1);
    PolyPath path(&element, &points, 0);
    element.hasInputPoints = 0;
    EXPECT_EQ(path.beginInput(0), 0);
    element.hasInputPoints = 1;
    element.hasPress = 0;
    EXPECT_EQ(path.beginInput(0), 0);
    EXPECT_EQ(text(pointsOf(points)), text({{7, 7}})) << "nothing started, nothing changed";
    PolyPath ownerless(nullptr, &points, 0);
    EXPECT_EQ(ownerless.beginInput(0), 0);
    EXPECT_EQ(ownerless.runInput(0), -1);

    element.hasPress = 1;
    EXPECT_EQ(path.beginInput(0), 15);
    EXPECT_EQ(text(pointsOf(points)), text({{100, 100}})) << "(100.4, 99.6) on the grid";
}

TEST(PolyPath, ShiftMakesTheNewSegmentHorizontalOrVertical)
{
    struct Case {
        int dx, dy, keys;
        double x, y;
    } cases[] = {
        {10, 3, ScriptedMouse::kShift, 110, 100},  {3, 10, ScriptedMouse::kShift, 100, 110},
        {7, 7, ScriptedMouse::kShift, 100, 107},   {-10, 3, ScriptedMouse::kShift, 90, 100},
        {3, -10, ScriptedMouse::kShift, 100, 90},  {-7, -7, ScriptedMouse::kShift, 100, 93},
        {10, 3, 0, 110, 103},
    };
    ScriptedMouse mouse;
    EnteredElement element;
    PointList points;
    PolyPath path(&element, &points, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dx << ", " << c.dy << (c.keys ? " with Shift" : ""));
        ASSERT_EQ(points.resize(0), 1);
        ASSERT_EQ(points.appendXY(100, 100), 1);
        ASSERT_EQ(points.appendXY(100, 100), 1);
        mouse.rest(0, 0, c.keys);
        path.setLastFromDevice(IntPoint(100 + c.dx, 100 + c.dy));
        EXPECT_EQ(text(pointsOf(points)), text({{100, 100}, {c.x, c.y}}));
        EXPECT_TRUE(path.device.equalsXY(100 + c.dx, 100 + c.dy));
    }
    // A single point has no segment to constrain.
    ASSERT_EQ(points.resize(1), 1);
    mouse.rest(0, 0, ScriptedMouse::kShift);
    path.setLastFromDevice(IntPoint(130, 110));
    EXPECT_EQ(text(pointsOf(points)), text({{130, 110}}));
}

TEST(PolyPath, CurveOutlineIsTheClosedControlPolygonOfTheVertices)
{
    EnteredElement element;
    PointList points;
    PolyPath path(&element, &points, 1);
    ASSERT_EQ(path.recreateWorkingList(), 1);
    path.selectCurrentList();
    ASSERT_EQ(path.current, path.working);
    ASSERT_EQ(points.appendXY(-1, -1), 1);

    const Point vertex[] = {{0, 0}, {30, 0}, {30, 60}, {0, 60}};
    for (int n = 0; n <= 4; ++n) {
        SCOPED_TRACE(::testing::Message() << n << " vertices");
        if (n > 0) {
            ASSERT_EQ(path.working->appendXY(vertex[n - 1].x, vertex[n - 1].y), 1);
        }
        int result = path.buildCurveOutline();
        if (n < 2) {
            EXPECT_EQ(result, n);
            EXPECT_EQ(text(pointsOf(points)), text({{-1, -1}}));
            continue;
        }
        ASSERT_EQ(result, 1);
        if (n == 2) {
            EXPECT_EQ(text(pointsOf(points)), text({{0, 0}, {30, 0}}));
            continue;
        }
        ASSERT_EQ(points.count, 3 * n + 1);
        for (int i = 0; i < n; ++i) {
            const Point& p = vertex[i];
            const Point& q = vertex[(i + 1) % n];
            std::vector<Point> expected = {p, {p.x + (q.x - p.x) / 3, p.y + (q.y - p.y) / 3},
                                           {p.x + (q.x - p.x) * 2 / 3, p.y + (q.y - p.y) * 2 / 3}};
            std::vector<Point> got = pointsOf(points);
            EXPECT_EQ(text({got.begin() + 3 * i, got.begin() + 3 * i + 3}), text(expected)) << "edge " << i;
        }
        Point last;
        ASSERT_EQ(points.getLastRecord(&last), 1);
        EXPECT_EQ(text({last}), text({vertex[0]}));
    }

    PolyPath plain(&element, &points, 0);
    EXPECT_EQ(plain.buildCurveOutline(), 0) << "only curve elements have an outline";
    EXPECT_EQ(plain.current, &points);
}

TEST(PolyPath, EveryLoopEndsWhenTheApplicationQuitsOrTrackingIsCancelled)
{
    // The button held to the end of the script (a drag that never ends) and the pointer resting
    // with no button (following the mouse), each ended three ways: the quit flag set while the
    // loop runs, WM_QUIT met by the pump, and a menu command waiting.
    struct Scenario {
        const char* name;
        std::vector<Step> script;
        int code;
        int inputPending;
    } scenarios[] = {
        {"button held", {{1000, 100, 100, L}, {1100, 150, 150, L}}, -1, 0},
        {"following the mouse", {{1000, 100, 100, 0}, {1100, 150, 150, 0}}, -1, 1},
    };
    enum class Ending { QuitFlag, QuitMessage, MenuCommand };
    for (const Scenario& s : scenarios) {
        for (Ending ending : {Ending::QuitFlag, Ending::QuitMessage, Ending::MenuCommand}) {
            SCOPED_TRACE(::testing::Message() << s.name << ", ending " << static_cast<int>(ending));
            TestApplication app;
            ASSERT_NE(theCurrentEvent, nullptr);
            FakeClock clock(1000);
            QuittingMouse mouse;
            mouse.advanceClockPerRead(&clock, 10);
            for (const Step& step : s.script)
                mouse.at(step.at, step.x, step.y, step.keys);
            EnteredElement element;
            PointList points;
            PolyPath path(&element, &points, 0);
            if (ending == Ending::QuitFlag) {
                ScopedOverride<PolyPath::PumpStep> pump(PolyPath::pumpStep, noPump);
                mouse.quitAt = 1500;
                EXPECT_EQ(path.beginInput(0), s.code);
                EXPECT_LT(clock.now(), 1600u);
            } else {
                // The program's own pump: each loop step is one nested pump step.
                if (ending == Ending::QuitMessage) {
                    PostQuitMessage(0);
                } else {
                    ASSERT_TRUE(PostMessageA(nullptr, WM_COMMAND, MAKEWPARAM(40001, 0), 0));
                }
                EXPECT_EQ(path.beginInput(0), s.code);
                EXPECT_EQ(app->quit, ending == Ending::QuitMessage ? 1 : 0);
                MSG waiting;
                if (ending == Ending::MenuCommand) {
                    EXPECT_TRUE(PeekMessageA(&waiting, nullptr, WM_COMMAND, WM_COMMAND, PM_NOREMOVE))
                        << "the command stays queued for the frame";
                }
            }
            EXPECT_EQ(text(pointsOf(points)), text({{100, 100}})) << "the moving end is gone";
            EXPECT_EQ(element.inputPending, s.inputPending);
            EXPECT_EQ(element.captures, element.releases);
            EXPECT_GE(element.viewFlushes, 1);
        }
    }
}

} // namespace
