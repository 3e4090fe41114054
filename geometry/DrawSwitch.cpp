#include "geometry/DrawSwitch.h"

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/SettingsFile.h"
#include "geometry/XmlContext.h"
#include "platform/Dialog.h"
#include "platform/StringUtil.h"

int DrawSwitch::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return buffer.putShort(static_cast<int16_t>(value));
    if (mode != 3)
        return 0;
    int16_t read = 0;
    if (!buffer.getShort(read))
        return 0;
    value = read;
    return 1;
}

int DrawSwitch::toCheckBox(Dialog* dialog, int id) const { return dialog && dialog->setCheckById(id, value) ? 1 : 0; }

int DrawSwitch::fromCheckBox(Dialog* dialog, int id)
{
    int checked = 0;
    if (!dialog || !dialog->getCheckById(id, &checked))
        return 0;
    value = checked;
    return 1;
}

int DrawSwitch::keyword(char* out, int size) const
{
    return attribute_io::copyKeyword(value ? "ON" : "OFF", out, size);
}

int DrawSwitch::setFromKeyword(const char* text)
{
    if (!text)
        return 0;
    if (StringUtil::equals(text, "ON"))
        value = 1;
    else if (StringUtil::equals(text, "OFF"))
        value = 0;
    else
        return 0;
    return 1;
}

int DrawSwitch::readXmlValue(XmlContext& reader, int endTag)
{
    char text[80];
    if (!reader.readQuoted(text, sizeof text))
        return 0;
    (void)setFromKeyword(text); // another text keeps the value
    return reader.expectTag(endTag);
}

int DrawSwitch::writeXml(XmlContext& writer, int tag) const
{
    return writer.writeStringTag(tag, value ? "ON" : "OFF");
}

int DrawSwitch::readSetting(SettingsFile& file) { return file.readBool(value); }

int DrawSwitch::writeSetting(SettingsFile& file, int key) const
{
    return file.writeKey(key) && file.writeBool(value, 0, 1);
}
