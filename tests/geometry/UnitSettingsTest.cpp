// The units of lengths and angles shown to the user: the units offered, names and keywords, the
// suffix labels and their bounds, and the record, drawing-file and settings forms.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "geometry/ElementRecordBuffer.h"
#include "geometry/TagIds.h"
#include "geometry/UnitSettings.h"
#include "tests/support/AttributeFile.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/MessageBoxScript.h"

namespace {

std::vector<std::string> choiceNames(const UnitSettings& units)
{
    std::vector<std::string> names;
    for (int i = 0; i < units.choiceCount(); ++i) {
        char name[UnitSettings::kTextSize];
        EXPECT_EQ(units.choiceName(i, name, sizeof name), 1);
        names.push_back(name);
    }
    return names;
}

std::string labelOf(const UnitSettings& units, int unit)
{
    char text[UnitSettings::kLabelSize];
    EXPECT_EQ(units.label(unit, text, sizeof text), 1);
    return text;
}

// Twenty double-byte characters (40 bytes).
std::string japanese20()
{
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += "表";
    return text;
}

} // namespace

TEST(UnitSettings, TheUnitsOfferedTheirNamesAndKeywords)
{
    struct Case {
        const char* what;
        void (*choose)(UnitSettings&);
        std::vector<std::string> names;
        int unitAfter;
    };
    const Case cases[] = {
        {"a new object", [](UnitSettings&) {}, {"ミリ"}, 1},
        {"lengths", [](UnitSettings& u) { u.setLengthChoices(); }, {"ミクロン", "ミリ", "センチ", "メートル"}, 1},
        {"print units", [](UnitSettings& u) { u.setPrintChoices(); }, {"ミリ", "インチ", "級", "ポイント"}, 1},
        {"millimetres", [](UnitSettings& u) { u.setMillimetreChoice(); }, {"ミリ"}, 1},
        {"degrees", [](UnitSettings& u) { u.setDegreeChoice(); }, {"度"}, 8},
    };
    for (const Case& c : cases) {
        UnitSettings units;
        c.choose(units);
        EXPECT_EQ(choiceNames(units), c.names) << c.what;
        EXPECT_EQ(units.unit(), c.unitAfter) << c.what;
        EXPECT_EQ(units.choiceAt(-1), -1) << c.what;
        EXPECT_EQ(units.choiceAt(units.choiceCount()), -1) << c.what;
    }
    UnitSettings lengths;
    lengths.setLengthChoices();
    EXPECT_EQ(lengths.choiceAt(2), 6);
    EXPECT_EQ(lengths.indexOfChoice(7), 3);
    EXPECT_EQ(lengths.indexOfChoice(2), -1) << "inches are not offered among the lengths";
    UnitSettings degrees;
    degrees.setDegreeChoice();
    EXPECT_EQ(labelOf(degrees, degrees.unit()), "ﾟ");
    char label[UnitSettings::kLabelSize];
    ASSERT_EQ(degrees.getCurrentLabel(label, sizeof label), 1);
    EXPECT_STREQ(label, "ﾟ");

    // Keywords are exact: another spelling, a label or a display name is no unit.
    const char* const keywords[] = {"MIRI", "INCHI", "KYU", "POINT", "MICRON", "CENTI", "METRE", "DEGREE"};
    for (int unit = 1; unit <= 8; ++unit) {
        char text[UnitSettings::kTextSize];
        ASSERT_EQ(UnitSettings::unitKeyword(unit, text, sizeof text), 1);
        EXPECT_STREQ(text, keywords[unit - 1]);
        int parsed = 0;
        EXPECT_EQ(UnitSettings::parseUnitKeyword(text, parsed), 1);
        EXPECT_EQ(parsed, unit);
    }
    for (const char* other : {"mm", "miri", "ミリ", "", "MIRI "}) {
        int parsed = 3;
        EXPECT_EQ(UnitSettings::parseUnitKeyword(other, parsed), 0) << other;
        EXPECT_EQ(parsed, 3) << other;
    }
    char text[UnitSettings::kTextSize] = "x";
    EXPECT_EQ(UnitSettings::unitDisplayName(9, text, sizeof text), 0);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(UnitSettings::unitKeyword(0, text, sizeof text), 0);
    EXPECT_EQ(lengths.setUnit(9), 0);
    EXPECT_EQ(lengths.unit(), 1);

    // A copy takes the unit, the labels and the choices.
    UnitSettings copy;
    ASSERT_EQ(degrees.setLabel(1, "ミリ"), 1);
    copy.copyFrom(&degrees);
    EXPECT_EQ(copy.unit(), 8);
    EXPECT_EQ(choiceNames(copy), std::vector<std::string>{"度"});
    EXPECT_EQ(labelOf(copy, 1), "ミリ");
}

// A label keeps at most 19 bytes and never half a character; '"', CR and LF are dropped, however
// the label arrives: set, read from the drawing file or from the settings file.
TEST(UnitSettings, LabelsKeepNineteenBytesWithoutQuotesOrLineEnds)
{
    struct Case {
        const char* what;
        std::string text;
        std::string kept;
        std::string keptFromSettings; // a settings value ends at the line's end
        bool inFile;                  // a file's quoted text cannot hold quotes or line ends
    };
    const std::string japanese = japanese20();
    const Case cases[] = {
        {"80 bytes", std::string(80, 'a'), std::string(19, 'a'), std::string(19, 'a'), true},
        {"19 bytes", std::string(19, 'b'), std::string(19, 'b'), std::string(19, 'b'), true},
        {"double-byte characters", japanese, japanese.substr(0, 18), japanese.substr(0, 18), true},
        {"a character across the bound", "a" + japanese, "a" + japanese.substr(0, 18), "a" + japanese.substr(0, 18),
         true},
        {"a quote", "a\"b", "ab", "ab", false},
        {"line ends", "a\r\nb\n", "ab", "a", false},
        {"a lead byte without its trail", "mm\x95", "mm", "mm", false},
        {"empty", "", "", "", true},
    };
    MessageBoxScript boxes;
    for (const Case& c : cases) {
        UnitSettings set;
        ASSERT_EQ(set.setLabel(2, c.text.c_str()), 1) << c.what;
        EXPECT_EQ(labelOf(set, 2), c.kept) << "set: " << c.what;
        EXPECT_EQ(std::string(set.labelAt(1)), c.kept) << c.what;

        if (c.inFile) {
            AttributeFile file;
            file.open("<inchiText>\"" + c.text + "\"</inchiText>\r\n");
            UnitSettings read;
            read.xmlContext = &file;
            int id = 0;
            ASSERT_TRUE(file.nextTag(id));
            ASSERT_EQ(read.readXml(id), 1) << c.what;
            EXPECT_EQ(labelOf(read, 2), c.kept) << "file: " << c.what;
        }

        FakeSettingsFile settings;
        settings.registerAttributeKeys();
        settings.text = "INCHITEXT=\"" + c.text + "\"\r\n";
        UnitSettings fromSettings;
        ASSERT_EQ(settings.readKey(), 1);
        ASSERT_EQ(fromSettings.readSetting(settings), 1) << c.what;
        EXPECT_EQ(labelOf(fromSettings, 2), c.keptFromSettings) << "settings: " << c.what;
    }
    UnitSettings units;
    EXPECT_EQ(units.setLabel(0, "x"), 0);
    EXPECT_EQ(units.setLabelAt(8, "x"), 0);
    EXPECT_STREQ(units.labelAt(-1), "");
    char text[4] = "z";
    EXPECT_EQ(units.label(9, text, sizeof text), 0);
    EXPECT_STREQ(text, "");
    EXPECT_TRUE(boxes.shown().empty());
}

TEST(UnitSettings, UnitAndLabelsInTheDrawingFile)
{
    AttributeFile file;
    UnitSettings written;
    written.xmlContext = &file;
    std::string bytes = file.write([&](Document&) { ASSERT_EQ(written.writeXmlUnit(tag_id::unit), 1); });
    EXPECT_EQ(bytes, "<unit>\"MIRI\"</unit>\r\n") << "a new object writes millimetres";

    written.setLengthChoices();
    ASSERT_EQ(written.setLabel(1, "a\"b"), 1);
    bytes = file.write([&](Document& d) { ASSERT_EQ(written.writeXmlLabels(&d), 1); });
    EXPECT_EQ(bytes, "<micronText>\"μm\"</micronText>\r\n<miriText>\"ab\"</miriText>\r\n"
                     "<centiText>\"cm\"</centiText>\r\n<metreText>\"M\"</metreText>\r\n")
        << "the labels of the units offered, in their order";

    struct Case {
        const char* what;
        std::string text;
        int unit;
    };
    const Case cases[] = {
        {"a unit keyword", "<unit>\"CENTI\"</unit>", 6},
        {"a label, not a keyword", "<unit>\"mm\"</unit>", 5},
        {"the angle unit's tag", "<angleUnit>\"DEGREE\"</angleUnit>", 8},
        {"a tag of another value", "<numerator>\"METRE\"</numerator>", 5},
    };
    for (const Case& c : cases) {
        file.open(c.text + "\r\n<miriText>\"mm2\"</miriText>\r\n");
        UnitSettings read;
        ASSERT_EQ(read.setUnit(5), 1);
        read.xmlContext = &file;
        int id = 0;
        ASSERT_TRUE(file.nextTag(id));
        ASSERT_EQ(read.readXml(id), 1) << c.what;
        EXPECT_EQ(read.unit(), c.unit) << c.what;
        ASSERT_TRUE(file.nextTag(id)) << c.what << ": the reader stops after its own line";
        EXPECT_EQ(id, tag_id::miriText) << c.what;
    }
    UnitSettings detached;
    EXPECT_EQ(detached.readXml(tag_id::unit), 0);
    EXPECT_EQ(detached.writeXmlUnit(tag_id::unit), 0);
}

TEST(UnitSettings, SettingsKeysAndTheRecord)
{
    FakeSettingsFile file;
    file.registerAttributeKeys();
    UnitSettings units;
    ASSERT_EQ(units.setLabel(7, "m"), 1);
    ASSERT_EQ(units.writeLabelSettings(file), 1);
    EXPECT_EQ(file.text, "MIRITEXT=\"mm\"\r\nINCHITEXT=\"in\"\r\nKYUTEXT=\"K\"\r\nPOINTTEXT=\"P\"\r\n"
                         "MICRONTEXT=\"μm\"\r\nCENTITEXT=\"cm\"\r\nMETRETEXT=\"m\"\r\n")
        << "seven keys: the degree label is written on its own";
    file.text.clear();
    ASSERT_EQ(units.writeDegreeLabelSetting(file), 1);
    ASSERT_EQ(units.setUnit(6), 1);
    ASSERT_EQ(units.writeUnitSetting(file, UnitSettings::kMeasureUnitKey), 1);
    EXPECT_EQ(file.text, "DEGREETEXT=\"ﾟ\"\r\nMSRUNIT=\"CENTI\"\r\n");

    struct Case {
        const char* what;
        std::string line;
        int result, unit;
        std::string label; // of unit 8
    };
    const Case cases[] = {
        {"a unit key", "GRIDTATEUNIT=\"METRE\"", 1, 7, "ﾟ"},
        {"a unit key with another text", "KDOUNIT=\"deg\"", 0, 1, "ﾟ"},
        {"a label key", "DEGREETEXT=\"deg\"", 1, 1, "deg"},
        {"another key", "LINESIZE=3", 1, 1, "ﾟ"},
    };
    for (const Case& c : cases) {
        FakeSettingsFile in;
        in.registerAttributeKeys();
        in.text = c.line + "\r\n";
        ASSERT_EQ(in.readKey(), 1) << c.what;
        UnitSettings read;
        EXPECT_EQ(read.readSetting(in), c.result) << c.what;
        EXPECT_EQ(read.unit(), c.unit) << c.what;
        EXPECT_EQ(labelOf(read, 8), c.label) << c.what;
    }

    // The record holds the unit id as 32 bits; a record of no unit id leaves the unit.
    ElementRecordBuffer buffer;
    ASSERT_EQ(units.writeRecord(buffer), 1);
    ASSERT_EQ(buffer.putInt(9), 1);
    buffer.position = 0;
    UnitSettings read;
    ASSERT_EQ(read.readRecord(buffer), 1);
    EXPECT_EQ(read.unit(), 6);
    EXPECT_EQ(read.readRecord(buffer), 0);
    EXPECT_EQ(read.readRecord(buffer), 0) << "the record ended";
    EXPECT_EQ(read.unit(), 6);
}
