// The select and move tools in the running editor's frame, through the scripted mouse and clock:
// a line drawn with the line tool is picked, dragged, undone and redone by the menu, saved,
// closed and opened again.
#include <memory>
#include <string>

#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "document/UndoManager.h"
#include "elements/Element.h"
#include "elements/ElementKindRegistry.h"
#include "geometry/PickSettings.h"
#include "platform/CurrentEvent.h"
#include "platform/EventRouter.h"
#include "shell/FrameCommands.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FileDialogScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"
#include "views/ViewMapping.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/SelectTool.h"

namespace {

// The mouse loops' pump step: nothing is dispatched, the step's message counts as the view's own,
// and once the script has run out every loop is told to stop, so that a loop waiting for a
// button that never comes ends the test instead of hanging it.
HWND viewWindow = nullptr;
FakeClock* scriptClock = nullptr;
DWORD scriptEnd = 0;
void ownStep(int)
{
    theCurrentEvent->hwnd = viewWindow;
    if (scriptClock && scriptClock->now() > scriptEnd + 2000)
        theCurrentEvent->abortLoop = 1;
}

// The first point of the first element of the page, in drawing units.
Point firstPointOf(DocumentContext& context)
{
    ElementStore* store = context.elementStore();
    const int id = store && store->pageTable ? store->pageTable->getFirst(1) : 0;
    if (id < 1 || !context.editor3->beginEdit(id))
        return Point(-1.0, -1.0);
    return *context.editor3->elementInHand()->firstPoint();
}

std::string undoText(DocumentContext& context)
{
    char text[UndoManager::kTextSize] = {};
    (void)context.undoText(text);
    return text;
}

int plentyOfSpace(const FileName&, unsigned long long& bytes)
{
    bytes = 1ULL << 40;
    return 1;
}

} // namespace

using ToolsEndToEnd = FrameTest;

TEST_F(ToolsEndToEnd, ALineIsPickedDraggedUndoneRedoneSavedAndOpenedAgain)
{
    ScratchFolder scratch;
    const std::string path = scratch.pathOf("moved.ycx");
    FakeClock clock;
    ScriptedMouse mouse;
    mouse.advanceClockPerRead(&clock, 10);
    std::unique_ptr<ElementKindRegistry> registry(makeKindRegistry());
    ScopedOverride<ElementKindRegistry*> kinds(theKindRegistry, registry.get());
    PickSettings pickSettings;
    ScopedOverride<PickSettings*> pick(thePickSettings, &pickSettings);
    ScopedOverride<UndoManager::FreeSpaceQuery> space(UndoManager::freeSpaceQuery, plentyOfSpace);
    ScopedOverride<ViewMapping::PumpStep> step(ViewMapping::pumpStep, ownStep);
    ScopedOverride<FakeClock*> stepClock(scriptClock, &clock);

    ScriptedWindow* window = addWindow();
    ASSERT_TRUE(window && window->context);
    window->resize(600, 400, 0);
    (void)window->context->refocus();
    DocumentContext& drawing = *window->context;
    viewWindow = window->hwnd();
    // Client pixels of the view as the screen points the mouse script takes.
    auto screen = [&](int x, int y) {
        IntPoint p(x, y);
        window->clientToScreen(p);
        return p;
    };
    // A script from now on: (milliseconds, client x, y, buttons).
    struct State {
        DWORD at;
        int x, y, keys;
    };
    auto play = [&](std::initializer_list<State> states) {
        const DWORD now = clock.now();
        for (const State& s : states) {
            const IntPoint p = screen(s.x, s.y);
            mouse.at(now + s.at, p.x, p.y, s.keys);
            scriptEnd = now + s.at;
        }
    };
    const int L = ScriptedMouse::kLeft;

    // The line tool: a click at (100, 100) and one at (200, 100).
    layout.current = TOOL_LINE;
    play({{0, 100, 100, 0}, {50, 100, 100, L}, {100, 100, 100, 0}, {150, 200, 100, 0}, {250, 200, 100, L},
          {300, 200, 100, 0}});
    window->startCurrentTool();
    ASSERT_EQ(drawing.elementCount(), 1);
    const Point drawn = firstPointOf(drawing);
    EXPECT_EQ(drawing.undoManager->recordCount(), 1);

    // The select tool: a click on the line picks it alone.
    layout.current = TOOL_SELECT;
    drawing.selectTool->clearSelection();
    play({{0, 125, 101, 0}, {50, 125, 101, L}, {120, 125, 101, 0}});
    window->startCurrentTool();
    EXPECT_EQ(drawing.selectTool->selectionMode(), 1);
    EXPECT_EQ(drawing.selectTool->firstSelectedId(), drawing.elementStore()->pageTable->getFirst(1));

    // A drag of 400 ms by 20 pixels to the right (away from the handles of its extent) moves it
    // under one move record.
    play({{0, 125, 101, 0}, {50, 125, 101, L}, {250, 145, 101, L}, {450, 145, 101, 0}});
    window->startCurrentTool();
    const double moved = 20 * 25.4 / 72;
    EXPECT_EQ(drawing.undoManager->recordCount(), 2);
    EXPECT_EQ(undoText(drawing), "移動の取り消し");
    EXPECT_NEAR(firstPointOf(drawing).x, drawn.x + moved, 1e-5);
    EXPECT_NEAR(firstPointOf(drawing).y, drawn.y, 1e-5);

    // Undo puts it back, redo moves it again.
    ASSERT_EQ(frame.onCommand(CMD_UNDO), 1);
    EXPECT_NEAR(firstPointOf(drawing).x, drawn.x, 1e-5);
    ASSERT_EQ(frame.onCommand(CMD_REDO), 1);
    EXPECT_NEAR(firstPointOf(drawing).x, drawn.x + moved, 1e-5);

    // Save As, close, open: the line lies where it was moved to.
    FileDialogScript dialogs;
    dialogs.answers = {path};
    ASSERT_EQ(frame.onCommand(CMD_SAVE_AS), 1);
    settleEvents();
    postCloseRequest(window->serial);
    settleEvents();
    ASSERT_EQ(frame.documentCount(), 0);
    dialogs.answers = {path};
    ASSERT_EQ(frame.onCommand(CMD_OPEN), 1);
    settleEvents();
    ScriptedWindow* reopened = windowAt(0);
    ASSERT_TRUE(reopened && reopened->context);
    ASSERT_EQ(reopened->context->elementCount(), 1);
    const Point read = firstPointOf(*reopened->context);
    EXPECT_NEAR(read.x, drawn.x + moved, 1e-5);
    EXPECT_NEAR(read.y, drawn.y, 1e-5);
}
