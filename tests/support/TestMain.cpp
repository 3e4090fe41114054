#include <gtest/gtest.h>
#include <windows.h>

#include "platform/MessageBox.h"

namespace {
// A message box that nobody scripted would block a headless run: fail the test instead.
int unexpectedMessageBox(HWND, const char* text, const char* caption, UINT)
{
    ADD_FAILURE() << "unexpected message box: " << (caption ? caption : "") << ": " << (text ? text : "");
    return IDCANCEL;
}
} // namespace

int main(int argc, char** argv)
{
    // Windows error boxes would block an unattended run.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    setMessageBoxFunction(unexpectedMessageBox);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
