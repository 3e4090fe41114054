#include "views/LowMemoryGuard.h"

#include <new>

#include "platform/MemoryProbe.h"
#include "platform/MessageBox.h"

LowMemoryGuard* theLowMemoryGuard = nullptr;

LowMemoryGuard* makeLowMemoryGuard() { return new (std::nothrow) LowMemoryGuard; }

void LowMemoryGuard::checkMemoryReserve()
{
    if (lastProbe.notElapsed(kProbeIntervalMs))
        return;
    // The timer restarts after every probe, not only after a failed one: the answer cannot change
    // within five minutes often enough to be worth a probe per new element.
    lastProbe.start();
    if (!isMemoryAvailable(kReserveBytes))
        (void)showMessageBox(nullptr, "メモリーの残りがわずかです。", "保存して終了して下さい。",
                             MB_OK | MB_ICONHAND | MB_TASKMODAL); // the only button: OK
}
