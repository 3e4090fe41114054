#include "geometry/LineSizeAttribute.h"

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"

void LineSizeAttribute::assign(const LineSizeAttribute* other)
{
    if (other)
        width = other->width;
}

int LineSizeAttribute::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return buffer.putDouble(width);
    if (mode != 3)
        return 0;
    double value = 0.0;
    if (!buffer.getDouble(value))
        return 0;
    width = value;
    return 1;
}

int LineSizeAttribute::widthFromControl(Dialog* dialog, int id) { return attribute_io::realFromField(dialog, id, width); }

void LineSizeAttribute::scale(double factor, int flags)
{
    if (!(flags & 1))
        return;
    const double scaled = width * factor;
    if (scaled > 0.001 && scaled < 1000.0)
        width = scaled;
}

int LineSizeAttribute::readXmlValue(int endTag)
{
    XmlContext* d = XmlContext::current();
    if (!d)
        return 0;
    return readValueWith(*d, endTag);
}

int LineSizeAttribute::readEntityXml(XmlContext& document, int tagId) { return readValueWith(document, tagId); }

int LineSizeAttribute::readValueWith(XmlContext& d, int endTag)
{
    xmlContext = &d;
    return attribute_io::readDoubleValue(d, endTag, width);
}

int LineSizeAttribute::writeXml(XmlContext* context)
{
    xmlContext = context;
    return context ? context->writeDoubleTag(tag_id::lineSize, width, XmlContext::kMaxDecimals) : 0;
}

int LineSizeAttribute::writeThroughHolder(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    LineSizeAttribute& holder = context->currentLineSize;
    holder.assign(this);
    return holder.writeXml(context);
}

int LineSizeAttribute::readSetting(SettingsFile& file) { return file.readDouble(width); }

int LineSizeAttribute::writeSetting(SettingsFile& file, int key) const
{
    return file.writeKey(key) && file.writeDouble(width, 6, 0, 1);
}
