#pragma once
#include <windows.h>

class DibImage;
class GlobalBlock;

// The clipboard, with the main frame window as owner. Writers do not empty the clipboard: the
// callers clear it first.
[[nodiscard]] int openClipboard();
[[nodiscard]] int clearClipboard();
// GlobalSize of the data of a format; 0 when there is none or the clipboard cannot be opened.
[[nodiscard]] SIZE_T clipboardDataSize(UINT format);
[[nodiscard]] inline SIZE_T clipboardTextSize() { return clipboardDataSize(CF_TEXT); }
[[nodiscard]] inline SIZE_T clipboardDibSize() { return clipboardDataSize(CF_DIB); }
// Stores n bytes and one zero byte after them; 0 when that fails.
[[nodiscard]] int putClipboardData(UINT format, const void* bytes, SIZE_T n);
[[nodiscard]] inline int putClipboardText(const char* text, SIZE_T n) { return putClipboardData(CF_TEXT, text, n); }
// A new byte block with a copy of all the data (count = its size); null when there is none.
[[nodiscard]] GlobalBlock* getClipboardData(UINT format);
// A new block holding the text's bytes up to its first zero byte, without terminator; its
// elementSize is the text's length and its count 0. Null when there is no text.
[[nodiscard]] GlobalBlock* getClipboardText();
// The clipboard's CF_DIB loaded into a new image; null when there is none or it cannot be loaded
// (which the user is told).
[[nodiscard]] DibImage* getClipboardDib();
// Stores the image as a packed DIB under CF_DIB; 0 when none could be made or stored.
[[nodiscard]] int putClipboardDib(const DibImage& image);
