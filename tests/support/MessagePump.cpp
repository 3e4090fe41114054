#include "tests/support/MessagePump.h"

#include <commctrl.h>

#include "platform/CurrentEvent.h"
#include "platform/TabControl.h"

namespace {
std::function<void(HWND)> pendingInit;
HHOOK initHook = nullptr;

LRESULT CALLBACK afterWindowProcedure(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        auto* call = reinterpret_cast<CWPRETSTRUCT*>(lParam);
        if (call->message == WM_INITDIALOG && pendingInit) {
            auto init = std::move(pendingInit);
            pendingInit = nullptr;
            init(call->hwnd);
        }
    }
    return CallNextHookEx(initHook, code, wParam, lParam);
}
} // namespace

int pumpUntilIdle(int maxMessages)
{
    int count = 0;
    MSG message;
    while (count < maxMessages && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
        ++count;
    }
    return count;
}

void settleEventsAndMessages()
{
    for (int round = 0; round < 100; ++round) {
        bool any = false;
        while (theCurrentEvent && theCurrentEvent->popAndRoute())
            any = true;
        any = pumpUntilIdle() > 0 || any;
        if (!any)
            return;
    }
}

bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs)
            return condition();
        pumpUntilIdle();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

INT_PTR driveModalDialog(const std::function<INT_PTR()>& runModal, const std::function<void(HWND)>& onInit)
{
    pendingInit = onInit;
    initHook = SetWindowsHookExA(WH_CALLWNDPROCRET, afterWindowProcedure, nullptr, GetCurrentThreadId());
    INT_PTR result = runModal();
    UnhookWindowsHookEx(initHook);
    initHook = nullptr;
    pendingInit = nullptr;
    return result;
}

void driveNextDialog(const std::function<void(HWND)>& onInit) { pendingInit = onInit; }

void click(HWND dialog, int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

void chooseTab(HWND dialog, int index)
{
    HWND tabs = GetDlgItem(dialog, TabControl::kControlId);
    if (!tabs)
        return;
    SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    NMHDR change = {tabs, TabControl::kControlId, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(dialog, WM_NOTIFY, TabControl::kControlId, reinterpret_cast<LPARAM>(&change));
}

bool reachedByTab(HWND dialog, HWND control)
{
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    HWND at = first;
    for (int step = 0; at && step < 100; ++step) {
        if (at == control)
            return true;
        at = GetNextDlgTabItem(dialog, at, FALSE);
        if (at == first)
            break;
    }
    return false;
}
