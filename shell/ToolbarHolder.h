#pragma once

class MainFrame;
class WorkspaceLayout;

// The frame's owner of the pane manager: it makes the layout and installs it in the application
// (unless the application has one already), creates the string table's toolbars in it and shows
// them, runs the toolbar selection dialog, and removes and deletes the layout it made.
class ToolbarHolder {
public:
    explicit ToolbarHolder(MainFrame* owner);
    // destroyLayout.
    virtual ~ToolbarHolder();
    ToolbarHolder(const ToolbarHolder&) = delete;
    ToolbarHolder& operator=(const ToolbarHolder&) = delete;

    // Makes and installs the layout when the application has none and this holder made none.
    virtual void createLayout();
    // Removes the layout this holder made from the application and deletes it.
    virtual void destroyLayout();
    // The pane of string-table definition n in the application's layout; 0 without one.
    virtual int createToolbar(int definitionId);
    // The layout arranges and shows its panes.
    virtual void showLayout();
    // The toolbar selection dialog (command 40005).
    virtual void selectToolbars();
    // Whether the tool that was current before the last press is one of toolbar n's commands
    // (the string table's button lists know); no without a layout of this holder's.
    [[nodiscard]] int holdsCurrentTool(int toolbar) const;

    MainFrame* frame;
    WorkspaceLayout* layout = nullptr; // owned; null when the application had one already
};
