// The display bodies that several kinds share: the picked repaint, the rotated preview and the
// run of a property dialog.
#include "dialogs/properties/PropertyDialog.h"
#include "elements/Element.h"
#include "elements/ElementShapeRunners.h"
#include "elements/VertexRoundingList.h"
#include "shapes/ShapeOp.h"
#include "views/ViewUpdater.h"

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

int runPropertyDialog(Element& e, PropertyDialog* dialog, int hasPrevious, int hasNext)
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

} // namespace shared_body
