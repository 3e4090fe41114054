// The PostScript writer: a page of lines, arcs, boxes and texts (a quarter each) written to a file
// at 100,000 and 200,000 elements (or the counts given), beside rsvg-convert turning an SVG of the
// same shapes into PostScript; a 4000 x 3000 image through writeImage (MB/s of hex text); and the
// same page printed on the test printer with "psout" ON, checked in the spooled job. Run by hand:
//     scripts/wine-run build/bench/PostScriptBench.exe [count [doubled count]]
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <windows.h>

#include "BenchHarness.h"
#include "SheetElements.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "elements/ElementKindRegistry.h"
#include "elements/TextElementBase.h"
#include "geometry/DoubleRect.h"
#include "geometry/FontAttributes.h"
#include "geometry/PickSettings.h"
#include "io/print/PrintRecord.h"
#include "platform/Application.h"
#include "platform/DibImage.h"
#include "platform/MessageBox.h"
#include "platform/PrintJob.h"
#include "platform/StringUtil.h"
#include "shell/DocumentWindow.h"
#include "shell/MainFrame.h"
#include "shell/StartUp.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestPrinter.h"
#include "tests/support/UnixScript.h"
#include "views/tools/ElementEditor.h"

namespace {

// A line, an arc, a box and a text, in turn.
const ElementKind kSheetKinds[] = {ElementKind::Line, ElementKind::Arc, ElementKind::Box, ElementKind::Text};

double secondsOf(const std::function<int()>& work, int& ok)
{
    const double start = benchNow();
    ok = work();
    return benchNow() - start;
}

// How often `part` occurs in `text`.
int occurrences(const std::string& text, const char* part)
{
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// Closing a drawing asks whether to save it: the answer is No. Any other box is a failure.
int unexpectedBoxes = 0;
int answerMessageBox(HWND, const char* text, const char* caption, UINT style)
{
    if ((style & MB_TYPEMASK) == MB_YESNOCANCEL)
        return IDNO;
    std::printf("unexpected message box: %s: %s\n", caption ? caption : "", text ? text : "");
    ++unexpectedBoxes;
    return IDOK;
}

// The print job's own part of the print command: from the progress window's creation (right
// after StartDoc) to the end of the command, without the settings dialog and its preview.
double jobStart = 0.0;
HHOOK progressHook = nullptr;
LRESULT CALLBACK watchProgressWindow(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && jobStart == 0.0) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        if (create->lpcs->lpszName && !IS_INTRESOURCE(create->lpcs->lpszName) &&
            std::string(create->lpcs->lpszName) == "printing")
            jobStart = benchNow();
    }
    return CallNextHookEx(progressHook, code, wParam, lParam);
}

// Prints the drawing's current page with "psout" ON on the test printer and reports the command's
// and the job's time; 0 when the spooled job does not hold the page the file job wrote.
int printAsPassthrough(PrintRecord& record, int count, const std::string& fileJob)
{
    if (!TestPrinter::ensure()) {
        std::printf("no test printer: passthrough not measured\n");
        return 1;
    }
    DeleteFileA(TestPrinter::outputPath());
    PrintDialogStandIn dialog(acceptPrintDialog);
    record.postScript().usePostScript = 1;
    jobStart = 0.0;
    progressHook = SetWindowsHookExA(WH_CBT, watchProgressWindow, nullptr, GetCurrentThreadId());
    const double start = benchNow();
    (void)driveModalDialog(
        [&] {
            record.print();
            return INT_PTR(0);
        },
        [](HWND d) { PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); });
    const double end = benchNow();
    UnhookWindowsHookEx(progressHook);
    const std::string spooled = ScratchFolder::read(TestPrinter::outputPath());
    const char* const marker = "%%BeginDocument: Wine passthrough";
    const size_t at = spooled.find(marker);
    const std::string sent = at == std::string::npos ? std::string() : spooled.substr(at);
    // The file job's page: the same strokes and texts (the printer ends its sheet itself).
    const int strokes = occurrences(fileJob, "_sp\r\n"), texts = occurrences(fileJob, "_sw\r\n");
    const int complete = !sent.empty() && occurrences(sent, "_sp\r\n") == strokes &&
                         occurrences(sent, "_sw\r\n") == texts && sent.find("%%EOF") != std::string::npos;
    std::printf("%d elements as passthrough to the test printer: print command %.3f s, job %.3f s (%.2f us per "
                "element), %.1f MB sent, %s\n",
                count, end - start, jobStart > 0.0 ? end - jobStart : 0.0,
                jobStart > 0.0 ? (end - jobStart) / count * 1e6 : 0.0, sent.size() / 1e6,
                complete ? "the whole page" : "INCOMPLETE");
    return complete;
}

} // namespace

int main(int argc, char** argv)
{
    theApplication = new Application;
    theApplication->instance = GetModuleHandleA(nullptr);
    theApplication->showCommand = SW_HIDE;
    nameApplication(*theApplication);
    theKindRegistry = makeKindRegistry();
    PickSettings pick;
    thePickSettings = &pick;
    auto* frame = new MainFrame;
    theApplication->frame = frame;
    if (!frame->create())
        return 1;
    settleEventsAndMessages();
    thePrintSettings = new PrintRecord;
    setMessageBoxFunction(answerMessageBox);

    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    const std::string base = std::string(folder) + "korvane-ps-bench";
    int ok = 1;
    double perElement[2] = {};
    const int counts[2] = {argc > 1 ? std::atoi(argv[1]) : 100000, argc > 2 ? std::atoi(argv[2]) : 200000};
    for (int round = 0; round < 2; ++round) {
        const int count = counts[round];
        DocumentWindow* window = frame->createDocumentWindow();
        if (!window || !window->context || count < 1)
            return 1;
        DocumentContext& drawing = *window->context;
        auto& record = *dynamic_cast<PrintRecord*>(drawing.printSettings);
        std::string svg = "<svg xmlns='http://www.w3.org/2000/svg' width='210mm' height='297mm' viewBox='0 0 210 297'>\n";
        const double built = benchNow();
        for (int i = 0; i < count; ++i)
            ok = addSheetElement(drawing, i, kSheetKinds, 4, &svg) && ok;
        svg += "</svg>\n";
        std::printf("%d elements: drawing built in %.3f s\n", count, benchNow() - built);
        const std::string psPath = base + ".ps", svgPath = base + ".svg";
        int written = 0;
        const double own = secondsOf([&] { return record.writePageToFile(psPath.c_str()); }, written);
        std::ofstream(svgPath, std::ios::binary) << svg;
        const std::string command = "rsvg-convert -f ps -o '" + unixPathOf(base + "-rsvg.ps") + "' '" +
                                    unixPathOf(svgPath) + "'";
        int converted = -1;
        const double rsvg = secondsOf([&] { return runUnixScript(command, base + "-script", 600000); }, converted);
        std::printf("%d elements: writer %.3f s (%.2f us per element), rsvg-convert -f ps %.3f s (exit %d)\n", count,
                    own, own / count * 1e6, rsvg, converted);
        perElement[round] = own / count;
        ok = ok && written;
        if (round == 0)
            ok = printAsPassthrough(record, count, ScratchFolder::read(psPath)) && ok;
        PostMessageA(window->hwnd(), WM_CLOSE, 0, 0);
        settleEventsAndMessages();
    }
    std::printf("doubling the elements: time per element x %.2f\n", perElement[1] / perElement[0]);

    // A 4000 x 3000 image written as hex text.
    DibImage image;
    image.width = 4000;
    image.height = 3000;
    image.setRowStride(DibImage::strideFor24Bits(4000));
    ok = image.allocatePixels(image.getRowStride() * 3000) && ok;
    PostScriptWriter writer;
    DoubleRect rect;
    rect.set(10, 10, 200, 150);
    int imageOk = 0;
    const std::string imagePath = base + "-image.ps";
    const double imageTime = secondsOf(
        [&] {
            return writer.startFileJob(imagePath.c_str()) && writer.beginPage() && writer.writeImage(image, rect) &&
                   writer.endPage() && writer.endFileJob();
        },
        imageOk);
    HANDLE h = CreateFileA(imagePath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    const double bytes = h == INVALID_HANDLE_VALUE ? 0.0 : static_cast<double>(GetFileSize(h, nullptr));
    if (h != INVALID_HANDLE_VALUE)
        CloseHandle(h);
    std::printf("4000 x 3000 image: %.3f s, %.1f MB of hex text, %.0f MB/s\n", imageTime, bytes / 1e6,
                bytes / 1e6 / imageTime);
    DeleteFileA(imagePath.c_str());
    DeleteFileA((base + ".ps").c_str());
    DeleteFileA((base + "-rsvg.ps").c_str());
    DeleteFileA((base + ".svg").c_str());
    return ok && imageOk && !unexpectedBoxes ? 0 : 1;
}
