#pragma once
#include <cstdint>

#include "geometry/EntityAttribute.h"

class DibImage;
class Document;
class ElementRecordBuffer;
class GlobalBlock;
class XmlContext;

// The dimensions of a bitmap element's raster ("bitmapParam"): width and height in pixels, bits
// per sample (always written as 24: rows are 24-bit whatever the file said), a fourth word that
// only travels with the record, and a fifth word set from the element's common record when the
// element is stored. The first three words are the header of the DibImage the shape draws.
class BitmapSizeRecord : public EntityAttribute {
public:
    // The largest raster a file or record may ask for: width x height x 3 bytes.
    static constexpr long long kMaxBytes = 256LL * 1024 * 1024;

    void assign(const BitmapSizeRecord* other);
    // No size: a bitmap without pixels.
    void reset() { width = height = fourth = fifth = 0, bitsPerSample = 24; }
    // The stored bytes of one row: ((width + 1) x 3) / 4 x 4, 0 for a width below 1.
    [[nodiscard]] long long rowStride() const;
    // stride x height when the size is one a raster may have (both at least 1, within
    // kMaxBytes); else 0.
    [[nodiscard]] long long blockBytes() const;

    // "width", "height" and "bitSamp" up to the closing "bitmapParam"; other tags are skipped to
    // their line end. A size that no raster may have (below 1, width x height x 3 above
    // kMaxBytes) or a bitSamp other than 24 is a data error: 0, nothing kept.
    [[nodiscard]] int readEntityXml(XmlContext& file, int tagId) override;
    [[nodiscard]] int writeXml(XmlContext& file) const;
    // The five words (20 bytes); mode 1 writes, 3 reads (0 when the record ends first).
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);

    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerSample = 24;
    int32_t fourth = 0;
    int32_t fifth = 0;
};

// The pixels of a bitmap element ("bitmapData"): rows bottom-up, each rowStride bytes, pixels as
// blue, green, red, in an owned block of `length` bytes. The row and byte orders say how the
// rows of the file's text are laid out; reading turns them into the stored layout, so an
// element's raster keeps the constructed BOTTOMSTART and BGR and writes those.
class BitmapRaster : public EntityAttribute {
public:
    enum RowOrder { kTopStart = 1, kBottomStart = 2 };
    enum ByteOrder { kRgb = 1, kBgr = 2 };

    BitmapRaster() = default;
    ~BitmapRaster() override;
    BitmapRaster(const BitmapRaster&) = delete;
    BitmapRaster& operator=(const BitmapRaster&) = delete;

    // A copy of the other's pixels (the orders too); 0 when the copy could not be made.
    [[nodiscard]] int copyFrom(const BitmapRaster* other);
    void assign(const BitmapRaster* other) { (void)copyFrom(other); } // a failed copy keeps no pixels
    void clear();
    // Takes the block (owned from now on) of `bytes` bytes; the block held before is freed.
    void takeBlock(GlobalBlock* block, int bytes);
    // Gives the block up (the caller owns it); null without one.
    [[nodiscard]] GlobalBlock* releaseBlock();
    // 1 when the pixels cover the rows of that size.
    [[nodiscard]] int fits(const BitmapSizeRecord& size) const;
    // A DibImage of that size that borrows these pixels (deleting it leaves them alone); 0 when
    // the pixels do not cover the size.
    [[nodiscard]] int lendTo(DibImage& image, const BitmapSizeRecord& size) const;

    // "startPos", "arrange", "binLength" and "binHex" up to the closing "bitmapData". The rows of
    // binHex need the size of the holder's "bitmapParam" read before and a binLength of at least
    // 1; a row that ends early or a raster the rest of the file cannot hold gives 0.
    [[nodiscard]] int readEntityXml(XmlContext& file, int tagId) override;
    [[nodiscard]] int writeXml(Document& file, const BitmapSizeRecord& size) const;
    // Mode 1 writes the 32-bit length and the bytes; mode 3 reads them back (a length the record
    // cannot hold fails and keeps the pixels). The block is reused when the length is unchanged.
    [[nodiscard]] int exchangeRecord(int mode, ElementRecordBuffer& buffer);

    // Keywords: 1 "TOPSTART" / 2 "BOTTOMSTART", 1 "RGB" / 2 "BGR"; parsing leaves the value as it
    // was for any other text.
    [[nodiscard]] static const char* rowOrderKeyword(int order);
    [[nodiscard]] static const char* byteOrderKeyword(int order);
    static void parseRowOrder(const char* text, int& order);
    static void parseByteOrder(const char* text, int& order);

    XmlContext* xmlContext = nullptr; // the file being read or written, not owned
    int valid = 1;
    int length = 0; // bytes held
    GlobalBlock* pixels = nullptr; // owned
    int rowOrder = kBottomStart;
    int byteOrder = kBgr;

private:
    [[nodiscard]] int readRows(XmlContext& file, const BitmapSizeRecord& size);
};

// A pixel block of `bytes` bytes (zeroed), grown in one step; null when it cannot be made.
[[nodiscard]] GlobalBlock* newPixelBlock(long long bytes);
