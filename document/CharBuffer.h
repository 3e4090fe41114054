#pragma once
#include "platform/GlobalBlock.h"

// The three operations a CharBuffer passes on.
class CharBufferTarget {
public:
    virtual ~CharBufferTarget() = default;
    virtual int operation6() = 0;
    virtual int operation7() = 0;
    virtual int operation8() = 0;
};

// Two texts of at most 255 bytes each in the two halves of one 512-byte global-memory block,
// kept locked for the object's life; both empty at construction. Its three virtual operations
// pass on to an optional target (none by default) and answer 0 without one.
class CharBuffer {
public:
    CharBuffer();
    virtual ~CharBuffer();
    CharBuffer(const CharBuffer&) = delete;
    CharBuffer& operator=(const CharBuffer&) = delete;

    // The texts; empty when the block could not be made.
    [[nodiscard]] const char* first() const { return bytes ? bytes : ""; }
    [[nodiscard]] const char* second() const { return bytes ? bytes + kHalf : ""; }
    // Copies at most 255 bytes, never half a Shift-JIS character.
    void setFirst(const char* text);
    void setSecond(const char* text);

    virtual int operation6() { return target ? target->operation6() : 0; }
    virtual int operation7() { return target ? target->operation7() : 0; }
    virtual int operation8() { return target ? target->operation8() : 0; }

    CharBufferTarget* target = nullptr; // not owned

    static constexpr int kHalf = 256;

private:
    GlobalBlock block{2 * kHalf, 1};
    char* bytes = nullptr;
};
