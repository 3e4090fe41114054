// The page list: switching, inserting and removing pages, with the element entries, the mask
// index and the undo history following.
#include <gtest/gtest.h>
#include <vector>

#include "document/PageTabBar.h"
#include "geometry/TagIds.h"
#include "tests/document/EditTestDocument.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

class FakePageBar : public PageTabBar {
public:
    void setContext(DocumentContext* context) override { bound = context; }
    int ensureBitmap() override { return 1; }
    int selectPage(DocumentContext* context, int page) override
    {
        selected.push_back(page);
        return context && context->pages ? context->pages->setCurrentPage(page) : 0;
    }
    void refresh(DocumentContext*) override { ++refreshes; }
    DocumentContext* bound = nullptr;
    std::vector<int> selected;
    int refreshes = 0;
};

// A move record, so that the history has something to clear.
void recordSomething(EditTestDocument& doc)
{
    doc.undo().recordMove(1, 0, 0);
    ASSERT_EQ(doc.undo().canUndo(), 1);
}

TEST(PageList, SwitchingPagesClearsTheHistoryAndRedrawsOnlyOnAChange)
{
    TestApplication app;
    EditTestDocument doc;
    PageList& pages = doc.pages();
    EXPECT_EQ(pages.currentPage(), 1);
    EXPECT_EQ(pages.pageCount(), 1);

    recordSomething(doc);
    EXPECT_EQ(pages.setCurrentPage(1), 0) << "the current page";
    EXPECT_EQ(doc.updater->pageRedraws, 0);
    EXPECT_EQ(doc.undo().canUndo(), 1);

    EXPECT_EQ(pages.setCurrentPage(3), 1);
    EXPECT_EQ(pages.currentPage(), 3);
    EXPECT_EQ(pages.pageCount(), 3) << "a page beyond the count raises it";
    EXPECT_EQ(doc.undo().canUndo(), 0);
    EXPECT_EQ(doc.selectTool->resets, 1);
    EXPECT_EQ(doc.updater->pageRedraws, 1);

    // Without the page bar; the next page past the last one adds a page.
    EXPECT_EQ(pages.previousPage(), 1);
    EXPECT_EQ(pages.currentPage(), 2);
    EXPECT_EQ(pages.nextPage(), 1);
    EXPECT_EQ(pages.nextPage(), 1);
    EXPECT_EQ(pages.currentPage(), 4);
    EXPECT_EQ(pages.pageCount(), 4);
    ASSERT_EQ(pages.setCurrentPage(1), 1);
    EXPECT_EQ(pages.previousPage(), 0) << "nothing before page 1";

    // Through the page bar, which switches the page and is refreshed.
    FakePageBar bar;
    ScopedOverride<PageTabBar*> installed(thePageTabBar, &bar);
    EXPECT_EQ(pages.nextPage(), 1);
    EXPECT_EQ(pages.previousPage(), 1);
    EXPECT_EQ(bar.selected, (std::vector<int>{2, 1}));
    EXPECT_EQ(bar.refreshes, 2);
    EXPECT_EQ(bar.bound, &doc.context);

    // The raw setter raises the count without any notification; the lowest-page mark comes down.
    const int redraws = doc.updater->pageRedraws;
    pages.setCurrent(7);
    EXPECT_EQ(pages.pageCount(), 7);
    EXPECT_EQ(doc.updater->pageRedraws, redraws);
    pages.markLowestPage();
    EXPECT_EQ(pages.lowestMark, 7);
    pages.setCurrent(5);
    pages.markLowestPage();
    EXPECT_EQ(pages.lowestMark, 5);
    pages.setCurrent(6);
    pages.markLowestPage();
    EXPECT_EQ(pages.lowestMark, 5);

    // Outside a file read or write the "dspedpage" value is 1 and nothing is written.
    EXPECT_EQ(pages.readCurrentPage(tag_id::dspedpage), 1);
    EXPECT_EQ(pages.writeCurrentPage(), 1);
}

TEST(PageList, TheUndoResyncsSetPageAndCountAndClamp)
{
    TestApplication app;
    struct Case {
        void (PageList::*resync)(int);
        int page;
        int current, count;
    };
    // From current 2 of 3 pages.
    const Case cases[] = {
        {&PageList::resyncAfterRemove, 2, 1, 2},
        {&PageList::resyncAfterInsert, 2, 2, 4},
        {&PageList::resyncAtRemoved, 3, 2, 2},
        {&PageList::resyncAfterInsertAfter, 2, 3, 4},
        {&PageList::resyncAfterRemove, 1, 1, 2},
        {&PageList::resyncAtRemoved, 9, 2, 2},
    };
    for (const Case& c : cases) {
        EditTestDocument doc;
        doc.pages().setCurrent(3);
        doc.pages().setCurrent(2);
        (doc.pages().*c.resync)(c.page);
        EXPECT_EQ(doc.pages().currentPage(), c.current);
        EXPECT_EQ(doc.pages().pageCount(), c.count);
        EXPECT_EQ(doc.updater->pageRedraws, 1);
    }
}

TEST(PageList, InsertedPagesMoveTheLaterPagesElementsAlong)
{
    TestApplication app;
    EditTestDocument doc;
    const int a = doc.addBox(10, 10, 5, 5, 1);
    const int b = doc.addBox(20, 20, 5, 5, 1);
    const int c = doc.addBox(30, 30, 5, 5, 2);
    doc.pages().setCurrent(2);
    recordSomething(doc);

    ASSERT_EQ(doc.pages().insertPageBefore(1), 1);
    EXPECT_EQ(doc.pages().currentPage(), 1);
    EXPECT_EQ(doc.pages().pageCount(), 3);
    EXPECT_EQ(doc.undo().canUndo(), 0);
    EXPECT_EQ(doc.pageOrder(1), (std::vector<int>{}));
    EXPECT_EQ(doc.pageOrder(2), (std::vector<int>{a, b}));
    EXPECT_EQ(doc.pageOrder(3), (std::vector<int>{c}));
    EXPECT_EQ(doc.entry(a).page, 2);
    EXPECT_EQ(doc.entry(b).page, 2);
    EXPECT_EQ(doc.entry(c).page, 3);
    EXPECT_EQ(doc.maskIndex().pageOf(a), 2);
    EXPECT_EQ(doc.maskIndex().pageOf(c), 3);

    ASSERT_EQ(doc.pages().insertPageAfter(2), 1);
    EXPECT_EQ(doc.pages().currentPage(), 3);
    EXPECT_EQ(doc.pages().pageCount(), 4);
    EXPECT_EQ(doc.entry(a).page, 2);
    EXPECT_EQ(doc.entry(c).page, 4);
    EXPECT_EQ(doc.pageOrder(4), (std::vector<int>{c}));

    // Pages outside 1..count are refused and change nothing.
    for (int page : {0, 5, -1}) {
        EXPECT_EQ(doc.pages().insertPageBefore(page), 0);
        EXPECT_EQ(doc.pages().insertPageAfter(page), 0);
        EXPECT_EQ(doc.pages().removePage(page), 0);
    }
    EXPECT_EQ(doc.pages().pageCount(), 4);
    EXPECT_EQ(doc.pages().currentPage(), 3);
}

TEST(PageList, RemovingAPageDeletesItsElementsAndFreesTheirIds)
{
    TestApplication app;
    EditTestDocument doc;
    const int x = doc.addBox(10, 10, 5, 5, 1);
    const int p = doc.addBox(10, 10, 5, 5, 2);
    const int q = doc.addBox(20, 10, 5, 5, 2);
    const int r = doc.add(ElementKind::Line, {{0, 0, 0}, {50, 50, 0}}, 2);
    const int y = doc.addBox(30, 30, 5, 5, 3);
    doc.pages().setCurrent(3);
    ASSERT_EQ(doc.context.elementCount(), 5);
    recordSomething(doc);

    ASSERT_EQ(doc.pages().removePage(2), 1);
    EXPECT_EQ(doc.context.elementCount(), 2);
    EXPECT_EQ(doc.pages().currentPage(), 2);
    EXPECT_EQ(doc.pages().pageCount(), 2);
    EXPECT_EQ(doc.undo().canUndo(), 0);
    EXPECT_EQ(doc.pageOrder(1), (std::vector<int>{x}));
    EXPECT_EQ(doc.pageOrder(2), (std::vector<int>{y}));
    EXPECT_EQ(doc.entry(y).page, 2);
    EXPECT_EQ(doc.maskIndex().pageOf(y), 2);
    for (int gone : {p, q, r}) {
        EXPECT_EQ(doc.store().isLive(gone), 0);
        EXPECT_EQ(doc.maskIndex().maskOf(gone, 1), 0);
    }
    // The next element takes the oldest freed id.
    EXPECT_EQ(doc.addBox(1, 1, 1, 1, 2), p);

    // Removing the only page leaves one empty page.
    EditTestDocument single;
    single.addBox(1, 1, 1, 1);
    ASSERT_EQ(single.pages().removePage(1), 1);
    EXPECT_EQ(single.pages().pageCount(), 1);
    EXPECT_EQ(single.pages().currentPage(), 1);
    EXPECT_EQ(single.context.elementCount(), 0);
}

TEST(PageList, InsertingOrRemovingAPageChangesTheDrawing)
{
    // No undo record counts a page operation: the operation itself makes the drawing changed,
    // so that closing asks to save the moved pages. One refused changes nothing.
    TestApplication app;
    struct Row {
        const char* name;
        int (PageList::*operation)(int);
        int page, modified;
    };
    const Row rows[] = {{"insert before", &PageList::insertPageBefore, 1, 1},
                        {"insert after", &PageList::insertPageAfter, 1, 1},
                        {"remove", &PageList::removePage, 1, 1},
                        {"refused", &PageList::removePage, 3, 0}};
    for (const Row& r : rows) {
        EditTestDocument doc;
        (void)doc.addBox(10, 10, 5, 5, 1);
        (void)doc.addBox(20, 20, 5, 5, 2);
        doc.pages().setCurrent(2);
        ASSERT_EQ(doc.context.isModified(), 0) << r.name;
        EXPECT_EQ((doc.pages().*r.operation)(r.page), r.modified) << r.name;
        EXPECT_EQ(doc.context.isModified(), r.modified) << r.name;
    }
}

} // namespace
