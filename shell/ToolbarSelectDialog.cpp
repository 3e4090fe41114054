#include "shell/ToolbarSelectDialog.h"

#include "platform/ControlKinds.h"
#include "resources/ids.h"
#include "shell/panes/DockPane.h"
#include "shell/panes/WorkspaceLayout.h"

int ToolbarSelectDialog::run() { return runModal(IDD_TOOLBAR_SELECT); }

void ToolbarSelectDialog::fillList()
{
    // Declaring fails only when memory ran out (reported); 閉じる still ends the dialog.
    (void)addControl(IDOK, KIND_PUSH_BUTTON);
    (void)addControl(IDC_TOOLBAR_LIST, KIND_OWNER_DRAW_LIST);
    (void)addControl(IDC_TOOLBAR_SCROLL, KIND_SCROLL_BAR);
    (void)addControl(IDC_TOOLBAR_HINTS, KIND_CHECK_BUTTON);
    (void)addControl(IDC_TOOLBAR_DEFAULTS, KIND_PUSH_BUTTON);
    attachControls();
    Control* list = findControl(IDC_TOOLBAR_LIST);
    if (list) {
        list->clear();
        for (int i = 0; i < layout_.paneCount(); ++i) {
            const DockPane* pane = layout_.paneAt(i);
            if (!list->addItem(pane->position != DockPane::kHidden, pane->name))
                break; // the list cannot grow: the panes it holds are shown
        }
        if (Control* bar = findControl(IDC_TOOLBAR_SCROLL)) {
            bar->bindToItem();
            bar->linkTo(list);
        }
        list->repaint();
    }
    (void)setCheck(IDC_TOOLBAR_HINTS, layout_.hintWindow.enabled); // declared above
}

void ToolbarSelectDialog::refreshChecks()
{
    Control* list = findControl(IDC_TOOLBAR_LIST);
    if (!list)
        return;
    for (int i = 0; i < layout_.paneCount(); ++i)
        (void)list->setItemChecked(i, layout_.paneAt(i)->position != DockPane::kHidden); // 0 past the rows
    list->repaint();
}

void ToolbarSelectDialog::toggleClickedRow()
{
    Control* list = findControl(IDC_TOOLBAR_LIST);
    const int row = list ? list->getLastToggled() : -1;
    if (row < 0)
        return;
    layout_.togglePane(row);
    // The row shows what the pane is now, whatever the click did to the check.
    (void)list->setItemChecked(row, layout_.paneAt(row) && layout_.paneAt(row)->position != DockPane::kHidden);
    list->repaintRow(row);
}

int ToolbarSelectDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT:
        fillList();
        return 1;
    case DLG_PAINT:
        // The list paints outside WM_PAINT: it paints again over the dialog's own painting.
        refreshControls();
        return 0;
    case DLG_CLICK:
        if (currentControl && currentControl->id == IDC_TOOLBAR_LIST) {
            toggleClickedRow();
            return 1;
        }
        break;
    case DLG_COMMAND:
        switch (getCommandId()) {
        case IDC_TOOLBAR_DEFAULTS:
            layout_.resetToDefaults();
            refreshChecks();
            return 1;
        case IDOK:
        case IDCANCEL:
            // Esc and the close box close the dialog as 閉じる does: the panes changed at once,
            // so there is nothing to cancel.
            layout_.hintWindow.enabled = isChecked(IDC_TOOLBAR_HINTS, layout_.hintWindow.enabled);
            if (!layout_.hintWindow.enabled)
                layout_.hintWindow.hide();
            if (getCommandId() == IDCANCEL) {
                end(); // the dialog has no キャンセル button for the base handler to end it by
                return 1;
            }
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return Dialog::handleMessage();
}
