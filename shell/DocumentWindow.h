#pragma once
#include "shell/DocumentWindowBase.h"

class MainFrame;

// The MDI child window of one open drawing. It makes and owns the drawing's DocumentContext, asks
// whether to save before it closes, and runs the frame's edit commands and document operations
// on its drawing. Its operations are virtual: tests put windows of their own in.
class DocumentWindow : public DocumentWindowBase {
public:
    // Makes the context with its members (through documentMemberFactories) and links them; a
    // member that cannot be made sets the application's error flag, and the frame then gives the
    // window up. The caption is the drawing's title.
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
    // A document operation (properties, the page operations, the parts operations).
    virtual void runDocumentOp(int id);
    // The current tool at a mouse move over the window, a toolbar button press, a pane button
    // and the keys: the interactive tools are not part of this build yet.
    virtual void startCurrentTool() {}
    virtual void runToolButton() {}
    virtual void runPaneCommand() {}
    virtual void onKeyDown() {}
    virtual void onKeyUp() {}

    MainFrame* frame = nullptr; // set once the frame's list holds the window
};
