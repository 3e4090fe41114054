#include "shell/DocumentWindowBase.h"

#include "document/DocumentContext.h"
#include "document/PagePainter.h"
#include "document/PageTabBar.h"
#include "document/PartsLibrary.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"
#include "geometry/ViewParams.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/MouseSource.h"
#include "platform/StringUtil.h"
#include "shell/GlobalManagers.h"

namespace {
// A menu text of the undo manager, bounded by the caller's buffer.
int boundedText(int (DocumentContext::*read)(char*), DocumentContext* context, char* text, int size)
{
    if (!text || size < 1)
        return 0;
    text[0] = 0;
    if (!context)
        return 0;
    char full[UndoManager::kTextSize] = {};
    const int answer = (context->*read)(full);
    StringUtil::copy(text, size, full);
    return answer;
}
} // namespace

DocumentWindowBase::~DocumentWindowBase() { destroyContents(); }

int DocumentWindowBase::handleEvent()
{
    CurrentEvent* event = theCurrentEvent;
    if (!event)
        return 0;
    switch (event->code) {
    case EV_CLOSE_WINDOW_IGNORED:
    case EV_SIZE:
        if (context)
            (void)context->refocus(); // 0 only without a scroller: nothing to lay out
        return MdiChildWindow::handleEvent();
    case EV_HSCROLL:
        if (context)
            (void)context->onHScroll(); // 0 only without a scroller
        return 1;
    case EV_VSCROLL:
        if (context)
            (void)context->onVScroll();
        return 1;
    case EV_PAINT:
        beginPaint();
        if (context)
            context->refreshView();
        endPaint();
        return 1;
    default:
        return MdiChildWindow::handleEvent();
    }
}

void DocumentWindowBase::destroyContents()
{
    if (!context)
        return;
    context->destroyManagers();
    delete context;
    context = nullptr;
}

void DocumentWindowBase::scrollHorizontally(int steps)
{
    if (context)
        context->scrollHorizontally(steps);
}

void DocumentWindowBase::scrollVertically(int steps)
{
    if (context)
        context->scrollVertically(steps);
}

int DocumentWindowBase::canUndo() { return context ? context->canUndo() : 0; }
int DocumentWindowBase::canRedo() { return context ? context->canRedo() : 0; }

int DocumentWindowBase::undoText(char* text, int size)
{
    return boundedText(&DocumentContext::undoText, context, text, size);
}

int DocumentWindowBase::redoText(char* text, int size)
{
    return boundedText(&DocumentContext::redoText, context, text, size);
}

int DocumentWindowBase::canCut() { return context ? context->canCut() : 0; }
int DocumentWindowBase::canCopy() { return context ? context->canCopy() : 0; }
int DocumentWindowBase::canPaste() { return context ? context->canPaste() : 0; }
int DocumentWindowBase::canDelete() { return context ? context->canDelete() : 0; }
int DocumentWindowBase::canSelectAll() { return DocumentContext::selectToolOf(context) != nullptr; }
int DocumentWindowBase::hasSelection() { return context ? context->hasSelection() : 0; }
int DocumentWindowBase::hasSeveralSelected() { return context ? context->hasSeveralSelected() : 0; }
int DocumentWindowBase::canEditProperties() { return context ? context->canEditProperties() : 0; }
int DocumentWindowBase::canPrint() { return context ? context->canPrint() : 0; }
int DocumentWindowBase::hasElements() { return context ? context->hasElements() : 0; }
int DocumentWindowBase::canZoomIn() { return context ? context->canZoomIn() : 0; }
int DocumentWindowBase::canZoomOut() { return context ? context->canZoomOut() : 0; }
int DocumentWindowBase::hasFile() { return context ? context->hasFile() : 0; }
int DocumentWindowBase::isModified() { return context ? context->isModified() : 0; }
const char* DocumentWindowBase::documentTitle() { return context ? context->title() : nullptr; }
int DocumentWindowBase::isShowing(const char* path) { return context && path ? context->isSamePath(path) : 0; }

void DocumentWindowBase::zoomIn()
{
    if (context)
        (void)context->zoomIn(); // 0 at the zoom limit: nothing changes
}

void DocumentWindowBase::zoomOut()
{
    if (context)
        (void)context->zoomOut();
}

void DocumentWindowBase::endTool()
{
    if (context)
        context->settleElement();
}

void DocumentWindowBase::caretRefresh()
{
    if (context)
        (void)context->caretRefresh(); // 0 without a caret to show
}

void DocumentWindowBase::idleStep()
{
    if (context && context->updater)
        context->updater->idleStep();
}

void DocumentWindowBase::refreshPagePainter()
{
    if (context && thePagePainter)
        thePagePainter->refresh(context);
}

void DocumentWindowBase::refreshPageBar()
{
    if (context && thePageTabBar)
        thePageTabBar->refresh(context);
}

void DocumentWindowBase::paintPageBar()
{
    if (context && thePageTabBar)
        thePageTabBar->onPaneDrawn(context);
}

void DocumentWindowBase::showPartsList(int number)
{
    PartsLibrary* library = existingPartsLibrary(number);
    if (!context || !library)
        return;
    IntPoint cursor;
    readCursorPos(cursor);
    library->onHover(cursor);
}

void DocumentWindowBase::trackPopupMenu()
{
    if (context)
        (void)context->trackPopupMenu(); // the chosen command arrives as a menu command
}

int DocumentWindowBase::initializeDrawing() { return context ? context->takePaperDefaults() : 0; }
int DocumentWindowBase::setPath(const char* path) { return context && path ? context->setPathAndTitle(path) : 0; }
int DocumentWindowBase::loadFile() { return context ? context->openFile() : 0; }
int DocumentWindowBase::save() { return context ? context->save() : 0; }
int DocumentWindowBase::saveAs() { return context ? context->saveAs() : 0; }

void DocumentWindowBase::refreshTitle()
{
    if (context && context->view && hwnd()) {
        context->view->updateViewCaption();
        return;
    }
    const char* text = documentTitle();
    if (text && hwnd())
        SetWindowTextA(hwnd(), text);
}
