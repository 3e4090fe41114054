#pragma once
#include "document/FileProgress.h"
#include "platform/ModelessDialog.h"

// The progress window of a file read or write: the modeless dialog "file in/out" with a progress
// bar and a Cancel button. The reader and writer step it as they go; each step lets one waiting
// message through, so the window stays alive and a click on Cancel arrives, which the reader and
// writer then find in cancelled().
//
// While it is shown it is the only window that takes input, as a modal dialog would be: its
// owner (the frame window unless one was given) is disabled from begin until the object goes,
// and its previous state is put back then. Mouse and keyboard messages of other windows are
// dropped by the steps, and a close request to another window waits until the window is gone,
// so that nothing closes or edits the drawing in the middle of its read or write.
class FileProgressWindow : public ModelessDialog, public FileProgress {
public:
    enum { kResource = 1544, kCancelButton = 2, kProgressBar = 15152 };

    explicit FileProgressWindow(int resourceId = kResource, int barId = kProgressBar);
    ~FileProgressWindow() override;

    // The first call shows the window; each sets the bar's range.
    void begin(int start, int total) override;
    void step(int position) override;
    [[nodiscard]] int cancelled() override { return cancelFlag; }
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

// A maker for makeFileProgress.
FileProgress* makeFileProgressWindow();
