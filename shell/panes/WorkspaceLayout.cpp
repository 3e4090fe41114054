// The pane manager: its panes, lookups, showing and hiding, the layout records, and the pressed
// button as the current command.
#include "shell/panes/WorkspaceLayout.h"

#include <algorithm>
#include <cstring>

#include "platform/MouseSource.h"
#include "platform/StringUtil.h"
#include "shell/panes/DockPane.h"
#include "shell/panes/DockPaneLayout.h"
#include "shell/panes/ToolButton.h"

namespace {
// Values read from the settings file are kept where windows can take them.
const int kCoordinateLimit = 32000;
int clampCoordinate(int v) { return std::max(-kCoordinateLimit, std::min(kCoordinateLimit, v)); }

void tellButtons(DockPane& pane, int oldPosition, int newPosition)
{
    for (int i = 0; i < pane.buttonCount(); ++i)
        pane.buttonAt(i)->onPositionChanged(oldPosition, newPosition);
}
} // namespace

WorkspaceLayout::WorkspaceLayout() = default;

WorkspaceLayout::~WorkspaceLayout()
{
    activeButton = previousButton = nullptr;
    for (DockPane* pane : panes)
        delete pane;
    panes.clear();
}

int WorkspaceLayout::addPane(int definitionId)
{
    if (paneByDefinitionId(definitionId))
        return 0;
    auto* pane = new DockPane;
    pane->manager = this;
    pane->paneId = ++nextPaneId;
    pane->faceColumns = faceColumns;
    pane->faceRows = faceRows;
    if (!pane->loadDefinition(definitionId)) {
        delete pane;
        return 0;
    }
    if (pane->position == DockPane::kFloat) {
        IntRect r;
        pane->rectFor(DockPane::kFloat, r);
        pane->floatAt(r);
    }
    panes.push_back(pane);
    pane->layoutButtons();
    return 1;
}

DockPane* WorkspaceLayout::paneAt(int index) const
{
    return index >= 0 && index < paneCount() ? panes[static_cast<size_t>(index)] : nullptr;
}

DockPane* WorkspaceLayout::paneByDefinitionId(int id) const
{
    for (DockPane* pane : panes)
        if (pane->definitionId == id)
            return pane;
    return nullptr;
}

DockPane* WorkspaceLayout::paneByName(const char* name) const
{
    if (!name)
        return nullptr;
    for (DockPane* pane : panes)
        if (std::strcmp(pane->name, name) == 0)
            return pane;
    return nullptr;
}

DockPane* WorkspaceLayout::paneByWindowId(int windowSerial) const
{
    for (DockPane* pane : panes)
        if (pane->isWindow(windowSerial))
            return pane;
    return nullptr;
}

DockPane* WorkspaceLayout::paneOfKind(int kind) const
{
    for (DockPane* pane : panes)
        if (pane->kind == kind)
            return pane;
    return nullptr;
}

DockPane* WorkspaceLayout::paneContainingPoint(const IntPoint& screen)
{
    for (DockPane* pane : panes) {
        if (pane->position == DockPane::kHidden)
            continue;
        IntRect r = pane->currentRect();
        if (pane->isDocked())
            clientToScreen(r);
        if (r.containsPoint(screen))
            return pane;
    }
    return nullptr;
}

DockPane* WorkspaceLayout::dockedPaneContainingPoint(const IntPoint& screen)
{
    for (DockPane* pane : panes) {
        if (!pane->isDocked())
            continue;
        IntRect r = pane->currentRect();
        clientToScreen(r);
        if (r.containsPoint(screen))
            return pane;
    }
    return nullptr;
}

ToolButton* WorkspaceLayout::buttonAtCursor(DockPane** paneOut)
{
    IntPoint cursor;
    readCursorPos(cursor);
    DockPane* pane = paneContainingPoint(cursor);
    if (paneOut)
        *paneOut = pane;
    ToolButton* button = pane ? pane->buttonAtPoint(cursor) : nullptr;
    return button && !button->isSeparator() ? button : nullptr;
}

int WorkspaceLayout::navigatorRect(IntRect& out)
{
    DockPane* pane = paneOfKind(DockPane::kNavigator);
    if (!pane || pane->position == DockPane::kHidden || !pane->window())
        return 0;
    out = pane->isDocked() ? pane->currentRect() : pane->clientRect();
    out.deflate(6);
    out.moveBy(1, 1);
    return 1;
}

Window* WorkspaceLayout::navigatorPane(IntRect& client)
{
    IntRect r;
    if (!navigatorRect(r))
        return nullptr;
    client = r;
    return paneOfKind(DockPane::kNavigator)->window();
}

void WorkspaceLayout::resetToDefaults()
{
    for (DockPane* pane : panes)
        if (pane->position != DockPane::kHidden)
            hidePane(pane);
    for (DockPane* pane : panes) {
        // The definition gives the position, rows and dock point of a first start; rows -1 keeps
        // the pane hidden.
        pane->position = DockPane::kTop;
        pane->savedPosition = 0;
        pane->resetToDefinition();
        if (pane->position == DockPane::kFloat) {
            IntRect r;
            pane->rectFor(DockPane::kFloat, r);
            pane->floatAt(r);
        }
        tellButtons(*pane, DockPane::kHidden, pane->position);
    }
    arrangeAllBands();
}

void WorkspaceLayout::togglePane(int index)
{
    DockPane* pane = paneAt(index);
    if (!pane)
        return;
    if (pane->position == DockPane::kHidden)
        showPane(pane);
    else
        hidePane(pane);
}

void WorkspaceLayout::hidePane(DockPane* pane)
{
    if (!pane || pane->position == DockPane::kHidden)
        return;
    const int left = pane->position;
    IntRect r = pane->currentRect();
    if (pane->isDocked())
        clientToScreen(r);
    pane->rememberedRect = r;
    tellButtons(*pane, left, DockPane::kHidden);
    pane->hide();
    pane->destroyWindow();
    if (left != DockPane::kFloat) {
        layoutBand(left, 0);
        layoutDockedPanes();
        relayoutFrame();
    }
}

void WorkspaceLayout::showPane(DockPane* pane)
{
    if (!pane || pane->position != DockPane::kHidden)
        return;
    int where = pane->savedPosition;
    if (where < DockPane::kTop || where > DockPane::kFloat)
        where = DockPane::kFloat;
    IntRect r;
    pane->position = where;
    pane->rectFor(where, r);
    pane->position = DockPane::kHidden;
    if (where == DockPane::kFloat) {
        // A pane floated before comes back where it was.
        if (pane->rememberedRect.width() > 0 && pane->rememberedRect.height() > 0)
            r = pane->rememberedRect;
    } else {
        clientToScreen(r);
    }
    dockAt(where, pane, r);
    tellButtons(*pane, DockPane::kHidden, where);
    if (where != DockPane::kFloat) {
        layoutDockedPanes();
        relayoutFrame();
    }
}

int WorkspaceLayout::makeLayoutRecord(int index, PaneLayoutRecord& out)
{
    DockPane* pane = paneAt(index);
    if (!pane)
        return 0;
    if (pane->position == DockPane::kFloat && pane->paneWindow && pane->paneWindow->hwnd())
        pane->rememberedRect = pane->paneWindow->windowRect();
    out = PaneLayoutRecord();
    StringUtil::copy(out.name, pane->name);
    pane->positionKeywords(out.visibility, sizeof out.visibility, out.position, sizeof out.position);
    out.x = pane->dockPoint.x;
    out.y = pane->dockPoint.y;
    out.rows = pane->rows;
    out.top = pane->rememberedRect.top;
    out.left = pane->rememberedRect.left;
    out.right = pane->rememberedRect.right;
    out.bottom = pane->rememberedRect.bottom;
    return 1;
}

int WorkspaceLayout::applyLayoutRecord(const PaneLayoutRecord& record)
{
    DockPane* pane = paneByName(record.name);
    if (!pane)
        return 0;
    const int before = pane->position;
    if (before == DockPane::kFloat && std::strcmp(record.visibility, "OFF") == 0)
        pane->destroyWindow();
    pane->setFromKeywords(record.visibility, record.position);
    pane->dockPoint.set(clampCoordinate(record.x), clampCoordinate(record.y));
    // A button pane has no more rows than buttons; a damaged count is brought within them.
    pane->rows = std::max(1, std::min(record.rows, std::max(1, pane->buttonCount())));
    pane->rememberedRect = IntRect::fromEdges(clampCoordinate(record.left), clampCoordinate(record.top),
                                              clampCoordinate(record.right), clampCoordinate(record.bottom));
    if (pane->position == DockPane::kFloat) {
        IntRect r = pane->rememberedRect;
        if (r.width() <= 0 || r.height() <= 0)
            pane->rectFor(DockPane::kFloat, r);
        pane->floatAt(r);
    } else {
        pane->destroyWindow();
    }
    if (before != pane->position)
        tellButtons(*pane, before, pane->position);
    pane->layoutButtons();
    return 1;
}

void WorkspaceLayout::setCommandState(int commandId, int enabled)
{
    for (DockPane* pane : panes)
        pane->setCommandState(commandId, enabled);
}

int WorkspaceLayout::currentCommand() { return activeButton ? activeButton->commandId() : -1; }

void WorkspaceLayout::selectButton(ToolButton* button)
{
    if (activeButton == button) {
        if (button) {
            button->selected = 1;
            button->redraw();
        }
        return;
    }
    if (activeButton) {
        activeButton->selected = 0;
        activeButton->redraw();
    }
    activeButton = button;
    if (button) {
        button->selected = 1;
        button->redraw();
    }
}

void WorkspaceLayout::setCurrentCommand(int commandId)
{
    ToolButton* button = nullptr;
    for (DockPane* pane : panes)
        if ((button = pane->buttonByCommand(commandId)) != nullptr)
            break;
    previousButton = activeButton;
    selectButton(button);
}

void WorkspaceLayout::refreshCurrentCommand()
{
    if (activeButton)
        activeButton->redraw();
}

void WorkspaceLayout::restoreCurrentButton()
{
    ToolButton* back = previousButton;
    selectButton(back);
}

int WorkspaceLayout::toolbarHoldsPreviousTool(int definitionId) const
{
    return previousButton && previousButton->pane && previousButton->pane->definitionId == definitionId;
}
