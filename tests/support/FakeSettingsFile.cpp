#include "tests/support/FakeSettingsFile.h"

#include "platform/StringUtil.h"

void FakeSettingsFile::registerAttributeKeys()
{
    registerKey(15111, "LAYERNO");
    registerKey(15114, "LINESIZE");
    registerKey(15115, "LINESTYLE");
    registerKey(15116, "LINEORIGIN");
    registerKey(15117, "LINECAP");
    const char* bezierKeys[] = {"EDGECOLOR",   "PAINTCOLOR",    "PATTERNCOLOR",  "EDGEDRAWSW", "PAINTDRAWSW",
                                "AREAPATTERN", "PATTERNSPACEX", "PATTERNSPACEY"};
    for (int i = 0; i < 8; ++i)
        registerKey(15311 + i, bezierKeys[i]);
    const char* bezierInks[] = {"EDGECMYK",   "PAINTCMYK",   "PATERNCMYK",   "EDGENOSE",    "PAINTNOSE",
                                "PATERNNOSE", "EDGEUSEINK", "PAINTUSEINK", "PATERNUSEINK"};
    for (int i = 0; i < 9; ++i)
        registerKey(15321 + i, bezierInks[i]);
    const char* measureInks[] = {"ULINECOLOR", "DRAWCOLOR", "ARROWCOLOR", "ULINECMYK",   "DRAWCMYK",   "ARROWCMYK",
                                 "ULINENOSE",  "DRAWNOSE",  "ARROWNOSE",  "ULINEUSEINK", "DRAWUSEINK", "ARROWUSEINK"};
    for (int i = 0; i < 12; ++i)
        registerKey(15411 + i, measureInks[i]);
    registerKey(15215, "FONTNAME");
    registerKey(15216, "FONTSTYLE");
    registerKey(15217, "FONTSIZE");
    registerKey(15441, "ULINELSIZE");
    registerKey(15451, "DRAWLSTYLE");
    registerKey(15452, "DRAWLSIZE");
    registerKey(15453, "DRAWSPACE");
    registerKey(15454, "DRAWOVER");
    // The numeral and arrow-head keys of the dimension defaults.
    const char* numeralKeys[] = {"DECIMALNUM", "NUMERALPOS", nullptr, nullptr, "UNITDISP", "ANGLETYPE", "NUMERALSPACE"};
    for (int i = 0; i < 7; ++i)
        if (numeralKeys[i])
            registerKey(15423 + i, numeralKeys[i]);
    const char* arrowKeys[] = {"ARROWSTYLE", "ARROWLSIZE", "ARROWLENGTH", "ARROWLEAN"};
    for (int i = 0; i < 4; ++i)
        registerKey(15461 + i, arrowKeys[i]);
    // The units: the grid's axes, the dimension numerals and the labels of units 1..8.
    registerKey(15042, "GRIDYOKOUNIT");
    registerKey(15045, "GRIDTATEUNIT");
    registerKey(15425, "MSRUNIT");
    registerKey(15426, "KDOUNIT");
    const char* labelKeys[] = {"MIRITEXT",   "INCHITEXT", "KYUTEXT",   "POINTTEXT",
                               "MICRONTEXT", "CENTITEXT", "METRETEXT", "DEGREETEXT"};
    for (int i = 0; i < 8; ++i)
        registerKey(15431 + i, labelKeys[i]);
}

int FakeSettingsFile::getDelimiterFlag(int which) const { return which >= 0 && which < 4 ? flags[which] : 0; }

int FakeSettingsFile::readToken(std::string& out, bool value)
{
    for (int& f : flags)
        f = 0;
    out.clear();
    while (position < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[position++]);
        if (c == ',') {
            flags[kComma] = 1;
            return 1;
        }
        if (c < 32)
            return 1;
        if (!value) {
            if (c == '=') {
                flags[kEquals] = 1;
                return 1;
            }
            if (c == '[') {
                flags[kOpenBracket] = 1;
                continue;
            }
            if (c == ']') {
                flags[kCloseBracket] = 1;
                return 1;
            }
        }
        out += static_cast<char>(c);
        if (StringUtil::isLeadByte(c) && position < text.size())
            out += text[position++];
    }
    return 0;
}

int FakeSettingsFile::readKey()
{
    if (error || position >= text.size())
        return 0;
    id = kind = -1;
    std::string name;
    int result = 1;
    while (name.empty() && result)
        result = readToken(name, false);
    for (const auto& entry : names) {
        if (entry.second.name == name) {
            id = entry.first;
            kind = entry.second.kind;
            break;
        }
    }
    return result || !name.empty();
}

int FakeSettingsFile::readValue(char* buffer, int size)
{
    if (error)
        return 0;
    const size_t start = position;
    std::string value;
    // As the real reader: the text's end closes a value as a line end does.
    int result = readToken(value, true) || position > start;
    // Bounded as the real reader: whole characters, at most size - 1 bytes.
    int n = 0;
    for (size_t i = 0; i < value.size();) {
        const int width = StringUtil::isLeadByte(static_cast<unsigned char>(value[i])) && i + 1 < value.size() ? 2 : 1;
        if (n + width > size - 1)
            break;
        for (int k = 0; k < width; ++k)
            buffer[n++] = value[i++];
    }
    buffer[n] = 0;
    return result;
}

int FakeSettingsFile::readInt(int& value)
{
    char buffer[80];
    if (!readValue(buffer, sizeof buffer))
        return 0;
    value = StringUtil::parseInt(buffer);
    return 1;
}

int FakeSettingsFile::readBool(int& value)
{
    char buffer[80];
    if (!readValue(buffer, sizeof buffer))
        return 0;
    value = StringUtil::equals(buffer, "TRUE");
    return 1;
}

int FakeSettingsFile::readDouble(double& value)
{
    char buffer[80];
    if (!readValue(buffer, sizeof buffer))
        return 0;
    value = StringUtil::parseDouble(buffer);
    return 1;
}

int FakeSettingsFile::readString(char* buffer, int size)
{
    // The whole value first: the quotes come off before the text is cut to the caller's buffer.
    char value[4096];
    if (!buffer || size < 1 || !readValue(value, sizeof value))
        return 0;
    std::string s = value;
    if (!s.empty() && s[0] == '"') {
        s.erase(0, 1);
        if (!s.empty() && s.back() == '"')
            s.pop_back();
    }
    StringUtil::copy(buffer, size, s.c_str());
    return 1;
}

int FakeSettingsFile::writeValue(const std::string& value, int more, int lineEnd)
{
    if (error)
        return 0;
    text += value;
    if (more)
        text += ',';
    if (lineEnd)
        text += "\r\n";
    return 1;
}

int FakeSettingsFile::writeSection(int sectionId)
{
    auto found = names.find(sectionId);
    if (error || found == names.end())
        return 0;
    return writeValue("[" + found->second.name + "]", 0, 1);
}

int FakeSettingsFile::writeKey(int keyId)
{
    auto found = names.find(keyId);
    if (error || found == names.end())
        return 0;
    return writeValue(found->second.name + "=", 0, 0);
}

int FakeSettingsFile::writeInt(int value, int more, int lineEnd)
{
    return writeValue(std::to_string(value), more, lineEnd);
}

int FakeSettingsFile::writeBool(int value, int more, int lineEnd)
{
    return writeValue(value ? "TRUE" : "FALSE", more, lineEnd);
}

int FakeSettingsFile::writeDouble(double value, int decimals, int more, int lineEnd)
{
    char digits[460] = "";
    // A number that cannot be written fails like a write, never as a wrong value.
    if (!StringUtil::formatDouble(value, decimals, digits, 0)) {
        fail();
        return 0;
    }
    return writeValue(digits, more, lineEnd);
}

int FakeSettingsFile::writeDoubleRounded(double value, int decimals, int more, int lineEnd)
{
    char digits[460] = "";
    if (!StringUtil::formatDouble(value, decimals, digits, 1)) {
        fail();
        return 0;
    }
    return writeValue(digits, more, lineEnd);
}

int FakeSettingsFile::writeQuoted(const char* value, int more, int lineEnd)
{
    return writeValue(std::string("\"") + (value ? value : "") + "\"", more, lineEnd);
}
