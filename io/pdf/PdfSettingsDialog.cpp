#include "io/pdf/PdfSettingsDialog.h"

#include <cmath>

#include "io/pdf/PdfExportCommand.h"
#include "platform/ControlKinds.h"
#include "platform/MessageBoxes.h"
#include "resources/ids_pdf.h"
#include "views/tools/ToolSupport.h"

int PdfSettingsDialog::run() { return runModal(IDD_PDF_SETTINGS); }

int PdfSettingsDialog::takeOffsets()
{
    // An offset is refused as the tools' dialogs refuse a point that far out: the writer pins
    // coordinates at its largest number, so every element would shrink onto one point far off
    // the page, and an infinite offset would leave the pages empty.
    // A field without a number (emptied, "abc") keeps the offset: read as 0, it would move the
    // drawing there.
    const double x = holdsNumber(IDC_PDF_OFFSET_X) ? getDouble(IDC_PDF_OFFSET_X, job_.offsetX) : job_.offsetX;
    const double y = holdsNumber(IDC_PDF_OFFSET_Y) ? getDouble(IDC_PDF_OFFSET_Y, job_.offsetY) : job_.offsetY;
    const bool xFits = std::fabs(x) <= tool_support::kCoordinateLimit; // false for no finite number too
    const bool yFits = std::fabs(y) <= tool_support::kCoordinateLimit;
    if (xFits && yFits) {
        job_.offsetX = x;
        job_.offsetY = y;
        return 1;
    }
    if (!xFits)
        setDouble(IDC_PDF_OFFSET_X, job_.offsetX);
    if (!yFits)
        setDouble(IDC_PDF_OFFSET_Y, job_.offsetY);
    showErrorBox(xFits ? "縦Y(↓)移動量には数値を入力して下さい。" : "横X(→)移動量には数値を入力して下さい。");
    return 0;
}

int PdfSettingsDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT:
        // Declaring fails only when memory ran out (reported); the buttons still end the dialog.
        (void)addControl(IDOK, KIND_PUSH_BUTTON);
        (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
        (void)addControl(IDC_PDF_OFFSET_X, KIND_REAL_EDIT);
        (void)addControl(IDC_PDF_OFFSET_Y, KIND_REAL_EDIT);
        (void)addControl(IDC_PDF_FONT_SETTINGS, KIND_PUSH_BUTTON);
        attachControls();
        setDouble(IDC_PDF_OFFSET_X, job_.offsetX);
        setDouble(IDC_PDF_OFFSET_Y, job_.offsetY);
        return 1;
    case DLG_COMMAND:
        if (getCommandId() == IDC_PDF_FONT_SETTINGS) {
            (void)job_.editFontTable(this); // Cancel in there leaves the table as it was
            return 1;
        }
        if (getCommandId() == IDOK && !takeOffsets())
            return 1; // the dialog stays open on the refused field
        break;
    default:
        break;
    }
    return Dialog::handleMessage();
}
