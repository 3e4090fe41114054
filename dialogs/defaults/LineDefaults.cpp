#include "document/LineDefaults.h"

#include <new>

#include "dialogs/defaults/DefaultsProtocol.h"
#include "dialogs/defaults/LineBatchDialog.h"
#include "dialogs/defaults/LineSettingsDialog.h"
#include "document/BatchFlags.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementKind.h"
#include "shapes/BoxRules.h"
#include "shapes/CornerRounding.h"

LineDefaults::LineDefaults()
    : boxRules(new (std::nothrow) BoxRules), cornerRounding(new (std::nothrow) CornerRounding)
{
    // Without the rules or the radii the batch edit has none to give; nothing else needs them.
}

LineDefaults::~LineDefaults()
{
    delete boxRules;
    delete cornerRounding;
}

void LineDefaults::setOwner(DocumentContext* drawing)
{
    ElementDefaults::setOwner(drawing);
    startPoint.owner = drawing;
    endPoint.owner = drawing;
}

int LineDefaults::editSettings()
{
    return runSettingsProtocol<LineDefaults, LineSettingsDialog>(*this, theLineDefaults, "線画の設定");
}

int LineDefaults::batchEdit() { return runBatchProtocol<LineDefaults, LineBatchDialog>(*this, "線画の一括編集"); }

void LineDefaults::copyFrom(const LineDefaults* other)
{
    if (other)
        assignValues(*other);
}

void LineDefaults::assignValues(const LineDefaults& other)
{
    layer.assign(&other.layer);
    AreaDefaultValues::assignValues(other);
    lineSize.assign(&other.lineSize);
    lineType.LineStyle::assign(&other.lineType);
    lineOrigin.assign(&other.lineOrigin);
    lineCap.assign(&other.lineCap);
    if (boxRules)
        (void)boxRules->copyFrom(other.boxRules); // always 1; a missing source changes nothing
    if (cornerRounding)
        (void)cornerRounding->copyFrom(other.cornerRounding); // as above
}

void LineDefaults::assignBatch(const LineDefaults& other)
{
    copyBatchFlags(flags, other.flags, kFlagCount);
    assignBatchBase(other);
    (void)startPoint.copyFrom(&other.startPoint); // the owner comes along; always 1 for a point
    (void)endPoint.copyFrom(&other.endPoint);
    lean.assign(&other.lean);
}

void LineDefaults::clearFlags() { clearBatchFlags(flags, kFlagCount); }

int LineDefaults::anyFlagSet() const { return anyBatchFlag(flags, kFlagCount); }

int LineDefaults::accepts(int kind)
{
    switch (static_cast<ElementKind>(kind)) {
    case ElementKind::Line:
    case ElementKind::Breakline:
    case ElementKind::Spline:
    case ElementKind::Box:
    case ElementKind::Arc:
    case ElementKind::Circle:
    case ElementKind::Polygon:
    case ElementKind::Oval:
        return 1;
    default:
        return 0;
    }
}

int LineDefaults::apply(Element* e)
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
    if (ticked(kLineSizeFlag))
        e->setLineWidth(lineSize);
    if (ticked(kLineOriginFlag))
        e->setLinePosition(lineOrigin);
    if (ticked(kLineTypeFlag))
        e->setLineStyle(lineType);
    if (ticked(kLineCapFlag))
        e->setLineCap(lineCap);
    if (ticked(kEdgeDrawFlag))
        e->setEdgeDrawn(edge);
    if (ticked(kPaintDrawFlag))
        e->setFillDrawn(paint);
    if (ticked(kPatternFlag))
        e->setHatchPattern(pattern);
    if (ticked(kPatternPitch1Flag))
        e->setHatchPitch1(pattern);
    if (ticked(kPatternPitch2Flag))
        e->setHatchPitch2(pattern);
    if (ticked(kPaintGrayFlag)) {
        // The fill's screen travels in a fill: every field of it is given.
        FillAttributes screen;
        screen.setGradationFrom(paintGray);
        e->setFillGray(screen);
    }
    const int takeRules[2] = {flags[kRulesHorizontalFlag].value, flags[kRulesVerticalFlag].value};
    if (boxRules && (takeRules[0] || takeRules[1])) {
        e->setBoxRules(*boxRules, takeRules[0], takeRules[1]);
        r = 1;
    }
    const int takeCorners[4] = {flags[kCornerFlag1].value, flags[kCornerFlag2].value, flags[kCornerFlag3].value,
                                flags[kCornerFlag4].value};
    if (cornerRounding && (takeCorners[0] || takeCorners[1] || takeCorners[2] || takeCorners[3])) {
        e->setCornerRounding(*cornerRounding, takeCorners);
        r = 1;
    }
    if (ticked(kStartXFlag))
        e->setStartX(startPoint);
    if (ticked(kStartYFlag))
        e->setStartY(startPoint);
    if (ticked(kEndXFlag))
        e->setEndX(endPoint);
    if (ticked(kEndYFlag))
        e->setEndY(endPoint);
    if (ticked(kLeanFlag))
        e->setRotationAngle(lean);
    return r;
}
