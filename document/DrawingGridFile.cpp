// The grid in the drawing file's header ("grid") and in the settings file's section "GRID".
#include "document/Document.h"
#include "document/DrawingGrid.h"
#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"

using attribute_io::kChildFailed;
using attribute_io::kChildNotMine;
using attribute_io::kChildRead;
using attribute_io::readBlock;
using attribute_io::readDoubleValue;
using attribute_io::readQuotedValue;

namespace {

const int kNumeratorDecimals = 5;
const int kDenominatorDecimals = 0;
const int kOriginFileDecimals = 5;
const int kOriginSettingsDecimals = 6;

attribute_io::ChildResult childResult(int ok) { return ok ? kChildRead : kChildFailed; }

// The colour as an "rgbColor" block in its container tag, whatever the colour model: a grid colour
// read back takes only that block.
int writeColourSection(XmlContext& d, int tag, const InkColor& colour)
{
    InkColor rgb;
    rgb.assign(colour);
    rgb.model = 1;
    return d.beginTag(tag) && rgb.writeXml(&d) && d.endTag(tag);
}

// A colour container: its "rgbColor" block is read into the colour; every other child (a
// "cmykPercent" block included) is read over.
int readColourSection(XmlContext& d, int tag, InkColor& colour)
{
    colour.xmlContext = &d;
    const int ok = readBlock(d, tag, [&](int id) {
        if (id != tag_id::rgbColor)
            return kChildNotMine;
        return childResult(colour.readXmlTag(id));
    });
    colour.xmlContext = nullptr;
    return ok;
}

// A keyword tag: at most kKeywordLength bytes, looked up in the table; any other text is 0.
int readKeywordTag(XmlContext& d, int tag, int& field, int (*lookUp)(const char*))
{
    char text[DrawingGrid::kKeywordLength + 1];
    if (!readQuotedValue(d, tag, text, sizeof text))
        return 0;
    field = lookUp(text);
    return 1;
}

// One axis's pitch ("gridHorz" or "gridVert"): unit and labels through the axis's units, then the
// numerator and the denominator, each passed over when the checks refuse it.
template <typename SetNumerator, typename SetDenominator>
int readAxis(XmlContext& d, int tag, UnitSettings& units, SetNumerator setNumerator, SetDenominator setDenominator)
{
    units.xmlContext = &d;
    const int ok = readBlock(d, tag, [&](int id) {
        if (id == tag_id::numerator || id == tag_id::denominator) {
            double value = 0.0;
            if (!readDoubleValue(d, id, value))
                return kChildFailed;
            (void)(id == tag_id::numerator ? setNumerator(value) : setDenominator(value)); // a refused value is passed over
            return kChildRead;
        }
        if (id == tag_id::unit || (id >= tag_id::miriText && id <= tag_id::degreeText))
            return childResult(units.readXml(id));
        return kChildNotMine;
    });
    units.xmlContext = nullptr;
    return ok;
}

int writeAxis(XmlContext& d, int tag, UnitSettings& units, double numerator, double denominator)
{
    units.xmlContext = &d;
    const int ok = d.beginTag(tag) && units.writeXmlUnit(tag_id::unit) &&
                   d.writeDoubleTag(tag_id::numerator, numerator, kNumeratorDecimals) &&
                   d.writeDoubleTag(tag_id::denominator, denominator, kDenominatorDecimals) && d.endTag(tag);
    units.xmlContext = nullptr;
    return ok;
}

} // namespace

// The drawing file

int DrawingGrid::writeXmlSection(Document& document) { return writeXml(document); }

int DrawingGrid::readXmlSection(Document& document, int tagId)
{
    if (tagId != tag_id::grid)
        return document.skipSection(tagId);
    return readXml(document);
}

int DrawingGrid::writeXml(XmlContext& d)
{
    updateDisplayOrigin();
    return d.beginTag(tag_id::grid) && d.writeStringTag(tag_id::gridType, kindKeyword(kind)) &&
           writeAxis(d, tag_id::gridHorz, xUnits, xNumerator, xDenominator) &&
           writeAxis(d, tag_id::gridVert, yUnits, yNumerator, yDenominator) && d.beginTag(tag_id::origin) &&
           d.writeDoubleTag(tag_id::x, displayOriginX, kOriginFileDecimals) &&
           d.writeDoubleTag(tag_id::y, displayOriginY, kOriginFileDecimals) && d.endTag(tag_id::origin) &&
           d.writeStringTag(tag_id::originDesign, originDesignKeyword(originDesign)) &&
           writeColourSection(d, tag_id::plusColor, plusColor) && writeColourSection(d, tag_id::minusColor, minusColor) &&
           writeColourSection(d, tag_id::originColor, originColor) &&
           d.writeStringTag(tag_id::gridPosition, positionKeyword(position)) && d.endTag(tag_id::grid);
}

int DrawingGrid::readXml(XmlContext& d)
{
    return readBlock(d, tag_id::grid, [&](int id) {
        switch (id) {
        case tag_id::gridType:
            return childResult(readKeywordTag(d, id, kind, kindOfKeyword));
        case tag_id::gridPosition:
            return childResult(readKeywordTag(d, id, position, positionOfKeyword));
        case tag_id::originDesign:
            return childResult(readKeywordTag(d, id, originDesign, originDesignOfKeyword));
        case tag_id::gridHorz:
            return childResult(readAxis(
                d, id, xUnits, [this](double v) { return setXNumerator(v); },
                [this](double v) { return setXDenominator(v); }));
        case tag_id::gridVert:
            return childResult(readAxis(
                d, id, yUnits, [this](double v) { return setYNumerator(v); },
                [this](double v) { return setYDenominator(v); }));
        case tag_id::origin:
            return childResult(readBlock(d, id, [&](int child) {
                if (child != tag_id::x && child != tag_id::y)
                    return kChildNotMine;
                double value = 0.0;
                if (!readDoubleValue(d, child, value))
                    return kChildFailed;
                // The drawing origin follows each displayed value taken.
                if (child == tag_id::x ? setDisplayOriginX(value) : setDisplayOriginY(value))
                    updateOriginFromDisplay();
                return kChildRead;
            }));
        case tag_id::plusColor:
            return childResult(readColourSection(d, id, plusColor));
        case tag_id::minusColor:
            return childResult(readColourSection(d, id, minusColor));
        case tag_id::originColor:
            return childResult(readColourSection(d, id, originColor));
        default:
            return kChildNotMine;
        }
    });
}

// The settings file

int DrawingGrid::writeSettings(SettingsFile& file)
{
    updateDisplayOrigin();
    return file.writeSection(kSection) && file.writeKey(kTypeKey) && file.writeQuoted(kindKeyword(kind), 0, 1) &&
           xUnits.writeUnitSetting(file, kXUnitKey) && file.writeKey(kXNumeratorKey) &&
           file.writeDoubleRounded(xNumerator, kNumeratorDecimals, 0, 1) && file.writeKey(kXDenominatorKey) &&
           file.writeDoubleRounded(xDenominator, kDenominatorDecimals, 0, 1) &&
           yUnits.writeUnitSetting(file, kYUnitKey) && file.writeKey(kYNumeratorKey) &&
           file.writeDoubleRounded(yNumerator, kNumeratorDecimals, 0, 1) && file.writeKey(kYDenominatorKey) &&
           file.writeDoubleRounded(yDenominator, kDenominatorDecimals, 0, 1) && file.writeKey(kOriginXKey) &&
           file.writeDoubleRounded(displayOriginX, kOriginSettingsDecimals, 0, 1) && file.writeKey(kOriginYKey) &&
           file.writeDoubleRounded(displayOriginY, kOriginSettingsDecimals, 0, 1) && file.writeKey(kOriginDesignKey) &&
           file.writeQuoted(originDesignKeyword(originDesign), 0, 1) && plusColor.writeRgbSetting(file, kPlusColourKey) &&
           minusColor.writeRgbSetting(file, kMinusColourKey) && originColor.writeRgbSetting(file, kOriginColourKey) &&
           file.writeKey(kPositionKey) && file.writeQuoted(positionKeyword(position), 0, 1);
}

int DrawingGrid::readSettings(SettingsFile& file)
{
    while (file.readKey()) {
        if (file.currentKind() == SettingsFile::kSection)
            return 1;
        if (!readSettingsKey(file, file.currentId()))
            return 0;
    }
    return 1;
}

int DrawingGrid::readSettingsKey(SettingsFile& file, int id)
{
    char text[kKeywordLength + 1];
    double value = 0.0;
    switch (id) {
    case kTypeKey:
        if (!file.readString(text, sizeof text))
            return 0;
        kind = kindOfKeyword(text);
        return 1;
    case kPositionKey:
        if (!file.readString(text, sizeof text))
            return 0;
        position = positionOfKeyword(text);
        return 1;
    case kOriginDesignKey:
        if (!file.readString(text, sizeof text))
            return 0;
        originDesign = originDesignOfKeyword(text);
        return 1;
    case kXUnitKey:
        return xUnits.readSetting(file);
    case kYUnitKey:
        return yUnits.readSetting(file);
    case kXNumeratorKey:
    case kXDenominatorKey:
    case kYNumeratorKey:
    case kYDenominatorKey:
    case kOriginXKey:
    case kOriginYKey:
        if (!file.readDouble(value))
            return 0;
        break;
    case kPlusColourKey:
        return plusColor.readRgbSetting(file);
    case kMinusColourKey:
        return minusColor.readRgbSetting(file);
    case kOriginColourKey:
        return originColor.readRgbSetting(file);
    default:
        return 1; // a key this section does not know is passed over
    }
    // A number the checks refuse is passed over; the previous value stays.
    switch (id) {
    case kXNumeratorKey:
        (void)setXNumerator(value);
        break;
    case kXDenominatorKey:
        (void)setXDenominator(value);
        break;
    case kYNumeratorKey:
        (void)setYNumerator(value);
        break;
    case kYDenominatorKey:
        (void)setYDenominator(value);
        break;
    default:
        if (id == kOriginXKey ? setDisplayOriginX(value) : setDisplayOriginY(value))
            updateOriginFromDisplay();
        break;
    }
    return 1;
}
