// The select tool on a drawing of rectangles with the scripted mouse and clock: which element a
// click picks and Esc steps to, how groups, '+', '-' and the rubber band change the selection,
// the double click and the right button, and the property sheets of a list.
#include <gtest/gtest.h>
#include <vector>

#include "document/ContextMenuRequest.h"
#include "document/DisplayControlState.h"
#include "platform/CurrentEvent.h"
#include "tests/support/DibSurface.h"
#include "tests/views/ToolTestDrawing.h"

using namespace tool_test;

namespace {

int menuRequests = 0;
void countMenuRequest() { ++menuRequests; }

// The deferred commands waiting in the queue with this code.
int postedCommands(int command)
{
    int n = 0;
    for (int i = 0; i < theCurrentEvent->queue.count; ++i) {
        QueuedEvent* queued = nullptr;
        if (theCurrentEvent->queue.get(i, &queued) && queued && queued->arg2 == command)
            ++n;
    }
    return n;
}

} // namespace

TEST(SelectTool, AClickPicksTheTopmostAndEscStepsDownInDrawingOrder)
{
    ToolDrawing d;
    const int gone = d.add(300, 200, 320, 220);
    const int lower = d.add(10, 10, 60, 60);
    ASSERT_TRUE(d.context.editor3->removeById(gone));
    // Drawn last, on the id freed just now: a lower id than the element beneath it.
    const int upper = d.add(30, 30, 80, 80);
    ASSERT_EQ(upper, gone);
    ASSERT_LT(upper, lower);
    const int hidden = d.add(100, 100, 150, 150, 0, 7);
    d.context.displayControl->setLayerSelectFlag(7, 0);
    const int line = d.addLine(200, 200, 300, 200);

    struct Step {
        const char* what;
        int key; // 0: a click at (x, y)
        int x, y;
        int mode;
        std::vector<int> selected;
    };
    const Step steps[] = {
        {"the click picks the element drawn last", 0, 40, 40, 1, {upper}},
        {"Esc steps to the one beneath", VK_ESCAPE, 0, 0, 1, {lower}},
        {"a further Esc clears the selection", VK_ESCAPE, 0, 0, 0, {}},
        {"a click where only the lower one lies", 0, 15, 15, 1, {lower}},
        {"a click on an element whose layer cannot be selected picks nothing", 0, 120, 120, 0, {}},
        {"nor does a click on empty space", 0, 250, 250, 0, {}},
        {"a click 2 pixels beside a thin line picks it", 0, 250, 202, 1, {line}},
        {"5 pixels beside it picks nothing", 0, 250, 195, 0, {}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.key) {
            (void)d.select->onKey(step.key);
        } else {
            d.click(step.x, step.y);
            d.leftButton();
        }
        EXPECT_EQ(d.select->selectionMode(), step.mode);
        EXPECT_EQ(d.selected(), step.selected);
    }
    (void)hidden;
}

TEST(SelectTool, AKeyActsOnceAtItsKeyDownAndOnlyTypedPlusAndMinusCountAsCharacters)
{
    ToolDrawing d;
    const int lower = d.add(10, 10, 60, 60), upper = d.add(30, 30, 80, 80);
    d.click(40, 40);
    d.leftButton();
    ASSERT_EQ(d.selected(), std::vector<int>{upper});
    d.mouse.rest(200, 200);
    // A key press comes as its key-down, then (from most keys) the character made of it.
    struct Step {
        const char* what;
        UINT message;
        int code;
        std::vector<int> selected;
        int addMode, removeMode;
    };
    const Step steps[] = {
        {"Esc at its key-down steps to the element beneath", WM_KEYDOWN, VK_ESCAPE, {lower}, 0, 0},
        {"the Esc character after it is no second step", WM_CHAR, 27, {lower}, 0, 0},
        {"a typed '%' is no Left arrow", WM_CHAR, '%', {lower}, 0, 0},
        {"Insert is no '-'", WM_KEYDOWN, VK_INSERT, {lower}, 0, 0},
        {"a typed '-' removes", WM_CHAR, '-', {lower}, 0, 1},
        {"a typed '+' adds", WM_CHAR, '+', {lower}, 1, 0},
    };
    ScopedOverride<UINT> message(theCurrentEvent->message);
    ScopedOverride<WPARAM> code(theCurrentEvent->wParam);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        theCurrentEvent->message = step.message;
        theCurrentEvent->wParam = static_cast<WPARAM>(step.code);
        (void)d.select->onKeyDown();
        EXPECT_EQ(d.selected(), step.selected);
        EXPECT_EQ(d.select->addMode, step.addMode);
        EXPECT_EQ(d.select->removeMode, step.removeMode);
        EXPECT_EQ(d.corner(lower).first, 10.0) << "nothing moved";
    }
}

TEST(SelectTool, WithNoToolPressedALeftClickSelectsAsTheToolsOwnClick)
{
    ToolDrawing d;
    ScopedHook<ContextMenuRequest> menu(setContextMenuRequest, countMenuRequest);
    menuRequests = 0;
    const int id = d.add(10, 10, 60, 60);
    d.click(20, 20);
    EXPECT_EQ(d.select->selectByClick(), 11);
    EXPECT_EQ(d.selected(), std::vector<int>{id});
    EXPECT_GE(d.view->mouseMoves, 1) << "the loop ends and the next mouse move starts it again";
    d.click(200, 200);
    EXPECT_EQ(d.select->selectByClick(), 11);
    EXPECT_EQ(d.select->selectionMode(), 0) << "a click on empty paper clears";
    const DWORD r = d.clock.now();
    d.mouse.at(r, 20, 20, ScriptedMouse::kRight).at(r + 100, 20, 20);
    EXPECT_EQ(d.select->selectByClick(), 21);
    EXPECT_EQ(menuRequests, 1);
    EXPECT_EQ(d.select->selectionMode(), 0) << "the right button selects nothing";
}

TEST(SelectTool, GroupsJoinAndPlusMinusAndTheBandChangeTheSelection)
{
    struct Step {
        const char* what;
        int key;             // a key first (0: none)
        int x, y, toX, toY;  // then a press dragged for 400 ms (a click when the points agree)
        int encloseMode;
        int mode;
        std::vector<int> selected; // ids counted from 1 in the order added
    };
    const Step steps[] = {
        {"a click on one member selects its group of three", 0, 15, 15, 15, 15, 1, 2, {1, 2, 3}},
        {"'+' and a click add the loner", VK_ADD, 215, 15, 215, 15, 1, 2, {1, 2, 3, 4}},
        {"'-' and a click on a member remove the group", VK_SUBTRACT, 75, 15, 75, 15, 1, 2, {4}},
        {"'-' and a click on the last one empty the list", VK_SUBTRACT, 215, 15, 215, 15, 1, 0, {}},
        {"'+' on nothing selected makes a single selection", VK_ADD, 215, 15, 215, 15, 1, 1, {4}},
        {"'+' on a second element turns it into a list, its group joining", VK_ADD, 135, 15, 135, 15, 1, 2,
         {4, 3, 1, 2}},
        {"a band enclosing one member whole selects its group", 0, 5, 100, 70, 5, 1, 2, {1, 2, 3}},
        {"a band touching the loner in part mode", 0, 190, 100, 220, 5, 2, 2, {4}},
        {"the same band in whole mode encloses nothing", 0, 190, 100, 220, 5, 1, 0, {}},
    };
    ToolDrawing d;
    ASSERT_EQ(d.add(10, 10, 50, 50, 2), 1);
    ASSERT_EQ(d.add(70, 10, 110, 50, 2), 2);
    ASSERT_EQ(d.add(130, 10, 170, 50, 2), 3);
    ASSERT_EQ(d.add(210, 10, 250, 50), 4);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        d.pickSettings.encloseMode = step.encloseMode;
        if (step.key)
            (void)d.select->onKey(step.key);
        d.press(step.x, step.y, 400, step.toX, step.toY);
        d.leftButton();
        EXPECT_EQ(d.select->selectionMode(), step.mode);
        EXPECT_EQ(d.selected(), step.selected);
    }
}

TEST(SelectTool, DoubleClickAndRightButtonPostTheirEventsOnce)
{
    ToolDrawing d;
    ScopedHook<ContextMenuRequest> menu(setContextMenuRequest, countMenuRequest);
    menuRequests = 0;
    const int id = d.add(10, 10, 60, 60);
    d.select->selectSingle(id);
    const int before = postedCommands(6013);

    // Press, release, press again at once on the selection: one request for its properties.
    const DWORD t = d.clock.now();
    d.mouse.at(t, 20, 20, ScriptedMouse::kLeft).at(t + 60, 20, 20).at(t + 120, 21, 20, ScriptedMouse::kLeft).at(t + 180, 21, 20);
    d.leftButton();
    EXPECT_EQ(postedCommands(6013) - before, 1);
    EXPECT_EQ(d.select->selectionMode(), 1);

    // The right button: the menu is asked for only once the button is up again.
    const DWORD r = d.clock.now();
    d.mouse.at(r, 20, 20, ScriptedMouse::kRight).at(r + 300, 20, 20);
    d.select->onRightButton();
    EXPECT_EQ(menuRequests, 1);
    EXPECT_GE(d.clock.now(), r + 300);
}

TEST(SelectTool, PropertiesOfAListStepForwardAndBack)
{
    ToolDrawing d;
    const int a = d.add(10, 10, 20, 20), b = d.add(30, 10, 40, 20), c = d.add(50, 10, 60, 20);
    // selectAll lists the page in drawing order.
    EXPECT_EQ(d.select->selectAll(), 3);
    EXPECT_EQ(d.selected(), (std::vector<int>{a, b, c}));
    Rectangle::sheetAnswers() = {15094, 15094, 15092, 15094, 15094};
    (void)d.select->openProperties();
    const std::vector<std::vector<int>> expected = {
        {a, 0, 1}, {b, 1, 1}, {c, 1, 0}, {b, 1, 1}, {c, 1, 0}};
    ASSERT_EQ(Rectangle::sheets().size(), expected.size()) << "15094 on the last entry ends the stepping";
    for (size_t i = 0; i < expected.size(); ++i) {
        const Rectangle::Sheet& s = Rectangle::sheets()[i];
        EXPECT_EQ((std::vector<int>{s.id, s.hasPrevious, s.hasNext}), expected[i]) << "sheet " << i;
    }
}

TEST(SelectTool, TheMarksOfASelectedLineAreDrawnInThePickColour)
{
    ToolDrawing d;
    d.pickSettings.setColor(RgbColor(0, 128, 255));
    const int line = d.addLine(100, 100, 200, 140);
    d.select->selectSingle(line);
    d.select->redrawMarks();
    const DibSurface& surface = d.updater->surface;
    const COLORREF pick = RGB(0, 128, 255);
    // A handle is a 6 x 6 square on each corner and side middle of the extent; the sides join
    // them. Handles that can be dragged are filled.
    struct Probe {
        const char* what;
        int x, y;
        COLORREF colour;
    };
    const Probe probes[] = {
        {"top-left handle", 100, 100, pick},  {"top-left handle's corner", 97, 97, pick},
        {"right-middle handle", 200, 120, pick}, {"bottom side", 150, 140, pick},
        {"inside the box", 150, 120, RGB(255, 255, 255)}, {"outside the handle", 95, 95, RGB(255, 255, 255)},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(surface.pixel(p.x, p.y), p.colour) << p.what;
}

TEST(SelectTool, TheTrackingLoopDragsTheHandleUnderTheCursor)
{
    ToolDrawing d;
    const int line = d.addLine(100, 100, 200, 140);
    d.select->selectSingle(line);
    const int records = d.context.undoManager->recordCount();
    // Resting on the bottom-right handle shows it; the press there drags it.
    const DWORD t = d.clock.now();
    const int L = ScriptedMouse::kLeft;
    d.mouse.at(t, 200, 140).at(t + 100, 200, 140, L).at(t + 250, 230, 170, L).at(t + 450, 230, 170);
    EXPECT_EQ(d.select->onMouse(), 11);
    EXPECT_EQ(d.context.undoManager->recordCount(), records + 1);
    char text[UndoManager::kTextSize] = {};
    (void)d.context.undoText(text);
    EXPECT_STREQ(text, "可変の取り消し");
    ASSERT_TRUE(d.context.editor3->beginEdit(line));
    const Point* end = d.context.editor3->elementInHand()->secondPoint();
    // The handle scales the extent, which the pen's width makes a little larger than the line.
    EXPECT_NEAR(end->x / ToolDrawing::mm(1), 230, 1.0);
    EXPECT_NEAR(end->y / ToolDrawing::mm(1), 170, 1.0);
    // The line stays selected, its marks drawn again.
    EXPECT_EQ(d.selected(), std::vector<int>{line});
}
