#include "platform/StatusBar.h"

#include <commctrl.h>
#include <new>

#include "platform/Application.h"
#include "platform/FrameWindow.h"
#include "platform/ProgressIndicator.h"

StatusBar::StatusBar(Window* frame) : parts(3, sizeof(int)), frame_(frame)
{
    int whole = -1;
    (void)parts.append(&whole); // a block that cannot grow has told the user; the bar then shows no text
}

StatusBar::~StatusBar()
{
    delete progress;
    if (hwnd() && IsWindow(hwnd()))
        destroy();
}

Window* StatusBar::frameWindow() const
{
    if (frame_)
        return frame_;
    return theApplication ? theApplication->frame : nullptr;
}

HWND StatusBar::createWindow()
{
    Window* frame = frameWindow();
    HWND window = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM, "",
                                      frame ? frame->hwnd() : nullptr, kControlId);
    attachHwnd(window);
    return window;
}

void StatusBar::fitToFrame()
{
    Window* frame = frameWindow();
    if (!frame || !hwnd())
        return;
    IntRect client = frame->clientRect();
    int height = clientRect().height();
    MoveWindow(hwnd(), client.left, client.bottom - height, client.width(), height, TRUE);
}

void StatusBar::setParts(int count, const int* rightEdges)
{
    if (count < 1 || !rightEdges)
        return;
    parts.count = 0;
    for (int i = 0; i < count; ++i)
        if (!parts.append(&rightEdges[i]))
            return;
    // Sent for a single part too, so that a bar that had several shows one again.
    if (hwnd())
        SendMessageA(hwnd(), SB_SETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(rightEdges));
}

int StatusBar::setPartText(int part, const char* text)
{
    if (!hwnd() || part < 0 || part >= parts.count)
        return parts.count;
    return static_cast<int>(SendMessageA(hwnd(), SB_SETTEXTA, static_cast<WPARAM>(part),
                                         reinterpret_cast<LPARAM>(text ? text : "")));
}

IntRect StatusBar::partRect(int part)
{
    IntRect r;
    if (hwnd())
        SendMessageA(hwnd(), SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(r.asRect()));
    return r;
}

void StatusBar::pushProgress(int part, int low, int high)
{
    progressPart = part;
    pushRange(low, high);
}

void StatusBar::pushRange(int low, int high)
{
    if (progress)
        progress->destroy();
    setPartText(progressPart, "");
    if (depth < kKeptRanges) {
        lows[depth] = low;
        highs[depth] = high;
    }
    ++depth;
    showProgress();
}

void StatusBar::showProgress()
{
    int top = depth > kKeptRanges || depth < 1 ? 0 : depth - 1;
    if (!progress)
        progress = new (std::nothrow) ProgressIndicator;
    if (!progress)
        return;
    IntRect r = partRect(progressPart);
    r.deflate(2);
    (void)progress->create(this, r); // without its window the bar shows nothing; the work goes on
    progress->setRange(lows[top], highs[top]);
}

void StatusBar::setProgress(int value)
{
    if (progress)
        progress->setValue(value);
}

void StatusBar::popRange()
{
    if (depth < 1)
        return;
    delete progress;
    progress = nullptr;
    --depth;
    if (depth > 0)
        showProgress();
}
