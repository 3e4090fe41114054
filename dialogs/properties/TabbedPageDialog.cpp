#include "dialogs/properties/TabbedPageDialog.h"

#include <new>

#include "document/LayerTable.h"

namespace {
// The tab strip is a child under the page's items, and the last tab stop: the keyboard reaches
// the other pages through it.
constexpr DWORD kTabStripStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP;
} // namespace

TabbedPageDialog::TabbedPageDialog()
{
    layerTable = new (std::nothrow) LayerTable;
    if (layerTable && theLayerTable)
        layerTable->copyFrom(*theLayerTable);
}

TabbedPageDialog::~TabbedPageDialog() { delete layerTable; }

int TabbedPageDialog::pageDialogId(int index) { return index == 0 ? commonPageId : 0; }

int TabbedPageDialog::addPages() { return addPage(commonPageId); }

void TabbedPageDialog::declareControls() {}

void TabbedPageDialog::setupTabs() { loadPage(); }

void TabbedPageDialog::loadPage() { attachControls(); }

void TabbedPageDialog::storePage() {}

void TabbedPageDialog::refreshPage() { refreshControls(); }

int TabbedPageDialog::addPage(int dialogId)
{
    (void)reserveTemplateSize(dialogId); // the switch reads the page again and grows the buffer
    ++pageCount;
    return 1;
}

int TabbedPageDialog::storeShownPage()
{
    refusedField = 0;
    storePage();
    return refusedField == 0;
}

int TabbedPageDialog::switchToPage(int index)
{
    const int id = pageDialogId(index);
    if (id == 0 || !storeShownPage())
        return 0;
    if (!switchTemplate(id, 1))
        return 0;
    currentPage = index;
    declareControls();
    loadPage();
    refreshPage();
    return 1;
}

void TabbedPageDialog::showTabs(const char* const* labels, int count)
{
    if (!showTabControl())
        return;
    for (int i = 0; i < count; ++i)
        (void)addTab(labels[i]); // a tab that could not be added cannot be chosen
    selectTab(currentPage);
    layoutTabControl();
}

int TabbedPageDialog::handleTabbedEvent()
{
    switch (event) {
    case DLG_INIT:
        setupTabs();
        return -1;
    case DLG_EDIT_FOCUS:
        applyControlImeMode();
        return -1;
    case DLG_TAB_CHANGE:
        if (!switchToPage(getCurrentTab()))
            selectTab(currentPage); // the tab goes back to the page still shown
        return -1;
    case DLG_PAINT:
        refreshPage();
        return 0;
    case DLG_COMMAND:
    case DLG_CLICK: {
        const int id = currentControl ? currentControl->id : 0;
        if (id != IDOK && id != IDCANCEL)
            return -1;
        if (id == IDOK) {
            if (!storeShownPage())
                return 1;
            result = kOk;
        }
        end();
        return 1;
    }
    default:
        return -1;
    }
}

int TabbedPageDialog::runPages(const char* caption)
{
    if (currentPage < 0 || currentPage >= pageCount)
        currentPage = 0;
    createTabControl(kTabStripStyle);
    declareControls();
    setCaption(caption);
    // The answer is in `result`: the dialog's own end code says nothing more, and a dialog that
    // could not be shown leaves kCancel.
    (void)runModal(0, pageDialogId(currentPage));
    if (result == kOk && layerTable && theLayerTable)
        theLayerTable->copyFrom(*layerTable);
    return result;
}
