#include "platform/DeviceContext.h"

void DeviceContext::reset()
{
    hwnd = nullptr;
    hdc = nullptr;
    ownsMemoryDc = 0;
    externalDc = 0;
    painting = 0;
}

void DeviceContext::acquire()
{
    if (ownsMemoryDc || externalDc || painting) {
        ++nesting;
        return;
    }
    if (nesting < 1)
        hdc = GetDC(hwnd);
    ++nesting;
}

void DeviceContext::release()
{
    if (nesting > 0)
        --nesting;
    if (nesting > 0)
        return;
    if (!ownsMemoryDc && !externalDc && !painting && hdc)
        ReleaseDC(hwnd, hdc);
}

void DeviceContext::attachHdc(HDC external)
{
    releaseExternal();
    hdc = external;
    externalDc = 1;
}

void DeviceContext::releaseExternal()
{
    if (ownsMemoryDc && hdc)
        DeleteDC(hdc);
    if (ownsMemoryDc || externalDc)
        hdc = nullptr;
    ownsMemoryDc = 0;
    externalDc = 0;
}
