#include "dialogs/defaults/TextDefaults.h"

#include <new>

#include "dialogs/defaults/DefaultsProtocol.h"
#include "dialogs/defaults/TextBatchDialog.h"
#include "document/DocumentContext.h"
#include "dialogs/defaults/TextSettingsDialog.h"
#include "elements/ArrowHeadStyle.h"
#include "elements/Element.h"
#include "elements/ElementKind.h"

TextDefaults::TextDefaults() : arrowLine(new (std::nothrow) ArrowHeadStyle)
{
    // Without the arrow head a new leader text keeps its own, and nothing else needs it.
    createFont();
}

TextDefaults::~TextDefaults() { delete arrowLine; }

void TextDefaults::setOwner(DocumentContext* drawing)
{
    FontDefaultsBase::setOwner(drawing);
    startPoint.owner = drawing;
}

int TextDefaults::editSettings()
{
    return runSettingsProtocol<TextDefaults, TextSettingsDialog>(*this, theTextDefaults, "テキストの設定");
}

int TextDefaults::batchEdit() { return runBatchProtocol<TextDefaults, TextBatchDialog>(*this, "テキストの一括編集"); }

void TextDefaults::copyFrom(const TextDefaults* other)
{
    if (other)
        assignValues(*other);
}

void TextDefaults::assignValues(const TextDefaults& other)
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

void TextDefaults::assignBatch(const TextDefaults& other)
{
    assignBatchBase(other);
    assignFontFlags(other);
    for (int i = 0; i < kFlagCount; ++i)
        flags[i].value = other.flags[i].value;
    (void)startPoint.copyFrom(&other.startPoint); // the owner comes along; always 1 for a point
    lean.assign(&other.lean);
}

void TextDefaults::clearFlags()
{
    applyLayerFlag.value = 0;
    clearFontFlags();
    for (IntValue& flag : flags)
        flag.value = 0;
}

int TextDefaults::anyFlagSet() const
{
    if (applyLayerFlag.value || anyFontFlagSet())
        return 1;
    for (const IntValue& flag : flags)
        if (flag.value)
            return 1;
    return 0;
}

int TextDefaults::accepts(int kind)
{
    return kind == kindCode(ElementKind::Text) || kind == kindCode(ElementKind::TextLine);
}

int TextDefaults::apply(Element* e)
{
    if (!e)
        return 0;
    int r = applyFontTo(e, applyLayer(e, 0));
    auto ticked = [&](Flag flag) {
        if (!flags[flag].value)
            return false;
        r = 1;
        return true;
    };
    // The plain text has no leader or arrow head: those setters leave it alone.
    if (ticked(kTextColourFlag))
        e->setColour(textColor);
    if (ticked(kLeaderColourFlag))
        e->setArrowLineColour(drawColor);
    if (ticked(kArrowColourFlag))
        e->setArrowHeadColour(arrowColor);
    if (ticked(kLeaderStyleFlag))
        e->setArrowLineStyle(drawLine);
    if (ticked(kLeaderWidthFlag))
        e->setArrowLineWidth(drawLine);
    if (arrowLine) {
        if (ticked(kArrowKindFlag))
            e->setArrowHeadStyle(*arrowLine);
        if (ticked(kArrowSizeFlag))
            e->setArrowHeadLineSize(*arrowLine);
        if (ticked(kArrowLengthFlag))
            e->setArrowHeadLength(*arrowLine);
        if (ticked(kArrowLeanFlag))
            e->setArrowHeadLean(*arrowLine);
    }
    if (ticked(kStartXFlag))
        e->setStartX(startPoint);
    if (ticked(kStartYFlag))
        e->setStartY(startPoint);
    if (ticked(kRotationFlag))
        e->setRotationAngle(lean);
    return r;
}
