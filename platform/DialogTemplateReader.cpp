#include "platform/DialogTemplateReader.h"

#include <cstring>

#include "platform/StringUtil.h"

namespace {
// Longest name converted; longer names are cut (no template of the program comes near it).
const int maxNameChars = 511;
// The header: style, extended style, item count, x, y, cx, cy.
const size_t headerSize = 18;
// An item before its names: style, extended style, x, y, cx, cy, id.
const size_t itemFixedSize = 18;

const char* classOfAtom(WORD atom)
{
    switch (atom) {
    case 0x80: return "BUTTON";
    case 0x81: return "EDIT";
    case 0x82: return "STATIC";
    case 0x83: return "LISTBOX";
    case 0x84: return "SCROLLBAR";
    case 0x85: return "COMBOBOX";
    default: return "";
    }
}
} // namespace

int DialogTemplateReader::readWord(WORD& value)
{
    if (size - offset < 2 || offset > size)
        return 0;
    std::memcpy(&value, bytes + offset, 2);
    offset += 2;
    return 1;
}

int DialogTemplateReader::readDword(DWORD& value)
{
    if (size - offset < 4 || offset > size)
        return 0;
    std::memcpy(&value, bytes + offset, 4);
    offset += 4;
    return 1;
}

int DialogTemplateReader::readShort(int& value)
{
    WORD raw = 0;
    if (!readWord(raw))
        return 0;
    value = static_cast<short>(raw);
    return 1;
}

int DialogTemplateReader::skipBytes(size_t n)
{
    if (offset > size || size - offset < n)
        return 0;
    offset += n;
    return 1;
}

void DialogTemplateReader::alignToDword() { offset = (offset + 3) & ~static_cast<size_t>(3); }

int DialogTemplateReader::readName(char* buffer, int bufferSize, int ordinalAllowed, int* isOrdinal, WORD* ordinal)
{
    if (buffer && bufferSize > 0)
        buffer[0] = 0;
    if (isOrdinal)
        *isOrdinal = 0;
    WORD first = 0;
    size_t start = offset;
    if (!readWord(first))
        return 0;
    if (first == 0xFFFF) {
        WORD number = 0;
        if (!ordinalAllowed || !readWord(number))
            return 0;
        if (isOrdinal)
            *isOrdinal = 1;
        if (ordinal)
            *ordinal = number;
        return 1;
    }
    // A zero-terminated UTF-16 string: find its end inside the data first.
    offset = start;
    wchar_t wide[maxNameChars + 1];
    int length = 0;
    for (;;) {
        WORD c = 0;
        if (!readWord(c))
            return 0;
        if (c == 0)
            break;
        if (length < maxNameChars)
            wide[length++] = static_cast<wchar_t>(c);
    }
    wide[length] = 0;
    if (buffer && bufferSize > 0 && length > 0) {
        char converted[2 * maxNameChars + 2];
        // A name that cannot be converted stays empty.
        if (StringUtil::wideToMultiByte(wide, converted, sizeof converted) > 0)
            StringUtil::copy(buffer, bufferSize, converted);
    }
    return 1;
}

int DialogTemplateReader::open(const void* data, size_t dataSize)
{
    bytes = static_cast<const BYTE*>(data);
    size = bytes ? dataSize : 0;
    offset = 0;
    count = 0;
    index = 0;
    if (size < headerSize)
        return 0;
    DWORD style = 0, extendedStyle = 0;
    WORD items = 0;
    if (!readDword(style))
        return 0;
    // An extended template starts with version 1 and the signature 0xFFFF.
    if (LOWORD(style) == 1 && HIWORD(style) == 0xFFFF)
        return 0;
    if (!readDword(extendedStyle) || !readWord(items) || !skipBytes(8)) // skipped: x, y, cx, cy
        return 0;
    // Menu and window class may be given as ordinals; the title is a string.
    if (!readName(nullptr, 0, 1, nullptr, nullptr) || !readName(nullptr, 0, 1, nullptr, nullptr) ||
        !readName(nullptr, 0, 0, nullptr, nullptr))
        return 0;
    if (style & DS_SETFONT) {
        WORD pointSize = 0;
        if (!readWord(pointSize) || !readName(nullptr, 0, 0, nullptr, nullptr))
            return 0;
    }
    count = items;
    return 1;
}

int DialogTemplateReader::next(DialogTemplateItem& item)
{
    if (!bytes || index >= count)
        return 0;
    alignToDword();
    if (offset > size || size - offset < itemFixedSize)
        return 0;
    DialogTemplateItem read;
    if (!readDword(read.style) || !readDword(read.extendedStyle) || !readShort(read.x) || !readShort(read.y) ||
        !readShort(read.cx) || !readShort(read.cy) || !readWord(read.id))
        return 0;
    int ordinalClass = 0;
    WORD atom = 0;
    if (!readName(read.className, sizeof read.className, 1, &ordinalClass, &atom))
        return 0;
    if (ordinalClass)
        StringUtil::copy(read.className, classOfAtom(atom));
    // A title given as a number names a resource (an icon or bitmap of a static): "#n".
    int ordinalTitle = 0;
    WORD titleNumber = 0;
    if (!readName(read.title, sizeof read.title, 1, &ordinalTitle, &titleNumber))
        return 0;
    if (ordinalTitle) {
        StringUtil::copy(read.title, "#");
        StringUtil::appendInt(read.title, titleNumber);
    }
    // Creation data: its byte count, then the bytes.
    WORD extra = 0;
    if (!readWord(extra) || !skipBytes(extra))
        return 0;
    item = read;
    ++index;
    return 1;
}

int DialogTemplateReader::isReadable(const void* data, size_t dataSize)
{
    DialogTemplateReader reader;
    if (!reader.open(data, dataSize))
        return 0;
    DialogTemplateItem item;
    int read = 0;
    while (reader.next(item))
        ++read;
    return read == reader.itemCount();
}
