// The oval element: its file section and keywords, the store record, rotation, diameters and
// extent through the real shapes' geometry, and creation by the scripted mouse with type keys.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "document/FileErrorReporter.h"
#include "document/UndoManager.h"
#include "elements/OvalElement.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FillAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "shapes/OvalType.h"
#include "tests/elements/LineFixture.h"
#include "tests/elements/RecordCuts.h"
#include "tests/support/FakeClock.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

constexpr int kOval = 10;

// A new oval in editor 3's hand from a to b, of the type, stored with an undo record; its id.
int addOval(LineDrawing& drawing, Point a, Point b, int type, double lean = 0.0, int filled = 0)
{
    ElementEditorBase* editor = drawing.context.editor3;
    if (!editor->startNewElement(kOval))
        return 0;
    Element* oval = editor->elementInHand();
    oval->firstPoint()->x = a.x, oval->firstPoint()->y = a.y;
    oval->secondPoint()->x = b.x, oval->secondPoint()->y = b.y;
    oval->ovalType()->value = type;
    oval->lean()->angle = lean;
    oval->fill()->draw.value = filled;
    return editor->commitNewElement() == 1 ? oval->id : 0;
}

std::unique_ptr<Element> newOval(LineDrawing& drawing, Point a, Point b, int type)
{
    std::unique_ptr<Element> oval(drawing.registry->createElement(kOval));
    oval->context = &drawing.context;
    oval->kind = kOval;
    oval->firstPoint()->x = a.x, oval->firstPoint()->y = a.y;
    oval->secondPoint()->x = b.x, oval->secondPoint()->y = b.y;
    oval->ovalType()->value = type;
    oval->fill()->draw.value = 0;
    return oval;
}

std::string save(LineDrawing& drawing, const std::string& path) { return drawing.save(path); }

int open(LineDrawing& drawing, const std::string& path) { return drawing.open(path); }

TEST(OvalFile, TagOrderKeywordsAndSavedAgainTheSame)
{
    TestApplication app;
    ScratchFolder scratch;
    std::string first;
    {
        LineDrawing drawing;
        ASSERT_EQ(addOval(drawing, {10, 20}, {40, 35}, OvalType::kHalf, 30.0, 1), 1);
        ASSERT_EQ(addOval(drawing, {0, 0}, {-5, 8}, OvalType::kQuart), 2);
        first = save(drawing, scratch.pathOf("ovals.ycx"));
    }
    ASSERT_FALSE(first.empty());
    size_t at = first.find("<oval>");
    ASSERT_NE(at, std::string::npos);
    for (const char* tag : {"<edge>", "<paint>", "<pattern>", "<startPoint>", "<endPoint>", "<lean>", "<lineSize>",
                            "<lineOrigin>", "<lineType>", "<ovalType>\"HALF\"</ovalType>", "</oval>"}) {
        const size_t next = first.find(tag, at);
        ASSERT_NE(next, std::string::npos) << tag;
        at = next;
    }
    EXPECT_NE(first.find("<ovalType>\"QUART\"</ovalType>"), std::string::npos);
    {
        LineDrawing reopened;
        ASSERT_EQ(open(reopened, scratch.pathOf("ovals.ycx")), 1);
        ASSERT_EQ(reopened.context.elementCount(), 2);
        ASSERT_EQ(reopened.context.editor3->beginEdit(1), 1);
        Element* oval = reopened.context.editor3->elementInHand();
        EXPECT_EQ(oval->kind, kOval);
        EXPECT_EQ(oval->ovalType()->value, OvalType::kHalf);
        EXPECT_NEAR(oval->lean()->angle, 30.0, 1e-9);
        EXPECT_NEAR(oval->secondPoint()->x, 40.0, 1e-9);
        EXPECT_EQ(oval->fill()->draw.value, 1);
        EXPECT_EQ(save(reopened, scratch.pathOf("again.ycx")), first);
    }

    // The keyword of the second oval, rewritten: case-sensitive; another text keeps the default,
    // FULL, never the first oval's HALF.
    struct Case {
        const char* text;
        int type;
    };
    const Case cases[] = {{"HALF", OvalType::kHalf}, {"FULL", OvalType::kFull}, {"half", OvalType::kFull},
                          {"", OvalType::kFull}};
    for (const Case& c : cases) {
        std::string text = first;
        const std::string quart = "<ovalType>\"QUART\"</ovalType>";
        text.replace(text.find(quart), quart.size(), std::string("<ovalType>\"") + c.text + "\"</ovalType>");
        app->errorCount = 0;
        theFileErrorReporter.reset();
        MessageBoxScript boxes;
        LineDrawing drawing;
        ASSERT_EQ(open(drawing, scratch.file("typed.ycx", text)), 1) << c.text;
        ASSERT_EQ(drawing.context.editor3->beginEdit(2), 1) << c.text;
        EXPECT_EQ(drawing.context.editor3->elementInHand()->ovalType()->value, c.type) << c.text;
    }
}

TEST(OvalRecord, EveryCutOfTheRecordFailsWithinIt)
{
    TestApplication app;
    LineDrawing drawing;
    ASSERT_EQ(addOval(drawing, {1.5, 2.5}, {30.25, -4}, OvalType::kQuart, 45.0), 1);
    ASSERT_EQ(drawing.context.editor3->beginEdit(1), 1);
    Element* oval = drawing.context.editor3->elementInHand();
    oval->linePosition()->position = 3;
    expectEveryCutFails(drawing, *oval, [](Element& copy) {
        EXPECT_EQ(copy.secondPoint()->y, -4.0);
        EXPECT_EQ(copy.lean()->angle, 45.0);
        EXPECT_EQ(copy.linePosition()->position, 3);
        EXPECT_EQ(copy.ovalType()->value, OvalType::kQuart);
    });
}

TEST(OvalGeometry, RotationDiametersAndExtent)
{
    TestApplication app;
    LineDrawing drawing;

    // rotate(+a) then rotate(-a) gives both points back, for every corner order and type; the
    // end keeps its signed offset from start.
    const Point ends[] = {{30, 25}, {-30, 25}, {-30, -25}, {30, -25}};
    for (int type : {OvalType::kFull, OvalType::kHalf, OvalType::kQuart}) {
        for (const Point& end : ends) {
            auto oval = newOval(drawing, {5, 7}, end, type);
            oval->rotate(37.5, 100, -40, 0);
            EXPECT_NEAR(oval->secondPoint()->x - oval->firstPoint()->x, end.x - 5, 1e-9);
            EXPECT_NEAR(oval->secondPoint()->y - oval->firstPoint()->y, end.y - 7, 1e-9);
            EXPECT_NEAR(oval->lean()->angle, 37.5, 1e-12);
            oval->rotate(-37.5, 100, -40, 0);
            EXPECT_NEAR(oval->firstPoint()->x, 5, 1e-9) << type;
            EXPECT_NEAR(oval->firstPoint()->y, 7, 1e-9) << type;
            EXPECT_NEAR(oval->secondPoint()->x, end.x, 1e-9) << type;
            EXPECT_NEAR(oval->secondPoint()->y, end.y, 1e-9) << type;
            EXPECT_NEAR(oval->lean()->angle, 0.0, 1e-9);
        }
    }

    // Diameters and radii: a circle 1, an ellipse 2 with the smaller first, a quarter the whole
    // ellipse's axes, a filled oval nothing.
    struct Case {
        const char* name;
        Point end;
        int type;
        int filled;
        int result;
        double small, large;
    };
    const Case cases[] = {
        {"square", {20, 20}, OvalType::kFull, 0, 1, 20, 20},
        {"20 x 10", {20, 10}, OvalType::kFull, 0, 2, 10, 20},
        {"quarter", {20, 10}, OvalType::kQuart, 0, 2, 20, 40},
        {"filled", {20, 10}, OvalType::kFull, 1, 0, -1, -1},
    };
    for (const Case& c : cases) {
        auto oval = newOval(drawing, {0, 0}, c.end, c.type);
        oval->fill()->draw.value = c.filled;
        double d[2] = {-1, -1}, r[2] = {-1, -1};
        Point centre;
        EXPECT_EQ(oval->getDiameter(d, &centre), c.result) << c.name;
        EXPECT_EQ(oval->getRadius(r, nullptr), c.result) << c.name;
        if (c.result == 0)
            continue;
        EXPECT_NEAR(d[0], c.small, 1e-9) << c.name;
        EXPECT_NEAR(d[1], c.large, 1e-9) << c.name;
        EXPECT_NEAR(r[1], c.large / 2, 1e-9) << c.name;
    }

    // Extent mode 0 at 1:1 with line size 1: the outline's box widened by 1 on every side; a
    // lean of 90 turns the box about start.
    auto oval = newOval(drawing, {0, 0}, {20, 10}, OvalType::kFull);
    oval->lineWidth()->width = 1.0;
    oval->computeExtent(0);
    EXPECT_NEAR(oval->extentMin.x, -1, 1e-9);
    EXPECT_NEAR(oval->extentMin.y, -1, 1e-9);
    EXPECT_NEAR(oval->extentMax.x, 21, 1e-9);
    EXPECT_NEAR(oval->extentMax.y, 11, 1e-9);
    oval->lean()->angle = 90;
    oval->computeExtent(0);
    EXPECT_NEAR(oval->extentMax.x - oval->extentMin.x, 12, 1e-6);
    EXPECT_NEAR(oval->extentMax.y - oval->extentMin.y, 22, 1e-6);
    // A lean that is not finite does not spread into the points.
    oval->rotate(std::nan(""), 0, 0, 0);
    oval->lean()->angle = 1e300;
    oval->rotate(10, 0, 0, 0);
    EXPECT_TRUE(std::isfinite(oval->lean()->angle));
    EXPECT_TRUE(std::isfinite(oval->firstPoint()->x) && std::isfinite(oval->secondPoint()->y));
    oval->lean()->angle = std::nan("");
    oval->computeExtent(0);
    EXPECT_TRUE(std::isfinite(oval->extentMin.x) && std::isfinite(oval->extentMax.y));
}

TEST(OvalCreation, DragClicksTypeKeysAndShift)
{
    enum Keys { N = ScriptedMouse::kNone, L = ScriptedMouse::kLeft, S = ScriptedMouse::kShift };
    struct Step {
        DWORD at;
        int x, y, keys;
    };
    struct Case {
        const char* name;
        std::vector<Step> script; // the press at (10, 10) is the first step, at 1000 ms
        int typed;
        int result;
        Point end;
        int type;
    };
    const Case cases[] = {
        {"drag released after 150 ms", {{1000, 10, 10, L}, {1100, 40, 20, L}, {1300, 40, 20, N}}, 0, 1, {40, 20},
         OvalType::kFull},
        {"a quick click, then a click sets end",
         {{1000, 10, 10, L}, {1030, 10, 10, N}, {1200, 50, 30, N}, {1400, 50, 30, L}}, 0, 1, {50, 30}, OvalType::kFull},
        {"a click in place within the double-click time", {{1000, 10, 10, L}, {1030, 10, 10, N}, {1200, 10, 10, L}},
         0, 15, {10, 10}, OvalType::kFull},
        {"a click in place after it", {{1000, 10, 10, L}, {1030, 10, 10, N}, {1700, 10, 10, L}}, 0, -1, {10, 10},
         OvalType::kFull},
        {"Shift makes a circle", {{1000, 10, 10, L}, {1100, 40, 20, L | S}, {1300, 40, 20, S}}, 0, 1, {40, 40},
         OvalType::kFull},
        {"'h' makes it half", {{1000, 10, 10, L}, {1100, 40, 20, L}, {1300, 40, 20, N}}, 'h', 1, {40, 20},
         OvalType::kHalf},
        {"'3' changes nothing", {{1000, 10, 10, L}, {1100, 40, 20, L}, {1300, 40, 20, N}}, '3', 1, {40, 20},
         OvalType::kFull},
    };
    TestApplication app;
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        ScriptedMouse mouse;
        for (const Step& s : c.script)
            mouse.at(s.at, s.x, s.y, s.keys);
        mouse.advanceClockPerRead(&clock, 50);
        drawing.points->press = Point(10, 10);
        drawing.points->has = 1;
        ScopedOverride<int> code(theCurrentEvent->code, c.typed ? EV_KEY_DOWN : 0);
        ScopedOverride<UINT> message(theCurrentEvent->message, WM_CHAR);
        ScopedOverride<WPARAM> character(theCurrentEvent->wParam, static_cast<WPARAM>(c.typed));
        auto oval = newOval(drawing, {0, 0}, {0, 0}, OvalType::kFull);
        oval->restartClickTimer();
        EXPECT_EQ(oval->beginCreateInput(0), c.result) << c.name;
        EXPECT_EQ(oval->secondPoint()->x, c.end.x) << c.name;
        EXPECT_EQ(oval->secondPoint()->y, c.end.y) << c.name;
        EXPECT_EQ(oval->ovalType()->value, c.type) << c.name;
    }

    // Editing: the end point under the cursor follows the mouse with an undo record, and a
    // handle drag moves the points along its axis only.
    FakeClock clock(1000, 500);
    LineDrawing drawing;
    const int id = addOval(drawing, {10, 10}, {50, 30}, OvalType::kFull);
    ASSERT_EQ(id, 1);
    ASSERT_EQ(drawing.context.editor3->beginEdit(id), 1);
    Element* oval = drawing.context.editor3->elementInHand();
    drawing.tool->cursor = Point(50, 30);
    const int records = drawing.context.undoManager->recordCount();
    {
        ScriptedMouse mouse;
        mouse.at(1000, 50, 30, L).at(1100, 70, 45, L).at(1300, 70, 45, N);
        mouse.advanceClockPerRead(&clock, 50);
        EXPECT_EQ(oval->editByMouse(), Element::kDone);
    }
    EXPECT_EQ(drawing.context.undoManager->recordCount(), records + 1);
    EXPECT_EQ(oval->secondPoint()->x, 70.0);
    EXPECT_EQ(oval->secondPoint()->y, 45.0);
    clock.set(1000);
    ScriptedMouse mouse;
    mouse.at(1000, 200, 200, L).at(1100, 120, 90, L).at(1300, 120, 90, N);
    mouse.advanceClockPerRead(&clock, 50);
    EXPECT_EQ(oval->dragHandle(1), Element::kDone); // top middle: y only
    EXPECT_EQ(oval->firstPoint()->x, 10.0);
    EXPECT_EQ(oval->secondPoint()->x, 70.0);
    EXPECT_NE(oval->firstPoint()->y, 10.0);
}

} // namespace

// Away from the curve the oval is picked at its start and its end, the corners of its box, and
// nowhere else.
TEST(OvalPick, TheStartAndTheEndPickTheOval)
{
    TestApplication app;
    LineDrawing drawing;
    const struct {
        Point cursor;
        int hit;
    } cases[] = {{{0, 0}, 1}, {{20, 10}, 1}, {{20, 0}, 0}, {{40, 40}, 0}};
    for (const auto& c : cases) {
        auto oval = newOval(drawing, {0, 0}, {20, 10}, OvalType::kFull);
        drawing.tool->cursor = c.cursor;
        EXPECT_EQ(oval->hitTest() != 0, c.hit != 0) << c.cursor.x << "," << c.cursor.y;
    }
}
