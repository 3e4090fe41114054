// The colour table files "USRCOLOR.TXT" and "DICCOLOR.TXT": their lines, what reading passes
// over, where the files are, the safe save, the buttons' edits, and damaged files.
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "dialogs/colour/NamedColorTable.h"
#include "tests/support/ByteMutation.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"

namespace {

std::string nameOf(const ColorEntry& e) { return e.name; }

std::vector<int> inksOf(const ColorEntry& e) { return {e.inks[0], e.inks[1], e.inks[2], e.inks[3]}; }

// A table on a file of these bytes in the scratch folder, read.
NamedColorTable loaded(const ScratchFolder& scratch, const std::string& bytes)
{
    NamedColorTable table("DICCOLOR.TXT");
    table.setPath(scratch.file("DICCOLOR.TXT", bytes).c_str());
    EXPECT_EQ(table.load(), 1);
    return table;
}

const std::string kHyou = "\x95\x5c"; // 表: its second byte is a backslash

} // namespace

TEST(ColourFile, EachLineIsAnEntryOrPassedOver)
{
    const std::string longName(200, 'n');
    const std::string pairs = kHyou + std::string(98, 'a'); // a pair at bytes 0-1, then 98 bytes
    struct Case {
        std::string line;
        int ok;
        int number;
        std::string name;
        std::vector<int> inks;
    };
    const Case cases[] = {
        {"1,\"紅\",0,100,100,0", 1, 1, "紅", {0, 100, 100, 0}},
        {"123,\"\",10,20,30,40", 1, 123, "123", {10, 20, 30, 40}},    // a blank name is the number
        {"123,\"   \",10,20,30,40", 1, 123, "123", {10, 20, 30, 40}},
        {"0,\"\",10,20,30,40", 1, 0, "", {10, 20, 30, 40}},           // a user colour's stays empty
        {" 7 , \"a,b\" ,1,2,3,4", 1, 7, "a,b", {1, 2, 3, 4}},          // blanks around numbers; a comma in the name
        {"5,\"" + longName + "\",1,2,3,4", 1, 5, std::string(79, 'n'), {1, 2, 3, 4}},
        {"5,\"x" + pairs + "\",1,2,3,4", 1, 5, "x" + pairs.substr(0, 78), {1, 2, 3, 4}},
        {"5,\"x" + std::string(77, 'a') + kHyou + "\",1", 1, 5, "x" + std::string(77, 'a'), {1, 0, 0, 0}}, // no half pair
        {"9,\"few\",10,20", 1, 9, "few", {10, 20, 0, 0}},              // missing values are 0
        {"9,\"none\"", 1, 9, "none", {0, 0, 0, 0}},
        {"9,\"wide\",999,-5,100,0", 1, 9, "wide", {100, 0, 100, 0}},   // kept within 0..100
        {"9,\"more\",1,2,3,4,5", 1, 9, "more", {1, 2, 3, 4}},
        {"9,\"lone\x82\",1,2,3,4", 1, 9, "lone\x82", {1, 2, 3, 4}},   // a lone lead byte counts as one byte
        {"nine,\"word\",1,2,3,4", 0, 0, "", {}},                        // words for numbers
        {"9,\"word\",one,2,3,4", 0, 0, "", {}},
        {"12345678901,\"big\",1,2,3,4", 0, 0, "", {}},
        {"9,noquotes,1,2,3,4", 0, 0, "", {}},
        {"9,\"open,1,2,3,4", 0, 0, "", {}},
        {"\"only a name\"", 0, 0, "", {}},
        {",\"no number\",1,2,3,4", 0, 0, "", {}},
    };
    for (const Case& c : cases) {
        ColorEntry entry;
        entry.number = -1;
        ASSERT_EQ(parseColorLine(c.line.data(), static_cast<int>(c.line.size()), entry), c.ok) << c.line;
        if (!c.ok) {
            EXPECT_EQ(entry.number, -1) << "a bad line leaves the entry: " << c.line;
            continue;
        }
        EXPECT_EQ(entry.number, c.number) << c.line;
        EXPECT_EQ(nameOf(entry), c.name) << c.line;
        EXPECT_EQ(inksOf(entry), c.inks) << c.line;
    }
    // The screen colour follows the inks.
    ColorEntry cyan;
    const std::string line = "1,\"c\",100,0,0,0";
    ASSERT_EQ(parseColorLine(line.data(), static_cast<int>(line.size()), cyan), 1);
    EXPECT_EQ(std::vector<int>(cyan.rgb, cyan.rgb + 3), std::vector<int>({0, 255, 255}));
    EXPECT_EQ(formatColorLine(cyan), line);
}

TEST(ColourFile, ReadingGoesOnPastBlankBadAndOverLongLinesAndTheSaveKeepsWhatWasRead)
{
    TestApplication app;
    ScratchFolder scratch;
    // CR LF, CR alone and LF alone end lines; a blank line in the middle does not end the table;
    // the tail of an over-long line is no entry of its own.
    const std::string overLong = "3,\"long\",1,2,3,4," + std::string(300, ' ') + "\r\n" ;
    const std::string tail = std::string(250, 'x') + "8,\"tail\",1,2,3,4\r\n";
    const std::string bytes = "1,\"a\",1,0,0,0\r\n\r\n2,\"b\",0,1,0,0\r\r\n" + overLong +
                              std::string("3,\"") + std::string(260, 'q') + tail + "bad line\n4,\"d\",0,0,0,1";
    NamedColorTable table = loaded(scratch, bytes);
    std::vector<std::string> names;
    for (int i = 0; i < table.count(); ++i)
        names.push_back(table.getAt(i)->name);
    EXPECT_EQ(names, std::vector<std::string>({"a", "b", "long", "d"}));
    EXPECT_EQ(table.findByNumber(4), 3);
    EXPECT_EQ(table.findByNumber(8), -1);

    // A user colour added and saved: every entry read is written again, the new one with 0.
    ColorEntry added;
    added.setName("mine");
    const int inks[4] = {5, 6, 7, 8};
    added.setInks(inks);
    ASSERT_EQ(table.insertAfterCurrent(added), 1);
    EXPECT_EQ(table.modified, 1);
    ASSERT_EQ(table.saveIfModified(), 1);
    EXPECT_EQ(table.modified, 0);
    EXPECT_EQ(ScratchFolder::read(table.path()), "1,\"a\",1,0,0,0\r\n2,\"b\",0,1,0,0\r\n3,\"long\",1,2,3,4\r\n"
                                                  "4,\"d\",0,0,0,1\r\n0,\"mine\",5,6,7,8\r\n");
    // Read back, the user colour keeps its empty number and name rules.
    NamedColorTable again = loaded(scratch, ScratchFolder::read(table.path()));
    ASSERT_EQ(again.count(), 5);
    EXPECT_EQ(again.getAt(4)->number, 0);
    EXPECT_EQ(nameOf(*again.getAt(4)), "mine");
}

namespace {
BOOL WINAPI failingWrite(HANDLE, LPCVOID, DWORD, LPDWORD written, LPOVERLAPPED)
{
    if (written)
        *written = 0;
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}
} // namespace

TEST(ColourFile, AFailedSaveLeavesTheOldFileAndNoTemporaryOne)
{
    TestApplication app;
    ScratchFolder scratch;
    const std::string old = "1,\"a\",1,0,0,0\r\n";
    NamedColorTable table = loaded(scratch, old);
    ColorEntry entry;
    entry.setName("b");
    ASSERT_EQ(table.insertAfterCurrent(entry), 1);
    {
        ImportPatch patch("kernel32.dll", "WriteFile", reinterpret_cast<void*>(failingWrite));
        ASSERT_NE(patch.original(), nullptr);
        EXPECT_EQ(table.saveIfModified(), 0);
    }
    EXPECT_EQ(table.modified, 1) << "the change waits for the next save";
    EXPECT_EQ(ScratchFolder::read(table.path()), old);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((scratch.path() + "*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "left behind: " << found.cFileName;
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    ASSERT_EQ(table.saveIfModified(), 1);
    EXPECT_EQ(ScratchFolder::read(table.path()), old + "0,\"b\",0,0,0,0\r\n");
}

TEST(ColourFile, TheFilesLieBesideTheProgramWhateverItsCommandLine)
{
    TestApplication app;
    char module[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, module, sizeof module);
    ASSERT_GT(n, 0u);
    std::string folder(module, n);
    folder.erase(folder.rfind('\\') + 1);
    for (const char* commandLine : {"\"C:\\Program Files\\other\\korvane.exe\" C:\\dwg\\a.ycx",
                                    "korvane.exe \"D:\\drawings\\b c.ycx\"", ""}) {
        app->commandLine = commandLine;
        EXPECT_EQ(NamedColorTable("DICCOLOR.TXT").path(), folder + "DICCOLOR.TXT") << commandLine;
        EXPECT_EQ(NamedColorTable("USRCOLOR.TXT").path(), folder + "USRCOLOR.TXT") << commandLine;
    }
}

TEST(NamedColorTable, TheButtonsEditAroundTheCurrentEntry)
{
    NamedColorTable table("USRCOLOR.TXT");
    auto entry = [](const char* name) {
        ColorEntry e;
        e.setName(name);
        return e;
    };
    auto names = [&] {
        std::string all;
        for (int i = 0; i < table.count(); ++i)
            all += table.getAt(i)->name;
        return all;
    };
    // Without a current entry only "後に追加" acts, appending.
    EXPECT_EQ(table.insertBeforeCurrent(entry("x")), 0);
    EXPECT_EQ(table.changeCurrent(entry("x")), 0);
    EXPECT_EQ(table.deleteCurrent(), 0);
    EXPECT_EQ(table.modified, 0);
    ASSERT_EQ(table.insertAfterCurrent(entry("a")), 1);
    ASSERT_EQ(table.insertAfterCurrent(entry("c")), 1);
    EXPECT_EQ(names(), "ac");
    table.current = 1;
    ASSERT_EQ(table.insertBeforeCurrent(entry("b")), 1); // the new entry is the current one
    EXPECT_EQ(names(), "abc");
    EXPECT_EQ(table.current, 1);
    ASSERT_EQ(table.insertAfterCurrent(entry("B")), 1);
    EXPECT_EQ(names(), "abBc");
    ASSERT_EQ(table.changeCurrent(entry("X")), 1);
    EXPECT_EQ(names(), "aXBc");
    ASSERT_EQ(table.deleteCurrent(), 1);
    EXPECT_EQ(names(), "aBc");
    EXPECT_EQ(table.current, -1);
    EXPECT_EQ(table.modified, 1);
    // Indices outside the table.
    EXPECT_EQ(table.getAt(3), nullptr);
    EXPECT_EQ(table.getAt(-1), nullptr);
    EXPECT_EQ(table.removeAt(3), 0);
    EXPECT_EQ(table.replaceAt(-1, entry("z")), 0);
    EXPECT_EQ(table.insertAt(-1, entry("z")), 0);
    ASSERT_EQ(table.insertAt(99, entry("z")), 1);
    EXPECT_EQ(names(), "aBcz");
}

TEST(ColourFile, JunkEveryCutAndSeededDamageAreReadWithoutHarm)
{
    TestApplication app;
    ScratchFolder scratch;
    const std::string good = "1,\"紅\",0,100,100,0\r\n22,\"\",10,20,30,40\r\n\r\n0,\"user\",1,2,3,4\r\n";
    for (size_t cut = 0; cut <= good.size(); ++cut) {
        NamedColorTable table = loaded(scratch, good.substr(0, cut));
        EXPECT_LE(table.count(), 3) << cut;
    }
    std::mt19937 random(52);
    for (int i = 0; i < 2000; ++i) {
        const std::string bytes = mutateBytes(good, random, ",\"\r\n\x82-0123456789", "");
        NamedColorTable table = loaded(scratch, bytes);
        for (int e = 0; e < table.count(); ++e) {
            for (int ink : table.getAt(e)->inks)
                ASSERT_TRUE(ink >= 0 && ink <= 100) << i;
            ASSERT_LT(std::string(table.getAt(e)->name).size(), 80u) << i;
        }
    }
    // Ten megabytes of junk.
    std::string junk(10 * 1024 * 1024, '\0');
    for (char& c : junk)
        c = static_cast<char>(random() & 0xFF);
    NamedColorTable table = loaded(scratch, junk);
    EXPECT_LT(table.count(), 1000);
}
