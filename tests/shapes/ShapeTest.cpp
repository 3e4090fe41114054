// The shape base: which operations it takes, pen widths, stroke placement, the rotated copy of
// the points, the colour of each operation, and sideways outlines.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "geometry/GrayValue.h"
#include "geometry/PickSettings.h"
#include "geometry/PointList.h"
#include "shapes/Shape.h"
#include "tests/shapes/ShapeTestDrawing.h"

using shape_test::ShapeDrawing;

namespace {

std::string pointsText(const PointArray& list)
{
    std::string out;
    for (int i = 0; i < list.count; ++i) {
        char buffer[64];
        // Rounded to 1e-9: the turned constructions leave 1e-16 for 0.
        const double x = std::round(list.getX(i) * 1e9) / 1e9 + 0.0, y = std::round(list.getY(i) * 1e9) / 1e9 + 0.0;
        std::snprintf(buffer, sizeof buffer, "%s(%g,%g)", i ? " " : "", x, y);
        out += buffer;
    }
    return out;
}

void fill(PointArray& list, const std::vector<Point>& points)
{
    list.count = 0;
    for (const Point& p : points)
        ASSERT_TRUE(list.appendXY(p.x, p.y));
}

} // namespace

TEST(ShapeOperation, TheFilterTakesTheDrawingOperationsAndPostScriptOnlyWhileAJobRuns)
{
    ShapeDrawing d;
    Shape shape;
    shape.context = &d.context;
    struct Case {
        int op;
        int withoutPostScript; // accepted while no PostScript job runs
        int withPostScript;
        int printerOutput; // when accepted
    };
    const Case cases[] = {
        {1, 1, 1, 0},   {2, 1, 1, 0},   {11, 1, 1, 0},  {12, 1, 1, 0}, {13, 1, 1, 0}, {14, 1, 1, 0},
        {15, 1, 1, 0},  {21, 1, 1, 0},  {22, 1, 1, 0},  {31, 1, 1, 0}, {32, 1, 1, 0}, {33, 1, 1, 0},
        {41, 1, 1, 0},  {73, 1, 1, 0},  {71, 1, 1, 1},  {72, 0, 1, 1}, {3, 0, 0, 0},  {74, 0, 0, 0},
        {75, 0, 0, 0},  {0, 0, 0, 0},   {-1, 0, 0, 0},  {16, 0, 0, 0},
    };
    for (const Case& c : cases) {
        for (int running = 0; running <= 1; ++running) {
            d.postScriptRunning(running);
            shape.printerOutput = 1;
            const int expected = running ? c.withPostScript : c.withoutPostScript;
            EXPECT_EQ(shape.acceptsOp(c.op), expected) << "op " << c.op << " postscript " << running;
            EXPECT_EQ(shape.printerOutput, expected ? c.printerOutput : 0) << "op " << c.op;
        }
    }
}

TEST(ShapeOperation, ThePenIsTheLargestOddPixelCountOfTheWidth)
{
    ShapeDrawing d;
    d.pixelsPerMillimetre(1.0); // a width of n millimetres is n pixels
    Shape shape;
    shape.context = &d.context;
    struct Case {
        double width;
        int pen;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {{4.0, 3},  {1.0, 1},     {0.0, 1},      {5.0, 5},    {4.9, 3},
                          {2.0, 1},  {0.5, 1},     {-3.0, 1},     {nan, 1},    {1e9, 31999},
                          {-1e9, 1}, {HUGE_VAL, 31999}};
    for (const Case& c : cases) {
        shape.devicePenWidth = 77;
        shape.updateDevicePenWidth(c.width);
        EXPECT_EQ(shape.devicePenWidth, c.pen) << "width " << c.width;
    }
    Shape withoutView;
    withoutView.updateDevicePenWidth(4.0);
    EXPECT_EQ(withoutView.devicePenWidth, 1);
}

TEST(ShapeOperation, StrokeFactorsFollowTheLinePosition)
{
    struct Case {
        int position;
        double leading, centre, trailing;
    };
    // TOP keeps the band on the - normal side, BOTTOM on the + normal side; any other code is
    // CENTER.
    const Case cases[] = {{2, 0.0, -0.5, 1.0}, {3, 1.0, 0.5, 0.0}, {1, 0.5, 0.0, 0.5},
                          {0, 0.5, 0.0, 0.5},  {7, 0.5, 0.0, 0.5}, {-2, 0.5, 0.0, 0.5}};
    Shape shape;
    for (const Case& c : cases) {
        shape.setStrokeFactors(c.position);
        EXPECT_EQ(shape.leadingFactor(), c.leading) << "position " << c.position;
        EXPECT_EQ(shape.centerOffsetFactor(), c.centre) << "position " << c.position;
        EXPECT_EQ(shape.trailingWidthFactor(), c.trailing) << "position " << c.position;
    }
}

TEST(ShapeOperation, ARotationTurnsACopyAndNeverTheElementsPoints)
{
    PointList element;
    fill(element, {{10.0, 0.0}, {20.0, 5.0}});
    struct Case {
        double angle;
        bool turned;
        const char* points; // what path shows afterwards
    };
    // Turning by +90 degrees about (10, 0) takes (20, 5) to (15, -10).
    const Case cases[] = {{0.0, false, "(10,0) (20,5)"},
                          {1e-6, false, "(10,0) (20,5)"},
                          {std::numeric_limits<double>::quiet_NaN(), false, "(10,0) (20,5)"},
                          {90.0, true, "(10,0) (15,-10)"}};
    for (const Case& c : cases) {
        Shape shape;
        shape.path = &element;
        shape.setRotation(c.angle, 10.0, 0.0, 0.0);
        ASSERT_EQ(shape.rotatePath(), 1);
        EXPECT_EQ(shape.path != &element, c.turned) << c.angle;
        EXPECT_EQ(shape.workPoints != nullptr, c.turned) << c.angle;
        EXPECT_EQ(pointsText(*shape.path), c.points) << c.angle;
        EXPECT_EQ(pointsText(element), "(10,0) (20,5)") << c.angle;
    }
}

TEST(ShapeOperation, EachOperationDrawsInItsColour)
{
    ShapeDrawing d;
    PickSettings pick; // cyan
    InkColor own;
    own.setRgb(200, 10, 20);
    struct Case {
        int op;
        bool withPickSettings;
        bool withUpdater;
        COLORREF expected;
    };
    const COLORREF ownRef = RGB(200, 10, 20), white = RGB(255, 255, 255), cyan = RGB(0, 255, 255), fresh = RGB(0, 0, 0);
    const Case cases[] = {
        {1, true, true, ownRef},    {13, true, true, ownRef},   {21, true, true, ownRef}, {31, true, true, ownRef},
        {32, true, true, ownRef},   {33, true, true, ownRef},   {41, true, true, ownRef}, {71, true, true, ownRef},
        {72, true, true, ownRef},   {2, true, true, white},     {11, true, true, cyan},   {12, true, true, cyan},
        {14, true, true, cyan},     {22, true, true, cyan},     {11, false, true, fresh}, {15, true, true, fresh},
        {73, true, true, fresh},    {2, true, false, ownRef},   {11, true, false, ownRef},
    };
    for (const Case& c : cases) {
        ScopedOverride<PickSettings*> settings(thePickSettings, c.withPickSettings ? &pick : nullptr);
        ScopedOverride<ViewUpdater*> updater(d.context.updater, c.withUpdater ? d.context.updater : nullptr);
        Shape shape;
        shape.context = &d.context;
        InkColor out;
        shape.colourForOperation(c.op, own, out);
        EXPECT_EQ(out.colorRef, c.expected) << "op " << c.op;
    }

    // The gray value tints the effective colour as the colour's own tint does.
    Shape shape;
    shape.setEffectiveColor(own);
    shape.applyGray();
    EXPECT_EQ(shape.effectiveColour.colorRef, ownRef) << "no gray value, no tint";
    ASSERT_TRUE(shape.ensure(shape.gray));
    shape.gray->value = 0.5;
    shape.applyGray();
    RgbColor half(200, 10, 20);
    half.applyTint(50);
    EXPECT_EQ(shape.effectiveColour.colorRef, half.colorRef);
    EXPECT_NE(half.colorRef, ownRef);
}

TEST(ShapeOutline, SidesAreOffsetAcrossStraightVerticesRepeatsAndReversals)
{
    ShapeDrawing d;
    d.setScale(1, 2);
    struct Case {
        const char* name;
        std::vector<Point> points;
        double distance;
        int direction;
        int endMode;
        int toDrawing;
        int result;
        const char* expected;
    };
    // The side is the direction turned by +90 degrees: (1, 0) goes to (0, -1), (0, 1) to (1, 0).
    const Case cases[] = {
        {"one segment", {{0, 0}, {10, 0}}, 1.0, 1, 0, 0, 1, "(0,-1) (10,-1)"},
        {"other side", {{0, 0}, {10, 0}}, -1.0, 1, 0, 0, 1, "(0,1) (10,1)"},
        {"walked backward", {{0, 0}, {10, 0}}, 1.0, -1, 0, 0, 1, "(10,1) (0,1)"},
        {"corner", {{0, 0}, {10, 0}, {10, 10}}, 1.0, 1, 0, 0, 1, "(0,-1) (11,-1) (11,10)"},
        {"straight through", {{0, 0}, {10, 0}, {20, 0}}, 1.0, 1, 0, 0, 1, "(0,-1) (10,-1) (20,-1)"},
        {"repeated points", {{0, 0}, {0, 0}, {10, 0}, {10, 0}, {10, 10}}, 1.0, 1, 0, 0, 1, "(0,-1) (11,-1) (11,10)"},
        {"reversal", {{0, 0}, {10, 0}, {0, 0}}, 1.0, 1, 0, 0, 1, "(0,-1) (10,-1) (10,1) (0,1)"},
        {"first segment only", {{0, 0}, {10, 0}, {10, 10}}, 1.0, 1, 1, 0, 1, "(0,-1) (10,-1)"},
        {"without the last", {{0, 0}, {10, 0}, {10, 10}}, 1.0, 1, -1, 0, 1, "(0,-1) (11,-1)"},
        {"in drawing units", {{0, 0}, {10, 0}}, 1.0, 1, 0, 1, 1, "(0,-2) (20,-2)"},
        {"copied", {{0, 0}, {10, 0}, {10, 10}}, 0.0, 1, 0, 0, 1, "(0,0) (10,0) (10,10)"},
        {"copied backward", {{0, 0}, {10, 0}, {10, 10}}, 1e-7, -1, 0, 0, 1, "(10,10) (10,0) (0,0)"},
        {"first two copied", {{0, 0}, {10, 0}, {10, 10}}, 0.0, 1, 2, 0, 1, "(0,0) (10,0)"},
        {"copied but the last", {{0, 0}, {10, 0}, {10, 10}}, 0.0, 1, -1, 0, 1, "(0,0) (10,0)"},
        {"one point", {{5, 5}}, 1.0, 1, 0, 0, 0, ""},
        {"one place", {{5, 5}, {5, 5}, {5, 5}}, 1.0, 1, 0, 0, 0, ""},
        {"nothing", {}, 1.0, 1, 0, 0, 0, ""},
    };
    Shape shape;
    shape.context = &d.context;
    for (const Case& c : cases) {
        PointList points, out;
        fill(points, c.points);
        EXPECT_EQ(shape.buildOutline(c.toDrawing, points, out, c.distance, c.direction, c.endMode), c.result) << c.name;
        EXPECT_EQ(pointsText(out), c.expected) << c.name;
    }
}
