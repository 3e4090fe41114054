// The box element: its file section (rules, radii and the "roundAray" name), the store record,
// rotation, snapping and the SVG rect, the bad-input clamps, the radii on a dialog, and the box
// input driven by the scripted mouse.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "document/DrawingGrid.h"
#include "document/FileErrorReporter.h"
#include "elements/BoxElement.h"
#include "elements/SvgDocument.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FillAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "platform/ControlKinds.h"
#include "platform/UnitConverter.h"
#include "shapes/BoxRules.h"
#include "shapes/CornerRounding.h"
#include "tests/elements/LineFixture.h"
#include "tests/elements/RecordCuts.h"
#include "tests/support/FakeClock.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/RecordingDialog.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

using namespace element_fixture;

namespace {

constexpr int kBox = 5;

struct BoxValues {
    Point a{10, 20};
    Point b{40, 35};
    int horizontal = 2, vertical = 2;
    double radii[4] = {0, 0, 0, 0};
    double lean = 0.0;
};

// A new box from the registry, or (with an editor) stored with an undo record in editor 3's hand.
Element* makeBox(LineDrawing& drawing, const BoxValues& v, std::unique_ptr<Element>* own)
{
    ElementEditorBase* editor = drawing.context.editor3;
    if (!own && !editor->startNewElement(kBox))
        return nullptr;
    Element* box = own ? (own->reset(drawing.registry->createElement(kBox)), own->get()) : editor->elementInHand();
    box->context = &drawing.context;
    box->kind = kBox;
    *static_cast<Point*>(box->firstPoint()) = v.a;
    *static_cast<Point*>(box->secondPoint()) = v.b;
    box->boxRules()->horizontal = v.horizontal, box->boxRules()->vertical = v.vertical;
    std::memcpy(box->cornerRounding()->radii, v.radii, sizeof v.radii);
    box->lean()->angle = v.lean;
    box->fill()->draw.value = 0;
    return own || editor->commitNewElement() == 1 ? box : nullptr;
}
int addBox(LineDrawing& drawing, const BoxValues& v)
{
    Element* box = makeBox(drawing, v, nullptr);
    return box ? box->id : 0;
}
std::unique_ptr<Element> newBox(LineDrawing& drawing, const BoxValues& v)
{
    std::unique_ptr<Element> box;
    (void)makeBox(drawing, v, &box); // the registry's box, filled
    return box;
}

// The n-th (0-based) occurrence of `what` in text replaced by `with`.
std::string replaceNth(std::string text, const std::string& what, const std::string& with, int n = 0)
{
    size_t at = text.find(what);
    while (at != std::string::npos && n-- > 0)
        at = text.find(what, at + 1);
    if (at != std::string::npos)
        text.replace(at, what.size(), with);
    return text;
}

TEST(BoxFile, RadiiNamesRulesAndSavedAgainTheSame)
{
    TestApplication app;
    ScratchFolder scratch;
    const BoxValues ruled = {{10, 20}, {40, 35}, 4, 3, {1, 2, 3, 4}, 30.0};
    std::string first;
    {
        LineDrawing drawing;
        ASSERT_EQ(addBox(drawing, ruled), 1);
        ASSERT_EQ(addBox(drawing, BoxValues()), 2);
        first = drawing.save(scratch.pathOf("boxes.ycx"));
    }
    ASSERT_FALSE(first.empty());
    size_t at = first.find("<box>");
    ASSERT_NE(at, std::string::npos);
    for (const char* tag : {"<edge>", "<paint>", "<pattern>", "<startPoint>", "<endPoint>", "<boxRules>",
                            "<horizontal>4</horizontal>", "<vertical>3</vertical>", "<boxRound>",
                            "<rightTop>1</rightTop>", "<leftTop>2</leftTop>", "<leftBottom>3</leftBottom>",
                            "<roundAray>4</roundAray>", "<lean>", "<lineSize>", "<lineOrigin>", "<lineType>",
                            "</box>"}) {
        const size_t next = first.find(tag, at);
        ASSERT_NE(next, std::string::npos) << tag << "\n" << first;
        at = next;
    }
    {
        LineDrawing reopened;
        ASSERT_EQ(reopened.open(scratch.pathOf("boxes.ycx")), 1);
        ASSERT_EQ(reopened.context.elementCount(), 2);
        EXPECT_EQ(reopened.save(scratch.pathOf("again.ycx")), first);
    }

    // The file changed: the value read back into the first box (rules, right-bottom radius) or,
    // for the second box, its rules with their block taken away.
    struct Case {
        const char* name;
        std::string text;
        int box;
        int horizontal, vertical;
        double rightBottom;
        int dataErrors;
    };
    const Case cases[] = {
        {"as written", first, 1, 4, 3, 4.0, 0},
        {"\"rightBottom\" reads as the same radius",
         replaceNth(first, "<roundAray>4</roundAray>", "<rightBottom>4</rightBottom>"), 1, 4, 3, 4.0, 0},
        {"no block: 2 and 2, not the box before", replaceNth(first, "<boxRules>", "<skipped>", 1), 2, 2, 2, 0.0, 0},
        {"2000000000 is clamped", replaceNth(first, "<horizontal>4<", "<horizontal>2000000000<"), 1, 1000, 3, 4.0, 1},
        {"-5 is clamped", replaceNth(first, "<vertical>3<", "<vertical>-5<"), 1, 4, 0, 4.0, 1},
    };
    for (const Case& c : cases) {
        const std::string& text = c.text;
        app->errorCount = 0;
        theFileErrorReporter.reset();
        MessageBoxScript boxes;
        LineDrawing drawing;
        ASSERT_EQ(drawing.open(scratch.file("changed.ycx", text)), 1) << c.name;
        EXPECT_EQ(drawing.context.elementCount(), 2) << c.name << ": the rest of the file is read";
        EXPECT_EQ(boxes.shown().size(), size_t(c.dataErrors)) << c.name;
        ASSERT_EQ(drawing.context.editor3->beginEdit(c.box), 1) << c.name;
        Element* box = drawing.context.editor3->elementInHand();
        EXPECT_EQ(box->boxRules()->horizontal, c.horizontal) << c.name;
        EXPECT_EQ(box->boxRules()->vertical, c.vertical) << c.name;
        EXPECT_EQ(box->cornerRounding()->radius(CornerRounding::kRightBottom), c.rightBottom) << c.name;
    }
}

TEST(BoxRecord, EveryCutFailsWithinItAndCountsAreClamped)
{
    TestApplication app;
    LineDrawing drawing;
    // A rule count as a corrupt value in memory would be.
    auto box = newBox(drawing, {{10, 20}, {-30.25, 4}, 2000000000, -5, {0, 0, 0, 2.5}, 45.0});
    box->linePosition()->position = 3;
    element_fixture::expectEveryCutFails(drawing, *box, [](Element& copy) {
        EXPECT_EQ(copy.secondPoint()->x, -30.25);
        EXPECT_EQ(std::make_pair(copy.boxRules()->horizontal, copy.boxRules()->vertical), std::make_pair(1000, 0));
        EXPECT_EQ(std::make_pair(copy.cornerRounding()->radius(3), copy.lean()->angle), std::make_pair(2.5, 45.0));
        EXPECT_EQ(copy.linePosition()->position, 3);
    });

    // The setter clamps as well; a null source changes nothing.
    BoxRules wild;
    wild.horizontal = -5, wild.vertical = 2000000000;
    box->setBoxRules(wild);
    EXPECT_EQ(box->boxRules()->horizontal, 0);
    EXPECT_EQ(box->boxRules()->vertical, 1000);
}

// An SVG writer that keeps the rect's numbers.
class RectRecorder : public SvgDocument {
public:
    int beginItem(int item) override { return item == kRect; }
    int addPoint(const Point&, int) override { return 0; }
    int writePointList(const PointList&, int) override { return 0; }
    int addNumber(int attribute, double value, int) override
    {
        numbers.push_back({double(attribute), value});
        return 1;
    }
    int closeStartTag() override { return 1; }
    int writeContent(const char*, int) override { return 1; }
    int endItem() override { return 1; }
    std::vector<std::vector<double>> numbers;
};

TEST(BoxGeometry, RotationSnappingSvgAndExtremeLeans)
{
    TestApplication app;
    LineDrawing drawing;

    // rotate(+a), rotate(-a) restores both corners for every corner order; the end keeps its
    // signed offset and the lean takes the angle. With lean 30 a point near the far corner snaps
    // onto the turned end corner, as the nearest point and as the nearest corner.
    auto same = [](const Point& p, const Point& q) { return std::hypot(p.x - q.x, p.y - q.y) < 1e-9; };
    for (const Point& end : {Point(30, 25), Point(-30, 25), Point(-30, -25), Point(30, -25)}) {
        auto box = newBox(drawing, {{5, 7}, end});
        box->rotate(90.0, 100, -40, 0);
        EXPECT_TRUE(same(Point(box->secondPoint()->x - box->firstPoint()->x, box->secondPoint()->y - box->firstPoint()->y),
                         Point(end.x - 5, end.y - 7)));
        EXPECT_NEAR(box->lean()->angle, 90.0, 1e-12);
        box->rotate(-90.0, 100, -40, 0);
        EXPECT_TRUE(same(*box->firstPoint(), Point(5, 7)) && same(*box->secondPoint(), end)) << end.x << " " << end.y;
        EXPECT_NEAR(box->lean()->angle, 0.0, 1e-9);
    }
    auto box = newBox(drawing, {{0, 0}, {20, 10}, 2, 2, {0, 0, 0, 0}, 30.0});
    Point turned(20, 10);
    turned.rotateAbout(0, 0, 30.0);
    Point p(turned.x + 0.5, turned.y - 0.5), q = p;
    ASSERT_EQ(box->snapToNearestPoint(&p), 1);
    ASSERT_EQ(box->snapToKeyPoint(&q), 1);
    EXPECT_TRUE(same(p, turned) && same(q, turned));
    // A point of the drawing, as the grid's element pick passes it to any element, snaps alike.
    DrawPoint d;
    d.x = turned.x + 0.5, d.y = turned.y - 0.5;
    Element& anyKind = *box;
    ASSERT_EQ(anyKind.snapToNearestPoint(&d), 1);
    EXPECT_TRUE(same(d, turned));

    // A box drawn from (10, 10) to (0, 0) is a rect at its smaller corner.
    auto svgBox = newBox(drawing, {{10, 10}, {0, 0}});
    RectRecorder svg;
    ASSERT_EQ(svgBox->writeSvg(&svg), 1);
    const std::vector<std::vector<double>> rect = {{SvgDocument::kX, 0}, {SvgDocument::kY, 0},
                                                   {SvgDocument::kWidth, 10}, {SvgDocument::kHeight, 10}};
    EXPECT_EQ(svg.numbers, rect);

    // Leans of 1e300 and NaN neither hang nor spread into the corners or the extent.
    box->lean()->angle = 1e300;
    box->rotate(10, 0, 0, 0);
    box->rotate(std::nan(""), 0, 0, 0);
    EXPECT_TRUE(std::isfinite(box->lean()->angle));
    EXPECT_TRUE(std::isfinite(box->firstPoint()->x) && std::isfinite(box->secondPoint()->y));
    box->lean()->angle = std::nan("");
    box->computeExtent(0);
    EXPECT_TRUE(std::isfinite(box->extentMin.x) && std::isfinite(box->extentMax.y));
}

TEST(BoxRadiiDialog, ControlsShowTheirCornersInTheGridUnit)
{
    TestApplication app;
    LineDrawing drawing;
    auto* grid = static_cast<DrawingGrid*>(drawing.context.grid);
    grid->xUnits.currentUnit = UnitConverter::centimetre;
    RecordingModeless dialog;
    dialog.onEvent = [&dialog](int event) {
        if (event == DLG_INIT) {
            for (int id : {15652, 15653, 15654})
                EXPECT_EQ(dialog.addControl(id, KIND_REAL_EDIT), 1);
            dialog.attachControls();
        }
        return RecordingModeless::kNotAnswered;
    };
    ASSERT_EQ(dialog.create(IDD_TEST_BOX_RADII), 1);
    CornerRounding rounding;
    rounding.owner = &drawing.context;
    rounding.radii[0] = 10, rounding.radii[1] = 20, rounding.radii[2] = 30, rounding.radii[3] = 40;
    struct Case {
        int control;
        const char* shown; // centimetres
        int corner;
    };
    for (const Case& c : {Case{15652, "2", CornerRounding::kLeftTop}, Case{15653, "1", CornerRounding::kRightTop},
                          Case{15654, "3", CornerRounding::kLeftBottom}}) {
        ASSERT_EQ(rounding.showInDialog(&dialog, c.control), 1) << c.control;
        char text[32] = {};
        GetDlgItemTextA(dialog.hwnd, c.control, text, sizeof text);
        EXPECT_STREQ(text, c.shown) << c.control;
        SetDlgItemTextA(dialog.hwnd, c.control, "0.5");
        ASSERT_EQ(rounding.takeFromDialog(&dialog, c.control), 1) << c.control;
        EXPECT_NEAR(rounding.radius(c.corner), 5.0, 1e-9) << c.control;
    }
    EXPECT_EQ(rounding.showInDialog(&dialog, 15655), 0);
    EXPECT_EQ(rounding.takeFromDialog(&dialog, 15655), 0);
    EXPECT_EQ(rounding.radius(CornerRounding::kRightBottom), 40.0);
    dialog.destroy();
}

TEST(BoxInput, CreationPlacementAndEditing)
{
    enum Keys { N = ScriptedMouse::kNone, L = ScriptedMouse::kLeft, R = ScriptedMouse::kRight, S = ScriptedMouse::kShift };
    struct Step {
        DWORD at;
        int x, y, keys;
    };
    struct Case {
        const char* name;
        std::vector<Step> script; // the press at the first step's point, at 1000 ms
        int result;
        Point end;
    };
    const Case cases[] = {
        {"drag released after 150 ms", {{1000, 10, 10, L}, {1100, 40, 20, L}, {1300, 40, 20, N}}, 1, {40, 20}},
        {"a drag released within 150 ms goes on in click mode",
         {{1000, 10, 10, L}, {1020, 40, 20, L}, {1040, 40, 20, N}, {1200, 60, 30, N}, {1400, 60, 30, L}}, 1, {60, 30}},
        {"a click in place within the double-click time", {{1000, 10, 10, L}, {1030, 10, 10, N}, {1200, 10, 10, L}},
         15, {10, 10}},
        {"a click in place after it", {{1000, 10, 10, L}, {1030, 10, 10, N}, {1700, 10, 10, L}}, -1, {10, 10}},
        {"Shift: (10, 4) becomes (10, 10)", {{1000, 0, 0, L}, {1100, 10, 4, L | S}, {1300, 10, 4, S}}, 1, {10, 10}},
        {"Shift: (4, 10) becomes (10, 10)", {{1000, 0, 0, L}, {1100, 4, 10, L | S}, {1300, 4, 10, S}}, 1, {10, 10}},
        {"Shift: (5, 5) stays", {{1000, 0, 0, L}, {1100, 5, 5, L | S}, {1300, 5, 5, S}}, 1, {5, 5}},
    };
    TestApplication app;
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        ScriptedMouse mouse;
        for (const Step& s : c.script)
            mouse.at(s.at, s.x, s.y, s.keys);
        mouse.advanceClockPerRead(&clock, 10);
        drawing.points->press = Point(c.script[0].x, c.script[0].y);
        drawing.points->has = 1;
        auto box = newBox(drawing, BoxValues());
        box->restartClickTimer();
        EXPECT_EQ(box->beginCreateInput(0), c.result) << c.name;
        EXPECT_EQ(box->secondPoint()->x, c.end.x) << c.name;
        EXPECT_EQ(box->secondPoint()->y, c.end.y) << c.name;
    }

    // Fixed-size placement: the start corner at the cursor, the end corner beside it; also when
    // the press comes with no move before it.
    struct Placement {
        const char* name;
        Step press;
        int result;
        int movedFirst;
    };
    for (const Placement& c : {Placement{"left press", {1700, 30, 30, L}, 1, 1},
                               Placement{"double click", {1200, 30, 30, L}, 15, 1},
                               Placement{"right press", {1200, 30, 30, R}, 21, 1},
                               Placement{"left press without a move", {1700, 30, 30, L}, 1, 0}}) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        ScriptedMouse mouse;
        if (c.movedFirst)
            mouse.at(1000, 20, 25).at(1100, 30, 30);
        mouse.at(c.press.at, c.press.x, c.press.y, c.press.keys);
        mouse.advanceClockPerRead(&clock, 50);
        auto box = newBox(drawing, BoxValues());
        box->restartClickTimer();
        auto* input = &static_cast<BoxElement*>(box.get())->input;
        EXPECT_EQ(input->placeWithSize(15, 5), c.result) << c.name;
        EXPECT_EQ(box->firstPoint()->x, 30.0) << c.name;
        EXPECT_EQ(box->secondPoint()->x, 45.0) << c.name;
        EXPECT_EQ(box->secondPoint()->y, 35.0) << c.name;
    }
}

} // namespace
