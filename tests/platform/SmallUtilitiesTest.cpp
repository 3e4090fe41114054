// Byte and bit routines, drive and free-space queries, the Windows-directory path, the shortcut
// key record and the overwrite question.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

#include "platform/ByteUtil.h"
#include "platform/Drives.h"
#include "platform/FileName.h"
#include "platform/MessageBoxes.h"
#include "platform/ShortcutKey.h"
#include "platform/WindowsDirectory.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/TestApplication.h"

namespace {

TEST(ByteUtil, BitsAreNumberedFromTheMostSignificantBitAndValuesStoredLittleEndian)
{
    EXPECT_EQ(keepHighBits(0xFF, 3), 0xF8);
    EXPECT_EQ(keepHighBits(0xFF, 0), 0xFF);
    EXPECT_EQ(keepHighBits(0xFF, 8), 0x00);
    EXPECT_EQ(keepHighBits(0xA5, 9), 0xA5);
    unsigned char b = 0xFF;
    keepLowBits(&b, 3);
    EXPECT_EQ(b, 0x1F);
    keepLowBits(&b, 0);
    EXPECT_EQ(b, 0x1F);

    unsigned char bits[2] = {0x00, 0x40};
    EXPECT_EQ(testBitMsbFirst(bits, 9), 1);
    EXPECT_EQ(testBitMsbFirst(bits, 8), 0);
    setBitMsbFirst(bits, 0);
    setBitMsbFirst(bits, 15);
    clearBitMsbFirst(bits, 9);
    EXPECT_EQ(bits[0], 0x80);
    EXPECT_EQ(bits[1], 0x01);

    unsigned char out[8] = {};
    EXPECT_EQ(putU16(out, 0x1234), 2);
    EXPECT_EQ(out[0], 0x34);
    EXPECT_EQ(getU16(out), 0x1234u);
    EXPECT_EQ(putU32Pair(out, 0x01020304, 0xA0B0C0D0), 8);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out), 8), std::string("\x04\x03\x02\x01\xD0\xC0\xB0\xA0", 8));

    char overlap[8] = "abcdef";
    copyBytesForward(overlap, overlap + 2, 4);
    EXPECT_STREQ(overlap, "cdefef");
}

// GetDiskFreeSpaceA answering 5 GiB free in 4096-byte clusters, for the root it was asked about.
std::string askedRoot;
BOOL WINAPI fiveGigabytes(LPCSTR root, DWORD* sectorsPerCluster, DWORD* bytesPerSector, DWORD* freeClusters,
                          DWORD* totalClusters)
{
    askedRoot = root ? root : "";
    *sectorsPerCluster = 8;
    *bytesPerSector = 512;
    *freeClusters = 5u * 262144u;
    *totalClusters = 10u * 262144u;
    return TRUE;
}

BOOL WINAPI noDisk(LPCSTR, DWORD*, DWORD*, DWORD*, DWORD*) { return FALSE; }

DWORD WINAPI onlyDriveC() { return 1u << 2; }

TEST(Drives, FreeSpaceIsSplitAtFourGigabytesAndAbsentDrivesAreLeftAlone)
{
    unsigned int low = 7;
    {
        ImportPatch patch("kernel32.dll", "GetDiskFreeSpaceA", reinterpret_cast<void*>(fiveGigabytes));
        ASSERT_NE(patch.original(), nullptr);
        EXPECT_EQ(diskFreeSpace("C:\\drawings\\a.ycx", &low), 1u);
        EXPECT_EQ(low, 1073741824u);
        EXPECT_EQ(askedRoot, "C:\\");
        EXPECT_EQ(diskFreeSpace("C:a.ycx", &low), 1u);
        EXPECT_EQ(askedRoot, "C:");
        FileName name;
        ASSERT_TRUE(name.setPathAndTitle("D:\\x.ycx"));
        EXPECT_EQ(diskFreeSpaceOf(name, &low), 1u);
        EXPECT_EQ(askedRoot, "D:\\");
    }
    {
        ImportPatch patch("kernel32.dll", "GetDiskFreeSpaceA", reinterpret_cast<void*>(noDisk));
        low = 7;
        EXPECT_EQ(diskFreeSpace("Q:\\", &low), 0u);
        EXPECT_EQ(low, 7u);
    }

    ImportPatch drives("kernel32.dll", "GetLogicalDrives", reinterpret_cast<void*>(onlyDriveC));
    ASSERT_NE(drives.original(), nullptr);
    char root[8] = "keep";
    char label[130] = "keep";
    EXPECT_EQ(driveInfo(3, root, sizeof root, label, sizeof label, 1, 1), 0);
    EXPECT_STREQ(root, "keep");
    EXPECT_STREQ(label, "keep");
    EXPECT_EQ(driveInfo(2, root, sizeof root, label, sizeof label, 1, 1), 1);
    EXPECT_STREQ(root, "C:\\");
    EXPECT_EQ(driveInfo(2, root, sizeof root, label, sizeof label, 0, 1), 1);
    EXPECT_STREQ(root, "C:");
}

TEST(WindowsDirectory, TheSettingsPathFitsOrStaysAsItWas)
{
    FileName name;
    ASSERT_EQ(setNameInWindowsDirectory(name, "korvane.ini"), 1);
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    EXPECT_EQ(std::string(name.getPath()), std::string(windows) + "\\korvane.ini");
    EXPECT_EQ(setNameInWindowsDirectory(name, std::string(250, 'n').c_str()), 0);
    EXPECT_EQ(std::string(name.getPath()), std::string(windows) + "\\korvane.ini");
}

TEST(ShortcutKey, CapturesDigitLetterOrFunctionKeyAndIsTakenOnce)
{
    BYTE saved[256];
    GetKeyboardState(saved);
    BYTE held[256] = {};
    held[VK_SHIFT] = 0x80;
    held['Q'] = 0x80;
    held[VK_F3] = 0x80;
    SetKeyboardState(held);
    ShortcutKey key;
    key.captureFromKeyboard();
    EXPECT_EQ(key.shift, 1);
    EXPECT_EQ(key.ctrl, 0);
    EXPECT_EQ(key.key, 'Q');
    held['Q'] = 0;
    SetKeyboardState(held);
    key.captureFromKeyboard();
    EXPECT_EQ(key.key, 103);
    held[VK_F3] = 0;
    held[VK_SHIFT] = 0;
    SetKeyboardState(held);
    key.captureFromKeyboard();
    EXPECT_EQ(key.key, 0);
    SetKeyboardState(saved);

    key.state = 1;
    EXPECT_EQ(key.takePending(), 1);
    EXPECT_EQ(key.takePending(), 0);
    EXPECT_EQ(key.state, 2);
    EXPECT_EQ(key.clearPending(), 0);
    EXPECT_EQ(key.state, 0);
}

TEST(MessageBoxes, TheOverwriteQuestionAndBoxesFromTheStringTable)
{
    TestApplication app;
    MessageBoxScript boxes;
    boxes.answer(IDOK);
    boxes.answer(IDCANCEL);
    EXPECT_EQ(confirmOverwrite(), 1);
    EXPECT_EQ(confirmOverwrite(), 2);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].text, "ファイルが存在します");
    EXPECT_EQ(boxes.shown()[0].caption, "重ね書きしますか？");
    EXPECT_EQ(boxes.shown()[0].style & MB_OKCANCEL, static_cast<UINT>(MB_OKCANCEL));
    // A missing entry asks nothing and answers Cancel.
    EXPECT_EQ(askOkCancelById(11036, 29999), 2);
    EXPECT_EQ(boxes.shown().size(), 2u);
}

} // namespace
