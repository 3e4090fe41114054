#include "geometry/OpenCloseAttribute.h"

#include "geometry/AttributeIo.h"
#include "geometry/TagIds.h"

namespace {

const char* const kKeywords[2] = {"OPEN", "CLOSE"};

} // namespace

int OpenCloseAttribute::keyword(int code, char* out, int size)
{
    (void)attribute_io::keywordOfCode(code, kKeywords, 2, kOpen, out, size); // "" for another code
    return 1;
}

int OpenCloseAttribute::parse(const char* text, int& code)
{
    return attribute_io::codeOfKeyword(text, kKeywords, 2, kOpen, code);
}

int OpenCloseAttribute::readXmlValue(int endTag)
{
    XmlContext* d = XmlContext::current();
    return d ? readEntityXml(*d, endTag) : 0;
}

int OpenCloseAttribute::readEntityXml(XmlContext& document, int tagId)
{
    xmlContext = &document;
    char text[80];
    if (!attribute_io::readQuotedValue(document, tagId, text, sizeof text))
        return 0;
    (void)parse(text, value); // another text leaves the curve as it was
    return 1;
}

int OpenCloseAttribute::writeFromHolder(const OpenCloseAttribute& other)
{
    value = other.value;
    if (!xmlContext)
        return 0;
    char text[16];
    keyword(value, text, sizeof text);
    return xmlContext->writeStringTag(tag_id::openClose, text);
}

int OpenCloseAttribute::writeThroughHolder(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    context->currentOpenClose.xmlContext = context;
    return context->currentOpenClose.writeFromHolder(*this);
}
