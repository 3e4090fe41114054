#include "shapes/ArrowHeadStyle.h"

#include "document/Document.h"
#include "document/Element.h"
#include "geometry/AttributeIo.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/SettingsFile.h"
#include "geometry/TagIds.h"
#include "geometry/XmlContext.h"
#include "platform/StringUtil.h"

using namespace attribute_io;

namespace {
const char* const kKeywords[ArrowHeadStyle::kKindCount] = {
    "NONE", "ARROW", "RIGHTARROW", "LEFTARROW", "FRAMETRIANGLE", "FILLTRIANGLE", "FRAMEARC", "FILLARC"};
const char* const kListNames[ArrowHeadStyle::kKindCount] = {"なし",   "矢印",   "右矢印", "左矢印",
                                                            "枠３角", "黒３角", "枠丸",   "黒丸"};

int inScaleRange(double v) { return v > 0.001 && v < 100.0; }
} // namespace

double ArrowHeadStyle::scaledLength() const { return length * drawingScale(owner); }

int ArrowHeadStyle::copyFrom(const ArrowHeadStyle* other)
{
    if (!other)
        return 1;
    kind = other->kind;
    lineSize = other->lineSize;
    length = other->length;
    lean = other->lean;
    colour.assign(other->colour);
    return 1;
}

void ArrowHeadStyle::copyKind(const ArrowHeadStyle* other)
{
    if (other)
        kind = other->kind;
}

void ArrowHeadStyle::copyLineSize(const ArrowHeadStyle* other)
{
    if (other)
        lineSize = other->lineSize;
}

void ArrowHeadStyle::copyLength(const ArrowHeadStyle* other)
{
    if (other)
        length = other->length;
}

void ArrowHeadStyle::copyLean(const ArrowHeadStyle* other)
{
    if (other)
        lean = other->lean;
}

void ArrowHeadStyle::scale(double factor, int flags)
{
    if (!(flags & 1))
        return;
    if (inScaleRange(lineSize * factor))
        lineSize *= factor;
    if (inScaleRange(length * factor))
        length *= factor;
}

int ArrowHeadStyle::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return buffer.putDword(kind) && buffer.putDouble(lineSize) && buffer.putDouble(length) &&
               buffer.putDouble(lean) && colour.exchangeRecord(1, buffer);
    if (mode != 3)
        return 0;
    uint32_t code = 0;
    double values[3];
    InkColor read = colour;
    if (!buffer.getDword(code) || !buffer.getDouble(values[0]) || !buffer.getDouble(values[1]) ||
        !buffer.getDouble(values[2]) || !read.exchangeRecord(3, buffer))
        return 0;
    kind = code;
    lineSize = values[0];
    length = values[1];
    lean = values[2];
    colour = read;
    return 1;
}

int ArrowHeadStyle::kindName(unsigned kind, char* out, int size)
{
    if (kind >= static_cast<unsigned>(kKindCount))
        return 0;
    return copyKeyword(kKeywords[kind], out, size);
}

int ArrowHeadStyle::parseKind(const char* text, unsigned& kind)
{
    int code = 0;
    if (!codeOfKeyword(text, kKeywords, kKindCount, 0, code))
        return 0;
    kind = static_cast<unsigned>(code);
    return 1;
}

int ArrowHeadStyle::fillKindList(Dialog* dialog, int id) const { return fillList(dialog, id, kListNames, kKindCount); }

int ArrowHeadStyle::showKind(Dialog* dialog, int id) const
{
    return selectListPosition(dialog, id, static_cast<int>(kind) + 1);
}

int ArrowHeadStyle::takeKind(Dialog* dialog, int id)
{
    int position = 0;
    if (!selectedListPosition(dialog, id, position))
        return 0;
    if (position >= 1)
        kind = static_cast<unsigned>(position - 1);
    return 1;
}

int ArrowHeadStyle::showLineSize(Dialog* dialog, int id) const { return realToField(dialog, id, lineSize); }

int ArrowHeadStyle::takeLineSize(Dialog* dialog, int id) { return realFromField(dialog, id, lineSize); }

int ArrowHeadStyle::showLength(Dialog* dialog, int id) const { return realToField(dialog, id, length); }

int ArrowHeadStyle::takeLength(Dialog* dialog, int id) { return realFromField(dialog, id, length); }

int ArrowHeadStyle::showLean(Dialog* dialog, int id) const { return realToField(dialog, id, lean); }

int ArrowHeadStyle::takeLean(Dialog* dialog, int id) { return realFromField(dialog, id, lean); }

int ArrowHeadStyle::readXml(int endTag)
{
    XmlContext* d = xmlContext ? xmlContext : XmlContext::current();
    return d ? readXmlWith(*d, endTag) : 0;
}

int ArrowHeadStyle::readEntityXml(XmlContext& document, int tagId) { return readXmlWith(document, tagId); }

int ArrowHeadStyle::readXmlWith(XmlContext& d, int endTag)
{
    xmlContext = &d;
    colour.xmlContext = &d;
    return readBlock(d, endTag, [this, &d](int id) {
        switch (id) {
        case tag_id::style: {
            char text[78];
            if (!d.readQuoted(text, sizeof text))
                return kChildFailed;
            if (!parseKind(text, kind))
                d.reportDataError(id); // the kind stays; the block reads on
            return d.expectTag(id) ? kChildRead : kChildFailed;
        }
        case tag_id::lineSize:
            return readDoubleValue(d, id, lineSize) ? kChildRead : kChildFailed;
        case tag_id::length:
            return readDoubleValue(d, id, length) ? kChildRead : kChildFailed;
        case tag_id::lean:
            return readDoubleValue(d, id, lean) ? kChildRead : kChildFailed;
        case tag_id::rgbColor:
        case tag_id::cmykPercent:
            return colour.readXmlTag(id) ? kChildRead : kChildFailed;
        default:
            return kChildNotMine;
        }
    });
}

int ArrowHeadStyle::writeXml(XmlContext* context)
{
    xmlContext = context;
    char keyword[16];
    if (!context || !kindName(kind, keyword, sizeof keyword))
        return 0;
    XmlContext& d = *context;
    return d.beginTag(tag_id::arrowLine) && d.writeStringTag(tag_id::style, keyword) &&
           d.writeDoubleTag(tag_id::lineSize, lineSize, XmlContext::kMaxDecimals) &&
           d.writeDoubleTag(tag_id::length, length, XmlContext::kMaxDecimals) &&
           d.writeDoubleTag(tag_id::lean, lean, XmlContext::kMaxDecimals) && colour.writeThroughHolder(context) &&
           d.endTag(tag_id::arrowLine);
}

int ArrowHeadStyle::writeXmlThroughDocument(XmlContext* context)
{
    xmlContext = context;
    Document* document = context ? context->document() : nullptr;
    Element* holder = document ? document->attributeHolder() : nullptr;
    ArrowHeadStyle* held = holder ? holder->arrowHead() : nullptr;
    if (!held)
        return 0;
    (void)held->copyFrom(this); // a copy from a present source always succeeds
    const int ok = held->writeXml(context);
    context->currentColor.resetToWhite();
    return ok;
}

int ArrowHeadStyle::readSetting(SettingsFile& file)
{
    switch (file.currentId()) {
    case kStyleKey: {
        char text[80];
        return file.readString(text, sizeof text) && parseKind(text, kind);
    }
    case kLineSizeKey:
        return readSettingDouble(file, lineSize);
    case kLengthKey:
        return readSettingDouble(file, length);
    case kLeanKey:
        return readSettingDouble(file, lean);
    default:
        return 1;
    }
}

int ArrowHeadStyle::writeSetting(SettingsFile& file) const
{
    char keyword[16];
    return kindName(kind, keyword, sizeof keyword) && file.writeKey(kStyleKey) && file.writeQuoted(keyword, 0, 1) &&
           file.writeKey(kLineSizeKey) && file.writeDouble(lineSize, 6, 0, 1) && file.writeKey(kLengthKey) &&
           file.writeDouble(length, 6, 0, 1) && file.writeKey(kLeanKey) && file.writeDouble(lean, 6, 0, 1);
}
