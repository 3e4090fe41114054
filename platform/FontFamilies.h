#pragma once
#include <windows.h>

#include <vector>

// The installed font families as EnumFontFamiliesA reports them on the screen DC, asked once per
// family name and kept: every later question about that family is answered from the kept
// members, in the order the system gave them. Font queries made for each text that is measured or
// drawn therefore cost no enumeration after the first. The lists are forgotten when the installed
// fonts change (the frame window calls forgetFontFamilies on WM_FONTCHANGE).
//
// One enumerated member: the ENUMLOGFONT and the NEWTEXTMETRIC the callback got (for families
// that are not TrueType only the TEXTMETRIC part is meaningful) and the font type.
struct FontFamilyMember {
    ENUMLOGFONTA font;
    NEWTEXTMETRICA metric;
    DWORD fontType;
};

// The members enumerated for a family name (null or "": every family); empty when the system
// lists none. The list stays valid until the next forgetFontFamilies.
[[nodiscard]] const std::vector<FontFamilyMember>& fontFamilyMembers(const char* family);
void forgetFontFamilies();
