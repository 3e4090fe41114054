#pragma once
#include "platform/Dialog.h"

// A dialog that chooses one value by radio buttons: OK (1) and キャンセル (2), and one radio
// button per value. At its start the button of the current value is checked (none for a value
// no button has); a click on a button makes its value the current one and checks it alone; OK
// and キャンセル end the dialog with their ids. The value lives with the caller.
class RadioChoiceDialog : public Dialog {
public:
    struct Choice {
        int controlId;
        int value;
    };

    RadioChoiceDialog(int& value, const Choice* choices, int count) : value_(value), choices_(choices), count_(count) {}

    [[nodiscard]] int handleMessage() override;

private:
    void checkCurrent();

    int& value_;
    const Choice* choices_;
    int count_;
};
