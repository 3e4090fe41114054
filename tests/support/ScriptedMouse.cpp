#include "tests/support/ScriptedMouse.h"

#include "platform/Clock.h"
#include "tests/support/FakeClock.h"

ScriptedMouse::ScriptedMouse() : previous_(setMouseSource(this)) { rest(0, 0); }

ScriptedMouse::~ScriptedMouse() { setMouseSource(previous_); }

ScriptedMouse& ScriptedMouse::at(DWORD atMs, int x, int y, int keys)
{
    states_.push_back(State{atMs, x, y, keys});
    return *this;
}

ScriptedMouse& ScriptedMouse::clickAt(DWORD atMs, const IntPoint& p)
{
    return at(atMs, p.x, p.y).at(atMs + 100, p.x, p.y, kLeft).at(atMs + 150, p.x, p.y);
}

void ScriptedMouse::rest(int x, int y, int keys)
{
    states_.clear();
    states_.push_back(State{0, x, y, keys});
}

void ScriptedMouse::advanceClockPerRead(FakeClock* clock, DWORD milliseconds)
{
    clock_ = clock;
    step_ = milliseconds;
}

const ScriptedMouse::State& ScriptedMouse::current() const
{
    DWORD now = currentTickCount();
    const State* chosen = &states_.front();
    for (const State& s : states_)
        if (s.at <= now)
            chosen = &s;
    return *chosen;
}

void ScriptedMouse::cursorPos(IntPoint& p)
{
    ++cursorReads;
    const State& s = current();
    p.set(s.x, s.y);
    if (clock_)
        clock_->advance(step_);
}

int ScriptedMouse::isDown(int virtualKey)
{
    int keys = current().keys;
    switch (virtualKey) {
    case VK_LBUTTON: return (keys & kLeft) ? 1 : 0;
    case VK_RBUTTON: return (keys & kRight) ? 1 : 0;
    case VK_MBUTTON: return (keys & kMiddle) ? 1 : 0;
    case VK_SHIFT: return (keys & kShift) ? 1 : 0;
    case VK_CONTROL: return (keys & kControl) ? 1 : 0;
    default: return 0;
    }
}
