#include "io/ForeignText.h"

#include <windows.h>

namespace {

// The length without a last character whose bytes the end cut off.
int withoutCutCharacter(const char* text, int length)
{
    int lead = length - 1;
    for (int back = 0; lead >= 0 && back < 3 && (static_cast<unsigned char>(text[lead]) & 0xC0) == 0x80; ++back)
        --lead;
    if (lead < 0)
        return length;
    const unsigned char b = static_cast<unsigned char>(text[lead]);
    const int needed = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    return length - lead < needed ? lead : length;
}

} // namespace

std::string utf8ToCodePage(const char* text, int length)
{
    if (!text || length < 1)
        return std::string();
    length = withoutCutCharacter(text, length);
    const int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, length, nullptr, 0);
    if (wide < 1)
        return std::string();
    std::wstring units(static_cast<size_t>(wide), L'\0');
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, length, &units[0], wide) != wide)
        return std::string();
    const int bytes = WideCharToMultiByte(CP_ACP, 0, units.data(), wide, nullptr, 0, nullptr, nullptr);
    if (bytes < 1)
        return std::string();
    std::string out(static_cast<size_t>(bytes), '\0');
    if (WideCharToMultiByte(CP_ACP, 0, units.data(), wide, &out[0], bytes, nullptr, nullptr) != bytes)
        return std::string();
    return out;
}
