// Dock panes: the definition, the buttons, lookups, hiding and floating, and what the floating
// window asks of its pane.
#include "shell/panes/DockPane.h"

#include <climits>
#include <cstring>

#include "document/PageTabBar.h"
#include "document/PartsLibrary.h"
#include "platform/StringUtil.h"
#include "shell/FrameCommands.h"
#include "shell/GlobalManagers.h"
#include "shell/panes/CommandDefinition.h"
#include "shell/panes/ToolButton.h"
#include "shell/panes/ToolbarText.h"
#include "shell/panes/WorkspaceLayout.h"

namespace {
// The parts library (1 to 3) whose list a PARTS button shows; 0 for none.
int partsLibraryNumber(const ToolButton& button)
{
    const int number = button.commandId() - TOOL_PARTS_LIST_1 + 1;
    return button.buttonType() == ButtonType::Parts && number >= 1 && number <= 3 ? number : 0;
}
} // namespace

DockPane::~DockPane()
{
    deleteButtons();
    destroyWindow();
}

void DockPane::deleteButtons()
{
    for (ToolButton* button : buttons) {
        // The library must not paint into a list that is gone.
        if (PartsLibrary* library = existingPartsLibrary(partsLibraryNumber(*button)))
            library->setPane(nullptr);
        if (thePageTabBar && button->buttonType() == ButtonType::Page)
            thePageTabBar->setPane(nullptr);
        delete button;
    }
    buttons.clear();
}

int DockPane::loadDefinition(int id)
{
    definitionId = id;
    ToolbarText text;
    if (!text.load(id))
        return 0;
    DockPaneLayout layout;
    const int read = layout.read(text, 1);
    applyDefinition(layout);
    if (!read)
        return 0;
    if (layout.has(DockPaneLayout::kButtonList) && !buildButtons(layout.buttonListId)) {
        deleteButtons();
        return 0;
    }
    ToolButton* list = buttonOfType(static_cast<int>(ButtonType::Page));
    if (!list)
        list = buttonOfType(static_cast<int>(ButtonType::Parts));
    ToolButton* bar = buttonOfType(static_cast<int>(ButtonType::Scroll));
    if (list && bar) {
        list->linkedButton = bar;
        bar->linkedButton = list;
    }
    if (list)
        if (PartsLibrary* library = existingPartsLibrary(partsLibraryNumber(*list)))
            library->setPane(list);
    if (list && thePageTabBar && list->buttonType() == ButtonType::Page)
        thePageTabBar->setPane(list);
    normaliseRows();
    return 1;
}

void DockPane::resetToDefinition()
{
    ToolbarText text;
    DockPaneLayout layout;
    if (text.load(definitionId))
        (void)layout.read(text, 0); // what could be read is taken, as when the pane was made
    applyDefinition(layout);
    normaliseRows();
    layoutButtons();
}

void DockPane::applyDefinition(const DockPaneLayout& layout)
{
    if (layout.has(DockPaneLayout::kName))
        StringUtil::copy(name, layout.name);
    if (layout.has(DockPaneLayout::kKind)) {
        const int newKind = paneKindOfKeyword(layout.kindKeyword);
        if (newKind >= 0)
            kind = newKind;
        if (newKind == kNavigator) {
            floatWidth = 5 * kColumnPitch;
            floatHeight = 5 * kRowPitch;
        } else if (newKind == kPage || newKind == kParts) {
            floatWidth = 3 * kColumnPitch;
            floatHeight = 10 * kRowPitch;
        }
    }
    for (int band = 0; band < 4; ++band)
        if (layout.has(static_cast<DockPaneLayout::Field>(DockPaneLayout::kTop + band)))
            allowedBands[band] = layout.allowedBands[band];
    if (layout.has(DockPaneLayout::kRows))
        rows = layout.rows;
    if (layout.has(DockPaneLayout::kY)) {
        dockPoint = layout.dockPoint;
        homePoint = layout.dockPoint;
    }
    if (layout.has(DockPaneLayout::kPosition)) {
        const int newPosition = positionOfKeyword(layout.positionKeyword);
        if (newPosition)
            position = newPosition;
    }
}

void DockPane::normaliseRows()
{
    if (rows >= 1)
        return;
    rows = rows == 0 ? 1 : (rows == INT_MIN ? INT_MAX : -rows);
    if (position != kHidden)
        savedPosition = position;
    position = kHidden;
}

int DockPane::buildButtons(int listId)
{
    ButtonList list;
    if (!list.load(listId))
        return 0;
    for (int i = 0; i < list.count; ++i) {
        auto* button = new ToolButton;
        button->faceColumns = faceColumns;
        button->faceRows = faceRows;
        addButton(button);
        if (!button->readDefinition(list.values[i]))
            return 0;
    }
    return 1;
}

void DockPane::addButton(ToolButton* button)
{
    if (!button)
        return;
    button->pane = this;
    buttons.push_back(button);
}

ToolButton* DockPane::buttonAt(int index) const
{
    return index >= 0 && index < buttonCount() ? buttons[static_cast<size_t>(index)] : nullptr;
}

ToolButton* DockPane::buttonAtPoint(const IntPoint& screen)
{
    for (ToolButton* button : buttons)
        if (button->hitTest(screen))
            return button;
    return nullptr;
}

ToolButton* DockPane::buttonOfType(int buttonType) const
{
    for (ToolButton* button : buttons)
        if (button->type == buttonType)
            return button;
    return nullptr;
}

ToolButton* DockPane::buttonByCommand(int commandId) const
{
    for (ToolButton* button : buttons)
        if (!button->isSeparator() && button->commandId() == commandId)
            return button;
    return nullptr;
}

void DockPane::hide()
{
    if (position != kHidden)
        savedPosition = position;
    position = kHidden;
}

void DockPane::restore() { position = savedPosition; }

void DockPane::destroyWindow()
{
    delete paneWindow;
    paneWindow = nullptr;
}

void DockPane::closeWindow()
{
    if (paneWindow)
        paneWindow->postClose();
}

int DockPane::isWindow(int windowSerial) const { return paneWindow && paneWindow->serial == windowSerial; }

void DockPane::setCommandState(int commandId, int newEnabled)
{
    for (ToolButton* button : buttons)
        if (!button->isSeparator() && button->commandId() == commandId && button->setEnabled(newEnabled)
            && position != kHidden)
            button->drawRaised();
}

void DockPane::positionKeywords(char* visibility, int visibilitySize, char* where, int whereSize) const
{
    const int visible = position != kHidden;
    StringUtil::copy(visibility, visibilitySize, visible ? "ON" : "OFF");
    StringUtil::copy(where, whereSize, positionKeyword(visible ? position : savedPosition));
}

void DockPane::setFromKeywords(const char* visibility, const char* where)
{
    const int wanted = positionOfKeyword(where);
    const int newPosition = wanted ? wanted : kFloat;
    if (visibility && std::strcmp(visibility, "OFF") == 0) {
        savedPosition = newPosition;
        position = kHidden;
    } else {
        position = newPosition;
    }
}

int DockPane::hitTest(const IntPoint& screenPoint)
{
    for (int i = 0; i < buttonCount(); ++i)
        if (buttons[static_cast<size_t>(i)]->hitTest(screenPoint))
            return i + 1;
    return 0;
}

int DockPane::onClick(PaneWindow&, int hitResult)
{
    // A press on a button is the layout's to track; elsewhere the window moves or sizes.
    if (hitResult < 1 || !manager)
        return 0;
    manager->onLeftPress();
    return 1;
}

void DockPane::scroll()
{
    if (manager)
        manager->onScroll();
}

void DockPane::paint(PaneWindow&) { paint(); }
