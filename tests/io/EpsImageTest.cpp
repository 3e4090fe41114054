// The EPS reader: the bounding box from the header comments (high-resolution box, budget, line
// ends, "(atend)", values that are not numbers), the DOS binary form and its previews, the
// embedding in a PostScript job that Ghostscript renders inside the placed rectangle, plates in
// separations, and the preview in PDF.
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "document/Document.h"
#include "document/FileErrorReporter.h"
#include "geometry/DoubleRect.h"
#include "io/images/EpsCommentScan.h"
#include "io/images/EpsImage.h"
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
#include "tests/support/UnixScript.h"

using namespace image_test;

namespace {

// A green 4 x 2 RGB TIFF, the preview of the tests' EPS files.
std::string greenTiff() { return solidTiff(4, 2, 0, 0xC0, 0); }

} // namespace

TEST(EpsCommentScan, TheBoxComesFromItsLineAndAHighResolutionBoxSoonAfter)
{
    struct Case {
        const char* name;
        std::string text;
        int found;
        double box[4];
        int atEnd;
    };
    const std::string pad(600, ' ');
    const std::vector<Case> cases = {
        {"CR LF", "%!PS-Adobe-3.0 EPSF-3.0\r\n%%BoundingBox: 0 0 100 50\r\n", 1, {0, 0, 100, 50}, 0},
        {"CR", "%!PS\r%%BoundingBox: -10 -20 30.5 40\r%%EndComments\r", 1, {-10, -20, 30.5, 40}, 0},
        {"LF, tabs", "%!PS\n%%BoundingBox:\t1 2 3 4\n5\n", 1, {1, 2, 3, 4}, 0},
        {"high resolution soon after", "%%BoundingBox: 0 0 101 51\n%%HiResBoundingBox: 0.5 0.25 100.5 50.75\n", 1,
         {0.5, 0.25, 100.5, 50.75}, 0},
        {"high resolution beyond 512 bytes", "%%BoundingBox: 0 0 101 51\n%" + pad + "\n%%HiResBoundingBox: 1 1 2 2\n", 1,
         {0, 0, 101, 51}, 0},
        {"high resolution alone", "%%HiResBoundingBox: 1 2 3 4.5\n", 1, {1, 2, 3, 4.5}, 0},
        {"three numbers on the line", "%%BoundingBox: 0 0 100\n50\n", 0, {}, 0},
        {"not numbers", "%%BoundingBox: 0 0 1OO 50\n", 0, {}, 0},
        {"a later good box", "%%BoundingBox: a b c d\n%%BoundingBox: 1 1 9 9\n", 1, {1, 1, 9, 9}, 0},
        {"tokens of 200 characters", "%%BoundingBox: " + std::string(200, '7') + " " + std::string(200, 'x') + " 1 2\n", 0,
         {}, 0},
        {"a keyword of 200 characters", std::string(200, '%') + "BoundingBox: 1 2 3 4\n", 0, {}, 0},
        {"atend", "%%BoundingBox: (atend)\n%%EndComments\n", 0, {}, 1},
        {"no colon", "%%BoundingBox 1 2 3 4\n", 0, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EpsCommentScan scan;
        scan.scan(reinterpret_cast<const unsigned char*>(c.text.data()), c.text.size(), 99999, 512, 0);
        EXPECT_EQ(scan.found, c.found);
        EXPECT_EQ(scan.atEnd, c.atEnd);
        if (c.found) {
            for (int i = 0; i < 4; ++i)
                EXPECT_DOUBLE_EQ(scan.box[i], c.box[i]) << i;
        }
    }

    // The budget: a box starting within the first 99,999 bytes is read, one after them is not.
    for (size_t before : {99000u, 100000u}) {
        const std::string text = std::string(before, '\n') + "%%BoundingBox: 0 0 10 10\n";
        EpsCommentScan scan;
        scan.scan(reinterpret_cast<const unsigned char*>(text.data()), text.size(), 99999, 512, 0);
        EXPECT_EQ(scan.found, before < 99999 ? 1 : 0) << before;
    }
    // Process colours, when asked for.
    const std::string colours = "%%BoundingBox: 0 0 1 1\n%%DocumentProcessColors: Cyan Black\n";
    EpsCommentScan scan;
    scan.scan(reinterpret_cast<const unsigned char*>(colours.data()), colours.size(), 99999, 512, 1);
    EXPECT_EQ(std::vector<int>(scan.processColours, scan.processColours + 4), (std::vector<int>{1, 0, 0, 1}));
}

TEST(EpsImage, SizesPreviewsAndRefusals)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    // A plain file: 144 x 72 points are 50.8 x 25.4 mm; it has no preview to draw.
    EpsImage plain;
    plain.setSource(scratch.file("plain.eps", epsText(0, 0, 144, 72, "1 0 0")).c_str());
    double w = 0, h = 0;
    int pw = 0, ph = 0;
    ASSERT_EQ(plain.getSize(w, h), 1);
    EXPECT_NEAR(w, 50.8, 1e-9);
    EXPECT_NEAR(h, 25.4, 1e-9);
    ASSERT_EQ(plain.getPixelSize(pw, ph), 1);
    EXPECT_EQ(pw, 144);
    EXPECT_EQ(ph, 72);
    DibSurface surface(40, 20);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    EXPECT_EQ(plain.draw(dc, IntRect::fromEdges(0, 0, 40, 20)), 0);

    // The box in the trailer.
    std::string atEnd = epsText(0, 0, 144, 72, "1 0 0");
    atEnd.replace(atEnd.find("0 0 144 72"), 10, "(atend)");
    atEnd += "%%Trailer\n%%BoundingBox: 0 0 72 36\n%%EOF\n";
    EpsImage trailer;
    trailer.setSource(scratch.file("atend.eps", atEnd).c_str());
    ASSERT_EQ(trailer.getPixelSize(pw, ph), 1);
    EXPECT_EQ(pw, 72);
    EXPECT_EQ(ph, 36);

    // The DOS form: its TIFF preview is drawn; a metafile preview or none draws nothing.
    const std::string ps = epsText(0, 0, 100, 50, "0 0 1");
    EpsImage dos;
    dos.setSource(scratch.file("dos.eps", dosEps(ps, greenTiff(), "")).c_str());
    ASSERT_EQ(dos.getSize(w, h), 1);
    EXPECT_EQ(dos.binary, 1);
    EXPECT_EQ(dos.preview, EpsImage::kTiff);
    EXPECT_NEAR(w, 100 * 25.4 / 72, 1e-9);
    EXPECT_EQ(dos.draw(dc, IntRect::fromEdges(0, 0, 40, 20)), 1);
    EXPECT_EQ(surface.pixel(20, 10), RGB(0, 0xC0, 0));
    EpsImage metafile;
    metafile.setSource(scratch.file("wmf.eps", dosEps(ps, "", std::string(64, 'W'))).c_str());
    EXPECT_EQ(metafile.draw(dc, IntRect::fromEdges(0, 0, 40, 20)), 0);
    EXPECT_EQ(metafile.preview, EpsImage::kMetafile);
    dc.detachHdc();
    EXPECT_EQ(takeMessages(boxes), "");

    // Refusals: no box, a box past the budget, sections outside the file. A preview lying over
    // the PostScript is none.
    struct Case {
        const char* name;
        std::string bytes;
        const char* message;
        int preview;
    };
    std::string overlap = dosEps(ps, greenTiff(), "");
    setField(overlap, 20, 4, 30); // the preview where the PostScript is
    std::string beyond = dosEps(ps, greenTiff(), "");
    setField(beyond, 8, 4, 0x7FFFFFFF);
    std::string crossing = dosEps(ps, greenTiff(), "");
    setField(crossing, 24, 4, static_cast<std::uint32_t>(greenTiff().size() + 1));
    const Case cases[] = {
        {"no box", "%!PS\n%%Title: x\n", "%%BoundingBox:が見つかりません。 / EPSエラー", 0},
        {"box past 99,999 bytes", "%!PS\n" + std::string(100000, ' ') + "\n%%BoundingBox: 0 0 1 1\n",
         "%%BoundingBox:が見つかりません。 / EPSエラー", 0},
        {"empty box", "%%BoundingBox: 10 10 10 20\n", "%%BoundingBox:が見つかりません。 / EPSエラー", 0},
        {"short binary header", std::string("\xC5\xD0\xD3\xC6\x1E\x00", 6), "処理できないファイルです。 / EPSエラー", 0},
        {"PostScript past the end", beyond, "処理できないファイルです。 / EPSエラー", 0},
        {"preview over the PostScript", overlap, "", EpsImage::kNoPreview},
        {"preview past the end", crossing, "", EpsImage::kNoPreview},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EpsImage reader;
        reader.setSource(scratch.file("bad.eps", c.bytes).c_str());
        EXPECT_EQ(reader.getSize(w, h), c.message[0] ? 0 : 1);
        EXPECT_EQ(takeMessages(boxes), c.message);
        EXPECT_EQ(reader.preview, c.preview);
    }

    // An LF-only file from Ghostscript's EPS writer gets its right size.
    const std::string source = scratch.file("in.ps", "%!PS\n1 0 0 setrgbcolor 10 20 100 50 rectfill showpage\n");
    const std::string out = scratch.pathOf("gs.eps");
    ASSERT_EQ(runUnixScript("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=eps2write -sOutputFile=" + quotedUnixPath(out) +
                                " " + quotedUnixPath(source) + "\n",
                            scratch.pathOf("eps2write")),
              0);
    ASSERT_EQ(ScratchFolder::read(out).find('\r'), std::string::npos) << "LF line ends";
    EpsImage written;
    written.setSource(out.c_str());
    ASSERT_EQ(written.getSize(w, h), 1);
    EXPECT_NEAR(w, 100 * 25.4 / 72, 0.5);
    EXPECT_NEAR(h, 50 * 25.4 / 72, 0.5);
    EXPECT_EQ(takeMessages(boxes), "");
}

namespace {

class EpsPage : public PicturePage {};

// An EPS of a raster image: 4 x 4 black pixels read through readhexstring over the whole box,
// naming the process colours given.
std::string rasterEps(const char* colours)
{
    return std::string("%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 100 100\n%%DocumentProcessColors: ") + colours +
           "\n%%EndComments\n/str 4 string def 100 100 scale\n"
           "4 4 8 [4 0 0 -4 0 4] {currentfile str readhexstring pop} image\n" +
           std::string(32, '0') + "\nshowpage\n%%EOF\n";
}

} // namespace

TEST_F(EpsPage, EmbeddedItRendersInsideItsRectangleAndTheImageAfterItAndThePageEndStillWork)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    setPaper(210, 297);
    // A red EPS that leaves operands and an open dictionary behind and calls showpage, as a
    // DOS file with a preview; then a blue TIFF picture.
    std::string ps = epsText(0, 0, 100, 50, "1 0 0");
    ps.insert(ps.find("%%EOF"), "1 2 3 10 dict begin /readhexstring {pop (x)} def\n");
    const std::string eps = scratch.file("red.eps", dosEps(ps, greenTiff(), ""));
    ASSERT_GE(addPicture(eps, ImageTypeValue::kEps, 20, 20, 60, 30), 1);
    ASSERT_GE(addPicture(scratch.file("blue.tif", solidTiff(2, 2, 0, 0, 255)), ImageTypeValue::kTiff, 20, 80, 40, 20), 1);
    int pages = 0;
    const std::string ppm = renderPage(scratch, "page.ps", &pages);
    ASSERT_FALSE(ppm.empty());
    EXPECT_EQ(pages, 1) << "the embedded showpage ends no page, the page's own does";
    EXPECT_EQ(ppmPixel(ppm, 21, 21), RGB(255, 0, 0));
    EXPECT_EQ(ppmPixel(ppm, 79, 49), RGB(255, 0, 0));
    EXPECT_EQ(ppmPixel(ppm, 18, 35), RGB(255, 255, 255));
    EXPECT_EQ(ppmPixel(ppm, 82, 35), RGB(255, 255, 255));
    EXPECT_EQ(ppmPixel(ppm, 50, 52), RGB(255, 255, 255));
    EXPECT_EQ(ppmPixel(ppm, 40, 90), RGB(0, 0, 255)) << "the image after the EPS";
    // Only the PostScript section went into the job.
    const std::string job = ScratchFolder::read(scratch.pathOf("page.ps"));
    EXPECT_EQ(job.find("\xC5\xD0\xD3\xC6"), std::string::npos);
    EXPECT_EQ(occurrences(job, "%%BeginDocument: (" + eps + ")\r\n"), 1);
    EXPECT_EQ(occurrences(job, "%%EOF\n%%EndDocument\r\n"), 1);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(EpsPage, InSeparationsRasterPrintsOnlyOnThePlatesTheFileNames)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    setPaper(210, 297);
    ASSERT_GE(addPicture(scratch.file("cb.eps", rasterEps("Cyan Black")), ImageTypeValue::kEps, 20, 20, 40, 40), 1);
    const char* names[] = {"cyan", "magenta", "yellow", "black"};
    const int inked[] = {1, 0, 0, 1};
    for (int plate = 0; plate < 4; ++plate) {
        SCOPED_TRACE(names[plate]);
        const std::string grey = renderPlate(scratch, plate);
        ASSERT_GT(grey.size(), 595u * 842 - 1);
        const int ink = inkIn(grey, 20, 20, 60, 60);
        EXPECT_EQ(ink > 1000, inked[plate] == 1) << ink;
    }
    EXPECT_TRUE(boxes.shown().empty());
}

TEST(EpsPdf, ThePreviewIsItsImageAndAFileWithoutOneGivesNone)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    ScopedOverride<PictureReaderMaker> readers(makePictureReader, ImageReaderSwitch::make);
    const std::string ps = epsText(0, 0, 100, 50, "1 0 0");
    EpsImage withPreview, without, metafileOnly;
    withPreview.setSource(scratch.file("p.eps", dosEps(ps, greenTiff(), "")).c_str());
    without.setSource(scratch.file("n.eps", ps).c_str());
    metafileOnly.setSource(scratch.file("m.eps", dosEps(ps, "", std::string(40, 'W'))).c_str());
    DoubleRect rect;
    rect.set(20, 20, 60, 40);
    int answers[3] = {-1, -1, -1};
    pdf_test::PageWriter writer;
    writer.content = [&](PdfFileWriter& out, int) {
        answers[0] = withPreview.addPdfResource(out, rect);
        answers[1] = without.addPdfResource(out, rect);
        answers[2] = metafileOnly.addPdfResource(out, rect);
        return 1;
    };
    const pdf_test::PdfText file(pdf_test::writeFile(writer, scratch.pathOf("eps.pdf"), 1));
    ASSERT_FALSE(file.bytes.empty());
    EXPECT_EQ(std::vector<int>(answers, answers + 3), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(file.layoutFaults(), "");
    EXPECT_EQ(pdf_test::run(scratch, "pdfimages -list eps.pdf | awk 'NR > 2 {print $4, $5, $6}'"), "4 2 rgb\n");
    const std::string ppm = pdf_test::run(scratch, "pdftoppm -r 72 eps.pdf page && cat page-1.ppm");
    EXPECT_EQ(ppmPixel(ppm, 40, 30), RGB(0, 0xC0, 0));
    EXPECT_TRUE(boxes.shown().empty());
}

// A drawing to look at by hand under Xvfb: a TIFF picture, an EPS with a TIFF preview and an EPS
// without, saved with their files into Z:\tmp\k50-shot; then open the drawing in the program:
//   build/tests/test_io.exe --gtest_also_run_disabled_tests --gtest_filter='EpsPage.DISABLED_*'
//   Xvfb :151 -screen 0 1280x1024x24 &
//   DISPLAY=:151 scripts/wine-run --prefix build/wineprefix-display --display build/korvane.exe
//       'Z:\tmp\k50-shot\pictures.ycx'      (one command line)
TEST_F(EpsPage, DISABLED_ADrawingOfATiffAndTwoEpsFiles)
{
    const std::string folder = "Z:\\tmp\\k50-shot\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    auto write = [&](const std::string& name, const std::string& bytes) {
        const std::string path = folder + name;
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD done = 0;
        EXPECT_TRUE(WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr));
        CloseHandle(h);
        return path;
    };
    TiffSpec photo;
    photo.width = 120;
    photo.height = 80;
    photo.bits = {8, 8, 8};
    photo.photometric = 2;
    photo.compression = 32773;
    photo.rowsPerStrip = 16;
    for (int y = 0; y < 80; ++y) {
        std::string row;
        for (int x = 0; x < 120; ++x)
            row += std::string{static_cast<char>(2 * x), static_cast<char>(3 * y), static_cast<char>(x < 60 ? 200 : 40)};
        photo.rows.push_back(row);
    }
    setPaper(210, 297);
    ASSERT_GE(addPicture(write("photo.tif", tiffFile(photo)), ImageTypeValue::kTiff, 20, 20, 60, 40), 1);
    ASSERT_GE(addPicture(write("preview.eps", dosEps(epsText(0, 0, 100, 50, "1 0 0"), tiffFile(photo), "")),
                         ImageTypeValue::kEps, 100, 20, 60, 30),
              1);
    ASSERT_GE(addPicture(write("plain.eps", epsText(0, 0, 100, 50, "0 0 1")), ImageTypeValue::kEps, 20, 80, 60, 30), 1);
    Document* d = drawing().document;
    ASSERT_TRUE(d->setPathAndTitle((folder + "pictures.ycx").c_str()));
    XmlContextScope writing(d);
    EXPECT_EQ(d->write(), 1);
}
