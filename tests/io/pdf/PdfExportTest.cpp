// The "PDF出力..." command on a real drawing in a document window: the pages with their offsets,
// images and texts as readers see them, the file name kept for the next export, the ways it
// stops without a file, offsets too far out refused, a failed write that keeps the old file,
// cancels at every element, and drawing content no writer may choke on.
#include <gtest/gtest.h>
#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "document/Element.h"
#include "document/ElementKind.h"
#include "document/FileNameValue.h"
#include "io/pdf/PdfExportCommand.h"
#include "platform/DibImage.h"
#include "platform/ProgressDialog.h"
#include "resources/ids_pdf.h"
#include "shapes/ImageTypeValue.h"
#include "tests/io/PrintFixture.h"
#include "tests/io/pdf/PdfTestFile.h"
#include "tests/support/FakePictureReader.h"
#include "tests/support/FileDialogScript.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "views/tools/ElementEditor.h"

namespace {

using pdf_test::PdfText;

// The files in a folder, sorted.
std::set<std::string> filesIn(const ScratchFolder& scratch)
{
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA(scratch.pathOf("*").c_str(), &found);
    for (BOOL more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileA(h, &found))
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.insert(found.cFileName);
    if (h != INVALID_HANDLE_VALUE)
        FindClose(h);
    return names;
}

// The x and y of every point a content stream places: path points ("m", "l", "c") and the
// origins of text ("Tm") and images ("cm").
std::vector<std::pair<double, double>> placedPoints(const std::string& stream)
{
    std::vector<std::pair<double, double>> points;
    std::istringstream lines(stream);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;)
            w.push_back(word);
        if (w.empty())
            continue;
        const std::string& op = w.back();
        const size_t n = w.size() - 1;
        if (op == "m" || op == "l" || op == "c")
            for (size_t i = 0; i + 1 < n; i += 2)
                points.emplace_back(std::stod(w[i]), std::stod(w[i + 1]));
        else if ((op == "Tm" || op == "cm") && n == 6)
            points.emplace_back(std::stod(w[4]), std::stod(w[5]));
    }
    return points;
}

// The export of the drawing's window, the application's one, with stand-ins for its failures.
class TestExport : public PdfExportCommand {
public:
    long long failFrom = -1;     // the write that would pass this byte fails
    int cancelAfter = -1;        // elements counted before Cancel is pressed
    int counted = 0;

protected:
    int putBytes(const char* bytes, int n) override
    {
        return (failFrom < 0 || bytesWritten() + n <= failFrom) && PdfExportCommand::putBytes(bytes, n);
    }
    void showProgress(int position) override
    {
        if (isCounting() && ++counted == cancelAfter && progress)
            PostMessageA(progress->hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        PdfExportCommand::showProgress(position);
    }
    // Without a progress window (the document written straight into a file) Cancel counts as
    // pressed once `cancelAfter` elements were counted.
    int cancelRequested() override
    {
        return progress ? PdfExportCommand::cancelRequested() : cancelAfter >= 0 && counted >= cancelAfter;
    }
};

class PdfExport : public PrintDrawing {
protected:
    void SetUp() override
    {
        PrintDrawing::SetUp();
        makePictureReader = FakePictureReaders::make; // in place of the readers start-up installed
        job.ensureFontFaces();
        FakePictureFiles::current().pixelWidth = 8;
        FakePictureFiles::current().pixelHeight = 4;
    }
    Element* begin(ElementKind kind, double x1, double y1, double x2, double y2)
    {
        ElementEditorBase& editor = *drawing().editor3;
        if (editor.startNewElement(kindCode(kind)) != 1)
            return nullptr;
        Element* e = editor.elementInHand();
        if (kind == ElementKind::Bitmap) {
            auto* image = new DibImage;
            if (!pdf_test::fillImage(*image, 4, 2, [](int x, int y) { return RgbColor(60 * x, 100 * y, 200); }) ||
                !e->takeImage(image)) {
                delete image;
                return nullptr;
            }
        }
        e->firstPoint()->x = x1, e->firstPoint()->y = y1;
        e->secondPoint()->x = x2, e->secondPoint()->y = y2;
        return e;
    }
    int add(ElementKind kind, double x1, double y1, double x2, double y2)
    {
        return begin(kind, x1, y1, x2, y2) ? drawing().editor3->addToPage() : 0;
    }
    int addPicture(const char* path, double x, double y)
    {
        Element* e = begin(ElementKind::Picture, x, y, x + 40, y + 20);
        if (!e)
            return 0;
        e->imageKind()->value = 1;
        e->fileName()->setText(path);
        return drawing().editor3->addToPage();
    }
    // A text of its own (the editor's text element starts empty).
    int addTextAt(double x, double y, const char* text, const char* face)
    {
        ElementEditorBase& editor = *drawing().editor3;
        return editor.startFreshElement(kindCode(ElementKind::Text)) == 1 ? addText(x, y, text, face) : 0;
    }
    // The command with the offsets typed into its settings dialog and `path` chosen (empty: the
    // file dialog cancelled); settingsButton ends the settings dialog.
    int exportTo(const std::string& path, const char* offsetX = "0", int settingsButton = IDOK)
    {
        dialogs.answers = {path};
        return static_cast<int>(driveModalDialog([&] { return static_cast<INT_PTR>(job.run(&drawing())); },
                                                 [&](HWND w) {
                                                     SetDlgItemTextA(w, IDC_PDF_OFFSET_X, offsetX);
                                                     PostMessageA(w, WM_COMMAND, MAKEWPARAM(settingsButton, BN_CLICKED), 0);
                                                 }));
    }
    // A face the system has installed (it takes the standard record).
    const char* installedFace() { return job.fontFaces().entryAt(0)->face; }

    TestExport job;
    ScopedOverride<PdfExportJob*> installed{thePdfExportJob, &job};
    FakePictureReaders readers;
    FileDialogScript dialogs;
    MessageBoxScript boxes;
    ScratchFolder scratch;
};

TEST_F(PdfExport, EveryPageIsWrittenWithItsOffsetsAndTheNextExportStartsWithTheFile)
{
    ASSERT_GE(addLine(10, 10, 100, 10), 1);
    ASSERT_GE(add(ElementKind::Box, 20, 30, 60, 50), 1);
    ASSERT_GE(addTextAt(20, 70, "PDF 出力の表示", installedFace()), 1);
    ASSERT_GE(add(ElementKind::Bitmap, 20, 100, 60, 120), 1);
    goToPage(3); // page 2 stays empty
    ASSERT_GE(add(ElementKind::Bitmap, 20, 100, 60, 120), 1);
    ASSERT_GE(addPicture("C:\\pictures\\photo.bmp", 100, 100), 1);
    ASSERT_GE(addTextAt(20, 200, "三頁目", installedFace()), 1);

    const std::string first = scratch.pathOf("drawing.pdf"), moved = scratch.pathOf("moved.pdf");
    ASSERT_EQ(exportTo(first), 1);
    ASSERT_EQ(exportTo(moved, "10"), 1);
    EXPECT_EQ(dialogs.startedFrom, (std::vector<std::string>{"", first})) << "the second starts with the first's file";
    EXPECT_EQ(dialogs.filters.at(0).substr(0, 18), "PDFファイル(*.pdf)");
    EXPECT_EQ(boxes.shown().size(), 0u);
    EXPECT_EQ(filesIn(scratch), (std::set<std::string>{"drawing.pdf", "moved.pdf"}));

    const PdfText file(ScratchFolder::read(first)), shifted(ScratchFolder::read(moved));
    EXPECT_EQ(file.layoutFaults(), "");
    EXPECT_EQ(shifted.layoutFaults(), "");
    EXPECT_NE(file.object(3).find("/Length 0\r\n>>\r\nstream\r\nendstream"), std::string::npos) << "the empty page 2";
    // Offset X 10 mm: every point 28.346 points to the right (texts and images at 2 decimals).
    for (int contents : {1, 5}) {
        const auto before = placedPoints(file.stream(contents)), after = placedPoints(shifted.stream(contents));
        ASSERT_EQ(before.size(), after.size());
        ASSERT_GE(before.size(), 3u);
        for (size_t i = 0; i < before.size(); ++i) {
            EXPECT_NEAR(after[i].first - before[i].first, 28.346, 0.011) << contents << " " << i;
            EXPECT_NEAR(after[i].second, before[i].second, 1e-9) << contents << " " << i;
        }
    }

    EXPECT_EQ(pdf_test::qpdfFaults(scratch, {"drawing.pdf", "moved.pdf"}), "");
    // One XObject for the bitmap drawn on pages 1 and 3, one for the picture.
    EXPECT_EQ(pdf_test::run(scratch, "pdfimages -list drawing.pdf | awk 'NR > 2 {print $1, $4, $5, $11}'"),
              "1 4 2 15\n3 4 2 15\n3 8 4 16\n");
    const std::string text = pdf_test::run(scratch, "pdftotext -enc UTF-8 drawing.pdf - | tr -d '\\f' | grep -v '^$'");
    EXPECT_NE(text.find(u8"出力の表示"), std::string::npos) << text;
    EXPECT_NE(text.find(u8"三頁目"), std::string::npos) << text;
    EXPECT_EQ(pdf_test::run(scratch, "pdftoppm -r 10 -png drawing.pdf page && ls page*.png | wc -l"), "3\n");
}

TEST_F(PdfExport, NothingIsWrittenWhenTheDrawingOrTheUserStopsIt)
{
    const std::string path = scratch.pathOf("stopped.pdf");
    EXPECT_EQ(exportTo(path), 0) << "a drawing without elements";
    EXPECT_TRUE(dialogs.startedFrom.empty());

    ASSERT_GE(addLine(10, 10, 100, 10), 1);
    goToPage(2);
    ASSERT_GE(addLine(10, 10, 100, 10), 1);
    struct Case {
        const char* what;
        const char* answer;
        int settingsButton;
        int cancelAfter;
        size_t fileDialogs;
    };
    const Case cases[] = {
        {"ｷｬﾝｾﾙ in PDF出力の設定", "stopped.pdf", IDCANCEL, -1, 0},
        {"no file chosen", "", IDOK, -1, 1},
        {"ｷｬﾝｾﾙ in the progress window", "stopped.pdf", IDOK, 1, 1},
    };
    for (const Case& c : cases) {
        dialogs.startedFrom.clear();
        job.cancelAfter = c.cancelAfter;
        job.counted = 0;
        EXPECT_EQ(exportTo(c.answer[0] ? scratch.pathOf(c.answer) : "", "0", c.settingsButton), 0) << c.what;
        EXPECT_EQ(dialogs.startedFrom.size(), c.fileDialogs) << c.what;
        EXPECT_TRUE(filesIn(scratch).empty()) << c.what;
        EXPECT_EQ(boxes.texts(), "") << c.what << ": a cancel shows nothing";
    }
}

TEST_F(PdfExport, AFailedExportIsReportedAndTheOldFileStaysAsItWas)
{
    ASSERT_GE(addLine(10, 10, 100, 10), 1);
    ASSERT_GE(add(ElementKind::Bitmap, 20, 100, 60, 120), 1);
    ASSERT_GE(addTextAt(20, 70, "text", installedFace()), 1);
    const std::string path = scratch.file("old.pdf", "%PDF-1.2 an older file\r\n");
    struct Case {
        const char* what;
        long long failFrom; // -1: every write succeeds
        DWORD attributes;
    };
    const Case cases[] = {
        {"the first write fails", 0, FILE_ATTRIBUTE_NORMAL},
        {"a write in the body fails", 700, FILE_ATTRIBUTE_NORMAL},
        {"a write near the end fails", 1500, FILE_ATTRIBUTE_NORMAL},
        {"the old file is read-only", -1, FILE_ATTRIBUTE_READONLY},
    };
    for (const Case& c : cases) {
        boxes.clear();
        job.failFrom = c.failFrom;
        ASSERT_TRUE(SetFileAttributesA(path.c_str(), c.attributes));
        EXPECT_EQ(exportTo(path), 0) << c.what;
        ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
        EXPECT_EQ(boxes.texts(), "ファイル出力に失敗しました") << c.what;
        EXPECT_EQ(ScratchFolder::read(path), "%PDF-1.2 an older file\r\n") << c.what;
        EXPECT_EQ(filesIn(scratch), std::set<std::string>{"old.pdf"}) << c.what << ": nothing half-written is left";
    }
    job.failFrom = -1;
    EXPECT_EQ(exportTo(path), 1);
    EXPECT_EQ(ScratchFolder::read(path).rfind("%PDF-1.2\r\n1 0 obj", 0), 0u) << "a whole export replaces it";
}

TEST_F(PdfExport, AnOffsetThatWouldThrowEveryElementOffThePageIsRefusedAndTheOldOneKept)
{
    ASSERT_GE(addLine(10, 10, 100, 10), 1);
    job.offsetX = 2.5;
    job.offsetY = -4.0;
    struct Case {
        const char* x;
        const char* y;
        const char* message; // "" when both are taken
        const char* shownX;  // the fields after OK
        const char* shownY;
        double takenX, takenY;
    };
    const Case cases[] = {
        {"1e300", "7", "横X(→)移動量には数値を入力して下さい。", "2.5", "7", 2.5, -4.0},
        {"7", "-1e300", "縦Y(↓)移動量には数値を入力して下さい。", "7", "-4", 2.5, -4.0},
        {"1e400", "7", "横X(→)移動量には数値を入力して下さい。", "2.5", "7", 2.5, -4.0},
        {"-1000001", "7", "横X(→)移動量には数値を入力して下さい。", "2.5", "7", 2.5, -4.0},
        {"1000000", "-1000000", "", "1000000", "-1000000", 1e6, -1e6},
        // A field that holds no number keeps its offset without a word.
        {"abc", "-.5", "", "abc", "-.5", 2.5, -0.5},
        {"", "1e300", "縦Y(↓)移動量には数値を入力して下さい。", "", "-4", 2.5, -4.0},
    };
    for (const Case& c : cases) {
        boxes.clear();
        job.offsetX = 2.5;
        job.offsetY = -4.0;
        std::string shownX, shownY;
        dialogs.answers = {""}; // the file dialog cancelled: nothing is written
        EXPECT_EQ(driveModalDialog([&] { return static_cast<INT_PTR>(job.run(&drawing())); },
                                   [&](HWND w) {
                                       SetDlgItemTextA(w, IDC_PDF_OFFSET_X, c.x);
                                       SetDlgItemTextA(w, IDC_PDF_OFFSET_Y, c.y);
                                       SendMessageA(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                                       char text[64];
                                       GetDlgItemTextA(w, IDC_PDF_OFFSET_X, text, sizeof text);
                                       shownX = text;
                                       GetDlgItemTextA(w, IDC_PDF_OFFSET_Y, text, sizeof text);
                                       shownY = text;
                                       // A refusal leaves the dialog open; this ends it.
                                       PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                                   }),
                  0)
            << c.x << " " << c.y;
        EXPECT_EQ(boxes.texts(), c.message) << c.x << " " << c.y;
        EXPECT_EQ(dialogs.startedFrom.size(), c.message[0] ? 0u : 1u) << c.x << ": the file is asked for after OK only";
        dialogs.startedFrom.clear();
        EXPECT_EQ(shownX, c.shownX) << c.x << " " << c.y;
        EXPECT_EQ(shownY, c.shownY) << c.x << " " << c.y;
        EXPECT_EQ(job.offsetX, c.takenX) << c.x << " " << c.y;
        EXPECT_EQ(job.offsetY, c.takenY) << c.x << " " << c.y;
    }
}

TEST_F(PdfExport, ACancelAtAnyElementStillLeavesAWellFormedDocument)
{
    // Two elements on each of three pages.
    ASSERT_GE(addLine(10, 10, 100, 10), 1);
    ASSERT_GE(addTextAt(20, 70, "一頁", installedFace()), 1);
    goToPage(2);
    ASSERT_GE(add(ElementKind::Bitmap, 20, 100, 60, 120), 1);
    ASSERT_GE(addPicture("C:\\pictures\\a.bmp", 100, 100), 1);
    goToPage(3);
    ASSERT_GE(addTextAt(20, 70, "三頁", installedFace()), 1);
    ASSERT_GE(add(ElementKind::Box, 20, 30, 60, 50), 1);
    job.setContext(&drawing());
    std::vector<std::string> names;
    for (int cancelAt = 0; cancelAt <= 6; ++cancelAt) {
        // The file as the writer leaves it, before the command would delete it.
        const std::string name = "cancel" + std::to_string(cancelAt) + ".pdf";
        job.counted = 0;
        job.cancelAfter = cancelAt;
        const PdfText file(pdf_test::writeFile(job, scratch.pathOf(name), 3));
        ASSERT_FALSE(file.bytes.empty()) << name;
        names.push_back(name);
        EXPECT_EQ(file.layoutFaults(), "") << name;
        // The page of the element the cancel came at is written whole, the later ones are empty.
        const int lastPage = cancelAt == 0 ? 0 : (cancelAt + 1) / 2;
        for (int page = 1; page <= 3; ++page)
            EXPECT_EQ(file.stream(2 * page - 1).empty(), page > lastPage) << name << " page " << page;
    }
    EXPECT_EQ(pdf_test::qpdfFaults(scratch, names), "");
}

TEST_F(PdfExport, ContentNoWriterMayChokeOnStillGivesAFileReadersAccept)
{
    const char* const texts[] = {"((open", "close))", "back\\slash\\", "lead\x83", "\x01\x02\t\x1f\x7f", "表ソ\\(", ""};
    double y = 20;
    for (const char* text : texts)
        (void)addTextAt(20, y += 12, text, installedFace()); // an empty text may not be stored
    // The farthest coordinates a drawing holds (the drawing file writes up to 40 integer digits).
    ASSERT_GE(addLine(9.9e39, -9.9e39, 10, 10), 1);
    ASSERT_GE(addLine(-9.9e39, 9.9e39, 9.9e39, 9.9e39), 1);
    goToPage(3); // page 2 holds no element
    ASSERT_GE(addTextAt(20, 20, "end", "NoSuchFace"), 1);
    ASSERT_EQ(exportTo(scratch.pathOf("odd.pdf")), 1);
    const PdfText file(ScratchFolder::read(scratch.pathOf("odd.pdf")));
    EXPECT_EQ(file.layoutFaults(), "");
    EXPECT_EQ(pdf_test::qpdfFaults(scratch, {"odd.pdf"}), "");
    // A clip path is always ended by "n".
    for (size_t at = file.bytes.find("\r\nW\r\n"); at != std::string::npos; at = file.bytes.find("\r\nW\r\n", at + 1))
        EXPECT_EQ(file.bytes.compare(at + 5, 3, "n\r\n"), 0);
    const std::string text = pdf_test::run(scratch, "pdftotext -enc UTF-8 odd.pdf - | tr -d '\\f' | grep -v '^$'");
    // The byte 5C reads as the yen sign in the Japanese encoding.
    for (const char* expected : {"((open", "close))", u8"back¥slash¥", "end"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in " << text;
}

} // namespace
