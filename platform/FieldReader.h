#pragma once
#include <windows.h>

// Reads delimited records out of a text, chiefly the definitions in the string table, whose texts
// begin with two delimiter characters: the end mark and the field separator
// ("#,線画,DFLT,1,...#" has the end mark '#' and the separator ',').
//
// The reader does not own its text: it reads a buffer that the caller attached (and that
// loadResourceString fills) or a text the caller keeps alive.
class FieldReader {
public:
    // Stop codes of readField.
    enum { atSeparator = 1, atEndMark = 26, stopped = -1 };

    FieldReader() { reset(); }

    // No text, position 0, end mark '!', separator '#'.
    void reset();
    // Uses `buffer` of `capacity` bytes for loading; its current text is not read.
    void attach(char* buffer, int capacity);
    // Reads the given zero-terminated text.
    void setText(const char* text);
    // LoadStringA into the attached buffer; returns the length loaded (0 when the id is absent).
    [[nodiscard]] int loadResourceString(UINT id);
    // Takes the end mark from the text's first character and the separator from its second;
    // reading continues after them.
    void readDelimiters();

    // Copies the next field into `buffer` (at most size - 1 bytes, terminated) and steps past the
    // character that ended it. Returns 1 at the separator, 26 at the end mark, -1 at the end of
    // the text or when the field did not fit; the rest of a field that did not fit is skipped, so
    // the next call reads the following field.
    [[nodiscard]] int readField(char* buffer, int size);
    // readField of at most 39 characters parsed with StringUtil::parseInt unless the code is -1;
    // returns the code.
    [[nodiscard]] int readIntField(int& value);

    [[nodiscard]] char fieldSeparator() const { return separator_; }
    [[nodiscard]] char endMark() const { return endMark_; }
    [[nodiscard]] int position() const { return position_; }
    [[nodiscard]] int length() const { return length_; }
    [[nodiscard]] const char* text() const { return text_; }

private:
    const char* text_ = nullptr;
    char* loadBuffer_ = nullptr;
    int length_ = 0;
    int capacity_ = 0;
    int position_ = 0;
    char endMark_ = '!';
    char separator_ = '#';
};
