#pragma once
// The bytes of a text inside a PostScript or PDF literal string, between its parentheses, as
// both writers put them: '(', ')' and '\\' get a backslash before them, every other byte
// (Shift-JIS and control characters included) goes as it is, and a reader gets back exactly
// the text's bytes.
//
// No byte is spared for being a trail byte: no trail byte (0x40-0x7E, 0x80-0xFC) is a
// parenthesis, and a trail byte 0x5C doubled reads back as itself. A lead byte therefore
// protects nothing; one without its trail byte (before a parenthesis, or last) cannot open or
// close the string.

// Writes text[from, to) escaped through write(const char* bytes, int n), which answers 1 or 0,
// in pieces of at most 512 bytes; 1, or 0 from the first write that answered 0.
template <class Write> [[nodiscard]] int writeLiteralStringBody(const char* text, int from, int to, Write write)
{
    constexpr int kPiece = 512;
    char escaped[kPiece];
    int used = 0;
    for (int i = from; i < to; ++i) {
        if (used > kPiece - 2) {
            if (!write(escaped, used))
                return 0;
            used = 0;
        }
        const char c = text[i];
        if (c == '\\' || c == '(' || c == ')')
            escaped[used++] = '\\';
        escaped[used++] = c;
    }
    return used == 0 || write(escaped, used);
}
