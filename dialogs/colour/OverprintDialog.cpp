#include "dialogs/colour/OverprintDialog.h"

#include "geometry/InkColor.h"
#include "geometry/InkInfo.h"
#include "platform/ControlKinds.h"
#include "resources/ids_colour.h"

namespace {

const int kPlateBoxes[InkColor::kPlates] = {
    IDC_OVERPRINT_PLATE_1,     IDC_OVERPRINT_PLATE_1 + 1, IDC_OVERPRINT_PLATE_1 + 2,
    IDC_OVERPRINT_PLATE_1 + 3, IDC_OVERPRINT_PLATE_1 + 4, IDC_OVERPRINT_PLATE_1 + 5,
    IDC_OVERPRINT_PLATE_1 + 6, IDC_OVERPRINT_PLATE_1 + 7, IDC_OVERPRINT_PLATE_1 + 8,
};
const int kInkSwatches[InkColor::kPlates] = {
    IDC_OVERPRINT_CYAN_INK,    IDC_OVERPRINT_MAGENTA_INK, IDC_OVERPRINT_YELLOW_INK,
    IDC_OVERPRINT_BLACK_INK,   IDC_OVERPRINT_SPOT1_INK,   IDC_OVERPRINT_SPOT2_INK,
    IDC_OVERPRINT_SPOT2_INK + 1, IDC_OVERPRINT_SPOT2_INK + 2, IDC_OVERPRINT_SPOT2_INK + 3,
};
const int kProcessPlates = 4;

} // namespace

OverprintDialog::OverprintDialog(InkColor& edited, InkInfo& inks, Dialog* ownerDialog)
    : colour(edited), inkInfo(inks), owner(ownerDialog)
{
}

int OverprintDialog::run()
{
    setCaption("オーバープリント");
    setOwnerDialog(owner);
    return runModal(IDD_OVERPRINT) == IDOK ? 1 : 0;
}

void OverprintDialog::initialise()
{
    // Declaring fails only when memory ran out; the dialog then shows without the control.
    (void)addControl(IDOK, KIND_PUSH_BUTTON);
    (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
    for (int plate = 0; plate < InkColor::kPlates; ++plate) {
        (void)addControl(kPlateBoxes[plate], KIND_CHECK_BUTTON);
        (void)addControl(kInkSwatches[plate], KIND_COLOR_SWATCH);
    }
    attachControls();
    (void)colour.platesToCheckBoxes(this, kPlateBoxes); // every box was declared
    for (int plate = 0; plate < InkColor::kPlates; ++plate) {
        int inks[4] = {};
        if (plate < kProcessPlates)
            inks[plate] = 100;
        else
            (void)inkInfo.inkValues(plate - kProcessPlates, inks); // a spot ink without a colour stays 0 %
        RgbColor ink;
        ink.setInks(inks);
        if (Control* swatch = findControl(kInkSwatches[plate])) {
            swatch->setColour(&ink);
            swatch->repaint();
        }
    }
}

int OverprintDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT:
        initialise();
        return 1;
    case DLG_PAINT:
        refreshControls(); // the swatches paint outside WM_PAINT
        return 0;
    case DLG_COMMAND:
        if (getCommandId() == IDOK)
            (void)colour.platesFromCheckBoxes(this, kPlateBoxes); // every box was declared
        break;
    default:
        break;
    }
    return Dialog::handleMessage();
}
