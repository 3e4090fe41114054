#pragma once
// The largest block the program asks the system for (GlobalAlloc, GlobalReAlloc) while a meter
// lives: the bad-input tests check that a file's sizes allocate no more than the file describes.
//
//     AllocationMeter meter;
//     ASSERT_TRUE(meter.active());
//     largestRequest = 0;
//     ... read a damaged file ...
//     EXPECT_LE(largestRequest, limit);
#include <windows.h>

#include "tests/support/ImportPatch.h"
#include "tests/support/ScopedOverride.h"

extern SIZE_T largestRequest;

class AllocationMeter {
public:
    AllocationMeter();
    [[nodiscard]] bool active() const;

private:
    using GlobalAllocFunction = HGLOBAL(WINAPI*)(UINT, SIZE_T);
    using GlobalReAllocFunction = HGLOBAL(WINAPI*)(HGLOBAL, SIZE_T, UINT);
    ImportPatch alloc_;
    ImportPatch realloc_;
    ScopedOverride<GlobalAllocFunction> realAlloc_;
    ScopedOverride<GlobalReAllocFunction> realReAlloc_;
    ScopedOverride<SIZE_T> largest_;

    friend HGLOBAL WINAPI measuringGlobalAlloc(UINT flags, SIZE_T bytes);
    friend HGLOBAL WINAPI measuringGlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT flags);
    static GlobalAllocFunction realGlobalAlloc;
    static GlobalReAllocFunction realGlobalReAlloc;
};
