#include "document/DisplayControlState.h"

#include <cstring>

#include "document/DisplayControlDialog.h"
#include "document/DocumentContext.h"
#include "document/ElementIndexEntry.h"
#include "document/ElementKindColumns.h"
#include "document/LayerTable.h"
#include "document/ViewUpdater.h"

DisplayControlState::DisplayControlState()
{
    displayAllLayers();
    selectAllLayers();
    displayAllKinds();
    selectAllKinds();
}

void DisplayControlState::fill(unsigned char* flags, int size) { std::memset(flags, 1, static_cast<size_t>(size)); }

int DisplayControlState::layerTest(const unsigned char* flags, int layer)
{
    return layer < 0 || layer >= kLayers || flags[layer] != 0;
}

int DisplayControlState::kindTest(const unsigned char* flags, int kind)
{
    if (!ElementKindColumns::hasRegistry())
        return 0;
    const int column = ElementKindColumns::columnOf(kind);
    if (column < 0)
        return 1;
    return read(flags, kKindColumns, column) != 0;
}

int DisplayControlState::isDisplayed(const ElementIndexEntry& entry) const
{
    return isLayerDisplayed(entry.layer) && isKindDisplayed(entry.kind);
}

int DisplayControlState::isSelectable(const ElementIndexEntry& entry) const
{
    return isLayerSelectable(entry.layer) && isKindSelectable(entry.kind);
}

void DisplayControlState::copyFrom(const DisplayControlState& other)
{
    std::memcpy(layerDisplay, other.layerDisplay, sizeof layerDisplay);
    std::memcpy(kindDisplay, other.kindDisplay, sizeof kindDisplay);
    std::memcpy(layerSelect, other.layerSelect, sizeof layerSelect);
    std::memcpy(kindSelect, other.kindSelect, sizeof kindSelect);
    layerListPosition = other.layerListPosition;
}

void DisplayControlState::hideAuxiliaryLayer()
{
    savedAuxiliaryFlag = layerDisplay[kAuxiliaryLayer];
    layerDisplay[kAuxiliaryLayer] = 0;
}

void DisplayControlState::restoreAuxiliaryLayer() { layerDisplay[kAuxiliaryLayer] = savedAuxiliaryFlag; }

int DisplayControlState::runDialog()
{
    DisplayControlState edited;
    edited.copyFrom(*this);
    LayerTable names;
    if (theLayerTable)
        names.copyFrom(*theLayerTable);
    DisplayControlDialog dialog(edited, names, dialogPage);
    const int result = dialog.run();
    dialogPage = dialog.page();
    if (result != 1)
        return result;
    copyFrom(edited);
    if (theLayerTable)
        theLayerTable->copyFrom(names);
    // The navigator and the page bar show what the view shows: they are redrawn too (at the next
    // idle step), not only shown again.
    if (ViewUpdater* updater = owner ? owner->updater : nullptr) {
        updater->refreshViewFirst();
        updater->flushPainter();
    }
    return result;
}
