#include "document/TagWriter.h"

#include <cmath>
#include <cstring>

#include "document/TagDictionary.h"
#include "platform/BufferedFile.h"
#include "platform/MessageBoxes.h"
#include "platform/ShiftJis.h"
#include "platform/StringUtil.h"
#include "resources/ids.h"

namespace {

// Indentation beyond this many blanks is not written: only a runaway level gets there.
const int kMaxIndent = 200;
// An indented tag line: indentation, "</", a name of at most 79 bytes, ">", a number.
const int kLineSize = kMaxIndent + 200;

// Nothing inside a quoted text is escaped: these would end the value early.
bool isDroppedFromString(char c) { return c == '"' || c == '\r' || c == '\n'; }

// The last kept byte of the text when it is a lead byte without its trail byte (a name cut
// inside a character, or a byte of a damaged file); null when the kept bytes end on a whole
// character. Such a byte written before the closing quote would take the quote as its trail
// byte on reading, and the rest of the file with it. Characters are found scanning forward.
const char* loneLeadByte(const char* text)
{
    const char* lead = nullptr;
    for (const char* p = text; *p; ++p) {
        if (isDroppedFromString(*p))
            continue;
        if (lead)
            lead = nullptr; // the trail byte of the character that lead started
        else if (isShiftJisLeadByte(static_cast<unsigned char>(*p)))
            lead = p;
    }
    return lead;
}

int clampDecimals(int decimals)
{
    if (decimals < 0)
        return 0;
    return decimals > TagWriter::kMaxDecimals ? TagWriter::kMaxDecimals : decimals;
}

} // namespace

const char* TagWriter::tagName(int id) const
{
    return writerTags && id >= 0 ? writerTags->findName(static_cast<uint32_t>(id)) : nullptr;
}

int TagWriter::put(const char* bytes, int n)
{
    if (ioError)
        return 0;
    if (checkOnly)
        return 1;
    if (!writerFile)
        return 0;
    if (n <= 0)
        return 1;
    if (!writerFile->write(bytes, n)) {
        ioError = -1;
        return 0;
    }
    const void* lastLineEnd = nullptr;
    for (const char* p = bytes + n; p > bytes && !lastLineEnd;) {
        --p;
        if (*p == '\n')
            lastLineEnd = p;
    }
    if (lastLineEnd)
        column = n - static_cast<int>(static_cast<const char*>(lastLineEnd) - bytes) - 1;
    else
        column += n;
    return 1;
}

int TagWriter::writeLineEnd() { return put("\r\n", 2); }

int TagWriter::formatNumber(double value, int decimals, int round, char (&digits)[64])
{
    digits[0] = 0;
    if (ioError)
        return 0;
    if (checkOnly) {
        if (std::isfinite(value) && hasRealText(value))
            return 1;
        ioError = -1;
        return 0;
    }
    if (realText(value, decimals, round, digits))
        return 1;
    // No text stands for the value (more than 40 integer digits): the write fails, so the file
    // being replaced stays as it was, rather than the value going out as some other number.
    showErrorById(IDS_WRITE_ERROR);
    ioError = -1;
    return 0;
}

int TagWriter::realText(double value, int decimals, int round, char (&digits)[64])
{
    digits[0] = 0;
    return StringUtil::formatDouble(value, clampDecimals(decimals), digits, round) != nullptr;
}

int TagWriter::hasRealText(double value)
{
    // Below 10^39 the 15-digit form has at most 40 integer digits; only the rest goes to the
    // formatter, which decides.
    if (value > -1e39 && value < 1e39)
        return 1;
    char digits[64];
    return StringUtil::formatDouble(value, kMaxDecimals, digits, 0) != nullptr;
}

int TagWriter::writeRawLine(const char* text)
{
    if (!text)
        return 0;
    return put(text, StringUtil::length(text)) && writeLineEnd();
}

int TagWriter::openingTag(char* line, int size, const char* name, int closing, int indented) const
{
    int n = 0;
    if (indented) {
        int blanks = level < kMaxIndent ? level : kMaxIndent;
        std::memset(line, ' ', static_cast<size_t>(blanks));
        n = blanks;
    }
    int length = StringUtil::length(name);
    if (n + length + 3 >= size)
        return 0;
    line[n++] = '<';
    if (closing)
        line[n++] = '/';
    std::memcpy(line + n, name, static_cast<size_t>(length));
    n += length;
    line[n++] = '>';
    return n;
}

int TagWriter::putTagLine(const char* name, int closing, int indented)
{
    char line[kLineSize];
    int n = openingTag(line, kLineSize - 2, name, closing, indented);
    line[n++] = '\r';
    line[n++] = '\n';
    return put(line, n);
}

int TagWriter::beginTag(int id)
{
    const char* name = tagName(id);
    if (ioError || !name)
        return 0;
    if (!putTagLine(name, 0, 1))
        return 0;
    indent();
    return 1;
}

int TagWriter::endTag(int id)
{
    const char* name = tagName(id);
    if (ioError || !name)
        return 0;
    unindent();
    return putTagLine(name, 1, 1);
}

int TagWriter::beginElement(int id) { return writerFileKind() == 1 ? beginTag(id) : 0; }

int TagWriter::endElement(int id) { return writerFileKind() == 1 ? endTag(id) : 0; }

int TagWriter::openValueTag(int id)
{
    const char* name = tagName(id);
    if (ioError || !name)
        return 0;
    char line[kLineSize];
    return put(line, openingTag(line, kLineSize, name, 0, 1));
}

int TagWriter::closeValueTag(int id)
{
    const char* name = tagName(id);
    if (ioError || !name)
        return 0;
    return putTagLine(name, 1, 0);
}

int TagWriter::writeIntTag(int id, int value)
{
    char digits[16];
    StringUtil::formatInt(value, digits);
    return writeNumberTag(id, digits);
}

int TagWriter::writeDoubleTag(int id, double value, int decimals, int round)
{
    char digits[64];
    if (ioError || !tagName(id) || !formatNumber(value, decimals, round, digits))
        return 0;
    return writeNumberTag(id, digits);
}

int TagWriter::writeNumberTag(int id, const char* digits)
{
    const char* name = tagName(id);
    if (ioError || !name)
        return 0;
    char line[kLineSize];
    int n = openingTag(line, kLineSize, name, 0, 1);
    int length = StringUtil::length(digits);
    std::memcpy(line + n, digits, static_cast<size_t>(length));
    n += length;
    n += openingTag(line + n, kLineSize - n - 2, name, 1, 0);
    line[n++] = '\r';
    line[n++] = '\n';
    return put(line, n);
}

int TagWriter::writeStringTag(int id, const char* text)
{
    if (!openValueTag(id) || !put("\"", 1))
        return 0;
    if (!text)
        text = "";
    const char* lone = loneLeadByte(text);
    // Runs of kept bytes between the dropped ones go out in one write each.
    const char* run = text;
    const char* p = run;
    for (; *p; ++p) {
        if (isDroppedFromString(*p) || p == lone) {
            if (!put(run, static_cast<int>(p - run)))
                return 0;
            run = p + 1;
        }
    }
    if (!put(run, static_cast<int>(p - run)) || !put("\"", 1))
        return 0;
    return closeValueTag(id);
}

int TagWriter::itemSuffix(int comma, int close)
{
    if (comma && !put(",", 1))
        return 0;
    if (close && !put("]", 1))
        return 0;
    if ((comma || close) && wrapMode && column > lineWidth)
        return writeLineEnd();
    return 1;
}

int TagWriter::writeNumberItem(const char* digits, int open, int comma, int close)
{
    if (open && !put("[", 1))
        return 0;
    if (!put(digits, StringUtil::length(digits)))
        return 0;
    return itemSuffix(comma, close);
}

int TagWriter::writeIntValue(int value, int open, int comma, int close)
{
    char digits[16];
    StringUtil::formatInt(value, digits);
    return writeNumberItem(digits, open, comma, close);
}

int TagWriter::writeDoubleValue(double value, int decimals, int open, int comma, int close, int round)
{
    char digits[64];
    return formatNumber(value, decimals, round, digits) && writeNumberItem(digits, open, comma, close);
}

int TagWriter::writeDoubleListItem(double value, int decimals, int round)
{
    return writeDoubleValue(value, decimals, 0, 1, 0, round);
}

int TagWriter::writeDoubleLine(double value, int decimals)
{
    return writeDoubleValue(value, decimals, 0, 0, 0) && writeLineEnd();
}

int TagWriter::writeQuoted(const char* text, int length, int open, int comma, int close, int lineEnd)
{
    if (!text)
        text = "";
    if (length < 0)
        length = StringUtil::length(text);
    if (open && !put("[", 1))
        return 0;
    if (!put("\"", 1) || !put(text, length) || !put("\"", 1) || !itemSuffix(comma, close))
        return 0;
    return lineEnd ? writeLineEnd() : 1;
}

int TagWriter::writeHexData(const void* bytes, int count, int lineEnd)
{
    if (ioError)
        return 0;
    if (checkOnly)
        return 1; // bytes have a text whatever they hold
    const int savedWrap = wrapMode;
    wrapMode = 1;
    const auto* in = static_cast<const unsigned char*>(bytes);
    // Pairs and line ends are collected in a chunk and written together.
    char chunk[4096];
    int n = 0;
    int lineColumn = column;
    int ok = 1;
    for (int i = 0; i < count && in && ok; ++i) {
        if (n > static_cast<int>(sizeof chunk) - 4) {
            ok = put(chunk, n);
            n = 0;
        }
        if (lineColumn >= lineWidth) {
            chunk[n++] = '\r';
            chunk[n++] = '\n';
            lineColumn = 0;
        }
        StringUtil::formatHexByte(in[i], chunk + n);
        n += 2;
        lineColumn += 2;
    }
    if (ok)
        ok = put(chunk, n);
    wrapMode = savedWrap;
    if (ok && lineEnd)
        ok = writeLineEnd();
    return ok;
}
