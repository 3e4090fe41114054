// The measure defaults in the drawing file's header ("setMeasure") and in the settings file
// ("SETMEASURE").
#include "dialogs/defaults/ColourKeys.h"
#include "dialogs/defaults/RecordValueChecks.h"
#include "document/Document.h"
#include "document/MeasureDefaults.h"
#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/MeasureAttributes.h"

using attribute_io::kChildFailed;
using attribute_io::kChildNotMine;
using attribute_io::kChildRead;

namespace {

// The numeral, underline, extension-line and arrow colours: "TEXTCOLOR", "ULINECOLOR",
// "DRAWCOLOR", "ARROWCOLOR" and their ink keys.
const ColourKeys kColourKeys[] = {{15211, 15212, 15213, 15214},
                                  {15411, 15414, 15417, 15420},
                                  {15412, 15415, 15418, 15421},
                                  {15413, 15416, 15419, 15422}};
constexpr int kColourCount = 4;
// The numeral's keys, "DECIMALNUM" .. "DEGREETEXT".
constexpr int kFirstNumeralKey = MeasureAttributes::kDecimalsKey;
constexpr int kLastNumeralKey = 15438;

} // namespace

// --- the drawing file ---

int MeasureDefaults::writeXmlSection(Document& document) { return writeXml(document); }

int MeasureDefaults::readXmlSection(Document& document, int tagId)
{
    if (tagId != tag_id::setMeasure)
        return document.skipSection(tagId);
    return readXml(document, tagId);
}

int MeasureDefaults::writeXml(XmlContext& d)
{
    using record_values::writeColourTag;
    return numeralValues && arrowLine && d.beginTag(tag_id::setMeasure) &&
           d.writeIntTag(tag_id::layer, layer.layer) && writeColourTag(d, tag_id::textColor, textColor) &&
           writeColourTag(d, tag_id::ulineColor, ulineColor) && writeColourTag(d, tag_id::drawColor, drawColor) &&
           writeColourTag(d, tag_id::arrowColor, arrowColor) && writeFontXml(d) && numeralValues->writeXml(&d) &&
           underLine.writeXml(&d) && drawLine.writeXml(&d) && arrowLine->writeXml(&d) && d.endTag(tag_id::setMeasure);
}

int MeasureDefaults::readXml(XmlContext& d, int endTag)
{
    return attribute_io::readBlock(d, endTag, [&](int id) {
        switch (id) {
        case tag_id::ulineColor:
            return record_values::readColourTag(d, id, ulineColor);
        case tag_id::numeral:
            // Decimals outside 0..50 and unknown keywords are the block's own data errors.
            return numeralValues ? (numeralValues->readEntityXml(d, id) ? kChildRead : kChildFailed) : kChildNotMine;
        case tag_id::underLine:
            return record_values::readUnderlineTag(d, id, underLine);
        default:
            return static_cast<attribute_io::ChildResult>(readSharedTag(d, id));
        }
    });
}

// --- the settings file ---

int MeasureDefaults::saveSettings(SettingsFile& file) const
{
    const InkColor* colours[kColourCount] = {&textColor, &ulineColor, &drawColor, &arrowColor};
    return numeralValues && arrowLine && file.writeSection(kSection) && layer.writeSetting(file, kLayerKey) &&
           colour_keys::write(file, colours, kColourKeys, kColourCount,
                              colour_keys::inkKeysWanted()) &&
           writeFontSettings(file) && numeralValues->writeSettings(file) && underLine.writeSetting(file) &&
           drawLine.writeSetting(file) && arrowLine->writeSetting(file);
}

int MeasureDefaults::loadSettings(SettingsFile& file)
{
    InkColor* underlineColour[] = {&ulineColor};
    // As the text defaults' section is read.
    return record_values::readKeys(file, [&](int key) {
        if (key >= kFirstNumeralKey && key <= kLastNumeralKey && numeralValues)
            (void)numeralValues->readSetting(file); // decimals outside 0..50 are ignored
        else if (!readSharedSetting(file) && !colour_keys::read(file, underlineColour, kColourKeys + 1, 1))
            (void)record_values::readUnderlineSetting(file, underLine);
    });
}
