#include "shell/SplashScreen.h"

#include <new>

#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Control.h"
#include "platform/ControlKinds.h"
#include "platform/FrameWindow.h"
#include "resources/ids.h"

namespace {
void sleepFor(DWORD milliseconds) { Sleep(milliseconds); }

// The picture's item and the dialog take the bitmap's size; the dialog is placed again for it.
void fitAround(Dialog& dialog, Control& picture, const IntRect& size)
{
    HWND window = dialog.hwnd;
    RECT outer = {0, 0, size.width(), size.height()};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (HWND item = GetDlgItem(window, picture.id))
        MoveWindow(item, 0, 0, size.width(), size.height(), FALSE);
    (void)picture.attach(); // the item exists: it was attached a moment ago
    dialog.applyPlacement();
}

// The dialog's own painting first (it erases its background, the picture's area too), then the
// picture over it, which paints outside WM_PAINT.
int paintPicture(Dialog& dialog)
{
    PAINTSTRUCT paint;
    BeginPaint(dialog.hwnd, &paint);
    EndPaint(dialog.hwnd, &paint);
    dialog.refreshControls();
    return 1;
}
} // namespace

SplashScreen::Sleeper SplashScreen::sleeper = sleepFor;

void showSplashPicture(Dialog& dialog)
{
    // Without its picture the dialog shows empty; start-up goes on.
    if (!dialog.addControl(IDC_SPLASH_PICTURE, KIND_PICTURE))
        return;
    dialog.attachControls();
    Control* picture = dialog.findControl(IDC_SPLASH_PICTURE);
    if (!picture)
        return;
    picture->setBitmapId(IDB_SPLASH);
    IntRect size;
    if (!picture->getBitmapSize(&size) || size.width() < 1 || size.height() < 1)
        return;
    picture->setNaturalSize(1);
    fitAround(dialog, *picture, size);
}

int SplashDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT:
        showSplashPicture(*this);
        return 1;
    case DLG_PAINT:
        return paintPicture(*this);
    default:
        return ModelessDialog::handleMessage();
    }
}

int AboutDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT:
        showSplashPicture(*this);
        return 1;
    case DLG_PAINT:
        return paintPicture(*this);
    case DLG_CLICK:
    case DLG_OTHER_CLICK:
    case DLG_COMMAND:
        end();
        return 1;
    default:
        return Dialog::handleMessage();
    }
}

void showAboutBox()
{
    AboutDialog dialog;
    dialog.setPlacementScreenCentre();
    (void)dialog.runModal(IDD_SPLASH); // the box has no answer
}

SplashScreen::SplashScreen(HWND owner)
{
    dialog = new (std::nothrow) SplashDialog;
    if (dialog) {
        dialog->ownerHwnd = owner;
        dialog->setPlacementScreenCentre();
        // A splash that cannot be shown is only missing; start-up goes on.
        (void)dialog->create(IDD_SPLASH);
    }
    timer.start();
}

SplashScreen::~SplashScreen()
{
    if (!dialog)
        return;
    dialog->destroy();
    delete dialog;
}

void SplashScreen::waitMinimumTime()
{
    while (timer.notElapsed(kMinimumShowMs))
        sleeper(kWaitStepMs);
}
