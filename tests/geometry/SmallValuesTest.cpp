// The small values elements share: slant, plain reals, layer and group numbers, open or closed
// curves, box margins and the pick settings, through records, the drawing file and the settings.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "document/DocumentContext.h"
#include "document/ElementIdSet.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/PickSettings.h"
#include "geometry/TagIds.h"
#include "tests/support/AttributeFile.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/MessageBoxScript.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(LeanAttribute, RotationStaysWithinOneTurn)
{
    struct Case {
        double angle;
        double delta;
        double result;
    } cases[] = {
        {0.0, 400.0, 40.0},   {10.0, -30.0, 340.0}, {350.0, 10.0, 0.0},
        {0.0, -720.0, 0.0},   {0.0, -1e-14, 0.0},   {10.0, kNaN, 10.0},
        {10.0, HUGE_VAL, 10.0},
    };
    for (const Case& c : cases) {
        LeanAttribute lean;
        lean.angle = c.angle;
        lean.rotateBy(c.delta);
        EXPECT_DOUBLE_EQ(lean.angle, c.result) << c.angle << " + " << c.delta;
    }
    // Huge turns end at once, within one turn.
    LeanAttribute lean;
    lean.rotateBy(1e300);
    EXPECT_GE(lean.angle, 0.0);
    EXPECT_LT(lean.angle, 360.0);
}

TEST(SmallValues, RecordImages)
{
    LeanAttribute lean;
    lean.angle = 12.5;
    DoubleValue value;
    value.assign(-3.25);
    ElementRecordBuffer buffer;
    ASSERT_EQ(lean.writeRecord(buffer) && value.exchangeRecord(1, buffer), 1);
    EXPECT_EQ(buffer.count, 16) << "one double each";
    buffer.rewind();
    LeanAttribute lean2;
    DoubleValue value2;
    ASSERT_EQ(lean2.exchangeRecord(3, buffer) && value2.exchangeRecord(3, buffer), 1);
    EXPECT_EQ(lean2.angle, 12.5);
    EXPECT_EQ(value2.value, -3.25);
    EXPECT_EQ(lean2.exchangeRecord(3, buffer), 0) << "the record has ended";
    EXPECT_EQ(value2.exchangeRecord(0, buffer), 0);

    // A value that is no number fails the read and changes nothing.
    ElementRecordBuffer bad;
    ASSERT_EQ(bad.putDouble(kNaN) && bad.putDouble(HUGE_VAL), 1);
    bad.rewind();
    EXPECT_EQ(lean2.exchangeRecord(3, bad), 0);
    EXPECT_EQ(value2.exchangeRecord(3, bad), 0);
    EXPECT_EQ(lean2.angle, 12.5);
    EXPECT_EQ(value2.value, -3.25);
}

TEST(SmallValues, DrawingFileForms)
{
    AttributeFile file;
    LeanAttribute lean;
    lean.angle = 30.12345;
    OpenCloseAttribute open;
    open.value = OpenCloseAttribute::kOpen;
    GroupNumber group;
    LayerNumber layer;
    MarginAttribute margin;
    margin.top = 1.5;
    margin.left = 2;
    margin.right = 0.123456;
    margin.bottom = 4;
    DoubleValue start;
    start.value = 45.5;
    const std::string bytes = file.write([&](Document& d) {
        EXPECT_EQ(lean.writeThroughHolder(&d), 1);
        EXPECT_EQ(open.writeThroughHolder(&d), 1);
        EXPECT_EQ(group.writeXml(0), 1) << "no group: nothing written";
        EXPECT_EQ(group.writeXml(-4), 1);
        EXPECT_EQ(group.writeXml(6), 1);
        EXPECT_EQ(layer.writeXml(7), 1);
        EXPECT_EQ(margin.writeXml(&d), 1);
        EXPECT_EQ(start.writeXml(tag_id::sttAngle), 1);
    });
    EXPECT_EQ(bytes, "<lean>30.123</lean>\r\n<openClose>\"OPEN\"</openClose>\r\n<group>6</group>\r\n"
                     "<layer>7</layer>\r\n<margin>\r\n <top>1.5</top>\r\n <left>2</left>\r\n"
                     " <right>0.12345</right>\r\n <bottom>4</bottom>\r\n</margin>\r\n<sttAngle>45.5</sttAngle>\r\n");
    EXPECT_EQ(group.group, 6);

    file.open(bytes);
    ASSERT_EQ(file.readIntoHolder(), 1);
    AttributeHolder& h = file.holder();
    EXPECT_EQ(h.lean.angle, 30.123);
    EXPECT_EQ(h.openClose.isClosed(), 0);
    EXPECT_EQ(h.group.group, 6);
    EXPECT_EQ(h.layer.layer, 7);
    EXPECT_EQ(h.margin.top, 1.5);
    EXPECT_EQ(h.margin.left, 2.0);
    EXPECT_EQ(h.margin.right, 0.12345);
    EXPECT_EQ(h.margin.bottom, 4.0);
    EXPECT_EQ(h.startAngle.value, 45.5);
    EXPECT_EQ(file.dataErrorCount, 0);

    // Without a document being read or written nothing is read or written.
    EXPECT_EQ(LeanAttribute().readXmlValue(tag_id::lean), 0);
    EXPECT_EQ(DoubleValue().writeXml(tag_id::endAngle), 0);
    EXPECT_EQ(LayerNumber().writeXml(1), 0);
    EXPECT_EQ(MarginAttribute().writeXml(nullptr), 0);
}

TEST(SmallValues, ReadingKeepsValuesTheFileGetsWrong)
{
    MessageBoxScript boxes;
    AttributeFile file;
    const std::string longText(300, 'C');
    // Each value first gets a sound one, then one it must not take.
    struct Case {
        const char* what;
        std::string bytes;
        int readResult;
    } cases[] = {
        {"openClose in lower case", "<openClose>\"close\"</openClose>", 1},
        {"openClose of 300 bytes", "<openClose>\"" + longText + "\"</openClose>", 1},
        {"openClose without closing tag", "<openClose>\"CLOSE\"<lean>", 0},
        {"group 0", "<group>0</group>", 1},
        {"group -3", "<group>-3</group>", 1},
        {"group without closing tag", "<group>8<lean>", 0},
        {"layer 300", "<layer>300</layer>", 1},
        {"lean without closing tag", "<lean>90<group>", 0},
        {"margin without closing tag", "<margin><top>9</top>", 0},
        {"margin side without closing tag", "<margin><top>9<left>1</left></margin>", 0},
        {"lean of 300 digits", "<lean>" + std::string(300, '9') + "</lean>", 1},
        {"margin of 300 digits", "<margin><top>" + std::string(300, '9') + "</top></margin>", 1},
        {"group of 300 letters", "<group>" + std::string(300, 'g') + "</group>", 1},
    };
    const std::string sound =
        "<openClose>\"OPEN\"</openClose><group>4</group><layer>9</layer><lean>15</lean>"
        "<margin><top>1</top></margin>\r\n";
    for (const Case& c : cases) {
        file.open(sound + c.bytes);
        EXPECT_EQ(file.readIntoHolder(), c.readResult) << c.what;
        AttributeHolder& h = file.holder();
        EXPECT_EQ(h.openClose.value, OpenCloseAttribute::kOpen) << c.what;
        EXPECT_EQ(h.group.group, 4) << c.what;
        EXPECT_EQ(h.layer.layer, 9) << c.what;
        EXPECT_EQ(h.lean.angle, 15.0) << c.what;
        EXPECT_EQ(h.margin.top, 1.0) << c.what;
    }

}

TEST(GroupNumber, AGroupReadWhileTheDrawingMapsGroupsTakesItsNewNumber)
{
    DocumentContext context;
    context.idSet = new ElementIdSet; // the context deletes it
    context.idSet->lastGroup = 10;
    AttributeFile file;
    file.setOwner(&context);
    const std::string bytes = "<group>4</group><group>3</group><group>4</group>";
    auto readGroups = [&] {
        std::vector<int> read;
        GroupNumber group;
        int id = 0;
        file.open(bytes);
        while (file.nextTag(id)) {
            if (!file.isClosingTag() && group.readEntityXml(file, id))
                read.push_back(group.group);
        }
        return read;
    };
    EXPECT_EQ(readGroups(), (std::vector<int>{4, 3, 4})) << "no map: as read";
    context.idSet->initGroupMap();
    EXPECT_EQ(readGroups(), (std::vector<int>{12, 14, 12}));
    context.idSet->clearGroupMap();
    file.setOwner(nullptr);
}

TEST(SmallValues, OpenCloseKeywords)
{
    struct Case {
        int code;
        const char* keyword;
    } cases[] = {{1, "OPEN"}, {2, "CLOSE"}, {0, ""}, {3, ""}};
    for (const Case& c : cases) {
        char text[16] = "x";
        EXPECT_EQ(OpenCloseAttribute::keyword(c.code, text, sizeof text), 1);
        EXPECT_STREQ(text, c.keyword);
    }
    int code = 1;
    EXPECT_EQ(OpenCloseAttribute::parse("close", code), 0);
    EXPECT_EQ(OpenCloseAttribute::parse("", code), 0);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(OpenCloseAttribute::parse("CLOSE", code), 1);
    EXPECT_EQ(code, 2);
}

TEST(PickSettings, ModesAndTheirKeywords)
{
    PickSettings pick;
    EXPECT_EQ(pick.encloseMode, 1);
    EXPECT_EQ(pick.activeMode, 1);
    EXPECT_EQ(pick.pickColour.getRed(), 0);
    EXPECT_EQ(pick.pickColour.getGreen(), 255);
    EXPECT_EQ(pick.pickColour.getBlue(), 255);

    struct Case {
        int mode;
        const char* keyword;
    } cases[] = {{1, "WHOLE"}, {2, "PART"}, {3, "PART"}, {0, ""}, {4, ""}};
    for (const Case& c : cases) {
        char text[16] = "x";
        PickSettings::modeKeyword(c.mode, text, sizeof text);
        EXPECT_STREQ(text, c.keyword) << c.mode;
    }
    pick.encloseMode = 3;
    EXPECT_EQ(pick.parseModeKeyword("PART"), 1);
    EXPECT_EQ(pick.encloseMode, 2) << "PART reads back as 2";
    const std::string longText(300, 'W');
    for (const char* refused : {"whole", "", "WHOLE ", longText.c_str()}) {
        EXPECT_EQ(pick.parseModeKeyword(refused), 0);
        EXPECT_EQ(pick.encloseMode, 2);
    }
    EXPECT_EQ(pick.activeMode, 1) << "the mode in force follows only when activated";
    pick.activateEncloseMode();
    EXPECT_EQ(pick.activeMode, 2);

    PickSettings copy;
    copy.setColor(RgbColor(1, 2, 3));
    pick.copyFrom(&copy);
    EXPECT_EQ(pick.encloseMode, 1);
    EXPECT_EQ(pick.pickColour.getBlue(), 3);
    pick.copyFrom(nullptr);
    pick.encloseMode = 2;
    pick.reset();
    EXPECT_EQ(pick.encloseMode, 1);
    EXPECT_EQ(pick.pickColour.getRed(), 0);
}

TEST(SmallValues, SettingsKeys)
{
    FakeSettingsFile file;
    file.registerAttributeKeys();
    file.registerKey(1013, "HOWTOPICK");
    LayerNumber layer;
    layer.layer = 42;
    PickSettings pick;
    pick.encloseMode = 3;
    ASSERT_EQ(layer.writeSetting(file, 15111) && pick.writeModeSetting(file, 1013), 1);
    EXPECT_EQ(file.text, "LAYERNO=42\r\nHOWTOPICK=\"PART\"\r\n");
    file.text += "LAYERNO=256\r\nLAYERNO=-1\r\nHOWTOPICK=\"part\"\r\nHOWTOPICK=\"" + std::string(300, 'P') + "\"\r\n";
    LayerNumber layer2;
    PickSettings pick2;
    std::vector<int> results;
    while (file.readKey())
        results.push_back(file.currentId() == 15111 ? layer2.readSetting(file) : pick2.readModeSetting(file));
    EXPECT_EQ(results, (std::vector<int>{1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(layer2.layer, 42);
    EXPECT_EQ(pick2.encloseMode, 2);
}

} // namespace
