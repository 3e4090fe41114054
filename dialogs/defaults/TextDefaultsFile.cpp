// The text defaults in the drawing file's header ("setText") and in the settings file ("SETTEXT").
#include "dialogs/defaults/ColourKeys.h"
#include "dialogs/defaults/RecordValueChecks.h"
#include "document/Document.h"
#include "document/TextDefaults.h"
#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"
#include "shapes/ArrowHeadStyle.h"

namespace {

// The text, leader and arrow colours: "TEXTCOLOR", "DRAWCOLOR", "ARROWCOLOR" and their ink keys.
const ColourKeys kColourKeys[] = {{15211, 15212, 15213, 15214}, {15412, 15415, 15418, 15421}, {15413, 15416, 15419, 15422}};
constexpr int kColourCount = 3;

} // namespace

// --- the drawing file ---

int TextDefaults::writeXmlSection(Document& document) { return writeXml(document); }

int TextDefaults::readXmlSection(Document& document, int tagId)
{
    if (tagId != tag_id::setText)
        return document.skipSection(tagId);
    return readXml(document, tagId);
}

int TextDefaults::writeXml(XmlContext& d)
{
    // The leader of the texts is written without its gap and overshoot.
    drawLine.hasSpace = 0;
    drawLine.hasOver = 0;
    return arrowLine && d.beginTag(tag_id::setText) && d.writeIntTag(tag_id::layer, layer.layer) &&
           record_values::writeColourTag(d, tag_id::textColor, textColor) &&
           record_values::writeColourTag(d, tag_id::drawColor, drawColor) &&
           record_values::writeColourTag(d, tag_id::arrowColor, arrowColor) && writeFontXml(d) &&
           drawLine.writeXml(&d) && arrowLine->writeXml(&d) && d.endTag(tag_id::setText);
}

int TextDefaults::readXml(XmlContext& d, int endTag)
{
    return attribute_io::readBlock(d, endTag, [&](int id) { return readSharedTag(d, id); });
}

// --- the settings file ---

int TextDefaults::saveSettings(SettingsFile& file) const
{
    const InkColor* colours[kColourCount] = {&textColor, &drawColor, &arrowColor};
    return arrowLine && file.writeSection(kSection) && layer.writeSetting(file, kLayerKey) &&
           colour_keys::write(file, colours, kColourKeys, kColourCount, colour_keys::inkKeysWanted()) &&
           writeFontSettings(file) && drawLine.writeSetting(file) && arrowLine->writeSetting(file);
}

int TextDefaults::loadSettings(SettingsFile& file)
{
    // A value that is no value of its key is passed over and the key keeps what it had; the rest
    // of its line, if any, reads as names that no key has.
    return record_values::readKeys(file, [&](int) { (void)readSharedSetting(file); });
}
