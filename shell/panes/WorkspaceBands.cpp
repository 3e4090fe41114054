// The four docking bands: their origins and edges, packing and settling, docking a pane at a
// rectangle, and the band a dragged pane would take.
#include <algorithm>
#include <climits>

#include "platform/MdiClientWindow.h"
#include "shell/panes/BandLayout.h"
#include "shell/panes/DockPane.h"
#include "shell/panes/ToolButton.h"
#include "shell/panes/WorkspaceLayout.h"

using band_layout::BandFrame;

namespace {
int pitchOf(int band)
{
    return band == DockPane::kLeft || band == DockPane::kRight ? DockPane::kColumnPitch : DockPane::kRowPitch;
}
} // namespace

Window* WorkspaceLayout::frameWindow() { return theApplication ? theApplication->frame : nullptr; }

IntRect WorkspaceLayout::clientArea()
{
    FrameWindow* frame = theApplication ? theApplication->frame : nullptr;
    return frame && frame->hwnd() ? frame->areaAboveStatusBar() : IntRect();
}

void WorkspaceLayout::screenToClient(IntRect& r)
{
    if (Window* frame = frameWindow(); frame && frame->hwnd())
        frame->screenToClientRect(r);
}

void WorkspaceLayout::clientToScreen(IntRect& r)
{
    if (Window* frame = frameWindow(); frame && frame->hwnd())
        frame->clientToScreenRect(r);
}

IntPoint WorkspaceLayout::bandOrigin(int band)
{
    const IntRect client = clientArea();
    switch (band) {
    case DockPane::kLeft:
        return IntPoint(client.left, freeArea.top);
    case DockPane::kRight:
        return IntPoint(client.right, freeArea.top);
    case DockPane::kBottom:
        return IntPoint(client.left, client.bottom);
    default:
        return IntPoint(client.left, client.top);
    }
}

IntRect WorkspaceLayout::bandArea(int band)
{
    const IntRect client = clientArea();
    const IntPoint origin = bandOrigin(band);
    switch (band) {
    case DockPane::kTop:
    case DockPane::kBottom:
        return IntRect::fromEdges(origin.x, origin.y, client.right, origin.y);
    case DockPane::kLeft:
    case DockPane::kRight:
        return IntRect::fromEdges(origin.x, origin.y, origin.x, std::max(origin.y, freeArea.bottom));
    default:
        return IntRect();
    }
}

void WorkspaceLayout::updateEdges()
{
    const IntRect client = clientArea();
    int top = INT_MIN, left = INT_MIN, right = INT_MAX, bottom = INT_MAX;
    // The top and bottom bands first: the left and right bands lie between them.
    freeArea = client;
    for (int pass = 0; pass < 2; ++pass) {
        for (DockPane* pane : panes) {
            const int where = pane->position;
            if ((pass == 0) != (where == DockPane::kTop || where == DockPane::kBottom) || !pane->isDocked())
                continue;
            IntRect r;
            pane->rectFor(where, r);
            if (where == DockPane::kTop)
                top = std::max(top, r.bottom - 1);
            else if (where == DockPane::kLeft)
                left = std::max(left, r.right - 1);
            else if (where == DockPane::kRight)
                right = std::min(right, r.left + 1);
            else
                bottom = std::min(bottom, r.top + 1);
        }
        if (pass == 0) {
            freeArea.top = top == INT_MIN ? client.top : top;
            freeArea.bottom = bottom == INT_MAX ? client.bottom : bottom;
        }
    }
    freeArea.left = left == INT_MIN ? client.left : left;
    freeArea.right = right == INT_MAX ? client.right : right;
}

int WorkspaceLayout::topDockEdge()
{
    updateEdges();
    return freeArea.top;
}

int WorkspaceLayout::leftDockEdge()
{
    updateEdges();
    return freeArea.left;
}

int WorkspaceLayout::rightDockEdge()
{
    updateEdges();
    return freeArea.right;
}

int WorkspaceLayout::bottomDockEdge()
{
    updateEdges();
    return freeArea.bottom;
}

int WorkspaceLayout::topEdge() { return std::max(0, topDockEdge() - clientArea().top); }
int WorkspaceLayout::leftEdge() { return std::max(0, leftDockEdge() - clientArea().left); }
int WorkspaceLayout::rightEdge() { return std::max(0, clientArea().right - rightDockEdge()); }
int WorkspaceLayout::bottomEdge() { return std::max(0, clientArea().bottom - bottomDockEdge()); }

void WorkspaceLayout::layoutBand(int band, int pack)
{
    if (band < DockPane::kTop || band > DockPane::kBottom)
        return;
    std::vector<DockPane*> members;
    for (DockPane* pane : panes)
        if (pane->position == band)
            members.push_back(pane);
    if (members.empty())
        return;
    const BandFrame frame{band, bandOrigin(band)};
    std::vector<IntRect> rects;
    for (DockPane* pane : members) {
        IntRect r;
        pane->rectFor(band, r);
        rects.push_back(frame.toBand(r));
    }
    const IntRect client = clientArea();
    const int horizontal = band == DockPane::kTop || band == DockPane::kBottom;
    if (pack)
        band_layout::packBand(rects, horizontal ? client.width() : freeArea.bottom - freeArea.top);
    band_layout::settleBand(rects);
    const IntPoint origin = bandArea(band).topLeft();
    for (size_t i = 0; i < members.size(); ++i) {
        const IntRect placed = frame.toClient(rects[i]);
        members[i]->dockPoint.set(placed.left - origin.x, placed.top - origin.y);
    }
}

void WorkspaceLayout::relayoutBands()
{
    freeArea = clientArea();
    layoutBand(DockPane::kTop, 1);
    layoutBand(DockPane::kBottom, 1);
    updateEdges();
    layoutBand(DockPane::kLeft, 1);
    layoutBand(DockPane::kRight, 1);
    updateEdges();
    layoutDockedPanes();
}

void WorkspaceLayout::layoutDockedPanes()
{
    for (DockPane* pane : panes)
        if (pane->isDocked())
            pane->layoutButtons();
}

void WorkspaceLayout::arrangeAllBands()
{
    relayoutBands();
    relayoutFrame();
}

void WorkspaceLayout::relayoutFrame()
{
    FrameWindow* frame = theApplication ? theApplication->frame : nullptr;
    if (!frame || !frame->hwnd())
        return;
    frame->mdiClient.resizeToFrame();
    frame->invalidate();
}

void WorkspaceLayout::dockAt(int band, DockPane* pane, const IntRect& screenRect)
{
    if (!pane)
        return;
    if (band == DockPane::kFloat) {
        pane->floatAt(screenRect);
        return;
    }
    if (band < DockPane::kTop || band > DockPane::kBottom)
        return;
    updateEdges();
    pane->position = band;
    pane->layoutButtons();
    IntRect client = screenRect;
    screenToClient(client);
    const BandFrame frame{band, bandOrigin(band)};
    IntRect wanted = frame.toBand(client);
    // Onto the row grid, never before the origin.
    wanted.moveTopTo(band_layout::snapToRow(wanted.top, pitchOf(band)));
    if (wanted.left < 0)
        wanted.moveLeftTo(0);
    // A pane of the row that the rectangle covers left of its centre makes room: the rectangle
    // takes its place and packing puts the pane behind it.
    std::vector<DockPane*> others;
    std::vector<IntRect> rects;
    for (DockPane* other : panes) {
        if (other == pane || other->position != band)
            continue;
        IntRect r;
        other->rectFor(band, r);
        others.push_back(other);
        rects.push_back(frame.toBand(r));
    }
    const IntPoint origin = bandArea(band).topLeft();
    for (int index : band_layout::sortedOrder(rects)) {
        const IntRect& r = rects[static_cast<size_t>(index)];
        if (r.top == wanted.top && r.intersects(wanted, 0) && wanted.left < r.centerX() && r.left < wanted.left) {
            wanted.moveLeftTo(r.left);
            DockPane* moved = others[static_cast<size_t>(index)];
            const IntRect shifted = frame.toClient(IntRect::fromEdges(r.left + 1, r.top, r.right + 1, r.bottom));
            moved->dockPoint.set(shifted.left - origin.x, shifted.top - origin.y);
            break;
        }
    }
    // The pane's own size in the band, at the place found.
    IntRect own;
    pane->rectFor(band, own);
    const IntRect ownInBand = frame.toBand(own);
    wanted.setWidth(ownInBand.width());
    wanted.setHeight(ownInBand.height());
    const IntRect placed = frame.toClient(wanted);
    pane->dockPoint.set(placed.left - origin.x, placed.top - origin.y);
    layoutBand(band, 1);
    updateEdges();
}

int WorkspaceLayout::bandAtPoint(DockPane* pane, const IntPoint& screen)
{
    if (!pane)
        return DockPane::kFloat;
    updateEdges();
    const IntRect client = clientArea();
    const int grow = band_layout::kHotZoneGrowth;
    IntRect zones[5];
    zones[DockPane::kTop] = IntRect::fromEdges(client.left, client.top - grow, client.right, freeArea.top + grow);
    zones[DockPane::kLeft] =
        IntRect::fromEdges(client.left - grow, freeArea.top, freeArea.left + grow, freeArea.bottom);
    zones[DockPane::kRight] =
        IntRect::fromEdges(freeArea.right - grow, freeArea.top, client.right + grow, freeArea.bottom);
    zones[DockPane::kBottom] =
        IntRect::fromEdges(client.left, freeArea.bottom - grow, client.right, client.bottom + grow);
    IntRect at = IntRect::fromEdges(screen.x, screen.y, screen.x, screen.y);
    screenToClient(at);
    return band_layout::bandAtPoint(pane->allowedBands, zones, at.topLeft());
}
