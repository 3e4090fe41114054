#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class DocumentContext;

// A record of the tools whose only content at creation is its owner link; the document context
// creates, links and deletes it and reaches nothing else of it.
class ToolWorkRecord {
public:
    virtual ~ToolWorkRecord() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
};
