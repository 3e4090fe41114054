// The font's "font" block of the drawing file and its settings keys.
#include <cmath>

#include "geometry/AttributeIo.h"
#include "geometry/FontAttributes.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"

using namespace attribute_io;

namespace {

// Style keywords are short; a longer text is no keyword (it is cut, then refused).
const int kKeywordSize = 80;
// A settings value is read whole before the face keeps its first 255 bytes, so that the cut
// falls on a character boundary whatever the settings reader does with long values.
const int kSettingsFaceSize = 1024;
// The settings file's decimals of a size.
const int kSettingsSizeDecimals = 6;

} // namespace

int FontAttributes::readXml(int endTag)
{
    XmlContext* d = XmlContext::current();
    return d ? readXmlWith(*d, endTag) : 0;
}

int FontAttributes::readEntityXml(XmlContext& document, int tagId) { return readXmlWith(document, tagId); }

int FontAttributes::readXmlWith(XmlContext& d, int endTag)
{
    xmlContext = &d;
    const FontAttributes before(*this);
    const int ok = readBlock(d, endTag, [this, &d](int id) {
        if (id == tag_id::textSize)
            return readDoubleValueIf(d, id, size, XmlContext::kMaxDecimals, isSize) ? kChildRead : kChildFailed;
        if (id == tag_id::textStyle) {
            char text[kKeywordSize];
            if (!readQuotedValue(d, id, text, sizeof text))
                return kChildFailed;
            if (!parseStyle(text, style))
                d.reportDataError(id);
            return kChildRead;
        }
        if (id == tag_id::textFont) {
            char text[kFaceSize];
            if (!readQuotedValue(d, id, text, sizeof text))
                return kChildFailed;
            setFaceName(text);
            tableIndex = kNotLookedUp;
            return kChildRead;
        }
        return kChildNotMine;
    });
    if (!ok) {
        // Half a block is not taken: the values stay those from before it.
        *this = before;
        return 0;
    }
    lookUpFace();
    return 1;
}

int FontAttributes::writeXml(XmlContext* writer)
{
    xmlContext = writer;
    if (!writer)
        return 0;
    char keyword[16];
    styleKeyword(style, keyword, sizeof keyword);
    return writer->beginTag(tag_id::font) && writer->writeDoubleTag(tag_id::textSize, size, XmlContext::kMaxDecimals) &&
           writer->writeStringTag(tag_id::textFont, faceName) && writer->writeStringTag(tag_id::textStyle, keyword) &&
           writer->endTag(tag_id::font);
}

int FontAttributes::writeThroughHolder(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    FontAttributes& holder = context->currentFont;
    holder.assign(this);
    return holder.writeXml(context);
}

int FontAttributes::readFaceSetting(SettingsFile& file)
{
    char text[kSettingsFaceSize];
    if (!file.readString(text, sizeof text))
        return 0;
    setFaceName(text);
    return 1;
}

int FontAttributes::readStyleSetting(SettingsFile& file)
{
    char text[kKeywordSize];
    return file.readString(text, sizeof text) && parseStyle(text, style);
}

int FontAttributes::readSizeSetting(SettingsFile& file)
{
    double value = 0.0;
    if (!file.readDouble(value) || !acceptsWrittenBack(value, kSettingsSizeDecimals, isSize))
        return 0;
    size = value;
    return 1;
}

int FontAttributes::writeFaceSetting(SettingsFile& file, int key) const
{
    return file.writeKey(key) && file.writeQuoted(faceName, 0, 1);
}

int FontAttributes::writeStyleSetting(SettingsFile& file, int key) const
{
    char keyword[16];
    styleKeyword(style, keyword, sizeof keyword);
    return file.writeKey(key) && file.writeQuoted(keyword, 0, 1);
}

int FontAttributes::writeSizeSetting(SettingsFile& file, int key) const
{
    return file.writeKey(key) && file.writeDouble(size, kSettingsSizeDecimals, 0, 1);
}
