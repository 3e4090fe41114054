#pragma once
// An interface that this folder and those above call; a folder above implements it.

class DocumentContext;

// A record of the tools whose only content at creation is its owner link; the document context
// creates, links and deletes it and reaches nothing else of it.
class ToolWorkRecord {
public:
    virtual ~ToolWorkRecord() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
};
