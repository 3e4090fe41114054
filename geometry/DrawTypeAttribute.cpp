#include "geometry/DrawTypeAttribute.h"

#include "geometry/AttributeIo.h"
#include "platform/StringUtil.h"

namespace {
const char* const kKeywords[4] = {"IN", "OUT", "ARROW", "ARC"};
} // namespace

int DrawTypeAttribute::keyword(int code, char* out, int size)
{
    return attribute_io::copyKeyword(code >= 1 && code <= 4 ? kKeywords[code - 1] : nullptr, out, size);
}

int DrawTypeAttribute::parse(const char* text, int& code)
{
    for (int i = 0; text && i < 4; ++i) {
        if (StringUtil::equals(text, kKeywords[i])) {
            code = i + 1;
            return 1;
        }
    }
    return 0;
}

int DrawTypeAttribute::readXmlValue(int endTag)
{
    Document* d = currentXmlContext();
    if (!d)
        return 0;
    return readValueWith(*d, endTag);
}

int DrawTypeAttribute::readEntityXml(Document& document, int tagId) { return readValueWith(document, tagId); }

int DrawTypeAttribute::readValueWith(Document& d, int endTag)
{
    xmlContext = &d;
    char text[80];
    if (!d.readQuoted(text, sizeof text))
        return 0;
    parse(text, value);
    return d.expectTag(endTag);
}

int DrawTypeAttribute::writeXml(Document* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    char text[16];
    if (!keyword(value, text, sizeof text))
        return 1;
    return context->writeStringTag(kDrawType, text);
}

int DrawTypeAttribute::writeThroughHolder(Document* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    DrawTypeAttribute& holder = context->currentDrawType;
    holder.assign(this);
    return holder.writeXml(context);
}
