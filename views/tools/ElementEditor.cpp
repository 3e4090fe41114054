#include "views/tools/ElementEditor.h"

#include <new>

#include "document/ContextMenuRequest.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementRefusal.h"
#include "document/PagePainter.h"
#include "document/PageTabBar.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"
#include "geometry/GridSettings.h"
#include "geometry/MouseLoopResult.h"
#include "geometry/ViewParams.h"
#include "platform/EventRouter.h"
#include "platform/MouseState.h"
#include "views/LowMemoryGuard.h"
#include "views/tools/InputPointList.h"
#include "views/tools/SelectTool.h"

ElementEditorBase* newElementEditor() { return new (std::nothrow) ElementEditor; }

ElementEditor::ElementEditor() = default;

ElementEditor::~ElementEditor() = default;

// --- creation by mouse ---

int ElementEditor::mouseStep(int k, int mode)
{
    if (element && kindInHand == k && element->inputPending)
        return continueCreation(k, mode);
    InputPointList* points = InputPointList::of(context);
    if (!points)
        return -1;
    if (context->undoManager)
        context->undoManager->captureSelection(); // undo restores the selection of before
    if (theMouseState)
        theMouseState->releaseLeft();
    const int clicked = points->waitClick(k, 0);
    if (clicked == loopCode(MouseLoopResult::LeftClick)) {
        settleElement(0);
        return finishStep(beginCreation(k, mode));
    }
    if (clicked == loopCode(MouseLoopResult::RightClick)) {
        settleElement(1);
        requestContextMenu();
        return loopCode(MouseLoopResult::RightClick);
    }
    return clicked;
}

int ElementEditor::beginCreation(int k, int mode)
{
    if (!startFreshElement(k))
        return 0;
    element->group = 0;
    element->takeDefaultAttributes();
    return element->beginCreateInput(mode);
}

int ElementEditor::continueCreation(int k, int mode)
{
    if (!element || kindInHand != k)
        return 0;
    element->inputSettled = 0;
    const int r = element->continueCreateInput(mode);
    switch (r) {
    case loopCode(MouseLoopResult::DoubleClick):
        return r;
    case loopCode(MouseLoopResult::RightClick):
        requestContextMenu();
        return r;
    case Element::kCompleteAndNext: {
        settleElement(1);
        if (InputPointList* points = InputPointList::of(context))
            (void)points->restartAtCursor(); // 0 without a view: the next element starts unanchored
        return finishStep(beginCreation(k, mode));
    }
    case Element::kCompleteAndStop:
        settleElement(1);
        return finishStep(r);
    default:
        return finishStep(r);
    }
}

int ElementEditor::finishStep(int r)
{
    if (r != Element::kComplete)
        return r;
    (void)commitNewElement(); // a refused store leaves nothing drawn, recorded or selected
    if (context && context->view)
        context->view->postMouseMove();
    return Element::kComplete;
}

void ElementEditor::abandonCreation()
{
    if (element && element->inputPending)
        discardElement();
}

int ElementEditor::placeByMouse(int k, int mode)
{
    // The new element takes this editor's hand: a text in edit there is stored first.
    if (context)
        (void)context->settleTextInEdit();
    if (!startFreshElement(k))
        return 0;
    element->takePlacementDefaults();
    if (theMouseState)
        theMouseState->releaseLeft();
    const int r = element->placeByMouse(mode);
    if (r == loopCode(MouseLoopResult::DoubleClick))
        return r;
    if (r == loopCode(MouseLoopResult::RightClick)) {
        settleElement(1);
        requestContextMenu();
        return r;
    }
    return finishStep(r);
}

void ElementEditor::settleElement(int markSelected)
{
    if (!element)
        return;
    element->inputSettled = 1;
    const int r = element->finishInput();
    if (r == 1) {
        (void)commitNewElement(); // as finishStep
    } else if (r == 2) {
        const int id = element->id;
        if (!storeBackAndDraw())
            return;
        if (SelectTool* tool = markSelected ? SelectTool::of(context) : nullptr)
            tool->selectSingle(id);
        // Where the text lay before its edit and lies now is drawn again: drawn over, a text
        // that got shorter would leave its old characters behind.
        refreshView();
    }
}
int ElementEditor::holdsKind(int k) { return element && kindInHand == k; }
int ElementEditor::isInEditState() { return element && element->isEditedInPlace(); }
// Keys and the overlay go to the element in hand (a text edited in place takes them).
void ElementEditor::redrawInputOverlay()
{
    if (element)
        element->redrawInputOverlay();
}
void ElementEditor::handleKey()
{
    if (element)
        element->handleKey();
}
int ElementEditor::insertCharacters(int first, int second)
{
    return element ? element->insertCharacters(first, second) : 0;
}
int ElementEditor::onContextEvent1() { return 0; }
int ElementEditor::onContextEvent2() { return 0; }
int ElementEditor::onContextEvent3() { return 0; }

// --- new elements ---

int ElementEditor::commitNewElement()
{
    if (!element)
        return -1;
    (void)element->assignSerial(); // 0 without a counter: the element keeps serial 0
    const int id = addToPage();
    if (id < 1) {
        showElementsRefused();
        return -1;
    }
    if (context && context->undoManager)
        context->undoManager->recordNewElement(element);
    element->resetInputState();
    (void)element->draw(); // nothing is drawn without a view
    if (thePagePainter)
        thePagePainter->addElement(context, id);
    if (thePageTabBar)
        thePageTabBar->onElementCommitted(context, id);
    if (context && context->grid)
        context->grid->paintOverFigures(); // a grid over the figures stays over the new one
    if (SelectTool* tool = SelectTool::of(context)) {
        if (ElementEditorBase* toolEditor = DocumentContext::toolEditorOf(context))
            (void)toolEditor->beginEdit(id); // the tool's own element follows its selection
        tool->setSelectionMode(1);
        tool->selectSingle(id);
    }
    repaintView();
    if (theLowMemoryGuard)
        theLowMemoryGuard->checkMemoryReserve();
    return 1;
}

// --- stored elements changed by the user ---

// The stored element is changed as the screen shows the drawing: a text in edit (held by the
// creation editor) is stored first, here and by the handle drag and the property sheet.
int ElementEditor::editByMouseById(int id)
{
    if (context)
        (void)context->settleTextInEdit();
    if (!beginEdit(id))
        return -1;
    const int r = element->editByMouse();
    if (r != loopCode(MouseLoopResult::LeftClick) && r != loopCode(MouseLoopResult::Ended))
        return r;
    if (r == loopCode(MouseLoopResult::LeftClick))
        (void)storeBackAndDraw(); // a refused store keeps the stored element as it was
    refreshView();
    return r;
}

int ElementEditor::dragHandleById(int id, int handle)
{
    if (context)
        (void)context->settleTextInEdit();
    if (!beginEdit(id))
        return 0;
    UndoManager* undo = context->undoManager;
    if (undo)
        undo->beginReshape(element);
    const int r = element->dragHandle(handle);
    const int stored = r == loopCode(MouseLoopResult::LeftClick) && storeBackAndDraw();
    if (undo) {
        if (stored)
            undo->endReshape(element);
        else
            undo->flushPending(); // the image before never reaches the log
    }
    if (r != loopCode(MouseLoopResult::LeftClick) && r != loopCode(MouseLoopResult::Ended))
        return 0;
    refreshView();
    return r == loopCode(MouseLoopResult::LeftClick) ? 1 : 0;
}

int ElementEditor::runPropertySheet(int id, int hasPrevious, int hasNext)
{
    if (context)
        (void)context->settleTextInEdit();
    if (!beginEdit(id))
        return 0;
    ViewUpdater* updater = context->updater;
    if (updater)
        updater->saveToSpare();
    const int r = element->editProperties(hasPrevious, hasNext);
    UndoManager* undo = context->undoManager;
    auto storeRecorded = [&] {
        if (undo)
            undo->beginAttributeChange(element);
        const int stored = storeBackAndDraw();
        if (undo) {
            if (stored)
                undo->endAttributeChange(element);
            else
                undo->flushPending(); // a refused store records nothing
        }
    };
    if (r == 1 || r == 15093 || r == 15094) {
        storeRecorded();
        // The stored element was drawn over everything: where it lies and lay, the page is
        // drawn again in order, which also takes away what the change left of its old image.
        if (updater)
            updater->repaintChanges();
    } else if (r >= 9901 && r <= 9904) {
        // The mask tool starts from the element on screen.
        (void)element->draw(); // nothing is drawn without a view
        if (updater)
            updater->flushPainter();
        int action = 0;
        {
            // The sheet may have been opened by a command of the frame, outside any handler: the
            // view's mouse moves and presses meanwhile are the mask tool's, and start no tool.
            HandlerLoopScope toolRuns;
            action = r == 9901   ? element->runSheetAction1()
                     : r == 9902 ? element->runSheetAction2()
                     : r == 9903 ? element->runSheetAction3()
                                 : element->runSheetAction4();
        }
        // The sheet stored its page in the element before the tool: what either changed is stored
        // as one step. A tool ended with no change on an unchanged sheet leaves the drawing
        // as it was, its changed mark and undo steps included.
        if (action || differsFromStored(element->id)) {
            storeRecorded();
            refreshView();
        } else if (updater) {
            updater->restoreFromSpare(); // the page as it was before the sheet
        }
    } else if (updater) {
        updater->restoreFromSpare();
    }
    return r;
}
