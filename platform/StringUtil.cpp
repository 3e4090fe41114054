#include "platform/StringUtil.h"

#include <climits>
#include <cstring>
#include <memory>
#include <new>

StringUtil* theStringUtil = nullptr;

namespace {
// Size of the character starting at text[i] within a text of n bytes: 2 for a lead byte with
// its trail byte present, else 1 (a lead byte at the end of the data counts as one byte).
inline int charSize(const char* text, int i, int n)
{
    return StringUtil::isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < n && text[i + 1] != 0 ? 2 : 1;
}

inline int upperByte(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

// Length of the text in a buffer of `size` bytes; -1 when no terminator lies inside it.
inline int usedLength(const char* buffer, int size)
{
    if (!buffer || size < 1)
        return -1;
    const void* end = std::memchr(buffer, 0, static_cast<size_t>(size));
    return end ? static_cast<int>(static_cast<const char*>(end) - buffer) : -1;
}

// Appends a text that must not be cut (a number): whole or not at all.
char* appendWhole(char* destination, int size, const char* text)
{
    int used = usedLength(destination, size);
    int length = static_cast<int>(std::strlen(text));
    if (used >= 0 && used + length < size)
        std::memcpy(destination + used, text, static_cast<size_t>(length) + 1);
    return destination;
}
} // namespace

int StringUtil::length(const char* text) { return text ? static_cast<int>(std::strlen(text)) : 0; }

int StringUtil::boundedCut(const char* text, int n, int limit)
{
    if (!text || limit <= 0)
        return 0;
    if (n < 0)
        n = 0x7fffffff;
    int i = 0;
    while (i < n && i < limit && text[i] != 0) {
        int step = charSize(text, i, n);
        if (i + step > limit)
            break;
        i += step;
    }
    return i;
}

int StringUtil::cutOfLongerText(const char* text, int n)
{
    if (!text || n <= 0)
        return 0;
    // The last byte starts a character exactly when the whole characters before it fill n - 1.
    const int before = boundedCut(text, n, n - 1);
    return before == n - 1 && isLeadByte(static_cast<unsigned char>(text[n - 1])) ? n - 1 : n;
}

int StringUtil::readBounded(char* buffer, int size, long long measured,
                            const std::function<long long(char*, int)>& read)
{
    if (!buffer || size < 1)
        return -1;
    buffer[0] = 0;
    long long capacity = measured >= size ? measured + 1 : static_cast<long long>(size) + 1;
    if (capacity >= INT_MAX)
        return -1;
    // Zeroed, with a spare byte: the text ends inside the block whatever the source wrote.
    std::unique_ptr<char[]> block(new (std::nothrow) char[static_cast<size_t>(capacity) + 1]());
    if (!block || read(block.get(), static_cast<int>(capacity)) < 0)
        return -1;
    copy(buffer, size, block.get());
    return length(buffer);
}

char* StringUtil::copy(char* destination, int size, const char* source)
{
    return copyN(destination, size, source, 0);
}

char* StringUtil::copyChar(char* destination, int size, char c)
{
    if (size >= 2) {
        destination[0] = c;
        destination[1] = 0;
    } else if (size == 1) {
        destination[0] = 0;
    }
    return destination;
}

char* StringUtil::copyN(char* destination, int size, const char* source, int n)
{
    if (size < 1)
        return destination;
    if (!source) {
        destination[0] = 0;
        return destination;
    }
    int limit = size - 1;
    if (n >= 1 && n < limit)
        limit = n;
    int count = boundedCut(source, -1, limit);
    std::memmove(destination, source, static_cast<size_t>(count));
    destination[count] = 0;
    return destination;
}

char* StringUtil::append(char* destination, int size, const char* text)
{
    int used = usedLength(destination, size);
    if (used < 0)
        return destination; // no terminator inside the buffer: leave it alone
    copy(destination + used, size - used, text);
    return destination;
}

char* StringUtil::appendChar(char* destination, int size, char c)
{
    char text[2] = {c, 0};
    return append(destination, size, text);
}

char* StringUtil::appendInt(char* destination, int size, long value)
{
    char text[16];
    formatInt(value, text, sizeof text);
    return appendWhole(destination, size, text);
}

char* StringUtil::appendDouble(char* destination, int size, double value, int decimals, int rounding)
{
    char text[460];
    text[0] = 0;
    if (!formatDouble(value, decimals, text, sizeof text, rounding))
        return destination; // a refused number is not appended
    return appendWhole(destination, size, text);
}

char* StringUtil::copyReplacingChar(char* destination, int size, const char* source, char oldChar, char newChar)
{
    copy(destination, size, source);
    if (size >= 1)
        replaceChar(destination, oldChar, newChar);
    return destination;
}

int StringUtil::compare(const char* a, const char* b)
{
    const auto* x = reinterpret_cast<const unsigned char*>(a);
    const auto* y = reinterpret_cast<const unsigned char*>(b);
    while (*x && *x == *y) {
        ++x;
        ++y;
    }
    return *x < *y ? -1 : (*x > *y ? 1 : 0);
}

int StringUtil::compareNoCase(const char* a, const char* b)
{
    int n = length(a);
    if (n != length(b))
        return 1;
    for (int i = 0; i < n;) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (isLeadByte(x) && i + 1 < n) {
            // A double-byte character matches only byte for byte.
            if (x != y)
                return x - y;
            auto xt = static_cast<unsigned char>(a[i + 1]);
            auto yt = static_cast<unsigned char>(b[i + 1]);
            if (xt != yt)
                return xt - yt;
            i += 2;
            continue;
        }
        if (upperByte(x) != upperByte(y))
            return upperByte(x) - upperByte(y);
        ++i;
    }
    return 0;
}

int StringUtil::compareN(const char* a, const char* b, int n)
{
    return n <= 0 ? 0 : std::strncmp(a, b, static_cast<size_t>(n));
}

const char* StringUtil::findChar(const char* text, char c)
{
    if (!text)
        return nullptr;
    for (int i = 0; text[i] != 0; i += charSize(text, i, 0x7fffffff)) {
        if (text[i] == c)
            return text + i;
    }
    return nullptr;
}

char* StringUtil::findChar(char* text, char c)
{
    return const_cast<char*>(findChar(static_cast<const char*>(text), c));
}

const char* StringUtil::findLastChar(const char* text, char c)
{
    int index = lastIndexOfChar(text, c);
    return index >= 0 ? text + index : nullptr;
}

char* StringUtil::findLastChar(char* text, char c)
{
    return const_cast<char*>(findLastChar(static_cast<const char*>(text), c));
}

int StringUtil::indexOfChar(const char* text, char c, int from, int to)
{
    if (!text)
        return -1;
    for (int i = from < 0 ? 0 : from; i < to; ++i) {
        if (text[i] == c)
            return i;
    }
    return -1;
}

int StringUtil::lastIndexOfChar(const char* text, char c)
{
    return lastIndexOfChar(text, c, 0, length(text));
}

int StringUtil::lastIndexOfChar(const char* text, char c, int from, int to)
{
    if (!text)
        return -1;
    int found = -1;
    for (int i = from < 0 ? 0 : from; i < to && text[i] != 0; i += charSize(text, i, to)) {
        if (text[i] == c)
            found = i;
    }
    return found;
}

int StringUtil::indexOfAny(const char* text, int from, int to, const char* set, int n)
{
    if (!text || !set)
        return -1;
    for (int i = from < 0 ? 0 : from; i < to; i += charSize(text, i, to)) {
        if (charSize(text, i, to) == 2)
            continue;
        for (int k = 0; k < n; ++k) {
            if (text[i] == set[k])
                return i;
        }
    }
    return -1;
}

int StringUtil::countChar(const char* text, char c)
{
    return countCharN(text, length(text), c);
}

int StringUtil::countCharN(const char* text, int n, char c)
{
    if (!text)
        return 0;
    int count = 0;
    for (int i = 0; i < n; i += charSize(text, i, n)) {
        if (text[i] == c)
            ++count;
    }
    return count;
}

void StringUtil::toUpper(char* text, int n)
{
    if (!text)
        return;
    int end = n < 1 ? length(text) : n;
    for (int i = 0; i < end && text[i] != 0; i += charSize(text, i, end))
        text[i] = toUpperChar(text[i]);
}

void StringUtil::toLower(char* text, int n)
{
    if (!text)
        return;
    int end = n < 1 ? length(text) : n;
    for (int i = 0; i < end && text[i] != 0; i += charSize(text, i, end))
        text[i] = toLowerChar(text[i]);
}

int StringUtil::replaceChar(char* text, char oldChar, char newChar)
{
    if (!text)
        return 0;
    int i = 0;
    while (text[i] != 0) {
        int step = charSize(text, i, 0x7fffffff);
        if (step == 1 && text[i] == oldChar)
            text[i] = newChar;
        i += step;
    }
    return i;
}

int StringUtil::removeControlChars(char* buffer, int n)
{
    if (!buffer || n < 1)
        return 0;
    int kept = 0;
    for (int i = 0; i < n; ++i) {
        auto c = static_cast<unsigned char>(buffer[i]);
        if (c >= 32 || c == 9 || c == 10 || c == 13)
            buffer[kept++] = buffer[i];
    }
    if (kept < n)
        buffer[kept] = 0;
    return kept;
}

char StringUtil::hexDigitChar(int v)
{
    if (v >= 0 && v <= 9)
        return static_cast<char>('0' + v);
    if (v >= 10 && v <= 15)
        return static_cast<char>('A' + v - 10);
    return '0';
}

int StringUtil::hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

void StringUtil::formatHexByte(unsigned char byte, char* twoBytes)
{
    twoBytes[0] = hexDigitChar(byte >> 4);
    twoBytes[1] = hexDigitChar(byte & 15);
}

int StringUtil::parseHexByte(const char* twoChars)
{
    return hexDigitValue(twoChars[0]) * 16 + hexDigitValue(twoChars[1]);
}

int StringUtil::wideToMultiByte(const wchar_t* wide, char* buffer, int size)
{
    if (!buffer || size < 1)
        return 0;
    buffer[0] = 0;
    if (!wide)
        return 0;
    if (WideCharToMultiByte(CP_ACP, 0, wide, -1, buffer, size, nullptr, nullptr) == 0) {
        buffer[0] = 0;
        return 0;
    }
    return static_cast<int>((wcslen(wide) + 1) * sizeof(wchar_t));
}

int StringUtil::folderOfPath(const char* path, char* buffer, int size)
{
    if (!buffer || size < 1)
        return 0;
    copy(buffer, size < MAX_PATH ? size : MAX_PATH, path);
    int backslash = lastIndexOfChar(buffer, '\\');
    int cut = backslash;
    if (cut < 0) {
        const char* colon = findChar(buffer, ':');
        cut = colon ? static_cast<int>(colon - buffer) : -1;
    }
    if (cut < 0)
        return 0;
    buffer[cut + 1] = 0;
    return 1;
}
