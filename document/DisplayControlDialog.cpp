#include "document/DisplayControlDialog.h"

#include "document/DisplayControlState.h"
#include "document/ElementKindColumns.h"
#include "document/ElementKindNames.h"
#include "document/LayerTable.h"
#include "platform/ControlKinds.h"
#include "resources/ids.h"

namespace {

const char* const kTabNames[] = {"レイヤー表示", "要素表示", "レイヤー選択", "要素選択"};
const int kPageCount = 4;

// The number of items a check list holds.
int checkListCount(Control& list)
{
    int low = 0;
    int high = 0;
    int rows = 0;
    return list.getScrollRange(&low, &high, &rows) ? high : 0;
}

int minOf(int a, int b) { return a < b ? a : b; }

} // namespace

DisplayControlDialog::DisplayControlDialog(DisplayControlState& state, LayerTable& names, int firstPage)
    : state_(state), names_(names), page_(firstPage >= 0 && firstPage < kPageCount ? firstPage : kLayersDrawn)
{
}

int DisplayControlDialog::templateOf(int page) { return isLayerPage(page) ? IDD_DISPLAY_LAYERS : IDD_DISPLAY_KINDS; }

int DisplayControlDialog::run() { return runModal(0, templateOf(page_)); }

void DisplayControlDialog::buildPage()
{
    // Declaring fails only when memory ran out (reported); the page then shows without the
    // control, and every use below looks for it first.
    (void)addControl(IDOK, KIND_PUSH_BUTTON);
    (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
    if (isLayerPage(page_))
        buildLayerPage();
    else
        buildKindPage();
}

void DisplayControlDialog::buildLayerPage()
{
    (void)addControl(IDC_DISPLAY_LAYER_LIST, KIND_OWNER_DRAW_LIST);
    (void)addControl(IDC_DISPLAY_LAYERS_ON, KIND_PUSH_BUTTON);
    (void)addControl(IDC_DISPLAY_LAYERS_OFF, KIND_PUSH_BUTTON);
    (void)addControl(IDC_DISPLAY_LAYER_NAME, KIND_TEXT_EDIT);
    (void)addControl(IDC_DISPLAY_LAYER_SCROLL, KIND_SCROLL_BAR);
    attachControls();
    if (Control* name = findControl(IDC_DISPLAY_LAYER_NAME))
        (void)name->sendItemMessage(EM_LIMITTEXT, LayerRecord::kNameSize - 1, 0); // no answer to read
    Control* list = findControl(IDC_DISPLAY_LAYER_LIST);
    if (!list)
        return;
    list->clear();
    for (int layer = 0; layer < LayerTable::kLayerCount; ++layer) {
        const int on = page_ == kLayersDrawn ? state_.layerDisplayFlag(layer) : state_.layerSelectFlag(layer);
        if (!list->addItem(on, names_.nameOf(layer)))
            break; // the list cannot grow: the layers it holds are shown, and only they are stored
    }
    if (Control* bar = findControl(IDC_DISPLAY_LAYER_SCROLL)) {
        bar->bindToItem();
        bar->linkTo(list);
        bar->setPosition(state_.layerListPosition);
    }
    list->repaint();
}

void DisplayControlDialog::buildKindPage()
{
    (void)addControl(IDC_DISPLAY_KIND_LIST, KIND_OWNER_DRAW_LIST);
    (void)addControl(IDC_DISPLAY_KINDS_ON, KIND_PUSH_BUTTON);
    (void)addControl(IDC_DISPLAY_KINDS_OFF, KIND_PUSH_BUTTON);
    (void)addControl(IDC_DISPLAY_KIND_SCROLL, KIND_SCROLL_BAR);
    attachControls();
    Control* list = findControl(IDC_DISPLAY_KIND_LIST);
    if (!list)
        return;
    list->clear();
    const int columns = minOf(ElementKindColumns::count(), DisplayControlState::kKindColumns);
    for (int column = 0; column < columns; ++column) {
        char name[LayerRecord::kNameSize];
        (void)elementKindName(ElementKindColumns::kindAt(column), name, sizeof name); // listed kinds have names
        const int on = page_ == kKindsDrawn ? state_.kindDisplayFlag(column) : state_.kindSelectFlag(column);
        if (!list->addItem(on, name))
            break;
    }
    if (Control* bar = findControl(IDC_DISPLAY_KIND_SCROLL)) {
        bar->bindToItem();
        bar->linkTo(list);
    }
    list->repaint();
}

void DisplayControlDialog::storePage()
{
    if (isLayerPage(page_)) {
        Control* list = findControl(IDC_DISPLAY_LAYER_LIST);
        if (!list)
            return;
        const int count = minOf(checkListCount(*list), LayerTable::kLayerCount);
        for (int layer = 0; layer < count; ++layer) {
            const int on = list->isItemChecked(layer);
            if (page_ == kLayersDrawn)
                state_.setLayerDisplayFlag(layer, on);
            else
                state_.setLayerSelectFlag(layer, on);
            char name[LayerRecord::kNameSize];
            (void)list->getItemText(layer, name, sizeof name); // an empty label is an empty name
            names_.setName(layer, name);
        }
        if (Control* bar = findControl(IDC_DISPLAY_LAYER_SCROLL))
            state_.layerListPosition = bar->position();
        return;
    }
    Control* list = findControl(IDC_DISPLAY_KIND_LIST);
    if (!list)
        return;
    const int count = minOf(checkListCount(*list), DisplayControlState::kKindColumns);
    for (int column = 0; column < count; ++column) {
        if (page_ == kKindsDrawn)
            state_.setKindDisplayFlag(column, list->isItemChecked(column));
        else
            state_.setKindSelectFlag(column, list->isItemChecked(column));
    }
}

void DisplayControlDialog::switchToPage(int page)
{
    if (page < 0 || page >= kPageCount || page == page_)
        return;
    storePage();
    const int previous = page_;
    page_ = page;
    // The two layer tabs share their page, so the page is always built again.
    if (switchTemplate(templateOf(page_), 0)) {
        buildPage();
        return;
    }
    // The page could not be shown: the tab goes back to the page still shown.
    page_ = previous;
    selectTab(page_);
}

void DisplayControlDialog::checkAll(int on)
{
    Control* list = findControl(isLayerPage(page_) ? IDC_DISPLAY_LAYER_LIST : IDC_DISPLAY_KIND_LIST);
    if (!list)
        return;
    const int count = checkListCount(*list);
    for (int i = 0; i < count; ++i)
        (void)list->setItemChecked(i, on); // every index is an item's
    list->repaint();
}

void DisplayControlDialog::showChosenName()
{
    Control* list = findControl(IDC_DISPLAY_LAYER_LIST);
    const int chosen = list ? list->getSelected() : -1;
    if (chosen < 0)
        return;
    char name[LayerRecord::kNameSize];
    (void)list->getItemText(chosen, name, sizeof name); // an empty label shows an empty field
    // The field's change notification comes back at once and renames the layer to its own name.
    setText(IDC_DISPLAY_LAYER_NAME, name);
}

void DisplayControlDialog::renameChosenLayer()
{
    Control* list = findControl(IDC_DISPLAY_LAYER_LIST);
    const int chosen = list ? list->getSelected() : -1;
    if (chosen < 0)
        return;
    // At most 79 bytes, never half a character, whatever the field was given.
    char name[LayerRecord::kNameSize];
    (void)getText(IDC_DISPLAY_LAYER_NAME, name, sizeof name); // an empty field gives an empty name
    (void)list->setItemText(chosen, name);                    // the chosen row is an item
    list->repaintRow(chosen);
}

int DisplayControlDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT:
        startTabs(kTabNames, sizeof kTabNames / sizeof kTabNames[0], page_);
        buildPage();
        return 1;
    case DLG_TAB_CHANGE:
        switchToPage(getCurrentTab());
        return 1;
    case DLG_PAINT:
        // The lists paint outside WM_PAINT: they paint again over the dialog's own painting.
        refreshControls();
        return 0;
    case DLG_CLICK:
        if (currentControl && currentControl->id == IDC_DISPLAY_LAYER_LIST) {
            showChosenName();
            return 1;
        }
        break;
    case DLG_CHANGE:
        if (getCommandId() == IDC_DISPLAY_LAYER_NAME) {
            renameChosenLayer();
            return 1;
        }
        break;
    case DLG_COMMAND:
        switch (getCommandId()) {
        case IDC_DISPLAY_LAYERS_ON:
        case IDC_DISPLAY_KINDS_ON:
            checkAll(1);
            return 1;
        case IDC_DISPLAY_LAYERS_OFF:
        case IDC_DISPLAY_KINDS_OFF:
            checkAll(0);
            return 1;
        case IDOK:
            storePage();
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return Dialog::handleMessage();
}
