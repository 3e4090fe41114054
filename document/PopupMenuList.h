#pragma once
// The context menu's item list as the drawing and the views fill and show it; the shell implements it.
#include <cstdint>

#include "platform/GlobalBlock.h"

class DocumentContext;
class Menu;

// The items of the context menu about to be shown (one for the application): the frame's
// ContextMenus fill it, the drawing's context tracks it. Every item has an enable key that says
// when it can be chosen for the drawing (ContextMenus::isEnabled); key 0 with command 0 is a
// separator. Items are kept in order; an item that could not be added spoils the list, which is
// then not shown until it is cleared.
class PopupMenuList {
public:
    static constexpr int kLabelSize = 256;
    struct Item {
        int32_t enableKey;
        int32_t command;
        int32_t checked;
        char label[kLabelSize];
    };

    PopupMenuList();
    virtual ~PopupMenuList() = default;
    PopupMenuList(const PopupMenuList&) = delete;
    PopupMenuList& operator=(const PopupMenuList&) = delete;

    // The drawing the enable keys ask (null: every item enabled).
    virtual void setContext(DocumentContext* owner) { context = owner; }
    // Shows the menu at the cursor and waits for the choice, which reaches the frame as a menu
    // command; 1 when shown, 0 for an empty or spoilt list or a menu that could not be made.
    virtual int track();

    void clear();
    // The label is cut to kLabelSize - 1 bytes on a character boundary. 1, or 0 when the list
    // cannot grow.
    int addItem(int enableKey, int command, int checked, const char* label);
    int addSeparator() { return addItem(0, 0, 0, "-"); }
    [[nodiscard]] int itemCount() const { return items.count; }
    [[nodiscard]] int itemAt(int index, Item& out);
    // The menu of the items: a separator for command 0, a checked item when checked is 1, and
    // each item whose key says no greyed. 0 when the list is empty or spoilt, or an item could
    // not be appended. (Tests build the menu and read it; they never track it.)
    [[nodiscard]] int build(Menu& menu);

    DocumentContext* context = nullptr; // not owned
    GlobalBlock items;
    int spoilt = 0;
};

// Defined in document/GlobalManagers.cpp, with its first readers.
extern PopupMenuList* thePopupMenuList;
