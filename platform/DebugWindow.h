#pragma once
#include "platform/Window.h"

// A diagnostic strip along the bottom of the screen that prints labelled values line by line in
// columns: 7 lines of 20 pixels per column, columns 140 pixels apart, back to the left margin
// when a column would start less than 40 pixels from the right edge of the screen. The
// application keeps one (theDebugWindow); its window appears only at the first print, and the
// program's normal run prints nothing.
class DebugWindow : public Window {
public:
    DebugWindow();
    // Destroys the window when it was made.
    ~DebugWindow() override;

    // Prints label, text and suffix joined at the current line (creating the window when
    // needed), moves to the next line and marks it with "●◆ next <-     ".
    void print(const char* label, const char* text, const char* suffix);
    void printInt(const char* label, long value, const char* suffix);

    int created = 0;
    int leftMargin = 5;
    int topMargin = 5;
    // The current column's left and the current line's top, in client pixels.
    int x = 5;
    int y = 5;
    int columnWidth = 140;
    int lineHeight = 20;
    int windowHeight = 150;
    int rightReserve = 40;

private:
    void createWindow();
    void drawLine(const char* text);
};

extern DebugWindow* theDebugWindow;
