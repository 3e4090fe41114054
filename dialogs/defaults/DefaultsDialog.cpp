#include "dialogs/defaults/DefaultsDialog.h"

#include "document/ElementDefaults.h"
#include "geometry/InkColor.h"
#include "platform/ControlKinds.h"

namespace {
constexpr int kButtons[] = {IDOK, IDCANCEL};
} // namespace

void DefaultsDialog::setRecord(ElementDefaults* edited) { record = edited; }

int DefaultsDialog::run(int& pageIndex, const char* caption)
{
    currentPage = pageIndex;
    result = kCancel;
    if (!addPages())
        return kCancel;
    (void)runPages(caption); // the result is kept in `result`
    pageIndex = currentPage;
    return result;
}

int DefaultsDialog::handleMessage()
{
    const int framed = handleTabbedEvent();
    if (framed >= 0)
        return framed;
    return currentPage == 0 ? onCommonPageEvent() : onPageEvent();
}

void DefaultsDialog::setPages(const char* const* labels, const int* dialogIds, int count)
{
    tabLabels = labels;
    pageIds = dialogIds;
    tableCount = count;
}

int DefaultsDialog::pageDialogId(int index)
{
    if (index == 0)
        return commonPageId;
    return index > 0 && index < tableCount ? pageIds[index] : 0;
}

int DefaultsDialog::addPages()
{
    (void)addPage(commonPageId); // always 1; a page that cannot be read fails when shown
    for (int index = 1; index < tableCount; ++index)
        (void)addPage(pageIds[index]); // as above
    for (int id : kButtons)
        if (!isKeptControlId(id) && !keepControlId(id))
            return 0; // out of memory: nothing is shown
    return 1;
}

void DefaultsDialog::setupTabs()
{
    if (tabLabels)
        showTabs(tabLabels, tableCount);
    loadPage();
}

void DefaultsDialog::declareControls()
{
    for (int id : kButtons)
        (void)addControl(id, KIND_PUSH_BUTTON); // a button left undeclared is one the page lacks
    if (currentPage == 0)
        declareCommonControls();
}

void DefaultsDialog::loadPage()
{
    attachControls();
    if (record && currentPage == 0)
        loadCommonPage();
}

void DefaultsDialog::storePage()
{
    if (record && currentPage == 0)
        storeCommonPage();
}

void DefaultsDialog::declareCommonControls() { layer_list_page::declare(*this, layerIds()); }

void DefaultsDialog::loadCommonPage()
{
    if (layerTable)
        layer_list_page::load(*this, layerIds(), *layerTable, record->getLayer());
}

void DefaultsDialog::storeCommonPage()
{
    if (!layerTable)
        return;
    const int chosen = layer_list_page::store(*this, layerIds(), *layerTable);
    if (chosen >= 0)
        record->setLayer(chosen);
}

int DefaultsDialog::onCommonPageEvent() { return layer_list_page::onEvent(*this, layerIds()) != layer_list_page::kNotMine; }

void DefaultsDialog::declareSwatches(const Swatch* swatches, int count)
{
    for (int i = 0; i < count; ++i)
        (void)addControl(swatches[i].id, KIND_COLOR_SWATCH); // a swatch left undeclared shows nothing
}

void DefaultsDialog::showSwatches(const Swatch* swatches, int count)
{
    for (int i = 0; i < count; ++i)
        if (swatches[i].colour)
            (void)swatches[i].colour->showInControl(this, swatches[i].id); // a missing swatch shows nothing
}

int DefaultsDialog::pickSwatch(const Swatch* swatches, int count, int controlId)
{
    for (int i = 0; i < count; ++i) {
        if (swatches[i].id != controlId || !swatches[i].colour)
            continue;
        // A cancelled choice keeps the colour.
        (void)swatches[i].colour->pickForControl(this, controlId);
        refreshPage();
        return i;
    }
    return -1;
}
