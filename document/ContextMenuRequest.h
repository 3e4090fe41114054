#pragma once

// Asking the main frame for the context menu of the current tool. The menu and the event that
// builds it belong to the application shell, which installs its request function here at
// start-up; without it (tests, a drawing without a frame) no context menu is asked for.
using ContextMenuRequest = void (*)();

// Installs a request function (null for none) and returns the one it replaces.
ContextMenuRequest setContextMenuRequest(ContextMenuRequest request);

// Runs the installed request; nothing when none is installed.
void requestContextMenu();
