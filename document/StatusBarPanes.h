#pragma once
// An interface that this folder and those above call; a folder above implements it.

class DocumentContext;

// The status bar panes of a document window.
class StatusBarPanes {
public:
    virtual ~StatusBarPanes() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    // Shows a prompt in pane 2; null clears the pane.
    virtual void showInPane2(const char* text) { (void)text; }
    // Shows the cursor's drawing position (the mouse loops call it at every poll).
    virtual void showCursorPosition() {}
    // The progress indicator of long redraws, over the message part: a range, a value in it, and
    // the end of the display.
    virtual void beginProgress(int low, int high) { (void)low, (void)high; }
    virtual void setProgress(int value) { (void)value; }
    virtual void endProgress() {}
};
