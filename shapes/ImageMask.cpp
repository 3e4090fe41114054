// The picture's mask: its file block, record and scaling.
#include "shapes/ImageMask.h"

#include <cmath>

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"
#include "geometry/XmlContext.h"

int ImageMask::copyFrom(const ImageMask* other)
{
    if (!other)
        return 1;
    type = other->type;
    return outline.copyPoints(&other->outline);
}

int ImageMask::readEntityXml(XmlContext& file, int tagId)
{
    return attribute_io::readBlock(file, tagId, [&](int id) {
        if (id != tag_id::listXY)
            return attribute_io::kChildNotMine;
        outline.xmlLink = &file;
        const int read = outline.readXml(id);
        outline.xmlLink = nullptr;
        return read ? attribute_io::kChildRead : attribute_io::kChildFailed;
    });
}

int ImageMask::writeXml(XmlContext& file)
{
    if (!isActive())
        return 1;
    return file.beginTag(tag_id::mask) && outline.writeXml(&file, tag_id::listXY) && file.endTag(tag_id::mask);
}

int ImageMask::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return buffer.putInt(type.code) && outline.serialize(1, buffer, 2, 0);
    int32_t code = 0;
    if (mode != 3 || !buffer.getInt(code))
        return 0;
    PointList read;
    if (!read.serialize(3, buffer, 2, 0) || !outline.copyPoints(&read))
        return 0;
    type.code = code;
    return 1;
}

void ImageMask::scaleOutline(double sx, double sy)
{
    if (!std::isfinite(sx) || !std::isfinite(sy))
        return;
    for (int i = 0; i < outline.count; ++i) {
        Point p;
        if (!outline.getPoint(i, &p))
            continue;
        p.x *= sx, p.y *= sy;
        (void)outline.setPoint(i, &p); // within the list: always set
    }
}
