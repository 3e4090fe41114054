#pragma once
#include "document/OpenDrawings.h"
#include "platform/FrameWindow.h"

class ContextMenus;
class DocumentWindow;
class ShortcutKeys;
class SplashScreen;
class ToolbarHolder;

// The application's one frame: menu 101 with accelerators 102, the document windows (at most
// four) and the commands of the menus, which it runs itself or hands to the active document
// window. It keeps the menu items and toolbar buttons enabled as the active drawing allows, and
// runs start-up (initialize) and the close of the application: closing asks every drawing whether
// to save, and only when none cancels is the settings file written and the frame closed.
//
// Every command that needs a drawing does nothing without an active document window.
class MainFrame : public FrameWindow, public OpenDrawings {
public:
    // The mouse wheel zooms and the middle button pans; the members are made.
    MainFrame();
    // The global managers go first, then the toolbar holder, the shortcut keys and the context
    // menus.
    ~MainFrame() override;

    [[nodiscard]] int handleEvent() override;
    // The start-up sequence: splash, global managers and parts libraries, toolbars, shortcut
    // keys, settings, the first (maximised) drawing, the button states, and the splash closed no
    // sooner than a second after it appeared.
    void initialize() override;
    // Reads the drawing at `path` into the active (empty) window; the result of preparing the
    // drawing. A file that cannot be read is reported once and leaves the drawing empty.
    [[nodiscard]] int openFileFromCommandLine(const char* path) override;
    void scrollHorizontally(int steps) override;
    void scrollVertically(int steps) override;

    // A menu command (40001 to 40046): 1 when it was one of the frame's; id 0 runs only the steps
    // that follow every command.
    [[nodiscard]] int onCommand(int id);
    // The enable states (and the undo and redo texts) of the menu items that depend on the
    // drawing; other items are left as they are.
    void updateMenus();
    // The enable states of the toolbar buttons that depend on the drawing and its selection.
    void updateToolButtons();
    [[nodiscard]] DocumentWindow* activeDocument();
    [[nodiscard]] int documentCount() const { return documents.count; }
    [[nodiscard]] DocumentWindow* documentAt(int index);

    // A new document window in the list with its drawing set up; null when the list is full or
    // the window or its drawing could not be made (a half-made window is closed again).
    [[nodiscard]] DocumentWindow* createDocumentWindow();
    // The same for a window made by the caller, which the frame takes over (null when it could not
    // be made): it is deleted again when the list is full or its drawing could not be made.
    [[nodiscard]] DocumentWindow* addDocumentWindow(DocumentWindow* window);
    // 40001 and 40002; 1 when a drawing was made or opened.
    [[nodiscard]] int newDocument();
    [[nodiscard]] int openDocument();
    // 40023: every drawing saved in list order; 0 at the first that was not.
    [[nodiscard]] int saveAll();
    // 1 when a document window other than the one of `saving` shows the file at `path`.
    [[nodiscard]] int holdsFileElsewhere(const DocumentContext* saving, const char* path) override;
    // Asks every drawing in list order; 0 at the first Cancel. When all agreed the settings file
    // is written and the answer is 1.
    [[nodiscard]] int confirmCloseAll();
    // Ends whatever tool runs in the active drawing.
    void endActiveTool();
    // An edit command (8011 ... 8251) of the active drawing, then the button states.
    void forwardEditCommand(int id);
    // A document operation (2005, 8811 ... 8829) of the active drawing, then the current tool's
    // button again.
    void forwardDocumentOp(int id);
    // 40046: "KorvaneHelp.chm" beside the program, at its start.
    void showHelp();

    static constexpr int kMenuTextSize = 256;

    ContextMenus* contextMenus = nullptr;   // owned
    ShortcutKeys* shortcutKeys = nullptr;   // owned; the application's shortcut hook
    ToolbarHolder* toolbars = nullptr;      // owned
    SplashScreen* splash = nullptr;         // owned, during initialize only

private:
    [[nodiscard]] int runMenuCommand(int id);
    void createFirstDocument();
    void takeShortcutCommand();
    void runToolButton();
    void showContextMenu(int built);
    // A pane list's own scroll bar moved it: the list follows; 1 when the scroll was a list's.
    [[nodiscard]] int scrollPaneList();
    // The active drawing's page painter and page bar show it.
    void refreshActivePainters();

    // The menu's own texts of the undo and redo items, shown while there is no step to take.
    char ownUndoText[kMenuTextSize] = {};
    char ownRedoText[kMenuTextSize] = {};
};

// The documents' context-menu request: waits (pumping messages) until no mouse button is held any
// more, so that the release does not choose an item, then posts the tool's context-menu event
// to the frame. Installed at start-up.
void postContextMenuRequest();
