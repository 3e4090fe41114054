#include "views/tools/ScaleElementsDialog.h"

#include <cfloat>

#include "platform/ControlKinds.h"
#include "resources/ids.h"
#include "views/tools/ToolSupport.h"

int ScaleElementsDialog::run() { return runModal(IDD_SCALE_ELEMENTS); }

int ScaleElementsDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT:
        // As the move dialog: a control that could not be declared is left to the system.
        (void)addControl(IDOK, KIND_PUSH_BUTTON);
        (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
        (void)addControl(IDC_SCALE_FACTOR, KIND_REAL_EDIT);
        (void)addControl(IDC_SCALE_LINE_WIDTHS, KIND_CHECK_BUTTON);
        (void)addControl(IDC_SCALE_TEXT_SIZES, KIND_CHECK_BUTTON);
        attachControls();
        setDouble(IDC_SCALE_FACTOR, values_.factor);
        (void)setCheck(IDC_SCALE_LINE_WIDTHS, values_.lineWidths); // declared above
        (void)setCheck(IDC_SCALE_TEXT_SIZES, values_.textSizes);
        return Dialog::handleMessage();
    case DLG_COMMAND: {
        if (getCommandId() != IDOK)
            break;
        double factor = 0.0;
        if (!tool_support::readNumberField(*this, IDC_SCALE_FACTOR, "倍率", DBL_MAX, factor))
            return 1;
        values_.factor = factor;
        values_.lineWidths = isChecked(IDC_SCALE_LINE_WIDTHS, values_.lineWidths);
        values_.textSizes = isChecked(IDC_SCALE_TEXT_SIZES, values_.textSizes);
        setCurrentControlById(IDOK);
        end();
        return 1;
    }
    default:
        break;
    }
    return Dialog::handleMessage();
}
