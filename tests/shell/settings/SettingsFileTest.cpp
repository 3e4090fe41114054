// The settings file's syntax: names and values as the reader splits them, Shift-JIS pairs kept
// whole, values cut to their buffers, and the number and line forms the writer gives.
#include <gtest/gtest.h>
#include <string>

#include "shell/settings/SettingsIds.h"
#include "tests/shell/settings/SettingsFixture.h"

namespace {
// "レイヤー" and "ソ" in Shift-JIS: the trail byte of "ー" is "[", that of "ソ" is "\".
const char kLayerWord[] = "\x83\x8C\x83\x43\x83\x84\x81\x5B";
const char kSo[] = "\x83\x5C";

std::string flagsOf(const SettingsFile& file)
{
    std::string flags;
    for (int i = 0; i < 4; ++i)
        flags += file.getDelimiterFlag(i) ? '1' : '0';
    return flags;
}
} // namespace

TEST(SettingsFile, TheReaderSplitsNamesAndValuesAtTheirDelimiters)
{
    // Each step: what is read and what it gives (result, then the flags [ = , ]).
    enum Read { Key, Int, Bool, Text, Token };
    struct Step {
        Read read;
        int result;
        std::string flags;
        std::string value; // the id and kind of a key ("10110/1"), else the value read
    };
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<Step> steps;
    };
    const std::string longName(100, 'A');
    const std::string cutPair = std::string(78, 'B') + kSo + "CC";
    const Case cases[] = {
        {"a section line", "[DISPTOOLBAR]\r\n", {{Key, 1, "1001", "10110/1"}}},
        {"a key with three values", "DISPLAYDPI=1,2,3\r\nHOWTOPICK=4\r\n",
         {{Key, 1, "0100", "1011/2"},
          {Int, 1, "0010", "1"},
          {Int, 1, "0010", "2"},
          {Int, 1, "0000", "3"},
          {Key, 1, "0100", "1013/2"}}},
        {"booleans are upper case", "DISPTOOLHINT=true,TRUE,FALSE\r\n",
         {{Key, 1, "0100", "10111/2"}, {Bool, 1, "0010", "0"}, {Bool, 1, "0010", "1"}, {Bool, 1, "0000", "0"}}},
        {"a value that ends the file is not taken", "DISPLAYDPI=96",
         {{Key, 1, "0100", "1011/2"}, {Int, 0, "0000", "untouched"}, {Key, 0, "0000", "1011/2"}}},
        {"blank lines and unknown names", "\r\n\r\nNOSUCHKEY=5\r\n[NOSUCH]\r\n",
         {{Key, 1, "0100", "-1/-1"}, {Int, 1, "0000", "5"}, {Key, 1, "1001", "-1/-1"}}},
        {"quoted Shift-JIS names keep their bytes", std::string("LAYERITEM=7,\"") + kLayerWord + kSo + "\"\r\n",
         {{Key, 1, "0100", "15061/2"}, {Int, 1, "0010", "7"}, {Text, 1, "0000", std::string(kLayerWord) + kSo}}},
        {"a name of 100 bytes keeps 79, the rest is dropped", longName + "=5\r\n",
         {{Token, 1, "0100", std::string(79, 'A')}, {Int, 1, "0000", "5"}}},
        {"a pair that does not fit whole is left out", cutPair + "=5\r\n",
         {{Token, 1, "0100", std::string(78, 'B')}, {Int, 1, "0000", "5"}}},
        {"a value too long for its buffer is cut, not read as the next", "FILEDIR=\"ABCDEFG\",9\r\n",
         {{Key, 1, "0100", "15071/2"}, {Text, 1, "0010", "ABC"}, {Int, 1, "0000", "9"}}},
        {"a cut value never splits a pair", std::string("FILEDIR=") + kSo + kSo + ",9\r\n",
         {{Key, 1, "0100", "15071/2"}, {Text, 1, "0010", kSo}, {Int, 1, "0000", "9"}}},
    };
    for (const Case& c : cases) {
        SettingsBytes bytes(c.bytes);
        AppSettingsFile& file = bytes.file;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            std::string got;
            int result = 0;
            switch (step.read) {
            case Key:
                result = file.readKey();
                got = std::to_string(file.currentId()) + "/" + std::to_string(file.currentKind());
                break;
            case Int:
            case Bool: {
                int value = -12345;
                result = step.read == Int ? file.readInt(value) : file.readBool(value);
                got = value == -12345 ? "untouched" : std::to_string(value);
                break;
            }
            case Text: {
                char text[4] = "";
                char wide[100] = "";
                // The cut cases read into 4 bytes.
                const bool narrow = step.value.size() < 4;
                result = narrow ? file.readString(text, sizeof text) : file.readString(wide, sizeof wide);
                got = narrow ? text : wide;
                break;
            }
            case Token: {
                char token[BufferedSettingsFile::kTokenSize];
                result = file.readToken(token);
                got = token;
                break;
            }
            }
            EXPECT_EQ(result, step.result) << c.what << ", step " << i;
            EXPECT_EQ(flagsOf(file), step.flags) << c.what << ", step " << i;
            EXPECT_EQ(got, step.value) << c.what << ", step " << i;
        }
    }
}

TEST(SettingsFile, NumbersAreCutToTheirDecimalsAndLoseTrailingZeros)
{
    struct Case {
        double value;
        int decimals;
        int rounded;
        const char* text;
    };
    const Case cases[] = {
        {2.50, 2, 0, "2.5"},    {3.0, 2, 0, "3"},      {-0.125, 2, 0, "-0.12"}, {-0.125, 2, 1, "-0.13"},
        {0.12, 2, 0, "0.12"},   {2.3, 6, 0, "2.3"},    {12.34, 3, 0, "12.34"},  {1e300, 2, 0, nullptr},
    };
    for (const Case& c : cases) {
        int result = -1;
        const std::string bytes = writtenBytes([&](BufferedSettingsFile& file) {
            result = c.rounded ? file.writeDoubleRounded(c.value, c.decimals, 1, 1)
                               : file.writeDouble(c.value, c.decimals, 1, 1);
            return result;
        });
        if (!c.text) {
            // A number that has no text fails like a write, never as a wrong value.
            EXPECT_EQ(result, 0) << c.value;
            EXPECT_EQ(bytes, "") << c.value;
            continue;
        }
        EXPECT_EQ(result, 1) << c.value;
        EXPECT_EQ(bytes, std::string(c.text) + ",\r\n") << c.value;
        SettingsBytes back("X=" + bytes);
        double read = 0.0;
        ASSERT_EQ(back.file.readKey(), 1);
        ASSERT_EQ(back.file.readDouble(read), 1);
        EXPECT_EQ(read, std::stod(c.text)) << c.value;
    }
}

TEST(SettingsFile, TheWriterGivesSectionLinesAndKeyLines)
{
    const std::string bytes = writtenBytes([](BufferedSettingsFile& file) {
        return file.writeSection(settings_id::DrawEnvironment) && file.writeKey(settings_id::DisplayDpi) &&
               file.writeInt(-96, 0, 1) && file.writeKey(settings_id::DispToolHint) && file.writeBool(1, 1, 0) &&
               file.writeBool(0, 0, 1) && file.writeKey(settings_id::HowToPick) && file.writeQuoted("WHOLE", 0, 1) &&
               file.writeLong(7, 1, 0) && file.writeValue("x", 0, 1) &&
               // Unregistered ids write nothing and fail.
               !file.writeSection(4242) && !file.writeKey(4242);
    });
    EXPECT_EQ(bytes, "[DRAWENVIRONMENT]\r\nDISPLAYDPI=-96\r\nDISPTOOLHINT=TRUE,FALSE\r\nHOWTOPICK=\"WHOLE\"\r\n7,x\r\n");
}
