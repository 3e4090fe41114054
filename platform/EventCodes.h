#pragma once
// Event codes: window messages turned into numbers, and the internal events of the program.

enum EventCode : int {
    EV_NONE = 0,

    // Window messages
    EV_ACTIVATE = 1010,
    EV_CLOSE = 3010,
    EV_DEACTIVATE = 9010,
    EV_KEY_DOWN = 11010,
    EV_KEY_UP = 11020,
    EV_MIDDLE_DOWN = 13010,
    EV_INIT_MENU = 13020,
    EV_MENU_COMMAND = 13030,
    EV_MOUSE_MOVE = 13040,
    EV_MOUSE_WHEEL = 13050,
    EV_LEFT_DOWN = 12010,
    EV_LEFT_DOWN_REPOST = 12020,
    EV_RIGHT_DOWN = 18010,
    EV_RIGHT_DOWN_REPOST = 18020,
    EV_HSCROLL = 19010,
    EV_VSCROLL = 19020,
    EV_PAINT = 21020,
    EV_SIZE = 23020,

    // Internal events
    EV_DOCUMENT_ACTIVATED = 6010,     // arg1: serial id of the document window
    EV_ACTIVE_DOCUMENT_CHANGED = 6030, // arg1: serial id of the new active document window
    EV_DOCUMENT_CLOSED = 6032,        // arg1: serial id of the document window to remove
    EV_PANE_CLOSE = 6034,             // arg1: serial id of the pane window
    EV_PANE_MOVE = 6040,              // arg1: serial id of the pane window
    EV_PANE_RESIZE = 6070,            // arg1: serial id, arg2: border code
    EV_DOCUMENT_DEACTIVATED = 6090,   // arg1: serial id of the document window
    EV_PANE_LEFT_PRESS = 6120,
    EV_PANE_RIGHT_PRESS = 6180,
    EV_CHILD_ACTIVATED = 6060,
    EV_IDLE = 6140,
    EV_TOOL_CONTEXT_MENU = 6160,      // the main frame shows the current tool's context menu
    EV_DEFERRED_COMMAND = 6190,
    EV_SHORTCUT_COMMAND = 6192,
    EV_CLOSE_REQUEST = 21010,
    EV_CLOSE_WINDOW = 7010,
    EV_CLOSE_WINDOW_IGNORED = 7020,
};

// Commands of the library's own frame menu and accelerators.
enum FrameCommand : int {
    CMD_FRAME_QUIT = 11001,
};
