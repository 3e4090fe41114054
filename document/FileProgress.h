#pragma once

// The progress window of a file read or write, with its Cancel button. The document makes one
// for each read or write while its show-progress switch is on and a maker is installed.
class FileProgress {
public:
    virtual ~FileProgress() = default;

    // Shows the window with the bar's range.
    virtual void begin(int start, int total) = 0;
    // Moves the bar and keeps the window alive (lets waiting messages through); a step that
    // changes nothing the window shows may do nothing.
    virtual void step(int position) = 0;
    // 1 once the user pressed Cancel.
    [[nodiscard]] virtual int cancelled() = 0;
};

// Makes the progress window (dialogs/FileProgressWindow, installed at start-up); null: no window.
extern FileProgress* (*makeFileProgress)();
