#include "document/AreaDefaultValues.h"

#include <cmath>
#include <initializer_list>

#include "dialogs/defaults/ColourKeys.h"
#include "dialogs/defaults/RecordValueChecks.h"
#include "dialogs/properties/PropertyFields.h"
#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"

using attribute_io::kChildFailed;
using attribute_io::kChildNotMine;
using attribute_io::kChildRead;

namespace {

int isPitch(double v) { return std::isfinite(v) && v >= property_fields::kMinPitch && v <= property_fields::kMaxPitch; }

// The outline, fill and pattern colours' keys.
const ColourKeys kColourKeys[] = {
    {AreaDefaultValues::kEdgeColourKey, AreaDefaultValues::kEdgeCmykKey, AreaDefaultValues::kEdgeNoseKey,
     AreaDefaultValues::kEdgeInkKey},
    {AreaDefaultValues::kPaintColourKey, AreaDefaultValues::kPaintCmykKey, AreaDefaultValues::kPaintNoseKey,
     AreaDefaultValues::kPaintInkKey},
    {AreaDefaultValues::kPatternColourKey, AreaDefaultValues::kPatternCmykKey, AreaDefaultValues::kPatternNoseKey,
     AreaDefaultValues::kPatternInkKey},
};

// A hatch whose pitches are both pitches a hatch can be drawn with.
int hasDrawablePitches(const HatchAttributes& hatch) { return isPitch(hatch.pitch1) && isPitch(hatch.pitch2); }

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

void AreaDefaultValues::inksFromRgbIfNone()
{
    for (InkColor* colour : {&edgeColor, &paintColor, &patternColor, &edge.colour, &paint.colour, &pattern.colour})
        colour->inksFromRgbIfNone();
}

// --- the settings file ---

int AreaDefaultValues::writeColourKeys(SettingsFile& file, int inkKeys) const
{
    const InkColor* colours[] = {&edgeColor, &paintColor, &patternColor};
    return colour_keys::write(file, colours, kColourKeys, 3, inkKeys);
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
    InkColor* colours[] = {&edgeColor, &paintColor, &patternColor};
    if (colour_keys::read(file, colours, kColourKeys, 3))
        return 1;
    switch (file.currentId()) {
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
    using record_values::writeColourTag;
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
