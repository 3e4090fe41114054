// Scaling the selection about its middle by the factor of the scale dialog.
#include "views/tools/ElementScaler.h"

#include <cmath>
#include <vector>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"
#include "geometry/Point.h"
#include "platform/MathUtil.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/ScaleElementsDialog.h"
#include "views/tools/SelectTool.h"
#include "views/tools/ToolSupport.h"

ElementScaler::~ElementScaler() = default;

ElementScaler* ElementScaler::of(const DocumentContext* context)
{
    return context ? static_cast<ElementScaler*>(context->scaler) : nullptr;
}

void ElementScaler::setOwner(DocumentContext* owner) { context = owner; }

int ElementScaler::scales(double factor)
{
    return std::isfinite(factor) && factor >= kMinFactor && factor <= kMaxFactor && !MathUtil::isNearlyEqual(factor, 1.0);
}

void ElementScaler::runCommand()
{
    (void)scaleSelection(); // its answer is kept in lastResult, which applyScale reads
    (void)applyScale();     // 0 when the dialog was cancelled or nothing was to be scaled
}

int ElementScaler::scaleSelection()
{
    ScaleElementsDialog::Values values{factor, scaleLineWidths, scaleTextSizes};
    ScaleElementsDialog dialog(values);
    lastResult = dialog.run();
    if (lastResult == 1) {
        factor = values.factor;
        scaleLineWidths = values.lineWidths;
        scaleTextSizes = values.textSizes;
    }
    return lastResult;
}

int ElementScaler::applyScale()
{
    if (lastResult != 1 || !scales(factor) || !context)
        return 0;
    (void)context->settleTextInEdit();
    SelectTool* tool = SelectTool::of(context);
    ElementEditorBase* editor = context->editor3;
    Point lower, upper;
    if (!tool || !editor || !tool->getSelectionBounds(lower, upper))
        return 0;
    const std::vector<int> ids = tool_support::liveSelectedIds(context);
    if (ids.empty())
        return 0;
    centreX = (lower.x + upper.x) / 2.0;
    centreY = (lower.y + upper.y) / 2.0;
    centreZ = (lower.z + upper.z) / 2.0;
    const Point centre(centreX, centreY, centreZ);
    const int how = flags();
    if (!tool_support::canChangeAll(*editor, ids, [&](Element& e) { e.scale(factor, centre, how); }))
        return 0;
    UndoManager* undo = context->undoManager;
    if (undo)
        undo->beginElementZoom(static_cast<int>(ids.size()));
    int scaled = 0;
    for (int id : ids) {
        if (!editor->beginEdit(id))
            break;
        if (undo)
            undo->elementZoomBefore(id);
        editor->elementInHand()->scale(factor, centre, how);
        if (!editor->storeBack(id))
            break;
        if (undo)
            undo->elementZoomAfter(id);
        ++scaled;
    }
    // The record counts the pairs written: an element not taken leaves none behind.
    if (undo)
        undo->endElementZoom();
    if (context->updater) {
        context->updater->refreshAll();
        context->updater->repaint();
    }
    return scaled;
}
