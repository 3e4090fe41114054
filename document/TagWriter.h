#pragma once

class BufferedFile;
class TagDictionary;

// The writer half of the drawing file engine: section tags on lines of their own, one-line value
// tags, bare list items, quoted texts and hex data, with the indentation of one blank per level
// and CR LF line ends. The document (its one user) holds this state and points it at its file
// and tag dictionary for one write; the attribute values, settings records and elements write
// their own tags through these operations on the current XML context.
//
// Tags are named by id through the tag dictionary; an id without a name writes nothing (0). A
// failed write sets the I/O error state to -1, after which every operation returns 0 at once.
// Every operation returns nonzero on success.
class TagWriter {
public:
    static constexpr int kMaxDecimals = 5;

    virtual ~TagWriter() = default;

    // Opening tag alone on a line at the current level; the level then rises by one.
    [[nodiscard]] int beginTag(int id);
    // The level drops by one, then the closing tag alone on a line.
    [[nodiscard]] int endTag(int id);
    [[nodiscard]] int beginSection(int id) { return beginTag(id); }
    [[nodiscard]] int endSection(int id) { return endTag(id); }
    [[nodiscard]] int openSectionTag(int id) { return beginTag(id); }
    [[nodiscard]] int closeSectionTag(int id) { return endTag(id); }
    // As beginTag and endTag, but only while the file kind is 1 (own format); else nothing, 0.
    [[nodiscard]] int beginElement(int id);
    [[nodiscard]] int endElement(int id);

    // One line: the indentation, the opening tag, the value, the closing tag.
    [[nodiscard]] int writeIntTag(int id, int value);
    // At most 5 decimals from the value's correctly rounded 15-digit form, cut (or rounded half
    // away from zero with `round`), trailing zeros and point removed: 12.5 with 3 decimals is
    // "12.5", 3.0 is "3", 0.25 is "0.25", -2.3 is "-2.3". A value with more than 40 integer
    // digits has no such form: it fails the write ("Write Error", I/O error state -1), as do the
    // other real-number writes below.
    [[nodiscard]] int writeDoubleTag(int id, double value, int decimals, int round = 0);
    // 1 when the real-number writes have a text for the value: the formatter refuses by the
    // integer digits of the value's 15-digit form alone, whatever the decimals and rounding. The
    // reader refuses the other values, so that what was read can always be written again.
    [[nodiscard]] static int hasRealText(double value);
    // The text writeDoubleTag writes for a value: 1, or 0 (digits empty) when there is none.
    [[nodiscard]] static int realText(double value, int decimals, int round, char (&digits)[64]);
    // The text in double quotes. '"', CR and LF are dropped: nothing is escaped in the file, so
    // they would end the value early. So is a lead byte left without its trail byte at the end
    // of what is kept, which would take the closing quote as its trail byte.
    [[nodiscard]] int writeStringTag(int id, const char* text);

    // The indented opening tag without a line end / the closing tag with a line end, around bare
    // items.
    [[nodiscard]] int openValueTag(int id);
    [[nodiscard]] int closeValueTag(int id);
    // Bare items, no line end: an optional '[' before and ',' or ']' after. In wrap mode a line
    // end follows the ',' or ']' once the column has passed the line width.
    [[nodiscard]] int writeIntValue(int value, int open, int comma, int close);
    [[nodiscard]] int writeDoubleValue(double value, int decimals, int open, int comma, int close, int round = 0);
    [[nodiscard]] int writeDoubleListItem(double value, int decimals, int round = 0);
    [[nodiscard]] int writeDoubleLine(double value, int decimals);
    // A quoted item of exactly `length` bytes (length < 0: the whole zero-terminated text),
    // written as they are, with the brackets and comma as asked and a line end when asked.
    [[nodiscard]] int writeQuoted(const char* text, int length, int open, int comma, int close, int lineEnd);
    // Two upper-case hex digits per byte, no separators; a line end before each pair that would
    // start at or beyond the line width (80). Wrap mode is on meanwhile.
    [[nodiscard]] int writeHexData(const void* bytes, int count, int lineEnd);
    // A line as it is, at level 0 (the prolog).
    [[nodiscard]] int writeRawLine(const char* text);
    [[nodiscard]] int writeLineEnd();

    void setLineWrap(int on) { wrapMode = on ? 1 : 0; }
    void indent() { ++level; }
    void unindent()
    {
        if (level > 0)
            --level;
    }

    int ioError = 0;     // 0 normal, -1 a write failed
    // 1 while only asked whether a write would succeed: nothing goes anywhere and nothing is
    // shown, and a real value that is not finite fails too (the formatter would write it as 0).
    int checkOnly = 0;
    int level = 0;       // indentation, one blank per level
    int wrapMode = 0;
    int lineWidth = 80;
    int column = 0;      // bytes on the current line so far

protected:
    // The file kind of the document being written (1 own format, 2 SVG, 3 DXF).
    [[nodiscard]] virtual int writerFileKind() const = 0;
    void attachWriter(BufferedFile* file, TagDictionary* tags)
    {
        writerFile = file;
        writerTags = tags;
    }

private:
    [[nodiscard]] const char* tagName(int id) const;
    [[nodiscard]] int put(const char* bytes, int n);
    // The indentation and "<name>" or "</name>" into line; the length, 0 when it does not fit.
    [[nodiscard]] int openingTag(char* line, int size, const char* name, int closing, int indented) const;
    // "<name>" or "</name>" alone on a line (indented or not), with the line end.
    [[nodiscard]] int putTagLine(const char* name, int closing, int indented);
    // An indented "<name>digits</name>" line.
    [[nodiscard]] int writeNumberTag(int id, const char* digits);
    [[nodiscard]] int itemSuffix(int comma, int close);
    [[nodiscard]] int writeNumberItem(const char* digits, int open, int comma, int close);
    // The text of a real value as the file writes it; 0 (and a failed write) when there is none.
    [[nodiscard]] int formatNumber(double value, int decimals, int round, char (&digits)[64]);

    BufferedFile* writerFile = nullptr;
    TagDictionary* writerTags = nullptr;
};
