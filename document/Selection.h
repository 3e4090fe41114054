#pragma once

class DocumentContext;

// The list of selected element ids. Only what the document context calls is declared here.
class Selection {
public:
    virtual ~Selection() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    // Drops a Control-drag rectangle that is still pending.
    virtual void clearPending() = 0;
};
