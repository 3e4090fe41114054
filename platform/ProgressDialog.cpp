#include "platform/ProgressDialog.h"

#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/ControlKinds.h"
#include "platform/FrameWindow.h"
#include "platform/RangeControls.h"
#include "platform/WindowHandle.h"

namespace {
bool isInput(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}
} // namespace

ProgressDialog::ProgressDialog(int resource, int bar, const char* text, int placedAtScreenCentre)
    : resourceId(resource), barId(bar)
{
    setCaption(text);
    if (placedAtScreenCentre)
        setPlacementScreenCentre();
}

ProgressDialog::~ProgressDialog()
{
    // The owner first, so that it is the window activated when this one goes.
    restoreOwner();
    destroy();
    for (int i = 0; i < heldCloseCount; ++i) {
        if (IsWindow(heldCloses[i]))
            PostMessageA(heldCloses[i], WM_CLOSE, 0, 0);
    }
}

void ProgressDialog::begin(int low, int high)
{
    if (!hwnd) {
        resolveOwner();
        if (!ownerHwnd && theApplication && theApplication->frame)
            ownerHwnd = theApplication->frame->hwnd();
        if (create(resourceId))
            disableOwner();
    }
    setRange(low, high);
}

void ProgressDialog::setRange(int newLow, int newHigh)
{
    low = newLow;
    high = newHigh;
    shownPercent = kNotShown;
    if (Control* bar = findControl(barId))
        bar->setRange(newLow, newHigh);
}

void ProgressDialog::disableOwner()
{
    HWND owner = ownerHwnd ? GetAncestor(ownerHwnd, GA_ROOT) : nullptr;
    if (!owner || sameWindow(owner, hwnd) || disabledOwner)
        return;
    disabledOwner = owner;
    ownerWasDisabled = EnableWindow(owner, FALSE) ? 1 : 0;
}

void ProgressDialog::restoreOwner()
{
    if (disabledOwner && !ownerWasDisabled && IsWindow(disabledOwner))
        EnableWindow(disabledOwner, TRUE);
    disabledOwner = nullptr;
}

int ProgressDialog::holdsBack(const MSG& message)
{
    if (!hwnd || !message.hwnd || sameWindow(message.hwnd, hwnd) || IsChild(hwnd, message.hwnd))
        return 0;
    if (isInput(message.message))
        return 1;
    if (message.message == WM_CLOSE) {
        bool known = false;
        for (int i = 0; i < heldCloseCount; ++i)
            known = known || sameWindow(heldCloses[i], message.hwnd);
        if (!known && heldCloseCount < kHeldCloses)
            heldCloses[heldCloseCount++] = message.hwnd;
        return 1;
    }
    return 0;
}

void ProgressDialog::setPosition(int position)
{
    if (!hwnd)
        return;
    const int percent = ProgressBar::percentOf(low, high, position);
    if (percent == shownPercent && sinceLastPump.notElapsed(kPumpIntervalMs))
        return;
    shownPercent = percent;
    sinceLastPump.start();
    if (Control* bar = findControl(barId))
        bar->setValue(position);
    for (int i = 0; i < kMessagesPerStep && pumpOneMessage(); ++i) {
    }
}

int ProgressDialog::handleMessage()
{
    if (event == DLG_INIT) {
        // A control that cannot be added (which has told the user) is only missing: the
        // operation goes on without its bar or its Cancel button.
        (void)addControl(barId, KIND_PROGRESS_BAR);
        (void)addControl(kCancelButton, KIND_PUSH_BUTTON);
        attachControls();
        return 1;
    }
    if (event == DLG_COMMAND && currentControl && currentControl->id == kCancelButton) {
        cancelFlag = 1;
        return 1;
    }
    return ModelessDialog::handleMessage();
}
