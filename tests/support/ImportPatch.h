#pragma once
#include <windows.h>

// Replaces one function that the test executable imports from a system DLL, for the lifetime of
// the object, by rewriting the executable's import address table. Tests use it to count calls
// that have no other observable trace (GetDC, ReleaseDC).
class ImportPatch {
public:
    ImportPatch(const char* dll, const char* function, void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    // The function the table held before; null when the import was not found.
    void* original() const { return original_; }

private:
    void** slot_ = nullptr;
    void* original_ = nullptr;
};

// Counts the calls of one imported function while it lives, passing each on to the function.
// `Tag` tells counters of functions with the same signature apart; one counter per tag at a time.
//
//     struct EnumTag;
//     ImportCounter<EnumTag, int, HDC, LPCSTR, FONTENUMPROCA, LPARAM> enumerations("gdi32.dll", "EnumFontFamiliesA");
//     ... enumerations.calls() ...
template <typename Tag, typename Result, typename... Args> class ImportCounter {
public:
    ImportCounter(const char* dll, const char* function) : patch_(dll, function, reinterpret_cast<void*>(&counted))
    {
        original_ = reinterpret_cast<Result(WINAPI*)(Args...)>(patch_.original());
        calls_ = 0;
    }
    // False when the import was not found (nothing is counted then).
    [[nodiscard]] bool installed() const { return original_ != nullptr; }
    [[nodiscard]] long calls() const { return calls_; }
    void reset() { calls_ = 0; }

private:
    static Result WINAPI counted(Args... args)
    {
        ++calls_;
        return original_(args...);
    }
    ImportPatch patch_;
    inline static Result(WINAPI* original_)(Args...) = nullptr;
    inline static long calls_ = 0;
};
