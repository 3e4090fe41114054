#pragma once
#include <windows.h>

// The library's message boxes: task-modal, no owner window, each preceded by a beep; a box
// shown without a caption gets the application title.

void showErrorBox(const char* text, const char* caption = nullptr);
// 1 for OK, else 2.
[[nodiscard]] int askOkCancel(const char* text, const char* caption = nullptr);
// 1 for Yes, 3 for No, 2 for Cancel.
[[nodiscard]] int askYesNoCancel(const char* text, const char* caption = nullptr);

// Count one user-visible error in the application and show the error box with a string-table
// text (nothing is shown when the entry is missing) or with the given text.
void showErrorById(int stringId);
void showErrorText(const char* text);
// showErrorById of "メモリーが一杯です".
void showOutOfMemory();

// askOkCancel with a text and a caption from the string table (each up to 255 bytes); 2 when
// either entry is missing.
[[nodiscard]] int askOkCancelById(int textId, int captionId);
// "ファイルが存在します" / "重ね書きしますか？": 1 means overwrite.
[[nodiscard]] int confirmOverwrite();

// The one-byte beeper singleton: MB_ICONHAND (0x10) and MB_ICONEXCLAMATION (0x30) beeps.
class Beeper {
public:
    void beep(unsigned int type);
    void beepExclamation() { beep(MB_ICONEXCLAMATION); }
    void beepError() { beep(MB_ICONHAND); }
    unsigned char lastType = 0;
};
extern Beeper* theBeeper;
