// Buffered files: the line-end rules, the 4096-byte block boundary, rewinding, buffered writing
// and its checks, and temporary files.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/BufferedFile.h"
#include "platform/FileName.h"
#include "platform/TempFile.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"

namespace {

FileName nameOf(const std::string& path)
{
    FileName name;
    EXPECT_TRUE(name.setPathAndTitle(path.c_str()));
    return name;
}

// Every line readLine gives for the file, with buffers of `size` bytes.
std::vector<std::string> linesOf(const std::string& path, int size = 256)
{
    BufferedFile file;
    std::vector<std::string> lines;
    if (!file.openForRead(nameOf(path)))
        return lines;
    std::vector<char> buffer(static_cast<size_t>(size));
    int length;
    while ((length = file.readLine(buffer.data(), size)) >= 0) {
        EXPECT_EQ(length, static_cast<int>(std::string(buffer.data()).size()));
        lines.emplace_back(buffer.data());
    }
    return lines;
}

using Lines = std::vector<std::string>;

TEST(BufferedFile, ReadLineFollowsTheLineEndRules)
{
    ScratchFolder scratch;
    EXPECT_EQ(linesOf(scratch.file("crlf.txt", "abc\r\nde\n")), (Lines{"abc", "de"}));
    EXPECT_EQ(linesOf(scratch.file("lfcr.txt", "a\n\rb\r\n")), (Lines{"a", "b"}));
    EXPECT_EQ(linesOf(scratch.file("crcr.txt", "a\r\rb\n\nc\r\n")), (Lines{"a", "", "b", "", "c"}));
    EXPECT_EQ(linesOf(scratch.file("cr-at-end.txt", "a\r")), (Lines{"a"}));
    EXPECT_EQ(linesOf(scratch.file("empty.txt", "")), Lines{});
    EXPECT_EQ(linesOf(scratch.file("blank.txt", "\r\n")), (Lines{""}));

    // A last line without line end is returned, and then the end is reported.
    BufferedFile file;
    ASSERT_TRUE(file.openForRead(nameOf(scratch.file("abc.txt", "abc"))));
    char line[16];
    EXPECT_EQ(file.readLine(line, sizeof line), 3);
    EXPECT_STREQ(line, "abc");
    EXPECT_EQ(file.readLine(line, sizeof line), -1);
    EXPECT_EQ(file.readLine(line, sizeof line), -1);
}

TEST(BufferedFile, LongLinesAreCutAndTheirRestSkipped)
{
    ScratchFolder scratch;
    std::string longLine(300, 'x');
    Lines lines = linesOf(scratch.file("long.txt", longLine + "\r\nnext\r\n" + longLine), 100);
    EXPECT_EQ(lines, (Lines{std::string(99, 'x'), "next", std::string(99, 'x')}));

    // The cut never keeps half a character.
    std::string japanese = std::string(98, 'x') + "表示\r\nnext\r\n";
    EXPECT_EQ(linesOf(scratch.file("cut.txt", japanese), 100), (Lines{std::string(98, 'x'), "next"}));
    EXPECT_EQ(linesOf(scratch.file("fits.txt", japanese), 101), (Lines{std::string(98, 'x') + "表", "next"}));
    // A line of exactly size - 1 bytes is whole.
    EXPECT_EQ(linesOf(scratch.file("exact.txt", std::string(99, 'y') + "\r\nz"), 100),
              (Lines{std::string(99, 'y'), "z"}));
}

TEST(BufferedFile, ReadsAcrossTheBlockBoundary)
{
    ScratchFolder scratch;
    // A double-byte character whose second byte is the first byte of block 1.
    std::string bytes = std::string(4095, 'a') + "表\r\n";
    std::string path = scratch.file("split.txt", bytes);
    {
        BufferedFile file;
        ASSERT_TRUE(file.openForRead(nameOf(path)));
        char ch[2];
        for (int i = 0; i < 4095; ++i)
            ASSERT_TRUE(file.readChar(ch));
        ASSERT_TRUE(file.readChar(ch));
        EXPECT_EQ(std::string(ch, 2), "表");
        EXPECT_EQ(file.readPosition(), 4097u);
    }
    EXPECT_EQ(linesOf(path, 5000), (Lines{std::string(4095, 'a') + "表"}));

    // A CR as the last byte of block 0 and its LF as the first of block 1 are one line end.
    std::string pair = std::string(4095, 'b') + "\r\nc\r\n";
    EXPECT_EQ(linesOf(scratch.file("pair.txt", pair), 5000), (Lines{std::string(4095, 'b'), "c"}));

    // Many lines of every length over several blocks come back exactly.
    std::string text;
    Lines expected;
    for (int i = 0; i < 700; ++i) {
        std::string line(static_cast<size_t>(i * 7 % 53), static_cast<char>('a' + i % 26));
        expected.push_back(line);
        text += line + (i % 3 == 0 ? "\n" : "\r\n");
    }
    ASSERT_GT(text.size(), 3u * 4096u);
    EXPECT_EQ(linesOf(scratch.file("many.txt", text)), expected);
}

TEST(BufferedFile, ReadsCharactersBytesAndPositions)
{
    ScratchFolder scratch;
    std::string bytes;
    for (int i = 0; i < 10000; ++i)
        bytes += static_cast<char>('A' + i % 23);
    std::string path = scratch.file("data.bin", bytes);

    BufferedFile file;
    ASSERT_TRUE(file.openForRead(nameOf(path)));
    EXPECT_EQ(file.size(), 10000u);
    std::string block(5000, 0);
    ASSERT_TRUE(file.readExact(&block[0], 5000));
    EXPECT_EQ(block, bytes.substr(0, 5000));

    // seekTo positions inside a block, at a block start and back at 0.
    char line[16];
    unsigned char b = 0;
    ASSERT_TRUE(file.seekTo(5000));
    ASSERT_TRUE(file.readByte(b));
    EXPECT_EQ(b, static_cast<unsigned char>(bytes[5000]));
    ASSERT_TRUE(file.seekTo(8192));
    ASSERT_TRUE(file.peekByte(b));
    EXPECT_EQ(b, static_cast<unsigned char>(bytes[8192]));
    ASSERT_TRUE(file.seekTo(0));
    ASSERT_TRUE(file.readExact(line, 10));
    EXPECT_EQ(std::string(line, 10), bytes.substr(0, 10));
    ASSERT_TRUE(file.seekTo(9999));
    ASSERT_TRUE(file.readByte(b));
    EXPECT_FALSE(file.readByte(b));
    EXPECT_FALSE(file.peekByte(b));
    ASSERT_TRUE(file.seekTo(9990));
    EXPECT_FALSE(file.readExact(&block[0], 11));

    // skipToChar finds two-byte characters and counts the one read last.
    FileName text = nameOf(scratch.file("chars.txt", "ab表cd表e"));
    ASSERT_TRUE(file.openForRead(text));
    EXPECT_TRUE(file.skipToChar('\x95', '\x5C'));
    EXPECT_EQ(file.readPosition(), 4u);
    EXPECT_TRUE(file.skipToChar('\x95', '\x5C'));
    EXPECT_EQ(file.readPosition(), 4u);
    EXPECT_TRUE(file.skipToChar('d'));
    EXPECT_FALSE(file.skipToChar('z'));

    // A lead byte that is the file's last byte is read alone and nothing past the end.
    ASSERT_TRUE(file.openForRead(nameOf(scratch.file("lead.txt", "a\x95"))));
    char ch[2];
    ASSERT_TRUE(file.readChar(ch));
    ASSERT_TRUE(file.readChar(ch));
    EXPECT_EQ(static_cast<unsigned char>(ch[0]), 0x95);
    EXPECT_EQ(ch[1], 0);
    EXPECT_FALSE(file.readChar(ch));
}

TEST(BufferedFile, SeekToZeroRewindsAfterReading)
{
    ScratchFolder scratch;
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    BufferedFile file;
    ASSERT_TRUE(file.openForRead(nameOf(scratch.file("rewind.txt", text))));
    char line[64];
    for (int i = 0; i < 1500; ++i)
        ASSERT_GE(file.readLine(line, sizeof line), 0);
    EXPECT_STREQ(line, "line 1499");
    ASSERT_TRUE(file.seekTo(0));
    EXPECT_EQ(file.readLine(line, sizeof line), 6);
    EXPECT_STREQ(line, "line 0");
    EXPECT_EQ(file.readLine(line, sizeof line), 6);
    EXPECT_STREQ(line, "line 1");
}

DWORD WINAPI unknownFileSize(HANDLE, LPDWORD high)
{
    if (high)
        *high = 0;
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_FILE_SIZE;
}

TEST(BufferedFile, AFileWhoseSizeCannotBeReadIsNotOpened)
{
    ScratchFolder scratch;
    FileName name = nameOf(scratch.file("a.txt", "line\r\n"));
    BufferedFile file;
    {
        ImportPatch patch("kernel32.dll", "GetFileSize", reinterpret_cast<void*>(unknownFileSize));
        ASSERT_NE(patch.original(), nullptr);
        // It would read as an empty file.
        EXPECT_FALSE(file.openForRead(name));
        EXPECT_FALSE(file.isOpenFile());
    }
    // Nor is it left open: files are opened without sharing, and it opens again.
    ASSERT_TRUE(file.openForRead(name));
    EXPECT_EQ(file.size(), 6u);
}

TEST(BufferedFile, CreateEmptyRefusesAnExistingFile)
{
    ScratchFolder scratch;
    BufferedFile file;
    FileName existing = nameOf(scratch.file("old.txt", "keep"));
    EXPECT_FALSE(file.createEmpty(existing));
    EXPECT_EQ(ScratchFolder::read(existing.getPath()), "keep");
    EXPECT_TRUE(file.isReadable(existing));

    FileName fresh = nameOf(scratch.pathOf("new.txt"));
    EXPECT_FALSE(file.isReadable(fresh));
    EXPECT_TRUE(file.createEmpty(fresh));
    EXPECT_TRUE(ScratchFolder::exists(fresh.getPath()));
    EXPECT_TRUE(file.deleteFile(fresh));
    EXPECT_FALSE(ScratchFolder::exists(fresh.getPath()));
    EXPECT_TRUE(file.close()); // nothing open
}

TEST(BufferedFile, BufferedWritingProducesTheBytes)
{
    ScratchFolder scratch;
    FileName name = nameOf(scratch.pathOf("out.txt"));
    std::string expected;
    {
        BufferedFile file;
        ASSERT_TRUE(file.createEmpty(name));
        ASSERT_TRUE(file.openReadWrite(name));
        file.setBufferedWrite(1);
        // No second handle while it is open: files are not shared.
        BufferedFile other;
        EXPECT_FALSE(other.openForRead(name));

        std::string chunk(1000, 'q');
        for (int i = 0; i < 9; ++i) {
            ASSERT_TRUE(file.write(chunk.data(), static_cast<int>(chunk.size())));
            expected += chunk;
        }
        // Only whole blocks have gone to the file so far.
        EXPECT_EQ(file.bytesTransferred(), 8192u);
        ASSERT_TRUE(file.writeText("表示", 0, 1));
        ASSERT_TRUE(file.writeText("abcdef", 3, 0));
        ASSERT_TRUE(file.writeByte('!'));
        ASSERT_TRUE(file.writeLineEnd());
        expected += "表示\r\nabc!\r\n";
        ASSERT_TRUE(file.flush());
        EXPECT_EQ(file.bytesTransferred(), expected.size());
        EXPECT_TRUE(file.verifyWritten());
        EXPECT_TRUE(file.close());
    }
    EXPECT_EQ(ScratchFolder::read(name.getPath()), expected);
}

TEST(BufferedFile, WriteFailuresAreReported)
{
    ScratchFolder scratch;
    MessageBoxScript boxes;
    FileName name = nameOf(scratch.pathOf("short.txt"));
    BufferedFile file;
    ASSERT_TRUE(file.createEmpty(name));
    ASSERT_TRUE(file.openReadWrite(name));
    file.setBufferedWrite(1);
    ASSERT_TRUE(file.writeText("0123456789abcdef", 0, 0));
    ASSERT_TRUE(file.flush());
    // The file turns out shorter than what was written, as after a full disk.
    SetFilePointer(file.fileHandle(), 8, nullptr, FILE_BEGIN);
    SetEndOfFile(file.fileHandle());
    EXPECT_FALSE(file.verifyWritten());
    EXPECT_TRUE(file.close());
    EXPECT_EQ(boxes.texts(), "ファイル出力に失敗しました");

    // Writing to a file opened for reading fails with "Write Error", once per failed call.
    ASSERT_TRUE(file.openForRead(name));
    file.setBufferedWrite(0);
    EXPECT_FALSE(file.writeText("x", 0, 1));
    EXPECT_EQ(boxes.texts(), "ファイル出力に失敗しました | Write Error");
}

TEST(TempFile, MakesAYudFileAndDeletesIt)
{
    std::string path;
    {
        TempFile log;
        ASSERT_TRUE(log.createName("YUD"));
        path = log.fileName().getPath();
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        EXPECT_EQ(path.find(temp), 0u);
        EXPECT_EQ(std::string(log.fileName().getTitle()).substr(0, 3), "YUD");
        EXPECT_TRUE(ScratchFolder::exists(path));

        ASSERT_TRUE(log.open());
        ASSERT_TRUE(log.write("record-one", 10));
        ASSERT_TRUE(log.seekRelative(-3));
        char tail[4] = {};
        ASSERT_TRUE(log.readBytes(tail, 3));
        EXPECT_STREQ(tail, "one");
        ASSERT_TRUE(log.seekAbsolute(0));
        char head[7] = {};
        ASSERT_TRUE(log.readBytes(head, 6));
        EXPECT_STREQ(head, "record");
        unsigned long long freeBytes = 0;
        EXPECT_TRUE(log.freeDiskSpace(freeBytes));
        EXPECT_GT(freeBytes, 0u);
    }
    EXPECT_FALSE(ScratchFolder::exists(path));
}

} // namespace
