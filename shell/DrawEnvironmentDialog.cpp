#include "shell/DrawEnvironmentDialog.h"

#include <iterator>

#include "platform/ColorDialog.h"
#include "platform/ControlKinds.h"
#include "resources/ids.h"
#include "shell/DrawEnvironmentEdit.h"
#include "shell/GlobalManagers.h"

namespace {
// The colour models in their order, 0 to 2, as the user reads them.
const char* const kColourModelTexts[] = {"RGB", "RGB（CMYKに換算）", "CMYK＋特色"};
} // namespace

int DrawEnvironmentDialog::run() { return runModal(IDD_DRAW_ENVIRONMENT); }

void DrawEnvironmentDialog::declareControls()
{
    // Declaring fails only when memory ran out (reported); the dialog then still ends by its
    // buttons through the system.
    (void)addControl(IDOK, KIND_PUSH_BUTTON);
    (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
    (void)addControl(IDC_ENV_RESET, KIND_PUSH_BUTTON);
    (void)addControl(IDC_ENV_PICK_COLOUR, KIND_COLOR_SWATCH);
    (void)addControl(IDC_ENV_ENCLOSE_MODE, KIND_COMBO_BOX);
    (void)addControl(IDC_ENV_DPI, KIND_INTEGER_EDIT);
    (void)addControl(IDC_ENV_DPI_UPDOWN, KIND_UP_DOWN);
    (void)addControl(IDC_ENV_COLOUR_MODEL, KIND_COMBO_BOX);
    attachControls();
}

void DrawEnvironmentDialog::fillControls()
{
    (void)setupUpDown(IDC_ENV_DPI, IDC_ENV_DPI_UPDOWN, edit_.resolution.dpi(), ScreenResolution::kMin,
                      ScreenResolution::kMax); // declared above: only a failed declaration leaves it out
    if (Control* swatch = findControl(IDC_ENV_PICK_COLOUR))
        swatch->setSource(&chooser_);
    // A list that cannot be filled shows no choice; OK then keeps the mode.
    if (edit_.pick.fillModeList(this, IDC_ENV_ENCLOSE_MODE))
        (void)edit_.pick.writeModeToControl(this, IDC_ENV_ENCLOSE_MODE);
    if (Control* models = findControl(IDC_ENV_COLOUR_MODEL)) {
        (void)models->reset();
        for (const char* text : kColourModelTexts)
            (void)models->addString(text); // a list that cannot grow offers what it took
        (void)models->select(edit_.colorModel + 1); // the combo counts its items from 1
    }
    refreshControls();
}

void DrawEnvironmentDialog::choosePickColour()
{
    if (Control* swatch = findControl(IDC_ENV_PICK_COLOUR))
        (void)swatch->chooseColour(); // a cancelled chooser leaves the colour
    refreshControls();
}

int DrawEnvironmentDialog::takeFields()
{
    // An emptied field keeps the resolution: read as 0, it would give the smallest one.
    int dpi = edit_.resolution.dpi();
    if (takeInt(IDC_ENV_DPI, ScreenResolution::kMin, ScreenResolution::kMax, dpi) < 0)
        return 0;
    edit_.resolution.setDpi(dpi);
    (void)edit_.pick.readModeFromControl(this, IDC_ENV_ENCLOSE_MODE); // no choice keeps the mode
    // No choice keeps the colour model.
    if (Control* models = findControl(IDC_ENV_COLOUR_MODEL)) {
        const int chosen = models->getSelection() - 1;
        if (chosen >= 0 && chosen < static_cast<int>(std::size(kColourModelTexts)))
            edit_.colorModel = chosen;
    }
    return 1;
}

int DrawEnvironmentDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT:
        declareControls();
        fillControls();
        return 1;
    case DLG_PAINT:
        refreshControls();
        break;
    case DLG_CLICK:
    case DLG_COMMAND: {
        // A click names its control through the current control, a command through its id.
        const int id = event == DLG_CLICK ? (currentControl ? currentControl->id : 0) : getCommandId();
        if (id == IDC_ENV_PICK_COLOUR) {
            choosePickColour();
            return 1;
        }
        if (id == IDC_ENV_RESET) {
            edit_.reset();
            chooser_.assign(edit_.pick.pickColour);
            fillControls();
            return 1;
        }
        if (id == IDOK && !takeFields())
            return 1; // the dialog stays on the refused field
        break;
    }
    default:
        break;
    }
    return Dialog::handleMessage();
}

int editDrawEnvironment()
{
    DrawEnvironmentEdit edit;
    // The pick colour is chosen through the application's chooser (its custom colours with it).
    ColorDialog own;
    ColorDialog& chooser = theColorChooser ? *theColorChooser : own;
    chooser.assign(edit.pick.pickColour);
    DrawEnvironmentDialog dialog(edit, chooser);
    const int result = dialog.run();
    if (result == IDOK) {
        edit.pick.setColor(chooser);
        edit.apply();
    }
    return result;
}
