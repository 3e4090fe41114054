#pragma once

class DocumentContext;

// A drawing's current page and page count; pages are numbered from 1. A page exists as soon as
// the count covers it; its element chains appear when first used. Each element's index entry
// names the page that holds it, and inserting or removing a page renumbers the entries of the
// pages after it.
//
// Page operations are not undoable: each one clears the undo history.
class PageList {
public:
    virtual ~PageList() = default;

    virtual void setOwner(DocumentContext* context) { owner = context; }
    [[nodiscard]] virtual int currentPage() { return current; }
    [[nodiscard]] virtual int pageCount() { return count; }

    // current > count: current = count; current < 1: current = 1.
    void clamp();
    // Current page := n, raising the count to n; no notification (file reading, saving).
    virtual void setCurrent(int page);
    void incrementCount() { ++count; }
    // Never below 1.
    void decrementCount();
    // The document's first change since a save: the mark of the lowest changed page comes down
    // to the current page when it lies above it or is unset.
    virtual void markLowestPage();

    // Switches to page n, raising the count to it: the undo history is cleared, the select tool
    // starts afresh and the page is redrawn. 0 (and nothing else) when n is current already.
    int setCurrentPage(int page);
    // Through the page bar when there is one; the previous page does nothing below page 2, the
    // next page past the last one adds a page.
    virtual int previousPage();
    virtual int nextPage();
    // 1 <= n <= count, else 0 and nothing changes. Insertion makes the new page current (n, or
    // n + 1 after n); removal deletes the page's elements first and makes page n (or the new last
    // page) current. 0 also without an element store (after the undo history was cleared) or when
    // a table could not follow.
    [[nodiscard]] int insertPageBefore(int page);
    [[nodiscard]] int insertPageAfter(int page);
    [[nodiscard]] int removePage(int page);

    // The page records of the undo log: current and count set as the record says, then clamped
    // and the current page redrawn.
    void resyncAfterRemove(int page);        // current = n - 1, count - 1
    void resyncAfterInsert(int page);        // current = n, count + 1
    void resyncAtRemoved(int page);          // current = n, count - 1
    void resyncAfterInsertAfter(int page);   // current = n + 1, count + 1

    // The "dspedpage" value of the file being read, then its closing tag; 1 without a reader or
    // when either read fails.
    [[nodiscard]] int readCurrentPage(int closingTag);
    // Writes the current page as "dspedpage" into the file being written; 0 when that failed, 1
    // when no file is being written.
    [[nodiscard]] int writeCurrentPage();

    DocumentContext* owner = nullptr;
    int current = 1;
    int count = 1;
    int lowestMark = 0;

private:
    void resync(int newCurrent, int countChange);
    void keptInFile();
    void redrawCurrentPage();
    // Shared steps of the page operations: 0 when the store is missing.
    [[nodiscard]] int prepareStructureChange();
    void renumberEntries(int from, int delta);
    [[nodiscard]] int deleteElementsOf(int page);
};
