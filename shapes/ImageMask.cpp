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

namespace {
// 10^n for 0 <= n <= 22, exact.
double powerOfTen(int n)
{
    double power = 1.0;
    while (n-- > 0)
        power *= 10.0;
    return power;
}

// The decimal of the fewest significant digits (at most 9) within noise of value; else value.
double shortDecimalWithin(double value, double noise)
{
    if (!(noise > 0.0) || !std::isfinite(noise) || !std::isfinite(value) || value == 0.0)
        return value;
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    for (int digits = 1; digits <= 9; ++digits) {
        const int exponent = magnitude - (digits - 1); // of the last digit kept
        if (exponent > 22 || exponent < -22)
            continue;
        const double unit = powerOfTen(std::abs(exponent));
        const double held = exponent >= 0 ? std::nearbyint(value / unit) * unit : std::nearbyint(value * unit) / unit;
        if (std::fabs(held - value) <= noise)
            return held;
    }
    return value;
}

double scaled(double value, double factor, double noise)
{
    if (factor == 1.0)
        return value;
    const double result = value * factor;
    return shortDecimalWithin(result, noise * std::fabs(result));
}
} // namespace

void ImageMask::scaleOutline(double sx, double sy, double noiseX, double noiseY)
{
    if (!std::isfinite(sx) || !std::isfinite(sy))
        return;
    for (int i = 0; i < outline.count; ++i) {
        Point p;
        if (!outline.getPoint(i, &p))
            continue;
        p.x = scaled(p.x, sx, noiseX);
        p.y = scaled(p.y, sy, noiseY);
        (void)outline.setPoint(i, &p); // within the list: always set
    }
}
