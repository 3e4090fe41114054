// The Bezier defaults in the drawing file's header ("setBezier") and in the settings file
// ("SETBEZIER").
#include "document/BezierDefaults.h"
#include "document/Document.h"
#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"
#include "platform/Application.h"

using attribute_io::kChildFailed;
using attribute_io::kChildRead;

namespace {
// The application's colour model in which the settings file also keeps the ink values.
constexpr int kInkColourModel = 2;
} // namespace

int BezierDefaults::writeXmlSection(Document& document) { return writeXml(document); }

int BezierDefaults::readXmlSection(Document& document, int tagId)
{
    if (tagId != tag_id::setBezier)
        return document.skipSection(tagId);
    return readXml(document, tagId);
}

int BezierDefaults::writeXml(XmlContext& d)
{
    return d.beginTag(tag_id::setBezier) && d.writeIntTag(tag_id::layer, layer.layer) && writeColourTags(d) &&
           writeBundleTags(d) && d.endTag(tag_id::setBezier);
}

int BezierDefaults::readXml(XmlContext& d, int endTag)
{
    return attribute_io::readBlock(d, endTag, [&](int id) {
        if (id != tag_id::layer)
            return static_cast<attribute_io::ChildResult>(readXmlTag(d, id));
        int n = -1;
        if (!attribute_io::readIntValue(d, id, n))
            return kChildFailed;
        if (n < 0 || n > LayerNumber::kLastLayer)
            d.reportDataError(id);
        else
            layer.layer = n;
        return kChildRead;
    });
}

int BezierDefaults::saveSettings(SettingsFile& file) const
{
    const int inkKeys = theApplication && theApplication->colorModel == kInkColourModel;
    return file.writeSection(kSection) && layer.writeSetting(file, kLayerKey) && writeColourKeys(file, inkKeys) &&
           writeAreaKeys(file);
}

int BezierDefaults::loadSettings(SettingsFile& file)
{
    for (;;) {
        const int more = file.readKey();
        if (!more || file.currentKind() == SettingsFile::kSection)
            return more;
        // A value that is no value of its key is passed over and the key keeps what it had.
        if (file.currentId() == kLayerKey)
            (void)layer.readSetting(file);
        else
            (void)readKey(file); // 0 for a key of no value here: passed over
    }
}
