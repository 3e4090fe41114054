#include "document/TextFile.h"

#include <cstring>

#include "document/TextString.h"
#include "platform/BufferedFile.h"
#include "platform/StringUtil.h"

namespace {
// Bytes of 0x80 and above are always kept: they belong to Shift-JIS characters.
inline bool isKept(unsigned char b, unsigned char lowestKept) { return b > lowestKept || b >= 0x80; }
} // namespace

TextFile::~TextFile() { delete[] scratch; }

int TextFile::readLine(char* buffer, int size)
{
    if (!openFlag || !bufferedFile)
        return -1;
    return bufferedFile->readLine(buffer, size);
}

int TextFile::readUntilByte(char* buffer, int size, char stop, unsigned char lowestKept)
{
    if (!buffer || size < 1)
        return -1;
    int n = 0;
    buffer[0] = 0;
    unsigned char b;
    while (n < size - 1) {
        if (!readByte(b)) {
            buffer[n] = 0;
            return -1;
        }
        if (b == static_cast<unsigned char>(stop))
            break;
        if (isKept(b, lowestKept))
            buffer[n++] = static_cast<char>(b);
    }
    buffer[n] = 0;
    return n;
}

namespace {
// A running match of a pattern of 1..64 bytes over a stream of bytes: on a mismatch after a
// partial match it falls back to the longest matched suffix that is still a prefix of the pattern.
class PatternMatch {
public:
    // 0 when the pattern is empty or longer than 64 bytes.
    int begin(const char* text)
    {
        pattern = text;
        length = StringUtil::length(text);
        matched = 0;
        if (length < 1 || length > 64)
            return 0;
        fallback[0] = 0;
        for (int i = 1, k = 0; i < length; ++i) {
            while (k > 0 && pattern[i] != pattern[k])
                k = fallback[k - 1];
            if (pattern[i] == pattern[k])
                ++k;
            fallback[i] = k;
        }
        return 1;
    }
    // True when b completes the pattern.
    bool step(char b)
    {
        while (matched > 0 && b != pattern[matched])
            matched = fallback[matched - 1];
        if (b == pattern[matched])
            ++matched;
        return matched == length;
    }

    const char* pattern = nullptr;
    int length = 0;

private:
    int matched = 0;
    int fallback[64] = {};
};
} // namespace

int TextFile::readUntilPattern(char* buffer, int size, const char* pattern, unsigned char lowestKept)
{
    if (!buffer || size < 1 || !pattern)
        return -1;
    buffer[0] = 0;
    PatternMatch match;
    if (!match.begin(pattern))
        return -1;
    int n = 0;
    unsigned char b;
    while (n < size - 1) {
        if (!readByte(b)) {
            buffer[n] = 0;
            return -1;
        }
        if (!isKept(b, lowestKept))
            continue;
        buffer[n++] = static_cast<char>(b);
        if (match.step(static_cast<char>(b))) {
            n -= match.length;
            buffer[n] = 0;
            return n;
        }
    }
    buffer[n] = 0;
    return n;
}

int TextFile::skipPastPattern(const char* pattern, unsigned char lowestKept)
{
    PatternMatch match;
    if (!pattern || !match.begin(pattern))
        return -1;
    unsigned char b;
    while (readByte(b)) {
        if (isKept(b, lowestKept) && match.step(static_cast<char>(b)))
            return 1;
    }
    return -1;
}

int TextFile::readUntilAny(char* buffer, int size, const char* stops, int n, int stopAtControl, char& stoppedBy)
{
    stoppedBy = 0;
    if (!buffer || size < 1)
        return -1;
    int stored = 0;
    unsigned char b;
    while (stored < size - 1) {
        if (!readByte(b)) {
            buffer[stored] = 0;
            return -1;
        }
        bool stop = stopAtControl && b < 32;
        for (int i = 0; i < n && !stop && stops; ++i)
            stop = b == static_cast<unsigned char>(stops[i]);
        if (stop) {
            stoppedBy = static_cast<char>(b);
            break;
        }
        buffer[stored++] = static_cast<char>(b);
    }
    buffer[stored] = 0;
    return stored;
}

int TextFile::writeByte(char c) { return openFlag && bufferedFile ? bufferedFile->write(&c, 1) : 0; }

int TextFile::writeText(const char* text, int length)
{
    if (!openFlag || !bufferedFile || !text)
        return 0;
    if (length < 1)
        length = StringUtil::length(text);
    return bufferedFile->write(text, length);
}

int TextFile::writeLine(const char* text) { return writeText(text) && writeLineEnd(); }

int TextFile::writeLineEnd() { return openFlag && bufferedFile ? bufferedFile->writeLineEnd() : 0; }

int TextFile::writeString(const TextString& text) { return openFlag && bufferedFile ? text.writeTo(*bufferedFile) : 0; }
