#pragma once

class DocumentContext;

// Cut, copy, paste and delete for the document that asks (one object for the application; each
// request first names its document, which owns it for that request), and whether each is
// possible now (menu and toolbar states).
//
// While a text is edited in place (interaction mode 1) they act on the selected text of that
// element and the clipboard's text. Otherwise they act on the selected elements, which travel as
// records under the private format of ElementClipboardData.h; with nothing selected, a rectangle
// marked by a Control-drag is copied as a bitmap, and a bitmap on the clipboard pastes as a
// bitmap element. Clipboard data is read as untrusted input: a paste takes the records before
// the first one that is not sound and nothing after it.
class ElementClipboard {
public:
    ElementClipboard() = default;
    virtual ~ElementClipboard() = default;
    ElementClipboard(const ElementClipboard&) = delete;
    ElementClipboard& operator=(const ElementClipboard&) = delete;

    virtual void setOwner(DocumentContext* context) { owner = context; }
    [[nodiscard]] virtual int canCopy();
    [[nodiscard]] virtual int canCut();
    [[nodiscard]] virtual int canPaste();
    [[nodiscard]] virtual int canDelete();
    // Each answers 1 when it did what it was asked.
    [[nodiscard]] virtual int cut();
    [[nodiscard]] virtual int copy();
    [[nodiscard]] virtual int paste();
    [[nodiscard]] virtual int erase();

    // Element mode.
    // The selected elements onto the clipboard, or, with none selected, the marked rectangle as
    // a bitmap. The clipboard is emptied first and filled only when every element was read.
    [[nodiscard]] int copySelection();
    // Deletes the selected elements (with their own undo record "削除" when asked) and clears
    // the selection; 1 when every one was deleted.
    [[nodiscard]] int deleteSelection(int withRecord);
    // Pastes the clipboard's elements onto the current page as new elements with new group
    // numbers, selected together (one alone as the single selection), under one undo record
    // "貼込み"; without element data a bitmap as a new bitmap element. 1 when something was
    // pasted.
    [[nodiscard]] int pasteElements();

    DocumentContext* owner = nullptr;
    // 1: a bitmap on the clipboard may be pasted.
    int picturePaste = 1;

private:
    [[nodiscard]] int isTextMode() const;
    [[nodiscard]] int isReady() const;
    // isReady for a command on the elements (not on the text being typed), which takes them as
    // the screen shows them: a text still in edit is stored first.
    [[nodiscard]] int takeElements();
    [[nodiscard]] int copyMarkedRect();
    [[nodiscard]] int pastePicture();
    // After a paste: the undo record of the selection now, the element in hand, the view.
    void finishPaste();
};

// The application's clipboard object; null until start-up makes it.
extern ElementClipboard* theElementClipboard;
