#pragma once
#include <string>
#include <windows.h>
#include <commdlg.h>

#include "tests/support/UnixScript.h"

// The printer of the test prefix: Wine's PostScript driver with Ghostscript's PPD, printing into
// a file of the prefix (C:\korvane-test-print.ps), set as the default printer. It is made once
// per prefix; later runs find it and only make it the default again.
//
//     ASSERT_TRUE(TestPrinter::ensure());
//     PrintDialogStandIn dialog(acceptPrintDialog);     // the user confirms the default printer
//     ... print ...
//     std::string bytes = ScratchFolder::read(TestPrinter::outputPath());
class TestPrinter {
public:
    static const char* name() { return "Korvane Test PostScript"; }
    // The Windows path of the file every job of the printer is written to.
    static const char* outputPath() { return "C:\\korvane-test-print.ps"; }
    // false when the printer could not be set up.
    [[nodiscard]] static bool ensure();
};

// Stand-ins for the print dialog (PD_RETURNDEFAULT is always answered by the real PrintDlgA, which
// shows nothing): the user confirms the default printer (a DC is made from the kept choice), the
// user cancels, or the "printer" is a memory DC, a device that speaks no PostScript.
BOOL acceptPrintDialog(PRINTDLGA* record);
BOOL cancelPrintDialog(PRINTDLGA* record);
BOOL memoryDcPrintDialog(PRINTDLGA* record);
// The default printer's settings and names, for a record that names no printer yet.
BOOL takeDefaultPrinter(PRINTDLGA* record);

// Installs a print dialog stand-in for one scope.
class PrintDialogStandIn {
public:
    explicit PrintDialogStandIn(BOOL (*function)(PRINTDLGA*));
    ~PrintDialogStandIn();
    PrintDialogStandIn(const PrintDialogStandIn&) = delete;
    PrintDialogStandIn& operator=(const PrintDialogStandIn&) = delete;

private:
    BOOL (*previous_)(PRINTDLGA*);
};

// Renders a PostScript file with Ghostscript (/usr/bin/gs, run as a Unix program through Wine) into
// a 24-bit BMP at `dpi`. Returns Ghostscript's exit code, or -1 when it could not be run or did
// not finish within the time.
[[nodiscard]] int renderWithGhostscript(const std::string& postScriptPath, const std::string& bitmapPath, int dpi);
