#include "geometry/TextSpacingAttribute.h"

#include <cmath>

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FontAttributes.h"
#include "geometry/TagIds.h"

int TextSpacingAttribute::exchangeRecord(int recordMode, ElementRecordBuffer& buffer)
{
    // Spacings a load would refuse are not written either.
    if (recordMode == 1)
        return std::isfinite(jikan) && std::isfinite(gyokan) && buffer.putInt(mode) && buffer.putDouble(jikan) &&
               buffer.putDouble(gyokan);
    if (recordMode != 3)
        return 0;
    int32_t readMode = 0;
    double readJikan = 0.0;
    double readGyokan = 0.0;
    if (!buffer.getInt(readMode) || !buffer.getDouble(readJikan) || !buffer.getDouble(readGyokan) ||
        !std::isfinite(readJikan) || !std::isfinite(readGyokan))
        return 0;
    assign(readMode, readJikan, readGyokan);
    return 1;
}

void TextSpacingAttribute::assign(const TextSpacingAttribute* other)
{
    if (other)
        assign(other->mode, other->jikan, other->gyokan);
}

void TextSpacingAttribute::assign(int newMode, double newJikan, double newGyokan)
{
    mode = newMode;
    jikan = newJikan;
    gyokan = newGyokan;
}

double TextSpacingAttribute::defaultLinePitch(const FontAttributes& font) const
{
    return font.size * 1.2 * attribute_io::drawingScale(owner);
}

int TextSpacingAttribute::readXmlValue(int tag)
{
    XmlContext* d = XmlContext::current();
    return d ? readValueWith(*d, tag) : 0;
}

int TextSpacingAttribute::readEntityXml(XmlContext& document, int tagId) { return readValueWith(document, tagId); }

int TextSpacingAttribute::readValueWith(XmlContext& d, int tag)
{
    xmlContext = &d;
    if (tag == tag_id::jikan)
        return attribute_io::readDoubleValue(d, tag, jikan);
    if (tag == tag_id::gyokan)
        return attribute_io::readDoubleValue(d, tag, gyokan);
    return d.skipLine();
}

int TextSpacingAttribute::writeXml(XmlContext* writer)
{
    xmlContext = writer;
    return writer && writer->writeDoubleTag(tag_id::jikan, jikan, XmlContext::kMaxDecimals) &&
           writer->writeDoubleTag(tag_id::gyokan, gyokan, XmlContext::kMaxDecimals);
}

int TextSpacingAttribute::writeThroughHolder(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    TextSpacingAttribute& holder = context->currentTextPitch;
    holder.assign(this);
    return holder.writeXml(context);
}
