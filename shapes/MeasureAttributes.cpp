#include "shapes/MeasureAttributes.h"

#include <cstring>

#include "document/Document.h"
#include "document/Element.h"
#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"
#include "geometry/XmlContext.h"
#include "platform/Dialog.h"

using namespace attribute_io;

namespace {
const char* const kPositionKeywords[] = {"CENTER", "FREE"};
const char* const kPositionNames[] = {"中央", "任意"};
const char* const kDirectionKeywords[] = {"RIGHT", "HORIZONTAL", "VERTICAL", "FREE"};
constexpr int kPositionCount = 2;
constexpr int kDirectionCount = 4;

int validDecimals(int n) { return n >= 0 && n <= MeasureAttributes::kMaxDecimals; }

// The labels of units 1..8 of one unit setting as byte counts and bytes.
int writeLabels(const UnitSettings& units, ElementRecordBuffer& buffer)
{
    for (int unit = 1; unit <= UnitSettings::kUnitCount; ++unit) {
        const char* text = units.labelAt(unit - 1);
        const int n = static_cast<int>(std::strlen(text));
        const unsigned char count = static_cast<unsigned char>(n);
        if (!buffer.putBytes(&count, 1) || !buffer.putBytes(text, n))
            return 0;
    }
    return 1;
}

int readLabels(UnitSettings& units, ElementRecordBuffer& buffer)
{
    for (int unit = 1; unit <= UnitSettings::kUnitCount; ++unit) {
        unsigned char count = 0;
        char text[UnitSettings::kLabelSize] = {};
        if (!buffer.getBytes(&count, 1) || count >= UnitSettings::kLabelSize || count > buffer.remaining() ||
            !buffer.getBytes(text, count) || !units.setLabel(unit, text))
            return 0;
    }
    return 1;
}

// A quoted keyword of a table into code; a text not in the table is a data error of the tag and
// keeps the code.
int readKeywordTag(XmlContext& d, int tag, const char* const* keywords, int count, int& code)
{
    char text[78];
    if (!d.readQuoted(text, sizeof text))
        return 0;
    if (!codeOfKeyword(text, keywords, count, 1, code))
        d.reportDataError(tag);
    return d.expectTag(tag);
}

int readKeywordSetting(SettingsFile& file, const char* const* keywords, int count, int& code)
{
    char text[80];
    return file.readString(text, sizeof text) && codeOfKeyword(text, keywords, count, 1, code);
}

int writeKeywordSetting(SettingsFile& file, int key, int code, const char* const* keywords, int count)
{
    char text[16];
    return keywordOfCode(code, keywords, count, 1, text, sizeof text) && file.writeKey(key) &&
           file.writeQuoted(text, 0, 1);
}
} // namespace

MeasureAttributes::MeasureAttributes()
{
    lengthUnit.setLengthChoices();
    angleUnit.setDegreeChoice();
}

void MeasureAttributes::assign(const MeasureAttributes* other)
{
    if (!other)
        return;
    lengthUnit.copyFrom(&other->lengthUnit);
    angleUnit.copyFrom(&other->angleUnit);
    unitDisplay.value = other->unitDisplay.value;
    decimals = other->decimals;
    space = other->space;
    numeralPosition = other->numeralPosition;
    direction = other->direction;
    numeralColour.assign(other->numeralColour);
}

double MeasureAttributes::scaledSpace() const { return space * drawingScale(owner); }

void MeasureAttributes::setNumeralColour(const RgbColor& rgb) { numeralColour.RgbColor::assign(rgb); }

int MeasureAttributes::setDecimals(int n)
{
    if (!validDecimals(n))
        return 0;
    decimals = n;
    return 1;
}

void MeasureAttributes::scale(double factor, int flags)
{
    const double scaled = space * factor;
    if ((flags & 1) && scaled > 0.001 && scaled < 100.0)
        space = scaled;
}

int MeasureAttributes::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return buffer.putInt(decimals) && buffer.putInt(numeralPosition) && lengthUnit.writeRecord(buffer) &&
               unitDisplay.exchangeRecord(1, buffer) && buffer.putInt(direction) && buffer.putDouble(space) &&
               numeralColour.exchangeRecord(1, buffer) && angleUnit.writeRecord(buffer) &&
               writeLabels(lengthUnit, buffer) && writeLabels(angleUnit, buffer);
    if (mode != 3)
        return 0;
    // Into a copy first: a record cut short leaves every value as it was.
    MeasureAttributes read;
    read.assign(this);
    int32_t n = 0, position = 0, way = 0;
    double gap = 0.0;
    if (!buffer.getInt(n) || !buffer.getInt(position) || !read.lengthUnit.readRecord(buffer) ||
        !read.unitDisplay.exchangeRecord(3, buffer) || !buffer.getInt(way) || !buffer.getDouble(gap) ||
        !read.numeralColour.exchangeRecord(3, buffer) || !read.angleUnit.readRecord(buffer) ||
        !readLabels(read.lengthUnit, buffer) || !readLabels(read.angleUnit, buffer))
        return 0;
    (void)read.setDecimals(n); // a count outside 0..50 is ignored
    read.numeralPosition = position;
    read.direction = way;
    read.space = gap;
    assign(&read);
    return 1;
}

// --- dialogs ---

int MeasureAttributes::showDecimals(Dialog* dialog, int id) const { return intToField(dialog, id, decimals); }

int MeasureAttributes::takeDecimals(Dialog* dialog, int id)
{
    int n = decimals;
    if (!intFromField(dialog, id, n))
        return 0;
    (void)setDecimals(n); // a count outside 0..50 is dropped
    return 1;
}

int MeasureAttributes::fillNumeralPositionList(Dialog* dialog, int id) const
{
    return fillList(dialog, id, kPositionNames, kPositionCount);
}

int MeasureAttributes::showNumeralPosition(Dialog* dialog, int id) const
{
    return selectListPosition(dialog, id, numeralPosition);
}

int MeasureAttributes::takeNumeralPosition(Dialog* dialog, int id)
{
    int position = 0;
    if (!selectedListPosition(dialog, id, position))
        return 0;
    if (position >= 1)
        numeralPosition = position;
    return 1;
}

int MeasureAttributes::showLabel(const UnitSettings& units, Dialog* dialog, int id)
{
    Control* field = dialog ? dialog->findControl(id) : nullptr;
    char text[UnitSettings::kLabelSize];
    if (!field || !units.currentLabel(text, sizeof text))
        return 0;
    return field->setText(text);
}

int MeasureAttributes::takeLabel(UnitSettings& units, Dialog* dialog, int id)
{
    Control* field = dialog ? dialog->findControl(id) : nullptr;
    if (!field)
        return 0;
    char text[UnitSettings::kLabelSize] = {};
    if (!field->getText(text, sizeof text))
        text[0] = 0; // an empty field clears the label
    return units.setCurrentLabel(text);
}

int MeasureAttributes::showSpace(Dialog* dialog, int id) const { return realToField(dialog, id, space); }

int MeasureAttributes::takeSpace(Dialog* dialog, int id) { return realFromField(dialog, id, space); }

// --- the drawing file ---

int MeasureAttributes::readXml(int endTag)
{
    XmlContext* d = xmlContext ? xmlContext : XmlContext::current();
    return d ? readXmlWith(*d, endTag) : 0;
}

int MeasureAttributes::readEntityXml(XmlContext& document, int tagId) { return readXmlWith(document, tagId); }

int MeasureAttributes::readXmlWith(XmlContext& d, int endTag)
{
    xmlContext = &d;
    numeralColour.xmlContext = &d;
    lengthUnit.xmlContext = &d;
    angleUnit.xmlContext = &d;
    return readBlock(d, endTag, [this, &d](int id) {
        int ok = 0;
        switch (id) {
        case tag_id::rgbColor:
        case tag_id::cmykPercent:
            ok = numeralColour.readXmlTag(id);
            break;
        case tag_id::decimalNum: {
            int n = decimals;
            ok = readIntValue(d, id, n);
            (void)setDecimals(n); // a count outside 0..50 is ignored
            break;
        }
        case tag_id::numeralPos:
            ok = readKeywordTag(d, id, kPositionKeywords, kPositionCount, numeralPosition);
            break;
        case tag_id::angleType:
            ok = readKeywordTag(d, id, kDirectionKeywords, kDirectionCount, direction);
            break;
        case tag_id::space:
            ok = readDoubleValue(d, id, space);
            break;
        case tag_id::unitDisp:
            ok = unitDisplay.readXmlValue(d, id);
            break;
        case tag_id::unit:
            ok = lengthUnit.readXml(id);
            break;
        case tag_id::angleUnit:
        case tag_id::degreeText:
            ok = angleUnit.readXml(id);
            break;
        default:
            if (id >= tag_id::miriText && id < tag_id::degreeText) {
                ok = lengthUnit.readXml(id);
                break;
            }
            return kChildNotMine;
        }
        return ok ? kChildRead : kChildFailed;
    });
}

int MeasureAttributes::writeBlock(XmlContext& d, int unitMode)
{
    char position[16], way[16];
    if (!keywordOfCode(numeralPosition, kPositionKeywords, kPositionCount, 1, position, sizeof position) ||
        !keywordOfCode(direction, kDirectionKeywords, kDirectionCount, 1, way, sizeof way))
        return 0;
    lengthUnit.xmlContext = &d;
    angleUnit.xmlContext = &d;
    // The defaults form names both units; an element only the one its kind measures in.
    auto writeUnits = [&] {
        return (unitMode == 2 || lengthUnit.writeXmlUnit(tag_id::unit)) &&
               (unitMode == 1 || angleUnit.writeXmlUnit(tag_id::angleUnit));
    };
    return d.beginTag(tag_id::numeral) && d.writeIntTag(tag_id::decimalNum, decimals) &&
           d.writeStringTag(tag_id::numeralPos, position) && writeUnits() && unitDisplay.writeXml(d, tag_id::unitDisp) &&
           d.writeStringTag(tag_id::angleType, way) &&
           d.writeDoubleTag(tag_id::space, space, XmlContext::kMaxDecimals) &&
           numeralColour.writeThroughHolder(&d) &&
           (unitMode != 0 || (lengthUnit.writeXmlLabels(&d) && angleUnit.writeXmlLabels(&d))) &&
           d.endTag(tag_id::numeral);
}

int MeasureAttributes::writeElementXml(XmlContext* context, int unitMode)
{
    xmlContext = context;
    Document* document = context ? context->document() : nullptr;
    Element* holder = document ? document->attributeHolder() : nullptr;
    MeasureAttributes* held = holder ? holder->measure() : nullptr;
    if (!held)
        return 0;
    held->assign(this);
    held->xmlContext = context;
    const int ok = (unitMode == 1 || unitMode == 2) && held->writeBlock(*context, unitMode);
    context->currentColor.resetToWhite();
    return ok;
}

int MeasureAttributes::writeXml(XmlContext* context)
{
    xmlContext = context;
    return context ? writeBlock(*context, 0) : 0;
}

// --- the settings file ---

int MeasureAttributes::readSetting(SettingsFile& file)
{
    const int key = file.currentId();
    switch (key) {
    case kDecimalsKey: {
        int n = 0;
        if (!readSettingInt(file, n))
            return 0;
        (void)setDecimals(n); // a count outside 0..50 is ignored
        return 1;
    }
    case kPositionKey:
        return readKeywordSetting(file, kPositionKeywords, kPositionCount, numeralPosition);
    case kDirectionKey:
        return readKeywordSetting(file, kDirectionKeywords, kDirectionCount, direction);
    case kUnitDisplayKey:
        return unitDisplay.readSetting(file);
    case kSpaceKey:
        return readSettingDouble(file, space);
    case UnitSettings::kMeasureUnitKey:
        return lengthUnit.readSetting(file);
    case UnitSettings::kAngleUnitKey:
    case UnitSettings::kDegreeLabelKey:
        return angleUnit.readSetting(file);
    default:
        if (key >= UnitSettings::kFirstLabelKey && key < UnitSettings::kDegreeLabelKey)
            return lengthUnit.readSetting(file);
        return 1;
    }
}

int MeasureAttributes::writeSettings(SettingsFile& file) const
{
    return file.writeKey(kDecimalsKey) && file.writeInt(decimals, 0, 1) &&
           writeKeywordSetting(file, kPositionKey, numeralPosition, kPositionKeywords, kPositionCount) &&
           lengthUnit.writeUnitSetting(file, UnitSettings::kMeasureUnitKey) &&
           angleUnit.writeUnitSetting(file, UnitSettings::kAngleUnitKey) &&
           unitDisplay.writeSetting(file, kUnitDisplayKey) &&
           writeKeywordSetting(file, kDirectionKey, direction, kDirectionKeywords, kDirectionCount) &&
           file.writeKey(kSpaceKey) && file.writeDouble(space, 6, 0, 1) && lengthUnit.writeLabelSettings(file) &&
           angleUnit.writeDegreeLabelSetting(file);
}
