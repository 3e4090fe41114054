#pragma once
#include "shell/DocumentWindowBase.h"

class MainFrame;
class PartsLibrary;

// The MDI child window of one open drawing. It makes and owns the drawing's DocumentContext, asks
// whether to save before it closes, and runs the frame's edit commands and document operations
// on its drawing. Its operations are virtual: tests put windows of their own in.
class DocumentWindow : public DocumentWindowBase {
public:
    // Makes the context with its members and links them; a member that cannot be made sets the
    // application's error flag, and the frame then gives the window up. The caption is the drawing's title.
    DocumentWindow();

    // Close (3010) asks confirmSave first; the hint window goes at key presses and mouse moves.
    [[nodiscard]] int handleEvent() override;
    // After the window exists: the context gets the window and its scroll bars and sets itself up
    // (painters, defaults, scroll ranges).
    virtual void attachContext();
    // 1 when the window may close: the drawing is unchanged, or the user answered No, or Yes and
    // the drawing was saved. Cancel, or a save that failed, marks the close cancelled and gives 0.
    [[nodiscard]] virtual int confirmSave();
    // An edit command of the frame (undo, redo, cut, copy, paste, delete, select all, print, PDF,
    // save, save as, DXF import and export); 0 for another id.
    virtual int runEditCommand(int id);
    // A document operation (properties, the page operations, the parts operations). The page
    // operations (8811 to 8817) are the page bar's on the page chosen in it; the parts operations
    // (8826 register, 8827 place, 8828 take the current part off the list, 8829 list the folder of
    // a part file chosen in the open dialog) are the current parts library's.
    virtual void runDocumentOp(int id);
    // The current tool at a mouse move over the active window: element tools, zoom, pan, grid,
    // select, point move, rotate, order, scale and the parts lists; every tool but the grid,
    // order, scale and the parts lists only while the cursor lies in the view. After a tool ran
    // the frame updates its buttons (6020).
    virtual void startCurrentTool();
    // A toolbar button was pressed (6164): the running tool ends (not for undo, redo, cut, copy
    // and paste), then the button's command runs or becomes the current tool.
    virtual void runToolButton();
    // The right button on a pane button (6166).
    virtual void runPaneCommand();
    // Keys go to the select tool while it is current or no tool is, else to the element being
    // created.
    virtual void onKeyDown();
    virtual void onKeyUp();
    // The wheel (13050): zooms about the cursor while the mouse state's wheel-zoom mode is on,
    // else scrolls. The middle button (13010) pans while the middle-button-pan mode is on.
    void onWheel();
    void onMiddleButton();

    // The tool that runs at the next mouse move: the command of the pressed button, -1 for none.
    [[nodiscard]] static int currentTool();
    // The parts library whose list is the current tool (the parts menu's library); null when the
    // current tool is no parts list or its library is not made.
    [[nodiscard]] static PartsLibrary* currentPartsLibrary();

    MainFrame* frame = nullptr; // set once the frame's list holds the window

private:
    [[nodiscard]] int keysGoToSelectTool();
    void runPageCommand(int id);
    void runPartsCommand(int id);
    [[nodiscard]] static int chooseLibraryFolder(PartsLibrary& library);
};
