#include "views/tools/ElementEditor.h"

#include <cmath>
#include <new>

#include "document/ContextMenuRequest.h"
#include "document/DisplayControlState.h"
#include "document/DocumentContext.h"
#include "document/ElementMaskIndex.h"
#include "document/ElementStore.h"
#include "document/FileErrorReporter.h"
#include "document/GridSettings.h"
#include "document/UndoManager.h"
#include "elements/Element.h"
#include "elements/ElementKindRegistry.h"
#include "geometry/DoubleRect.h"
#include "geometry/PickSettings.h"
#include "geometry/PointList.h"
#include "platform/MouseState.h"
#include "views/LowMemoryGuard.h"
#include "views/PagePainter.h"
#include "views/PageTabBar.h"
#include "views/ViewParams.h"
#include "views/ViewUpdater.h"
#include "views/tools/InputPointList.h"
#include "views/tools/SelectTool.h"

ElementEditor* newElementEditor() { return new (std::nothrow) ElementEditor; }

ElementEditor::ElementEditor() = default;

ElementEditor::~ElementEditor()
{
    for (int k = 1; k < kKindSlots; ++k) {
        element = kept[k];
        kindInHand = k;
        discardElement();
    }
}

void ElementEditor::setOwner(DocumentContext* owner) { context = owner; }

// --- creation by mouse ---

namespace {
// The state codes of the creation steps.
enum Step { kCommit = 1, kLeftClick = 11, kStepOver = 15, kContextMenu = 21, kCommitAndNext = 41, kCommitAndStop = 43 };
} // namespace

int ElementEditor::mouseStep(int k, int mode)
{
    if (element && kindInHand == k && element->inputPending)
        return continueCreation(k, mode);
    InputPointList* points = context ? context->inputPoints : nullptr;
    if (!points)
        return -1;
    if (context->undoManager)
        context->undoManager->captureSelection(); // undo restores the selection of before
    if (theMouseState)
        theMouseState->releaseLeft();
    const int clicked = points->waitClick(k, 0);
    if (clicked == kLeftClick) {
        settleElement(0);
        return finishStep(beginCreation(k, mode));
    }
    if (clicked == kContextMenu) {
        settleElement(1);
        requestContextMenu();
        return kContextMenu;
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
    case kStepOver:
        return r;
    case kContextMenu:
        requestContextMenu();
        return r;
    case kCommitAndNext: {
        settleElement(1);
        if (InputPointList* points = context ? context->inputPoints : nullptr)
            (void)points->restartAtCursor(); // 0 without a view: the next element starts unanchored
        return finishStep(beginCreation(k, mode));
    }
    case kCommitAndStop:
        settleElement(1);
        return finishStep(r);
    default:
        return finishStep(r);
    }
}

int ElementEditor::finishStep(int r)
{
    if (r != kCommit)
        return r;
    (void)commitNewElement(); // a refused store leaves nothing drawn, recorded or selected
    if (context && context->view)
        context->view->postMouseMove();
    return kCommit;
}

void ElementEditor::abandonCreation()
{
    if (element && element->inputPending)
        discardElement();
}

int ElementEditor::placeByMouse(int k, int mode)
{
    if (!startFreshElement(k))
        return 0;
    element->takePlacementDefaults();
    if (theMouseState)
        theMouseState->releaseLeft();
    const int r = element->placeByMouse(mode);
    if (r == kStepOver)
        return r;
    if (r == kContextMenu) {
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
        if (SelectTool* tool = markSelected ? DocumentContext::selectToolOf(context) : nullptr)
            tool->selectSingle(id);
        repaintView();
    }
}
Element* ElementEditor::elementInHand() { return element; }
int ElementEditor::holdsKind(int k) { return element && kindInHand == k; }
int ElementEditor::isInEditState() { return 0; }
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

// --- the element in hand ---

ElementStore* ElementEditor::store() const { return context ? context->elementStore() : nullptr; }

void ElementEditor::discardElement()
{
    if (!element)
        return;
    if (theKindRegistry) {
        (void)theKindRegistry->destroyElement(kindInHand, element); // answers 0 only for null
    } else {
        element->teardown();
        element->beforeDelete();
        delete element;
    }
    if (kindInHand >= 1 && kindInHand < kKindSlots && kept[kindInHand] == element)
        kept[kindInHand] = nullptr;
    element = nullptr;
    kindInHand = 0;
}

int ElementEditor::startNewElement(int k)
{
    if (!isElementKind(k) || k >= kKindSlots)
        return 0;
    if (kept[k]) {
        element = kept[k];
        element->inputPending = 0;
        element->inputResult = 0;
        element->overlayShown = 0;
        element->inputSettled = 0;
    } else {
        element = theKindRegistry ? theKindRegistry->createElement(k) : nullptr;
        if (!element) {
            kindInHand = 0;
            return 0;
        }
        kept[k] = element;
    }
    kindInHand = k;
    element->self = element;
    element->context = context;
    element->kind = k;
    element->prepareNew();
    return 1;
}

int ElementEditor::startFreshElement(int k)
{
    if (!isElementKind(k) || k >= kKindSlots)
        return 0;
    // The element kept of the kind goes, whichever element is in hand.
    if (kept[k]) {
        element = kept[k];
        kindInHand = k;
        discardElement();
    }
    return startNewElement(k);
}

int ElementEditor::addToPage()
{
    if (!element || !context || !element->exchangeRecord(1))
        return 0;
    element->page = context->currentPage();
    if (element->store() < 1)
        return 0;
    // The mask index lags behind only in which areas a redraw visits.
    (void)element->storeExtent();
    (void)context->markModified(); // answers the change count
    return element->id;
}

int ElementEditor::commitNewId()
{
    const int id = addToPage();
    return id >= 1 ? id : -1;
}

int ElementEditor::commitNewElement()
{
    if (!element)
        return -1;
    (void)element->assignSerial(); // 0 without a counter: the element keeps serial 0
    const int id = addToPage();
    if (id < 1)
        return -1;
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
    if (SelectTool* tool = DocumentContext::selectToolOf(context)) {
        if (ElementEditor* toolEditor = DocumentContext::editorOf(context, 3))
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

int ElementEditor::storeBackAndDraw()
{
    if (!element || !storeBack(element->id))
        return 0;
    (void)element->draw(); // nothing is drawn without a view
    return 1;
}

void ElementEditor::repaintView()
{
    if (context && context->updater)
        context->updater->repaint();
}

void ElementEditor::refreshView()
{
    if (context && context->updater)
        context->updater->repaintChanges();
    repaintView();
}

int ElementEditor::editByMouseById(int id)
{
    if (!beginEdit(id))
        return -1;
    const int r = element->editByMouse();
    if (r != kLeftClick && r != -1)
        return r;
    if (r == kLeftClick)
        (void)storeBackAndDraw(); // a refused store keeps the stored element as it was
    refreshView();
    return r;
}

int ElementEditor::dragHandleById(int id, int handle)
{
    if (!beginEdit(id))
        return 0;
    UndoManager* undo = context->undoManager;
    if (undo)
        undo->beginReshape(element);
    const int r = element->dragHandle(handle);
    const int stored = r == kLeftClick && storeBackAndDraw();
    if (undo) {
        if (stored)
            undo->endReshape(element);
        else
            undo->flushPending(); // the image before never reaches the log
    }
    if (r != kLeftClick && r != -1)
        return 0;
    refreshView();
    return r == kLeftClick ? 1 : 0;
}

int ElementEditor::runPropertySheet(int id, int hasPrevious, int hasNext)
{
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
    } else if (r >= 9901 && r <= 9904) {
        if (r == 9901)
            (void)element->draw(); // the mask tool starts from the element on screen
        const int action = r == 9901   ? element->runSheetAction1()
                           : r == 9902 ? element->runSheetAction2()
                           : r == 9903 ? element->runSheetAction3()
                                       : element->runSheetAction4();
        (void)action; // the action's own result: the element is stored either way
        storeRecorded();
        refreshView();
    } else if (updater) {
        updater->restoreFromSpare();
    }
    return r;
}

// --- file input and output ---

int ElementEditor::readElementXmlAttributes() { return element ? element->readXmlAttributes() : 0; }

namespace {
int nextOf(const ElementIndexEntry& entry) { return entry.pageNext >= 1 ? entry.pageNext : -1; }
} // namespace

int ElementEditor::writeElementXmlById(int id)
{
    if (!beginEdit(id) || !element->writeXml())
        return -1;
    return nextOf(entry);
}

// --- elements by id ---

int ElementEditor::beginEdit(int id)
{
    ElementStore* source = store();
    ElementIndexEntry found;
    if (!source || !source->getEntry(id, &found) || !startNewElement(found.kind))
        return 0;
    if (!element->load(id) || !element->exchangeRecord(3))
        return 0;
    entry = found;
    return 1;
}

int ElementEditor::storeBack(int id)
{
    ElementStore* target = store();
    if (!target || !element || !element->exchangeRecord(1))
        return 0;
    ElementIndexEntry updated;
    element->buildIndexEntry(updated);
    if (!target->updateElement(id, &updated))
        return 0;
    element->id = id;
    entry = updated;
    (void)element->storeExtent(); // as addToPage
    (void)context->markModified();
    return 1;
}

int ElementEditor::removeById(int id)
{
    ElementStore* target = store();
    ElementIndexEntry removed;
    if (!target || !target->deleteElement(id, &removed))
        return 0;
    if (element && element->id == id)
        element->id = 0;
    if (context->maskIndex)
        (void)context->maskIndex->clearElement(id); // an id never indexed has nothing to clear
    (void)context->markModified();
    return 1;
}

int ElementEditor::registerTakenExtent()
{
    // The record holds the extent of its last store; one measured on the view is measured again
    // at the view's present scale.
    if (element->extentViewScale() != 0.0)
        element->computeExtent(1);
    return element->storeExtent();
}

int ElementEditor::reinsertById(int id, const ElementIndexEntry& image)
{
    ElementStore* target = store();
    if (!target || !target->reinsertElement(id, image) || !beginEdit(id))
        return 0;
    (void)registerTakenExtent(); // as addToPage
    (void)context->markModified();
    return 1;
}

int ElementEditor::appendToPageEndById(int id)
{
    ElementStore* target = store();
    if (!target || !target->appendToPageEnd(id) || !beginEdit(id))
        return 0;
    (void)registerTakenExtent(); // as addToPage
    (void)context->markModified();
    return 1;
}

int ElementEditor::takeRecord(const ElementIndexEntry& image)
{
    if (!startNewElement(image.kind))
        return 0;
    element->takeRecordHeader(image);
    return element->exchangeRecord(3);
}

int ElementEditor::registerExtentById(int id)
{
    if (!beginEdit(id))
        return 0;
    return element && registerTakenExtent();
}

int ElementEditor::elementExtent(int id, DoubleRect& extent)
{
    if (!beginEdit(id))
        return 0;
    extent.set(element->extentMin.y, element->extentMin.x, element->extentMax.x, element->extentMax.y);
    return 1;
}

int ElementEditor::getElementBounds(int id, Point* corner1, Point* corner2)
{
    if (!beginEdit(id))
        return 0;
    if (corner1)
        *corner1 = element->extentMin;
    if (corner2)
        *corner2 = element->extentMax;
    return 1;
}

// --- per-element operations ---

namespace {
int isDisplayed(DocumentContext* context, const ElementIndexEntry& entry)
{
    return !context || !context->displayControl || context->displayControl->isDisplayed(entry);
}

int isSelectable(DocumentContext* context, const ElementIndexEntry& entry)
{
    return !context || !context->displayControl || context->displayControl->isSelectable(entry);
}
} // namespace

namespace {
int isFinitePoint(const Point* p) { return !p || (std::isfinite(p->x) && std::isfinite(p->y) && std::isfinite(p->z)); }

// The element's coordinates can be drawn from: its extent, its points and its vertices.
int hasFiniteGeometry(Element& e)
{
    if (!isFinitePoint(&e.extentMin) || !isFinitePoint(&e.extentMax) || !isFinitePoint(e.firstPoint()) ||
        !isFinitePoint(e.secondPoint()) || !isFinitePoint(e.thirdPoint()))
        return 0;
    if (const PointList* vertices = e.vertices()) {
        Point p;
        for (int i = 0; i < vertices->count; ++i)
            if (!vertices->getPoint(i, &p) || !isFinitePoint(&p))
                return 0;
    }
    return 1;
}
} // namespace

int ElementEditor::drawElementById(int id)
{
    ElementStore* source = store();
    ElementIndexEntry found;
    if (!source || !source->isLive(id) || !source->getEntry(id, &found))
        return -1;
    const int next = nextOf(found);
    if (!isDisplayed(context, found))
        return next;
    // A redraw of a strip (after a scroll) passes over what its stored extent keeps out of it,
    // without building the element from its record, when that extent holds at the view's scale.
    ViewUpdater* updater = context->updater;
    ElementMaskIndex* index = updater && source == context->ownStore ? context->maskIndex : nullptr;
    const double scale = index ? Element::viewScaleOf(context) : 0.0;
    const int holds = index && index->holdsAt(id, scale);
    DoubleRect extent;
    if (holds && index->extentOf(id, extent) && updater->isOutsideUpdateArea(&extent))
        return next;
    if (!beginEdit(id) || !hasFiniteGeometry(*element)) {
        // Without a kind registry no element can be made: nothing is damaged then.
        if (theKindRegistry)
            theFileErrorReporter.report(FileErrorReporter::kNoData, "図形データが壊れています。");
        return next;
    }
    // An extent measured at another scale of the view (a text's) is measured again at this one,
    // and kept for the redraws, picks and changes that follow.
    if (index && !holds && !updater->redirectOn() && element->extentViewScale() != 0.0) {
        element->computeExtent(1);
        (void)index->remeasured(id, element->extentMin, element->extentMax, element->extentViewScale(),
                                element->scaleDenominator() / element->scaleNumerator()); // 0: never registered
    }
    extent.set(element->extentMin.y, element->extentMin.x, element->extentMax.x, element->extentMax.y);
    if (!updater || !updater->isOutsideUpdateArea(&extent))
        (void)element->draw(); // an element outside the view draws nothing
    return next;
}

int ElementEditor::executeById(int id, int operation, double x, double y, double z)
{
    if (!beginEdit(id))
        return -1;
    (void)element->execute(operation, x, y, z); // the shape's result: nothing more to do
    return nextOf(entry);
}

int ElementEditor::printById(int id, double x, double y, double z)
{
    if (!beginEdit(id))
        return -1;
    if (isDisplayed(context, entry))
        (void)element->print(x, y, z); // a failed print shows in the output's own state
    return nextOf(entry);
}

int ElementEditor::writePostScriptById(int id, double x, double y, double z)
{
    if (!beginEdit(id))
        return -1;
    if (isDisplayed(context, entry))
        (void)element->writePostScript(x, y, z); // as printById
    return nextOf(entry);
}

int ElementEditor::writePdfById(int id, double x, double y, double z)
{
    if (!beginEdit(id))
        return -1;
    if (isDisplayed(context, entry))
        (void)element->writePdf(x, y, z); // as printById
    return nextOf(entry);
}

int ElementEditor::hitTestById(int id)
{
    if (!thePickSettings || !beginEdit(id) || !isSelectable(context, entry))
        return 0;
    switch (thePickSettings->pickStyle()) {
    case 1:
        return element->hitTestExtent();
    case 2:
    case 3:
        return element->hitTest();
    default:
        return 0;
    }
}

int ElementEditor::isInSelectionAreaById(int id)
{
    return beginEdit(id) && isSelectable(context, entry) && element->isInSelectionArea();
}

int ElementEditor::hitHandleById(int id, int* handle, int* flag) { return beginEdit(id) && element->hitHandle(handle, flag); }

int ElementEditor::setActiveHandleById(int id, int mode, int number)
{
    if (!beginEdit(id))
        return 0;
    element->setActiveHandle(mode, number);
    return 1;
}

int ElementEditor::kindMarksFollowExactExtent(int kind, int& filled)
{
    return kind >= 1 && kind < kKindSlots && kept[kind] && kept[kind]->marksFollowExactExtent(filled);
}

int ElementEditor::drawDragPreviewById(int id, double dx, double dy, double dz)
{
    return beginEdit(id) && element->drawDragPreview(dx, dy, dz);
}

int ElementEditor::drawPreviewSegmentById(int id, double angle, const Point& centre)
{
    if (!beginEdit(id))
        return 0;
    element->drawPreviewSegment(angle, centre);
    return 1;
}

int ElementEditor::translateById(int id, double dx, double dy, double dz)
{
    if (!beginEdit(id))
        return 0;
    element->translate(dx, dy, dz);
    return storeBack(id);
}

int ElementEditor::rotateById(int id, double angle, double centreX, double centreY, double centreZ)
{
    if (!beginEdit(id))
        return 0;
    element->rotate(angle, centreX, centreY, centreZ);
    return storeBack(id);
}

int ElementEditor::snapToNearestPointById(int id, Point* p) { return beginEdit(id) && element->snapToNearestPoint(p); }
int ElementEditor::snapToKeyPointById(int id, Point* p) { return beginEdit(id) && element->snapToKeyPoint(p); }

int ElementEditor::snapToNearestEdgeById(int id, Point* p, const Point* from)
{
    return beginEdit(id) && element->snapToNearestEdge(p, from);
}

int ElementEditor::getRadiusById(int id, double out[2], Point* centre)
{
    return beginEdit(id) ? element->getRadius(out, centre) : 0;
}

int ElementEditor::getDiameterById(int id, double out[2], Point* centre)
{
    return beginEdit(id) ? element->getDiameter(out, centre) : 0;
}
