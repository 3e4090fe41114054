#pragma once
#include <windows.h>

#include "platform/Dialog.h"
#include "platform/ModelessDialog.h"
#include "platform/TickTimer.h"

// The splash picture (bitmap 106) on dialog 102: shown at the picture's own size, the dialog
// fitted around it. The splash and the version box share it.
void showSplashPicture(Dialog& dialog);

// The splash shown while the application starts: modeless over the frame, painted at once.
class SplashDialog : public ModelessDialog {
public:
    [[nodiscard]] int handleMessage() override;
};

// The version box (command 40024): the splash picture, modal; a click, a key or a command ends it.
class AboutDialog : public Dialog {
public:
    [[nodiscard]] int handleMessage() override;
};

// Runs the version box over the frame.
void showAboutBox();

// The splash for the time of start-up: created with its timer started, and closed no sooner than
// kMinimumShowMs after that. The wait pumps no messages (nothing of the half-built application may
// run); it sleeps between looks at the clock.
class SplashScreen {
public:
    static constexpr DWORD kMinimumShowMs = 1000;
    static constexpr DWORD kWaitStepMs = 20;
    // What the wait does between looks at the clock; tests move their clock instead.
    using Sleeper = void (*)(DWORD milliseconds);
    static Sleeper sleeper;

    // Shows the splash over `owner`.
    explicit SplashScreen(HWND owner);
    // The dialog goes with it.
    ~SplashScreen();
    SplashScreen(const SplashScreen&) = delete;
    SplashScreen& operator=(const SplashScreen&) = delete;

    // Waits until kMinimumShowMs have passed since the splash was shown.
    void waitMinimumTime();
    // The splash window; null when it could not be shown.
    [[nodiscard]] HWND window() const { return dialog ? dialog->hwnd : nullptr; }

private:
    SplashDialog* dialog = nullptr; // owned
    TickTimer timer;
};
