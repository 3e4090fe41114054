// Undo and redo checked against a model, run by hand:
//
//     UndoRedoFuzz.exe [--texts | --pictures] COUNT SEED [--case N [--trace]]
//
// runs cases 0 .. COUNT-1 of SEED (from N on with --case; "1 SEED --case N" replays case N alone):
// each a random sequence of real edits on a drawing of the frame, every undo and redo compared
// with the drawing it should give back, and the drawing saved after undo-all and redo-all and
// opened again (tests/shell/UndoRedoModel.h). With --texts the sequences work on texts: typing
// undone or redone, which leaves the text in edit, then moves, handles and dialogs on it; with
// --pictures on pictures with masks: their frames brought to no width or height and out again,
// and every mask tool. Prints
// each failure with its case and steps, then the figures; the exit code is 1 when one failed.
// --trace prints each step of the run with the records applied and the page's elements in order.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <windows.h>

#include "BenchHarness.h"
#include "document/Document.h"
#include "document/Element.h"
#include "document/ElementClipboard.h"
#include "platform/MessageBox.h"
#include "tests/shell/ShellFixture.h"
#include "tests/shell/UndoRedoModel.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"

namespace {

// A message box would stop an unattended run: it is answered with Cancel and fails the case.
std::string boxes;
int recordBox(HWND, const char* text, const char* caption, UINT)
{
    boxes += std::string(boxes.empty() ? "" : " | ") + (caption ? caption : "") + ": " + (text ? text : "");
    return IDCANCEL;
}

// The shell tests' frame with a document window, made and closed outside a test.
class ModelFrame : public ViewFrameTest {
public:
    void TestBody() override {}
    void open() { SetUp(); }
    void close() { TearDown(); }
    MainFrame& mainFrame() { return frame; }
};

int usage()
{
    std::fprintf(stderr, "usage: UndoRedoFuzz.exe [--texts | --pictures] COUNT SEED [--case N [--trace]]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const bool texts = argc > 1 && !std::strcmp(argv[1], "--texts");
    const bool pictures = argc > 1 && !std::strcmp(argv[1], "--pictures");
    if (texts || pictures) {
        --argc;
        ++argv;
    }
    if (argc != 3 && argc != 5 && argc != 6)
        return usage();
    const long long count = std::atoll(argv[1]);
    const unsigned long long seed = std::strtoull(argv[2], nullptr, 10);
    long long first = 0;
    if (argc >= 5) {
        if (std::strcmp(argv[3], "--case") || (argc == 6 && std::strcmp(argv[5], "--trace")))
            return usage();
        first = std::atoll(argv[4]);
    }
    if (count < 1 || first < 0)
        return usage();
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    setMessageBoxFunction(recordBox);
    makeBaseElement = newBaseElement; // as start-up does

    ModelFrame frame;
    frame.open();
    ElementClipboard clipboard;
    ScopedOverride<ElementClipboard*> installed{theElementClipboard, &clipboard};
    ScratchFolder scratch;
    undo_model::Checker checker(frame.mainFrame(), scratch.path());
    if (argc == 6)
        checker.trace = [](const std::string& line) { std::printf("  %s\n", line.c_str()); };
    long long failures = 0;
    const double start = benchNow();
    for (long long n = first; n < first + count; ++n) {
        const std::vector<undo_model::Step> steps =
            texts      ? undo_model::randomTextSequence(seed, n)
            : pictures ? undo_model::randomPictureSequence(seed, n)
                       : undo_model::randomSequence(seed, n);
        boxes.clear();
        std::string found = checker.run(steps);
        if (!boxes.empty())
            found += (found.empty() ? "" : "; ") + std::string("message boxes: ") + boxes;
        if (!found.empty()) {
            ++failures;
            std::printf("case %lld of seed %llu: %s\n  steps: %s\n", n, seed, found.c_str(),
                        undo_model::describe(steps).c_str());
        }
        if ((n - first + 1) % 100 == 0)
            std::printf("%lld cases, %lld failures, %.0f s\n", n - first + 1, failures, benchNow() - start);
        std::fflush(stdout);
    }
    std::printf("cases %lld, failures %lld, edits recorded %lld, undo and redo steps compared %lld, %.1f s\n", count,
                failures, checker.recordedEdits, checker.comparedSteps, benchNow() - start);
    frame.close();
    return failures ? 1 : 0;
}
