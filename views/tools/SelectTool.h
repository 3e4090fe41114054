#pragma once

class DocumentContext;

// The select and edit tool. Only the operations that the document context forwards are declared
// here.
class SelectTool {
public:
    virtual ~SelectTool() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    // Runs the tool for the current mouse event.
    virtual int onMouse() = 0;
    virtual int selectAll() = 0;
    // Selects the element under the cursor (the idle click loop).
    virtual int selectByClick() = 0;
    // Selection mode: 0 none, 1 one element, 2 several.
    virtual int selectionMode() = 0;
    virtual int canEditProperties() = 0;
    virtual int openProperties() = 0;
    // Steps the property dialog to the previous (-1) or next (1) selected element.
    virtual int stepSelection(int direction) = 0;
    // 1 while the tool is editing an element.
    virtual int isEditing() = 0;
    // The edit state of the single selected element (0 unless exactly one is selected).
    virtual int singleElementEditState() = 0;
    virtual void hideMarks() = 0;
    virtual void redrawMarks() = 0;

    // The selected ids one after another (part files are written from them); an id below 1 ends
    // the walk.
    virtual int firstSelectedId() { return -1; }
    virtual int nextSelectedId() { return -1; }
};
