#pragma once
#include "document/TextBuffer.h"
#include "geometry/EntityAttribute.h"

class ElementRecordBuffer;
class XmlContext;

// The text of a text or leader-text element: Shift-JIS bytes with the caret and selection of
// in-place editing (a TextBuffer), and its forms in the store record and the drawing file.
//
// Record image: the byte length (int32), then the bytes. Drawing file: a "textData" block holding
// "length" and, for a text that is not empty, "p" with exactly that many bytes between double
// quotes, written and read as they are (nothing inside is escaped or decoded).
class ElementTextString : public EntityAttribute {
public:
    // The longest text a file or a record may hand in.
    static constexpr int kMaxLength = 16 * 1024 * 1024;
    // Records are read back in pieces of this many bytes.
    static constexpr int kRecordPiece = 256;

    ElementTextString() = default;
    ElementTextString(const ElementTextString&) = delete;
    ElementTextString& operator=(const ElementTextString&) = delete;

    [[nodiscard]] int length() const { return buffer.length(); }
    // A copy of the whole text, zero-terminated (also for an empty text).
    [[nodiscard]] int copyText(char* out, int size) const { return buffer.copyOut(out, size); }

    // Mode 1 writes the length and the bytes; mode 3 empties the text and reads it back, caret at
    // the start. A length below 0, above the cap or running past the record fails the read with
    // the text left empty. Other modes do nothing (0).
    [[nodiscard]] int exchange(int mode, ElementRecordBuffer& record);
    // Empty, then the other's bytes; null empties. 0 when the text could not grow.
    int assign(const ElementTextString* other);

    // The "textData" block just opened, up to its closing tag. A "length" outside 0..16 MiB or
    // beyond the rest of the file, or a "p" before its length, is a data error of the block and
    // leaves the text empty; the rest of the file is read. "data" and "s" are taken as they are,
    // within the same bound. 0 when the file ended or a "p" could not be read.
    [[nodiscard]] int readEntityXml(XmlContext& file, int tagId) override;
    // The "textData" block through the file being written.
    [[nodiscard]] int writeXml(XmlContext* file) const;

    TextBuffer buffer;
    XmlContext* xmlLink = nullptr; // the file being read or written, not owned
};
