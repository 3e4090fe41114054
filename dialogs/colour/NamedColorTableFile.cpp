// The colour table files: reading them line by line, writing them whole through a temporary file.
#include <cstring>
#include <windows.h>

#include "dialogs/colour/NamedColorTable.h"
#include "platform/StringUtil.h"

namespace {

// Longest number field, in bytes, and most digits of a number (so that it fits 32 bits).
const int kNumberFieldSize = 80;
const int kMaxDigits = 9;
const DWORD kReadChunk = 64 * 1024;

int isBlank(char c) { return c == ' ' || c == '\t'; }

// Position of c in line[from, to), or -1. The bytes looked for are ASCII below 0x40, which never
// occur as the second byte of a two-byte character.
int find(const char* line, int from, int to, char c)
{
    for (int i = from; i < to; ++i)
        if (line[i] == c)
            return i;
    return -1;
}

// The decimal integer that fills line[from, to) (blanks around it allowed, an optional sign);
// 0 for anything else. An empty field is 0 when `emptyIsZero`.
int parseField(const char* line, int from, int to, int emptyIsZero, int& value)
{
    while (from < to && isBlank(line[from]))
        ++from;
    while (to > from && isBlank(line[to - 1]))
        --to;
    if (from == to) {
        value = 0;
        return emptyIsZero;
    }
    int negative = 0;
    if (line[from] == '-' || line[from] == '+')
        negative = line[from++] == '-';
    if (to - from < 1 || to - from > kMaxDigits)
        return 0;
    int n = 0;
    for (int i = from; i < to; ++i) {
        if (!StringUtil::isDigit(static_cast<unsigned char>(line[i])))
            return 0;
        n = n * 10 + (line[i] - '0');
    }
    value = negative ? -n : n;
    return 1;
}

int hasOnlyBlanks(const char* text)
{
    for (; *text; ++text)
        if (*text != ' ')
            return 0;
    return 1;
}

} // namespace

int parseColorLine(const char* line, int length, ColorEntry& entry)
{
    if (!line || length <= 0)
        return 0;
    const int comma = find(line, 0, length, ',');
    ColorEntry read;
    if (comma < 0 || comma > kNumberFieldSize || !parseField(line, 0, comma, 0, read.number))
        return 0;
    const int open = find(line, comma + 1, length, '"');
    const int close = open < 0 ? -1 : find(line, open + 1, length, '"');
    if (close < 0)
        return 0;
    // The line is not terminated: the name's bytes are copied by count.
    const int nameLength = StringUtil::boundedCut(line + open + 1, close - open - 1, ColorEntry::kNameSize - 1);
    std::memcpy(read.name, line + open + 1, static_cast<size_t>(nameLength));
    read.name[nameLength] = 0;
    if (read.number != 0 && hasOnlyBlanks(read.name)) {
        StringUtil::clear(read.name);
        StringUtil::appendInt(read.name, read.number);
    }
    // The ink values follow the comma after the name; values that are missing are 0.
    int inks[4] = {};
    int at = find(line, close + 1, length, ',');
    for (int i = 0; i < 4 && at >= 0; ++i) {
        const int from = at + 1;
        const int next = find(line, from, length, ',');
        if (!parseField(line, from, next < 0 ? length : next, 1, inks[i]))
            return 0;
        at = next;
    }
    read.setInks(inks);
    entry = read;
    return 1;
}

std::string formatColorLine(const ColorEntry& entry)
{
    char number[16];
    std::string line = StringUtil::formatInt(entry.number, number);
    line += ",\"";
    line += entry.name;
    line += '"';
    for (int ink : entry.inks) {
        line += ',';
        line += StringUtil::formatInt(ink, number);
    }
    return line;
}

int fitsColorLine(const char* name)
{
    // A quote never occurs as the second byte of a two-byte character.
    return !name || !std::strchr(name, '"');
}

int NamedColorTable::loadOnce()
{
    if (!loaded) {
        (void)load(); // a table without its file is empty, and stays so for the run
        loaded = 1;
    }
    return 1;
}

int NamedColorTable::load()
{
    entries_.clear();
    current = -1;
    firstVisible = 0;
    modified = 0;
    HANDLE file = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    std::string chunk(kReadChunk, '\0');
    char line[kLineSize];
    int length = 0;
    int cut = 0; // the line was longer than the buffer: the rest of it is passed over
    auto endLine = [&] {
        if (length > 0) {
            ColorEntry entry;
            const int kept = cut ? StringUtil::cutOfLongerText(line, length) : length;
            if (parseColorLine(line, kept, entry))
                entries_.push_back(entry);
        }
        length = 0;
        cut = 0;
    };
    DWORD got = 0;
    int ok = 1;
    while ((ok = ReadFile(file, &chunk[0], kReadChunk, &got, nullptr) != 0) && got > 0) {
        for (DWORD i = 0; i < got; ++i) {
            const char c = chunk[i];
            if (c == '\r' || c == '\n')
                endLine();
            else if (length < kLineSize - 1)
                line[length++] = c;
            else
                cut = 1;
        }
    }
    endLine();
    CloseHandle(file);
    return ok;
}

int NamedColorTable::saveIfModified()
{
    if (!modified)
        return 1;
    if (!save())
        return 0;
    modified = 0;
    return 1;
}

int NamedColorTable::save()
{
    std::string bytes;
    bytes.reserve(entries_.size() * 40);
    for (const ColorEntry& entry : entries_) {
        bytes += formatColorLine(entry);
        bytes += "\r\n";
    }
    char folder[MAX_PATH];
    if (!StringUtil::folderOfPath(path_.c_str(), folder, sizeof folder))
        StringUtil::copy(folder, ".");
    char temp[MAX_PATH];
    if (!GetTempFileNameA(folder, "col", 0, temp))
        return 0;
    HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    int written = file != INVALID_HANDLE_VALUE;
    if (written) {
        DWORD done = 0;
        written = bytes.empty() ||
                  (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) && done == bytes.size());
        // A file that cannot be closed may not hold what was written.
        written = CloseHandle(file) && written;
    }
    if (written && MoveFileExA(temp, path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
        return 1;
    DeleteFileA(temp);
    return 0;
}
