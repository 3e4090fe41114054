// The BMP reader's PostScript and PDF: the operators and hex rows of every depth in the composite
// and separation modes, a failed write, and pages that Ghostscript and poppler render as the
// screen shows them.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "document/Element.h"
#include "document/FileNameValue.h"
#include "geometry/DoubleRect.h"
#include "io/images/BmpImage.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "shapes/ImageTypeValue.h"
#include "tests/io/ImageFixture.h"
#include "tests/io/PicturePage.h"
#include "tests/io/pdf/PdfTestFile.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"
#include "tests/support/UnixScript.h"
#include "views/tools/ElementEditor.h"

using namespace image_test;

namespace {

const PaletteEntry kBlack = {0, 0, 0}, kWhite = {255, 255, 255}, kRed = {255, 0, 0}, kGreen = {0, 128, 0},
                   kBlue = {0, 0, 255};

struct Picture {
    const char* name;
    int width;
    int bits;
    std::vector<PaletteEntry> palette;
    std::vector<std::string> rows; // top first
};

const Picture kPictures[] = {
    {"1 bit", 10, 1, {kBlack, kWhite}, {std::string("\xF0\x40", 2), std::string("\x0F\x80", 2)}},
    {"1 bit white first", 10, 1, {kWhite, kBlack}, {std::string("\xF0\x40", 2), std::string("\x0F\x80", 2)}},
    {"4 bits", 3, 4, {kBlack, kRed, kGreen, kBlue}, {std::string("\x12\x30", 2), std::string("\x03\x10", 2)}},
    {"8 bits", 3, 8, {kBlack, kRed, kGreen, kBlue}, {std::string("\x01\x02\x03", 3), std::string("\x03\x00\x01", 3)}},
    {"24 bits", 2, 24, {}, {std::string("\x00\x00\xFF\xFF\x00\x00", 6), std::string("\x00\x80\x00\x10\x20\x30", 6)}},
};

} // namespace

// The text between the operator line's start and the end of the hex line, for one case.
std::string imagePart(const std::string& text)
{
    const size_t at = text.find("\r\n", text.find(" _sc\r\n") + 6);
    return at == std::string::npos ? text : text.substr(text.find(" _sc\r\n") + 6);
}

TEST(BmpPostScript, EachDepthWritesItsImageInEveryModeAndPlate)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    DoubleRect rect;
    rect.set(10, 10, 40, 30); // y 10..30, x 10..40 mm
    const std::string blank = "_gs\r\n1 _gray\r\n_np\r\n28.346 813.543 _m\r\n113.386 813.543 _l\r\n113.386 756.85 _l\r\n"
                              "28.346 756.85 _l\r\n_cp\r\n_f\r\n_gr\r\n";

    // The whole text of one case: the string, the translation to (min x, max y), the scale, the
    // matrix taking rows top first, the operator and the rows as one run of hex.
    BmpImage four;
    four.setSource(scratch.file("four.bmp", bmpFile(3, 4, kPictures[2].palette, kPictures[2].rows)).c_str());
    CapturingWriter w;
    ASSERT_EQ(four.writePostScript(w, rect), 1);
    EXPECT_EQ(w.take(), "_gs\r\n/pictsr 9 string def\r\n28.346 756.85 _trs\r\n85.04 56.69 _sc\r\n"
                        "3 2 8 [3 0 0 -2 0 2] {currentfile pictsr readhexstring pop} false 3 colorimage\r\n"
                        "FF00000080000000FF0000000000FFFF0000\r\n_gr\r\n");

    struct Case {
        int picture;   // of kPictures
        int mode;      // the writer's separation mode
        int plate;
        const char* image; // the operator line and the hex rows; "" for the blank plate
    };
    const Case cases[] = {
        {0, 0, 0, "10 2 1 [10 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\nF0400F80\r\n"},
        {0, 1, 0, "10 2 1 [10 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\nF0400F80\r\n"},
        // Palette [white, black]: the bits go out inverted, so that print matches the screen.
        {1, 0, 0, "10 2 1 [10 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\n0FBFF07F\r\n"},
        {0, 2, 3, "10 2 1 [10 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\nF0400F80\r\n"},
        {0, 2, 0, ""},
        {1, 2, 1, ""},
        {0, 2, 4, ""},
        {3, 0, 0, "3 2 8 [3 0 0 -2 0 2] {currentfile pictsr readhexstring pop} false 3 colorimage\r\n"
                  "FF00000080000000FF0000FF000000FF0000\r\n"},
        // Plates: 255 - the ink of red, green (0, 128, 0), blue / blue, black, red.
        {3, 2, 0, "3 2 8 [3 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\nFF7F0000FFFF\r\n"},
        {3, 2, 1, "3 2 8 [3 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\n00FF0000FF00\r\n"},
        {3, 2, 3, "3 2 8 [3 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\nFF80FFFF00FF\r\n"},
        {3, 2, 5, ""},
        {4, 0, 0, "2 2 8 [2 0 0 -2 0 2] {currentfile pictsr readhexstring pop} false 3 colorimage\r\n"
                  "FF00000000FF008000302010\r\n"},
        {4, 2, 1, "2 2 8 [2 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\n0000FFEF\r\n"},
        {4, 2, 4, ""},
    };
    for (const Case& c : cases) {
        const Picture& p = kPictures[c.picture];
        SCOPED_TRACE(std::string(p.name) + ", mode " + std::to_string(c.mode) + ", plate " + std::to_string(c.plate));
        BmpImage reader;
        reader.setSource(scratch.file("p.bmp", bmpFile(p.width, p.bits, p.palette, p.rows)).c_str());
        w.separationMode = c.mode;
        w.currentPlate = c.plate;
        ASSERT_EQ(reader.writePostScript(w, rect), 1);
        const std::string text = w.take();
        if (c.image[0]) {
            EXPECT_EQ(imagePart(text), std::string(c.image) + "_gr\r\n");
            EXPECT_EQ(text.rfind("_gs\r\n/pictsr ", 0), 0u);
        } else {
            EXPECT_EQ(text, blank);
        }
    }

    // Another mode writes nothing and succeeds; y unchanged (coordinate mode 2) turns the matrix.
    w.separationMode = 3;
    ASSERT_EQ(four.writePostScript(w, rect), 1);
    EXPECT_EQ(w.take(), "");
    w.separationMode = 0;
    w.coordinateMode = 2;
    ASSERT_EQ(four.writePostScript(w, rect), 1);
    EXPECT_NE(w.take().find("28.346 85.039 _trs\r\n85.04 56.69 _sc\r\n3 2 8 [3 0 0 2 0 2] "), std::string::npos);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST(BmpPostScript, AFailedWriteStopsTheRowsAndFails)
{
    TestApplication app;
    ScratchFolder scratch;
    BmpImage reader;
    std::vector<std::string> rows(300, std::string(600, '\x5A'));
    reader.setSource(scratch.file("big.bmp", bmpFile(200, 24, {}, rows)).c_str());
    DoubleRect rect;
    rect.set(0, 0, 100, 100);
    for (int failFrom : {0, 3, 8, 9}) {
        CapturingWriter w;
        w.failFrom = failFrom;
        EXPECT_EQ(reader.writePostScript(w, rect), 0) << failFrom;
        EXPECT_LT(w.text.size(), 200u * 300 * 6) << failFrom;
    }
    // A file that cannot be read writes nothing.
    BmpImage missing;
    missing.setSource(scratch.pathOf("missing.bmp").c_str());
    MessageBoxScript boxes;
    CapturingWriter w;
    EXPECT_EQ(missing.writePostScript(w, rect), 0);
    EXPECT_EQ(w.text, "");
}

namespace {

// Pictures of 4 x 2 pixels, each pixel a 10 mm cell on the page.
const Picture kBlocks[] = {
    {"1 bit", 4, 1, {kBlack, kWhite}, {std::string("\xA0", 1), std::string("\x50", 1)}},
    {"1 bit white first", 4, 1, {kWhite, kBlack}, {std::string("\xA0", 1), std::string("\x50", 1)}},
    {"4 bits", 4, 4, {kBlack, kRed, kGreen, kBlue}, {std::string("\x12\x30", 2), std::string("\x03\x21", 2)}},
    {"8 bits", 4, 8, {kBlack, kRed, kGreen, kBlue}, {std::string("\x01\x02\x03\x00", 4), std::string("\x03\x02\x01\x00", 4)}},
    {"24 bits", 4, 24, {}, {std::string("\x00\x00\xFF\x00\x80\x00\xFF\x00\x00\xFF\xFF\xFF", 12),
                            std::string("\x00\xFF\xFF\x00\x00\x00\xFF\x00\xFF\x80\x80\x80", 12)}},
};
const double kLeft = 20.0, kCell = 10.0;
double topOf(int picture) { return 20.0 + 30.0 * picture; }

class BmpPage : public PicturePage {
protected:
    // A picture of the BMP file over 40 x 20 mm at (kLeft, top); its id.
    int addPicture(const std::string& path, double top)
    {
        return PicturePage::addPicture(path, ImageTypeValue::kBmp, kLeft, top, 4 * kCell, 2 * kCell);
    }
    // Each of kBlocks in a file of its own, placed at topOf(i); the files ("" when one could not
    // be placed).
    std::vector<std::string> placeBlocks(const ScratchFolder& scratch)
    {
        std::vector<std::string> files;
        for (int i = 0; i < 5; ++i) {
            const Picture& p = kBlocks[i];
            files.push_back(scratch.file("block" + std::to_string(i) + ".bmp", bmpFile(p.width, p.bits, p.palette, p.rows)));
            if (addPicture(files.back(), topOf(i)) < 1)
                return {};
        }
        return files;
    }
};

// Each picture's cells on a page of A4 at 72 dpi (a PPM) against the reader's drawing on the
// screen; the pictures at topOf(i) are files[i].
void expectPageAsOnScreen(const std::string& page, const std::vector<std::string>& files)
{
    for (size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i]);
        BmpImage reader;
        reader.setSource(files[i].c_str());
        expectCellsAsOnScreen([&](DeviceContext& dc, const IntRect& target) { return reader.draw(dc, target); },
                              [&](double x, double y) { return ppmPixel(page, x, y); }, kLeft, topOf(static_cast<int>(i)), 2);
    }
    // The same bits under palettes that run either way: a set bit is white in the first and
    // black in the second, on paper as on the screen.
    EXPECT_EQ(ppmPixel(page, kLeft + 5, topOf(0) + 5), RGB(255, 255, 255));
    EXPECT_EQ(ppmPixel(page, kLeft + 5, topOf(1) + 5), RGB(0, 0, 0));
}

} // namespace

TEST_F(BmpPage, GhostscriptRendersEveryDepthAsTheScreenShowsIt)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    setPaper(210, 297);
    std::vector<std::string> files = placeBlocks(scratch);
    ASSERT_EQ(files.size(), 5u);
    const std::string page = renderPage(scratch, "page.ps");
    ASSERT_FALSE(page.empty());
    expectPageAsOnScreen(page, files);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(BmpPage, InPdfEachFileIsOneImageAndPopplerRendersItAsTheScreenShowsIt)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    setPaper(210, 297);
    std::vector<std::string> files = placeBlocks(scratch);
    ASSERT_EQ(files.size(), 5u);
    files.push_back(files[3]); // the 8-bit file placed again
    ASSERT_GE(addPicture(files.back(), topOf(5)), 1);

    const pdf_test::PdfText file(exportPagePdf(scratch.pathOf("page.pdf")));
    ASSERT_FALSE(file.bytes.empty());
    EXPECT_EQ(file.layoutFaults(), "") << "every stream's /Length";
    // Six placements of five images: 1-bit grey for the 1-bit files, 8-bit RGB for the others.
    EXPECT_EQ(pdfImageList(scratch, "page.pdf"),
              "4 2 gray 1\n4 2 gray 1\n4 2 rgb 8\n4 2 rgb 8\n4 2 rgb 8\n4 2 rgb 8\ndistinct 5\n");
    EXPECT_EQ(pdf_test::run(scratch, "pdftoppm -r 72 page.pdf page && mv page-1.ppm page.ppm"), "");
    expectPageAsOnScreen(ScratchFolder::read(scratch.pathOf("page.ppm")), files);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(BmpPage, InSeparationsA1BitPicturePrintsOnBlackAloneAndAColourOnItsPlates)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    setPaper(210, 297);
    const Picture& bits = kBlocks[0];
    ASSERT_GE(addPicture(scratch.file("bits.bmp", bmpFile(bits.width, bits.bits, bits.palette, bits.rows)), topOf(0)), 1);
    // An 8-bit picture of red alone: magenta and yellow ink.
    const std::vector<std::string> red(2, std::string("\x01\x01\x01\x01", 4));
    ASSERT_GE(addPicture(scratch.file("red.bmp", bmpFile(4, 8, {kBlack, kRed}, red)), topOf(1)), 1);

    const char* names[] = {"cyan", "magenta", "yellow", "black"};
    const int bitsInk[] = {0, 0, 0, 1}, redInk[] = {0, 1, 1, 0};
    for (int plate = 0; plate < 4; ++plate) {
        SCOPED_TRACE(names[plate]);
        const std::string grey = renderPlate(scratch, plate);
        ASSERT_GT(grey.size(), 595u * 842 - 1);
        const int onBits = inkIn(grey, kLeft, topOf(0), kLeft + 40, topOf(0) + 20);
        const int onRed = inkIn(grey, kLeft, topOf(1), kLeft + 40, topOf(1) + 20);
        EXPECT_EQ(onBits > 0, bitsInk[plate] == 1) << onBits;
        EXPECT_EQ(onRed > 300, redInk[plate] == 1) << onRed;
    }
    EXPECT_TRUE(boxes.shown().empty());
}
