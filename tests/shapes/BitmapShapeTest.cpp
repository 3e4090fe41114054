// The bitmap shape: the raster stretched into the normalised rectangle, erasing, and the image
// handed to PostScript and PDF (one key for one raster, the offset once, nothing without pixels).
#include <gtest/gtest.h>

#include <cstring>

#include "platform/GlobalBlock.h"
#include "shapes/BitmapRaster.h"
#include "shapes/BitmapShape.h"
#include "tests/shapes/ShapeTestDrawing.h"
#include "tests/support/TestApplication.h"

using namespace shape_test;

namespace {

// 2 x 2: bottom row red, green; top row blue, black (blue, green, red bytes; stride 8).
struct TwoByTwo {
    TwoByTwo()
    {
        size.width = 2, size.height = 2;
        const unsigned char bytes[16] = {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0};
        GlobalBlock* block = newPixelBlock(sizeof bytes);
        {
            BlockLock lock(*block);
            std::memcpy(lock.data(), bytes, sizeof bytes);
        }
        raster.takeBlock(block, sizeof bytes);
    }
    BitmapSizeRecord size;
    BitmapRaster raster;
};

int run(ShapeDrawing& d, const TwoByTwo* image, const Point& a, const Point& b, int op, double dx = 0, double dy = 0)
{
    BitmapShape shape;
    shape.context = &d.context;
    shape.setStartPoint(DrawPoint(a.x, a.y, 0));
    shape.setEndPoint(DrawPoint(b.x, b.y, 0));
    if (image)
        shape.setRaster(&image->size, &image->raster);
    shape.setOffset(dx, dy, 0);
    return shape.execute(op);
}

TEST(BitmapShape, CornersInAnyOrderDrawTheSamePixelsAndEraseWhitensTheRectangle)
{
    TestApplication app;
    TwoByTwo image;
    // The rectangle x 10..30, y 5..20 is device (100, 50)-(300, 200): the image's top row on top.
    const struct {
        const char* name;
        Point a, b;
    } cases[] = {
        {"start at the top left", {10, 5}, {30, 20}},
        {"end left of and below start", {30, 5}, {10, 20}},
        {"end right of and above start", {10, 20}, {30, 5}},
        {"end at the top left", {30, 20}, {10, 5}},
    };
    for (const auto& c : cases) {
        ShapeDrawing d;
        ASSERT_EQ(run(d, &image, c.a, c.b, ShapeOp::Draw), 1) << c.name;
        EXPECT_EQ(d.surface().pixel(105, 55), RGB(0, 0, 255)) << c.name << ": top left is blue";
        EXPECT_EQ(d.surface().pixel(295, 55), RGB(0, 0, 0)) << c.name << ": top right is black";
        EXPECT_EQ(d.surface().pixel(105, 195), RGB(255, 0, 0)) << c.name << ": bottom left is red";
        EXPECT_EQ(d.surface().pixel(295, 195), RGB(0, 255, 0)) << c.name << ": bottom right is green";
        EXPECT_FALSE(d.surface().isInk(95, 45)) << c.name;
        EXPECT_FALSE(d.surface().isInk(305, 205)) << c.name;

        d.surface().fill(RGB(10, 20, 30));
        ASSERT_EQ(run(d, &image, c.a, c.b, ShapeOp::Erase), 1) << c.name;
        EXPECT_EQ(d.surface().inkCount(100, 50, 300, 200), 0) << c.name << ": the whole rectangle is white";
        EXPECT_EQ(d.surface().pixel(305, 205), RGB(10, 20, 30)) << c.name;
    }

    // Without pixels nothing is drawn and the operation is refused; a raster shorter than its size
    // counts as none.
    ShapeDrawing d;
    EXPECT_EQ(run(d, nullptr, {10, 5}, {30, 20}, ShapeOp::Draw), 0);
    TwoByTwo tall;
    tall.size.height = 3;
    EXPECT_EQ(run(d, &tall, {10, 5}, {30, 20}, ShapeOp::Draw), 0);
    EXPECT_EQ(d.surface().inkCount(0, 0, 400, 300), 0);
}

TEST(BitmapShape, PostScriptAndPdfGetOneImageKeyAndTheOffsetOnce)
{
    TestApplication app;
    TwoByTwo image;
    ShapeDrawing d;
    d.setScale(1, 2); // drawing units are half a paper millimetre

    // Without pixels PDF writes nothing and answers 1.
    EXPECT_EQ(run(d, nullptr, {10, 5}, {30, 20}, ShapeOp::Pdf), 1);
    EXPECT_EQ(d.pdf.log.text(), "");

    // The same bitmap placed twice, in both passes of an export: one key.
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_EQ(run(d, &image, {30, 20}, {10, 5}, ShapeOp::Pdf, 4, 6), 1);
        ASSERT_EQ(run(d, &image, {50, 20}, {70, 5}, ShapeOp::Pdf), 1);
    }
    EXPECT_EQ(d.pdf.log.text(), "Do | Do | Do | Do");
    ASSERT_EQ(d.pdf.images.size(), 4u);
    for (const RecordedImage& r : d.pdf.images) {
        EXPECT_NE(r.key, 0u);
        EXPECT_EQ(r.key, d.pdf.images[0].key);
        EXPECT_EQ(r.width, 2);
        EXPECT_EQ(r.height, 2);
    }
    const RecordedImage& moved = d.pdf.images[0];
    EXPECT_EQ(moved.minX, 7.0);
    EXPECT_EQ(moved.minY, 5.5);
    EXPECT_EQ(moved.maxX, 17.0);
    EXPECT_EQ(moved.maxY, 13.0);

    d.postScriptRunning(true);
    ASSERT_EQ(run(d, &image, {30, 20}, {10, 5}, ShapeOp::PostScript, 4, 6), 1);
    EXPECT_EQ(d.ps.log.text(), "_gs | image | _gr");
    ASSERT_EQ(d.ps.images.size(), 1u);
    EXPECT_EQ(d.ps.images[0].key, moved.key);
    EXPECT_EQ(d.ps.images[0].minX, 7.0);
    EXPECT_EQ(d.ps.images[0].maxY, 13.0);
}

} // namespace
