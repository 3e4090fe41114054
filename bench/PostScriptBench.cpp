// The PostScript writer: a page of lines, arcs, boxes and texts (a quarter each) written to a file
// at 100,000 and 200,000 elements, beside rsvg-convert turning an SVG of the same shapes into
// PostScript; a 4000 x 3000 image through writeImage (MB/s of hex text); and the same page sent to
// the test printer as passthrough. Run by hand:
//     scripts/wine-run build/bench/PostScriptBench.exe
#include <cstdio>
#include <fstream>
#include <string>
#include <windows.h>

#include "BenchHarness.h"
#include "document/DocumentContext.h"
#include "elements/Element.h"
#include "elements/ElementKindRegistry.h"
#include "elements/TextElementBase.h"
#include "geometry/DoubleRect.h"
#include "geometry/FontAttributes.h"
#include "geometry/PickSettings.h"
#include "io/print/PrintRecord.h"
#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/DibImage.h"
#include "platform/PrintJob.h"
#include "platform/StringUtil.h"
#include "shell/DocumentWindow.h"
#include "shell/MainFrame.h"
#include "shell/StartUp.h"
#include "tests/support/MessagePump.h"
#include "tests/support/TestPrinter.h"
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

// Element i of the page: a line, an arc, a box or a text, spread over the sheet.
int addElement(DocumentContext& drawing, int i, std::string& svg)
{
    ElementEditor& editor = *drawing.editor3;
    const double x = 10 + (i * 7) % 180, y = 10 + (i * 13) % 270;
    const int kinds[] = {kindCode(ElementKind::Line), kindCode(ElementKind::Arc), kindCode(ElementKind::Box),
                         kindCode(ElementKind::Text)};
    const int kind = kinds[i % 4];
    if (editor.startNewElement(kind) != 1)
        return 0;
    Element* e = editor.elementInHand();
    char line[256];
    switch (i % 4) {
    case 0:
        e->setPoint(1, x, y, 0), e->setPoint(2, x + 15, y + 5, 0);
        std::snprintf(line, sizeof line, "<line x1='%g' y1='%g' x2='%g' y2='%g' stroke='black'/>\n", x, y, x + 15, y + 5);
        break;
    case 1:
        e->setPoint(1, x, y, 0), e->setPoint(2, x + 10, y, 0), e->setPoint(3, x + 5, y - 5, 0);
        std::snprintf(line, sizeof line, "<path d='M%g %g A5 5 0 0 1 %g %g' fill='none' stroke='black'/>\n", x, y, x + 10, y);
        break;
    case 2:
        e->setPoint(1, x, y, 0), e->setPoint(2, x + 12, y + 8, 0);
        std::snprintf(line, sizeof line, "<rect x='%g' y='%g' width='12' height='8' fill='none' stroke='black'/>\n", x, y);
        break;
    default: {
        auto* text = dynamic_cast<TextElementBase*>(e);
        if (!text)
            return 0;
        e->setPoint(1, x, y, 0);
        text->insertTextAt(0, "Korvane", 7);
        std::snprintf(line, sizeof line, "<text x='%g' y='%g' font-size='4'>Korvane</text>\n", x, y + 3.4);
        break;
    }
    }
    svg += line;
    return editor.addToPage() >= 1;
}

double secondsOf(const std::function<int()>& work, int& ok)
{
    const double start = benchNow();
    ok = work();
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

    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    const std::string base = std::string(folder) + "korvane-ps-bench";
    int ok = 1;
    double perElement[2] = {};
    for (int round = 0; round < 2; ++round) {
        const int count = round == 0 ? 100000 : 200000;
        DocumentWindow* window = frame->createDocumentWindow();
        if (!window || !window->context)
            return 1;
        DocumentContext& drawing = *window->context;
        auto& record = *dynamic_cast<PrintRecord*>(drawing.printSettings);
        std::string svg = "<svg xmlns='http://www.w3.org/2000/svg' width='210mm' height='297mm' viewBox='0 0 210 297'>\n";
        for (int i = 0; i < count; ++i)
            ok = addElement(drawing, i, svg) && ok;
        svg += "</svg>\n";
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
        if (round == 0 && TestPrinter::ensure()) {
            // The same page to the test printer as passthrough.
            PrintDialogStandIn dialog(acceptPrintDialog);
            record.postScript().usePostScript = 1;
            int printed = 1;
            const double sent = secondsOf(
                [&] {
                    (void)driveModalDialog(
                        [&] {
                            record.print();
                            return INT_PTR(0);
                        },
                        [](HWND d) { PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); });
                    return 1;
                },
                printed);
            std::printf("%d elements as passthrough to the test printer: %.3f s\n", count, sent);
        }
        PostMessageA(window->hwnd(), WM_CLOSE, 0, 0);
        settle();
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
    return ok && imageOk ? 0 : 1;
}
