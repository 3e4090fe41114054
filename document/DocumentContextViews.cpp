// The forwarders of DocumentContext to the view and tool members; each tests its member and
// answers the member's missing value without it.
#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "document/ElementStore.h"
#include "document/FileErrorReporter.h"
#include "document/MoveToolBase.h"
#include "document/PageList.h"
#include "document/PictureCache.h"
#include "document/PictureDefaults.h"
#include "document/RotateToolBase.h"
#include "document/RulerBars.h"
#include "document/SelectToolBase.h"
#include "document/Selection.h"
#include "document/TextCaretPlace.h"
#include "document/TickStamp.h"
#include "document/ViewScroller.h"
#include "document/ViewUpdater.h"
#include "geometry/GridSettings.h"
#include "geometry/PickSettings.h"
#include "geometry/ViewParams.h"
#include "platform/Window.h"

// View mapping

int DocumentContext::repaintView() { return view ? view->repaintClientArea() : 0; }

int DocumentContext::isCursorInView()
{
    if (!view || !view->isCursorInView())
        return 0;
    view->postMouseMove();
    return 1;
}

int DocumentContext::canZoomIn() { return view ? view->canZoomIn() : 0; }
int DocumentContext::canZoomOut() { return view ? view->canZoomOut() : 0; }
int DocumentContext::zoomIn() { return view ? view->zoomIn() : 0; }
int DocumentContext::zoomOut() { return view ? view->zoomOut() : 0; }
int DocumentContext::zoomByMouse() { return view ? view->zoomByMouse() : 0; }

int DocumentContext::zoomAtPoint(const IntPoint& point, double factor)
{
    return view ? view->zoomAtPoint(point, factor) : 0;
}

void DocumentContext::resetView()
{
    if (view)
        view->reset();
}

// Grid

int DocumentContext::editGrid() { return grid ? grid->editSettings() : 0; }

int DocumentContext::gridRedrawCode()
{
    if (!grid)
        return 0;
    switch (grid->gridKind()) {
    case 2:
        return 51; // mesh
    case 1:
        return 53; // grid
    default:
        return 0;
    }
}

// Redraw manager

int DocumentContext::refreshAll()
{
    if (!updater)
        return 0;
    updater->refreshAll();
    return 1;
}

int DocumentContext::refreshViewFirst()
{
    if (!updater)
        return 0;
    updater->refreshViewFirst();
    return 1;
}

int DocumentContext::refreshAfterReset()
{
    if (!updater)
        return 0;
    updater->refreshAfterReset();
    return 1;
}

int DocumentContext::scrollViewBy(int dx, int dy)
{
    if (updater)
        updater->scrollBy(dx, dy);
    refreshView();
    return updater ? 1 : 0;
}

// Element store

int DocumentContext::elementCount() const
{
    ElementStore* store = elementStore();
    return store ? store->liveCount() : 0;
}

// Pages

int DocumentContext::currentPage() { return pages ? pages->currentPage() : 1; }

int DocumentContext::pageCount() { return pages ? pages->pageCount() : 1; }

int DocumentContext::goToPreviousPage()
{
    if (!pages)
        return 1;
    int current = pages->currentPage();
    return current >= 2 ? pages->previousPage() : current;
}

int DocumentContext::goToNextPage()
{
    if (!pages)
        return 1;
    int count = pages->pageCount();
    return pages->currentPage() < count ? pages->nextPage() : count;
}

// Scroll bars

int DocumentContext::setHorizontalBar(ChildScrollBar* bar)
{
    if (!scroller)
        return 0;
    scroller->setHorizontalBar(bar);
    return 1;
}

int DocumentContext::setVerticalBar(ChildScrollBar* bar)
{
    if (!scroller)
        return 0;
    scroller->setVerticalBar(bar);
    return 1;
}

int DocumentContext::resetScrollBars() { return scroller ? scroller->resetRanges() : 0; }
int DocumentContext::onHScroll() { return scroller ? scroller->onHScroll() : 0; }
int DocumentContext::onVScroll() { return scroller ? scroller->onVScroll() : 0; }
int DocumentContext::scrollBarsBy(int dx, int dy) { return scroller ? scroller->scrollBy(dx, dy) : 0; }
int DocumentContext::autoScroll() { return scroller ? scroller->autoScroll() : 0; }
int DocumentContext::panByMouse() { return scroller ? scroller->handTool() : 0; }

void DocumentContext::scrollHorizontally(int steps)
{
    caretSuspend();
    if (scroller)
        scroller->stepHorizontally(steps);
    scrollViewBy(steps, 0);
    caretResume();
    scrolled = 1;
}

void DocumentContext::scrollVertically(int steps)
{
    caretSuspend();
    if (scroller)
        scroller->stepVertically(steps);
    scrollViewBy(0, steps);
    caretResume();
    scrolled = 1;
}

int DocumentContext::refocus()
{
    if (!window || !scroller)
        return 0;
    window->resetClip();
    const int rangesChanged = scroller->resetRanges();
    IntRect client;
    if (view)
        view->clientRect(client);
    const int resized = client.width() != refocusedWidth || client.height() != refocusedHeight;
    refocusedWidth = client.width();
    refocusedHeight = client.height();
    if (rangesChanged || resized)
        refreshAll();
    return 1;
}

// Select, move and rotate tools

int DocumentContext::runSelectTool() { return selectTool ? selectTool->onMouse() : 0; }
int DocumentContext::selectAll() { return selectTool ? selectTool->selectAll() : 0; }
int DocumentContext::selectByClick() { return selectTool ? selectTool->selectByClick() : 0; }

int DocumentContext::hasSelection()
{
    if (!selectTool)
        return 0;
    int mode = selectTool->selectionMode();
    return mode == 1 || mode == 2;
}

int DocumentContext::hasSeveralSelected() { return selectTool && selectTool->selectionMode() == 2; }
int DocumentContext::canEditProperties() { return selectTool ? selectTool->canEditProperties() : 0; }
int DocumentContext::openProperties() { return selectTool ? selectTool->openProperties() : 0; }
int DocumentContext::stepSelection(int direction) { return selectTool ? selectTool->stepSelection(direction) : 0; }
int DocumentContext::isSelectToolEditing() { return selectTool ? selectTool->isEditing() : 0; }

namespace {
// The pick style that shows the elements' point marks.
constexpr int kPointMarkStyle = static_cast<int>(PickStyle::Marks);
} // namespace

void DocumentContext::moveSelectionByMouse()
{
    if (!selectTool || !moveTool)
        return;
    // The point marks show while the points are edited; the chosen mode comes back after.
    const int chosen = thePickSettings ? thePickSettings->encloseMode : 0;
    if (thePickSettings)
        thePickSettings->encloseMode = kPointMarkStyle;
    if (updater)
        updater->repaint();
    (void)moveTool->editPointsLoop(); // every outcome ends the tool's run
    if (thePickSettings)
        thePickSettings->encloseMode = chosen;
    if (updater)
        updater->repaint();
}

void DocumentContext::flushArrowSteps()
{
    if (selectTool)
        selectTool->applyArrowMove();
}

int DocumentContext::rotateByMouse() { return rotateTool ? rotateTool->run() : 0; }
int DocumentContext::prepareRotate() { return rotateTool ? rotateTool->prepare() : 0; }

// Tick stamp

int DocumentContext::restartTimer()
{
    if (!tickStamp)
        return 0;
    tickStamp->start();
    return 1;
}

int DocumentContext::notYet150ms() { return tickStamp ? tickStamp->notYet150ms() : 0; }
int DocumentContext::notYet300ms() { return tickStamp ? tickStamp->notYet300ms() : 0; }
int DocumentContext::withinDoubleClickTime() { return tickStamp ? tickStamp->withinDoubleClickTime() : 0; }

// Text caret

int DocumentContext::caretRefresh() { return caret ? caret->refresh() : 0; }
int DocumentContext::caretResume() { return caret ? caret->resume() : 0; }
int DocumentContext::caretSuspend() { return caret ? caret->suspend() : 0; }
int DocumentContext::caretReset() { return caret ? caret->reset() : 0; }

// The element in the second editor

void DocumentContext::settleElement()
{
    flushArrowSteps();
    caretReset();
    if (editor2)
        editor2->settleElement(0);
    if (selection)
        selection->clearPending();
    interactionMode = 0;
}

int DocumentContext::settleTextInEdit()
{
    if (!editor2 || !editor2->isInEditState())
        return 0;
    caretReset();
    editor2->settleElement(0);
    interactionMode = 0;
    return 1;
}

void DocumentContext::releaseStoredElement(int id)
{
    int endedEdit = 0;
    for (ElementEditorBase* editor : {editor1, editor2, editor3, editor4}) {
        if (editor)
            endedEdit |= editor->releaseStored(id);
    }
    if (endedEdit) {
        interactionMode = 0;
        caretReset();
    }
}

int DocumentContext::drawNewElement(int kind, int mode) { return editor2 ? editor2->mouseStep(kind, mode) : 0; }
Element* DocumentContext::elementInProgress() { return editor2 ? editor2->elementInHand() : nullptr; }
int DocumentContext::isEnteringElement()
{
    const Element* element = elementInProgress();
    return interactionMode == 1 || (element && element->inputPending);
}
int DocumentContext::holdsKind(int kind) { return editor2 ? editor2->holdsKind(kind) : 0; }

int DocumentContext::handleKey()
{
    if (!editor2)
        return 0;
    editor2->handleKey();
    return 1;
}

int DocumentContext::insertCharacters(int first, int second)
{
    return editor2 ? editor2->insertCharacters(first, second) : 0;
}

int DocumentContext::placePicture(int mode)
{
    if (!pictureDefaults || !editor2 || !pictureDefaults->hasImage())
        return 0;
    // A placement is the user's own try of the chosen file: a refusal is told now, whatever
    // another file's refusal showed since the last redraw.
    theFileErrorReporter.reset();
    const int placed = editor2->placeByMouse(19, mode);
    // The refused file's reader answers without a word from now on: it goes, so that choosing
    // the file again reads it and tells again.
    if (placed == Element::kCannotPlace && pictures)
        pictures->forget(pictureDefaults->fileName.getPath());
    return placed;
}

// Holders of a context that may be null

SelectToolBase* DocumentContext::selectToolOf(const DocumentContext* context)
{
    return context ? context->selectTool : nullptr;
}

ElementEditorBase* DocumentContext::pageEditorOf(const DocumentContext* context)
{
    return context ? context->editor1 : nullptr;
}

ElementEditorBase* DocumentContext::creationEditorOf(const DocumentContext* context)
{
    return context ? context->editor2 : nullptr;
}

ElementEditorBase* DocumentContext::toolEditorOf(const DocumentContext* context)
{
    return context ? context->editor3 : nullptr;
}

ElementEditorBase* DocumentContext::fileEditorOf(const DocumentContext* context)
{
    return context ? context->editor4 : nullptr;
}

Selection* DocumentContext::selectionOf(const DocumentContext* context) { return context ? context->selection : nullptr; }
GridSettings* DocumentContext::gridOf(const DocumentContext* context) { return context ? context->grid : nullptr; }
int DocumentContext::isShortcutModeOf(DocumentContext* context) { return context ? context->isShortcutMode() : 0; }
int DocumentContext::notYet300msOf(DocumentContext* context) { return context ? context->notYet300ms() : 0; }
PageList* DocumentContext::pageListOf(const DocumentContext* context) { return context ? context->pages : nullptr; }
int DocumentContext::currentPageOf(DocumentContext* context) { return context ? context->currentPage() : 1; }

int DocumentContext::setCurrentPageOf(DocumentContext* context, int page)
{
    if (!context || !context->pages)
        return 0;
    context->pages->setCurrent(page);
    return 1;
}

ViewUpdater* DocumentContext::viewUpdaterOf(const DocumentContext* context)
{
    return context ? context->updater : nullptr;
}

ViewScroller* DocumentContext::scrollerOf(const DocumentContext* context)
{
    return context ? context->scroller : nullptr;
}

int DocumentContext::setModificationTrackingOf(DocumentContext* context, int on)
{
    if (!context || !context->document)
        return -1;
    context->document->setModificationTracking(on);
    return 1;
}
