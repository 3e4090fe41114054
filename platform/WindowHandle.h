#pragma once
// Window handles hold 32 significant bits: a handle passed between 64-bit and 32-bit code may be
// cut to them or sign-extended. One window's handle can therefore come back in two forms once
// its top bit is set (Wine gives the new window's handle sign-extended and WM_MDIGETACTIVE's
// zero-extended), so handles from different calls are compared by those bits.
#include <windows.h>

#include <cstdint>

[[nodiscard]] inline bool sameWindow(HWND a, HWND b)
{
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(a)) == static_cast<uint32_t>(reinterpret_cast<uintptr_t>(b));
}
