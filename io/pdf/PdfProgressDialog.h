#pragma once
#include "platform/ProgressDialog.h"
#include "resources/ids_print.h"

// The progress of a PDF export: dialog 1512 with the caption "pdf outputing", at the screen's
// centre, with its bar (15151) and Cancel (2). The export asks for Cancel before each page.
class PdfProgressDialog : public ProgressDialog {
public:
    PdfProgressDialog() : ProgressDialog(IDD_OUTPUT_PROGRESS, IDC_OUTPUT_PROGRESS_BAR, "pdf outputing", 1) {}
};
