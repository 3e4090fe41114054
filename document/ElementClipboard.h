#pragma once

class DocumentContext;

// Cut, copy, paste and delete of elements and texts through the clipboard (one for the
// application; each request first names the document it works on).
class ElementClipboard {
public:
    virtual ~ElementClipboard() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    virtual int canCopy() = 0;
    virtual int canCut() = 0;
    virtual int canPaste() = 0;
    virtual int canDelete() = 0;
    virtual int cut() = 0;
    virtual int copy() = 0;
    virtual int paste() = 0;
    virtual int erase() = 0;
};

extern ElementClipboard* theElementClipboard;
