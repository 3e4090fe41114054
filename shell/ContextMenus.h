#pragma once

class MainFrame;

// Builds the right-click menus into the application's popup list: the current tool's menu, the
// page bar's and the parts panes'. Each answers 1 when the list holds a menu to track; until the
// popup list is built there is none, and a right click opens nothing.
class ContextMenus {
public:
    explicit ContextMenus(MainFrame* owner) : frame(owner) {}
    virtual ~ContextMenus() = default;
    ContextMenus(const ContextMenus&) = delete;
    ContextMenus& operator=(const ContextMenus&) = delete;

    [[nodiscard]] virtual int buildToolMenu() { return 0; }
    [[nodiscard]] virtual int buildPageMenu() { return 0; }
    [[nodiscard]] virtual int buildPartsMenu() { return 0; }

    MainFrame* frame;
};
