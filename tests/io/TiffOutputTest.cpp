// The TIFF reader's output: the PostScript image of every sample layout in the composite and
// separation modes, PackBits expanded, a failed write, and a page that Ghostscript renders as the
// screen shows it; the PDF XObjects in their colour spaces, rendered by poppler; a 1-bit picture
// with a colour map in its colours on the screen and their light and dark on paper.
#include <cstdio>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "geometry/DoubleRect.h"
#include "io/images/ImageReaderSwitch.h"
#include "io/images/TiffImage.h"
#include "io/pdf/PdfFileWriter.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "shapes/ImageTypeValue.h"
#include "tests/io/ImageFixture.h"
#include "tests/io/PicturePage.h"
#include "tests/io/TiffFixture.h"
#include "tests/io/pdf/PdfTestFile.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

using namespace image_test;

namespace {

const std::vector<unsigned short> kMap = [] {
    // Index 0 red, 1 green (half), 2 blue, 3 white, the rest black.
    std::vector<unsigned short> map(768, 0);
    map[0] = 0xFFFF, map[256 + 1] = 0x8000, map[512 + 2] = 0xFFFF;
    map[3] = map[256 + 3] = map[512 + 3] = 0xFFFF;
    return map;
}();

TiffSpec picture(int width, std::vector<unsigned> bits, int photometric, std::vector<std::string> rows)
{
    TiffSpec s;
    s.width = width;
    s.height = static_cast<int>(rows.size());
    s.bits = bits;
    s.photometric = photometric;
    s.rows = rows;
    if (photometric == 3)
        s.colourMap = kMap;
    return s;
}

const std::string kRgbRow0("\xFF\x00\x00\x00\x80\x00\x10\x20\x30", 9), kRgbRow1("\x00\x00\xFF\xFF\xFF\xFF\x00\x00\x00", 9);

// The text after the scale: the image operator line and the hex rows.
std::string afterScale(const std::string& text)
{
    const size_t at = text.find(" _sc\r\n");
    return at == std::string::npos ? text : text.substr(at + 6);
}

} // namespace

TEST(TiffPostScript, EachLayoutWritesItsSamplesInEveryModeAndPlate)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    DoubleRect rect;
    rect.set(10, 10, 40, 30);
    const std::string ops = "] {currentfile pictsr readhexstring pop} ";
    struct Case {
        const char* name;
        TiffSpec spec;
        int mode, plate;
        const char* text; // after the scale; "" for the blank plate
    };
    const std::vector<Case> cases = {
        {"1 bit, white is zero: inverted, the bits past the width cleared",
         picture(10, {1}, 0, {std::string("\xF0\x40", 2), std::string("\x0F\x80", 2)}), 0, 0,
         "10 2 1 [10 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\n0F80F040\r\n_gr\r\n"},
        {"1 bit, black is zero: as stored",
         picture(10, {1}, 1, {std::string("\xF0\x7F", 2), std::string("\x0F\x80", 2)}), 1, 0,
         "10 2 1 [10 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\nF0400F80\r\n_gr\r\n"},
        {"grey, white is zero", picture(3, {8}, 0, {std::string("\x00\x80\xFF", 3), "\x10\x20\x30"}), 0, 0,
         "3 2 8 [3 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\nFF7F00EFDFCF\r\n_gr\r\n"},
        {"grey and alpha: the grey", picture(2, {8, 8}, 1, {std::string("\x11\x00\x22\xFF", 4), "\x33\x44\x55\x66"}),
         0, 0, "2 2 8 [2 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\n11223355\r\n_gr\r\n"},
        {"palette: through the map", picture(3, {8}, 3, {std::string("\x00\x01\x02", 3), std::string("\x03\x02\x00", 3)}),
         0, 0,
         "3 2 8 [3 0 0 -2 0 2] {currentfile pictsr readhexstring pop} false 3 colorimage\r\n"
         "FF00000080000000FFFFFFFF0000FFFF0000\r\n_gr\r\n"},
        {"RGB", picture(3, {8, 8, 8}, 2, {kRgbRow0, kRgbRow1}), 0, 0,
         "3 2 8 [3 0 0 -2 0 2] {currentfile pictsr readhexstring pop} false 3 colorimage\r\n"
         "FF0000008000102030"
         "0000FFFFFFFF000000\r\n_gr\r\n"},
        {"CMYK", picture(1, {8, 8, 8, 8}, 5, {std::string("\x01\x02\x03\x04", 4), "\xA0\xB0\xC0\xD0"}), 0, 0,
         "1 2 8 [1 0 0 -2 0 2] {currentfile pictsr readhexstring pop} false 4 colorimage\r\n01020304A0B0C0D0\r\n_gr\r\n"},
        {"RGBA: RGB, transparent black white",
         picture(2, {8, 8, 8, 8}, 2, {std::string("\x01\x02\x03\x04\x00\x00\x00\x00", 8), std::string("\x10\x20\x30\x00\xAA\xBB\xCC\xFF", 8)}),
         0, 0,
         "2 2 8 [2 0 0 -2 0 2] {currentfile pictsr readhexstring pop} false 3 colorimage\r\n"
         "010203FFFFFF102030AABBCC\r\n_gr\r\n"},
        // Separations: process plates of colour pictures, the black plate alone for grey ones.
        {"CMYK on magenta: its own ink", picture(1, {8, 8, 8, 8}, 5, {std::string("\x01\x02\x03\x04", 4), "\xA0\xB0\xC0\xD0"}),
         2, 1, "1 2 8 [1 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\nFD4F\r\n_gr\r\n"},
        {"RGB on cyan", picture(3, {8, 8, 8}, 2, {kRgbRow0, kRgbRow1}), 2, 0,
         "3 2 8 [3 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\nFF7FDF00FFFF\r\n_gr\r\n"},
        {"palette on magenta", picture(3, {8}, 3, {std::string("\x00\x01\x02", 3), std::string("\x03\x02\x00", 3)}), 2, 1,
         "3 2 8 [3 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\n00FF00FF0000\r\n_gr\r\n"},
        {"grey on black", picture(3, {8}, 1, {std::string("\x00\x80\xFF", 3), "\x10\x20\x30"}), 2, 3,
         "3 2 8 [3 0 0 -2 0 2] {currentfile pictsr readhexstring pop} image\r\n0080FF102030\r\n_gr\r\n"},
        {"grey on cyan", picture(3, {8}, 1, {std::string("\x00\x80\xFF", 3), "\x10\x20\x30"}), 2, 0, ""},
        {"bits on yellow", picture(10, {1}, 1, {std::string("\xF0\x40", 2), std::string("\x0F\x80", 2)}), 2, 2, ""},
        {"RGB on a spot ink", picture(3, {8, 8, 8}, 2, {kRgbRow0, kRgbRow1}), 2, 4, ""},
    };
    const std::string blank = "_gs\r\n1 _gray\r\n_np\r\n28.346 813.543 _m\r\n113.386 813.543 _l\r\n113.386 756.85 _l\r\n"
                              "28.346 756.85 _l\r\n_cp\r\n_f\r\n_gr\r\n";
    for (const Case& c : cases)
        for (int compression : {1, 32773}) {
            SCOPED_TRACE(std::string(c.name) + (compression == 1 ? "" : ", PackBits"));
            TiffSpec s = c.spec;
            s.compression = compression;
            s.rowsPerStrip = 1;
            TiffImage reader;
            reader.setSource(scratch.file("p.tif", tiffFile(s)).c_str());
            CapturingWriter w;
            w.separationMode = c.mode;
            w.currentPlate = c.plate;
            ASSERT_EQ(reader.writePostScript(w, rect), 1);
            const std::string text = w.take();
            if (c.text[0]) {
                EXPECT_EQ(text.rfind("_gs\r\n/pictsr ", 0), 0u);
                EXPECT_NE(text.find("28.346 756.85 _trs\r\n85.04 56.69 _sc\r\n"), std::string::npos);
                EXPECT_EQ(afterScale(text), c.text);
            } else {
                EXPECT_EQ(text, blank);
            }
        }

    // A failed write stops the rows and fails; another mode writes nothing and succeeds.
    TiffSpec big = picture(300, {8, 8, 8}, 2, std::vector<std::string>(200, std::string(900, '\x5A')));
    big.compression = 32773;
    TiffImage reader;
    reader.setSource(scratch.file("big.tif", tiffFile(big)).c_str());
    for (int failFrom : {0, 3, 8, 9}) {
        CapturingWriter w;
        w.failFrom = failFrom;
        EXPECT_EQ(reader.writePostScript(w, rect), 0) << failFrom;
        EXPECT_LT(w.text.size(), 300u * 200 * 6) << failFrom;
    }
    CapturingWriter other;
    other.separationMode = 3;
    EXPECT_EQ(reader.writePostScript(other, rect), 1);
    EXPECT_EQ(other.text, "");
    EXPECT_TRUE(boxes.shown().empty());
}

namespace {

const double kLeft = 20.0, kCell = 10.0;
double topOf(int picture) { return 20.0 + 30.0 * picture; }

// Pictures of 4 x 2 pixels, each pixel a 10 mm cell on the page, all PackBits.
std::vector<std::pair<std::string, TiffSpec>> blocks()
{
    const std::string rgb0("\xFF\x00\x00\x00\x80\x00\x00\x00\xFF\xFF\xFF\x00", 12),
        rgb1("\x00\xFF\xFF\x00\x00\x00\xFF\x00\xFF\x80\x80\x80", 12);
    std::vector<std::pair<std::string, TiffSpec>> list = {
        {"bits, white is zero", picture(4, {1}, 0, {std::string("\xA0", 1), std::string("\x50", 1)})},
        {"bits, black is zero", picture(4, {1}, 1, {std::string("\xA0", 1), std::string("\x50", 1)})},
        {"grey", picture(4, {8}, 0, {std::string("\x00\x40\x80\xFF", 4), std::string("\xFF\x80\x40\x00", 4)})},
        {"palette", picture(4, {8}, 3, {std::string("\x00\x01\x02\x03", 4), std::string("\x03\x02\x01\x00", 4)})},
        {"RGB", picture(4, {8, 8, 8}, 2, {rgb0, rgb1})},
        {"RGBA", picture(4, {8, 8, 8, 8}, 2,
                         {std::string("\xFF\x00\x00\xFF\x00\x00\x00\x00\x00\x00\xFF\x80\x10\x20\x30\xFF", 16),
                          std::string("\x00\xFF\x00\xFF\xFF\xFF\x00\xFF\x00\x00\x00\xFF\x80\x80\x80\xFF", 16)})},
        {"CMYK", picture(4, {8, 8, 8, 8}, 5,
                         {std::string("\xFF\x00\x00\x00\x00\xFF\x00\x00\x00\x00\xFF\x00\x00\x00\x00\xFF", 16),
                          std::string("\x00\x00\x00\x00\x80\x00\x00\x00\x00\x80\x80\x00\x20\x20\x20\x40", 16)})},
    };
    for (auto& [name, spec] : list)
        spec.compression = 32773;
    return list;
}

class TiffPage : public PicturePage {};

} // namespace

TEST_F(TiffPage, GhostscriptRendersEveryLayoutAsTheScreenShowsIt)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    setPaper(210, 297);
    const auto pictures = blocks();
    std::vector<std::string> files;
    for (size_t i = 0; i < pictures.size(); ++i) {
        files.push_back(scratch.file("block" + std::to_string(i) + ".tif", tiffFile(pictures[i].second)));
        ASSERT_GE(addPicture(files.back(), ImageTypeValue::kTiff, kLeft, topOf(static_cast<int>(i)), 4 * kCell, 2 * kCell),
                  1);
    }
    const std::string page = renderPage(scratch, "page.ps");
    ASSERT_FALSE(page.empty());

    for (size_t i = 0; i < pictures.size(); ++i) {
        SCOPED_TRACE(pictures[i].first);
        TiffImage reader;
        reader.setSource(files[i].c_str());
        expectCellsAsOnScreen([&](DeviceContext& dc, const IntRect& target) { return reader.draw(dc, target); },
                              [&](double x, double y) { return ppmPixel(page, x, y); }, kLeft, topOf(static_cast<int>(i)), 2);
    }
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(TiffPage, A1BitPictureWithAColourMapShowsItsColoursAndPrintsTheirLightAndDark)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    setPaper(210, 297);
    // 4 x 2 pixels of both indices; on the screen each in its map colour as ImageMagick reads
    // it, on paper (PostScript and PDF) black where the screen shows the darker of the two
    // colours and white where it shows the lighter.
    struct Case {
        const char* name;
        unsigned char colours[2][3];
        int compression;
        int dark; // the index of the darker colour
    };
    const Case cases[] = {
        {"black, white", {{0, 0, 0}, {255, 255, 255}}, 1, 0},
        {"white, black", {{255, 255, 255}, {0, 0, 0}}, 32773, 1},
        {"dark blue, light yellow", {{0x10, 0x20, 0x80}, {0xF0, 0xE0, 0x60}}, 32773, 0},
        {"light yellow, dark blue", {{0xF0, 0xE0, 0x60}, {0x10, 0x20, 0x80}}, 1, 1},
    };
    const std::vector<std::string> rows = {std::string("\xA0", 1), std::string("\x50", 1)};
    std::vector<std::string> files;
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        TiffSpec s = picture(4, {1}, 3, rows);
        s.compression = c.compression;
        s.colourMap.clear();
        for (int channel = 0; channel < 3; ++channel)
            for (int index = 0; index < 2; ++index)
                s.colourMap.push_back(static_cast<unsigned short>(c.colours[index][channel] * 0x101));
        files.push_back(scratch.file("map" + std::to_string(i) + ".tif", tiffFile(s)));
        ASSERT_GE(addPicture(files.back(), ImageTypeValue::kTiff, kLeft, topOf(static_cast<int>(i)), 4 * kCell, 2 * kCell),
                  1);
    }
    const std::string ps = renderPage(scratch, "map.ps");
    ASSERT_FALSE(ps.empty());
    ASSERT_FALSE(exportPagePdf(scratch.pathOf("map.pdf")).empty());
    EXPECT_EQ(pdfImageList(scratch, "map.pdf"), "4 2 gray 1\n4 2 gray 1\n4 2 gray 1\n4 2 gray 1\ndistinct 4\n");
    EXPECT_EQ(pdf_test::run(scratch, "pdftoppm -r 72 -aa no map.pdf map && mv map-1.ppm map.ppm"), "");
    const std::string pdf = ScratchFolder::read(scratch.pathOf("map.ppm"));

    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        TiffImage reader;
        reader.setSource(files[i].c_str());
        EXPECT_EQ(firstRgbDifference(drawnRgb(reader, 4, 2), referenceRgb(scratch, files[i]), 4), "");
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x) {
                const int index = static_cast<unsigned char>(rows[static_cast<size_t>(y)][0]) >> (7 - x) & 1;
                const COLORREF paper = index == c.dark ? RGB(0, 0, 0) : RGB(255, 255, 255);
                const double px = kLeft + kCell * (x + 0.5), py = topOf(static_cast<int>(i)) + kCell * (y + 0.5);
                EXPECT_EQ(ppmPixel(ps, px, py), paper) << "PostScript, pixel " << x << "," << y;
                EXPECT_EQ(ppmPixel(pdf, px, py), paper) << "PDF, pixel " << x << "," << y;
            }
    }
    EXPECT_TRUE(boxes.shown().empty());
}

TEST(TiffPdf, EachLayoutIsOneXObjectInItsColourSpaceThatPopplerShowsAsTheScreenDoes)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    ScopedOverride<PictureReaderMaker> readers(makePictureReader, ImageReaderSwitch::make);
    const auto pictures = blocks();
    std::vector<std::unique_ptr<TiffImage>> tiffs;
    for (size_t i = 0; i < pictures.size(); ++i) {
        tiffs.emplace_back(new TiffImage);
        tiffs.back()->setSource(scratch.file("b" + std::to_string(i) + ".tif", tiffFile(pictures[i].second)).c_str());
    }
    auto rectOf = [](size_t i) {
        DoubleRect r;
        r.set(topOf(static_cast<int>(i)), kLeft, kLeft + 4 * kCell, topOf(static_cast<int>(i)) + 2 * kCell);
        return r;
    };
    pdf_test::PageWriter writer;
    writer.content = [&](PdfFileWriter& out, int) {
        int placed = 1;
        for (size_t i = 0; i < tiffs.size(); ++i)
            placed = placed && tiffs[i]->addPdfResource(out, rectOf(i));
        // The same file twice is one XObject.
        return placed && tiffs[0]->addPdfResource(out, rectOf(7));
    };
    const pdf_test::PdfText file(pdf_test::writeFile(writer, scratch.pathOf("tiff.pdf"), 1));
    ASSERT_FALSE(file.bytes.empty());
    EXPECT_EQ(file.layoutFaults(), "");
    EXPECT_EQ(pdf_test::qpdfFaults(scratch, {"tiff.pdf"}), "");
    // Width, height, colour space, components, bits and object of each placement: bits and grey
    // as grey, the palette, RGB and RGBA as RGB, CMYK as CMYK; the first file placed again is the
    // same object.
    const std::string list = pdf_test::run(scratch, "pdfimages -list tiff.pdf | awk 'NR > 2 {print $4, $5, $6, $7, $8, $11}'");
    std::vector<std::string> lines;
    for (size_t at = 0, end; (end = list.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(list.substr(at, end - at));
    ASSERT_EQ(lines.size(), 8u) << list;
    const char* kinds[] = {"4 2 gray 1 1", "4 2 gray 1 1", "4 2 gray 1 8", "4 2 rgb 3 8", "4 2 rgb 3 8", "4 2 rgb 3 8",
                           "4 2 cmyk 4 8"};
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(lines[i].rfind(kinds[i], 0), 0u) << lines[i];
    EXPECT_EQ(lines[7], lines[0]);
    EXPECT_NE(file.bytes.find("/ColorSpace /DeviceCMYK\r\n"), std::string::npos);

    // Poppler draws each cell as the screen shows it (CMYK without colour management).
    const std::string ppm = pdf_test::run(scratch, "pdftoppm -r 72 -aa no tiff.pdf page && cat page-1.ppm");
    for (size_t i = 0; i + 1 < pictures.size(); ++i) { // CMYK below
        SCOPED_TRACE(pictures[i].first);
        expectCellsAsOnScreen([&](DeviceContext& dc, const IntRect& target) { return tiffs[i]->draw(dc, target); },
                              [&](double x, double y) { return ppmPixel(ppm, x, y); }, kLeft, topOf(static_cast<int>(i)), 2);
    }

    // The CMYK picture alone: Ghostscript's ink coverage finds its four inks.
    pdf_test::PageWriter cmyk;
    cmyk.content = [&](PdfFileWriter& out, int) { return tiffs.back()->addPdfResource(out, rectOf(0)); };
    ASSERT_NE(pdf_test::writeFile(cmyk, scratch.pathOf("cmyk.pdf"), 1), "");
    const std::string coverage = pdf_test::run(scratch, "gs -q -dBATCH -dNOPAUSE -sDEVICE=inkcov -o - cmyk.pdf");
    double c = 0, m = 0, y = 0, k = 0;
    ASSERT_EQ(std::sscanf(coverage.c_str(), "%lf %lf %lf %lf", &c, &m, &y, &k), 4) << coverage;
    // Row 0: pure cyan, magenta, yellow, black; row 1: white, half cyan, half magenta and
    // yellow, an eighth of each colour over a quarter black: as much cyan as magenta and yellow,
    // less black.
    EXPECT_GT(c, 0.0);
    EXPECT_NEAR(m, c, c * 0.02);
    EXPECT_NEAR(y, c, c * 0.02);
    EXPECT_GT(k, c * 0.5);
    EXPECT_LT(k, c * 0.9);
    EXPECT_TRUE(boxes.shown().empty());
}
