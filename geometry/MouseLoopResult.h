#pragma once

// What a mouse loop answers: the view's click wait, the point input, the select, move and rotate
// tools, the creation steps and the elements' own mouse input. The loops answer these as plain
// numbers (callers and the loops' owners compare them), so the values stay as they are.
enum class MouseLoopResult : int {
    Ended = -1,       // the wait ended: tracking cancelled, the application quits
    LeftClick = 11,   // the left button went down; an edit by mouse is done
    Released = 12,    // the left button came up after a drag
    DoubleClick = 15, // a second click inside the double-click time; a creation step is over
    RightClick = 21,  // the right button went down; the context menu is asked for
    Key = 31,         // a key interrupted the loop
};

// The number a loop answers with.
constexpr int loopCode(MouseLoopResult result) { return static_cast<int>(result); }
