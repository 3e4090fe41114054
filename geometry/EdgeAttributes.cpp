#include "geometry/EdgeAttributes.h"

#include "document/ElementRecordBuffer.h"
#include "geometry/AttributeIo.h"

using namespace attribute_io;

void EdgeAttributes::assign(const EdgeAttributes* other)
{
    if (!other)
        return;
    draw.value = other->draw.value;
    colour.assign(other->colour);
    gray.assign(&other->gray);
}

void EdgeAttributes::reset()
{
    draw.value = 1;
    gray.reset();
}

int EdgeAttributes::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return draw.exchangeRecord(1, buffer) && colour.exchangeRecord(1, buffer) && gray.exchangeRecord(1, buffer);
    if (mode != 3)
        return 0;
    DrawSwitch readSwitch = draw;
    InkColor readColour = colour;
    GrayValue readGray = gray;
    if (!readSwitch.exchangeRecord(3, buffer) || !readColour.exchangeRecord(3, buffer) ||
        !readGray.exchangeRecord(3, buffer))
        return 0;
    draw = readSwitch;
    colour = readColour;
    gray = readGray;
    return 1;
}

int EdgeAttributes::readXml(int endTag)
{
    Document* d = currentXmlContext();
    return d ? readXmlWith(*d, endTag) : 0;
}

int EdgeAttributes::readEntityXml(Document& document, int tagId) { return readXmlWith(document, tagId); }

int EdgeAttributes::readXmlWith(Document& d, int endTag)
{
    xmlContext = &d;
    colour.xmlContext = &d;
    return readBlock(d, endTag, [this, &d](int id) {
        int ok = 1;
        if (id == 1410 || id == 1412)
            ok = colour.readXmlTag(id);
        else if (id == DrawSwitch::kDraw)
            ok = draw.readXmlValue(d, id);
        else if (id == GrayValue::kGray)
            ok = readDoubleValue(d, id, gray.value);
        else
            return kChildNotMine;
        return ok ? kChildRead : kChildFailed;
    });
}

int EdgeAttributes::writeXml(Document* writer)
{
    xmlContext = writer;
    if (!writer)
        return 0;
    return writer->beginTag(kEdge) && draw.writeXml(*writer, DrawSwitch::kDraw) && colour.writeThroughHolder(writer) &&
           gray.writeXml(writer) && writer->endTag(kEdge);
}

int EdgeAttributes::writeDrawOnly(Document* writer) const
{
    if (!writer)
        return 0;
    return writer->beginTag(kEdge) && draw.writeXml(*writer, DrawSwitch::kDraw) && writer->endTag(kEdge);
}

int EdgeAttributes::writeColorOnly()
{
    Document* writer = currentXmlContext();
    if (!writer)
        return 0;
    return writer->beginTag(kEdge) && colour.writeThroughHolder(writer) && writer->endTag(kEdge);
}

int EdgeAttributes::writeFromHolder(const EdgeAttributes& other)
{
    assign(&other);
    const int ok = writeXml(xmlContext);
    if (xmlContext)
        xmlContext->currentColor.resetToWhite();
    return ok;
}

int EdgeAttributes::writeThroughHolder(Document* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    EdgeAttributes& holder = context->currentEdge;
    holder.xmlContext = context;
    return holder.writeFromHolder(*this);
}
