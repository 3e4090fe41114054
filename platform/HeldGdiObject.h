#pragma once
#include <windows.h>

// A GDI object that a device context holds, owned here (`Handle` is HPEN, HBRUSH ...). A new
// object is selected into the DC first and only then is the one held before deleted, so the DC
// never holds a deleted object.
template <typename Handle> class HeldGdiObject {
public:
    HeldGdiObject() = default;
    ~HeldGdiObject() { release(); }
    HeldGdiObject(const HeldGdiObject&) = delete;
    HeldGdiObject& operator=(const HeldGdiObject&) = delete;

    void release()
    {
        if (handle)
            DeleteObject(handle);
        handle = nullptr;
    }

    Handle handle = nullptr;

protected:
    // Selects `created` and deletes the object held before; 0 for null (the held one stays).
    [[nodiscard]] int take(HDC hdc, Handle created)
    {
        if (!created)
            return 0;
        if (hdc)
            SelectObject(hdc, created);
        if (handle)
            DeleteObject(handle);
        handle = created;
        return 1;
    }
};
