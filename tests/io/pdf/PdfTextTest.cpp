// Texts and dimension numerals on a PDF page as poppler draws them, against the same elements
// drawn on a screen surface at the same scale: as wide, and in the same colour.
#include <gtest/gtest.h>
#include <cstdio>
#include <functional>
#include <string>
#include <windows.h>

#include "document/Element.h"
#include "document/ElementKind.h"
#include "geometry/FontAttributes.h"
#include "geometry/InkColor.h"
#include "tests/io/PrintFixture.h"
#include "tests/io/pdf/PdfTestFile.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/LinearView.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SurfaceUpdater.h"
#include "tests/support/UnixScript.h"
#include "views/tools/ElementEditor.h"

namespace {

// Both pictures at 144 dots per inch: the view at zoom 2.
const int kDpi = 144;
const double kZoom = kDpi / 72.0;
const double kPixelsPerMm = kDpi / 25.4;

using Pixels = std::function<COLORREF(int x, int y)>;

// What is inked inside a rectangle (millimetres) of a picture: the columns from the first to the
// last inked one, and how many pixels are dark (every channel below 100) and how many red.
struct Ink {
    int left = 0, right = -1, dark = 0, red = 0;
    [[nodiscard]] int width() const { return right - left + 1; }
};

Ink inkIn(const Pixels& pixel, double left, double top, double right, double bottom)
{
    Ink ink;
    ink.left = static_cast<int>(right * kPixelsPerMm);
    for (int y = static_cast<int>(top * kPixelsPerMm); y < bottom * kPixelsPerMm; ++y) {
        for (int x = static_cast<int>(left * kPixelsPerMm); x < right * kPixelsPerMm; ++x) {
            const COLORREF c = pixel(x, y);
            if (c == RGB(255, 255, 255))
                continue;
            ink.left = x < ink.left ? x : ink.left;
            ink.right = x > ink.right ? x : ink.right;
            ink.dark += GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100;
            ink.red += GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60;
        }
    }
    return ink;
}

// The first page of a PDF file as pdftoppm draws it at kDpi: binary PPM rows.
class RenderedPage {
public:
    RenderedPage(const ScratchFolder& scratch, const std::string& pdfName)
    {
        const std::string script = "cd " + quotedUnixPath(scratch.pathOf("")) + "\npdftoppm -r " +
                                   std::to_string(kDpi) + " -singlefile " + pdfName + " page\n";
        if (runUnixScript(script, scratch.pathOf("render")) != 0)
            return;
        bytes = ScratchFolder::read(scratch.pathOf("page.ppm"));
        int maxValue = 0, headerLength = 0;
        if (std::sscanf(bytes.c_str(), "P6 %d %d %d%n", &width, &height, &maxValue, &headerLength) != 3 ||
            maxValue != 255 || bytes.size() != static_cast<size_t>(headerLength + 1 + 3 * width * height))
            width = height = 0;
        else
            start = static_cast<size_t>(headerLength + 1);
    }
    COLORREF pixel(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return RGB(255, 255, 255);
        const size_t at = start + 3 * (static_cast<size_t>(y) * width + x);
        return RGB(static_cast<unsigned char>(bytes[at]), static_cast<unsigned char>(bytes[at + 1]),
                   static_cast<unsigned char>(bytes[at + 2]));
    }

    int width = 0, height = 0;

private:
    std::string bytes;
    size_t start = 0;
};

class PdfTextPage : public PrintDrawing {
protected:
    // A length dimension from (x1, y) to (x2, y) whose numeral of `size` millimetres stands
    // centred on the line through numeralY, in the colour; its id.
    int addDimension(double x1, double x2, double y, double numeralY, double size, const InkColor& colour)
    {
        ElementEditorBase& editor = *drawing().editor3;
        if (editor.startFreshElement(kindCode(ElementKind::Measure)) != 1)
            return 0;
        Element* e = editor.elementInHand();
        e->clearPoints();
        e->appendPoint(x1, y, 0), e->appendPoint(x2, y, 0);
        e->thirdPoint()->x = (x1 + x2) / 2, e->thirdPoint()->y = numeralY;
        e->setNumeralColour(colour);
        FontAttributes font;
        font.size = size;
        e->setFontSize(font);
        return editor.addToPage();
    }
    // The elements drawn as the view draws them, at kDpi, on the screen's surface.
    void drawOnScreen(SurfaceUpdater& screen, std::initializer_list<int> ids)
    {
        LinearView view;
        view.setZoom(kZoom, 0, 0);
        view.client = IntRect::fromEdges(0, 0, screen.surface.width, screen.surface.height);
        ScopedOverride<ViewParams*> shownIn{drawing().view, &view};
        ScopedOverride<ViewUpdater*> drawnOn{drawing().updater, &screen};
        for (int id : ids) {
            ASSERT_TRUE(drawing().editor3->beginEdit(id));
            (void)drawing().editor3->elementInHand()->draw(); // the pixels tell
        }
    }
};

// The standard font of a text or a numeral (no face given) is a Japanese one: its single bytes
// are its half-width characters, half an em wide on paper as on the screen. The numeral keeps
// its own colour, red, where the lines are black.
TEST_F(PdfTextPage, NumeralsAndAsciiTextsHaveTheWidthAndColourOfTheScreen)
{
    ScratchFolder scratch;
    setPaper(210, 297);
    InkColor red;
    red.setRgb(255, 0, 0);
    const int dimension = addDimension(20, 120, 40, 30, 10.0, red);
    ASSERT_GE(dimension, 1);
    ASSERT_EQ(drawing().editor3->startFreshElement(kindCode(ElementKind::Text)), 1);
    const int text = addText(20, 60, "Korvane 53mm text", "", 10.0);
    ASSERT_GE(text, 1);

    ASSERT_FALSE(exportPagePdf(scratch.pathOf("page.pdf")).empty());
    const RenderedPage page(scratch, "page.pdf");
    ASSERT_GT(page.width, 0);
    SurfaceUpdater screen(static_cast<int>(210 * kPixelsPerMm), static_cast<int>(80 * kPixelsPerMm));
    drawOnScreen(screen, {dimension, text});

    struct Area {
        const char* name;
        double left, top, right, bottom; // millimetres
        bool red;
    };
    // "100mm" stands on the line through y 30 between the extension lines at x 20 and 120; the
    // dimension line runs below it. The text's top is at y 60.
    const Area areas[] = {{"the numeral", 25, 17, 115, 29.7, true}, {"the text", 10, 55, 200, 75, false}};
    for (const Area& a : areas) {
        const Ink paper = inkIn([&](int x, int y) { return page.pixel(x, y); }, a.left, a.top, a.right, a.bottom);
        const Ink shown = inkIn([&](int x, int y) { return screen.surface.pixel(x, y); }, a.left, a.top, a.right,
                                a.bottom);
        ASSERT_GT(shown.width(), 20 * kPixelsPerMm) << a.name;
        EXPECT_NEAR(paper.width(), shown.width(), 0.05 * shown.width()) << a.name;
        EXPECT_NEAR(paper.left, shown.left, 0.05 * shown.width()) << a.name;
        EXPECT_EQ(shown.red > 0, a.red) << a.name;
        EXPECT_EQ(paper.red > shown.red / 2, a.red) << a.name;
        EXPECT_EQ(paper.dark > 0, !a.red) << a.name;
    }
    // A reader takes the words apart where their letters are.
    const std::string words = pdf_test::run(scratch, "pdftotext page.pdf -");
    for (const char* expected : {"100mm", "Korvane 53mm text"})
        EXPECT_NE(words.find(expected), std::string::npos) << expected << " in " << words;
}

} // namespace
