#include "geometry/HatchAttributes.h"

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"

using namespace attribute_io;

namespace {
const char* const kKeywords[HatchAttributes::kPatternCount] = {
    "NONE", "HORIZON", "VERTICAL", "RIGHTSLANT", "LEFTSLANT", "MESH", "DIAMESH", "TILEH", "TILEV"};
const char* const kListTexts[HatchAttributes::kPatternCount] = {
    "なし", "横線", "縦線", "右斜め線", "左斜め線", "メッシュ", "菱形メッシュ", "タイル横", "タイル縦"};
} // namespace

double HatchAttributes::scaledPitch2() const { return pitch2 * drawingScale(owner); }

void HatchAttributes::assign(const HatchAttributes* other)
{
    if (!other)
        return;
    pattern = other->pattern;
    pitch1 = other->pitch1;
    pitch2 = other->pitch2;
    colour.assign(other->colour);
    gray.assign(&other->gray);
}

void HatchAttributes::reset()
{
    const HatchAttributes defaults;
    assign(&defaults);
}

int HatchAttributes::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return buffer.putInt(pattern) && buffer.putDouble(pitch1) && buffer.putDouble(pitch2) &&
               colour.exchangeRecord(1, buffer) && gray.exchangeRecord(1, buffer);
    if (mode != 3)
        return 0;
    int32_t code = 0;
    double pitches[2];
    InkColor readColour = colour;
    GrayValue readGray = gray;
    if (!buffer.getInt(code) || !buffer.getDouble(pitches[0]) || !buffer.getDouble(pitches[1]) ||
        !readColour.exchangeRecord(3, buffer) || !readGray.exchangeRecord(3, buffer))
        return 0;
    pattern = code;
    pitch1 = pitches[0];
    pitch2 = pitches[1];
    colour = readColour;
    gray = readGray;
    return 1;
}

int HatchAttributes::fillPatternList(Dialog* dialog, int id) { return fillList(dialog, id, kListTexts, kPatternCount); }

int HatchAttributes::patternToList(Dialog* dialog, int id) { return selectListPosition(dialog, id, pattern + 1); }

int HatchAttributes::patternFromList(Dialog* dialog, int id)
{
    int position = 0;
    if (!selectedListPosition(dialog, id, position))
        return 0;
    if (position >= 1 && position <= kPatternCount)
        pattern = position - 1;
    return 1;
}

int HatchAttributes::pitch1ToField(Dialog* dialog, int id) { return realToField(dialog, id, pitch1); }

int HatchAttributes::pitch1FromField(Dialog* dialog, int id) { return realFromField(dialog, id, pitch1); }

int HatchAttributes::pitch2ToField(Dialog* dialog, int id) { return realToField(dialog, id, pitch2); }

int HatchAttributes::pitch2FromField(Dialog* dialog, int id) { return realFromField(dialog, id, pitch2); }

int HatchAttributes::keyword(int code, char* out, int size)
{
    // A code outside the table gives "" and still succeeds: the file stays readable.
    (void)keywordOfCode(code, kKeywords, kPatternCount, 0, out, size);
    return 1;
}

int HatchAttributes::parse(const char* text, int& code)
{
    return codeOfKeyword(text, kKeywords, kPatternCount, 0, code);
}

int HatchAttributes::readXml(int endTag)
{
    XmlContext* d = XmlContext::current();
    return d ? readXmlWith(*d, endTag) : 0;
}

int HatchAttributes::readEntityXml(XmlContext& document, int tagId) { return readXmlWith(document, tagId); }

int HatchAttributes::readXmlWith(XmlContext& d, int endTag)
{
    xmlContext = &d;
    colour.xmlContext = &d;
    return readBlock(d, endTag, [this, &d](int id) {
        int ok = 1;
        if (id == tag_id::rgbColor || id == tag_id::cmykPercent) {
            ok = colour.readXmlTag(id);
        } else if (id == tag_id::style) {
            char text[80];
            ok = d.readQuoted(text, sizeof text);
            if (ok && !parse(text, pattern))
                d.reportDataError(tag_id::style);
            ok = ok && d.expectTag(tag_id::style);
        } else if (id == tag_id::spacex) {
            ok = readDoubleValue(d, id, pitch1);
        } else if (id == tag_id::spacey) {
            ok = readDoubleValue(d, id, pitch2);
        } else {
            return kChildNotMine;
        }
        return ok ? kChildRead : kChildFailed;
    });
}

int HatchAttributes::writeXml(XmlContext* writer)
{
    xmlContext = writer;
    if (!writer)
        return 0;
    char text[16];
    keyword(pattern, text, sizeof text);
    return writer->beginTag(tag_id::pattern) && writer->writeStringTag(tag_id::style, text) &&
           writer->writeDoubleTag(tag_id::spacex, pitch1, 3) && writer->writeDoubleTag(tag_id::spacey, pitch2, 3) &&
           colour.writeThroughHolder(writer) && writer->endTag(tag_id::pattern);
}

int HatchAttributes::writeFromHolder(const HatchAttributes& other)
{
    assign(&other);
    const int ok = writeXml(xmlContext);
    if (xmlContext)
        xmlContext->currentColor.resetToWhite();
    return ok;
}

int HatchAttributes::writeThroughHolder(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    HatchAttributes& holder = context->currentPattern;
    holder.xmlContext = context;
    return holder.writeFromHolder(*this);
}

int HatchAttributes::readSetting(SettingsFile& file)
{
    switch (file.currentId()) {
    case kPatternKey: {
        char text[80];
        return file.readString(text, sizeof text) && parse(text, pattern);
    }
    case kSpaceXKey:
        return file.readDouble(pitch1);
    case kSpaceYKey:
        return file.readDouble(pitch2);
    default:
        return 0;
    }
}

int HatchAttributes::writeSetting(SettingsFile& file) const
{
    char text[16];
    keyword(pattern, text, sizeof text);
    return file.writeKey(kPatternKey) && file.writeQuoted(text, 0, 1) && file.writeKey(kSpaceXKey) &&
           file.writeDouble(pitch1, 3, 0, 1) && file.writeKey(kSpaceYKey) && file.writeDouble(pitch2, 3, 0, 1);
}
