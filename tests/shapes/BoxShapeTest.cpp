// Boxes on a DIB section and in the recording writers: the rules and the rounded corners on the
// screen, in GDI print, PostScript and PDF, the rules turned in the rotated preview, and a printed
// box and line moved alike by the print offset.
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "document/ElementKind.h"
#include "elements/BoxElement.h"
#include "elements/LineElement.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/LineStyle.h"
#include "shapes/BoxRules.h"
#include "shapes/BoxShape.h"
#include "shapes/CornerRounding.h"
#include "tests/shapes/CurveTestSupport.h"

using curve_test::inkNear;
using shape_test::ShapeDrawing;

namespace {

struct BoxSetup {
    int horizontal = 2;
    int vertical = 2;
    double rightTop = 0.0;
    int edgeOn = 1;
};

// The box (5, 5) - (25, 25), 10 pixels per millimetre.
void setUp(BoxShape& box, ShapeDrawing& d, const BoxSetup& s)
{
    box.context = &d.context;
    box.setStartCorner(DrawPoint(5, 5));
    box.setEndCorner(DrawPoint(25, 25));
    BoxRules rules;
    rules.set(s.horizontal, s.vertical);
    box.setBoxRules(rules);
    CornerRounding rounding;
    rounding.setRadius(CornerRounding::kRightTop, s.rightTop);
    box.setCornerRounding(rounding);
    LineStyle solid;
    solid.setStyleWithPresets(LineStyle::kSolid);
    box.setLineStyle(solid);
    box.setWidth(0.0);
    EdgeAttributes edge;
    edge.draw.value = s.edgeOn;
    edge.colour.setRgb(0, 0, 160);
    box.setEdge(edge);
}

// Edge ink at: the top edge's middle, the left edge's middle, the right-top corner, the rules at
// one and two thirds of the height, the vertical centre line.
std::string probe(ShapeDrawing& d)
{
    std::string ink;
    for (auto xy : {std::make_pair(150, 50), std::make_pair(50, 150), std::make_pair(250, 50),
                    std::make_pair(150, 117), std::make_pair(150, 183), std::make_pair(150, 100)})
        ink += inkNear(d, xy.first, xy.second);
    return ink;
}

} // namespace

TEST(BoxShapeRules, OutlineRulesAndCornersOnEveryOutput)
{
    struct Case {
        const char* name;
        BoxSetup setup;
        const char* ink; // see probe
        int strokes;     // PostScript and PDF alike
    };
    const Case cases[] = {
        {"2 x 2, radii 0: one closed rectangle", {}, "eee...", 1},
        {"radius 5 on right-top rounds that corner alone", {2, 2, 5.0}, "ee....", 1},
        {"4 x 2: the outline and two inner lines", {4, 2}, "eeeee.", 3},
        {"4 x 1: four horizontal lines, the centre line, no outline", {4, 1}, "e.eeee", 5},
        {"a radius above the smaller side leaves the corner sharp", {2, 2, 30.0}, "eee...", 1},
        {"rules follow the edge switch", {4, 2, 0.0, 0}, "......", 0},
    };
    for (const Case& c : cases) {
        for (int op : {ShapeOp::Draw, ShapeOp::Print}) {
            ShapeDrawing d(300, 300);
            BoxShape box;
            setUp(box, d, c.setup);
            d.surface().fill(RGB(255, 255, 255));
            ASSERT_EQ(box.execute(op, 2), 1) << c.name;
            EXPECT_EQ(probe(d), c.ink) << c.name << ", op " << op;
        }
        ShapeDrawing d;
        BoxShape box;
        setUp(box, d, c.setup);
        ASSERT_EQ(box.execute(ShapeOp::PostScript, 2), 1) << c.name;
        ASSERT_EQ(box.execute(ShapeOp::Pdf, 2), 1) << c.name;
        EXPECT_EQ(d.ps.log.count("_sp"), c.strokes) << c.name << ": " << d.ps.log.text();
        EXPECT_EQ(d.pdf.log.count("S"), c.strokes) << c.name << ": " << d.pdf.log.text();
    }
}

TEST(BoxShapeRules, TheRotatedPreviewTurnsTheRulesWithTheBox)
{
    ShapeDrawing d(300, 300);
    BoxShape box;
    setUp(box, d, {4, 2});
    box.setRotation(90.0, 15.0, 15.0, 0.0);
    d.surface().fill(RGB(255, 255, 255));
    ASSERT_EQ(box.execute(ShapeOp::RotatedPreview, 2), 1);
    // The rules at one and two thirds now run vertically (in the preview's colour); nothing is
    // left across the middle.
    auto inkAt = [&d](int x, int y) {
        for (int k = -1; k <= 1; ++k) {
            if (d.surface().isInk(x + k, y) || d.surface().isInk(x, y + k))
                return '#';
        }
        return '.';
    };
    EXPECT_EQ(std::string() + inkAt(117, 150) + inkAt(183, 150) + inkAt(150, 117) + inkAt(150, 183), "##..");
}

TEST(BoxShapeRules, APrintedLineOnTheBoxEdgeStaysOnIt)
{
    // The elements as the print loop runs them: the offset of 10 mm reaches each shape once.
    auto make = [](Element* (*maker)(), ElementKind kind, ShapeDrawing& d) {
        std::unique_ptr<Element> e(maker());
        e->initialize();
        e->self = e.get();
        e->kind = kindCode(kind);
        e->context = &d.context;
        return e;
    };
    ShapeDrawing boxDrawing(500, 300), lineDrawing(500, 300);
    auto box = make(newBoxElement, ElementKind::Box, boxDrawing);
    *static_cast<Point*>(box->firstPoint()) = Point(5, 5);
    *static_cast<Point*>(box->secondPoint()) = Point(25, 25);
    auto line = make(newLineElement, ElementKind::Line, lineDrawing);
    *static_cast<Point*>(line->firstPoint()) = Point(5, 5);
    *static_cast<Point*>(line->secondPoint()) = Point(25, 5);

    for (ShapeDrawing* d : {&boxDrawing, &lineDrawing})
        d->surface().fill(RGB(255, 255, 255));
    ASSERT_EQ(box->print(10, 0, 0), 1);
    ASSERT_EQ(line->print(10, 0, 0), 1);
    for (int x : {160, 250, 340}) {
        EXPECT_TRUE(lineDrawing.surface().isInk(x, 50)) << x;
        EXPECT_TRUE(boxDrawing.surface().isInk(x, 50)) << x;
    }
    EXPECT_FALSE(boxDrawing.surface().isInk(55, 150)) << "the box moved by the offset, once";
    EXPECT_TRUE(boxDrawing.surface().isInk(150, 150));

    ASSERT_EQ(box->writePostScript(10, 0, 0), 1);
    ASSERT_EQ(line->writePostScript(10, 0, 0), 1);
    const auto boxPoints = curve_test::pointsOf(boxDrawing.ps.log, "_l");
    for (const char* op : {"_m", "_l"}) {
        for (const Point& p : curve_test::pointsOf(lineDrawing.ps.log, op)) {
            bool onBox = false;
            for (const Point& q : curve_test::pointsOf(boxDrawing.ps.log, "_m"))
                onBox = onBox || (std::fabs(p.x - q.x) < 1e-9 && std::fabs(p.y - q.y) < 1e-9);
            for (const Point& q : boxPoints)
                onBox = onBox || (std::fabs(p.x - q.x) < 1e-9 && std::fabs(p.y - q.y) < 1e-9);
            EXPECT_TRUE(onBox) << op << " " << p.x << " " << p.y << ": " << boxDrawing.ps.log.text();
        }
    }
}
