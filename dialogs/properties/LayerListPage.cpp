#include "dialogs/properties/LayerListPage.h"

#include <cstring>

#include "document/LayerTable.h"
#include "platform/ControlKinds.h"
#include "platform/Dialog.h"

namespace layer_list_page {

void declare(Dialog& dialog, const LayerListIds& ids)
{
    // Declaring fails only when memory ran out; the page then shows without the control, and
    // every use below looks for it first.
    (void)dialog.addControl(ids.name, KIND_TEXT_EDIT);
    (void)dialog.addControl(ids.list, KIND_OWNER_DRAW_TREE);
    (void)dialog.addControl(ids.scroll, KIND_SCROLL_BAR);
}

void load(Dialog& dialog, const LayerListIds& ids, const LayerTable& table, int layer)
{
    Control* name = dialog.findControl(ids.name);
    Control* list = dialog.findControl(ids.list);
    Control* bar = dialog.findControl(ids.scroll);
    if (!name || !list || !bar)
        return;
    list->clear();
    (void)name->sendItemMessage(EM_LIMITTEXT, LayerRecord::kNameSize - 1, 0); // no answer to read
    int rows = 0;
    for (; rows < LayerTable::kLayerCount; ++rows) {
        if (!list->addItem(table.nameOf(rows)))
            break; // the list cannot grow: the layers it holds are shown, and only they are stored
        if (rows == layer)
            (void)name->setText(table.nameOf(rows)); // the field was found above
    }
    bar->bindToItem();
    bar->linkTo(list);
    if (layer >= 0 && layer < rows) {
        (void)list->select(layer); // repaints the list
        bar->setPosition(layer);   // scrolls the list so that the row shows
    }
}

int store(Dialog& dialog, const LayerListIds& ids, LayerTable& table)
{
    Control* list = dialog.findControl(ids.list);
    if (!list)
        return -1;
    const int rows = list->itemCount();
    for (int n = 0; n < rows && n < LayerTable::kLayerCount; ++n) {
        char name[LayerRecord::kNameSize] = {};
        (void)list->getItemText(n, name, sizeof name); // n is a row; an empty row is an empty name
        table.setName(n, name);
    }
    const int chosen = list->getSelected();
    return chosen >= 0 && chosen < rows && chosen < LayerTable::kLayerCount ? chosen : -1;
}

Event onEvent(Dialog& dialog, const LayerListIds& ids)
{
    Control* list = dialog.findControl(ids.list);
    const int chosen = list ? list->getSelected() : -1;
    switch (dialog.event) {
    case DLG_COMMAND:
    case DLG_CLICK: {
        if (!dialog.currentControl || dialog.currentControl->id != ids.list)
            return kNotMine;
        if (chosen >= 0) {
            char name[LayerRecord::kNameSize] = {};
            (void)list->getItemText(chosen, name, sizeof name); // the chosen row is a row
            // The field's change comes back at once and finds the row's own name: no rename.
            (void)dialog.setText(ids.name, name);
        }
        return kListClicked;
    }
    case DLG_CHANGE: {
        if (dialog.getCommandId() != ids.name)
            return kNotMine;
        char typed[LayerRecord::kNameSize] = {};
        char row[LayerRecord::kNameSize] = {};
        // At most 79 bytes, never half a character, whatever the field was given.
        if (chosen >= 0 && dialog.getText(ids.name, typed, sizeof typed) && typed[0] &&
            list->getItemText(chosen, row, sizeof row) && std::strcmp(typed, row) != 0) {
            (void)list->setItemText(chosen, typed); // the chosen row is a row
            list->repaintRow(chosen);
        }
        return kFieldChanged;
    }
    default:
        return kNotMine;
    }
}

} // namespace layer_list_page
