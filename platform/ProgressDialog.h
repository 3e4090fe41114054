#pragma once
#include <windows.h>

#include "platform/ModelessDialog.h"

// The progress window of a long operation (reading or writing a drawing, printing, PDF export): a
// modeless dialog from a resource with a progress bar, a Cancel button (id 2) and a caption of its
// own. The operation shows it with begin, moves the bar with setPosition as it goes and asks
// cancelled() between its steps; each step lets one waiting message through, so the window stays
// alive and a click on Cancel arrives.
//
// While it is shown it is the only window that takes input, as a modal dialog would be: its
// owner (the frame window unless one was given) is disabled from begin until the object goes,
// and its previous state is put back then. Mouse and keyboard messages of other windows are
// dropped by the steps, and a close request to another window waits until the window is gone,
// so that nothing closes or edits the drawing in the middle of the operation.
//
// Without its resource there is no window: the steps then pump nothing (messages of other
// windows would be handled in the middle of the operation) and the operation cannot be cancelled.
class ProgressDialog : public ModelessDialog {
public:
    enum { kCancelButton = 2 };

    // The caption (at most 79 bytes) replaces the resource's own; placedAtScreenCentre places the
    // window at the screen's centre instead of the cursor's.
    ProgressDialog(int resourceId, int barId, const char* caption, int placedAtScreenCentre);
    ~ProgressDialog() override;

    // The first call shows the window; each sets the bar's range.
    void begin(int low, int high);
    // setRange without showing a window that is not up.
    void setRange(int low, int high);
    // Keeps the window alive (one pending message) and moves the bar.
    void setPosition(int position);
    // 1 once the user pressed Cancel.
    [[nodiscard]] int cancelled() const { return cancelFlag; }

    int handleMessage() override;
    int holdsBack(const MSG& message) override;

private:
    enum { kHeldCloses = 8 };
    void disableOwner();
    void restoreOwner();

    int resourceId;
    int barId;
    int cancelFlag = 0;
    HWND disabledOwner = nullptr;
    int ownerWasDisabled = 0;
    // Windows asked to close while the window was up, asked again when it goes.
    HWND heldCloses[kHeldCloses] = {};
    int heldCloseCount = 0;
};
