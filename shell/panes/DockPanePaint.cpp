// Painting a dock pane: its buttons, the contents of its navigator, page or parts list, and the
// etched border of a docked pane.
#include "document/PartsLibrary.h"
#include "platform/Application.h"
#include "shell/DocumentWindow.h"
#include "shell/FrameCommands.h"
#include "shell/GlobalManagers.h"
#include "shell/MainFrame.h"
#include "shell/panes/DockPane.h"
#include "shell/panes/ToolButton.h"

namespace {
DocumentWindow* activeDrawing()
{
    auto* frame = theApplication ? dynamic_cast<MainFrame*>(theApplication->frame) : nullptr;
    return frame ? frame->activeDocument() : nullptr;
}
} // namespace

void DockPane::paintContents(ToolButton& button)
{
    // The lists show the active drawing's navigator and page bar and the parts libraries'
    // parts; whatever is missing leaves its cells empty.
    switch (button.buttonType()) {
    case ButtonType::Navigator:
        if (DocumentWindow* drawing = activeDrawing())
            drawing->refreshPagePainter();
        break;
    case ButtonType::Page:
        if (DocumentWindow* drawing = activeDrawing())
            drawing->paintPageBar();
        break;
    case ButtonType::Parts:
        if (PartsLibrary* library = existingPartsLibrary(button.commandId() - TOOL_PARTS_LIST_1 + 1))
            library->paintPane();
        break;
    default:
        break;
    }
}

void DockPane::paint()
{
    Window* target = window();
    if (!target)
        return;
    for (ToolButton* button : buttons) {
        button->redraw();
        paintContents(*button);
    }
    if (isDocked()) {
        IntRect border;
        rectFor(position, border);
        drawEtchedFrame(*target, border);
    }
}
