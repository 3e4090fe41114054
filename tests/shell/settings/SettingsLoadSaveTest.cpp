// korvane.ini in the test prefix's Windows directory: every section goes to its owner whatever
// the order, damaged parts are skipped without losing the rest, a save replaces the file only
// whole, and the drawing environment, folders, layer names, paper and parts lists survive a
// restart.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

#include "document/DrawingGrid.h"
#include "document/FolderMemory.h"
#include "document/LayerTable.h"
#include "document/PartsLibrary.h"
#include "document/SheetSettings.h"
#include "geometry/PickSettings.h"
#include "platform/StringUtil.h"
#include "platform/WindowsDirectory.h"
#include "shell/GlobalManagers.h"
#include "shell/settings/SettingsIds.h"
#include "shell/settings/SettingsSections.h"
#include "tests/shell/settings/SettingsFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"
#include "tests/support/UnixScript.h"
#include "views/ScreenResolution.h"

namespace {

const char kLayerWord[] = "\x83\x8C\x83\x43\x83\x84\x81\x5B"; // "レイヤー"

struct Environment {
    int dpi;
    int mode;
    int rgb[3];
};

Environment environmentNow()
{
    Environment e{theScreenResolution->dpi(), thePickSettings->encloseMode, {}};
    thePickSettings->pickColour.getRgbArray(e.rgb);
    return e;
}

SheetSettings& paperDefaults() { return *dynamic_cast<SheetSettings*>(thePaperDefaults); }

// The file's sections as blocks (each from its line to the next one), in file order.
std::vector<std::string> sectionsOf(const std::string& bytes)
{
    std::vector<std::string> blocks;
    size_t at = 0;
    while (at < bytes.size()) {
        size_t next = bytes.find("\r\n[", at);
        next = next == std::string::npos ? bytes.size() : next + 2;
        blocks.push_back(bytes.substr(at, next - at));
        at = next;
    }
    return blocks;
}

std::string joined(const std::vector<std::string>& blocks)
{
    std::string bytes;
    for (const std::string& block : blocks)
        bytes += block;
    return bytes;
}

// A folder of exactly `length` characters under the temporary path, made for the test.
std::string folderOfLength(size_t length)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "k26-";
    folder += std::string(length - folder.size(), 'd');
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string forcedFolder;
UINT forcedWindowsDirectory(char* buffer, UINT size)
{
    if (forcedFolder.size() >= size)
        return static_cast<UINT>(forcedFolder.size() + 1);
    lstrcpyA(buffer, forcedFolder.c_str());
    return static_cast<UINT>(forcedFolder.size());
}

} // namespace

TEST(SettingsLoad, EverySectionReachesItsOwnerAndDamageIsSkipped)
{
    struct Case {
        const char* what;
        std::string bytes;
        Environment expected;
        int fakeSections; // sections the recording owner of FONTCHGTABLE read
    };
    const std::string dpi96 = "[DRAWENVIRONMENT]\r\nDISPLAYDPI=96\r\n";
    const Case cases[] = {
        {"only the resolution", dpi96, {96, 1, {0, 255, 255}}, 0},
        {"unknown sections and keys", "[NOSUCH]\r\nA=1\r\nB=2,3\r\n[DRAWENVIRONMENT]\r\nC=4\r\nDISPLAYDPI=96\r\n",
         {96, 1, {0, 255, 255}}, 0},
        {"a key before any section", "DISPLAYDPI=50\r\n" + dpi96, {96, 1, {0, 255, 255}}, 0},
        {"a parts list without library", "[PARTS04]\r\nPARTSNAME=\"a.ycx\",0,0\r\n[PARTS05]\r\n" + dpi96,
         {96, 1, {0, 255, 255}}, 0},
        {"an owner that gives up in its section",
         "[FONTCHGTABLE]\r\nFONTINTODSP=1\r\nFONTINTODSP=2\r\nFONTINTODSP=3\r\n" + dpi96, {96, 1, {0, 255, 255}}, 1},
        {"an owner that gives up before the next section",
         "[FONTCHGTABLE]\r\nFONTINTODSP=1\r\nFONTINTODSP=2\r\n[FONTCHGTABLE]\r\n" + dpi96, {96, 1, {0, 255, 255}}, 2},
        {"the resolution below its range", "[DRAWENVIRONMENT]\r\nDISPLAYDPI=0\r\n", {10, 1, {0, 255, 255}}, 0},
        {"the resolution above its range", "[DRAWENVIRONMENT]\r\nDISPLAYDPI=500\r\n", {200, 1, {0, 255, 255}}, 0},
        {"the part mode", "[DRAWENVIRONMENT]\r\nHOWTOPICK=\"PART\"\r\n", {72, 2, {0, 255, 255}}, 0},
        {"an unknown mode", "[DRAWENVIRONMENT]\r\nHOWTOPICK=\"ANY\"\r\nDISPLAYDPI=80\r\n", {80, 1, {0, 255, 255}}, 0},
        {"a colour", "[DRAWENVIRONMENT]\r\nPICKRGB=1,2,3\r\n", {72, 1, {1, 2, 3}}, 0},
        {"a colour of two numbers", "[DRAWENVIRONMENT]\r\nPICKRGB=1,2\r\nDISPLAYDPI=80\r\n", {80, 1, {0, 255, 255}}, 0},
        {"a colour out of range", "[DRAWENVIRONMENT]\r\nPICKRGB=1,2,300\r\n", {72, 1, {0, 255, 255}}, 0},
        {"a value that ends the file", "[DRAWENVIRONMENT]\r\nDISPLAYDPI=96", {96, 1, {0, 255, 255}}, 0},
    };
    TestApplication app;
    MessageBoxScript boxes;
    SettingsFileScope place;
    for (const Case& c : cases) {
        ApplicationManagers managers;
        RecordingOwner fake(settings_id::FontChangeTable);
        fake.giveUpAfter = 1;
        ScopedOverride owner(*settingsOwnerSlot(settings_id::FontChangeTable), &fake);
        putSettings(c.bytes);
        EXPECT_EQ(loadAppSettings(), 1) << c.what;
        const Environment got = environmentNow();
        EXPECT_EQ(got.dpi, c.expected.dpi) << c.what;
        EXPECT_EQ(got.mode, c.expected.mode) << c.what;
        EXPECT_EQ(thePickSettings->activeMode, c.expected.mode) << c.what;
        EXPECT_EQ(std::vector<int>(got.rgb, got.rgb + 3), std::vector<int>(c.expected.rgb, c.expected.rgb + 3))
            << c.what;
        EXPECT_EQ(fake.sectionsRead, c.fakeSections) << c.what;
        // Everything else keeps its default.
        EXPECT_EQ(theFolderMemory->drawingFolder[0], 0) << c.what;
        EXPECT_EQ(theLayerTable->hasDefaultName(5), 1) << c.what;
        EXPECT_EQ(paperDefaults().verticalMm, 210.0) << c.what;
        EXPECT_EQ(existingPartsLibrary(1)->partCount(), 0) << c.what;
    }
    // Without a file nothing changes and the load says so.
    ApplicationManagers managers;
    theScreenResolution->setDpi(120);
    DeleteFileA(settingsPath().c_str());
    EXPECT_EQ(loadAppSettings(), 0);
    EXPECT_EQ(theScreenResolution->dpi(), 120);
    EXPECT_TRUE(boxes.shown().empty());
}

// The colour model the settings keep is in force from the load on (the settings are read at
// start-up, before any colour); a value other than 0, 1 or 2 reads as 0, and a section without
// the key leaves the model.
TEST(SettingsLoad, TheColourModelComesFromItsKeyAndABadValueReadsAsZero)
{
    TestApplication app;
    MessageBoxScript boxes;
    SettingsFileScope place;
    const struct {
        const char* line;
        int model;
    } cases[] = {{"COLORMODEL=2", 2},  {"COLORMODEL=1", 1},         {"COLORMODEL=0", 0},    {"COLORMODEL=3", 0},
                 {"COLORMODEL=-1", 0}, {"COLORMODEL=\"CMYK\"", 0}, {"COLORMODEL=2x", 0}, {"DISPLAYDPI=96", 1}};
    for (const auto& c : cases) {
        ApplicationManagers managers;
        ScopedOverride<int> model(app->colorModel, 1);
        putSettings(std::string("[DRAWENVIRONMENT]\r\n") + c.line + "\r\n");
        EXPECT_EQ(loadAppSettings(), 1) << c.line;
        EXPECT_EQ(app->colorModel, c.model) << c.line;
    }
}

// The file's end closes the last value as a line end does: a file written by hand often lacks its
// final line end, and its last key counts all the same, whether the lines end in CR LF or LF. A
// name that the end cuts off before its "=" has no value and changes nothing.
TEST(SettingsLoad, TheLastKeyCountsWithOrWithoutALineEnd)
{
    struct Case {
        const char* what;
        std::string bytes;
        int model; // 1 is the model before the load
        Environment expected;
    };
    const Environment defaults{72, 1, {0, 255, 255}};
    const Case cases[] = {
        {"CR LF, the last line ended", "[DRAWENVIRONMENT]\r\nCOLORMODEL=2\r\n", 2, defaults},
        {"CR LF, the last line open", "[DRAWENVIRONMENT]\r\nCOLORMODEL=2", 2, defaults},
        {"LF, the last line ended", "[DRAWENVIRONMENT]\nCOLORMODEL=2\n", 2, defaults},
        {"LF, the last line open", "[DRAWENVIRONMENT]\nCOLORMODEL=2", 2, defaults},
        {"the key after the model, open", "[DRAWENVIRONMENT]\r\nCOLORMODEL=2\r\nDISPLAYDPI=96", 2,
         {96, 1, {0, 255, 255}}},
        {"the key after the model, LF, open", "[DRAWENVIRONMENT]\nCOLORMODEL=2\nDISPLAYDPI=96", 2,
         {96, 1, {0, 255, 255}}},
        {"a lone key, open", "[DRAWENVIRONMENT]\r\nDISPLAYDPI=96", 1, {96, 1, {0, 255, 255}}},
        {"the last of three values, open", "[DRAWENVIRONMENT]\r\nPICKRGB=1,2,3", 1, {72, 1, {1, 2, 3}}},
        {"a quoted value, open", "[DRAWENVIRONMENT]\r\nHOWTOPICK=\"PART\"", 1, {72, 2, {0, 255, 255}}},
        {"a name cut off before its value", "[DRAWENVIRONMENT]\r\nDISPLAYDPI=96\r\nCOLORMODEL", 1,
         {96, 1, {0, 255, 255}}},
    };
    TestApplication app;
    MessageBoxScript boxes;
    SettingsFileScope place;
    for (const Case& c : cases) {
        ApplicationManagers managers;
        ScopedOverride<int> model(app->colorModel, 1);
        putSettings(c.bytes);
        EXPECT_EQ(loadAppSettings(), 1) << c.what;
        const Environment got = environmentNow();
        EXPECT_EQ(app->colorModel, c.model) << c.what;
        EXPECT_EQ(got.dpi, c.expected.dpi) << c.what;
        EXPECT_EQ(got.mode, c.expected.mode) << c.what;
        EXPECT_EQ(std::vector<int>(got.rgb, got.rgb + 3), std::vector<int>(c.expected.rgb, c.expected.rgb + 3))
            << c.what;
    }
}

TEST(SettingsSave, AFailedSaveKeepsTheOldFileAndSaysSoOnce)
{
    TestApplication app;
    MessageBoxScript boxes;
    SettingsFileScope place;
    ApplicationManagers managers;

    // The file is korvane.ini in the Windows directory of the test prefix.
    AppSettingsFile file;
    ASSERT_EQ(file.bindPath(), 1);
    EXPECT_EQ(std::string(file.path().getPath()), settingsPath());
    ASSERT_EQ(saveAppSettings(), 1);
    const std::string old = settingsBytes();
    ASSERT_GT(old.size(), 50u);
    theScreenResolution->setDpi(150);

    // A writer that fails after the first key of its section: the new file goes, the old stays.
    RecordingOwner failing(settings_id::ShortcutKeyTable);
    failing.lines = {{settings_id::ShortcutKey, {1, 2}}, {settings_id::ShortcutKey, {3}}};
    failing.failAfter = 1;
    {
        ScopedOverride owner(*settingsOwnerSlot(settings_id::ShortcutKeyTable), &failing);
        EXPECT_EQ(saveAppSettings(), 0);
    }
    EXPECT_EQ(settingsBytes(), old);
    EXPECT_FALSE(ScratchFolder::exists(settingsPath().substr(0, settingsPath().size() - 3) + "tmp"));
    EXPECT_EQ(boxes.texts(), "Write Error");

    // A read-only korvane.ini is not replaced.
    boxes.clear();
    ASSERT_TRUE(SetFileAttributesA(settingsPath().c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(saveAppSettings(), 0);
    ASSERT_TRUE(SetFileAttributesA(settingsPath().c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(settingsBytes(), old);
    EXPECT_EQ(boxes.texts(), "Write Error");

    // A Windows directory that makes the path 259 characters still works; one more and the file
    // is neither written nor read.
    boxes.clear();
    const std::string fits = folderOfLength(259 - 1 - 11);
    const std::string tooLong = folderOfLength(260 - 1 - 11);
    {
        ScopedHook<WindowsDirectoryQuery> directory(setWindowsDirectoryQuery, forcedWindowsDirectory);
        forcedFolder = fits;
        EXPECT_EQ(saveAppSettings(), 1);
        EXPECT_TRUE(ScratchFolder::exists(fits + "\\korvane.ini"));
        EXPECT_EQ(loadAppSettings(), 1);
        EXPECT_TRUE(boxes.shown().empty());
        forcedFolder = tooLong;
        EXPECT_EQ(saveAppSettings(), 0);
        EXPECT_EQ(loadAppSettings(), 0);
    }
    EXPECT_EQ(boxes.texts(), "Write Error");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((tooLong + "\\*.*").c_str(), &found);
    int entries = 0;
    if (search != INVALID_HANDLE_VALUE) {
        do
            ++entries;
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    EXPECT_EQ(entries, 2) << "only . and ..: nothing was written";
    DeleteFileA((fits + "\\korvane.ini").c_str());
    RemoveDirectoryA(fits.c_str());
    RemoveDirectoryA(tooLong.c_str());
    EXPECT_EQ(settingsBytes(), old);
}

TEST(SettingsSave, TheDefaultsGiveWellFormedShiftJisLinesInTheFixedOrder)
{
    TestApplication app;
    MessageBoxScript boxes;
    SettingsFileScope place;
    ApplicationManagers managers;
    // Owners of sections that other parts of the program will fill, to see the order.
    RecordingOwner toolbar(settings_id::DispToolbar), fonts(settings_id::FontChangeTable),
        keys(settings_id::ShortcutKeyTable), psFaces(settings_id::PsFontFaceTable);
    ScopedOverride o1(*settingsOwnerSlot(settings_id::DispToolbar), &toolbar);
    ScopedOverride o2(*settingsOwnerSlot(settings_id::FontChangeTable), &fonts);
    ScopedOverride o3(*settingsOwnerSlot(settings_id::ShortcutKeyTable), &keys);
    ScopedOverride o4(*settingsOwnerSlot(settings_id::PsFontFaceTable), &psFaces);
    toolbar.lines = {{settings_id::DispToolHint, {1}}};
    theLayerTable->setName(5, kLayerWord);
    StringUtil::copy(theFolderMemory->drawingFolder, "C:\\\x83\x5C\\");
    ASSERT_EQ(saveAppSettings(), 1);
    const std::string bytes = settingsBytes();

    EXPECT_NE(bytes.find("[DRAWENVIRONMENT]\r\nDISPLAYDPI=72\r\nHOWTOPICK=\"WHOLE\"\r\nPICKRGB=0,255,255\r\n"
                         "COLORMODEL=0\r\n"),
              std::string::npos);
    std::vector<std::string> order;
    for (const std::string& block : sectionsOf(bytes))
        order.push_back(block.substr(0, block.find("\r\n")));
    const std::vector<std::string> expected = {
        "[DISPTOOLBAR]",     "[DRAWENVIRONMENT]", "[FONTCHGTABLE]", "[SHORTCUTKEYTABLE]", "[FILEINFO]",
        "[PSFONTFACETABLE]", "[YOUSI]",           "[GRID]",         "[LAYERNAME]",        "[SETSENGA]",
        "[SETTEXT]",         "[SETBEZIER]",       "[SETMEASURE]",      "[INKINFO]",         "[PARTS01]",
        "[PARTS02]",         "[PARTS03]"};
    EXPECT_EQ(order, expected);

    // An outside reader: the bytes decode as CP932 and every line is a section or key line.
    ScratchFolder scratch;
    const std::string copy = scratch.file("korvane.ini", bytes);
    const std::string check =
        "set -e\n"
        "iconv -f CP932 -t UTF-8 '" + unixPathOf(copy) + "' > /dev/null\n"
        "python3 - '" + unixPathOf(copy) + "' <<'EOF'\n"
        "import re, sys\n"
        "data = open(sys.argv[1], 'rb').read()\n"
        "assert data.endswith(b'\\r\\n')\n"
        "lines = data[:-2].split(b'\\r\\n')\n"
        "assert all(b'\\n' not in l and b'\\r' not in l for l in lines)\n"
        "name = rb'[^\\x00-\\x1f=,\\[\\]]+'\n"
        "value = rb'[^\\x00-\\x1f,]*'\n"
        "for l in lines:\n"
        "    assert re.fullmatch(rb'\\[' + name + rb'\\]', l) or re.fullmatch(name + b'=' + value + b'(,' + value + b')*', l), l\n"
        "order = [b'DISPTOOLBAR', b'DRAWENVIRONMENT', b'FONTCHGTABLE', b'SHORTCUTKEYTABLE', b'FILEINFO',\n"
        "         b'PSFONTFACETABLE', b'PDFFONTFACETABLE', b'YOUSI', b'GRID', b'LAYERNAME', b'SETSENGA', b'SETTEXT',\n"
        "         b'SETBEZIER', b'SETMEASURE', b'INKINFO', b'PARTS01', b'PARTS02', b'PARTS03']\n"
        "seen = [order.index(l[1:-1]) for l in lines if l.startswith(b'[')]\n"
        "assert seen == sorted(seen) and len(set(seen)) == len(seen), seen\n"
        "EOF\n";
    EXPECT_EQ(runUnixScript(check, scratch.pathOf("check")), 0);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST(SettingsLoad, WhatWasSavedComesBackInAnySectionOrder)
{
    TestApplication app;
    MessageBoxScript boxes;
    SettingsFileScope place;
    RecordingOwner fonts(settings_id::FontChangeTable), keys(settings_id::ShortcutKeyTable),
        pdf(settings_id::PdfFontFaceTable);
    fonts.lines = {{settings_id::FontIntoDisplay, {1, -2, 3}}, {settings_id::FontIntoDisplay, {40}}};
    keys.lines = {{settings_id::ShortcutKey, {65, 1012}}};
    pdf.lines = {};
    ScopedOverride o1(*settingsOwnerSlot(settings_id::FontChangeTable), &fonts);
    ScopedOverride o2(*settingsOwnerSlot(settings_id::ShortcutKeyTable), &keys);
    ScopedOverride o3(*settingsOwnerSlot(settings_id::PdfFontFaceTable), &pdf);
    std::string saved;
    {
        ApplicationManagers managers;
        theScreenResolution->setDpi(96);
        thePickSettings->encloseMode = PickSettings::kPart;
        thePickSettings->pickColour.setRgbAndInks(1, 2, 3);
        StringUtil::copy(theFolderMemory->drawingFolder, "C:\\drawings\\");
        StringUtil::copy(theFolderMemory->pdfFolder, "C:\\pdf\\");
        theLayerTable->setName(5, kLayerWord);
        theLayerTable->setName(255, "aux");
        ASSERT_EQ(paperDefaults().setSize(420.0, 297.0), 1);
        paperDefaults().setScaleDenominator(50);
        auto& grid = dynamic_cast<DrawingGrid&>(*theGridDefaults);
        grid.kind = DrawingGrid::kMesh;
        ASSERT_EQ(grid.setXNumerator(2.5), 1);
        ASSERT_EQ(existingPartsLibrary(2)->addPart("C:\\parts\\valve.ycx"), 1);
        ASSERT_EQ(saveAppSettings(), 1);
        saved = settingsBytes();
    }
    std::vector<std::string> blocks = sectionsOf(saved);
    ASSERT_GE(blocks.size(), 9u);
    std::vector<std::string> reversed(blocks.rbegin(), blocks.rend());
    std::vector<std::string> rotated = blocks;
    std::rotate(rotated.begin(), rotated.begin() + 4, rotated.end());
    for (const std::vector<std::string>& order : {blocks, reversed, rotated}) {
        ApplicationManagers managers;
        fonts.read.clear();
        keys.read.clear();
        pdf.sectionsRead = 0;
        putSettings(joined(order));
        ASSERT_EQ(loadAppSettings(), 1);
        ASSERT_EQ(fonts.read.size(), 2u);
        EXPECT_EQ(fonts.read[0].values, (std::vector<int>{1, -2, 3}));
        EXPECT_EQ(fonts.read[1].values, std::vector<int>{40});
        ASSERT_EQ(keys.read.size(), 1u);
        EXPECT_EQ(keys.read[0].key, settings_id::ShortcutKey);
        EXPECT_EQ(keys.read[0].values, (std::vector<int>{65, 1012}));
        EXPECT_EQ(pdf.sectionsRead, 1) << "an owner without keys still writes its section line";
        EXPECT_EQ(theScreenResolution->dpi(), 96);
        EXPECT_EQ(thePickSettings->activeMode, PickSettings::kPart);
        EXPECT_EQ(thePickSettings->pickColour.colorRef, RGB(1, 2, 3));
        EXPECT_STREQ(theFolderMemory->drawingFolder, "C:\\drawings\\");
        EXPECT_STREQ(theFolderMemory->pdfFolder, "C:\\pdf\\");
        EXPECT_STREQ(theLayerTable->nameOf(5), kLayerWord);
        EXPECT_STREQ(theLayerTable->nameOf(255), "aux");
        EXPECT_EQ(theLayerTable->hasDefaultName(6), 1);
        EXPECT_EQ(paperDefaults().verticalMm, 420.0);
        EXPECT_EQ(paperDefaults().scaleDenominator(), 50);
        EXPECT_EQ(theGridDefaults->gridKind(), DrawingGrid::kMesh);
        EXPECT_EQ(dynamic_cast<DrawingGrid&>(*theGridDefaults).xNumerator, 2.5);
        char path[260] = "";
        ASSERT_EQ(existingPartsLibrary(2)->partCount(), 1);
        ASSERT_EQ(existingPartsLibrary(2)->partPath(0, path, sizeof path), 1);
        EXPECT_STREQ(path, "C:\\parts\\valve.ycx");
        EXPECT_EQ(existingPartsLibrary(1)->partCount(), 0);
        // Saved again, the file is the same whatever order it was read in.
        ASSERT_EQ(saveAppSettings(), 1);
        EXPECT_EQ(settingsBytes(), saved);
    }
    EXPECT_TRUE(boxes.shown().empty());
}
