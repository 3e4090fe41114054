#include "geometry/LineAttribute.h"

#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"
#include "platform/StringUtil.h"

using namespace attribute_io;

namespace {
const char* const kListTexts[4] = {"なし", "実線", "点線", "鎖線"};
} // namespace

int LineAttribute::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return buffer.putInt(style) && buffer.putDouble(penWidth) && colour.exchangeRecord(1, buffer);
    if (mode != 3)
        return 0;
    int32_t code = 0;
    double value = 0.0;
    InkColor read = colour;
    if (!buffer.getInt(code) || !buffer.getDouble(value) || !read.exchangeRecord(3, buffer))
        return 0;
    style = code;
    penWidth = value;
    colour = read;
    return 1;
}

void LineAttribute::assign(const LineAttribute* other)
{
    if (!other)
        return;
    style = other->style;
    penWidth = other->penWidth;
    colour.assign(other->colour);
}

int LineAttribute::fillStyleList(Dialog* dialog, int id) { return fillList(dialog, id, kListTexts, 4); }

int LineAttribute::styleToList(Dialog* dialog, int id) { return selectListPosition(dialog, id, style + 1); }

int LineAttribute::styleFromList(Dialog* dialog, int id)
{
    int position = 0;
    if (!selectedListPosition(dialog, id, position))
        return 0;
    if (position >= 1 && position <= 4)
        style = position - 1;
    return 1;
}

int LineAttribute::widthToControl(Dialog* dialog, int id) { return realToField(dialog, id, penWidth); }

void LineAttribute::scale(double factor, int flags)
{
    if (!(flags & 1))
        return;
    const double scaled = penWidth * factor;
    if (scaled > 0.001 && scaled < 100.0)
        penWidth = scaled;
}

int LineAttribute::readXml(int endTag)
{
    XmlContext* d = XmlContext::current();
    if (!d)
        return 0;
    return readXmlWith(*d, endTag);
}

int LineAttribute::readEntityXml(XmlContext& document, int tagId) { return readXmlWith(document, tagId); }

int LineAttribute::readXmlWith(XmlContext& d, int endTag)
{
    xmlContext = &d;
    colour.xmlContext = &d;
    return readBlock(d, endTag, [this, &d](int id) {
        if (id == tag_id::rgbColor || id == tag_id::cmykPercent)
            return colour.readXmlTag(id) ? kChildRead : kChildFailed;
        if (id == tag_id::style)
            return readStyleOrNoneTag(d, style, 78) ? kChildRead : kChildFailed;
        if (id == tag_id::lineSize)
            return readDoubleValue(d, id, penWidth) ? kChildRead : kChildFailed;
        return kChildNotMine;
    });
}

int LineAttribute::writeXml(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    return context->beginTag(tag_id::underLine) && writeStyleTag(*context, style) &&
           context->writeDoubleTag(tag_id::lineSize, penWidth, XmlContext::kMaxDecimals) &&
           colour.writeThroughHolder(context) && context->endTag(tag_id::underLine);
}

int LineAttribute::writeFromHolder(const LineAttribute& other)
{
    assign(&other);
    const int ok = writeXml(xmlContext);
    if (xmlContext)
        xmlContext->currentColor.resetToWhite();
    return ok;
}

int LineAttribute::writeThroughHolder(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    LineAttribute& holder = context->currentUnderline;
    holder.xmlContext = context;
    return holder.writeFromHolder(*this);
}

int LineAttribute::readSetting(SettingsFile& file)
{
    if (file.currentId() != kWidthKey)
        return 1;
    return file.readDouble(penWidth);
}

int LineAttribute::writeSetting(SettingsFile& file) const
{
    return file.writeKey(kWidthKey) && file.writeDouble(penWidth, 6, 0, 1);
}
