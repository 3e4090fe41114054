// The colour's blocks of the drawing file: "rgbColor" with r, g, b, or "cmykPercent" with c, m,
// y, k, an optional "overPrint" block of the plates that are on, and "useInk".
#include "geometry/AttributeIo.h"
#include "geometry/InkColor.h"
#include "geometry/TagIds.h"
#include "geometry/XmlContext.h"
#include "platform/StringUtil.h"

using namespace attribute_io;

namespace {

// The plate tags in plate order: "c", "m", "y", "k", then "1" .. "5" for the spot inks.
const int kPlateTags[InkColor::kPlates] = {tag_id::c,  tag_id::m,  tag_id::y,  tag_id::k, tag_id::_1,
                                           tag_id::_2, tag_id::_3, tag_id::_4, tag_id::_5};
const int kInkTags[4] = {tag_id::c, tag_id::m, tag_id::y, tag_id::k};

int indexOf(const int* tags, int count, int id)
{
    for (int i = 0; i < count; ++i)
        if (tags[i] == id)
            return i;
    return -1;
}

// "ON" or "OFF" into a switch; any other text fails the read.
int readSwitchText(XmlContext& d, int tag, int& target)
{
    char text[80];
    if (!d.readQuoted(text, sizeof text))
        return 0;
    if (StringUtil::equals(text, "ON"))
        target = 1;
    else if (StringUtil::equals(text, "OFF"))
        target = 0;
    else
        return 0;
    return d.expectTag(tag);
}

} // namespace

int InkColor::readXmlTag(int tag)
{
    if (tag != tag_id::rgbColor && tag != tag_id::cmykPercent)
        return 1;
    if (!xmlContext)
        return 0;
    return tag == tag_id::rgbColor ? readRgbBlock(*xmlContext) : readCmykBlock(*xmlContext);
}

int InkColor::readXml(XmlContext* context, int endTag)
{
    xmlContext = context;
    if (!context)
        return 0;
    return readBlock(*context, endTag, [this](int id) {
        if (id == tag_id::rgbColor || id == tag_id::cmykPercent)
            return readXmlTag(id) ? kChildRead : kChildFailed;
        return kChildNotMine;
    });
}

int InkColor::readEntityXml(XmlContext& document, int tagId)
{
    xmlContext = &document;
    return readXmlTag(tagId);
}

int InkColor::readRgbBlock(XmlContext& d)
{
    return readBlock(d, tag_id::rgbColor, [this, &d](int id) {
        int channel = id == tag_id::r ? 0 : id == tag_id::g ? 1 : id == tag_id::b ? 2 : -1;
        if (channel < 0)
            return kChildNotMine;
        int value = 0;
        if (!d.readInt(value))
            return kChildFailed;
        int rgb[3];
        getRgbArray(rgb);
        rgb[channel] = value;
        setRgbAndInks(rgb[0], rgb[1], rgb[2]);
        return d.expectTag(id) ? kChildRead : kChildFailed;
    });
}

int InkColor::readCmykBlock(XmlContext& d)
{
    clearOverprint();
    int work[4];
    getInks(work);
    const int ok = readBlock(d, tag_id::cmykPercent, [this, &d, &work](int id) {
        const int ink = indexOf(kInkTags, 4, id);
        if (ink >= 0)
            return readIntValue(d, id, work[ink]) ? kChildRead : kChildFailed;
        if (id == tag_id::overPrint)
            return readOverprintBlock(d) ? kChildRead : kChildFailed;
        if (id == tag_id::useInk) {
            char text[80];
            if (!readQuotedValue(d, id, text, sizeof text))
                return kChildFailed;
            (void)setInkFromKeyword(text); // another text keeps the ink
            return kChildRead;
        }
        return kChildNotMine;
    });
    if (ok)
        setInks(work);
    return ok;
}

int InkColor::readOverprintBlock(XmlContext& d)
{
    return readBlock(d, tag_id::overPrint, [this, &d](int id) {
        if (id == tag_id::onOff)
            return readSwitchText(d, id, overprint) ? kChildRead : kChildFailed;
        const int plate = indexOf(kPlateTags, kPlates, id);
        if (plate >= 0)
            return readSwitchText(d, id, plateMarks[plate]) ? kChildRead : kChildFailed;
        return kChildNotMine;
    });
}

int InkColor::writeXml()
{
    if (!xmlContext)
        return 0;
    return colorModel() == 3 ? writeCmykBlock(*xmlContext) : writeRgbBlock(*xmlContext);
}

int InkColor::writeXml(XmlContext* context)
{
    xmlContext = context;
    return writeXml();
}

int InkColor::writeXmlFrom(XmlContext* context, const InkColor& other)
{
    assign(other);
    return writeXml(context);
}

int InkColor::writeXmlCopyOf(const InkColor& other)
{
    assign(other);
    return writeXml();
}

int InkColor::writeThroughHolder(XmlContext* context)
{
    xmlContext = context;
    if (!context)
        return 0;
    InkColor& holder = context->currentColor;
    holder.assign(*this);
    return holder.writeXml(context);
}

int InkColor::writeRgbBlock(XmlContext& d)
{
    return d.beginTag(tag_id::rgbColor) && d.writeIntTag(tag_id::r, getRed()) && d.writeIntTag(tag_id::g, getGreen()) &&
           d.writeIntTag(tag_id::b, getBlue()) && d.endTag(tag_id::rgbColor);
}

int InkColor::writeCmykBlock(XmlContext& d)
{
    if (!d.beginTag(tag_id::cmykPercent))
        return 0;
    for (int i = 0; i < 4; ++i)
        if (!d.writeIntTag(kInkTags[i], inks[i]))
            return 0;
    // Overprint is stored only together with a plate that is on; files rely on this layout.
    if (overprint && !hasNoPlateOverprint()) {
        if (!d.beginTag(tag_id::overPrint) || !d.writeStringTag(tag_id::onOff, "ON"))
            return 0;
        for (int i = 0; i < kPlates; ++i)
            if (plateMarks[i] && !d.writeStringTag(kPlateTags[i], "ON"))
                return 0;
        if (!d.endTag(tag_id::overPrint))
            return 0;
    }
    char keyword[16];
    if (!inkNumberKeyword(keyword, sizeof keyword))
        return 0;
    return d.writeStringTag(tag_id::useInk, keyword) && d.endTag(tag_id::cmykPercent);
}
