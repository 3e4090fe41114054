#include "geometry/FillAttributes.h"

#include "document/ElementRecordBuffer.h"
#include "geometry/AttributeIo.h"

using namespace attribute_io;

void FillAttributes::assign(const FillAttributes* other)
{
    if (!other)
        return;
    draw.value = other->draw.value;
    colour.assign(other->colour);
    gray.assign(&other->gray);
}

void FillAttributes::reset()
{
    draw.value = 0;
    colour.setRgbAndInks(0, 0, 0);
    gray.setDefaults();
}

int FillAttributes::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return draw.exchangeRecord(1, buffer) && colour.exchangeRecord(1, buffer) && gray.exchangeRecord(1, buffer);
    if (mode != 3)
        return 0;
    DrawSwitch readSwitch = draw;
    InkColor readColour = colour;
    GrayAttributes readGray = gray;
    if (!readSwitch.exchangeRecord(3, buffer) || !readColour.exchangeRecord(3, buffer) ||
        !readGray.exchangeRecord(3, buffer))
        return 0;
    draw = readSwitch;
    colour = readColour;
    gray = readGray;
    return 1;
}

int FillAttributes::readXml(int endTag)
{
    Document* d = currentXmlContext();
    return d ? readXmlWith(*d, endTag) : 0;
}

int FillAttributes::readEntityXml(Document& document, int tagId) { return readXmlWith(document, tagId); }

int FillAttributes::readXmlWith(Document& d, int endTag)
{
    xmlContext = &d;
    colour.xmlContext = &d;
    return readBlock(d, endTag, [this, &d](int id) {
        int ok = 1;
        if (id == 1410 || id == 1412)
            ok = colour.readXmlTag(id);
        else if (id == DrawSwitch::kDraw)
            ok = draw.readXmlValue(d, id);
        else if (id == GrayAttributes::kHalfTone)
            ok = gray.readXmlWith(d, id);
        else
            return kChildNotMine;
        return ok ? kChildRead : kChildFailed;
    });
}

int FillAttributes::writeXml(Document* writer)
{
    xmlContext = writer;
    if (!writer)
        return 0;
    return writer->beginTag(kPaint) && draw.writeXml(*writer, DrawSwitch::kDraw) && colour.writeThroughHolder(writer) &&
           gray.writeXml(writer) && writer->endTag(kPaint);
}

int FillAttributes::writeDrawOnly(Document* writer) const
{
    if (!writer)
        return 0;
    return writer->beginTag(kPaint) && draw.writeXml(*writer, DrawSwitch::kDraw) && writer->endTag(kPaint);
}

int FillAttributes::writeFromHolder(const FillAttributes& other)
{
    assign(&other);
    const int ok = writeXml(xmlContext);
    if (xmlContext)
        xmlContext->currentColor.resetToWhite();
    return ok;
}

int FillAttributes::writeThroughHolder(Document* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    FillAttributes& holder = context->currentPaint;
    holder.xmlContext = context;
    return holder.writeFromHolder(*this);
}
