// Fill, screen, hatch and edge attributes: records, drawing-file blocks, settings keys, resets.
#include <gtest/gtest.h>

#include "geometry/ElementRecordBuffer.h"
#include "tests/support/AttributeFile.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/MessageBoxScript.h"

namespace {

TEST(GrayAttributes, KeywordsSelectionAndRecord)
{
    char text[16] = "x";
    EXPECT_EQ(GrayAttributes::kindKeyword(2, text, sizeof text), 1);
    EXPECT_STREQ(text, "GRADATION");
    EXPECT_EQ(GrayAttributes::kindKeyword(3, text, sizeof text), 1);
    EXPECT_STREQ(text, "") << "a code outside the table writes an empty text";
    EXPECT_EQ(GrayAttributes::vectorKeyword(4, text, sizeof text), 1);
    EXPECT_STREQ(text, "BOTTOM2TOP");
    int code = 9;
    EXPECT_EQ(GrayAttributes::parseVector("TOP2BOTTOM", code), 1);
    EXPECT_EQ(code, 3);
    EXPECT_EQ(GrayAttributes::parseKind("flat", code), 0);
    EXPECT_EQ(code, 3);

    GrayAttributes from;
    from.kind = 2;
    from.startGray = 0.5;
    from.sensuu = 175;
    from.kakudo[3] = 45.0;
    GrayAttributes to;
    int flags[GrayAttributes::kFieldCount] = {};
    flags[GrayAttributes::kStartField] = 1;
    flags[GrayAttributes::kAngleKField] = 1;
    to.assignSelected(&from, flags);
    EXPECT_EQ(to.kind, 0);
    EXPECT_EQ(to.startGray, 0.5);
    EXPECT_EQ(to.sensuu, 133);
    EXPECT_EQ(to.kakudo[3], 45.0);
    to.assign(&from);
    EXPECT_EQ(to.sensuu, 175);
    to.setDefaults();
    EXPECT_EQ(to.kind, 0);
    EXPECT_EQ(to.cuts, 32);
    EXPECT_EQ(to.kakudo[0], 15.0);

    ElementRecordBuffer buffer;
    ASSERT_EQ(from.exchangeRecord(1, buffer), 1);
    EXPECT_EQ(buffer.count, 12 + 16 + 4 + 32);
    buffer.rewind();
    ASSERT_EQ(to.exchangeRecord(3, buffer), 1);
    EXPECT_EQ(to.kind, 2);
    EXPECT_EQ(to.sensuu, 175);
    EXPECT_EQ(to.kakudo[3], 45.0);
}

TEST(FillAttributes, PaintBlockWithAndWithoutScreen)
{
    AttributeFile file;
    FillAttributes fill;
    fill.colour.setRgb(1, 2, 3);
    std::string bytes = file.write([&](Document& d) { EXPECT_EQ(fill.writeThroughHolder(&d), 1); });
    EXPECT_EQ(bytes, "<paint>\r\n <draw>\"ON\"</draw>\r\n"
                     " <rgbColor>\r\n  <r>1</r>\r\n  <g>2</g>\r\n  <b>3</b>\r\n </rgbColor>\r\n</paint>\r\n")
        << "a NONE screen writes no halfTone";

    fill.gray.kind = GrayAttributes::kFlat;
    fill.gray.startGray = 0.35;
    fill.gray.kakudo[0] = 12.345;
    bytes = file.write([&](Document& d) { EXPECT_EQ(fill.writeXml(&d), 1); });
    EXPECT_NE(bytes.find(" <halfTone>\r\n  <type>\"FLAT\"</type>\r\n  <gray>0.35</gray>\r\n  <sensuu>133</sensuu>\r\n"
                         "  <kakudoC>12.34</kakudoC>\r\n  <kakudoM>45</kakudoM>\r\n  <kakudoY>30</kakudoY>\r\n"
                         "  <kakudoK>75</kakudoK>\r\n </halfTone>\r\n"),
              std::string::npos)
        << bytes;
    EXPECT_EQ(bytes.find("startGray"), std::string::npos) << "FLAT writes gray, not startGray";

    fill.gray.kind = GrayAttributes::kGradation;
    fill.gray.vector = 2;
    bytes = file.write([&](Document& d) { EXPECT_EQ(fill.writeXml(&d), 1); });
    EXPECT_NE(bytes.find("  <type>\"GRADATION\"</type>\r\n  <vector>\"RIGHT2LEFT\"</vector>\r\n"
                         "  <startGray>0.35</startGray>\r\n  <endGray>0.8</endGray>\r\n  <cuts>32</cuts>\r\n"),
              std::string::npos)
        << bytes;

    fill.draw.value = 0;
    bytes = file.write([&](Document& d) { EXPECT_EQ(fill.writeDrawOnly(&d), 1); });
    EXPECT_EQ(bytes, "<paint>\r\n <draw>\"OFF\"</draw>\r\n</paint>\r\n");

    // Reading: gray into a GRADATION screen is its start tint; an unknown type is a data error.
    MessageBoxScript boxes;
    file.open("<paint><draw>\"OFF\"</draw><halfTone><type>\"GRADATION\"</type><gray>0.6</gray>"
              "<vector>\"UP\"</vector><cuts>8</cuts></halfTone><cmykPercent><k>50</k></cmykPercent></paint>");
    ASSERT_EQ(file.readIntoHolder(), 1);
    FillAttributes& read = file.holder().paint;
    EXPECT_EQ(read.draw.value, 0);
    EXPECT_EQ(read.gray.kind, 2);
    EXPECT_EQ(read.gray.startGray, 0.6);
    EXPECT_EQ(read.gray.vector, 1);
    EXPECT_EQ(read.gray.cuts, 8);
    EXPECT_EQ(read.colour.inks[3], 50);
    EXPECT_EQ(boxes.texts(), "</vector>のデータがエラーです");
}

TEST(FillAttributes, ResetsAndRecords)
{
    FillAttributes fill;
    EXPECT_EQ(fill.draw.value, 1);
    fill.colour.model = 3;
    fill.colour.setInkValues(10, 0, 0, 0);
    fill.gray.kind = 1;
    fill.reset();
    EXPECT_EQ(fill.draw.value, 0);
    EXPECT_EQ(fill.colour.colorRef, RGB(0, 0, 0));
    EXPECT_EQ(fill.colour.inks[0], 0);
    EXPECT_EQ(fill.colour.inks[3], 100) << "black in model 3";
    EXPECT_EQ(fill.gray.kind, 0);

    EdgeAttributes edge;
    edge.colour.setRgb(200, 0, 0);
    edge.draw.value = 0;
    edge.gray.value = 0.5;
    edge.reset();
    EXPECT_EQ(edge.draw.value, 1);
    EXPECT_EQ(edge.gray.value, 1.0);
    EXPECT_EQ(edge.color().colorRef, RGB(200, 0, 0)) << "resetting an edge keeps its colour";

    ElementRecordBuffer buffer;
    ASSERT_EQ(fill.exchangeRecord(1, buffer), 1);
    EXPECT_EQ(buffer.count, 2 + 52 + 64);
    ASSERT_EQ(edge.exchangeRecord(1, buffer), 1);
    EXPECT_EQ(buffer.count, 118 + 2 + 52 + 8);
    HatchAttributes hatch;
    hatch.pattern = 6;
    ASSERT_EQ(hatch.exchangeRecord(1, buffer), 1);
    EXPECT_EQ(buffer.count, 180 + 4 + 16 + 52 + 8);

    buffer.rewind();
    FillAttributes fill2;
    EdgeAttributes edge2;
    HatchAttributes hatch2;
    ASSERT_EQ(fill2.exchangeRecord(3, buffer), 1);
    ASSERT_EQ(edge2.exchangeRecord(3, buffer), 1);
    ASSERT_EQ(hatch2.exchangeRecord(3, buffer), 1);
    EXPECT_EQ(fill2.draw.value, 0);
    EXPECT_EQ(fill2.colour.inks[3], 100);
    EXPECT_EQ(edge2.colour.getRed(), 200);
    EXPECT_EQ(hatch2.pattern, 6);
    EXPECT_EQ(hatch2.gray.value, 1.0);
    EXPECT_EQ(hatch2.exchangeRecord(3, buffer), 0);
    EXPECT_EQ(hatch2.pattern, 6);
}

TEST(HatchAttributes, PatternBlockKeywordsAndSettings)
{
    EXPECT_EQ(HatchAttributes().pitch1, 3.0);
    char text[16];
    HatchAttributes::keyword(5, text, sizeof text);
    EXPECT_STREQ(text, "MESH");

    AttributeFile file;
    HatchAttributes hatch;
    hatch.pattern = 5;
    hatch.pitch1 = 1.2345;
    hatch.pitch2 = 2.5;
    hatch.gray.value = 0.5;
    std::string bytes = file.write([&](Document& d) { EXPECT_EQ(hatch.writeThroughHolder(&d), 1); });
    EXPECT_EQ(bytes, "<pattern>\r\n <style>\"MESH\"</style>\r\n <spacex>1.234</spacex>\r\n <spacey>2.5</spacey>\r\n"
                     " <rgbColor>\r\n  <r>0</r>\r\n  <g>0</g>\r\n  <b>0</b>\r\n </rgbColor>\r\n</pattern>\r\n")
        << "the tint is not in the file";

    MessageBoxScript boxes;
    file.open("<pattern><style>\"mesh\"</style><spacey>4</spacey></pattern>"
              "<edge><draw>\"OFF\"</draw><gray>0.25</gray><rgbColor><r>9</r></rgbColor></edge>");
    ASSERT_EQ(file.readIntoHolder(), 1);
    EXPECT_EQ(file.holder().pattern.pattern, 0) << "\"mesh\" keeps the pattern";
    EXPECT_EQ(file.holder().pattern.pitch2, 4.0);
    EXPECT_EQ(file.holder().edge.draw.value, 0);
    EXPECT_EQ(file.holder().edge.gray.value, 0.25);
    EXPECT_EQ(file.holder().edge.colour.getRed(), 9);
    EXPECT_EQ(boxes.texts(), "</style>のデータがエラーです");

    // Settings: keyword and pitches with three decimals, read by key.
    FakeSettingsFile settings;
    settings.registerAttributeKeys();
    hatch.pitch1 = 0.0125;
    ASSERT_EQ(hatch.writeSetting(settings), 1);
    EXPECT_EQ(settings.text, "AREAPATTERN=\"MESH\"\r\nPATTERNSPACEX=0.012\r\nPATTERNSPACEY=2.5\r\n");
    HatchAttributes read;
    while (settings.readKey())
        EXPECT_EQ(read.readSetting(settings), 1);
    EXPECT_EQ(read.pattern, 5);
    EXPECT_DOUBLE_EQ(read.pitch1, 0.012);
    EXPECT_DOUBLE_EQ(read.pitch2, 2.5);
    FakeSettingsFile bad;
    bad.registerAttributeKeys();
    bad.text = "AREAPATTERN=\"mesh\"\r\nEDGEDRAWSW=TRUE\r\n";
    ASSERT_EQ(bad.readKey(), 1);
    EXPECT_EQ(read.readSetting(bad), 0);
    ASSERT_EQ(bad.readKey(), 1);
    EXPECT_EQ(read.readSetting(bad), 0) << "not a hatch key";
    EXPECT_EQ(read.pattern, 5);

    // The switches of the drawing defaults.
    FakeSettingsFile switches;
    switches.registerAttributeKeys();
    FillAttributes fill;
    fill.draw.value = 0;
    EdgeAttributes edge;
    ASSERT_EQ(fill.writeDrawSetting(switches, 15315), 1);
    ASSERT_EQ(edge.draw.writeSetting(switches, 15314), 1);
    EXPECT_EQ(switches.text, "PAINTDRAWSW=FALSE\r\nEDGEDRAWSW=TRUE\r\n");
    switches.text = "PAINTDRAWSW=TRUE\r\nEDGEDRAWSW=true\r\n";
    ASSERT_EQ(switches.readKey(), 1);
    ASSERT_EQ(fill.readDrawSetting(switches), 1);
    ASSERT_EQ(switches.readKey(), 1);
    ASSERT_EQ(edge.draw.readSetting(switches), 1);
    EXPECT_EQ(fill.draw.value, 1);
    EXPECT_EQ(edge.draw.value, 0);
}

TEST(EdgeAttributes, EdgeBlocks)
{
    AttributeFile file;
    EdgeAttributes edge;
    edge.gray.value = 0.1234;
    std::string bytes = file.write([&](Document& d) {
        EXPECT_EQ(edge.writeThroughHolder(&d), 1);
        EXPECT_EQ(edge.writeDrawOnly(&d), 1);
        EXPECT_EQ(edge.writeColorOnly(), 1);
    });
    const std::string colour = " <rgbColor>\r\n  <r>0</r>\r\n  <g>0</g>\r\n  <b>0</b>\r\n </rgbColor>\r\n";
    EXPECT_EQ(bytes, "<edge>\r\n <draw>\"ON\"</draw>\r\n" + colour + " <gray>0.123</gray>\r\n</edge>\r\n" +
                         "<edge>\r\n <draw>\"ON\"</draw>\r\n</edge>\r\n" + "<edge>\r\n" + colour + "</edge>\r\n");
}

} // namespace
