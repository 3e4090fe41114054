// The font and the text spacing of texts and dimension numerals: their record images, their
// drawing-file blocks, their settings keys, the faces the font change table substitutes, and the
// device fonts they make.
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "document/DocumentContext.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/FontChangeTable.h"
#include "geometry/PaperSettings.h"
#include "geometry/TagIds.h"
#include "platform/DeviceContext.h"
#include "platform/StringUtil.h"
#include "tests/geometry/DrawingOwner.h"
#include "tests/support/AttributeFile.h"
#include "tests/support/DibSurface.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"

namespace {

// Faces named "Installed..." are installed; every other face gets a row showing "代替体".
class FakeFontTable : public FontChangeTable {
public:
    int lookUp(const char* face, int& added) override
    {
        lookedUp.push_back(face);
        if (std::string(face).rfind("Installed", 0) == 0)
            return -1;
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i] == face)
                return static_cast<int>(i);
        }
        rows.push_back(face);
        added = 1;
        return static_cast<int>(rows.size() - 1);
    }
    int displayName(int row, char* out, int size) override
    {
        if (row < 0 || row >= static_cast<int>(rows.size()))
            return 0;
        StringUtil::copy(out, size, "代替体");
        return 1;
    }
    std::vector<std::string> rows;
    std::vector<std::string> lookedUp;
};

std::string recordOf(FontAttributes& font)
{
    ElementRecordBuffer buffer;
    EXPECT_EQ(font.exchangeRecord(1, buffer), 1);
    std::string bytes(static_cast<size_t>(buffer.count), '\0');
    buffer.rewind();
    EXPECT_EQ(buffer.getBytes(&bytes[0], buffer.count), 1);
    return bytes;
}

// "a" and 150 two-byte characters: 301 bytes, of which 255 are whole characters.
std::string longFace()
{
    std::string face = "a";
    for (int i = 0; i < 150; ++i)
        face += "あ";
    return face;
}

TEST(FontAttributes, DrawingFileBlock)
{
    MessageBoxScript boxes;
    AttributeFile file;
    FontAttributes font;
    std::string bytes = file.write([&](Document& d) { EXPECT_EQ(font.writeThroughHolder(&d), 1); });
    EXPECT_EQ(bytes, "<font>\r\n <textSize>3.75</textSize>\r\n <textFont>\"\"</textFont>\r\n"
                     " <textStyle>\"DEFALUT\"</textStyle>\r\n</font>\r\n")
        << "a new attribute writes the stored spelling of the regular style";

    // What the file holds: the regular style spelt correctly is a data error, reported once.
    const std::string face = longFace();
    file.open("<font><textSize>12.5</textSize><textFont>\"" + face +
              "\"</textFont><textStyle>\"DEFAULT\"</textStyle></font>\r\n"
              "<font><textStyle>\"DEFAULT\"</textStyle><textStyle>\"ITALIC\"</textStyle><size>2</size></font>\r\n"
              "<font><textStyle>\"" + std::string(300, 'B') + "\"</textStyle></font>\r\n");
    ASSERT_EQ(file.readIntoHolder(), 1);
    FontAttributes& read = file.holder().font;
    EXPECT_EQ(read.size, 12.5);
    EXPECT_EQ(read.style, FontAttributes::kItalic) << "the last keyword of the second block";
    EXPECT_EQ(std::string(read.faceName), face.substr(0, 255)) << "255 bytes, the last character whole";
    EXPECT_EQ(file.dataErrorCount, 3) << "the 300-byte style is no keyword either";
    EXPECT_EQ(boxes.texts(), "</textStyle>のデータがエラーです");

    // A block that cannot be read whole leaves every value as it was.
    struct Case {
        const char* text;
    } broken[] = {
        {"<font><textSize>9</textSize><textStyle>\"BOLD\"</textStyle>"},
        {"<font><textSize>9<textStyle>\"BOLD\"</textStyle></font>"},
        {"<font><textFont>\"Broken\"<textSize>9</textSize></font>"},
    };
    for (const Case& c : broken) {
        FontAttributes kept;
        kept.setFaceName("Kept");
        kept.size = 5.0;
        file.open(c.text);
        int id = 0;
        ASSERT_TRUE(file.nextTag(id));
        EXPECT_EQ(kept.readEntityXml(file, tag_id::font), 0) << c.text;
        EXPECT_EQ(kept.size, 5.0) << c.text;
        EXPECT_EQ(kept.style, 1) << c.text;
        EXPECT_STREQ(kept.faceName, "Kept") << c.text;
    }
}

TEST(FontAttributes, RecordImage)
{
    FontAttributes font;
    font.setFaceName("0123456789");
    font.style = FontAttributes::kBold;
    font.size = 7.5;
    font.tableIndex = 3;
    const std::string image = recordOf(font);
    ASSERT_EQ(image.size(), 30u) << "size 8, style 4, length 4, 10 face bytes, table index 4";
    FontAttributes copy;
    ElementRecordBuffer buffer;
    ASSERT_EQ(buffer.putBytes(image.data(), 30), 1);
    buffer.rewind();
    ASSERT_EQ(copy.exchangeRecord(3, buffer), 1);
    EXPECT_EQ(recordOf(copy), image);
    EXPECT_EQ(copy.exchangeRecord(2, buffer), 0);

    // Face lengths the record cannot hold, a record cut short, a size that is no number: the read
    // fails without reading past the record, and the attribute keeps its values.
    auto record = [](double size, int32_t n, const std::string& face, bool withIndex) {
        std::string bytes(reinterpret_cast<const char*>(&size), 8);
        const int32_t style = 2;
        bytes.append(reinterpret_cast<const char*>(&style), 4);
        bytes.append(reinterpret_cast<const char*>(&n), 4);
        bytes += face;
        const int32_t index = 0;
        if (withIndex)
            bytes.append(reinterpret_cast<const char*>(&index), 4);
        return bytes;
    };
    const std::string many(300, 'f');
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"n -1", record(2.0, -1, "", true)},
        {"n 256", record(2.0, 256, many, true)},
        {"n 0x7FFFFFFF", record(2.0, 0x7FFFFFFF, "abc", true)},
        {"n past the record", record(2.0, 10, "abcde", false)},
        {"no table index", record(2.0, 3, "abc", false)},
        {"size NaN", record(std::numeric_limits<double>::quiet_NaN(), 3, "abc", true)},
        {"cut in the size", std::string("\x01\x02\x03", 3)},
    };
    for (const Case& c : cases) {
        ElementRecordBuffer bad;
        ASSERT_EQ(bad.putBytes(c.bytes.data(), static_cast<int>(c.bytes.size())), 1);
        bad.rewind();
        FontAttributes kept;
        kept.setFaceName("Kept");
        EXPECT_EQ(kept.exchangeRecord(3, bad), 0) << c.what;
        EXPECT_LE(bad.position, bad.count) << c.what;
        EXPECT_STREQ(kept.faceName, "Kept") << c.what;
        EXPECT_EQ(kept.size, 3.75) << c.what;
        EXPECT_EQ(kept.style, 1) << c.what;
    }
    // The longest face the record holds.
    FontAttributes longest;
    longest.setFaceName(longFace().c_str());
    EXPECT_EQ(longest.faceNameLength(), 255);
    ElementRecordBuffer buffer255;
    ASSERT_EQ(longest.exchangeRecord(1, buffer255), 1);
    buffer255.rewind();
    ASSERT_EQ(copy.exchangeRecord(3, buffer255), 1);
    EXPECT_STREQ(copy.faceName, longest.faceName);
}

TEST(FontAttributes, SizesAndScaling)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        int flags;
        double factor;
        double size;
    } cases[] = {
        {1, 100.0, 3.75},   // bit 1 clear: nothing
        {2, 100.0, 375.0},  // strictly between 0.1 and 1000
        {3, 100.0, 375.0},  //
        {2, 1000.0, 3.75},  // 3750 is out of bounds: kept, not clamped
        {2, 0.0266, 3.75},  // 0.09975
        {2, nan, 3.75},     //
    };
    for (const Case& c : cases) {
        FontAttributes font;
        font.scale(c.factor, c.flags);
        EXPECT_DOUBLE_EQ(font.size, c.size) << c.flags << " x " << c.factor;
    }

    OwnedDrawing drawing;
    drawing.paper().denominator = 100;
    FontAttributes font;
    EXPECT_DOUBLE_EQ(font.scaledSize(), 3.75) << "no owner: 1:1";
    font.owner = &drawing.context;
    EXPECT_DOUBLE_EQ(font.scaledSize(), 375.0);
    font.size = 25.4;
    EXPECT_DOUBLE_EQ(font.sizeInPoints(), 72.0);
    TextSpacingAttribute spacing;
    spacing.owner = &drawing.context;
    font.size = 5.0;
    EXPECT_DOUBLE_EQ(spacing.defaultLinePitch(font), 600.0);
}

TEST(FontAttributes, FacesThroughTheFontChangeTable)
{
    AttributeFile file;
    FontAttributes font;
    const std::string bytes =
        "<font><textFont>\"従属\"</textFont></font>\r\n<font><textFont>\"Lost\"</textFont></font>\r\n";

    // Without a table nothing is looked up: the face is drawn as stored.
    file.open(bytes);
    ASSERT_EQ(file.readIntoHolder(), 1);
    char face[256];
    file.holder().font.faceToUse(face, sizeof face);
    EXPECT_STREQ(face, "Lost");
    EXPECT_EQ(file.holder().font.tableIndex, FontAttributes::kNotLookedUp);

    FakeFontTable table;
    ScopedOverride<FontChangeTable*> installed(theFontChangeTable, &table);
    file.open("<font><textFont>\"従属\"</textFont></font>\r\n");
    ASSERT_EQ(file.readIntoHolder(), 1);
    EXPECT_TRUE(table.lookedUp.empty()) << "the dependent face is never looked up";
    EXPECT_EQ(file.holder().font.isDependentFace(), 1);
    EXPECT_EQ(file.holder().font.tableIndex, FontAttributes::kNotLookedUp);
    font.setFaceNameAndLookup("従属");
    EXPECT_TRUE(table.lookedUp.empty());

    file.open(bytes);
    ASSERT_EQ(file.readIntoHolder(), 1);
    FontAttributes& lost = file.holder().font;
    EXPECT_EQ(table.lookedUp, std::vector<std::string>{"Lost"});
    EXPECT_EQ(lost.tableIndex, 0);
    EXPECT_EQ(lost.substituted, 1);
    lost.faceToUse(face, sizeof face);
    EXPECT_STREQ(face, "代替体");
    EXPECT_STREQ(lost.faceName, "Lost") << "the stored face stays for the next save";

    font.setFaceNameAndLookup("InstalledGothic");
    EXPECT_EQ(font.tableIndex, -1);
    font.faceToUse(face, sizeof face);
    EXPECT_STREQ(face, "InstalledGothic");
    EXPECT_EQ(font.substituted, 0);
}

TEST(FontAttributes, SettingsKeys)
{
    FakeSettingsFile file;
    file.registerAttributeKeys();
    FontAttributes font;
    font.setFaceName("IPAゴシック");
    font.style = FontAttributes::kBoldItalic;
    font.size = 4.1234567;
    ASSERT_EQ(font.writeFaceSetting(file, 15215) && font.writeStyleSetting(file, 15216) &&
                  font.writeSizeSetting(file, 15217),
              1);
    EXPECT_EQ(file.text, "FONTNAME=\"IPAゴシック\"\r\nFONTSTYLE=\"BOLDITALIC\"\r\nFONTSIZE=4.123456\r\n");

    const std::string face = longFace();
    file.text += "FONTNAME=\"" + face + "\"\r\nFONTSTYLE=\"DEFAULT\"\r\nFONTSTYLE=\"" + std::string(300, 'B') + "\"\r\n";
    FontAttributes read;
    std::vector<int> results;
    while (file.readKey()) {
        switch (file.currentId()) {
        case 15215: results.push_back(read.readFaceSetting(file)); break;
        case 15216: results.push_back(read.readStyleSetting(file)); break;
        default: results.push_back(read.readSizeSetting(file)); break;
        }
    }
    EXPECT_EQ(results, (std::vector<int>{1, 1, 1, 1, 0, 0}));
    EXPECT_EQ(std::string(read.faceName), face.substr(0, 255));
    EXPECT_EQ(read.style, FontAttributes::kBoldItalic) << "texts that are no keyword change nothing";
    EXPECT_DOUBLE_EQ(read.size, 4.123456);
}

TEST(FontAttributes, DeviceFontsFollowTheView)
{
    // Two pixels per paper millimetre.
    class TwoPixelView : public OwnerView {
    public:
        double lengthToPixels(double mm) override { return 2.0 * mm; }
        double lengthToPixelsForOp(int operation, double mm) override
        {
            lastOperation = operation;
            return 3.0 * mm;
        }
    } view;
    DibSurface surface(40, 40);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    auto selectedHeight = [&surface] {
        LOGFONTA font = {};
        GetObjectA(GetCurrentObject(surface.hdc, OBJ_FONT), sizeof font, &font);
        return font.lfHeight;
    };

    FontAttributes font;
    font.setDefaultFace();
    EXPECT_GT(font.faceNameLength(), 0);
    EXPECT_EQ(font.makeDeviceFont(nullptr, dc), 12) << "without a view";
    font.size = 10.0;
    EXPECT_EQ(font.makeDeviceFont(&view, dc), 20);
    EXPECT_EQ(selectedHeight(), -20);
    EXPECT_EQ(font.selectForOp(71, &view, dc), 30);
    EXPECT_EQ(view.lastOperation, 71);
    EXPECT_EQ(selectedHeight(), -30);
    font.size = 0.01;
    EXPECT_EQ(font.makeDeviceFont(&view, dc), 1) << "at least one pixel";
    font.size = 1e300;
    EXPECT_EQ(font.makeDeviceFont(&view, dc), 32000);
    dc.detachHdc();
}

TEST(TextSpacingAttribute, RecordFileAndHolder)
{
    MessageBoxScript boxes;
    TextSpacingAttribute spacing;
    spacing.assign(3, 0.25, 1.5);
    ElementRecordBuffer buffer;
    ASSERT_EQ(spacing.exchangeRecord(1, buffer), 1);
    EXPECT_EQ(buffer.count, 20);
    buffer.rewind();
    TextSpacingAttribute copy;
    ASSERT_EQ(copy.exchangeRecord(3, buffer), 1);
    EXPECT_EQ(copy.mode, 3);
    EXPECT_EQ(copy.jikan, 0.25);
    EXPECT_EQ(copy.gyokan, 1.5);
    buffer.rewind();
    buffer.count = 12;
    EXPECT_EQ(copy.exchangeRecord(3, buffer), 0);

    AttributeFile file;
    const std::string bytes = file.write([&](Document& d) { EXPECT_EQ(spacing.writeThroughHolder(&d), 1); });
    EXPECT_EQ(bytes, "<jikan>0.25</jikan>\r\n<gyokan>1.5</gyokan>\r\n");
    file.open(bytes + "<jikan>7<gyokan>");
    EXPECT_EQ(file.readIntoHolder(), 0) << "the last jikan has no closing tag";
    EXPECT_EQ(file.holder().spacing.jikan, 0.25) << "and is not taken";
    EXPECT_EQ(file.holder().spacing.gyokan, 1.5);
}

} // namespace
