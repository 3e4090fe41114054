#include "geometry/LeanAttribute.h"

#include <cmath>

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"
#include "platform/MathUtil.h"

void LeanAttribute::rotateBy(double delta)
{
    const double turned = MathUtil::normalizeAngle(angle + delta);
    if (!std::isfinite(turned))
        return;
    // Rounding may bring a sum just below 0 up to exactly 360, which is the same slant as 0.
    angle = turned >= 360.0 ? 0.0 : turned;
}

int LeanAttribute::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return std::isfinite(angle) && buffer.putDouble(angle); // as a load refuses it
    double value = 0.0;
    if (mode != 3 || !buffer.getDouble(value) || !std::isfinite(value))
        return 0;
    angle = value;
    return 1;
}

int LeanAttribute::angleToField(Dialog* dialog, int id) const { return attribute_io::realToField(dialog, id, angle); }

int LeanAttribute::angleFromField(Dialog* dialog, int id)
{
    double value = angle;
    if (!attribute_io::realFromField(dialog, id, value))
        return 0;
    if (std::isfinite(value))
        angle = value;
    return 1;
}

int LeanAttribute::readXmlValue(int endTag)
{
    XmlContext* d = XmlContext::current();
    return d ? readEntityXml(*d, endTag) : 0;
}

int LeanAttribute::readEntityXml(XmlContext& document, int tagId)
{
    xmlContext = &document;
    return attribute_io::readDoubleValue(document, tagId, angle);
}

int LeanAttribute::writeFromHolder(const LeanAttribute& other)
{
    angle = other.angle;
    return xmlContext ? xmlContext->writeDoubleTag(tag_id::lean, angle, 3) : 0;
}

int LeanAttribute::writeThroughHolder(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    context->currentLean.xmlContext = context;
    return context->currentLean.writeFromHolder(*this);
}
