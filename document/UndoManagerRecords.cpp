// Undo records of element creation and of the operations on the selected elements: new element,
// move, copy, rotation, drawing order, cut, paste, delete and part placement.
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/InputPointListBase.h"
#include "document/UndoManager.h"

// Writers

void UndoManager::recordNewElement(Element* element)
{
    flushPending();
    if (!enabled || !element)
        return;
    ElementStore* target = store();
    ElementIndexEntry stored;
    // An element that is not in the store leaves nothing to take back.
    if (!target || element->id < 1 || !target->getEntry(element->id, &stored))
        return;
    beginRecord(UndoCode::NewElement, element->kind);
    logFile.putWord(element->id);
    logFile.put(&stored, sizeof stored);
    logFile.putList(ids);
    endRecord();
}

void UndoManager::recordMove(double dx, double dy, double dz)
{
    flushPending();
    if (!enabled)
        return;
    beginRecord(UndoCode::Move, 0);
    logFile.putWord(1);
    logFile.putReal(dx);
    logFile.putReal(dy);
    logFile.putReal(dz);
    logFile.putList(ids);
    endRecord();
}

void UndoManager::recordRotate(double angle, double centreX, double centreY, double centreZ)
{
    flushPending();
    if (!enabled)
        return;
    beginRecord(UndoCode::Rotate, 0);
    logFile.putReal(angle);
    logFile.putWord(1);
    logFile.putReal(centreX);
    logFile.putReal(centreY);
    logFile.putReal(centreZ);
    logFile.putList(ids);
    endRecord();
}

void UndoManager::beginCopy(int, int, int, int, int, int)
{
    flushPending();
    if (enabled)
        pending.code = UndoCode::Copy;
}

void UndoManager::endCopy() { endSelectionPair(UndoCode::Copy); }

void UndoManager::beginPartPlacement()
{
    flushPending();
    if (enabled)
        pending.code = UndoCode::PartPlacement;
}

void UndoManager::endPartPlacement() { endSelectionPair(UndoCode::PartPlacement); }

// The selection captured before the operation (in the id list), then the selection now with the
// entries of its elements: a redo puts back exactly the elements the operation made, whatever
// took their ids meanwhile.
void UndoManager::endSelectionPair(UndoCode code)
{
    if (pending.code != code)
        return;
    beginRecord(code, 0);
    logFile.putList(ids);
    captureSelection();
    takeEntriesOfIds();
    logFile.putList(otherIds);
    logFile.putList(entries);
    endRecord();
    clearPending();
}

void UndoManager::recordOrderChange()
{
    flushPending();
    if (!enabled)
        return;
    beginRecord(UndoCode::OrderChange, 0);
    logFile.putWord(order.page);
    logFile.putWord(order.itemCount());
    OrderChangeItem item;
    for (int i = 0; i < order.itemCount(); ++i) {
        if (!order.itemAt(i, item)) {
            // The item would be written as the one before it: no record rather than a wrong one.
            logFile.discard();
            return;
        }
        logFile.put(&item.phase, 1);
        logFile.put(&item.type, 1);
        for (int32_t word : item.w)
            logFile.putWord(word);
    }
    endRecord();
}

void UndoManager::recordCut() { recordSelectionEntries(UndoCode::Cut); }

void UndoManager::recordPaste() { recordSelectionEntries(UndoCode::Paste); }

void UndoManager::recordDelete() { recordSelectionEntries(UndoCode::Delete); }

// The selected ids and their index entries as the store holds them now. A selected id that the
// store does not hold has no place to come back to and is left out; the two lists stay parallel.
void UndoManager::recordSelectionEntries(UndoCode code)
{
    flushPending();
    if (!enabled)
        return;
    captureSelection();
    recordEntriesOfIds(code);
}

// A text edited down to nothing goes with its open text record: the delete record brings back
// the text as it was stored before the edit.
void UndoManager::recordDeleteOf(int id)
{
    if (pending.element && pending.element->id == id)
        clearPending();
    flushPending();
    if (!enabled)
        return;
    setSingleId(id);
    recordEntriesOfIds(UndoCode::Delete);
}

void UndoManager::recordEntriesOfIds(UndoCode code)
{
    takeEntriesOfIds();
    beginRecord(code, 0);
    logFile.putList(otherIds);
    logFile.putList(entries);
    endRecord();
}

void UndoManager::takeEntriesOfIds()
{
    entries.count = 0;
    otherIds.count = 0;
    ElementStore* target = store();
    for (int i = 0; target && i < ids.count; ++i) {
        int32_t id = idFrom(ids, i);
        ElementIndexEntry image;
        if (!target->getEntry(id, &image))
            continue;
        if (!entries.append(&image))
            break;
        if (!otherIds.append(&id)) {
            entries.removeLast();
            break;
        }
    }
}

// Steps

int UndoManager::undoNewElement()
{
    if (!openRecord(0))
        return 0;
    int32_t id = 0;
    if (!logFile.readWord(id) || !logFile.read(&entry, sizeof entry))
        return 0;
    logFile.readList(&otherIds, 4);
    reselect(otherIds);
    ElementEditorBase* editor = elementEditor();
    if (!closeRecord(0) || !editor || !editor->removeById(id))
        return 0;
    if (owner && owner->inputPoints)
        owner->inputPoints->setFlagWord(1);
    if (owner && isTextKind(head.kind)) {
        owner->interactionMode = 0;
        owner->caretReset();
    }
    refresh();
    captureSelection();
    return 1;
}

int UndoManager::redoNewElement()
{
    if (!openRecord(1))
        return 0;
    int32_t id = 0;
    if (!logFile.readWord(id) || !logFile.read(&entry, sizeof entry))
        return 0;
    logFile.readList(nullptr, 4);
    ElementEditorBase* editor = elementEditor();
    if (!closeRecord(1) || !editor || !editor->reinsertById(id, entry))
        return 0;
    selectAlone(id);
    if (owner && owner->inputPoints)
        owner->inputPoints->setFlagWord(1);
    bool text = isTextKind(head.kind);
    if (text)
        clearSelection();
    refresh();
    captureSelection();
    if (text) {
        ElementEditorBase* textInput = textEditor();
        if (textInput && textInput->beginEdit(id)) {
            if (Element* element = elementInHand(textInput, id))
                element->beginTextEditAtStart();
        }
        clearSelection();
    }
    return 1;
}

// Moves and rotations: the same elements by the negated amount, or again.
int UndoManager::undoMoveOrRotate(int redoing)
{
    if (!openRecord(redoing))
        return 0;
    const int rotation = headCode() == UndoCode::Rotate;
    double angle = 0.0;
    if (rotation && !logFile.readReal(angle))
        return 0;
    logFile.readList(&points, sizeof(UndoPoint));
    logFile.readList(&ids, 4);
    reselect(ids);
    if (!closeRecord(redoing))
        return 0;

    // The displacement, or the centre of the rotation.
    UndoPoint amount = {0.0, 0.0, 0.0};
    if (!points.get(0, &amount))
        return 0;
    const double factor = redoing ? 1.0 : -1.0;
    const int done = transformListed(ids.count, rotation, angle, amount, factor);
    if (done < ids.count) {
        // The elements changed already get the opposite change, so that none stays changed. An
        // element that cannot be taken back now is beyond repair; the step fails either way.
        (void)transformListed(done, rotation, angle, amount, -factor);
        return 0;
    }
    refresh();
    return 1;
}

// Moves (or turns) the first n elements of the id list by factor times the recorded amount (or
// angle); the number done before the first that could not be taken or stored back.
int UndoManager::transformListed(int n, int rotation, double angle, const UndoPoint& amount, double factor)
{
    ElementEditorBase* editor = elementEditor();
    ElementStore* store = owner ? owner->elementStore() : nullptr;
    for (int i = 0; i < n; ++i) {
        int id = idFrom(ids, i);
        if (store) {
            BlockLock listed(ids);
            if (listed)
                store->prefetchAhead(listed.data<int32_t>(), static_cast<size_t>(ids.count), static_cast<size_t>(i));
        }
        if (!rotation) {
            // The editor moves the extent with the points, without measuring the element again.
            if (id < 1 || !editor || !editor->translateById(id, amount.x * factor, amount.y * factor, amount.z * factor))
                return i;
            continue;
        }
        Element* element = id >= 1 && editor && editor->beginEdit(id) ? elementInHand(editor, id) : nullptr;
        if (!element)
            return i;
        element->rotate(angle * factor, amount.x, amount.y, amount.z);
        if (!editor->storeBack(id))
            return i;
    }
    return n;
}

// Copies and part placements: the elements made are deleted again, or come back at the places
// their entries record, the end of the drawing order as it was then.
int UndoManager::undoCopy()
{
    if (!openRecord(0))
        return 0;
    logFile.readList(&otherIds, 4);
    reselect(otherIds);
    logFile.readList(&ids, 4);
    logFile.readList(nullptr, sizeof(ElementIndexEntry));
    if (!closeRecord(0) || !removeListed())
        return 0;
    refresh();
    return 1;
}

int UndoManager::redoCopy()
{
    if (!openRecord(1))
        return 0;
    logFile.readList(nullptr, 4);
    logFile.readList(&ids, 4);
    reselect(ids);
    logFile.readList(&entries, sizeof(ElementIndexEntry));
    if (!closeRecord(1) || !reinsertListed())
        return 0;
    refresh();
    return 1;
}

int UndoManager::undoOrder(int redoing)
{
    if (!openRecord(redoing))
        return 0;
    int32_t page = 0;
    int32_t n = 0;
    if (!logFile.readWord(page) || !logFile.readWord(n))
        return 0;
    order.clear();
    order.page = page;
    if (!logFile.canRead(static_cast<long long>(n) * OrderChangeRecord::kItemBytes))
        return 0;
    for (int i = 0; i < n; ++i) {
        OrderChangeItem item;
        if (!logFile.read(&item.phase, 1) || !logFile.read(&item.type, 1))
            return 0;
        for (int32_t& word : item.w) {
            if (!logFile.readWord(word))
                return 0;
        }
        if (!order.addItem(item))
            return 0;
    }
    if (!closeRecord(redoing))
        return 0;
    // Checked whole before any item is applied: the items set links outright and cannot fail
    // half-way once every element they name is there.
    const int phase = redoing ? 2 : 1;
    if (!order.canRestore(store(), phase) || !order.restore(store(), phase))
        return 0;
    // Only links changed, which no element store marks: the drawing is changed all the same.
    if (owner)
        (void)owner->markModified(); // 0 without a document: nothing to save
    refresh(1);
    return 1;
}

// Cut and delete undone, paste redone: the listed elements come back at their places and are
// selected.
int UndoManager::stepReinsertListed(int redoing)
{
    if (!openRecord(redoing))
        return 0;
    logFile.readList(&ids, 4);
    reselect(ids);
    logFile.readList(&entries, sizeof(ElementIndexEntry));
    if (!closeRecord(redoing) || !reinsertListed())
        return 0;
    refresh();
    return 1;
}

// Cut and delete redone, paste undone: the listed elements go again.
int UndoManager::stepRemoveListed(int redoing)
{
    if (!openRecord(redoing))
        return 0;
    logFile.readList(&ids, 4);
    logFile.readList(&entries, sizeof(ElementIndexEntry));
    if (!closeRecord(redoing) || !removeListed())
        return 0;
    clearSelection();
    refresh();
    return 1;
}

// Every element of the id list leaves the drawing, or none does. Each element's entry is kept
// before it goes, and when one cannot be taken the elements gone already come back to their
// places in reverse order, which gives every chain its links of before.
int UndoManager::removeListed()
{
    ElementEditorBase* editor = elementEditor();
    ElementStore* target = store();
    placesBefore.count = 0;
    if (ids.count < 1)
        return 1;
    if (!editor || !target || !placesBefore.reserve(ids.count))
        return 0;
    for (int i = 0; i < ids.count; ++i) {
        PlaceBefore place = {};
        place.id = idFrom(ids, i);
        int done = place.id >= 1 && target->getEntry(place.id, &place.entry);
        if (done)
            done = editor->removeById(place.id);
        // The room was reserved above, so a place is never lost after its element changed.
        if (!done || !placesBefore.append(&place)) {
            putPlacesBack();
            return 0;
        }
    }
    return 1;
}

// The elements of the id list come back at the places that their images of the entry list
// record; all of them or none. Checked first: each id is released and its image one the store
// takes. An image names neighbours of the same list that may not be back yet, so the chains are
// whole only once every listed element is back. When the editor cannot take one, the elements not
// back yet are put back in the store directly (the editor never held them), and then every listed
// element leaves again, each from whole chains.
int UndoManager::reinsertListed()
{
    ElementEditorBase* editor = elementEditor();
    ElementStore* target = store();
    if (ids.count < 1)
        return 1;
    if (!editor || !target || entries.count < ids.count)
        return 0;
    ElementIndexEntry image;
    for (int i = 0; i < ids.count; ++i) {
        if (!entries.get(i, &image) || !target->canReinsert(idFrom(ids, i), image))
            return 0;
    }
    int done = 0;
    while (done < ids.count && entries.get(done, &image) && editor->reinsertById(idFrom(ids, done), image))
        ++done;
    if (done == ids.count)
        return 1;
    // What fails here cannot be helped; the step fails either way.
    for (int i = done; i < ids.count; ++i) {
        const int id = idFrom(ids, i);
        if (!target->isLive(id) && entries.get(i, &image))
            (void)target->reinsertElement(id, image);
    }
    for (int i = 0; i < ids.count; ++i) {
        const int id = idFrom(ids, i);
        if (i < done)
            (void)editor->removeById(id);
        else
            (void)target->deleteElement(id, &image);
    }
    return 0;
}

// The elements removed so far come back at their places, last first. One that fails cannot be
// helped; the step fails either way.
void UndoManager::putPlacesBack()
{
    ElementEditorBase* editor = elementEditor();
    for (int i = placesBefore.count - 1; editor && i >= 0; --i) {
        PlaceBefore place;
        if (!placesBefore.get(i, &place))
            continue;
        (void)editor->reinsertById(place.id, place.entry);
    }
    placesBefore.count = 0;
}
