// Drawing in a real document window of the frame with the scripted mouse, end to end: a tool
// button, clicks in the view, the stored element, its undo record and pixels, the menu's undo and
// redo, the select tool picking and dragging it, Save As, close and open again; a tool button
// pressed while a text is typed, which the next click in the view must reach; and a double click
// that opens the line's property dialog.
#include <cmath>
#include <memory>
#include <string>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementStore.h"
#include "document/PageChainTable.h"
#include "document/PainterBase.h"
#include "document/UndoManager.h"
#include "elements/ElementKindRegistry.h"
#include "elements/TextElementBase.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/PickSettings.h"
#include "geometry/PointList.h"
#include "platform/Clock.h"
#include "platform/CurrentEvent.h"
#include "platform/EventRouter.h"
#include "resources/ids.h"
#include "resources/ids_properties.h"
#include "shell/FrameCommands.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FileDialogScript.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SampleElements.h"
#include "tests/support/ScriptedMouse.h"
#include "views/ViewMapping.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/SelectTool.h"

namespace {

HWND& viewWindow = ViewFrameTest::viewWindow;

// A press on the frame and a move into the view, posted once the program time reaches pressAt
// (0: never), in the middle of whatever mouse loop is running then.
DWORD pressAt = 0;
HWND pressedFrame = nullptr;
LPARAM moveInto = 0;
void pressingViewStep(int flags)
{
    if (pressAt && currentTickCount() >= pressAt) {
        pressAt = 0;
        (void)PostMessageA(pressedFrame, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        (void)PostMessageA(viewWindow, WM_MOUSEMOVE, 0, moveInto);
    }
    ViewFrameTest::typingStep(flags);
}

// Another drawing brought to the front once the program time reaches activateAt (0: never), in
// the middle of whatever mouse loop is running then, as Ctrl+Tab or a click on its window does;
// verticesThen keeps how many points the polyline of the view's drawing held at that moment.
DWORD activateAt = 0;
HWND activatedWindow = nullptr;
DocumentContext* loopDrawing = nullptr;
int verticesThen = -1;
// The points of the element that the drawing is creating; -1 without one.
int verticesInHand(DocumentContext* drawing)
{
    Element* e = drawing && drawing->editor2 ? drawing->editor2->elementInHand() : nullptr;
    return e && e->vertices() ? e->vertices()->count : -1;
}
void activatingViewStep(int flags)
{
    // The activation comes inside the step, after the pump began it.
    ViewFrameTest::typingStep(flags);
    if (activateAt && currentTickCount() >= activateAt) {
        activateAt = 0;
        verticesThen = verticesInHand(loopDrawing);
        (void)SendMessageA(GetParent(activatedWindow), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(activatedWindow), 0);
        // The test's frame is hidden and takes no focus: the window hears what a shown one would.
        (void)SendMessageA(activatedWindow, WM_SETFOCUS, 0, 0);
    }
}

} // namespace

// The frame with a real document window; the mouse and the clock are scripted.
class DrawingByMouse : public ViewFrameTest {
protected:
    // A client point of the view in screen coordinates.
    IntPoint screenOf(const IntPoint& client)
    {
        POINT p{client.x, client.y};
        ClientToScreen(viewWindow, &p);
        return IntPoint(p.x, p.y);
    }
    // The world point of a client point.
    Point worldOf(const IntPoint& client)
    {
        Point p;
        drawing().view->deviceToWorld(client, &p.x, &p.y, &p.z);
        return p;
    }
    // A line stored between two client points; its id, 0 when it could not be stored.
    int addLine(const IntPoint& a, const IntPoint& b)
    {
        ElementEditorBase& editor = *drawing().editor3;
        if (editor.startNewElement(kindCode(ElementKind::Line)) != 1)
            return 0;
        const Point wa = worldOf(a), wb = worldOf(b);
        editor.elementInHand()->firstPoint()->x = wa.x, editor.elementInHand()->firstPoint()->y = wa.y;
        editor.elementInHand()->secondPoint()->x = wb.x, editor.elementInHand()->secondPoint()->y = wb.y;
        return editor.commitNewElement() == 1 ? pageIds().at(0) : 0;
    }
    // The stored line's two points.
    void linePoints(int id, Point& start, Point& end)
    {
        ElementEditorBase* editor = drawing().editor3;
        ASSERT_EQ(editor->beginEdit(id), 1);
        start = *editor->elementInHand()->firstPoint();
        end = *editor->elementInHand()->secondPoint();
    }
    // The 文字 button and a quick click at a client point of empty paper: a new text is committed
    // and its editing loop runs at the commit's mouse move.
    void beginTextAt(const IntPoint& at, FakeClock& clock)
    {
        const IntPoint s = screenOf(at);
        ScriptedMouse mouse;
        const DWORD t = clock.now();
        mouse.at(t, s.x, s.y).at(t + 100, s.x, s.y, ScriptedMouse::kLeft).at(t + 150, s.x, s.y);
        mouse.advanceClockPerRead(&clock, 20);
        layout.current = TOOL_TEXT;
        window->runToolButton();
        window->startCurrentTool();
    }
    // Keys as the keyboard gives them to the view: each its character and its release.
    static void typeKeys(const std::string& keys)
    {
        for (char c : keys) {
            ASSERT_TRUE(PostMessageA(viewWindow, WM_CHAR, static_cast<unsigned char>(c), 0));
            ASSERT_TRUE(PostMessageA(viewWindow, WM_KEYUP, VkKeyScanA(c) & 0xFF, 0));
        }
    }
    // A press on the frame that the pane manager takes as the セレクト button.
    void pressSelectButton()
    {
        layout.leftPress = [this] {
            layout.setCurrentCommand(TOOL_SELECT);
            EXPECT_EQ(theCurrentEvent->postEvent(EV_TOOL_BUTTON, TOOL_SELECT, 0), 1);
        };
        ASSERT_TRUE(PostMessageA(frame.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0));
    }
    // The select button pressed while a text is typed at screen point st: the text is settled
    // and the mouse, which leaves the view, ends the text tool's wait.
    void endTextWithSelectButton(FakeClock& clock, const IntPoint& st)
    {
        pressSelectButton();
        ScriptedMouse mouse;
        const DWORD t = clock.now();
        mouse.at(t, st.x, st.y).at(t + 500, st.x - 1000, st.y - 1000);
        mouse.advanceClockPerRead(&clock, 20);
        ScopedOverride<DWORD> deadline{loopDeadline, t + 4000};
        settleEvents();
    }
    COLORREF painterPixel(const IntPoint& client)
    {
        return GetPixel(drawing().pagePainter->surface()->hdc, client.x, client.y);
    }
};

TEST_F(DrawingByMouse, LineDrawnUndoneRedonePickedDraggedSavedAndOpenedAgain)
{
    const IntPoint a(60, 50), b(180, 120), middle((60 + 180) / 2, (50 + 120) / 2);
    FakeClock clock(1000, 500);
    {
        // The 線分 button, then a mouse move in the view runs the tool: a quick click at a and a
        // second click at b; then the mouse leaves the view, which ends the click loop that the
        // commit's mouse move starts again.
        ScriptedMouse mouse;
        const IntPoint sa = screenOf(a), sb = screenOf(b);
        mouse.at(1000, sa.x, sa.y)
            .at(2000, sa.x, sa.y, ScriptedMouse::kLeft)
            .at(2030, sa.x, sa.y)
            .at(2200, sb.x, sb.y)
            .at(2400, sb.x, sb.y, ScriptedMouse::kLeft)
            .at(2450, sb.x, sb.y)
            .at(2600, sb.x - 1000, sb.y - 1000);
        mouse.advanceClockPerRead(&clock, 10);
        layout.current = TOOL_LINE;
        window->runToolButton();
        window->startCurrentTool();
        settleEvents();
    }
    const std::vector<int> ids = pageIds();
    ASSERT_EQ(ids.size(), 1u);
    Point start, end;
    linePoints(ids[0], start, end);
    const Point wa = worldOf(a), wb = worldOf(b);
    EXPECT_NEAR(start.x, wa.x, 1e-9);
    EXPECT_NEAR(start.y, wa.y, 1e-9);
    EXPECT_NEAR(end.x, wb.x, 1e-9);
    EXPECT_NEAR(end.y, wb.y, 1e-9);
    UndoManager& undo = *drawing().undoManager;
    EXPECT_EQ(undo.recordCount(), 1);
    char text[UndoManager::kTextSize], name[80];
    ASSERT_TRUE(undo.undoText(text));
    ASSERT_EQ(UndoManager::operationName(static_cast<int>(UndoCode::NewElement), kindCode(ElementKind::Line), name, 80), 1);
    EXPECT_NE(std::string(text).find(name), std::string::npos) << text;
    EXPECT_NE(painterPixel(middle), RGB(255, 255, 255)) << "the line is in the painter";

    ASSERT_EQ(frame.onCommand(CMD_UNDO), 1);
    settleEvents();
    EXPECT_TRUE(pageIds().empty());
    EXPECT_EQ(painterPixel(middle), RGB(255, 255, 255));
    ASSERT_EQ(frame.onCommand(CMD_REDO), 1);
    settleEvents();
    ASSERT_EQ(pageIds().size(), 1u);
    EXPECT_NE(painterPixel(middle), RGB(255, 255, 255));

    // The select tool: a click on the line (away from the handles of its extent) picks it alone,
    // and a drag of 400 ms by 20 pixels to the right moves it under one move record.
    const IntPoint q(90, 67), dragged(110, 67);
    const int L = ScriptedMouse::kLeft;
    {
        ScriptedMouse mouse;
        const IntPoint sq = screenOf(q);
        const DWORD t = clock.now();
        mouse.at(t, sq.x, sq.y).at(t + 100, sq.x, sq.y, L).at(t + 150, sq.x, sq.y).at(t + 800, sq.x - 1000, sq.y - 1000);
        mouse.advanceClockPerRead(&clock, 10);
        layout.current = TOOL_SELECT;
        window->runToolButton();
        window->startCurrentTool();
        settleEvents();
    }
    SelectTool& select = *SelectTool::of(&drawing());
    EXPECT_EQ(select.selectionMode(), 1);
    EXPECT_EQ(select.firstSelectedId(), ids[0]);
    {
        ScriptedMouse mouse;
        const IntPoint sq = screenOf(q), sd = screenOf(dragged);
        const DWORD t = clock.now();
        mouse.at(t, sq.x, sq.y).at(t + 100, sq.x, sq.y, L).at(t + 300, sd.x, sd.y, L).at(t + 500, sd.x, sd.y)
            .at(t + 700, sd.x - 1000, sd.y - 1000);
        mouse.advanceClockPerRead(&clock, 10);
        window->startCurrentTool();
        settleEvents();
    }
    const double dx = worldOf(dragged).x - worldOf(q).x;
    EXPECT_NEAR(dx, 20 * 25.4 / 72, 1e-9) << "zoom 1 at 72 dpi";
    EXPECT_EQ(undo.recordCount(), 2);
    ASSERT_TRUE(undo.undoText(text));
    EXPECT_STREQ(text, "移動の取り消し");
    linePoints(ids[0], start, end);
    EXPECT_NEAR(start.x, wa.x + dx, 1e-9);
    EXPECT_NEAR(end.y, wb.y, 1e-9);
    ASSERT_EQ(frame.onCommand(CMD_UNDO), 1);
    linePoints(ids[0], start, end);
    EXPECT_NEAR(start.x, wa.x, 1e-9);
    ASSERT_EQ(frame.onCommand(CMD_REDO), 1);
    linePoints(ids[0], start, end);
    EXPECT_NEAR(start.x, wa.x + dx, 1e-9);

    ScratchFolder scratch;
    const std::string path = scratch.pathOf("line.ycx");
    FileDialogScript dialogs;
    dialogs.answers = {path};
    ASSERT_EQ(frame.onCommand(CMD_SAVE_AS), 1);
    settleEvents();
    ASSERT_FALSE(ScratchFolder::read(path).empty());
    ASSERT_EQ(frame.onCommand(CMD_CLOSE), 1);
    settleEvents();
    ASSERT_EQ(frame.documentCount(), 0);
    dialogs.answers = {path};
    ASSERT_EQ(frame.onCommand(CMD_OPEN), 1);
    settleEvents();
    ASSERT_EQ(frame.documentCount(), 1);
    const std::vector<int> reopened = pageIds();
    ASSERT_EQ(reopened.size(), 1u);
    linePoints(reopened[0], start, end);
    EXPECT_NEAR(start.x, wa.x + dx, 0.00001);
    EXPECT_NEAR(start.y, wa.y, 0.00001);
    EXPECT_NEAR(end.x, wb.x + dx, 0.00001);
    EXPECT_NEAR(end.y, wb.y, 0.00001);
}

TEST_F(DrawingByMouse, ArrowStepsAreRecordedWhenTheFrameLosesTheFocus)
{
    ElementEditorBase& editor = *drawing().editor3;
    ASSERT_EQ(editor.startNewElement(kindCode(ElementKind::Line)), 1);
    Element* line = editor.elementInHand();
    line->firstPoint()->x = 10, line->firstPoint()->y = 10;
    line->secondPoint()->x = 40, line->secondPoint()->y = 20;
    ASSERT_EQ(editor.commitNewElement(), 1); // recorded and selected
    const int id = pageIds().at(0);
    UndoManager& undo = *drawing().undoManager;
    SelectTool& select = *SelectTool::of(&drawing());
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(select.onKey(VK_RIGHT), 1);
    EXPECT_EQ(undo.recordCount(), 1) << "the key is still held";
    // The key's release goes to another program: the frame's deactivation records the move.
    SendMessageA(frame.hwnd(), WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
    EXPECT_EQ(undo.recordCount(), 2);
    ASSERT_EQ(frame.onCommand(CMD_UNDO), 1);
    Point start, end;
    linePoints(id, start, end);
    EXPECT_NEAR(start.x, 10, 1e-9);
}

TEST_F(DrawingByMouse, TheSelectButtonPressedWhileATextIsTypedEndsTheTextAndSelectsTheNextClick)
{
    ElementEditorBase& editor = *drawing().editor3;
    const IntPoint a(60, 50), b(180, 120), onLine(120, 85), textAt(60, 170);
    const int lineId = addLine(a, b);
    ASSERT_GE(lineId, 1);

    FakeClock clock(1000, 500);
    ScopedOverride<ViewMapping::PumpStep> pumping{ViewMapping::pumpStep, &ViewFrameTest::typingStep};
    const IntPoint st = screenOf(textAt), sl = screenOf(onLine);
    beginTextAt(textAt, clock);
    ASSERT_EQ(pageIds().size(), 2u);
    const int textId = pageIds().at(1);

    // The commit's mouse move runs the text's editing loop, which takes the typed keys and
    // Escape (each key its character and its release, as the keyboard gives them); then the
    // セレクト button is pressed, the mouse comes back into the view, clicks on the line and
    // leaves the view.
    const std::string typed = "Korvane 2026";
    typeKeys(typed + '\x1b');
    pressSelectButton();
    ASSERT_TRUE(PostMessageA(viewWindow, WM_MOUSEMOVE, 0, MAKELPARAM(onLine.x, onLine.y)));
    {
        ScriptedMouse mouse;
        const DWORD t = clock.now();
        mouse.at(t, st.x, st.y)
            .clickAt(t + 2000, sl)
            .at(t + 2500, sl.x - 1000, sl.y - 1000);
        mouse.advanceClockPerRead(&clock, 20);
        ScopedOverride<DWORD> deadline{loopDeadline, t + 4000};
        settleEvents();
        EXPECT_LT(clock.now(), t + 4000) << "no mouse loop had to be cancelled";
    }
    ASSERT_EQ(editor.beginEdit(textId), 1);
    auto* text = dynamic_cast<TextElementBase*>(editor.elementInHand());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->textBytes(), typed);
    SelectTool& select = *SelectTool::of(&drawing());
    EXPECT_EQ(select.selectionMode(), 1);
    EXPECT_EQ(select.firstSelectedId(), lineId) << "the click after the button reached the select tool";
}

// The same for a polyline whose rubber band is still following the cursor: the tool button ends
// the input (the half-made polyline is dropped) and the next click reaches the select tool.
TEST_F(DrawingByMouse, TheSelectButtonPressedWhileAPolylineIsEnteredEndsItAndSelectsTheNextClick)
{
    const IntPoint a(60, 50), b(180, 120), onLine(120, 85), p1(60, 170), p2(140, 200);
    const int lineId = addLine(a, b);
    ASSERT_GE(lineId, 1);

    FakeClock clock(1000, 500);
    ScopedOverride<ViewMapping::PumpStep> pumping{ViewMapping::pumpStep, &pressingViewStep};
    ScopedOverride<std::function<void()>> selectButton{layout.leftPress, [this] {
        layout.setCurrentCommand(TOOL_SELECT);
        EXPECT_EQ(theCurrentEvent->postEvent(EV_TOOL_BUTTON, TOOL_SELECT, 0), 1);
    }};
    ScopedOverride<HWND> pressed{pressedFrame, frame.hwnd()};
    ScopedOverride<LPARAM> into{moveInto, MAKELPARAM(onLine.x, onLine.y)};
    const IntPoint s1 = screenOf(p1), s2 = screenOf(p2), sl = screenOf(onLine);
    {
        // The polyline button, a click and a second vertex; while the band follows the cursor the
        // セレクト button is pressed, then the mouse clicks on the line and leaves the view.
        ScriptedMouse mouse;
        const DWORD t = clock.now();
        mouse.clickAt(t, s1)
            .clickAt(t + 400, s2)
            .clickAt(t + 2000, sl)
            .at(t + 2500, sl.x - 1000, sl.y - 1000);
        mouse.advanceClockPerRead(&clock, 20);
        ScopedOverride<DWORD> press{pressAt, t + 1000};
        ScopedOverride<DWORD> deadline{loopDeadline, t + 4000};
        layout.current = TOOL_BREAKLINE;
        window->runToolButton();
        window->startCurrentTool();
        settleEvents();
        EXPECT_LT(clock.now(), t + 4000) << "no mouse loop had to be cancelled";
    }
    EXPECT_EQ(pageIds().size(), 1u) << "the half-made polyline is dropped";
    SelectTool& select = *SelectTool::of(&drawing());
    EXPECT_EQ(select.selectionMode(), 1);
    EXPECT_EQ(select.firstSelectedId(), lineId) << "the click after the button reached the select tool";
}

// A polyline half entered in one drawing when another comes to the front: the clicks that follow
// belong to the other drawing, and the drawing left behind ends its tool as a tool button would:
// back in it, with the same tool, a click starts a new polyline, and the one left half made is
// not taken up again.
TEST_F(DrawingByMouse, APolylineHalfEnteredTakesNoClickOnceAnotherDrawingIsInFront)
{
    ScriptedWindow* other = addWindow();
    ASSERT_NE(other, nullptr);
    (void)SendMessageA(GetParent(viewWindow), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(viewWindow), 0);
    (void)SendMessageA(viewWindow, WM_SETFOCUS, 0, 0);
    settleEvents();
    ASSERT_EQ(frame.activeDocument(), window);
    ASSERT_EQ(frame.documents.activeSerial, window->serial);
    DocumentContext& first = drawing();

    const IntPoint p1(60, 170), p2(140, 200), p3(200, 80), p4(90, 60);
    FakeClock clock(1000, 500);
    ScopedOverride<ViewMapping::PumpStep> pumping{ViewMapping::pumpStep, &activatingViewStep};
    ScopedOverride<HWND> activated{activatedWindow, other->hwnd()};
    const IntPoint s1 = screenOf(p1), s2 = screenOf(p2), s3 = screenOf(p3), s4 = screenOf(p4);
    ScriptedMouse mouse;
    const DWORD t = clock.now();
    // Two vertices, then the other drawing comes to the front and two clicks follow.
    mouse.clickAt(t, s1)
        .clickAt(t + 400, s2)
        .clickAt(t + 1100, s3)
        .clickAt(t + 1400, s4);
    mouse.advanceClockPerRead(&clock, 20);
    ScopedOverride<DWORD> activate{activateAt, t + 1000};
    ScopedOverride<DWORD> deadline{loopDeadline, t + 4000};
    layout.current = TOOL_BREAKLINE;
    window->runToolButton();
    ScopedOverride<DocumentContext*> creating{loopDrawing, &first};
    ScopedOverride<int> counted{verticesThen, -1};
    // The tool starts as in the program, from the view's mouse move: its loop runs in a handler.
    ASSERT_TRUE(PostMessageA(viewWindow, WM_MOUSEMOVE, 0, MAKELPARAM(p1.x, p1.y)));
    settleEvents();

    EXPECT_LT(clock.now(), t + 1100) << "the loop ended when the other drawing came to the front";
    EXPECT_EQ(frame.activeDocument(), other);
    ASSERT_GE(verticesThen, 3) << "two vertices and the band";
    EXPECT_EQ(verticesInHand(&first), verticesThen) << "no click after the switch became a vertex";
    EXPECT_TRUE(pageIds().empty());

    (void)SendMessageA(GetParent(viewWindow), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(viewWindow), 0);
    (void)SendMessageA(viewWindow, WM_SETFOCUS, 0, 0);
    settleEvents();
    ASSERT_EQ(frame.activeDocument(), window);
    const DWORD back = t + 5000;
    clock.set(back);
    mouse.at(back, s3.x, s3.y)
        .at(back + 100, s3.x, s3.y, ScriptedMouse::kLeft)
        .at(back + 150, s3.x, s3.y)
        .at(back + 400, s4.x, s4.y);
    ScopedOverride<DWORD> later{loopDeadline, back + 1000};
    ASSERT_TRUE(PostMessageA(viewWindow, WM_MOUSEMOVE, 0, MAKELPARAM(p3.x, p3.y)));
    settleEvents();
    EXPECT_EQ(verticesInHand(&first), 2) << "the click is a new polyline's first vertex, with the band";
    EXPECT_TRUE(pageIds().empty());
}

// A text typed in one drawing whose input ended when the mouse left it: another drawing brought to
// the front stores it, so that Save All saves what was typed; and closing the drawing, saved
// meanwhile and typed into again, asks whether to save it.
TEST_F(DrawingByMouse, ATextTypedInADrawingBehindTheActiveOneIsSavedAndAskedFor)
{
    FakeClock clock(1000, 500);
    ScopedOverride<ViewMapping::PumpStep> pumping{ViewMapping::pumpStep, &ViewFrameTest::typingStep};
    ScratchFolder scratch;
    const std::string path = scratch.pathOf("typed.ycx");
    FileDialogScript dialogs;
    dialogs.answers = {path};
    ASSERT_EQ(frame.onCommand(CMD_SAVE_AS), 1);
    settleEvents();
    DocumentContext& first = drawing();
    const IntPoint textAt(60, 170), st = screenOf(textAt);
    // The text tool at textAt, the keys, and the mouse leaving the view.
    const auto typeAndLeave = [&](const std::string& keys) {
        beginTextAt(textAt, clock);
        typeKeys(keys);
        ScriptedMouse mouse;
        const DWORD t = clock.now();
        mouse.at(t, st.x, st.y).at(t + 500, st.x - 1000, st.y - 1000);
        mouse.advanceClockPerRead(&clock, 20);
        ScopedOverride<DWORD> deadline{loopDeadline, t + 4000};
        settleEvents();
        ASSERT_NE(first.editor2->elementInHand(), nullptr) << "the text is still in hand";
    };
    typeAndLeave("Korvane");
    ScriptedWindow* other = addWindow();
    ASSERT_NE(other, nullptr);
    // The test's frame is hidden and gives no focus: the new window hears what a shown one would.
    (void)SendMessageA(other->hwnd(), WM_SETFOCUS, 0, 0);
    settleEvents();
    ASSERT_NE(frame.activeDocument(), window);
    EXPECT_EQ(first.interactionMode, 0) << "the drawing left behind stored its text";
    EXPECT_TRUE(first.isModified());

    dialogs.answers = {scratch.pathOf("other.ycx")};
    ASSERT_EQ(frame.onCommand(CMD_SAVE_ALL), 1);
    settleEvents();
    EXPECT_NE(ScratchFolder::read(path).find("\"Korvane\""), std::string::npos) << "the typed text is in the file";
    EXPECT_FALSE(first.isModified());

    // Back in the first drawing, a click into the text and two more characters; closing it asks.
    (void)SendMessageA(GetParent(viewWindow), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(viewWindow), 0);
    settleEvents();
    typeAndLeave("26");
    MessageBoxScript boxes;
    boxes.answer(IDCANCEL);
    EXPECT_EQ(window->confirmSave(), 0);
    EXPECT_EQ(boxes.shown().size(), 1u) << "closing asks whether to save the typed characters";
}

// A text typed and ended with the セレクト button, then Undo twice: the typing and the new text go,
// no step writes a record of its own (an emptied text in edit is not deleted under the undo), and
// Redo twice brings the text back with what was typed.
TEST_F(DrawingByMouse, UndoingATypedTextKeepsEveryRedo)
{
    ASSERT_GE(addLine(IntPoint(40, 40), IntPoint(200, 40)), 1);
    ASSERT_GE(addLine(IntPoint(40, 80), IntPoint(200, 80)), 1);
    const std::vector<int> lines = pageIds();
    ASSERT_EQ(lines.size(), 2u);

    FakeClock clock(1000, 500);
    ScopedOverride<ViewMapping::PumpStep> pumping{ViewMapping::pumpStep, &ViewFrameTest::typingStep};
    const IntPoint textAt(60, 170), st = screenOf(textAt);
    beginTextAt(textAt, clock);
    const std::vector<int> withText = pageIds();
    ASSERT_EQ(withText.size(), 3u);
    typeKeys("ab");
    endTextWithSelectButton(clock, st);
    UndoManager& undo = *drawing().undoManager;
    ASSERT_EQ(undo.recordCount(), 4) << "two lines, the new text and its typing";

    char text[UndoManager::kTextSize], name[80];
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(frame.onCommand(CMD_UNDO), 1);
        settleEvents();
    }
    EXPECT_EQ(undo.recordCount(), 4) << "no step wrote a record";
    EXPECT_EQ(undo.appliedCount(), 2);
    EXPECT_EQ(pageIds(), lines);
    ASSERT_TRUE(undo.redoText(text)) << "redo is still offered";
    ASSERT_EQ(UndoManager::operationName(static_cast<int>(UndoCode::NewElement), kindCode(ElementKind::Text), name, 80), 1);
    EXPECT_EQ(std::string(text), std::string(name) + "のやり直し");

    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(frame.onCommand(CMD_REDO), 1);
        settleEvents();
    }
    EXPECT_EQ(undo.appliedCount(), 4);
    ASSERT_EQ(pageIds(), withText);
    drawing().settleElement(); // the text that redo typed into is still in edit
    EXPECT_EQ(undo.recordCount(), 4);
    ElementEditorBase& editor = *drawing().editor3;
    ASSERT_EQ(editor.beginEdit(withText[2]), 1);
    auto* typed = dynamic_cast<TextElementBase*>(editor.elementInHand());
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(typed->textBytes(), "ab");
}

// A text typed and taken back to a shorter one, then the deletion undone and redone: each step
// edits the stored text again, and once it is settled the painter shows only what it holds now,
// not the old text under the new one.
TEST_F(DrawingByMouse, ATextEditedAgainShowsOnlyWhatItHoldsNow)
{
    FakeClock clock(1000, 500);
    ScopedOverride<ViewMapping::PumpStep> pumping{ViewMapping::pumpStep, &ViewFrameTest::typingStep};
    const IntPoint textAt(60, 170), st = screenOf(textAt);
    // Pixels of ink on the painter around the text's line.
    auto ink = [&] {
        HDC dc = drawing().pagePainter->surface()->hdc;
        int n = 0;
        for (int y = textAt.y - 30; y < textAt.y + 30; ++y)
            for (int x = textAt.x - 10; x < textAt.x + 250; ++x)
                n += (GetPixel(dc, x, y) & 0xFFFFFF) != 0xFFFFFF;
        return n;
    };
    beginTextAt(textAt, clock);
    typeKeys("ABCDEFGH" + std::string(6, '\b'));
    endTextWithSelectButton(clock, st);
    ASSERT_EQ(pageIds().size(), 1u);
    ElementEditorBase& editor = *drawing().editor3;
    const auto bytes = [&] {
        EXPECT_EQ(editor.beginEdit(pageIds().at(0)), 1);
        auto* text = dynamic_cast<TextElementBase*>(editor.elementInHand());
        return text ? text->textBytes() : std::string("?");
    };
    ASSERT_EQ(bytes(), "AB");
    const int shorter = ink();
    ASSERT_GT(shorter, 0);

    ASSERT_EQ(frame.onCommand(CMD_UNDO), 1);
    settleEvents();
    drawing().settleElement(); // the text that undo typed into is still in edit
    ASSERT_EQ(bytes(), "ABCDEFGH");
    const int whole = ink();
    EXPECT_GT(whole, shorter * 2);
    ASSERT_EQ(frame.onCommand(CMD_REDO), 1);
    settleEvents();
    drawing().settleElement();
    ASSERT_EQ(bytes(), "AB");
    EXPECT_EQ(ink(), shorter) << "the six characters taken back again are gone from the view";
}

TEST_F(DrawingByMouse, ADoubleClickOnTheSelectedLineOpensItsDialogWhoseWidthIsOneUndoStep)
{
    const IntPoint a(60, 50), b(180, 120), onLine(120, 85);
    const int lineId = addLine(a, b);
    ASSERT_GE(lineId, 1);
    ASSERT_EQ(drawing().selectTool->firstSelectedId(), lineId) << "a new line is selected";
    UndoManager& undo = *drawing().undoManager;
    const int records = undo.recordCount();
    FakeClock clock(1000, 500);
    std::string caption;
    {
        // Press, release and press again at once on the line with the select tool: its property
        // request (6013) reaches the frame, which runs the dialog; 線種 gets a width and OK.
        ScriptedMouse mouse;
        const IntPoint s = screenOf(onLine);
        const DWORD t = clock.now();
        mouse.at(t, s.x, s.y)
            .at(t + 100, s.x, s.y, ScriptedMouse::kLeft)
            .at(t + 140, s.x, s.y)
            .at(t + 180, s.x, s.y, ScriptedMouse::kLeft)
            .at(t + 220, s.x, s.y)
            .at(t + 600, s.x - 1000, s.y - 1000);
        mouse.advanceClockPerRead(&clock, 10);
        layout.current = TOOL_SELECT;
        window->runToolButton();
        (void)driveModalDialog(
            [&]() -> INT_PTR {
                window->startCurrentTool();
                settleEvents();
                return 0;
            },
            [&](HWND w) {
                char text[64] = {};
                GetWindowTextA(w, text, sizeof text);
                caption = text;
                chooseTab(w, 2);
                SetDlgItemTextA(w, IDC_LINE_WIDTH, "0.5");
                PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            });
    }
    EXPECT_EQ(caption, "線分");
    const auto width = [&] {
        ElementEditorBase& editor = *drawing().editor4;
        EXPECT_EQ(editor.beginEdit(lineId), 1);
        return editor.elementInHand()->lineWidth()->width;
    };
    EXPECT_EQ(width(), 0.5);
    ASSERT_EQ(undo.recordCount(), records + 1);
    char text[UndoManager::kTextSize], name[80];
    ASSERT_TRUE(undo.undoText(text));
    ASSERT_EQ(UndoManager::operationName(static_cast<int>(UndoCode::AttributeChange), kindCode(ElementKind::Line), name,
                                         80),
              1);
    EXPECT_NE(std::string(text).find(name), std::string::npos) << text;
    ASSERT_EQ(frame.onCommand(CMD_UNDO), 1);
    settleEvents();
    EXPECT_EQ(width(), 0.14);
}

// A text brought back by redo is edited in place and holds the caret, which takes the focus back
// as the frame handles its events: the drawing closed meanwhile must still leave the frame's list
// (the focus messages sent at once once overwrote the close the frame was handling).
TEST_F(DrawingByMouse, ADrawingClosedWhileATextIsEditedInAnotherLeavesTheFrame)
{
    DocumentContext& d = drawing();
    ASSERT_TRUE(startSampleElement(*d.editor2, kindCode(ElementKind::Text)));
    ASSERT_EQ(d.editor2->commitNewElement(), 1);
    ASSERT_EQ(frame.onCommand(CMD_UNDO), 1);
    ASSERT_EQ(frame.onCommand(CMD_REDO), 1);
    settleEvents();
    auto* text = dynamic_cast<TextElementBase*>(d.editor2->elementInHand());
    ASSERT_TRUE(text && text->isEditing());

    DocumentWindow* other = frame.createDocumentWindow();
    settleEvents();
    ASSERT_EQ(frame.documentCount(), 2);
    ::postCloseRequest(other->serial);
    settleEvents();
    EXPECT_EQ(frame.documentCount(), 1);
    EXPECT_EQ(frame.activeDocument(), window);
}

namespace {

// How a text came back into edit with the select tool running, and what the user does next.
enum class BackInEdit { UndoOfTyping, RedoOfCreation };
enum class NextStep { Drag, ArrowKeys, ShiftArrowKeys, MoveDialog, RightMark, BandThenDrag };

struct TextInEditCase {
    const char* what;
    BackInEdit back;
    NextStep step;
    int records;          // the undo records the step writes
    double pixelsX = 0.0; // the move it makes, in view pixels (zoom 1 at 72 dpi)
    double pixelsY = 0.0;
};

std::ostream& operator<<(std::ostream& out, const TextInEditCase& c) { return out << c.what; }

const TextInEditCase kTextInEditCases[] = {
    {"undo of typing, a click and a drag", BackInEdit::UndoOfTyping, NextStep::Drag, 1, 20, 10},
    {"undo of typing, a click and three arrow keys", BackInEdit::UndoOfTyping, NextStep::ArrowKeys, 3, 3, 0},
    {"undo of typing, a click and Shift+Right three times", BackInEdit::UndoOfTyping, NextStep::ShiftArrowKeys, 1, 30, 0},
    {"undo of typing, a click and the digit key's 移動設定", BackInEdit::UndoOfTyping, NextStep::MoveDialog, 1},
    // A text's marks only show its selection: a press on one moves it by the whole drag.
    {"undo of typing, a click and a drag from the right-middle mark", BackInEdit::UndoOfTyping, NextStep::RightMark, 1,
     20},
    {"undo and redo of the creation, a click and a drag", BackInEdit::RedoOfCreation, NextStep::Drag, 1, 20, 10},
    {"undo and redo of the creation, a rectangle and a drag", BackInEdit::RedoOfCreation, NextStep::BandThenDrag, 1, 20, 10},
};

} // namespace

// A text back in edit after an undo or redo (with its caret, the select tool running), then picked
// and moved or reshaped as the user does it: the store, the undo steps and the saved file hold the
// text where the screen shows it, and the text stays on the screen.
class TextBackInEdit : public DrawingByMouse, public ::testing::WithParamInterface<TextInEditCase> {
protected:
    struct Placed {
        Point anchor;
        std::string bytes;
    };
    static Placed placed(DocumentContext& d, int id)
    {
        ElementEditorBase& editor = *d.editor4;
        auto* text = editor.beginEdit(id) ? dynamic_cast<TextElementBase*>(editor.elementInHand()) : nullptr;
        return text ? Placed{*text->anchor(), text->textBytes()} : Placed{Point(), "(no text)"};
    }
    // A script that the select tool's loop plays from now on, ending with the mouse off the view.
    void play(const std::function<void(ScriptedMouse&, DWORD)>& script, FakeClock& clock)
    {
        ScriptedMouse mouse;
        const DWORD t = clock.now();
        script(mouse, t);
        mouse.advanceClockPerRead(&clock, 10);
        ScopedOverride<DWORD> deadline{loopDeadline, t + 4000};
        window->startCurrentTool();
        settleEvents();
    }
    static void key(UINT message, WPARAM vk) { ASSERT_TRUE(PostMessageA(viewWindow, message, vk, 0)); }
    // Ink on the painter inside the text's extent: the text is drawn there.
    int inkOver(int id)
    {
        Point low, high;
        if (drawing().editor3->getElementBounds(id, &low, &high) != 1)
            return 0;
        IntPoint a, b;
        drawing().view->worldToDevice(low.x, low.y, &a);
        drawing().view->worldToDevice(high.x, high.y, &b);
        int n = 0;
        for (int y = std::min(a.y, b.y); y <= std::max(a.y, b.y); ++y)
            for (int x = std::min(a.x, b.x); x <= std::max(a.x, b.x); ++x)
                n += (painterPixel(IntPoint(x, y)) & 0xFFFFFF) != 0xFFFFFF;
        return n;
    }
};

TEST_P(TextBackInEdit, StaysWhereTheScreenShowsItInTheStoreTheUndoStepsAndTheFile)
{
    const TextInEditCase& c = GetParam();
    FakeClock clock(1000, 500);
    ScopedOverride<ViewMapping::PumpStep> pumping{ViewMapping::pumpStep, &ViewFrameTest::typingStep};
    const IntPoint textAt(60, 170), st = screenOf(textAt);
    beginTextAt(textAt, clock);
    typeKeys("abc");
    endTextWithSelectButton(clock, st);
    ASSERT_EQ(pageIds().size(), 1u);
    const int id = pageIds().at(0);
    // Where "abc" lies, as the screen shows it once the step below brings it back.
    Point low, high;
    ASSERT_EQ(drawing().editor3->getElementBounds(id, &low, &high), 1);
    if (c.back == BackInEdit::UndoOfTyping) {
        // The 文字 tool again, a click at the end of the text and two more characters.
        IntPoint end;
        drawing().view->worldToDevice(high.x - 0.3, (low.y + high.y) / 2, &end);
        beginTextAt(end, clock);
        typeKeys("de");
        endTextWithSelectButton(clock, screenOf(end));
        ASSERT_EQ(placed(drawing(), id).bytes, "abcde");
        ASSERT_EQ(frame.onCommand(CMD_UNDO), 1);
    } else {
        for (int i = 0; i < 2; ++i)
            ASSERT_EQ(frame.onCommand(CMD_UNDO), 1);
        for (int i = 0; i < 2; ++i)
            ASSERT_EQ(frame.onCommand(CMD_REDO), 1);
    }
    settleEvents();
    auto* inEdit = dynamic_cast<TextElementBase*>(drawing().editor2->elementInHand());
    ASSERT_TRUE(inEdit && inEdit->isEditing() && inEdit->id == id) << "the step left the text in edit";
    ASSERT_EQ(inEdit->textBytes(), "abc");
    const Point p0 = *inEdit->anchor();
    UndoManager& undo = *drawing().undoManager;
    const int appliedBefore = undo.appliedCount();

    // The middle of the text on the view, and its right-middle mark.
    IntPoint on, mark;
    drawing().view->worldToDevice((low.x + high.x) / 2, (low.y + high.y) / 2, &on);
    drawing().view->worldToDevice(high.x, (low.y + high.y) / 2, &mark);
    const IntPoint so = screenOf(on), sto = screenOf(IntPoint(on.x + 20, on.y + 10));
    const int L = ScriptedMouse::kLeft;
    const auto clickText = [&] {
        play([&](ScriptedMouse& m, DWORD t) { m.clickAt(t, so).at(t + 800, so.x - 1000, so.y - 1000); }, clock);
    };
    const auto dragText = [&] {
        play([&](ScriptedMouse& m, DWORD t) {
            m.at(t, so.x, so.y).at(t + 100, so.x, so.y, L).at(t + 300, sto.x, sto.y, L).at(t + 500, sto.x, sto.y)
                .at(t + 700, sto.x - 1000, sto.y - 1000);
        }, clock);
    };
    Point expected = p0;
    switch (c.step) {
    case NextStep::Drag:
        clickText();
        dragText();
        break;
    case NextStep::ArrowKeys:
        clickText();
        for (int i = 0; i < 3; ++i) {
            key(WM_KEYDOWN, VK_RIGHT);
            key(WM_KEYUP, VK_RIGHT);
            settleEvents();
        }
        break;
    case NextStep::ShiftArrowKeys: {
        clickText();
        ScriptedMouse shift;
        shift.rest(so.x - 1000, so.y - 1000, ScriptedMouse::kShift);
        for (int i = 0; i < 3; ++i) {
            key(WM_KEYDOWN, VK_RIGHT);
            key(WM_KEYUP, VK_RIGHT);
        }
        settleEvents();
        shift.rest(so.x - 1000, so.y - 1000);
        key(WM_KEYUP, VK_SHIFT);
        settleEvents();
        break;
    }
    case NextStep::MoveDialog:
        clickText();
        (void)driveModalDialog(
            [&]() -> INT_PTR {
                key(WM_KEYDOWN, '5');
                settleEvents();
                return 0;
            },
            [&](HWND w) {
                SetDlgItemTextA(w, IDC_MOVE_X, "12.5");
                SetDlgItemTextA(w, IDC_MOVE_Y, "7.25");
                click(w, IDOK);
            });
        expected.x += 12.5;
        expected.y += 7.25;
        break;
    case NextStep::RightMark: {
        clickText();
        const IntPoint sh = screenOf(mark), shd = screenOf(IntPoint(mark.x + 20, mark.y));
        play([&](ScriptedMouse& m, DWORD t) {
            m.at(t, sh.x - 5, sh.y).at(t + 100, sh.x, sh.y).at(t + 300, sh.x, sh.y, L).at(t + 500, shd.x, shd.y, L)
                .at(t + 700, shd.x, shd.y).at(t + 900, shd.x - 1000, shd.y - 1000);
        }, clock);
        break;
    }
    case NextStep::BandThenDrag: {
        const IntPoint from = screenOf(IntPoint(on.x - 30, on.y - 30)), to = screenOf(IntPoint(on.x + 80, on.y + 30));
        play([&](ScriptedMouse& m, DWORD t) {
            m.at(t, from.x, from.y).at(t + 100, from.x, from.y, L).at(t + 300, to.x, to.y, L).at(t + 500, to.x, to.y)
                .at(t + 700, to.x - 1000, to.y - 1000);
        }, clock);
        ASSERT_EQ(drawing().selectTool->firstSelectedId(), id) << "the rectangle selects the text";
        dragText();
        break;
    }
    }
    expected.x += c.pixelsX * 25.4 / 72;
    expected.y += worldOf(IntPoint(0, static_cast<int>(c.pixelsY))).y - worldOf(IntPoint(0, 0)).y;
    settleEvents();

    const Placed after = placed(drawing(), id);
    EXPECT_EQ(after.bytes, "abc");
    EXPECT_NEAR(after.anchor.x, expected.x, 1e-6);
    EXPECT_NEAR(after.anchor.y, expected.y, 1e-6);
    EXPECT_EQ(undo.appliedCount(), appliedBefore + c.records);
    EXPECT_GT(inkOver(id), 0) << "the text is drawn where it lies";

    // Saved and opened again, it lies there too.
    ScratchFolder scratch;
    const std::string path = scratch.pathOf("text.ycx");
    FileDialogScript dialogs;
    dialogs.answers = {path};
    ASSERT_EQ(frame.onCommand(CMD_SAVE_AS), 1);
    settleEvents();
    EXPECT_NEAR(placed(drawing(), id).anchor.x, expected.x, 1e-6) << "the save stores what the screen shows";
    DocumentWindow* reopened = frame.createDocumentWindow();
    ASSERT_NE(reopened, nullptr);
    DocumentContext& other = *reopened->context;
    ASSERT_TRUE(other.assignFile(path.c_str()) && other.openFile());
    ElementStore* otherStore = other.elementStore();
    const int otherId = otherStore->pageTable->getFirst(other.currentPage());
    const Placed saved = placed(other, otherId);
    EXPECT_EQ(saved.bytes, "abc");
    EXPECT_NEAR(saved.anchor.x, expected.x, 1e-5);
    EXPECT_NEAR(saved.anchor.y, expected.y, 1e-5);
    ::postCloseRequest(reopened->serial);
    settleEvents();
    ASSERT_EQ(frame.activeDocument(), window);

    // Undone, it lies where it was before the step; redone, where the step put it.
    for (int i = 0; i < c.records; ++i)
        ASSERT_EQ(frame.onCommand(CMD_UNDO), 1);
    settleEvents();
    const Placed undone = placed(drawing(), id);
    EXPECT_NEAR(undone.anchor.x, p0.x, 1e-6);
    EXPECT_NEAR(undone.anchor.y, p0.y, 1e-6);
    EXPECT_EQ(undone.bytes, "abc");
    for (int i = 0; i < c.records; ++i)
        ASSERT_EQ(frame.onCommand(CMD_REDO), 1);
    settleEvents();
    EXPECT_NEAR(placed(drawing(), id).anchor.x, expected.x, 1e-6);
    EXPECT_NEAR(placed(drawing(), id).anchor.y, expected.y, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(DrawingByMouse, TextBackInEdit, ::testing::ValuesIn(kTextInEditCases));
