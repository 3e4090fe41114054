#include "shell/ToolbarHolder.h"

#include <new>

#include "platform/Application.h"
#include "shell/ToolbarSelectDialog.h"
#include "shell/panes/WorkspaceLayout.h"

ToolbarHolder::ToolbarHolder(MainFrame* owner) : frame(owner) { createLayout(); }

ToolbarHolder::~ToolbarHolder() { destroyLayout(); }

void ToolbarHolder::createLayout()
{
    if (!theApplication || theApplication->workspaceLayout || layout)
        return;
    layout = new (std::nothrow) WorkspaceLayout;
    if (!layout)
        return; // the frame runs without panes
    theApplication->workspaceLayout = layout;
}

void ToolbarHolder::destroyLayout()
{
    if (!layout)
        return;
    if (theApplication && theApplication->workspaceLayout == layout)
        theApplication->workspaceLayout = nullptr;
    delete layout;
    layout = nullptr;
}

int ToolbarHolder::holdsCurrentTool(int toolbar) const
{
    return layout && layout->toolbarHoldsPreviousTool(toolbar);
}

int ToolbarHolder::createToolbar(int definitionId)
{
    WorkspaceLayout* panes = WorkspaceLayout::installed();
    return panes ? panes->addPane(definitionId) : 0;
}

void ToolbarHolder::showLayout()
{
    if (WorkspaceLayout* panes = WorkspaceLayout::installed())
        panes->arrangeAllBands();
}

void ToolbarHolder::selectToolbars()
{
    if (WorkspaceLayout* panes = WorkspaceLayout::installed()) {
        ToolbarSelectDialog dialog(*panes);
        (void)dialog.run(); // there is no cancel: every change took effect at once
    }
}
