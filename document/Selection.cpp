#include "document/Selection.h"

#include <cstdint>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "document/ElementRefusal.h"
#include "document/SelectToolBase.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"

Selection::Selection() : GlobalBlock(100, 4)
{
    // Made empty with its first growth step; a shortage is reported and the list grows later.
    (void)allocate();
}

void Selection::add(int id)
{
    int32_t value = id;
    // A list that cannot grow has told the user; the id stays unselected.
    (void)append(&value);
}

void Selection::remove(int id)
{
    for (int i = 0; i < count; ++i) {
        if (idAt(i) == id) {
            (void)removeAt(i); // in range: it cannot fail
            return;
        }
    }
}

void Selection::setAt(int index, int id)
{
    int32_t value = id;
    if (index >= 0 && index < count)
        (void)put(index, &value); // in range: it cannot fail
}

int Selection::idAt(int index)
{
    int32_t id = 0;
    if (index < 0 || index >= count || !get(index, &id))
        return -3;
    return id;
}

int Selection::forEach(SelectionOperation& operation)
{
    ElementEditorBase* editor = DocumentContext::creationEditorOf(owner);
    if (!editor)
        return 0;
    // The elements go through the editor that holds a text in edit: that text is stored first.
    (void)owner->settleTextInEdit();
    // One element picked by the select tool is held by the tool, not listed here; the list may
    // still hold the ids of a selection before it, which the tool's mode says are not selected.
    SelectToolBase* tool = owner->selectTool;
    const int mode = tool ? tool->selectionMode() : 2;
    const int single = mode == 1 ? tool->firstSelectedId() : 0;
    if (mode == 1 ? single < 1 : mode != 2 || count < 1)
        return 0;
    UndoManager* undo = owner->undoManager;
    if (undo)
        undo->beginBatchChange(single >= 1 ? 1 : count);
    int changed = 0;
    for (int i = 0;; ++i) {
        const int id = single < 1 ? idAt(i) : i == 0 ? single : -3;
        if (id < 1 || !editor->beginEdit(id))
            break;
        Element* element = editor->elementInHand();
        if (!element || !operation.accepts(element->kind))
            continue;
        if (undo)
            undo->batchChangeBefore(id);
        (void)operation.apply(element); // the element says whether it changed; it is stored either way
        if (!editor->storeBack(id)) {
            showElementsRefused();
            break;
        }
        if (undo)
            undo->batchChangeAfter(id);
        ++changed;
    }
    // The record counts the pairs really written, so an element that was not stored leaves no
    // image pair behind.
    if (undo)
        undo->endBatchChange();
    if (owner->updater) {
        owner->updater->repaintChanges();
        owner->updater->repaint(); // with the marks of the changed elements, which stay selected
    }
    return changed;
}

int selectedIdsOf(DocumentContext* context, GlobalBlock& ids)
{
    ids.count = 0;
    SelectToolBase* tool = context ? context->selectTool : nullptr;
    const int mode = tool ? tool->selectionMode() : 0;
    if (mode == 1) {
        int32_t id = tool->firstSelectedId();
        if (id >= 1 && !ids.append(&id))
            return 0;
    } else if (mode == 2 && context->selection) {
        Selection& list = *context->selection;
        if (!ids.reserve(list.count))
            return 0;
        for (int i = 0;; ++i) {
            int32_t id = list.idAt(i);
            if (id < 1 || !ids.append(&id))
                break;
        }
    } else if (mode == 2) {
        for (int32_t id = tool->firstSelectedId(); id >= 1; id = tool->nextSelectedId()) {
            if (!ids.append(&id))
                break;
        }
    }
    return ids.count;
}
