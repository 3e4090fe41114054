#include "elements/ElementRecordEditor.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "document/BlockPool.h"
#include "document/DisplayControlState.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementMaskIndex.h"
#include "document/ElementRefusal.h"
#include "document/ElementStore.h"
#include "document/FileErrorReporter.h"
#include "document/ViewUpdater.h"
#include "elements/ElementKindRegistry.h"
#include "geometry/DoubleRect.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/PickSettings.h"
#include "geometry/PointList.h"

ElementRecordEditor::ElementRecordEditor() = default;

ElementRecordEditor::~ElementRecordEditor()
{
    for (int k = 1; k < kKindSlots; ++k) {
        element = kept[k];
        kindInHand = k;
        discardElement();
    }
}

void ElementRecordEditor::setOwner(DocumentContext* owner) { context = owner; }

// --- the element in hand ---

Element* ElementRecordEditor::elementInHand() { return element; }

ElementStore* ElementRecordEditor::store() const { return context ? context->elementStore() : nullptr; }

void ElementRecordEditor::discardElement()
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

int ElementRecordEditor::startNewElement(int k)
{
    if (!isElementKind(k) || k >= kKindSlots)
        return 0;
    if (kept[k]) {
        element = kept[k];
        element->inputPending = 0;
        element->inputResult = 0;
        element->overlayShown = 0;
        element->inputSettled = 0;
        element->extentShifted = 0;
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

int ElementRecordEditor::startFreshElement(int k)
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

int ElementRecordEditor::addToPage()
{
    if (!element || !context || !element->stageRecord())
        return 0;
    element->page = context->currentPage();
    if (element->store() < 1)
        return 0;
    // The mask index lags behind only in which areas a redraw visits.
    (void)element->storeExtent();
    (void)context->markModified(); // answers the change count
    return element->id;
}

int ElementRecordEditor::commitNewId()
{
    const int id = addToPage();
    return id >= 1 ? id : -1;
}

// --- stored elements changed by the user ---

int ElementRecordEditor::storeBackAndDraw()
{
    if (!element)
        return 0;
    if (!storeBack(element->id)) {
        showElementsRefused();
        return 0;
    }
    (void)element->draw(); // nothing is drawn without a view
    return 1;
}

int ElementRecordEditor::differsFromStored(int id)
{
    ElementStore* source = store();
    ElementIndexEntry stored;
    if (!element || !source || !source->recordBuffer || !source->readElement(id, &stored))
        return 1;
    // The stored record, read in whole blocks into the staging buffer, which the element's record
    // then takes. A record holds its own lengths: one that is a part of another is another.
    ElementRecordBuffer& buffer = *source->recordBuffer;
    std::vector<char> bytes;
    {
        BlockLock held(buffer);
        if (!held || buffer.position < 1)
            return 1;
        bytes.assign(held.data(), held.data() + buffer.position);
    }
    ElementIndexEntry now;
    element->buildIndexEntry(now);
    if (now.layer != stored.layer || now.group != stored.group || !element->stageRecord())
        return 1;
    const int length = buffer.position;
    if (length < 1 || (length + kRecordBlockData - 1) / kRecordBlockData != stored.blockCount ||
        length > static_cast<int>(bytes.size()))
        return 1;
    BlockLock held(buffer);
    return !held || !std::equal(held.data(), held.data() + length, bytes.begin());
}

void ElementRecordEditor::repaintView()
{
    if (context && context->updater)
        context->updater->repaint();
}

void ElementRecordEditor::refreshView()
{
    if (context && context->updater)
        context->updater->repaintChanges();
    repaintView();
}

// --- file input and output ---

int ElementRecordEditor::readElementXmlAttributes() { return element ? element->readXmlAttributes() : 0; }

namespace {
int nextOf(const ElementIndexEntry& entry) { return entry.pageNext >= 1 ? entry.pageNext : -1; }
} // namespace

int ElementRecordEditor::writeElementXmlById(int id)
{
    if (!beginEdit(id) || !element->writeXml())
        return -1;
    return nextOf(entry);
}

// --- elements by id ---

int ElementRecordEditor::beginEdit(int id)
{
    ElementStore* source = store();
    ElementIndexEntry found;
    return source && source->getEntry(id, &found) && beginEditFound(id, found);
}

int ElementRecordEditor::beginEditFound(int id, const ElementIndexEntry& found)
{
    if (!startNewElement(found.kind) || !element->load(id) || !element->exchangeRecord(3))
        return 0;
    entry = found;
    return 1;
}

int ElementRecordEditor::storeBack(int id)
{
    ElementStore* target = store();
    if (!target || !element)
        return 0;
    const int written = element->stageRecord();
    element->extentShifted = 0; // a kind that measures no extent as it is written keeps none for the next
    if (!written)
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

int ElementRecordEditor::removeById(int id)
{
    ElementStore* target = store();
    ElementIndexEntry removed;
    if (!target || !target->deleteElement(id, &removed))
        return 0;
    context->releaseStoredElement(id);
    if (context->maskIndex)
        (void)context->maskIndex->clearElement(id); // an id never indexed has nothing to clear
    (void)context->markModified();
    return 1;
}

int ElementRecordEditor::releaseStored(int id)
{
    return element && id >= 1 && element->id == id ? element->releaseStoredId() : 0;
}

int ElementRecordEditor::registerTakenExtent()
{
    // The record holds the extent of its last store; one measured on the view is measured again
    // at the view's present scale.
    if (element->extentViewScale() != 0.0)
        element->computeExtent(1);
    return element->storeExtent();
}

int ElementRecordEditor::reinsertById(int id, const ElementIndexEntry& image)
{
    ElementStore* target = store();
    if (!target || !target->reinsertElement(id, image) || !beginEdit(id))
        return 0;
    (void)registerTakenExtent(); // as addToPage
    (void)context->markModified();
    return 1;
}

int ElementRecordEditor::appendToPageEndById(int id)
{
    ElementStore* target = store();
    if (!target || !target->appendToPageEnd(id) || !beginEdit(id))
        return 0;
    (void)registerTakenExtent(); // as addToPage
    (void)context->markModified();
    return 1;
}

int ElementRecordEditor::takeRecord(const ElementIndexEntry& image)
{
    if (!startNewElement(image.kind))
        return 0;
    element->takeRecordHeader(image);
    return element->exchangeRecord(3);
}

int ElementRecordEditor::registerExtentById(int id)
{
    if (!beginEdit(id))
        return 0;
    return element && registerTakenExtent();
}

int ElementRecordEditor::elementExtent(int id, DoubleRect& extent)
{
    if (!beginEdit(id))
        return 0;
    extent.set(element->extentMin.y, element->extentMin.x, element->extentMax.x, element->extentMax.y);
    return 1;
}

int ElementRecordEditor::getElementBounds(int id, Point* corner1, Point* corner2)
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
    return !context || context->displayControl->isDisplayed(entry);
}

int isSelectable(DocumentContext* context, const ElementIndexEntry& entry)
{
    return !context || context->displayControl->isSelectable(entry);
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

int ElementRecordEditor::drawElementById(int id)
{
    ElementStore* source = store();
    ElementIndexEntry found;
    if (!source || !source->isLive(id) || !source->getEntry(id, &found))
        return -1;
    const int next = nextOf(found);
    if (!isDisplayed(context, found))
        return next;
    // A redraw of a strip (after a scroll) passes over what its stored extent (or the thin box
    // its ink keeps within at this scale) keeps out of it, without building the element from its
    // record, when that extent holds at the view's scale.
    ViewUpdater* updater = context->updater;
    ElementMaskIndex* index = updater && source == context->ownStore ? context->maskIndex : nullptr;
    const double scale = index ? Element::viewScaleOf(context) : 0.0;
    const int holds = index ? index->holdsAt(id, scale) : 0;
    // A redirected redraw culls nothing (its target shows more than the window).
    const int culls = updater && !updater->redirectOn();
    DoubleRect extent;
    if (culls && holds && index->inkExtentOf(id, scale, extent) && updater->isOutsideUpdateArea(&extent))
        return next;
    // An extent measured at another scale of the view (a text's) is measured again at this one
    // only where it may show: a box it keeps within at this scale stands for it until then.
    if (culls && !holds && index) {
        const double drawingScale = DrawPoint::scaleDenominatorOf(context) / DrawPoint::scaleNumeratorOf(context);
        if (index->boundAt(id, scale, drawingScale, extent) && updater->isOutsideUpdateArea(&extent)) {
            (void)index->keepBound(id, extent, scale); // registered, as boundAt found
            return next;
        }
    }
    if (!beginEditFound(id, found) || !hasFiniteGeometry(*element)) {
        // Without a kind registry no element can be made: nothing is damaged then.
        if (theKindRegistry)
            theFileErrorReporter.report(FileErrorReporter::kNoData, "図形データが壊れています。");
        return next;
    }
    // Measured again, it is kept for the redraws, picks and changes that follow.
    if (index && holds != 1 && culls && element->extentViewScale() != 0.0) {
        element->computeExtent(1);
        ElementMaskIndex::MeasuredRun run;
        const int hasRun = element->measuredRun(run.width, run.glyphs, run.emPixels);
        (void)index->remeasured(id, element->extentMin, element->extentMax, element->extentViewScale(),
                                element->scaleDenominator() / element->scaleNumerator(),
                                hasRun ? &run : nullptr); // 0: never registered
    }
    // The record's extent of a text may be one measured at another scale: an extent the index
    // holds at this one has already told.
    extent.set(element->extentMin.y, element->extentMin.x, element->extentMax.x, element->extentMax.y);
    if (!culls || holds == 1 || !updater->isOutsideUpdateArea(&extent)) {
        (void)element->draw(); // an element outside the view draws nothing
        if (culls && index)
            keepHandlesBox(*index, id, scale);
    }
    return next;
}

void ElementRecordEditor::keepHandlesBox(ElementMaskIndex& index, int id, double scale)
{
    int filled = 0;
    if (!thePickSettings || thePickSettings->pickStyle() != PickStyle::Handles || element->self != element ||
        !element->marksFollowMeasuredExtent(filled))
        return;
    const double drawingScale = DrawPoint::scaleDenominatorOf(context) / DrawPoint::scaleNumeratorOf(context);
    DoubleRect box;
    int keptFilled = 0;
    if (index.marksExtentOf(id, scale, drawingScale, box, keptFilled))
        return;
    // Measured on the element in hand, which keeps the extent it had.
    const DrawPoint low = element->extentMin, high = element->extentMax;
    element->measureHandlesExtent();
    if (element->extentMin.x <= element->extentMax.x && element->extentMin.y <= element->extentMax.y) {
        box.set(element->extentMin.y, element->extentMin.x, element->extentMax.x, element->extentMax.y);
        (void)index.keepMarksExtent(id, box, filled, scale, drawingScale); // 0: never registered
    }
    element->extentMin = low;
    element->extentMax = high;
}

int ElementRecordEditor::executeById(int id, int operation, double x, double y, double z)
{
    if (!beginEdit(id))
        return -1;
    (void)element->execute(operation, x, y, z); // the shape's result: nothing more to do
    return nextOf(entry);
}

int ElementRecordEditor::printById(int id, double x, double y, double z)
{
    if (!beginEdit(id))
        return -1;
    if (isDisplayed(context, entry))
        (void)element->print(x, y, z); // a failed print shows in the output's own state
    return nextOf(entry);
}

int ElementRecordEditor::writePostScriptById(int id, double x, double y, double z)
{
    if (!beginEdit(id))
        return -1;
    if (isDisplayed(context, entry))
        (void)element->writePostScript(x, y, z); // as printById
    return nextOf(entry);
}

int ElementRecordEditor::writePdfById(int id, double x, double y, double z)
{
    if (!beginEdit(id))
        return -1;
    if (isDisplayed(context, entry))
        (void)element->writePdf(x, y, z); // as printById
    return nextOf(entry);
}

int ElementRecordEditor::hitTestById(int id)
{
    if (!thePickSettings || !beginEdit(id) || !isSelectable(context, entry))
        return 0;
    switch (thePickSettings->pickStyle()) {
    case PickStyle::Handles:
        return element->hitTestExtent();
    case PickStyle::Colour:
    case PickStyle::Marks:
        return element->hitTest();
    default:
        return 0;
    }
}

int ElementRecordEditor::isInSelectionAreaById(int id)
{
    return beginEdit(id) && isSelectable(context, entry) && element->isInSelectionArea();
}

int ElementRecordEditor::hitHandleById(int id, int* handle, int* flag) { return beginEdit(id) && element->hitHandle(handle, flag); }

int ElementRecordEditor::dragsHandlesById(int id) { return beginEdit(id) && element->hasHandleDrag(); }

int ElementRecordEditor::setActiveHandleById(int id, int mode, int number)
{
    if (!beginEdit(id))
        return 0;
    element->setActiveHandle(mode, number);
    return 1;
}

int ElementRecordEditor::kindMarksFollowExactExtent(int kind, int& filled)
{
    return kind >= 1 && kind < kKindSlots && kept[kind] && kept[kind]->marksFollowExactExtent(filled);
}

int ElementRecordEditor::drawDragPreviewById(int id, double dx, double dy, double dz)
{
    return beginEdit(id) && element->drawDragPreview(dx, dy, dz);
}

int ElementRecordEditor::drawPreviewSegmentById(int id, double angle, const Point& centre)
{
    if (!beginEdit(id))
        return 0;
    element->drawPreviewSegment(angle, centre);
    return 1;
}

int ElementRecordEditor::translateById(int id, double dx, double dy, double dz)
{
    Element* moved = beginEdit(id) ? elementInHand() : nullptr;
    if (!moved)
        return 0;
    moved->translate(dx, dy, dz);
    // An extent of the geometry alone moves with it: the record is written without measuring
    // the element again.
    (void)moved->shiftExtent(dx, dy, dz); // 0: measured again as it is written
    return storeBack(id);
}

int ElementRecordEditor::rotateById(int id, double angle, double centreX, double centreY, double centreZ)
{
    if (!beginEdit(id))
        return 0;
    element->rotate(angle, centreX, centreY, centreZ);
    return storeBack(id);
}

int ElementRecordEditor::snapToNearestPointById(int id, Point* p) { return beginEdit(id) && element->snapToNearestPoint(p); }
int ElementRecordEditor::snapToKeyPointById(int id, Point* p) { return beginEdit(id) && element->snapToKeyPoint(p); }

int ElementRecordEditor::snapToNearestEdgeById(int id, Point* p, const Point* from)
{
    return beginEdit(id) && element->snapToNearestEdge(p, from);
}

int ElementRecordEditor::getRadiusById(int id, double out[2], Point* centre)
{
    return beginEdit(id) ? element->getRadius(out, centre) : 0;
}

int ElementRecordEditor::getDiameterById(int id, double out[2], Point* centre)
{
    return beginEdit(id) ? element->getDiameter(out, centre) : 0;
}
