#include "document/PlacePartDialog.h"

#include <cmath>
#include <initializer_list>
#include <utility>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/PartsLibrary.h"
#include "platform/CommonFileDialog.h"
#include "platform/ControlKinds.h"
#include "platform/MessageBoxes.h"
#include "resources/ids.h"

namespace {

// Static texts that show a value: the generic control is enough.
const int kLabelKind = 0;

// A target further from the origin (in millimetres) is refused, as the tools' dialogs refuse a
// point that far: the placed elements would lie where the drawing file cannot write them.
constexpr double kTargetLimit = 1.0e6;

// Declares the page's controls and attaches them. Declaring fails only when memory ran out
// (reported); the dialog then still ends by its buttons through the system.
void declare(Dialog& dialog, std::initializer_list<std::pair<int, int>> controls)
{
    for (const auto& control : controls)
        (void)dialog.addControl(control.first, control.second);
    dialog.attachControls();
}

} // namespace

PlacePartDialog::PlacePartDialog(PartsLibrary& library, DocumentContext* drawing)
    : mode(library.placementMode), library_(library), drawing_(drawing)
{
    target.owner = drawing;
}

int PlacePartDialog::run()
{
    // The target starts at the part's origin, in the drawing's coordinates.
    if (library_.loadCurrentPart())
        (void)target.setCoordinates(&library_.origin); // a point always takes coordinates
    // The buttons stay from page to page; a page that cannot be measured is run as it is.
    (void)keepControlId(IDOK);
    (void)keepControlId(IDCANCEL);
    (void)reserveTemplateSize(IDD_PLACE_PART_FILE);
    (void)reserveTemplateSize(IDD_PLACE_PART_PLACING);
    return runModal(IDD_PLACE_PART, IDD_PLACE_PART_FILE);
}

int PlacePartDialog::onPlacementPage() const { return currentTemplateId == IDD_PLACE_PART_PLACING; }

void PlacePartDialog::declareFilePage()
{
    declare(*this, {{IDOK, KIND_PUSH_BUTTON},
                    {IDCANCEL, KIND_PUSH_BUTTON},
                    {IDC_PART_FILE_CHOOSE, KIND_PUSH_BUTTON},
                    {IDC_PART_FILE_PATH, KIND_TEXT_EDIT}});
    setText(IDC_PART_FILE_PATH, library_.currentPartPath());
}

void PlacePartDialog::declarePlacementPage()
{
    declare(*this, {{IDOK, KIND_PUSH_BUTTON},
                    {IDCANCEL, KIND_PUSH_BUTTON},
                    {IDC_PART_BY_NUMBERS, KIND_RADIO_BUTTON},
                    {IDC_PART_BY_MOUSE, KIND_RADIO_BUTTON},
                    {IDC_PART_TARGET_X, KIND_REAL_EDIT},
                    {IDC_PART_TARGET_Y, KIND_REAL_EDIT},
                    {IDC_PART_REDRAW, KIND_PUSH_BUTTON},
                    {IDC_PART_UNIT_X, kLabelKind},
                    {IDC_PART_UNIT_Y, kLabelKind}});
    // Each answers 0 only without its control, which the page has.
    (void)target.writeXToDialog(this, IDC_PART_TARGET_X);
    (void)target.writeYToDialog(this, IDC_PART_TARGET_Y);
    (void)target.showXUnitLabel(this, IDC_PART_UNIT_X);
    (void)target.showYUnitLabel(this, IDC_PART_UNIT_Y);
    showMode();
}

void PlacePartDialog::showMode()
{
    const int byNumbers = mode == PartsLibrary::kByNumbers;
    checkRadio(byNumbers ? IDC_PART_BY_NUMBERS : IDC_PART_BY_MOUSE);
    uncheckRadio(byNumbers ? IDC_PART_BY_MOUSE : IDC_PART_BY_NUMBERS);
    enableControl(IDC_PART_REDRAW, !byNumbers);
}

int PlacePartDialog::takePlacementPage()
{
    if (!onPlacementPage())
        return 1;
    // Fields of the page it shows: each has its control.
    DrawPoint typed = target;
    (void)typed.readXFromDialog(this, IDC_PART_TARGET_X);
    (void)typed.readYFromDialog(this, IDC_PART_TARGET_Y);
    const bool xFits = std::fabs(typed.x) <= kTargetLimit; // false for no finite number too
    const bool yFits = std::fabs(typed.y) <= kTargetLimit;
    if (xFits)
        target.x = typed.x;
    else
        (void)target.writeXToDialog(this, IDC_PART_TARGET_X);
    if (yFits)
        target.y = typed.y;
    else
        (void)target.writeYToDialog(this, IDC_PART_TARGET_Y);
    if (xFits && yFits)
        return 1;
    showErrorBox(xFits ? "縦(Y)には数値を入力して下さい。" : "横(X)には数値を入力して下さい。");
    return 0;
}

void PlacePartDialog::chooseFile()
{
    CommonFileDialog dialog;
    Document filters;
    filters.addFileFilters(dialog);
    FileName chosen;
    if (!dialog.askOpenFileOwned(chosen, this) || !library_.setCurrentPartFile(chosen.getPath()))
        return;
    // The new part's origin becomes the target.
    library_.placementTarget = &target;
    (void)library_.loadCurrentPart(); // a part that cannot be read is placed as nothing
    library_.placementTarget = nullptr;
    setText(IDC_PART_FILE_PATH, library_.currentPartPath());
}

int PlacePartDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT:
        // Without a strip the first page is the whole dialog.
        if (showTabControl()) {
            (void)addTab("ファイル");
            (void)addTab("配置");
            layoutTabControl();
        }
        declareFilePage();
        return Dialog::handleMessage();
    case DLG_TAB_CHANGE: {
        (void)takePlacementPage(); // a refused field has been told and shows the target again
        const int page = getCurrentTab() == 1 ? IDD_PLACE_PART_PLACING : IDD_PLACE_PART_FILE;
        if (switchTemplate(page, 1)) {
            if (page == IDD_PLACE_PART_PLACING)
                declarePlacementPage();
            else
                declareFilePage();
        }
        return 1;
    }
    case DLG_COMMAND:
        switch (getCommandId()) {
        case IDC_PART_FILE_CHOOSE:
            chooseFile();
            return 1;
        case IDC_PART_BY_NUMBERS:
        case IDC_PART_BY_MOUSE:
            mode = getCommandId() == IDC_PART_BY_NUMBERS ? PartsLibrary::kByNumbers : PartsLibrary::kByMouse;
            showMode();
            return 1;
        case IDC_PART_REDRAW:
            (void)takePlacementPage(); // as above: the preview stays at the target
            library_.drawPreview(drawing_, target.x, target.y);
            return 1;
        case IDOK:
            if (!takePlacementPage())
                return 1; // the dialog stays open on the refused field
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
