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
    Ends,       // the user did something else: Esc, a press or a key in another window, a command
};

// `message` as fetched; `view` the view window; `inViewArea` 1 when the pointer lies in the
// drawing area of the view (not on its rulers).
[[nodiscard]] Act actOf(const MSG& message, HWND view, int inViewArea);

} // namespace UserPressRules
