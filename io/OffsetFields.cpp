#include "io/OffsetFields.h"

#include <cmath>

#include "platform/Dialog.h"
#include "platform/MessageBoxes.h"
#include "views/tools/ToolSupport.h"

namespace offset_fields {

bool fits(double offset) { return std::fabs(offset) <= tool_support::kCoordinateLimit; }

void read(Dialog& dialog, int idX, int idY, double keptX, double keptY, double& x, double& y)
{
    x = dialog.holdsNumber(idX) ? dialog.getDouble(idX, keptX) : keptX;
    y = dialog.holdsNumber(idY) ? dialog.getDouble(idY, keptY) : keptY;
}

int take(Dialog& dialog, int idX, int idY, double& keptX, double& keptY)
{
    double x, y;
    read(dialog, idX, idY, keptX, keptY, x, y);
    const bool xFits = fits(x), yFits = fits(y);
    if (xFits && yFits) {
        keptX = x;
        keptY = y;
        return 1;
    }
    if (!xFits)
        dialog.setDouble(idX, keptX);
    if (!yFits)
        dialog.setDouble(idY, keptY);
    showErrorBox(xFits ? "縦Y(↓)移動量には数値を入力して下さい。" : "横X(→)移動量には数値を入力して下さい。");
    return 0;
}

} // namespace offset_fields
