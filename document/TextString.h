#pragma once
#include "platform/GlobalBlock.h"

class BufferedFile;

// A growable byte string in one global-memory block: the XML attribute values and character
// data, and the texts the file readers collect. The bytes always end with a zero byte that the
// length does not count. A read position serves the token reading.
class TextString {
public:
    // The block grows by `growthStep` bytes at a time (and geometrically once it is large).
    explicit TextString(int growthStep = 256);

    [[nodiscard]] int length() const { return used; }
    // The bytes (zero-terminated); an empty text when nothing was ever stored.
    [[nodiscard]] const char* text() const;
    void clear();
    // The bytes for changing in place (null when nothing was ever stored); shorten() then cuts
    // the text to n bytes (n <= length).
    char* data() { return block.handle ? const_cast<char*>(text()) : nullptr; }
    void shorten(int n);

    // 1, or 0 when the block cannot grow (the text is then unchanged).
    [[nodiscard]] int appendChar(char c);
    // Appends n bytes (n < 1: the whole zero-terminated text); the new length, or -1 when the
    // block cannot grow (the text is then unchanged).
    [[nodiscard]] int append(const char* bytes, int n);
    [[nodiscard]] int assign(const char* text);
    // The value with `decimals` decimals, cut (not rounded), trailing zeros removed. 0, and the
    // text unchanged, for a value that has no such text (more than 40 integer digits).
    [[nodiscard]] int setDouble(double value, int decimals);
    [[nodiscard]] double toDouble() const;
    // At most size - 1 bytes (never half a Shift-JIS character) and the terminator; the length.
    int copyTo(char* buffer, int size) const;

    // Tokens: from the read position, bytes 0-32 are skipped (bytes of 0x80 and above are never
    // skipped) and the bytes up to the next byte 0-32 are copied, at most size - 1. 1 when the
    // token is not empty.
    void resetReadPosition() { readPosition = 0; }
    [[nodiscard]] int nextToken(char* buffer, int size);
    [[nodiscard]] int nextTokenDouble(double& value);

    // Writes the whole text (no line end).
    [[nodiscard]] int writeTo(BufferedFile& file) const;

private:
    // Mutable: reading the bytes locks the block, which does not change the text.
    mutable GlobalBlock block;
    int used = 0;
    int readPosition = 0;
};
