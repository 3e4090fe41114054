#pragma once
#include "platform/FieldReader.h"

// The toolbars' texts in the string table (pane definitions 1 to 13, button lists 51 to 63,
// command definitions 101 to 164). Each text starts with its end mark and its field delimiter;
// every field ends with the delimiter, the last with the end mark. A field that does not fit its
// target, or that the text ends inside, fails the read.
class ToolbarText {
public:
    // A string-table entry is at most this long.
    static constexpr int kCapacity = 256;

    // Loads string `id` and takes its end mark and delimiter; 0 when the string is missing.
    [[nodiscard]] int load(int id);
    // Reads a text of the caller's (kept alive by it) instead.
    void setText(const char* definition)
    {
        reader.setText(definition);
        reader.readDelimiters();
    }

    // The next field into `buffer` (at most size - 1 bytes): FieldReader::atSeparator,
    // FieldReader::atEndMark, or FieldReader::stopped when it did not fit or the text ended.
    [[nodiscard]] int readText(char* buffer, int size) { return reader.readField(buffer, size); }
    template <int N>
    [[nodiscard]] int readText(char (&buffer)[N]) { return reader.readField(buffer, N); }
    // The next field as a decimal integer (an optional '-' and 1 to 39 digits, nothing else);
    // `value` is left as it was and FieldReader::stopped is returned for anything else.
    [[nodiscard]] int readNumber(int& value);

    FieldReader reader;
    char text[kCapacity] = {};
};
