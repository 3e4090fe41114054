#include "geometry/LineOriginAttribute.h"

#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"

using namespace attribute_io;

namespace {
const char* const kKeywords[3] = {"CENTER", "TOP", "BOTTOM"};
const char* const kListTexts[3] = {"中心", "外-右", "内-左"};
} // namespace

int LineOriginAttribute::keyword(int code, char* out, int size)
{
    return keywordOfCode(code, kKeywords, 3, 1, out, size);
}

int LineOriginAttribute::parse(const char* text, int& code) { return codeOfKeyword(text, kKeywords, 3, 1, code); }

int LineOriginAttribute::fillPositionList(Dialog* dialog, int id) { return fillList(dialog, id, kListTexts, 3); }

int LineOriginAttribute::positionToList(Dialog* dialog, int id) { return selectListPosition(dialog, id, position); }

int LineOriginAttribute::positionFromList(Dialog* dialog, int id)
{
    int chosen = 0;
    if (!selectedListPosition(dialog, id, chosen))
        return 0;
    if (chosen >= 1 && chosen <= 3)
        position = chosen;
    return 1;
}

int LineOriginAttribute::readXmlValue(int endTag)
{
    XmlContext* d = XmlContext::current();
    if (!d)
        return 0;
    return readValueWith(*d, endTag);
}

int LineOriginAttribute::readEntityXml(XmlContext& document, int tagId) { return readValueWith(document, tagId); }

int LineOriginAttribute::readValueWith(XmlContext& d, int endTag)
{
    xmlContext = &d;
    char text[80];
    if (!d.readQuoted(text, sizeof text))
        return 0;
    (void)parse(text, position); // another text keeps the value, without a report
    return d.expectTag(endTag);
}

int LineOriginAttribute::writeXml(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    char text[16];
    // A code without keyword is written as ""; read back, it changes nothing.
    (void)keyword(position, text, sizeof text);
    return context->writeStringTag(tag_id::lineOrigin, text);
}

int LineOriginAttribute::writeThroughHolder(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    LineOriginAttribute& holder = context->currentLineOrigin;
    holder.assign(this);
    return holder.writeXml(context);
}

int LineOriginAttribute::readSetting(SettingsFile& file)
{
    char text[80];
    return file.readString(text, sizeof text) && parse(text, position);
}

int LineOriginAttribute::writeSetting(SettingsFile& file, int key) const
{
    char text[16];
    // A code without keyword is written as ""; read back, it changes nothing.
    (void)keyword(position, text, sizeof text);
    return file.writeKey(key) && file.writeQuoted(text, 0, 1);
}
