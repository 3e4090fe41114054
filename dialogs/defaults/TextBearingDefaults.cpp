#include "document/TextBearingDefaults.h"

#include <initializer_list>
#include <new>

#include "dialogs/defaults/ColourKeys.h"
#include "dialogs/defaults/RecordValueChecks.h"
#include "document/Element.h"
#include "geometry/TagIds.h"
#include "shapes/ArrowHeadStyle.h"

using attribute_io::kChildFailed;
using attribute_io::kChildNotMine;
using attribute_io::kChildRead;

namespace {
// "TEXTCOLOR", "DRAWCOLOR", "ARROWCOLOR" and their ink keys, the same in both sections.
const ColourKeys kSharedColourKeys[] = {
    {15211, 15212, 15213, 15214}, {15412, 15415, 15418, 15421}, {15413, 15416, 15419, 15422}};
constexpr int kLayerKey = 15111;
} // namespace

TextBearingDefaults::TextBearingDefaults(IntValue* flags, int count)
    : arrowLine(new (std::nothrow) ArrowHeadStyle), kindFlags(flags), kindFlagCount(count)
{
    // Without the arrow head a new element keeps its own, and the files and dialogs pass it over.
    createFont();
}

TextBearingDefaults::~TextBearingDefaults() { delete arrowLine; }

void TextBearingDefaults::clearFlags()
{
    clearFontFlags();
    clearBatchFlags(kindFlags, kindFlagCount);
}

int TextBearingDefaults::anyFlagSet() const { return anyFontFlagSet() || anyBatchFlag(kindFlags, kindFlagCount); }

void TextBearingDefaults::assignBatch(const TextBearingDefaults& other)
{
    assignBatchBase(other);
    assignFontFlags(other);
    if (other.kindFlagCount == kindFlagCount)
        copyBatchFlags(kindFlags, other.kindFlags, kindFlagCount);
}

void TextBearingDefaults::inksFromRgbIfNone()
{
    for (InkColor* colour : {&textColor, &drawColor, &arrowColor, &drawLine.colour})
        colour->inksFromRgbIfNone();
    if (arrowLine)
        arrowLine->colour.inksFromRgbIfNone();
}

void TextBearingDefaults::assignShared(const TextBearingDefaults& other)
{
    layer.assign(&other.layer);
    textColor.assign(other.textColor);
    drawColor.assign(other.drawColor);
    arrowColor.assign(other.arrowColor);
    drawLine.assign(&other.drawLine);
    if (arrowLine)
        (void)arrowLine->copyFrom(other.arrowLine); // a missing source changes nothing
    fontInfo.copyFrom(other.fontInfo);
    font.assign(&other.font);
    syncFontName();
    syncFontStyle();
}

void TextBearingDefaults::applyLeaderSteps(Element& e, const batch_flags::Steps& ticked, int styleFlag,
                                           int widthFlag) const
{
    if (ticked(styleFlag))
        e.setArrowLineStyle(drawLine);
    if (ticked(widthFlag))
        e.setArrowLineWidth(drawLine);
}

void TextBearingDefaults::applyArrowSteps(Element& e, const batch_flags::Steps& ticked, int kindFlag) const
{
    if (!arrowLine)
        return;
    if (ticked(kindFlag))
        e.setArrowHeadStyle(*arrowLine);
    if (ticked(kindFlag + 1))
        e.setArrowHeadLineSize(*arrowLine);
    if (ticked(kindFlag + 2))
        e.setArrowHeadLength(*arrowLine);
    if (ticked(kindFlag + 3))
        e.setArrowHeadLean(*arrowLine);
}

int TextBearingDefaults::readSharedTag(XmlContext& d, int id)
{
    switch (id) {
    case tag_id::layer:
        return record_values::readLayerTag(d, id, layer);
    case tag_id::textColor:
        return record_values::readColourTag(d, id, textColor);
    case tag_id::drawColor:
        return record_values::readColourTag(d, id, drawColor);
    case tag_id::arrowColor:
        return record_values::readColourTag(d, id, arrowColor);
    case tag_id::font:
        return readFontXml(d, id) ? kChildRead : kChildFailed;
    case tag_id::drawLine:
        return record_values::readLeaderTag(d, id, drawLine);
    case tag_id::arrowLine:
        return arrowLine ? record_values::readArrowTag(d, id, *arrowLine) : kChildNotMine;
    default:
        return kChildNotMine;
    }
}

int TextBearingDefaults::readSharedSetting(SettingsFile& file)
{
    const int key = file.currentId();
    if (key == kLayerKey) {
        (void)layer.readSetting(file); // a layer outside 0..255 is not taken
        return 1;
    }
    if (key == kFontNameKey || key == kFontStyleKey || key == kFontSizeKey)
        return readFontSetting(file);
    InkColor* colours[] = {&textColor, &drawColor, &arrowColor};
    return colour_keys::read(file, colours, kSharedColourKeys, 3) || record_values::readLeaderSetting(file, drawLine) ||
           (arrowLine && record_values::readArrowSetting(file, *arrowLine));
}
