#include "io/images/EpsCommentScan.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <string>

#include "platform/StringUtil.h"

namespace {

bool isLineEnd(unsigned char c) { return c == '\r' || c == '\n'; }
bool isPrintable(unsigned char c) { return c >= 33; }

// A decimal number as PostScript writes it: sign, digits with one point, an exponent.
bool isNumber(const std::string& t)
{
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    int digits = 0, points = 0;
    for (; i < t.size() && (std::isdigit(static_cast<unsigned char>(t[i])) || t[i] == '.'); ++i)
        t[i] == '.' ? ++points : ++digits;
    if (!digits || points > 1)
        return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        const size_t first = i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])))
            ++i;
        if (i == first)
            return false;
    }
    return i == t.size();
}

// The tokens of the rest of a line, from `at` (moved past what was read), at most `most` of them.
// Each is at most kMaxToken characters; longer ones are cut.
int lineTokens(const unsigned char* data, size_t end, size_t& at, std::string* tokens, int most)
{
    int n = 0;
    while (at < end && n < most) {
        while (at < end && !isPrintable(data[at]) && !isLineEnd(data[at]))
            ++at;
        if (at >= end || isLineEnd(data[at]))
            break;
        std::string& t = tokens[n++];
        t.clear();
        for (; at < end && isPrintable(data[at]); ++at)
            if (t.size() < EpsCommentScan::kMaxToken)
                t += static_cast<char>(data[at]);
    }
    return n;
}

// Four numbers on the rest of the line.
bool readBox(const unsigned char* data, size_t end, size_t& at, double (&box)[4], int& atEnd)
{
    std::string tokens[4];
    const int n = lineTokens(data, end, at, tokens, 4);
    if (n >= 1 && tokens[0] == "(atend)") {
        atEnd = 1;
        return false;
    }
    if (n < 4)
        return false;
    double values[4];
    for (int i = 0; i < 4; ++i) {
        if (!isNumber(tokens[i]))
            return false;
        values[i] = StringUtil::parseDouble(tokens[i].c_str());
        if (!std::isfinite(values[i]))
            return false;
    }
    std::memcpy(box, values, sizeof values);
    return true;
}

} // namespace

void EpsCommentScan::scan(const unsigned char* data, size_t n, long long budget, long long hiResWindow, int colours)
{
    size_t limit = budget < static_cast<long long>(n) ? static_cast<size_t>(budget) : n;
    std::string token;
    size_t at = 0;
    while (at < limit) {
        const unsigned char c = data[at++];
        if (!isPrintable(c)) {
            token.clear();
            continue;
        }
        if (token.size() < kMaxToken)
            token += static_cast<char>(c);
        if (c != ':')
            continue;
        if (token == "%%BoundingBox:") {
            if (readBox(data, n, at, box, atEnd)) {
                found = 1;
                limit = at + static_cast<size_t>(hiResWindow) < n ? at + static_cast<size_t>(hiResWindow) : n;
            }
        } else if (token == "%%HiResBoundingBox:") {
            int ignored = 0;
            if (readBox(data, n, at, box, ignored)) {
                found = 1;
                return;
            }
        } else if (colours && token == "%%DocumentProcessColors:") {
            std::string names[16];
            const int count = lineTokens(data, n, at, names, 16);
            const char* known[4] = {"Cyan", "Magenta", "Yellow", "Black"};
            for (int i = 0; i < count; ++i)
                for (int k = 0; k < 4; ++k)
                    if (names[i] == known[k])
                        processColours[k] = 1;
        }
        token.clear();
    }
}
