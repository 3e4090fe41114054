#include "platform/HintWindow.h"

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/FrameWindow.h"
#include "platform/StringUtil.h"

namespace {
const COLORREF kHintColour = RGB(255, 255, 190);

// The hint's class name: the application's class name followed by "Hint".
const char* hintClassName()
{
    static char name[64];
    if (!name[0]) {
        StringUtil::copy(name, theApplication && theApplication->className ? theApplication->className : "");
        StringUtil::append(name, "Hint");
    }
    return name;
}

void allowIdleEvents()
{
    if (theCurrentEvent)
        theCurrentEvent->mayBlock = 0;
}
} // namespace

HintWindow::~HintWindow()
{
    hide();
    destroyWindow();
}

void HintWindow::setToolRect(const IntRect& rect)
{
    if (!rect.equals(toolRect)) {
        hide();
        shownOnce = 0;
    }
    toolRect = rect;
    timer.start();
}

void HintWindow::onMouseMove(const IntPoint& point, const IntRect& rect, const char* text)
{
    if (!rect.equals(toolRect)) {
        hide();
        return;
    }
    if (visible)
        hideAfterTimeout();
    else if (text)
        showAfterDelay(point, text);
}

void HintWindow::showAfterDelay(const IntPoint& point, const char* text)
{
    if (!enabled || visible || shownOnce)
        return;
    allowIdleEvents();
    if (!timer.notElapsed(kShowAfterMs))
        show(point, text);
}

void HintWindow::hideAfterTimeout()
{
    allowIdleEvents();
    if (!visible)
        return;
    shownOnce = 1;
    if (!timer.notElapsed(kHideAfterMs))
        hide();
}

void HintWindow::show(const IntPoint& point, const char* text)
{
    if (!text || (!created && !createWindow()))
        return;
    int width = 0;
    int height = 0;
    {
        DcScope measure(dc);
        fontSelected = dc.selectGuiFont();
        dc.getTextExtent(text, width, height);
    }
    int top = toolRect.bottom + 2;
    if (point.y + GetSystemMetrics(SM_CYCURSOR) > top)
        top = point.y + GetSystemMetrics(SM_CYCURSOR);
    MoveWindow(hwnd(), point.x, top, width + 5, height + 2, TRUE);
    ShowWindow(hwnd(), SW_SHOWNA);
    // A window DC comes without the font: select it again for the text.
    DcScope scope(dc);
    (void)dc.selectGuiFont(); // measured with it a moment ago
    fillClient(kHintColour);
    SetBkColor(scope.hdc(), kHintColour);
    SetTextColor(scope.hdc(), RGB(0, 0, 0));
    dc.textOut(1, 0, text);
    // The class paints nothing itself: a paint still pending from showing would only erase the
    // text with the class background.
    ValidateRect(hwnd(), nullptr);
    visible = 1;
    timer.start();
}

void HintWindow::hide()
{
    if (!visible)
        return;
    ShowWindow(hwnd(), SW_HIDE);
    visible = 0;
}

void HintWindow::enabledText(char* buffer, int size) const { StringUtil::copy(buffer, size, enabled ? "ON" : "OFF"); }

int HintWindow::parseEnabled(const char* text)
{
    if (!text)
        return 0;
    if (StringUtil::equals(text, "ON"))
        enabled = 1;
    else if (StringUtil::equals(text, "OFF"))
        enabled = 0;
    else
        return 0;
    return 1;
}

int HintWindow::createWindow()
{
    static bool registered = false;
    if (!registered) {
        WindowClassSpec spec;
        spec.style = CS_HREDRAW | CS_VREDRAW | CS_SAVEBITS;
        spec.lpfnWndProc = DefWindowProcA;
        spec.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        spec.lpszClassName = hintClassName();
        registered = registerWindowClass(spec) != 0;
    }
    HWND owner = theApplication && theApplication->frame ? theApplication->frame->mdiClientHandle() : nullptr;
        HWND window = CreateWindowExA(0, hintClassName(), nullptr, WS_POPUP | WS_BORDER, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, programInstance(), nullptr);
    if (!window)
        return 0;
    attachHwnd(window);
    created = 1;
    return 1;
}

void HintWindow::destroyWindow()
{
    if (created)
        DestroyWindow(hwnd());
    attachHwnd(nullptr);
    created = 0;
    visible = 0;
}
