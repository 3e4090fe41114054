#pragma once
#include <windows.h>

#include <cstdint>

// A window's handle in its other form: the same 32 bits with the upper half flipped between zero-
// and sign-extension, as one window comes back from two calls once its top bit is set.
inline HWND otherHandleForm(HWND window)
{
    return reinterpret_cast<HWND>(reinterpret_cast<uintptr_t>(window) ^ (uintptr_t{0xFFFFFFFF} << 32));
}
