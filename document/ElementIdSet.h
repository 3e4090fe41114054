#pragma once
#include <cstdint>

#include "document/IdList.h"

class DocumentContext;

// The groups of a drawing. Elements are grouped by the group number of their index entry (0: no
// group); new numbers are even and rise by two (2, 4, 6, ...). Besides handing them out, this
// keeps the working set of group numbers for a select-tool gesture (one member selected selects
// the group), the map from old to new numbers while elements are pasted or read (so that pasted
// groups become new groups), and runs the group dialog. Group look-ups go through the context's
// current element store.
class ElementIdSet {
public:
    ElementIdSet() = default;
    virtual ~ElementIdSet();
    ElementIdSet(const ElementIdSet&) = delete;
    ElementIdSet& operator=(const ElementIdSet&) = delete;

    virtual void setOwner(DocumentContext* context) { owner = context; }

    // The next even group number.
    [[nodiscard]] int nextGroupId();

    // The working set: made empty (an old one is dropped first), and dropped.
    void initGroupSet();
    void releaseGroupSet();
    // The element's group goes into the set unless it is there; 1 when the set holds it, 0 for
    // an element without a group (or an id the store does not hold), without a set, or when
    // memory ran short.
    int addGroupOf(int elementId);
    // 1 when the element has a group and that group is in the set.
    [[nodiscard]] int containsGroupOf(int elementId);

    // The map of a paste or a file read: made empty (an old one dropped first), and dropped.
    void initGroupMap();
    void clearGroupMap();
    // Names used around a file read.
    void startGroupMap() { initGroupMap(); }
    void dropGroupMap() { clearGroupMap(); }
    // Without a map: old. With one: the new number paired with old, a new pair {old, next group
    // number} when there is none yet; old when the pair cannot be added. Group 0 (no group)
    // stays 0.
    [[nodiscard]] int remapGroup(int oldGroup);

    // The group dialog on the selected elements: "グループ化" gives them all one new number,
    // "グループ解除" sets their number to 0; Cancel changes nothing. The entries are changed, the
    // records are not: an element takes its group from its entry when it is next loaded. No undo
    // record. The dialog's answer (1 OK, 2 Cancel, -1 when it could not be shown).
    virtual int runGroupDialog();
    // Applying a choice (1 group, 2 ungroup) to the selected elements, in the select tool's
    // order, stopping at the first id the store does not hold. The number of elements changed.
    int applyChoice(int choice);

    DocumentContext* owner = nullptr;
    int lastGroup = 0;
    // 1 group, 2 ungroup, 0 before the dialog chose.
    int choice = 0;

private:
    [[nodiscard]] int groupOf(int elementId);

    IdList* groupSet = nullptr;
    // Old numbers, and the new number of each at the same index.
    IdList* mapOld = nullptr;
    GlobalBlock* mapNew = nullptr;
};
