#pragma once
#include <windows.h>

// Replaces the program's millisecond clock while it lives; time moves only when told.
class FakeClock {
public:
    explicit FakeClock(DWORD start = 1000, UINT doubleClickTime = 500);
    ~FakeClock();
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    void set(DWORD now);
    void advance(DWORD milliseconds);
    DWORD now() const;
};
