#include "shell/MainFrame.h"

#include <new>

#include "document/ContextMenuRequest.h"
#include "document/DocumentContext.h"
#include "document/PagePainter.h"
#include "document/PageTabBar.h"
#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"
#include "resources/ids.h"
#include "shell/ContextMenus.h"
#include "shell/DocumentWindow.h"
#include "shell/FrameCommands.h"
#include "shell/GlobalManagers.h"
#include "shell/ShortcutKeys.h"
#include "shell/SplashScreen.h"
#include "shell/ToolbarHolder.h"
#include "shell/panes/DockPane.h"
#include "shell/panes/ToolButton.h"
#include "shell/panes/WorkspaceLayout.h"
#include "shell/settings/AppSettingsFile.h"

namespace {
// The string table's toolbars in the order they are created: the navigator (5) after the tool
// bars, the parts lists and the page bar last.
const int kToolbarOrder[] = {1, 2, 3, 4, 6, 7, 8, 9, 5, 10, 11, 12, 13};
// The toolbars of parts libraries 1, 2 and 3.
const int kPartsToolbarBase = 9;
} // namespace

MainFrame::MainFrame()
{
    if (theMouseState) {
        theMouseState->wheelZoomMode = 1;
        theMouseState->middlePanMode = 1;
    }
    menu.resourceId = IDM_MAIN_FRAME;
    acceleratorResourceId = IDA_MAIN_FRAME;
    contextMenus = new (std::nothrow) ContextMenus(this);
    shortcutKeys = new (std::nothrow) ShortcutKeys(this);
    toolbars = new (std::nothrow) ToolbarHolder(this);
}

MainFrame::~MainFrame()
{
    delete splash;
    destroyGlobals();
    delete toolbars;
    delete shortcutKeys;
    delete contextMenus;
}

DocumentWindow* MainFrame::activeDocument() { return dynamic_cast<DocumentWindow*>(documents.activeChild()); }

DocumentWindow* MainFrame::documentAt(int index) { return dynamic_cast<DocumentWindow*>(documents.getAt(index)); }

void MainFrame::refreshActivePainters()
{
    if (DocumentWindow* active = activeDocument()) {
        active->refreshPagePainter();
        active->refreshPageBar();
    }
}

void MainFrame::initialize()
{
    splash = new (std::nothrow) SplashScreen(hwnd());
    createGlobals();
    for (int number = 1; number <= 3; ++number)
        (void)partsLibrary(number, kPartsToolbarBase + number); // a library that cannot be made is only missing
    if (toolbars)
        for (int definition : kToolbarOrder)
            (void)toolbars->createToolbar(definition); // a pane that cannot be made is left out
    if (shortcutKeys)
        shortcutKeys->setup();
    (void)loadAppSettings(); // a missing or unreadable file leaves the defaults
    giveDefaultColoursInks();
    if (shortcutKeys)
        shortcutKeys->applyToButtons();
    if (toolbars)
        toolbars->showLayout();
    createFirstDocument();
    updateToolButtons();
    if (splash) {
        splash->waitMinimumTime();
        delete splash;
        splash = nullptr;
    }
}

int MainFrame::scrollPaneList()
{
    DocumentWindow* active = activeDocument();
    if (thePageTabBar && thePageTabBar->onScroll(active ? active->context : nullptr))
        return 1;
    // A parts list paints its parts from its new first cell.
    WorkspaceLayout* panes = WorkspaceLayout::installed();
    for (int i = 0; panes && i < panes->paneCount(); ++i)
        for (int j = 0; j < panes->paneAt(i)->buttonCount(); ++j)
            if (ToolButton* list = panes->paneAt(i)->buttonAt(j); list->scrolling) {
                list->repaint();
                return 1;
            }
    return 0;
}

void MainFrame::scrollHorizontally(int steps)
{
    // The scroll bars of the docked panes are the frame's children: their lists scroll, the
    // drawing stays.
    if (scrollPaneList())
        return;
    if (DocumentWindow* active = activeDocument())
        active->scrollHorizontally(steps);
}

void MainFrame::scrollVertically(int steps)
{
    if (scrollPaneList())
        return;
    if (DocumentWindow* active = activeDocument())
        active->scrollVertically(steps);
}

void MainFrame::takeShortcutCommand()
{
    ShortcutKeyHook* hook = ShortcutKeyHook::installed();
    const int command = hook ? hook->takePendingCommand() : 0;
    if (command < 1)
        return;
    endActiveTool();
    if (command == OP_PROPERTIES) {
        forwardDocumentOp(OP_PROPERTIES);
        return;
    }
    if (WorkspaceLayout* panes = WorkspaceLayout::installed())
        panes->setCurrentCommand(command);
    runToolButton();
}

void MainFrame::runToolButton()
{
    if (DocumentWindow* active = activeDocument())
        active->runToolButton();
    else if (WorkspaceLayout* panes = WorkspaceLayout::installed())
        panes->refreshCurrentCommand();
    updateToolButtons();
}

void MainFrame::showContextMenu(int built)
{
    if (!built)
        return;
    if (DocumentWindow* active = activeDocument())
        active->trackPopupMenu();
}

int MainFrame::handleEvent()
{
    CurrentEvent* event = theCurrentEvent;
    if (!event)
        return 0;
    // A text edited in the drawing in front takes the focus back, which sends the focus messages
    // through the event at once: the event handled here is the one that came.
    if (DocumentWindow* active = activeDocument()) {
        CurrentEventKept kept(*event);
        active->caretRefresh();
    }
    switch (event->code) {
    case EV_CLOSE:
        // The questions ran modal loops that routed other messages through the event: it is not
        // read again.
        if (!confirmCloseAll())
            event->cancelClose();
        return 1;
    case EV_SELECTION_PROPERTIES:
        endActiveTool();
        forwardDocumentOp(OP_PROPERTIES);
        return 1;
    case EV_TOOL_RUN_DONE:
        updateToolButtons();
        return 1;
    case EV_DEACTIVATE:
        // The key releases go elsewhere from now on: arrow steps are recorded at once.
        if (DocumentWindow* active = activeDocument(); active && active->context)
            active->context->flushArrowSteps();
        return FrameWindow::handleEvent();
    case EV_DOCUMENT_ACTIVATED:
        // A drawing left behind while an element is entered in it ends its tool, as a tool button
        // pressed there would: a text being typed is stored (it holds the one caret, which would
        // take the keys back from the drawing now in front and end its tools at once), and a
        // figure whose points were being clicked is dropped. Left waiting, the figure would be
        // taken up again by the next click there, whatever was done meanwhile. The drawing now in
        // front lends its spot inks to the colour settings dialog.
        for (int i = 0; i < documents.count; ++i) {
            DocumentWindow* window = documentAt(i);
            if (!window || !window->context)
                continue;
            if (window->serial == event->arg1)
                window->context->registerInkInfo();
            else if (window->context->isEnteringElement())
                window->endTool();
        }
        return FrameWindow::handleEvent();
    case EV_ACTIVE_DOCUMENT_CHANGED:
        refreshActivePainters();
        return 1;
    case EV_DOCUMENT_CLOSED:
        (void)documents.closeChild(event->arg1); // 0 for a window closed already
        // The last drawing is gone: the navigator and the page bar show none.
        if (documents.count == 0 && thePagePainter)
            thePagePainter->refresh(nullptr);
        if (documents.count == 0 && thePageTabBar)
            thePageTabBar->refresh(nullptr);
        updateToolButtons();
        return 1;
    case EV_PARTS_HOVER:
        if (event->arg1 >= TOOL_PARTS_LIST_1 && event->arg1 <= TOOL_PARTS_LIST_3)
            if (DocumentWindow* active = activeDocument())
                active->showPartsList(event->arg1 - TOOL_PARTS_LIST_1 + 1);
        return 1;
    case EV_AFTER_COMMAND:
        return onCommand(0);
    case EV_IDLE:
        if (DocumentWindow* active = activeDocument())
            active->idleStep();
        return FrameWindow::handleEvent();
    case EV_TOOL_MENU:
        showContextMenu(contextMenus ? contextMenus->buildToolMenu() : 0);
        updateToolButtons();
        return 1;
    case EV_PAGE_MENU:
        showContextMenu(contextMenus ? contextMenus->buildPageMenu() : 0);
        return 1;
    case EV_PARTS_MENU:
        showContextMenu(contextMenus ? contextMenus->buildPartsMenu() : 0);
        return 1;
    case EV_TOOL_BUTTON:
        runToolButton();
        return 1;
    case EV_PANE_BUTTON:
        if (DocumentWindow* active = activeDocument())
            active->runPaneCommand();
        updateToolButtons();
        return 1;
    case EV_SHORTCUT_COMMAND:
        takeShortcutCommand();
        return 1;
    case EV_KEY_DOWN:
        if (DocumentWindow* active = activeDocument()) {
            active->onKeyDown();
            return 1;
        }
        return FrameWindow::handleEvent();
    case EV_INIT_MENU:
        updateMenus();
        return 1;
    case EV_SIZE:
        // The right and bottom bands follow the frame's sides; rows that no longer fit wrap.
        // Moving the panes handles messages of their own (a moved scroll bar erases the frame),
        // which replace the current event: the rest is laid out directly, not by the event.
        if (WorkspaceLayout* panes = WorkspaceLayout::installed())
            panes->relayoutBands();
        layoutClientArea();
        return 1;
    case EV_MENU_COMMAND:
        return onCommand(LOWORD(event->wParam)) ? 1 : FrameWindow::handleEvent();
    default:
        return FrameWindow::handleEvent();
    }
}

void postContextMenuRequest() { postMenuRequest(EV_TOOL_MENU); }
