#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class DeviceContext;
class DocumentContext;

// The redraw manager of a document window: decides where element operations draw and keeps the
// window consistent. Only the operations that the document context calls are declared here.
class ViewUpdater {
public:
    virtual ~ViewUpdater() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    // Copies the whole document painter to the window.
    virtual void flushPainter() = 0;
    // Clears the painter, redraws the current page, refreshes the page painter and page bar.
    virtual void refreshAll() = 0;
    // The same after resetting the file error reporter's once-only flags.
    virtual void refreshAfterReset() = 0;
    // Scrolls the painter by (dx, dy) scroll steps and redraws the uncovered strip.
    virtual void scrollBy(int dx, int dy) = 0;
    // Nested clip to the view area; the last end removes it.
    virtual void beginClip() = 0;
    virtual void endClip() = 0;

    // Redraws the current page into the painter and shows it.
    virtual void redrawCurrentPage() {}
    // The overlay: a copy of the painter on which rubber bands are drawn and then shown in the
    // window, so that the next copy erases them. Null while the view has none (the defaults).
    [[nodiscard]] virtual DeviceContext* overlaySurface() { return nullptr; }
    virtual void copyPainterToOverlay() {}
    virtual void flushOverlay() {}

    // The surface an element operation draws on; operation 1 (drawing a page) is where the sheet
    // and the grid are painted. Null while there is none (the default).
    [[nodiscard]] virtual DeviceContext* surfaceForOperation(int operation)
    {
        (void)operation;
        return nullptr;
    }
    // 1 while page redraws go to the navigator's page painter, or to the page bar's thumbnails.
    [[nodiscard]] virtual int redirectsToPagePainter() const { return 0; }
    [[nodiscard]] virtual int redirectsToPageTabBar() const { return 0; }
    // Invalidates the view window's whole client area, so that it is painted again (the grid
    // after its settings changed). Nothing without a window (the default).
    virtual void invalidateView() {}
};
