#include "document/GridSettingsDialog.h"

#include "document/DrawingGrid.h"
#include "geometry/AttributeIo.h"
#include "platform/ControlKinds.h"
#include "resources/ids.h"

using attribute_io::fillList;
using attribute_io::selectedListPosition;
using attribute_io::selectListPosition;

namespace {

const char kCaption[] = "グリッドの設定";
const char* const kTabNames[] = {"表示", "原点"};
// List items: item n (counted from 1) is value n - 1.
const char* const kKindItems[] = {"なし", "グリッド", "メッシュ"};
const char* const kPositionItems[] = {"しない", "図形の下", "図形の上"};
const char* const kDesignItems[] = {"なし", "プラス", "バッテン", "四角", "菱形"};

template <int N> int fillValueList(Dialog* dialog, int id, const char* const (&items)[N], int value)
{
    return fillList(dialog, id, items, N) && selectListPosition(dialog, id, value + 1);
}

// The value chosen in a list; `value` stays when nothing (or no item) is chosen.
template <int N> void readValueList(Dialog* dialog, int id, const char* const (&)[N], int& value)
{
    int position = 0;
    if (selectedListPosition(dialog, id, position) && position >= 1 && position <= N)
        value = position - 1;
}

} // namespace

int GridSettingsDialog::templateOf(int page) { return page == kOriginPage ? IDD_GRID_ORIGIN : IDD_GRID_DISPLAY; }

int GridSettingsDialog::run(int& page)
{
    if (!grid_)
        return -1;
    page_ = page == kOriginPage ? kOriginPage : kDisplayPage;
    result_ = 2;
    // Room for either page, so that a switch does not move the buffer. A page that cannot be
    // measured is refused by the run itself.
    (void)reserveTemplateSize(IDD_GRID_DISPLAY);
    (void)reserveTemplateSize(IDD_GRID_ORIGIN);
    setCaption(kCaption);
    if (runModal(0, templateOf(page_)) < 0)
        return -1;
    page = page_;
    return result_;
}

void GridSettingsDialog::buildPage()
{
    // Declaring fails only when memory ran out (reported); the page then shows without the
    // control, and every use below looks for it first.
    (void)addControl(IDOK, KIND_PUSH_BUTTON);
    (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
    DrawingGrid& g = *grid_;
    if (page_ == kDisplayPage) {
        (void)addControl(IDC_GRID_PLUS_COLOUR, KIND_COLOR_SWATCH);
        (void)addControl(IDC_GRID_MINUS_COLOUR, KIND_COLOR_SWATCH);
        (void)addControl(IDC_GRID_KIND, KIND_COMBO_BOX);
        (void)addControl(IDC_GRID_UNIT, KIND_COMBO_BOX);
        (void)addControl(IDC_GRID_POSITION, KIND_COMBO_BOX);
        (void)addControl(IDC_GRID_X_NUMERATOR, KIND_REAL_EDIT);
        (void)addControl(IDC_GRID_Y_NUMERATOR, KIND_REAL_EDIT);
        (void)addControl(IDC_GRID_X_DENOMINATOR, KIND_REAL_EDIT);
        (void)addControl(IDC_GRID_Y_DENOMINATOR, KIND_REAL_EDIT);
        attachControls();
        // Each filler answers 0 only for a control that is missing or cannot take its values;
        // the page then shows it empty, and storing passes over what it cannot read.
        (void)g.plusColor.showInControl(this, IDC_GRID_PLUS_COLOUR);
        (void)g.minusColor.showInControl(this, IDC_GRID_MINUS_COLOUR);
        (void)fillValueList(this, IDC_GRID_POSITION, kPositionItems, g.position);
        (void)fillValueList(this, IDC_GRID_KIND, kKindItems, g.kind);
        (void)g.fillUnitList(this, IDC_GRID_UNIT);
        setDouble(IDC_GRID_X_NUMERATOR, g.xNumerator);
        setDouble(IDC_GRID_Y_NUMERATOR, g.yNumerator);
        setDouble(IDC_GRID_X_DENOMINATOR, g.xDenominator);
        setDouble(IDC_GRID_Y_DENOMINATOR, g.yDenominator);
        return;
    }
    (void)addControl(IDC_GRID_ORIGIN_COLOUR, KIND_COLOR_SWATCH);
    (void)addControl(IDC_GRID_ORIGIN_DESIGN, KIND_COMBO_BOX);
    (void)addControl(IDC_GRID_ORIGIN_X, KIND_REAL_EDIT);
    (void)addControl(IDC_GRID_ORIGIN_Y, KIND_REAL_EDIT);
    (void)addControl(IDC_GRID_ORIGIN_RESET, KIND_PUSH_BUTTON);
    (void)addControl(IDC_GRID_PICK_ELEMENT, KIND_PUSH_BUTTON);
    (void)addControl(IDC_GRID_PICK_CLICK, KIND_PUSH_BUTTON);
    attachControls();
    (void)g.originColor.showInControl(this, IDC_GRID_ORIGIN_COLOUR); // as above
    (void)fillValueList(this, IDC_GRID_ORIGIN_DESIGN, kDesignItems, g.originDesign);
    setDouble(IDC_GRID_ORIGIN_X, g.displayOriginX);
    setDouble(IDC_GRID_ORIGIN_Y, g.displayOriginY);
}

void GridSettingsDialog::storePage()
{
    DrawingGrid& g = *grid_;
    if (page_ == kDisplayPage) {
        readValueList(this, IDC_GRID_POSITION, kPositionItems, g.position);
        readValueList(this, IDC_GRID_KIND, kKindItems, g.kind);
        (void)g.readUnitList(this, IDC_GRID_UNIT); // without the list the unit stays
        // The setters refuse what is no number within the grid's bounds (and a denominator below
        // 1); the previous value stays then.
        int changed = 0;
        const double xNumerator = getDoubleEx(IDC_GRID_X_NUMERATOR, g.xNumerator, &changed);
        if (changed)
            (void)g.setXNumerator(xNumerator);
        changed = 0;
        const double yNumerator = getDoubleEx(IDC_GRID_Y_NUMERATOR, g.yNumerator, &changed);
        if (changed)
            (void)g.setYNumerator(yNumerator);
        (void)g.setXDenominator(getDouble(IDC_GRID_X_DENOMINATOR, g.xDenominator));
        (void)g.setYDenominator(getDouble(IDC_GRID_Y_DENOMINATOR, g.yDenominator));
        return;
    }
    readValueList(this, IDC_GRID_ORIGIN_DESIGN, kDesignItems, g.originDesign);
    (void)g.setDisplayOriginX(getDouble(IDC_GRID_ORIGIN_X, g.displayOriginX)); // as above
    (void)g.setDisplayOriginY(getDouble(IDC_GRID_ORIGIN_Y, g.displayOriginY));
}

void GridSettingsDialog::switchToPage(int page)
{
    if ((page != kDisplayPage && page != kOriginPage) || page == page_)
        return;
    storePage();
    const int previous = page_;
    page_ = page;
    if (switchTemplate(templateOf(page_), 0)) {
        buildPage();
        refreshControls();
        return;
    }
    // The page could not be shown: the tab goes back to the page still shown.
    page_ = previous;
    selectTab(page_);
}

int GridSettingsDialog::pickColour(int id)
{
    InkColor* colour = nullptr;
    if (page_ == kDisplayPage && id == IDC_GRID_PLUS_COLOUR)
        colour = &grid_->plusColor;
    else if (page_ == kDisplayPage && id == IDC_GRID_MINUS_COLOUR)
        colour = &grid_->minusColor;
    else if (page_ == kOriginPage && id == IDC_GRID_ORIGIN_COLOUR)
        colour = &grid_->originColor;
    if (!colour)
        return 0;
    // The swatch was found when the click was routed to it; a cancelled chooser keeps the colour.
    (void)colour->pickWithStandardDialog(this, id);
    (void)colour->repaintControl(this, id);
    return 1;
}

void GridSettingsDialog::finish(int result)
{
    result_ = result;
    end();
}

int GridSettingsDialog::handleMessage()
{
    if (!grid_)
        return Dialog::handleMessage();
    switch (event) {
    case DLG_INIT:
        startTabs(kTabNames, sizeof kTabNames / sizeof kTabNames[0], page_);
        buildPage();
        return 1;
    case DLG_TAB_CHANGE:
        switchToPage(getCurrentTab());
        return 1;
    case DLG_PAINT:
        // The swatches paint outside WM_PAINT: they paint again over the dialog's own painting.
        refreshControls();
        return 0;
    case DLG_EDIT_FOCUS:
        applyControlImeMode();
        return 0;
    case DLG_CLICK:
    case DLG_COMMAND: {
        const int id = event == DLG_CLICK ? (currentControl ? currentControl->id : 0) : getCommandId();
        if (pickColour(id))
            return 1;
        if (event == DLG_CLICK)
            break;
        switch (id) {
        case IDOK:
            storePage();
            finish(1);
            return 1;
        case IDCANCEL:
            finish(2);
            return 1;
        case IDC_GRID_ORIGIN_RESET:
            if (page_ != kOriginPage)
                break;
            grid_->displayOriginX = 0.0;
            grid_->displayOriginY = 0.0;
            setDouble(IDC_GRID_ORIGIN_X, 0.0);
            setDouble(IDC_GRID_ORIGIN_Y, 0.0);
            return 1;
        case IDC_GRID_PICK_ELEMENT:
        case IDC_GRID_PICK_CLICK:
            if (page_ != kOriginPage)
                break;
            storePage();
            finish(id == IDC_GRID_PICK_ELEMENT ? DrawingGrid::kPickElementResult : DrawingGrid::kPickClickResult);
            return 1;
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
    return Dialog::handleMessage();
}
