// The PDF export: one page of 100,000 elements (lines, arcs, boxes, polygons and texts, a fifth
// each) written through the export with its progress window, beside rsvg-convert turning an SVG
// of the same shapes into PDF; then 1,000 pages of 100 elements, whose time per element should
// stay near the single page's. Run by hand:
//     scripts/wine-run build/bench/PdfExportBench.exe
#include <cstdio>
#include <fstream>
#include <new>
#include <string>
#include <windows.h>

#include "BenchHarness.h"
#include "SheetElements.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/PageList.h"
#include "elements/ElementKindRegistry.h"
#include "elements/ElementTextString.h"
#include "elements/TextElementBase.h"
#include "geometry/PickSettings.h"
#include "geometry/PointList.h"
#include "io/pdf/PdfExportCommand.h"
#include "io/pdf/PdfProgressDialog.h"
#include "io/print/PrintRecord.h"
#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "shell/DocumentWindow.h"
#include "shell/MainFrame.h"
#include "shell/StartUp.h"
#include "tests/support/MessagePump.h"
#include "tests/support/UnixScript.h"
#include "views/tools/ElementEditor.h"

namespace {

void settle()
{
    for (int round = 0; round < 100; ++round) {
        bool any = false;
        while (theCurrentEvent->popAndRoute())
            any = true;
        any = pumpUntilIdle() > 0 || any;
        if (!any)
            return;
    }
}

// A line, an arc, a box, a polygon and a text, in turn.
const ElementKind kSheetKinds[] = {ElementKind::Line, ElementKind::Arc, ElementKind::Box, ElementKind::Polygon,
                                   ElementKind::Text};

// The export of the drawing into the file, with its progress window; seconds taken.
double exportSeconds(PdfExportCommand& job, DocumentContext& drawing, const std::string& path, int& ok)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE)
        CloseHandle(h);
    const double start = benchNow();
    job.setContext(&drawing);
    ok = job.open(path.c_str());
    {
        PdfProgressDialog progress;
        progress.begin(0, 1);
        job.progress = &progress;
        ok = ok && job.writeDocument();
        job.progress = nullptr;
    }
    ok = job.close() && ok;
    return benchNow() - start;
}

} // namespace

int main()
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
    settle();
    thePrintSettings = new PrintRecord;
    auto* job = new PdfExportCommand;
    thePdfExportJob = job;
    job->ensureFontFaces();

    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    const std::string base = std::string(folder) + "korvane-pdf-bench";
    int ok = 1;
    double perElement[2] = {};
    for (int round = 0; round < 2; ++round) {
        const int pages = round == 0 ? 1 : 1000, perPage = round == 0 ? 100000 : 100;
        DocumentWindow* window = frame->createDocumentWindow();
        if (!window || !window->context)
            return 1;
        DocumentContext& drawing = *window->context;
        std::string svg = "<svg xmlns='http://www.w3.org/2000/svg' width='210mm' height='297mm' viewBox='0 0 210 297'>\n";
        for (int p = 1; p <= pages; ++p) {
            drawing.pages->setCurrent(p);
            for (int i = 0; i < perPage; ++i)
                ok = addSheetElement(drawing, i, kSheetKinds, 5, round == 0 ? &svg : nullptr) && ok;
        }
        svg += "</svg>\n";
        const std::string pdfPath = base + ".pdf";
        int written = 0;
        const double own = exportSeconds(*job, drawing, pdfPath, written);
        const int count = pages * perPage;
        perElement[round] = own / count;
        std::printf("%d page(s) of %d elements: export %.3f s (%.2f us per element)\n", pages, perPage, own,
                    own / count * 1e6);
        ok = ok && written;
        if (round == 0) {
            const std::string svgPath = base + ".svg";
            std::ofstream(svgPath, std::ios::binary) << svg;
            const std::string command = "rsvg-convert -f pdf -o '" + unixPathOf(base + "-rsvg.pdf") + "' '" +
                                        unixPathOf(svgPath) + "'";
            const double start = benchNow();
            const int converted = runUnixScript(command, base + "-script", 600000);
            const double rsvg = benchNow() - start;
            std::printf("rsvg-convert -f pdf of the same shapes: %.3f s (exit %d); export / rsvg-convert = %.2f\n", rsvg,
                        converted, own / rsvg);
            DeleteFileA(svgPath.c_str());
            DeleteFileA((base + "-rsvg.pdf").c_str());
        }
        // The window stays: closing a changed drawing would ask whether to save it.
    }
    std::printf("1,000 pages against one page: time per element x %.2f\n", perElement[1] / perElement[0]);
    DeleteFileA((base + ".pdf").c_str());
    return ok ? 0 : 1;
}
