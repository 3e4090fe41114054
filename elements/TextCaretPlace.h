#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class DocumentContext;

// The caret state of the text being edited in place in a drawing. The document context refreshes,
// suspends and resumes it around scrolling and resets it when an element is settled.
class TextCaretPlace {
public:
    virtual ~TextCaretPlace() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    virtual int refresh() = 0;
    virtual int resume() = 0;
    virtual int suspend() = 0;
    virtual int reset() = 0;
};
