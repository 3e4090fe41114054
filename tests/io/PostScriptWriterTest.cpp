// The PostScript writer: its operators as text (a writer that keeps what it writes), its failure
// that every later write keeps, and whole jobs written to a file that Ghostscript renders.
#include <gtest/gtest.h>
#include <string>

#include "geometry/DoubleRect.h"
#include "io/postscript/PostScriptWriter.h"
#include "platform/DibImage.h"
#include "platform/RgbColor.h"
#include "tests/io/IoTestDrawing.h"
#include "tests/io/PrintFixture.h"
#include "tests/support/ScratchFolder.h"
#include "views/tools/ElementEditor.h"

namespace {

// Keeps every byte the writer sends; fails from the write with index failFrom (0-based) on.
class CapturingWriter : public PostScriptWriter {
public:
    int putBytes(const char* bytes, int n) override
    {
        if (failFrom >= 0 && writes++ >= failFrom)
            return 0;
        text.append(bytes, static_cast<size_t>(n));
        return 1;
    }
    std::string take()
    {
        std::string t;
        t.swap(text);
        return t;
    }
    std::string text;
    int failFrom = -1;
    int writes = 0;
};

TEST(PostScriptWriter, OperatorsAreWrittenInPointsRoundedHalfUp)
{
    CapturingWriter w;
    struct Case {
        const char* name;
        std::function<int()> write;
        const char* expected;
    };
    const Case cases[] = {
        {"a point 10 mm from the top-left of A4", [&] { return w.moveTo(10, 10); }, "28.346 813.543 _m\r\n"},
        {"plain dashes centred on a 10 mm line", [&] { return w.setDash(2, 10, 2, 1, 0); }, "[ 5.67 2.83] 1.42 _ds\r\n"},
        {"a dash below 0.01 mm", [&] { return w.setDash(2, 10, 0.005, 1, 0); }, "[] 0 _ds\r\n"},
        {"a gap below 0.01 mm", [&] { return w.setDash(3, 10, 2, 0.001, 1); }, "[] 0 _ds\r\n"},
        {"dash-dot, no phase", [&] { return w.setDash(3, 10, 2, 1, 0.5); }, "[ 5.67 2.83 1.42 2.83] 0 _ds\r\n"},
        {"components above 1 and at 0.5", [&] { return w.writeColourComponent(1.2, 3, 1, 0) && w.writeColourComponent(0.5, 3, 1, 0) && w.writeColourComponent(-0.1, 3, 0, 1); }, "1 0.5 0\r\n"},
        {"rgb", [&] { return w.setRgbColor(RgbColor(255, 0, 51)); }, "1 0 0.2 _rgb\r\n"},
        {"gray of 25 percent", [&] { return w.setGray(25); }, "0.75 _gray\r\n"},
        {"parentheses and backslash", [&] { return w.showText("a(b)\\c"); }, "(a\\(b\\)\\\\c) _sw\r\n"},
        {"the trail byte 5C of 表 doubled", [&] { return w.showText("表"); }, "(\x95\x5C\x5C) _sw\r\n"},
        {"a lead byte before ')' and '(', no trail bytes", [&] { return w.showText("C\x81)D") && w.showText("A\x81(B"); }, "(C\x81\\)D) _sw\r\n(A\x81\\(B) _sw\r\n"},
        {"a lead byte last", [&] { return w.showText("\\\x81"); }, "(\\\\\x81) _sw\r\n"},
        {"a counted piece", [&] { return w.showText("xy(z", 1, 3); }, "(y\\() _sw\r\n"},
        {"a rotation and its turning back", [&] { return w.rotate(30, 0) && w.rotate(30, 1) && w.rotate(1e-7, 0); }, "30 _rtt\r\n-30 _rtt\r\n"},
        {"an arc", [&] { return w.arc(10, 10, 5, 0, 90, 0); }, "28.346 813.543 14.173 0 90 _a\r\n"},
        {"a clockwise arc", [&] { return w.arc(0, 297, 1, 45.5, 10, 1); }, "0 0 2.835 45.5 10 _an\r\n"},
        {"line width, cap and join", [&] { return w.setLineWidth(0.25) && w.setLineCap(1) && w.setLineJoin(0); }, "0.709 _lw\r\n1 _lc\r\n0 _lj\r\n"},
        {"a value that is not finite", [&] { return w.writeReal(1.0 / 0.0, 3, 1); }, "0\r\n"},
        {"white polygon", [&] { double xs[] = {0, 10, 0}, ys[] = {297, 297, 287}; return w.fillPolygonWhite(3, xs, ys); }, "1 _gray\r\n_np\r\n0 0 _m\r\n28.346 0 _l\r\n0 28.346 _l\r\n_cp\r\n_f\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.write(), 1) << c.name;
        EXPECT_EQ(w.take(), c.expected) << c.name;
    }
    double xs[] = {0, 1};
    EXPECT_EQ(w.fillPolygonWhite(2, xs, xs), 0) << "fewer than three points";
}

TEST(PostScriptWriter, AnImageWritesItsStringItsMatrixAndHexRowsOfEightyDigits)
{
    CapturingWriter w;
    DibImage image;
    image.width = 3;
    image.height = 2;
    image.setRowStride(DibImage::strideFor24Bits(3));
    ASSERT_EQ(image.allocatePixels(image.getRowStride() * 2), 1);
    const unsigned char bottom[12] = {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00};   // BGR: red, green, blue
    const unsigned char top[12] = {0xFF, 0xFF, 0xFF, 0, 0, 0, 0x10, 0x20, 0x30};
    ASSERT_EQ(image.setRow(0, bottom), 1);
    ASSERT_EQ(image.setRow(1, top), 1);
    DoubleRect rect;
    rect.set(10, 10, 40, 30);
    ASSERT_EQ(w.writeImage(image, rect), 1);
    EXPECT_EQ(w.take(), "/pictsr 9 string def\r\n28.346 813.543 _trs\r\n85.039 56.693 _sc\r\n"
                        "3 2 8 [3 0 0 2 0 2] {currentfile pictsr readhexstring pop} false \r\n3 colorimage\r\n"
                        "FF000000FF000000FFFFFFFF000000302010\r\n");

    // A wide image: CR LF after every 80 digits, rows running on.
    DibImage wide;
    wide.width = 50;
    wide.height = 1;
    wide.setRowStride(DibImage::strideFor24Bits(50));
    ASSERT_EQ(wide.allocatePixels(wide.getRowStride()), 1);
    const std::string zeros(static_cast<size_t>(wide.getRowStride()), '\0');
    ASSERT_EQ(wide.setRow(0, zeros.data()), 1);
    ASSERT_EQ(w.writeImage(wide, rect), 1);
    const std::string text = w.take();
    const std::string hex = text.substr(text.find("colorimage\r\n") + 12);
    EXPECT_EQ(hex, std::string(80, '0') + "\r\n" + std::string(80, '0') + "\r\n" + std::string(80, '0') + "\r\n" +
                       std::string(60, '0') + "\r\n");
}

TEST(PostScriptWriter, AFailedWriteFailsEveryLaterOne)
{
    CapturingWriter w;
    w.failFrom = 3;
    EXPECT_EQ(w.newPath(), 1);
    EXPECT_EQ(w.moveTo(1, 1), 0) << "the point, then the operator: the fourth write fails";
    EXPECT_EQ(w.stroke(), 0);
    EXPECT_EQ(w.setGray(0), 0);
    EXPECT_EQ(w.text.find("_sp"), std::string::npos);
}

class PostScriptFile : public PrintDrawing {};

TEST_F(PostScriptFile, EachOrientationSetsUpItsPageEndsWithShowpageAndRendersWhereWritten)
{
    struct Case {
        const char* name;
        double paperWidth, paperHeight, lineEnd;
        const char* boundingBox;
        const char* transform;   // the page set-up's turn, "" for none
        const char* firstPoints;
        InkedBox inked;          // where Ghostscript's portrait page shows the line, in points
    };
    const Case cases[] = {
        // A4 portrait: (10, 10) mm is 28.346 points from the left, 813.543 from the bottom.
        {"portrait", 210, 297, 100, "%%BoundingBox: 0 0 595 842\r\n", "", "28.346 813.543 _m\r\n283.465 813.543 _l\r\n",
         {true, 28, 813, 284, 814}},
        // A4 landscape turned onto the portrait page: the line runs up, 28 points from the left.
        {"landscape", 297, 210, 20, "%%BoundingBox: 0 0 842 595\r\n", "595 0 _trs\r\n[0 1 -1 0 0 0] concat\r\n",
         "28.346 566.929 _m\r\n56.693 566.929 _l\r\n", {true, 28, 28, 29, 57}},
    };
    int page = 0;
    for (const Case& c : cases) {
        ScratchFolder scratch;
        goToPage(++page); // a page of its own for each line
        setPaper(c.paperWidth, c.paperHeight);
        ASSERT_GE(addLine(10, 10, c.lineEnd, 10), 1);
        const std::string path = scratch.pathOf("page.ps");
        ASSERT_EQ(record().writePageToFile(path.c_str()), 1) << c.name;
        const std::string ps = fileText(path);
        EXPECT_EQ(ps.compare(0, 16, "%!PS-Adobe-3.0\r\n"), 0) << c.name;
        EXPECT_NE(ps.find(c.boundingBox), std::string::npos) << c.name;
        EXPECT_EQ(ps.find("%%Pages:"), std::string::npos) << c.name;
        const size_t pageStart = ps.find("%%Page: 1 1\r\n");
        ASSERT_NE(pageStart, std::string::npos) << c.name;
        const std::string setUp = ps.substr(pageStart, ps.find("_np") - pageStart);
        EXPECT_NE(setUp.find(std::string("_imtrx\r\ntrue _ssa\r\n") + c.transform), std::string::npos) << c.name;
        EXPECT_EQ(setUp.find("_trs") != std::string::npos, c.transform[0] != 0) << c.name;
        EXPECT_EQ(setUp.find("concat") != std::string::npos, c.transform[0] != 0) << c.name;
        EXPECT_NE(ps.find(c.firstPoints), std::string::npos) << c.name << "\n" << ps;
        EXPECT_NE(ps.find("_spg\r\n%%PageTrailer\r\n%%Trailer\r\n%%EOF\r\n"), std::string::npos) << c.name;

        EXPECT_EQ(ghostscriptPageCount(path, scratch.pathOf("gs")), 1) << c.name;
        const InkedBox box = ghostscriptBoundingBox(path, scratch.pathOf("gs"));
        ASSERT_TRUE(box.found) << c.name;
        EXPECT_NEAR(box.left, c.inked.left, 1) << c.name;
        EXPECT_NEAR(box.bottom, c.inked.bottom, 1) << c.name;
        EXPECT_NEAR(box.right, c.inked.right, 1) << c.name;
        EXPECT_NEAR(box.top, c.inked.top, 1) << c.name;
    }
}

TEST_F(PostScriptFile, JapaneseTextRendersInTheStandardFontWhereWritten)
{
    ScratchFolder scratch;
    setPaper(210, 297);
    ASSERT_GE(addText(30, 60, "日本語の表示", "NoSuchFace", 10.0), 1);
    const std::string path = scratch.pathOf("japanese.ps");
    ASSERT_EQ(record().writePageToFile(path.c_str()), 1);
    const std::string ps = fileText(path);
    EXPECT_NE(ps.find("/GothicBBB-Medium-90ms-RKSJ-H 28.35 _fms\r\n"), std::string::npos) << ps;
    EXPECT_NE(ps.find("(\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x95\x5C\x5C\x8E\xA6) _sw\r\n"), std::string::npos);
    // Six full-width glyphs of 10 mm (28 points) from 30 mm (85 points), standing on the
    // baseline 60 mm + 9 mm below the top (842 - 196 points).
    const InkedBox box = ghostscriptBoundingBox(path, scratch.pathOf("gs"));
    ASSERT_TRUE(box.found);
    EXPECT_NEAR(box.left, 85, 8);
    EXPECT_NEAR(box.right - box.left, 6 * 28, 15);
    EXPECT_NEAR(box.bottom, 646, 6);
    EXPECT_GT(box.top - box.bottom, 18) << "glyphs, not a line";
    EXPECT_LE(box.top, 842 - 170) << "below the anchor";
}

// A lead byte before a parenthesis is not a character with it: the parenthesis is escaped, so
// the string neither ends early (C 81 ")" D) nor runs on over the operators after it (A 81 "(" B),
// and Ghostscript draws the page to its last line.
TEST_F(PostScriptFile, ALoneLeadByteBeforeAParenthesisLeavesTheStringWhole)
{
    ScratchFolder scratch;
    setPaper(210, 297);
    double y = 30;
    for (const char* text : {"C\x81)D", "A\x81(B"}) {
        ASSERT_EQ(drawing().editor3->startFreshElement(kindCode(ElementKind::Text)), 1);
        ASSERT_GE(addText(30, y += 20, text, "NoSuchFace", 10.0), 1) << text;
    }
    ASSERT_GE(addLine(10, 200, 100, 200), 1);
    const std::string path = scratch.pathOf("lead.ps");
    ASSERT_EQ(record().writePageToFile(path.c_str()), 1);
    EXPECT_EQ(io_fixture::runShell(scratch, "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=nullpage lead.ps 2>&1"), "");
    // The line 200 mm from the top is 275 points above the bottom.
    const InkedBox box = ghostscriptBoundingBox(path, scratch.pathOf("gs"));
    ASSERT_TRUE(box.found);
    EXPECT_NEAR(box.bottom, 275, 2);
    EXPECT_GT(box.top - box.bottom, 300) << "the texts above it";
}

TEST_F(PostScriptFile, AFailedJobLeavesTheOldFileAsItWas)
{
    ScratchFolder scratch;
    ASSERT_GE(addLine(10, 10, 20, 20), 1);
    ASSERT_GE(addLine(30, 10, 40, 20), 1);
    const std::string path = scratch.pathOf("kept.ps");
    {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD n = 0;
        WriteFile(h, "old", 3, &n, nullptr);
        CloseHandle(h);
    }
    // A file the user made read-only is left as it was, though every write succeeds.
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(record().writePageToFile(path.c_str()), 0);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(fileText(path), "old");
    // The second line's path fails.
    auto failing = std::make_unique<CapturingWriter>();
    CapturingWriter* writer = failing.get();
    record().replaceWriter(std::move(failing));
    writer->failFrom = 0;
    EXPECT_EQ(record().writePageToFile(path.c_str()), 0);
    EXPECT_EQ(fileText(path), "old");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(scratch.pathOf("kps*").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "no temporary file is left";
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}

} // namespace

// In separations a plate without a screen frequency of its own takes back the screen saved in the
// setup from its second page on; the file must still render every page.
TEST_F(PostScriptFile, APlateWithoutAScreenOfItsOwnTakesTheSavedOneBackOnEveryLaterPage)
{
    ScratchFolder scratch;
    PostScriptWriter w;
    w.separationMode = 2;
    w.plateCount = 4;
    w.plates.reset(new PsPlate[4]);
    w.plates[1].screenFrequency = 85;
    w.plates[1].screenAngle = 15;
    const std::string path = scratch.pathOf("plates.ps");
    ASSERT_EQ(w.startFileJob(path.c_str()), 1);
    ASSERT_EQ(w.writeHeader(), 1);
    for (int plate : {0, 1, 0}) {
        w.currentPlate = plate;
        ASSERT_EQ(w.beginPage() && w.moveTo(10, 10) && w.lineTo(100, 10) && w.stroke() && w.endPage(), 1) << plate;
    }
    ASSERT_EQ(w.writeTrailer(), 1);
    ASSERT_EQ(w.endFileJob(), 1);
    const std::string ps = fileText(path);
    EXPECT_NE(ps.find("85 15 {180 mul cos exch 180 mul cos add 2 div} _ssr\r\n"), std::string::npos) << ps;
    EXPECT_NE(ps.find("_cfrq _cang /_cprc load _ssr\r\n"), std::string::npos) << ps;
    EXPECT_EQ(ghostscriptPageCount(path, scratch.pathOf("gs")), 3) << ps;
}
