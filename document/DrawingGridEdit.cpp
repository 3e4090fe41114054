// The grid edited by the user: グリッドの設定 on a copy, and the origin placed by mouse afterwards.
#include "document/ContextMenuRequest.h"
#include "document/DocumentContext.h"
#include "document/DrawingGrid.h"
#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "document/GridSettingsDialog.h"
#include "document/PopupMenuList.h"
#include "document/SelectToolBase.h"
#include "document/ViewUpdater.h"
#include "geometry/DrawPoint.h"
#include "geometry/MouseLoopResult.h"
#include "geometry/ViewParams.h"
#include "platform/MouseState.h"

namespace {

void repaintGrid(DocumentContext* owner)
{
    if (ViewUpdater* updater = owner ? owner->updater : nullptr) {
        updater->refreshAll();
        updater->invalidateView();
    }
}

// A left click that completes a double click opens the context menu while the application has one.
int isContextMenuDoubleClick()
{
    return theMouseState && theMouseState->isDoubleClick() && thePopupMenuList;
}

} // namespace

int DrawingGrid::editSettings()
{
    // A cancelled dialog leaves every field as it was, the pick waiting included; an accepted one
    // sets the pick anew.
    const int pickBefore = pendingPick;
    pendingPick = kNoPick;
    updateDisplayOrigin();

    DrawingGrid copy;
    copy.assign(this);
    copy.owner = owner;
    GridSettingsDialog dialog;
    dialog.setSettings(&copy);
    int page = lastPage;
    const int result = dialog.run(page);
    copy.yUnits.copyFrom(&copy.xUnits);

    const int unitChanged = copy.xUnitId() != xUnitId();
    switch (result) {
    case 1:
        if (unitChanged)
            passOnUnitChange(copy.xUnitId());
        copy.updateOriginFromDisplay();
        assign(&copy);
        if (theGridDefaults)
            theGridDefaults->assign(this);
        break;
    case kPickElementResult:
    case kPickClickResult:
        if (unitChanged)
            passOnUnitChange(copy.xUnitId());
        assign(&copy);
        pendingPick = result == kPickElementResult ? kPickElementPoint : kPickClick;
        break;
    default:
        pendingPick = pickBefore;
        break;
    }
    if (page == 0 || page == 1)
        lastPage = page;
    if (result == 1 || result == kPickElementResult || result == kPickClickResult) {
        // The drawing file keeps its grid: closing asks to save it.
        if (owner)
            (void)owner->markModified(); // answers the change count
        repaintGrid(owner);
    }
    return result;
}

int DrawingGrid::mouseOperation()
{
    // Without a pick asked for, the wait still takes the click, so a right click opens the menu.
    runPendingPick();
    return 1;
}

void DrawingGrid::runPendingPick()
{
    ViewParams* view = owner ? owner->view : nullptr;
    const int pick = pendingPick;
    // One pick per request of the dialog, however the wait ends.
    pendingPick = kNoPick;
    if (!view)
        return;
    const int click = view->waitClick(0);
    if (click == loopCode(MouseLoopResult::RightClick)) {
        requestContextMenu();
        return;
    }
    if (click != loopCode(MouseLoopResult::LeftClick))
        return;
    if (isContextMenuDoubleClick()) {
        requestContextMenu();
        return;
    }
    if (pick != kPickClick && pick != kPickElementPoint)
        return;
    DrawPoint point;
    point.owner = owner;
    if (!view->mouseWorldXY(point.x, point.y))
        return;
    if (pick == kPickElementPoint) {
        SelectToolBase* tool = owner->selectTool;
        ElementEditorBase* editor = owner->editor3;
        if (!tool || !editor)
            return;
        tool->setPickBoxAtMouse();
        const int id = tool->findInPickBox();
        Element* element = id >= 1 && editor->beginEdit(id) ? editor->elementInHand() : nullptr;
        if (!element || !element->snapToNearestPoint(&point))
            return;
    }
    // Only a point of the drawing becomes the origin.
    if (!isAcceptedValue(point.x) || !isAcceptedValue(point.y))
        return;
    xOrigin = point.x;
    yOrigin = point.y;
    updateDisplayOrigin();
    (void)owner->markModified(); // the file keeps the origin; answers the change count
    if (theGridDefaults)
        theGridDefaults->assign(this);
    // The origin's mark is drawn with the page: the page is drawn again, not only shown.
    repaintGrid(owner);
}
