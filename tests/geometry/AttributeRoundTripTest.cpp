// Seeded random attribute values, written as an element writes them (through the writer's
// attribute holder) and read back through the element-attribute routing of the drawing-file
// reader, through the element record buffer and through the settings file: each comes back
// equal. Two values are equal when their record images are (the image holds every field that a
// file keeps) and, for the values without a record, when their codes are.
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "geometry/ElementRecordBuffer.h"
#include "tests/support/AttributeFile.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/TestApplication.h"

namespace {

template <typename T> std::string image(T& value)
{
    ElementRecordBuffer buffer;
    EXPECT_EQ(value.exchangeRecord(1, buffer), 1);
    std::string bytes(static_cast<size_t>(buffer.count), '\0');
    buffer.rewind();
    if (buffer.count > 0) {
        EXPECT_EQ(buffer.getBytes(&bytes[0], buffer.count), 1);
    }
    return bytes;
}

// The fields of a colour, spelled out: compared beside the record images, so that a field the
// record would lose still shows.
std::string fields(const InkColor& c)
{
    std::string text = std::to_string(c.colorRef);
    for (int ink : c.inks)
        text += " " + std::to_string(ink);
    text += " op " + std::to_string(c.overprint);
    for (int mark : c.plateMarks)
        text += std::to_string(mark);
    return text + " ink " + std::to_string(c.inkNumber);
}

// Values as the file holds them: tints with three decimals, lengths with five, angles with two.
class Values {
public:
    explicit Values(unsigned seed) : rng(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    double length() { return pick(1, 9999999) / 1e5; }
    double tint() { return pick(0, 1000) / 1000.0; }

    InkColor colour(bool cmyk)
    {
        InkColor c;
        if (!cmyk) {
            c.setRgb(pick(0, 255), pick(0, 255), pick(0, 255));
            return c;
        }
        c.setInkValues(pick(0, 100), pick(0, 100), pick(0, 100), pick(0, 100));
        c.overprint = pick(0, 1);
        for (int i = 0; i < InkColor::kPlates; ++i)
            c.setPlateOverprint(i, pick(0, 3) == 0);
        // The file keeps overprint only together with a plate that is on.
        if (!c.overprint || c.hasNoPlateOverprint())
            c.clearOverprint();
        c.inkNumber = pick(1, 6);
        return c;
    }

    GrayAttributes screen()
    {
        GrayAttributes s;
        s.kind = pick(0, 2);
        if (s.kind == GrayAttributes::kNone)
            return s;
        s.startGray = tint();
        s.sensuu = pick(1, 400);
        for (double& angle : s.kakudo)
            angle = pick(-9000, 9000) / 100.0;
        if (s.kind == GrayAttributes::kGradation) {
            s.vector = pick(1, 4);
            s.endGray = tint();
            s.cuts = pick(1, 256);
        }
        return s;
    }

    std::mt19937 rng;
};

// One element's worth of attributes.
struct Attributes {
    InkColor colour;
    LineTypeAttribute lineType;
    LineSizeAttribute lineSize;
    LineOriginAttribute lineOrigin;
    LineCapAttribute lineCap;
    DrawTypeAttribute drawType;
    GrayValue gray;
    LineAttribute underLine;
    DrawLineAttribute drawLine;
    EdgeAttributes edge;
    FillAttributes paint;
    HatchAttributes pattern;
    FontAttributes font;
    TextSpacingAttribute spacing;
    LeanAttribute lean;
    OpenCloseAttribute openClose;
    MarginAttribute margin;

    void randomise(Values& v, bool cmyk)
    {
        static const char* const faces[] = {"IPAゴシック", "Arial", "表ソ", "a\"q\"b", ""};
        font.setFaceName(faces[v.pick(0, 4)]);
        font.style = v.pick(1, 4);
        font.size = v.length();
        spacing.assign(v.pick(1, 3), v.length(), v.length());
        lean.angle = v.pick(0, 359999) / 1000.0;
        openClose.value = v.pick(1, 2);
        margin.top = v.length();
        margin.left = v.length();
        margin.right = v.length();
        margin.bottom = v.length();
        colour = v.colour(cmyk);
        lineType.style = v.pick(1, 8);
        lineSize.width = v.length();
        lineOrigin.position = v.pick(1, 3);
        lineCap.capStyle = v.pick(1, 3);
        drawType.value = v.pick(0, 4);
        gray.value = v.tint();
        underLine.style = v.pick(0, 8);
        underLine.penWidth = v.length();
        underLine.colour = v.colour(cmyk);
        drawLine.style = v.pick(1, 8);
        drawLine.width = v.length();
        drawLine.space = v.length();
        drawLine.over = v.length();
        drawLine.colour = v.colour(cmyk);
        edge.draw.value = v.pick(0, 1);
        edge.colour = v.colour(cmyk);
        edge.gray.value = v.tint();
        paint.draw.value = v.pick(0, 1);
        paint.colour = v.colour(cmyk);
        paint.gray = v.screen();
        pattern.pattern = v.pick(0, 8);
        pattern.pitch1 = v.pick(1, 99999) / 1000.0;
        pattern.pitch2 = v.pick(1, 99999) / 1000.0;
        pattern.colour = v.colour(cmyk);
    }

    int write(Document& d)
    {
        return colour.writeThroughHolder(&d) && lineType.writeThroughHolder(&d) && lineSize.writeThroughHolder(&d) &&
               lineOrigin.writeThroughHolder(&d) && lineCap.writeXml() && drawType.writeThroughHolder(&d) &&
               gray.writeXml(&d) && underLine.writeThroughHolder(&d) && drawLine.writeThroughHolder(&d) &&
               edge.writeThroughHolder(&d) && paint.writeThroughHolder(&d) && pattern.writeThroughHolder(&d) &&
               font.writeThroughHolder(&d) && spacing.writeThroughHolder(&d) && lean.writeThroughHolder(&d) &&
               openClose.writeThroughHolder(&d) && margin.writeXml(&d);
    }

    // The attributes with a record image, in record order through one buffer: written (mode 1)
    // or read (mode 3).
    int exchangeRecords(int mode, ElementRecordBuffer& buffer)
    {
        return colour.exchangeRecord(mode, buffer) && lineType.exchangeRecord(mode, buffer) &&
               underLine.exchangeRecord(mode, buffer) && drawLine.exchangeRecord(mode, buffer) &&
               edge.exchangeRecord(mode, buffer) && paint.exchangeRecord(mode, buffer) &&
               pattern.exchangeRecord(mode, buffer) && font.exchangeRecord(mode, buffer) &&
               spacing.exchangeRecord(mode, buffer) && lean.exchangeRecord(mode, buffer);
    }
    std::vector<std::string> images()
    {
        return {image(colour), image(lineType), image(underLine), image(drawLine), image(edge),
                image(paint),  image(pattern),  image(font),      image(spacing),  image(lean)};
    }
};

void expectSame(Attributes& a, AttributeHolder& b, int round)
{
    SCOPED_TRACE("round " + std::to_string(round));
    EXPECT_EQ(image(a.colour), image(b.colour));
    EXPECT_EQ(fields(a.colour), fields(b.colour));
    EXPECT_EQ(fields(a.underLine.colour), fields(b.underLine.colour));
    EXPECT_EQ(fields(a.drawLine.colour), fields(b.drawLine.colour));
    EXPECT_EQ(fields(a.edge.colour), fields(b.edge.colour));
    EXPECT_EQ(fields(a.paint.colour), fields(b.paint.colour));
    EXPECT_EQ(fields(a.pattern.colour), fields(b.pattern.colour));
    EXPECT_EQ(image(a.lineType), image(b.lineType));
    EXPECT_EQ(image(a.lineSize), image(b.lineSize));
    EXPECT_EQ(a.lineOrigin.position, b.lineOrigin.position);
    EXPECT_EQ(a.lineCap.capStyle, b.lineCap.capStyle);
    EXPECT_EQ(a.drawType.value, b.drawType.value);
    EXPECT_EQ(image(a.gray), image(b.gray));
    EXPECT_EQ(image(a.underLine), image(b.underLine));
    EXPECT_EQ(image(a.drawLine), image(b.drawLine));
    EXPECT_EQ(image(a.edge), image(b.edge));
    EXPECT_EQ(image(a.paint), image(b.paint));
    EXPECT_EQ(image(a.pattern), image(b.pattern));
    // The file drops the quote of a face (a string tag never carries one); the table row is
    // the running program's, looked up again after a read.
    FontAttributes expectedFont = a.font;
    std::string face = expectedFont.faceName;
    face.erase(std::remove(face.begin(), face.end(), '"'), face.end());
    expectedFont.setFaceName(face.c_str());
    expectedFont.tableIndex = FontAttributes::kNotLookedUp;
    EXPECT_EQ(image(expectedFont), image(b.font));
    EXPECT_EQ(image(a.spacing).substr(4), image(b.spacing).substr(4)) << "the mode is not in the file";
    EXPECT_EQ(image(a.lean), image(b.lean));
    EXPECT_EQ(a.openClose.value, b.openClose.value);
    EXPECT_EQ(a.margin.top, b.margin.top);
    EXPECT_EQ(a.margin.left, b.margin.left);
    EXPECT_EQ(a.margin.right, b.margin.right);
    EXPECT_EQ(a.margin.bottom, b.margin.bottom);
}

TEST(AttributeRoundTrip, RandomValuesSurviveTheDrawingFile)
{
    TestApplication app;
    Values values(20261207);
    for (int round = 0; round < 300; ++round) {
        const bool cmyk = round % 2 == 1;
        app->colorModel = cmyk ? 2 : 0; // colours follow the application: model 3 or model 1
        Attributes written;
        written.randomise(values, cmyk);
        AttributeFile file;
        std::string bytes = file.write([&](Document& d) { ASSERT_EQ(written.write(d), 1); }, 4);
        file.open(bytes);
        ASSERT_EQ(file.readIntoHolder(), 1);
        EXPECT_EQ(file.dataErrorCount, 0) << bytes;
        expectSame(written, file.holder(), round);
        if (HasFailure())
            break;
    }
}

TEST(AttributeRoundTrip, RandomValuesSurviveTheRecordAndTheSettingsFile)
{
    Values values(7);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        Attributes a;
        a.randomise(values, true);
        // Records keep every value, also those the file does not (dash, gap, tints of hatches).
        a.lineType.setStyleWithPresets(values.pick(1, 8));
        a.pattern.gray.value = values.tint();
        a.colour.setRgb(values.pick(0, 255), 0, 7);
        ElementRecordBuffer buffer;
        ASSERT_EQ(a.exchangeRecords(1, buffer), 1);
        buffer.rewind();
        Attributes b;
        ASSERT_EQ(b.exchangeRecords(3, buffer), 1);
        EXPECT_EQ(buffer.remaining(), 0);
        EXPECT_EQ(fields(a.colour), fields(b.colour));
        EXPECT_EQ(fields(a.paint.colour), fields(b.paint.colour));
        EXPECT_EQ(b.paint.gray.kakudo[2], a.paint.gray.kakudo[2]);
        EXPECT_EQ(b.pattern.gray.value, a.pattern.gray.value);
        EXPECT_EQ(a.images(), b.images());

        // The settings keys of the defaults: six decimals for the line widths, three for pitches.
        a.lineSize.width = values.pick(1, 99999999) / 1e6;
        a.underLine.penWidth = values.pick(1, 99999999) / 1e6;
        a.drawLine.width = values.pick(1, 99999999) / 1e6;
        FakeSettingsFile file;
        file.registerAttributeKeys();
        ASSERT_EQ(a.edge.colour.writeRgbSetting(file, 15311) && a.edge.colour.writeCmykSetting(file, 15321) &&
                      a.edge.colour.writeOverprintSetting(file, 15324) && a.edge.colour.writeInkSetting(file, 15327) &&
                      a.lineType.writeSetting(file, 15115) && a.lineSize.writeSetting(file, 15114) &&
                      a.lineOrigin.writeSetting(file, 15116) && a.lineCap.writeSetting(file, 15117) &&
                      a.underLine.writeSetting(file) && a.drawLine.writeSetting(file) && a.pattern.writeSetting(file) &&
                      a.edge.draw.writeSetting(file, 15314) && a.paint.writeDrawSetting(file, 15315) &&
                      a.font.writeFaceSetting(file, 15215) && a.font.writeStyleSetting(file, 15216) &&
                      a.font.writeSizeSetting(file, 15217),
                  1);
        Attributes c;
        while (file.readKey()) {
            const int id = file.currentId();
            int ok = 0;
            if (id == 15311)
                ok = c.edge.colour.readRgbSetting(file);
            else if (id == 15321)
                ok = c.edge.colour.readCmykSetting(file);
            else if (id == 15324)
                ok = c.edge.colour.readOverprintSetting(file);
            else if (id == 15327)
                ok = c.edge.colour.readInkSetting(file);
            else if (id == 15115)
                ok = c.lineType.readSetting(file);
            else if (id == 15114)
                ok = c.lineSize.readSetting(file);
            else if (id == 15116)
                ok = c.lineOrigin.readSetting(file);
            else if (id == 15117)
                ok = c.lineCap.readSetting(file);
            else if (id == 15441)
                ok = c.underLine.readSetting(file);
            else if (id >= 15451 && id <= 15454)
                ok = c.drawLine.readSetting(file);
            else if (id >= 15316 && id <= 15318)
                ok = c.pattern.readSetting(file);
            else if (id == 15314)
                ok = c.edge.draw.readSetting(file);
            else if (id == 15315)
                ok = c.paint.readDrawSetting(file);
            else if (id == 15215)
                ok = c.font.readFaceSetting(file);
            else if (id == 15216)
                ok = c.font.readStyleSetting(file);
            else if (id == 15217)
                ok = c.font.readSizeSetting(file);
            EXPECT_EQ(ok, 1) << id;
        }
        // The CMYK key came after the RGB key: the colour is the one its inks give.
        InkColor expected = a.edge.colour;
        expected.setInks(a.edge.colour.inks);
        EXPECT_EQ(fields(expected), fields(c.edge.colour));
        EXPECT_EQ(c.lineType.style, a.lineType.style);
        EXPECT_EQ(c.lineSize.width, a.lineSize.width);
        EXPECT_EQ(c.lineOrigin.position, a.lineOrigin.position);
        EXPECT_EQ(c.lineCap.capStyle, a.lineCap.capStyle);
        EXPECT_EQ(c.underLine.width(), a.underLine.width());
        EXPECT_EQ(c.drawLine.style, a.drawLine.style);
        EXPECT_EQ(c.drawLine.width, a.drawLine.width);
        EXPECT_EQ(c.drawLine.space, a.drawLine.space);
        EXPECT_EQ(c.drawLine.over, a.drawLine.over);
        EXPECT_EQ(c.pattern.pattern, a.pattern.pattern);
        EXPECT_EQ(c.pattern.pitch1, a.pattern.pitch1);
        EXPECT_EQ(c.pattern.pitch2, a.pattern.pitch2);
        EXPECT_EQ(c.edge.draw.value, a.edge.draw.value);
        EXPECT_EQ(c.paint.draw.value, a.paint.draw.value);
        EXPECT_STREQ(c.font.faceName, a.font.faceName);
        EXPECT_EQ(c.font.style, a.font.style);
        EXPECT_EQ(c.font.size, a.font.size) << "lengths of five decimals keep all of them in six";
        if (HasFailure())
            break;
    }
}

} // namespace
