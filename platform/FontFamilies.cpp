#include "platform/FontFamilies.h"

#include <cstring>
#include <map>
#include <string>

namespace {

// Keyed by the family name as asked ("" for every family). Family names compare byte for byte,
// as the system's own look-up of a name does not depend on anything the program changes.
std::map<std::string, std::vector<FontFamilyMember>>& keptFamilies()
{
    static std::map<std::string, std::vector<FontFamilyMember>> kept;
    return kept;
}

int CALLBACK keepMember(const LOGFONTA* font, const TEXTMETRICA* metric, DWORD fontType, LPARAM parameter)
{
    auto* members = reinterpret_cast<std::vector<FontFamilyMember>*>(parameter);
    if (!members || !font || !metric)
        return 1;
    FontFamilyMember member = {};
    // For every family type the callback gets an ENUMLOGFONT; a NEWTEXTMETRIC only for TrueType.
    member.font = *reinterpret_cast<const ENUMLOGFONTA*>(font);
    if (fontType & TRUETYPE_FONTTYPE)
        member.metric = *reinterpret_cast<const NEWTEXTMETRICA*>(metric);
    else
        std::memcpy(&member.metric, metric, sizeof(TEXTMETRICA));
    member.fontType = fontType;
    members->push_back(member);
    return 1;
}

} // namespace

const std::vector<FontFamilyMember>& fontFamilyMembers(const char* family)
{
    const std::string key = family ? family : "";
    auto& kept = keptFamilies();
    auto found = kept.find(key);
    if (found != kept.end())
        return found->second;
    HDC screen = GetDC(nullptr);
    if (!screen) {
        // Nothing is kept: the next question asks the system again.
        static const std::vector<FontFamilyMember> none;
        return none;
    }
    std::vector<FontFamilyMember> members;
    EnumFontFamiliesA(screen, key.empty() ? nullptr : key.c_str(), keepMember, reinterpret_cast<LPARAM>(&members));
    ReleaseDC(nullptr, screen);
    return kept.emplace(key, std::move(members)).first->second;
}

void forgetFontFamilies() { keptFamilies().clear(); }
