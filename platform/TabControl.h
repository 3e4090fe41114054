#pragma once
#include <windows.h>

class Window;

// A tab strip along the top of a window or dialog (the property dialogs switch their pages with
// it). It is created small and given its real size by fitToOwner(). It is a tab stop, so that a
// dialog's pages are reached by the keyboard too: Tab to the strip, then the arrow keys.
class TabControl {
public:
    TabControl() = default;
    TabControl(const TabControl&) = delete;
    TabControl& operator=(const TabControl&) = delete;

    // "SysTabControl32" with id 101 in the owner, in the default GUI font; 1 when created.
    [[nodiscard]] int create(HWND ownerWindow);
    [[nodiscard]] int create(Window& ownerWindow);
    // Appends a tab; returns its index, -1 on failure.
    [[nodiscard]] int addTab(const char* text);
    // The owner's client width; with sizeByDialogUnits the height of 20 dialog units.
    void fitToOwner();
    void select(int index);
    [[nodiscard]] int currentTab() const;

    enum { kControlId = 101 };

    HWND owner = nullptr;
    int sizeByDialogUnits = 0;
    int tabCount = 0;
    HWND handle = nullptr;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP;
};
