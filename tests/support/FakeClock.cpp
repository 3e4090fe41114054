#include "tests/support/FakeClock.h"

#include "platform/Clock.h"

namespace {
DWORD fakeNow = 0;
UINT fakeDoubleClickTime = 500;
TickSource previousTicks = nullptr;
DoubleClickTimeSource previousDoubleClick = nullptr;

DWORD fakeTicks() { return fakeNow; }
UINT fakeDoubleClick() { return fakeDoubleClickTime; }
} // namespace

FakeClock::FakeClock(DWORD start, UINT doubleClickTime)
{
    fakeNow = start;
    fakeDoubleClickTime = doubleClickTime;
    previousTicks = setTickSource(fakeTicks);
    previousDoubleClick = setDoubleClickTimeSource(fakeDoubleClick);
}

FakeClock::~FakeClock()
{
    setTickSource(previousTicks);
    setDoubleClickTimeSource(previousDoubleClick);
}

void FakeClock::set(DWORD now) { fakeNow = now; }
void FakeClock::advance(DWORD milliseconds) { fakeNow += milliseconds; }
DWORD FakeClock::now() const { return fakeNow; }
