// Numbers as text and text as numbers for StringUtil.
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/StringUtil.h"

namespace {

const int maxIntegerDigits = 40;
const int maxDecimals = 400;
const int significantDigits = 15;
// Sign, 40 integer digits, point, 400 decimals, terminator.
const int workSize = 1 + maxIntegerDigits + 1 + maxDecimals + 1;

// The 15 significant digits of a magnitude from 1e-5 up to 2^52, correctly rounded (a tie to the
// even digit), and the power of ten of the first: the digits to_chars gives, in integer
// arithmetic. The value is m / 2^s with a 53-bit m; m x 10^k (k = 14 - exponent, 0..19) fits in
// 128 bits, so its quotient by 2^s and the remainder, which decides the rounding, are exact. 0
// for a magnitude outside that range, left to to_chars.
int fastSignificantDigits(double magnitude, char (&digits)[significantDigits], int& exponent)
{
    static const uint64_t powers[] = {1ull,
                                      10ull,
                                      100ull,
                                      1000ull,
                                      10000ull,
                                      100000ull,
                                      1000000ull,
                                      10000000ull,
                                      100000000ull,
                                      1000000000ull,
                                      10000000000ull,
                                      100000000000ull,
                                      1000000000000ull,
                                      10000000000000ull,
                                      100000000000000ull,
                                      1000000000000000ull,
                                      10000000000000000ull,
                                      100000000000000000ull,
                                      1000000000000000000ull,
                                      10000000000000000000ull};
    if (!(magnitude >= 1e-5 && magnitude < 4503599627370496.0))
        return 0;
    uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = static_cast<int>(bits >> 52);
    const uint64_t mantissa = (bits & ((1ull << 52) - 1)) | (1ull << 52);
    const int shift = 1075 - biased; // magnitude = mantissa / 2^shift, 1 <= shift <= 70
    // A first guess of the exponent from the binary one, corrected below.
    int guess = static_cast<int>(std::floor((biased - 1023) * 0.30102999566398120));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = 14 - guess;
        if (k < 0 || k > 19)
            return 0;
        const unsigned __int128 product = static_cast<unsigned __int128>(mantissa) * powers[k];
        uint64_t q = static_cast<uint64_t>(product >> shift);
        if (q < powers[14]) {
            --guess;
            continue;
        }
        if (q >= powers[15]) {
            ++guess;
            continue;
        }
        const unsigned __int128 rest = product & ((static_cast<unsigned __int128>(1) << shift) - 1);
        const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
        if (rest > half || (rest == half && (q & 1)))
            ++q;
        exponent = guess;
        if (q == powers[15]) { // 9.99...95 and above become 1.0 x 10^(exponent + 1)
            q = powers[14];
            ++exponent;
        }
        for (int i = significantDigits - 1; i >= 0; --i) {
            digits[i] = static_cast<char>(q % 10);
            q /= 10;
        }
        return 1;
    }
    return 0;
}

// The decimal text of `value` with `decimals` digits after the point into `out` (workSize
// bytes); its length, -1 when the value has more than 40 integer digits.
int formatFixed(double value, int decimals, int rounding, char* out)
{
    if (!std::isfinite(value)) {
        std::strcpy(out, "0");
        return 1;
    }
    if (decimals < 0)
        decimals = 0;
    if (decimals > maxDecimals)
        decimals = maxDecimals;
    bool negative = std::signbit(value);
    double magnitude = std::fabs(value);

    // The value correctly rounded to 15 significant digits: d0.d1...d14 x 10^exponent.
    char digits[significantDigits];
    int exponent = 0;
    if (magnitude == 0.0) {
        std::memset(digits, 0, sizeof digits);
    } else if (!fastSignificantDigits(magnitude, digits, exponent)) {
        char scientific[40];
        auto result = std::to_chars(scientific, scientific + sizeof scientific - 1, magnitude,
                                    std::chars_format::scientific, significantDigits - 1);
        *result.ptr = 0;
        int count = 0;
        const char* p = scientific;
        for (; *p && *p != 'e'; ++p) {
            if (*p >= '0' && *p <= '9' && count < significantDigits)
                digits[count++] = static_cast<char>(*p - '0');
        }
        while (count < significantDigits)
            digits[count++] = 0;
        exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    }
    auto digitAtPlace = [&](int place) -> int {
        int index = exponent - place;
        return index >= 0 && index < significantDigits ? digits[index] : 0;
    };

    // Fixed form: integer digits (none below 1) and then the decimals, most significant first.
    int integerDigits = exponent >= 0 ? exponent + 1 : 0;
    if (integerDigits > maxIntegerDigits)
        return -1;
    char fixed[1 + maxIntegerDigits + maxDecimals];
    char* first = fixed + 1; // one spare place in front for a carry
    int total = integerDigits + decimals;
    for (int j = 0; j < total; ++j)
        first[j] = static_cast<char>(digitAtPlace(integerDigits - 1 - j));
    if (rounding && digitAtPlace(-decimals - 1) >= 5) {
        int j = total - 1;
        while (j >= 0 && first[j] == 9)
            first[j--] = 0;
        if (j >= 0) {
            ++first[j];
        } else {
            *--first = 1;
            ++integerDigits;
            ++total;
            if (integerDigits > maxIntegerDigits)
                return -1;
        }
    }

    bool allZero = true;
    for (int j = 0; j < total; ++j)
        allZero = allZero && first[j] == 0;
    char* o = out;
    if (negative && !allZero)
        *o++ = '-';
    if (integerDigits == 0)
        *o++ = '0';
    for (int j = 0; j < integerDigits; ++j)
        *o++ = static_cast<char>('0' + first[j]);
    if (decimals > 0) {
        *o++ = '.';
        for (int j = integerDigits; j < total; ++j)
            *o++ = static_cast<char>('0' + first[j]);
    }
    *o = 0;
    return static_cast<int>(o - out);
}

// The text of length n without trailing zeros and a trailing point; its new length.
int stripTrailingZeros(char* text, int n)
{
    if (n < 2)
        return n;
    while (n > 2 && text[n - 1] == '0')
        text[--n] = 0;
    if (n >= 2 && text[n - 1] == '.')
        text[--n] = 0;
    return n;
}

// 1 when the text (of that length) and its terminator fit and were copied; else the buffer is
// left as it was.
int copyIfFits(const char* text, int length, char* buffer, int size)
{
    if (!buffer || length >= size)
        return 0;
    std::memcpy(buffer, text, static_cast<size_t>(length) + 1);
    return 1;
}

// The decimal text of value, as "%ld" writes it, into text (at least 21 bytes); its length.
int decimalText(long value, char* text)
{
    char reversed[24];
    int n = 0;
    // In unsigned arithmetic, so that the most negative value has its digits too.
    unsigned long long magnitude =
        value < 0 ? 0ull - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    do {
        reversed[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    int length = 0;
    if (value < 0)
        text[length++] = '-';
    while (n > 0)
        text[length++] = reversed[--n];
    text[length] = 0;
    return length;
}

} // namespace

char* StringUtil::formatInt(long value, char* buffer, int size)
{
    char text[24];
    copyIfFits(text, decimalText(value, text), buffer, size);
    return buffer;
}

char* StringUtil::formatIntPadded(long value, char* buffer, int size, int width)
{
    if (!buffer || size < 1)
        return buffer;
    char text[24];
    int length = decimalText(value, text);
    if (width > size - 1)
        width = size - 1;
    int pad = width > length ? width - length : 0;
    if (pad + length >= size)
        return buffer;
    std::memset(buffer, ' ', static_cast<size_t>(pad));
    std::memcpy(buffer + pad, text, static_cast<size_t>(length) + 1);
    return buffer;
}

char* StringUtil::formatDoubleRaw(double value, int decimals, char* buffer, int size, int rounding)
{
    char work[workSize];
    const int length = formatFixed(value, decimals, rounding, work);
    if (length < 0 || !copyIfFits(work, length, buffer, size))
        return nullptr;
    return buffer;
}

char* StringUtil::formatDouble(double value, int decimals, char* buffer, int size, int rounding)
{
    char work[workSize];
    int length = formatFixed(value, decimals, rounding, work);
    if (length < 0)
        return nullptr;
    if (decimals > 0)
        length = stripTrailingZeros(work, length);
    return copyIfFits(work, length, buffer, size) ? buffer : nullptr;
}

long long StringUtil::parseLong(const char* text)
{
    if (!text)
        return 0;
    const char* p = text;
    while (*p == ' ')
        ++p;
    bool negative = false;
    if (*p == '-') {
        negative = true;
        ++p;
    }
    long long value = 0;
    for (; *p; ++p) {
        auto c = static_cast<unsigned char>(*p);
        if (isControlChar(c))
            continue;
        if (!isDigit(c))
            break;
        value = value > kLongLimit / 10 ? kLongLimit : value * 10 + (c - '0');
        if (value > kLongLimit)
            value = kLongLimit;
    }
    return negative ? -value : value;
}

int StringUtil::parseInt(const char* text)
{
    const long long value = parseLong(text);
    return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

double StringUtil::parseDouble(const char* text)
{
    if (!text)
        return 0.0;
    const char* p = text;
    bool negative = false;
    if (*p == '-') {
        negative = true;
        ++p;
    }
    double mantissa = 0.0;
    double divisor = 1.0;
    bool inFraction = false;
    for (; *p && *p != 'E' && *p != 'e'; ++p) {
        if (isDigit(static_cast<unsigned char>(*p))) {
            mantissa = mantissa * 10.0 + (*p - '0');
            if (inFraction)
                divisor *= 10.0;
        } else if (*p == '.') {
            inFraction = true;
        }
    }
    int exponent = 0;
    if (*p) {
        ++p;
        bool negativeExponent = false;
        if (*p == '-') {
            negativeExponent = true;
            ++p;
        }
        // A corrupt exponent of a billion digits' worth is clamped, not looped over.
        for (; *p; ++p) {
            if (isDigit(static_cast<unsigned char>(*p)) && exponent <= 400)
                exponent = exponent * 10 + (*p - '0');
        }
        if (exponent > 400)
            exponent = 400;
        if (negativeExponent)
            exponent = -exponent;
    }
    double result = mantissa / divisor;
    if (exponent > 0)
        result *= std::pow(10.0, exponent);
    else if (exponent < 0)
        result /= std::pow(10.0, -exponent);
    if (std::isnan(result)) // thousands of digits: infinity over infinity
        result = 0.0;
    return negative ? -result : result;
}

int StringUtil::parseWholeLong(const char* text, long long& number)
{
    const auto pastBlanks = [](const char* p) {
        while (*p == ' ' || *p == '\t')
            ++p;
        return p;
    };
    const char* start = text ? pastBlanks(text) : "";
    if (!*start)
        return 0;
    const char* digits = start + (*start == '+' || *start == '-' ? 1 : 0);
    const char* end = digits;
    while (isDigit(static_cast<unsigned char>(*end)))
        ++end;
    if (end == digits || *pastBlanks(end))
        return -1;
    number = parseLong(*start == '+' ? digits : start);
    return 1;
}
