// A document window's tools, buttons, wheel, middle button and save question, with recording
// members put into its drawing.
#include <string>
#include <vector>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/OrderChangeSettings.h"
#include "document/PagePainter.h"
#include "document/PageTabBar.h"
#include "document/PartsLibrary.h"
#include "document/PartsPane.h"
#include "document/UndoManager.h"
#include "document/ViewScroller.h"
#include "geometry/GridSettings.h"
#include "platform/CurrentEvent.h"
#include "platform/MouseState.h"
#include "shell/FrameCommands.h"
#include "shell/GlobalManagers.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/FileDialogScript.h"
#include "tests/support/IdleMembers.h"
#include "tests/support/LinearView.h"
#include "tests/support/MessageBoxScript.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/ElementScaler.h"
#include "views/tools/MoveTool.h"
#include "views/tools/RotateTool.h"
#include "views/tools/SelectTool.h"

namespace {

// Whether the recording view says the cursor is in it; the recording select tool's mode.
int cursorInView = 1;
int selectionShown = 0;

// A parts list whose cursor always rests on the second part's cell.
class SecondCellPane : public PartsPane {
public:
    void setPartsRange(int part, int) override { selected = part; }
    void setPartsName(const char*) override {}
    int firstVisible() override { return 0; }
    int cellRect(int, IntRect&) override { return 0; }
    int cellAtPoint(const IntPoint&) override { return 2; }
    DeviceContext* surface() override { return nullptr; }
    void listArea(IntRect& area) override { area = IntRect(); }
    void drawCellFrames() override {}
    void repaint() override {}
    void openContextMenu() override {}
    int selected = -1;
};

class RecordingView : public LinearView {
public:
    [[nodiscard]] int isCursorInView() override { return cursorInView; }
    int zoomByMouse() override { note("loupe"); return 11; }
    int zoomAtPoint(const IntPoint& p, double factor) override
    {
        note("zoom " + std::to_string(factor) + " at " + std::to_string(p.x) + "," + std::to_string(p.y));
        return 1;
    }
};

class RecordingEditor : public IdleEditor {
public:
    int mouseStep(int kind, int mode) override
    {
        note("draw " + std::to_string(kind) + "/" + std::to_string(mode));
        return 0;
    }
    void settleElement(int) override { note("settle"); }
    void handleKey() override { note("editor key"); }
};

class RecordingSelectTool : public IdleSelectTool {
public:
    int onMouse() override { note("select"); return 0; }
    int onKeyDown() override { note("select key"); return 1; }
    int selectByClick() override { note("click loop"); return 0; }
    int selectionMode() override { return selectionShown; }
};

// The order command: its dialog answers OK; the command notes whether that was confirmed.
class RecordingOrder : public OrderChangeSettings {
public:
    int runDialog() override
    {
        note("order dialog");
        dialogResult = 1;
        return 1;
    }
    int changeOrder() override
    {
        note(dialogResult == 1 ? "order" : "order unconfirmed");
        dialogResult = -1;
        return 1;
    }
};

class RecordingScroller : public IdleScroller {
public:
    int scrollBy(int, int lines) override { note("scroll " + std::to_string(lines)); return 1; }
    int handTool() override { note("pan"); return 0; }
};

class RecordingRotate : public RotateTool {
public:
    void setOwner(DocumentContext*) override {}
    int run() override { note("rotate"); return 0; }
    int prepare() override { note("prepare rotate"); return 0; }
};

class RecordingMove : public MoveTool {
public:
    void setOwner(DocumentContext*) override {}
    int dragSelection() override { note("move"); return 0; }
    int editPointsLoop() override { note("move"); return 0; }
};

class RecordingScaler : public ElementScaler {
public:
    void setOwner(DocumentContext*) override {}
    void runCommand() override { note("scale"); }
};

class RecordingGrid : public IdleGrid {
public:
    int editSettings() override { note("grid dialog"); return 0; }
    int mouseOperation() override { note("grid"); return 0; }
};

template <typename Base, typename Made> Base* made(DocumentContext&) { return new Made; }

class DocumentWindowTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        cursorInView = 1;
        selectionShown = 0;
        DocumentMemberFactories& hooks = documentMemberFactories;
        startUpView = hooks.viewParams;
        hooks.viewParams = made<ViewParams, RecordingView>;
        hooks.editor2 = made<ElementEditorBase, RecordingEditor>;
        hooks.selectTool = made<SelectToolBase, RecordingSelectTool>;
        hooks.scroller = made<ViewScroller, RecordingScroller>;
        hooks.rotateTool = made<RotateToolBase, RecordingRotate>;
        hooks.moveTool = made<MoveToolBase, RecordingMove>;
        hooks.scaler = made<ElementScalerBase, RecordingScaler>;
        window = frame.createDocumentWindow();
        ASSERT_TRUE(window);
        standIn(window->context->grid, new RecordingGrid);
        standIn(window->context->orderSettings, new RecordingOrder)->setOwner(window->context);
        settleEvents();
        shellTrace().clear();
    }

    // What a step noted, and the trace cleared.
    std::vector<std::string> taken()
    {
        std::vector<std::string> trace = shellTrace();
        shellTrace().clear();
        return trace;
    }
    // Runs the current tool, then the events it posted.
    std::vector<std::string> runTool(int tool)
    {
        layout.current = tool;
        window->startCurrentTool();
        settleEvents();
        return taken();
    }
    std::vector<std::string> pressButton(int id)
    {
        layout.current = id;
        window->runToolButton();
        return taken();
    }
    // A mouse message as the program's pump delivers it.
    void deliver(UINT message, WPARAM wParam, LPARAM lParam)
    {
        settleEvents();
        PostMessageA(window->hwnd(), message, wParam, lParam);
        (void)theCurrentEvent->pumpStepNoWait(0);
        settleEvents();
    }

    ScopedOverride<DocumentMemberFactories> members{documentMemberFactories};
    ScopedOverride<int> wheelZoom{theMouseState->wheelZoomMode};
    ScopedOverride<int> middlePan{theMouseState->middlePanMode};
    DocumentWindow* window = nullptr;
    ViewParams* (*startUpView)(DocumentContext&) = nullptr;
};

using Trace = std::vector<std::string>;

TEST_F(DocumentWindowTest, EachToolRunsAtAMouseMoveAndTellsTheFrame)
{
    struct Row {
        int tool;
        const char* taken;
    };
    const Row rows[] = {
        {TOOL_LINE, "draw 1/0"},          {TOOL_BREAKLINE, "draw 2/0"},       {TOOL_BOX, "draw 5/0"},
        {TOOL_POLYGON, "draw 8/0"},       {TOOL_ARC3P, "draw 6/5"},           {TOOL_OVAL, "draw 10/0"},
        {TOOL_CIRCLE, "draw 7/0"},        {TOOL_SPLINE, "draw 4/1"},          {TOOL_TEXT, "draw 12/0"},
        {TOOL_TEXTLINE, "draw 13/0"},     {TOOL_BEZIER_LINE, "draw 11/1"},    {TOOL_BEZIER_AREA, "draw 11/2"},
        {TOOL_BEZIER_RECT, "draw 11/4"},  {TOOL_BEZIER_OVAL, "draw 11/3"},    {TOOL_BEZIER_TRIANGLE, "draw 11/6"},
        {TOOL_BEZIER_QUADRANGLE, "draw 11/7"}, {TOOL_BEZIER_POLY, "draw 11/8"}, {TOOL_MEASURE_FREE_TWO, "draw 14/11"},
        {TOOL_MEASURE_FREE_MANY, "draw 14/12"}, {TOOL_MEASURE_TWO, "draw 14/13"}, {TOOL_MEASURE_MANY, "draw 14/14"},
        {TOOL_ANGLE_FREE, "draw 15/21"},  {TOOL_ANGLE_ITEM, "draw 15/22"},    {TOOL_RADIUS_ITEM, "draw 16/22"},
        {TOOL_DIAMETER_ITEM, "draw 17/22"}, {TOOL_LOUPE, "loupe"},            {TOOL_TRAN, "pan"},
        {TOOL_GRID, "grid"},              {TOOL_SELECT, "select"},            {TOOL_PNTMOVE, "move"},
        {TOOL_ROTATE, "rotate"},          {TOOL_TURN, "current 2001"},        {TOOL_ITEMZOOM, "scale"},
        {TOOL_PARTS_LIST_1, "click loop"}, {-1, "click loop"},                {TOOL_DSPCTRL, "click loop"},
    };
    for (int inView = 1; inView >= 0; --inView) {
        cursorInView = inView;
        for (const Row& r : rows) {
            const Trace trace = runTool(r.tool);
            const bool runsAnywhere = r.tool == TOOL_GRID || r.tool == TOOL_TURN || r.tool == TOOL_ITEMZOOM ||
                                      r.tool == TOOL_PARTS_LIST_1;
            if (!inView && !runsAnywhere) {
                EXPECT_TRUE(trace.empty()) << r.tool;
                continue;
            }
            ASSERT_FALSE(trace.empty()) << r.tool;
            EXPECT_EQ(trace.front(), r.taken) << r.tool;
            // Every run ends with the frame updating its buttons.
            EXPECT_EQ(trace.back(), "buttons") << r.tool;
        }
    }
}

TEST_F(DocumentWindowTest, ButtonsKeepOrEndTheRunningToolAndRunOnce)
{
    // Undo, redo, cut, copy and paste leave the element in progress alone; other buttons settle it.
    const int keeping[] = {EDIT_UNDO, EDIT_REDO, EDIT_CUT, EDIT_COPY, EDIT_PASTE};
    for (int id : keeping)
        EXPECT_EQ(pressButton(id), (Trace{"restore current"})) << id;
    EXPECT_EQ(pressButton(EDIT_DELETE), (Trace{"settle", "restore current"}));
    // An id no row names goes to the edit commands, and the button is released.
    EXPECT_EQ(pressButton(4242), (Trace{"settle", "restore current"}));
    // Tools are kept for the next mouse move, their buttons as the ones "back" returns to (so that
    // properties opened by a double click or the menu leave the tool current); the rotate tool is
    // prepared; the grid shows its dialog.
    EXPECT_EQ(pressButton(TOOL_LINE), (Trace{"settle", "keep current"}));
    EXPECT_EQ(pressButton(TOOL_ROTATE), (Trace{"settle", "prepare rotate", "keep current"}));
    EXPECT_EQ(pressButton(TOOL_GRID), (Trace{"settle", "grid dialog", "keep current"}));

    // The scale command runs once at the next mouse move, then selecting goes on.
    EXPECT_EQ(pressButton(TOOL_ITEMZOOM), (Trace{"settle", "keep current"}));
    window->startCurrentTool();
    settleEvents();
    window->startCurrentTool();
    settleEvents();
    EXPECT_EQ(taken(), (Trace{"scale", "current 2001", "keep current", "buttons", "select", "buttons"}));
    // So does the order command: its direction dialog, then the move; without a selection
    // nothing is asked.
    for (int selected : {1, 0}) {
        selectionShown = selected;
        EXPECT_EQ(pressButton(TOOL_TURN), (Trace{"settle", "keep current"}));
        window->startCurrentTool();
        settleEvents();
        window->startCurrentTool();
        settleEvents();
        const Trace ran = selected ? Trace{"order dialog", "order"} : Trace{};
        Trace expected = ran;
        for (const char* step : {"current 2001", "keep current", "buttons", "select", "buttons"})
            expected.push_back(step);
        EXPECT_EQ(taken(), expected) << selected;
    }

    // The undo button with an empty history changes nothing.
    ASSERT_TRUE(window->context->undoManager);
    EXPECT_FALSE(window->canUndo());
    EXPECT_EQ(pressButton(EDIT_UNDO), (Trace{"restore current"}));
    EXPECT_FALSE(window->isModified());
    EXPECT_FALSE(window->canUndo());
}

TEST_F(DocumentWindowTest, TheWheelZoomsOrScrollsAndTheMiddleButtonPans)
{
    IntPoint at(30, 40);
    window->clientToScreen(at);
    const LPARAM where = MAKELPARAM(at.x, at.y);
    struct Row {
        int zoomMode;
        int delta;
        Trace taken;
    };
    const Row rows[] = {
        {1, 60, {}},
        {1, -60, {}}, // the two halves add up to nothing
        {1, 120, {"zoom " + std::to_string(1 / 1.1) + " at 30,40"}},
        {1, -120, {"zoom " + std::to_string(1.1) + " at 30,40"}},
        {0, 120, {"scroll -3"}},
        {0, 240, {"scroll -6"}},
        {0, -120, {"scroll 3"}},
    };
    for (const Row& r : rows) {
        theMouseState->wheelZoomMode = r.zoomMode;
        deliver(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(r.delta))), where);
        EXPECT_EQ(taken(), r.taken) << r.delta;
    }

    // The middle button pans whatever tool is current.
    layout.current = TOOL_LINE;
    theMouseState->middlePanMode = 1;
    deliver(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(5, 5));
    deliver(WM_MBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(taken(), (Trace{"pan"}));
    theMouseState->middlePanMode = 0;
    deliver(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(5, 5));
    deliver(WM_MBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(taken().empty());
}

TEST_F(DocumentWindowTest, ClosingAChangedDrawingAsksToSaveIt)
{
    MessageBoxScript boxes;
    FileDialogScript dialogs;
    // Unchanged: nothing is asked.
    EXPECT_TRUE(window->confirmSave());
    EXPECT_TRUE(boxes.shown().empty());

    window->context->markModified();
    struct Row {
        int button;
        int closes;
    };
    // Cancel keeps the window; No closes without writing; Yes with a save that fails (the name
    // dialog is cancelled) keeps it.
    const Row rows[] = {{IDCANCEL, 0}, {IDNO, 1}, {IDYES, 0}};
    for (const Row& r : rows) {
        theCurrentEvent->closeCancelled = 0;
        boxes.clear();
        boxes.answer(r.button);
        EXPECT_EQ(window->confirmSave(), r.closes) << r.button;
        EXPECT_EQ(theCurrentEvent->closeCancelled, r.closes ? 0 : 1) << r.button;
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].text, "'SINKI'を保存しますか？");
        EXPECT_EQ(boxes.shown()[0].caption, "Korvane");
        EXPECT_EQ(boxes.shown()[0].style, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_TASKMODAL));
    }
    EXPECT_EQ(dialogs.startedFrom.size(), 1u); // only Yes asked for a name
    EXPECT_TRUE(window->isModified());
    theCurrentEvent->closeCancelled = 0;
}

TEST_F(DocumentWindowTest, CaptionAndZoomItemsFollowTheDrawingsView)
{
    documentMemberFactories.viewParams = startUpView;
    DocumentWindow* drawing = frame.createDocumentWindow();
    ASSERT_TRUE(drawing);
    settleEvents();
    auto caption = [drawing] {
        char text[300] = {};
        GetWindowTextA(drawing->hwnd(), text, sizeof text);
        return std::string(text);
    };
    EXPECT_EQ(caption(), "SINKI  72 dpi ");
    drawing->context->markModified();
    EXPECT_EQ(caption(), "*SINKI  72 dpi ");
    ASSERT_EQ(frame.activeDocument(), drawing);
    ASSERT_TRUE(frame.onCommand(CMD_ZOOM_IN));
    EXPECT_EQ(caption(), "*SINKI  144 dpi ");
    // From 64 the next step is the limit, 100, and the item goes grey.
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(frame.onCommand(CMD_ZOOM_IN));
    EXPECT_EQ(caption(), "*SINKI  7200 dpi ");
    openMenu();
    EXPECT_TRUE(itemState(CMD_ZOOM_IN) & MF_GRAYED);
    EXPECT_FALSE(itemState(CMD_ZOOM_OUT) & MF_GRAYED);
    drawing->context->document->markSaved();
    EXPECT_EQ(caption(), "SINKI  7200 dpi ");
}

} // namespace

namespace {
// A page bar that notes the window's calls; the paging operation answers as told.
class RecordingPageBar : public PageTabBar {
public:
    void setContext(DocumentContext*) override {}
    int ensureBitmap() override { return 1; }
    int selectPage(DocumentContext*, int) override { return 0; }
    void refresh(DocumentContext*) override {}
    int runPaging(DocumentContext*) override
    {
        note("paging");
        return pagingAnswer;
    }
    void openPageMenu(DocumentContext*) override { note("page menu"); }
    int insertPageBefore(DocumentContext*) override { return noted("before"); }
    int insertPageAfter(DocumentContext*) override { return noted("after"); }
    int deletePage(DocumentContext*) override { return noted("delete"); }
    int redrawThisPage(DocumentContext*) override { return noted("this page"); }
    int redrawFollowingPages(DocumentContext*) override { return noted("following"); }
    int redrawAllPages(DocumentContext*) override { return noted("all pages"); }
    int toggleShowContents(DocumentContext*) override { return noted("contents"); }
    int noted(const char* what)
    {
        note(what);
        return 1;
    }
    int pagingAnswer = 0;
};

// A navigator that notes the clicks handed to it.
class RecordingNavigator : public PagePainter {
public:
    void setContext(DocumentContext*) override {}
    int ensureBitmap() override { return 1; }
    void refresh(DocumentContext*) override {}
    void onNavigatorClick(DocumentContext* context) override { note(context ? "centre view" : "no drawing"); }
};
} // namespace

TEST_F(DocumentWindowTest, ThePagePanesPressesAndThePageCommandsReachThePageBar)
{
    RecordingPageBar bar;
    ScopedOverride<PageTabBar*> slot{thePageTabBar, &bar};
    // A left press on the pane is its paging operation; the button is released again.
    for (int answer : {PageTabBar::kPageChanged, 0}) {
        bar.pagingAnswer = answer;
        EXPECT_EQ(pressButton(TOOL_PAGING), (Trace{"settle", "paging", "restore current"})) << answer;
    }
    // A left press on the navigator centres the drawing's view on the point pressed.
    RecordingNavigator navigator;
    ScopedOverride<PagePainter*> navigatorSlot{thePagePainter, &navigator};
    EXPECT_EQ(pressButton(TOOL_NAVIGATOR), (Trace{"settle", "centre view", "restore current"}));
    // A left press on a parts list makes the part under the cursor current.
    PartsLibrary* library = partsLibrary(1, 10);
    ASSERT_TRUE(library);
    SecondCellPane pane;
    library->setPane(&pane);
    ASSERT_EQ(library->addPart("C:\\parts\\bolt.ycx") && library->addPart("C:\\parts\\nut.ycx"), 1);
    EXPECT_EQ(pressButton(TOOL_PARTS_LIST_1), (Trace{"settle", "restore current"}));
    EXPECT_EQ(library->currentIndex(), 1);
    EXPECT_EQ(pane.selected, 2);
    library->setPane(nullptr);
    destroyPartsLibraries();
    // A right press asks for the page menu.
    layout.current = TOOL_PAGING;
    window->runPaneCommand();
    EXPECT_EQ(taken(), (Trace{"page menu", "restore current"}));
    // The page menu's commands, as the frame hands them over.
    const std::pair<int, const char*> commands[] = {
        {OP_PAGE_INSERT_BEFORE, "before"}, {OP_PAGE_INSERT_AFTER, "after"},   {OP_PAGE_DELETE, "delete"},
        {OP_PAGE_REDRAW, "this page"},      {OP_PAGE_REDRAW_FOLLOWING, "following"}, {OP_PAGE_REDRAW_ALL, "all pages"},
        {OP_PAGE_CONTENTS, "contents"},
    };
    for (const auto& c : commands) {
        window->runDocumentOp(c.first);
        EXPECT_EQ(taken(), Trace{c.second}) << c.first;
    }
    // The parts commands need a current parts library: none is, nothing happens.
    layout.current = TOOL_SELECT;
    for (int op : {OP_PART_REGISTER, OP_PART_PLACE, OP_PART_DELETE, OP_PART_SETTINGS})
        window->runDocumentOp(op);
    EXPECT_TRUE(taken().empty());
}
