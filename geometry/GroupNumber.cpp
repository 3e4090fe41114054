#include "geometry/GroupNumber.h"

#include "geometry/AttributeIo.h"
#include "geometry/TagIds.h"

int GroupNumber::readXmlValue(int endTag)
{
    XmlContext* d = XmlContext::current();
    return d ? readEntityXml(*d, endTag) : 0;
}

int GroupNumber::readEntityXml(XmlContext& document, int tagId)
{
    xmlContext = &document;
    int value = 0;
    if (!attribute_io::readIntValue(document, tagId, value))
        return 0;
    if (value >= 1)
        group = document.remapGroup(value);
    return 1;
}

int GroupNumber::writeXml(int newGroup)
{
    if (newGroup < 1)
        return 1;
    group = newGroup;
    xmlContext = XmlContext::current();
    return xmlContext ? xmlContext->writeIntTag(tag_id::group, group) : 0;
}
