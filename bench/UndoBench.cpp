// The undo log over many records: n single-element moves are recorded, then all undone, then all
// redone, in a drawing of 100 elements. Records are found by relative seeks from the file
// position, without any index, so the cost of a step must not depend on how long the log is: the
// microseconds per step at n = 1,000 and n = 10,000 should match.
#include <cstdio>

#include "BenchHarness.h"
#include "platform/Application.h"
#include "platform/FileName.h"
#include "tests/document/UndoTestDocument.h"

namespace {

struct StepTimes {
    double record = 0, undo = 0, redo = 0;
};

StepTimes runOnce(int n)
{
    UndoTestDocument doc;
    UndoManager& undo = doc.undo();
    int ids[100];
    for (int i = 0; i < 100; ++i)
        ids[i] = doc.add(ElementKind::Line, {{static_cast<double>(i), 0, 0}, {static_cast<double>(i), 10, 0}});

    StepTimes t;
    int failed = 0;
    double start = benchNow();
    for (int i = 0; i < n; ++i) {
        int id = ids[i % 100];
        doc.selectTool->select({id});
        undo.captureSelection();
        if (!doc.editor->beginEdit(id)) {
            ++failed;
            continue;
        }
        doc.editor->held()->translate(1.0, 0.5, 0.0);
        failed += !doc.editor->storeBack(id);
        undo.recordMove(1.0, 0.5, 0.0);
    }
    t.record = benchNow() - start;

    start = benchNow();
    while (undo.undo()) {
    }
    t.undo = benchNow() - start;

    start = benchNow();
    while (undo.redo()) {
    }
    t.redo = benchNow() - start;

    if (undo.appliedCount() != n || undo.recordCount() != n || failed)
        std::printf("unexpected: %d applied of %d, %d moves failed\n", undo.appliedCount(), undo.recordCount(), failed);
    return t;
}

} // namespace

int main()
{
    theApplication = new Application; // for the error reports of the file layer
    // The free-space query runs after every record; the bench measures the log itself.
    UndoManager::freeSpaceQuery = plentyOfFreeSpace;
    std::printf("%-8s %14s %14s %14s\n", "moves", "record us/step", "undo us/step", "redo us/step");
    for (int n : {1000, 10000}) {
        StepTimes best;
        for (int run = 0; run < 3; ++run) {
            StepTimes t = runOnce(n);
            if (run == 0 || t.record < best.record)
                best.record = t.record;
            if (run == 0 || t.undo < best.undo)
                best.undo = t.undo;
            if (run == 0 || t.redo < best.redo)
                best.redo = t.redo;
        }
        std::printf("%-8d %14.2f %14.2f %14.2f\n", n, best.record * 1e6 / n, best.undo * 1e6 / n, best.redo * 1e6 / n);
    }

    // What the query costs on the real disk, once per record.
    UndoManager::freeSpaceQuery = UndoManager::systemFreeSpace;
    {
        UndoTestDocument doc;
        const FileName& log = doc.undo().log().tempFile().fileName();
        unsigned long long bytes = 0;
        int answered = 0;
        double start = benchNow();
        for (int i = 0; i < 1000; ++i)
            answered += UndoManager::systemFreeSpace(log, bytes);
        std::printf("free-space query: %.2f us per record (%llu MB free)\n", (benchNow() - start) * 1e3, bytes >> 20);
        if (answered != 1000)
            std::printf("the query failed %d times\n", 1000 - answered);
    }
    delete theApplication;
    theApplication = nullptr;
    return 0;
}
