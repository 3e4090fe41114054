#include "platform/ImeGuard.h"

#include <ime.h>
#include <winnls32.h>

#include "platform/FontHolder.h"
#include "platform/Window.h"

ImeGuard* theImeGuard = nullptr;

namespace {
// A global block that is freed when the holder goes.
class SharedBlock {
public:
    explicit SharedBlock(SIZE_T size) : handle(GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, size)) {}
    ~SharedBlock()
    {
        if (handle)
            GlobalFree(handle);
    }
    SharedBlock(const SharedBlock&) = delete;
    SharedBlock& operator=(const SharedBlock&) = delete;

    HGLOBAL handle;
};
} // namespace

void ImeGuard::disable()
{
    if (count < 1)
        savedState = WINNLSEnableIME(nullptr, FALSE) ? 1 : 0;
    ++count;
}

void ImeGuard::restore()
{
    --count;
    if (count < 1) {
        count = 0;
        WINNLSEnableIME(nullptr, savedState);
    }
}

void ImeGuard::switchOffNow() { WINNLSEnableIME(nullptr, FALSE); }

void ImeGuard::restoreNow()
{
    if (count >= 1)
        WINNLSEnableIME(nullptr, savedState);
}

LRESULT ImeGuard::sendRequest(UINT function, WPARAM wParam, LPARAM lParam1)
{
    SharedBlock block(sizeof(IMESTRUCT));
    if (!block.handle)
        return 0;
    auto* request = static_cast<IMESTRUCT*>(GlobalLock(block.handle));
    if (!request)
        return 0;
    request->fnc = function;
    request->wParam = wParam;
    request->lParam1 = lParam1;
    GlobalUnlock(block.handle);
    return SendIMEMessageExA(imeWindow, reinterpret_cast<LPARAM>(block.handle));
}

void ImeGuard::placeCompositionWindow(Window* window, const IntPoint& at)
{
    imeWindow = window ? window->hwnd() : nullptr;
    // The point packed as the IME expects it: y in the high word, x in the low word.
    LPARAM point = static_cast<LPARAM>((static_cast<unsigned>(at.y) << 16) + static_cast<unsigned>(at.x & 0xFFFF));
    sendRequest(IME_SETCONVERSIONWINDOW, MCW_WINDOW, point);
    setCompositionFont(window);
}

void ImeGuard::setCompositionFont(Window* window)
{
    HFONT font = window && window->dc.font ? window->dc.font->current : nullptr;
    LOGFONTA description = {};
    if (!font || !GetObjectA(font, sizeof description, &description))
        GetObjectA(GetStockObject(SYSTEM_FIXED_FONT), sizeof description, &description);
    SharedBlock fontBlock(sizeof description);
    if (!fontBlock.handle)
        return;
    void* bytes = GlobalLock(fontBlock.handle);
    if (!bytes)
        return;
    *static_cast<LOGFONTA*>(bytes) = description;
    GlobalUnlock(fontBlock.handle);
    sendRequest(IME_SETCONVERSIONFONTEX, 0, reinterpret_cast<LPARAM>(fontBlock.handle));
}
