// GIF and JPEG pictures placed on a page: the page's PostScript, rendered by Ghostscript, and its
// PDF, rendered by poppler, show each picture as the screen draws it; the JPEG's output takes its
// first frame whatever the drawing mode chose, and a file placed twice is one PDF image.
#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "document/Element.h"
#include "document/FileNameValue.h"
#include "io/images/GifImage.h"
#include "io/images/ImageReaderSwitch.h"
#include "io/images/JpegImage.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "shapes/ImageTypeValue.h"
#include "tests/io/GifFixture.h"
#include "tests/io/ImageFixture.h"
#include "tests/io/PrintFixture.h"
#include "tests/io/pdf/PdfTestFile.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixScript.h"
#include "views/tools/ElementEditor.h"

namespace {

const double kLeft = 20.0, kCell = 10.0;

class GifJpegPage : public PrintDrawing {
protected:
    // A picture of the file over 40 x 20 mm at (kLeft, top); its id.
    int addPicture(const std::string& path, int kind, double top)
    {
        ElementEditorBase& editor = *drawing().editor3;
        if (editor.startNewElement(kindCode(ElementKind::Picture)) != 1)
            return 0;
        Element* e = editor.elementInHand();
        e->firstPoint()->x = kLeft, e->firstPoint()->y = top;
        e->secondPoint()->x = kLeft + 4 * kCell, e->secondPoint()->y = top + 2 * kCell;
        e->imageKind()->value = kind;
        e->fileName()->setText(path.c_str());
        return editor.addToPage();
    }
    void placePictures();
    void expectAsOnScreen(const std::string& page);

    struct Placed {
        const char* name;
        std::string path;
        int kind;
    };
    std::vector<Placed> placed;
    ScratchFolder scratch;
    ScopedOverride<PictureReaderMaker> readers{makePictureReader, ImageReaderSwitch::make};
};

// The page of A4 at 72 dots per inch that a command of the scratch folder writes as a PPM to its
// standard output, as raw RGB rows of 595 pixels ("" when it failed).
std::string renderedRgb(const ScratchFolder& scratch, const std::string& command)
{
    const std::string script = "cd " + quotedUnixPath(scratch.pathOf("")) + "\n" + command +
                               " | convert ppm:- -depth 8 rgb:page.rgb\n";
    return runUnixScript(script, scratch.pathOf("render")) == 0 ? ScratchFolder::read(scratch.pathOf("page.rgb")) : "";
}

// The colour at (x, y) millimetres of the page.
COLORREF pageColour(const std::string& rgb, double xMm, double yMm)
{
    const size_t at = (static_cast<size_t>(yMm * 72 / 25.4) * 595 + static_cast<size_t>(xMm * 72 / 25.4)) * 3;
    if (at + 2 >= rgb.size())
        return 0xFFFFFFFF;
    return RGB(static_cast<unsigned char>(rgb[at]), static_cast<unsigned char>(rgb[at + 1]), static_cast<unsigned char>(rgb[at + 2]));
}

int closeTo(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

} // namespace

// The three pictures of the page, at 20 + 30 i mm from the top: a GIF of 4 x 2 colour cells; a
// 1-bit GIF whose palette runs white to black; a JPEG of two frames (a red and blue 4 x 2 checker,
// then a green one) of which output shows the first; the JPEG placed a second time below.
void GifJpegPage::placePictures()
{
    using namespace gif_test;
    const std::string cells = screen(4, 2, 0xF2, colours({{0, 0, 0}, {255, 0, 0}, {0, 128, 0}, {0, 0, 255},
                                                          {255, 255, 0}, {0, 255, 255}, {128, 128, 128}, {255, 255, 255}})) +
                              literalImage(0, 0, 4, 2, 0, "", 3, {1, 2, 3, 4, 5, 6, 7, 0}) + ";";
    const std::string bits = screen(4, 2, 0x80, colours({{255, 255, 255}, {0, 0, 0}})) +
                             literalImage(0, 0, 4, 2, 0, "", 2, {1, 0, 1, 0, 0, 1, 0, 1}) + ";";
    ASSERT_EQ(runUnixScript("cd " + quotedUnixPath(scratch.pathOf("")) +
                                "\nconvert -size 1x1 xc:red xc:blue +append \\( xc:blue xc:red +append \\) -append "
                                "-scale 800% -quality 100 -sampling-factor 1x1 checker.jpg || exit 1\n"
                                "convert -size 8x8 xc:lime green.jpg || exit 1\ncat checker.jpg green.jpg > two.jpg\n",
                            scratch.pathOf("make")),
              0);
    placed = {{"GIF cells", scratch.file("cells.gif", cells), ImageTypeValue::kGif},
              {"1-bit GIF", scratch.file("bits.gif", bits), ImageTypeValue::kGif},
              {"JPEG of two frames", scratch.pathOf("two.jpg"), ImageTypeValue::kJpeg},
              {"the JPEG again", scratch.pathOf("two.jpg"), ImageTypeValue::kJpeg}};
    for (size_t i = 0; i < placed.size(); ++i)
        ASSERT_GE(addPicture(placed[i].path, placed[i].kind, 20.0 + 30.0 * i), 1) << placed[i].name;
}

// Every cell of every picture on the rendered page against the reader's drawing (mode 0: the
// JPEG's first frame, the one output writes).
void GifJpegPage::expectAsOnScreen(const std::string& page)
{
    for (size_t i = 0; i < placed.size(); ++i) {
        SCOPED_TRACE(placed[i].name);
        std::unique_ptr<PictureReader> reader(makePictureReader(placed[i].kind));
        ASSERT_NE(reader, nullptr);
        reader->setSource(placed[i].path.c_str());
        image_test::expectCellsAsOnScreen(
            [&](DeviceContext& dc, const IntRect& target) { return reader->draw(dc, target, 0); },
            [&](double x, double y) { return pageColour(page, x, y); }, kLeft, 20.0 + 30.0 * i, 3);
    }
    // The 1-bit GIF's set bits are black on paper as on the screen; the JPEG's first cell red.
    EXPECT_EQ(pageColour(page, kLeft + 5, 50 + 5), RGB(0, 0, 0));
    EXPECT_TRUE(closeTo(pageColour(page, kLeft + 5, 80 + 5), RGB(255, 0, 0), 8));
}

TEST_F(GifJpegPage, GhostscriptShowsThePicturesAsTheScreenDoes)
{
    MessageBoxScript boxes;
    setPaper(210, 297);
    placePictures();
    const std::string path = scratch.pathOf("page.ps");
    ASSERT_EQ(record().writePageToFile(path.c_str()), 1);
    const std::string page = renderedRgb(scratch, "gs -q -dSAFER -dBATCH -dNOPAUSE -r72 -sDEVICE=ppmraw -sOutputFile=- page.ps");
    ASSERT_FALSE(page.empty());
    expectAsOnScreen(page);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(GifJpegPage, InPdfEachFileIsOneImageThatPopplerShowsAsTheScreenDoes)
{
    MessageBoxScript boxes;
    setPaper(210, 297);
    placePictures();
    const pdf_test::PdfText file(exportPagePdf(scratch.pathOf("page.pdf")));
    ASSERT_FALSE(file.bytes.empty());
    EXPECT_EQ(file.layoutFaults(), "") << "every stream's /Length, measured in the count pass";
    // Four placements of three images: the JPEG's first frame (16 x 16) once.
    EXPECT_EQ(image_test::pdfImageList(scratch, "page.pdf"), "4 2 rgb 8\n4 2 gray 1\n16 16 rgb 8\n16 16 rgb 8\ndistinct 3\n");
    const std::string page = renderedRgb(scratch, "pdftoppm -r 72 page.pdf");
    ASSERT_FALSE(page.empty());
    expectAsOnScreen(page);
    EXPECT_TRUE(boxes.shown().empty());
}

// To look at by hand under Xvfb: a page showing a 256-colour GIF and a 4:2:0 JPEG of the same
// picture, photographed into /tmp/k49-page.png, with ImageMagick's own rendering of the two
// files side by side in /tmp/k49-reference.png.
//   Xvfb :149 -screen 0 1280x1024x24 &
//   DISPLAY=:149 scripts/wine-run --prefix build/wineprefix-display --display
//       build/tests/test_io.exe --gtest_also_run_disabled_tests --gtest_filter='GifJpegPage.DISABLED_*'
TEST_F(GifJpegPage, DISABLED_ThePageAsAPersonSeesIt)
{
    setPaper(210, 297);
    const std::string folder = quotedUnixPath(scratch.pathOf(""));
    ASSERT_EQ(runUnixScript("cd " + folder + "\nconvert -seed 12 -size 150x100 plasma:fractal -blur 0x1 p.ppm\n"
                            "convert p.ppm -colors 256 p.gif\nconvert p.ppm -quality 85 -sampling-factor 2x2 p.jpg\n"
                            "convert p.gif p.jpg +append -scale 200% /tmp/k49-reference.png\n",
                            scratch.pathOf("make")),
              0);
    const double w = 150 * 25.4 / 72, h = 100 * 25.4 / 72;
    for (int i = 0; i < 2; ++i) {
        ElementEditorBase& editor = *drawing().editor3;
        ASSERT_EQ(editor.startNewElement(kindCode(ElementKind::Picture)), 1);
        Element* e = editor.elementInHand();
        e->firstPoint()->x = 20 + i * (w + 5), e->firstPoint()->y = 20;
        e->secondPoint()->x = 20 + i * (w + 5) + w, e->secondPoint()->y = 20 + h;
        e->imageKind()->value = i ? ImageTypeValue::kJpeg : ImageTypeValue::kGif;
        e->fileName()->setText(scratch.pathOf(i ? "p.jpg" : "p.gif").c_str());
        ASSERT_GE(editor.addToPage(), 1);
    }
    ShowWindow(frame.hwnd(), SW_SHOWMAXIMIZED);
    ShowWindow(window->hwnd(), SW_SHOWMAXIMIZED);
    InvalidateRect(window->hwnd(), nullptr, TRUE);
    // Two seconds of painting, pumped by hand: the shown frame keeps its idle work going.
    for (DWORD start = GetTickCount(); GetTickCount() - start < 2000;) {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        Sleep(20);
    }
    ASSERT_EQ(runUnixScript("import -window root /tmp/k49-page.png\n", scratch.pathOf("shot")), 0);
}
