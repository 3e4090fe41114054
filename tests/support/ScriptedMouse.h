#pragma once
#include <vector>
#include <windows.h>

#include "platform/MouseSource.h"

class FakeClock;

// Plays a script of mouse states through the program's mouse source while it lives. Each state
// holds from its time (program clock, milliseconds) until the next one; before the first state's
// time the first state holds. With a clock given, every cursor read moves that clock on, so that
// loops that poll the mouse see time pass.
class ScriptedMouse : public MouseSource {
public:
    enum Keys { kNone = 0, kLeft = 1, kRight = 2, kMiddle = 4, kShift = 8, kControl = 16 };

    ScriptedMouse();
    ~ScriptedMouse() override;
    ScriptedMouse(const ScriptedMouse&) = delete;
    ScriptedMouse& operator=(const ScriptedMouse&) = delete;

    // A state from `atMs` on.
    ScriptedMouse& at(DWORD atMs, int x, int y, int keys = kNone);
    // A left click at p (screen): the cursor there from atMs, the button down 100 ms later and up
    // 50 ms after that.
    ScriptedMouse& clickAt(DWORD atMs, const IntPoint& p);
    // Forgets the script: the cursor rests at (x, y) with the given keys.
    void rest(int x, int y, int keys = kNone);
    void advanceClockPerRead(FakeClock* clock, DWORD milliseconds);

    void cursorPos(IntPoint& p) override;
    int isDown(int virtualKey) override;

    int cursorReads = 0;

private:
    struct State {
        DWORD at;
        int x, y, keys;
    };
    const State& current() const;

    std::vector<State> states_;
    FakeClock* clock_ = nullptr;
    DWORD step_ = 0;
    MouseSource* previous_ = nullptr;
};
