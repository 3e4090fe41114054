#pragma once

class DocumentContext;

// A document's current page and page count (pages from 1).
class PageList {
public:
    virtual ~PageList() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    [[nodiscard]] virtual int currentPage() = 0;
    [[nodiscard]] virtual int pageCount() = 0;
    // Current page := n, raising the count to n; no notification.
    virtual void setCurrent(int page) = 0;
    virtual int previousPage() = 0;
    virtual int nextPage() = 0;
    // The document's first change since a save: the mark of the lowest changed page comes down
    // to the current page when it lies above it or is unset.
    virtual void markLowestPage() {}
};
