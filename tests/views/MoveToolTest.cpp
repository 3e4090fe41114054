// Moving and copying the selection with the scripted mouse and clock, the arrow keys and the move
// dialog: what moves, by how much, and which undo records are written.
#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "document/DrawingGrid.h"
#include "document/ElementClipboard.h"
#include "document/ElementStore.h"
#include "platform/CurrentEvent.h"
#include "resources/ids.h"
#include "tests/support/ClipboardOwner.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScopedOverride.h"
#include "tests/views/ToolTestDrawing.h"

using namespace tool_test;

namespace {

// Refuses to move one element, as a store that cannot take its record back would.
class RefusingEditor : public ElementEditor {
public:
    int translateById(int id, double dx, double dy, double dz) override
    {
        return id == refused ? 0 : ElementEditor::translateById(id, dx, dy, dz);
    }
    int refused = 0;
};

// What the user is told when the store refused an element of the action.
const char* const kRefusedText = "図形の数値が扱える範囲を超えるため、この操作はできません。";

std::string undoText(DocumentContext& context)
{
    char text[UndoManager::kTextSize] = {};
    (void)context.undoText(text);
    return text;
}

} // namespace

TEST(MoveTool, DragMovesTheSelectionOrCopiesIt)
{
    struct Case {
        const char* what;
        DWORD hold;
        int toX, toY, keys;
        int gridPitch; // millimetres; 0: no grid
        int result;    // of the drag
        double movedX, movedY; // pixels
        int records;
        std::string undo;
        int copies;
    };
    const double snapped = 5.0 / ToolDrawing::mm(1.0); // 5 mm in pixels
    const Case cases[] = {
        {"a press released within 300 ms is a click", 200, 40, 20, 0, 0, 3, 0, 0, 0, "取り消し", 0},
        {"a 400 ms drag by 20 pixels", 400, 40, 20, 0, 0, 1, 20, 0, 1, "移動の取り消し", 0},
        {"with the grid each axis snaps by its pitch", 400, 40, 23, 0, 5, 1, snapped, 0, 1, "移動の取り消し", 0},
        {"a release outside the view changes nothing", 400, 500, 20, 0, 0, -1, 0, 0, 0, "取り消し", 0},
        {"Control copies the group into one new group", 400, 40, 20, ScriptedMouse::kControl, 0, 1, 0, 0, 1,
         "複写の取り消し", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ToolDrawing d;
        const int ids[3] = {d.add(10, 10, 30, 30, 4), d.add(12, 40, 30, 60, 4), d.add(14, 70, 30, 90, 4)};
        if (c.gridPitch) {
            auto* grid = dynamic_cast<DrawingGrid*>(d.context.grid);
            ASSERT_NE(grid, nullptr);
            grid->kind = DrawingGrid::kDots;
            grid->xNumerator = grid->yNumerator = c.gridPitch;
        }
        d.press(20, 20, 0, 20, 20); // the group selected by a click
        d.leftButton();
        ASSERT_EQ(d.selected(), (std::vector<int>{ids[0], ids[1], ids[2]}));
        const int records = d.context.undoManager->recordCount();

        d.press(20, 20, c.hold, c.toX, c.toY, c.keys);
        (void)d.context.restartTimer();
        EXPECT_EQ(MoveTool::of(&d.context)->dragSelection(), c.result);

        EXPECT_EQ(d.context.undoManager->recordCount() - records, c.records);
        EXPECT_EQ(undoText(d.context), c.undo);
        EXPECT_NEAR(d.corner(ids[0]).first, 10 + c.movedX, 1e-9);
        EXPECT_NEAR(d.corner(ids[1]).second, 40 + c.movedY, 1e-9);
        const std::vector<int> now = d.selected();
        if (!c.copies) {
            EXPECT_EQ(now, (std::vector<int>{ids[0], ids[1], ids[2]}));
            continue;
        }
        // The copies are selected, the sources kept; the copies share one new group.
        ASSERT_EQ(now.size(), 3u);
        EXPECT_EQ(d.context.elementStore()->liveCount(), 6);
        std::set<int> groups;
        for (int id : now) {
            ElementIndexEntry entry;
            ASSERT_TRUE(d.context.elementStore()->getEntry(id, &entry));
            groups.insert(entry.group);
            EXPECT_EQ(std::count(std::begin(ids), std::end(ids), id), 0);
        }
        EXPECT_EQ(groups.size(), 1u);
        EXPECT_NE(*groups.begin(), 4);
        EXPECT_NEAR(d.corner(now[0]).first, 30, 1e-9);
        // One undo takes the three copies away and selects the sources again.
        ASSERT_TRUE(d.context.undo());
        EXPECT_EQ(d.context.elementStore()->liveCount(), 3);
        EXPECT_EQ(d.selected(), (std::vector<int>{ids[0], ids[1], ids[2]}));
    }
}

TEST(MoveTool, AMoveIsAllOrNothing)
{
    ToolDrawing d;
    MessageBoxScript boxes;
    auto* refusing = new RefusingEditor;
    delete d.context.editor3;
    d.context.editor3 = refusing;
    refusing->setOwner(&d.context);
    std::vector<int> ids;
    for (int i = 0; i < 5; ++i)
        ids.push_back(d.add(10 + 30 * i, 10, 30 + 30 * i, 30));
    refusing->refused = ids[2];
    for (int id : ids)
        d.select->addToSelection(id);
    const int records = d.context.undoManager->recordCount();
    EXPECT_FALSE(MoveTool::of(&d.context)->moveBy(7.0, 3.0, 0.0));
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(d.corner(ids[i]).first, 10 + 30 * i, 1e-9) << "element " << i;
    EXPECT_EQ(d.context.undoManager->recordCount(), records);
    EXPECT_EQ(boxes.texts(), kRefusedText);
    boxes.clear();

    // An id that an undo or a file read removed is passed over, the others move.
    ASSERT_TRUE(d.context.editor3->removeById(ids[2]));
    EXPECT_TRUE(MoveTool::of(&d.context)->moveBy(7.0, 3.0, 0.0));
    EXPECT_NEAR(d.corner(ids[4]).first, 130 + 7.0 / ToolDrawing::mm(1.0), 1e-9);
    EXPECT_EQ(d.context.undoManager->recordCount(), records + 1);
    EXPECT_EQ(boxes.texts(), "");

    // A line moved where the drawing file could not write it stops the move in the real store.
    const int distant = d.addLine(10, 10, 9.5e39 / ToolDrawing::mm(1.0), 20); // 9.5e39 mm
    ASSERT_GE(distant, 1);
    d.select->addToSelection(distant);
    EXPECT_FALSE(MoveTool::of(&d.context)->moveBy(6e38, 0.0, 0.0));
    EXPECT_NEAR(d.corner(ids[4]).first, 130 + 7.0 / ToolDrawing::mm(1.0), 1e-9);
    EXPECT_EQ(d.context.undoManager->recordCount(), records + 1);
    EXPECT_EQ(boxes.texts(), kRefusedText);
}

TEST(MoveTool, ArrowStepsAreOneRecordAtReleaseToolSwitchOrUndo)
{
    struct Case {
        const char* what;
        int finish; // 1 key release, 2 tool switch, 3 undo at once
    };
    for (const Case c : {Case{"the keys' release", 1}, Case{"a tool switch", 2}, Case{"an undo", 3}}) {
        SCOPED_TRACE(c.what);
        ToolDrawing d;
        const int id = d.add(10, 10, 30, 30);
        d.select->selectSingle(id);
        const int records = d.context.undoManager->recordCount();
        d.mouse.rest(200, 200, ScriptedMouse::kShift);
        for (int i = 0; i < 3; ++i)
            (void)d.select->onKey(VK_RIGHT);
        EXPECT_NEAR(d.corner(id).first, 40, 1e-9) << "each Shift+Right moves 10 pixels at once";
        EXPECT_EQ(d.context.undoManager->recordCount(), records);
        if (c.finish == 1) {
            // Right goes up between the presses; the move is recorded once Shift is up too.
            theCurrentEvent->wParam = VK_RIGHT;
            (void)d.select->onKeyUp();
            EXPECT_EQ(d.context.undoManager->recordCount(), records);
            d.mouse.rest(200, 200);
            theCurrentEvent->wParam = VK_SHIFT;
            (void)d.select->onKeyUp();
        } else if (c.finish == 2) {
            d.context.settleElement();
        }
        if (c.finish != 3) {
            EXPECT_EQ(d.context.undoManager->recordCount(), records + 1);
        }
        ASSERT_TRUE(d.context.undo());
        EXPECT_NEAR(d.corner(id).first, 10, 1e-9) << "one undo takes the three steps back";
        EXPECT_EQ(d.context.undoManager->recordCount(), records + 1);
    }
}

TEST(MoveTool, TheMoveDialogMovesCopiesOrRefuses)
{
    struct Case {
        const char* what;
        const char* x;
        const char* y;
        int button;
        int result; // of moveSelection; of the select tool's key handling when digit is set
        double movedX, movedY; // millimetres
        int records, live;
        int messages;
        int digit = 0; // opened by this key in the select tool
    };
    const Case cases[] = {
        {"移動 by typed millimetres", "5", "-2.5", IDOK, 1, 5, -2.5, 1, 1, 0},
        {"a digit typed in the select tool opens the dialog", "4", "0", IDOK, 1, 4, 0, 1, 1, 0, '7'},
        {"0 and 0 write nothing", "0", "0", IDOK, 0, 0, 0, 0, 1, 0},
        {"複写 copies by the offset", "5", "0", IDC_MOVE_COPY, 2, 0, 0, 1, 2, 0},
        {"ｷｬﾝｾﾙ keeps everything", "5", "5", IDCANCEL, 0, 0, 0, 0, 1, 0},
        {"text that is no number is refused with its field's message", "abc", "1", IDOK, 0, 0, 0, 0, 1, 1},
        {"a distance beyond the coordinate range is refused", "1e300", "1", IDOK, 0, 0, 0, 0, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ToolDrawing d;
        MessageBoxScript boxes;
        const int id = d.add(10, 10, 30, 30);
        d.select->selectSingle(id);
        const double x0 = d.corner(id).first;
        const int records = d.context.undoManager->recordCount();
        const INT_PTR r = driveModalDialog([&] { return c.digit ? d.select->onKey(c.digit)
                                                                : MoveTool::of(&d.context)->moveSelection(); },
                                           [&](HWND w) {
                                               SetDlgItemTextA(w, IDC_MOVE_X, c.x);
                                               SetDlgItemTextA(w, IDC_MOVE_Y, c.y);
                                               click(w, c.button);
                                               // A refused field keeps the dialog open.
                                               if (!boxes.shown().empty())
                                                   PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                                           });
        EXPECT_EQ(r, c.result);
        EXPECT_EQ(static_cast<int>(boxes.shown().size()), c.messages);
        EXPECT_NEAR((d.corner(id).first - x0) * ToolDrawing::mm(1.0), c.movedX, 1e-9);
        EXPECT_EQ(d.context.undoManager->recordCount() - records, c.records);
        EXPECT_EQ(d.context.elementStore()->liveCount(), c.live);
    }
}

TEST(MoveTool, ThePointEditLoopEditsTheSelectedElementUnderEachClick)
{
    ToolDrawing d;
    const int a = d.add(10, 10, 60, 60), b = d.add(100, 10, 150, 60);
    d.select->addToSelection(a);
    d.select->addToSelection(b);
    // Two clicks on selected elements, each edit going on (11), then a click beside them.
    Rectangle::mouseEdits() = {11, 11};
    const DWORD t = d.clock.now();
    const int L = ScriptedMouse::kLeft;
    d.mouse.at(t, 200, 200).at(t + 50, 20, 20, L).at(t + 100, 20, 20).at(t + 150, 120, 20, L).at(t + 200, 120, 20)
        .at(t + 250, 300, 250, L).at(t + 300, 300, 250);
    EXPECT_EQ(d.context.moveTool->editPointsLoop(), 0);
    EXPECT_EQ(Rectangle::editedIds(), (std::vector<int>{a, b}));
    EXPECT_EQ(d.selected(), (std::vector<int>{a, b}));
}

TEST(MoveTool, APointDraggedInThePointEditLoopStaysWhereItWasLetGo)
{
    // A line's end point dragged with the point-move tool, then a click beside it ends the loop:
    // the stored line keeps the new end, through the marks drawn between.
    ToolDrawing d;
    const int id = d.addLine(20, 20, 120, 20);
    d.select->selectSingle(id);
    const DWORD t = d.clock.now();
    const int L = ScriptedMouse::kLeft;
    d.mouse.at(t, 200, 200).at(t + 50, 20, 20, L).at(t + 100, 30, 35, L).at(t + 150, 40, 50, L)
        .at(t + 200, 40, 50).at(t + 250, 300, 250, L).at(t + 300, 300, 250);
    d.context.moveSelectionByMouse();
    const auto corner = d.corner(id);
    EXPECT_NEAR(corner.first, 40.0, 0.5);
    EXPECT_NEAR(corner.second, 50.0, 0.5);
}

// An element whose record holds a value the drawing file cannot write (as another program's
// clipboard data may) is passed over by a copy and by a paste, which take the others and tell
// the user once.
TEST(MoveTool, CopiesAndPastesPassOverElementsTheFileCannotWrite)
{
    ToolDrawing d;
    ClipboardOwner owner;
    ASSERT_TRUE(owner.ready());
    ElementClipboard clipboard;
    ScopedOverride<ElementClipboard*> installed{theElementClipboard, &clipboard};
    MessageBoxScript boxes;
    const std::vector<int> ids = {d.addLine(10, 10, 30, 10), d.addLine(10, 20, 30, 20), d.addLine(10, 30, 30, 30)};
    ElementEditorBase& editor = *d.context.editor3;
    ASSERT_TRUE(editor.beginEdit(ids[1]));
    Element* spoilt = editor.elementInHand();
    spoilt->secondPoint()->x = 1e41;
    ASSERT_EQ(spoilt->exchangeRecord(1), 1);
    ElementIndexEntry entry;
    spoilt->buildIndexEntry(entry);
    ASSERT_EQ(d.context.elementStore()->updateElement(ids[1], &entry), 1);
    for (int id : ids)
        d.select->addToSelection(id);
    ASSERT_EQ(d.context.copy(), 1);

    EXPECT_EQ(MoveTool::of(&d.context)->copyBy(5.0, 0.0, 0.0), 2);
    EXPECT_EQ(d.context.elementCount(), 5);
    EXPECT_EQ(boxes.texts(), kRefusedText);
    boxes.clear();
    EXPECT_EQ(d.context.paste(), 1);
    EXPECT_EQ(d.context.elementCount(), 7);
    EXPECT_EQ(d.selected().size(), 2u) << "the pasted elements are selected";
    EXPECT_EQ(boxes.texts(), kRefusedText);
}
