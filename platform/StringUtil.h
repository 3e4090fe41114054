#pragma once
#include <cstddef>
#include <functional>
#include <windows.h>

#include "platform/ShiftJis.h"

// Operations on zero-terminated Shift-JIS (code page 932) texts in fixed char buffers.
//
// Every operation that walks characters steps over the second byte of a double-byte character,
// so a trail byte (0x40-0xFC, which includes '\\', '@', '[' ...) is never taken for an ASCII
// character. The lead-byte set is 0x80-0x9F and 0xE0-0xFF, wider than CP932's own, because stored
// texts and every reader of this program agree on it; IsDBCSLeadByte is not used.
//
// Copies into a buffer are always bounded: the sized forms take the destination's size in bytes,
// and the forms without a size accept only a char array, whose size the compiler knows. At most
// size - 1 bytes and the terminator are written, and a cut never falls between the two bytes of a
// character.
//
// The class is stateless. The application keeps one instance in theStringUtil; the operations
// are static so that the library's own code can use them without the instance.
class StringUtil {
public:
    [[nodiscard]] static int isLeadByte(unsigned char c) { return isShiftJisLeadByte(c) ? 1 : 0; }
    [[nodiscard]] static int isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
    [[nodiscard]] static int isControlChar(unsigned char c) { return c < 32; }
    [[nodiscard]] static int byteValue(char c) { return static_cast<unsigned char>(c); }
    [[nodiscard]] static char toUpperChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
    [[nodiscard]] static char toLowerChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

    static void clear(char* buffer) { buffer[0] = 0; }
    [[nodiscard]] static int length(const char* text);

    // Copying and joining; each returns the destination.
    static char* copy(char* destination, int size, const char* source);
    static char* copyChar(char* destination, int size, char c);
    // The first n bytes of the zero-terminated source (n < 1: all of it), never more than it holds.
    static char* copyN(char* destination, int size, const char* source, int n);
    static char* append(char* destination, int size, const char* text);
    static char* appendChar(char* destination, int size, char c);
    // A number is appended whole or not at all.
    static char* appendInt(char* destination, int size, long value);
    static char* appendDouble(char* destination, int size, double value, int decimals, int rounding);
    static char* copyReplacingChar(char* destination, int size, const char* source, char oldChar, char newChar);

    template <size_t N> static char* copy(char (&destination)[N], const char* source)
    {
        return copy(destination, static_cast<int>(N), source);
    }
    template <size_t N> static char* copyChar(char (&destination)[N], char c)
    {
        return copyChar(destination, static_cast<int>(N), c);
    }
    template <size_t N> static char* copyN(char (&destination)[N], const char* source, int n)
    {
        return copyN(destination, static_cast<int>(N), source, n);
    }
    template <size_t N> static char* append(char (&destination)[N], const char* text)
    {
        return append(destination, static_cast<int>(N), text);
    }
    template <size_t N> static char* appendChar(char (&destination)[N], char c)
    {
        return appendChar(destination, static_cast<int>(N), c);
    }
    template <size_t N> static char* appendInt(char (&destination)[N], long value)
    {
        return appendInt(destination, static_cast<int>(N), value);
    }
    template <size_t N>
    static char* appendDouble(char (&destination)[N], double value, int decimals, int rounding = 0)
    {
        return appendDouble(destination, static_cast<int>(N), value, decimals, rounding);
    }
    template <size_t N>
    static char* copyReplacingChar(char (&destination)[N], const char* source, char oldChar, char newChar)
    {
        return copyReplacingChar(destination, static_cast<int>(N), source, oldChar, newChar);
    }

    // Comparison. compare is byte-wise unsigned (-1, 0, 1); compareNoCase gives 1 when the
    // lengths differ, else the difference of the first pair of characters that differ after ASCII
    // upper-casing (trail bytes are compared as they are).
    [[nodiscard]] static int compare(const char* a, const char* b);
    [[nodiscard]] static int compareNoCase(const char* a, const char* b);
    [[nodiscard]] static int compareN(const char* a, const char* b, int n);
    [[nodiscard]] static int equals(const char* a, const char* b) { return compare(a, b) == 0; }
    [[nodiscard]] static int equalsNoCase(const char* a, const char* b) { return compareNoCase(a, b) == 0; }

    // Searching. findChar, findLastChar, lastIndexOfChar, indexOfAny, countChar and countCharN
    // look only at character starts; indexOfChar looks at plain bytes of a range the caller
    // knows to be its data.
    [[nodiscard]] static const char* findChar(const char* text, char c);
    [[nodiscard]] static char* findChar(char* text, char c);
    [[nodiscard]] static const char* findLastChar(const char* text, char c);
    [[nodiscard]] static char* findLastChar(char* text, char c);
    [[nodiscard]] static int indexOfChar(const char* text, char c, int from, int to);
    [[nodiscard]] static int lastIndexOfChar(const char* text, char c);
    [[nodiscard]] static int lastIndexOfChar(const char* text, char c, int from, int to);
    [[nodiscard]] static int indexOfAny(const char* text, int from, int to, const char* set, int n);
    [[nodiscard]] static int countChar(const char* text, char c);
    [[nodiscard]] static int countCharN(const char* text, int n, char c);

    // In-place conversions over n bytes (n < 1: the whole text).
    static void toUpper(char* text, int n);
    static void toLower(char* text, int n);
    // Returns the text's length.
    static int replaceChar(char* text, char oldChar, char newChar);
    // Drops bytes below 32 except TAB, LF and CR from the n bytes; returns the new count.
    [[nodiscard]] static int removeControlChars(char* buffer, int n);

    // Numbers as text. formatInt and formatLong write "%ld" (at most 12 bytes with the
    // terminator); formatIntPadded right-aligns in `width` characters with blanks.
    static char* formatInt(long value, char* buffer, int size);
    static char* formatLong(long value, char* buffer, int size) { return formatInt(value, buffer, size); }
    static char* formatIntPadded(long value, char* buffer, int size, int width);
    template <size_t N> static char* formatInt(long value, char (&buffer)[N])
    {
        return formatInt(value, buffer, static_cast<int>(N));
    }
    template <size_t N> static char* formatLong(long value, char (&buffer)[N])
    {
        return formatInt(value, buffer, static_cast<int>(N));
    }
    template <size_t N> static char* formatIntPadded(long value, char (&buffer)[N], int width)
    {
        return formatIntPadded(value, buffer, static_cast<int>(N), width);
    }

    // Decimal text of a double with exactly `decimals` digits after the point (none for 0 or
    // less). The digits come from the value correctly rounded to 15 significant digits, so 2.3
    // is "2.3..." and never "2.2999..."; that form is cut to the decimals, or with `rounding`
    // rounded half away from zero. Non-finite values give "0", and a result whose digits are all
    // 0 has no minus sign. Decimals beyond 400 are written as 400 (every digit past the fifteenth
    // significant one is 0 anyway). Returns the buffer. A value with more than 40 integer digits,
    // or a text that does not fit the buffer, is refused: null, and the buffer is left as it was,
    // so a caller starts from a terminated buffer and looks at the result.
    [[nodiscard]] static char* formatDoubleRaw(double value, int decimals, char* buffer, int size, int rounding);
    // formatDoubleRaw, then trailing zeros and a trailing point removed when decimals > 0:
    // 2.5 with 2 decimals is "2.5", 3 is "3". Refused (null) as formatDoubleRaw.
    [[nodiscard]] static char* formatDouble(double value, int decimals, char* buffer, int size, int rounding);
    template <size_t N>
    [[nodiscard]] static char* formatDoubleRaw(double value, int decimals, char (&buffer)[N], int rounding = 0)
    {
        return formatDoubleRaw(value, decimals, buffer, static_cast<int>(N), rounding);
    }
    template <size_t N>
    [[nodiscard]] static char* formatDouble(double value, int decimals, char (&buffer)[N], int rounding = 0)
    {
        return formatDouble(value, decimals, buffer, static_cast<int>(N), rounding);
    }

    // Leading blanks, an optional '-', then digits; control characters inside are skipped and
    // any other character ends the number. Saturates at the int range.
    [[nodiscard]] static int parseInt(const char* text);
    // The same number in 64 bits, saturating at kLongLimit either side of 0, so that a number of
    // many digits is still known to lie beyond every int.
    static constexpr long long kLongLimit = 1000000000000000000LL;
    [[nodiscard]] static long long parseLong(const char* text);
    // The whole text as one integer, as a number field takes it: blanks (spaces, tabs) around
    // it, an optional '+' or '-', then digits and nothing else. 1 with the number (saturating as
    // parseLong); 0 for a text of blanks alone or none, `number` untouched; -1, untouched too,
    // for any other text ("15abc", "17.5", "2e3", "1 6", full-width digits).
    [[nodiscard]] static int parseWholeLong(const char* text, long long& number);
    [[nodiscard]] static int parseIntRaw(const char* text) { return parseInt(text); }
    // An optional '-' first, digits with an optional '.' fraction, an optional 'E'/'e' exponent
    // with an optional '-'; every other character is skipped ("12.5mm" is 12.5). The exponent is
    // clamped to +-400.
    [[nodiscard]] static double parseDouble(const char* text);

    [[nodiscard]] static char hexDigitChar(int v);
    [[nodiscard]] static int hexDigitValue(char c);
    // Two upper-case digits, high nibble first, no terminator.
    static void formatHexByte(unsigned char byte, char* twoBytes);
    [[nodiscard]] static int parseHexByte(const char* twoChars);

    // WideCharToMultiByte(CP_ACP) into a buffer of `size` bytes. Returns the byte size of the
    // wide text with its terminator (2 for an empty one); 0 and an empty buffer on failure.
    [[nodiscard]] static int wideToMultiByte(const wchar_t* wide, char* buffer, int size);
    // Copies the path (at most min(size, 260) - 1 bytes) and ends it after its last backslash,
    // or else after its first ':'. 1 when one was found, else 0 (the whole copy stays).
    [[nodiscard]] static int folderOfPath(const char* path, char* buffer, int size);

    // Length of the longest prefix of text[0, n) that is at most `limit` bytes and does not end
    // between the two bytes of a character; n < 0 means up to the terminator.
    [[nodiscard]] static int boundedCut(const char* text, int n, int limit);
    // Length of text[0, n), the first n bytes of a longer text, without a last lead byte whose
    // trail byte lies beyond the cut.
    [[nodiscard]] static int cutOfLongerText(const char* text, int n);

    // A text read from a source that copies it, or as much of it as fits, into a block it is
    // given (GetDlgItemTextA, GetMenuStringA, TVM_GETITEMA, LB_GETTEXT ...), kept in `buffer` of
    // `size` bytes: at most size - 1 bytes and the terminator, cut on a character boundary.
    // `read(block, capacity)` may write up to `capacity` bytes with or without a terminator, may
    // cut a two-byte character in half, and returns a negative value when it fails. `measured`
    // is the text's length when the caller measured it (the block then holds the whole text), else
    // -1 (the block then holds one byte more than the buffer keeps, so the source's own cut is
    // never kept). Returns the length kept; -1 when the read failed or no block could be had,
    // with the buffer empty.
    [[nodiscard]] static int readBounded(char* buffer, int size, long long measured, const std::function<long long(char*, int)>& read);
};

extern StringUtil* theStringUtil;
