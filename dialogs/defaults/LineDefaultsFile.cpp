// The line-drawing defaults in the drawing file's header ("setGeometry") and in the settings file
// ("SETSENGA").
#include <cmath>

#include "dialogs/defaults/ColourKeys.h"
#include "dialogs/defaults/RecordValueChecks.h"
#include "dialogs/properties/PropertyFields.h"
#include "document/Document.h"
#include "document/LineDefaults.h"
#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"

using attribute_io::kChildFailed;
using attribute_io::kChildNotMine;
using attribute_io::kChildRead;
using attribute_io::readBlock;

namespace {

// LINESIZE keeps six decimals, cut.
constexpr int kLineSizeDecimals = 6;

int isLineWidth(double v) { return std::isfinite(v) && v >= 0.0 && v <= property_fields::kMaxLineWidth; }

attribute_io::ChildResult childResult(int ok) { return ok ? kChildRead : kChildFailed; }

} // namespace

// --- the drawing file ---

int LineDefaults::writeXmlSection(Document& document) { return writeXml(document); }

int LineDefaults::readXmlSection(Document& document, int tagId)
{
    if (tagId != tag_id::setGeometry)
        return document.skipSection(tagId);
    return readXml(document, tagId);
}

int LineDefaults::writeXml(XmlContext& d)
{
    return d.beginTag(tag_id::setGeometry) && d.writeIntTag(tag_id::layer, layer.layer) && writeColourTags(d) &&
           lineSize.writeXml(&d) && lineOrigin.writeXml(&d) && lineType.writeXml(&d) && writeBundleTags(d) &&
           d.endTag(tag_id::setGeometry);
}

int LineDefaults::readXml(XmlContext& d, int endTag)
{
    return readBlock(d, endTag, [&](int id) {
        switch (id) {
        case tag_id::layer:
            return record_values::readLayerTag(d, id, layer);
        case tag_id::lineSize: {
            LineSizeAttribute read;
            if (!read.readEntityXml(d, id))
                return kChildFailed;
            if (isLineWidth(read.width))
                lineSize.width = read.width;
            else
                d.reportDataError(id);
            return kChildRead;
        }
        case tag_id::lineOrigin:
            return childResult(lineOrigin.readEntityXml(d, id));
        case tag_id::lineType:
            return childResult(lineType.readEntityXml(d, id));
        default:
            return static_cast<attribute_io::ChildResult>(readXmlTag(d, id));
        }
    });
}

// --- the settings file ---

int LineDefaults::saveSettings(SettingsFile& file) const
{
    return file.writeSection(kSection) && layer.writeSetting(file, kLayerKey) &&
           writeColourKeys(file, colour_keys::inkKeysWanted()) &&
           file.writeKey(kLineSizeKey) && file.writeDouble(lineSize.width, kLineSizeDecimals, 0, 1) &&
           lineType.writeSetting(file, kLineStyleKey) && lineOrigin.writeSetting(file, kLineOriginKey) &&
           lineCap.writeSetting(file, kLineCapKey) && writeAreaKeys(file);
}

int LineDefaults::loadSettings(SettingsFile& file)
{
    // A value that is no value of its key is passed over and the key keeps what it had; the rest
    // of its line, if any, reads as names that no key has.
    return record_values::readKeys(file, [&](int key) {
        switch (key) {
        case kLayerKey:
            (void)layer.readSetting(file);
            break;
        case kLineSizeKey: {
            double width = 0.0;
            if (attribute_io::readSettingDouble(file, width) && isLineWidth(width))
                lineSize.width = width;
            break;
        }
        case kLineStyleKey:
            (void)lineType.readSetting(file);
            break;
        case kLineOriginKey:
            (void)lineOrigin.readSetting(file);
            break;
        case kLineCapKey:
            (void)lineCap.readSetting(file);
            break;
        default:
            (void)readKey(file); // 0 for a key of no value here: passed over
            break;
        }
    });
}
