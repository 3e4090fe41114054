// The bitmap element: its pixel blocks in the drawing file (row and byte orders, sizes, broken
// rows, refused sizes), the store record and its cuts, and the pasted image.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "document/ElementClipboard.h"
#include "document/FileErrorReporter.h"
#include "elements/BitmapElement.h"
#include "geometry/ElementRecordBuffer.h"
#include "platform/Clipboard.h"
#include "platform/DibImage.h"
#include "platform/GlobalBlock.h"
#include "shapes/BitmapRaster.h"
#include "tests/elements/LineFixture.h"
#include "tests/elements/RecordCuts.h"
#include "tests/support/ClipboardOwner.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

constexpr int kBitmap = 18;

std::vector<unsigned char> pixelsOf(const Element& e)
{
    const BitmapRaster* raster = e.bitmapData();
    std::vector<unsigned char> bytes;
    if (!raster || !raster->pixels)
        return bytes;
    BlockLock lock(*raster->pixels);
    const auto* p = lock.data<unsigned char>();
    bytes.assign(p, p + raster->length);
    return bytes;
}

// A bitmap of width x height whose bytes (stride-padded rows, bottom first) are `bytes`, stored
// with an undo record in editor 3's hand; its id.
int addBitmap(LineDrawing& drawing, int width, int height, const std::vector<unsigned char>& bytes)
{
    ElementEditorBase* editor = drawing.context.editor3;
    if (!editor->startNewElement(kBitmap))
        return 0;
    Element* bitmap = editor->elementInHand();
    *static_cast<Point*>(bitmap->firstPoint()) = Point(10, 20);
    *static_cast<Point*>(bitmap->secondPoint()) = Point(30, 25);
    bitmap->bitmapSize()->width = width;
    bitmap->bitmapSize()->height = height;
    GlobalBlock* block = newPixelBlock(static_cast<long long>(bytes.size()));
    {
        BlockLock lock(*block);
        std::memcpy(lock.data(), bytes.data(), bytes.size());
    }
    bitmap->bitmapData()->takeBlock(block, static_cast<int>(bytes.size()));
    return editor->commitNewElement() == 1 ? bitmap->id : 0;
}

std::string between(const std::string& text, const std::string& from, const std::string& to)
{
    const size_t a = text.find(from), b = text.find(to, a);
    return a == std::string::npos || b == std::string::npos ? "" : text.substr(a, b + to.size() - a);
}

std::string replaced(std::string text, const std::string& what, const std::string& with)
{
    const size_t at = text.find(what);
    if (at != std::string::npos)
        text.replace(at, what.size(), with);
    return text;
}

// The two pixel blocks of a bitmap section as a file holds them.
std::string blocks(const std::string& width, const std::string& height, const std::string& bits,
                   const std::string& startPos, const std::string& arrange, const std::string& length,
                   const std::string& rows)
{
    return "<bitmapParam>\r\n<width>" + width + "</width>\r\n<height>" + height + "</height>\r\n<bitSamp>" + bits +
           "</bitSamp>\r\n</bitmapParam>\r\n<bitmapData>\r\n<startPos>\"" + startPos + "\"</startPos>\r\n<arrange>\"" +
           arrange + "\"</arrange>\r\n<binLength>" + length + "</binLength>\r\n<binHex>\r\n" + rows +
           "\r\n</binHex>\r\n</bitmapData>";
}

TEST(BitmapFile, PixelBlocksAreWrittenBottomFirstAndReadInEveryOrder)
{
    TestApplication app;
    ScratchFolder scratch;
    std::string saved;
    {
        LineDrawing drawing;
        // 2 x 1: one row of two pixels (6 bytes) and two fill bytes up to the stride of 8.
        ASSERT_EQ(addBitmap(drawing, 2, 1, {0x01, 0x02, 0x03, 0x0A, 0x0B, 0x0C, 0, 0}), 1);
        saved = drawing.save(scratch.pathOf("bitmap.ycx"));
        ASSERT_EQ(drawing.context.editor3->beginEdit(1), 1);
        EXPECT_EQ(drawing.context.editor3->elementInHand()->bitmapData()->length, 8) << "one 8-byte row";
    }
    const std::string section = between(saved, "<bitmapParam>", "</bitmapData>");
    ASSERT_FALSE(section.empty()) << saved;
    for (const char* part : {"<width>2</width>", "<height>1</height>", "<bitSamp>24</bitSamp>",
                             "<startPos>\"BOTTOMSTART\"</startPos>", "<arrange>\"BGR\"</arrange>",
                             "<binLength>6</binLength>", "\r\n0102030A0B0C\r\n"})
        EXPECT_NE(section.find(part), std::string::npos) << part << "\n" << section;

    struct Case {
        const char* name;
        std::string section;
        std::vector<unsigned char> pixels; // empty: the blocks are refused
        int elements = 1;                  // 0: the read fails
    };
    const Case cases[] = {
        {"as written", section, {0x01, 0x02, 0x03, 0x0A, 0x0B, 0x0C, 0, 0}},
        {"TOPSTART: the first text row is the top row", blocks("1", "2", "24", "TOPSTART", "BGR", "6", "010203\r\n040506"),
         {4, 5, 6, 0, 1, 2, 3, 0}},
        {"BOTTOMSTART: the first text row is the bottom row",
         blocks("1", "2", "24", "BOTTOMSTART", "BGR", "6", "010203\r\n040506"), {1, 2, 3, 0, 4, 5, 6, 0}},
        {"RGB is stored blue first", blocks("1", "1", "24", "BOTTOMSTART", "RGB", "3", "FF0000"), {0, 0, 0xFF, 0}},
        {"BGR is stored unchanged", blocks("1", "1", "24", "BOTTOMSTART", "BGR", "3", "FF0000"), {0xFF, 0, 0, 0}},
        {"a row broken over lines", blocks("2", "1", "24", "BOTTOMSTART", "BGR", "6", "0102\r\n03 0A\r\n0B0C"),
         {0x01, 0x02, 0x03, 0x0A, 0x0B, 0x0C, 0, 0}},
        {"binLength 0 with rows present", blocks("1", "1", "24", "BOTTOMSTART", "BGR", "0", "010203"), {}},
        {"100000 x 100000", blocks("100000", "100000", "24", "BOTTOMSTART", "BGR", "3", "010203"), {}},
        {"a negative height", blocks("1", "-1", "24", "BOTTOMSTART", "BGR", "3", "010203"), {}},
        {"bitSamp 16", blocks("1", "1", "16", "BOTTOMSTART", "BGR", "3", "010203"), {}},
        {"above 256 MiB", blocks("10000", "9000", "24", "BOTTOMSTART", "BGR", "3", "010203"), {}},
        {"an odd digit count", blocks("1", "1", "24", "BOTTOMSTART", "BGR", "3", "01020"), {}, 0},
        {"fewer rows than the height", blocks("1", "3", "24", "BOTTOMSTART", "BGR", "9", "010203\r\n040506"), {}, 0},
    };
    for (const Case& c : cases) {
        app->errorCount = 0;
        theFileErrorReporter.reset();
        MessageBoxScript boxes;
        LineDrawing drawing;
        EXPECT_EQ(drawing.open(scratch.file("changed.ycx", replaced(saved, section, c.section))), c.elements) << c.name;
        ASSERT_EQ(drawing.context.elementCount(), c.elements) << c.name;
        if (!c.elements)
            continue;
        // A refused block is a data error; the bitmap is kept without pixels.
        EXPECT_EQ(boxes.shown().size(), size_t(c.pixels.empty() ? 1 : 0)) << c.name;
        ASSERT_EQ(drawing.context.editor3->beginEdit(1), 1) << c.name;
        EXPECT_EQ(pixelsOf(*drawing.context.editor3->elementInHand()), c.pixels) << c.name;
    }

    // Read as TOPSTART and RGB, written back as BOTTOMSTART and BGR, bottom row first.
    LineDrawing drawing;
    ASSERT_EQ(drawing.open(scratch.file("top.ycx", replaced(saved, section,
                                                            blocks("1", "2", "24", "TOPSTART", "RGB", "6",
                                                                   "112233\r\n445566")))),
              1);
    const std::string again = drawing.save(scratch.pathOf("again.ycx"));
    EXPECT_NE(again.find("<startPos>\"BOTTOMSTART\"</startPos>"), std::string::npos) << again;
    EXPECT_NE(again.find("<arrange>\"BGR\"</arrange>"), std::string::npos) << again;
    EXPECT_NE(again.find("\r\n665544\r\n332211\r\n"), std::string::npos) << again;
}

TEST(BitmapRecord, EveryCutFailsAndTheWholeRecordKeepsThePixels)
{
    TestApplication app;
    LineDrawing drawing;
    ASSERT_EQ(addBitmap(drawing, 1, 2, {1, 2, 3, 0, 4, 5, 6, 0}), 1);
    ASSERT_EQ(drawing.context.editor3->beginEdit(1), 1);
    Element& bitmap = *drawing.context.editor3->elementInHand();
    expectEveryCutFails(drawing, bitmap, [](Element& copy) {
        EXPECT_EQ(pixelsOf(copy), (std::vector<unsigned char>{1, 2, 3, 0, 4, 5, 6, 0}));
        EXPECT_EQ(copy.bitmapSize()->height, 2);
        EXPECT_EQ(copy.secondPoint()->x, 30.0);
    });

    // Loading a record of the same size again keeps the element's block.
    const GlobalBlock* block = bitmap.bitmapData()->pixels;
    ASSERT_EQ(bitmap.exchangeRecord(1), 1);
    ASSERT_EQ(bitmap.exchangeRecord(3), 1);
    EXPECT_EQ(bitmap.bitmapData()->pixels, block);

    // A raster shorter than its size says is neither written nor loaded (from another source).
    bitmap.bitmapSize()->height = 3;
    EXPECT_EQ(bitmap.exchangeRecord(1), 0);
    bitmap.bitmapSize()->height = 2;
    ASSERT_EQ(bitmap.exchangeRecord(1), 1);
    ElementRecordBuffer& staged = *drawing.context.elementStore()->recordBuffer;
    const int32_t taller = 3;
    char* bytes = static_cast<char*>(staged.lock());
    ASSERT_NE(bytes, nullptr);
    std::memcpy(bytes + 2 * 16 + 4, &taller, sizeof taller); // after the two corners and the width
    staged.unlock();
    std::unique_ptr<Element> copy(drawing.registry->createElement(kBitmap));
    copy->context = &drawing.context;
    EXPECT_EQ(copy->exchangeRecord(3), 0);
    EXPECT_EQ(copy->bitmapData()->pixels, nullptr);
}

TEST(BitmapPaste, TheElementTakesTheImagesBlockAndPlacesItAtTheViewsCorner)
{
    TestApplication app;
    LineDrawing drawing;
    std::unique_ptr<Element> bitmap(drawing.registry->createElement(kBitmap));
    bitmap->context = &drawing.context;

    struct Case {
        const char* name;
        int width, height, bits, stride;
        int taken;
    };
    const Case cases[] = {
        {"24-bit 3 x 2", 3, 2, 24, 12, 1},
        {"not 24-bit", 3, 2, 8, 4, 0},
        {"a stride that does not match", 3, 2, 24, 9, 0},
        {"rows beyond the block", 3, 5, 24, 12, 0},
    };
    for (const Case& c : cases) {
        auto* image = new DibImage;
        image->width = c.width, image->height = c.height, image->bitCount = c.bits, image->rowStride = c.stride;
        ASSERT_EQ(image->allocatePixels(24), 1);
        GlobalBlock* block = image->pixels;
        EXPECT_EQ(bitmap->takeImage(image), c.taken) << c.name;
        if (!c.taken) {
            delete image; // the caller keeps a refused image
            continue;
        }
        EXPECT_EQ(bitmap->bitmapData()->pixels, block) << c.name << ": the block itself, not a copy";
        EXPECT_EQ(bitmap->bitmapSize()->width, 3);
        // The view maps one pixel to one millimetre with its origin at (0, 0).
        EXPECT_EQ(bitmap->firstPoint()->x, 50.0);
        EXPECT_EQ(bitmap->firstPoint()->y, 30.0);
    }
}

TEST(BitmapPaste, ADibOnTheClipboardPastesAsABitmapWithItsPixels)
{
    TestApplication app;
    ClipboardOwner owner;
    ASSERT_TRUE(owner.ready());
    ElementClipboard clipboard;
    ScopedOverride<ElementClipboard*> installed{theElementClipboard, &clipboard};
    DibImage source;
    source.width = 3, source.height = 2, source.bitCount = 24, source.rowStride = 12;
    ASSERT_EQ(source.allocatePixels(24), 1);
    std::vector<unsigned char> bytes(24);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(i % 12 < 9 ? 10 * i + 1 : 0);
    ASSERT_EQ(source.setRow(0, bytes.data()) && source.setRow(1, bytes.data() + 12), 1);
    ASSERT_EQ(putClipboardDib(source), 1);

    LineDrawing drawing;
    ASSERT_EQ(drawing.context.paste(), 1);
    ASSERT_EQ(drawing.context.elementCount(), 1);
    Element* bitmap = drawing.context.editor3->beginEdit(1) == 1 ? drawing.context.editor3->elementInHand() : nullptr;
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->kind, kBitmap);
    EXPECT_EQ(bitmap->bitmapSize()->width, 3);
    EXPECT_EQ(bitmap->bitmapSize()->height, 2);
    std::vector<unsigned char> pasted = pixelsOf(*bitmap);
    ASSERT_EQ(pasted.size(), bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % 12 >= 9)
            continue; // the fill bytes of a row are not pixels
        EXPECT_EQ(pasted[i], bytes[i]) << "byte " << i;
    }
}

} // namespace
