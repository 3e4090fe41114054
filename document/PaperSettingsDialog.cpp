#include "document/PaperSettingsDialog.h"

#include "document/ElementRefusal.h"
#include "document/SheetSettings.h"
#include "platform/ControlKinds.h"
#include "platform/EditControls.h"
#include "platform/MathUtil.h"
#include "resources/ids.h"

// A6 is 104.5 mm wide, not 105: the sheet the program has always offered.
const PaperSettingsDialog::SheetSize PaperSettingsDialog::kSizes[14] = {
    {IDC_PAPER_B0, 1030.0, 1456.0}, {IDC_PAPER_B1, 728.0, 1030.0}, {IDC_PAPER_B2, 515.0, 728.0},
    {IDC_PAPER_B3, 364.0, 515.0},   {IDC_PAPER_B4, 257.0, 364.0},  {IDC_PAPER_B5, 182.0, 257.0},
    {IDC_PAPER_B6, 128.0, 182.0},   {IDC_PAPER_A0, 841.0, 1189.0}, {IDC_PAPER_A1, 594.0, 841.0},
    {IDC_PAPER_A2, 420.0, 594.0},   {IDC_PAPER_A3, 297.0, 420.0},  {IDC_PAPER_A4, 210.0, 297.0},
    {IDC_PAPER_A5, 148.0, 210.0},   {IDC_PAPER_A6, 104.5, 148.0},
};

namespace {

// The y direction list: item n is direction n.
const char* const kDirectionItems[] = {"上がプラス", "下がプラス"};

} // namespace

int PaperSettingsDialog::run() { return runModal(IDD_PAPER_SETTINGS); }

void PaperSettingsDialog::declareControls()
{
    // Declaring fails only when memory ran out (reported); the dialog then still ends by its
    // buttons through the system.
    (void)addControl(IDOK, KIND_PUSH_BUTTON);
    (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
    (void)addControl(IDC_PAPER_PORTRAIT, KIND_RADIO_BUTTON);
    (void)addControl(IDC_PAPER_LANDSCAPE, KIND_RADIO_BUTTON);
    for (const SheetSize& size : kSizes)
        (void)addControl(size.controlId, KIND_RADIO_BUTTON);
    (void)addControl(IDC_PAPER_VERTICAL, KIND_REAL_EDIT);
    (void)addControl(IDC_PAPER_HORIZONTAL, KIND_REAL_EDIT);
    (void)addControl(IDC_PAPER_NUMERATOR, KIND_INTEGER_EDIT);
    (void)addControl(IDC_PAPER_DENOMINATOR, KIND_INTEGER_EDIT);
    (void)addControl(IDC_PAPER_Y_DIRECTION, KIND_COMBO_BOX);
    attachControls();
}

void PaperSettingsDialog::showButtons()
{
    const int portrait = paper_.isPortrait();
    if (portrait) {
        checkRadio(IDC_PAPER_PORTRAIT);
        uncheckRadio(IDC_PAPER_LANDSCAPE);
    } else {
        checkRadio(IDC_PAPER_LANDSCAPE);
        uncheckRadio(IDC_PAPER_PORTRAIT);
    }
    const double shortSide = portrait ? paper_.horizontalMm : paper_.verticalMm;
    const double longSide = portrait ? paper_.verticalMm : paper_.horizontalMm;
    const SheetSize* pressed = nullptr;
    for (const SheetSize& size : kSizes) {
        if (MathUtil::isNearlyEqual(shortSide, size.shortSide) && MathUtil::isNearlyEqual(longSide, size.longSide)) {
            pressed = &size;
            break;
        }
    }
    for (const SheetSize& size : kSizes) {
        if (&size == pressed)
            checkRadio(size.controlId);
        else
            uncheckRadio(size.controlId);
    }
}

void PaperSettingsDialog::fillControls()
{
    showButtons();
    // Each field's change notification comes back at once and finds the size it already has.
    setDouble(IDC_PAPER_VERTICAL, paper_.verticalMm);
    setDouble(IDC_PAPER_HORIZONTAL, paper_.horizontalMm);
}

void PaperSettingsDialog::takeTypedSize(int fieldId)
{
    const double typed = getDouble(fieldId, 0.0);
    // A field that holds no size above 0 leaves the sheet as it is.
    const int taken = fieldId == IDC_PAPER_VERTICAL ? paper_.setVerticalSize(typed) : paper_.setHorizontalSize(typed);
    if (taken)
        showButtons();
}

void PaperSettingsDialog::orient(int portrait)
{
    if (paper_.isPortrait() != portrait) {
        const double vertical = paper_.verticalMm;
        paper_.verticalMm = paper_.horizontalMm;
        paper_.horizontalMm = vertical;
    }
    fillControls();
}

void PaperSettingsDialog::chooseSize(const SheetSize& size)
{
    // The orientation stays.
    if (paper_.isPortrait()) {
        paper_.horizontalMm = size.shortSide;
        paper_.verticalMm = size.longSide;
    } else {
        paper_.verticalMm = size.shortSide;
        paper_.horizontalMm = size.longSide;
    }
    fillControls();
}

int PaperSettingsDialog::takeScaleTerm(int fieldId, int current, int& term)
{
    term = findControl(fieldId) ? 1 : current; // an empty field makes the term 1
    return takeInt(fieldId, 1, kMaxScaleTerm, term) >= 0;
}

int PaperSettingsDialog::storeScaleAndDirection()
{
    int numerator = 1, denominator = 1;
    if (!takeScaleTerm(IDC_PAPER_NUMERATOR, paper_.numerator, numerator) ||
        !takeScaleTerm(IDC_PAPER_DENOMINATOR, paper_.denominator, denominator))
        return 0;
    if (drawing_ && !drawing_->canTakeScale(numerator, denominator)) {
        // The scale is named by the label of its first term, which takes the focus.
        Control* field = findControl(IDC_PAPER_NUMERATOR);
        char label[64] = "";
        if (field)
            fieldLabel(*field, label);
        showElementsRefused(label);
        if (field)
            focusField(*field);
        return 0;
    }
    paper_.setScaleNumerator(numerator);
    paper_.setScaleDenominator(denominator);
    Control* list = findControl(IDC_PAPER_Y_DIRECTION);
    if (list)
        (void)paper_.setYDirection(list->getSelection()); // no item chosen leaves the direction
    return 1;
}

int PaperSettingsDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT: {
        declareControls();
        fillControls();
        setInt(IDC_PAPER_NUMERATOR, paper_.scaleNumerator());
        setInt(IDC_PAPER_DENOMINATOR, paper_.scaleDenominator());
        Control* list = findControl(IDC_PAPER_Y_DIRECTION);
        if (list) {
            (void)list->reset(); // a list that cannot be filled shows no choice; OK then keeps the direction
            for (const char* item : kDirectionItems)
                (void)list->addString(item);
            (void)list->select(paper_.yDirection());
        }
        return 1;
    }
    case DLG_CHANGE:
        if (getCommandId() == IDC_PAPER_VERTICAL || getCommandId() == IDC_PAPER_HORIZONTAL) {
            takeTypedSize(getCommandId());
            return 1;
        }
        break;
    case DLG_COMMAND: {
        const int id = getCommandId();
        if (id == IDC_PAPER_PORTRAIT || id == IDC_PAPER_LANDSCAPE) {
            orient(id == IDC_PAPER_PORTRAIT);
            return 1;
        }
        for (const SheetSize& size : kSizes) {
            if (id == size.controlId) {
                chooseSize(size);
                return 1;
            }
        }
        if (id == IDOK && !storeScaleAndDirection())
            return 1; // the dialog stays on the refused field
        break;
    }
    default:
        break;
    }
    return Dialog::handleMessage();
}
