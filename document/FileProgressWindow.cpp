#include "document/FileProgressWindow.h"

#include <new>

#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/ControlKinds.h"
#include "platform/FrameWindow.h"

namespace {
bool isInput(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}
} // namespace

FileProgressWindow::FileProgressWindow(int resource, int bar) : resourceId(resource), barId(bar) {}

FileProgressWindow::~FileProgressWindow()
{
    // The owner first, so that it is the window activated when this one goes.
    restoreOwner();
    destroy();
    for (int i = 0; i < heldCloseCount; ++i) {
        if (IsWindow(heldCloses[i]))
            PostMessageA(heldCloses[i], WM_CLOSE, 0, 0);
    }
}

void FileProgressWindow::begin(int start, int total)
{
    if (!hwnd) {
        resolveOwner();
        if (!ownerHwnd && theApplication && theApplication->frame)
            ownerHwnd = theApplication->frame->hwnd();
        if (create(resourceId))
            disableOwner();
    }
    if (Control* bar = findControl(barId))
        bar->setRange(start, total);
}

void FileProgressWindow::disableOwner()
{
    HWND owner = ownerHwnd ? GetAncestor(ownerHwnd, GA_ROOT) : nullptr;
    if (!owner || owner == hwnd || disabledOwner)
        return;
    disabledOwner = owner;
    ownerWasDisabled = EnableWindow(owner, FALSE) ? 1 : 0;
}

void FileProgressWindow::restoreOwner()
{
    if (disabledOwner && !ownerWasDisabled && IsWindow(disabledOwner))
        EnableWindow(disabledOwner, TRUE);
    disabledOwner = nullptr;
}

int FileProgressWindow::holdsBack(const MSG& message)
{
    if (!hwnd || !message.hwnd || message.hwnd == hwnd || IsChild(hwnd, message.hwnd))
        return 0;
    if (isInput(message.message))
        return 1;
    if (message.message == WM_CLOSE) {
        bool known = false;
        for (int i = 0; i < heldCloseCount; ++i)
            known = known || heldCloses[i] == message.hwnd;
        if (!known && heldCloseCount < kHeldCloses)
            heldCloses[heldCloseCount++] = message.hwnd;
        return 1;
    }
    return 0;
}

void FileProgressWindow::step(int position)
{
    // Without its window (no resource) nothing is pumped: messages of other windows would be
    // handled in the middle of the read or write.
    if (!hwnd)
        return;
    pumpOneMessage();
    if (Control* bar = findControl(barId))
        bar->setValue(position);
}

int FileProgressWindow::handleMessage()
{
    if (event == DLG_INIT) {
        // A control that cannot be added (which has told the user) is only missing: the read or
        // write goes on without its bar or its Cancel button.
        (void)addControl(barId, KIND_PROGRESS_BAR);
        (void)addControl(kCancelButton, KIND_PUSH_BUTTON);
        attachControls();
        SetWindowTextA(hwnd, "file in/out");
        return 1;
    }
    if (event == DLG_COMMAND && currentControl && currentControl->id == kCancelButton) {
        cancelFlag = 1;
        return 1;
    }
    return ModelessDialog::handleMessage();
}

FileProgress* makeFileProgressWindow() { return new (std::nothrow) FileProgressWindow; }
