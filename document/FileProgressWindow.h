#pragma once
#include "document/FileProgress.h"
#include "platform/ModelessDialog.h"

// The progress window of a file read or write: the modeless dialog "file in/out" with a progress
// bar and a Cancel button. The reader and writer step it as they go; each step lets one waiting
// message through, so the window stays alive and a click on Cancel arrives, which the reader and
// writer then find in cancelled().
class FileProgressWindow : public ModelessDialog, public FileProgress {
public:
    enum { kResource = 1544, kCancelButton = 2, kProgressBar = 15152 };

    explicit FileProgressWindow(int resourceId = kResource, int barId = kProgressBar);

    // The first call shows the window; each sets the bar's range.
    void begin(int start, int total) override;
    void step(int position) override;
    int cancelled() override { return cancelFlag; }
    int handleMessage() override;

private:
    int resourceId;
    int barId;
    int cancelFlag = 0;
};

// A maker for makeFileProgress.
FileProgress* makeFileProgressWindow();
