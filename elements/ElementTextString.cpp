// The text string of the text kinds: its store record and its "textData" block.
#include "elements/ElementTextString.h"

#include <cstring>
#include <vector>

#include "document/Document.h"
#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"
#include "geometry/XmlContext.h"

namespace {
// A quoted value read to throw away (a "p" that came without its length).
constexpr int kDiscardSize = 256;
} // namespace

int ElementTextString::exchange(int mode, ElementRecordBuffer& record)
{
    if (mode == 1) {
        const int n = buffer.length();
        if (n > kMaxLength || !record.putInt(n)) // a load would refuse a longer text
            return 0;
        if (n < 1)
            return 1;
        std::vector<char> bytes(static_cast<size_t>(n) + 1);
        return buffer.copyOut(bytes.data(), n + 1) == n && record.putBytes(bytes.data(), n);
    }
    if (mode != 3)
        return 0;
    buffer.reset();
    int32_t n = 0;
    if (!record.getInt(n) || n < 0 || n > kMaxLength || n > record.remaining())
        return 0;
    char piece[kRecordPiece];
    for (int left = n; left > 0;) {
        const int take = left < kRecordPiece ? left : kRecordPiece;
        if (!record.getBytes(piece, take) || !buffer.insert(piece, take)) {
            buffer.reset();
            return 0;
        }
        left -= take;
    }
    buffer.setCaret(0);
    buffer.modified = 0;
    return 1;
}

int ElementTextString::assign(const ElementTextString* other)
{
    buffer.reset();
    const int n = other ? other->buffer.length() : 0;
    if (n < 1)
        return 1;
    std::vector<char> bytes(static_cast<size_t>(n) + 1);
    if (other->buffer.copyOut(bytes.data(), n + 1) != n || !buffer.insert(bytes.data(), n))
        return 0;
    buffer.setCaret(0);
    return 1;
}

int ElementTextString::readEntityXml(XmlContext& file, int tagId)
{
    using namespace attribute_io;
    xmlLink = &file;
    buffer.reset();
    Document* document = file.document();
    long long expected = -1; // no usable length (yet)
    int bad = 0;
    const int read = readBlock(file, tagId, [&](int id) -> int {
        if (id == tag_id::length) {
            int n = 0;
            if (!readIntValue(file, id, n))
                return kChildFailed;
            if (!bad && file.acceptDataLength(n, kMaxLength, 1, tagId))
                expected = n;
            else
                bad = 1, expected = -1;
            return kChildRead;
        }
        if (id == tag_id::p) {
            if (expected < 0 || !document) {
                // Without its length the bytes cannot be taken exactly: the text stays empty.
                if (!bad)
                    file.reportDataError(tagId);
                bad = 1;
                buffer.reset();
                char discard[kDiscardSize];
                return readQuotedValue(file, id, discard, sizeof discard) ? kChildRead : kChildFailed;
            }
            const int n = static_cast<int>(expected);
            std::vector<char> bytes(static_cast<size_t>(n) + 1);
            if (!document->readQuotedBlock(bytes.data(), n, n, tagId) || !file.expectTag(id))
                return kChildFailed;
            buffer.reset();
            if (n > 0 && !buffer.insert(bytes.data(), n))
                return kChildFailed;
            return kChildRead;
        }
        if (id == tag_id::data || id == tag_id::s) {
            // The read-only forms: a quoted value, bounded as "p" is.
            const long long size = (expected < 0 ? 0 : expected) + 256;
            if (bad)
                return kChildNotMine;
            std::vector<char> bytes(static_cast<size_t>(size));
            if (!readQuotedValue(file, id, bytes.data(), static_cast<int>(size)))
                return kChildFailed;
            const int n = static_cast<int>(std::strlen(bytes.data()));
            return n < 1 || buffer.insert(bytes.data(), n) ? kChildRead : kChildFailed;
        }
        return kChildNotMine;
    });
    if (bad)
        buffer.reset();
    buffer.setCaret(0);
    buffer.modified = 0;
    return read;
}

int ElementTextString::writeXml(XmlContext* file) const
{
    if (!file)
        return 0;
    Document* document = file->document();
    const int n = buffer.length();
    if (!file->beginTag(tag_id::textData) || !file->writeIntTag(tag_id::length, n))
        return 0;
    if (n > 0) {
        if (!document)
            return 0;
        std::vector<char> bytes(static_cast<size_t>(n) + 1);
        if (buffer.copyOut(bytes.data(), n + 1) != n || !document->openValueTag(tag_id::p) ||
            !document->writeQuoted(bytes.data(), n, 0, 0, 0, 0) || !document->closeValueTag(tag_id::p))
            return 0;
    }
    return file->endTag(tag_id::textData);
}
