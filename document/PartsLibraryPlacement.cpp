// Placing the current part into a drawing: by numbers, by mouse with a preview on the overlay,
// and through the placement dialog.
#include <cmath>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "document/ElementIdSet.h"
#include "document/ElementRefusal.h"
#include "document/ElementStore.h"
#include "document/PartsLibrary.h"
#include "document/PlacePartDialog.h"
#include "document/SelectToolBase.h"
#include "document/Selection.h"
#include "document/ShapeOp.h"
#include "document/UndoManager.h"
#include "document/ViewUpdater.h"
#include "geometry/ViewParams.h"
#include "platform/MemoryProbe.h"
#include "platform/MessageBoxes.h"

namespace {

// The memory the low-memory warning asks to be left after a placement.
const long long kMemoryReserve = 100000;

// Puts a selection back as it was: `ids` in the select tool's mode `mode`.
void reselect(SelectToolBase& tool, GlobalBlock& ids, int mode)
{
    tool.clearSelection();
    if (mode == 0 || ids.count < 1)
        return;
    tool.setSelectionMode(mode);
    for (int i = 0; i < ids.count; ++i) {
        int32_t id = 0;
        if (!ids.get(i, &id))
            break;
        if (mode == 1)
            tool.selectSingle(id);
        else
            tool.addToSelection(id);
    }
}

} // namespace

int PartsLibrary::placeAt(DocumentContext* drawing, double x, double y)
{
    SelectToolBase* tool = DocumentContext::selectToolOf(drawing);
    ElementEditorBase* editor = DocumentContext::toolEditorOf(drawing);
    if (!tool || !editor || !std::isfinite(x) || !std::isfinite(y) || !loadCurrentPart())
        return 0;
    ElementStore* part = loadedContext->ownStore;
    const int count = part && part->pageTable ? part->pageTable->getCount(1) : 0;
    if (count < 1)
        return 0;
    placementOffset = Point(x - origin.x, y - origin.y, 0.0);

    // The selection before, for the undo record (taken before it is cleared) and for a placement
    // that places nothing.
    GlobalBlock before(100, 4);
    const int modeBefore = tool->selectionMode();
    (void)selectedIdsOf(drawing, before); // the count is in the block
    UndoManager* undo = drawing->undoManager;
    if (undo) {
        undo->flushPending();
        undo->captureSelection();
    }
    tool->clearSelection();
    if (undo)
        undo->beginPartPlacement();

    // One new group for the placement; groups inside the part become new groups of their own.
    ElementIdSet* groups = drawing->idSet;
    const int group = groups ? groups->nextGroupId() : 0;
    if (groups)
        groups->initGroupMap();
    tool->setSelectionMode(count == 1 ? 1 : 2);
    const int page = drawing->currentPage();
    int placed = 0;
    int refused = 0;
    int id = part->pageTable->getFirst(1);
    // The count bounds the walk, so that a damaged chain cannot loop.
    for (int i = 0; i < count && id >= 1; ++i) {
        ElementIndexEntry entry;
        if (!part->getEntry(id, &entry))
            break;
        int taken;
        {
            OverrideStoreScope fromPart(part);
            taken = editor->beginEdit(id);
        }
        Element* element = taken ? editor->elementInHand() : nullptr;
        if (!element)
            break;
        element->translate(placementOffset.x, placementOffset.y, 0.0);
        element->page = page;
        element->group = element->group >= 1 && groups ? groups->remapGroup(element->group) : group;
        const int newId = editor->addToPage();
        id = entry.pageNext;
        if (newId < 1) {
            refused = 1; // skipped; the others are placed
            continue;
        }
        if (count == 1)
            tool->selectSingle(newId);
        else
            tool->addToSelection(newId);
        ++placed;
    }
    if (groups)
        groups->clearGroupMap();
    if (refused)
        showElementsRefused();

    if (placed < 1) {
        if (undo)
            undo->flushPending(); // drops the open placement record
        reselect(*tool, before, modeBefore);
        return 0;
    }
    if (undo)
        undo->endPartPlacement();
    if (!isMemoryAvailable(kMemoryReserve))
        showErrorBox("メモリーの残りがわずかです。", "保存して終了して下さい。");
    // The element in hand follows a single selection; one that cannot be taken is only not held.
    if (tool->selectionMode() == 1)
        (void)editor->beginEdit(tool->firstSelectedId());
    // The placed elements show their marks, as a new element drawn by a tool does.
    if (drawing->updater) {
        drawing->updater->refreshAll();
        drawing->updater->repaint();
    }
    return 1;
}

void PartsLibrary::drawPreview(DocumentContext* drawing, double x, double y)
{
    ElementEditorBase* editor = DocumentContext::toolEditorOf(drawing);
    ViewUpdater* updater = drawing ? drawing->updater : nullptr;
    SelectToolBase* tool = DocumentContext::selectToolOf(drawing);
    if (!editor || !updater || !tool || !loadCurrentPart())
        return;
    ElementStore* part = loadedContext->ownStore;
    const int count = part && part->pageTable ? part->pageTable->getCount(1) : 0;
    // The part goes over the page as the window shows it, the selection's marks included (the
    // last placement's among them).
    tool->drawMarksOnOverlay();
    int id = count > 0 ? part->pageTable->getFirst(1) : 0;
    for (int i = 0; i < count && id >= 1; ++i) {
        ElementIndexEntry entry;
        if (!part->getEntry(id, &entry))
            break;
        int taken;
        {
            OverrideStoreScope fromPart(part);
            taken = editor->beginEdit(id);
        }
        Element* element = taken ? editor->elementInHand() : nullptr;
        if (!element)
            break;
        element->translate(x - origin.x, y - origin.y, 0.0);
        // Every kind's shape draws itself on the overlay; the creation figures of most kinds
        // draw nothing outside their own input.
        if (Element* shape = element->self)
            (void)shape->execute(ShapeOp::RubberBand, 0.0, 0.0, 0.0);
        id = entry.pageNext;
    }
    updater->flushOverlay();
}

int PartsLibrary::placeByMouse(DocumentContext* drawing, int buttonHeld)
{
    ViewParams* view = drawing ? drawing->view : nullptr;
    if (!view || !loadCurrentPart())
        return 0;
    IntPoint device;
    IntPoint drawn;
    int left = 0;
    int press = 0;
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    int chosen = 0;
    int first = 1;
    // The part follows the pointer until the user's own press in the view, or, dragged in from
    // the parts pane, until the button is let go. A press or a key elsewhere ends the placement
    // and is handled after it: a press on the pane chooses a part, it places none.
    while (view->nextUserStep(device, left, press)) {
        if (press == 2)
            break;
        view->deviceToWorld(device, &x, &y, &z);
        if (first || device.x != drawn.x || device.y != drawn.y) {
            drawPreview(drawing, x, y); // the steps where the pointer rests draw nothing new
            drawn = device;
            first = 0;
        }
        if (buttonHeld ? !left : press == 1) {
            chosen = 1;
            break;
        }
    }
    // The preview goes; the selection keeps its marks.
    if (drawing->updater)
        drawing->updater->repaint();
    return chosen ? placeAt(drawing, x, y) : 0;
}

int PartsLibrary::place(DocumentContext* drawing)
{
    if (!drawing)
        return 0;
    PlacePartDialog dialog(*this, drawing);
    if (dialog.run() != IDOK)
        return 0;
    placementMode = dialog.mode;
    if (placementMode == kByNumbers)
        return placeAt(drawing, dialog.target.x, dialog.target.y);
    return placeByMouse(drawing, 0);
}
