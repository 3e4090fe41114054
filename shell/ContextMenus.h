#pragma once

class DocumentContext;
class MainFrame;
class PopupMenuList;

// Builds the right-click menus into the application's popup list: the current tool's menu (only
// while a drawing is active), the page bar's and the parts panes'. Each answers 1 when the list
// holds a menu to track, 0 without a list (a right click then opens nothing) or when an item
// could not be added. Whether an item can be chosen is decided by its enable key when the menu
// is shown, for the drawing it is shown for.
class ContextMenus {
public:
    // The enable keys of the items.
    enum Key : int {
        kUndo = 11,
        kRedo = 12,
        kCut = 21,
        kCopy = 22,
        kPaste = 23,
        kDelete = 24,
        kScreenZoom = 41,
        kZoomIn = 42,
        kZoomOut = 43,
        kSelect = 51,
        kProperties = 52,
        kInsertBefore = 81,
        kInsertAfter = 82,
        kDeletePage = 84,
        kRedrawPage = 85,
        kRedrawFollowing = 86,
        kRedrawAll = 87,
        kShowContents = 88,
        kRegisterPart = 91,
        kPlacePart = 92,
        kDeletePart = 93,
        kPartSettings = 94,
    };

    explicit ContextMenus(MainFrame* owner) : frame(owner) {}
    virtual ~ContextMenus() = default;
    ContextMenus(const ContextMenus&) = delete;
    ContextMenus& operator=(const ContextMenus&) = delete;

    [[nodiscard]] virtual int buildToolMenu();
    [[nodiscard]] virtual int buildPageMenu();
    [[nodiscard]] virtual int buildPartsMenu();

    // 1 when an item of that key can be chosen for the drawing: every item without a drawing,
    // and the keys the table does not name (outside 11 to 94 among them).
    [[nodiscard]] static int isEnabled(int key, DocumentContext* context);

    MainFrame* frame;

private:
    // The application's list, emptied; null when there is none.
    [[nodiscard]] static PopupMenuList* emptyList();
};
