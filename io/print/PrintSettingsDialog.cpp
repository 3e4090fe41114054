#include "io/print/PrintSettingsDialog.h"

#include "document/DocumentContext.h"
#include "io/OffsetFields.h"
#include "io/print/PrintRecord.h"
#include "platform/Control.h"
#include "platform/ControlKinds.h"
#include "resources/ids_print.h"

int PrintSettingsDialog::run() { return runModal(IDD_PRINT_SETTINGS); }

void PrintSettingsDialog::declareControls()
{
    // Declaring fails only when memory ran out (reported); the dialog then still ends by its
    // buttons through the system.
    (void)addControl(IDOK, KIND_PUSH_BUTTON);
    (void)addControl(IDCANCEL, KIND_PUSH_BUTTON);
    (void)addControl(IDC_PRINT_OFFSET_X, KIND_REAL_EDIT);
    (void)addControl(IDC_PRINT_OFFSET_Y, KIND_REAL_EDIT);
    (void)addControl(IDC_PRINT_FIRST_PAGE, KIND_INTEGER_EDIT);
    (void)addControl(IDC_PRINT_LAST_PAGE, KIND_INTEGER_EDIT);
    (void)addControl(IDC_PRINT_ALL_PAGES, KIND_CHECK_BUTTON);
    (void)addControl(IDC_PRINT_PREVIEW, KIND_PICTURE);
    attachControls();
}

void PrintSettingsDialog::showPages()
{
    setInt(IDC_PRINT_FIRST_PAGE, record_.firstPage);
    setInt(IDC_PRINT_LAST_PAGE, record_.lastPage);
}

void PrintSettingsDialog::showOffsets()
{
    setDouble(IDC_PRINT_OFFSET_X, record_.offsetX);
    setDouble(IDC_PRINT_OFFSET_Y, record_.offsetY);
}

void PrintSettingsDialog::readOffsets(double& x, double& y)
{
    offset_fields::read(*this, IDC_PRINT_OFFSET_X, IDC_PRINT_OFFSET_Y, record_.offsetX, record_.offsetY, x, y);
}

int PrintSettingsDialog::takeOffsets()
{
    return offset_fields::take(*this, IDC_PRINT_OFFSET_X, IDC_PRINT_OFFSET_Y, record_.offsetX, record_.offsetY);
}

void PrintSettingsDialog::drawPreview()
{
    Control* preview = findControl(IDC_PRINT_PREVIEW);
    if (!preview)
        return;
    ControlDrawing drawing(*preview);
    if (drawing)
        (void)record_.drawPreview(drawing.dc(), preview->getClientRect()); // a failed preview stays blank
}

void PrintSettingsDialog::previewTypedOffsets()
{
    const double keptX = record_.offsetX, keptY = record_.offsetY;
    // An offset that プリント would refuse shows the record's own meanwhile.
    double x, y;
    readOffsets(x, y);
    if (offset_fields::fits(x))
        record_.offsetX = x;
    if (offset_fields::fits(y))
        record_.offsetY = y;
    drawPreview();
    record_.offsetX = keptX;
    record_.offsetY = keptY;
}

int PrintSettingsDialog::handleMessage()
{
    switch (event) {
    case DLG_INIT:
        declareControls();
        showPages();
        showOffsets();
        drawPreview();
        return 1;
    case DLG_CHANGE:
        // The field is named by the command's id (the event's control is the last one commanded).
        if (getCommandId() == IDC_PRINT_OFFSET_X || getCommandId() == IDC_PRINT_OFFSET_Y) {
            previewTypedOffsets();
            return 1;
        }
        break;
    case DLG_PAINT:
        previewTypedOffsets();
        break;
    case DLG_CLICK:
        if (currentControl && currentControl->id == IDC_PRINT_PREVIEW) {
            previewTypedOffsets();
            return 1;
        }
        break;
    case DLG_COMMAND:
        if (getCommandId() == IDC_PRINT_ALL_PAGES) {
            record_.allPages = isChecked(IDC_PRINT_ALL_PAGES, record_.allPages);
            // Without every page the range is the current page again, not the pages last shown.
            if (!record_.allPages && record_.context)
                record_.firstPage = record_.lastPage = record_.context->currentPage();
            record_.normalisePageRange();
            showPages();
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
