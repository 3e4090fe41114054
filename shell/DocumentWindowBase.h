#pragma once
#include "platform/MdiChildWindow.h"

class DocumentContext;

// The middle layer of a drawing's window: it holds the drawing's DocumentContext (owned) and is
// a flat set of forwarders to it, each of which does nothing and answers 0 (null) while there is
// no context. The frame asks these for its menu and button states and runs its commands through
// them; they are virtual so that tests can answer for a drawing.
class DocumentWindowBase : public MdiChildWindow {
public:
    DocumentWindowBase() = default;
    // Deletes a context that destroyContents did not take.
    ~DocumentWindowBase() override;

    // Size, scroll bars and paint go to the context; the rest to the library.
    [[nodiscard]] int handleEvent() override;
    // The window's contents go before it: the context's managers, then the context.
    void destroyContents() override;
    // Scrolls the view by steps of the scroll bars.
    void scrollHorizontally(int steps) override;
    void scrollVertically(int steps) override;

    // Queries of the frame's menu and button states.
    [[nodiscard]] virtual int canUndo();
    [[nodiscard]] virtual int canRedo();
    // The undo manager's menu texts (at most size - 1 bytes) and canUndo's / canRedo's answer.
    [[nodiscard]] virtual int undoText(char* text, int size);
    [[nodiscard]] virtual int redoText(char* text, int size);
    [[nodiscard]] virtual int canCut();
    [[nodiscard]] virtual int canCopy();
    [[nodiscard]] virtual int canPaste();
    [[nodiscard]] virtual int canDelete();
    [[nodiscard]] virtual int canSelectAll();
    [[nodiscard]] virtual int hasSelection();
    [[nodiscard]] virtual int hasSeveralSelected();
    [[nodiscard]] virtual int canEditProperties();
    [[nodiscard]] virtual int canPrint();
    [[nodiscard]] virtual int hasElements();
    [[nodiscard]] virtual int canZoomIn();
    [[nodiscard]] virtual int canZoomOut();
    // The drawing has a file name / changes that are not saved.
    [[nodiscard]] virtual int hasFile();
    [[nodiscard]] virtual int isModified();
    // The drawing's title ("SINKI" while it has no file); null without a context.
    [[nodiscard]] virtual const char* documentTitle();
    // 1 when the drawing's file is this path (compared without regard to case).
    [[nodiscard]] virtual int isShowing(const char* path);

    // Operations.
    virtual void zoomIn();
    virtual void zoomOut();
    // Settles the element in progress, drops the select tool's handle state and the caret.
    virtual void endTool();
    virtual void caretRefresh();
    // At idle time: the miniatures of the drawing catch up with its changes.
    virtual void idleStep();
    virtual void refreshPagePainter();
    virtual void refreshPageBar();
    // The page pane was painted: the page bar draws its thumbnails again (from its cache).
    virtual void paintPageBar();
    // The hint of the part under the cursor in parts list n (1 to 3).
    virtual void showPartsList(int number);
    // Tracks the popup list built for this drawing (then the mouse move is posted again).
    virtual void trackPopupMenu();
    // A new drawing takes the application's paper; 1 when it did.
    [[nodiscard]] virtual int initializeDrawing();
    // The path becomes the drawing's file name and title; 0 for a path no name holds.
    [[nodiscard]] virtual int setPath(const char* path);
    // Reads the drawing's file: 1 when it was read whole.
    [[nodiscard]] virtual int loadFile();
    // Save, and Save As (which asks for a name); 1 when the drawing was written.
    [[nodiscard]] virtual int save();
    [[nodiscard]] virtual int saveAs();
    // The caption shows the drawing's title again (after an open or a Save As), with the
    // change mark and the resolution when the drawing has a view.
    virtual void refreshTitle();

    DocumentContext* context = nullptr; // owned
};
