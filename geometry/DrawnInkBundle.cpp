#include "geometry/DrawnInkBundle.h"

#include "geometry/AttributeIo.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FillAttributes.h"
#include "geometry/TagIds.h"

using namespace attribute_io;

namespace {

// What differs between the two bundles: the block's tag, the writer's holder, and the tint's tag
// with its reader (a value for the edge, a block up to its closing tag for the fill's screen).
template <class Bundle> struct BundleKind;

template <> struct BundleKind<EdgeAttributes> {
    enum { kBlock = tag_id::edge, kTint = tag_id::gray };
    static EdgeAttributes& holder(XmlContext& d) { return d.currentEdge; }
    static int readTint(XmlContext& d, int tag, GrayValue& gray) { return readDoubleValue(d, tag, gray.value); }
};

template <> struct BundleKind<FillAttributes> {
    enum { kBlock = tag_id::paint, kTint = tag_id::halfTone };
    static FillAttributes& holder(XmlContext& d) { return d.currentPaint; }
    static int readTint(XmlContext& d, int tag, GrayAttributes& screen) { return screen.readXmlWith(d, tag); }
};

} // namespace

template <class Bundle, class Tint> void DrawnInkBundle<Bundle, Tint>::assign(const Bundle* other)
{
    if (!other)
        return;
    draw.value = other->draw.value;
    colour.assign(other->colour);
    gray.assign(&other->gray);
}

template <class Bundle, class Tint>
int DrawnInkBundle<Bundle, Tint>::exchangeRecord(int mode, ElementRecordBuffer& buffer)
{
    if (mode == 1)
        return draw.exchangeRecord(1, buffer) && colour.exchangeRecord(1, buffer) && gray.exchangeRecord(1, buffer);
    if (mode != 3)
        return 0;
    DrawSwitch readSwitch = draw;
    InkColor readColour = colour;
    Tint readGray = gray;
    if (!readSwitch.exchangeRecord(3, buffer) || !readColour.exchangeRecord(3, buffer) ||
        !readGray.exchangeRecord(3, buffer))
        return 0;
    draw = readSwitch;
    colour = readColour;
    gray = readGray;
    return 1;
}

template <class Bundle, class Tint> int DrawnInkBundle<Bundle, Tint>::readXml(int endTag)
{
    XmlContext* d = XmlContext::current();
    return d ? readXmlWith(*d, endTag) : 0;
}

template <class Bundle, class Tint> int DrawnInkBundle<Bundle, Tint>::readEntityXml(XmlContext& document, int tagId)
{
    return readXmlWith(document, tagId);
}

template <class Bundle, class Tint> int DrawnInkBundle<Bundle, Tint>::readXmlWith(XmlContext& d, int endTag)
{
    xmlContext = &d;
    colour.xmlContext = &d;
    return readBlock(d, endTag, [this, &d](int id) {
        int ok = 1;
        if (id == tag_id::rgbColor || id == tag_id::cmykPercent)
            ok = colour.readXmlTag(id);
        else if (id == tag_id::draw)
            ok = draw.readXmlValue(d, id);
        else if (id == BundleKind<Bundle>::kTint)
            ok = BundleKind<Bundle>::readTint(d, id, gray);
        else
            return kChildNotMine;
        return ok ? kChildRead : kChildFailed;
    });
}

template <class Bundle, class Tint> int DrawnInkBundle<Bundle, Tint>::writeXml(XmlContext* writer)
{
    xmlContext = writer;
    if (!writer)
        return 0;
    const int block = BundleKind<Bundle>::kBlock;
    return writer->beginTag(block) && draw.writeXml(*writer, tag_id::draw) && colour.writeThroughHolder(writer) &&
           gray.writeXml(writer) && writer->endTag(block);
}

template <class Bundle, class Tint> int DrawnInkBundle<Bundle, Tint>::writeDrawOnly(XmlContext* writer) const
{
    if (!writer)
        return 0;
    const int block = BundleKind<Bundle>::kBlock;
    return writer->beginTag(block) && draw.writeXml(*writer, tag_id::draw) && writer->endTag(block);
}

template <class Bundle, class Tint> int DrawnInkBundle<Bundle, Tint>::writeFromHolder(const Bundle& other)
{
    assign(&other);
    const int ok = writeXml(xmlContext);
    if (xmlContext)
        xmlContext->currentColor.resetToWhite();
    return ok;
}

template <class Bundle, class Tint> int DrawnInkBundle<Bundle, Tint>::writeThroughHolder(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    Bundle& holder = BundleKind<Bundle>::holder(*context);
    holder.xmlContext = context;
    return holder.writeFromHolder(static_cast<const Bundle&>(*this));
}

template class DrawnInkBundle<EdgeAttributes, GrayValue>;
template class DrawnInkBundle<FillAttributes, GrayAttributes>;
