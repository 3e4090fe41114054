#include "document/ElementIdSet.h"

#include <new>

#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "document/RadioChoiceDialog.h"
#include "document/Selection.h"
#include "platform/MessageBoxes.h"
#include "resources/ids.h"

ElementIdSet::~ElementIdSet()
{
    releaseGroupSet();
    clearGroupMap();
}

int ElementIdSet::nextGroupId()
{
    lastGroup += 2;
    return lastGroup;
}

int ElementIdSet::groupOf(int elementId)
{
    ElementStore* store = owner ? owner->elementStore() : nullptr;
    ElementIndexEntry entry;
    if (elementId < 1 || !store || !store->getEntry(elementId, &entry))
        return 0;
    return entry.group;
}

void ElementIdSet::initGroupSet()
{
    releaseGroupSet();
    groupSet = new (std::nothrow) IdList(50);
    if (!groupSet)
        showOutOfMemory();
}

void ElementIdSet::releaseGroupSet()
{
    delete groupSet;
    groupSet = nullptr;
}

int ElementIdSet::addGroupOf(int elementId)
{
    const int group = groupOf(elementId);
    if (group < 1 || !groupSet)
        return 0;
    // A set that cannot grow keeps what it had (the shortage was reported).
    return groupSet->contains(group) || groupSet->add(group);
}

int ElementIdSet::containsGroupOf(int elementId)
{
    const int group = groupOf(elementId);
    return group >= 1 && groupSet && groupSet->contains(group);
}

void ElementIdSet::initGroupMap()
{
    clearGroupMap();
    mapOld = new (std::nothrow) IdList(50);
    mapNew = new (std::nothrow) GlobalBlock(50, 4);
    if (!mapOld || !mapNew) {
        clearGroupMap();
        showOutOfMemory();
    }
}

void ElementIdSet::clearGroupMap()
{
    delete mapOld;
    delete mapNew;
    mapOld = nullptr;
    mapNew = nullptr;
}

int ElementIdSet::remapGroup(int oldGroup)
{
    // Without a group nothing joins one: mapping 0 would put every ungrouped element of a paste
    // into one new group.
    if (!mapOld || !mapNew || oldGroup == 0)
        return oldGroup;
    const int index = mapOld->indexOf(oldGroup);
    int32_t newGroup = 0;
    if (index >= 0)
        return mapNew->get(index, &newGroup) ? newGroup : oldGroup;
    if (!mapNew->reserveOneMore())
        return oldGroup;
    newGroup = lastGroup + 2;
    if (!mapOld->add(oldGroup))
        return oldGroup;
    // The room was reserved above.
    (void)mapNew->append(&newGroup);
    lastGroup = newGroup;
    return newGroup;
}

int ElementIdSet::applyChoice(int chosen)
{
    if (chosen != 1 && chosen != 2)
        return 0;
    ElementStore* store = owner ? owner->elementStore() : nullptr;
    if (!store || !store->indexTable)
        return 0;
    (void)owner->settleTextInEdit(); // its group is kept in its record
    GlobalBlock ids(100, 4);
    const int n = selectedIdsOf(owner, ids);
    const int group = chosen == 1 && n > 0 ? nextGroupId() : 0;
    int changed = 0;
    int regrouped = 0;
    for (int i = 0; i < n; ++i) {
        int32_t id = 0;
        if (!ids.get(i, &id))
            break;
        const int before = groupOf(id);
        if (!store->indexTable->setGroup(id, group))
            break;
        ++changed;
        regrouped |= before != group;
    }
    // The file keeps each element's group, and no undo record counts this change: it marks the
    // drawing changed itself, so that closing asks to save it.
    if (regrouped)
        (void)owner->markModified(); // 0 without a document: nothing to save
    return changed;
}

int ElementIdSet::runGroupDialog()
{
    choice = 0;
    static const RadioChoiceDialog::Choice choices[] = {{IDC_GROUP_MAKE, 1}, {IDC_GROUP_BREAK, 2}};
    RadioChoiceDialog dialog(choice, choices, 2);
    const int result = dialog.runModal(IDD_GROUP);
    if (result == 1)
        (void)applyChoice(choice); // the elements that took the choice show when redrawn
    return result;
}
