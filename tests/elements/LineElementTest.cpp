// The kind registry and the line element: names and factory, creation by the scripted mouse,
// extents, editing with undo, the store record and the drawing file through the real editors.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "document/DocumentContext.h"
#include "document/ShapeOp.h"
#include "document/SheetSettings.h"
#include "document/TagDictionary.h"
#include "document/UndoCode.h"
#include "document/UndoManager.h"
#include "elements/LineElement.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/GrayValue.h"
#include "geometry/InkColor.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "tests/elements/LineFixture.h"
#include "tests/elements/RecordCuts.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

// The ends of the rubber bands drawn, as the line's drawing saw them: a line that records its
// bands instead of drawing.
std::vector<Point> bandEnds;
class BandRecordingLine : public LineElement {
public:
    int execute(int operation, double, double, double) override
    {
        if (operation == ShapeOp::RubberBand)
            bandEnds.push_back(*secondPoint());
        return 1;
    }
};
Element* newBandRecordingLine() { return new BandRecordingLine; }

std::string bytes(const char* s) { return std::string(s); }

TEST(ElementKindRegistry, TableFactoryNamesAndTheLinesUndoName)
{
    TestApplication app;
    LineDrawing drawing;
    ElementKindRegistry& registry = *drawing.registry;
    EXPECT_EQ(registry.kindCount(), 20);
    for (int code : {0, 20, -1})
        EXPECT_EQ(registry.createElement(code), nullptr) << code;
    EXPECT_EQ(registry.indexOfKind(15), 14) << "the kind's own record, never the alias";
    ElementKindRecord record;
    std::memset(&record, 0x55, sizeof record);
    registry.recordAt(record, 20);
    const ElementKindRecord zero = {};
    EXPECT_EQ(std::memcmp(&record, &zero, sizeof record), 0);
    registry.recordAt(record, 19);
    EXPECT_EQ(record.kind, 15u);
    EXPECT_STREQ(record.keyword, "angle");
    EXPECT_EQ(record.listed, 0u);

    char name[80];
    ASSERT_EQ(registry.nameOfKind(1, name), 1);
    EXPECT_EQ(bytes(name), "\x90\xFC\x95\xAA");
    ASSERT_EQ(registry.nameOfKind(19, name), 1);
    EXPECT_EQ(bytes(name), "\x83\x73\x83\x4E\x83\x60\x83\x85\x83\x41\x81\x5B");
    EXPECT_EQ(registry.nameOfKind(0, name), 0);
    EXPECT_STREQ(name, "");

    TagDictionary tags;
    for (const char* keyword : {"msrangle", "angle"}) {
        uint32_t tag = 0;
        EXPECT_EQ(tags.idByName(keyword, &tag), 1) << keyword;
        EXPECT_EQ(tag, 15u) << keyword;
    }

    Element* line = registry.createElement(1);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->self, line);
    EXPECT_EQ(line->kind, 0) << "the caller sets the kind";
    int made = 0;
    for (int i = 0; i < kElementAttributeCount; ++i)
        made += line->hasAttribute(static_cast<ElementAttribute>(i));
    EXPECT_EQ(made, 8);
    EXPECT_TRUE(line->colour() && line->firstPoint() && line->secondPoint() && line->lineWidth() &&
                line->linePosition() && line->lineType() && line->lineCap() && line->gray());
    EXPECT_EQ(registry.destroyElement(1, line), 1);
    EXPECT_EQ(registry.destroyElement(1, nullptr), 0);

    // The undo text of a new line names its kind while the registry exists.
    ASSERT_GE(drawing.addLine(0, 0, 10, 0), 1);
    char text[UndoManager::kTextSize];
    (void)drawing.context.undoManager->undoText(text); // answers canUndo
    EXPECT_NE(bytes(text).find("\x90\xFC\x95\xAA"), std::string::npos) << text;
}

TEST(LineCreation, DragClicksDoubleClickShiftAndCancel)
{
    enum Keys { N = ScriptedMouse::kNone, L = ScriptedMouse::kLeft, S = ScriptedMouse::kShift };
    struct Step {
        DWORD at;
        int x, y, keys;
    };
    struct Case {
        const char* name;
        std::vector<Step> script; // the press at (10, 10) is the first step, at 1000 ms
        int cancelAt;
        int result;
        Point end;
        int pending;
    };
    const Case cases[] = {
        {"drag released after 150 ms", {{1000, 10, 10, L}, {1100, 40, 20, L}, {1300, 40, 20, N}}, 0, 1, {40, 20}, 0},
        {"a quick click, then a second click sets end",
         {{1000, 10, 10, L}, {1030, 10, 10, N}, {1200, 50, 30, N}, {1400, 50, 30, L}}, 0, 1, {50, 30}, 0},
        {"second click in place within the double-click time",
         {{1000, 10, 10, L}, {1030, 10, 10, N}, {1200, 10, 10, L}}, 0, 15, {10, 10}, 0},
        {"second click in place after it", {{1000, 10, 10, L}, {1030, 10, 10, N}, {1700, 10, 10, L}}, 0, -1, {10, 10}, 0},
        {"Shift makes it horizontal", {{1000, 10, 10, L}, {1100, 50, 14, L | S}, {1300, 50, 14, S}}, 0, 1, {50, 10}, 0},
        {"Shift makes it vertical", {{1000, 10, 10, L}, {1100, 13, 40, L | S}, {1300, 13, 40, S}}, 0, 1, {10, 40}, 0},
        {"releasing Shift without a move redraws",
         {{1000, 10, 10, L}, {1100, 13, 40, L | S}, {1200, 13, 40, L}, {1400, 13, 40, N}}, 0, 1, {13, 40}, 0},
        {"cancelled in the click phase", {{1000, 10, 10, L}, {1030, 10, 10, N}, {1200, 50, 30, N}}, 4, -1, {50, 30}, 1},
        {"a click outside the view (on the status bar) places nothing",
         {{1000, 10, 10, L}, {1030, 10, 10, N}, {1200, 60, 520, N}, {1300, 60, 520, L}, {1350, 60, 520, N},
          {1500, 50, 30, N}, {1700, 50, 30, L}}, 0, 1, {50, 30}, 0},
    };
    TestApplication app;
    ScopedOverride<ElementKindRegistry::Factory> lines(ElementKindRegistry::factories[0], newBandRecordingLine);
    for (const Case& c : cases) {
        FakeClock clock(1000, 500);
        LineDrawing drawing;
        ScriptedMouse mouse;
        for (const Step& s : c.script)
            mouse.at(s.at, s.x, s.y, s.keys);
        mouse.advanceClockPerRead(&clock, 50);
        drawing.points->press = Point(10, 10);
        drawing.points->has = 1;
        drawing.view->cancelAt = c.cancelAt;
        bandEnds.clear();
        std::unique_ptr<Element> line(drawing.registry->createElement(1));
        line->context = &drawing.context;
        line->kind = 1;
        line->restartClickTimer(); // as recording the press does
        EXPECT_EQ(line->beginCreateInput(0), c.result) << c.name;
        EXPECT_EQ(line->firstPoint()->x, 10.0) << c.name;
        EXPECT_EQ(line->secondPoint()->x, c.end.x) << c.name;
        EXPECT_EQ(line->secondPoint()->y, c.end.y) << c.name;
        EXPECT_EQ(line->inputPending, c.pending) << c.name;
        if (std::string(c.name) == "releasing Shift without a move redraws") {
            ASSERT_GE(bandEnds.size(), 2u);
            EXPECT_EQ(bandEnds[bandEnds.size() - 2].x, 10.0) << "first on the vertical through start";
            EXPECT_EQ(bandEnds.back().x, 13.0) << "then where the cursor is";
        }
    }
}

TEST(LineExtent, QuickExactTopScaleAndZeroLength)
{
    struct Case {
        const char* name;
        int mode, position, cap, denominator;
        Point a, b, low, high;
    };
    const Case cases[] = {
        {"quick", 0, 1, 1, 1, {0, 0}, {10, 0}, {-1, -1}, {11, 1}},
        {"quick of a TOP line", 0, 2, 1, 1, {0, 0}, {10, 0}, {-1, -1}, {11, 1}},
        {"exact CENTER", 1, 1, 1, 1, {0, 0}, {10, 0}, {0, -0.5}, {10, 0.5}},
        {"exact TOP: the band on +y", 1, 2, 1, 1, {0, 0}, {10, 0}, {0, 0}, {10, 1}},
        {"exact BOTTOM", 1, 3, 1, 1, {0, 0}, {10, 0}, {0, -1}, {10, 0}},
        {"square caps past the ends", 1, 1, 3, 1, {0, 0}, {10, 0}, {-0.5, -0.5}, {10.5, 0.5}},
        {"quick at 1:2", 0, 1, 1, 2, {0, 0}, {10, 0}, {-2, -2}, {12, 2}},
        {"exact TOP at 1:2", 1, 2, 1, 2, {0, 0}, {10, 0}, {0, 0}, {10, 2}},
        {"zero length, exact", 1, 2, 3, 1, {5, 5}, {5, 5}, {5, 5}, {5, 5}},
    };
    TestApplication app;
    for (const Case& c : cases) {
        LineDrawing drawing;
        static_cast<SheetSettings*>(drawing.context.paper)->setScaleDenominator(c.denominator);
        std::unique_ptr<Element> line(drawing.registry->createElement(1));
        line->context = &drawing.context;
        *static_cast<Point*>(line->firstPoint()) = c.a;
        *static_cast<Point*>(line->secondPoint()) = c.b;
        line->lineWidth()->width = 1.0;
        line->linePosition()->position = c.position;
        line->lineCap()->capStyle = c.cap;
        line->computeExtent(c.mode);
        EXPECT_NEAR(line->extentMin.x, c.low.x, 1e-12) << c.name;
        EXPECT_NEAR(line->extentMin.y, c.low.y, 1e-12) << c.name;
        EXPECT_NEAR(line->extentMax.x, c.high.x, 1e-12) << c.name;
        EXPECT_NEAR(line->extentMax.y, c.high.y, 1e-12) << c.name;
    }
}

TEST(LineEditing, EndPointDragUndoHandlesAndRotation)
{
    TestApplication app;
    FakeClock clock(1000, 500);
    LineDrawing drawing;
    UndoManager& undo = *drawing.context.undoManager;
    ASSERT_TRUE(undo.isEnabled()) << "the test prefix's temporary folder must take the log";
    const int id = drawing.addLine(10, 10, 50, 30);
    ASSERT_EQ(id, 1);
    ElementEditorBase& editor = *drawing.context.editor3;

    // The end point under the cursor follows the mouse; one point-move record takes it back.
    ASSERT_EQ(editor.beginEdit(id), 1);
    Element* line = editor.elementInHand();
    drawing.tool->cursor = Point(50, 30);
    {
        ScriptedMouse mouse;
        mouse.at(1000, 50, 30, ScriptedMouse::kLeft).at(1100, 70, 45, ScriptedMouse::kLeft).at(1300, 70, 45);
        mouse.advanceClockPerRead(&clock, 50);
        const int records = undo.recordCount();
        EXPECT_EQ(line->editByMouse(), Element::kDone);
        EXPECT_EQ(undo.recordCount(), records + 1);
        EXPECT_EQ(line->secondPoint()->x, 70.0);
        EXPECT_EQ(line->secondPoint()->y, 45.0);
        ASSERT_EQ(editor.storeBack(id), 1);
    }
    char text[UndoManager::kTextSize];
    ASSERT_TRUE(undo.undoText(text));
    char moveName[32];
    ASSERT_EQ(UndoManager::operationName(static_cast<int>(UndoCode::PointMove), 1, moveName, 32), 1);
    EXPECT_NE(std::string(text).find(moveName), std::string::npos);
    ASSERT_EQ(undo.undo(), 1);
    ASSERT_EQ(editor.beginEdit(id), 1);
    line = editor.elementInHand();
    EXPECT_EQ(line->secondPoint()->x, 50.0);
    EXPECT_EQ(line->secondPoint()->y, 30.0);
    EXPECT_EQ(line->firstPoint()->x, 10.0);

    // Handle 1 (top middle) moves y only, handle 3 (right middle) x only.
    struct HandleCase {
        int handle;
        int xChanges, yChanges;
    };
    for (const HandleCase& c : {HandleCase{1, 0, 1}, HandleCase{3, 1, 0}}) {
        ASSERT_EQ(editor.beginEdit(id), 1);
        line = editor.elementInHand();
        const Point a = *line->firstPoint(), b = *line->secondPoint();
        clock.set(1000);
        ScriptedMouse mouse;
        mouse.at(1000, 200, 200, ScriptedMouse::kLeft).at(1100, 120, 90, ScriptedMouse::kLeft).at(1300, 120, 90);
        mouse.advanceClockPerRead(&clock, 50);
        EXPECT_EQ(line->dragHandle(c.handle), Element::kDone) << c.handle;
        EXPECT_EQ(line->firstPoint()->x != a.x || line->secondPoint()->x != b.x, c.xChanges != 0) << c.handle;
        EXPECT_EQ(line->firstPoint()->y != a.y || line->secondPoint()->y != b.y, c.yChanges != 0) << c.handle;
    }
    EXPECT_EQ(line->dragHandle(8), Element::kCancelled);

    // Turned by 30 degrees and back, both points are where they were.
    const Point a = *line->firstPoint(), b = *line->secondPoint();
    line->rotate(30.0, 5.0, 7.0, 0.0);
    EXPECT_GT(std::fabs(line->firstPoint()->x - a.x), 1e-3);
    line->rotate(-30.0, 5.0, 7.0, 0.0);
    EXPECT_NEAR(line->firstPoint()->x, a.x, 1e-9);
    EXPECT_NEAR(line->firstPoint()->y, a.y, 1e-9);
    EXPECT_NEAR(line->secondPoint()->x, b.x, 1e-9);
    EXPECT_NEAR(line->secondPoint()->y, b.y, 1e-9);
}

TEST(LineRecord, EveryCutOfTheRecordFailsWithinIt)
{
    TestApplication app;
    LineDrawing drawing;
    const int id = drawing.addLine(1.5, 2.5, 30.25, -4);
    ASSERT_EQ(id, 1);
    ElementEditorBase& editor = *drawing.context.editor3;
    ASSERT_EQ(editor.beginEdit(id), 1);
    Element* line = editor.elementInHand();
    line->lineWidth()->width = 0.35;
    line->linePosition()->position = 3;
    line->lineCap()->capStyle = 2;
    line->gray()->value = 0.5;
    expectEveryCutFails(drawing, *line, [](Element& copy) {
        EXPECT_EQ(copy.firstPoint()->x, 1.5);
        EXPECT_EQ(copy.secondPoint()->y, -4.0);
        EXPECT_EQ(copy.linePosition()->position, 3);
        EXPECT_EQ(copy.lineCap()->capStyle, 2);
        EXPECT_EQ(copy.gray()->value, 0.5);
    });
}

} // namespace
