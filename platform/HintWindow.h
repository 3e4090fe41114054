#pragma once
#include "platform/IntPoint.h"
#include "platform/IntRect.h"
#include "platform/TickTimer.h"
#include "platform/Window.h"

// The tooltip of the workspace. Its owner, the workspace layout, tells it the screen rectangle of
// the button under the mouse (setToolRect on every mouse move, so the timer measures how long the
// mouse rests) and, on idle, the cursor and the text (onMouseMove). Resting 500 ms over a
// rectangle shows the text below the cursor; it goes after 3000 ms or when the mouse leaves, and
// comes back only after the mouse has been over another rectangle. Times are read from the
// program clock.
//
// The text is drawn once when the hint is shown; the window class keeps no paint procedure of
// its own (CS_SAVEBITS keeps it while something passes over it).
class HintWindow : public Window {
public:
    enum : DWORD { kShowAfterMs = 500, kHideAfterMs = 3000 };

    HintWindow() = default;
    // Hides and destroys the window.
    ~HintWindow() override;

    // A different rectangle hides the hint and lets it be shown again; the timer restarts.
    void setToolRect(const IntRect& rect);
    // The mouse rests at `point` over `rect` (screen pixels): leaving the tool rectangle hides the
    // hint; a shown hint hides after its time; otherwise a text is shown after the delay.
    void onMouseMove(const IntPoint& point, const IntRect& rect, const char* text);
    // While the hint waits, idle events keep coming (the pump does not block, it waits briefly).
    void showAfterDelay(const IntPoint& point, const char* text);
    void hideAfterTimeout();
    // Shows the text at once, at `point`'s x and below the cursor and the tool rectangle.
    void show(const IntPoint& point, const char* text);
    void hide();

    // "ON" or "OFF", as the settings file keeps it.
    void enabledText(char* buffer, int size) const;
    // "ON" and "OFF" set the switch (1); any other text changes nothing (0).
    [[nodiscard]] int parseEnabled(const char* text);

    // The window of class "<application class>Hint", owned by the frame's MDI client; 1 when it
    // exists.
    [[nodiscard]] int createWindow();
    void destroyWindow();

    int created = 0;
    int enabled = 1;
    int visible = 0;
    // The hint was shown for the current tool rectangle.
    int shownOnce = 0;
    TickTimer timer;
    IntRect toolRect;
    int fontSelected = 0;
};
