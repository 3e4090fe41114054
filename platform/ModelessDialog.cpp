#include "platform/ModelessDialog.h"

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/DialogRegistry.h"

ModelessDialog::ModelessDialog() { timer_.start(); }

ModelessDialog::~ModelessDialog() { destroy(); }

int ModelessDialog::create(int resourceId)
{
    destroy();
    if (!beginRun())
        return 0;
    HINSTANCE instance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    HWND created = CreateDialogParamA(instance, MAKEINTRESOURCEA(resourceId), ownerHwnd, DialogRegistry::dialogProc, 0);
    if (!created)
        return 0;
    hwnd = created;
    applyPlacement();
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    return 1;
}

void ModelessDialog::destroy()
{
    if (hwnd && IsWindow(hwnd))
        DestroyWindow(hwnd);
    hwnd = nullptr;
}

int ModelessDialog::pumpOneMessage()
{
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        return 0;
    if (message.message == WM_QUIT) {
        // The quit belongs to the main loop: keep it for that loop.
        if (theApplication)
            theApplication->quit = 1;
        if (theCurrentEvent)
            theCurrentEvent->quitCode = static_cast<int>(message.wParam);
        PostQuitMessage(static_cast<int>(message.wParam));
        return 0;
    }
    if (holdsBack(message))
        return 1;
    if (!hwnd || !IsDialogMessageA(hwnd, &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 1;
}
