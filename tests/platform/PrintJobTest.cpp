// The print job on the test prefix's PostScript printer (Wine's PostScript driver printing into a
// file that Ghostscript then renders), on a device that speaks no PostScript, and without a
// printer.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

#include "platform/Application.h"
#include "platform/FrameWindow.h"
#include "platform/PrintJob.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestPrinter.h"

namespace {

// The data sizes of the PASSTHROUGH escapes sent while a recorder lives.
std::vector<int> passthroughSends;
void* originalEscape = nullptr;

int WINAPI recordEscape(HDC hdc, int escape, int count, LPCSTR input, LPVOID output)
{
    if (escape == PASSTHROUGH && input)
        passthroughSends.push_back(static_cast<unsigned char>(input[0]) | static_cast<unsigned char>(input[1]) << 8);
    return reinterpret_cast<int(WINAPI*)(HDC, int, int, LPCSTR, LPVOID)>(originalEscape)(hdc, escape, count, input,
                                                                                       output);
}

int WINAPI failStartDoc(HDC, const DOCINFOA*) { return SP_ERROR; }
int WINAPI failEscape(HDC, int, int, LPCSTR, LPVOID) { return SP_ERROR; }

// A 24-bit bottom-up BMP as Ghostscript's bmp16m device writes it.
struct Bitmap24 {
    explicit Bitmap24(const std::string& bytes) : data(bytes)
    {
        if (data.size() < 54 || data[0] != 'B' || data[1] != 'M')
            return;
        offset = read32(10);
        width = static_cast<int>(read32(18));
        height = static_cast<int>(read32(22));
        stride = (width * 3 + 3) / 4 * 4;
    }
    unsigned read32(size_t at) const
    {
        return static_cast<unsigned char>(data[at]) | static_cast<unsigned char>(data[at + 1]) << 8 |
               static_cast<unsigned char>(data[at + 2]) << 16 | static_cast<unsigned>(static_cast<unsigned char>(data[at + 3])) << 24;
    }
    // The pixel at (x, y) from the top-left as 0xRRGGBB; -1 outside.
    long pixel(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return -1;
        size_t at = offset + static_cast<size_t>(height - 1 - y) * stride + static_cast<size_t>(x) * 3;
        if (at + 3 > data.size())
            return -1;
        return static_cast<unsigned char>(data[at + 2]) << 16 | static_cast<unsigned char>(data[at + 1]) << 8 |
               static_cast<unsigned char>(data[at]);
    }

    std::string data;
    unsigned offset = 0;
    int width = 0;
    int height = 0;
    int stride = 0;
};

// The print dialog as the user asks for three copies in it, answering as the system dialog does:
// the count goes into the printer's settings when the caller lets the driver make the copies,
// else into nCopies for the caller to print. It notes whether a selection was offered.
bool selectionOffered = false;
BOOL threeCopiesPrintDialog(PRINTDLGA* record)
{
    if (record->Flags & PD_RETURNDEFAULT)
        return PrintDlgA(record);
    selectionOffered = !(record->Flags & PD_NOSELECTION);
    if (!takeDefaultPrinter(record) || !record->hDevMode)
        return FALSE;
    auto* mode = static_cast<DEVMODEA*>(GlobalLock(record->hDevMode));
    if (!mode)
        return FALSE;
    record->nCopies = 3;
    if (record->Flags & PD_USEDEVMODECOPIESANDCOLLATE) {
        mode->dmFields |= DM_COPIES;
        mode->dmCopies = 3;
        record->nCopies = 1;
    }
    GlobalUnlock(record->hDevMode);
    return acceptPrintDialog(record);
}

TEST(PrintJob, ThreeCopiesAskedForInThePrintDialogReachThePrinter)
{
    TestApplication app;
    ASSERT_TRUE(TestPrinter::ensure());
    PrintDialogStandIn dialog(threeCopiesPrintDialog);
    DeleteFileA(TestPrinter::outputPath());
    PrintJob job;
    ASSERT_EQ(job.startDoc(1), 1);
    ASSERT_EQ(job.startPage(), 1);
    EXPECT_EQ(job.endPage(), 1);
    EXPECT_EQ(job.endDoc(), 1);
    EXPECT_NE(ScratchFolder::read(TestPrinter::outputPath()).find("copies=3"), std::string::npos)
        << "the driver's job carries the copies";
    EXPECT_FALSE(selectionOffered) << "a choice the print run does not follow";
}

TEST(PrintJob, WithoutAPrinterDcQueriesAnswerTheirDefaultsAndDocumentsFail)
{
    TestApplication app;
    PrintDialogStandIn dialog(cancelPrintDialog);
    PrintJob job;
    ASSERT_EQ(job.printerDc(), nullptr);
    EXPECT_STREQ(job.documentName, "Tesvan");
    EXPECT_EQ(job.dpiX(), 72);
    EXPECT_EQ(job.dpiY(), 72);
    double width = 0.0;
    double height = 0.0;
    EXPECT_EQ(job.pageSizeMm(width, height), 0);
    EXPECT_EQ(width, 0.0);
    EXPECT_EQ(height, 0.0);
    EXPECT_EQ(job.isPostScript(), 0);

    // The print dialog is cancelled: no document, no message (an unscripted box fails the test).
    EXPECT_EQ(job.startDoc(1), 0);
    EXPECT_EQ(job.startPage(), 0);
    EXPECT_EQ(job.endPage(), 0);
    EXPECT_EQ(job.endDoc(), 0);
    EXPECT_EQ(job.showPrintSetup(), 0);
    EXPECT_EQ(job.setupDone, 0);
    EXPECT_EQ(theApplication->errorCount, 0);

    // Without a buffer passthrough text goes nowhere.
    job.writePassthrough("%!", 2, 1);
    EXPECT_EQ(job.passthroughCount, 0);
    EXPECT_EQ(job.flushPassthrough(), 0);
}

TEST(PrintJob, PrintsPassthroughTextThatGhostscriptRenders)
{
    TestApplication app;
    ASSERT_TRUE(TestPrinter::ensure());
    PrintDialogStandIn dialog(acceptPrintDialog);
    DeleteFileA(TestPrinter::outputPath());

    // The frame's print setup makes the application's one print job.
    FrameWindow frame;
    EXPECT_EQ(frame.showPrintSetup(), 1);
    ASSERT_NE(thePrintJob, nullptr);
    PrintJob& job = *thePrintJob;
    EXPECT_EQ(job.setupDone, 1);
    ASSERT_NE(job.printerDc(), nullptr);
    EXPECT_EQ(job.isPostScript(), 1);
    EXPECT_GT(job.dpiX(), 72);
    EXPECT_EQ(job.dpiX(), job.dpiY());
    double width = 0.0;
    double height = 0.0;
    EXPECT_EQ(job.pageSizeMm(width, height), 1);
    EXPECT_GT(width, 100.0);
    EXPECT_GT(height, width);
    EXPECT_EQ(frame.showPrintSetup(), 1);
    EXPECT_EQ(thePrintJob, &job);

    // 1200 bytes: a black square at 1 to 3 inches from the page's top-left corner (the driver's
    // passthrough space is its device space, 300 dpi, y downwards), then comment lines.
    std::string text = "0 0 0 setrgbcolor 300 300 600 600 rectfill\r\n";
    while (text.size() < 1200) {
        std::string line = "% korvane passthrough " + std::to_string(text.size());
        line.resize(60, '.');
        text += line + "\r\n";
    }
    text.resize(1198);
    text += "\r\n";
    ASSERT_EQ(text.size(), 1200u);

    ASSERT_EQ(job.allocPassthroughBuffer(), 1);
    job.setDocumentName("passthrough");
    ASSERT_EQ(job.startDoc(1), 1);
    ASSERT_EQ(job.startPage(), 1);
    {
        passthroughSends.clear();
        ImportPatch escape("gdi32.dll", "Escape", reinterpret_cast<void*>(recordEscape));
        originalEscape = escape.original();
        ASSERT_NE(originalEscape, nullptr);
        job.writePassthrough(text.data(), static_cast<int>(text.size()), 0);
        EXPECT_EQ(passthroughSends, (std::vector<int>{512, 512}));
        EXPECT_EQ(job.passthroughCount, 176);
        EXPECT_EQ(job.endPageFlushed(), 1);
        EXPECT_EQ(passthroughSends, (std::vector<int>{512, 512, 176}));
        EXPECT_EQ(job.passthroughCount, 0);
    }
    EXPECT_EQ(job.endDoc(), 1);
    EXPECT_EQ(job.passthroughFailures, 0);

    // The pieces arrive in the file in one run, as written.
    std::string printed = ScratchFolder::read(TestPrinter::outputPath());
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.compare(0, 4, "%!PS"), 0);
    EXPECT_NE(printed.find("%%Title: passthrough"), std::string::npos);
    EXPECT_NE(printed.find(text), std::string::npos);

    ScratchFolder scratch;
    std::string picture = scratch.pathOf("page.bmp");
    ASSERT_EQ(renderWithGhostscript(TestPrinter::outputPath(), picture, 72), 0);
    Bitmap24 page(ScratchFolder::read(picture));
    ASSERT_GT(page.width, 216);
    ASSERT_GT(page.height, 216);
    EXPECT_EQ(page.pixel(144, 144), 0x000000);   // inside the square
    EXPECT_EQ(page.pixel(80, 210), 0x000000);
    EXPECT_EQ(page.pixel(300, 144), 0xFFFFFF);   // beside it
    EXPECT_EQ(page.pixel(144, 300), 0xFFFFFF);   // below it
    DeleteFileA(picture.c_str());
}

TEST(PrintJob, APageWhosePassthroughTextIsLostFails)
{
    TestApplication app;
    ASSERT_TRUE(TestPrinter::ensure());
    PrintDialogStandIn dialog(acceptPrintDialog);
    PrintJob job;
    ASSERT_EQ(job.showPrintDialog(), 1);
    job.setDocumentName("lost passthrough");
    ASSERT_EQ(job.startDoc(1), 1);
    // Without passthrough nothing can be lost.
    ASSERT_EQ(job.startPage(), 1);
    EXPECT_EQ(job.endPageFlushed(), 1);

    ASSERT_EQ(job.allocPassthroughBuffer(), 1);
    ASSERT_EQ(job.startPage(), 1);
    job.writePassthrough("0 0 0 setrgbcolor", 17, 1);
    {
        ImportPatch escape("gdi32.dll", "Escape", reinterpret_cast<void*>(failEscape));
        EXPECT_EQ(job.endPageFlushed(), 0);
    }
    EXPECT_EQ(job.passthroughFailures, 1);
    // A later page of the job lacks its text as well.
    ASSERT_EQ(job.startPage(), 1);
    job.writePassthrough("showpage", 8, 1);
    EXPECT_EQ(job.endPageFlushed(), 0);
    EXPECT_EQ(job.endDoc(), 1);
}

TEST(PrintJob, ADeviceWithoutPostScriptRefusesPassthroughAndTheBufferStaysBounded)
{
    TestApplication app;
    PrintDialogStandIn dialog(memoryDcPrintDialog);
    PrintJob job;
    ASSERT_EQ(job.showPrintDialog(), 1);
    ASSERT_NE(job.printerDc(), nullptr);
    EXPECT_EQ(job.isPostScript(), 0);

    ASSERT_EQ(job.allocPassthroughBuffer(), 1);
    std::string bytes(2000, 'x');
    job.writePassthrough(bytes.data(), 100, 1);
    EXPECT_EQ(job.passthroughCount, 102);
    // The device takes no PASSTHROUGH escape: the send fails and stops all sending of the job.
    EXPECT_EQ(job.flushPassthrough(), 0);
    EXPECT_EQ(job.passthroughFailures, 1);
    job.writePassthrough(bytes.data(), 2000, 1);
    job.writePassthrough(bytes.data(), 600, 0);
    EXPECT_LE(job.passthroughCount, PrintJob::kMaxWaiting);
    EXPECT_EQ(job.flushPassthrough(), 0);
    EXPECT_EQ(job.passthroughFailures, 1);

    // A StartDoc that fails is reported once, and only when asked.
    MessageBoxScript boxes;
    ImportPatch startDoc("gdi32.dll", "StartDocA", reinterpret_cast<void*>(failStartDoc));
    EXPECT_EQ(job.startDocQuiet(), 0);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(job.startDoc(1), 0);
    EXPECT_EQ(boxes.texts(), "StartDocに失敗しました");
    EXPECT_EQ(theApplication->errorCount, 1);
}

} // namespace
