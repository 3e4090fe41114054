// The PDF file writer: objects, pages tree and cross-reference table by page count, the content
// operators' text, and the image XObjects of own bitmaps and of picture readers; every file is
// checked by qpdf.
#include <gtest/gtest.h>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "geometry/DoubleRect.h"
#include "platform/DibImage.h"
#include "platform/RgbColor.h"
#include "platform/StringUtil.h"
#include "tests/io/pdf/PdfTestFile.h"
#include "tests/support/FakePictureReader.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

namespace {

using pdf_test::PageWriter;
using pdf_test::PdfText;

void fillImage(DibImage& image, int w, int h, const std::function<RgbColor(int, int)>& colour)
{
    ASSERT_EQ(pdf_test::fillImage(image, w, h, colour), 1);
}

DoubleRect rectAt(double x, double y, double w, double h)
{
    DoubleRect r;
    r.set(y, x, x + w, y + h);
    return r;
}

TEST(PdfFileWriter, ObjectsPagesTreeAndXrefFollowThePageCount)
{
    TestApplication app;
    ScratchFolder scratch;
    struct Case {
        int pages;
        double width, height;
        int size;                            // the xref's entries
        std::vector<std::pair<int, std::string>> objects; // object number, a part of it
    };
    const Case cases[] = {
        {1, 210, 297, 8,
         {{2, "/Type /Page\r\n/Parent 5 0 R\r\n/Resources 3 0 R\r\n/Contents 1 0 R\r\n>>"},
          {3, "/ProcSet [/PDF ]\r\n/ExtGState <<\r\n/GS1 4 0 R\r\n>>"},
          {4, "/Type /ExtGState\r\n/SA false\r\n/OP false\r\n/HT /Default\r\n"},
          {5, "<<\r\n/Type /Pages\r\n/Kids [2 0 R]\r\n/Count 1\r\n/MediaBox [0 0 595 842]\r\n>>"},
          {6, "/Creator (Tesvan Corporation)"},
          {7, "/Type /Catalog\r\n/Pages 5 0 R\r\n"}}},
        {11, 297, 210, 30,
         {{25, "/Kids [2 0 R 4 0 R 6 0 R 8 0 R 10 0 R 12 0 R 14 0 R 16 0 R 18 0 R 20 0 R]\r\n/Count 10\r\n/Parent 27 0 R"},
          {26, "/Type /Pages\r\n/Kids [22 0 R]\r\n/Count 1\r\n/Parent 27 0 R"},
          {27, "/Kids [25 0 R 26 0 R]\r\n/Count 11\r\n/MediaBox [0 0 842 595]"},
          {22, "/Parent 26 0 R"},
          {29, "/Pages 27 0 R"}}},
        {25, 210, 297, 59,
         {{53, "/Count 10"}, {54, "/Count 10"}, {55, "/Kids [42 0 R 44 0 R 46 0 R 48 0 R 50 0 R]\r\n/Count 5"},
          {56, "/Kids [53 0 R 54 0 R 55 0 R]\r\n/Count 25\r\n"}, {52, "/Type /ExtGState"}, {58, "/Pages 56 0 R"}}},
    };
    std::vector<std::string> names;
    for (const Case& c : cases) {
        const std::string name = std::to_string(c.pages) + ".pdf";
        SCOPED_TRACE(name);
        PageWriter writer;
        writer.content = [](PdfFileWriter& out, int) { return out.moveTo(10, 10) && out.lineTo(100, 10) && out.stroke(); };
        const PdfText file(pdf_test::writeFile(writer, scratch.pathOf(name), c.pages, c.width, c.height));
        ASSERT_FALSE(file.bytes.empty());
        names.push_back(name);
        EXPECT_EQ(file.bytes.rfind("%PDF-1.2\r\n1 0 obj\r\n<<\r\n/Length ", 0), 0u) << "contents first";
        EXPECT_NE(file.bytes.find("xref\r\n0 " + std::to_string(c.size) + "\r\n0000000000 65535 f\r\n"), std::string::npos);
        EXPECT_NE(file.bytes.find("trailer\r\n<<\r\n/Size " + std::to_string(c.size) + "\r\n/Root " +
                                  std::to_string(c.size - 1) + " 0 R\r\n/Info " + std::to_string(c.size - 2) + " 0 R\r\n>>"),
                  std::string::npos);
        EXPECT_EQ(file.layoutFaults(), "");
        if (c.pages == 1) {
            EXPECT_EQ(file.stream(1), "28.346 813.543 m\r\n283.465 813.543 l\r\nS\r\n");
        }
        for (const auto& object : c.objects)
            EXPECT_NE(file.object(object.first).find(object.second), std::string::npos)
                << object.first << ": " << file.object(object.first);
        const std::string top = std::to_string(static_cast<int>((c.height - 10) * 72 / 25.4));
        EXPECT_EQ(file.stream(2 * c.pages - 1).substr(0, 8 + top.size()), "28.346 " + top + ".") << "the last page's line";
        EXPECT_EQ(file.stream(2 * c.pages - 1), file.stream(1));
    }
    EXPECT_EQ(pdf_test::qpdfFaults(scratch, names), "");
}

TEST(PdfFileWriter, OperatorsWriteTheirNumbersAsPdfReadersExpect)
{
    TestApplication app;
    struct Case {
        const char* what;
        std::function<int(PdfFileWriter&)> call;
        const char* text;
    };
    const Case cases[] = {
        {"0.14 mm wide", [](PdfFileWriter& w) { return w.setLineWidth(0.14); }, "0.4 w\r\n"},
        {"white stroke", [](PdfFileWriter& w) { return w.setStrokeColor(RgbColor(255, 255, 255), 1.0); }, "1 1 1 RG\r\n"},
        {"violet fill", [](PdfFileWriter& w) { return w.setFillColor(RgbColor(128, 0, 255), 1.0); }, "0.5 0 1 rg\r\n"},
        {"black at tint 0.3", [](PdfFileWriter& w) { return w.setStrokeColor(RgbColor(0, 0, 0), 0.3); }, "0.7 0.7 0.7 RG\r\n"},
        {"a tint beyond 1 stays black", [](PdfFileWriter& w) { return w.setFillColor(RgbColor(0, 0, 0), 3.0); }, "0 0 0 rg\r\n"},
        {"A4, y from the bottom", [](PdfFileWriter& w) { return w.moveTo(10, 20); }, "28.346 785.197 m\r\n"},
        {"far out", [](PdfFileWriter& w) { return w.lineTo(1e300, -1e300); }, "1000000000 1000000000 l\r\n"},
        {"not a number", [](PdfFileWriter& w) { return w.lineTo(std::nan(""), 297); }, "0 0 l\r\n"},
        {"curve", [](PdfFileWriter& w) { return w.curveTo(0, 297, 25.4, 297, 25.4, 271.6); }, "0 0 72 0 72 72 c\r\n"},
        {"solid", [](PdfFileWriter& w) { return w.setDash(1, 50, 3, 1, 0); }, "[] 0 d\r\n"},
        {"dash centred on 10 mm", [](PdfFileWriter& w) { return w.setDash(2, 10, 3, 1, 0); }, "[ 8.5 2.83] 1.42 d\r\n"},
        {"dash and dot", [](PdfFileWriter& w) { return w.setDash(3, 10, 3, 1, 0.5); }, "[ 8.5 2.83 1.42 2.83] 0 d\r\n"},
        {"more than five", [](PdfFileWriter& w) { return w.setDash(9, 0, 3, 1, 0.5); },
         "[ 8.5 2.83 1.42 2.83 1.42 2.83 1.42 2.83] 0 d\r\n"},
        {"a dash too short to see", [](PdfFileWriter& w) { return w.setDash(2, 10, 0.005, 1, 0); }, "[] 0 d\r\n"},
        {"text matrix", [](PdfFileWriter& w) { return w.setTextMatrix(10.63, 0, 0, 10.63, 25.4, 271.6); },
         "10.63 0 0 10.63 72 72 Tm\r\n"},
        {"spacing", [](PdfFileWriter& w) { return w.setCharSpacing(0) && w.setWordSpacing(1.25); }, "0 Tc\r\n1.3 Tw\r\n"},
        {"parentheses", [](PdfFileWriter& w) { return w.showText("a(b)"); }, "(a\\(b\\)) Tj\r\n"},
        {"trail byte 5C and a backslash", [](PdfFileWriter& w) { return w.showText("\x95\x5C\\"); },
         "(\x95\\\\\\\\) Tj\r\n"},
        {"a lone lead byte, a line feed", [](PdfFileWriter& w) { return w.showText("a\n\x83"); }, "(a\n\x83) Tj\r\n"},
        {"nothing", [](PdfFileWriter& w) { return w.showText(""); }, "() Tj\r\n"},
        {"part of a text", [](PdfFileWriter& w) { return w.showText("abcdef", 2, 4); }, "(cd) Tj\r\n"},
        {"a range backwards", [](PdfFileWriter& w) { return w.showText("abc", 2, 1); }, "() Tj\r\n"},
        {"clip", [](PdfFileWriter& w) { return w.clip() && w.endPath(); }, "W\r\nn\r\n"},
    };
    for (const Case& c : cases) {
        PageWriter writer;
        writer.capture = 1;
        EXPECT_EQ(c.call(writer), 1) << c.what;
        EXPECT_EQ(writer.captured, c.text) << c.what;
    }
}

TEST(PdfFileWriter, NumbersAreRoundedHalfUpFromTheirFifteenDigitForm)
{
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {{0.125, 2, "0.13"}, {-0.125, 2, "-0.13"}, {2.675, 2, "2.68"}, {-0.001, 2, "0"}, {-0.0, 3, "0"},
                          {2.5, 0, "3"},      {0.5, 0, "1"},        {12.34, 3, "12.34"}, {1e9, 3, "1000000000"},
                          {0.395, 1, "0.4"},  {-7.9999999, 3, "-8"}};
    for (const Case& c : cases) {
        char text[PdfFileWriter::kNumberSize];
        PdfFileWriter::formatNumber(c.value, c.decimals, text);
        EXPECT_STREQ(text, c.text) << c.value;
    }
    // The writer's own path against the library's formatter, over many magnitudes.
    unsigned seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int i = 0; i < 200000; ++i) {
        const int decimals = static_cast<int>(next() >> 8) % 4;
        const double magnitude = std::pow(10.0, static_cast<int>(next() >> 8) % 16 - 6);
        double value = (static_cast<int>(next() >> 4) % 2000001 - 1000000) / 1000000.0 * magnitude;
        if (i % 3 == 0)
            value = std::round(value * 2000) / 2000; // on a half of the last decimal, or near it
        char own[PdfFileWriter::kNumberSize], library[PdfFileWriter::kNumberSize];
        PdfFileWriter::formatNumber(value, decimals, own);
        ASSERT_TRUE(StringUtil::formatDouble(value, decimals, library, sizeof library, 1));
        ASSERT_STREQ(own, library) << value << " at " << decimals;
    }
}

TEST(PdfFileWriter, AFailedWriteIsKeptAndEndsTheDocument)
{
    TestApplication app;
    ScratchFolder scratch;
    PageWriter writer;
    writer.content = [](PdfFileWriter& out, int) { return out.moveTo(1, 1) && out.lineTo(2, 2) && out.stroke(); };
    writer.failFrom = 300;
    EXPECT_EQ(pdf_test::writeFile(writer, scratch.pathOf("short.pdf"), 4), "");
    EXPECT_EQ(writer.failed(), 1);
    EXPECT_EQ(writer.moveTo(1, 1), 0) << "every later write fails at once";
    EXPECT_EQ(writer.isRunning(), 0);
    writer.failFrom = -1;
    EXPECT_NE(pdf_test::writeFile(writer, scratch.pathOf("whole.pdf"), 4), "") << "the next document starts afresh";
}

TEST(PdfImages, EachImageIsOneXObjectWhoseHexDataMatchesItsLength)
{
    TestApplication app;
    ScratchFolder scratch;
    FakePictureReaders readers;
    FakePictureFiles::current().pixelWidth = 4;
    FakePictureFiles::current().pixelHeight = 2;
    DibImage white, nine, shared;
    fillImage(white, 1, 1, [](int, int) { return RgbColor(255, 255, 255); });
    fillImage(nine, 3, 3, [](int x, int y) { return RgbColor(3 * y + x, 16, 255 - x); });
    fillImage(shared, 2, 1, [](int, int) { return RgbColor(10, 20, 30); });
    std::unique_ptr<PictureReader> bmp(makePictureReader(1)), gif(makePictureReader(3));
    bmp->setSource("C:\\pictures\\a.bmp");
    gif->setSource("C:\\pictures\\b.gif");

    auto pages = [&](PdfFileWriter& out, int page) -> int {
        const DoubleRect rect = rectAt(10, 20, 30, 15);
        if (page == 2)
            return out.drawImage(white, rect) && bmp->addPdfResource(out, rect);
        int drawn = out.drawImage(white, rect) && out.drawImage(nine, rect) && bmp->addPdfResource(out, rect) &&
                    gif->addPdfResource(out, rect) && out.drawImage(shared, rect);
        // The same block with other pixels, as the editor's one raster for bitmaps of a size.
        unsigned char* pixels = shared.lockPixels();
        pixels[0] = static_cast<unsigned char>(pixels[0] ^ 0xFF);
        shared.unlockPixels();
        drawn = drawn && out.drawImage(shared, rect);
        pixels = shared.lockPixels();
        pixels[0] = static_cast<unsigned char>(pixels[0] ^ 0xFF);
        shared.unlockPixels();
        return drawn;
    };
    PageWriter writer;
    writer.content = pages;
    const PdfText file(pdf_test::writeFile(writer, scratch.pathOf("images.pdf"), 2));
    ASSERT_FALSE(file.bytes.empty());
    EXPECT_EQ(file.layoutFaults(), "") << "reader images too";

    // Objects 10.. (after Catalog 9) in the order the first page met them: white, nine, a.bmp, b.gif, two shared.
    EXPECT_NE(file.object(5).find("/ProcSet [/PDF /ImageC ]\r\n/XObject <<\r\n/Im0 10 0 R\r\n/Im1 11 0 R\r\n/Im2 12 0 R\r\n"
                                  "/Im3 13 0 R\r\n/Im4 14 0 R\r\n/Im5 15 0 R\r\n>>"),
              std::string::npos)
        << file.object(5);
    EXPECT_EQ(file.object(16), "") << "six images";
    EXPECT_NE(file.object(10).find("/Type /XObject\r\n/Subtype /Image\r\n/Name /Im0\r\n/Width 1\r\n/Height 1\r\n"
                                  "/BitsPerComponent 8\r\n/ColorSpace /DeviceRGB\r\n/Filter /ASCIIHexDecode\r\n/Length 9\r\n>>"),
              std::string::npos);
    EXPECT_EQ(file.stream(10), "FFFFFF>\r\n");
    EXPECT_EQ(file.stream(11), "0010FF 0110FE 0210FD 0310FF 0410FE 0510FD 0610FF\r\n0710FE 0810FD>\r\n")
        << "rows top first, 7 groups to a line";
    EXPECT_NE(file.stream(14), file.stream(15)) << "one raster block, two pictures";
    const std::string page1 = file.stream(1), page2 = file.stream(3);
    EXPECT_NE(page1.find("n\r\n/GS1 gs\r\nq\r\n85.04 0 0 42.52 28.35 742.68 cm\r\n/Im0 Do\r\nQ\r\n"), std::string::npos)
        << page1;
    EXPECT_EQ(page2, "n\r\n/GS1 gs\r\nq\r\n85.04 0 0 42.52 28.35 742.68 cm\r\n/Im0 Do\r\nQ\r\n"
                     "n\r\n/GS1 gs\r\nq\r\n85.04 0 0 42.52 28.35 742.68 cm\r\n/Im2 Do\r\nQ\r\n")
        << "page 2 draws the XObjects of page 1 again";

    // A picture whose file went away after the pages: a white pixel keeps the reference whole.
    FakePictureFiles::current().xObjectsFail = 1;
    PageWriter again;
    again.content = pages;
    const PdfText lost(pdf_test::writeFile(again, scratch.pathOf("lost.pdf"), 2));
    EXPECT_EQ(lost.layoutFaults(), "");
    EXPECT_EQ(lost.stream(12), "FFFFFF>\r\n");
    EXPECT_NE(lost.object(12).find("/Width 1\r\n/Height 1\r\n"), std::string::npos);

    EXPECT_EQ(pdf_test::qpdfFaults(scratch, {"images.pdf", "lost.pdf"}), "");
    // pdfimages lists each drawing of an image with its object: the white pixel (object 10)
    // twice, a.bmp (object 12) twice.
    const std::string listed = pdf_test::run(scratch, "pdfimages -list images.pdf | awk 'NR > 2 {print $1, $4, $5, $11}'");
    EXPECT_EQ(listed, "1 1 1 10\n1 3 3 11\n1 4 2 12\n1 4 2 13\n1 2 1 14\n1 2 1 15\n2 1 1 10\n2 4 2 12\n");
}

} // namespace
