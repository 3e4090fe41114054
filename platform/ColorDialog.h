#pragma once
#include <windows.h>
#include <commdlg.h>

#include "platform/RgbColor.h"

// The system colour chooser run on a colour, fully opened and centred on the screen. The custom
// colours live in the object (all white at first) and are shown and kept across calls.
class ColorDialog : public RgbColor {
public:
    ColorDialog();
    ColorDialog(const ColorDialog&) = delete;
    ColorDialog& operator=(const ColorDialog&) = delete;

    // Runs the chooser (a non-null owner replaces the main frame as owner). When the user
    // confirms, the colour takes the result through setColorRef, so the inks follow the model;
    // returns the chooser's result (0 on cancel or failure, the colour unchanged).
    [[nodiscard]] int choose(HWND owner);

    void setCustomColor(int i, COLORREF value);
    [[nodiscard]] COLORREF getCustomColor(int i) const;
    void copyCustomColors(const ColorDialog& other);

    CHOOSECOLORA record;
    COLORREF customColors[16];
};

// The application's chooser, whose custom colours the dialogs share; null until start-up makes it.
extern ColorDialog* theColorChooser;

// The chooser is reached through one replaceable function so that tests can answer it without a
// screen. The replacement receives exactly what ChooseColorA would.
using ChooseColorFunction = BOOL (*)(CHOOSECOLORA* record);

// Installs a replacement (null restores ChooseColorA) and returns the previous one.
ChooseColorFunction setChooseColorFunction(ChooseColorFunction function);

// The hook that centres the chooser on the screen when it opens; it never takes over a message.
UINT_PTR CALLBACK centerColorDialogHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
