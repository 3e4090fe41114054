#include "geometry/MarginAttribute.h"

#include "geometry/AttributeIo.h"
#include "geometry/TagIds.h"

using namespace attribute_io;

int MarginAttribute::readXml(int endTag)
{
    XmlContext* d = XmlContext::current();
    return d ? readEntityXml(*d, endTag) : 0;
}

int MarginAttribute::readEntityXml(XmlContext& document, int tagId)
{
    MarginAttribute read(*this);
    const int ok = readBlock(document, tagId, [&read, &document](int id) {
        double* side = id == tag_id::top      ? &read.top
                       : id == tag_id::left   ? &read.left
                       : id == tag_id::right  ? &read.right
                       : id == tag_id::bottom ? &read.bottom
                                              : nullptr;
        if (!side)
            return kChildNotMine;
        return readDoubleValue(document, id, *side) ? kChildRead : kChildFailed;
    });
    if (ok)
        assign(&read);
    return ok;
}

int MarginAttribute::writeXml(XmlContext* writer) const
{
    const int decimals = XmlContext::kMaxDecimals;
    return writer && writer->beginTag(tag_id::margin) && writer->writeDoubleTag(tag_id::top, top, decimals) &&
           writer->writeDoubleTag(tag_id::left, left, decimals) && writer->writeDoubleTag(tag_id::right, right, decimals) &&
           writer->writeDoubleTag(tag_id::bottom, bottom, decimals) && writer->endTag(tag_id::margin);
}
