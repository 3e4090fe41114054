#pragma once

class PaneWindow;
class Window;
struct IntRect;

// The arrangement of the dock panes in the frame's client area, as the class library calls it.
// The application provides it (held by `Application::workspaceLayout`, null until created): the
// frame hands it the pane events (close, move, resize, presses, idle, scroll) and asks it for the
// four dock edges, a pane window passes on mouse moves and right presses, and the application
// has it hide its hint window.
class PaneLayout {
public:
    virtual ~PaneLayout() = default;

    virtual void closePane(int serial) = 0;
    virtual void beginMovePane(int serial) = 0;
    virtual void beginResizePane(int serial, int borderCode) = 0;
    virtual void onLeftPress() = 0;
    virtual void onRightPress() = 0;
    virtual void onRightPressOnPane(PaneWindow* pane, int hitResult) = 0;
    virtual void onIdle() = 0;
    virtual void onMouseMove() = 0;
    virtual void onScroll() = 0;
    virtual void paint() = 0;
    // Width or height taken by the panes docked on that side, 0 when none.
    [[nodiscard]] virtual int topEdge() = 0;
    [[nodiscard]] virtual int leftEdge() = 0;
    [[nodiscard]] virtual int rightEdge() = 0;
    [[nodiscard]] virtual int bottomEdge() = 0;
    // Hides the hint window the layout owns.
    virtual void hideHint() = 0;
    // The navigator pane's window and its client rectangle; null (and `client` untouched) while
    // the navigator is not shown.
    [[nodiscard]] virtual Window* navigatorPane(IntRect& client)
    {
        (void)client;
        return nullptr;
    }
};
