#include "document/TagReader.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "document/TagDictionary.h"
#include "document/TagWriter.h"
#include "platform/BufferedFile.h"
#include "platform/MessageBoxes.h"
#include "platform/StringUtil.h"

namespace {

// Value texts are kept up to this many bytes; the rest up to the next '<' is read over.
const int kValueLimit = 78;

// Leading blanks, an optional '-', digits with one '.' fraction; control characters inside are
// skipped and any other character ends the number. The digits are converted correctly rounded,
// so that every value the writer produced reads back to the same double.
double parseTagReal(const char* text)
{
    char clean[kValueLimit + 2];
    int n = 0;
    const char* p = text;
    while (*p == ' ')
        ++p;
    if (*p == '-')
        clean[n++] = *p++;
    bool point = false;
    bool digits = false;
    for (; *p && n < kValueLimit; ++p) {
        auto c = static_cast<unsigned char>(*p);
        if (c < 32)
            continue;
        if (StringUtil::isDigit(c)) {
            digits = true;
            clean[n++] = static_cast<char>(c);
        } else if (c == '.' && !point) {
            point = true;
            clean[n++] = '.';
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    clean[n] = 0;
    // Up to 15 significant digits and 22 decimals: the digits as an integer and the power of ten
    // are both exact doubles, so one division rounds correctly, as strtod would.
    static const double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    long long mantissa = 0;
    int significant = 0;
    int decimals = 0;
    bool afterPoint = false;
    for (const char* q = clean[0] == '-' ? clean + 1 : clean; *q; ++q) {
        if (*q == '.') {
            afterPoint = true;
            continue;
        }
        if (significant > 0 || *q != '0')
            ++significant;
        mantissa = mantissa * 10 + (*q - '0');
        if (afterPoint)
            ++decimals;
        if (significant > 15 || decimals > 22)
            return std::strtod(clean, nullptr);
    }
    const double value = static_cast<double>(mantissa) / powers[decimals];
    return clean[0] == '-' ? -value : value;
}

void parseNumber(const char* text, int& value) { value = StringUtil::parseInt(text); }
void parseNumber(const char* text, double& value) { value = parseTagReal(text); }

// Integers saturate at the int range, which the writer always has digits for; a real of more
// integer digits than the writer writes would make every later save of the drawing fail.
bool canWriteBack(int) { return true; }
bool canWriteBack(double value) { return TagWriter::hasRealText(value); }

} // namespace

void TagReader::attachReader(BufferedFile* file, TagDictionary* tags)
{
    readerFile = file;
    readerTags = tags;
    lastTagId = 0;
    last[0] = last[1] = 0;
    for (int& d : delimiter)
        d = 0;
}

long long TagReader::remainingBytes() const
{
    if (!readerFile)
        return 0;
    return static_cast<long long>(readerFile->size()) - static_cast<long long>(readerFile->readPosition());
}

int TagReader::readChar(unsigned char& first, unsigned char& second)
{
    if (!readerFile || !readerFile->readByte(first)) {
        last[0] = last[1] = 0;
        return 0;
    }
    second = 0;
    // A lead byte that is the file's last byte stands alone.
    if (StringUtil::isLeadByte(first) && !readerFile->readByte(second))
        second = 0;
    last[0] = first;
    last[1] = second;
    return 1;
}

template <typename Visit> int TagReader::scanCharacters(Visit visit)
{
    for (;;) {
        int count = 0;
        const unsigned char* p = readerFile ? readerFile->bytesAhead(count) : nullptr;
        if (!p) {
            last[0] = last[1] = 0;
            return 0;
        }
        int i = 0;
        while (i < count) {
            const unsigned char c = p[i];
            if (StringUtil::isLeadByte(c)) {
                if (i + 1 >= count)
                    break;
                visit(c, p[i + 1]); // a double-byte character ends nothing
                i += 2;
            } else if (visit(c, 0)) {
                readerFile->takeBytes(i + 1);
                last[0] = c;
                last[1] = 0;
                return 1;
            } else {
                ++i;
            }
        }
        if (i > 0)
            readerFile->takeBytes(i);
        // A lead byte ends the bytes at hand: it comes with its trail byte, or alone at the end
        // of the file.
        unsigned char a, b;
        if (i < count) {
            if (!readChar(a, b))
                return 0;
            visit(a, b);
        }
    }
}

int TagReader::skipTo(unsigned char c)
{
    if (last[0] == c && last[1] == 0)
        return 1;
    if (StringUtil::isLeadByte(c)) {
        unsigned char a, b;
        do {
            if (!readChar(a, b))
                return 0;
        } while (a != c || b != 0);
        return 1;
    }
    return scanCharacters([c](unsigned char a, unsigned char b) { return a == c && b == 0; });
}

// The name after a '<' up to its delimiter (which sets its flag), at most 79 bytes kept; 0 at the
// end of the file. The characters are taken as readChar pairs them, looked at in the file's
// buffer; a lead byte at its end is read with its trail byte.
int TagReader::readTagName(char* name, int& n, bool& overlong)
{
    // 1 when the single-byte character c ends the name (its flag set); 0 when it belongs to it.
    auto ends = [this, &n, &overlong](unsigned char c, bool& slash) {
        slash = false;
        if (c == ' ' || c == '"' || c < 32)
            return true;
        switch (c) {
        case ',':
            delimiter[kComma] = 1;
            return true;
        case '=':
            delimiter[kEquals] = 1;
            return true;
        case '>':
            delimiter[kGreater] = 1;
            return true;
        case ']':
            delimiter[kBracket] = 1;
            return true;
        case '/':
            if (n == 0 && !overlong && !delimiter[kClosing]) {
                delimiter[kClosing] = 1;
                slash = true; // read over
                return false;
            }
            delimiter[kEmptyForm] = 1;
            return true;
        default:
            return false;
        }
    };
    auto keep = [&n, &overlong, name](unsigned char a, unsigned char b) {
        const int size = b ? 2 : 1;
        if (n + size > 79) {
            overlong = true; // no known name is that long; read over the rest of it
            return;
        }
        name[n++] = static_cast<char>(a);
        if (b)
            name[n++] = static_cast<char>(b);
    };
    return scanCharacters([&](unsigned char a, unsigned char b) {
        bool slash = false;
        if (!b && ends(a, slash))
            return true;
        if (!slash)
            keep(a, b);
        return false;
    });
}

int TagReader::nextTag(int& id)
{
    char name[80];
    for (;;) {
        if (!skipTo('<'))
            return 0;
        for (int& d : delimiter)
            d = 0;
        delimiter[kOpened] = 1;
        int n = 0;
        bool overlong = false;
        if (!readTagName(name, n, overlong))
            return 0;
        if (overlong || !readerTags)
            continue;
        long found = readerTags->findId(name, n);
        if (found >= 0) {
            id = lastTagId = static_cast<int>(found);
            return 1;
        }
    }
}

int TagReader::expectTag(int id)
{
    int found = 0;
    if (!nextTag(found) || found != id) {
        reportTagMissing(id);
        return 0;
    }
    return 1;
}

int TagReader::readUntil(unsigned char stop, char* text, int limit)
{
    int n = 0;
    // Whole characters only, and nothing after a cut.
    auto keep = [&n, &limit, text](unsigned char a, unsigned char b) {
        const int size = b ? 2 : 1;
        if (n + size > limit) {
            limit = n;
            return;
        }
        text[n++] = static_cast<char>(a);
        if (b)
            text[n++] = static_cast<char>(b);
    };
    int found = 0;
    if (!StringUtil::isLeadByte(stop)) {
        found = scanCharacters([&keep, stop](unsigned char a, unsigned char b) {
            if (a == stop && b == 0)
                return true;
            keep(a, b);
            return false;
        });
    } else {
        unsigned char a, b;
        while ((found = readChar(a, b)) && (a != stop || b != 0))
            keep(a, b);
    }
    text[n] = 0;
    return found ? n : -1;
}

template <typename Number> int TagReader::readNumber(int listItem, Number& value)
{
    char text[kValueLimit + 2];
    int n = listItem ? readListItem(text, kValueLimit) : readUntil('<', text, kValueLimit);
    Number read{};
    parseNumber(text, read);
    if (!canWriteBack(read)) {
        reportDataError(lastTagId);
        return 0;
    }
    value = read;
    return n >= 0;
}

int TagReader::readInt(int& value) { return readNumber(0, value); }

int TagReader::readDouble(double& value) { return readNumber(0, value); }

int TagReader::readListInt(int& value) { return readNumber(1, value); }

int TagReader::readListDouble(double& value) { return readNumber(1, value); }

int TagReader::keptReal(double value, int decimals, double& kept)
{
    char digits[64];
    if (!std::isfinite(value) || !TagWriter::hasRealText(value) || !TagWriter::realText(value, decimals, 0, digits))
        return 0;
    kept = parseTagReal(digits);
    return 1;
}

int TagReader::readValueText(char* buffer, int size)
{
    if (!buffer || size < 1)
        return 0;
    return readUntil('<', buffer, size >= 2 ? size - 2 : 0) >= 0;
}

int TagReader::readListItem(char* text, int limit)
{
    int n = 0;
    // A double-byte character is dropped.
    const int found = scanCharacters([&n, limit, text](unsigned char c, unsigned char b) {
        if (b == 0 && (c == ',' || c == '<' || c == '=' || c == '>' || c == ']'))
            return true;
        if (c < 0x80 && c > 32 && c != '[' && n < limit)
            text[n++] = static_cast<char>(c);
        return false;
    });
    text[n] = 0;
    return found ? n : -1;
}

int TagReader::readQuoted(char* buffer, int size)
{
    if (!buffer || size < 1)
        return 0;
    buffer[0] = 0;
    if (!skipTo('"') || readUntil('"', buffer, size - 1) < 0)
        return 0;
    // The closing quote is used up: the next quoted item starts at the next quote.
    last[0] = last[1] = 0;
    return 1;
}

int TagReader::readBool(int& flag)
{
    char text[38];
    if (!readQuoted(text, sizeof text))
        return 0;
    flag = StringUtil::equals(text, "TRUE");
    return 1;
}

int TagReader::acceptDataLength(long long n, long long cap, int bytesPerUnit, int tagId)
{
    if (n < 0 || n > cap || n * bytesPerUnit > remainingBytes()) {
        reportDataError(tagId);
        return 0;
    }
    return 1;
}

int TagReader::readQuotedBlock(char* buffer, int n, int capacity, int tagId)
{
    if (!buffer || !acceptDataLength(n, capacity, 1, tagId))
        return 0;
    if (!skipTo('"'))
        return 0;
    last[0] = last[1] = 0;
    return n == 0 || (readerFile && readerFile->readExact(buffer, n));
}

int TagReader::readHexBytes(unsigned char* buffer, int n, int capacity, int tagId)
{
    if (!buffer || !acceptDataLength(n, capacity, 2, tagId))
        return 0;
    int done = 0;
    int digits = 0;
    int high = 0;
    unsigned char c = 0;
    bool stopped = false;
    while (done < n) {
        if (!readerFile->readByte(c)) {
            last[0] = last[1] = 0;
            stopped = true;
            break;
        }
        if (c == ',' || c == '<' || c == ']') {
            last[0] = c;
            last[1] = 0;
            stopped = true;
            break;
        }
        if (c <= '/')
            continue;
        int value = StringUtil::hexDigitValue(static_cast<char>(c));
        if (StringUtil::isLeadByte(c)) {
            // A double-byte character counts as one digit; its trail byte goes with it. A lead
            // byte at the end of the file counts alone: the next read finds the end.
            unsigned char trail;
            (void)readerFile->readByte(trail);
        }
        if (digits == 0) {
            high = value;
            digits = 1;
        } else {
            buffer[done++] = static_cast<unsigned char>(high << 4 | value);
            digits = 0;
        }
    }
    if (!stopped) {
        last[0] = c;
        last[1] = 0;
    }
    if (done < n)
        std::memset(buffer + done, 0, static_cast<size_t>(n - done));
    return done == n;
}

int TagReader::skipLine()
{
    // A line end read last (it ended a tag name) already ends the line.
    if (last[1] == 0 && (last[0] == '\r' || last[0] == '\n'))
        return 1;
    unsigned char a, b;
    do {
        if (!readChar(a, b))
            return 0;
    } while (b != 0 || (a != '\r' && a != '\n'));
    return 1;
}

int TagReader::skipSection(int id)
{
    int found = 0;
    while (nextTag(found)) {
        if (found == id && isClosingTag())
            return 1;
    }
    return 0;
}

void TagReader::showTagMessage(int id, const char* text)
{
    char message[160];
    const char* name = readerTags && id >= 0 ? readerTags->findName(static_cast<uint32_t>(id)) : nullptr;
    if (name) {
        StringUtil::copy(message, "</");
        StringUtil::append(message, name);
        StringUtil::append(message, ">");
    } else {
        StringUtil::copy(message, "<?>");
    }
    StringUtil::append(message, text);
    showErrorText(message);
}

void TagReader::reportDataError(int id)
{
    if (++dataErrorCount == 1)
        showTagMessage(id, "のデータがエラーです");
}

void TagReader::reportTagMissing(int id) { showTagMessage(id, "がみつかりません"); }
