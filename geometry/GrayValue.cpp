#include "geometry/GrayValue.h"

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"

int GrayValue::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return buffer.putDouble(value);
    if (mode != 3)
        return 0;
    double read = 0.0;
    if (!buffer.getDouble(read))
        return 0;
    value = read;
    return 1;
}

int GrayValue::readXmlValue(int endTag)
{
    XmlContext* d = XmlContext::current();
    return d ? attribute_io::readDoubleValue(*d, endTag, value) : 0;
}

int GrayValue::readEntityXml(XmlContext& document, int tagId)
{
    return attribute_io::readDoubleValue(document, tagId, value);
}

int GrayValue::writeXml(XmlContext* writer) const { return writer ? writer->writeDoubleTag(tag_id::gray, value, 3) : 0; }
