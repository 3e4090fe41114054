#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class DocumentContext;

// The rulers of a document window.
class RulerBars {
public:
    virtual ~RulerBars() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    virtual void paint() = 0;
};
