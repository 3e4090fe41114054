#pragma once

class DocumentContext;

// The coarse spatial index of a document's elements. The document context creates, links and
// deletes it.
class ElementMaskIndex {
public:
    virtual ~ElementMaskIndex() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
};
