#include "document/TextString.h"

#include <cstring>

#include "platform/BufferedFile.h"
#include "platform/StringUtil.h"

TextString::TextString(int growthStep) : block(growthStep > 0 ? growthStep : 1, 1) {}

const char* TextString::text() const
{
    // The block stays locked from its allocation on (see GlobalBlock), so the pointer is stable
    // until the next change of the text.
    if (!block.handle)
        return "";
    const char* bytes = static_cast<const char*>(block.lock());
    block.unlock();
    return bytes ? bytes : "";
}

void TextString::clear()
{
    used = 0;
    readPosition = 0;
    if (block.handle) {
        BlockLock bytes(block);
        if (bytes)
            bytes.data()[0] = 0;
        block.count = 1;
    }
}

void TextString::shorten(int n)
{
    if (n < 0 || n >= used || !block.handle)
        return;
    used = n;
    data()[used] = 0;
    block.count = used + 1;
}

int TextString::append(const char* bytes, int n)
{
    if (!bytes)
        return used;
    if (n < 1)
        n = StringUtil::length(bytes);
    if (n < 1)
        return used;
    // Room for the bytes and the terminator; computed wide so that no length wraps.
    long long needed = static_cast<long long>(used) + n + 1;
    if (needed > 0x7FFFFFF0LL || !block.reserve(static_cast<int>(needed)))
        return -1;
    BlockLock data(block);
    if (!data)
        return -1;
    char* target = data.data();
    std::memmove(target + used, bytes, static_cast<size_t>(n));
    used += n;
    target[used] = 0;
    block.count = used + 1;
    return used;
}

int TextString::appendChar(char c) { return append(&c, 1) >= 0 ? 1 : 0; }

int TextString::assign(const char* text)
{
    clear();
    if (!text || !*text) {
        // Make sure the terminator exists even for an empty text.
        if (!block.handle && !block.reserve(1))
            return 0;
        BlockLock data(block);
        if (data)
            data.data()[0] = 0;
        block.count = 1;
        return 1;
    }
    return append(text, 0) >= 0 ? 1 : 0;
}

int TextString::setDouble(double value, int decimals)
{
    char digits[64];
    if (!StringUtil::formatDouble(value, decimals, digits, 0))
        return 0;
    return assign(digits);
}

double TextString::toDouble() const { return StringUtil::parseDouble(text()); }

int TextString::copyTo(char* buffer, int size) const
{
    if (!buffer || size < 1)
        return 0;
    int n = StringUtil::boundedCut(text(), used, size - 1);
    std::memcpy(buffer, text(), static_cast<size_t>(n));
    buffer[n] = 0;
    return n;
}

int TextString::nextToken(char* buffer, int size)
{
    if (!buffer || size < 1)
        return 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text());
    int p = readPosition < used ? readPosition : used;
    while (p < used && bytes[p] <= 32)
        ++p;
    int n = 0;
    bool cut = false;
    while (p < used && bytes[p] > 32) {
        if (n < size - 1)
            buffer[n++] = static_cast<char>(bytes[p]);
        else
            cut = true;
        ++p;
    }
    // A token longer than the buffer keeps whole characters.
    if (cut)
        n = StringUtil::cutOfLongerText(buffer, n);
    buffer[n] = 0;
    readPosition = p;
    return n > 0 ? 1 : 0;
}

int TextString::nextTokenDouble(double& value)
{
    char token[80];
    if (!nextToken(token, sizeof token))
        return 0;
    value = StringUtil::parseDouble(token);
    return 1;
}

int TextString::writeTo(BufferedFile& file) const { return used > 0 ? file.write(text(), used) : 1; }
