#pragma once
#include "platform/Control.h"

// Kind 201: a push button whose label the dialog may change.
class PushButton : public Control {
public:
    int setLabel(const char* text) override { return setItemText(text); }
};

// Kind 301: a check box, read and set through the dialog's button state. A dialog class that
// wants to react to a toggle overrides onToggle.
class CheckButton : public Control {
public:
    // Checks for a non-zero flag, else unchecks.
    int setCheck(int flag) override;
    int check() override;
    int uncheck() override;
    // 1 for BST_CHECKED.
    [[nodiscard]] int isChecked() override;
    void onToggle() override {}
    void onCommand() override { onToggle(); }
};

// Kind 1801: a radio button. Unchecking the other buttons of its group is the caller's work.
class RadioButton : public Control {
public:
    int check() override;
    int uncheck() override;
    [[nodiscard]] int isChecked() override;
};

// The button state of a dialog item (check boxes and radio buttons share it).
int setButtonCheck(Control& control, int checked);
[[nodiscard]] int isButtonChecked(Control& control);
