#pragma once
#include <windows.h>

// What a window message means to a tool that waits for the user's press in the view with nothing
// to start it again: the picture's mask tools, which the property sheet starts as it closes.
// Only the user's own acts end such a wait; what merely follows a closed dialog (painting,
// activation, timers, the pointer crossing other windows) does not.
namespace UserPressRules {

enum class Act {
    GoesOn,     // handled, and the wait goes on
    LeftPress,  // a left press in the view's area: the tool goes on from it
    RightPress, // a right press in the view: the wait ends as a right click
    Cancels,    // Esc: the wait ends, the key taken
    Ends,       // the user did something else (a press or a key in another window, a command, a
                // key with Ctrl or Alt): the wait ends and leaves it to be handled after the tool
};

// `message` as it waits to be fetched; `view` the view window; `inViewArea` 1 when the message's
// point lies in the drawing area of the view (not on its rulers); `commandKey` 1 while Ctrl or Alt
// is held, which makes a key a command.
[[nodiscard]] Act actOf(const MSG& message, HWND view, int inViewArea, int commandKey);

} // namespace UserPressRules
