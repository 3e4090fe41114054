#include "views/tools/RotateSettingsDialog.h"

#include <cfloat>

#include "document/DocumentContext.h"
#include "geometry/DrawPoint.h"
#include "platform/ControlKinds.h"
#include "resources/ids.h"
#include "views/tools/ToolSupport.h"

namespace {
const int kLabelKind = 0;

DrawPoint centreOf(DocumentContext* drawing, double x, double y)
{
    DrawPoint p;
    p.owner = drawing;
    p.x = x;
    p.y = y;
    return p;
}
} // namespace

int RotateSettingsDialog::run() { return runModal(IDD_ROTATE_SETTINGS); }

int RotateSettingsDialog::takeFields()
{
    DrawPoint centre = centreOf(drawing_, centreX_, centreY_);
    const double limit = centre.toGridUnitX(tool_support::kCoordinateLimit);
    double angle = 0.0, x = 0.0, y = 0.0;
    // Any finite angle is taken; the rotation brings it into one turn.
    if (!tool_support::readNumberField(*this, IDC_ROTATE_ANGLE, "角度", DBL_MAX, angle) ||
        !tool_support::readNumberField(*this, IDC_ROTATE_CENTRE_X, "原点X", limit, x) ||
        !tool_support::readNumberField(*this, IDC_ROTATE_CENTRE_Y, "原点Y", limit, y))
        return 0;
    // The fields were read as numbers just now; the point converts them from the grid's terms.
    (void)centre.readXFromDialog(this, IDC_ROTATE_CENTRE_X);
    (void)centre.readYFromDialog(this, IDC_ROTATE_CENTRE_Y);
    angle_ = angle;
    centreX_ = centre.x;
    centreY_ = centre.y;
    return 1;
}

int RotateSettingsDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT: {
        // As the move dialog: a control that could not be declared is left to the system.
        (void)addControl(IDOK, KIND_PUSH_BUTTON);
        (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
        (void)addControl(IDC_ROTATE_ANGLE, KIND_REAL_EDIT);
        (void)addControl(IDC_ROTATE_CENTRE_X, KIND_REAL_EDIT);
        (void)addControl(IDC_ROTATE_CENTRE_Y, KIND_REAL_EDIT);
        (void)addControl(IDC_ROTATE_X_UNIT, kLabelKind);
        (void)addControl(IDC_ROTATE_Y_UNIT, kLabelKind);
        attachControls();
        const DrawPoint centre = centreOf(drawing_, centreX_, centreY_);
        setDouble(IDC_ROTATE_ANGLE, angle_);
        (void)centre.writeXToDialog(this, IDC_ROTATE_CENTRE_X); // the dialog has these controls
        (void)centre.writeYToDialog(this, IDC_ROTATE_CENTRE_Y);
        (void)centre.showXUnitLabel(this, IDC_ROTATE_X_UNIT);
        (void)centre.showYUnitLabel(this, IDC_ROTATE_Y_UNIT);
        return Dialog::handleMessage();
    }
    case DLG_COMMAND:
        if (getCommandId() != IDOK)
            break;
        if (!takeFields())
            return 1;
        setCurrentControlById(IDOK);
        end();
        return 1;
    default:
        break;
    }
    return Dialog::handleMessage();
}
