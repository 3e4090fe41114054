#pragma once

class BufferedFile;
class TagDictionary;

// The reader half of the drawing file engine: tag scanning and value reading over the document's
// buffered file, one Shift-JIS character (lead byte with its trail byte) at a time, with the tag
// dictionary turning names into ids. The document holds this state and points it at its file and
// dictionary for one read; the attribute values, settings records and elements read their own
// tags through these operations on the current XML context.
//
// The reader keeps the character read last, and skipping to a character first looks at it: a
// value read that stops at the '<' of the next tag leaves that tag readable.
//
// Input is untrusted: names, values and quoted texts are bounded by the caller's buffers, block
// and hex lengths are checked before anything is read, and every loop ends at the end of the file.
class TagReader {
public:
    // Delimiter flags of the tag read last.
    enum Flag {
        kOpened = 0,      // a '<' started it
        kClosing = 2,     // '/' directly after '<'
        kComma = 3,       // ',' ended the name
        kEquals = 4,      // '=' ended it
        kEmptyForm = 5,   // '/' after the name: an element written in empty form
        kBracket = 6,     // ']' ended it
        kGreater = 7,     // '>' ended it
    };

    virtual ~TagReader() = default;

    // The next tag whose name the dictionary knows; tags with unknown names ("?xml", "!---",
    // anything foreign) are passed over. 0 at the end of the file. A closing tag gives the id of
    // its opening tag, with flag kClosing.
    [[nodiscard]] int nextTag(int& id);
    [[nodiscard]] int readTag(int& id) { return nextTag(id); }
    // Reads the next tag; when its id is not `id`, shows "</name>がみつかりません" (every time)
    // and returns 0.
    [[nodiscard]] int expectTag(int id);
    [[nodiscard]] int readExpectedTag(int id) { return expectTag(id); }

    // The value text up to the next '<' (consumed), at most 78 bytes kept, as a number: an
    // integer of leading blanks, an optional '-' and digits (control characters inside are
    // skipped, anything else ends it); a real the same with one '.' fraction. An empty text is 0.
    // 0 when the file ended first. A real that the writer has no text for (more than 40 integer
    // digits, TagWriter::hasRealText) is a data error of the tag read last: 0, value unchanged.
    [[nodiscard]] int readInt(int& value);
    [[nodiscard]] int readDouble(double& value);
    // The raw value text up to the next '<', at most size - 2 bytes kept; 1, or 0 when the file
    // ended first.
    [[nodiscard]] int readValueText(char* buffer, int size);
    // One list item: the characters up to ',', '<', '=', '>' or ']' (which ends it); blanks,
    // control characters, bytes of 0x80 and above and the list's opening '[' are dropped. A real
    // is refused as by readDouble.
    [[nodiscard]] int readListInt(int& value);
    [[nodiscard]] int readListDouble(double& value);
    // A real as the drawing file keeps it: the text writeDoubleTag writes for it with `decimals`,
    // read back as readDouble reads it. 1 with `kept`; 0, `kept` untouched, for a value that has
    // no such text or is not finite.
    [[nodiscard]] static int keptReal(double value, int decimals, double& kept);
    // Skips to the next '"', then takes the text up to the closing '"', at most size - 1 bytes
    // (whole characters); the rest of a longer text is read over. 1, or 0 when the file ended
    // first.
    [[nodiscard]] int readQuoted(char* buffer, int size);
    // A quoted text of at most 37 bytes: 1 and flag = (text is "TRUE").
    [[nodiscard]] int readBool(int& flag);

    // Checks a byte count taken from the file before the caller allocates for it: 0 <= n <=
    // cap, and n * bytesPerUnit within what is left of the file. Otherwise a data error of tagId
    // and 0.
    [[nodiscard]] int acceptDataLength(long long n, long long cap, int bytesPerUnit, int tagId);
    // Skips to the next '"', then takes exactly n raw bytes. n must fit `capacity`, the cap and
    // the file (acceptDataLength), else a data error of tagId and nothing is read.
    [[nodiscard]] int readQuotedBlock(char* buffer, int n, int capacity, int tagId);
    // n bytes from hex pairs: the characters above '/' count as digits, others are skipped; ',',
    // '<' or ']' end the data early (the remaining bytes are 0, and the result 0). n is checked as
    // for readQuotedBlock.
    [[nodiscard]] int readHexBytes(unsigned char* buffer, int n, int capacity, int tagId);

    // Discards characters up to and including the next CR or LF.
    [[nodiscard]] int skipLine();
    // Reads tags up to the closing tag of id; 0 when the file ends first.
    [[nodiscard]] int skipSection(int id);

    // Counts a data error of this read; only the first one shows "</name>のデータがエラーです".
    void reportDataError(int id);
    void reportTagMissing(int id);

    [[nodiscard]] int delimiterFlag(int which) const { return which >= 0 && which < 8 ? delimiter[which] : 0; }
    // 1 when the character read last is the '<' of a tag: a list item read just now ended the
    // list, not at a ','.
    [[nodiscard]] int atTagStart() const { return last[0] == '<' && last[1] == 0; }
    [[nodiscard]] int isClosingTag() const { return delimiter[kClosing]; }
    [[nodiscard]] int isEmptyForm() const { return delimiter[kEmptyForm]; }

    int dataErrorCount = 0;

protected:
    void attachReader(BufferedFile* file, TagDictionary* tags);
    // Bytes of the file not read yet.
    [[nodiscard]] long long remainingBytes() const;

private:
    // One character; 0 at the end of the file (the last character is then forgotten).
    [[nodiscard]] int readChar(unsigned char& first, unsigned char& second);
    // Reads until the single-byte character c, looking at the last character first.
    [[nodiscard]] int skipTo(unsigned char c);
    // The text up to the single-byte character stop (consumed) into text, at most limit bytes of
    // whole characters kept and the rest read over; its length, or -1 at the end of the file.
    [[nodiscard]] int readUntil(unsigned char stop, char* text, int limit);
    [[nodiscard]] int readListItem(char* text, int limit);
    [[nodiscard]] int readTagName(char* name, int& n, bool& overlong);
    // Hands each character, as readChar pairs them, to visit(first, second) (second 0 for a single
    // byte or a NUL trail byte), looking at the file's buffer, until visit answers true for a
    // single-byte character: that one is consumed and becomes the last character; 1 then. 0 at the
    // end of the file, the last character forgotten.
    template <typename Visit> [[nodiscard]] int scanCharacters(Visit visit);
    // A value text (listItem 0) or a list item, as an int or a real.
    template <typename Number> [[nodiscard]] int readNumber(int listItem, Number& value);
    // "</name>" (or "<?>") and the text after it.
    void showTagMessage(int id, const char* text);

    BufferedFile* readerFile = nullptr;
    TagDictionary* readerTags = nullptr;
    unsigned char last[2] = {0, 0};
    int delimiter[8] = {};
    int lastTagId = 0; // the id nextTag gave last: a value's data error names it
};
