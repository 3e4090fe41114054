#pragma once
#include <windows.h>

#include "platform/Dialog.h"
#include "platform/TickTimer.h"

// A dialog that stays up while its owner works on (the progress windows of long operations).
// The owner creates it, calls pumpOneMessage in its loop so that the window stays responsive,
// and destroys it when done; OK and Cancel only hide it through the default handler. The window
// goes with the object at the latest.
class ModelessDialog : public Dialog {
public:
    // Starts the timer.
    ModelessDialog();
    ~ModelessDialog() override;

    // CreateDialogParamA over ownerHwnd (0 allowed: call resolveOwner first to take it from the
    // owner objects), then placed, shown and updated; 1 when the window exists.
    [[nodiscard]] int create(int resourceId);
    void destroy();
    // Delivers one waiting message of any window, through the dialog's keyboard handling first;
    // 0 when none was waiting. A quit message ends the application's loop as well.
    int pumpOneMessage();
    // Asked by pumpOneMessage for each message it takes, before delivering it: 1 when the dialog
    // took the message aside itself and it is not to be delivered now.
    [[nodiscard]] virtual int holdsBack(const MSG&) { return 0; }
    [[nodiscard]] TickTimer& timer() { return timer_; }

private:
    TickTimer timer_;
};
