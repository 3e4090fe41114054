#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class DeviceContext;
class DocumentContext;

// The page bar pane (one for the application): a tab per page of the active drawing, drawn
// through a painter of its own.
class PageTabBar {
public:
    virtual ~PageTabBar() = default;

    virtual void setContext(DocumentContext* context) = 0;
    virtual int ensureBitmap() = 0;
    // Switches the drawing to page n; 1 on success.
    [[nodiscard]] virtual int selectPage(DocumentContext* context, int page) = 0;
    virtual void refresh(DocumentContext* context) = 0;
    // After the redraw manager redrew the current page: the current page's thumbnail follows.
    virtual void onPageRedrawn(DocumentContext* context) { (void)context; }
    // The bitmap that page redraws draw into while the redraw manager redirects them to the bar;
    // null without one.
    [[nodiscard]] virtual DeviceContext* surface() { return nullptr; }
};

// Defined in document/GlobalManagers.cpp, with its first readers.
extern PageTabBar* thePageTabBar;
