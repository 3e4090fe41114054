#include "platform/Clock.h"

namespace {
DWORD systemTickCount() { return GetTickCount(); }
UINT systemDoubleClickTime() { return GetDoubleClickTime(); }

TickSource tickSource = systemTickCount;
DoubleClickTimeSource doubleClickSource = systemDoubleClickTime;
} // namespace

DWORD currentTickCount() { return tickSource(); }
UINT currentDoubleClickTime() { return doubleClickSource(); }

TickSource setTickSource(TickSource source)
{
    TickSource previous = tickSource;
    tickSource = source ? source : systemTickCount;
    return previous;
}

DoubleClickTimeSource setDoubleClickTimeSource(DoubleClickTimeSource source)
{
    DoubleClickTimeSource previous = doubleClickSource;
    doubleClickSource = source ? source : systemDoubleClickTime;
    return previous;
}
