#include "io/pdf/PdfSettingsDialog.h"

#include "io/OffsetFields.h"
#include "io/pdf/PdfExportCommand.h"
#include "platform/ControlKinds.h"
#include "resources/ids_pdf.h"

int PdfSettingsDialog::run() { return runModal(IDD_PDF_SETTINGS); }

int PdfSettingsDialog::takeOffsets()
{
    return offset_fields::take(*this, IDC_PDF_OFFSET_X, IDC_PDF_OFFSET_Y, job_.offsetX, job_.offsetY);
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
