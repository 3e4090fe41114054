// Opening a drawing of 100,000 elements as the command line does, through the main frame into its
// empty window, until the queue is empty again (where the next idle event comes), beside reading
// the same file straight into a drawing. The frame's share is the difference. Both are measured
// with the application's progress window (as the program runs) and without one. Then the menu
// states with four windows open.
#include <cstdio>
#include <string>
#include <windows.h>

#include "BenchDrawing.h"
#include "BenchHarness.h"
#include "FrameEvents.h"
#include "document/FileProgress.h"
#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/EventRouter.h"
#include "shell/DocumentWindow.h"
#include "shell/MainFrame.h"
#include "shell/StartUp.h"

using namespace bench_drawing;

namespace {

const int kElements = 100000;
const int kPages = 10;

using frame_events::settle;

// A document window whose drawing has the benchmark's document and page list.
class BenchWindow : public DocumentWindow {
public:
    BenchWindow()
    {
        if (!context)
            return;
        useBenchMembers(*context);
        context->document->setOwner(context);
        context->pages->setOwner(context);
    }
};

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Reads the file straight into a drawing and opens it through the frame, six times each; prints
// the medians of the last five. 0 when a read failed or no window could be made.
int measureOpen(MainFrame& frame, const std::string& path, const char* label, int& count)
{
    int ok = 1;
    std::vector<double> straight;
    std::vector<double> throughFrame;
    for (int run = 0; run < 6; ++run) {
        DocumentContext* target = makeDrawing();
        ok = target->document->assign(path.c_str()) && ok;
        double start = benchNow();
        {
            XmlContextScope publish(target->document);
            ok = target->document->read() && ok;
        }
        const double read = benchNow() - start;
        dropDrawing(target);

        DocumentWindow* window = frame.addDocumentWindow(new BenchWindow);
        settle();
        if (!window) {
            std::printf("no window\n");
            return 0;
        }
        start = benchNow();
        (void)frame.openFileFromCommandLine(path.c_str()); // the count below tells whether it read
        settle();
        const double open = benchNow() - start;
        count = window->context ? window->context->elementCount() : 0;
        ::postCloseRequest(window->serial);
        settle();
        if (run > 0) {
            straight.push_back(read);
            throughFrame.push_back(open);
        }
    }
    const double read = median(straight);
    const double open = median(throughFrame);
    std::printf("%s: read 100,000 elements %.1f ms; opened through the frame %.1f ms; the frame's share %.1f %%; "
                "%d elements in the window\n",
                label, read * 1000, open * 1000, (open - read) / read * 100, count);
    return ok;
}

} // namespace

int main()
{
    theApplication = new Application;
    theApplication->instance = GetModuleHandleA(nullptr);
    theApplication->showCommand = SW_HIDE;
    nameApplication(*theApplication);

    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "korvane-frame-bench.ycx";
    DocumentContext* source = makeDrawing();
    const int made = fillBenchDrawing(source, kElements, kPages);
    int ok = made == kElements && source->document->setPathAndTitle(path.c_str());
    {
        XmlContextScope publish(source->document);
        ok = ok && source->document->write();
    }
    dropDrawing(source);
    if (!ok) {
        std::printf("the drawing could not be written\n");
        return 1;
    }

    // The windows' drawings get the benchmark's members.
    documentMemberFactories.editor4 = [](DocumentContext&) -> ElementEditorBase* { return new Editor; };

    auto* frame = new MainFrame;
    theApplication->frame = frame;
    if (!frame->create()) {
        std::printf("the frame could not be made\n");
        return 1;
    }
    settle();

    // As the program runs, with the progress window (which pumps a message per element), and bare.
    int count = 0;
    for (FileProgress* (*progress)() : {makeFileProgress, static_cast<FileProgress* (*)()>(nullptr)}) {
        makeFileProgress = progress;
        ok = measureOpen(*frame, path, progress ? "with the progress window" : "without a progress window", count) && ok;
    }

    for (int i = 0; i < 4; ++i)
        (void)frame->addDocumentWindow(new BenchWindow); // a window that cannot be made only makes the list shorter
    settle();
    BenchResult menus = runBenchmark("updateMenus with four windows", [&] { frame->updateMenus(); }, 200, 10);
    std::printf("updateMenus with %d windows: median %.3f ms, min %.3f ms\n", frame->documentCount(),
                menus.medianSeconds * 1000, menus.minSeconds * 1000);

    DestroyWindow(frame->hwnd());
    settle();
    theApplication->frame = nullptr;
    delete frame;
    DeleteFileA(path.c_str());
    return ok && count == kElements ? 0 : 1;
}
