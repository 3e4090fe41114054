#pragma once
// Interface header: the run-and-result protocol of the element property dialogs.

class Element;

// The base of the element property dialogs: each is made, bound to one element and run on it,
// as a rule told whether a previous and a next element of the selection exist. The element's
// editProperties answers the run's result.
class PropertyDialog {
public:
    // The results of a run.
    enum Result : int {
        kCancelled = 0,
        kOk = 1,
        kSheetAction1 = 9901, // the sheet's extra buttons (the picture's actions) 9901..9904
        kSheetAction4 = 9904,
        kPrevious = 15092,    // previous / next through the selection, 15092..15095
        kNextLast = 15095,
    };

    virtual ~PropertyDialog() = default;

    // Binds the dialog to the element it edits (not owned).
    virtual void bind(Element* element) = 0;
    // Runs the dialog modally; one of the results above.
    [[nodiscard]] virtual int run(int hasPrevious, int hasNext) = 0;
};
