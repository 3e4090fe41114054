#pragma once
// An interface that this folder and those above call; a folder above implements it.
#include "document/PainterBase.h"

class PagePane;

// The page bar (one for the application): the pages of the active drawing as thumbnails in the
// cells of the page pane, drawn through an off-screen bitmap of its own; the real one is
// PageThumbnailBar (views/PageThumbnailBar.h). Every operation takes the drawing it works for;
// the enable tests and the page commands answer 0 (do nothing) for another drawing than the
// one the bar shows. The defaults stand for a bar that shows nothing.
class PageTabBar : public PainterBase {
public:
    // The paging operation's answer when the click changed the current page.
    static constexpr int kPageChanged = 123;

    // Switches the drawing to page n (the page list's switch, made through the bar); 1 on
    // success.
    [[nodiscard]] virtual int selectPage(DocumentContext* context, int page) = 0;
    [[nodiscard]] int goToPage(DocumentContext* context, int page) { return selectPage(context, page); }
    // Takes the drawing, empties the thumbnail cache and redraws every thumbnail; null (the last
    // drawing was closed): forgets the drawing and shows no thumbnail.
    virtual void refresh(DocumentContext* context) = 0;
    // After the redraw manager redrew the current page: the current page's thumbnail follows.
    virtual void onPageRedrawn(DocumentContext* context) { (void)context; }
    // A new element with that id was stored on the current page.
    virtual void onElementCommitted(DocumentContext* context, int id)
    {
        (void)id;
        onPageRedrawn(context);
    }

    // The page pane's PAGE button (null while there is none; not owned).
    virtual void setPane(PagePane* pane) { (void)pane; }
    // The pane was painted: the thumbnails are drawn again.
    virtual void onPaneDrawn(DocumentContext* context) { (void)context; }
    // The pane's scroll bar moves the cells: 1 when the bar redrew them (the scroll was its).
    virtual int onScroll(DocumentContext* context)
    {
        (void)context;
        return 0;
    }
    // A left press on the pane: the page under it becomes current, or the view is centred on
    // the point pressed. kPageChanged when the current page changed, else 0.
    virtual int runPaging(DocumentContext* context)
    {
        (void)context;
        return 0;
    }
    // A right press on the pane: the page under the cursor is chosen and the page menu asked for.
    virtual void openPageMenu(DocumentContext* context) { (void)context; }

    // The page menu's enable tests for the chosen page, and whether page contents are shown.
    [[nodiscard]] virtual int canInsertOrRedrawPage(DocumentContext* context)
    {
        (void)context;
        return 0;
    }
    [[nodiscard]] virtual int canDeletePage(DocumentContext* context) { return canInsertOrRedrawPage(context); }
    [[nodiscard]] virtual int canRedrawFollowing(DocumentContext* context) { return canInsertOrRedrawPage(context); }
    [[nodiscard]] virtual int canRedrawAll(DocumentContext* context) { return canInsertOrRedrawPage(context); }
    [[nodiscard]] virtual int showsContents() const { return 0; }
    // The page commands on the chosen page; 1 when they did something.
    virtual int insertPageBefore(DocumentContext* context)
    {
        (void)context;
        return 0;
    }
    virtual int insertPageAfter(DocumentContext* context)
    {
        (void)context;
        return 0;
    }
    virtual int deletePage(DocumentContext* context)
    {
        (void)context;
        return 0;
    }
    virtual int redrawThisPage(DocumentContext* context)
    {
        (void)context;
        return 0;
    }
    virtual int redrawFollowingPages(DocumentContext* context)
    {
        (void)context;
        return 0;
    }
    virtual int redrawAllPages(DocumentContext* context)
    {
        (void)context;
        return 0;
    }
    virtual int toggleShowContents(DocumentContext* context)
    {
        (void)context;
        return 0;
    }
};

// Defined in document/GlobalManagers.cpp, with its first readers.
extern PageTabBar* thePageTabBar;
