#include "tests/shell/panes/PaneFixture.h"

#include <cstdio>

FakePaneManager::FakePaneManager()
{
    bands[DockPane::kTop] = IntRect::fromEdges(0, 0, 800, 0);
    bands[DockPane::kLeft] = IntRect::fromEdges(0, 33, 0, 433);
    bands[DockPane::kRight] = IntRect::fromEdges(713, 33, 800, 433);
    bands[DockPane::kBottom] = IntRect::fromEdges(0, 500, 800, 500);
}

std::unique_ptr<DockPane> FakePaneManager::load(int id)
{
    auto pane = std::make_unique<DockPane>();
    pane->manager = this;
    pane->paneId = ++lastPaneId;
    pane->faceColumns = 10;
    pane->faceRows = 10;
    if (!pane->loadDefinition(id))
        return nullptr;
    pane->layoutButtons();
    return pane;
}

ToolButton& PaneTest::button(DockPane& pane, int definitionId)
{
    for (int i = 0; i < pane.buttonCount(); ++i)
        if (pane.buttonAt(i)->definitionId == definitionId)
            return *pane.buttonAt(i);
    ADD_FAILURE() << "no button " << definitionId;
    return *pane.buttonAt(0);
}

std::string hexBytes(const char* text)
{
    std::string out;
    char one[4];
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        std::snprintf(one, sizeof one, "%02X ", *p);
        out += one;
    }
    return out;
}
