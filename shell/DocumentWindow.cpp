#include "shell/DocumentWindow.h"

#include <new>

#include "document/DocumentContext.h"
#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/MessageBoxes.h"
#include "platform/MouseState.h"
#include "platform/StringUtil.h"
#include "shell/FrameCommands.h"

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
    (void)context->setHorizontalBar(horizontalBar); // 0 without a scroller: the view cannot scroll
    (void)context->setVerticalBar(verticalBar);
    context->initialize();
    refreshTitle();
}

int DocumentWindow::confirmSave()
{
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
    default:
        // The page bar's and the parts libraries' operations are not part of this build yet.
        break;
    }
}
