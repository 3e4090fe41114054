#include "geometry/DrawLineAttribute.h"

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"

using namespace attribute_io;

double DrawLineAttribute::scaledSpace() const { return space * drawingScale(owner); }

double DrawLineAttribute::scaledOver() const { return over * drawingScale(owner); }

int DrawLineAttribute::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return buffer.putInt(style) && buffer.putDouble(width) && buffer.putDouble(space) &&
               buffer.putDouble(over) && colour.exchangeRecord(1, buffer);
    if (mode != 3)
        return 0;
    int32_t code = 0;
    double lengths[3];
    InkColor read = colour;
    if (!buffer.getInt(code) || !buffer.getDouble(lengths[0]) || !buffer.getDouble(lengths[1]) ||
        !buffer.getDouble(lengths[2]) || !read.exchangeRecord(3, buffer))
        return 0;
    style = code;
    width = lengths[0];
    space = lengths[1];
    over = lengths[2];
    colour = read;
    return 1;
}

void DrawLineAttribute::assign(const DrawLineAttribute* other)
{
    if (!other)
        return;
    style = other->style;
    width = other->width;
    space = other->space;
    over = other->over;
    colour.assign(other->colour);
}

int DrawLineAttribute::widthFromControl(Dialog* dialog, int id) { return realFromField(dialog, id, width); }

int DrawLineAttribute::spaceToControl(Dialog* dialog, int id) { return realToField(dialog, id, space); }

int DrawLineAttribute::spaceFromControl(Dialog* dialog, int id) { return realFromField(dialog, id, space); }

int DrawLineAttribute::overToControl(Dialog* dialog, int id) { return realToField(dialog, id, over); }

int DrawLineAttribute::overFromControl(Dialog* dialog, int id) { return realFromField(dialog, id, over); }

void DrawLineAttribute::scale(double factor, int flags)
{
    if (!(flags & 1))
        return;
    double* lengths[3] = {&width, &space, &over};
    for (double* length : lengths) {
        const double scaled = *length * factor;
        if (scaled > 0.001 && scaled < 100.0)
            *length = scaled;
    }
}

int DrawLineAttribute::readXml(int endTag)
{
    XmlContext* d = XmlContext::current();
    if (!d)
        return 0;
    return readXmlWith(*d, endTag);
}

int DrawLineAttribute::readEntityXml(XmlContext& document, int tagId) { return readXmlWith(document, tagId); }

int DrawLineAttribute::readXmlWith(XmlContext& d, int endTag)
{
    xmlContext = &d;
    colour.xmlContext = &d;
    return readBlock(d, endTag, [this, &d](int id) {
        switch (id) {
        case tag_id::rgbColor:
        case tag_id::cmykPercent:
            return colour.readXmlTag(id) ? kChildRead : kChildFailed;
        case tag_id::style:
            return readStyleOrNoneTag(d, style, 78) ? kChildRead : kChildFailed;
        case tag_id::lineSize:
            return readDoubleValue(d, id, width) ? kChildRead : kChildFailed;
        case tag_id::space:
            return readDoubleValue(d, id, space) ? kChildRead : kChildFailed;
        case tag_id::over:
            return readDoubleValue(d, id, over) ? kChildRead : kChildFailed;
        default:
            return kChildNotMine;
        }
    });
}

int DrawLineAttribute::writeXml(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    XmlContext& d = *context;
    return d.beginTag(tag_id::drawLine) && writeStyleTag(d, style) &&
           d.writeDoubleTag(tag_id::lineSize, width, XmlContext::kMaxDecimals) &&
           (!hasSpace || d.writeDoubleTag(tag_id::space, space, XmlContext::kMaxDecimals)) &&
           (!hasOver || d.writeDoubleTag(tag_id::over, over, XmlContext::kMaxDecimals)) &&
           colour.writeThroughHolder(context) && d.endTag(tag_id::drawLine);
}

int DrawLineAttribute::writeFromHolder(const DrawLineAttribute& other)
{
    colour.xmlContext = xmlContext;
    assign(&other);
    const int ok = writeXml(xmlContext);
    if (xmlContext)
        xmlContext->currentColor.resetToWhite();
    return ok;
}

int DrawLineAttribute::writeThroughHolder(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    DrawLineAttribute& holder = context->currentDrawLine;
    holder.xmlContext = context;
    return holder.writeFromHolder(*this);
}

int DrawLineAttribute::readSetting(SettingsFile& file)
{
    switch (file.currentId()) {
    case kStyleKey: {
        char text[80];
        int code = 0;
        // "なし" (style 0) is written as "", having no keyword.
        if (!file.readString(text, sizeof text) || (text[0] != 0 && !parse(text, code)))
            return 0;
        style = code;
        return 1;
    }
    case kWidthKey:
        return file.readDouble(width);
    case kSpaceKey:
        return file.readDouble(space);
    case kOverKey:
        return file.readDouble(over);
    default:
        return 1;
    }
}

int DrawLineAttribute::writeSetting(SettingsFile& file) const
{
    char text[16];
    keyword(style, text, sizeof text);
    return file.writeKey(kStyleKey) && file.writeQuoted(text, 0, 1) && file.writeKey(kWidthKey) &&
           file.writeDouble(width, 6, 0, 1) && (!hasSpace || (file.writeKey(kSpaceKey) && file.writeDouble(space, 6, 0, 1))) &&
           (!hasOver || (file.writeKey(kOverKey) && file.writeDouble(over, 6, 0, 1)));
}
