#include "views/NavigatorPainter.h"

#include "document/DocumentContext.h"
#include "document/ViewUpdater.h"
#include "platform/Application.h"
#include "platform/PaneLayout.h"
#include "platform/Window.h"
#include "views/ViewMapping.h"
#include "views/tools/ElementEditor.h"

namespace {
// The rectangle moved to (0, 0) and made square with its larger side.
IntRect squareOf(const IntRect& r)
{
    const int side = r.width() > r.height() ? r.width() : r.height();
    return IntRect::fromEdges(0, 0, side, side);
}

bool sameRect(const IntRect& a, const IntRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
} // namespace

Window* navigatorPaneOf(IntRect& client)
{
    PaneLayout* layout = theApplication ? theApplication->workspaceLayout : nullptr;
    return layout ? layout->navigatorPane(client) : nullptr;
}

int NavigatorPainter::drawPage(DocumentContext* owner)
{
    if (!owner || skipsRequest(skipCounter))
        return 0;
    setContext(owner);
    if (!ensureBitmap()) {
        skipCounter = 1;
        return 0;
    }
    if (!owner->view || !owner->updater)
        return 0;
    FittedSheetView fitted(context, squareRect);
    if (!fitted)
        return 0;
    clear();
    owner->updater->drawPageOnPagePainter();
    return 1;
}

void NavigatorPainter::refresh(DocumentContext* owner)
{
    IntRect pane;
    Window* window = navigatorPaneOf(pane);
    if (!window || !owner) {
        setContext(nullptr);
        if (window)
            emptyPane(*window, pane);
        return;
    }
    targetRect = pane;
    squareRect = squareOf(pane);
    (void)drawPage(owner); // 0 while skipping or without a view: the pane shows what it had
    show(owner);
}

void NavigatorPainter::emptyPane(Window& window, const IntRect& pane)
{
    DcScope scope(window.dc);
    if (!scope.hdc())
        return;
    RgbColor face;
    face.setColorRef(GetSysColor(COLOR_BTNFACE));
    window.dc.fillRect(face, pane);
}

void NavigatorPainter::show(DocumentContext* owner)
{
    IntRect pane;
    Window* window = navigatorPaneOf(pane);
    if (!window || !owner)
        return;
    if (owner != context || !sameRect(squareOf(pane), squareRect)) {
        refresh(owner);
        return;
    }
    if (!canvas.isCreated())
        return;
    DcScope scope(window->dc);
    if (!scope.hdc())
        return;
    window->dc.clipToRect(pane);
    const IntRect square = IntRect::fromEdges(pane.left, pane.top, pane.left + squareRect.width(),
                                              pane.top + squareRect.height());
    (void)StretchBlt(scope.hdc(), square.left, square.top, square.width(), square.height(), canvas.bitmap.dc.hdc, 0,
                     0, squareRect.width(), squareRect.height(), SRCCOPY);
    IntRect frame;
    if (viewFrame(frame))
        window->dc.drawFrame(PenSpec(RgbColor(255, 0, 0)), frame, 1);
    window->dc.resetClip();
}

int NavigatorPainter::viewFrame(IntRect& out)
{
    out.init();
    IntRect client;
    viewClientRectOf(context, client);
    IntPoint a, b;
    if (!FittedSheetView::mapViewRect(context, client, squareRect, a, b))
        return 0;
    // The miniature is stretched into a square of the same side, so the frame keeps its
    // pixels; it moves with the pane's origin.
    out.setFromPoints(a, b);
    out.moveBy(targetRect.left, targetRect.top);
    return out.width() >= 2 && out.height() >= 2;
}

void NavigatorPainter::addElement(DocumentContext* owner, int id)
{
    if (!owner)
        return;
    if (owner != context) {
        refresh(owner);
        return;
    }
    if (skipsRequest(skipCounter))
        return;
    if (!ensureBitmap()) {
        skipCounter = 1;
        return;
    }
    if (!owner->updater || !owner->editor1)
        return;
    FittedSheetView fitted(context, squareRect);
    if (!fitted)
        return;
    owner->updater->redirectToPagePainter(1);
    (void)owner->editor1->drawElementById(id); // the next id does not matter here
    owner->updater->redirectToPagePainter(0);
    fitted.restore();
    show(owner);
}

void NavigatorPainter::onNavigatorClick(DocumentContext* owner)
{
    IntRect pane;
    Window* window = navigatorPaneOf(pane);
    if (!window || !owner || owner != context)
        return;
    IntPoint at = window->leftDownPos();
    at.x -= targetRect.left;
    at.y -= targetRect.top;
    FittedSheetView fitted(context, squareRect);
    if (!fitted)
        return;
    double x = 0.0, y = 0.0;
    fitted->deviceToWorldXY(at, &x, &y);
    fitted.restore();
    if (auto* view = dynamic_cast<ViewMapping*>(owner->view))
        view->centreOn(x, y);
}
