#pragma once
#include <windows.h>

#include "platform/IntPoint.h"
#include "platform/TickTimer.h"

class Window;

// The one caret of the application, for in-place editing of text that may lie at any angle.
// Along the four axis directions it is the system caret; at any other angle the caret is drawn
// here with an exclusive-or fill and blinks from the pump's idle events. It also puts the input
// method's composition window at the caret and takes the keyboard focus for the edited window.
//
// The caret starts at `position` (client coordinates of the edited window), runs `height` pixels
// along `direction` and is `width` pixels thick across it.
class TextCaret {
public:
    TextCaret() = default;
    ~TextCaret();
    TextCaret(const TextCaret&) = delete;
    TextCaret& operator=(const TextCaret&) = delete;

    void setPosition(const IntPoint& p) { position = p; }
    [[nodiscard]] int x() const { return position.x; }
    [[nodiscard]] int y() const { return position.y; }
    void setSize(int newWidth, int newHeight) { width = newWidth; height = newHeight; }
    void setDirection(double newDx, double newDy) { dx = newDx; dy = newDy; }
    // The direction for text turned by `degrees`: the unit vector at degrees + 270, so (0, 1)
    // (downwards on the screen) for unturned text.
    void setAngle(double degrees);

    void attach(Window* editedWindow);
    // Lets the pump block again.
    void detach();
    void moveTo(Window* editedWindow, const IntPoint& p);
    void activate();
    void deactivate();
    void show();
    // Called from the idle handling of the edited text: takes the focus and blinks the drawn
    // caret.
    void refresh();
    void takeFocus();
    [[nodiscard]] HWND windowHandle() const;

    // Drawn or system caret, decided from the direction.
    void chooseMode();
    void createSystemCaret();
    void destroySystemCaret();
    void updatePosition();
    // Draws the caret with an exclusive-or fill; drawing it again removes it.
    void drawCaret();
    void startBlink();
    void stopBlink();
    void blinkStep();

    // The drawn caret is on for this long, then off for the other.
    enum { kVisibleMs = 600, kHiddenMs = 300 };

    TickTimer blinkTimer;
    int drawnMode = 0;
    int drawnVisible = 0;
    IntPoint position;
    int width = 2;
    int height = 15;
    double dx = 0.0;
    double dy = 1.0;
    Window* window = nullptr;     // the edited window; not owned
    int focusAllowed = 1;
    int systemCaretCreated = 0;
    int reserved = 0;
};

extern TextCaret* theTextCaret;
