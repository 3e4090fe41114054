#pragma once

class Dialog;
class LayerTable;

// The controls of a common page: the name field, the owner-drawn list of the 256 layers and the
// list's scroll bar.
struct LayerListIds {
    int name;
    int list;
    int scroll;
};

// The common page of the tabbed dialogs: the layers of a layer table listed by number, the chosen
// one's name in the field. A click on the list shows the chosen row's name in the field; a changed
// field renames the chosen row (an empty field, or the row's own name, renames nothing). Every
// transfer skips a control the page lacks.
namespace layer_list_page {

void declare(Dialog& dialog, const LayerListIds& ids);
// The table's names as rows (as many as the list takes), `layer`'s row chosen and scrolled to and
// its name in the field (limited to a layer name's length).
void load(Dialog& dialog, const LayerListIds& ids, const LayerTable& table, int layer);
// Every row's name into the table; the chosen row, or -1 without one.
[[nodiscard]] int store(Dialog& dialog, const LayerListIds& ids, LayerTable& table);

// What an event of the page did.
enum Event { kNotMine, kListClicked, kFieldChanged };
// Handles a click on the list or a change of the field as said above.
[[nodiscard]] Event onEvent(Dialog& dialog, const LayerListIds& ids);

} // namespace layer_list_page
