#include "io/dxf/DxfGroup.h"

#include <climits>
#include <cstring>

#include "io/dxf/DxfKeywords.h"
#include "platform/StringUtil.h"

int DxfGroup::typeOf(int code)
{
    if (code < 0 || code > 1071)
        return kUnrecognised;
    if (code <= 4 || (code >= 6 && code <= 9) || (code >= 100 && code <= 102) || (code >= 300 && code <= 309) ||
        (code >= 1000 && code <= 1003) || code == 1005)
        return kString;
    if (code == 5 || code == 105 || (code >= 320 && code <= 369))
        return kHandle;
    if ((code >= 10 && code <= 59) || (code >= 140 && code <= 147) || (code >= 210 && code <= 239) ||
        (code >= 1010 && code <= 1059))
        return kReal;
    if ((code >= 60 && code <= 79) || (code >= 280 && code <= 289))
        return kInt16;
    if (code == 1070)
        return kInt1070;
    if ((code >= 90 && code <= 99) || code == 1071)
        return kInt32;
    if ((code >= 170 && code <= 178) || (code >= 270 && code <= 275))
        return kInt170;
    if ((code >= 310 && code <= 319) || code == 1004)
        return kBinary;
    if (code == 999)
        return kComment;
    return kUnrecognised;
}

void DxfGroup::reset()
{
    code = -1;
    type = kUnrecognised;
    text[0] = 0;
    keyword = -1;
    intValue = 0;
    realValue = 0.0;
}

int DxfGroup::parseCode(const char* line)
{
    const char* p = line;
    while (*p == ' ' || *p == '\t')
        ++p;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    long long value = 0;
    for (; StringUtil::isDigit(static_cast<unsigned char>(*p)); ++p) {
        if (value <= INT_MAX)
            value = value * 10 + (*p - '0');
    }
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(negative ? -value : value);
}

void DxfGroup::setValue(const char* line, int length)
{
    if (!line)
        length = 0;
    if (length < 0)
        length = 0;
    if (length > kTextSize - 1)
        length = kTextSize - 1;
    if (line != text)
        std::memmove(text, line, static_cast<size_t>(length));
    text[length] = 0;
    keyword = -1;
    intValue = 0;
    realValue = 0.0;
    // Numbers may be written with blanks before them; the library's parsers take a sign only as
    // the first character.
    const char* number = text;
    while (*number == ' ')
        ++number;
    if (type == kString)
        keyword = dxf_keyword::idOf(text, length);
    else if (type == kReal)
        realValue = StringUtil::parseDouble(number);
    else if (isIntegerType(type))
        intValue = StringUtil::parseInt(number);
}
