#pragma once
// The one lead-byte rule of the program's Shift-JIS handling: 0x80-0x9F and 0xE0-0xFF start a
// two-byte character (stored data relies on exactly this set). A lead byte as the last byte of
// the data counts as one byte.

[[nodiscard]] inline bool isShiftJisLeadByte(unsigned char c) { return (c >= 0x80 && c <= 0x9F) || c >= 0xE0; }

// Length in bytes (1 or 2) of the character at text[i] within text[0..end).
[[nodiscard]] inline int shiftJisCharLength(const char* text, int i, int end)
{
    return isShiftJisLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < end ? 2 : 1;
}
