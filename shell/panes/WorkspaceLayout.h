#pragma once
#include "platform/Application.h"
#include "platform/FrameWindow.h"
#include "platform/IntRect.h"
#include "platform/PaneLayout.h"

class BitmapCache;

// The application's dock-pane layout: the frame and the pane windows reach it through
// PaneLayout; it owns the dock panes and the workspace hint window. The main frame and its
// toolbar holder also use the operations below: creating the panes of the string table, showing
// them, and keeping the state of the buttons and the current tool.
class WorkspaceLayout : public PaneLayout {
public:
    // Creates the pane of string-table definition `definitionId` (1 to 13); 0 when it cannot be
    // made or exists already.
    [[nodiscard]] virtual int addPane(int definitionId) = 0;
    // Lays the panes out in their bands and shows them.
    virtual void arrangeAllBands() = 0;
    // Every button of the command: enabled or not.
    virtual void setCommandState(int commandId, int enabled) = 0;
    // The command of the pressed button (the current tool); -1 when none is pressed.
    [[nodiscard]] virtual int currentCommand() = 0;
    // The command's button becomes the pressed one, which a document window runs at the next
    // mouse move.
    virtual void setCurrentCommand(int commandId) = 0;
    // The pressed button is drawn again as the current tool (after a press that ran nothing).
    virtual void refreshCurrentCommand() = 0;
    // The button of the current tool is pressed again (after a document operation).
    virtual void restoreCurrentButton() = 0;

    // What its dock panes ask of the layout. A band's area (positions 1 TOP to 4 BOTTOM) in the
    // frame's client coordinates: its top-left is the band's origin, its width (its height for
    // LEFT and RIGHT) the span a page or parts pane fills.
    [[nodiscard]] virtual IntRect bandArea(int) { return IntRect(); }
    // The button faces of bitmap id 103 (at rest), 104 (pressed) or 105 (disabled), loaded once
    // and kept for every paint; null when the bitmap cannot be had.
    [[nodiscard]] virtual BitmapCache* faceBitmap(int) { return nullptr; }
    // The window docked panes are drawn in: the frame.
    [[nodiscard]] virtual Window* dockWindow() { return theApplication ? theApplication->frame : nullptr; }

    // The application's layout when it is one of these, else null.
    [[nodiscard]] static WorkspaceLayout* installed()
    {
        return theApplication ? dynamic_cast<WorkspaceLayout*>(theApplication->workspaceLayout) : nullptr;
    }
};
