#pragma once

class DocumentContext;

// A document's undo and redo log. Only what the document context calls is declared here.
class UndoManager {
public:
    virtual ~UndoManager() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    // The mode word: 5 after construction, which keeps released record blocks out of reuse.
    virtual int mode() = 0;
    // The menu texts and tests of Undo and Redo, then the two steps.
    virtual int undoText(char* text) = 0;
    virtual int canUndo() = 0;
    virtual int redoText(char* text) = 0;
    virtual int canRedo() = 0;
    virtual int undo() = 0;
    virtual int redo() = 0;
};
