// The text and leader-text shapes: nothing for an empty text, the selection's highlight, the
// print background, line baselines in PostScript and PDF, long lines, and the leader.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "document/TextBuffer.h"
#include "geometry/FontAttributes.h"
#include "geometry/PointList.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/TextShape.h"
#include "shapes/TextlineShape.h"
#include "tests/shapes/ShapeTestDrawing.h"
#include "tests/support/TestApplication.h"

using shape_test::ShapeDrawing;

namespace {

void setText(TextBuffer& buffer, const std::string& bytes)
{
    buffer.reset();
    ASSERT_EQ(buffer.insert(bytes.data(), static_cast<int>(bytes.size())), 1);
}

// A black text of `size` millimetres at (x, y) drawing units.
template <class S> void fill(S& shape, ShapeDrawing& drawing, const TextBuffer& text, double x, double y, double size)
{
    shape.context = &drawing.context;
    shape.setColour(InkColor());
    shape.setAnchor(DrawPoint(x, y));
    FontAttributes font;
    font.size = size;
    shape.setFont(font);
    shape.setText(&text);
}

// The numbers after an operator's name in a recorded entry.
std::vector<double> numbersOf(const std::string& entry)
{
    std::vector<double> out;
    const char* p = entry.c_str();
    while (*p && *p != ' ')
        ++p;
    double v = 0.0;
    int used = 0;
    while (std::sscanf(p, " %lf%n", &v, &used) == 1) {
        out.push_back(v);
        p += used;
    }
    return out;
}

std::vector<std::string> entriesNamed(const OperatorLog& log, const std::string& name)
{
    std::vector<std::string> out;
    for (const std::string& e : log.entries) {
        if (e.compare(0, name.size() + 1, name + " ") == 0 || e == name)
            out.push_back(e);
    }
    return out;
}

TEST(TextShape, AnEmptyTextDrawsNothingAndSucceedsForEveryOperation)
{
    TestApplication app;
    const int operations[] = {1, 2, 11, 12, 13, 14, 15, 21, 22, 31, 32, 33, 41, 71, 72, 73, 75};
    for (int op : operations) {
        ShapeDrawing drawing;
        TextBuffer empty;
        TextShape shape;
        fill(shape, drawing, empty, 5, 5, 5);
        EXPECT_EQ(shape.execute(op, 2), 1) << op;
        RECT box;
        EXPECT_FALSE(drawing.surface().inkBox(box)) << op;
        EXPECT_EQ(drawing.ps.log.count("_sw"), 0) << op;
        EXPECT_EQ(drawing.pdf.log.count("Tj"), 0) << op;
    }
}

TEST(TextShape, TheSelectionIsHighlightedOnlyWhileEditedAndPrintKeepsWhatIsUnderTheText)
{
    TestApplication app;
    const COLORREF highlight = RGB(255, 64, 64), box = RGB(0, 128, 255);
    struct Case {
        int op;
        int selected;      // selection [2, 4) of "MMMMMM"
        COLORREF under;    // what the surface holds before
        int highlights;    // pixels of the highlight expected
        int underVisible;  // the colour under the text still shows inside its cells
    };
    const Case cases[] = {
        {21, 1, RGB(255, 255, 255), 1, 0},
        {21, 0, RGB(255, 255, 255), 0, 0},
        {1, 1, RGB(255, 255, 255), 0, 0}, // only the overlay of an edited text shows a selection
        {71, 0, box, 0, 1},
        {1, 0, box, 0, 0},
    };
    for (const Case& c : cases) {
        ShapeDrawing drawing;
        drawing.surface().fill(c.under);
        TextBuffer text;
        setText(text, "MMMMMM");
        if (c.selected)
            text.setSelection(2, 4);
        TextShape shape;
        fill(shape, drawing, text, 2, 2, 3);
        ASSERT_EQ(shape.execute(c.op, 2), 1) << c.op;
        DibSurface& s = drawing.surface();
        // The cells of the line: from the anchor, one font size high.
        int highlighted = 0, under = 0, firstHighlight = -1, lastHighlight = -1;
        for (int y = 20; y < 50; ++y) {
            for (int x = 20; x < 400; ++x) {
                if (s.pixel(x, y) == highlight) {
                    ++highlighted;
                    firstHighlight = firstHighlight < 0 || x < firstHighlight ? x : firstHighlight;
                    lastHighlight = x > lastHighlight ? x : lastHighlight;
                }
                under += s.pixel(x, y) == c.under;
            }
        }
        EXPECT_EQ(highlighted > 0, c.highlights == 1) << c.op;
        if (c.highlights) {
            // The middle piece: ink on both sides of the highlight, black inside it.
            EXPECT_GT(s.inkCount(20, 20, firstHighlight, 50), 0);
            EXPECT_GT(s.inkCount(lastHighlight + 1, 20, 400, 50), 0);
            EXPECT_GT(s.inkCount(firstHighlight, 20, lastHighlight, 50, highlight), 0);
            EXPECT_EQ(s.pixel((firstHighlight + lastHighlight) / 2, 20), highlight);
        }
        if (c.under != RGB(255, 255, 255)) {
            EXPECT_EQ(s.pixel(40, 22) == c.under, c.underVisible == 1) << c.op;
        }
    }
}

TEST(TextShape, BaselinesLieBelowTheAnchorInPaperMillimetresAtEveryScale)
{
    TestApplication app;
    const double size = 5.0;
    for (int denominator : {1, 2}) {
        ShapeDrawing drawing;
        drawing.setScale(1, denominator);
        TextBuffer text;
        setText(text, "one\r\ntwo\r\nthree");
        TextShape shape;
        fill(shape, drawing, text, 10 * denominator, 20 * denominator, size);
        ASSERT_EQ(shape.execute(72, 2), 1);
        ASSERT_EQ(shape.execute(75, 2), 1);
        const std::vector<std::string> moves = entriesNamed(drawing.ps.log, "_m");
        const std::vector<std::string> matrices = entriesNamed(drawing.pdf.log, "Tm");
        ASSERT_EQ(moves.size(), 3u) << drawing.ps.log.text();
        ASSERT_EQ(matrices.size(), 3u) << drawing.pdf.log.text();
        for (int i = 0; i < 3; ++i) {
            const double baseline = 20.0 + 0.9 * size + i * 1.2 * size;
            const std::vector<double> m = numbersOf(moves[i]);
            const std::vector<double> t = numbersOf(matrices[i]);
            ASSERT_EQ(m.size(), 2u);
            ASSERT_EQ(t.size(), 6u);
            EXPECT_NEAR(m[0], 10.0, 1e-9) << denominator;
            EXPECT_NEAR(m[1], baseline, 1e-9) << denominator << " line " << i;
            EXPECT_NEAR(t[4], 10.0, 1e-9) << denominator;
            EXPECT_NEAR(t[5], baseline, 1e-9) << denominator << " line " << i;
            EXPECT_NEAR(t[0], size * 72.0 / 25.4, 1e-6);
        }
        EXPECT_EQ(drawing.ps.log.count("_sw"), 3);
        EXPECT_EQ(drawing.pdf.log.count("Tj"), 3);
        EXPECT_EQ(drawing.pdf.log.count("Tf"), 1);
        EXPECT_EQ(drawing.pdf.log.count("BT"), 1);
        EXPECT_EQ(drawing.pdf.log.count("ET"), 1);
    }
}

TEST(TextShape, ALongLineIsDrawnInPiecesThatAdvanceAlongIt)
{
    TestApplication app;
    auto rightmostInk = [](int bytes) {
        ShapeDrawing drawing(4000, 40);
        drawing.pixelsPerMillimetre(4.0);
        TextBuffer text;
        setText(text, std::string(static_cast<size_t>(bytes), 'H'));
        TextShape shape;
        fill(shape, drawing, text, 0, 0, 2);
        EXPECT_EQ(shape.execute(1, 2), 1);
        RECT box;
        return drawing.surface().inkBox(box) ? static_cast<int>(box.right) : 0;
    };
    const int piece = rightmostInk(255);
    ASSERT_GT(piece, 100);
    EXPECT_GT(rightmostInk(600), 2 * piece);
}

TEST(TextlineShape, TheLeaderAndItsArrowHeadComeFirstAndTheTextAlwaysFollows)
{
    TestApplication app;
    struct Case {
        std::vector<Point> leader;
        int arrowHeads;
    };
    const Case cases[] = {{{{0, 0}, {10, 0}, {10, 10}}, 1}, {{{5, 5}}, 0}};
    for (const Case& c : cases) {
        ShapeDrawing drawing;
        TextBuffer text;
        setText(text, "note");
        PointList leader;
        for (const Point& p : c.leader)
            ASSERT_EQ(leader.appendXY(p.x, p.y), 1);
        TextlineShape shape;
        fill(shape, drawing, text, 10, 10, 3);
        shape.setLeader(&leader);
        ArrowHeadStyle style;
        style.kind = ArrowHeadStyle::kFillTriangle;
        shape.setArrowHead(style);
        (void)shape.execute(72, 2); // a one-point leader has no line to stroke
        const std::string log = drawing.ps.log.text();
        const size_t text_at = log.find("_sw");
        ASSERT_NE(text_at, std::string::npos) << log;
        if (c.arrowHeads) {
            const size_t stroke = log.find("_sp"), head = log.find("_f");
            ASSERT_NE(stroke, std::string::npos) << log;
            ASSERT_NE(head, std::string::npos) << log;
            EXPECT_LT(stroke, text_at);
            EXPECT_LT(head, text_at);
        } else {
            EXPECT_EQ(drawing.ps.log.count("_f"), 0) << log;
        }
    }
}

} // namespace
