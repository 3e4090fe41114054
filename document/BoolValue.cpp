#include "document/BoolValue.h"

#include "document/Document.h"
#include "geometry/SettingsFile.h"

int BoolValue::readXml(int tagId)
{
    Document* d = currentXmlContext();
    return d ? readXml(*d, tagId) : 0;
}

int BoolValue::readXml(Document& d, int tagId)
{
    int on = 0;
    if (!d.readBool(on))
        return 0;
    value = on;
    return d.expectTag(tagId);
}

int BoolValue::readIni(SettingsFile& file)
{
    int on = 0;
    if (!file.readBool(on))
        return 0;
    value = on ? 1 : 0;
    return 1;
}
