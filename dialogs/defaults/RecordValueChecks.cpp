#include "dialogs/defaults/RecordValueChecks.h"

#include <cmath>

#include "dialogs/properties/PropertyFields.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/InkColor.h"
#include "geometry/LayerNumber.h"
#include "geometry/LineAttribute.h"
#include "geometry/SettingsFile.h"
#include "shapes/ArrowHeadStyle.h"

using attribute_io::ChildResult;
using attribute_io::kChildFailed;
using attribute_io::kChildRead;

namespace record_values {
namespace {

int isLength(double v) { return std::isfinite(v) && v >= 0.0 && v <= property_fields::kMaxLineWidth; }
int isLean(double v) { return std::isfinite(v) && std::fabs(v) <= property_fields::kMaxAngle; }

int isKept(const LineAttribute& u) { return isLength(u.penWidth); }
int isKept(const DrawLineAttribute& l) { return isLength(l.width) && isLength(l.space) && isLength(l.over); }
int isKept(const ArrowHeadStyle& a) { return isLength(a.lineSize) && isLength(a.length) && isLean(a.lean); }

void take(LineAttribute& into, const LineAttribute& read) { into.assign(&read); }
void take(DrawLineAttribute& into, const DrawLineAttribute& read) { into.assign(&read); }
void take(ArrowHeadStyle& into, const ArrowHeadStyle& read) { (void)into.copyFrom(&read); } // never refused

// The block read into a copy of the value (its flags too) and taken when the record can keep it.
template <typename Value> ChildResult readChecked(XmlContext& d, int tag, Value& value)
{
    Value read;
    take(read, value);
    if (!read.readEntityXml(d, tag))
        return kChildFailed;
    if (isKept(read))
        take(value, read);
    else
        d.reportDataError(tag);
    return kChildRead;
}

// A length or lean of the key just read: taken only as one finite number the record can keep.
int readLength(SettingsFile& file, double& value)
{
    double read = 0.0;
    if (attribute_io::readSettingDouble(file, read) && isLength(read))
        value = read;
    return 1;
}

int readLean(SettingsFile& file, double& value)
{
    double read = 0.0;
    if (attribute_io::readSettingDouble(file, read) && isLean(read))
        value = read;
    return 1;
}

} // namespace

int writeColourTag(XmlContext& d, int tag, InkColor& colour) { return d.beginTag(tag) && colour.writeXml(&d) && d.endTag(tag); }

ChildResult readColourTag(XmlContext& d, int tag, InkColor& colour) { return colour.readXml(&d, tag) ? kChildRead : kChildFailed; }

ChildResult readLayerTag(XmlContext& d, int tag, LayerNumber& layer)
{
    int n = -1;
    if (!attribute_io::readIntValue(d, tag, n))
        return kChildFailed;
    if (n < 0 || n > LayerNumber::kLastLayer)
        d.reportDataError(tag);
    else
        layer.layer = n;
    return kChildRead;
}

ChildResult readUnderlineTag(XmlContext& d, int tag, LineAttribute& underline) { return readChecked(d, tag, underline); }

ChildResult readLeaderTag(XmlContext& d, int tag, DrawLineAttribute& leader) { return readChecked(d, tag, leader); }

ChildResult readArrowTag(XmlContext& d, int tag, ArrowHeadStyle& arrow) { return readChecked(d, tag, arrow); }

int readUnderlineSetting(SettingsFile& file, LineAttribute& underline)
{
    return file.currentId() == LineAttribute::kWidthKey && readLength(file, underline.penWidth);
}

int readLeaderSetting(SettingsFile& file, DrawLineAttribute& leader)
{
    switch (file.currentId()) {
    case DrawLineAttribute::kStyleKey:
        (void)leader.readSetting(file); // a text that is no style keeps the style
        return 1;
    case DrawLineAttribute::kWidthKey:
        return readLength(file, leader.width);
    case DrawLineAttribute::kSpaceKey:
        return readLength(file, leader.space);
    case DrawLineAttribute::kOverKey:
        return readLength(file, leader.over);
    default:
        return 0;
    }
}

int readArrowSetting(SettingsFile& file, ArrowHeadStyle& arrow)
{
    switch (file.currentId()) {
    case ArrowHeadStyle::kStyleKey:
        (void)arrow.readSetting(file); // a text that is no kind keeps the kind
        return 1;
    case ArrowHeadStyle::kLineSizeKey:
        return readLength(file, arrow.lineSize);
    case ArrowHeadStyle::kLengthKey:
        return readLength(file, arrow.length);
    case ArrowHeadStyle::kLeanKey:
        return readLean(file, arrow.lean);
    default:
        return 0;
    }
}

} // namespace record_values
