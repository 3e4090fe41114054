#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class DocumentContext;

// Moves or copies the selection by mouse.
class MoveTool {
public:
    virtual ~MoveTool() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    // One drag step; 11 while the drag goes on.
    virtual int dragSelection() = 0;
};
