// The property dialogs' common page (the layer list and the layer names), the vertex mark of the
// coordinate pages and the colour pick through a shared chooser.
#include "dialogs/properties/PropertyDialog.h"

#include "dialogs/properties/LayerListPage.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ShapeOp.h"
#include "document/ViewUpdater.h"
#include "geometry/InkColor.h"
#include "geometry/ViewParams.h"
#include "platform/ColorDialog.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "platform/Pen.h"

namespace {
// Half the side of the vertex mark, in pixels: a frame of 7 x 7 centred on the vertex.
constexpr int kMarkHalf = 3;
} // namespace

LayerListIds PropertyDialog::layerIds() const { return {layerNameEditId, layerListId, layerScrollId}; }

void PropertyDialog::declareCommonControls() { layer_list_page::declare(*this, layerIds()); }

void PropertyDialog::loadCommonPage()
{
    if (layerTable)
        layer_list_page::load(*this, layerIds(), *layerTable, element->getLayer());
}

void PropertyDialog::storeCommonPage()
{
    if (!layerTable)
        return;
    const int chosen = layer_list_page::store(*this, layerIds(), *layerTable);
    if (chosen >= 0)
        element->setLayer(chosen);
}

int PropertyDialog::onCommonPageEvent()
{
    return layer_list_page::onEvent(*this, layerIds()) != layer_list_page::kNotMine;
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
