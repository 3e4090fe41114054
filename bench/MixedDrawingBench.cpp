// A large drawing of mixed kinds (bench/MixedDrawing.h), built through the real element editor in
// a document window of the real frame, 10,000, 100,000 and 1,000,000 elements from a fixed seed.
// Per size it prints what a user waits for:
//   - open: the file read and the first page painted, through the frame and the progress window
//     as a user opens a file (until the queue is empty again); then the navigator's miniature
//     and the page bar's thumbnail, which follow at idle time;
//   - save, with the progress window;
//   - a new scale judged in 用紙設定 (whether every stored element could still be written);
//   - redraw at fit and at 800 %: the view alone, and as the program refreshes after a change
//     (the view, the navigator and the page bar); a scroll by a line; a zoom to a scale not
//     drawn at before;
//   - select all, move all, its undo and its redo, each until the window is redrawn;
//   - an arrow key on 10,000 selected elements (a band at the left of the sheet), posted to the
//     window as a key press and release, until the window is redrawn;
//   - a pick at the middle of the sheet and off the sheet;
//   - the peak working set of the process (each size runs in a process of its own).
// Then the read and the redraw cost per element of each kind (10,000 of one kind) against a line.
//
//   MixedDrawingBench.exe                      every size, then the kinds
//   MixedDrawingBench.exe --size N             one size (what the first form runs per size)
//   MixedDrawingBench.exe --kinds              the kinds alone
//   MixedDrawingBench.exe --files FOLDER N     writes FOLDER\mixed.ycx and FOLDER\mixed.svg
//   MixedDrawingBench.exe --process EXE FILE   starts EXE FILE and prints the seconds until its
//                                              first page is painted and its peak working set
// bench/compare-with-rsvg runs the last two against rsvg-convert.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>
#include <windows.h>

#include <psapi.h>

#include "BenchHarness.h"
#include "FrameEvents.h"
#include "MixedDrawing.h"
#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementMaskIndex.h"
#include "document/ElementStore.h"
#include "document/FileProgress.h"
#include "document/SheetSettings.h"
#include "document/ViewUpdater.h"
#include "geometry/DoubleRect.h"
#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/EventRouter.h"
#include "shell/DocumentWindow.h"
#include "shell/FrameCommands.h"
#include "shell/MainFrame.h"
#include "shell/StartUp.h"
#include "shell/panes/WorkspaceLayout.h"
#include "views/ViewMapping.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/MoveTool.h"
#include "views/tools/SelectTool.h"

using namespace mixed_drawing;

namespace {

const uint64_t kSeed = 20240601;

using frame_events::settle;

// Idle events as the main loop posts them when the queue runs dry, delivered.
void idle()
{
    for (int i = 0; i < 4; ++i)
        (void)theCurrentEvent->postIdle();
    settle();
}

double peakMegabytes(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters))
        return -1.0;
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

std::string tempPath(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name;
}

// Times body `runs` times; the median in seconds (a body that answers seconds times itself).
template <typename Body> double medianOf(int runs, Body body)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = benchNow();
        if constexpr (std::is_same_v<decltype(body()), double>) {
            times.push_back(body());
        } else {
            body();
            times.push_back(benchNow() - start);
        }
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void row(const char* what, double seconds, int elements)
{
    std::printf("  %-44s %10.1f ms  %8.2f us/element\n", what, seconds * 1e3, seconds * 1e6 / elements);
}

// The application as start-up makes it (frame maximised, panes, the first drawing), without a
// drawing on the command line.
MainFrame* startApplication()
{
    theApplication = new Application;
    theApplication->instance = GetModuleHandleA(nullptr);
    theApplication->showCommand = SW_SHOWMAXIMIZED;
    if (!initApplication())
        return nullptr;
    settle();
    return dynamic_cast<MainFrame*>(theApplication->frame);
}

// A new empty window through the frame, made active.
DocumentWindow* newWindow(MainFrame& frame)
{
    DocumentWindow* window = frame.createDocumentWindow();
    settle();
    return window;
}

// Fills the window's drawing with n pieces through the tools' element editor; the count stored.
template <typename Each> int fill(DocumentWindow& window, Each forEach)
{
    ElementEditorBase* editor = window.context->editor3;
    int made = 0;
    forEach([&](const Piece& p) { made += addPiece(*editor, p) >= 1; });
    return made;
}

// Writes the window's drawing to path without a progress window.
int writeTo(DocumentWindow& window, const std::string& path)
{
    Document* document = window.context->document;
    if (!document->setPathAndTitle(path.c_str()))
        return 0;
    const int saved = document->showProgress;
    document->showProgress = 0;
    int written = 0;
    {
        XmlContextScope publish(document);
        written = document->write();
    }
    document->showProgress = saved;
    if (written)
        document->markSaved();
    return written;
}

// Opens the file as the command line does, into a new empty window, until the first paint is
// done; the window.
DocumentWindow* openThroughFrame(MainFrame& frame, const std::string& path, double& seconds)
{
    DocumentWindow* window = newWindow(frame);
    if (!window)
        return nullptr;
    const double start = benchNow();
    (void)frame.openFileFromCommandLine(path.c_str()); // the element count tells whether it read
    settle();
    seconds = benchNow() - start;
    return window;
}

void closeWindow(DocumentWindow* window)
{
    ::postCloseRequest(window->serial);
    settle();
}

ViewMapping* viewOf(DocumentWindow& window) { return dynamic_cast<ViewMapping*>(window.context->view); }

// The redraws of the current view: the view alone, and as a full refresh redraws it (the view,
// the navigator's miniature and the page bar, until the next idle time).
void measureRedraws(DocumentWindow& window, const char* at, int n, int runs)
{
    ViewUpdater* updater = window.context->updater;
    char label[80];
    const double view = medianOf(runs, [&] {
        updater->redrawPage();
        updater->flushPainter();
        GdiFlush();
    });
    std::snprintf(label, sizeof label, "redraw at %s, view only", at);
    row(label, view, n);
    const double refreshed = medianOf(runs, [&] {
        updater->refreshAll();
        updater->repaint();
        idle();
        GdiFlush();
    });
    std::snprintf(label, sizeof label, "redraw at %s, as refreshed", at);
    row(label, refreshed, n);
}

// The pick of a click at a drawing point: the candidates of the pick box and the first that
// passes its hit test.
double measurePick(SelectTool& tool, double x, double y, int& found)
{
    const int repeats = 200;
    return medianOf(9, [&] {
               for (int i = 0; i < repeats; ++i) {
                   tool.setPickBox(x, y, 1);
                   found = tool.findInPickBox();
               }
           }) /
           repeats;
}

// The ids of the band of the sheet's left side that holds `count` elements (the leftmost ink as
// the view shows it: a polyline whose band turns sharply has an extent reaching far past its
// points, which the view at fit does not draw), in page order.
std::vector<int> leftBand(DocumentContext& context, int count)
{
    std::vector<std::pair<double, int>> lefts;
    ElementStore* store = context.elementStore();
    const double scale = Element::viewScaleOf(&context);
    for (int id = 1; id <= store->highestId(); ++id) {
        DoubleRect extent;
        if (store->isLive(id) && context.maskIndex->inkExtentOf(id, scale, extent))
            lefts.push_back({extent.minX, id});
    }
    std::sort(lefts.begin(), lefts.end());
    std::vector<int> ids;
    for (int i = 0; i < count && i < static_cast<int>(lefts.size()); ++i)
        ids.push_back(lefts[i].second);
    std::sort(ids.begin(), ids.end());
    return ids;
}

// One arrow key pressed and released over the window, delivered as the program delivers it.
void pressArrow(DocumentWindow& window, int key)
{
    PostMessageA(window.hwnd(), WM_KEYDOWN, static_cast<WPARAM>(key), 1);
    PostMessageA(window.hwnd(), WM_KEYUP, static_cast<WPARAM>(key), static_cast<LPARAM>(0xC0000001u));
    settle();
}

int runSize(int n)
{
    MainFrame* frame = startApplication();
    if (!frame) {
        std::printf("the frame could not be made\n");
        return 1;
    }
    const int runs = n <= 100000 ? 3 : 1;
    const std::string path = tempPath(("korvane-mixed-" + std::to_string(n) + ".ycx").c_str());
    std::printf("%d elements (seed %llu), %s\n", n, static_cast<unsigned long long>(kSeed), path.c_str());

    // Built through the editor and written.
    {
        DocumentWindow* built = frame->activeDocument();
        const double start = benchNow();
        const int made = fill(*built, [&](auto each) { forEachPiece(n, kSeed, each); });
        const double build = benchNow() - start;
        if (made != n || !writeTo(*built, path)) {
            std::printf("the drawing could not be built (%d of %d) or written\n", made, n);
            return 1;
        }
        row("built through the element editor", build, n);
        closeWindow(built);
    }

    // Opened as a user opens it; the last window opened stays for the rest.
    DocumentWindow* window = nullptr;
    std::vector<double> opens;
    for (int i = 0; i < runs; ++i) {
        if (window)
            closeWindow(window);
        double seconds = 0.0;
        window = openThroughFrame(*frame, path, seconds);
        opens.push_back(seconds);
    }
    std::sort(opens.begin(), opens.end());
    if (!window || window->context->elementCount() != n) {
        std::printf("the drawing did not open whole (%d elements)\n", window ? window->context->elementCount() : -1);
        return 1;
    }
    row("open + first paint (progress window)", opens[opens.size() / 2], n);
    {
        const double start = benchNow();
        idle();
        row("then the miniatures at idle time", benchNow() - start, n);
    }

    DocumentContext& context = *window->context;
    row("save (progress window)", medianOf(runs, [&] {
            if (!window->save())
                std::printf("the save failed\n");
            settle();
        }),
        n);

    // OK in 用紙設定 with a new scale: the elements stored are judged against it.
    auto* sheet = dynamic_cast<SheetSettings*>(context.paper);
    row("a new scale judged against the elements", medianOf(runs, [&] {
            if (!sheet || !sheet->canTakeScale(1, 100))
                std::printf("the new scale was refused\n");
        }),
        n);

    ViewMapping* view = viewOf(*window);
    (void)view->fitSheet();
    settle();
    {
        RECT client;
        GetClientRect(window->hwnd(), &client);
        std::printf("  view of %ld x %ld pixels, zoom at fit %.3f\n", client.right, client.bottom, view->zoom);
    }
    measureRedraws(*window, "fit", n, runs);

    SelectTool* tool = SelectTool::of(&context);
    int found = 0;
    const double middle = measurePick(*tool, kSheetWidth / 2.0, kSheetHeight / 2.0, found);
    std::printf("  %-44s %10.4f ms  (found %d)\n", "pick at the middle of the sheet", middle * 1e3, found);
    double off = 0.0;
    for (const Xy& at : {Xy{-15.0, -15.0}, Xy{kSheetWidth + 15.0, kSheetHeight / 2.0}, Xy{kSheetWidth / 2.0, -15.0}})
        off = std::max(off, measurePick(*tool, at.x, at.y, found));
    std::printf("  %-44s %10.4f ms  (slowest of three)\n", "pick off the sheet", off * 1e3);

    // The first select of a drawing takes the extents its marks stand on; then three at every
    // size.
    auto selectAll = [&] {
        (void)context.selectAll();
        settle();
    };
    row("select all, the first", medianOf(1, selectAll), n);
    row("select all, again", medianOf(3, selectAll), n);
    MoveTool* mover = MoveTool::of(&context);
    double move = 0.0, undo = 0.0, redo = 0.0;
    for (int i = 0; i < runs; ++i) {
        double start = benchNow();
        if (!mover->moveBy(1.5, 0.75, 0.0))
            std::printf("the move failed\n");
        settle();
        move += benchNow() - start;
        start = benchNow();
        if (!context.undo())
            std::printf("the undo failed\n");
        settle();
        undo += benchNow() - start;
        start = benchNow();
        if (!context.redo())
            std::printf("the redo failed\n");
        settle();
        redo += benchNow() - start;
        idle();
    }
    row("move all", move / runs, n);
    row("undo of the move", undo / runs, n);
    row("redo of the move", redo / runs, n);

    // An arrow key on 10,000 selected elements, right and left in turn.
    const int selected = std::min(10000, n);
    tool->clearSelection();
    tool->setSelectionMode(2);
    for (int id : leftBand(context, selected))
        tool->addToSelection(id);
    settle();
    // The select tool is the current tool, as after a click on its button.
    if (WorkspaceLayout* panes = WorkspaceLayout::installed())
        panes->setCurrentCommand(TOOL_SELECT);
    int key = VK_RIGHT;
    const double arrow = medianOf(runs * 3, [&] {
        pressArrow(*window, key);
        key = key == VK_RIGHT ? VK_LEFT : VK_RIGHT;
    });
    std::printf("  %-44s %10.1f ms  %8.2f us/selected\n", "arrow key on 10,000 selected", arrow * 1e3,
                arrow * 1e6 / selected);
    idle();

    (void)view->setZoomTo(8.0);
    view->centreOn(kSheetWidth / 2.0, kSheetHeight / 2.0);
    settle();
    measureRedraws(*window, "800 %", n, runs);
    // A click on a scroll bar's arrow: the strip it uncovers is drawn.
    int down = 1;
    row("scroll by a line at 800 %, to the redrawn window", medianOf(runs * 3, [&] {
            SendMessageA(window->hwnd(), WM_HSCROLL, down ? SB_LINEDOWN : SB_LINEUP, 0);
            down = !down;
            settle();
        }),
        n);
    // A zoom to a scale the view has not drawn at yet, as the View menu zooms: a text measured at
    // another scale is measured again only when it may show.
    double zoomTo = 8.0;
    row("zoom to a new scale, to the redrawn window", medianOf(runs * 3, [&] {
            zoomTo += 0.25;
            (void)view->setZoomTo(zoomTo);
            settle();
        }),
        n);

    std::printf("  %-44s %10.1f MB\n", "peak working set", peakMegabytes(GetCurrentProcess()));
    std::fflush(stdout);
    DeleteFileA(path.c_str());
    // The drawing is changed: the process ends without asking about it.
    ExitProcess(0);
}

// The fastest of `runs` redraws of a window's page, in seconds.
double fastestRedraw(DocumentWindow& window, int runs)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const double start = benchNow();
        window.context->updater->redrawPage();
        GdiFlush();
        best = std::min(best, benchNow() - start);
    }
    return best;
}

// The read and the redraw of 10,000 elements of one kind, per element, against a line. The line
// drawing stays open and each kind's redraws alternate with its own, the fastest of each taken:
// the ratio then holds on a machine whose speed changes from one second to the next.
int runKinds()
{
    MainFrame* frame = startApplication();
    if (!frame)
        return 1;
    const int n = 10000;
    const ElementKind kinds[] = {ElementKind::Line,   ElementKind::Breakline, ElementKind::Box,
                                 ElementKind::Circle, ElementKind::Arc,       ElementKind::Text,
                                 ElementKind::Measure, ElementKind::Bezier,   ElementKind::MsrRadius};
    makeFileProgress = nullptr;
    double lineRead = 0.0;
    DocumentWindow* lines = nullptr;
    std::printf("10,000 elements of one kind: read (without progress window) and view redraw at fit\n");
    for (ElementKind kind : kinds) {
        const std::string path = tempPath("korvane-kind.ycx");
        DocumentWindow* built = newWindow(*frame);
        if (fill(*built, [&](auto each) { forEachPieceOfKind(kind, n, kSeed, each); }) != n || !writeTo(*built, path)) {
            std::printf("%s could not be built\n", kElementKindRows[kindCode(kind) - 1].keyword);
            return 1;
        }
        closeWindow(built);
        DocumentWindow* window = nullptr;
        const double read = medianOf(3, [&] {
            if (window)
                closeWindow(window);
            window = newWindow(*frame);
            Document* document = window->context->document;
            const double start = benchNow();
            XmlContextScope publish(document);
            if (!document->assign(path.c_str()) || !document->read())
                std::printf("the read failed\n");
            const double seconds = benchNow() - start;
            document->markSaved();
            return seconds;
        }) / n;
        (void)viewOf(*window)->fitSheet();
        settle();
        if (kind == ElementKind::Line)
            lineRead = read, lines = window;
        double redraw = 1e300, lineRedraw = 1e300;
        for (int round = 0; round < 5; ++round) {
            lineRedraw = std::min(lineRedraw, fastestRedraw(*lines, 3) / n);
            redraw = std::min(redraw, fastestRedraw(*window, 3) / n);
        }
        std::printf("  %-14s read %8.2f us (%5.1f x line)   redraw %8.2f us (%5.1f x line)\n",
                    kElementKindRows[kindCode(kind) - 1].keyword, read * 1e6, read / lineRead, redraw * 1e6,
                    redraw / lineRedraw);
        std::fflush(stdout);
        DeleteFileA(path.c_str());
        if (window != lines) {
            window->context->document->markSaved();
            closeWindow(window);
        }
    }
    ExitProcess(0);
}

int writeFiles(const char* folder, int n)
{
    MainFrame* frame = startApplication();
    if (!frame)
        return 1;
    const std::string base = std::string(folder) + "\\mixed";
    DocumentWindow* window = frame->activeDocument();
    if (fill(*window, [&](auto each) { forEachPiece(n, kSeed, each); }) != n || !writeTo(*window, base + ".ycx"))
        return 1;
    FILE* svg = std::fopen((base + ".svg").c_str(), "wb");
    if (!svg)
        return 1;
    {
        SvgWriter writer(svg);
        forEachPiece(n, kSeed, [&](const Piece& p) { writer.write(p); });
    }
    std::fclose(svg);
    std::printf("%s.ycx and %s.svg: %d elements\n", base.c_str(), base.c_str(), n);
    std::fflush(stdout);
    ExitProcess(0);
}

// --- the whole process ---

struct Found {
    DWORD pid;
    const char* name;
    HWND frame = nullptr;
    HWND drawing = nullptr;
    int progress = 0;
};

BOOL CALLBACK findChild(HWND hwnd, LPARAM data)
{
    auto* f = reinterpret_cast<Found*>(data);
    char cls[64] = {}, title[MAX_PATH] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, title, sizeof title);
    if (std::strcmp(cls, "korvaneDoc") == 0 && std::strstr(title, f->name))
        f->drawing = hwnd;
    return TRUE;
}

BOOL CALLBACK findTop(HWND hwnd, LPARAM data)
{
    auto* f = reinterpret_cast<Found*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != f->pid)
        return TRUE;
    char cls[64] = {}, title[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, title, sizeof title);
    if (std::strcmp(cls, "korvane") == 0)
        f->frame = hwnd;
    if (std::strcmp(title, "file in/out") == 0 && IsWindowVisible(hwnd))
        f->progress = 1;
    return TRUE;
}

double cpuSeconds(HANDLE process)
{
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user))
        return 0.0;
    auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) * 1e-7;
    };
    return seconds(kernel) + seconds(user);
}

// Starts `exe file` and waits until the drawing's window, titled with the file's name, has no
// part left to paint, no progress window is up and the process then stays idle (under 30 ms of
// processor time in 400 ms); prints the seconds until then and the peak working set.
int timeProcess(const char* exe, const char* file)
{
    const char* slash = std::strrchr(file, '\\');
    std::string name = slash ? slash + 1 : file;
    name = name.substr(0, name.rfind('.'));
    std::string line = std::string("\"") + exe + "\" \"" + file + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    const double start = benchNow();
    if (!CreateProcessA(exe, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        std::printf("%s could not be started\n", exe);
        return 1;
    }
    double painted = -1.0;
    while (benchNow() - start < 600.0 && WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
        Found f{info.dwProcessId, name.c_str()};
        EnumWindows(findTop, reinterpret_cast<LPARAM>(&f));
        if (f.frame)
            EnumChildWindows(f.frame, findChild, reinterpret_cast<LPARAM>(&f));
        if (!f.drawing || f.progress || GetUpdateRect(f.drawing, nullptr, FALSE)) {
            Sleep(2);
            continue;
        }
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(f.drawing, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer);
        const double candidate = benchNow() - start;
        const double cpu = cpuSeconds(info.hProcess);
        Sleep(400);
        if (cpuSeconds(info.hProcess) - cpu < 0.03) {
            painted = candidate;
            break;
        }
    }
    const double peak = peakMegabytes(info.hProcess);
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 10000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    if (painted < 0.0) {
        std::printf("no painted page\n");
        return 1;
    }
    std::printf("%.3f s  %.1f MB\n", painted, peak);
    return 0;
}

// Runs this program again with the arguments, its output into ours; its exit code.
int runChild(const std::string& arguments)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string line = std::string("\"") + self + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info = {};
    std::fflush(stdout);
    if (!CreateProcessA(self, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
        return 1;
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return static_cast<int>(code);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--size") == 0)
        return runSize(std::atoi(argv[2]));
    if (argc >= 2 && std::strcmp(argv[1], "--kinds") == 0)
        return runKinds();
    if (argc >= 4 && std::strcmp(argv[1], "--files") == 0)
        return writeFiles(argv[2], std::atoi(argv[3]));
    if (argc >= 4 && std::strcmp(argv[1], "--process") == 0)
        return timeProcess(argv[2], argv[3]);
    int failed = 0;
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {10000, 100000, 1000000};
    for (int n : sizes)
        failed |= runChild("--size " + std::to_string(n));
    failed |= runChild("--kinds");
    return failed;
}
