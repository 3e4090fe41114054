// DocumentWindow: the tools that a mouse move runs, the toolbar buttons, the keys, the wheel and
// the middle button.
#include <iterator>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementKind.h"
#include "document/PageTabBar.h"
#include "document/PartsLibrary.h"
#include "document/PictureDefaults.h"
#include "document/ViewScroller.h"
#include "geometry/GridSettings.h"
#include "geometry/ViewParams.h"
#include "platform/CurrentEvent.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"
#include "shell/DocumentWindow.h"
#include "shell/FrameCommands.h"
#include "shell/GlobalManagers.h"
#include "shell/MainFrame.h"
#include "shell/ToolbarHolder.h"
#include "shell/panes/WorkspaceLayout.h"
#include "views/ZoomRules.h"
#include "views/tools/SelectTool.h"

// The text elements post the same event after a tool run of their own.
static_assert(EV_TOOL_RUN_DONE == Element::kToolButtonsEvent, "one event brings the toolbar buttons up to date");

namespace {

enum class ToolCursor { Cross, IBeam, Arrow };

// The tools that create an element: the kind and the creation mode they give the element editor.
struct ElementTool {
    int tool;
    ElementKind kind;
    int mode;
    ToolCursor cursor;
};

const ElementTool kElementTools[] = {
    {TOOL_LINE, ElementKind::Line, 0, ToolCursor::Cross},
    {TOOL_BREAKLINE, ElementKind::Breakline, 0, ToolCursor::Cross},
    {TOOL_BOX, ElementKind::Box, 0, ToolCursor::Cross},
    {TOOL_POLYGON, ElementKind::Polygon, 0, ToolCursor::Cross},
    {TOOL_ARC3P, ElementKind::Arc, 5, ToolCursor::Cross},
    {TOOL_OVAL, ElementKind::Oval, 0, ToolCursor::Cross},
    {TOOL_CIRCLE, ElementKind::Circle, 0, ToolCursor::Cross},
    {TOOL_SPLINE, ElementKind::Spline, 1, ToolCursor::Cross},
    {TOOL_TEXT, ElementKind::Text, 0, ToolCursor::IBeam},
    {TOOL_TEXTLINE, ElementKind::TextLine, 0, ToolCursor::Cross},
    {TOOL_BEZIER_LINE, ElementKind::Bezier, 1, ToolCursor::Cross},
    {TOOL_BEZIER_AREA, ElementKind::Bezier, 2, ToolCursor::Cross},
    {TOOL_BEZIER_RECT, ElementKind::Bezier, 4, ToolCursor::Cross},
    {TOOL_BEZIER_OVAL, ElementKind::Bezier, 3, ToolCursor::Cross},
    {TOOL_BEZIER_TRIANGLE, ElementKind::Bezier, 6, ToolCursor::Cross},
    {TOOL_BEZIER_QUADRANGLE, ElementKind::Bezier, 7, ToolCursor::Cross},
    {TOOL_BEZIER_POLY, ElementKind::Bezier, 8, ToolCursor::Cross},
    {TOOL_MEASURE_FREE_TWO, ElementKind::Measure, 11, ToolCursor::Arrow},
    {TOOL_MEASURE_FREE_MANY, ElementKind::Measure, 12, ToolCursor::Arrow},
    {TOOL_MEASURE_TWO, ElementKind::Measure, 13, ToolCursor::Arrow},
    {TOOL_MEASURE_MANY, ElementKind::Measure, 14, ToolCursor::Arrow},
    {TOOL_ANGLE_FREE, ElementKind::AngleMeasure, 21, ToolCursor::Arrow},
    {TOOL_ANGLE_ITEM, ElementKind::AngleMeasure, 22, ToolCursor::Arrow},
    {TOOL_RADIUS_ITEM, ElementKind::MsrRadius, 22, ToolCursor::Arrow},
    {TOOL_DIAMETER_ITEM, ElementKind::MsrDiameter, 22, ToolCursor::Arrow},
};

const ElementTool* elementTool(int tool)
{
    for (const ElementTool& row : kElementTools)
        if (row.tool == tool)
            return &row;
    return nullptr;
}

void setCursor(ToolCursor cursor)
{
    if (!theMouseState)
        return;
    switch (cursor) {
    case ToolCursor::Cross:
        theMouseState->setCrossCursor();
        break;
    case ToolCursor::IBeam:
        theMouseState->setIBeamCursor();
        break;
    case ToolCursor::Arrow:
        theMouseState->setArrowCursor();
        break;
    }
}

// The picture tools place the file chosen for them; the parts lists place their part.
int isPictureTool(int tool) { return tool >= TOOL_BITMAP && tool <= TOOL_TIFF; }
int isPartsList(int tool) { return tool >= TOOL_PARTS_LIST_1 && tool <= TOOL_PARTS_LIST_3; }

// Tools that run wherever the cursor is.
int runsOutsideTheView(int tool) { return tool == TOOL_GRID || tool == TOOL_TURN || tool == TOOL_ITEMZOOM || isPartsList(tool); }

// Button commands that leave the running tool alone.
int keepsRunningTool(int id)
{
    return id == EDIT_UNDO || id == EDIT_REDO || id == EDIT_CUT || id == EDIT_COPY || id == EDIT_PASTE;
}

WorkspaceLayout* layout() { return WorkspaceLayout::installed(); }

// The button of a tool that stays current: "back" returns to it.
void keep()
{
    if (WorkspaceLayout* panes = layout())
        panes->keepCurrentButton();
}

void makeCurrent(int command)
{
    if (WorkspaceLayout* panes = layout())
        panes->setCurrentTool(command);
}

// The pressed button is released and the current tool's button pressed again.
void back()
{
    if (WorkspaceLayout* panes = layout())
        panes->restoreCurrentButton();
}

// After a settings dialog: the current tool stays when it is one of toolbar n's (the frame's
// toolbar holder knows); otherwise the toolbar's first drawing tool becomes current.
void selectInToolbar(const MainFrame* frame, int command, int toolbar)
{
    if (frame && frame->toolbars && frame->toolbars->holdsCurrentTool(toolbar))
        back();
    else
        makeCurrent(command);
}

} // namespace

int DocumentWindow::currentTool()
{
    WorkspaceLayout* panes = layout();
    return panes ? panes->currentCommand() : -1;
}

void DocumentWindow::startCurrentTool()
{
    if (!context)
        return;
    const int tool = currentTool();
    ViewParams* view = context->view;
    if (!runsOutsideTheView(tool) && !(view && view->isCursorInView()))
        return; // outside the view a mouse move does nothing
    if (const ElementTool* row = elementTool(tool)) {
        setCursor(row->cursor);
        (void)context->drawNewElement(kindCode(row->kind), row->mode); // the editor keeps its own state
    } else if (isPictureTool(tool)) {
        const int placed = context->placePicture(0);
        if (placed == 1 || placed == -999)
            makeCurrent(TOOL_SELECT);
    } else if (isPartsList(tool)) {
        PartsLibrary* library = existingPartsLibrary(tool - TOOL_PARTS_LIST_1 + 1);
        if (!library || library->placeByMouse(context, 0) < 0)
            (void)context->selectByClick(); // nothing to place: the idle click loop
    } else {
        switch (tool) {
        case TOOL_LOUPE:
            (void)context->zoomByMouse(); // the outcome only ends the tool
            break;
        case TOOL_TRAN:
            if (theMouseState)
                theMouseState->setHandCursor();
            (void)context->panByMouse();
            break;
        case TOOL_GRID:
            if (context->grid)
                (void)context->grid->mouseOperation();
            break;
        case TOOL_SELECT:
            setCursor(ToolCursor::Arrow);
            (void)context->runSelectTool();
            break;
        case TOOL_PNTMOVE:
            setCursor(ToolCursor::Arrow);
            context->moveSelectionByMouse();
            break;
        case TOOL_ROTATE:
            setCursor(ToolCursor::Arrow);
            (void)context->rotateByMouse();
            break;
        case TOOL_TURN:
            // Runs once, the direction dialog and then the move (which only a confirmed dialog
            // allows); then selecting goes on. Without a selection there is nothing to ask.
            if (context->hasSelection()) {
                context->changeOrderByDialog();
                (void)context->changeOrder(); // 0 when the dialog was cancelled: nothing moved
            }
            makeCurrent(TOOL_SELECT);
            break;
        case TOOL_ITEMZOOM:
            context->scaleSelection();
            makeCurrent(TOOL_SELECT);
            break;
        default:
            (void)context->selectByClick(); // the idle click loop: a click selects or opens the menu
            break;
        }
    }
    // Ahead of what the run queued: a mouse move it asked for starts the tool again, and the
    // frame's event behind it would end that tool's loop at its first poll (an event not for the
    // view), so that the next press would find no tool running.
    if (theCurrentEvent)
        (void)theCurrentEvent->postDeferredCommandFirst(EV_TOOL_RUN_DONE); // a full queue only delays the buttons
    setCursor(ToolCursor::Arrow);
}

void DocumentWindow::runToolButton()
{
    const int id = currentTool();
    if (!keepsRunningTool(id))
        endTool();
    if (id < 0 || !context)
        return;
    if (elementTool(id)) {
        keep(); // it runs at the next mouse move
        return;
    }
    switch (id) {
    case TOOL_LINE_SETTINGS:
        (void)context->editLineDefaults(); // the dialog's answer changes nothing here
        selectInToolbar(frame, TOOL_LINE, 1);
        return;
    case TOOL_TEXT_SETTINGS:
        (void)context->editTextDefaults();
        selectInToolbar(frame, TOOL_TEXT, 6);
        return;
    case TOOL_BEZIER_SETTINGS:
        (void)context->editBezierDefaults();
        selectInToolbar(frame, TOOL_BEZIER_AREA, 7);
        return;
    case TOOL_MEASURE_SETTINGS:
        (void)context->editMeasureDefaults();
        selectInToolbar(frame, TOOL_MEASURE_FREE_TWO, 8);
        return;
    case TOOL_PICTURE_SETTINGS:
        (void)context->editPictureDefaults();
        makeCurrent(TOOL_SELECT);
        return;
    case TOOL_LINE_BATCH:
        (void)context->batchEditLine();
        break;
    case TOOL_TEXT_BATCH:
        (void)context->batchEditText();
        break;
    case TOOL_BEZIER_BATCH:
        (void)context->batchEditBezier();
        break;
    case TOOL_MEASURE_BATCH:
        (void)context->batchEditMeasure();
        break;
    case TOOL_PICTURE_BATCH:
        (void)context->batchEditPicture();
        break;
    case TOOL_BITMAP:
    case TOOL_EPS:
    case TOOL_GIF:
    case TOOL_JPEG:
    case TOOL_TIFF:
        // Keep: the next mouse move places the chosen picture.
        if (context->pictureDefaults)
            (void)context->pictureDefaults->chooseFile(id - TOOL_BITMAP + 1); // no file: nothing to place
        keep();
        return;
    case TOOL_LOUPE:
    case TOOL_TRAN:
    case TOOL_SELECT:
    case TOOL_PNTMOVE:
    case TOOL_TURN:
    case TOOL_ITEMZOOM:
        keep();
        return;
    case TOOL_GRID:
        // Keep: the next mouse move runs the grid's mouse operation.
        (void)context->editGrid();
        keep();
        return;
    case TOOL_ROTATE:
        (void)context->prepareRotate();
        keep();
        return;
    case TOOL_YOUSI:
        context->editPaper();
        break;
    case TOOL_DSPCTRL:
        context->runDisplayControl();
        makeCurrent(TOOL_SELECT);
        return;
    case TOOL_GROUP:
        context->groupSelection();
        break;
    default:
        (void)runEditCommand(id); // 0 for an id no command has: the button is only released
        break;
    }
    back();
}

void DocumentWindow::runPaneCommand()
{
    const int id = currentTool();
    if (isPartsList(id)) {
        // The part under the cursor becomes current and the parts menu is asked for; the list
        // stays the current tool, so that the menu's commands reach its library.
        if (PartsLibrary* library = currentPartsLibrary()) {
            IntPoint cursor;
            readCursorPos(cursor);
            (void)library->onRightPress(cursor); // 0 off the parts' cells: the menu alone
        }
        keep();
        return;
    }
    if (id == TOOL_PAGING && context && thePageTabBar)
        thePageTabBar->openPageMenu(context);
    back();
}

PartsLibrary* DocumentWindow::currentPartsLibrary()
{
    const int tool = currentTool();
    return isPartsList(tool) ? existingPartsLibrary(tool - TOOL_PARTS_LIST_1 + 1) : nullptr;
}

// With no tool pressed a click selects as the select tool would (the idle click loop): the keys
// act on that selection as the tool's keys.
int DocumentWindow::keysGoToSelectTool()
{
    const int tool = currentTool();
    return context && context->selectTool && (tool == TOOL_SELECT || tool < 0);
}

void DocumentWindow::onKeyDown()
{
    if (!context)
        return;
    if (keysGoToSelectTool())
        (void)SelectTool::of(context)->onKeyDown(); // keys the tool does not use do nothing
    else
        (void)context->handleKey();
}

void DocumentWindow::onKeyUp()
{
    if (keysGoToSelectTool())
        (void)SelectTool::of(context)->onKeyUp();
}

void DocumentWindow::onWheel()
{
    if (!context || !theMouseState)
        return;
    const int delta = static_cast<int>(theMouseState->wheelDelta);
    if (theMouseState->wheelZoomMode) {
        const double factor = ZoomRules::wheelZoomFactor(delta);
        if (factor == 0.0)
            return; // a part of a notch: it adds up with the next
        theMouseState->setWheelDelta(0.0);
        // The wheel's position is already in screen coordinates.
        IntPoint at = theMouseState->wheel;
        screenToClient(at);
        (void)context->zoomAtPoint(at, factor); // 0 outside the view: nothing zooms
        return;
    }
    theMouseState->setWheelDelta(0.0);
    // The vertical bar moves by lines; the window then scrolls by the positions it moved.
    if (const int steps = ZoomRules::wheelScrollSteps(delta))
        (void)context->scrollBarsBy(0, steps); // 0 at the end of the bar: nothing to scroll
}

void DocumentWindow::onMiddleButton()
{
    if (context && context->scroller && theMouseState && theMouseState->middlePanMode)
        (void)context->scroller->middleButtonPan(); // the pan ends with the button
}
