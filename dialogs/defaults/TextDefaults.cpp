#include "document/TextDefaults.h"

#include "dialogs/defaults/DefaultsProtocol.h"
#include "dialogs/defaults/TextBatchDialog.h"
#include "dialogs/defaults/TextSettingsDialog.h"
#include "document/BatchFlags.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementKind.h"
#include "shapes/ArrowHeadStyle.h"

TextDefaults::TextDefaults() : TextBearingDefaults(flags, kFlagCount) {}

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

void TextDefaults::assignValues(const TextDefaults& other) { assignShared(other); }

void TextDefaults::assignBatch(const TextDefaults& other)
{
    TextBearingDefaults::assignBatch(other);
    (void)startPoint.copyFrom(&other.startPoint); // the owner comes along; always 1 for a point
    lean.assign(&other.lean);
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
    const batch_flags::Steps ticked(flags, r);
    // The plain text has no leader or arrow head: those setters leave it alone.
    if (ticked(kTextColourFlag))
        e->setColour(textColor);
    if (ticked(kLeaderColourFlag))
        e->setArrowLineColour(drawColor);
    if (ticked(kArrowColourFlag))
        e->setArrowHeadColour(arrowColor);
    applyLeaderSteps(*e, ticked, kLeaderStyleFlag, kLeaderWidthFlag);
    applyArrowSteps(*e, ticked, kArrowKindFlag);
    if (ticked(kStartXFlag))
        e->setStartX(startPoint);
    if (ticked(kStartYFlag))
        e->setStartY(startPoint);
    if (ticked(kRotationFlag))
        e->setRotationAngle(lean);
    return r;
}
