#pragma once
#include <vector>

#include "platform/Application.h"
#include "platform/BitmapCache.h"
#include "platform/FrameWindow.h"
#include "platform/HintWindow.h"
#include "platform/IntRect.h"
#include "platform/PaneLayout.h"
#include "shell/panes/PaneLayoutRecord.h"

class DockPane;
class ToolButton;

// The application's pane manager. It owns every dock pane (in creation order), arranges the
// docked ones in the four bands around the drawings, lets the user drag panes between bands and
// out into floating windows, tracks presses on their buttons (the pressed button is the current
// command), shows button hints in the status bar and the hint window, and converts each pane's
// placement to and from its layout record in the settings file.
//
// Coordinates: docked rectangles and the band areas are in the frame's client area; dragging
// works on the screen. The top and left dock edges are the largest bottom - 1 (right - 1) of the
// panes docked there, the right and bottom edges the smallest left + 1 (top + 1); the right and
// bottom bands are measured from the client area above the status bar. A pane's dock point is
// its top-left less its band's origin (negative in the right and bottom bands, which grow
// inwards from the client's sides).
//
// The frame and the pane windows reach it through PaneLayout; those operations are thin aliases
// of the names below. The operations are virtual so that tests can stand in for the manager.
class WorkspaceLayout : public PaneLayout {
public:
    // Status-bar part that shows the hint of the command under the cursor (the message part).
    static constexpr int kStatusHintPart = 2;

    WorkspaceLayout();
    ~WorkspaceLayout() override;
    WorkspaceLayout(const WorkspaceLayout&) = delete;
    WorkspaceLayout& operator=(const WorkspaceLayout&) = delete;

    // Creates the pane of string-table definition `definitionId` (1 to 13); 0 when it cannot be
    // made or exists already.
    [[nodiscard]] virtual int addPane(int definitionId);
    [[nodiscard]] int paneCount() const { return static_cast<int>(panes.size()); }
    [[nodiscard]] DockPane* paneAt(int index) const;
    [[nodiscard]] DockPane* paneByDefinitionId(int id) const;
    [[nodiscard]] DockPane* paneByName(const char* name) const;
    [[nodiscard]] DockPane* paneByWindowId(int windowSerial) const;
    [[nodiscard]] DockPane* paneOfKind(int kind) const;
    // The first visible pane whose rectangle holds the screen point; the same among docked panes.
    [[nodiscard]] DockPane* paneContainingPoint(const IntPoint& screen);
    [[nodiscard]] DockPane* dockedPaneContainingPoint(const IntPoint& screen);
    // The button (never a separator) under the cursor in the pane under the cursor.
    [[nodiscard]] ToolButton* buttonAtCursor(DockPane** pane = nullptr);
    // The navigator pane's rectangle in its window, deflated by 6 and moved 1 right and down;
    // 0 unless the navigator is shown.
    [[nodiscard]] int navigatorRect(IntRect& out);

    // Lays the four bands out (packing, then settling) and has the frame lay out and repaint.
    virtual void arrangeAllBands();
    // Packs and settles every band again (after the frame changed size).
    void relayoutBands();
    // Hides every pane, reads the definitions again, floats the floating ones, arranges.
    void resetToDefaults();
    void togglePane(int index);
    void hidePane(DockPane* pane);
    void showPane(DockPane* pane);
    // Docks the pane in `band` (1 to 4) at a screen rectangle, or floats it there (5).
    void dockAt(int band, DockPane* pane, const IntRect& screenRect);

    // The settings file's form of pane `index`; 0 past the end.
    [[nodiscard]] int makeLayoutRecord(int index, PaneLayoutRecord& out);
    // Applies a record to the pane of its name; 0 when there is none.
    int applyLayoutRecord(const PaneLayoutRecord& record);

    // Every button of the command: enabled or not.
    virtual void setCommandState(int commandId, int enabled);
    // The command of the pressed button (the current tool); -1 when none is pressed.
    [[nodiscard]] virtual int currentCommand();
    // The command's button becomes the pressed one, which a document window runs at the next
    // mouse move.
    virtual void setCurrentCommand(int commandId);
    // The pressed button is drawn again as the current tool (after a press that ran nothing).
    virtual void refreshCurrentCommand();
    // The pressed button is released and the button that was current before it pressed again.
    virtual void restoreCurrentButton();
    // The pressed button is the current tool's from now on: restoring keeps it pressed.
    virtual void keepCurrentButton() { previousButton = activeButton; }
    // The command's button becomes the current tool's: pressed and kept.
    void setCurrentTool(int commandId)
    {
        setCurrentCommand(commandId);
        keepCurrentButton();
    }
    // 1 when the tool that was current before the last press is a button of toolbar
    // (definition) `definitionId`.
    [[nodiscard]] int toolbarHoldsPreviousTool(int definitionId) const;

    // Mouse and frame events.
    void onLeftButtonDown();
    void onRightButtonDown();
    void pressButton(DockPane* pane, ToolButton* button);
    void dragPane(DockPane* pane);
    void hidePaneByWindow(int windowSerial);
    void dragPaneByWindow(int windowSerial);
    void resizePaneByWindow(int windowSerial, int edge);
    void paintDockedPanes();
    [[nodiscard]] int topDockEdge();
    [[nodiscard]] int leftDockEdge();
    [[nodiscard]] int rightDockEdge();
    [[nodiscard]] int bottomDockEdge();
    // The band a pane dragged to the screen point would dock in, or FLOAT.
    [[nodiscard]] int bandAtPoint(DockPane* pane, const IntPoint& screen);

    // PaneLayout, as the frame and the pane windows call it.
    void closePane(int serial) override { hidePaneByWindow(serial); }
    void beginMovePane(int serial) override { dragPaneByWindow(serial); }
    void beginResizePane(int serial, int borderCode) override { resizePaneByWindow(serial, borderCode); }
    void onLeftPress() override { onLeftButtonDown(); }
    void onRightPress() override { onRightButtonDown(); }
    void onRightPressOnPane(PaneWindow*, int) override { onRightButtonDown(); }
    void onIdle() override;
    void onMouseMove() override;
    void onScroll() override;
    void paint() override { paintDockedPanes(); }
    // How far the docked panes reach into the client area from each side, 0 without panes there.
    [[nodiscard]] int topEdge() override;
    [[nodiscard]] int leftEdge() override;
    [[nodiscard]] int rightEdge() override;
    [[nodiscard]] int bottomEdge() override;
    void hideHint() override { hintWindow.hide(); }
    [[nodiscard]] Window* navigatorPane(IntRect& client) override;

    // What its dock panes ask of the layout. A band's area (positions 1 TOP to 4 BOTTOM) in the
    // frame's client coordinates: its top-left is the band's origin, its width (its height for
    // LEFT and RIGHT) the span a page or parts pane fills.
    [[nodiscard]] virtual IntRect bandArea(int band);
    // The button faces of bitmap id 103 (at rest), 104 (pressed) or 105 (disabled), loaded once
    // and kept for every paint; null when the bitmap cannot be had.
    [[nodiscard]] virtual BitmapCache* faceBitmap(int id) { return faceBitmaps.findOrAdd(id, 0, 0); }
    // The window docked panes are drawn in: the frame.
    [[nodiscard]] virtual Window* dockWindow() { return theApplication ? theApplication->frame : nullptr; }

    // The application's layout when it is one of these, else null.
    [[nodiscard]] static WorkspaceLayout* installed()
    {
        return theApplication ? dynamic_cast<WorkspaceLayout*>(theApplication->workspaceLayout) : nullptr;
    }

    std::vector<DockPane*> panes;   // owned, in creation order
    int nextPaneId = 0;
    HintWindow hintWindow;
    int lastHintCommand = 0;
    DockPane* pressedPane = nullptr;
    ToolButton* activeButton = nullptr;
    // The button that was current before the last press (where "back" returns to).
    ToolButton* previousButton = nullptr;
    int faceColumns = 10;
    int faceRows = 10;
    BitmapCacheList faceBitmaps;
    // The client area the docked panes leave free; its sides are the four dock edges.
    IntRect freeArea;

private:
    // The frame's client area above its status bar (empty without a frame).
    [[nodiscard]] IntRect clientArea();
    [[nodiscard]] IntPoint bandOrigin(int band);
    // Computes the four edges into freeArea.
    void updateEdges();
    // Packs (when `pack`) and settles the panes of one band.
    void layoutBand(int band, int pack);
    // The frame lays out its drawings' area again and repaints.
    void relayoutFrame();
    // Lays out the buttons of every docked pane where its band put it: page and list panes
    // follow the band's span, and their scroll bars go with them.
    void layoutDockedPanes();
    void selectButton(ToolButton* button);
    [[nodiscard]] Window* frameWindow();
    void screenToClient(IntRect& r);
    void clientToScreen(IntRect& r);
};
