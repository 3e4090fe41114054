#pragma once
#include "platform/Window.h"

class FrameWindow;

// The system's MDI client inside the frame: the parent of the document windows. It is laid out
// in the frame's client area less the status bar, the dock edges and a 2-pixel sunken border.
class MdiClientWindow : public Window {
public:
    // Creates the client in the frame (only when the application has a frame): control id 3244,
    // document windows numbered from 101, and the window list in the frame menu's pop-up at the
    // window-menu position p (GetSubMenu p - 1; none for p < 1).
    [[nodiscard]] int create(FrameWindow& frame);
    // Fits the client into the frame's free area; nothing before create().
    void resizeToFrame();
    // WM_MDIGETACTIVE.
    [[nodiscard]] HWND activeChildHandle() const;

    enum { kControlId = 3244, kFirstChildId = 101 };

    int created = 0;
    HMENU windowMenuFallback = nullptr;
    int firstChildId = kFirstChildId;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    FrameWindow* frame = nullptr;
};
