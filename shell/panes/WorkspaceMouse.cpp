// What the mouse does to the panes: pressing buttons, dragging panes between bands, the right
// button, the hints in the status bar and the hint window, scrolling and painting.
#include "platform/StatusBar.h"
#include "shell/FrameCommands.h"
#include "shell/panes/BandLayout.h"
#include "shell/panes/DockPane.h"
#include "shell/panes/PaneTracking.h"
#include "shell/panes/ToolButton.h"
#include "shell/panes/WorkspaceLayout.h"

namespace {
// A button's label with its shortcut, "(Shift+Ctrl+F12)" at the most.
const int kHintLabelSize = 96;

void post(int code, int arg)
{
    if (theCurrentEvent)
        (void)theCurrentEvent->postEvent(code, arg, 0); // a full queue drops the press like a lost click
}

// A list's cells are not pressed: the page bar and the parts libraries follow the cursor
// themselves.
int isTracked(const ToolButton& button)
{
    return button.buttonType() != ButtonType::Page && button.buttonType() != ButtonType::Parts;
}

void showStatusHint(const char* text)
{
    FrameWindow* frame = theApplication ? theApplication->frame : nullptr;
    if (frame && frame->statusBar)
        (void)frame->statusBar->setPartText(WorkspaceLayout::kStatusHintPart, text); // no bar, no hint
}
} // namespace

void WorkspaceLayout::onLeftButtonDown()
{
    IntPoint cursor;
    readCursorPos(cursor);
    DockPane* pane = paneContainingPoint(cursor);
    if (!pane)
        return;
    ToolButton* button = pane->buttonAtPoint(cursor);
    if (button && !button->isSeparator())
        pressButton(pane, button);
    else if (pane->isDocked())
        dragPane(pane);
}

void WorkspaceLayout::pressButton(DockPane* pane, ToolButton* button)
{
    if (!pane || !button)
        return;
    pressedPane = pane;
    if (theApplication) {
        theApplication->paneTimer.start();
        theApplication->focusHoldOff = 10;
    }
    ToolButton* before = activeButton;
    if (before && before != button) {
        before->selected = 0;
        before->redraw();
    }
    if (button->enabled)
        button->drawPressed();
    int over = 1;
    int inTime = 1;
    if (isTracked(*button)) {
        trackLeftDrag(pane->window(), [&](const IntPoint& p) {
            const int now = button->hitTest(p);
            if (now != over) {
                over = now;
                button->drawTracked(over);
            }
        });
        // The time of the release decides, before anything else reads the mouse.
        inTime = theApplication ? theApplication->paneTimer.notElapsed(band_layout::kClickTimeMs) : 1;
        IntPoint released;
        readCursorPos(released);
        over = button->hitTest(released);
    }
    if (!band_layout::pressCounts(over, inTime)) {
        // Cancelled: the current tool stays as it was.
        button->redraw();
        if (before && before != button) {
            before->selected = 1;
            before->redraw();
        }
        return;
    }
    // Pressing the current tool again keeps the tool that "back" returns to.
    if (before != button)
        previousButton = before;
    selectButton(button);
    post(EV_TOOL_BUTTON, button->commandId());
}

void WorkspaceLayout::onRightButtonDown()
{
    DockPane* pane = nullptr;
    ToolButton* button = buttonAtCursor(&pane);
    if (button) {
        previousButton = activeButton;
        selectButton(button);
        post(EV_PANE_BUTTON, button->commandId());
    } else if (pane && pane->kind == DockPane::kParts) {
        // Beside the parts (an empty list has nothing else) the list still becomes current, so
        // that its library opens the pane's menu and the menu's commands reach it.
        ToolButton* list = pane->buttonOfType(static_cast<int>(ButtonType::Parts));
        if (list)
            previousButton = activeButton;
        selectButton(list);
        post(EV_PANE_BUTTON, list ? list->commandId() : 0);
    }
}

void WorkspaceLayout::dragPane(DockPane* pane)
{
    if (!pane)
        return;
    IntPoint start;
    readCursorPos(start);
    IntRect rect = pane->currentRect();
    if (pane->isDocked())
        clientToScreen(rect);
    band_layout::PaneDrag drag(rect, start, pane->position);
    {
        XorDragFrame frame;
        frame.show(drag.rect);
        trackLeftDrag(frameWindow(), [&](const IntPoint& p) {
            const int band = bandAtPoint(pane, p);
            IntRect size;
            if (band != drag.band())
                pane->rectFor(band, size);
            if (drag.step(p, band, IntPoint(size.width(), size.height())))
                frame.show(drag.rect);
        });
    }
    IntPoint end;
    readCursorPos(end);
    if (!drag.changes(end))
        return;
    const int left = pane->position;
    const int band = drag.band();
    dockAt(band, pane, drag.rect);
    if (left != band && left != DockPane::kFloat)
        layoutBand(left, 0);
    for (int i = 0; i < pane->buttonCount(); ++i)
        pane->buttonAt(i)->onPositionChanged(left, band);
    pane->layoutButtons();
    // The panes that made room or closed the gap moved too.
    layoutDockedPanes();
    relayoutFrame();
    if (pane->isDocked())
        pane->destroyWindow();
    else if (pane->paneWindow)
        pane->paneWindow->invalidate();
}

void WorkspaceLayout::hidePaneByWindow(int windowSerial) { hidePane(paneByWindowId(windowSerial)); }

void WorkspaceLayout::dragPaneByWindow(int windowSerial) { dragPane(paneByWindowId(windowSerial)); }

void WorkspaceLayout::resizePaneByWindow(int windowSerial, int edge)
{
    if (DockPane* pane = paneByWindowId(windowSerial))
        pane->resizeByBorder(edge);
}

void WorkspaceLayout::paintDockedPanes()
{
    for (int band = DockPane::kTop; band <= DockPane::kBottom; ++band)
        for (DockPane* pane : panes)
            if (pane->position == band)
                pane->paint();
}

void WorkspaceLayout::onMouseMove()
{
    IntPoint cursor;
    readCursorPos(cursor);
    ToolButton* button = buttonAtCursor();
    const int command = button ? button->commandId() : 0;
    if (command != lastHintCommand) {
        lastHintCommand = command;
        showStatusHint(button ? button->definition.hint : "");
    }
    IntRect rect;
    if (button)
        button->hintRect(cursor, rect);
    hintWindow.setToolRect(rect);
    if (button && button->buttonType() == ButtonType::Parts)
        post(EV_PARTS_HOVER, command);
}

void WorkspaceLayout::onIdle()
{
    IntPoint cursor;
    readCursorPos(cursor);
    ToolButton* button = buttonAtCursor();
    IntRect rect;
    char label[kHintLabelSize] = {};
    if (button) {
        button->hintRect(cursor, rect);
        button->hintLabel(cursor, label, sizeof label);
    }
    hintWindow.onMouseMove(cursor, rect, button ? label : nullptr);
    if (!button && theCurrentEvent)
        theCurrentEvent->mayBlock = theCurrentEvent->blockingAllowed;
}

void WorkspaceLayout::onScroll()
{
    for (DockPane* pane : panes)
        for (int i = 0; i < pane->buttonCount(); ++i) {
            ToolButton* button = pane->buttonAt(i);
            if (button->buttonType() == ButtonType::Scroll && button->ownsScrollMessage()) {
                button->handleScroll();
                return;
            }
        }
}
