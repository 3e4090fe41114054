#pragma once
#include <functional>
#include <windows.h>

// Runs one piece of work at a time on the thread that made the guard and comes back when it
// crashes (access violation, illegal instruction, division by zero, stack overflow, abort, an
// escaped C++ exception) or runs past its time limit, so that a long fuzzing run reports the
// fault and goes on with the next case.
//
//     FaultGuard guard(10000);
//     FaultGuard::Result r = guard.run([&] { readTheFile(); });
//     if (r.kind != FaultGuard::kReturned) report(r.describe());
//
// Coming back abandons the work where it stood: its destructors do not run, so what it
// allocated leaks and files it held stay open. Give the next piece of work fresh objects and
// fresh file names. Only one guard exists at a time.
class FaultGuard {
public:
    enum Kind { kReturned, kCrashed, kHung };
    struct Result {
        Kind kind = kReturned;
        DWORD code = 0;          // the exception code of a crash (3 for abort, 0xE0000001 for C++)
        void* address = nullptr; // where it happened
        // "access violation (c0000005) at 0x...", "over 10000 ms"; empty when it returned.
        const char* describe();
        char text[96] = {};
    };

    explicit FaultGuard(DWORD limitMilliseconds);
    ~FaultGuard();
    FaultGuard(const FaultGuard&) = delete;
    FaultGuard& operator=(const FaultGuard&) = delete;

    [[nodiscard]] Result run(const std::function<void()>& work);
    DWORD limit() const { return limitMs; }

private:
    DWORD limitMs;
    HANDLE thread = nullptr;   // the guarded thread
    HANDLE watchdog = nullptr;
    HANDLE stopWatchdog = nullptr;
    void* handler = nullptr;
    void (*previousAbort)(int) = nullptr;
};
