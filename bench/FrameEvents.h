#pragma once
// What the benchmarks that drive the main frame share.
#include <windows.h>

#include "platform/CurrentEvent.h"

namespace frame_events {

// Delivers what is queued or waiting until nothing is left (a first paint included).
inline void settle()
{
    for (;;) {
        bool any = false;
        while (theCurrentEvent->popAndRoute())
            any = true;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            any = true;
        }
        if (!any)
            return;
    }
}

} // namespace frame_events
