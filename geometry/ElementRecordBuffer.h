#pragma once
#include <cstdint>
#include <cstring>

#include "platform/GlobalBlock.h"

// The element store's staging buffer: an element writes its record here before it is stored and
// reads it back from here after it was loaded. Values are copied byte for byte from memory, so
// they are little-endian; a double is its eight IEEE 754 bytes.
//
// One position serves reading and writing; setting it to 0 starts a new record. The used count
// of the block follows the writes. Reads never go past the used count: the bytes may come from
// another process (clipboard) or a file (undo log), so a read that would run past the end fails
// and leaves the position where it was (the typed reads then yield 0).
class ElementRecordBuffer : public GlobalBlock {
public:
    ElementRecordBuffer();

    void rewind() { position = 0; }

    // Used count := position + n, then the bytes are copied at the position and it advances.
    // 0 when the memory is not available (nothing changes then).
    [[nodiscard]] int putBytes(const void* data, int n);
    [[nodiscard]] int putShort(int16_t value) { return putBytes(&value, 2); }
    [[nodiscard]] int putInt(int32_t value) { return putBytes(&value, 4); }
    [[nodiscard]] int putDword(uint32_t value) { return putBytes(&value, 4); }
    [[nodiscard]] int putDouble(double value)
    {
        if (!(value > -kOutsizeMagnitude && value < kOutsizeMagnitude))
            outsizeValue = 1;
        return putBytes(&value, 8);
    }

    // Copies n bytes from the position and advances it; 0 when fewer than n bytes are left.
    [[nodiscard]] int getBytes(void* dest, int n);
    [[nodiscard]] int getShort(int16_t& value) { return getValue(value); }
    [[nodiscard]] int getInt(int32_t& value) { return getValue(value); }
    [[nodiscard]] int getDword(uint32_t& value) { return getValue(value); }
    [[nodiscard]] int getDouble(double& value)
    {
        const int read = getValue(value);
        if (!(value > -kOutsizeMagnitude && value < kOutsizeMagnitude))
            outsizeValue = 1;
        return read;
    }

    // Bytes left between the position and the used count.
    [[nodiscard]] int remaining() const { return count > position ? count - position : 0; }

    int position = 0;
    // Set by a double put or read that is not finite or lies beyond kOutsizeMagnitude either side
    // of 0, and kept until the writer or the reader of a record clears it: no drawing has such a
    // value, so only a record that set it is looked at more closely before it is stored
    // (Element::stageRecord) or when the drawing's scale changes (Document::canWriteStoredElements).
    // Below that magnitude no value the drawing file derives from the record (converted to
    // paper at any scale, whose terms stay below 2^31, to another unit, or summed with a few
    // others) comes near the 40 integer digits the file writes.
    static constexpr double kOutsizeMagnitude = 1.0e20;
    int outsizeValue = 0;

private:
    template <typename T> int getValue(T& value)
    {
        // Records are read value by value: the held block's bytes are copied in place.
        const char* bytes = heldBase();
        if (bytes && position >= 0 && static_cast<int>(sizeof value) <= remaining()) {
            std::memcpy(&value, bytes + position, sizeof value);
            position += static_cast<int>(sizeof value);
            return 1;
        }
        if (getBytes(&value, sizeof value))
            return 1;
        value = T();
        return 0;
    }
};
