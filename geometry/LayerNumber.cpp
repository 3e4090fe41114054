#include "geometry/LayerNumber.h"

#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"

namespace {

bool isLayer(int value) { return value >= 0 && value <= LayerNumber::kLastLayer; }

} // namespace

int LayerNumber::readXmlValue(int endTag)
{
    XmlContext* d = XmlContext::current();
    return d ? readEntityXml(*d, endTag) : 0;
}

int LayerNumber::readEntityXml(XmlContext& document, int tagId)
{
    int value = layer;
    if (!attribute_io::readIntValue(document, tagId, value))
        return 0;
    if (!isLayer(value)) {
        document.reportDataError(tagId);
        return 0;
    }
    layer = value;
    return 1;
}

int LayerNumber::writeXml(int newLayer)
{
    layer = newLayer;
    XmlContext* d = XmlContext::current();
    return d ? d->writeIntTag(tag_id::layer, layer) : 0;
}

int LayerNumber::readSetting(SettingsFile& file)
{
    int value = 0;
    if (!attribute_io::readSettingInt(file, value) || !isLayer(value))
        return 0;
    layer = value;
    return 1;
}

int LayerNumber::writeSetting(SettingsFile& file, int key) const { return file.writeKey(key) && file.writeInt(layer, 0, 1); }
