// Line style, line type, width, position and caps, the underline pen, and the dimension draw
// line with its draw switch and draw type.
#include <gtest/gtest.h>

#include "document/DocumentContext.h"
#include "geometry/DrawSwitch.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/PaperSettings.h"
#include "geometry/TagIds.h"
#include "tests/support/AttributeFile.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/IdleMembers.h"
#include "tests/support/MessageBoxScript.h"

namespace {

class ScalePaper : public IdlePaper {
public:
    ScalePaper(int n, int d) : numerator(n), denominator(d) {}
    int scaleNumerator() const override { return numerator; }
    int scaleDenominator() const override { return denominator; }
    int numerator;
    int denominator;
};

TEST(LineStyle, PresetsKeywordsAndListPositions)
{
    LineStyle line;
    line.dot = 0.7;
    line.setStyleWithPresets(LineStyle::kDash);
    EXPECT_EQ(line.dash, 1.5);
    EXPECT_EQ(line.gap, 1.5);
    EXPECT_EQ(line.dot, 0.7);
    line.setStyleWithPresets(LineStyle::kDashDot2);
    EXPECT_EQ(line.dash, 3.0);
    EXPECT_EQ(line.gap, 1.0);
    EXPECT_EQ(line.dot, 1.0);
    line.dash = 9.0;
    line.setStyleWithPresets(LineStyle::kLine2);
    EXPECT_EQ(line.style, 6);
    EXPECT_EQ(line.dash, 9.0);

    char text[16] = "x";
    EXPECT_EQ(LineStyle::keyword(8, text, sizeof text), 1);
    EXPECT_STREQ(text, "EDGE");
    EXPECT_EQ(LineStyle::keyword(0, text, sizeof text), 1) << "no keyword, still success";
    EXPECT_STREQ(text, "");
    int code = 5;
    EXPECT_EQ(LineStyle::parse("dash", code), 0);
    EXPECT_EQ(code, 5);
    EXPECT_EQ(LineStyle::parse("DASHDOT1", code), 1);
    EXPECT_EQ(code, 3);

    // Dash-dot entries by list mode: other modes offer one, 2 two, 3 three.
    LineTypeAttribute type;
    const int modeOne[9] = {0, 1, 2, 3, 2, 3, 4, 5, 6};
    const int modeTwo[9] = {0, 1, 2, 3, 4, 4, 5, 6, 7};
    for (int style = 1; style <= 8; ++style) {
        type.listMode = 1;
        EXPECT_EQ(type.positionOfStyle(style), modeOne[style]) << style;
        type.listMode = 2;
        EXPECT_EQ(type.positionOfStyle(style), modeTwo[style]) << style;
        type.listMode = 3;
        EXPECT_EQ(type.positionOfStyle(style), style);
    }
    type.listMode = 2;
    EXPECT_EQ(type.styleAtPosition(5), 6);
    EXPECT_EQ(type.styleAtPosition(4), 4);
    type.listMode = 0;
    EXPECT_EQ(type.styleAtPosition(4), 6);

    // The caps applied at the ends of an open line.
    LineCapAttribute caps;
    caps.capStyle = LineCapAttribute::kRound;
    caps.setEnds(1, 0);
    EXPECT_EQ(caps.capAt(0), 2);
    EXPECT_EQ(caps.cap(1), 0);
    EXPECT_EQ(caps.hasRoundEnd(), 1);
    caps.capStyle = LineCapAttribute::kSquare;
    caps.setEnds(1, 1);
    EXPECT_EQ(caps.hasRoundEnd(), 0);
}

TEST(LineStyle, RecordImagesAndScaling)
{
    ElementRecordBuffer buffer;
    LineTypeAttribute type;
    type.setStyleWithPresets(LineStyle::kDashDot3);
    ASSERT_EQ(type.exchangeRecord(1, buffer), 1);
    EXPECT_EQ(buffer.count, 28);
    LineAttribute pen;
    pen.style = 0;
    pen.penWidth = 0.3;
    ASSERT_EQ(pen.exchangeRecord(1, buffer), 1);
    EXPECT_EQ(buffer.count, 28 + 12 + 52);
    LineSizeAttribute size;
    size.width = 0.5;
    ASSERT_EQ(size.exchangeRecord(1, buffer), 1);
    DrawLineAttribute drawLine;
    drawLine.over = 2.5;
    ASSERT_EQ(drawLine.exchangeRecord(1, buffer), 1);
    EXPECT_EQ(buffer.count, 28 + 64 + 8 + 28 + 52);

    buffer.rewind();
    LineTypeAttribute type2;
    LineAttribute pen2;
    LineSizeAttribute size2;
    DrawLineAttribute drawLine2;
    ASSERT_EQ(type2.exchangeRecord(3, buffer), 1);
    ASSERT_EQ(pen2.exchangeRecord(3, buffer), 1);
    ASSERT_EQ(size2.exchangeRecord(3, buffer), 1);
    ASSERT_EQ(drawLine2.exchangeRecord(3, buffer), 1);
    EXPECT_EQ(type2.style, 5);
    EXPECT_EQ(type2.dash, 3.0);
    EXPECT_EQ(pen2.style, 0);
    EXPECT_EQ(pen2.width(), 0.3);
    EXPECT_EQ(size2.width, 0.5);
    EXPECT_EQ(drawLine2.over, 2.5);
    EXPECT_EQ(drawLine2.exchangeRecord(3, buffer), 0) << "past the record's end";
    EXPECT_EQ(drawLine2.over, 2.5);
    EXPECT_EQ(type2.exchangeRecord(0, buffer), 0);

    // Scaling: bit 0 of the flags, strict bounds, no clamping.
    pen.penWidth = 0.14;
    size.width = 0.14;
    pen.scale(1000, 1);
    size.scale(1000, 1);
    EXPECT_EQ(pen.width(), 0.14);
    EXPECT_DOUBLE_EQ(size.width, 140.0);
    size.scale(1000, 2);
    EXPECT_DOUBLE_EQ(size.width, 140.0);
    DrawLineAttribute extension;
    extension.scale(40, 1);
    EXPECT_DOUBLE_EQ(extension.width, 5.6);
    EXPECT_EQ(extension.space, 3.0);
    EXPECT_DOUBLE_EQ(extension.over, 80.0);

    // Lengths at drawing size follow the owner's paper (1:1 without one).
    DocumentContext context;
    context.paper = new ScalePaper(1, 100);
    type.owner = &context;
    EXPECT_DOUBLE_EQ(type.scaledDash(), 300.0);
    extension.owner = &context;
    EXPECT_DOUBLE_EQ(extension.scaledSpace(), 300.0);
    type.owner = nullptr;
    EXPECT_DOUBLE_EQ(type.scaledGap(), 1.0);
}

TEST(LineAttributes, DrawingFileForms)
{
    // Without a document being read or written nothing is read or written.
    LineCapAttribute idle;
    EXPECT_EQ(idle.writeXml(), 0);
    EXPECT_EQ(idle.readXmlValue(tag_id::lineCap), 0);
    LineTypeAttribute idleType;
    EXPECT_EQ(idleType.readXml(tag_id::lineType), 0);
    EXPECT_EQ(idleType.writeXml(nullptr), 0);

    AttributeFile file;
    LineTypeAttribute type;
    type.setStyleWithPresets(LineStyle::kDashDot1);
    LineSizeAttribute size;
    size.width = 0.123456;
    LineOriginAttribute origin;
    origin.position = LineOriginAttribute::kBottom;
    LineCapAttribute cap;
    cap.capStyle = LineCapAttribute::kSquare;
    LineAttribute pen;
    pen.style = 0;
    DrawLineAttribute drawLine;
    drawLine.hasOver = 0;
    DrawTypeAttribute drawType;
    std::string bytes = file.write([&](Document& d) {
        EXPECT_EQ(type.writeThroughHolder(&d), 1);
        EXPECT_EQ(size.writeThroughHolder(&d), 1);
        EXPECT_EQ(origin.writeThroughHolder(&d), 1);
        EXPECT_EQ(cap.writeXml(), 1);
        EXPECT_EQ(pen.writeXml(&d), 1);
        EXPECT_EQ(drawLine.writeXml(&d), 1);
        EXPECT_EQ(drawType.writeThroughHolder(&d), 1) << "draw type 0 writes nothing and succeeds";
        drawType.value = 3;
        EXPECT_EQ(drawType.writeXml(&d), 1);
    });
    EXPECT_EQ(bytes, "<lineType>\r\n <style>\"DASHDOT1\"</style>\r\n <jisen>3</jisen>\r\n <kuhaku>1</kuhaku>\r\n"
                     " <sasen>1</sasen>\r\n</lineType>\r\n"
                     "<lineSize>0.12345</lineSize>\r\n"
                     "<lineOrigin>\"BOTTOM\"</lineOrigin>\r\n"
                     "<lineCap>\"SQUARE\"</lineCap>\r\n"
                     "<underLine>\r\n <style>\"\"</style>\r\n <lineSize>0.14</lineSize>\r\n"
                     " <rgbColor>\r\n  <r>0</r>\r\n  <g>0</g>\r\n  <b>0</b>\r\n </rgbColor>\r\n</underLine>\r\n"
                     "<drawLine>\r\n <style>\"SOLID\"</style>\r\n <lineSize>0.14</lineSize>\r\n <space>3</space>\r\n"
                     " <rgbColor>\r\n  <r>0</r>\r\n  <g>0</g>\r\n  <b>0</b>\r\n </rgbColor>\r\n</drawLine>\r\n"
                     "<drawType>\"ARROW\"</drawType>\r\n");

    // Read back through the element routing; the "なし" underline stays without a line.
    file.open(bytes);
    ASSERT_EQ(file.readIntoHolder(), 1);
    AttributeHolder& h = file.holder();
    EXPECT_EQ(h.lineType.style, 3);
    EXPECT_EQ(h.lineType.dash, 3.0) << "the preset's dash, written with the style";
    EXPECT_EQ(h.lineSize.width, 0.12345);
    EXPECT_EQ(h.lineOrigin.position, 3);
    EXPECT_EQ(h.lineCap.capStyle, 3);
    EXPECT_EQ(h.underLine.style, 0);
    EXPECT_EQ(h.drawType.value, 3);
}

TEST(LineAttributes, ReadingKeepsValuesTheFileGetsWrong)
{
    MessageBoxScript boxes;
    AttributeFile file;
    file.open("<lineType><style>\"dash\"</style></lineType>\r\n"
              "<lineType><style>\"DASH\"</style><lineSize>9</lineSize>\r\n</lineType>\r\n"
              "<lineOrigin>\"center\"</lineOrigin><lineCap>\"ROUND\"</lineCap>\r\n"
              "<drawLine><style>\"LINE9\"</style><over>1.25</over></drawLine>\r\n"
              "<drawType>\"arc\"</drawType>\r\n");
    ASSERT_EQ(file.readIntoHolder(), 1);
    AttributeHolder& h = file.holder();
    EXPECT_EQ(h.lineType.style, 2) << "the second block's keyword";
    EXPECT_EQ(h.lineType.dash, 2.0);
    EXPECT_EQ(h.lineOrigin.position, 1) << "a position text that is no keyword is ignored";
    EXPECT_EQ(h.lineCap.capStyle, 2);
    EXPECT_EQ(h.drawLine.style, 1);
    EXPECT_EQ(h.drawLine.space, 3.0) << "no space tag: the space stays";
    EXPECT_EQ(h.drawLine.over, 1.25);
    EXPECT_EQ(h.drawType.value, 0);
    EXPECT_EQ(boxes.texts(), "</style>のデータがエラーです") << "only the first data error of a read is shown";
    EXPECT_EQ(file.dataErrorCount, 2);

    // A value tag without its closing tag fails the read and keeps the value it had.
    boxes.clear();
    LineSizeAttribute size;
    file.open("<lineSize>2.5<lineCap>");
    int id = 0;
    ASSERT_TRUE(file.nextTag(id));
    EXPECT_EQ(size.readXmlValue(tag_id::lineSize), 0);
    EXPECT_EQ(size.width, 0.14);
    EXPECT_EQ(boxes.texts(), "</lineSize>がみつかりません");
}

TEST(DrawSwitch, KeywordsRecordCheckBoxAndFileValue)
{
    DrawSwitch draw;
    EXPECT_EQ(draw.value, 1);
    char text[8];
    draw.value = 5;
    draw.keyword(text, sizeof text);
    EXPECT_STREQ(text, "ON");
    EXPECT_EQ(draw.setFromKeyword("on"), 0);
    EXPECT_EQ(draw.value, 5);
    EXPECT_EQ(draw.setFromKeyword("OFF"), 1);
    EXPECT_EQ(draw.value, 0);
    EXPECT_EQ(draw.toCheckBox(nullptr, 1), 0);

    ElementRecordBuffer buffer;
    draw.value = 1;
    ASSERT_EQ(draw.exchangeRecord(1, buffer), 1);
    EXPECT_EQ(buffer.count, 2);

    // "on" leaves the switch as it was and the read goes on.
    AttributeFile file;
    file.open("<draw>\"on\"</draw><draw>\"OFF\"</draw>");
    int id = 0;
    ASSERT_EQ(file.nextTag(id), 1);
    EXPECT_EQ(draw.readXmlValue(file, tag_id::draw), 1);
    EXPECT_EQ(draw.value, 1);
    ASSERT_EQ(file.nextTag(id), 1);
    EXPECT_EQ(draw.readXmlValue(file, tag_id::draw), 1);
    EXPECT_EQ(draw.value, 0);
}

TEST(LineAttributes, SettingsKeys)
{
    FakeSettingsFile file;
    file.registerAttributeKeys();
    LineTypeAttribute type;
    type.style = LineStyle::kLine3;
    LineSizeAttribute size;
    size.width = 0.1234567;
    LineOriginAttribute origin;
    origin.position = LineOriginAttribute::kTop;
    LineCapAttribute cap;
    cap.capStyle = LineCapAttribute::kRound;
    LineAttribute pen;
    pen.penWidth = 0.25;
    DrawLineAttribute drawLine;
    drawLine.setStyleWithPresets(LineStyle::kDash);
    drawLine.width = 0.3;
    drawLine.hasOver = 0;
    ASSERT_EQ(type.writeSetting(file, 15115), 1);
    ASSERT_EQ(size.writeSetting(file, 15114), 1);
    ASSERT_EQ(origin.writeSetting(file, 15116), 1);
    ASSERT_EQ(cap.writeSetting(file, 15117), 1);
    ASSERT_EQ(pen.writeSetting(file), 1);
    ASSERT_EQ(drawLine.writeSetting(file), 1);
    EXPECT_EQ(file.text, "LINESTYLE=\"LINE3\"\r\nLINESIZE=0.123456\r\nLINEORIGIN=\"TOP\"\r\nLINECAP=\"ROUND\"\r\n"
                         "ULINELSIZE=0.25\r\nDRAWLSTYLE=\"DASH\"\r\nDRAWLSIZE=0.3\r\nDRAWSPACE=3\r\n")
        << "hasOver 0 writes no DRAWOVER";

    LineTypeAttribute type2;
    LineSizeAttribute size2;
    LineOriginAttribute origin2;
    LineCapAttribute cap2;
    LineAttribute pen2;
    DrawLineAttribute drawLine2;
    drawLine2.dash = 7.0;
    while (file.readKey()) {
        switch (file.currentId()) {
        case 15115: EXPECT_EQ(type2.readSetting(file), 1); break;
        case 15114: EXPECT_EQ(size2.readSetting(file), 1); break;
        case 15116: EXPECT_EQ(origin2.readSetting(file), 1); break;
        case 15117: EXPECT_EQ(cap2.readSetting(file), 1); break;
        case 15441: EXPECT_EQ(pen2.readSetting(file), 1); break;
        default: EXPECT_EQ(drawLine2.readSetting(file), 1); break;
        }
    }
    EXPECT_EQ(type2.style, 7);
    EXPECT_DOUBLE_EQ(size2.width, 0.123456);
    EXPECT_EQ(origin2.position, 2);
    EXPECT_EQ(cap2.capStyle, 2);
    EXPECT_DOUBLE_EQ(pen2.width(), 0.25);
    EXPECT_EQ(drawLine2.style, 2);
    EXPECT_EQ(drawLine2.dash, 7.0) << "a style from the settings sets the code only";
    EXPECT_DOUBLE_EQ(drawLine2.width, 0.3);

    // A text that is not a keyword fails and changes nothing; other keys are not the pen's.
    FakeSettingsFile bad;
    bad.registerAttributeKeys();
    bad.text = "LINESTYLE=\"dash\"\r\nLINEORIGIN=\"MIDDLE\"\r\nDRAWLSTYLE=\"WAVE\"\r\nLINESIZE=5\r\n";
    ASSERT_EQ(bad.readKey(), 1);
    EXPECT_EQ(type2.readSetting(bad), 0);
    ASSERT_EQ(bad.readKey(), 1);
    EXPECT_EQ(origin2.readSetting(bad), 0);
    ASSERT_EQ(bad.readKey(), 1);
    EXPECT_EQ(drawLine2.readSetting(bad), 0);
    ASSERT_EQ(bad.readKey(), 1);
    EXPECT_EQ(pen2.readSetting(bad), 1);
    EXPECT_EQ(type2.style, 7);
    EXPECT_EQ(origin2.position, 2);
    EXPECT_EQ(drawLine2.style, 2);
    EXPECT_EQ(pen2.width(), 0.25);
}

} // namespace
