#pragma once
// Byte, bit and buffer routines of the image readers and writers. Multi-byte values are stored
// little-endian whatever the machine. Bit arrays are numbered from the most significant bit of
// byte 0 (mask 0x80 >> (i mod 8)), as scan lines of 1-bit pictures are.

void fillBytes(void* destination, unsigned char value, int n);
void copyBytes(void* destination, const void* source, int n);
// Copies from the first byte to the last, so a destination below an overlapping source is safe.
void copyBytesForward(void* destination, const void* source, int n);

// Shift by n when 1 <= n < 8; other n leave the byte as it is.
void shiftByteLeft(unsigned char* byte, int n);
void shiftByteRight(unsigned char* byte, int n);
// byte := byte mod 2^(8 - n) for 1 <= n <= 7 (the n high bits cleared).
void keepLowBits(unsigned char* byte, int n);
// byte & (0xFF << n) for 0 <= n <= 7 (the n low bits cleared); 0 for n = 8; the byte itself
// for any other n.
[[nodiscard]] unsigned char keepHighBits(unsigned char byte, int n);

[[nodiscard]] int testBitMsbFirst(const unsigned char* bytes, int i);
void setBitMsbFirst(unsigned char* bytes, int i);
void clearBitMsbFirst(unsigned char* bytes, int i);

// n bytes and one terminator byte; the position after the terminator.
char* appendBytes(char* destination, const char* source, int n, char terminator);
void putByteAt(unsigned char* buffer, int index, unsigned char value);
// Each returns the number of bytes written (2, 4, 8).
int putU16(unsigned char* p, unsigned int value);
int putU32(unsigned char* p, unsigned int value);
int putU32Pair(unsigned char* p, unsigned int first, unsigned int second);
[[nodiscard]] unsigned char getByte(const unsigned char* p);
[[nodiscard]] unsigned int getU16(const unsigned char* p);

[[nodiscard]] int absInt(int x);
[[nodiscard]] int returnOne();
