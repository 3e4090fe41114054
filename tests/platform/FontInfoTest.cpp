// Font descriptions and the installed families under the test locale: face lists, the default
// Japanese face, styles a family lacks, cell sizes. Face names are never written out here: the
// faces are whatever the prefix has installed.
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>
#include <windows.h>

#include "platform/Control.h"
#include "platform/DeviceContext.h"
#include "platform/FontHolder.h"
#include "platform/FontInfo.h"
#include "platform/FrameWindow.h"
#include "platform/GlobalBlock.h"
#include "tests/support/ImportPatch.h"

namespace {

// A combo box stand-in that keeps its items.
class RecordingList : public Control {
public:
    int reset() override
    {
        items.clear();
        return 1;
    }
    int addString(const char* text) override
    {
        items.push_back(text);
        return 1;
    }
    int selectByText(const char* text) override
    {
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i] == text) {
                selected = static_cast<int>(i);
                return selected + 1;
            }
        return -1;
    }
    int getSelectedText(char* buffer, int size) override
    {
        if (selected < 0 || size < 1)
            return 0;
        lstrcpynA(buffer, items[static_cast<size_t>(selected)].c_str(), size);
        return lstrlenA(buffer);
    }
    std::vector<std::string> items;
    int selected = -1;
};

// What the system says of each family, asked directly: TrueType or not, and with which character
// sets (a family is enumerated once per character set).
struct Installed {
    std::set<BYTE> charsets;
    bool trueType = false;
};
struct Families {
    std::vector<std::pair<std::string, Installed>> list;
    std::string firstShiftJisTrueType;   // the first enumerated TrueType face with Shift-JIS
};
int CALLBACK collect(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM parameter)
{
    auto& families = *reinterpret_cast<Families*>(parameter);
    const bool trueType = (type & TRUETYPE_FONTTYPE) != 0;
    if (families.firstShiftJisTrueType.empty() && trueType && font->lfCharSet == SHIFTJIS_CHARSET)
        families.firstShiftJisTrueType = font->lfFaceName;
    for (auto& family : families.list)
        if (family.first == font->lfFaceName) {
            family.second.charsets.insert(font->lfCharSet);
            return 1;
        }
    Installed installed;
    installed.charsets.insert(font->lfCharSet);
    installed.trueType = trueType;
    families.list.emplace_back(font->lfFaceName, installed);
    return 1;
}
// All families, or the one of that name.
Families installedFamilies(const char* name = nullptr)
{
    Families families;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesA(screen, name, collect, reinterpret_cast<LPARAM>(&families));
    ReleaseDC(nullptr, screen);
    return families;
}

// Every text measured or drawn resolves its face: the families are asked once per name and kept,
// with the same answers, until the frame hears that the installed fonts changed.
TEST(FontInfo, FamiliesAreEnumeratedOncePerNameUntilTheFontsChange)
{
    FontInfo chosen;
    chosen.chooseDefaultFace();
    const std::string face = chosen.getFaceName();
    struct EnumerationTag;
    ImportCounter<EnumerationTag, int, HDC, LPCSTR, FONTENUMPROCA, LPARAM> enumerations("gdi32.dll", "EnumFontFamiliesA");
    ASSERT_TRUE(enumerations.installed());
    // The frame's answer to WM_FONTCHANGE forgets them (no window is needed for that).
    (void)frameWindowProcedure(nullptr, WM_FONTCHANGE, 0, 0);
    for (int i = 0; i < 50; ++i) {
        FontInfo info;
        ASSERT_EQ(info.setFontCell(face.c_str(), 1 + i % 4, 20, 20), 1);
        EXPECT_STREQ(info.getFaceName(), face.c_str());
        EXPECT_EQ(info.isTrueType, 1);
        EXPECT_EQ(info.hasFace(face.c_str()), 1);
        EXPECT_EQ(info.hasFace("KorvaneNoSuchFace"), 0);
        EXPECT_EQ(info.setFont("KorvaneNoSuchFace", 1, 12), 0);
    }
    EXPECT_EQ(enumerations.calls(), 2) << "the face and the missing face, once each";
    (void)frameWindowProcedure(nullptr, WM_FONTCHANGE, 0, 0);
    FontInfo again;
    ASSERT_EQ(again.setFontCell(face.c_str(), 1, 20, 20), 1);
    EXPECT_EQ(enumerations.calls(), 3);
}

TEST(FontInfo, FaceListsHoldEachInstalledFaceOnceWithoutVerticalFaces)
{
    const auto installed = installedFamilies().list;
    std::set<std::string> trueTypeFaces, allFaces;
    for (const auto& family : installed)
        if (family.first[0] != '@') {
            allFaces.insert(family.first);
            if (family.second.trueType)
                trueTypeFaces.insert(family.first);
        }
    ASSERT_FALSE(trueTypeFaces.empty());
    ASSERT_LT(trueTypeFaces.size(), allFaces.size()) << "the prefix has families of other kinds too";

    FontInfo info;
    info.setFaceName("KorvaneNoSuchFace");
    RecordingList list;
    list.items = {"left over"};
    ASSERT_EQ(info.fillFaceList(&list), 1);
    // The installed TrueType faces once each, then the own face, which is not installed.
    ASSERT_FALSE(list.items.empty());
    EXPECT_EQ(list.items.back(), "KorvaneNoSuchFace");
    list.items.pop_back();
    EXPECT_EQ(std::set<std::string>(list.items.begin(), list.items.end()), trueTypeFaces);
    EXPECT_EQ(list.items.size(), trueTypeFaces.size()) << "no face twice";

    info.trueTypeOnly = 0;
    ASSERT_EQ(info.fillInstalledFaceList(&list), 1);
    EXPECT_EQ(std::set<std::string>(list.items.begin(), list.items.end()), allFaces);
    EXPECT_EQ(list.items.size(), allFaces.size());

    // An own face that is installed is not added again.
    info.setFaceName(list.items.front().c_str());
    ASSERT_EQ(info.fillFaceList(&list), 1);
    EXPECT_EQ(list.items.size(), allFaces.size());
    EXPECT_EQ(info.faceListed, 1);
    EXPECT_EQ(info.selectFaceInControl(&list), 1);
    EXPECT_EQ(info.fillFaceList(nullptr), 0);

    // The face records: each face once, Shift-JIS where any of its enumerations is.
    info.trueTypeOnly = 1;
    GlobalBlock records;
    ASSERT_EQ(info.listFamilies(&records), 1);
    EXPECT_EQ(records.elementSize, 260);
    ASSERT_EQ(records.count, static_cast<int>(trueTypeFaces.size()));
    int shiftJis = 0;
    for (int i = 0; i < records.count; ++i) {
        FaceRecord record;
        ASSERT_EQ(records.get(i, &record), 1);
        EXPECT_EQ(trueTypeFaces.count(record.faceName), 1u) << record.faceName;
        for (const auto& family : installed) {
            if (family.first != record.faceName)
                continue;
            EXPECT_EQ(record.isShiftJis, family.second.charsets.count(SHIFTJIS_CHARSET) ? 1 : 0) << record.faceName;
        }
        shiftJis += record.isShiftJis;
    }
    EXPECT_GT(shiftJis, 0) << "the IPA faces";
    GlobalBlock points(5, 8);
    int p = 1;
    ASSERT_EQ(points.append(&p), 1);
    EXPECT_EQ(info.listFamilies(&points), 0) << "a block of other elements";
}

TEST(FontInfo, TheDefaultFaceIsATrueTypeShiftJisFace)
{
    // The stock system face is not enumerable, so it does not count as TrueType.
    FontInfo system;
    system.useSystemFont();
    EXPECT_EQ(system.isTrueType, 0);

    // Without "ＭＳ ゴシック" and "ＭＳ 明朝" among the enumerated families (the test prefix only
    // substitutes them), the first TrueType family of the Shift-JIS character set.
    FontInfo info;
    info.chooseDefaultFace();
    const std::string face = info.getFaceName();
    EXPECT_EQ(info.found, 1);
    EXPECT_EQ(info.isTrueType, 1) << face;
    EXPECT_EQ(info.getCharset(), SHIFTJIS_CHARSET) << face;
    const Families chosen = installedFamilies(face.c_str());
    ASSERT_EQ(chosen.list.size(), 1u) << face;
    EXPECT_EQ(chosen.firstShiftJisTrueType, face);
    FontInfo probe;
    const char* preferred = probe.hasFace("ＭＳ ゴシック") ? "ＭＳ ゴシック" : probe.hasFace("ＭＳ 明朝") ? "ＭＳ 明朝" : nullptr;
    EXPECT_EQ(face, preferred ? preferred : installedFamilies().firstShiftJisTrueType);
    EXPECT_EQ(info.hasFace(face.c_str()), 1);
    EXPECT_STREQ(info.getFaceName(), face.c_str()) << "asking leaves the face";
    EXPECT_EQ(info.hasFace("KorvaneNoSuchFace"), 0);
    EXPECT_EQ(info.setFaceIfInstalled("KorvaneNoSuchFace"), 0);
    EXPECT_STREQ(info.getFaceName(), face.c_str());

    // A face taken from a list gets its character set.
    RecordingList list;
    list.items = {face};
    list.selected = 0;
    FontInfo taken;
    taken.setCharset(ANSI_CHARSET);
    EXPECT_EQ(taken.takeFaceFromControl(&list), 1);
    EXPECT_STREQ(taken.getFaceName(), face.c_str());
    EXPECT_EQ(taken.getCharset(), SHIFTJIS_CHARSET);

    // The context selects the font the description makes.
    DeviceContext dc;
    ASSERT_EQ(dc.createMemoryDc(), 1);
    ASSERT_EQ(dc.selectFont(info), 1);
    char selected[LF_FACESIZE] = {};
    GetTextFaceA(dc.hdc, sizeof selected, selected);
    EXPECT_EQ(face, selected);
    EXPECT_EQ(dc.font->current, dc.font->owned);
}

TEST(FontInfo, StylesAFamilyLacksAreMadeAndCellsSized)
{
    FontInfo info;
    info.chooseDefaultFace();
    const std::string face = info.getFaceName();

    // The IPA faces have only a Regular member: the others are made bold and italic by GDI.
    struct StyleCase {
        int style;
        LONG weight;
        BYTE italic;
    };
    const StyleCase styles[] = {{1, FW_NORMAL, 0}, {2, FW_BOLD, 0}, {3, FW_NORMAL, 1}, {4, FW_BOLD, 1}};
    for (const StyleCase& c : styles) {
        FontInfo font;
        ASSERT_EQ(font.setFontCell(face.c_str(), c.style, 10, 20), 1) << c.style;
        EXPECT_EQ(font.logFont().lfWeight, c.weight) << c.style;
        EXPECT_EQ(font.logFont().lfItalic, c.italic) << c.style;
        EXPECT_EQ(font.logFont().lfHeight, -20);
        EXPECT_EQ(font.size, 20);
        EXPECT_EQ(font.style, c.style);
        EXPECT_STREQ(font.getFaceName(), face.c_str());
    }
    FontInfo missing;
    missing.setFaceName("before");
    EXPECT_EQ(missing.setFont("KorvaneNoSuchFace", 2, 12), 0);
    EXPECT_STREQ(missing.getFaceName(), "before") << "the LOGFONT stays";

    // The width follows the face's proportions; a square cell takes the face's own width.
    struct CellCase {
        LONG height;
        LONG width;
        int w;
        int h;
        LONG newWidth;
    };
    const CellCase cells[] = {{-16, 8, 10, 20, 5}, {-16, 8, 12, 12, 0}, {16, 8, 10, 20, 5}, {-16, 0, 10, 20, 5},
                              {0, 0, 10, 20, 5},   {-4, 8, 10, 20, 5},  {-16, 8, 30, 20, 15}};
    for (const CellCase& c : cells) {
        FontInfo font;
        LOGFONTA description = {};
        description.lfHeight = c.height;
        description.lfWidth = c.width;
        font.setLogFont(description);
        font.setCellSize(c.w, c.h);
        EXPECT_EQ(font.logFont().lfWidth, c.newWidth) << c.height << " " << c.width << " " << c.w << "x" << c.h;
        EXPECT_EQ(font.logFont().lfHeight, -c.h);
    }

    RecordingList list;
    ASSERT_EQ(info.fillStyleList(&list), 1);
    const std::vector<std::string> names = {"標準", "ﾎﾞｰﾙﾄﾞ", "ｲﾀﾘｯｸ", "ﾎﾞｰﾙﾄﾞｲﾀﾘｯｸ"};
    EXPECT_EQ(list.items, names);
    EXPECT_EQ(info.fillStyleList(nullptr), 0);

    // A copy takes style, size and the font record; readFrom takes a font's LOGFONT.
    FontInfo copy;
    copy.copyFrom(info);
    EXPECT_STREQ(copy.getFaceName(), face.c_str());
    HFONT created = info.createFont();
    ASSERT_NE(created, nullptr);
    FontInfo read;
    EXPECT_EQ(read.readFrom(created), 1);
    EXPECT_STREQ(read.getFaceName(), face.c_str());
    DeleteObject(created);
    NEWTEXTMETRICA metrics = {};
    info.metrics = &metrics;
    EXPECT_EQ(info.queryMetrics(face.c_str()), 1);
    EXPECT_EQ(metrics.tmCharSet, SHIFTJIS_CHARSET) << "the face's first enumeration";
}

} // namespace
