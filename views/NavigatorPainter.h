#pragma once
#include "document/PagePainter.h"
#include "views/OffscreenPainter.h"

class Window;

// The navigator's miniature: the whole sheet of the active drawing rendered once into an
// off-screen bitmap through a copy of the view mapping fitted to a square, stretched into the
// navigator pane (a square of the pane's larger side, cut to the pane) with a one-pixel red
// frame around the part of the sheet the drawing's view shows. A click into the pane centres the
// view there. The pane comes from the application's pane layout; without one nothing is drawn.
//
// After a bitmap could not be made, the next two draw requests are skipped and the third tries
// again (the skip counter).
class NavigatorPainter : public PagePainter {
public:
    void setContext(DocumentContext* owner) override
    {
        context = owner;
        canvas.setContext(owner);
    }
    int ensureBitmap() override { return canvas.ensureBitmap(); }
    int ensureBitmapOfSize(const IntRect& rect) override { return canvas.ensureBitmapOfSize(rect); }
    [[nodiscard]] int isCreated() const override { return canvas.isCreated(); }
    [[nodiscard]] DeviceContext* surface() override { return canvas.surface(); }
    [[nodiscard]] IntRect bitmapRect() const override { return canvas.bitmapRect(); }
    void clear() override { canvas.clear(); }

    // Without a drawing (the last one was closed) the pane is emptied to its face colour.
    void refresh(DocumentContext* owner) override;
    void show(DocumentContext* owner) override;
    void addElement(DocumentContext* owner, int id) override;
    void onNavigatorClick(DocumentContext* owner) override;
    // Renders the whole sheet of that drawing into the bitmap; 1 when drawn.
    int drawPage(DocumentContext* owner);
    // The view frame in pane client pixels for the bound drawing; 0 when it is smaller than 2 x 2
    // pixels or cannot be had.
    [[nodiscard]] int viewFrame(IntRect& out);

    DocumentContext* context = nullptr; // not owned
    OffscreenPainter canvas;
    IntRect targetRect;   // the pane's client rectangle it was last sized for
    IntRect squareRect;   // the same at (0, 0), square with the larger side
    int skipCounter = 0;

private:
    static void emptyPane(Window& window, const IntRect& pane);
};

// The navigator pane's window and client rectangle from the application's pane layout; null
// while it is not shown.
[[nodiscard]] Window* navigatorPaneOf(IntRect& client);
