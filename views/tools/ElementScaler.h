#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class DocumentContext;

// Scales the selected elements through its dialog.
class ElementScaler {
public:
    virtual ~ElementScaler() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    virtual void runCommand() = 0;
};
