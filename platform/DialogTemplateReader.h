#pragma once
#include <cstddef>
#include <windows.h>

// One item of a dialog template: styles, rectangle in dialog units, id, window class and title
// (both in the ANSI code page, at most 127 bytes). An item whose class is an atom the library
// does not know has an empty class name.
struct DialogTemplateItem {
    DWORD style = 0;
    DWORD extendedStyle = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    WORD id = 0;
    char className[128] = {};
    char title[128] = {};
};

// Reads a classic dialog template (DLGTEMPLATE and its DLGITEMTEMPLATEs, as the resource
// compiler writes a DIALOG statement) from bytes that may come from anywhere: every read is
// checked against the size, and an extended template (DIALOGEX) is refused.
//
//   DialogTemplateReader reader;
//   if (reader.open(data, size))
//       for (DialogTemplateItem item; reader.next(item);) ...
class DialogTemplateReader {
public:
    // 1 when the header can be read; items follow with next().
    [[nodiscard]] int open(const void* data, size_t size);
    [[nodiscard]] int itemCount() const { return count; }
    // The next item; 0 after the last one or when an item runs past the end.
    [[nodiscard]] int next(DialogTemplateItem& item);
    // 1 when the header and every item can be read.
    [[nodiscard]] static int isReadable(const void* data, size_t size);

private:
    [[nodiscard]] int readWord(WORD& value);
    [[nodiscard]] int readDword(DWORD& value);
    [[nodiscard]] int readShort(int& value);
    // A string, or (when `ordinalAllowed`) 0xFFFF and a 16-bit number, returned in `ordinal`.
    [[nodiscard]] int readName(char* buffer, int size, int ordinalAllowed, int* isOrdinal, WORD* ordinal);
    [[nodiscard]] int skipBytes(size_t n);
    void alignToDword();

    const BYTE* bytes = nullptr;
    size_t size = 0;
    size_t offset = 0;
    int count = 0;
    int index = 0;
};
