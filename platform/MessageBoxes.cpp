#include "platform/MessageBoxes.h"

#include <windows.h>

#include "platform/Application.h"
#include "platform/MessageBox.h"
#include "resources/ids.h"

Beeper* theBeeper = nullptr;

void Beeper::beep(unsigned int type)
{
    lastType = static_cast<unsigned char>(type);
    MessageBeep(type);
}

namespace {
const char* captionOr(const char* caption)
{
    if (caption)
        return caption;
    if (theApplication && theApplication->title)
        return theApplication->title;
    return "Korvane";
}

int ask(const char* text, const char* caption, UINT style)
{
    if (theBeeper)
        theBeeper->beep(MB_ICONEXCLAMATION);
    return showMessageBox(nullptr, text, captionOr(caption), style | MB_ICONEXCLAMATION | MB_TASKMODAL);
}
} // namespace

void showErrorBox(const char* text, const char* caption)
{
    if (theBeeper)
        theBeeper->beep(MB_ICONHAND);
    showMessageBox(nullptr, text, captionOr(caption), MB_ICONHAND | MB_TASKMODAL);
}

int askOkCancel(const char* text, const char* caption)
{
    return ask(text, caption, MB_OKCANCEL) == IDOK ? 1 : 2;
}

int askYesNoCancel(const char* text, const char* caption)
{
    switch (ask(text, caption, MB_YESNOCANCEL)) {
    case IDYES:
        return 1;
    case IDNO:
        return 3;
    default:
        return 2;
    }
}

namespace {
// A string-table entry of at most 255 bytes; 0 when it is missing or empty.
int loadText(int stringId, char (&text)[256])
{
    HINSTANCE instance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    text[0] = 0;
    return LoadStringA(instance, static_cast<UINT>(stringId), text, sizeof text) > 0;
}
} // namespace

void showErrorById(int stringId)
{
    if (theApplication)
        theApplication->reportError();
    char text[256];
    if (loadText(stringId, text))
        showErrorBox(text, nullptr);
}

void showErrorText(const char* text)
{
    if (theApplication)
        theApplication->reportError();
    if (text)
        showErrorBox(text, nullptr);
}

void showOutOfMemory() { showErrorById(IDS_OUT_OF_MEMORY); }

int askOkCancelById(int textId, int captionId)
{
    char text[256];
    char caption[256];
    if (!loadText(textId, text) || !loadText(captionId, caption))
        return 2;
    return askOkCancel(text, caption);
}

int confirmOverwrite() { return askOkCancelById(IDS_FILE_EXISTS, IDS_OVERWRITE_QUESTION); }
