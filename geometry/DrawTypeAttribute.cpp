#include "geometry/DrawTypeAttribute.h"

#include "geometry/AttributeIo.h"
#include "geometry/TagIds.h"

namespace {
const char* const kKeywords[4] = {"IN", "OUT", "ARROW", "ARC"};
} // namespace

int DrawTypeAttribute::keyword(int code, char* out, int size)
{
    return attribute_io::keywordOfCode(code, kKeywords, 4, 1, out, size);
}

int DrawTypeAttribute::parse(const char* text, int& code)
{
    return attribute_io::codeOfKeyword(text, kKeywords, 4, 1, code);
}

int DrawTypeAttribute::readXmlValue(int endTag)
{
    XmlContext* d = XmlContext::current();
    if (!d)
        return 0;
    return readValueWith(*d, endTag);
}

int DrawTypeAttribute::readEntityXml(XmlContext& document, int tagId) { return readValueWith(document, tagId); }

int DrawTypeAttribute::readValueWith(XmlContext& d, int endTag)
{
    xmlContext = &d;
    char text[80];
    if (!d.readQuoted(text, sizeof text))
        return 0;
    (void)parse(text, value); // another text keeps the value
    return d.expectTag(endTag);
}

int DrawTypeAttribute::writeXml(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    char text[16];
    if (!keyword(value, text, sizeof text))
        return 1;
    return context->writeStringTag(tag_id::drawType, text);
}

int DrawTypeAttribute::writeThroughHolder(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    DrawTypeAttribute& holder = context->currentDrawType;
    holder.assign(this);
    return holder.writeXml(context);
}
