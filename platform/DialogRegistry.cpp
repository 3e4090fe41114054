#include "platform/DialogRegistry.h"

#include "platform/Dialog.h"
#include "platform/WindowHandle.h"

DialogRegistry* theDialogRegistry = nullptr;

DialogRegistry::DialogRegistry() : dialogs(5, sizeof(Dialog*)) {}

int DialogRegistry::add(Dialog* dialog)
{
    if (!dialog)
        return 0;
    dialog->serial = ++lastSerial;
    return dialogs.append(&dialog);
}

int DialogRegistry::indexOf(int serial)
{
    for (int i = 0; i < dialogs.count; ++i) {
        Dialog* dialog = at(i);
        if (dialog && dialog->serial == serial)
            return i;
    }
    return -1;
}

int DialogRegistry::remove(int serial)
{
    int index = indexOf(serial);
    if (index < 0)
        return 0;
    return dialogs.removeAt(index);
}

Dialog* DialogRegistry::at(int index)
{
    Dialog* dialog = nullptr;
    return dialogs.get(index, &dialog) ? dialog : nullptr;
}

Dialog* DialogRegistry::findTarget(HWND dialogWindow)
{
    Dialog* withoutWindow = nullptr;
    for (int i = 0; i < dialogs.count; ++i) {
        Dialog* dialog = at(i);
        if (!dialog)
            continue;
        if (sameWindow(dialog->hwnd, dialogWindow))
            return dialog;
        if (!dialog->hwnd)
            withoutWindow = dialog;
    }
    return withoutWindow;
}

int DialogRegistry::route(HWND dialogWindow, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (dialogs.count == 0 || !dialogWindow)
        return -1;
    Dialog* target = findTarget(dialogWindow);
    if (!target)
        return -1;
    return target->receive(dialogWindow, message, wParam, lParam);
}

INT_PTR CALLBACK DialogRegistry::dialogProc(HWND dialogWindow, UINT message, WPARAM wParam, LPARAM lParam)
{
    int result = theDialogRegistry ? theDialogRegistry->route(dialogWindow, message, wParam, lParam) : -1;
    return result >= 0 ? result : FALSE;
}
