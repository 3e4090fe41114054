#include "platform/ButtonControls.h"

int setButtonCheck(Control& control, int checked)
{
    if (!control.isAttached())
        return 0;
    return CheckDlgButton(control.ownerWindow(), control.id, checked ? BST_CHECKED : BST_UNCHECKED) ? 1 : 0;
}

int isButtonChecked(Control& control)
{
    if (!control.isAttached())
        return 0;
    return IsDlgButtonChecked(control.ownerWindow(), control.id) == BST_CHECKED ? 1 : 0;
}

int CheckButton::setCheck(int flag) { return setButtonCheck(*this, flag); }
int CheckButton::check() { return setButtonCheck(*this, 1); }
int CheckButton::uncheck() { return setButtonCheck(*this, 0); }
int CheckButton::isChecked() { return isButtonChecked(*this); }

int RadioButton::check() { return setButtonCheck(*this, 1); }
int RadioButton::uncheck() { return setButtonCheck(*this, 0); }
int RadioButton::isChecked() { return isButtonChecked(*this); }
