// Undo records of element creation and of the operations on the selected elements: new element
// (11), move (13), copy (15), rotation (17), drawing order (19), cut (21), paste (25), delete (27)
// and part placement (91).
#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "document/UndoManager.h"
#include "elements/Element.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/InputPointList.h"

namespace {
// Leader texts (13) are edited in place like texts (12).
bool isTextKind(int kind) { return kind == 12 || kind == 13; }
} // namespace

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
    beginRecord(11, element->kind);
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
    beginRecord(13, 0);
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
    beginRecord(17, 0);
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
        pending.code = 15;
}

void UndoManager::endCopy() { endSelectionPair(15); }

void UndoManager::beginPartPlacement()
{
    flushPending();
    if (enabled)
        pending.code = 91;
}

void UndoManager::endPartPlacement() { endSelectionPair(91); }

// The selection captured before the operation (in the id list), then the selection now.
void UndoManager::endSelectionPair(int code)
{
    if (pending.code != code)
        return;
    beginRecord(code, 0);
    logFile.putList(ids);
    captureSelection();
    logFile.putList(ids);
    endRecord();
    clearPending();
}

void UndoManager::recordOrderChange()
{
    flushPending();
    if (!enabled)
        return;
    beginRecord(19, 0);
    logFile.putWord(order.page);
    logFile.putWord(order.itemCount());
    OrderChangeItem item;
    for (int i = 0; i < order.itemCount(); ++i) {
        order.itemAt(i, item);
        logFile.put(&item.phase, 1);
        logFile.put(&item.type, 1);
        for (int32_t word : item.w)
            logFile.putWord(word);
    }
    endRecord();
}

void UndoManager::recordCut() { recordSelectionEntries(21); }

void UndoManager::recordPaste() { recordSelectionEntries(25); }

void UndoManager::recordDelete() { recordSelectionEntries(27); }

// The selected ids and their index entries as the store holds them now.
void UndoManager::recordSelectionEntries(int code)
{
    flushPending();
    if (!enabled)
        return;
    captureSelection();
    entries.count = 0;
    ElementStore* target = store();
    for (int i = 0; i < ids.count; ++i) {
        ElementIndexEntry image;
        if (target)
            target->getEntry(idFrom(ids, i), &image);
        if (!entries.append(&image))
            break;
    }
    beginRecord(code, 0);
    logFile.putList(ids);
    logFile.putList(entries);
    endRecord();
}

// Steps

void UndoManager::undoNewElement()
{
    if (!settle())
        return;
    countersBack();
    int32_t id = 0;
    logFile.readWord(id);
    logFile.read(&entry, sizeof entry);
    logFile.readList(&otherIds, 4);
    reselect(otherIds);
    seekBack();
    if (ElementEditor* editor = elementEditor())
        editor->removeById(id);
    if (owner && owner->inputPoints)
        owner->inputPoints->setFlagWord(1);
    if (owner && isTextKind(head.kind)) {
        owner->interactionMode = 0;
        owner->caretReset();
    }
    refresh();
    captureSelection();
}

void UndoManager::redoNewElement()
{
    if (!settle())
        return;
    beginRedoRead();
    int32_t id = 0;
    logFile.readWord(id);
    logFile.read(&entry, sizeof entry);
    logFile.readList(nullptr, 4);
    countersForward();
    if (ElementEditor* editor = elementEditor())
        editor->reinsertById(id, entry);
    selectAlone(id);
    if (owner && owner->inputPoints)
        owner->inputPoints->setFlagWord(1);
    bool text = isTextKind(head.kind);
    if (text)
        clearSelection();
    refresh();
    captureSelection();
    if (text) {
        ElementEditor* editor = textEditor();
        if (editor && editor->beginEdit(id)) {
            if (Element* element = elementInHand(editor, id))
                element->beginTextEditAtStart();
        }
        clearSelection();
    }
}

// Moves (13) and rotations (17): the same elements by the negated amount, or again.
void UndoManager::undoMoveOrRotate(int redoing)
{
    if (!openSettledRecord(redoing))
        return;
    bool rotation = head.code == 17;
    double angle = 0.0;
    if (rotation)
        logFile.readReal(angle);
    logFile.readList(&points, sizeof(UndoPoint));
    logFile.readList(&ids, 4);
    reselect(ids);
    closeRecord(redoing);

    UndoPoint point = {0.0, 0.0, 0.0};
    points.get(0, &point);
    double factor = redoing ? 1.0 : -1.0;
    ElementEditor* editor = elementEditor();
    for (int i = 0; editor && i < ids.count; ++i) {
        int id = idFrom(ids, i);
        if (id < 1 || !editor->beginEdit(id))
            break;
        Element* element = elementInHand(editor, id);
        if (!element)
            break;
        if (rotation)
            element->rotate(angle * factor, point.x, point.y, point.z);
        else
            element->translate(point.x * factor, point.y * factor, point.z * factor);
        if (!editor->storeBack(id))
            break;
    }
    refresh();
}

// Copies (15) and part placements (91): the elements made are deleted again, or linked back at
// the end of the drawing order.
void UndoManager::undoCopy()
{
    countersBack();
    logFile.readList(&otherIds, 4);
    reselect(otherIds);
    logFile.readList(&ids, 4);
    seekBack();
    removeListed();
    refresh();
}

void UndoManager::redoCopy()
{
    if (!settle())
        return;
    beginRedoRead();
    logFile.readList(nullptr, 4);
    logFile.readList(&ids, 4);
    reselect(ids);
    countersForward();
    ElementEditor* editor = elementEditor();
    for (int i = 0; editor && i < ids.count; ++i) {
        int id = idFrom(ids, i);
        if (id < 1 || !editor->appendToPageEndById(id))
            break;
    }
    refresh();
}

void UndoManager::undoOrder(int redoing)
{
    if (!openSettledRecord(redoing))
        return;
    int32_t page = 0;
    int32_t n = 0;
    logFile.readWord(page);
    logFile.readWord(n);
    order.clear();
    order.page = page;
    if (logFile.canRead(static_cast<long long>(n) * OrderChangeRecord::kItemBytes)) {
        for (int i = 0; i < n; ++i) {
            OrderChangeItem item;
            logFile.read(&item.phase, 1);
            logFile.read(&item.type, 1);
            for (int32_t& word : item.w)
                logFile.readWord(word);
            if (!order.addItem(item))
                break;
        }
    }
    closeRecord(redoing);
    order.restore(store(), redoing ? 2 : 1);
    refresh();
}

// Cut (21) and delete (27) undone, paste (25) redone: the listed elements come back at their
// places and are selected.
void UndoManager::stepReinsertListed(int redoing)
{
    openRecord(redoing);
    logFile.readList(&ids, 4);
    reselect(ids);
    logFile.readList(&entries, sizeof(ElementIndexEntry));
    closeRecord(redoing);
    ElementEditor* editor = elementEditor();
    for (int i = 0; editor && i < ids.count; ++i) {
        int id = idFrom(ids, i);
        ElementIndexEntry image;
        if (id < 1 || !entries.get(i, &image) || !editor->reinsertById(id, image))
            break;
    }
    refresh();
}

// Cut and delete redone, paste undone: the listed elements go again.
void UndoManager::stepRemoveListed(int redoing)
{
    openRecord(redoing);
    logFile.readList(&ids, 4);
    logFile.readList(&entries, sizeof(ElementIndexEntry));
    closeRecord(redoing);
    removeListed();
    clearSelection();
    refresh();
}

// The elements of the id list leave the drawing, up to the first that cannot.
void UndoManager::removeListed()
{
    ElementEditor* editor = elementEditor();
    for (int i = 0; editor && i < ids.count; ++i) {
        int id = idFrom(ids, i);
        if (id < 1 || !editor->removeById(id))
            break;
    }
}
