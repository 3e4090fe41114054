#pragma once

// What a value bound to a check box needs of a dialog: the check state of its control with a
// given id. Each returns 0 when the dialog has no control with that id, else 1.
class DialogCheckBoxes {
public:
    virtual int setCheckById(int id, int checked) = 0;
    [[nodiscard]] virtual int getCheckById(int id, int* checked) = 0;

protected:
    ~DialogCheckBoxes() = default;
};
