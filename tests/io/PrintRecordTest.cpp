// The print record: its section of the drawing file (also damaged), the settings dialog, the
// printer conversions, and print runs on the test prefix's PostScript printer through GDI and as
// PostScript passthrough, with Cancel, a failed StartDoc and a failed write.
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <string>

#include "document/CropMarkSettings.h"
#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "document/PageList.h"
#include "io/print/PrintRecord.h"
#include "platform/Application.h"
#include "platform/DeviceContext.h"
#include "platform/PrintJob.h"
#include "resources/ids_print.h"
#include "tests/io/PrintFixture.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestPrinter.h"

namespace {

const char* const kPassthrough = "%%BeginDocument: Wine passthrough";

// The passthrough text of a spooled job: what follows the driver's line.
std::string passthroughOf(const std::string& spooled)
{
    const size_t at = spooled.find(kPassthrough);
    return at == std::string::npos ? "" : spooled.substr(at + std::string(kPassthrough).size());
}

// Sets a dialog field's text as the user types it.
void type(HWND dialog, int id, const char* text) { SetDlgItemTextA(dialog, id, text); }

// The page range the dialog shows, as "first-last".
std::string pageRangeShown(HWND dialog)
{
    char first[16] = {}, last[16] = {};
    GetDlgItemTextA(dialog, IDC_PRINT_FIRST_PAGE, first, sizeof first);
    GetDlgItemTextA(dialog, IDC_PRINT_LAST_PAGE, last, sizeof last);
    return std::string(first) + "-" + last;
}

// StartPage and StartDocA stand-ins.
void* realStartPage = nullptr;
int startPages = 0;
int WINAPI cancellingStartPage(HDC dc)
{
    if (++startPages == 1) {
        HWND progress = FindWindowA(nullptr, "printing");
        if (progress)
            PostMessageA(progress, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    return reinterpret_cast<int(WINAPI*)(HDC)>(realStartPage)(dc);
}
int WINAPI failStartDoc(HDC, const DOCINFOA*) { return SP_ERROR; }
void* realEndDoc = nullptr;
int endDocs = 0;
int WINAPI countingEndDoc(HDC dc)
{
    ++endDocs;
    return reinterpret_cast<int(WINAPI*)(HDC)>(realEndDoc)(dc);
}
void* realEndPage = nullptr;
int endPages = 0;
int WINAPI countingEndPage(HDC dc)
{
    ++endPages;
    return reinterpret_cast<int(WINAPI*)(HDC)>(realEndPage)(dc);
}

// A writer that fails from its first write after the second "_np".
class FailingWriter : public PostScriptWriter {
protected:
    int putBytes(const char* bytes, int n) override
    {
        if (paths >= 2)
            return 0;
        if (n == 3 && std::string(bytes, 3) == "_np")
            ++paths;
        return PostScriptWriter::putBytes(bytes, n);
    }
    int paths = 0;
};

class PrintRun : public PrintDrawing {
protected:
    void SetUp() override
    {
        PrintDrawing::SetUp();
        ASSERT_TRUE(TestPrinter::ensure());
        DeleteFileA(TestPrinter::outputPath());
    }
    // The print command with the settings dialog answered by `onDialog` (which ends it).
    void print(const std::function<void(HWND)>& onDialog)
    {
        (void)driveModalDialog(
            [&] {
                record().print();
                return INT_PTR(0);
            },
            onDialog);
    }
    std::string spooled() { return fileText(TestPrinter::outputPath()); }

    PrintDialogStandIn printDialog{acceptPrintDialog};
};

TEST_F(PrintDrawing, ThePrintSectionRoundTripsAndDamagedOnesLoseNothingElse)
{
    ScratchFolder scratch;
    ASSERT_GE(addLine(10, 10, 50, 50), 1);
    record().offsetX = 12.5;
    record().offsetY = -3.25;
    record().postScript().usePostScript = 1;
    const std::string path = scratch.pathOf("print.ycx");
    ASSERT_EQ(drawing().document->assign(path.c_str()), 1);
    {
        XmlContextScope publish(drawing().document);
        ASSERT_EQ(drawing().document->write(), 1);
    }
    const std::string saved = fileText(path);
    const size_t begin = saved.find("<print>"), end = saved.find("</print>") + 8;
    ASSERT_NE(begin, std::string::npos);
    EXPECT_NE(saved.find("<x>12.5</x>"), std::string::npos);
    EXPECT_NE(saved.find("<psout>\"ON\"</psout>"), std::string::npos);

    struct Case {
        const char* name;
        std::string section;
        double x, y;
        int psout;
        int opens;
        int psoutBefore = 0;   // the switch before the file is read
    };
    const Case cases[] = {
        {"as saved", saved.substr(begin, end - begin), 12.5, -3.25, 1, 1},
        {"psout in lower case", "<print>\r\n<psout>\"on\"</psout>\r\n</print>", 0, 0, 1, 1, 1},
        {"offsets not numbers and too large",
         "<print>\r\n<offset>\r\n<x>abc</x>\r\n<y>99999</y>\r\n</offset>\r\n<psout>\"OFF\"</psout>\r\n</print>", 0, 0, 0, 1},
        {"an offset of 1e308", "<print>\r\n<offset>\r\n<x>1e308</x>\r\n</offset>\r\n</print>", 0, 0, 0, 1},
        {"an unknown child holding nested tags",
         "<print>\r\n<layer>\r\n<grid>\r\n<x>7</x>\r\n</grid>\r\n</layer>\r\n<offset>\r\n<x>2</x>\r\n</offset>\r\n</print>", 2, 0, 0, 1},
        {"crop marks", "<print>\r\n<autoTombo>\r\n<chkOut>\"TRUE\"</chkOut>\r\n</autoTombo>\r\n<offset>\r\n<y>4</y>\r\n</offset>\r\n</print>", 0, 4, 0, 1},
        {"cut off inside offset", "<print>\r\n<offset>\r\n<x>5", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const std::string file = scratch.pathOf("case.ycx");
        {
            HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            const std::string text = saved.substr(0, begin) + c.section + (c.opens ? saved.substr(end) : "");
            DWORD n = 0;
            WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &n, nullptr);
            CloseHandle(h);
        }
        MessageBoxScript boxes;
        DocumentWindow* other = frame.createDocumentWindow();
        ASSERT_TRUE(other && other->context) << c.name;
        settle();
        auto* read = dynamic_cast<PrintRecord*>(other->context->printSettings);
        ASSERT_TRUE(read) << c.name;
        read->postScript().usePostScript = c.psoutBefore;
        ASSERT_EQ(other->context->assignFile(file.c_str()), 1) << c.name;
        const int opened = other->context->openFile();
        if (c.opens) {
            EXPECT_EQ(opened, 1) << c.name << ": " << boxes.texts();
            if (std::string(c.name).find("1e308") != std::string::npos)
                EXPECT_LE(std::fabs(read->offsetX), 1000.0) << "no offset beyond a metre is taken";
            else
                EXPECT_EQ(read->offsetX, c.x) << c.name;
            EXPECT_EQ(read->offsetY, c.y) << c.name;
            EXPECT_EQ(read->postScript().usePostScript, c.psout) << c.name;
            EXPECT_GE(other->context->elementStore()->liveCount(), 1) << c.name << ": the elements are read";
        }
        if (std::string(c.name) == "crop marks") {
            EXPECT_EQ(other->context->cropMarks->cropMarksOn.isOn(), 1);
        }
        boxes.answer(IDNO); // a drawing read only in part may count as changed: not saved
        PostMessageA(other->hwnd(), WM_CLOSE, 0, 0);
        settle();
        ASSERT_EQ(frame.documentCount(), 1) << c.name;
    }
}

TEST_F(PrintDrawing, ThePageRangeTheCentringAndTheOffsetsInDrawingUnits)
{
    goToPage(3);
    record().firstPage = record().lastPage = 2;
    record().allPages = 1;
    record().normalisePageRange();
    EXPECT_EQ(record().firstPage, 1);
    EXPECT_EQ(record().lastPage, 3);
    record().allPages = 0;
    record().firstPage = 7;
    record().lastPage = 0;
    record().normalisePageRange();
    EXPECT_EQ(record().firstPage, 3);
    EXPECT_EQ(record().lastPage, 3);

    setPaper(210, 297, 2);
    record().offsetX = 10;
    EXPECT_EQ(record().horizontalOffset(), 20.0) << "at 1:2 10 mm are 20 drawing millimetres";
    // The elements take them: a line from drawing (20, 20), paper (10, 10) at 1:2, starts at
    // paper 20 mm with the offset.
    ScratchFolder scratch;
    ASSERT_GE(addLine(20, 20, 40, 20), 1);
    const std::string path = scratch.pathOf("offset.ps");
    for (const double offset : {0.0, 10.0}) {
        record().offsetX = offset;
        ASSERT_EQ(record().writePageToFile(path.c_str()), 1);
        EXPECT_NE(fileText(path).find(offset == 0.0 ? "\n28.346 813.543 _m" : "\n56.693 813.543 _m"), std::string::npos)
            << offset;
    }

    // Paper larger than the printer's page: negative centring, the centres meet.
    ASSERT_TRUE(TestPrinter::ensure());
    PrintDialogStandIn dialog(acceptPrintDialog);
    ASSERT_TRUE(app->ensurePrintJob());
    ASSERT_EQ(thePrintJob->showPrintDialog(), 1);
    double width = 0, height = 0;
    ASSERT_EQ(thePrintJob->pageSizeMm(width, height), 1);
    setPaper(420, 594);
    record().centreOnPaper();
    EXPECT_LT(record().centringX, 0.0);
    EXPECT_LT(record().centringY, 0.0);
    EXPECT_DOUBLE_EQ(record().centringX + 420 / 2.0, width / 2);
    EXPECT_DOUBLE_EQ(record().centringY + 594 / 2.0, height / 2);
    // The printer's pixels: 1 inch is the resolution, a drawing inch at 1:2 half of it.
    EXPECT_EQ(record().mmToPrinterX(25.4, 0), thePrintJob->dpiX());
    setPaper(210, 297, 2);
    EXPECT_EQ(record().mmToPrinterY(50.8, 1), thePrintJob->dpiY());
    EXPECT_NEAR(record().printerToMm(thePrintJob->dpiX(), 1), 50.8, 1e-9);
}

TEST_F(PrintDrawing, ThePreviewShowsThePageInsideTheWholeRedOutlineOfThePrintersPage)
{
    ASSERT_TRUE(TestPrinter::ensure());
    PrintDialogStandIn dialog(acceptPrintDialog);
    ASSERT_TRUE(app->ensurePrintJob());
    ASSERT_EQ(thePrintJob->showPrintDialog(), 1);
    ASSERT_GE(addLine(20, 60, 190, 60), 1);
    DibSurface surface(140, 200, RGB(1, 2, 3));
    // The preview's white and dark pixels and the red outline's box and pixel count.
    int white = 0, dark = 0, red = 0;
    RECT box = {};
    const auto preview = [&] {
        record().centreOnPaper();
        DeviceContext target;
        target.attachHdc(surface.hdc);
        ASSERT_EQ(record().drawPreview(target, IntRect::fromEdges(0, 0, surface.width, surface.height)), 1);
        target.detachHdc();
        white = dark = red = 0;
        box = {surface.width, surface.height, -1, -1};
        for (int y = 0; y < surface.height; ++y)
            for (int x = 0; x < surface.width; ++x) {
                const COLORREF c = surface.pixel(x, y);
                white += c == RGB(255, 255, 255);
                dark += GetRValue(c) < 64 && GetGValue(c) < 64 && GetBValue(c) < 64 && c != RGB(1, 2, 3);
                if (c != RGB(255, 0, 0))
                    continue;
                ++red;
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                       std::max<LONG>(box.bottom, y)};
            }
    };
    struct Case {
        const char* name;
        double paperWidth, paperHeight, offsetX;
    } cases[] = {
        {"A4 portrait", 210, 297, 0},
        {"A4 landscape under a portrait printer's page", 297, 210, 0},
        {"offset 20 mm to the left", 210, 297, -20},
    };
    int portraitLeft = -1;
    for (const Case& c : cases) {
        setPaper(c.paperWidth, c.paperHeight);
        record().offsetX = c.offsetX;
        preview();
        EXPECT_GT(white, surface.width * surface.height / 5) << c.name << ": the sheet shows through the page";
        EXPECT_GT(dark, 20) << c.name << ": the line is drawn";
        EXPECT_LT(dark, 4 * surface.width) << c.name << ": nothing but the line is dark";
        // The whole outline is seen: four sides inside the picture.
        EXPECT_GT(box.left, 0) << c.name;
        EXPECT_GT(box.top, 0) << c.name;
        EXPECT_LT(box.right, surface.width - 1) << c.name;
        EXPECT_LT(box.bottom, surface.height - 1) << c.name;
        EXPECT_GE(red, 2 * (box.right - box.left + box.bottom - box.top) - 8) << c.name;
        EXPECT_GT(box.bottom - box.top, box.right - box.left) << c.name << ": the printer's page is portrait";
        if (c.offsetX == 0 && c.paperWidth < c.paperHeight) {
            portraitLeft = box.left;
        } else if (c.offsetX < 0) {
            EXPECT_GT(box.left, portraitLeft + 5) << "the printer's page moves right over the sheet";
        }
    }
}

TEST_F(PrintRun, AllPagesPrintsThreeSheetsThroughGdiAndCancelKeepsTheOffsets)
{
    for (int page = 1; page <= 3; ++page) {
        goToPage(page);
        ASSERT_GE(addLine(20, 20, 100, 20 * page), 1);
    }
    goToPage(2);
    drawing().document->markSaved();
    // Offsets typed, then Cancel: nothing stored, nothing printed, the drawing unchanged.
    print([](HWND dialog) {
        type(dialog, IDC_PRINT_OFFSET_X, "15");
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(record().offsetX, 0.0);
    EXPECT_TRUE(spooled().empty());
    EXPECT_FALSE(drawing().isModified());

    // Every page ticked, then unticked: the current page alone is printed.
    std::string shown;
    print([&](HWND dialog) {
        CheckDlgButton(dialog, IDC_PRINT_ALL_PAGES, BST_CHECKED);
        click(dialog, IDC_PRINT_ALL_PAGES);
        CheckDlgButton(dialog, IDC_PRINT_ALL_PAGES, BST_UNCHECKED);
        click(dialog, IDC_PRINT_ALL_PAGES);
        shown = pageRangeShown(dialog);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(shown, "2-2");
    EXPECT_EQ(occurrences(spooled(), "%%Page: "), 1);
    DeleteFileA(TestPrinter::outputPath());

    print([&](HWND dialog) {
        CheckDlgButton(dialog, IDC_PRINT_ALL_PAGES, BST_CHECKED);
        click(dialog, IDC_PRINT_ALL_PAGES);
        shown = pageRangeShown(dialog);
        type(dialog, IDC_PRINT_OFFSET_Y, "5");
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(shown, "1-3");
    EXPECT_EQ(record().offsetY, 5.0);
    EXPECT_TRUE(drawing().isModified()) << "the offset is kept in the file: closing asks to save it";
    EXPECT_EQ(drawing().currentPage(), 2) << "the current page comes back";
    const std::string printed = spooled();
    EXPECT_EQ(occurrences(printed, "%%Page: "), 3);
    EXPECT_EQ(passthroughOf(printed), "") << "GDI drew the pages";
    ScratchFolder scratch;
    EXPECT_EQ(ghostscriptPageCount(TestPrinter::outputPath(), scratch.pathOf("gs")), 3);
}

// An offset beyond 1 km (a save of the drawing would fail on the largest, and the drawing would
// lie off every page) is refused by the field's name with プリント: the dialog stays open with the
// record's offset shown again, and nothing is taken or printed. A field that holds no number keeps
// the record's offset without a word.
TEST_F(PrintRun, AnOffsetTheFileCannotHoldKeepsTheOldOne)
{
    ASSERT_GE(addLine(20, 20, 100, 40), 1);
    struct Case {
        const char* x;
        const char* y;
        const char* message; // "" when both are taken and the page printed
        const char* shownX;  // the fields after プリント
        const char* shownY;
        double takenX, takenY;
    };
    const Case cases[] = {
        {"-1e300", "2.5", "横X(→)移動量には数値を入力して下さい。", "4", "2.5", 4.0, -1.5},
        {"1e400", "2.5", "横X(→)移動量には数値を入力して下さい。", "4", "2.5", 4.0, -1.5},
        {"2.5", "1e300", "縦Y(↓)移動量には数値を入力して下さい。", "2.5", "-1.5", 4.0, -1.5},
        {"1000001", "-1000001", "横X(→)移動量には数値を入力して下さい。", "4", "-1.5", 4.0, -1.5},
        {"1000000", "-1000000", "", "", "", 1e6, -1e6},
        {"abc", "", "", "", "", 4.0, -1.5},
        {"-.5", "-", "", "", "", -0.5, -1.5},
        {"", "1e300", "縦Y(↓)移動量には数値を入力して下さい。", "", "-1.5", 4.0, -1.5},
    };
    for (const Case& c : cases) {
        MessageBoxScript boxes;
        record().offsetX = 4.0;
        record().offsetY = -1.5;
        DeleteFileA(TestPrinter::outputPath());
        std::string shownX, shownY;
        print([&](HWND dialog) {
            type(dialog, IDC_PRINT_OFFSET_X, c.x);
            type(dialog, IDC_PRINT_OFFSET_Y, c.y);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            if (!c.message[0])
                return; // taken: the dialog has ended
            char text[64] = {};
            GetDlgItemTextA(dialog, IDC_PRINT_OFFSET_X, text, sizeof text);
            shownX = text;
            GetDlgItemTextA(dialog, IDC_PRINT_OFFSET_Y, text, sizeof text);
            shownY = text;
            // A refusal leaves the dialog open; this ends it.
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        const std::string row = std::string(c.x) + " " + c.y;
        EXPECT_EQ(boxes.texts(), c.message) << row;
        if (c.message[0]) {
            EXPECT_EQ(shownX, c.shownX) << row;
            EXPECT_EQ(shownY, c.shownY) << row;
        }
        EXPECT_EQ(record().offsetX, c.takenX) << row;
        EXPECT_EQ(record().offsetY, c.takenY) << row;
        EXPECT_EQ(occurrences(spooled(), "%%Page: "), c.message[0] ? 0 : 1) << row;
    }
}

TEST_F(PrintRun, CancelDuringTheFirstPageEndsTheRun)
{
    for (int page = 1; page <= 3; ++page) {
        goToPage(page);
        for (int i = 0; i < 20; ++i)
            ASSERT_GE(addLine(10, 10 + i, 100, 10 + i), 1);
    }
    goToPage(1);
    record().allPages = 1;
    startPages = 0;
    ImportPatch startPage("gdi32.dll", "StartPage", reinterpret_cast<void*>(cancellingStartPage));
    realStartPage = startPage.original();
    ASSERT_NE(realStartPage, nullptr);
    print([](HWND dialog) {
        CheckDlgButton(dialog, IDC_PRINT_ALL_PAGES, BST_CHECKED);
        click(dialog, IDC_PRINT_ALL_PAGES);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(startPages, 1);
    EXPECT_EQ(occurrences(spooled(), "%%Page: "), 1);
}

TEST_F(PrintRun, WithPsoutTheCurrentPageGoesAsPostScriptWhereGdiPutsIt)
{
    ScratchFolder scratch;
    setPaper(210, 297);
    goToPage(2);
    ASSERT_GE(addLine(0, 0, 1, 1), 1);
    goToPage(1);
    ASSERT_GE(addLine(30, 40, 130, 40), 1);
    ASSERT_GE(addText(30, 60, "表示(1)", "ＭＳ ゴシック"), 1);
    ASSERT_GE(addText(30, 80, "face", "NoSuchFace"), 1);
    const auto ok = [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); };
    print(ok);
    const std::string gdi = scratch.pathOf("gdi.ps");
    ASSERT_TRUE(CopyFileA(TestPrinter::outputPath(), gdi.c_str(), FALSE));
    const InkedBox gdiBox = ghostscriptBoundingBox(gdi, scratch.pathOf("gs"));

    DeleteFileA(TestPrinter::outputPath());
    record().postScript().usePostScript = 1;
    record().allPages = 1;
    print([](HWND dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_PRINT_ALL_PAGES), BST_UNCHECKED);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(record().postScript().usePostScript, 1) << "the test printer speaks PostScript";
    const std::string text = passthroughOf(spooled());
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(occurrences(text, "%%Page: "), 1) << "only the current page";
    EXPECT_EQ(occurrences(text, "_sp\r\n"), 1) << "the first page's one line";
    EXPECT_NE(text.find("(\x95\x5C\x5C\x8E\xA6\\(1\\)) _sw"), std::string::npos);
    EXPECT_EQ(occurrences(text, "/GothicBBB-Medium-90ms-RKSJ-H"), 2) << "the unknown face prints in the standard font";
    EXPECT_EQ(text.find("_spg\r\n%%PageTrailer"), std::string::npos) << "the printer ends its sheet";
    // Both outputs put the line and the texts at the same place of the sheet.
    const InkedBox psBox = ghostscriptBoundingBox(TestPrinter::outputPath(), scratch.pathOf("gs"));
    ASSERT_TRUE(gdiBox.found);
    ASSERT_TRUE(psBox.found);
    EXPECT_NEAR(psBox.left, gdiBox.left, 3);
    EXPECT_NEAR(psBox.bottom, gdiBox.bottom, 3);
    EXPECT_NEAR(psBox.right, gdiBox.right, 3);
    EXPECT_NEAR(psBox.top, gdiBox.top, 3);
    EXPECT_NEAR(psBox.left, (30 + record().centringX) * 72 / 25.4, 2) << "the line starts 30 mm from the paper's left";
}

TEST_F(PrintRun, AFailedStartDocIsShownOnBothPathsAndAFailedWriteStillEndsTheJob)
{
    ASSERT_GE(addLine(10, 10, 20, 20), 1);
    ASSERT_GE(addLine(10, 30, 20, 40), 1);
    ASSERT_GE(addLine(10, 50, 20, 60), 1);
    const auto ok = [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); };
    for (int postScript = 0; postScript <= 1; ++postScript) {
        record().postScript().usePostScript = postScript;
        MessageBoxScript boxes;
        ImportPatch startDoc("gdi32.dll", "StartDocA", reinterpret_cast<void*>(failStartDoc));
        print(ok);
        EXPECT_EQ(boxes.texts(), "StartDocに失敗しました") << postScript;
    }
    EXPECT_TRUE(spooled().empty());

    record().replaceWriter(std::make_unique<FailingWriter>());
    record().postScript().usePostScript = 1;
    endDocs = endPages = 0;
    {
        ImportPatch endDoc("gdi32.dll", "EndDoc", reinterpret_cast<void*>(countingEndDoc));
        realEndDoc = endDoc.original();
        ImportPatch endPage("gdi32.dll", "EndPage", reinterpret_cast<void*>(countingEndPage));
        realEndPage = endPage.original();
        print(ok);
    }
    EXPECT_EQ(endPages, 1) << "the page is ended";
    EXPECT_EQ(endDocs, 1) << "the document is ended";
    EXPECT_EQ(record().postScript().failed(), 1);
    const std::string text = passthroughOf(spooled());
    EXPECT_LE(occurrences(text, "_np"), 2) << "the job stops in the second element";
    EXPECT_EQ(text.find("%%Trailer"), std::string::npos);
}

TEST_F(PrintDrawing, APrinterWithoutPostScriptClearsTheSwitchAndPrintsThroughGdi)
{
    ASSERT_GE(addLine(10, 10, 20, 20), 1);
    PrintDialogStandIn dialog(memoryDcPrintDialog);
    MessageBoxScript boxes; // a memory device may refuse the document
    ASSERT_TRUE(app->ensurePrintJob());
    ASSERT_EQ(thePrintJob->showPrintDialog(), 1);
    record().postScript().usePostScript = 1;
    drawing().document->markSaved();
    int switchShown = -1;
    (void)driveModalDialog(
        [&] {
            record().print();
            return INT_PTR(0);
        },
        [&](HWND d) {
            switchShown = record().postScript().usePostScript;
            PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    EXPECT_EQ(switchShown, 0);
    EXPECT_EQ(record().postScript().usePostScript, 0);
    EXPECT_TRUE(drawing().isModified()) << "the file keeps the switch";
}

} // namespace
