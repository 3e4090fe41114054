#pragma once
// The move tool as this folder calls it; views/tools/MoveTool implements it.

class DocumentContext;

// What the document asks of a drawing's move tool: the point-move tool's click loop. The move
// tool of views/tools implements it; each drawing owns one.
class MoveToolBase {
public:
    MoveToolBase() = default;
    virtual ~MoveToolBase() = default;
    MoveToolBase(const MoveToolBase&) = delete;
    MoveToolBase& operator=(const MoveToolBase&) = delete;

    virtual void setOwner(DocumentContext* owner) = 0;
    // The point-move tool: each click on a selected element runs that element's own mouse
    // editing (the next selected element under the mouse when one declines) and the loop goes on
    // while an edit answers 11. A click on no selected element ends it with 0, the right button
    // with 21 after asking for the context menu, an aborted wait with -1.
    virtual int editPointsLoop() = 0;
};
