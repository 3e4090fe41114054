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
