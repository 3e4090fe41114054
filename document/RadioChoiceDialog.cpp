#include "document/RadioChoiceDialog.h"

#include "platform/ControlKinds.h"

void RadioChoiceDialog::checkCurrent()
{
    for (int i = 0; i < count_; ++i) {
        if (choices_[i].value == value_)
            checkRadio(choices_[i].controlId);
        else
            uncheckRadio(choices_[i].controlId);
    }
}

int RadioChoiceDialog::handleMessage()
{
    if (event == DLG_INIT) {
        // Declaring fails only when memory ran out (reported); the dialog then still ends by
        // its buttons through the system.
        (void)addControl(IDOK, KIND_PUSH_BUTTON);
        (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
        for (int i = 0; i < count_; ++i)
            (void)addControl(choices_[i].controlId, KIND_RADIO_BUTTON);
        attachControls();
        checkCurrent();
        return Dialog::handleMessage();
    }
    if (event == DLG_COMMAND) {
        for (int i = 0; i < count_; ++i) {
            if (getCommandId() == choices_[i].controlId) {
                value_ = choices_[i].value;
                checkCurrent();
                return 1;
            }
        }
    }
    return Dialog::handleMessage();
}
