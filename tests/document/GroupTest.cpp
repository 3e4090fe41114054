// Groups: numbering, the group dialog on the selection, the working set and the paste map.
#include <gtest/gtest.h>
#include <vector>

#include "document/Document.h"
#include "resources/ids.h"
#include "tests/document/EditTestDocument.h"
#include "tests/support/MessagePump.h"
#include "tests/support/TestApplication.h"

namespace {

// Runs the group dialog, clicking the given radio button (none for 0) and then the button that
// ends it.
int runGroupDialog(EditTestDocument& doc, int radio, int endButton, int* checkedAtStart = nullptr)
{
    return static_cast<int>(driveModalDialog([&] { return doc.groups().runGroupDialog(); },
                                             [&](HWND window) {
                                                 if (checkedAtStart)
                                                     *checkedAtStart = IsDlgButtonChecked(window, IDC_GROUP_MAKE) |
                                                                       IsDlgButtonChecked(window, IDC_GROUP_BREAK) << 1;
                                                 if (radio)
                                                     PostMessageA(window, WM_COMMAND, MAKEWPARAM(radio, BN_CLICKED), 0);
                                                 PostMessageA(window, WM_COMMAND, MAKEWPARAM(endButton, BN_CLICKED), 0);
                                             }));
}

TEST(Groups, TheDialogGroupsAndUngroupsOnlyTheSelectedElements)
{
    TestApplication app;
    EditTestDocument doc;
    const int a = doc.addBox(0, 0, 1, 1);
    const int b = doc.addBox(2, 0, 1, 1);
    const int c = doc.addBox(4, 0, 1, 1);
    const int d = doc.addBox(6, 0, 1, 1);

    doc.selectTool->choose({a, b});
    int checked = -1;
    EXPECT_EQ(runGroupDialog(doc, IDC_GROUP_MAKE, IDOK, &checked), 1);
    EXPECT_EQ(checked, 0) << "no choice is checked at first";
    EXPECT_EQ(doc.entry(a).group, 2);
    EXPECT_EQ(doc.entry(b).group, 2);
    // The file keeps the groups and no undo record counts them: a change of group itself makes
    // the drawing changed, so that closing asks to save it; what changes no group does not.
    EXPECT_EQ(doc.context.isModified(), 1);
    doc.context.document->markSaved();
    doc.selectTool->choose({c, d});
    EXPECT_EQ(runGroupDialog(doc, IDC_GROUP_MAKE, IDOK), 1);
    EXPECT_EQ(doc.entry(c).group, 4);
    EXPECT_EQ(doc.entry(d).group, 4);
    EXPECT_EQ(doc.context.isModified(), 1);
    doc.context.document->markSaved();

    // Cancel changes nothing; ungrouping touches the selected elements only.
    doc.selectTool->choose({a});
    EXPECT_EQ(runGroupDialog(doc, IDC_GROUP_BREAK, IDCANCEL), 2);
    EXPECT_EQ(doc.entry(a).group, 2);
    EXPECT_EQ(doc.context.isModified(), 0) << "cancelled";
    EXPECT_EQ(runGroupDialog(doc, IDC_GROUP_BREAK, IDOK), 1);
    EXPECT_EQ(doc.entry(a).group, 0);
    EXPECT_EQ(doc.context.isModified(), 1) << "ungrouped";
    doc.context.document->markSaved();
    EXPECT_EQ(runGroupDialog(doc, IDC_GROUP_BREAK, IDOK), 1);
    EXPECT_EQ(doc.context.isModified(), 0) << "ungrouped again: no group changed";
    EXPECT_EQ(doc.entry(b).group, 2);
    EXPECT_EQ(doc.groups().choice, 2);
    // OK without a choice does nothing; the records keep their bytes, a load takes the entry's group.
    doc.selectTool->choose({b, c});
    EXPECT_EQ(runGroupDialog(doc, 0, IDOK), 1);
    EXPECT_EQ(doc.entry(b).group, 2);
    EXPECT_EQ(doc.context.isModified(), 0) << "no choice";
    EXPECT_EQ(doc.undo().recordCount(), 0) << "grouping is not undoable";
    ASSERT_EQ(doc.editor->beginEdit(c), 1);
    EXPECT_EQ(doc.editor->held()->group, 4);
    // Grouping stops at an id the store does not hold.
    doc.selectTool->choose({d, 99, a});
    EXPECT_EQ(doc.groups().applyChoice(1), 1);
    EXPECT_EQ(doc.entry(d).group, 6);
    EXPECT_EQ(doc.entry(a).group, 0);
}

TEST(Groups, TheWorkingSetAndTheMapOfAPaste)
{
    TestApplication app;
    EditTestDocument doc;
    const int a = doc.addBox(0, 0, 1, 1, 1, 6);
    const int b = doc.addBox(2, 0, 1, 1, 1, 6);
    const int loose = doc.addBox(4, 0, 1, 1);
    ElementIdSet& groups = doc.groups();

    EXPECT_EQ(groups.addGroupOf(a), 0) << "no set yet: nothing is kept";
    EXPECT_EQ(groups.containsGroupOf(a), 0);
    groups.initGroupSet();
    EXPECT_EQ(groups.addGroupOf(a), 1);
    EXPECT_EQ(groups.addGroupOf(b), 1) << "already there";
    EXPECT_EQ(groups.containsGroupOf(b), 1) << "the other member's group is in the set";
    EXPECT_EQ(groups.addGroupOf(loose), 0);
    EXPECT_EQ(groups.containsGroupOf(loose), 0);
    EXPECT_EQ(groups.addGroupOf(-4), 0);
    groups.initGroupSet();
    EXPECT_EQ(groups.containsGroupOf(b), 0) << "a new set starts empty";
    groups.releaseGroupSet();

    // Without a map a group keeps its number; with one each old number gets one new even number.
    EXPECT_EQ(groups.remapGroup(100), 100);
    groups.initGroupMap();
    EXPECT_EQ(groups.remapGroup(100), 2);
    EXPECT_EQ(groups.remapGroup(101), 4);
    EXPECT_EQ(groups.remapGroup(100), 2);
    EXPECT_EQ(groups.remapGroup(0), 0) << "no group stays no group";
    groups.initGroupMap();
    EXPECT_EQ(groups.remapGroup(100), 6) << "a fresh map gives a fresh number";
    groups.clearGroupMap();
    EXPECT_EQ(groups.remapGroup(100), 100);
    EXPECT_EQ(groups.nextGroupId(), 8);
}

} // namespace
