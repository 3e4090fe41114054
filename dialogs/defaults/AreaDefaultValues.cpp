#include "dialogs/defaults/AreaDefaultValues.h"

#include <cmath>

#include "dialogs/properties/PropertyFields.h"
#include "document/TagIds.h"
#include "geometry/AttributeIo.h"
#include "shell/settings/SettingsFile.h"

using attribute_io::kChildFailed;
using attribute_io::kChildNotMine;
using attribute_io::kChildRead;

namespace {

int isPitch(double v) { return std::isfinite(v) && v >= property_fields::kMinPitch && v <= property_fields::kMaxPitch; }

// A hatch whose pitches are both pitches a hatch can be drawn with.
int hasDrawablePitches(const HatchAttributes& hatch) { return isPitch(hatch.pitch1) && isPitch(hatch.pitch2); }

int writeColourTag(XmlContext& d, int tag, InkColor& colour)
{
    return d.beginTag(tag) && colour.writeXml(&d) && d.endTag(tag);
}

} // namespace

void AreaDefaultValues::assignValues(const AreaDefaultValues& other)
{
    edgeColor.assign(other.edgeColor);
    paintColor.assign(other.paintColor);
    patternColor.assign(other.patternColor);
    edge.assign(&other.edge);
    paint.assign(&other.paint);
    pattern.assign(&other.pattern);
    paintGray.assign(&other.paintGray);
}

// --- the settings file ---

int AreaDefaultValues::writeColourKeys(SettingsFile& file, int inkKeys) const
{
    if (!edgeColor.writeRgbSetting(file, kEdgeColourKey) || !paintColor.writeRgbSetting(file, kPaintColourKey) ||
        !patternColor.writeRgbSetting(file, kPatternColourKey))
        return 0;
    if (!inkKeys)
        return 1;
    return edgeColor.writeCmykSetting(file, kEdgeCmykKey) && edgeColor.writeOverprintSetting(file, kEdgeNoseKey) &&
           edgeColor.writeInkSetting(file, kEdgeInkKey) && paintColor.writeCmykSetting(file, kPaintCmykKey) &&
           paintColor.writeOverprintSetting(file, kPaintNoseKey) && paintColor.writeInkSetting(file, kPaintInkKey) &&
           patternColor.writeCmykSetting(file, kPatternCmykKey) &&
           patternColor.writeOverprintSetting(file, kPatternNoseKey) &&
           patternColor.writeInkSetting(file, kPatternInkKey);
}

int AreaDefaultValues::writeAreaKeys(SettingsFile& file) const
{
    return edge.draw.writeSetting(file, kEdgeDrawKey) && paint.writeDrawSetting(file, kPaintDrawKey) &&
           pattern.writeSetting(file);
}

int AreaDefaultValues::readKey(SettingsFile& file)
{
    // Each reader leaves its value as it was when the text is no value of its kind; the key is
    // then passed over like any other bad line.
    switch (file.currentId()) {
    case kEdgeColourKey:
        (void)edgeColor.readRgbSetting(file);
        return 1;
    case kPaintColourKey:
        (void)paintColor.readRgbSetting(file);
        return 1;
    case kPatternColourKey:
        (void)patternColor.readRgbSetting(file);
        return 1;
    case kEdgeCmykKey:
        (void)edgeColor.readCmykSetting(file);
        return 1;
    case kPaintCmykKey:
        (void)paintColor.readCmykSetting(file);
        return 1;
    case kPatternCmykKey:
        (void)patternColor.readCmykSetting(file);
        return 1;
    case kEdgeNoseKey:
        (void)edgeColor.readOverprintSetting(file);
        return 1;
    case kPaintNoseKey:
        (void)paintColor.readOverprintSetting(file);
        return 1;
    case kPatternNoseKey:
        (void)patternColor.readOverprintSetting(file);
        return 1;
    case kEdgeInkKey:
        (void)edgeColor.readInkSetting(file);
        return 1;
    case kPaintInkKey:
        (void)paintColor.readInkSetting(file);
        return 1;
    case kPatternInkKey:
        (void)patternColor.readInkSetting(file);
        return 1;
    case kEdgeDrawKey:
        (void)edge.draw.readSetting(file);
        return 1;
    case kPaintDrawKey:
        (void)paint.readDrawSetting(file);
        return 1;
    case HatchAttributes::kPatternKey:
        (void)pattern.readSetting(file); // a text that is no keyword keeps the pattern
        return 1;
    case HatchAttributes::kSpaceXKey:
    case HatchAttributes::kSpaceYKey: {
        double pitch = 0.0;
        if (attribute_io::readSettingDouble(file, pitch) && isPitch(pitch))
            (file.currentId() == HatchAttributes::kSpaceXKey ? pattern.pitch1 : pattern.pitch2) = pitch;
        return 1;
    }
    default:
        return 0;
    }
}

// --- the drawing file ---

int AreaDefaultValues::writeColourTags(XmlContext& d)
{
    return writeColourTag(d, tag_id::edgeColor, edgeColor) && writeColourTag(d, tag_id::paintColor, paintColor) &&
           writeColourTag(d, tag_id::patternColor, patternColor);
}

int AreaDefaultValues::writeBundleTags(XmlContext& d)
{
    return edge.writeDrawOnly(&d) && paint.writeDrawOnly(&d) && pattern.writeXml(&d);
}

int AreaDefaultValues::readXmlTag(XmlContext& d, int tagId)
{
    int ok = 1;
    switch (tagId) {
    case tag_id::edgeColor:
        ok = edgeColor.readXml(&d, tagId);
        break;
    case tag_id::paintColor:
        ok = paintColor.readXml(&d, tagId);
        break;
    case tag_id::patternColor:
        ok = patternColor.readXml(&d, tagId);
        break;
    case tag_id::edge:
        ok = edge.readEntityXml(d, tagId);
        break;
    case tag_id::paint:
        ok = paint.readEntityXml(d, tagId);
        break;
    case tag_id::pattern: {
        // Read into a copy: pitches no hatch can be drawn with are a data error of the block.
        HatchAttributes read;
        read.assign(&pattern);
        ok = read.readEntityXml(d, tagId);
        if (ok && hasDrawablePitches(read))
            pattern.assign(&read);
        else if (ok)
            d.reportDataError(tagId);
        break;
    }
    default:
        return kChildNotMine;
    }
    return ok ? kChildRead : kChildFailed;
}
