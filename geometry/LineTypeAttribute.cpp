#include "geometry/LineTypeAttribute.h"

#include "geometry/AttributeIo.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"

using namespace attribute_io;

namespace {
// The dash, gap and dot lengths a file may give (paper millimetres).
const double kMaxLength = 1000.0;
bool isLength(double v) { return v > 0.0 && v <= kMaxLength; }
} // namespace

void LineTypeAttribute::reset()
{
    const LineStyle defaults;
    LineStyle::assign(&defaults);
}

double LineTypeAttribute::scaledDash() const { return dash * drawingScale(owner); }

double LineTypeAttribute::scaledGap() const { return gap * drawingScale(owner); }

double LineTypeAttribute::scaledDot() const { return dot * drawingScale(owner); }

int LineTypeAttribute::fillStyleList(Dialog* dialog, int id)
{
    const char* texts[9];
    int n = 0;
    texts[n++] = "実線";
    texts[n++] = "点線";
    if (listMode == 2 || listMode == 3) {
        texts[n++] = "鎖線1";
        texts[n++] = "鎖線2";
        if (listMode == 3)
            texts[n++] = "鎖線3";
    } else {
        texts[n++] = "鎖線";
    }
    texts[n++] = "２本線";
    texts[n++] = "３本線";
    texts[n++] = "枠線";
    return fillList(dialog, id, texts, n);
}

int LineTypeAttribute::positionOfStyle(int code) const
{
    if (listMode == 3)
        return code;
    if (listMode == 2)
        return code > 4 ? code - 1 : code;
    return code >= 4 ? code - 2 : code;
}

int LineTypeAttribute::styleAtPosition(int position) const
{
    if (listMode == 3)
        return position;
    if (listMode == 2)
        return position > 4 ? position + 1 : position;
    return position >= 4 ? position + 2 : position;
}

int LineTypeAttribute::styleToList(Dialog* dialog, int id)
{
    return selectListPosition(dialog, id, positionOfStyle(style));
}

int LineTypeAttribute::styleFromList(Dialog* dialog, int id)
{
    int position = 0;
    if (!selectedListPosition(dialog, id, position))
        return 0;
    const int code = styleAtPosition(position);
    if (position >= 1 && code >= 1 && code <= kStyleCount)
        setStyleWithPresets(code);
    return 1;
}

int LineTypeAttribute::readXml(int endTag)
{
    XmlContext* d = XmlContext::current();
    if (!d)
        return 0;
    return readXmlWith(*d, endTag);
}

int LineTypeAttribute::readEntityXml(XmlContext& document, int tagId) { return readXmlWith(document, tagId); }

int LineTypeAttribute::readXmlWith(XmlContext& d, int endTag)
{
    xmlContext = &d;
    return readBlock(d, endTag, [this, &d](int id) {
        double* length = id == tag_id::jisen ? &dash : id == tag_id::kuhaku ? &gap : id == tag_id::sasen ? &dot : nullptr;
        if (length)
            return readDoubleValueIf(d, id, *length, XmlContext::kMaxDecimals, isLength) ? kChildRead : kChildFailed;
        if (id != tag_id::style)
            return kChildNotMine;
        return readStyleTag(d, style, 80) ? kChildRead : kChildFailed;
    });
}

int LineTypeAttribute::writeXml(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    return context->beginTag(tag_id::lineType) && writeStyleTag(*context, style) &&
           context->writeDoubleTag(tag_id::jisen, dash, XmlContext::kMaxDecimals) &&
           context->writeDoubleTag(tag_id::kuhaku, gap, XmlContext::kMaxDecimals) &&
           context->writeDoubleTag(tag_id::sasen, dot, XmlContext::kMaxDecimals) && context->endTag(tag_id::lineType);
}

int LineTypeAttribute::writeThroughHolder(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    LineTypeAttribute& holder = context->currentLineType;
    holder.LineStyle::assign(this);
    return holder.writeXml(context);
}

int LineTypeAttribute::readSetting(SettingsFile& file)
{
    char text[80];
    int code = 0;
    if (!file.readString(text, sizeof text) || !parse(text, code))
        return 0;
    style = code;
    return 1;
}

int LineTypeAttribute::writeSetting(SettingsFile& file, int key) const
{
    char text[16];
    keyword(style, text, sizeof text);
    return file.writeKey(key) && file.writeQuoted(text, 0, 1);
}
