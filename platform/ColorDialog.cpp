#include "platform/ColorDialog.h"

#include "platform/Application.h"
#include "platform/FrameWindow.h"

namespace {
BOOL systemChooseColor(CHOOSECOLORA* record) { return ChooseColorA(record); }

ChooseColorFunction currentChooseColor = systemChooseColor;
} // namespace

ChooseColorFunction setChooseColorFunction(ChooseColorFunction function)
{
    ChooseColorFunction previous = currentChooseColor;
    currentChooseColor = function ? function : systemChooseColor;
    return previous;
}

UINT_PTR CALLBACK centerColorDialogHook(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) {
        RECT r;
        GetWindowRect(dialog, &r);
        int width = r.right - r.left;
        int height = r.bottom - r.top;
        int x = GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2;
        int y = GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2;
        MoveWindow(dialog, x, y, width, height, TRUE);
    }
    return 0;
}

ColorDialog::ColorDialog() : record{}
{
    for (COLORREF& c : customColors)
        c = RGB(255, 255, 255);
    record.lStructSize = sizeof record;
    record.hwndOwner = theApplication && theApplication->frame ? theApplication->frame->hwnd() : nullptr;
    record.hInstance = theApplication ? reinterpret_cast<HWND>(theApplication->instance) : nullptr;
    record.lpCustColors = customColors;
    record.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ENABLEHOOK;
    record.lCustData = 0;
    record.lpfnHook = centerColorDialogHook;
    record.lpTemplateName = nullptr;
}

int ColorDialog::choose(HWND owner)
{
    if (owner)
        record.hwndOwner = owner;
    record.rgbResult = colorRef;
    BOOL result = currentChooseColor(&record);
    if (result)
        setColorRef(record.rgbResult);
    return result ? 1 : 0;
}

void ColorDialog::setCustomColor(int i, COLORREF value)
{
    if (i >= 0 && i < 16)
        customColors[i] = value;
}

COLORREF ColorDialog::getCustomColor(int i) const { return i >= 0 && i < 16 ? customColors[i] : 0; }

void ColorDialog::copyCustomColors(const ColorDialog& other)
{
    for (int i = 0; i < 16; ++i)
        customColors[i] = other.customColors[i];
}

ColorDialog* theColorChooser = nullptr;
