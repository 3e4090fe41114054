// The bitmap element's size record and raster: their file blocks, record bytes and the borrowed
// image the shape draws.
#include "shapes/BitmapRaster.h"

#include <cstring>
#include <initializer_list>
#include <new>

#include "document/Document.h"
#include "document/Element.h"
#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"
#include "geometry/XmlContext.h"
#include "platform/DibImage.h"
#include "platform/GlobalBlock.h"

namespace {
constexpr int kKeywordSize = 81; // quoted keywords of at most 80 characters
} // namespace

GlobalBlock* newPixelBlock(long long bytes)
{
    if (bytes < 0 || bytes > BitmapSizeRecord::kMaxBytes + 1024 * 1024)
        return nullptr;
    auto* block = new (std::nothrow) GlobalBlock(static_cast<int>(bytes) + 128, 1);
    if (!block)
        return nullptr;
    if (!block->allocate(1)) {
        delete block;
        return nullptr;
    }
    block->count = static_cast<int>(bytes);
    BlockLock lock(*block);
    if (lock && bytes > 0)
        std::memset(lock.data(), 0, static_cast<size_t>(bytes));
    return block;
}

// --- size record ---

void BitmapSizeRecord::assign(const BitmapSizeRecord* other)
{
    if (!other)
        return;
    width = other->width, height = other->height, bitsPerSample = other->bitsPerSample;
    fourth = other->fourth, fifth = other->fifth;
}

long long BitmapSizeRecord::rowStride() const
{
    return width < 1 ? 0 : (static_cast<long long>(width) + 1) * 3 / 4 * 4;
}

long long BitmapSizeRecord::blockBytes() const
{
    if (width < 1 || height < 1 || static_cast<long long>(width) * height * 3 > kMaxBytes)
        return 0;
    return rowStride() * height;
}

int BitmapSizeRecord::readEntityXml(XmlContext& file, int tagId)
{
    int w = 0, h = 0, bits = 0;
    const int read = attribute_io::readBlock(file, tagId, [&](int id) {
        int* target = id == tag_id::width ? &w : id == tag_id::height ? &h : id == tag_id::bitSamp ? &bits : nullptr;
        if (!target)
            return attribute_io::kChildNotMine;
        return attribute_io::readIntValue(file, id, *target) ? attribute_io::kChildRead : attribute_io::kChildFailed;
    });
    if (!read)
        return 0;
    BitmapSizeRecord asked;
    asked.width = w, asked.height = h, asked.bitsPerSample = bits;
    if (bits != 24 || asked.blockBytes() == 0) {
        file.reportDataError(tagId);
        return 0;
    }
    width = w, height = h, bitsPerSample = bits;
    return 1;
}

int BitmapSizeRecord::writeXml(XmlContext& file) const
{
    return file.beginTag(tag_id::bitmapParam) && file.writeIntTag(tag_id::width, width) &&
           file.writeIntTag(tag_id::height, height) && file.writeIntTag(tag_id::bitSamp, 24) &&
           file.endTag(tag_id::bitmapParam);
}

int BitmapSizeRecord::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    int32_t words[5] = {width, height, bitsPerSample, fourth, fifth};
    if (mode == 1)
        return buffer.putBytes(words, sizeof words);
    if (mode != 3 || !buffer.getBytes(words, sizeof words))
        return 0;
    width = words[0], height = words[1], bitsPerSample = words[2], fourth = words[3], fifth = words[4];
    return 1;
}

// --- raster ---

BitmapRaster::~BitmapRaster() { clear(); }

void BitmapRaster::clear()
{
    delete pixels;
    pixels = nullptr;
    length = 0;
}

void BitmapRaster::takeBlock(GlobalBlock* block, int bytes)
{
    if (block != pixels)
        delete pixels;
    pixels = block;
    length = block ? bytes : 0;
    valid = 1;
}

GlobalBlock* BitmapRaster::releaseBlock()
{
    GlobalBlock* block = pixels;
    pixels = nullptr;
    length = 0;
    return block;
}

int BitmapRaster::copyFrom(const BitmapRaster* other)
{
    if (!other)
        return 1;
    rowOrder = other->rowOrder;
    byteOrder = other->byteOrder;
    valid = other->valid;
    if (!other->pixels || other->length < 1) {
        clear();
        return 1;
    }
    GlobalBlock* copy = other->pixels->clone();
    if (!copy) {
        clear();
        return 0;
    }
    takeBlock(copy, other->length);
    return 1;
}

int BitmapRaster::fits(const BitmapSizeRecord& size) const
{
    const long long need = size.blockBytes();
    return pixels && need > 0 && length >= need && static_cast<long long>(pixels->count) >= need;
}

int BitmapRaster::lendTo(DibImage& image, const BitmapSizeRecord& size) const
{
    if (!fits(size))
        return 0;
    image.width = size.width;
    image.height = size.height;
    image.bitCount = 24;
    image.rowStride = static_cast<int>(size.rowStride());
    image.extra = size.fourth;
    image.setPixelBlock(pixels, 0);
    return 1;
}

const char* BitmapRaster::rowOrderKeyword(int order) { return order == kTopStart ? "TOPSTART" : "BOTTOMSTART"; }
const char* BitmapRaster::byteOrderKeyword(int order) { return order == kRgb ? "RGB" : "BGR"; }

void BitmapRaster::parseRowOrder(const char* text, int& order)
{
    for (int k : {kTopStart, kBottomStart})
        if (std::strcmp(text, rowOrderKeyword(k)) == 0) {
            order = k;
            return;
        }
}

void BitmapRaster::parseByteOrder(const char* text, int& order)
{
    for (int k : {kRgb, kBgr})
        if (std::strcmp(text, byteOrderKeyword(k)) == 0) {
            order = k;
            return;
        }
}

int BitmapRaster::readEntityXml(XmlContext& file, int tagId)
{
    return attribute_io::readBlock(file, tagId, [&](int id) {
        char text[kKeywordSize] = {};
        int ok = 1;
        if (id == tag_id::startPos) {
            ok = attribute_io::readQuotedValue(file, id, text, sizeof text);
            parseRowOrder(text, rowOrder);
        } else if (id == tag_id::arrange) {
            ok = attribute_io::readQuotedValue(file, id, text, sizeof text);
            parseByteOrder(text, byteOrder);
        } else if (id == tag_id::binLength) {
            ok = attribute_io::readIntValue(file, id, length);
        } else if (id == tag_id::binHex) {
            Document* d = file.document();
            Element* holder = d ? d->attributeHolder() : nullptr;
            const BitmapSizeRecord* size = holder ? holder->bitmapSize() : nullptr;
            ok = size && readRows(file, *size);
        } else {
            return attribute_io::kChildNotMine;
        }
        return ok ? attribute_io::kChildRead : attribute_io::kChildFailed;
    });
}

int BitmapRaster::readRows(XmlContext& file, const BitmapSizeRecord& size)
{
    const long long bytes = size.blockBytes();
    const long long rowBytes = static_cast<long long>(size.width) * 3;
    if (length < 1 || bytes < 1) {
        file.reportDataError(tag_id::binHex);
        return 0;
    }
    // The rows' hex digits must be in the file before their block is made.
    if (!file.acceptDataLength(rowBytes * size.height, BitmapSizeRecord::kMaxBytes, 2, tag_id::binHex))
        return 0;
    GlobalBlock* block = newPixelBlock(bytes);
    if (!block)
        return 0;
    const long long stride = size.rowStride();
    int ok = 1;
    {
        BlockLock lock(*block);
        auto* base = lock.data<unsigned char>();
        ok = base != nullptr;
        for (int i = 0; ok && i < size.height; ++i) {
            const int row = rowOrder == kBottomStart ? i : size.height - 1 - i;
            unsigned char* target = base + stride * row;
            ok = file.readHexBytes(target, static_cast<int>(rowBytes), static_cast<int>(stride), tag_id::binHex);
            if (ok && byteOrder == kRgb)
                for (long long p = 0; p + 2 < rowBytes; p += 3) {
                    const unsigned char red = target[p];
                    target[p] = target[p + 2];
                    target[p + 2] = red;
                }
        }
    }
    if (!ok) {
        delete block;
        return 0;
    }
    takeBlock(block, static_cast<int>(bytes));
    return 1;
}

int BitmapRaster::writeXml(Document& file, const BitmapSizeRecord& size) const
{
    XmlContext& tags = file;
    const long long rowBytes = static_cast<long long>(size.width) * 3;
    if (!pixels || length < 1)
        return 1; // a bitmap without pixels has no block to write
    if (!fits(size))
        return 0;
    if (!tags.beginTag(tag_id::bitmapData) || !tags.writeStringTag(tag_id::startPos, rowOrderKeyword(rowOrder)) ||
        !tags.writeStringTag(tag_id::arrange, byteOrderKeyword(byteOrder)) ||
        !tags.writeIntTag(tag_id::binLength, static_cast<int>(rowBytes * size.height)) ||
        !tags.beginTag(tag_id::binHex))
        return 0;
    int ok = 1;
    {
        BlockLock lock(*pixels);
        const auto* base = lock.data<unsigned char>();
        ok = base != nullptr;
        for (int row = 0; ok && row < size.height; ++row)
            ok = file.writeHexData(base + size.rowStride() * row, static_cast<int>(rowBytes), 1);
    }
    return ok && tags.endTag(tag_id::binHex) && tags.endTag(tag_id::bitmapData);
}

int BitmapRaster::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1) {
        if (!buffer.putInt(pixels ? length : 0))
            return 0;
        if (!pixels || length < 1)
            return 1;
        BlockLock lock(*pixels);
        return lock && buffer.putBytes(lock.data(), length);
    }
    int32_t n = 0;
    if (mode != 3 || !buffer.getInt(n))
        return 0;
    if (n < 0 || n > buffer.remaining()) {
        buffer.position -= 4;
        return 0;
    }
    if (n == 0) {
        clear();
        return 1;
    }
    // Equal sizes keep their block: a redraw loads the same bitmap again and again.
    GlobalBlock* block = pixels && length == n && pixels->count == n ? pixels : newPixelBlock(n);
    if (!block)
        return 0;
    int ok = 0;
    {
        BlockLock lock(*block);
        ok = lock && buffer.getBytes(lock.data(), n);
    }
    if (!ok) {
        if (block != pixels)
            delete block;
        return 0;
    }
    takeBlock(block, n);
    return 1;
}
