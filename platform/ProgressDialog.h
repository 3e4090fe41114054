#pragma once
#include <windows.h>

#include "platform/ModelessDialog.h"
#include "platform/TickTimer.h"

// The progress window of a long operation (reading or writing a drawing, printing, PDF export): a
// modeless dialog from a resource with a progress bar, a Cancel button (id 2) and a caption of its
// own. The operation shows it with begin, moves the bar with setPosition as it goes (once per
// element, say) and asks cancelled() between its steps. A step that changes the percentage the bar
// shows, or comes kPumpIntervalMs after the last one that did anything, moves the bar and lets the
// waiting messages through, so the window stays alive and a click on Cancel arrives; the other
// steps cost nothing (a message fetch is a round trip to the window server).
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
    // Moves the bar and keeps the window alive, when the step changes what the bar shows or
    // enough time passed since the last step that did.
    void setPosition(int position);
    // 1 once the user pressed Cancel.
    [[nodiscard]] int cancelled() const { return cancelFlag; }

    int handleMessage() override;
    int holdsBack(const MSG& message) override;

private:
    enum { kHeldCloses = 8 };
    // A step lets at most this many waiting messages through, and at least every this many
    // milliseconds one step does.
    enum { kMessagesPerStep = 64, kPumpIntervalMs = 50 };
    // The percentage shown before the first step of a range.
    static constexpr int kNotShown = -2;
    void disableOwner();
    void restoreOwner();

    int resourceId;
    int barId;
    // The bar's range and the percentage last shown.
    long long low = 0;
    long long high = 0;
    int shownPercent = kNotShown;
    TickTimer sinceLastPump;
    int cancelFlag = 0;
    HWND disabledOwner = nullptr;
    int ownerWasDisabled = 0;
    // Windows asked to close while the window was up, asked again when it goes.
    HWND heldCloses[kHeldCloses] = {};
    int heldCloseCount = 0;
};
