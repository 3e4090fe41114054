#pragma once

class DocumentContext;

// Cut, copy, paste and delete of elements and texts through the clipboard (one for the
// application; each request first names the document it works on).
class ElementClipboard {
public:
    virtual ~ElementClipboard() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    [[nodiscard]] virtual int canCopy() = 0;
    [[nodiscard]] virtual int canCut() = 0;
    [[nodiscard]] virtual int canPaste() = 0;
    [[nodiscard]] virtual int canDelete() = 0;
    [[nodiscard]] virtual int cut() = 0;
    [[nodiscard]] virtual int copy() = 0;
    [[nodiscard]] virtual int paste() = 0;
    [[nodiscard]] virtual int erase() = 0;
};

extern ElementClipboard* theElementClipboard;
