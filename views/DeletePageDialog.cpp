#include "views/DeletePageDialog.h"

#include "platform/ControlKinds.h"
#include "resources/ids.h"

int DeletePageDialog::run() { return runModal(IDD_DELETE_PAGE); }

int DeletePageDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT:
        // A control that could not be declared is left to the system.
        (void)addControl(IDOK, KIND_PUSH_BUTTON);
        (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
        (void)addControl(IDC_DELETE_PAGE_BODY, KIND_CHECK_BUTTON);
        attachControls();
        (void)setCheck(IDC_DELETE_PAGE_BODY, deleteBody_); // declared above
        return Dialog::handleMessage();
    case DLG_CLICK:
    case DLG_COMMAND:
        if (getCommandId() != IDOK)
            break;
        deleteBody_ = isChecked(IDC_DELETE_PAGE_BODY, deleteBody_);
        setCurrentControlById(IDOK);
        end();
        return 1;
    default:
        break;
    }
    return Dialog::handleMessage();
}
