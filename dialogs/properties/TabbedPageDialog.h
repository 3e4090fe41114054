#pragma once
#include "platform/DialogTemplate.h"

class LayerTable;

// A modal dialog of pages under a tab strip: page 0 is a common page (the 256 layers and their
// names), the pages after it are the dialog's own. Every page is a complete dialog resource,
// switched in the running dialog; the buttons a dialog keeps stay while the tabs change. Layer
// names edited on the common page go into the dialog's own copy of the application's layer table
// and reach the application's table only when the dialog ends with kOk.
//
// A dialog builds its pages through the page protocol below (the virtual operations in the order
// the dialog calls them). Control ids repeat from page to page, so only the current page's
// controls are declared and every handler looks at the current page first.
class TabbedPageDialog : public DialogTemplate {
public:
    enum : int {
        kOk = 1,     // keep the changes
        kCancel = 2, // drop them (also any end of the dialog not caused by a button)
    };

    // The dialog's own copy of the application's layer names; page 0 first, nothing shown yet.
    TabbedPageDialog();
    ~TabbedPageDialog() override;

    // --- the page protocol, in the order of the slots ---
    // The dialog id of page `index`: commonPageId for 0, 0 beyond the last page.
    [[nodiscard]] virtual int pageDialogId(int index);
    // addPage for each page in tab order (the common page first) and the buttons kept; 1, or 0
    // when the dialog cannot be shown.
    [[nodiscard]] virtual int addPages();
    // Declares the controls of the current page only (its buttons included).
    virtual void declareControls();
    // At the first showing: the tab labels, the current tab chosen, the strip laid out; then
    // loadPage in every case.
    virtual void setupTabs();
    // Attaches the declared controls and fills the page.
    virtual void loadPage();
    // Writes the page's fields back.
    virtual void storePage();
    // Repaints the page's controls (the swatches and lists paint outside WM_PAINT).
    virtual void refreshPage();

    // --- what every tabbed dialog shares ---
    // Makes room in the template buffer for the page's resource and counts the page; 1.
    [[nodiscard]] int addPage(int dialogId);
    // storePage, and 1 when it took every field of the page; 0 when a field held a value the page
    // cannot take: the user has been told what that field takes and it has the focus, so whatever
    // was to follow the store (ending the dialog, another page or vertex) does not happen.
    [[nodiscard]] int storeShownPage();
    // Stores the page being left and shows page `index`; 0 (nothing changes) for an index
    // without a page or while the page shown holds a value it cannot take, 0 also when the page
    // could not be shown (the left page is stored then).
    [[nodiscard]] int switchToPage(int index);
    // The tab strip's labels in page order, the current page chosen, the strip over the client
    // area; nothing when the strip exists already.
    void showTabs(const char* const* labels, int count);
    // The events every tabbed dialog answers alike: initialisation (setupTabs), an edit taking
    // the focus, a tab change, painting, and OK (the page stored, kOk) and Cancel, which end the
    // dialog; OK leaves it open while the page holds a value it cannot take. -1 for any other
    // event.
    [[nodiscard]] int handleTabbedEvent();
    // Runs the dialog modally, captioned `caption`, on currentPage (page 0 for an index without a
    // page) once addPages has counted the pages; the result. Layer names edited in the dialog
    // reach the application's layer table only with kOk.
    [[nodiscard]] int runPages(const char* caption);

    LayerTable* layerTable = nullptr; // owned
    int pageCount = 0;
    int currentPage = 0;
    int commonPageId = 0;
    // The common page's name field, layer list and its scroll bar.
    int layerNameEditId = 0;
    int layerListId = 0;
    int layerScrollId = 0;
    int result = kCancel;
    // The first field of the current store whose typed text the page could not take (the one the
    // user is told of), 0 while there is none; storeShownPage clears it.
    int refusedField = 0;
};
