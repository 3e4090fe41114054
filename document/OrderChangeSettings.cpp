#include "document/OrderChangeSettings.h"

#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "document/RadioChoiceDialog.h"
#include "document/SelectToolBase.h"
#include "document/Selection.h"
#include "document/StatusBarPanes.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"
#include "resources/ids.h"

int OrderChangeSettings::runDialog()
{
    static const RadioChoiceDialog::Choice choices[] = {
        {IDC_ORDER_TO_BACK, kToBack},
        {IDC_ORDER_TO_FRONT, kToFront},
        {IDC_ORDER_BEHIND, kBehindPicked},
        {IDC_ORDER_IN_FRONT, kInFrontOfPicked},
    };
    int chosen = direction;
    const int four = variant == 1;
    RadioChoiceDialog dialog(chosen, choices, four ? 4 : 2);
    const int result = dialog.runModal(four ? IDD_ORDER_CHANGE_FOUR : IDD_ORDER_CHANGE_TWO);
    dialogResult = result == 1 ? 1 : -1;
    if (result == 1)
        direction = chosen;
    return result;
}

int OrderChangeSettings::changeOrder()
{
    const int confirmed = dialogResult == 1;
    dialogResult = -1;
    SelectToolBase* tool = owner ? owner->selectTool : nullptr;
    ElementStore* store = owner ? owner->elementStore() : nullptr;
    if (!confirmed || !tool || tool->selectionMode() == 0 || !store || !store->pageTable || !store->indexTable)
        return 0;
    (void)owner->settleTextInEdit();
    const int page = owner->currentPage();
    StatusBarPanes* panes = owner->statusBar;
    int outcome = 0;
    switch (direction) {
    case kToBack:
        outcome = moveSelected(store->pageTable->getFirst(page), 0);
        break;
    case kToFront:
        outcome = moveSelected(store->pageTable->getLast(page), 1);
        break;
    case kBehindPicked:
    case kInFrontOfPicked: {
        if (panes)
            panes->showInPane2("要素を指定してください。");
        const int picked = tool->pickElement();
        if (picked >= 1)
            outcome = moveSelected(picked, direction == kInFrontOfPicked);
        break;
    }
    default:
        break;
    }
    if (panes)
        panes->showInPane2(nullptr);
    if (outcome == 1) {
        // The file keeps the drawing order, and no element record changed that would mark it.
        (void)owner->markModified(); // 0 without a document: nothing to save
        // The selection stays: it is shown with its marks, as the arrow keys act on it.
        if (owner->updater) {
            owner->updater->refreshAll();
            owner->updater->repaint();
        }
    }
    return outcome;
}

// Every selected element in turn goes just before (after) the target, so that several end up in
// selection order at the back and in reverse selection order at the front. The undo record is
// written only when something moved.
int OrderChangeSettings::moveSelected(int target, int after)
{
    ElementStore& store = *owner->elementStore();
    const int page = owner->currentPage();
    GlobalBlock ids(100, 4);
    const int n = selectedIdsOf(owner, ids);
    UndoManager* undo = owner->undoManager;
    OrderChangeRecord* record = undo && undo->isEnabled() ? undo->orderList() : nullptr;
    // A record that could not be begun is not written; the move still happens.
    if (record && !record->begin(&store, page, target, ids))
        record = nullptr;
    int outcome = 2;
    for (int i = 0; i < n; ++i) {
        int32_t id = 0;
        if (!ids.get(i, &id) || id == target)
            continue;
        outcome = 1;
        // A selected element on another page, or one the store does not hold, stays where it is.
        (void)(after ? store.relinkOrderAfter(page, id, target) : store.relinkOrder(page, id, target));
    }
    if (outcome == 1 && record && record->end(&store))
        undo->recordOrderChange();
    return outcome;
}
