#pragma once
#include <functional>
#include <windows.h>

// Dispatches every message of this thread's queue until none is left; returns the number
// dispatched. A WM_QUIT is put back so that the code under test still sees it.
int pumpUntilIdle(int maxMessages = 10000);

// Delivers the application's queued internal events (CurrentEvent) and this thread's messages,
// round after round, until neither has anything left (at most 100 rounds).
void settleEventsAndMessages();

// Dispatches messages until the condition holds or the time runs out (real milliseconds);
// returns the condition's last value.
[[nodiscard]] bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 2000);

// Runs a modal dialog and drives it: `onInit` is called with the dialog's window right after its
// WM_INITDIALOG has been handled, before the modal loop waits; it posts the messages that drive
// the dialog (and, in the end, the one that closes it). `runModal` starts the dialog (for example
// a DialogBoxParamA call) and returns its result, which is returned here.
INT_PTR driveModalDialog(const std::function<INT_PTR()>& runModal, const std::function<void(HWND)>& onInit);

// While a dialog runs under driveModalDialog: the next dialog initialised (one that the driven
// dialog opens in its turn) is handed to `onInit` in the same way.
void driveNextDialog(const std::function<void(HWND)>& onInit);

// A button of a dialog clicked (its BN_CLICKED command sent).
void click(HWND dialog, int id);
// A tab of the dialog's tab strip chosen as the user would (the selection changed, then its
// notification sent); a dialog without the strip is left as it is.
void chooseTab(HWND dialog, int index);
// Whether Tab, pressed again and again from the dialog's first tab stop, ever gets to the control.
[[nodiscard]] bool reachedByTab(HWND dialog, HWND control);
