#include "shell/ToolbarHolder.h"

#include "platform/Application.h"
#include "shell/panes/WorkspaceLayout.h"

ToolbarHolder::ToolbarHolder(MainFrame* owner) : frame(owner) { createLayout(); }

ToolbarHolder::~ToolbarHolder() { destroyLayout(); }

void ToolbarHolder::destroyLayout()
{
    if (!layout)
        return;
    if (theApplication && theApplication->workspaceLayout == layout)
        theApplication->workspaceLayout = nullptr;
    delete layout;
    layout = nullptr;
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
