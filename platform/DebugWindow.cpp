#include "platform/DebugWindow.h"

#include "platform/Application.h"
#include "platform/StringUtil.h"

DebugWindow* theDebugWindow = nullptr;

namespace {
const char kClassName[] = "yPDebugWin";
} // namespace

DebugWindow::DebugWindow() { title = kClassName; }

DebugWindow::~DebugWindow()
{
    if (created)
        DestroyWindow(hwnd());
}

void DebugWindow::createWindow()
{
    static bool registered = false;
    if (!registered) {
        WindowClassSpec spec;
        spec.style = CS_HREDRAW | CS_VREDRAW;
        spec.lpfnWndProc = DefWindowProcA;
        spec.lpszClassName = kClassName;
        registered = registerWindowClass(spec) != 0;
    }
    // The bottom of the screen, 3 pixels in from every side and 20 more from the bottom.
    IntRect r;
    r.left = 3;
    r.top = 3;
    r.right = GetSystemMetrics(SM_CXSCREEN) - 3;
    r.bottom = GetSystemMetrics(SM_CYSCREEN) - 3 - 20;
    r.setTopFromHeight(windowHeight);
        HWND window = CreateWindowExA(0, kClassName, title, WS_POPUP | WS_VISIBLE | WS_DLGFRAME, r.left, r.top, r.width(),
                                  r.height(), nullptr, nullptr, programInstance(), nullptr);
    if (!window)
        return;
    attachHwnd(window);
    created = 1;
}

void DebugWindow::print(const char* label, const char* text, const char* suffix)
{
    if (!created)
        createWindow();
    char line[512] = {};
    StringUtil::copy(line, label ? label : "");
    StringUtil::append(line, text ? text : "");
    StringUtil::append(line, suffix ? suffix : "");
    drawLine(line);
    y += lineHeight;
    if (windowHeight - lineHeight < y) {
        y = topMargin;
        x += columnWidth;
        if (x > GetSystemMetrics(SM_CXSCREEN) - rightReserve)
            x = leftMargin;
    }
    // The next line overwrites the marker.
    drawLine("●◆ next <-     ");
}

void DebugWindow::drawLine(const char* text)
{
    // Without its window the debug window draws nowhere (never on the screen's DC).
    if (!created)
        return;
    DcScope scope(dc);
    dc.setOpaqueBackground();
    dc.textOut(x, y, text);
}

void DebugWindow::printInt(const char* label, long value, const char* suffix)
{
    char number[16];
    StringUtil::formatInt(value, number);
    print(label, number, suffix);
}
