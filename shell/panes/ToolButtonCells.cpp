// The cells of the page and parts lists, and the scroll bar that moves them.
#include <algorithm>

#include "document/ContextMenuRequest.h"
#include "platform/ChildScrollBar.h"
#include "platform/CurrentEvent.h"
#include "platform/SystemMetrics.h"
#include "platform/Window.h"
#include "shell/FrameCommands.h"
#include "shell/panes/DockPane.h"
#include "shell/panes/ToolButton.h"

int ToolButton::horizontalPane() const { return pane && pane->isHorizontal(); }

IntRect ToolButton::listRect() const
{
    IntRect area = pane->clientRect();
    area.moveTo(0, 0);
    if (horizontalPane())
        area.shrinkBottom(getHScrollBarHeight());
    else
        area.shrinkRight(getVScrollBarWidth());
    area.deflate(2);
    return area;
}

int ToolButton::cellsPerView()
{
    if (!pane)
        return 2;
    const IntRect area = listRect();
    const int along = horizontalPane() ? area.width() : area.height();
    const int cell = rect.width();
    // A pane too short for one cell beside its scroll bar has a cell of no width.
    if (cell < 1)
        return 0;
    return std::max(0, (along + kCellSpacing - kCellInset) / (cell + kCellSpacing));
}

int ToolButton::firstVisible() { return linkedButton ? linkedButton->scrollPosition() : 0; }

int ToolButton::cellRectWithin(int index, IntRect& cell, int extra)
{
    const int limit = (buttonType() == ButtonType::Page ? pageCount : partsCount) + extra;
    if (index < 0 || index >= cellsPerView() || firstVisible() + index >= limit)
        return 0;
    cell = windowRect();
    const int step = index * (rect.width() + kCellSpacing);
    if (horizontalPane())
        cell.moveHorizontally(step);
    else
        cell.moveVertically(step);
    return 1;
}

int ToolButton::cellAtPoint(const IntPoint& screen, IntRect* cell)
{
    IntPoint p = screen;
    Window* w = pane ? pane->window() : nullptr;
    if (w && w->hwnd())
        w->screenToClient(p);
    // The page strip ends with one empty cell, where a page is added.
    const int extra = buttonType() == ButtonType::Page ? 1 : 0;
    const int first = firstVisible();
    IntRect r;
    for (int index = 0; cellRectWithin(index, r, extra); ++index) {
        if (r.containsPoint(p)) {
            if (cell)
                *cell = r;
            return first + index + 1;
        }
    }
    return -1;
}

void ToolButton::drawCellFramesFrom(int limitExtra, int raisedNumber)
{
    Window* w = pane ? pane->window() : nullptr;
    if (!w)
        return;
    const int first = firstVisible();
    IntRect r;
    for (int index = 0; cellRectWithin(index, r, limitExtra); ++index) {
        if (first + index + 1 == raisedNumber)
            drawRaisedFrame(*w, r);
        else
            drawSunkenFrame(*w, r);
    }
}

void ToolButton::drawCellFrames()
{
    if (buttonType() == ButtonType::Page)
        drawCellFramesFrom(1, pageCurrent);
    else if (buttonType() == ButtonType::Parts)
        drawCellFramesFrom(0, partsSelected);
}

void ToolButton::setPages(int current, int count)
{
    pageCurrent = current;
    pageCount = count;
    if (!linkedButton)
        return;
    const int perView = cellsPerView();
    linkedButton->setScrollRange(0, count + 1, perView);
    int wanted = current - 1;
    const int last = count + 1 - perView;
    const bool capped = wanted > last;
    if (capped)
        wanted = last;
    wanted = std::max(0, wanted);
    const int at = linkedButton->scrollPosition();
    if (!capped && wanted >= at && wanted <= at + perView - 2)
        return;
    linkedButton->setScrollPosition(wanted);
}

void ToolButton::setPartsRange(int selected, int count)
{
    partsSelected = selected;
    partsCount = count;
    if (!linkedButton)
        return;
    linkedButton->setScrollRange(0, count, cellsPerView());
    if (selected >= 1)
        linkedButton->setScrollPosition(selected - 1);
}

DeviceContext* ToolButton::surface()
{
    Window* w = pane ? pane->window() : nullptr;
    return w ? &w->dc : nullptr;
}

void ToolButton::listArea(IntRect& area)
{
    area = pane ? listRect() : rect;
    if (pane)
        area.moveByPoint(pane->originInWindow());
}

void ToolButton::repaint()
{
    Window* w = pane ? pane->window() : nullptr;
    if (w && w->hwnd()) {
        IntRect area;
        listArea(area);
        w->invalidateRect(area);
    }
}

void ToolButton::openContextMenu() { postPartsMenuRequest(); }

int ToolButton::isPaneShown() { return pane && pane->position != DockPane::kHidden; }

int ToolButton::panePosition() { return pane ? pane->position : DockPane::kHidden; }

Window* ToolButton::paneWindow() { return pane ? pane->window() : nullptr; }

void ToolButton::setFirstVisible(int pages)
{
    if (linkedButton)
        linkedButton->setScrollPosition(pages);
}

void ToolButton::thumbnailRect(IntRect& out)
{
    // The width of the pane docked at the right, whatever its position now.
    IntRect docked;
    if (pane)
        pane->rectFor(DockPane::kRight, docked);
    const int side = docked.width() - getVScrollBarWidth();
    out = IntRect::fromEdges(0, 0, side > 0 ? side : 0, side > 0 ? side : 0);
    out.deflate(kCellInset);
    if (out.width() < 0 || out.height() < 0)
        out.init();
}

int ToolButton::scrollPosition()
{
    if (scrollBar)
        scrollBar->getState(scrollState);
    return scrollState[0];
}

void ToolButton::setScrollRange(int minimum, int maximum, int page)
{
    if (scrollBar)
        scrollBar->getState(scrollState);
    scrollState[1] = minimum;
    scrollState[2] = maximum;
    scrollState[3] = page;
    applyScrollState();
}

void ToolButton::setScrollPosition(int position)
{
    if (scrollBar)
        scrollBar->getState(scrollState);
    scrollState[0] = position;
    applyScrollState();
}

void ToolButton::applyScrollState()
{
    // The bar's state holds only its range; the control takes range and position together.
    if (!scrollBar)
        return;
    scrollBar->setState(scrollState);
    scrollBar->setPosition(scrollState[0], TRUE);
    scrollBar->getState(scrollState);
}

void ToolButton::placeScrollBar()
{
    Window* w = pane ? pane->window() : nullptr;
    if (buttonType() != ButtonType::Scroll || !w)
        return;
    IntRect area = pane->clientRect();
    area.moveTo(0, 0);
    area.deflate(1);
    if (horizontalPane())
        area.top = area.bottom - getHScrollBarHeight();
    else
        area.left = area.right - getVScrollBarWidth();
    rect = area;
    if (!w->hwnd())
        return;
    if (!scrollBar)
        scrollBar = new ChildScrollBar;
    const IntRect at = windowRect();
    // Without its bar the list keeps its state and shows from its first cell.
    if (horizontalPane())
        (void)scrollBar->createOrMoveHorizontal(w, at, scrollState);
    else
        (void)scrollBar->createOrMoveVertical(w, at, scrollState);
}

int ToolButton::ownsScrollMessage() const { return scrollBar && scrollBar->isMessageFromChild(); }

void ToolButton::handleScroll()
{
    if (!scrollBar)
        return;
    if (linkedButton)
        linkedButton->scrolling = 1;
    scrollBar->handleScrollEvent();
    scrollBar->getState(scrollState);
    if (linkedButton)
        linkedButton->scrolling = 0;
}

void ToolButton::onPositionChanged(int, int newPosition)
{
    if (scrollBar) {
        scrollBar->getState(scrollState);
        delete scrollBar;
        scrollBar = nullptr;
    }
    if (newPosition < DockPane::kTop || newPosition > DockPane::kFloat)
        return;
    if (buttonType() == ButtonType::Page) {
        layoutByType();
        setPages(pageCurrent, pageCount);
    } else if (buttonType() == ButtonType::Parts) {
        layoutByType();
        setPartsRange(partsSelected, partsCount);
    }
}
