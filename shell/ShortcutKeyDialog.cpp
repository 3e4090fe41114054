#include "shell/ShortcutKeyDialog.h"

#include <initializer_list>

#include "platform/ControlKinds.h"
#include "resources/ids.h"
#include "shell/ShortcutKeyTable.h"

int ShortcutKeyDialog::run() { return runModal(IDD_SHORTCUT_KEYS); }

void ShortcutKeyDialog::fill()
{
    // Declaring fails only when memory ran out (reported); OK and Cancel still end the dialog.
    (void)addControl(IDOK, KIND_PUSH_BUTTON);
    (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
    (void)addControl(IDC_SHORTCUT_KEYS, KIND_OWNER_DRAW_TREE);
    (void)addControl(IDC_SHORTCUT_LABELS, KIND_OWNER_DRAW_TREE);
    (void)addControl(IDC_SHORTCUT_SCROLL, KIND_SCROLL_BAR);
    (void)addControl(IDC_SHORTCUT_COMMAND, KIND_COMBO_BOX);
    (void)addControl(IDC_SHORTCUT_UNBIND, KIND_PUSH_BUTTON);
    (void)addControl(IDC_SHORTCUT_RESET, KIND_PUSH_BUTTON);
    attachControls();
    if (Control* combo = findControl(IDC_SHORTCUT_COMMAND)) {
        (void)combo->reset();
        for (int i = 0; i < commands_.count(); ++i) {
            ShortcutCommandList::Entry entry;
            if (commands_.entryAt(i, entry))
                (void)combo->addString(entry.label); // a combo that cannot grow offers what it took
        }
        (void)combo->select(commands_.current + 1); // the combo counts its items from 1
    }
    Control* keys = findControl(IDC_SHORTCUT_KEYS);
    if (keys) {
        keys->clear();
        for (int i = 0; i < table_.count(); ++i) {
            ShortcutKeyTable::Record record;
            char name[ShortcutKeyTable::kNameSize] = {};
            if (table_.recordAt(i, record))
                ShortcutKeyTable::keyName(record.shift, record.ctrl, record.key, name, sizeof name);
            if (!keys->addItem(name))
                break; // the list cannot grow: the keys it holds can still be bound
        }
    }
    fillLabels();
    Control* labels = findControl(IDC_SHORTCUT_LABELS);
    if (keys && labels) {
        keys->linkTo(labels);
        if (Control* bar = findControl(IDC_SHORTCUT_SCROLL)) {
            bar->bindToItem();
            bar->linkTo(keys);
        }
    }
    (void)enableControl(IDC_SHORTCUT_UNBIND, 0); // no row is selected yet
    if (keys)
        keys->repaint();
}

void ShortcutKeyDialog::fillLabels()
{
    Control* labels = findControl(IDC_SHORTCUT_LABELS);
    if (!labels)
        return;
    const int selected = labels->getSelected();
    labels->clear();
    for (int i = 0; i < table_.count(); ++i) {
        ShortcutKeyTable::Record record = {};
        (void)table_.recordAt(i, record); // in range: it cannot fail
        if (!labels->addItem(record.label))
            break;
    }
    (void)labels->select(selected);
}

int ShortcutKeyDialog::selectedRow()
{
    Control* keys = findControl(IDC_SHORTCUT_KEYS);
    const int row = keys ? keys->getSelected() : -1;
    return row >= 0 && row < table_.count() ? row : -1;
}

void ShortcutKeyDialog::selectRow(int row)
{
    for (int id : {IDC_SHORTCUT_KEYS, IDC_SHORTCUT_LABELS})
        if (Control* list = findControl(id))
            (void)list->select(row);
    (void)enableControl(IDC_SHORTCUT_UNBIND, row >= 0);
}

void ShortcutKeyDialog::bindChosenCommand()
{
    Control* combo = findControl(IDC_SHORTCUT_COMMAND);
    const int chosen = combo ? combo->getSelection() - 1 : -1; // the combo counts from 1
    ShortcutCommandList::Entry entry;
    if (chosen < 0 || !commands_.entryAt(chosen, entry))
        return;
    commands_.current = chosen;
    const int row = selectedRow();
    if (row < 0 || !table_.bind(row, entry.command, entry.label))
        return; // no row, or a system key
    if (Control* labels = findControl(IDC_SHORTCUT_LABELS)) {
        (void)labels->setItemText(row, entry.label);
        labels->repaintRow(row);
    }
}

void ShortcutKeyDialog::unbindSelected()
{
    const int row = selectedRow();
    if (row < 0 || !table_.bind(row, 0, " "))
        return; // a system key stays as it is
    if (Control* labels = findControl(IDC_SHORTCUT_LABELS)) {
        (void)labels->setItemText(row, " ");
        labels->repaintRow(row);
    }
}

int ShortcutKeyDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT:
        fill();
        return Dialog::handleMessage();
    case DLG_PAINT:
        // The lists paint outside WM_PAINT: they paint again over the dialog's own painting.
        refreshControls();
        return 0;
    case DLG_CLICK:
        if (currentControl && (currentControl->id == IDC_SHORTCUT_KEYS || currentControl->id == IDC_SHORTCUT_LABELS)) {
            selectRow(currentControl->getSelected());
            return 1;
        }
        break;
    case DLG_SELECTION:
        // The event goes to the control commanded last; the message names the combo itself.
        if (getCommandId() == IDC_SHORTCUT_COMMAND) {
            bindChosenCommand();
            return 1;
        }
        break;
    case DLG_COMMAND:
        switch (getCommandId()) {
        case IDC_SHORTCUT_UNBIND:
            unbindSelected();
            return 1;
        case IDC_SHORTCUT_RESET:
            table_.unbindAll();
            fillLabels();
            if (Control* labels = findControl(IDC_SHORTCUT_LABELS))
                labels->repaint();
            return 1;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return Dialog::handleMessage();
}
