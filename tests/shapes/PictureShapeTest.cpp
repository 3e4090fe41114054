// The picture shape: the image in its rectangle or its frame, the mask as a clip on the screen,
// in PostScript and in PDF (with the offset once), the frame of a file that cannot be read, and
// what it writes without mask or holder.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "document/FileNameValue.h"
#include "shapes/ImageMask.h"
#include "shapes/ImageTypeValue.h"
#include "shapes/PictureImage.h"
#include "shapes/PictureShape.h"
#include "tests/shapes/ShapeTestDrawing.h"
#include "tests/support/FakePictureReader.h"
#include "tests/support/TestApplication.h"

using namespace shape_test;

namespace {

// A picture file of a kind and its holder.
struct Picture {
    Picture(int kind, const char* path)
    {
        type.value = kind;
        file.setText(path);
        holder.type = &type;
        holder.fileName = &file;
    }
    ImageTypeValue type;
    FileNameValue file;
    PictureImage holder;
};

// A closed path of straight segments through the corners (relative to the start corner): an
// anchor at each corner, control points at a third and two thirds, back to the first.
void straightPath(ImageMask& mask, const std::vector<Point>& corners)
{
    mask.outline.count = 0;
    for (size_t i = 0; i < corners.size(); ++i) {
        const Point& a = corners[i];
        const Point& b = corners[(i + 1) % corners.size()];
        if (i == 0) {
            ASSERT_EQ(mask.outline.appendXY(a.x, a.y), 1);
        }
        ASSERT_EQ(mask.outline.appendXY(a.x + (b.x - a.x) / 3, a.y + (b.y - a.y) / 3), 1);
        ASSERT_EQ(mask.outline.appendXY(a.x + (b.x - a.x) * 2 / 3, a.y + (b.y - a.y) * 2 / 3), 1);
        ASSERT_EQ(mask.outline.appendXY(b.x, b.y), 1);
    }
}

int run(ShapeDrawing& d, PictureImage* holder, const ImageMask* mask, int op, double dx = 0, double dy = 0)
{
    PictureShape shape;
    shape.context = &d.context;
    shape.setStartPoint(DrawPoint(10, 5, 0));
    shape.setEndPoint(DrawPoint(30, 20, 0));
    shape.setImage(holder);
    shape.setMask(mask);
    shape.setOffset(dx, dy, 0);
    return shape.execute(op);
}

TEST(PictureShape, TheImageItsFrameAndTheMaskOnTheScreen)
{
    TestApplication app;
    FakePictureReaders readers;
    const COLORREF jpeg = FakePictureFiles::colourOf(4).colorRef;
    const COLORREF white = RGB(255, 255, 255);
    ImageMask triangle; // the upper left half of the rectangle
    straightPath(triangle, {{0, 0}, {20, 0}, {0, 15}});
    ImageMask three;
    ASSERT_EQ(three.outline.appendXY(0, 0) && three.outline.appendXY(20, 0) && three.outline.appendXY(0, 15), 1);
    ImageMask five;
    ASSERT_EQ(five.copyFrom(&triangle), 1);
    five.outline.count = 5;

    // The rectangle is device (100, 50)-(300, 200); (120, 60) lies inside the triangle, (280,
    // 190) outside it, (180, 100) in the middle, (100, 125) on the frame's left side.
    const struct {
        const char* name;
        int kind;
        const char* path;
        const ImageMask* mask;
        int op;
        COLORREF inside, outside, middle;
        bool frame;
    } cases[] = {
        {"a JPEG drawn", 4, "a.jpg", nullptr, ShapeOp::Draw, jpeg, jpeg, jpeg, false},
        {"a missing file shows its frame", 4, "missing.jpg", nullptr, ShapeOp::Draw, white, white, white, true},
        {"an EPS without preview shows its frame", 2, "nopreview.eps", nullptr, ShapeOp::Draw, white, white, white,
         true},
        {"an unknown kind shows its frame", 0, "a.jpg", nullptr, ShapeOp::Draw, white, white, white, true},
        {"dragged: the frame only", 4, "a.jpg", nullptr, ShapeOp::DragPreview, white, white, white, true},
        {"in the overlay: the frame only", 4, "a.jpg", nullptr, ShapeOp::RubberBand, white, white, white, true},
        {"masked by a triangle", 4, "a.jpg", &triangle, ShapeOp::Draw, jpeg, white, jpeg, false},
        {"a mask of three points is ignored", 4, "a.jpg", &three, ShapeOp::Draw, jpeg, jpeg, jpeg, false},
        {"a mask of five points is ignored", 4, "a.jpg", &five, ShapeOp::Draw, jpeg, jpeg, jpeg, false},
    };
    for (const auto& c : cases) {
        ShapeDrawing d;
        Picture picture(c.kind, c.path);
        ASSERT_EQ(run(d, &picture.holder, c.mask, c.op), 1) << c.name;
        EXPECT_EQ(d.surface().pixel(120, 60), c.inside) << c.name;
        EXPECT_EQ(d.surface().pixel(280, 190), c.outside) << c.name;
        EXPECT_EQ(d.surface().pixel(180, 100), c.middle) << c.name;
        EXPECT_EQ(d.surface().isInk(100, 125), true) << c.name;
        if (c.frame) {
            EXPECT_EQ(d.surface().inkCount(105, 55, 295, 195), 0) << c.name << ": nothing inside the frame";
        }
        EXPECT_FALSE(d.surface().isInk(320, 125)) << c.name;
    }

    // Erasing whitens the rectangle; a redraw of five pictures reads each file once.
    ShapeDrawing d;
    d.surface().fill(RGB(1, 2, 3));
    Picture picture(4, "a.jpg");
    ASSERT_EQ(run(d, &picture.holder, &triangle, ShapeOp::Erase), 1);
    EXPECT_EQ(d.surface().inkCount(100, 50, 300, 200), 0);
    FakePictureFiles::current().loads = 0;
    std::vector<std::unique_ptr<Picture>> page;
    for (int i = 0; i < 5; ++i)
        page.push_back(std::make_unique<Picture>(4, "a.jpg"));
    for (int redraw = 0; redraw < 3; ++redraw)
        for (auto& p : page)
            ASSERT_EQ(run(d, &p->holder, nullptr, ShapeOp::Draw), 1);
    EXPECT_EQ(FakePictureFiles::current().loads, 5);

    // Without a holder nothing is drawn and the operation is refused.
    EXPECT_EQ(run(d, nullptr, nullptr, ShapeOp::Draw), 0);
}

TEST(PictureShape, PostScriptAndPdfClipOnlyWithAMaskAndMoveByTheOffsetOnce)
{
    TestApplication app;
    FakePictureReaders readers;
    ImageMask triangle;
    straightPath(triangle, {{0, 0}, {20, 0}, {0, 15}});
    ImageMask broken;
    ASSERT_EQ(broken.copyFrom(&triangle), 1);
    broken.outline.count = 8;
    Picture picture(4, "a.jpg");

    ShapeDrawing d;
    d.setScale(1, 2); // paper = drawing / 2
    d.postScriptRunning(true);
    const struct {
        const char* name;
        const ImageMask* mask;
        const char* postScript; // the operators, numbers left out
        const char* pdf;
    } cases[] = {
        {"no mask", nullptr, "_gs _gr", ""},
        {"a mask whose count is not 3n + 1", &broken, "_gs _gr", ""},
        {"a triangle", &triangle, "_np _m _l _l _l _cp _clp _gs _gr _icp", "q m l l l h W n Q"},
    };
    for (const auto& c : cases) {
        d.ps.log.clear();
        d.pdf.log.clear();
        FakePictureFiles::current().pdfRects.clear();
        FakePictureFiles::current().postScriptRects.clear();
        ASSERT_EQ(run(d, &picture.holder, c.mask, ShapeOp::PostScript, 4, 6), 1) << c.name;
        ASSERT_EQ(run(d, &picture.holder, c.mask, ShapeOp::Pdf, 4, 6), 1) << c.name;
        std::string ps, pdf;
        for (const std::string& e : d.ps.log.entries)
            ps += (ps.empty() ? "" : " ") + e.substr(0, e.find(' '));
        for (const std::string& e : d.pdf.log.entries)
            pdf += (pdf.empty() ? "" : " ") + e.substr(0, e.find(' '));
        // The triangle's flattened sides: every line point is written, so compare the shape of
        // the stream with the repeated " l" and " _l" folded.
        auto fold = [](std::string s, const std::string& item) {
            const std::string twice = item + item;
            for (size_t at; (at = s.find(twice)) != std::string::npos;)
                s.erase(at, item.size());
            return s;
        };
        EXPECT_EQ(fold(" " + ps, " _l"), fold(std::string(" ") + c.postScript, " _l")) << c.name;
        EXPECT_EQ(fold(" " + pdf, " l"), fold(std::string(" ") + c.pdf, " l")) << c.name;
        // The image's rectangle: (14, 11)-(34, 26) in drawing units, halved on paper.
        ASSERT_EQ(FakePictureFiles::current().pdfRects.size(), 1u) << c.name;
        const DoubleRect& r = FakePictureFiles::current().pdfRects[0];
        EXPECT_EQ(r.minX, 7.0) << c.name;
        EXPECT_EQ(r.minY, 5.5) << c.name;
        EXPECT_EQ(r.maxX, 17.0) << c.name;
        EXPECT_EQ(r.maxY, 13.0) << c.name;
        ASSERT_EQ(FakePictureFiles::current().postScriptRects.size(), 1u) << c.name;
        EXPECT_EQ(FakePictureFiles::current().postScriptRects[0].maxX, 17.0) << c.name;
    }
    // The clip starts at the mask's first point moved by the start corner and the offset once.
    EXPECT_EQ(d.pdf.log.entries[1], "m 7 5.5");
    EXPECT_EQ(d.ps.log.entries[1], "_m 7 5.5");
    EXPECT_EQ(triangle.outline.count, 10) << "the shape leaves the element's mask alone";

    // A file that cannot be read shows its frame in both, as on the screen: a closed stroked
    // path from the start corner.
    Picture missing(4, "missing.jpg");
    const struct {
        int op;
        const char* operators;
        const char* start;
    } frames[] = {
        {ShapeOp::PostScript, "_rgb _ds _lw _np _m _l _l _l _l _l _cp _sp", "_m 5 2.5"},
        {ShapeOp::Pdf, "RG d w m l l l l l h S", "m 5 2.5"},
    };
    for (const auto& f : frames) {
        d.ps.log.clear();
        d.pdf.log.clear();
        ASSERT_EQ(run(d, &missing.holder, nullptr, f.op), 1) << f.op;
        const std::vector<std::string>& entries = f.op == ShapeOp::Pdf ? d.pdf.log.entries : d.ps.log.entries;
        std::string ops;
        for (const std::string& e : entries)
            ops += (ops.empty() ? "" : " ") + e.substr(0, e.find(' '));
        EXPECT_EQ(ops, f.operators) << f.op;
        EXPECT_NE(std::find(entries.begin(), entries.end(), f.start), entries.end()) << f.op;
    }

    // Without a holder PDF writes nothing and answers 1.
    d.pdf.log.clear();
    EXPECT_EQ(run(d, nullptr, &triangle, ShapeOp::Pdf), 1);
    EXPECT_EQ(d.pdf.log.text(), "");
}

} // namespace
