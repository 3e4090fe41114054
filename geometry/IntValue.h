#pragma once
#include "platform/DialogCheckBoxes.h"

// One 32-bit integer bound to a check box of a dialog: flags of the batch-edit records and
// switches of the settings records move between the record and their check box through it.
class IntValue {
public:
    IntValue() = default;
    // Sets the value to 1 and shows it in the check box at once.
    IntValue(DialogCheckBoxes* dialog, int id);

    // 0 when there is no such control (or no dialog), else 1.
    [[nodiscard]] int writeToControl(DialogCheckBoxes* dialog, int id) const;
    [[nodiscard]] int readFromControl(DialogCheckBoxes* dialog, int id);

    int value = 0;
};
