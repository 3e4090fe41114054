#include "geometry/LineCapAttribute.h"

#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"

using namespace attribute_io;

namespace {
const char* const kKeywords[3] = {"BUTT", "ROUND", "SQUARE"};
const char* const kListTexts[3] = {"バット", "ラウンド", "スクエア"};
} // namespace

int LineCapAttribute::keyword(int code, char* out, int size) { return keywordOfCode(code, kKeywords, 3, 1, out, size); }

int LineCapAttribute::parse(const char* text, int& code) { return codeOfKeyword(text, kKeywords, 3, 1, code); }

int LineCapAttribute::fillCapList(Dialog* dialog, int id) { return fillList(dialog, id, kListTexts, 3); }

int LineCapAttribute::capToList(Dialog* dialog, int id) { return selectListPosition(dialog, id, capStyle); }

int LineCapAttribute::capFromList(Dialog* dialog, int id)
{
    int chosen = 0;
    if (!selectedListPosition(dialog, id, chosen))
        return 0;
    if (chosen >= 1 && chosen <= 3)
        capStyle = chosen;
    return 1;
}

void LineCapAttribute::setEnds(int atStart, int atEnd)
{
    startCap = atStart ? capStyle : 0;
    endCap = atEnd ? capStyle : 0;
}

int LineCapAttribute::readXmlValue(int endTag)
{
    XmlContext* d = XmlContext::current();
    if (!d)
        return 0;
    return readValueWith(*d, endTag);
}

int LineCapAttribute::readEntityXml(XmlContext& document, int tagId) { return readValueWith(document, tagId); }

int LineCapAttribute::readValueWith(XmlContext& d, int endTag)
{
    char text[80];
    if (!d.readQuoted(text, sizeof text))
        return 0;
    (void)parse(text, capStyle); // another text keeps the value, without a report
    return d.expectTag(endTag);
}

int LineCapAttribute::writeXml()
{
    XmlContext* d = XmlContext::current();
    if (!d)
        return 0;
    char text[16];
    // A code without keyword is written as ""; read back, it changes nothing.
    (void)keyword(capStyle, text, sizeof text);
    return d->writeStringTag(tag_id::lineCap, text);
}

int LineCapAttribute::readSetting(SettingsFile& file)
{
    char text[80];
    return file.readString(text, sizeof text) && parse(text, capStyle);
}

int LineCapAttribute::writeSetting(SettingsFile& file, int key) const
{
    char text[16];
    // A code without keyword is written as ""; read back, it changes nothing.
    (void)keyword(capStyle, text, sizeof text);
    return file.writeKey(key) && file.writeQuoted(text, 0, 1);
}
