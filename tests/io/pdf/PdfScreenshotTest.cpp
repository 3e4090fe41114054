// The PDF export's windows to look at: run by hand under Xvfb, photographing (ImageMagick's import)
// "PDF出力の設定", the "PDF Font Set" dialog it opens and the progress window of the export into
// /tmp/k46-pdf-settings.png, /tmp/k46-pdf-fontset.png and /tmp/k46-pdf-progress.png; the exported
// page as pdftoppm renders it goes to /tmp/k46-pdf-page.png.
//   Xvfb :114 -screen 0 1280x1024x24 &
//   DISPLAY=:114 scripts/wine-run --prefix build/wineprefix-display --display
//       build/tests/test_io.exe --gtest_also_run_disabled_tests
//       --gtest_filter='PdfScreenshot.*'      (one command line)
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

#include "io/pdf/PdfExportCommand.h"
#include "io/postscript/FontFaceMap.h"
#include "platform/ProgressDialog.h"
#include "resources/ids_pdf.h"
#include "tests/io/PrintFixture.h"
#include "tests/support/FileDialogScript.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixScript.h"

namespace {

void photograph(const char* name)
{
    ScratchFolder scratch;
    const std::string file = std::string("/tmp/k46-pdf-") + name + ".png";
    EXPECT_EQ(runUnixScript("import -window root " + file + "\n", scratch.pathOf("shot")), 0) << file;
}

// Each tick does the next step: photograph the settings and open the font dialog, photograph
// that and close it with OK, close the settings with OK.
int step = 0;
void CALLBACK onTick(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND settings = FindWindowA(nullptr, "PDF出力の設定");
    HWND fonts = FindWindowA(nullptr, "PDF Font Set");
    switch (step++) {
    case 0:
        photograph("settings");
        PostMessageA(settings, WM_COMMAND, MAKEWPARAM(IDC_PDF_FONT_SETTINGS, BN_CLICKED), 0);
        break;
    case 1:
        SendDlgItemMessageA(fonts, IDC_PDF_RECORD_CHOICE, CB_SETCURSEL, 4, 0);
        SendMessageA(fonts, WM_COMMAND, MAKEWPARAM(IDC_PDF_RECORD_CHOICE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(fonts, IDC_PDF_RECORD_CHOICE)));
        SetDlgItemTextA(fonts, IDC_PDF_BOLD_NAME, "Helvetica-Black");
        break;
    case 2:
        photograph("fontset");
        PostMessageA(fonts, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        break;
    default:
        KillTimer(nullptr, timer);
        PostMessageA(settings, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        break;
    }
}

// An export slow enough to be seen, photographed half-way through its first page.
class SlowExport : public PdfExportCommand {
protected:
    void showProgress(int position) override
    {
        PdfExportCommand::showProgress(position);
        Sleep(4);
        if (++shown == 400 && progress) {
            UpdateWindow(progress->hwnd);
            photograph("progress");
        }
    }
    int shown = 0;
};

class PdfScreenshot : public PrintDrawing {};

TEST_F(PdfScreenshot, DISABLED_SettingsFontSetAndProgress)
{
    for (int i = 0; i < 600; ++i)
        ASSERT_GE(addLine(10 + i % 50 * 3, 10 + i / 50 * 10, 60 + i % 50 * 3, 15 + i / 50 * 10), 1);
    ASSERT_GE(addText(20, 150, "PDF出力 Korvane (表示)", "IPAゴシック", 8.0), 1);
    SlowExport job;
    ScopedOverride<PdfExportJob*> installed{thePdfExportJob, &job};
    ScratchFolder scratch;
    FileDialogScript dialogs;
    dialogs.answers = {scratch.pathOf("shot.pdf")};
    job.offsetX = 5.0;
    job.offsetY = 12.5;
    step = 0;
    const INT_PTR written = driveModalDialog([&] { return static_cast<INT_PTR>(job.run(&drawing())); },
                                            [](HWND w) {
                                                SetWindowPos(w, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                                                SetTimer(nullptr, 0, 1500, onTick);
                                            });
    EXPECT_EQ(written, 1);
    EXPECT_EQ(runUnixScript("pdftoppm -r 60 -png -singlefile '" + unixPathOf(scratch.pathOf("shot.pdf")) +
                                "' /tmp/k46-pdf-page\n",
                            scratch.pathOf("render")),
              0);
}

} // namespace
