#pragma once
#include <windows.h>

#include "platform/GlobalBlock.h"

class Dialog;

// Every live dialog object, in registration order. All dialogs of the program share one dialog
// procedure, which finds the object of a message here: the dialog whose window it is or, for the
// first messages of a dialog being created, the last registered dialog that has no window yet.
// A dialog unregisters itself when it is destroyed, so a message never reaches a dead object.
class DialogRegistry {
public:
    DialogRegistry();

    // Gives the dialog the next serial number (the first dialog gets 1) and appends it.
    [[nodiscard]] int add(Dialog* dialog);
    // 0 when no dialog has the serial number; later entries move down.
    [[nodiscard]] int remove(int serial);
    [[nodiscard]] int indexOf(int serial);
    [[nodiscard]] int count() const { return dialogs.count; }
    [[nodiscard]] Dialog* at(int index);
    // -1 when no dialog takes the message, else the handler's answer.
    [[nodiscard]] int route(HWND dialogWindow, UINT message, WPARAM wParam, LPARAM lParam);

    // The dialog procedure of every dialog: the handler's answer when it is 0 or more, else FALSE.
    static INT_PTR CALLBACK dialogProc(HWND dialogWindow, UINT message, WPARAM wParam, LPARAM lParam);

    GlobalBlock dialogs;       // Dialog pointers
    int lastSerial = 0;

private:
    [[nodiscard]] Dialog* findTarget(HWND dialogWindow);
};

extern DialogRegistry* theDialogRegistry;
