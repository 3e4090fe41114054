#pragma once
#include "document/FileProgress.h"
#include "platform/ProgressDialog.h"

// The progress window of a file read or write: the modeless dialog "file in/out" with a progress
// bar and a Cancel button, which the reader and writer step as they go (see ProgressDialog for
// how it keeps the rest of the program from taking input meanwhile).
class FileProgressWindow : public ProgressDialog, public FileProgress {
public:
    enum { kResource = 1544, kProgressBar = 15152 };

    explicit FileProgressWindow(int resourceId = kResource, int barId = kProgressBar)
        : ProgressDialog(resourceId, barId, "file in/out", 0)
    {
    }

    void begin(int start, int total) override { ProgressDialog::begin(start, total); }
    void step(int position) override { setPosition(position); }
    [[nodiscard]] int cancelled() override { return ProgressDialog::cancelled(); }
};

// A maker for makeFileProgress.
FileProgress* makeFileProgressWindow();
