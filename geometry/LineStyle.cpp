#include "geometry/LineStyle.h"

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"

namespace {
const char* const kKeywords[LineStyle::kStyleCount] = {"SOLID",    "DASH",  "DASHDOT1", "DASHDOT2",
                                                       "DASHDOT3", "LINE2", "LINE3",    "EDGE"};
} // namespace

int LineStyle::keyword(int code, char* out, int size)
{
    // A code outside the table gives "" and still succeeds: the file stays readable.
    (void)attribute_io::keywordOfCode(code, kKeywords, kStyleCount, 1, out, size);
    return 1;
}

int LineStyle::parse(const char* text, int& code)
{
    return attribute_io::codeOfKeyword(text, kKeywords, kStyleCount, 1, code);
}

void LineStyle::setStyleWithPresets(int code)
{
    style = code;
    if (code == kDash) {
        dash = 1.5;
        gap = 1.5;
    } else if (code >= kDashDot1 && code <= kDashDot3) {
        dash = 3.0;
        gap = 1.0;
        dot = 1.0;
    }
}

void LineStyle::assign(const LineStyle* other)
{
    if (!other)
        return;
    style = other->style;
    dash = other->dash;
    gap = other->gap;
    dot = other->dot;
}

int LineStyle::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return buffer.putInt(style) && buffer.putDouble(dash) && buffer.putDouble(gap) && buffer.putDouble(dot);
    if (mode != 3)
        return 0;
    int32_t code = 0;
    double lengths[3];
    if (!buffer.getInt(code) || !buffer.getDouble(lengths[0]) || !buffer.getDouble(lengths[1]) ||
        !buffer.getDouble(lengths[2]))
        return 0;
    style = code;
    dash = lengths[0];
    gap = lengths[1];
    dot = lengths[2];
    return 1;
}

int LineStyle::readStyleTag(XmlContext& d, int& target, int size)
{
    char text[80];
    if (size > static_cast<int>(sizeof text))
        size = sizeof text;
    if (!d.readQuoted(text, size))
        return 0;
    if (!parse(text, target))
        d.reportDataError(tag_id::style);
    return d.expectTag(tag_id::style);
}

int LineStyle::readStyleOrNoneTag(XmlContext& d, int& target, int size)
{
    char text[80];
    if (size > static_cast<int>(sizeof text))
        size = sizeof text;
    if (!d.readQuoted(text, size))
        return 0;
    if (text[0] == 0)
        target = 0;
    else if (!parse(text, target))
        d.reportDataError(tag_id::style);
    return d.expectTag(tag_id::style);
}

int LineStyle::writeStyleTag(XmlContext& d, int code)
{
    char text[16];
    keyword(code, text, sizeof text);
    return d.writeStringTag(tag_id::style, text);
}
