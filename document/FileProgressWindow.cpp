#include "document/FileProgressWindow.h"

#include <new>

#include "platform/Control.h"
#include "platform/ControlKinds.h"

FileProgressWindow::FileProgressWindow(int resource, int bar) : resourceId(resource), barId(bar) {}

void FileProgressWindow::begin(int start, int total)
{
    if (!hwnd)
        create(resourceId);
    if (Control* bar = findControl(barId))
        bar->setRange(start, total);
}

void FileProgressWindow::step(int position)
{
    // Without its window (no resource) nothing is pumped: messages of other windows would be
    // handled in the middle of the read or write.
    if (!hwnd)
        return;
    pumpOneMessage();
    if (Control* bar = findControl(barId))
        bar->setValue(position);
}

int FileProgressWindow::handleMessage()
{
    if (event == DLG_INIT) {
        addControl(barId, KIND_PROGRESS_BAR);
        addControl(kCancelButton, KIND_PUSH_BUTTON);
        attachControls();
        SetWindowTextA(hwnd, "file in/out");
        return 1;
    }
    if (event == DLG_COMMAND && currentControl && currentControl->id == kCancelButton) {
        cancelFlag = 1;
        return 1;
    }
    return ModelessDialog::handleMessage();
}

FileProgress* makeFileProgressWindow() { return new (std::nothrow) FileProgressWindow; }
