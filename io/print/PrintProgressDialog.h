#pragma once
#include "platform/ProgressDialog.h"
#include "resources/ids_print.h"

// The progress of a print run: dialog 1512 with the caption "printing", at the screen's centre,
// with its bar (15151) and Cancel (2), which the run asks between elements.
class PrintProgressDialog : public ProgressDialog {
public:
    PrintProgressDialog() : ProgressDialog(IDD_OUTPUT_PROGRESS, IDC_OUTPUT_PROGRESS_BAR, "printing", 1) {}
};
