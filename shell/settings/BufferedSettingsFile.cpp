#include "shell/settings/BufferedSettingsFile.h"

#include "platform/StringUtil.h"

namespace {
// Decimal text of a double: up to 41 integer digits, a point and the decimals asked for.
constexpr int kNumberSize = 460;
// The longest quoted value readString takes apart (paths are the longest the owners read).
constexpr int kQuotedSize = 1024;
} // namespace

void BufferedSettingsFile::clearFlags()
{
    for (int& flag : flags)
        flag = 0;
}

int BufferedSettingsFile::getDelimiterFlag(int which) const { return which >= 0 && which < 4 ? flags[which] : 0; }

int BufferedSettingsFile::storeChar(unsigned char c, char* buffer, int size, int& used, bool& full)
{
    unsigned char trail = 0;
    int width = 1;
    if (StringUtil::isLeadByte(c)) {
        // A lead byte that ends the file stands alone.
        if (!readByte(trail))
            width = 1;
        else
            width = 2;
    }
    if (!full && used + width <= size - 1) {
        buffer[used++] = static_cast<char>(c);
        if (width == 2)
            buffer[used++] = static_cast<char>(trail);
    } else {
        full = true;
    }
    buffer[used] = 0;
    return width == 2 || !StringUtil::isLeadByte(c) ? 1 : 0;
}

int BufferedSettingsFile::readToken(char* buffer)
{
    clearFlags();
    int used = 0;
    bool full = false;
    buffer[0] = 0;
    unsigned char c;
    while (readByte(c)) {
        switch (c) {
        case ',':
            flags[kComma] = 1;
            return 1;
        case '=':
            flags[kEquals] = 1;
            return 1;
        case '[':
            flags[kOpenBracket] = 1;
            continue;
        case ']':
            flags[kCloseBracket] = 1;
            return 1;
        default:
            break;
        }
        if (StringUtil::isControlChar(c))
            return 1;
        if (!storeChar(c, buffer, kTokenSize, used, full))
            return 0;
    }
    return 0;
}

int BufferedSettingsFile::readValue(char* buffer, int size)
{
    clearFlags();
    if (!buffer || size < 1)
        return 0;
    int used = 0;
    bool full = false;
    buffer[0] = 0;
    unsigned char c;
    bool read = false;
    while (readByte(c)) {
        read = true;
        if (c == ',') {
            flags[kComma] = 1;
            return 1;
        }
        if (StringUtil::isControlChar(c))
            return 1;
        if (!storeChar(c, buffer, size, used, full))
            return 0;
    }
    // The file's end closes a value as a line end does: a file written by hand often lacks its
    // last line end, and its last key counts all the same.
    return read ? 1 : 0;
}

int BufferedSettingsFile::readKey()
{
    if (error || atEnd())
        return 0;
    id = kind = -1;
    char name[kTokenSize];
    int result;
    do
        result = readToken(name);
    while (result && name[0] == 0);
    if (name[0] != 0)
        (void)keys.lookupName(name, id, kind); // an unregistered name leaves -1 and -1
    return result;
}

int BufferedSettingsFile::readTypedValue(char (&text)[kValueSize]) { return !error && readValue(text, kValueSize); }

int BufferedSettingsFile::readInt(int& value)
{
    char text[kValueSize];
    if (!readTypedValue(text))
        return 0;
    value = StringUtil::parseInt(text);
    return 1;
}

int BufferedSettingsFile::readLong(long& value)
{
    int number = 0;
    if (!readInt(number))
        return 0;
    value = number;
    return 1;
}

int BufferedSettingsFile::readBool(int& value)
{
    char text[kValueSize];
    if (!readTypedValue(text))
        return 0;
    value = StringUtil::equals(text, "TRUE");
    return 1;
}

int BufferedSettingsFile::readDouble(double& value)
{
    char text[kValueSize];
    if (!readTypedValue(text))
        return 0;
    value = StringUtil::parseDouble(text);
    return 1;
}

int BufferedSettingsFile::readString(char* buffer, int size)
{
    if (error || !buffer || size < 1)
        return 0;
    // Room for both quotes around size - 1 bytes: they come off before the text is cut.
    char text[kQuotedSize];
    const int room = size + 2 < kQuotedSize ? size + 2 : kQuotedSize;
    if (!readValue(text, room))
        return 0;
    char* start = text;
    if (*start == '"') {
        ++start;
        const int length = StringUtil::length(start);
        if (length > 0 && start[length - 1] == '"')
            start[length - 1] = 0;
    }
    StringUtil::copy(buffer, size, start);
    return 1;
}

int BufferedSettingsFile::readDelimited(char delimiter, char* buffer, int size)
{
    clearFlags();
    if (error || !buffer || size < 1)
        return 0;
    buffer[0] = 0;
    int used = 0;
    bool full = false;
    unsigned char c;
    if (!readByte(c))
        return 0;
    if (delimiter == 0)
        delimiter = static_cast<char>(c);
    else if (c != static_cast<unsigned char>(delimiter) && !storeChar(c, buffer, size, used, full))
        return 0;
    for (;;) {
        if (!readByte(c))
            return 0;
        if (c == static_cast<unsigned char>(delimiter))
            break;
        if (StringUtil::isControlChar(c))
            return 1;
        if (!storeChar(c, buffer, size, used, full))
            return 0;
    }
    if (!readByte(c))
        return 0;
    if (c == ',')
        flags[kComma] = 1;
    return 1;
}

int BufferedSettingsFile::writeRaw(const char* bytes, int n)
{
    if (error)
        return 0;
    if (!write(bytes, n)) {
        error = -1;
        writeCallFailed = 1;
        return 0;
    }
    return 1;
}

int BufferedSettingsFile::writeValue(const char* text, int more, int lineEnd)
{
    if (!writeRaw(text, StringUtil::length(text)))
        return 0;
    if (more && !writeRaw(",", 1))
        return 0;
    return !lineEnd || writeRaw("\r\n", 2);
}

int BufferedSettingsFile::writeSection(int sectionId)
{
    const char* name = keys.findName(sectionId);
    if (!name)
        return 0;
    return writeRaw("[", 1) && writeRaw(name, StringUtil::length(name)) && writeValue("]", 0, 1);
}

int BufferedSettingsFile::writeKey(int keyId)
{
    const char* name = keys.findName(keyId);
    if (!name)
        return 0;
    return writeRaw(name, StringUtil::length(name)) && writeRaw("=", 1);
}

int BufferedSettingsFile::writeLong(long value, int more, int lineEnd)
{
    char text[16];
    StringUtil::formatInt(value, text);
    return writeValue(text, more, lineEnd);
}

int BufferedSettingsFile::writeInt(int value, int more, int lineEnd) { return writeLong(value, more, lineEnd); }

int BufferedSettingsFile::writeBool(int value, int more, int lineEnd)
{
    return writeValue(value ? "TRUE" : "FALSE", more, lineEnd);
}

int BufferedSettingsFile::formatAndWrite(double value, int decimals, int rounding, int more, int lineEnd)
{
    char digits[kNumberSize] = "";
    // A number that cannot be written fails like a write, never as a wrong value.
    if (!StringUtil::formatDouble(value, decimals, digits, rounding)) {
        error = -1;
        return 0;
    }
    return writeValue(digits, more, lineEnd);
}

int BufferedSettingsFile::writeDouble(double value, int decimals, int more, int lineEnd)
{
    return formatAndWrite(value, decimals, 0, more, lineEnd);
}

int BufferedSettingsFile::writeDoubleRounded(double value, int decimals, int more, int lineEnd)
{
    return formatAndWrite(value, decimals, 1, more, lineEnd);
}

int BufferedSettingsFile::writeQuoted(const char* text, int more, int lineEnd)
{
    return writeRaw("\"", 1) && writeRaw(text ? text : "", StringUtil::length(text ? text : "")) &&
           writeValue("\"", more, lineEnd);
}
