// The selection list, the rubber band (by the scripted mouse and clock) and the batch change of
// the selected elements.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "geometry/PickSettings.h"
#include "resources/ids.h"
#include "tests/document/EditTestDocument.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

namespace {

HCURSOR programCursor(int id) { return LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }

std::vector<int> listed(Selection& selection)
{
    std::vector<int> ids;
    for (int i = 0; selection.idAt(i) >= 1; ++i)
        ids.push_back(selection.idAt(i));
    return ids;
}

TEST(Selection, TheListKeepsItsOrderAndEndsInMinusThree)
{
    TestApplication app;
    EditTestDocument doc;
    Selection& list = doc.selection();
    for (int id : {4, 2, 9, 2})
        list.add(id);
    EXPECT_EQ(listed(list), (std::vector<int>{4, 2, 9, 2}));
    EXPECT_EQ(list.idAt(list.count), -3);
    EXPECT_EQ(list.idAt(-1), -3);
    list.remove(2);
    EXPECT_EQ(listed(list), (std::vector<int>{4, 9, 2})) << "only the first 2 goes";
    list.remove(7);
    EXPECT_EQ(list.count, 3) << "an id not listed changes nothing";
    list.setAt(1, 5);
    list.setAt(3, 6);
    EXPECT_EQ(listed(list), (std::vector<int>{4, 5, 2}));
    list.clear();
    EXPECT_EQ(list.idAt(0), -3);
}

// Boxes A inside the band, B reaching across its right edge, C far away, D inside but on page 2.
// The press is at (5, 5), device (10, 10); a full drag ends at device (80, 60), world (40, 30).
struct BandCase {
    const char* name;
    int encloseMode;
    int keys;         // Shift or Control held during the drag
    int endX, endY;   // device point of the release
    DWORD releaseAt;  // milliseconds after the press
    int result;
    std::vector<char> selected; // names of the boxes listed afterwards
    int cursor;       // the cursor shown when the drag starts
};

TEST(Selection, TheRubberBandSelectsByEncloseModeShiftControlDistanceAndTime)
{
    TestApplication app;
    PickSettings pick;
    ScopedOverride<PickSettings*> settings(thePickSettings, &pick);
    const BandCase cases[] = {
        {"whole", 1, 0, 80, 60, 300, 1, {'A'}, IDCUR_ARROW_WHOLE},
        {"whole with Shift picks touching elements", 1, ScriptedMouse::kShift, 80, 60, 300, 2, {'A', 'B'}, IDCUR_ARROW_PART},
        {"part", 2, 0, 80, 60, 300, 2, {'A', 'B'}, IDCUR_ARROW_PART},
        {"part with Shift picks whole elements", 2, ScriptedMouse::kShift, 80, 60, 300, 1, {'A'}, IDCUR_ARROW_WHOLE},
        {"mode 3 is part", 3, 0, 80, 60, 300, 2, {'A', 'B'}, IDCUR_ARROW_PART},
        {"another mode selects nothing", 0, 0, 80, 60, 300, 0, {}, IDCUR_ARROW_PART},
        {"a release within 150 ms selects nothing", 1, 0, 80, 60, 100, 0, {'C'}, IDCUR_ARROW_WHOLE},
        {"a drag under 3 pixels keeps the selection", 1, 0, 12, 11, 300, 0, {'C'}, IDCUR_ARROW_WHOLE},
        {"3 pixels are a drag", 1, 0, 13, 10, 300, 0, {}, IDCUR_ARROW_WHOLE},
        {"Control keeps the rectangle for a picture", 1, ScriptedMouse::kControl, 80, 60, 300, 1, {}, IDCUR_ARROW_WHOLE},
    };
    for (const BandCase& c : cases) {
        SCOPED_TRACE(c.name);
        EditTestDocument doc;
        const int a = doc.addBox(10, 10, 10, 10);
        const int b = doc.addBox(30, 10, 30, 10);
        const int cId = doc.addBox(200, 200, 10, 10);
        const int d = doc.addBox(12, 12, 2, 2, 2);
        ASSERT_TRUE(a && b && cId && d);
        doc.selectTool->choose({cId, a});
        doc.selection().remove(a);
        pick.encloseMode = c.encloseMode;

        FakeClock clock(1000);
        ScriptedMouse mouse;
        mouse.at(1000, 10, 10, ScriptedMouse::kLeft | c.keys)
            .at(1050, c.endX, c.endY, ScriptedMouse::kLeft | c.keys)
            .at(1000 + c.releaseAt, c.endX, c.endY, c.keys);
        mouse.advanceClockPerRead(&clock, 10);
        doc.selectTool->pressX = doc.selectTool->pressY = 5.0;
        ASSERT_EQ(doc.context.restartTimer(), 1);

        EXPECT_EQ(doc.selection().selectInRect(), c.result);
        std::vector<int> expected;
        for (char name : c.selected)
            expected.push_back(name == 'A' ? a : name == 'B' ? b : cId);
        EXPECT_EQ(listed(doc.selection()), expected);
        ASSERT_FALSE(doc.view->cursors.empty());
        EXPECT_EQ(doc.view->cursors.front(), programCursor(c.cursor));
        EXPECT_EQ(theMouseState->cursor, LoadCursorA(nullptr, IDC_ARROW)) << "the arrow comes back";
        EXPECT_EQ(doc.selection().pending, c.keys == ScriptedMouse::kControl ? 1 : 0);
        for (int id : doc.selectTool->tested) {
            EXPECT_NE(id, d) << "only the current page's candidates are tested";
        }
        if (c.result > 0 && c.keys != ScriptedMouse::kControl) {
            EXPECT_EQ(doc.selection().endX, 40.0);
        }
    }
}

// While Control is held and the mouse rests, the band is drawn again every 80 ms, one dash phase
// further on; the dashes are 5 pixels on and 5 off from that phase.
TEST(Selection, ARestingBandMovesItsDashesEvery80Milliseconds)
{
    TestApplication app;
    EditTestDocument doc;
    FakeClock clock(1000);
    ScriptedMouse mouse;
    mouse.at(1000, 110, 90, ScriptedMouse::kLeft | ScriptedMouse::kControl)
        .at(1500, 110, 90, ScriptedMouse::kControl);
    mouse.advanceClockPerRead(&clock, 10);
    doc.selectTool->pressX = doc.selectTool->pressY = 5.0;
    ASSERT_EQ(doc.context.restartTimer(), 1);
    EXPECT_EQ(doc.selection().selectInRect(), 1);

    const std::vector<int>& phases = doc.updater->phases;
    const std::vector<DWORD>& times = doc.updater->times;
    ASSERT_GE(phases.size(), 6u);
    EXPECT_EQ(phases[0], 1) << "the move draws at once, and so does the first rest";
    for (size_t i = 1; i < phases.size(); ++i) {
        EXPECT_EQ(phases[i], (phases[i - 1] + 1) % 10) << "draw " << i;
        if (i >= 2) {
            EXPECT_EQ(times[i] - times[i - 1], 80u) << "draw " << i;
        }
    }
    // The last band drawn: along the top edge (y = 10) from x = 10, pixel s is ink when
    // (s + phase) mod 10 < 5.
    const int phase = phases.back();
    for (int s = 0; s < 60; ++s)
        EXPECT_EQ(doc.updater->surface.isInk(10 + s, 10), (s + phase) % 10 < 5) << "pixel " << s;

    // Without an overlay no band is drawn, and a band that is not pending is never drawn.
    doc.updater->withOverlay = 0;
    EXPECT_EQ(doc.selection().drawBand(0), 0);
    doc.updater->withOverlay = 1;
    doc.selection().clearPending();
    EXPECT_EQ(doc.selection().drawBand(0), 0);
}

TEST(Selection, WithoutAViewTheBandSelectsNothing)
{
    TestApplication app;
    EditTestDocument doc;
    doc.selection().add(3);
    delete doc.context.view;
    doc.context.view = nullptr;
    EXPECT_EQ(doc.selection().selectInRect(), 0);
    EXPECT_EQ(listed(doc.selection()), (std::vector<int>{3}));
}

// Moves the lines it accepts by (5, 0).
class MoveLines : public SelectionOperation {
public:
    int accepts(int kind) override { return kind == kindCode(ElementKind::Line); }
    int apply(Element* element) override
    {
        element->translate(5, 0, 0);
        ++applied;
        return 1;
    }
    int applied = 0;
};

TEST(Selection, ABatchChangeRecordsThePairsItWroteAndUndoRestoresExactlyThose)
{
    TestApplication app;
    EditTestDocument doc;
    const int a = doc.add(ElementKind::Line, {{0, 0, 0}, {10, 0, 0}});
    const int box = doc.addBox(0, 0, 5, 5);
    const int c = doc.add(ElementKind::Line, {{1, 1, 0}});
    doc.selectTool->choose({a, box, c});
    MoveLines operation;
    EXPECT_EQ(doc.selection().forEach(operation), 2);
    EXPECT_EQ(operation.applied, 2);
    EXPECT_EQ(doc.pointsOf(a)[1].x, 15.0);
    EXPECT_EQ(doc.pointsOf(c)[0].x, 6.0);
    EXPECT_EQ(doc.pointsOf(box)[0].x, 0.0);
    EXPECT_EQ(doc.updater->repaints, 1) << "the changed elements are shown still selected";

    // One record "一括変更" whose count word (after the 6-byte head) says two pairs.
    const std::string log = undoLogBytes(doc.undo());
    ASSERT_GE(log.size(), 10u);
    EXPECT_EQ(*reinterpret_cast<const uint16_t*>(log.data() + 2), 73);
    EXPECT_EQ(*reinterpret_cast<const int32_t*>(log.data() + 6), 2);
    char text[UndoManager::kTextSize];
    EXPECT_EQ(doc.undo().undoText(text), 1);
    EXPECT_STREQ(text, "一括変更の取り消し");
    EXPECT_EQ(doc.undo().recordCount(), 1);
    ASSERT_EQ(doc.undo().undo(), 1);
    EXPECT_EQ(doc.pointsOf(a)[1].x, 10.0);
    EXPECT_EQ(doc.pointsOf(c)[0].x, 1.0);
    EXPECT_EQ(doc.pointsOf(box)[0].x, 0.0);
    EXPECT_EQ(doc.selectTool->chosen(), (std::vector<int>{a, c})) << "undo selects what it restored";
    EXPECT_EQ(doc.updater->repaints, 2) << "and shows it selected";
    ASSERT_EQ(doc.undo().redo(), 1);
    EXPECT_EQ(doc.pointsOf(a)[1].x, 15.0);

    // Without the in-place editor, or with nothing selected, nothing runs.
    doc.selectTool->choose({});
    EXPECT_EQ(doc.selection().forEach(operation), 0);
    EXPECT_EQ(doc.undo().recordCount(), 1);

    // The select tool picks one element alone and leaves the ids of the list before it: the
    // element it holds is the selection, the listed ones are not selected.
    doc.selectTool->choose({a, c});
    doc.selectTool->mode = 1;
    doc.selectTool->single = box;
    operation.applied = 0;
    EXPECT_EQ(doc.selection().forEach(operation), 0);
    EXPECT_EQ(operation.applied, 0);
    EXPECT_EQ(doc.pointsOf(a)[1].x, 15.0) << "a line of the list before is left alone";
    doc.selectTool->mode = 0;
    EXPECT_EQ(doc.selection().forEach(operation), 0) << "nothing selected, whatever the list holds";
    EXPECT_EQ(doc.pointsOf(c)[0].x, 6.0);
}

} // namespace
