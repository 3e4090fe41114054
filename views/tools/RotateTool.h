#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class DocumentContext;

// Rotates the selection by mouse.
class RotateTool {
public:
    virtual ~RotateTool() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    virtual int run() = 0;
    // The tool's second entry: prepares it when its button is pressed.
    virtual int prepare() = 0;
};
