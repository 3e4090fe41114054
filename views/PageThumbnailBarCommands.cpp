// The page bar's page menu: its enable tests and the page commands on the chosen page.
#include "document/ContextMenuRequest.h"
#include "document/DocumentContext.h"
#include "document/PageList.h"
#include "document/PopupMenuList.h"
#include "platform/MouseSource.h"
#include "views/DeletePageDialog.h"
#include "views/PagePane.h"
#include "views/PageThumbnailBar.h"

void PageThumbnailBar::openPageMenu(DocumentContext* owner)
{
    if (!owner || !thePopupMenuList)
        return;
    setContext(owner);
    clickedPage = 0;
    if (pane) {
        IntPoint cursor;
        readCursorPos(cursor);
        const int page = pane->cellAtPoint(cursor, nullptr);
        clickedPage = page > 0 ? page : 0;
    }
    thePopupMenuList->setContext(owner);
    postPageMenuRequest();
}

int PageThumbnailBar::canInsertOrRedrawPage(DocumentContext* owner)
{
    return isBarOf(owner) && clickedPage <= owner->pageCount();
}

int PageThumbnailBar::canDeletePage(DocumentContext* owner)
{
    return canInsertOrRedrawPage(owner) && owner->pageCount() >= 2;
}

int PageThumbnailBar::canRedrawFollowing(DocumentContext* owner)
{
    return isBarOf(owner) && clickedPage <= owner->pageCount() - 1;
}

int PageThumbnailBar::canRedrawAll(DocumentContext* owner) { return isBarOf(owner) && owner->pageCount() >= 2; }

void PageThumbnailBar::afterPageCommand(DocumentContext* owner, int fromPage, int lastPage)
{
    cache.invalidate(fromPage, lastPage);
    redrawAll(owner);
}

int PageThumbnailBar::insertPageBefore(DocumentContext* owner)
{
    if (!canInsertOrRedrawPage(owner) || !owner->pages->insertPageBefore(clickedPage))
        return 0;
    clickedPage = owner->currentPage();
    updatePagePane(owner);
    afterPageCommand(owner, clickedPage, 0);
    return 1;
}

int PageThumbnailBar::insertPageAfter(DocumentContext* owner)
{
    if (!canInsertOrRedrawPage(owner) || !owner->pages->insertPageAfter(clickedPage))
        return 0;
    clickedPage = owner->currentPage() - 1;
    updatePagePane(owner);
    afterPageCommand(owner, clickedPage, 0);
    return 1;
}

int PageThumbnailBar::deletePage(DocumentContext* owner)
{
    if (!canDeletePage(owner))
        return 0;
    DeletePageDialog dialog(deleteBodyOption);
    if (dialog.run() != 1)
        return 0;
    // The page list deletes the page it is on; it is told nothing until the page has gone.
    owner->pages->current = clickedPage;
    if (!owner->pages->removePage(clickedPage))
        return 0;
    updatePagePane(owner);
    clearArea();
    afterPageCommand(owner, clickedPage, 0);
    return 1;
}

int PageThumbnailBar::redrawThisPage(DocumentContext* owner)
{
    if (!canInsertOrRedrawPage(owner))
        return 0;
    afterPageCommand(owner, clickedPage, clickedPage);
    return 1;
}

int PageThumbnailBar::redrawFollowingPages(DocumentContext* owner)
{
    if (!canRedrawFollowing(owner))
        return 0;
    afterPageCommand(owner, clickedPage, 0);
    return 1;
}

int PageThumbnailBar::redrawAllPages(DocumentContext* owner)
{
    if (!canRedrawAll(owner))
        return 0;
    afterPageCommand(owner, 1, 0);
    return 1;
}

int PageThumbnailBar::toggleShowContents(DocumentContext* owner)
{
    if (!isBarOf(owner))
        return 0;
    showContents = showContents == kContentsHidden ? kContentsShown : kContentsHidden;
    redrawAll(owner);
    return 1;
}
