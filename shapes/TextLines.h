#pragma once
#include <string>
#include <vector>

// The lines of a text's Shift-JIS bytes, as the text shape draws them and the text kinds lay them
// out: lines end at CR, LF or CR LF; a text that ends with a line end has an empty last line
// (where the caret goes after Enter). An empty text has no lines.
struct TextLine {
    // The bytes [start, end) without the line end.
    int start;
    int end;
};

[[nodiscard]] inline bool isTextLineEnd(char c) { return c == '\r' || c == '\n'; }

// The lines of the bytes.
void splitTextLines(const std::string& bytes, std::vector<TextLine>& lines);
