// The length, angle, radius and diameter dimension shapes: the numerals' texts, the frame and the parts each
// figure draws, degenerate points, the hit tests, and the PostScript and PDF output at any zoom.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "document/MeasureDefaults.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/FontAttributes.h"
#include "geometry/LineAttribute.h"
#include "geometry/PointList.h"
#include "platform/RgbColor.h"
#include "platform/UnitConverter.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/CircleDimensionShape.h"
#include "shapes/DiameterList.h"
#include "shapes/DimensionNumeral.h"
#include "shapes/LineShape.h"
#include "shapes/MeasureAttributes.h"
#include "shapes/MeasureShape.h"
#include "shapes/MsrAngleShape.h"
#include "shapes/RadiusList.h"
#include "tests/shapes/CurveTestSupport.h"
#include "tests/support/IdleMembers.h"

using curve_test::pointsOf;
using shape_test::ShapeDrawing;

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Dimension {
    std::vector<Point> points;
    Point display{0, 0};
    int direction = MeasureAttributes::kRight;
    int position = MeasureAttributes::kCentre;
    int decimals = 0;
    unsigned arrowKind = ArrowHeadStyle::kArrow;
    int extensionStyle = 1;
    int dimensionStyle = 1;
    int drawType = MsrAngleShape::kArc;
    RgbColor numeralColour;
};

template <class DimensionKind> void fill(DimensionKind& shape, ShapeDrawing& d, const Dimension& dim, PointList& list)
{
    for (const Point& p : dim.points)
        EXPECT_TRUE(list.appendXY(p.x, p.y));
    shape.context = &d.context;
    shape.setPoints(&list);
    shape.setDisplayPoint(DrawPoint(dim.display.x, dim.display.y));
    MeasureAttributes numeral;
    numeral.direction = dim.direction;
    numeral.numeralPosition = dim.position;
    numeral.decimals = dim.decimals;
    numeral.setNumeralColour(dim.numeralColour);
    shape.setMeasure(numeral);
    ArrowHeadStyle head;
    head.kind = dim.arrowKind;
    shape.setArrowHead(head);
    DrawLineAttribute extension;
    extension.style = dim.extensionStyle;
    shape.setExtensionLine(extension);
    LineAttribute line;
    line.style = dim.dimensionStyle;
    shape.setDimensionLine(line);
    FontAttributes font;
    shape.setFont(font);
}

// The texts the PDF output shows, in order.
std::vector<std::string> numerals(const OperatorLog& log)
{
    std::vector<std::string> texts;
    for (const std::string& e : log.entries)
        if (e.compare(0, 3, "Tj ") == 0)
            texts.push_back(e.substr(3));
    return texts;
}

// The numbers of every recorded operator `name`.
std::vector<std::vector<double>> operands(const OperatorLog& log, const std::string& name)
{
    std::vector<std::vector<double>> all;
    for (const std::string& e : log.entries) {
        std::istringstream in(e);
        std::string op;
        if (!(in >> op) || op != name)
            continue;
        std::vector<double> values;
        double v = 0.0;
        while (in >> v)
            values.push_back(v);
        all.push_back(values);
    }
    return all;
}

// A select tool whose pick is one point: strokes and polylines within 0.3 of it and polygons
// holding it are hit.
class PickPoint : public IdleSelectTool {
public:
    int hitTestStrokeWithCaps(const Point& a, const Point& b, double, int) override { return touches(a, b); }
    int hitTestOpenPolyline(const PointArray& points, double, int) override
    {
        Point a, b;
        for (int i = 0; i + 1 < points.count; ++i)
            if (points.getPoint(i, &a) && points.getPoint(i + 1, &b) && touches(a, b))
                return 1;
        return 0;
    }
    int hitOutline(const PointList& points, double, int, int, int) override
    {
        int inside = 0;
        Point a, b;
        for (int i = 0, j = points.count - 1; i < points.count; j = i++) {
            if (points.getPoint(i, &a) && points.getPoint(j, &b) && (a.y > pick.y) != (b.y > pick.y) &&
                pick.x < (b.x - a.x) * (pick.y - a.y) / (b.y - a.y) + a.x)
                inside = !inside;
        }
        return inside;
    }
    int touches(const Point& a, const Point& b) const
    {
        const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
        double t = length2 > 0 ? ((pick.x - a.x) * dx + (pick.y - a.y) * dy) / length2 : 0.0;
        t = t < 0 ? 0 : t > 1 ? 1 : t;
        return std::hypot(a.x + dx * t - pick.x, a.y + dy * t - pick.y) <= 0.3;
    }
    Point pick;
};

Point atAngle(double degrees, double r = 10.0)
{
    return Point(r * std::cos(degrees * kPi / 180.0), -r * std::sin(degrees * kPi / 180.0));
}

} // namespace

// The value as the numeral writes it: half a unit added, then cut from the 15-digit form.
TEST(DimensionNumeral, ValuesAreRoundedByTheHalfUnitThenCut)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {12.344, 2, "12.34"}, {12.346, 2, "12.35"}, {12.4, 2, "12.4"}, {2.675, 2, "2.68"}, {1.005, 2, "1.01"},
        {50.0, 1, "50"},      {49.96, 1, "50"},     {3.0, 3, "3"},     {0.5, 0, "1"},     {nan, 2, "0"},
        {7.25, 99, "7"},      {7.25, -1, "7"},      {1e300, 2, "0"},
    };
    for (const Case& c : cases) {
        char text[DimensionNumeral::kTextSize] = {};
        (void)DimensionNumeral::formatValue(c.value, c.decimals, text, sizeof text); // "0" on failure
        EXPECT_STREQ(text, c.text) << c.value << " with " << c.decimals << " decimals";
    }
}

// The frame from the first and last point: the value and the numeral's turn for each direction.
TEST(MeasureShape, DirectionsGiveValueAndNumeralAngle)
{
    struct Case {
        Point a, b;
        int direction;
        const char* text;
        double theta;
    } cases[] = {
        {{0, 0}, {30, 40}, MeasureAttributes::kFreeDirection, "50", 360.0 - 53.1301},
        {{0, 0}, {30, 40}, MeasureAttributes::kHorizontal, "30", 0},
        {{0, 0}, {30, 40}, MeasureAttributes::kVertical, "40", 270},
        {{0, 0}, {30, 40}, MeasureAttributes::kRight, "40", 270},
        {{40, 0}, {0, 10}, MeasureAttributes::kHorizontal, "40", 180},
        {{0, 40}, {5, 0}, MeasureAttributes::kRight, "40", 90},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        Dimension dim;
        dim.points = {c.a, c.b};
        dim.display = Point(-20, -20);
        dim.direction = c.direction;
        dim.decimals = 1;
        MeasureShape shape;
        PointList list;
        fill(shape, d, dim, list);
        ASSERT_EQ(shape.execute(ShapeOp::Pdf, 2), 1);
        EXPECT_EQ(numerals(d.pdf.log), std::vector<std::string>{c.text}) << c.direction;
        EXPECT_NEAR(shape.theta, c.theta, 1e-3) << c.direction;
        // The text matrix turns by the numeral's angle and carries its size in points (the
        // font is selected at size 1).
        const auto matrices = operands(d.pdf.log, "Tm");
        ASSERT_EQ(matrices.size(), 1u);
        const double points = FontAttributes().size * 72.0 / 25.4;
        EXPECT_GT(points, 5.0);
        EXPECT_NEAR(matrices[0][0], points * std::cos(c.theta * kPi / 180.0), 1e-6) << c.direction;
        EXPECT_NEAR(matrices[0][1], points * std::sin(c.theta * kPi / 180.0), 1e-6) << c.direction;
        ASSERT_EQ(shape.execute(ShapeOp::Draw, 2), 1) << "drawn on the screen too";
    }
}

// Which parts are drawn: each switch drops only its part, a chain draws one extension line per
// point and one numeral per segment, and points on the dimension line divide by nothing.
TEST(MeasureShape, PartsFollowTheirSwitchesAndChains)
{
    struct Case {
        const char* name;
        std::vector<Point> points;
        Point display;
        unsigned arrowKind;
        int extensionStyle, dimensionStyle;
        int strokes, texts;
    } cases[] = {
        {"all parts", {{0, 0}, {30, 0}}, {15, -10}, ArrowHeadStyle::kArrow, 1, 1, 2 + 1 + 4, 1},
        {"no arrow heads", {{0, 0}, {30, 0}}, {15, -10}, ArrowHeadStyle::kNone, 1, 1, 2 + 1, 1},
        {"no extension lines", {{0, 0}, {30, 0}}, {15, -10}, ArrowHeadStyle::kArrow, 0, 1, 1 + 4, 1},
        {"no dimension line", {{0, 0}, {30, 0}}, {15, -10}, ArrowHeadStyle::kArrow, 1, 0, 2 + 4, 1},
        {"three-point chain", {{0, 0}, {30, 0}, {50, 0}}, {15, -10}, ArrowHeadStyle::kArrow, 1, 1, 3 + 2 + 8, 2},
        // The feet of points on the dimension line are the points: no extension line there.
        {"points on the line", {{0, 1}, {30, 1}}, {15, 0}, ArrowHeadStyle::kArrow, 1, 1, 1 + 4, 1},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        Dimension dim;
        dim.points = c.points;
        dim.display = c.display;
        dim.direction = MeasureAttributes::kHorizontal;
        dim.arrowKind = c.arrowKind;
        dim.extensionStyle = c.extensionStyle;
        dim.dimensionStyle = c.dimensionStyle;
        MeasureShape shape;
        PointList list;
        fill(shape, d, dim, list);
        ASSERT_EQ(shape.execute(ShapeOp::Pdf, 2), 1) << c.name;
        EXPECT_EQ(d.pdf.log.count("S"), c.strokes) << c.name << ": " << d.pdf.log.text();
        EXPECT_EQ(static_cast<int>(numerals(d.pdf.log).size()), c.texts) << c.name;
        EXPECT_EQ(d.pdf.log.text().find("nan"), std::string::npos) << c.name;
        // On the screen, moved into view: the dimension line the gap of 1 mm below D's line.
        shape.setOffset(5, 20, 0);
        EXPECT_EQ(shape.execute(ShapeOp::Draw, 2), 1) << c.name;
        const int row = static_cast<int>((c.display.y + 1 + 20) * 10);
        EXPECT_EQ(d.surface().pixel(200, row) != RGB(255, 255, 255), c.dimensionStyle == 1) << c.name;
    }
}

// The parts share the surface's pen while the dimension is drawn: each still takes its own colour,
// and a pen changed behind the surface's back afterwards is noticed by the next line drawn.
TEST(MeasureShape, PartsKeepTheirColoursAndThePenIsCheckedAgainAfterwards)
{
    ShapeDrawing d;
    Dimension dim;
    dim.points = {{0, 0}, {30, 0}};
    dim.display = {15, -10};
    dim.direction = MeasureAttributes::kHorizontal;
    MeasureShape shape;
    PointList list;
    fill(shape, d, dim, list);
    DrawLineAttribute extension;
    extension.colour.setRgb(200, 0, 0);
    shape.setExtensionLine(extension);
    LineAttribute line;
    line.colour.setRgb(0, 0, 200);
    shape.setDimensionLine(line);
    ArrowHeadStyle head;
    head.kind = ArrowHeadStyle::kArrow;
    head.colour.setRgb(0, 160, 0);
    shape.setArrowHead(head);
    shape.setOffset(5, 20, 0);
    ASSERT_EQ(shape.execute(ShapeOp::Draw, 2), 1);
    DibSurface& s = d.surface();
    // The extension lines stand at x 5 and 35 mm, the dimension line 1 mm below D's line.
    EXPECT_EQ(s.pixel(50, 150), RGB(200, 0, 0));
    EXPECT_EQ(s.pixel(350, 150), RGB(200, 0, 0));
    EXPECT_EQ(s.pixel(200, 110), RGB(0, 0, 200));
    int heads = 0;
    for (int y = 90; y < 130; ++y)
        for (int x = 40; x < 360; ++x)
            heads += s.pixel(x, y) == RGB(0, 160, 0);
    EXPECT_GT(heads, 8) << "both heads in their own colour";

    // The surface's held pen is the heads' green; the DC is given another pen behind its back.
    SelectObject(s.hdc, GetStockObject(BLACK_PEN));
    LineShape after;
    after.context = &d.context;
    InkColor green;
    green.setRgb(0, 160, 0);
    after.setColour(green);
    after.setPoints(DrawPoint(5, 27), DrawPoint(35, 27));
    ASSERT_EQ(after.execute(ShapeOp::Draw, 2), 1);
    EXPECT_EQ(s.pixel(200, 270), RGB(0, 160, 0));
}

// A free numeral beyond the second point: the heads point inwards from outside and the dimension
// line runs from past the first foot on under the numeral.
TEST(MeasureShape, FreeNumeralBeyondTheSecondPoint)
{
    ShapeDrawing d;
    Dimension dim;
    dim.points = {{0, 0}, {30, 0}};
    dim.display = Point(50, -10);
    dim.direction = MeasureAttributes::kHorizontal;
    dim.position = MeasureAttributes::kFree;
    MeasureShape shape;
    PointList list;
    fill(shape, d, dim, list);
    ASSERT_EQ(shape.execute(ShapeOp::Pdf, 2), 1);
    const std::vector<Point> moves = pointsOf(d.pdf.log, "m");
    const std::vector<Point> lines = pointsOf(d.pdf.log, "l");
    ASSERT_EQ(moves.size(), 2u + 1u + 4u);
    // The feet stand at y = -9 (the gap of 1 below D's line); the dimension line is the third path.
    EXPECT_NEAR(moves[2].x, -3.5, 1e-6);
    EXPECT_NEAR(moves[2].y, -9.0, 1e-6);
    EXPECT_GT(lines[2].x, 50.0) << "on under the numeral";
    // Both heads' barbs end outside the segment: the arrows point in from outside.
    EXPECT_LT(lines[3].x, 0.0);
    EXPECT_LT(lines[4].x, 0.0);
    EXPECT_GT(lines[5].x, 30.0);
    EXPECT_GT(lines[6].x, 30.0);
    const auto matrices = operands(d.pdf.log, "Tm");
    ASSERT_EQ(matrices.size(), 1u);
    EXPECT_NEAR(matrices[0][4], 50.0, 1e-6) << "the free numeral stands at D";
}

// The angle's value in both figures, opposite and nearly opposite arms.
TEST(MsrAngleShape, ValueOfTheSmallerAngle)
{
    struct Case {
        double arm0, arm1;
        Point display;
        int drawType;
        int decimals;
        const char* text;
    } cases[] = {
        {0, 90, {5, -5}, MsrAngleShape::kArc, 0, "90"},
        {0, 90, {-5, 5}, MsrAngleShape::kArrow, 0, "90"},
        {0, 270, {5, 5}, MsrAngleShape::kArc, 0, "90"},
        {0, 180, {0, -5}, MsrAngleShape::kArc, 0, "180"},
        {0, 180.05, {0, -5}, MsrAngleShape::kArc, 2, "180.05"},
        {0, 181, {0, 5}, MsrAngleShape::kArc, 0, "179"},
        {90, 0, {5, -5}, MsrAngleShape::kArc, 1, "90"},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        Dimension dim;
        dim.points = {atAngle(c.arm0), atAngle(c.arm1), {0, 0}};
        dim.display = c.display;
        dim.decimals = c.decimals;
        MsrAngleShape shape;
        PointList list;
        fill(shape, d, dim, list);
        shape.setDrawType(c.drawType);
        ASSERT_EQ(shape.execute(ShapeOp::Pdf, 2), 1) << c.arm1;
        EXPECT_EQ(numerals(d.pdf.log), std::vector<std::string>{c.text}) << c.arm1;
        EXPECT_EQ(d.pdf.log.text().find("nan"), std::string::npos) << c.arm1;
        EXPECT_EQ(shape.execute(ShapeOp::Draw, 2), 1) << c.arm1;
        if (c.arm1 == 180.0) {
            EXPECT_LT(shape.arcMiddle.y, -4.0) << "the arc passes on D's side";
            EXPECT_NEAR(std::hypot(shape.arcMiddle.x, shape.arcMiddle.y), 5.0, 1e-9);
        }
    }
}

// ARROW with HORIZONTAL and D left of the vertex: the underline runs left from under D and the
// numeral stands over it; the leader starts the extension line's gap from the vertex.
TEST(MsrAngleShape, LevelArrowLeftOfTheVertex)
{
    ShapeDrawing d;
    Dimension dim;
    dim.points = {atAngle(0), atAngle(90), {0, 0}};
    dim.display = Point(-20, 5);
    dim.direction = MeasureAttributes::kHorizontal;
    MsrAngleShape shape;
    PointList list;
    fill(shape, d, dim, list);
    shape.setDrawType(MsrAngleShape::kArrow);
    ASSERT_EQ(shape.execute(ShapeOp::Pdf, 2), 1);
    EXPECT_NEAR(shape.theta, 0.0, 1e-12);
    EXPECT_NEAR(shape.arcA.x, -20.0, 1e-9) << "the underline starts under D";
    EXPECT_NEAR(shape.arcA.y, 6.0, 1e-9);
    EXPECT_LT(shape.end2.x, -21.0) << "and runs to the left";
    EXPECT_NEAR(std::hypot(shape.end1.x, shape.end1.y), 3.0, 1e-9) << "the leader starts 3 mm from the vertex";
    const auto matrices = operands(d.pdf.log, "Tm");
    ASSERT_EQ(matrices.size(), 1u);
    EXPECT_NEAR(matrices[0][4], shape.end2.x, 1e-6) << "the numeral stands over the underline";
    EXPECT_NEAR(matrices[0][5], 5.0, 1e-6);
}

// Paper output measures its numerals at a fixed size: the same file at zoom 0.1 and at 4, and
// both shapes answer 1 for PostScript and PDF although the filter refuses PDF.
TEST(DimensionShapes, PaperOutputIsTheSameAtEveryZoom)
{
    auto run = [](double pixelsPerMillimetre, int operation, int angle) {
        ShapeDrawing d;
        d.pixelsPerMillimetre(pixelsPerMillimetre);
        Dimension dim;
        dim.direction = MeasureAttributes::kHorizontal;
        PointList list;
        int result = 0;
        if (angle) {
            dim.points = {atAngle(0), atAngle(90), {0, 0}};
            dim.display = Point(-20, 5);
            MsrAngleShape shape;
            fill(shape, d, dim, list);
            shape.setDrawType(MsrAngleShape::kArrow);
            result = shape.execute(operation, 2);
        } else {
            dim.points = {{0, 0}, {30, 0}};
            dim.display = Point(50, -10);
            dim.position = MeasureAttributes::kFree;
            MeasureShape shape;
            fill(shape, d, dim, list);
            result = shape.execute(operation, 2);
        }
        EXPECT_EQ(result, 1);
        const OperatorLog& log = operation == ShapeOp::Pdf ? d.pdf.log : d.ps.log;
        std::vector<double> numbers;
        for (const char* name : {"m", "l", "Tm", "_m", "_l"})
            for (const auto& values : operands(log, name))
                numbers.insert(numbers.end(), values.begin(), values.end());
        return numbers;
    };
    for (int angle : {0, 1}) {
        for (int operation : {int(ShapeOp::Pdf), int(ShapeOp::PostScript)}) {
            const std::vector<double> small = run(0.1 * 72 / 25.4, operation, angle);
            const std::vector<double> large = run(4.0 * 72 / 25.4, operation, angle);
            ASSERT_EQ(small.size(), large.size());
            ASSERT_FALSE(small.empty());
            for (size_t i = 0; i < small.size(); ++i)
                EXPECT_NEAR(small[i], large[i], 0.01) << (angle ? "angle" : "length") << " number " << i;
        }
    }
}

// Every kind writes its numeral on paper in the numeral colour, as the screen draws it, not in
// the black of the lines.
TEST(DimensionShapes, PaperNumeralsTakeTheNumeralColour)
{
    enum { kLength, kAngle, kRadius, kDiameter };
    auto run = [](int kind, int operation) {
        ShapeDrawing d;
        Dimension dim;
        dim.numeralColour = RgbColor(255, 0, 0);
        PointList list;
        MeasureShape length;
        MsrAngleShape angle;
        MsrRadiusShape radius;
        MsrDiameterShape diameter;
        RadiusList values;
        values.setSingle(10.0);
        int result = 0;
        if (kind == kLength) {
            dim.points = {{0, 0}, {30, 0}};
            dim.display = Point(15, -10);
            fill(length, d, dim, list);
            result = length.execute(operation, 2);
        } else if (kind == kAngle) {
            dim.points = {atAngle(0), atAngle(90), {0, 0}};
            dim.display = Point(-20, 5);
            fill(angle, d, dim, list);
            angle.setDrawType(MsrAngleShape::kArrow);
            result = angle.execute(operation, 2);
        } else {
            dim.points = {{10, 0}};
            dim.display = Point(-10, 0);
            CircleDimensionShape& circle = kind == kRadius ? static_cast<CircleDimensionShape&>(radius) : diameter;
            fill(circle, d, dim, list);
            circle.setValues(values);
            circle.setLayout(CircleDimensionShape::kIn);
            result = circle.execute(operation, 2);
        }
        EXPECT_EQ(result, 1);
        // The fill colour (PDF) or colour (PostScript) set last before the text.
        const bool pdf = operation == ShapeOp::Pdf;
        const std::vector<std::string>& log = (pdf ? d.pdf.log : d.ps.log).entries;
        std::string colour;
        for (const std::string& e : log) {
            if (e.compare(0, 3, pdf ? "Tj " : "_sw") == 0)
                return colour;
            if (e.compare(0, pdf ? 3 : 5, pdf ? "rg " : "_rgb ") == 0)
                colour = e;
        }
        return std::string("no numeral");
    };
    const char* const names[] = {"length", "angle", "radius", "diameter"};
    for (int kind : {kLength, kAngle, kRadius, kDiameter}) {
        EXPECT_EQ(run(kind, ShapeOp::Pdf), "rg 255 0 0 1") << names[kind];
        EXPECT_EQ(run(kind, ShapeOp::PostScript), "_rgb 255 0 0") << names[kind];
    }
}

// The hit tests: the dimension line, the extension lines, the numeral, the arc and the leader
// are hit; the gaps beside them are not.
TEST(DimensionShapes, HitTestsFindEveryDrawnPart)
{
    struct Case {
        const char* name;
        int angle, drawType;
        Point pick;
        int hit;
    } cases[] = {
        {"on the dimension line", 0, 0, {20, -9}, 1},
        {"on an extension line", 0, 0, {0, -5}, 1},
        {"in the numeral", 0, 0, {15, -11}, 1},
        {"beside the points", 0, 0, {15, 5}, 0},
        {"on the arc", 1, MsrAngleShape::kArc, atAngle(35, std::hypot(5, 5)), 1},
        {"inside the arc", 1, MsrAngleShape::kArc, {2, -2}, 0},
        {"on the leader", 1, MsrAngleShape::kArrow, {-2.5, 2.5}, 1},
        {"beside the leader", 1, MsrAngleShape::kArrow, {-2.5, -2.5}, 0},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        auto* tool = new PickPoint; // the context deletes it
        tool->pick = c.pick;
        d.context.selectTool = tool;
        Dimension dim;
        dim.direction = MeasureAttributes::kHorizontal;
        PointList list;
        int hit = 0;
        if (c.angle) {
            dim.points = {atAngle(0), atAngle(90), {0, 0}};
            dim.display = c.drawType == MsrAngleShape::kArc ? Point(5, -5) : Point(-10, 10);
            dim.direction = MeasureAttributes::kFreeDirection;
            MsrAngleShape shape;
            fill(shape, d, dim, list);
            shape.setDrawType(c.drawType);
            hit = shape.hitTest();
        } else {
            dim.points = {{0, 0}, {30, 0}};
            dim.display = Point(15, -10);
            MeasureShape shape;
            fill(shape, d, dim, list);
            hit = shape.hitTest();
        }
        EXPECT_EQ(hit, c.hit) << c.name;
    }
}

namespace {

// The drawing's measure defaults: their numeral labels millimetres "mm".
class LabelDefaults : public MeasureDefaults {
public:
    LabelDefaults()
    {
        EXPECT_EQ(labels.setLengthUnit(UnitConverter::millimetre), 1);
        EXPECT_EQ(labels.setLengthLabel("mm"), 1);
    }
    void setOwner(DocumentContext*) override {}
    int editSettings() override { return 0; }
    int batchEdit() override { return 0; }
    void copyFrom(const MeasureDefaults*) override {}
    const MeasureAttributes* numeral() const override { return &labels; }
    MeasureAttributes labels;
};

} // namespace

// The numerals: the prefix, every value in the numeral's unit joined by "_", the label after the
// last one only.
TEST(CircleDimensionShape, NumeralsJoinTheValues)
{
    struct Case {
        int diameter;
        std::vector<double> values;
        int decimals, unitDisplay;
        const char* text;
    } cases[] = {
        {0, {3.0, 5.0}, 1, 1, "R3_5mm"},
        {1, {20.0}, 0, 0, "\x83\xD3" "20"},
        {1, {6.0, 10.0}, 0, 1, "\x83\xD3" "6_10mm"},
        {0, {12.25}, 1, 0, "R12.3"},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        d.context.measureDefaults = new LabelDefaults; // the context deletes it
        MsrRadiusShape radius;
        MsrDiameterShape diameter;
        CircleDimensionShape& shape = c.diameter ? static_cast<CircleDimensionShape&>(diameter) : radius;
        Dimension dim;
        dim.points = {{10, 0}};
        dim.display = Point(-10, 0);
        dim.decimals = c.decimals;
        PointList list;
        fill(shape, d, dim, list);
        MeasureAttributes numeral;
        numeral.decimals = c.decimals;
        numeral.unitDisplay.value = c.unitDisplay;
        shape.setMeasure(numeral);
        RadiusList values;
        ASSERT_EQ(values.setAll(static_cast<int>(c.values.size()), c.values.data()), 1);
        shape.setValues(values);
        shape.setLayout(CircleDimensionShape::kIn);
        ASSERT_EQ(shape.execute(ShapeOp::Pdf, 2), 1) << c.text;
        EXPECT_EQ(numerals(d.pdf.log), std::vector<std::string>{c.text});
    }
}

// The figure of each layout: the line ends short of P1 and P2 by the leader's space, the heads
// each arrow kind draws, the numeral's angle, the parts each style switch drops, and points on
// one another drawing without fault.
TEST(CircleDimensionShape, LayoutsPlaceLinesHeadsAndNumeral)
{
    struct Case {
        const char* name;
        int layout;
        Point p1, p2;
        int direction;
        unsigned arrowKind;
        int leaderStyle, underlineStyle;
        Point end1, end2;
        double angle;
        int strokes;
    } cases[] = {
        {"IN", 1, {10, 0}, {-10, 0}, MeasureAttributes::kRight, ArrowHeadStyle::kArrow, 1, 1, {-7, 0}, {7, 0}, 0, 1 + 4},
        {"IN without heads", 1, {10, 0}, {-10, 0}, MeasureAttributes::kRight, ArrowHeadStyle::kNone, 1, 1, {-7, 0}, {7, 0}, 0, 1},
        {"IN single barbs", 1, {10, 0}, {-10, 0}, MeasureAttributes::kRight, ArrowHeadStyle::kRightArrow, 1, 1, {-7, 0}, {7, 0}, 0, 1 + 2},
        {"IN reads left to right", 1, {-10, 0}, {10, 0}, MeasureAttributes::kRight, ArrowHeadStyle::kArrow, 1, 1, {7, 0}, {-7, 0}, 0, 1 + 4},
        {"OUT upright above P1", 2, {0, 0}, {0, -20}, MeasureAttributes::kRight, ArrowHeadStyle::kArrow, 1, 1, {-1, -20}, {-0.14981, -2.99626}, 270, 1 + 1 + 2},
        {"OUT level", 2, {0, 0}, {20, -5}, MeasureAttributes::kRight, ArrowHeadStyle::kArrow, 1, 1, {20, -4}, {2.94174, -0.58835}, 0, 1 + 1 + 2},
        {"OUT only heads and numeral", 2, {0, 0}, {20, -5}, MeasureAttributes::kHorizontal, ArrowHeadStyle::kArrow, 0, 0, {20, -4}, {2.94174, -0.58835}, 0, 2},
        {"P1 on P2", 1, {5, 5}, {5, 5}, MeasureAttributes::kRight, ArrowHeadStyle::kArrow, 1, 1, {5, 5}, {5, 5}, 0, 1},
        {"OUT P1 on P2", 2, {5, 5}, {5, 5}, MeasureAttributes::kFreeDirection, ArrowHeadStyle::kArrow, 1, 1, {4, 5}, {2, 5}, 270, 1 + 1 + 2},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        MsrRadiusShape shape;
        Dimension dim;
        dim.points = {c.p1};
        dim.display = c.p2;
        dim.direction = c.direction;
        dim.arrowKind = c.arrowKind;
        dim.extensionStyle = c.leaderStyle;
        dim.dimensionStyle = c.underlineStyle;
        PointList list;
        fill(shape, d, dim, list);
        shape.setLayout(c.layout);
        ASSERT_EQ(shape.execute(ShapeOp::Pdf, 2), 1) << c.name;
        EXPECT_NEAR(shape.lineEnd1.x, c.end1.x, 1e-4) << c.name;
        EXPECT_NEAR(shape.lineEnd1.y, c.end1.y, 1e-4) << c.name;
        EXPECT_NEAR(shape.lineEnd2.x, c.end2.x, 1e-4) << c.name;
        EXPECT_NEAR(shape.lineEnd2.y, c.end2.y, 1e-4) << c.name;
        EXPECT_NEAR(shape.textAngle, c.angle, 1e-9) << c.name;
        EXPECT_EQ(d.pdf.log.count("S"), c.strokes) << c.name << ": " << d.pdf.log.text();
        EXPECT_EQ(numerals(d.pdf.log).size(), 1u) << c.name;
        EXPECT_EQ(d.pdf.log.text().find("nan"), std::string::npos) << c.name;
        shape.setOffset(20, 20, 0);
        EXPECT_EQ(shape.execute(ShapeOp::Draw, 2), 1) << c.name;
        d.postScriptRunning(true);
        EXPECT_EQ(shape.execute(ShapeOp::PostScript, 2), 1) << c.name;
        Point lo(1e9, 1e9), hi(-1e9, -1e9);
        ASSERT_EQ(shape.extent(lo, hi), 1) << c.name;
        EXPECT_LE(lo.x, std::min(c.end1.x, c.end2.x)) << c.name;
        EXPECT_GE(hi.x, std::max(c.end1.x, c.end2.x)) << c.name;
    }
}

// A line that rises exactly as far as it runs stands level however the last bits of its points
// fall: as drawn (100 - 18.3 = 81.7, 141.4 - 18.3) and as read back from the file's decimals,
// which may round the run and the rise a unit of the last decimal apart.
TEST(DimensionShapes, ALineRisingAsFarAsItRunsStandsLevelBeforeAndAfterASave)
{
    const double cx = 100.0, cy = 141.4, r = 18.3;
    const struct {
        const char* name;
        Point first, second;
    } ties[] = {
        {"as drawn", {cx - r, cy}, {cx, cy - r}},
        {"as read back", {81.7, 141.4}, {100.0, 123.1}},
        {"falling", {100.0, 123.1}, {81.7, 141.4}},
        // Centre and ends rounded apart: run 17.63888, rise 17.63889.
        {"rounded apart", {87.36112, 141.4}, {105.0, 123.76111}},
    };
    for (const auto& t : ties) {
        ShapeDrawing d;
        Dimension dim;
        PointList measureList, radiusList, angleList;
        dim.points = {t.first, t.second};
        MeasureShape measure;
        fill(measure, d, dim, measureList);
        ASSERT_EQ(measure.execute(ShapeOp::Pdf, 2), 1) << t.name;
        EXPECT_EQ(measure.effectiveDirection, MeasureAttributes::kHorizontal) << t.name;

        dim.points = {t.first};
        dim.display = t.second;
        MsrRadiusShape radius;
        fill(radius, d, dim, radiusList);
        radius.setLayout(2);
        ASSERT_EQ(radius.execute(ShapeOp::Pdf, 2), 1) << t.name;
        EXPECT_EQ(radius.numeralDirection, MeasureAttributes::kHorizontal) << t.name;
        EXPECT_NEAR(radius.textAngle, 0.0, 1e-9) << t.name;

        dim.points = {Point(t.first.x + 10, t.first.y), Point(t.first.x, t.first.y - 10), t.first};
        MsrAngleShape angle;
        fill(angle, d, dim, angleList);
        angle.setDrawType(MsrAngleShape::kArrow);
        ASSERT_EQ(angle.execute(ShapeOp::Pdf, 2), 1) << t.name;
        EXPECT_EQ(angle.effectiveDirection, MeasureAttributes::kHorizontal) << t.name;
    }
}

// The hit test finds the leader, the underline and the numeral, not the space beside them.
TEST(CircleDimensionShape, HitTestsFindTheDrawnParts)
{
    struct Case {
        const char* name;
        Point pick;
        int hit;
    } cases[] = {
        {"on the leader", {10, -2}, 1}, {"on the underline", {22, -4}, 1}, {"in the numeral", {22, -6}, 1},
        {"beside the leader", {10, 5}, 0}, {"beyond the numeral", {60, -5}, 0},
    };
    for (const Case& c : cases) {
        ShapeDrawing d;
        auto* tool = new PickPoint; // the context deletes it
        tool->pick = c.pick;
        d.context.selectTool = tool;
        MsrDiameterShape shape;
        Dimension dim;
        dim.points = {{0, 0}};
        dim.display = Point(20, -5);
        dim.direction = MeasureAttributes::kHorizontal;
        PointList list;
        fill(shape, d, dim, list);
        shape.setLayout(CircleDimensionShape::kOut);
        EXPECT_EQ(shape.hitTest(), c.hit) << c.name;
    }
}
