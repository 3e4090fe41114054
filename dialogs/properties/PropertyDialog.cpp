#include "dialogs/properties/PropertyDialog.h"

#include <initializer_list>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/PropertyDialogPlacement.h"
#include "platform/ControlKinds.h"
#include "resources/ids_properties.h"

namespace {

// The frame buttons every page carries, OK and Cancel first.
constexpr int kFrameButtons[] = {IDOK,
                                 IDCANCEL,
                                 IDC_PROPERTY_REDISPLAY,
                                 IDC_PROPERTY_PREVIOUS,
                                 IDC_PROPERTY_STORE_PREVIOUS,
                                 IDC_PROPERTY_STORE_NEXT,
                                 IDC_PROPERTY_NEXT};

// A coordinate may lie this many sheet lengths from the grid origin; without a sheet, as many
// metres.
constexpr double kSheetLengths = 100.0;
constexpr double kSideWithoutSheet = 1000.0;

const char* const kCommonTab[] = {"共通"};

} // namespace

PropertyDialog::PropertyDialog()
{
    commonPageId = kCommonPageId;
    layerNameEditId = IDC_LAYER_NAME;
    layerListId = IDC_LAYER_LIST;
    layerScrollId = IDC_LAYER_SCROLL;
}

void PropertyDialog::bind(Element* target) { setElement(target); }

int PropertyDialog::run(int hasPrevious, int hasNext)
{
    PropertyStepRecord record;
    record.hasPrevious = hasPrevious;
    record.hasNext = hasNext;
    return runKind(record);
}

void PropertyDialog::setElement(Element* target)
{
    element = target;
    documentContext = target ? target->context : nullptr;
}

int PropertyDialog::runKind(PropertyStepRecord& record) { return run(record, ""); }

PropertyDialogPlacement* PropertyDialog::placementRecord() const
{
    return documentContext ? documentContext->propertyPlacement : nullptr;
}

double PropertyDialog::coordinateLimit() const
{
    const double side = element ? element->largerPaperSideInDrawing() : 0.0;
    return kSheetLengths * (side > 0.0 ? side : kSideWithoutSheet);
}

int PropertyDialog::run(PropertyStepRecord& record, const char* caption)
{
    result = kCancel;
    (void)addPages(); // a page it could not measure fails to show; the run then answers kCancel
    stepRecord = &record;
    currentPage = record.startPage;
    PropertyDialogPlacement* memory = placementRecord();
    if (memory) {
        currentPage = memory->lastPage;
        placement = memory->placementMode;
        position = memory->position;
    }
    (void)runPages(caption); // the result is kept in `result`
    record.startPage = currentPage;
    if (memory) {
        memory->lastPage = currentPage;
        memory->position = position;
        memory->placementMode = PropertyDialogPlacement::kRemembered;
    }
    stepRecord = nullptr;
    return result;
}

// --- the page protocol: the base keeps the common page ---

int PropertyDialog::handleMessage()
{
    const int framed = handleFrameMessage();
    if (framed >= 0)
        return framed;
    return currentPage == 0 ? onCommonPageEvent() : onPageEvent();
}

void PropertyDialog::setKindPages(const char* const* labels, const int* dialogIds, int count)
{
    kindTabs = labels;
    kindPageIds = dialogIds;
    kindPageCount = labels && dialogIds && count > 0 ? count : 0;
}

int PropertyDialog::pageDialogId(int index)
{
    if (index == 0)
        return commonPageId;
    return index > 0 && index < kindPageCount ? kindPageIds[index] : 0;
}

int PropertyDialog::addPages()
{
    // Each page answers 1; one whose resource cannot be read fails when it is shown.
    for (int index = 0; pageDialogId(index) != 0; ++index)
        (void)addPage(pageDialogId(index));
    keepFrameButtons();
    return 1;
}

void PropertyDialog::declareControls()
{
    declareFrameButtons();
    if (currentPage == 0)
        declareCommonControls();
}

void PropertyDialog::setupTabs()
{
    if (kindPageCount > 0)
        showTabs(kindTabs, kindPageCount);
    else
        showTabs(kCommonTab, 1);
    loadPage();
}

void PropertyDialog::loadPage()
{
    attachControls();
    updateNavigationButtons();
    if (element && currentPage == 0)
        loadCommonPage();
}

void PropertyDialog::storePage()
{
    if (element && currentPage == 0)
        storeCommonPage();
}

void PropertyDialog::applyPage(int)
{
    if (!element)
        return;
    // A field the page could not take leaves the rest stored and shown: the user mends it there.
    (void)storeShownPage();
    element->repaintPicked();
}

int PropertyDialog::onPageEvent() { return 0; }

// --- what every kind shares ---

void PropertyDialog::keepFrameButtons()
{
    for (int id : kFrameButtons)
        if (!isKeptControlId(id))
            (void)keepControlId(id); // fails only when memory ran out: the page's own buttons serve
}

void PropertyDialog::declareFrameButtons()
{
    for (int id : kFrameButtons)
        (void)addControl(id, KIND_PUSH_BUTTON); // a button left undeclared is one the page lacks
}

void PropertyDialog::updateNavigationButtons()
{
    const int previous = stepRecord && stepRecord->hasPrevious ? 1 : 0;
    const int next = stepRecord && stepRecord->hasNext ? 1 : 0;
    // A page without one of the buttons has nothing to enable there.
    (void)enableControl(IDC_PROPERTY_PREVIOUS, previous);
    (void)enableControl(IDC_PROPERTY_STORE_PREVIOUS, previous);
    (void)enableControl(IDC_PROPERTY_STORE_NEXT, next);
    (void)enableControl(IDC_PROPERTY_NEXT, next);
}

int PropertyDialog::handleFrameMessage()
{
    switch (event) {
    case DLG_COMMAND:
    case DLG_CLICK: {
        if (!currentControl)
            return 0;
        const int id = currentControl->id;
        switch (id) {
        case IDC_PROPERTY_REDISPLAY:
            applyPage(1);
            return 1;
        case IDC_PROPERTY_STORE_PREVIOUS:
        case IDC_PROPERTY_STORE_NEXT:
            if (!storeShownPage())
                return 1;
            result = id;
            end();
            return 1;
        case IDC_PROPERTY_PREVIOUS:
        case IDC_PROPERTY_NEXT:
            result = id;
            end();
            return 1;
        default:
            return handleTabbedEvent(); // OK and Cancel
        }
    }
    default:
        return handleTabbedEvent();
    }
}
