#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

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
};

// Defined in document/GlobalManagers.cpp, with its first readers.
extern PageTabBar* thePageTabBar;
