#include <gtest/gtest.h>
#include <windows.h>

#include "document/Document.h"
#include "document/Element.h"
#include "platform/ColorDialog.h"
#include "platform/CommonFileDialog.h"
#include "platform/HelpCall.h"
#include "platform/MessageBox.h"
#include "platform/PrintJob.h"

namespace {
// A message box that nobody scripted would block a headless run: fail the test instead.
int unexpectedMessageBox(HWND, const char* text, const char* caption, UINT)
{
    ADD_FAILURE() << "unexpected message box: " << (caption ? caption : "") << ": " << (text ? text : "");
    return IDCANCEL;
}

// Nor may the system's modal print, file and colour dialogs open. Taking the default printer shows
// nothing and stays allowed.
BOOL unexpectedPrintDialog(PRINTDLGA* record)
{
    if (record->Flags & PD_RETURNDEFAULT)
        return PrintDlgA(record);
    ADD_FAILURE() << "unexpected print dialog";
    return FALSE;
}

BOOL unexpectedFileDialog(OPENFILENAMEA*)
{
    ADD_FAILURE() << "unexpected file dialog";
    return FALSE;
}

BOOL unexpectedColorDialog(CHOOSECOLORA*)
{
    ADD_FAILURE() << "unexpected colour dialog";
    return FALSE;
}

// Nor may the help viewer.
HWND WINAPI unexpectedHelp(HWND, LPCSTR file, UINT, DWORD_PTR)
{
    ADD_FAILURE() << "unexpected help call: " << (file ? file : "");
    return nullptr;
}

HtmlHelpFunction unexpectedHelpLoader() { return unexpectedHelp; }
} // namespace

int main(int argc, char** argv)
{
    // Windows error boxes would block an unattended run.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    setMessageBoxFunction(unexpectedMessageBox);
    setPrintDialogFunction(unexpectedPrintDialog);
    setOpenFileFunction(unexpectedFileDialog);
    setSaveFileFunction(unexpectedFileDialog);
    setChooseColorFunction(unexpectedColorDialog);
    setHtmlHelpLoader(unexpectedHelpLoader);
    // As start-up does: documents make their attribute holders from the element folder.
    makeBaseElement = newBaseElement;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
