#include "shell/DocumentWindow.h"

#include <new>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/PagePainter.h"
#include "document/PageTabBar.h"
#include "document/PartsLibrary.h"
#include "platform/Application.h"
#include "platform/CommonFileDialog.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/EventRouter.h"
#include "platform/FileName.h"
#include "platform/MessageBoxes.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"
#include "platform/StringUtil.h"
#include "shell/FrameCommands.h"
#include "shell/GlobalManagers.h"
#include "shell/MainFrame.h"

DocumentWindow::DocumentWindow()
{
    context = new (std::nothrow) DocumentContext;
    if (!context) {
        showOutOfMemory();
        return;
    }
    context->createMembers();
    context->linkManagers();
    title = context->title();
}

int DocumentWindow::handleEvent()
{
    CurrentEvent* event = theCurrentEvent;
    if (!event)
        return 0;
    switch (event->code) {
    case EV_KEY_DOWN:
    case EV_KEY_UP:
    case EV_MOUSE_MOVE:
        if (theApplication)
            theApplication->hideHint();
        break;
    default:
        break;
    }
    switch (event->code) {
    case EV_MOUSE_MOVE:
        if (!isActive())
            break;
        startCurrentTool();
        return 1;
    case EV_LEFT_DOWN:
        // A press with no tool running (the last one ended on an event for another window, such
        // as the navigator's timer, and the pointer has not moved since) starts the tool as a
        // move would, and the tool takes the press. Inside a running tool the tool reads it.
        if (!isActive() || (theEventRouter && theEventRouter->depth > 1))
            break;
        startCurrentTool();
        return 1;
    case EV_MOUSE_WHEEL:
        onWheel();
        break;
    case EV_MIDDLE_DOWN:
        onMiddleButton();
        break;
    case EV_CLOSE:
        if (confirmSave())
            reportClosed(); // the frame removes the window
        return 1;           // else the close is cancelled and the window stays
    case EV_KEY_DOWN:
        if (!isActive())
            break;
        onKeyDown();
        return 1;
    case EV_KEY_UP:
        if (!isActive())
            break;
        onKeyUp();
        return 1;
    default:
        break;
    }
    return DocumentWindowBase::handleEvent();
}

void DocumentWindow::attachContext()
{
    if (!context)
        return;
    context->window = this;
    context->openDrawings = frame;
    (void)context->setHorizontalBar(horizontalBar); // 0 without a scroller: the view cannot scroll
    (void)context->setVerticalBar(verticalBar);
    context->initialize();
    refreshTitle();
}

int DocumentWindow::confirmSave()
{
    // What is typed into a text still in hand counts as a change: the question follows its
    // storing. Closing the frame ends no tool before it asks.
    endTool();
    if (!isModified())
        return 1;
    char text[300];
    StringUtil::copy(text, "'");
    StringUtil::append(text, sizeof text, documentTitle() ? documentTitle() : "");
    StringUtil::append(text, sizeof text, "'を保存しますか？");
    switch (askYesNoCancel(text)) {
    case 3: // No
        return 1;
    case 1: // Yes
        if (save())
            return 1;
        break;
    default: // Cancel
        break;
    }
    if (theCurrentEvent)
        theCurrentEvent->cancelClose();
    return 0;
}

int DocumentWindow::runEditCommand(int id)
{
    if (!context)
        return 0;
    switch (id) {
    case EDIT_UNDO:
        return context->undo();
    case EDIT_REDO:
        return context->redo();
    case EDIT_CUT:
        return context->cut();
    case EDIT_COPY:
        return context->copy();
    case EDIT_PASTE:
        return context->paste();
    case EDIT_DELETE:
        return context->erase();
    case EDIT_SELECT_ALL:
        return context->selectAll();
    case EDIT_PRINT:
        context->print();
        return 1;
    case EDIT_PDF:
        context->exportPdf();
        return 1;
    case EDIT_SAVE:
        return save();
    case EDIT_SAVE_AS: {
        const int saved = saveAs();
        refreshTitle();
        return saved;
    }
    case EDIT_DXF_IMPORT:
        context->importDxf();
        return 1;
    case EDIT_DXF_EXPORT:
        context->exportDxf();
        return 1;
    case TOOL_NAVIGATOR:
        // A left press on the navigator pane: the view is centred on the point pressed.
        if (thePagePainter)
            thePagePainter->onNavigatorClick(context);
        return 1;
    case TOOL_PAGING:
        // A left press on the page pane.
        if (thePageTabBar && thePageTabBar->runPaging(context) == PageTabBar::kPageChanged)
            context->onCurrentPageChanged();
        return 1;
    case TOOL_PARTS_LIST_1:
    case TOOL_PARTS_LIST_2:
    case TOOL_PARTS_LIST_3: {
        // A left press on a parts list: the part pressed becomes current, and dragged out of its
        // cell it is placed where the button is let go. The view's moves meanwhile are the drag's:
        // they start no placement of the list as the current tool.
        PartsLibrary* library = existingPartsLibrary(id - TOOL_PARTS_LIST_1 + 1);
        HandlerLoopScope pressRuns;
        IntPoint cursor;
        readCursorPos(cursor);
        return library ? library->onLeftPress(context, cursor) : 0;
    }
    default:
        return 0;
    }
}

void DocumentWindow::runDocumentOp(int id)
{
    if (!context)
        return;
    switch (id) {
    case OP_PROPERTIES:
        (void)context->openProperties(); // 0 when nothing was edited
        break;
    case OP_PAGE_PREVIOUS:
        (void)context->goToPreviousPage(); // the page now shown; nothing else to do with it
        break;
    case OP_PAGE_NEXT:
        (void)context->goToNextPage();
        break;
    case OP_PAGE_INSERT_BEFORE:
    case OP_PAGE_INSERT_AFTER:
    case OP_PAGE_DELETE:
    case OP_PAGE_REDRAW:
    case OP_PAGE_REDRAW_FOLLOWING:
    case OP_PAGE_REDRAW_ALL:
    case OP_PAGE_CONTENTS:
        runPageCommand(id);
        break;
    case OP_PART_REGISTER:
    case OP_PART_PLACE:
    case OP_PART_DELETE:
    case OP_PART_SETTINGS:
        runPartsCommand(id);
        break;
    default:
        break;
    }
}

void DocumentWindow::runPageCommand(int id)
{
    PageTabBar* bar = thePageTabBar;
    if (!bar || !context)
        return;
    // Each answers 0 when its page cannot take it (the menu greys those): nothing changes then.
    switch (id) {
    case OP_PAGE_INSERT_BEFORE:
        (void)bar->insertPageBefore(context);
        break;
    case OP_PAGE_INSERT_AFTER:
        (void)bar->insertPageAfter(context);
        break;
    case OP_PAGE_DELETE:
        (void)bar->deletePage(context);
        break;
    case OP_PAGE_REDRAW:
        (void)bar->redrawThisPage(context);
        break;
    case OP_PAGE_REDRAW_FOLLOWING:
        (void)bar->redrawFollowingPages(context);
        break;
    case OP_PAGE_REDRAW_ALL:
        (void)bar->redrawAllPages(context);
        break;
    case OP_PAGE_CONTENTS:
        (void)bar->toggleShowContents(context);
        break;
    default:
        break;
    }
}

void DocumentWindow::runPartsCommand(int id)
{
    PartsLibrary* library = currentPartsLibrary();
    if (!library || !context)
        return;
    // A part placed by mouse follows the view's moves itself: they start no other placement.
    HandlerLoopScope commandRuns;
    // The library reports its own failures (a cancelled dialog, a file that cannot be written).
    switch (id) {
    case OP_PART_REGISTER:
        (void)library->registerSelection(context);
        break;
    case OP_PART_PLACE:
        (void)library->place(context);
        break;
    case OP_PART_DELETE:
        // The part leaves the list; its file stays.
        if (library->currentIndex() >= 0)
            (void)library->removePart(library->currentIndex());
        break;
    case OP_PART_SETTINGS:
        (void)chooseLibraryFolder(*library);
        break;
    default:
        break;
    }
}

int DocumentWindow::chooseLibraryFolder(PartsLibrary& library)
{
    // The library lists the drawings of the folder of the part file chosen.
    CommonFileDialog dialog;
    Document::addDrawingFilters(dialog);
    FileName chosen;
    if (!dialog.askOpenFile(chosen))
        return 0;
    char folder[FileName::pathCapacity];
    return getFolderPart(chosen.getPath(), folder) > 0 && library.listFolder(folder);
}
