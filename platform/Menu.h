#pragma once
#include <windows.h>

// A menu handle with its own counter for separator ids: each separator takes the next value as
// its id. The handle is set by whoever creates or loads the menu (a pop-up menu's create(), the
// frame menu once the frame window exists).
class Menu {
public:
    Menu() = default;
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // DestroyMenu of a held handle, which is forgotten; 1 when nothing was held.
    int destroy();
    [[nodiscard]] int appendItem(const char* text, int id);
    [[nodiscard]] int appendTickedItem(const char* text, int id);
    [[nodiscard]] int appendCheckedItem(const char* text, int id) { return appendTickedItem(text, id); }
    [[nodiscard]] int appendSeparator();
    void enableItem(int id);
    void disableItem(int id);
    // The item's label, cut to the buffer; the length read (0 when there is no such item).
    [[nodiscard]] int getItemText(int id, char* buffer, int size);
    int setItemText(int id, const char* text);
    // The new text followed by the old label's ending from its first '(' on (the mnemonic in
    // parentheses and, after a tab, the accelerator text), when the old label has one.
    int relabelItem(int id, const char* text);

    int itemCounter = 0;
    HMENU handle = nullptr;
};

// The pop-up menus are tracked through this function so that tests can answer in place of the
// user (TrackPopupMenu waits for one). Installing null brings back TrackPopupMenu; the previous
// function is returned.
using PopupTracker = BOOL (*)(HMENU menu, UINT flags, int x, int y, HWND owner);
PopupTracker setPopupTracker(PopupTracker tracker);
[[nodiscard]] BOOL trackPopup(HMENU menu, UINT flags, int x, int y, HWND owner);
