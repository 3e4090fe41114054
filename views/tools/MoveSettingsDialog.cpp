#include "views/tools/MoveSettingsDialog.h"

#include "document/DocumentContext.h"
#include "geometry/DrawPoint.h"
#include "platform/ControlKinds.h"
#include "resources/ids.h"
#include "views/tools/ToolSupport.h"

namespace {
// Static texts that show a value: the generic control is enough.
const int kLabelKind = 0;
} // namespace

int MoveSettingsDialog::run() { return runModal(IDD_MOVE_SETTINGS); }

int MoveSettingsDialog::takeFields()
{
    DrawPoint units;
    units.owner = drawing_;
    const double limit = units.toGridUnitX(tool_support::kCoordinateLimit);
    double x = 0.0, y = 0.0;
    if (!tool_support::readNumberField(*this, IDC_MOVE_X, "移動量X", limit, x) ||
        !tool_support::readNumberField(*this, IDC_MOVE_Y, "移動量Y", limit, y))
        return 0;
    dx_ = units.fromGridUnitX(x);
    dy_ = units.fromGridUnitY(y);
    return 1;
}

int MoveSettingsDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT: {
        // Declaring fails only when memory ran out (reported); the dialog then still ends by
        // its buttons through the system.
        (void)addControl(IDOK, KIND_PUSH_BUTTON);
        (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
        (void)addControl(IDC_MOVE_COPY, KIND_PUSH_BUTTON);
        (void)addControl(IDC_MOVE_X, KIND_REAL_EDIT);
        (void)addControl(IDC_MOVE_Y, KIND_REAL_EDIT);
        (void)addControl(IDC_MOVE_X_UNIT, kLabelKind);
        (void)addControl(IDC_MOVE_Y_UNIT, kLabelKind);
        attachControls();
        DrawPoint units;
        units.owner = drawing_;
        setDouble(IDC_MOVE_X, units.toGridUnitX(dx_));
        setDouble(IDC_MOVE_Y, units.toGridUnitY(dy_));
        (void)units.showXUnitLabel(this, IDC_MOVE_X_UNIT); // the dialog has both labels
        (void)units.showYUnitLabel(this, IDC_MOVE_Y_UNIT);
        return Dialog::handleMessage();
    }
    case DLG_COMMAND: {
        const int id = getCommandId();
        if (id != IDOK && id != IDC_MOVE_COPY)
            break;
        if (!takeFields())
            return 1;
        setCurrentControlById(id);
        end();
        return 1;
    }
    default:
        break;
    }
    return Dialog::handleMessage();
}
