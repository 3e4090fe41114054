#pragma once

class FrameWindow;

// The owner the clipboard calls need: they open the clipboard with the main frame window, so for
// one scope a hidden frame is created and installed as the application's frame (the application
// object must exist), and the clipboard is emptied.
//
//     TestApplication app;
//     ClipboardOwner owner;
//     ASSERT_TRUE(owner.ready());
class ClipboardOwner {
public:
    ClipboardOwner();
    ~ClipboardOwner();
    ClipboardOwner(const ClipboardOwner&) = delete;
    ClipboardOwner& operator=(const ClipboardOwner&) = delete;

    // The frame has its window and the clipboard was emptied.
    [[nodiscard]] bool ready() const { return ready_; }

private:
    FrameWindow* frame_;
    FrameWindow* previous_;
    bool ready_ = false;
};
