#include "tests/support/FaultGuard.h"

#include <csignal>
#include <cstdio>

namespace {

const DWORD kAbortCode = 3;            // the exit code abort() would give
const DWORD kCppExceptionCode = 0xE0000001;

// The one guard's state; the exception handler and the watchdog reach it from where they run.
struct GuardState {
    void* jump[5] = {};                // __builtin_setjmp's buffer
    volatile LONG armed = 0;           // 1 while work runs that may be abandoned
    DWORD threadId = 0;
    DWORD limitMs = 0;
    volatile ULONGLONG started = 0;
    DWORD64 resumeStack = 0;           // a stack pointer below run()'s frame
    FaultGuard::Kind kind = FaultGuard::kReturned;
    DWORD code = 0;
    void* address = nullptr;
};
GuardState state;

bool isCrash(DWORD code)
{
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_STACK_OVERFLOW:
    case 0xC0000374: // heap corruption
    case 0xC0000409: // stack buffer overrun
        return true;
    default:
        return false;
    }
}

// Only one of the work's own return, the exception handler and the watchdog ends a piece of
// work: the one that takes the armed flag.
bool claim() { return InterlockedCompareExchange(&state.armed, 0, 1) == 1; }

// Entered in place of the faulting instruction or the hung loop: back into run().
[[noreturn]] __attribute__((noinline)) void resumeInRun() { __builtin_longjmp(state.jump, 1); }

void redirect(CONTEXT& context)
{
    context.Rsp = state.resumeStack;
    context.Rip = reinterpret_cast<DWORD64>(&resumeInRun);
}

LONG CALLBACK onException(EXCEPTION_POINTERS* info)
{
    const DWORD code = info->ExceptionRecord->ExceptionCode;
    if (!isCrash(code) || GetCurrentThreadId() != state.threadId || !claim())
        return EXCEPTION_CONTINUE_SEARCH;
    state.kind = FaultGuard::kCrashed;
    state.code = code;
    state.address = info->ExceptionRecord->ExceptionAddress;
    redirect(*info->ContextRecord);
    return EXCEPTION_CONTINUE_EXECUTION;
}

void onAbort(int)
{
    if (GetCurrentThreadId() != state.threadId || !claim())
        return; // abort goes on and ends the process
    state.kind = FaultGuard::kCrashed;
    state.code = kAbortCode;
    state.address = nullptr;
    resumeInRun();
}

// A thread stopped inside a system library may hold one of its locks (the heap's): it is taken
// out of its loop only while it runs the program's own code, unless it stays outside that long.
bool inOwnImage(DWORD64 address)
{
    const auto* base = reinterpret_cast<const unsigned char*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto start = reinterpret_cast<DWORD64>(base);
    return address >= start && address < start + nt->OptionalHeader.SizeOfImage;
}

struct WatchdogArgs {
    HANDLE thread;
    HANDLE stop;
};

DWORD WINAPI watch(void* param)
{
    const WatchdogArgs args = *static_cast<WatchdogArgs*>(param);
    delete static_cast<WatchdogArgs*>(param);
    while (WaitForSingleObject(args.stop, 50) == WAIT_TIMEOUT) {
        const ULONGLONG elapsed = GetTickCount64() - state.started;
        if (!state.armed || elapsed < state.limitMs || SuspendThread(args.thread) == static_cast<DWORD>(-1))
            continue;
        CONTEXT context = {};
        context.ContextFlags = CONTEXT_CONTROL;
        if (GetThreadContext(args.thread, &context) && (inOwnImage(context.Rip) || elapsed >= 2ull * state.limitMs) &&
            claim()) {
            state.kind = FaultGuard::kHung;
            state.code = 0;
            state.address = reinterpret_cast<void*>(context.Rip);
            redirect(context);
            SetThreadContext(args.thread, &context);
        }
        ResumeThread(args.thread);
    }
    return 0;
}

const char* crashName(DWORD code)
{
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
        return "access violation";
    case EXCEPTION_STACK_OVERFLOW:
        return "stack overflow";
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
        return "integer division by zero";
    case EXCEPTION_ILLEGAL_INSTRUCTION:
        return "illegal instruction";
    case kAbortCode:
        return "abort";
    case kCppExceptionCode:
        return "C++ exception";
    default:
        return "exception";
    }
}

} // namespace

const char* FaultGuard::Result::describe()
{
    if (kind == kCrashed)
        std::snprintf(text, sizeof text, "%s (%08lx) at %p", crashName(code), static_cast<unsigned long>(code), address);
    else if (kind == kHung)
        std::snprintf(text, sizeof text, "over the time limit, stopped at %p", address);
    else
        text[0] = 0;
    return text;
}

FaultGuard::FaultGuard(DWORD limitMilliseconds) : limitMs(limitMilliseconds)
{
    state.threadId = GetCurrentThreadId();
    state.limitMs = limitMs;
    state.armed = 0;
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &thread, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    handler = AddVectoredExceptionHandler(1, onException);
    stopWatchdog = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    watchdog = CreateThread(nullptr, 0, watch, new WatchdogArgs{thread, stopWatchdog}, 0, nullptr);
    previousAbort = std::signal(SIGABRT, onAbort);
}

FaultGuard::~FaultGuard()
{
    SetEvent(stopWatchdog);
    WaitForSingleObject(watchdog, INFINITE);
    CloseHandle(watchdog);
    CloseHandle(stopWatchdog);
    RemoveVectoredExceptionHandler(handler);
    CloseHandle(thread);
    std::signal(SIGABRT, previousAbort == SIG_ERR ? SIG_DFL : previousAbort);
    state.threadId = 0;
}

FaultGuard::Result FaultGuard::run(const std::function<void()>& work)
{
    Result result;
    // The C runtime puts a signal back to its default once it has been raised.
    std::signal(SIGABRT, onAbort);
    volatile char here = 0;
    state.resumeStack = ((reinterpret_cast<DWORD64>(&here) - 8192) & ~static_cast<DWORD64>(15)) - 8;
    state.kind = kReturned;
    if (__builtin_setjmp(state.jump) == 0) {
        state.started = GetTickCount64();
        state.armed = 1;
        bool escaped = false;
        try {
            work();
        } catch (...) {
            escaped = true;
        }
        if (claim()) {
            if (escaped) {
                result.kind = kCrashed;
                result.code = kCppExceptionCode;
            }
            return result;
        }
        // A handler took the work just as it ended; it comes back through resumeInRun.
        for (;;)
            Sleep(1000);
    }
    result.kind = state.kind;
    result.code = state.code;
    result.address = state.address;
    return result;
}
