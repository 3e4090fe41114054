#include "tests/support/AllocationMeter.h"

SIZE_T largestRequest = 0;
AllocationMeter::GlobalAllocFunction AllocationMeter::realGlobalAlloc = nullptr;
AllocationMeter::GlobalReAllocFunction AllocationMeter::realGlobalReAlloc = nullptr;

HGLOBAL WINAPI measuringGlobalAlloc(UINT flags, SIZE_T bytes)
{
    largestRequest = bytes > largestRequest ? bytes : largestRequest;
    return AllocationMeter::realGlobalAlloc(flags, bytes);
}

HGLOBAL WINAPI measuringGlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT flags)
{
    largestRequest = bytes > largestRequest ? bytes : largestRequest;
    return AllocationMeter::realGlobalReAlloc(block, bytes, flags);
}

AllocationMeter::AllocationMeter()
    : alloc_("kernel32.dll", "GlobalAlloc", reinterpret_cast<void*>(measuringGlobalAlloc)),
      realloc_("kernel32.dll", "GlobalReAlloc", reinterpret_cast<void*>(measuringGlobalReAlloc)),
      realAlloc_(realGlobalAlloc, reinterpret_cast<GlobalAllocFunction>(alloc_.original())),
      realReAlloc_(realGlobalReAlloc, reinterpret_cast<GlobalReAllocFunction>(realloc_.original())),
      largest_(largestRequest, 0)
{
}

bool AllocationMeter::active() const { return realGlobalAlloc && realGlobalReAlloc; }
