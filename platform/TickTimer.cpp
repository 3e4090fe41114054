#include "platform/TickTimer.h"

#include "platform/Clock.h"

void TickTimer::start() { startTick = currentTickCount(); }

int TickTimer::notElapsed(DWORD milliseconds) const
{
    return currentTickCount() < startTick + milliseconds ? 1 : 0;
}

int TickTimer::elapsed(DWORD milliseconds) const
{
    return startTick + milliseconds < currentTickCount() ? 1 : 0;
}

int TickTimer::withinDoubleClickTime() const { return notElapsed(currentDoubleClickTime()); }
