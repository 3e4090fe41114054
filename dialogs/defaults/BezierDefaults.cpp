#include "document/BezierDefaults.h"

#include "dialogs/defaults/BezierBatchDialog.h"
#include "dialogs/defaults/BezierSettingsDialog.h"
#include "dialogs/defaults/DefaultsProtocol.h"
#include "document/BatchFlags.h"
#include "document/Element.h"
#include "document/ElementKind.h"

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
    copyBatchFlags(flags, other.flags, kFlagCount);
    assignBatchBase(other);
}

void BezierDefaults::clearFlags() { clearBatchFlags(flags, kFlagCount); }

int BezierDefaults::anyFlagSet() const { return anyBatchFlag(flags, kFlagCount); }

int BezierDefaults::accepts(int kind) { return kind == kindCode(ElementKind::Bezier) ? 1 : 0; }

int BezierDefaults::apply(Element* e)
{
    if (!e)
        return 0;
    int r = applyLayer(e, 0);
    const batch_flags::Steps ticked(flags, r);
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
