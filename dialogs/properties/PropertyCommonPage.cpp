// The property dialogs' common page (the layer list and the layer names), the vertex mark of the
// coordinate pages and the colour pick through a shared chooser.
#include "dialogs/properties/PropertyDialog.h"

#include "document/DocumentContext.h"
#include "document/LayerTable.h"
#include "elements/Element.h"
#include "geometry/InkColor.h"
#include "platform/ColorDialog.h"
#include "platform/ControlKinds.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "platform/Pen.h"
#include "shapes/ShapeOp.h"
#include "views/ViewParams.h"
#include "views/ViewUpdater.h"

namespace {
// Half the side of the vertex mark, in pixels: a frame of 7 x 7 centred on the vertex.
constexpr int kMarkHalf = 3;
} // namespace

void PropertyDialog::declareCommonControls()
{
    // Declaring fails only when memory ran out; the page then shows without the control, and
    // every use below looks for it first.
    (void)addControl(layerNameEditId, KIND_TEXT_EDIT);
    (void)addControl(layerListId, KIND_OWNER_DRAW_TREE);
    (void)addControl(layerScrollId, KIND_SCROLL_BAR);
}

void PropertyDialog::loadCommonPage()
{
    Control* name = findControl(layerNameEditId);
    Control* list = findControl(layerListId);
    Control* bar = findControl(layerScrollId);
    if (!name || !list || !bar || !layerTable)
        return;
    list->clear();
    (void)name->sendItemMessage(EM_LIMITTEXT, LayerRecord::kNameSize - 1, 0); // no answer to read
    const int layer = element->getLayer();
    int rows = 0;
    for (; rows < LayerTable::kLayerCount; ++rows) {
        if (!list->addItem(layerTable->nameOf(rows)))
            break; // the list cannot grow: the layers it holds are shown, and only they are stored
        if (rows == layer)
            (void)name->setText(layerTable->nameOf(rows)); // the field was found above
    }
    bar->bindToItem();
    bar->linkTo(list);
    if (layer >= 0 && layer < rows) {
        (void)list->select(layer); // repaints the list
        bar->setPosition(layer);   // scrolls the list so that the row shows
    }
}

void PropertyDialog::storeCommonPage()
{
    Control* list = findControl(layerListId);
    if (!list || !layerTable)
        return;
    const int chosen = list->getSelected();
    const int rows = list->itemCount();
    if (chosen >= 0 && chosen < rows && chosen < LayerTable::kLayerCount)
        element->setLayer(chosen);
    for (int n = 0; n < rows && n < LayerTable::kLayerCount; ++n) {
        char name[LayerRecord::kNameSize] = {};
        (void)list->getItemText(n, name, sizeof name); // n is a row; an empty row is an empty name
        layerTable->setName(n, name);
    }
}

int PropertyDialog::onCommonPageEvent()
{
    Control* list = findControl(layerListId);
    switch (event) {
    case DLG_COMMAND:
    case DLG_CLICK: {
        if (!currentControl || currentControl->id != layerListId)
            return 0;
        const int chosen = list ? list->getSelected() : -1;
        if (chosen >= 0) {
            char name[LayerRecord::kNameSize] = {};
            (void)list->getItemText(chosen, name, sizeof name); // the chosen row is a row
            // The field's change comes back at once and renames the row to its own name.
            (void)setText(layerNameEditId, name);
        }
        return 1;
    }
    case DLG_CHANGE: {
        if (getCommandId() != layerNameEditId)
            return 0;
        const int chosen = list ? list->getSelected() : -1;
        char name[LayerRecord::kNameSize] = {};
        // At most 79 bytes, never half a character, whatever the field was given.
        if (chosen >= 0 && getText(layerNameEditId, name, sizeof name) && name[0]) {
            (void)list->setItemText(chosen, name); // the chosen row is a row
            list->repaintRow(chosen);
        }
        return 1;
    }
    default:
        return 0;
    }
}

void PropertyDialog::markVertex(const Point& p)
{
    ViewParams* view = documentContext ? documentContext->view : nullptr;
    ViewUpdater* updater = documentContext ? documentContext->updater : nullptr;
    DeviceContext* surface = view && updater ? updater->surfaceForOperation(ShapeOp::ShowPicked) : nullptr;
    if (!surface)
        return;
    IntPoint device;
    view->worldToDeviceClamped(p.x, p.y, &device);
    updater->beginClip();
    surface->drawFrame(PenSpec(RgbColor(255, 0, 0)),
                       IntRect::fromEdges(device.x - kMarkHalf, device.y - kMarkHalf, device.x + kMarkHalf,
                                          device.y + kMarkHalf),
                       1);
    updater->endClip();
}

int PropertyDialog::pickColourWithColourChooser(int swatchId, ColorDialog& chooser, InkColor& colour)
{
    Control* swatch = findControl(swatchId);
    if (!swatch || !theColorChooser)
        return 0;
    chooser.copyCustomColors(*theColorChooser);
    chooser.RgbColor::assign(colour);
    swatch->setSource(&chooser);
    const int picked = swatch->chooseColour();
    theColorChooser->copyCustomColors(chooser);
    if (picked)
        colour.RgbColor::assign(chooser);
    swatch->repaint();
    return picked;
}
