// The drawing-order command: the four directions, its undo record, its dialog.
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "document/Document.h"
#include "document/OrderChangeSettings.h"
#include "resources/ids.h"
#include "tests/document/EditTestDocument.h"
#include "tests/support/MessagePump.h"
#include "tests/support/TestApplication.h"

namespace {

// Everything the command may touch: each element's entry, the page's ends, the cells' ends.
struct Chains {
    std::vector<ElementIndexEntry> entries;
    int first = 0, last = 0;
    std::vector<int> cellEnds;
    bool operator==(const Chains& o) const
    {
        if (entries.size() != o.entries.size() || first != o.first || last != o.last || cellEnds != o.cellEnds)
            return false;
        for (size_t i = 0; i < entries.size(); ++i) {
            if (std::memcmp(&entries[i], &o.entries[i], sizeof entries[i]) != 0)
                return false;
        }
        return true;
    }
};

Chains chainsOf(EditTestDocument& doc, const std::vector<int>& ids)
{
    Chains c;
    for (int id : ids)
        c.entries.push_back(doc.entry(id));
    c.first = doc.store().pageTable->getFirst(1);
    c.last = doc.store().pageTable->getLast(1);
    for (ElementKind kind : {ElementKind::Line, ElementKind::Box, ElementKind::Circle}) {
        c.cellEnds.push_back(doc.store().cellTable->getFirst(1, kindCode(kind)));
        c.cellEnds.push_back(doc.store().cellTable->getLast(1, kindCode(kind)));
    }
    return c;
}

int runOrder(EditTestDocument& doc, const std::vector<int>& selected, int direction, int picked = -1)
{
    OrderChangeSettings& order = *doc.context.orderSettings;
    doc.selectTool->choose(selected);
    doc.selectTool->picked = picked;
    order.direction = direction;
    order.dialogResult = 1;
    return order.changeOrder();
}

TEST(DrawingOrder, EachDirectionMovesTheSelectionAndUndoPutsEveryLinkBack)
{
    TestApplication app;
    struct Case {
        const char* name;
        std::vector<int> selected; // indexes into {L1, B1, L2, B2}
        int direction;
        int picked; // index, -1 for no pick
        int outcome;
        std::vector<int> order;
        std::vector<int> lines, boxes;
    };
    const Case cases[] = {
        {"the first element alone to the back", {0}, 1, -1, 2, {0, 1, 2, 3}, {0, 2}, {1, 3}},
        {"the last element alone to the front", {3}, 2, -1, 2, {0, 1, 2, 3}, {0, 2}, {1, 3}},
        {"behind an element of another kind", {2}, 3, 1, 1, {0, 2, 1, 3}, {0, 2}, {1, 3}},
        {"in front of an element of another kind", {0}, 4, 3, 1, {1, 2, 3, 0}, {0, 2}, {1, 3}},
        {"behind an element of the same kind", {2}, 3, 0, 1, {2, 0, 1, 3}, {2, 0}, {1, 3}},
        {"several to the back in selection order", {3, 2}, 1, -1, 1, {3, 2, 0, 1}, {2, 0}, {1, 3}},
        {"several to the front in reverse selection order", {0, 1}, 2, -1, 1, {2, 3, 1, 0}, {0, 2}, {3, 1}},
        {"no element picked", {2}, 4, -1, 0, {0, 1, 2, 3}, {0, 2}, {1, 3}},
        {"the picked element itself", {1}, 3, 1, 2, {0, 1, 2, 3}, {0, 2}, {1, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditTestDocument doc;
        const std::vector<int> ids = {
            doc.add(ElementKind::Line, {{0, 0, 0}}), doc.addBox(0, 0, 1, 1), doc.add(ElementKind::Line, {{1, 1, 0}}),
            doc.addBox(2, 2, 1, 1)};
        auto idsAt = [&](const std::vector<int>& indexes) {
            std::vector<int> out;
            for (int i : indexes)
                out.push_back(ids[static_cast<size_t>(i)]);
            return out;
        };
        const Chains before = chainsOf(doc, ids);
        EXPECT_EQ(runOrder(doc, idsAt(c.selected), c.direction, c.picked < 0 ? -1 : ids[static_cast<size_t>(c.picked)]),
                  c.outcome);
        EXPECT_EQ(doc.pageOrder(), idsAt(c.order));
        EXPECT_EQ(doc.cellOrder(ElementKind::Line), idsAt(c.lines));
        EXPECT_EQ(doc.cellOrder(ElementKind::Box), idsAt(c.boxes));
        const std::vector<std::string> prompts =
            c.direction >= 3 ? std::vector<std::string>{"要素を指定してください。", "(cleared)"}
                             : std::vector<std::string>{"(cleared)"};
        EXPECT_EQ(doc.panes->shown, prompts);
        EXPECT_EQ(doc.context.orderSettings->dialogResult, -1);
        EXPECT_EQ(doc.context.orderSettings->changeOrder(), 0) << "one confirmation, one run";
        EXPECT_EQ(doc.undo().recordCount(), c.outcome == 1 ? 1 : 0);
        if (c.outcome != 1) {
            EXPECT_EQ(doc.context.isModified(), 0) << "nothing moved";
            continue;
        }
        EXPECT_EQ(doc.updater->refreshes, 1);
        EXPECT_EQ(doc.updater->repaints, 1) << "the selection that stays is shown with its marks";
        // The file keeps the order: a move, its undo and its redo each leave the drawing changed.
        EXPECT_EQ(doc.context.isModified(), 1);
        const Chains after = chainsOf(doc, ids);
        char text[UndoManager::kTextSize];
        EXPECT_EQ(doc.undo().undoText(text), 1);
        EXPECT_STREQ(text, "順番変更の取り消し");
        doc.context.document->markSaved();
        ASSERT_EQ(doc.undo().undo(), 1);
        EXPECT_TRUE(chainsOf(doc, ids) == before);
        EXPECT_EQ(doc.context.isModified(), 1);
        doc.context.document->markSaved();
        ASSERT_EQ(doc.undo().redo(), 1);
        EXPECT_TRUE(chainsOf(doc, ids) == after);
        EXPECT_EQ(doc.context.isModified(), 1);
    }
}

// Random moves of random selections against a list model; undoing every step gives back the
// first chains byte for byte, redoing them the last.
TEST(DrawingOrder, RandomMovesFollowTheModelAndUndoAllTheWayBack)
{
    TestApplication app;
    EditTestDocument doc;
    const ElementKind kinds[] = {ElementKind::Line, ElementKind::Box, ElementKind::Circle};
    std::vector<int> ids;
    for (int i = 0; i < 12; ++i)
        ids.push_back(doc.add(kinds[i % 3], {{static_cast<double>(i), 0, 0}}));
    // The page chain, and the (page, kind) chains, which follow a move only when the target is
    // of the moved element's kind.
    std::vector<int> model = ids;
    std::vector<std::vector<int>> cells(3);
    for (int i = 0; i < 12; ++i)
        cells[static_cast<size_t>(i % 3)].push_back(ids[static_cast<size_t>(i)]);
    auto kindIndex = [&](int id) { return static_cast<size_t>((std::find(ids.begin(), ids.end(), id) - ids.begin()) % 3); };
    auto moveIn = [](std::vector<int>& list, int s, int target, bool after) {
        list.erase(std::find(list.begin(), list.end(), s));
        auto at = std::find(list.begin(), list.end(), target);
        list.insert(after ? at + 1 : at, s);
    };
    const Chains first = chainsOf(doc, ids);
    std::mt19937 random(1715);
    int steps = 0;
    for (int round = 0; round < 150; ++round) {
        std::vector<int> pool = ids;
        std::shuffle(pool.begin(), pool.end(), random);
        std::vector<int> selected(pool.begin(), pool.begin() + 1 + random() % 4);
        const int direction = 1 + static_cast<int>(random() % 4);
        const int picked = ids[random() % ids.size()];
        const int target = direction == 1 ? model.front() : direction == 2 ? model.back() : picked;
        const int outcome = runOrder(doc, selected, direction, picked);
        bool moved = false;
        for (int s : selected) {
            if (s == target)
                continue;
            moved = true;
            const bool after = direction == 2 || direction == 4;
            moveIn(model, s, target, after);
            if (kindIndex(s) == kindIndex(target))
                moveIn(cells[kindIndex(s)], s, target, after);
        }
        ASSERT_EQ(outcome, moved ? 1 : 2) << "round " << round;
        steps += moved;
        ASSERT_EQ(doc.pageOrder(), model) << "round " << round;
        for (size_t k = 0; k < 3; ++k)
            ASSERT_EQ(doc.cellOrder(kinds[k]), cells[k]) << "round " << round;
    }
    const Chains last = chainsOf(doc, ids);
    ASSERT_EQ(doc.undo().recordCount(), steps);
    for (int i = 0; i < steps; ++i)
        ASSERT_EQ(doc.undo().undo(), 1) << "undo " << i;
    EXPECT_TRUE(chainsOf(doc, ids) == first);
    for (int i = 0; i < steps; ++i)
        ASSERT_EQ(doc.undo().redo(), 1) << "redo " << i;
    EXPECT_TRUE(chainsOf(doc, ids) == last);
}

TEST(DrawingOrder, TheDialogChoosesTheDirection)
{
    TestApplication app;
    EditTestDocument doc;
    OrderChangeSettings& order = *doc.context.orderSettings;
    struct Case {
        int variant, directionBefore, click, end;
        int result, directionAfter, dialogResult;
        int checkedAtStart; // the radio button checked when the dialog opens, 0 for none
    };
    const Case cases[] = {
        {1, 1, IDC_ORDER_BEHIND, IDOK, 1, 3, 1, IDC_ORDER_TO_BACK},
        {1, 3, IDC_ORDER_IN_FRONT, IDOK, 1, 4, 1, IDC_ORDER_BEHIND},
        {0, 1, IDC_ORDER_TO_FRONT, IDCANCEL, 2, 1, -1, IDC_ORDER_TO_BACK},
        {0, 4, IDC_ORDER_TO_BACK, IDOK, 1, 1, 1, 0},
    };
    for (const Case& c : cases) {
        order.variant = c.variant;
        order.direction = c.directionBefore;
        order.dialogResult = -1;
        int checked = -1;
        const INT_PTR result = driveModalDialog([&] { return order.runDialog(); }, [&](HWND window) {
            checked = 0;
            for (int id = IDC_ORDER_TO_BACK; id <= IDC_ORDER_IN_FRONT; ++id)
                if (GetDlgItem(window, id) && IsDlgButtonChecked(window, id))
                    checked = id;
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(c.click, BN_CLICKED), 0);
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(c.end, BN_CLICKED), 0);
        });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(order.direction, c.directionAfter);
        EXPECT_EQ(order.dialogResult, c.dialogResult);
        EXPECT_EQ(checked, c.checkedAtStart);
    }
}

} // namespace
