// The tag writer's value forms and the tag reader's scanning and value reading, on a document
// bound to a scratch file without a drawing behind it.
#include <gtest/gtest.h>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

#include "document/Document.h"
#include "document/TagDictionary.h"
#include "geometry/TagIds.h"
#include "platform/BufferedFile.h"
#include "platform/FileName.h"
#include "platform/StringUtil.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"

namespace {

// A document whose tag reader or writer works on one scratch file.
class TagProbe : public Document {
public:
    std::string writeWith(const std::function<void(TagProbe&)>& body, int kind = 1)
    {
        std::string path = scratch.pathOf("w.ycx");
        DeleteFileA(path.c_str());
        EXPECT_TRUE(setPath(path.c_str()) && ioFile()->createEmpty(*this) && ioFile()->openReadWrite(*this));
        ioFile()->setBufferedWrite(1);
        attachWriter(ioFile(), &tags);
        fileKind = kind;
        body(*this);
        // A flush or close that fails shows in the bytes read back, which every test compares.
        (void)ioFile()->flush();
        (void)ioFile()->close();
        attachWriter(nullptr, nullptr);
        return ScratchFolder::read(path);
    }
    void readFrom(const std::string& bytes)
    {
        (void)ioFile()->close(); // the file of an earlier read, opened for reading only
        EXPECT_TRUE(setPath(scratch.file("r.ycx", bytes).c_str()) && ioFile()->openForRead(*this));
        attachReader(ioFile(), &tags);
        dataErrorCount = 0;
    }
    ~TagProbe() override { (void)ioFile()->close(); }
    // Reads through a file of its own (of another block size).
    void readThrough(BufferedFile& file, const std::string& bytes)
    {
        FileName name;
        EXPECT_TRUE(name.setPathAndTitle(scratch.file("b.ycx", bytes).c_str()) && file.openForRead(name));
        attachReader(&file, &tags);
        dataErrorCount = 0;
    }

    ScratchFolder scratch;
    TagDictionary tags;
};

} // namespace

TEST(TagWriter, SectionsValuesAndNumbersHaveTheirFixedForms)
{
    TagProbe probe;
    std::string bytes = probe.writeWith([](TagProbe& w) {
        ASSERT_TRUE(w.beginTag(tag_id::header));
        ASSERT_TRUE(w.writeIntTag(tag_id::layer, -12));
        ASSERT_TRUE(w.writeDoubleTag(tag_id::lineSize, 12.5, 3));
        ASSERT_TRUE(w.writeDoubleTag(tag_id::lineSize, 3.0, 3));
        ASSERT_TRUE(w.writeDoubleTag(tag_id::lineSize, 0.25, 5));
        ASSERT_TRUE(w.writeDoubleTag(tag_id::lineSize, -2.3, 5));
        ASSERT_TRUE(w.writeDoubleTag(tag_id::lineSize, 2.3, 5));
        ASSERT_TRUE(w.writeDoubleTag(tag_id::lineSize, 1.23456789, 9));
        ASSERT_TRUE(w.writeDoubleTag(tag_id::lineSize, -0.125, 2));
        ASSERT_TRUE(w.writeDoubleTag(tag_id::lineSize, -0.125, 2, 1));
        ASSERT_TRUE(w.writeStringTag(tag_id::fileName, "a\"b\r\nc"));
        ASSERT_TRUE(w.beginElement(1));
        ASSERT_TRUE(w.openValueTag(tag_id::xyAray));
        ASSERT_TRUE(w.writeDoubleValue(1.5, 5, 1, 1, 0));
        ASSERT_TRUE(w.writeIntValue(2, 0, 1, 0));
        ASSERT_TRUE(w.writeDoubleListItem(0.1, 5));
        ASSERT_TRUE(w.writeQuoted("x\"y", -1, 0, 0, 1, 0));
        ASSERT_TRUE(w.closeValueTag(tag_id::xyAray));
        ASSERT_TRUE(w.endElement(1));
        ASSERT_TRUE(w.endTag(tag_id::header));
        EXPECT_EQ(w.beginTag(4000), 0) << "an id without a name writes nothing";
        EXPECT_EQ(w.level, 0);
    });
    EXPECT_EQ(bytes, "<header>\r\n"
                     " <layer>-12</layer>\r\n"
                     " <lineSize>12.5</lineSize>\r\n"
                     " <lineSize>3</lineSize>\r\n"
                     " <lineSize>0.25</lineSize>\r\n"
                     " <lineSize>-2.3</lineSize>\r\n"
                     " <lineSize>2.3</lineSize>\r\n"
                     " <lineSize>1.23456</lineSize>\r\n"
                     " <lineSize>-0.12</lineSize>\r\n"
                     " <lineSize>-0.13</lineSize>\r\n"
                     " <fileName>\"abc\"</fileName>\r\n"
                     " <line>\r\n"
                     "  <xyAray>[1.5,2,0.1,\"x\"y\"]</xyAray>\r\n"
                     " </line>\r\n"
                     "</header>\r\n");

    // Element tags only in the own format.
    bytes = probe.writeWith([](TagProbe& w) { EXPECT_EQ(w.beginElement(1), 0); }, 2);
    EXPECT_EQ(bytes, "");
}

TEST(TagWriter, HexDataAndWrappedListsBreakAtTheLineWidth)
{
    TagProbe probe;
    std::string data(100, '\0');
    for (int i = 0; i < 100; ++i)
        data[i] = static_cast<char>(i * 7);
    std::string bytes = probe.writeWith([&](TagProbe& w) {
        w.level = 4;
        ASSERT_TRUE(w.openValueTag(tag_id::binHex));
        ASSERT_TRUE(w.writeHexData(data.data(), 100, 0));
        ASSERT_TRUE(w.closeValueTag(tag_id::binHex));
        EXPECT_EQ(w.wrapMode, 0) << "wrap mode returns to its former state";
        w.setLineWrap(1);
        ASSERT_TRUE(w.openValueTag(tag_id::xyAray));
        for (int i = 0; i < 30; ++i)
            ASSERT_TRUE(w.writeDoubleValue(1000.125 + i, 3, i == 0, i < 29, i == 29));
        ASSERT_TRUE(w.closeValueTag(tag_id::xyAray));
    });
    std::string hex;
    for (unsigned char c : data) {
        const char* digits = "0123456789ABCDEF";
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    // "    <binHex>" is 12 columns, so the first line takes 34 pairs to reach 80.
    std::string expected = "    <binHex>" + hex.substr(0, 68) + "\r\n" + hex.substr(68, 80) + "\r\n" + hex.substr(148) +
                           "</binHex>\r\n";
    EXPECT_EQ(bytes.substr(0, expected.size()), expected);

    std::string list = bytes.substr(expected.size());
    size_t lineEnd = list.find("\r\n");
    ASSERT_NE(lineEnd, std::string::npos);
    EXPECT_GT(lineEnd, 80u);
    EXPECT_LT(lineEnd, 80u + 10u) << "a line end follows the first item past the width";
    EXPECT_EQ(list[lineEnd - 1], ',');
    EXPECT_EQ(list.substr(list.size() - 12), "]</xyAray>\r\n");
}

TEST(TagWriter, AFailedWriteStopsEveryLaterWrite)
{
    MessageBoxScript boxes;
    TagProbe probe;
    probe.writeWith([](TagProbe& w) {
        // The file is read-only now: the buffered bytes go out on a flush that fails.
        ASSERT_EQ(w.ioFile()->close(), 1);
        ASSERT_EQ(w.ioFile()->openForRead(w), 1);
        w.ioFile()->setBufferedWrite(0);
        EXPECT_EQ(w.beginTag(tag_id::tesvanCADml), 0);
        EXPECT_EQ(w.ioError, -1);
        EXPECT_EQ(w.writeIntTag(tag_id::layer, 1), 0);
        EXPECT_EQ(w.endTag(tag_id::tesvanCADml), 0);
    });
    EXPECT_EQ(boxes.texts(), "Write Error") << "one Write Error for the failed write, none after it";
}

TEST(TagWriter, ARealWithoutATextFailsTheWrite)
{
    // More than 40 integer digits have no text in the file: the write fails instead of the
    // value going out as another number.
    MessageBoxScript boxes;
    TagProbe probe;
    std::string bytes = probe.writeWith([](TagProbe& w) {
        EXPECT_EQ(w.writeDoubleTag(tag_id::lineSize, 2.5, 3), 1);
        EXPECT_EQ(w.writeDoubleTag(tag_id::lineSize, 1e40, 3), 0);
        EXPECT_EQ(w.ioError, -1);
        EXPECT_EQ(w.writeDoubleTag(tag_id::lineSize, 1.0, 3), 0) << "nothing is written after it";
    });
    EXPECT_EQ(bytes, "<lineSize>2.5</lineSize>\r\n");
    EXPECT_EQ(boxes.texts(), "Write Error");

    TagProbe list;
    bytes = list.writeWith([](TagProbe& w) {
        ASSERT_TRUE(w.openValueTag(tag_id::xyAray));
        EXPECT_EQ(w.writeDoubleValue(1.5, 5, 1, 1, 0), 1);
        EXPECT_EQ(w.writeDoubleListItem(-3e41, 5), 0);
        EXPECT_EQ(w.writeDoubleLine(2.0, 5), 0);
        EXPECT_EQ(w.closeValueTag(tag_id::xyAray), 0);
    });
    EXPECT_EQ(bytes, "<xyAray>[1.5,");
    EXPECT_EQ(boxes.texts(), "Write Error | Write Error");
}

TEST(TagReader, FindsTagsAndReadsTheirValues)
{
    TagProbe probe;
    probe.readFrom("<?xml version=\"1.0\"?>\r\n<!--- x --->\r\n<tesvanCADmlx><header/>\r\n"
                   "<layer>12</layer><layer>13<group>-4</group>\r\n"
                   "<lineSize> 1\r\n2.50x</lineSize><lineSize>-.5</lineSize><lineSize></lineSize>\r\n"
                   "<xyAray>[1.5, 2,-3.25]</xyAray><fileName>\"\x95\x5C\"\"ab\"</fileName><b>\"TRUE\"</b>\r\n"
                   "<foo>skipped</foo> rest of line\r\n<page>");
    int id = 0;
    ASSERT_EQ(probe.nextTag(id), 1);
    EXPECT_EQ(id, tag_id::header) << "the declaration, comment and a longer root name are passed over";
    EXPECT_EQ(probe.isEmptyForm(), 1);
    EXPECT_EQ(probe.isClosingTag(), 0);

    // A value with its closing tag and one followed directly by the next tag read the same.
    int value = 0;
    ASSERT_EQ(probe.nextTag(id), 1);
    ASSERT_EQ(probe.readInt(value), 1);
    EXPECT_EQ(value, 12);
    ASSERT_EQ(probe.expectTag(tag_id::layer), 1);
    EXPECT_EQ(probe.isClosingTag(), 1);
    ASSERT_EQ(probe.nextTag(id), 1);
    ASSERT_EQ(probe.readInt(value), 1);
    EXPECT_EQ(value, 13);
    ASSERT_EQ(probe.nextTag(id), 1);
    EXPECT_EQ(id, tag_id::group);
    ASSERT_EQ(probe.readInt(value), 1);
    EXPECT_EQ(value, -4);
    ASSERT_EQ(probe.expectTag(tag_id::group), 1);

    double real = 0;
    ASSERT_EQ(probe.nextTag(id), 1);
    ASSERT_EQ(probe.readDouble(real), 1);
    EXPECT_EQ(real, 12.5) << "control characters inside are skipped, 'x' ends the number";
    ASSERT_EQ(probe.expectTag(tag_id::lineSize), 1);
    ASSERT_EQ(probe.nextTag(id), 1);
    ASSERT_EQ(probe.readDouble(real), 1);
    EXPECT_EQ(real, -0.5);
    ASSERT_EQ(probe.expectTag(tag_id::lineSize), 1);
    ASSERT_EQ(probe.nextTag(id), 1);
    ASSERT_EQ(probe.readDouble(real), 1);
    EXPECT_EQ(real, 0.0);
    ASSERT_EQ(probe.expectTag(tag_id::lineSize), 1);

    ASSERT_EQ(probe.nextTag(id), 1);
    EXPECT_EQ(id, tag_id::xyAray);
    double items[3] = {};
    for (double& item : items)
        ASSERT_EQ(probe.readListDouble(item), 1);
    EXPECT_EQ(items[0], 1.5);
    EXPECT_EQ(items[1], 2.0);
    EXPECT_EQ(items[2], -3.25);
    ASSERT_EQ(probe.expectTag(tag_id::xyAray), 1);

    char text[8];
    ASSERT_EQ(probe.nextTag(id), 1);
    ASSERT_EQ(probe.readQuoted(text, sizeof text), 1);
    EXPECT_STREQ(text, "\x95\x5C") << "a trail byte is never taken for a quote or a backslash";
    ASSERT_EQ(probe.readQuoted(text, 2), 1);
    EXPECT_STREQ(text, "a") << "the next item starts at the next quote, cut to its buffer";
    ASSERT_EQ(probe.expectTag(tag_id::fileName), 1);
    int flag = 0;
    ASSERT_EQ(probe.nextTag(id), 1);
    ASSERT_EQ(probe.readBool(flag), 1);
    EXPECT_EQ(flag, 1);
    ASSERT_EQ(probe.expectTag(tag_id::b), 1);

    ASSERT_EQ(probe.nextTag(id), 1);
    EXPECT_EQ(id, tag_id::page) << "\"foo\" is unknown: the reader went on to \"page\"";
    EXPECT_EQ(probe.nextTag(id), 0) << "the end of the file";
}

// The reader looks at the bytes where the file's block holds them: a block boundary anywhere in a
// name, a value, a quoted text, a list or between a lead byte and its trail byte (which may be a
// '<', a '"', a ',' or a NUL) changes nothing that is read.
TEST(TagReader, ReadsTheSameWhereverABlockEnds)
{
    const std::string bytes = std::string("<tesvanCADml>\r\n <layer>12</layer>\r\n"
                                          "  <fileName>\"\x95\x5C\x81\"\x82\xA0\"</fileName><fileName>\"a\x81") +
                              '\0' +
                              "b\"</fileName>\r\n <xyAray>[1.5, \x81,2\x82\xA0,-3]</xyAray>\r\n"
                              "<lineSize>\x88\x9F\x81<x</lineSize><lineSize>1\x81" +
                              '\0' +
                              "\x82</lineSize>\r\n<\x82\xA0\x81>\r\n<group=<b]<x/>\r\n<layer,\x82\xA0\r\n"
                              "<fileName>\"\xFC";
    // What the reader makes of it: every tag with its flags, and the values after some of them.
    auto transcript = [&](BufferedFile& file) {
        TagProbe probe;
        probe.readThrough(file, bytes);
        std::string out;
        int id = 0;
        while (probe.nextTag(id)) {
            out += std::to_string(id);
            for (int flag = 0; flag < 8; ++flag)
                out += probe.delimiterFlag(flag) ? '1' : '0';
            char text[8];
            int number = 0;
            if (id == tag_id::fileName && !probe.isClosingTag()) {
                const int read = probe.readQuoted(text, sizeof text);
                out += " q" + std::to_string(read) + ":" + text;
            } else if (id == tag_id::xyAray && !probe.isClosingTag()) {
                for (int i = 0; i < 4 && probe.readListInt(number); ++i)
                    out += " i" + std::to_string(number) + (probe.atTagStart() ? "<" : "");
            } else if (id == tag_id::lineSize && !probe.isClosingTag()) {
                const int read = probe.readValueText(text, sizeof text);
                out += " v" + std::to_string(read) + ":" + text;
            } else if (id == tag_id::layer && !probe.isClosingTag()) {
                out += probe.skipLine() ? " line" : " end";
            }
            out += "|";
        }
        (void)file.close();
        return out;
    };
    BufferedFile whole;
    const std::string expected = transcript(whole);
    EXPECT_NE(expected.find(" q1:\x95\x5C\x81\"\x82\xA0|"), std::string::npos) << expected;
    EXPECT_NE(expected.find(" q1:a\x81" "b|"), std::string::npos) << "a NUL trail byte is not kept: " << expected;
    EXPECT_NE(expected.find(" i1 i2 i-3 i0<|"), std::string::npos) << expected;
    EXPECT_NE(expected.find(" v1:\x88\x9F\x81<x|"), std::string::npos) << expected;
    EXPECT_NE(expected.find(" q0:\xFC|"), std::string::npos) << expected;
    for (int block = 1; block <= 24; ++block) {
        BufferedFile file(block);
        EXPECT_EQ(transcript(file), expected) << "block of " << block << " bytes";
    }
}

// Reals are converted as correctly as strtod does, also past the short form the writer uses.
TEST(TagReader, ReadsRealsToTheNearestDouble)
{
    std::string text;
    std::vector<std::string> numbers;
    unsigned state = 7;
    for (int i = 0; i < 3000; ++i) {
        state = state * 1664525u + 1013904223u;
        char number[64];
        int decimals = static_cast<int>(state >> 28) % 6;
        double value = static_cast<double>(state % 2000000000u) / 1000.0 - 1000000.0;
        ASSERT_NE(StringUtil::formatDouble(value, decimals, number, 0), nullptr);
        numbers.push_back(number);
    }
    for (const char* hard : {"12345678901234567890.5", "0.00000000000000000000000123", "9007199254740993",
                             "0.1", "1e5", "-0"})
        numbers.push_back(hard);
    for (const std::string& n : numbers)
        text += "<lineSize>" + n + "</lineSize>\r\n";
    TagProbe probe;
    probe.readFrom(text);
    for (const std::string& n : numbers) {
        int id = 0;
        double value = -1;
        ASSERT_EQ(probe.nextTag(id), 1);
        ASSERT_EQ(probe.readDouble(value), 1);
        std::string digits = n.substr(0, n.find('e'));
        EXPECT_EQ(value, std::strtod(digits.c_str(), nullptr)) << n;
        ASSERT_EQ(probe.expectTag(tag_id::lineSize), 1);
    }
}

TEST(TagReader, SkipsLinesAndChecksDataLengths)
{
    MessageBoxScript boxes;
    TagProbe probe;
    probe.readFrom("<horizontal>1</horizontal> <layer>1</layer>\r\n<bitmapData>\"abcdef\" <binHex>0a ff\r\n12,3</binHex>\r\n");
    int id = 0;
    ASSERT_EQ(probe.nextTag(id), 1);
    ASSERT_EQ(probe.skipLine(), 1);
    ASSERT_EQ(probe.nextTag(id), 1);
    EXPECT_EQ(id, tag_id::bitmapData) << "the rest of the line went with it";

    char block[8] = {};
    EXPECT_EQ(probe.readQuotedBlock(block, 9, sizeof block, tag_id::bitmapData), 0) << "longer than its buffer";
    EXPECT_EQ(probe.readQuotedBlock(block, -1, sizeof block, tag_id::bitmapData), 0);
    EXPECT_EQ(probe.readQuotedBlock(block, 4, sizeof block, tag_id::bitmapData), 1);
    EXPECT_EQ(std::string(block, 4), "abcd");
    EXPECT_EQ(probe.dataErrorCount, 2);
    EXPECT_EQ(boxes.texts(), "</bitmapData>のデータがエラーです") << "only the first data error of a read is shown";

    ASSERT_EQ(probe.nextTag(id), 1);
    unsigned char bytes[4] = {9, 9, 9, 9};
    EXPECT_EQ(probe.readHexBytes(bytes, 1000000, 1 << 20, tag_id::binHex), 0) << "more than the file holds";
    EXPECT_EQ(probe.readHexBytes(bytes, 4, sizeof bytes, tag_id::binHex), 0) << "',' ends the data early";
    EXPECT_EQ(bytes[0], 0x0A);
    EXPECT_EQ(bytes[1], 0xFF);
    EXPECT_EQ(bytes[2], 0x12) << "line ends between the pairs are skipped";
    EXPECT_EQ(bytes[3], 0);
    EXPECT_EQ(probe.dataErrorCount, 3);
}

TEST(TagReader, ReportsAMissingTagEveryTime)
{
    MessageBoxScript boxes;
    TagProbe probe;
    probe.readFrom("<layer>1<group><layer>3<group>");
    int id = 0;
    int value = 0;
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(probe.nextTag(id), 1);
        ASSERT_EQ(probe.readInt(value), 1);
        EXPECT_EQ(probe.expectTag(tag_id::layer), 0) << "the next tag is <group>";
    }
    EXPECT_EQ(probe.expectTag(4000), 0) << "the end of the file";
    EXPECT_EQ(boxes.texts(), "</layer>がみつかりません | </layer>がみつかりません | <?>がみつかりません");
}
