#include "platform/ByteUtil.h"

#include <cstring>

void fillBytes(void* destination, unsigned char value, int n)
{
    if (destination && n > 0)
        std::memset(destination, value, static_cast<size_t>(n));
}

void copyBytes(void* destination, const void* source, int n)
{
    if (destination && source && n > 0)
        std::memcpy(destination, source, static_cast<size_t>(n));
}

void copyBytesForward(void* destination, const void* source, int n)
{
    if (!destination || !source)
        return;
    auto* to = static_cast<unsigned char*>(destination);
    auto* from = static_cast<const unsigned char*>(source);
    for (int i = 0; i < n; ++i)
        to[i] = from[i];
}

void shiftByteLeft(unsigned char* byte, int n)
{
    if (byte && n >= 1 && n < 8)
        *byte = static_cast<unsigned char>(*byte << n);
}

void shiftByteRight(unsigned char* byte, int n)
{
    if (byte && n >= 1 && n < 8)
        *byte = static_cast<unsigned char>(*byte >> n);
}

void keepLowBits(unsigned char* byte, int n)
{
    if (byte && n >= 1 && n <= 7)
        *byte = static_cast<unsigned char>(*byte & ((1u << (8 - n)) - 1));
}

unsigned char keepHighBits(unsigned char byte, int n)
{
    if (n >= 0 && n <= 7)
        return static_cast<unsigned char>(byte & (0xFFu << n));
    return n == 8 ? 0 : byte;
}

int testBitMsbFirst(const unsigned char* bytes, int i)
{
    if (!bytes || i < 0)
        return 0;
    return (bytes[i / 8] & (0x80u >> (i % 8))) != 0;
}

void setBitMsbFirst(unsigned char* bytes, int i)
{
    if (bytes && i >= 0)
        bytes[i / 8] = static_cast<unsigned char>(bytes[i / 8] | (0x80u >> (i % 8)));
}

void clearBitMsbFirst(unsigned char* bytes, int i)
{
    if (bytes && i >= 0)
        bytes[i / 8] = static_cast<unsigned char>(bytes[i / 8] & ~(0x80u >> (i % 8)));
}

char* appendBytes(char* destination, const char* source, int n, char terminator)
{
    if (!destination)
        return destination;
    if (source && n > 0) {
        std::memcpy(destination, source, static_cast<size_t>(n));
        destination += n;
    }
    *destination++ = terminator;
    return destination;
}

void putByteAt(unsigned char* buffer, int index, unsigned char value)
{
    if (buffer && index >= 0)
        buffer[index] = value;
}

int putU16(unsigned char* p, unsigned int value)
{
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
    return 2;
}

int putU32(unsigned char* p, unsigned int value)
{
    putU16(p, value & 0xFFFF);
    putU16(p + 2, value >> 16);
    return 4;
}

int putU32Pair(unsigned char* p, unsigned int first, unsigned int second)
{
    putU32(p, first);
    putU32(p + 4, second);
    return 8;
}

unsigned char getByte(const unsigned char* p) { return p[0]; }

unsigned int getU16(const unsigned char* p) { return p[0] | (static_cast<unsigned int>(p[1]) << 8); }

int absInt(int x) { return x < 0 ? -x : x; }

int returnOne() { return 1; }
