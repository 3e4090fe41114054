#include "dialogs/defaults/BezierDefaults.h"

#include "dialogs/defaults/BezierBatchDialog.h"
#include "dialogs/defaults/BezierSettingsDialog.h"
#include "dialogs/defaults/DefaultsProtocol.h"
#include "elements/Element.h"
#include "elements/ElementKind.h"

int BezierDefaults::editSettings()
{
    return runSettingsProtocol<BezierDefaults, BezierSettingsDialog>(*this, theBezierDefaults, "ベジェの設定");
}

int BezierDefaults::batchEdit() { return runBatchProtocol<BezierDefaults, BezierBatchDialog>(*this, "ベジェの一括編集"); }

void BezierDefaults::copyFrom(const BezierDefaults* other)
{
    if (other)
        assignValues(*other);
}

void BezierDefaults::assignValues(const BezierDefaults& other)
{
    layer.assign(&other.layer);
    AreaDefaultValues::assignValues(other);
}

void BezierDefaults::assignBatch(const BezierDefaults& other)
{
    for (int i = 0; i < kFlagCount; ++i)
        flags[i].value = other.flags[i].value;
    assignBatchBase(other);
}

void BezierDefaults::clearFlags()
{
    applyLayerFlag.value = 0;
    for (IntValue& flag : flags)
        flag.value = 0;
}

int BezierDefaults::anyFlagSet() const
{
    if (applyLayerFlag.value)
        return 1;
    for (const IntValue& flag : flags)
        if (flag.value)
            return 1;
    return 0;
}

int BezierDefaults::accepts(int kind) { return kind == kindCode(ElementKind::Bezier) ? 1 : 0; }

int BezierDefaults::apply(Element* e)
{
    if (!e)
        return 0;
    int r = applyLayer(e, 0);
    auto ticked = [&](Flag flag) {
        if (!flags[flag].value)
            return false;
        r = 1;
        return true;
    };
    if (ticked(kEdgeColorFlag))
        e->setLineColour(edgeColor);
    if (ticked(kPaintColorFlag))
        e->setFillColour(paintColor);
    if (ticked(kPatternColorFlag))
        e->setHatchColour(patternColor);
    if (ticked(kEdgeDrawFlag))
        e->setEdgeDrawn(edge);
    if (ticked(kPaintDrawFlag))
        e->setFillDrawn(paint);
    if (ticked(kPatternFlag))
        e->setHatchPattern(pattern);
    if (ticked(kPatternSpaceXFlag))
        e->setHatchPitch1(pattern);
    if (ticked(kPatternSpaceYFlag))
        e->setHatchPitch2(pattern);
    if (ticked(kPaintGrayFlag)) {
        // The fill's screen travels in a fill: every field of it is given.
        FillAttributes screen;
        screen.setGradationFrom(paintGray);
        e->setFillGray(screen);
    }
    return r;
}
