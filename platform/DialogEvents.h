#pragma once
// Dialog event codes: what a dialog message means to a dialog's handleMessage.

enum DialogEvent : int {
    DLG_NONE = 0,
    DLG_CLOSE = 301,             // WM_CLOSE
    DLG_DOUBLE_CLICK = 401,      // a list's double-click
    DLG_INIT = 901,              // WM_INITDIALOG
    DLG_CHANGE = 902,            // an edit's text or a combo's edit field changed
    DLG_EDIT_FOCUS = 903,        // an edit field took the focus
    DLG_COMMAND = 904,           // a button, or any other command notification
    DLG_EDIT_FOCUS_LOST = 1105,  // an edit field lost the focus
    DLG_CLICK = 1201,            // a click on an owner-drawn control
    DLG_OTHER_CLICK = 1202,      // any other click on the dialog
    DLG_NOTIFY = 1401,           // WM_NOTIFY other than a tab change
    DLG_SCROLL = 1901,           // a scroll-bar control scrolled
    DLG_COMMAND_ZERO = 1902,     // WM_COMMAND with wParam 0
    DLG_SELECTION = 1903,        // a list or combo selection changed
    DLG_TAB_CHANGE = 2001,       // TCN_SELCHANGE
    DLG_PAINT = 2101,            // WM_PAINT
};
