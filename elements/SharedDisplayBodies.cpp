// The display bodies that several kinds share: the picked repaint, the rotated preview, the
// run of a property dialog and the leader and arrow-head setters.
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementKind.h"
#include "document/PropertyDialogPlacement.h"
#include "document/ShapeOp.h"
#include "document/ViewUpdater.h"
#include "elements/ElementShapes.h"
#include "elements/VertexRoundingList.h"
#include "geometry/DrawLineAttribute.h"
#include "geometry/FontAttributes.h"
#include "geometry/InkColor.h"
#include "shapes/ArrowHeadStyle.h"

namespace {
// The overlay margin around a picked element, in pixels.
constexpr int kPickedMargin = 4;
} // namespace

namespace shared_body {

void repaintPicked(Element& e)
{
    e.computeExtent(0);
    if (!e.viewUpdater() || !e.viewParams())
        return;
    e.growSavedExtent();
    e.restoreOverlay(e.savedExtentMin, e.savedExtentMax, kPickedMargin);
    e.forwardOp(ShapeOp::RubberBand);
    e.showOverlay(e.savedExtentMin, e.savedExtentMax, kPickedMargin);
    e.saveExtent();
    e.clipToView();
    e.showPicked();
    e.resetClip();
}

void drawRotatedPreview(Element& e, double angle, double centreX, double centreY, double fourth)
{
    const double offset[3] = {0.0, 0.0, 0.0};
    const double rotation[4] = {angle, centreX, centreY, fourth};
    (void)runElementShape(e, ShapeOp::RotatedPreview, offset, rotation); // a preview that cannot be drawn shows nothing
}

int runShapeAt(Element& e, int operation, double x, double y, double z)
{
    const double offset[3] = {x, y, z};
    return runElementShape(e, operation, offset, nullptr);
}

void showAllExtentHandles(Element& e)
{
    e.measureHandlesExtent();
    e.handleFlags.setAll();
    e.drawHandleMarks();
}

void markTwoPoints(Element& e)
{
    if (e.firstPoint() && e.secondPoint()) {
        e.drawPointMark(ShapeOp::ShowPicked, *e.firstPoint());
        e.drawPointMark(ShapeOp::ShowPicked, *e.secondPoint());
    }
}

int runPropertyDialog(Element& e, ElementPropertyDialog* dialog, int hasPrevious, int hasNext)
{
    ViewUpdater* updater = e.viewUpdater();
    (void)e.erase(); // nothing to erase without a view
    if (updater) {
        updater->setSkippedId(e.id);
        updater->setInEditMark(1);
        updater->flushPainter();
    }
    int result = 0;
    if (dialog) {
        dialog->bind(&e);
        result = dialog->run(hasPrevious, hasNext);
        delete dialog;
    }
    if (updater) {
        updater->setSkippedId(-1);
        updater->setInEditMark(0);
    }
    return result;
}

ElementPropertyDialog* makePropertyDialog(Element& e, ElementKind kind)
{
    PropertyDialogPlacement* placement = e.context ? e.context->propertyPlacement : nullptr;
    return placement ? placement->makeDialog(kindCode(kind)) : nullptr;
}

// --- the leader and arrow-head setters of the dimensions and the leader text ---

void setLeaderColour(Element& e, const InkColor& value)
{
    if (e.arrowLine())
        e.arrowLine()->setColor(value);
}

void setHeadColour(Element& e, const InkColor& value)
{
    if (e.arrowHead())
        e.arrowHead()->setColour(value);
}

void setFontFace(Element& e, const FontAttributes& value)
{
    if (e.font())
        e.font()->setFaceNameAndLookup(value.faceName);
}

void setFontStyle(Element& e, const FontAttributes& value)
{
    if (e.font())
        e.font()->style = value.style;
}

void setFontSize(Element& e, const FontAttributes& value)
{
    if (e.font())
        e.font()->size = value.size;
}

void setLeaderStyle(Element& e, const DrawLineAttribute& value)
{
    if (e.arrowLine())
        e.arrowLine()->style = value.style;
}

void setLeaderWidth(Element& e, const DrawLineAttribute& value)
{
    if (e.arrowLine())
        e.arrowLine()->width = value.width;
}

void setHeadKind(Element& e, const ArrowHeadStyle& value)
{
    if (e.arrowHead())
        e.arrowHead()->copyKind(&value);
}

void setHeadLineSize(Element& e, const ArrowHeadStyle& value)
{
    if (e.arrowHead())
        e.arrowHead()->copyLineSize(&value);
}

void setHeadLength(Element& e, const ArrowHeadStyle& value)
{
    if (e.arrowHead())
        e.arrowHead()->copyLength(&value);
}

void setHeadLean(Element& e, const ArrowHeadStyle& value)
{
    if (e.arrowHead())
        e.arrowHead()->copyLean(&value);
}

} // namespace shared_body
