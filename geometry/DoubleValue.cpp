#include "geometry/DoubleValue.h"

#include <cmath>

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"

int DoubleValue::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    // A value a load would refuse is not written either: the store must not keep a record it
    // cannot give back.
    if (mode == 1)
        return std::isfinite(value) && buffer.putDouble(value);
    double read = 0.0;
    if (mode != 3 || !buffer.getDouble(read) || !std::isfinite(read))
        return 0;
    value = read;
    return 1;
}

int DoubleValue::toField(Dialog* dialog, int id) const { return attribute_io::realToField(dialog, id, value); }

int DoubleValue::fromField(Dialog* dialog, int id) { return fromFieldRelative(dialog, id, 0.0); }

int DoubleValue::differenceToField(Dialog* dialog, int id, double base) const
{
    return attribute_io::realToField(dialog, id, value - base);
}

int DoubleValue::fromFieldRelative(Dialog* dialog, int id, double base)
{
    double number = 0.0;
    if (!attribute_io::realFromField(dialog, id, number))
        return 0;
    if (std::isfinite(base + number))
        value = base + number;
    return 1;
}

int DoubleValue::writeXml(int tag) const
{
    XmlContext* d = XmlContext::current();
    return d ? d->writeDoubleTag(tag, value, XmlContext::kMaxDecimals) : 0;
}

int DoubleValue::readXmlValue(int endTag)
{
    XmlContext* d = XmlContext::current();
    return d ? readEntityXml(*d, endTag) : 0;
}

int DoubleValue::readEntityXml(XmlContext& document, int tagId)
{
    return attribute_io::readDoubleValue(document, tagId, value);
}
