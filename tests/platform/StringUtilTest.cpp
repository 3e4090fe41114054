// String utilities and the field reader: Shift-JIS safe searches and cuts, number text both ways.
#include <climits>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "platform/FieldReader.h"
#include "platform/StringUtil.h"
#include "resources/ids.h"

namespace {

std::string formatted(double value, int decimals, int rounding = 0)
{
    char buffer[64] = "unchanged";
    const char* result = StringUtil::formatDouble(value, decimals, buffer, rounding);
    // The buffer itself, or null for a refused number with the buffer as it was.
    EXPECT_TRUE(result == buffer || (!result && std::string(buffer) == "unchanged")) << value;
    return buffer;
}

std::string raw(double value, int decimals, int rounding = 0)
{
    char buffer[64] = "unchanged";
    const char* result = StringUtil::formatDoubleRaw(value, decimals, buffer, rounding);
    EXPECT_TRUE(result == buffer || (!result && std::string(buffer) == "unchanged")) << value;
    return buffer;
}

TEST(StringUtil, SearchesNeverTakeATrailByteForABackslash)
{
    // "表" is 95 5C: its second byte is a backslash.
    const char* path = "C:\\表\\x表";
    ASSERT_EQ(static_cast<unsigned char>(path[4]), 0x5C);
    EXPECT_EQ(StringUtil::findChar(path, '\\'), path + 2);
    EXPECT_EQ(StringUtil::findLastChar(path, '\\'), path + 5);
    EXPECT_EQ(StringUtil::lastIndexOfChar(path, '\\'), 5);
    EXPECT_EQ(StringUtil::countChar(path, '\\'), 2);
    EXPECT_EQ(StringUtil::findChar("表", '\\'), nullptr);
    EXPECT_EQ(StringUtil::indexOfAny(path, 3, 9, "\\/", 2), 5);
    // indexOfChar looks at plain bytes.
    EXPECT_EQ(StringUtil::indexOfChar(path, '\\', 3, 9), 4);

    char text[] = "表\\表";
    EXPECT_EQ(StringUtil::replaceChar(text, '\\', '/'), 5);
    EXPECT_STREQ(text, "表/表");
}

TEST(StringUtil, CaseFoldingTouchesOnlyAsciiLetters)
{
    EXPECT_EQ(StringUtil::compareNoCase("abc", "ABCD"), 1);
    EXPECT_EQ(StringUtil::compareNoCase("abc", "ABC"), 0);
    EXPECT_TRUE(StringUtil::equalsNoCase("Name.YCX", "name.ycx"));
    // "ァ" (83 40) and "ヂ" (83 61) differ only in a trail byte that looks like 'A' and 'a'.
    EXPECT_FALSE(StringUtil::equalsNoCase("ァ", "ヂ"));
    char text[] = "ヂab";
    StringUtil::toUpper(text, 0);
    EXPECT_STREQ(text, "ヂAB");
    EXPECT_EQ(StringUtil::compare("a", "b"), -1);
    EXPECT_EQ(StringUtil::compare("\x95", "a"), 1); // unsigned bytes
    EXPECT_EQ(StringUtil::compare("abc", "abc"), 0);
}

TEST(StringUtil, CopiesAreBoundedAndKeepWholeCharacters)
{
    std::string longText(300, 'x');
    char row[84];
    StringUtil::copy(row, longText.c_str());
    EXPECT_EQ(std::strlen(row), 83u);

    // A double-byte character that would straddle the bound is left out whole.
    std::string mixed = std::string(82, 'x') + "表";
    StringUtil::copy(row, mixed.c_str());
    EXPECT_EQ(std::strlen(row), 82u);
    std::string mixedFits = std::string(81, 'x') + "表";
    StringUtil::copy(row, mixedFits.c_str());
    EXPECT_EQ(std::string(row), mixedFits);

    char small[8] = "abc";
    StringUtil::append(small, "表表表");
    EXPECT_STREQ(small, "abc表表");
    StringUtil::appendInt(small, 123); // does not fit whole: not appended
    EXPECT_STREQ(small, "abc表表");

    char buffer[16];
    StringUtil::copyN(buffer, "表abc", 1); // would split the character
    EXPECT_STREQ(buffer, "");
    StringUtil::copyN(buffer, "表abc", 3);
    EXPECT_STREQ(buffer, "表a");
    StringUtil::copy(buffer, "v=");
    StringUtil::appendDouble(buffer, 2.50, 2);
    StringUtil::appendChar(buffer, ';');
    EXPECT_STREQ(buffer, "v=2.5;");

    // The first n bytes of a longer text: a lead byte whose trail byte was cut off goes.
    const struct {
        const char* text;
        int n;
        int kept;
    } cuts[] = {
        {"ab表", 3, 2},      // 61 62 95 | 5C
        {"ab表", 4, 4},      // whole
        {"表表", 3, 2},      // 95 5C 95 | 5C
        {"\x5C\x95\x5C", 2, 1},  // a backslash, then a lead byte whose trail lies beyond
        {"a\x95\x95\x95", 3, 3}, // 95 95 is one character, the third 95 lies beyond the cut
        {"ab", 2, 2},
        {"", 0, 0},
    };
    for (const auto& c : cuts)
        EXPECT_EQ(StringUtil::cutOfLongerText(c.text, c.n), c.kept) << c.text << " cut at " << c.n;
}

TEST(StringUtil, FormatDoubleCutsTheFifteenDigitForm)
{
    EXPECT_EQ(formatted(2.5, 2), "2.5");
    EXPECT_EQ(formatted(3.0, 2), "3");
    EXPECT_EQ(formatted(2.3, 5), "2.3");
    EXPECT_EQ(raw(2.3, 5), "2.30000");
    EXPECT_EQ(formatted(2.299999, 5), "2.29999");
    EXPECT_EQ(formatted(0.3, 5), "0.3");
    EXPECT_EQ(formatted(0.12, 2), "0.12");
    EXPECT_EQ(formatted(12.5, 3), "12.5");
    EXPECT_EQ(formatted(12.34, 5), "12.34");
    EXPECT_EQ(formatted(-0.125, 2), "-0.12");
    EXPECT_EQ(formatted(100.0, 0), "100");
    EXPECT_EQ(formatted(0.0, 3), "0");
    EXPECT_EQ(raw(0.5, 0), "0");
    EXPECT_EQ(raw(-7.25, 1), "-7.2");

    // The 15-digit form is correctly rounded, a tie to the even digit, with the carry into a new
    // first digit; the value's own digits beyond it never count.
    EXPECT_EQ(formatted(100000000000000.5, 1), "100000000000000");
    EXPECT_EQ(formatted(100000000000001.5, 1), "100000000000002");
    EXPECT_EQ(formatted(4503599627370495.5, 1), "4503599627370500");
    EXPECT_EQ(formatted(9.999999999999998, 5), "10");
    EXPECT_EQ(formatted(0.1 + 0.2, 5), "0.3");
    EXPECT_EQ(formatted(2.675, 2, 1), "2.68");
    EXPECT_EQ(formatted(0.000009999999999999999, 5), "0.00001");
}

TEST(StringUtil, FormatDoubleRoundsHalfAwayFromZeroWhenAsked)
{
    EXPECT_EQ(formatted(-0.5, 0, 1), "-1");
    EXPECT_EQ(formatted(0.25, 1, 1), "0.3");
    EXPECT_EQ(formatted(-0.125, 2, 1), "-0.13");
    EXPECT_EQ(formatted(0.96, 1, 1), "1");
    EXPECT_EQ(formatted(9.995, 2, 1), "10");
    EXPECT_EQ(formatted(2.4, 0, 1), "2");
}

TEST(StringUtil, FormatDoubleHandlesExtremeValues)
{
    EXPECT_EQ(raw(1e45, 2), "unchanged");
    EXPECT_EQ(raw(std::nan(""), 2), "0");
    EXPECT_EQ(raw(INFINITY, 2), "0");
    EXPECT_EQ(formatted(-0.0000001, 2), "0");
    EXPECT_EQ(raw(1e39, 0), "1000000000000000000000000000000000000000");

    // A refused value answers null and leaves the buffer to the caller; a written one answers
    // the buffer.
    char buffer[64] = "unchanged";
    EXPECT_EQ(StringUtil::formatDouble(1e40, 0, buffer), nullptr);
    EXPECT_EQ(StringUtil::formatDouble(-1e300, 5, buffer), nullptr);
    EXPECT_EQ(StringUtil::formatDoubleRaw(1e45, 2, buffer), nullptr);
    EXPECT_STREQ(buffer, "unchanged");
    EXPECT_EQ(StringUtil::formatDouble(9.99e39, 0, buffer), buffer);
    EXPECT_EQ(std::strlen(buffer), 40u);
    EXPECT_EQ(StringUtil::formatDouble(std::nan(""), 2, buffer), buffer);
    EXPECT_STREQ(buffer, "0");

    // A value too long for the buffer leaves it alone instead of running past its end.
    struct {
        char text[16];
        char guard[8];
    } guarded;
    std::strcpy(guarded.text, "old");
    std::memset(guarded.guard, 'G', sizeof guarded.guard);
    EXPECT_EQ(StringUtil::formatDouble(1e39, 3, guarded.text), nullptr);
    EXPECT_EQ(StringUtil::formatDoubleRaw(12.5, 300, guarded.text), nullptr);
    EXPECT_STREQ(guarded.text, "old");
    EXPECT_EQ(std::string(guarded.guard, 8), "GGGGGGGG");

    char padded[8];
    StringUtil::formatIntPadded(42, padded, 5);
    EXPECT_STREQ(padded, "   42");
    StringUtil::formatInt(-2147483647L - 1, padded); // 11 characters do not fit 8 bytes
    EXPECT_STREQ(padded, "   42");
    char wide[16];
    StringUtil::formatLong(-2147483647L - 1, wide);
    EXPECT_STREQ(wide, "-2147483648");
}

TEST(StringUtil, ParsesIntegersAndReals)
{
    EXPECT_EQ(StringUtil::parseInt("  -12ab"), -12);
    EXPECT_EQ(StringUtil::parseInt("-"), 0);
    EXPECT_EQ(StringUtil::parseInt("1\t2\r\n"), 12);
    EXPECT_EQ(StringUtil::parseInt("99999999999"), INT_MAX);
    EXPECT_EQ(StringUtil::parseInt("-99999999999"), INT_MIN);
    EXPECT_EQ(StringUtil::parseInt("-2147483648"), INT_MIN);

    EXPECT_DOUBLE_EQ(StringUtil::parseDouble("1.5E2"), 150.0);
    EXPECT_DOUBLE_EQ(StringUtil::parseDouble("12.5mm"), 12.5);
    EXPECT_DOUBLE_EQ(StringUtil::parseDouble("-2.5e-1"), -0.25);
    EXPECT_EQ(StringUtil::parseDouble("2.3"), 2.3);
    EXPECT_EQ(StringUtil::parseDouble("abc"), 0.0);
    EXPECT_EQ(StringUtil::parseDouble(" -1"), 1.0); // a minus counts only in the first place
    // A corrupt exponent is clamped instead of looped over.
    EXPECT_TRUE(std::isinf(StringUtil::parseDouble("1e999999999")));
    EXPECT_EQ(StringUtil::parseDouble("1e-999999999"), 0.0);
}

TEST(StringUtil, SmallConversions)
{
    char hex[3] = {};
    StringUtil::formatHexByte(0xAF, hex);
    EXPECT_STREQ(hex, "AF");
    EXPECT_EQ(StringUtil::parseHexByte("af"), 0xAF);
    EXPECT_EQ(StringUtil::hexDigitChar(16), '0');
    EXPECT_EQ(StringUtil::hexDigitValue('g'), 0);

    char buffer[] = "a\x01" "b\tc\r\n\x1f" "d";
    EXPECT_EQ(StringUtil::removeControlChars(buffer, 9), 7);
    EXPECT_STREQ(buffer, "ab\tc\r\nd");

    char multi[8];
    EXPECT_EQ(StringUtil::wideToMultiByte(L"\x8868", multi, sizeof multi), 4); // 表
    EXPECT_STREQ(multi, "表");
    EXPECT_EQ(StringUtil::wideToMultiByte(L"", multi, sizeof multi), 2);
    EXPECT_EQ(StringUtil::wideToMultiByte(L"\x8868\x8868\x8868\x8868", multi, sizeof multi), 0);
    EXPECT_STREQ(multi, "");

    char folder[260];
    EXPECT_EQ(StringUtil::folderOfPath("C:\\dir\\表\\name.ycx", folder, sizeof folder), 1);
    EXPECT_STREQ(folder, "C:\\dir\\表\\");
    EXPECT_EQ(StringUtil::folderOfPath("A:name", folder, sizeof folder), 1);
    EXPECT_STREQ(folder, "A:");
    EXPECT_EQ(StringUtil::folderOfPath("name", folder, sizeof folder), 0);
}

TEST(FieldReader, ReadsDelimitedFields)
{
    FieldReader reader;
    reader.setText("#,a,b#");
    reader.readDelimiters();
    EXPECT_EQ(reader.endMark(), '#');
    EXPECT_EQ(reader.fieldSeparator(), ',');
    char field[16];
    EXPECT_EQ(reader.readField(field, sizeof field), 1);
    EXPECT_STREQ(field, "a");
    EXPECT_EQ(reader.readField(field, sizeof field), 26);
    EXPECT_STREQ(field, "b");
    EXPECT_EQ(reader.readField(field, sizeof field), -1);
    EXPECT_STREQ(field, "");

    // A field too long for the buffer is cut; the next call reads the following field.
    reader.setText("#,abcdefgh,12,表表表#");
    reader.readDelimiters();
    char small[4];
    EXPECT_EQ(reader.readField(small, sizeof small), -1);
    EXPECT_STREQ(small, "abc");
    int value = 0;
    EXPECT_EQ(reader.readIntField(value), 1);
    EXPECT_EQ(value, 12);
    EXPECT_EQ(reader.readField(small, sizeof small), -1);
    EXPECT_STREQ(small, "表");
}

TEST(FieldReader, ReadsAStringTableDefinition)
{
    char text[256];
    FieldReader reader;
    reader.attach(text, sizeof text);
    EXPECT_EQ(reader.loadResourceString(IDS_TOOLBAR_DRAWING), 35);
    reader.readDelimiters();
    char field[40];
    EXPECT_EQ(reader.readField(field, sizeof field), 1);
    EXPECT_STREQ(field, "線画");
    EXPECT_EQ(reader.readField(field, sizeof field), 1);
    EXPECT_STREQ(field, "DFLT");
    int value = 0, sum = 0;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(reader.readIntField(value), 1);
        sum += value;
    }
    EXPECT_EQ(sum, 5);
    EXPECT_EQ(reader.readIntField(value), 1);
    EXPECT_EQ(value, 100);
    EXPECT_EQ(reader.readIntField(value), 1);
    EXPECT_EQ(reader.readField(field, sizeof field), 1);
    EXPECT_STREQ(field, "TOP");
    EXPECT_EQ(reader.readIntField(value), 26);
    EXPECT_EQ(value, 51);

    EXPECT_EQ(reader.loadResourceString(9999), 0);
}

} // namespace
