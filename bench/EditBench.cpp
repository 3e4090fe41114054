// Editing many elements at once: copy and paste of n elements in n / 2 groups (the paste with its
// undo record), moving n selected elements to the back of their page (with its undo record),
// and candidate queries of a mask index of 100,000 ids. Each of the first two touches every
// element once, so the microseconds per element at n = 1,000 and n = 10,000 should match.
//
// Also the undo log's free-space rule: records written in one step ask the drive once, records
// each in their own step (the history consulted in between) ask it every time.
#include <cstdio>
#include <vector>

#include "BenchHarness.h"
#include "document/ElementClipboard.h"
#include "document/OrderChangeSettings.h"
#include "platform/Application.h"
#include "tests/document/EditTestDocument.h"
#include "tests/support/ClipboardOwner.h"
#include "tests/support/TestApplication.h"

namespace {

struct EditTimes {
    double copy = 0, paste = 0, toBack = 0;
};

void fill(EditTestDocument& doc, int n)
{
    for (int i = 0; i < n; ++i) {
        const double x = (i % 100) * 3.0, y = (i / 100) * 3.0;
        doc.add(i % 2 ? ElementKind::Box : ElementKind::Line, {{x, y, 0}, {x + 2, y + 2, 0}}, 1, 2 + 2 * (i / 2));
    }
}

std::vector<int> allIds(int n)
{
    std::vector<int> ids;
    for (int i = 1; i <= n; ++i)
        ids.push_back(i);
    return ids;
}

EditTimes runOnce(ElementClipboard& clipboard, int n)
{
    EditTimes t;
    EditTestDocument source;
    fill(source, n);
    source.selectTool->choose(allIds(n));
    clipboard.setOwner(&source.context);
    double start = benchNow();
    const int copied = clipboard.copy();
    t.copy = benchNow() - start;

    EditTestDocument target;
    clipboard.setOwner(&target.context);
    start = benchNow();
    const int pasted = clipboard.paste();
    t.paste = benchNow() - start;
    if (!copied || !pasted || target.context.elementCount() != n || target.undo().recordCount() != 1)
        std::printf("unexpected: copy %d, paste %d, %d elements, %d records\n", copied, pasted,
                    target.context.elementCount(), target.undo().recordCount());

    // The pasted elements, all selected, go behind the page's first element.
    OrderChangeSettings& order = *target.context.orderSettings;
    target.selectTool->choose(allIds(n));
    order.direction = OrderChangeSettings::kToBack;
    order.dialogResult = 1;
    start = benchNow();
    const int moved = order.changeOrder();
    t.toBack = benchNow() - start;
    if (moved != 1 || target.undo().recordCount() != 2)
        std::printf("unexpected: order change %d, %d records\n", moved, target.undo().recordCount());
    return t;
}

void benchEdits(ElementClipboard& clipboard)
{
    std::printf("%-8s %16s %16s %16s\n", "elements", "copy us/elem", "paste us/elem", "to back us/elem");
    for (int n : {1000, 10000}) {
        EditTimes best;
        for (int run = 0; run < 3; ++run) {
            EditTimes t = runOnce(clipboard, n);
            if (run == 0 || t.copy < best.copy)
                best.copy = t.copy;
            if (run == 0 || t.paste < best.paste)
                best.paste = t.paste;
            if (run == 0 || t.toBack < best.toBack)
                best.toBack = t.toBack;
        }
        std::printf("%-8d %16.2f %16.2f %16.2f\n", n, best.copy * 1e6 / n, best.paste * 1e6 / n, best.toBack * 1e6 / n);
    }
    // The same with the drive asked for real: the paste writes one record, so it asks once.
    UndoManager::freeSpaceQuery = UndoManager::systemFreeSpace;
    const EditTimes real = runOnce(clipboard, 10000);
    std::printf("10000 with the drive asked: paste %.2f us/elem, to back %.2f us/elem\n", real.paste * 1e6 / 10000,
                real.toBack * 1e6 / 10000);
    UndoManager::freeSpaceQuery = plentyOfFreeSpace;
}

void benchMaskIndex()
{
    ElementMaskIndex index;
    const int n = 100000;
    for (int id = 1; id <= n; ++id) {
        const double x = (id % 300) * 1.0, y = (id / 300) * 1.0;
        if (!index.setElement(id, Point(x, y), Point(x + 5, y + 5), 1 + id % 4)) {
            std::printf("the index could not take id %d\n", id);
            return;
        }
    }
    GlobalBlock out(1000, 4);
    int found = 0;
    const int queries = 200;
    const double start = benchNow();
    for (int q = 0; q < queries; ++q) {
        const double x = (q * 37) % 280;
        found += index.query(index.maskOfRange(x, x + 20, 1), index.maskOfRange(100, 150, 2), 0xFF, 1, out);
    }
    const double seconds = benchNow() - start;
    std::printf("mask index of %d ids: %.1f us per query (%d candidates on average)\n", n, seconds * 1e6 / queries,
                found / queries);
}

// 1,000 records in one step, then 1,000 records each in a step of its own, with the drive asked
// for real.
void benchFreeSpaceRule()
{
    UndoManager::freeSpaceQuery = UndoManager::systemFreeSpace;
    EditTestDocument doc;
    UndoManager& undo = doc.undo();
    const int n = 1000;
    double start = benchNow();
    for (int i = 0; i < n; ++i)
        undo.recordMove(1, 0, 0);
    const double oneStep = benchNow() - start;
    start = benchNow();
    for (int i = 0; i < n; ++i) {
        undo.recordMove(1, 0, 0);
        if (!undo.canUndo())
            std::printf("undo went off\n");
    }
    const double ownSteps = benchNow() - start;
    std::printf("undo record, drive asked once per step: %.2f us; asked per record: %.2f us\n", oneStep * 1e6 / n,
                ownSteps * 1e6 / n);
    UndoManager::freeSpaceQuery = plentyOfFreeSpace;
}

} // namespace

int main()
{
    TestApplication app;
    ClipboardOwner owner;
    if (!owner.ready()) {
        std::printf("the clipboard cannot be opened\n");
        return 1;
    }
    ElementClipboard clipboard;
    theElementClipboard = &clipboard;
    // The table measures the edits themselves; the drive is asked for real further down.
    UndoManager::freeSpaceQuery = plentyOfFreeSpace;
    benchEdits(clipboard);
    benchMaskIndex();
    benchFreeSpaceRule();
    theElementClipboard = nullptr;
    return 0;
}
