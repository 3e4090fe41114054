// The sheet in the drawing file's header and in the settings file's section "YOUSI".
#include "document/SheetSettings.h"

#include "document/Document.h"
#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"

using attribute_io::kChildFailed;
using attribute_io::kChildNotMine;
using attribute_io::kChildRead;
using attribute_io::readBlock;
using attribute_io::readDoubleValue;
using attribute_io::readIntValue;
using attribute_io::readQuotedValue;

namespace {

// "PAPER" is the only scale type the files know; it is written and never read.
const char kScaleTypeName[] = "PAPER";

attribute_io::ChildResult childResult(int ok) { return ok ? kChildRead : kChildFailed; }

// The tags of a band section ("tonbo" or "yohaku"); its four width tags follow one another in
// the order top, left, right, bottom, as the sides do.
struct BandTags {
    int section;
    int edgeColour;
    int areaColour;
    int edgeShown;
    int areaShown;
    int top;
};
const BandTags kTonboTags = {tag_id::tonbo,         tag_id::tonboEgdeColor, tag_id::tonboAreaColor,
                             tag_id::tonboEgdeDisp, tag_id::tonboAreaDisp,  tag_id::tonboTop};
const BandTags kYohakuTags = {tag_id::yohaku,         tag_id::yohakuEgdeColor, tag_id::yohakuAreaColor,
                              tag_id::yohakuEgdeDisp, tag_id::yohakuAreaDisp,  tag_id::yohakuTop};
static_assert(tag_id::tonboLeft == tag_id::tonboTop + SheetSettings::kLeft &&
                  tag_id::tonboRight == tag_id::tonboTop + SheetSettings::kRight &&
                  tag_id::tonboBottom == tag_id::tonboTop + SheetSettings::kBottom,
              "the crop-mark width tags follow the sides");
static_assert(tag_id::yohakuLeft == tag_id::yohakuTop + SheetSettings::kLeft &&
                  tag_id::yohakuRight == tag_id::yohakuTop + SheetSettings::kRight &&
                  tag_id::yohakuBottom == tag_id::yohakuTop + SheetSettings::kBottom,
              "the margin width tags follow the sides");

// A colour section ("tonboEgdeColor" ...): its rgbColor or cmykPercent block. The colour keeps no
// pointer to the file afterwards.
int readColourSection(Document& d, int tagId, InkColor& colour)
{
    const int ok = colour.readXml(&d, tagId);
    colour.xmlContext = nullptr;
    return ok;
}

template <typename SetWidth>
int readBandSection(Document& d, const BandTags& tags, InkColor& edgeColour, InkColor& areaColour,
                    BoolValue& edgeShown, BoolValue& areaShown, SetWidth setWidth)
{
    return readBlock(d, tags.section, [&](int id) {
        if (id == tags.edgeColour)
            return childResult(readColourSection(d, id, edgeColour));
        if (id == tags.areaColour)
            return childResult(readColourSection(d, id, areaColour));
        if (id == tags.edgeShown)
            return childResult(edgeShown.readXml(d, id));
        if (id == tags.areaShown)
            return childResult(areaShown.readXml(d, id));
        const int side = id - tags.top;
        if (side < SheetSettings::kTop || side > SheetSettings::kBottom)
            return kChildNotMine;
        double width = 0.0;
        if (!readDoubleValue(d, id, width))
            return kChildFailed;
        (void)setWidth(static_cast<SheetSettings::Side>(side), width); // a width that is not finite stays out
        return kChildRead;
    });
}

// A settings colour: red, then green and blue each only when a comma followed the number before.
// Fewer than three numbers leave the colour as it was.
int readIniColour(SettingsFile& file, InkColor& colour)
{
    int rgb[3] = {};
    int count = 0;
    do {
        if (!file.readInt(rgb[count]))
            return 0;
        ++count;
    } while (count < 3 && file.getDelimiterFlag(SettingsFile::kComma));
    if (count == 3)
        colour.setRgbAndInks(rgb[0], rgb[1], rgb[2]);
    return 1;
}

} // namespace

// The drawing file

int SheetSettings::writeXml(Document& d)
{
    if (!d.beginTag(tag_id::paperSize) || !d.writeDoubleTag(tag_id::horizontal, horizontalSize(), kSizeDecimals) ||
        !d.writeDoubleTag(tag_id::vertical, verticalSize(), kSizeDecimals) || !d.endTag(tag_id::paperSize))
        return 0;
    if (!d.beginTag(tag_id::drawScale) || !d.writeIntTag(tag_id::numerator, scaleNumerator()) ||
        !d.writeIntTag(tag_id::denominator, scaleDenominator()) || !d.endTag(tag_id::drawScale))
        return 0;
    if (keepCoordinateType)
        return 1;
    if (!d.beginTag(tag_id::zahyoType) || !d.writeStringTag(tag_id::zahyoScaleType, kScaleTypeName))
        return 0;
    if (const char* name = yDirectionName()) {
        if (!d.writeStringTag(tag_id::yZahyo, name))
            return 0;
    }
    return d.endTag(tag_id::zahyoType);
}

int SheetSettings::readXmlSection(Document& d, int tagId)
{
    switch (tagId) {
    case tag_id::paperSize:
        return readPaperSize(d);
    case tag_id::drawScale:
        return readDrawScale(d);
    case tag_id::tonbo:
        return readTonbo(d);
    case tag_id::yohaku:
        return readYohaku(d);
    case tag_id::zahyoType:
        return readCoordinateType(d);
    default:
        return d.skipSection(tagId);
    }
}

int SheetSettings::readPaperSize(Document& d)
{
    const int ok = readBlock(d, tag_id::paperSize, [&](int id) {
        if (id != tag_id::horizontal && id != tag_id::vertical)
            return kChildNotMine;
        double size = 0.0;
        if (!readDoubleValue(d, id, size))
            return kChildFailed;
        // A size of 0 or less, or one that is not finite, leaves the previous size.
        (void)(id == tag_id::horizontal ? setHorizontalSize(size) : setVerticalSize(size));
        return kChildRead;
    });
    if (ok)
        resetViewsForSize();
    return ok;
}

int SheetSettings::readDrawScale(Document& d)
{
    return readBlock(d, tag_id::drawScale, [&](int id) {
        if (id != tag_id::numerator && id != tag_id::denominator)
            return kChildNotMine;
        int term = 1;
        if (!readIntValue(d, id, term))
            return kChildFailed;
        if (id == tag_id::numerator)
            setScaleNumerator(term);
        else
            setScaleDenominator(term);
        return kChildRead;
    });
}

int SheetSettings::readTonbo(Document& d)
{
    return readBandSection(d, kTonboTags, tonboEdgeColour, tonboAreaColour, tonboEdgeShown, tonboAreaShown,
                           [this](Side side, double width) { return setTonboWidth(side, width); });
}

int SheetSettings::readYohaku(Document& d)
{
    return readBandSection(d, kYohakuTags, yohakuEdgeColour, yohakuAreaColour, yohakuEdgeShown, yohakuAreaShown,
                           [this](Side side, double width) { return setYohakuWidth(side, width); });
}

int SheetSettings::readCoordinateType(Document& d)
{
    return readBlock(d, tag_id::zahyoType, [&](int id) {
        if (id != tag_id::yZahyo)
            return kChildNotMine; // the scale type is read over
        char name[kDirectionNameLength + 1];
        if (!readQuotedValue(d, id, name, sizeof name))
            return kChildFailed;
        if (!keepCoordinateType)
            (void)setYDirectionByName(name); // another name leaves the direction
        return kChildRead;
    });
}

// The settings file

int SheetSettings::writeIni(SettingsFile& file) const
{
    if (!file.writeSection(kSection) || !file.writeKey(kHorizontalKey) ||
        !file.writeDouble(horizontalSize(), kSizeDecimals, 0, 1) || !file.writeKey(kVerticalKey) ||
        !file.writeDouble(verticalSize(), kSizeDecimals, 0, 1) || !file.writeKey(kNumeratorKey) ||
        !file.writeInt(scaleNumerator(), 0, 1) || !file.writeKey(kDenominatorKey) ||
        !file.writeInt(scaleDenominator(), 0, 1))
        return 0;
    const char* name = yDirectionName();
    if (keepCoordinateType || !name)
        return 1;
    return file.writeKey(kDirectionKey) && file.writeQuoted(name, 0, 1);
}

int SheetSettings::readIni(SettingsFile& file)
{
    while (file.readKey()) {
        if (file.currentKind() == SettingsFile::kSection)
            return 1;
        if (!readIniKey(file, file.currentId()))
            return 0;
    }
    return 1;
}

int SheetSettings::readIniKey(SettingsFile& file, int id)
{
    if (id >= kTonboTopKey && id <= kTonboTopKey + kBottom) {
        double width = 0.0;
        if (!file.readDouble(width))
            return 0;
        (void)setTonboWidth(static_cast<Side>(id - kTonboTopKey), width); // a width that is not finite stays out
        return 1;
    }
    if (id >= kYohakuTopKey && id <= kYohakuTopKey + kBottom) {
        double width = 0.0;
        if (!file.readDouble(width))
            return 0;
        (void)setYohakuWidth(static_cast<Side>(id - kYohakuTopKey), width); // as above
        return 1;
    }
    switch (id) {
    case kVerticalKey:
    case kHorizontalKey: {
        double size = 0.0;
        if (!file.readDouble(size))
            return 0;
        // A size of 0 or less, or one that is not finite, leaves the previous size.
        (void)(id == kVerticalKey ? setVerticalSize(size) : setHorizontalSize(size));
        return 1;
    }
    case kNumeratorKey:
    case kDenominatorKey: {
        int term = 1;
        if (!file.readInt(term))
            return 0;
        if (id == kNumeratorKey)
            setScaleNumerator(term);
        else
            setScaleDenominator(term);
        return 1;
    }
    case kTonboEdgeColourKey:
        return readIniColour(file, tonboEdgeColour);
    case kTonboAreaColourKey:
        return readIniColour(file, tonboAreaColour);
    case kYohakuEdgeColourKey:
        return readIniColour(file, yohakuEdgeColour);
    case kYohakuAreaColourKey:
        return readIniColour(file, yohakuAreaColour);
    case kTonboEdgeShownKey:
        return tonboEdgeShown.readIni(file);
    case kTonboAreaShownKey:
        return tonboAreaShown.readIni(file);
    case kYohakuEdgeShownKey:
        return yohakuEdgeShown.readIni(file);
    case kYohakuAreaShownKey:
        return yohakuAreaShown.readIni(file);
    case kDirectionKey: {
        char name[kDirectionNameLength + 1];
        if (!file.readString(name, sizeof name))
            return 0;
        if (!keepCoordinateType)
            (void)setYDirectionByName(name); // another name leaves the direction
        return 1;
    }
    default:
        return 1; // a key this section does not know is passed over
    }
}
