#pragma once

// Asking the main frame for a context menu. The frame builds the menu when its internal event
// arrives; the events are posted only once every mouse button is up, so that the release of the
// button that asked does not choose an item.
enum ContextMenuEvent : int {
    kToolMenuEvent = 6160,  // the current tool's menu
    kPageMenuEvent = 6162,  // the page bar's
    kPartsMenuEvent = 6163, // a parts pane's
};

// Waits (pumping messages) until no mouse button is held any more, then posts the event to the
// frame as a deferred command. The wait ends when the application quits; a queue that cannot
// take the event loses the menu only.
void postMenuRequest(int event);
void postPageMenuRequest();
void postPartsMenuRequest();

// The current tool's menu is asked for through the application shell, which installs its request
// function here at start-up; without it (tests, a drawing without a frame) no tool menu is asked
// for.
using ContextMenuRequest = void (*)();

// Installs a request function (null for none) and returns the one it replaces.
ContextMenuRequest setContextMenuRequest(ContextMenuRequest request);

// Runs the installed request; nothing when none is installed.
void requestContextMenu();
