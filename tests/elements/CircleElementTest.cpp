// The circle element: the angles of the full, half and quarter types and the part of the circle
// they draw, rotation and scale, the radius queries, and creation by the scripted mouse with the
// type keys.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "document/ElementKind.h"
#include "elements/CircleElement.h"
#include "geometry/DoubleValue.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "shapes/OvalType.h"
#include "shapes/RadiusList.h"
#include "tests/elements/LineFixture.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/SurfaceUpdater.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

const int kCircle = kindCode(ElementKind::Circle);

std::unique_ptr<CircleElement> newCircle(LineDrawing& drawing, Point centre, double radius)
{
    std::unique_ptr<CircleElement> circle(static_cast<CircleElement*>(drawing.registry->createElement(kCircle)));
    circle->context = &drawing.context;
    circle->kind = kCircle;
    *static_cast<Point*>(circle->thirdPoint()) = centre;
    circle->radii()->setSingle(radius);
    circle->lineWidth()->width = 0.0;
    return circle;
}

TEST(CircleAngles, EachTypeOpensTowardsTheCursorAndDrawsThatPart)
{
    // Drawn at 4 pixels per millimetre the ink stays within the box of the part (a pixel of
    // rounding aside).
    // Centre (50, 50), radius 5, y growing downwards: the upper half runs 0 to 180.
    struct Case {
        const char* name;
        int type;
        Point cursor;
        double start, end;
        Point moved;   // the start point afterwards
        Point lo, hi;  // the box of what is drawn
    };
    const Case cases[] = {
        {"full", OvalType::kFull, {53, 46}, 0, 360, {53, 46}, {45, 45}, {55, 55}},
        {"half, left of the centre", OvalType::kHalf, {40, 52}, 90, 270, {40, 50}, {45, 45}, {50, 55}},
        {"half, right of it", OvalType::kHalf, {60, 48}, 270, 450, {60, 50}, {50, 45}, {55, 55}},
        {"half, above", OvalType::kHalf, {49, 40}, 0, 180, {50, 40}, {45, 45}, {55, 50}},
        {"half, below", OvalType::kHalf, {52, 60}, 180, 360, {50, 60}, {45, 50}, {55, 55}},
        {"quarter at (c.x + 3, c.y - 4)", OvalType::kQuart, {53, 46}, 0, 90, {53, 46}, {50, 45}, {55, 50}},
        {"quarter upper left", OvalType::kQuart, {47, 46}, 90, 180, {47, 46}, {45, 45}, {50, 50}},
        {"quarter lower left", OvalType::kQuart, {47, 54}, 180, 270, {47, 54}, {45, 50}, {50, 55}},
        {"quarter lower right", OvalType::kQuart, {53, 54}, 270, 360, {53, 54}, {50, 50}, {55, 55}},
        {"a corrupt type is full", 9, {40, 52}, 0, 360, {40, 52}, {45, 45}, {55, 55}},
    };
    TestApplication app;
    LineDrawing drawing;
    drawing.view->scale = drawing.view->lengthScale = 4.0;
    for (const Case& c : cases) {
        SurfaceUpdater updater(400, 400);
        ScopedOverride<ViewUpdater*> installed(drawing.context.updater, &updater);
        auto circle = newCircle(drawing, {50, 50}, 5.0);
        circle->edge()->colour.setRgb(0, 0, 0);
        circle->ovalType()->value = c.type;
        *static_cast<Point*>(circle->firstPoint()) = c.cursor;
        circle->setAnglesByType();
        EXPECT_EQ(circle->value1()->value, c.start) << c.name;
        EXPECT_EQ(circle->value2()->value, c.end) << c.name;
        EXPECT_EQ(circle->firstPoint()->x, c.moved.x) << c.name;
        EXPECT_EQ(circle->firstPoint()->y, c.moved.y) << c.name;
        circle->computeExtent(1);
        EXPECT_NEAR(circle->extentMin.x, c.lo.x, 0.01) << c.name;
        EXPECT_NEAR(circle->extentMin.y, c.lo.y, 0.01) << c.name;
        EXPECT_NEAR(circle->extentMax.x, c.hi.x, 0.01) << c.name;
        EXPECT_NEAR(circle->extentMax.y, c.hi.y, 0.01) << c.name;
        EXPECT_EQ(circle->draw(), 1) << c.name;
        RECT ink;
        ASSERT_TRUE(updater.surface.inkBox(ink)) << c.name;
        EXPECT_GE(ink.left, 4 * c.lo.x - 1) << c.name;
        EXPECT_GE(ink.top, 4 * c.lo.y - 1) << c.name;
        EXPECT_LE(ink.right, 4 * c.hi.x + 2) << c.name;
        EXPECT_LE(ink.bottom, 4 * c.hi.y + 2) << c.name;
    }
}

TEST(CircleGeometry, RotationScaleRadiusQueriesAndHitTest)
{
    TestApplication app;
    LineDrawing drawing;

    // Rotating turns the centre and the opening; rotating back restores both.
    struct Case {
        double start, end, angle;
        double turnedStart, turnedEnd;
    };
    const Case cases[] = {
        {90, 270, 90, 180, 360}, {0, 360, 45, 45, 405}, {0, 90, -90, 270, 360},
    };
    for (const Case& c : cases) {
        auto circle = newCircle(drawing, {10, 0}, 2.5);
        circle->value1()->value = c.start, circle->value2()->value = c.end;
        circle->rotate(c.angle, 100, 100, 0);
        EXPECT_NEAR(circle->value1()->value, c.turnedStart, 1e-9) << c.start << " by " << c.angle;
        EXPECT_NEAR(circle->value2()->value, c.turnedEnd, 1e-9) << c.start << " by " << c.angle;
        EXPECT_GT(std::hypot(circle->thirdPoint()->x - 10, circle->thirdPoint()->y), 1.0) << "the centre moved";
        circle->rotate(-c.angle, 100, 100, 0);
        EXPECT_NEAR(std::fmod(circle->value1()->value, 360.0), std::fmod(c.start, 360.0), 1e-9);
        EXPECT_NEAR(circle->value2()->value - circle->value1()->value, c.end - c.start, 1e-9);
        EXPECT_NEAR(circle->thirdPoint()->x, 10, 1e-9);
        EXPECT_NEAR(circle->thirdPoint()->y, 0, 1e-9);
    }
    // Corrupt angles neither hang nor spread.
    auto corrupt = newCircle(drawing, {0, 0}, 1.0);
    corrupt->value1()->value = 1e300;
    corrupt->rotate(30, 0, 0, 0);
    corrupt->rotate(std::nan(""), 0, 0, 0);
    EXPECT_TRUE(std::isfinite(corrupt->value1()->value));
    corrupt->computeExtent(1);
    EXPECT_TRUE(std::isfinite(corrupt->extentMin.x) && std::isfinite(corrupt->extentMax.y));

    // Radius 2.5: one value, the diameter 5 and the centre.
    auto circle = newCircle(drawing, {3, 4}, 2.5);
    double d[2] = {-1, -1}, r[2] = {-1, -1};
    Point centre;
    EXPECT_EQ(circle->getDiameter(d, &centre), 1);
    EXPECT_EQ(d[0], 5.0);
    EXPECT_EQ(centre.x, 3.0);
    EXPECT_EQ(centre.y, 4.0);
    EXPECT_EQ(circle->getRadius(r, nullptr), 1);
    EXPECT_EQ(r[0], 2.5);

    // Scaling about a point moves the centre and scales the radius.
    circle->scale(2.0, Point(0, 0), 0);
    EXPECT_EQ(circle->thirdPoint()->x, 6.0);
    EXPECT_EQ(circle->radii()->first(), 5.0);

    // The select tool's arc test by the angles: a full circle is picked all round (it has no three
    // distinct points), a half only on its side, never at the centre; a 2 mm BOTTOM stroke lies
    // outside the radius of 10.
    struct Hit {
        double start, end;
        int position;
        Point cursor;
        int hit;
    };
    const Hit hits[] = {
        {0, 360, LineOriginAttribute::kCenter, {0, -10}, 1}, {0, 360, LineOriginAttribute::kCenter, {10, 0}, 1},
        {0, 360, LineOriginAttribute::kCenter, {0, 0}, 0},   {0, 180, LineOriginAttribute::kCenter, {0, -10}, 1},
        {0, 180, LineOriginAttribute::kCenter, {0, 10}, 0},  {0, 360, LineOriginAttribute::kBottom, {0, 11.8}, 1},
        {0, 360, LineOriginAttribute::kCenter, {0, 11.8}, 0},
    };
    drawing.tool->picks = 1;
    for (const Hit& h : hits) {
        auto picked = newCircle(drawing, {0, 0}, 10.0);
        picked->value1()->value = h.start, picked->value2()->value = h.end;
        picked->lineWidth()->width = 2.0;
        picked->linePosition()->position = h.position;
        drawing.tool->cursor = h.cursor;
        EXPECT_EQ(picked->hitTest(), h.hit) << h.start << ".." << h.end << " at " << h.cursor.x << "," << h.cursor.y;
        EXPECT_EQ(drawing.tool->askedPosition, h.position);
    }
}

TEST(CircleCreation, DragClicksTypeKeysAndShift)
{
    enum Keys { N = ScriptedMouse::kNone, L = ScriptedMouse::kLeft, S = ScriptedMouse::kShift };
    struct Step {
        DWORD at;
        int x, y, keys;
    };
    struct Case {
        const char* name;
        std::vector<Step> script; // the press at the centre (50, 50) is the first step, at 1000 ms
        int typed;
        int result;
        double radius, start, end;
        int type;
    };
    const Case cases[] = {
        {"a drag sets the radius", {{1000, 50, 50, L}, {1100, 60, 50, L}, {1300, 60, 50, N}}, 0, 1, 10, 0, 360,
         OvalType::kFull},
        {"'h' left of the centre", {{1000, 50, 50, L}, {1100, 42, 44, L}, {1300, 42, 44, N}}, 'h', 1, 10, 90, 270,
         OvalType::kHalf},
        {"'q' at (c.x + 3, c.y - 4)", {{1000, 50, 50, L}, {1100, 53, 46, L}, {1300, 53, 46, N}}, 'q', 1, 5, 0, 90,
         OvalType::kQuart},
        {"Shift puts the end on the horizontal", {{1000, 50, 50, L}, {1100, 60, 53, L | S}, {1300, 60, 53, S}}, 0, 1,
         10, 0, 360, OvalType::kFull},
        {"a quick click, then a click", {{1000, 50, 50, L}, {1030, 50, 50, N}, {1200, 50, 58, N}, {1400, 50, 58, L}},
         0, 1, 8, 0, 360, OvalType::kFull},
        {"a click in place within the double-click time", {{1000, 50, 50, L}, {1030, 50, 50, N}, {1200, 50, 50, L}},
         0, 15, 5, 0, 360, OvalType::kFull},
    };
    TestApplication app;
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        ScriptedMouse mouse;
        for (const Step& s : c.script)
            mouse.at(s.at, s.x, s.y, s.keys);
        mouse.advanceClockPerRead(&clock, 50);
        drawing.points->press = Point(50, 50);
        drawing.points->has = 1;
        ScopedOverride<int> code(theCurrentEvent->code, c.typed ? EV_KEY_DOWN : 0);
        ScopedOverride<UINT> message(theCurrentEvent->message, WM_CHAR);
        ScopedOverride<WPARAM> character(theCurrentEvent->wParam, static_cast<WPARAM>(c.typed));
        auto circle = newCircle(drawing, {0, 0}, 5.0);
        circle->restartClickTimer();
        EXPECT_EQ(circle->beginCreateInput(0), c.result) << c.name;
        EXPECT_EQ(circle->thirdPoint()->x, 50.0) << c.name;
        EXPECT_NEAR(circle->radii()->first(), c.radius, 1e-9) << c.name;
        EXPECT_EQ(circle->value1()->value, c.start) << c.name;
        EXPECT_EQ(circle->value2()->value, c.end) << c.name;
        EXPECT_EQ(circle->ovalType()->value, c.type) << c.name;
    }
}

} // namespace
