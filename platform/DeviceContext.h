#pragma once
#include <windows.h>

// The drawing surface every window embeds. It hides where the HDC comes from: a window DC
// fetched on demand, the paint DC of WM_PAINT, a memory DC, or an HDC handed in from outside.
// Every drawing operation brackets its GDI calls with acquire() and release(); nested calls
// fetch the window DC once.
class DeviceContext {
public:
    DeviceContext() { reset(); }
    ~DeviceContext() { releaseExternal(); }
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    void reset();
    void acquire();
    void release();
    // Draw on an HDC that belongs to someone else until releaseExternal().
    void attachHdc(HDC external);
    void releaseExternal();

    int nesting = 0;
    HWND hwnd = nullptr;
    HDC hdc = nullptr;
    int ownsMemoryDc = 0;
    int externalDc = 0;
    PAINTSTRUCT paint = {};
    int painting = 0;
};

// acquire() for one scope.
class DcScope {
public:
    explicit DcScope(DeviceContext& dc) : dc_(dc) { dc_.acquire(); }
    ~DcScope() { dc_.release(); }
    DcScope(const DcScope&) = delete;
    DcScope& operator=(const DcScope&) = delete;
    HDC hdc() const { return dc_.hdc; }

private:
    DeviceContext& dc_;
};
