// The ink colour: record image, separation values, its drawing-file blocks and settings values.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "geometry/ElementRecordBuffer.h"
#include "geometry/InkColor.h"
#include "geometry/LineAttribute.h"
#include "geometry/TagIds.h"
#include "tests/support/AttributeFile.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/TestApplication.h"

namespace {

InkColor cmykColor(int c, int m, int y, int k, int ink)
{
    InkColor colour;
    colour.model = 3;
    colour.setInkValues(c, m, y, k);
    colour.inkNumber = ink;
    return colour;
}

TEST(InkColor, RecordImageIs52BytesInItsFieldOrder)
{
    InkColor colour = cmykColor(10, 20, 30, 40, 4);
    colour.setRgb(1, 2, 3); // RGB and inks are stored apart, neither derived from the other
    colour.overprint = 1;
    colour.setPlateOverprint(8, 1);
    ElementRecordBuffer buffer;
    ASSERT_EQ(colour.exchangeRecord(1, buffer), 1);
    ASSERT_EQ(buffer.count, InkColor::kRecordSize);
    const unsigned char* bytes = static_cast<const unsigned char*>(buffer.lock());
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[8], 3);
    EXPECT_EQ(bytes[24], 40); // K
    EXPECT_EQ(bytes[28], 1);  // overprint, int16
    EXPECT_EQ(bytes[30 + 2 * 8], 1); // plate 8
    EXPECT_EQ(bytes[48], 4);  // ink number
    buffer.unlock();

    InkColor read;
    buffer.rewind();
    ASSERT_EQ(read.exchangeRecord(3, buffer), 1);
    EXPECT_EQ(read.getRed(), 1);
    EXPECT_EQ(read.getBlue(), 3);
    EXPECT_EQ(read.inks[3], 40);
    EXPECT_EQ(read.overprint, 1);
    EXPECT_EQ(read.plateOverprint(8), 1);
    EXPECT_EQ(read.inkNumber, 4);
    EXPECT_EQ(read.exchangeRecord(2, buffer), 0);

    // A record cut short, and one with an ink that has no keyword.
    InkColor kept = cmykColor(1, 1, 1, 1, 2);
    ElementRecordBuffer cut;
    ASSERT_EQ(colour.exchangeRecord(1, cut), 1);
    cut.count = 40;
    cut.rewind();
    EXPECT_EQ(kept.exchangeRecord(3, cut), 0);
    EXPECT_EQ(kept.inks[0], 1);
    EXPECT_EQ(kept.inkNumber, 2);
    colour.inkNumber = 9;
    ElementRecordBuffer odd;
    ASSERT_EQ(colour.exchangeRecord(1, odd), 1);
    odd.rewind();
    EXPECT_EQ(kept.exchangeRecord(3, odd), 1);
    EXPECT_EQ(kept.inkNumber, 2);
}

// A record without inks (one a copy of the program in an RGB model put on the clipboard, an
// element that took the reader's black) takes the inks of its RGB value under the ink model; one
// that has inks keeps them, and white keeps none. The other models take the record as it is.
TEST(InkColor, ARecordWithoutInksTakesThoseOfItsRgbValueUnderTheInkModelOnly)
{
    TestApplication app;
    struct Row {
        int setting; // the application's colour model
        COLORREF rgb;
        int inks[4];
        int read[4];
    };
    const Row rows[] = {
        {2, RGB(0, 0, 0), {0, 0, 0, 0}, {0, 0, 0, 100}},
        {2, RGB(255, 0, 0), {0, 0, 0, 0}, {0, 100, 100, 0}},
        {2, RGB(255, 255, 255), {0, 0, 0, 0}, {0, 0, 0, 0}},
        {2, RGB(0, 0, 0), {0, 0, 7, 0}, {0, 0, 7, 0}},
        {1, RGB(0, 0, 0), {0, 0, 0, 0}, {0, 0, 0, 0}},
        {0, RGB(0, 0, 0), {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        InkColor written;
        written.colorRef = row.rgb;
        std::copy(row.inks, row.inks + 4, written.inks);
        ElementRecordBuffer buffer;
        ASSERT_EQ(written.exchangeRecord(1, buffer), 1);
        app->colorModel = row.setting;
        InkColor read;
        buffer.rewind();
        ASSERT_EQ(read.exchangeRecord(3, buffer), 1);
        EXPECT_EQ(read.colorRef, row.rgb);
        EXPECT_EQ(std::vector<int>(read.inks, read.inks + 4), std::vector<int>(row.read, row.read + 4))
            << row.setting << " " << row.rgb;
    }
}

// The settings file's RGB key and its inks: under the ink model inks 0 0 0 0 beside a colour that
// is not white (as an older close wrote them) are read as that colour with the inks of its RGB.
TEST(InkColor, SettingsInksOfZeroBesideAColourAreThatColoursInksUnderTheInkModel)
{
    TestApplication app;
    struct Row {
        int setting; // the application's colour model
        const char* text;
        COLORREF rgb;
        int inks[4];
    };
    const Row rows[] = {
        {2, "EDGECOLOR=0,0,0\r\nEDGECMYK=0,0,0,0\r\n", RGB(0, 0, 0), {0, 0, 0, 100}},
        {2, "EDGECOLOR=255,0,0\r\nEDGECMYK=0,0,0,0\r\n", RGB(255, 0, 0), {0, 100, 100, 0}},
        {2, "EDGECOLOR=255,255,255\r\nEDGECMYK=0,0,0,0\r\n", RGB(255, 255, 255), {0, 0, 0, 0}},
        {2, "EDGECOLOR=0,0,0\r\nEDGECMYK=0,0,0,50\r\n", RGB(128, 128, 128), {0, 0, 0, 50}},
        // Other models read the inks as they stand (no close of theirs writes them).
        {0, "EDGECOLOR=0,0,0\r\nEDGECMYK=0,0,0,0\r\n", RGB(255, 255, 255), {0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        app->colorModel = row.setting;
        FakeSettingsFile file;
        file.registerAttributeKeys();
        file.text = row.text;
        InkColor read;
        ASSERT_EQ(file.readKey(), 1);
        ASSERT_EQ(read.readRgbSetting(file), 1);
        ASSERT_EQ(file.readKey(), 1);
        ASSERT_EQ(read.readCmykSetting(file), 1);
        EXPECT_EQ(read.colorRef, row.rgb) << row.text;
        EXPECT_EQ(std::vector<int>(read.inks, read.inks + 4), std::vector<int>(row.inks, row.inks + 4)) << row.text;
    }
}

TEST(InkColor, SeparationValuesKeywordsAndAssignment)
{
    InkColor spot = cmykColor(10, 20, 30, 40, 4);
    EXPECT_EQ(spot.separationValue(6, -7), 100);
    EXPECT_EQ(spot.separationValue(0, -7), -7);
    EXPECT_EQ(spot.separationValue(5, -7), -7);
    EXPECT_EQ(spot.separationValue(9, -7), -7);
    InkColor process = cmykColor(10, 20, 30, 40, 1);
    EXPECT_EQ(process.separationValue(3, -7), 40);
    EXPECT_EQ(process.separationValue(4, -7), -7);

    char text[16];
    EXPECT_EQ(InkColor::inkKeyword(4, text, sizeof text), 1);
    EXPECT_STREQ(text, "SPECIAL3");
    EXPECT_EQ(InkColor::inkKeyword(7, text, sizeof text), 0);
    EXPECT_EQ(spot.setInkFromKeyword("special3"), 0);
    EXPECT_EQ(spot.inkNumber, 4);
    EXPECT_EQ(spot.setInkFromKeyword("CMYK"), 1);
    EXPECT_EQ(spot.inkNumber, 1);
    EXPECT_EQ(spot.setOverprintFromKeyword("On"), 0);
    EXPECT_EQ(spot.setOverprintFromKeyword("ON"), 1);
    spot.overprintKeyword(text, sizeof text);
    EXPECT_STREQ(text, "ON");
    EXPECT_EQ(spot.hasNoPlateOverprint(), 1);

    // assign keeps this colour's model word.
    InkColor target;
    target.model = 1;
    spot.setPlateOverprint(2, 1);
    target.assign(spot);
    EXPECT_EQ(target.model, 1);
    EXPECT_EQ(target.inks[1], 20);
    EXPECT_EQ(target.overprint, 1);
    EXPECT_EQ(target.plateOverprint(2), 1);
    target.assign(nullptr);
    EXPECT_EQ(target.inks[1], 20);
    target.resetToWhite();
    EXPECT_EQ(target.isWhite(), 1);
    EXPECT_EQ(target.inks[1], 20);
}

TEST(InkColor, CmykBlockWritesOverprintOnlyWithAPlateAndTheInkKeyword)
{
    AttributeFile file;
    InkColor colour = cmykColor(10, 20, 30, 40, 4);
    colour.overprint = 1;
    std::string bytes = file.write([&](Document& d) { EXPECT_EQ(colour.writeXml(&d), 1); });
    EXPECT_EQ(bytes, "<cmykPercent>\r\n <c>10</c>\r\n <m>20</m>\r\n <y>30</y>\r\n <k>40</k>\r\n"
                     " <useInk>\"SPECIAL3\"</useInk>\r\n</cmykPercent>\r\n")
        << "overprint on without a plate mark writes no overPrint block";
    InkColor read;
    read.model = 3;
    read.overprint = 1;
    file.open(bytes);
    ASSERT_EQ(read.readXml(&file, 9999), 0) << "the file ends before tag 9999";
    EXPECT_EQ(read.overprint, 0);
    EXPECT_EQ(read.inkNumber, 4);
    EXPECT_EQ(read.inks[3], 40);

    colour.setPlateOverprint(3, 1);
    colour.setPlateOverprint(5, 1);
    bytes = file.write([&](Document& d) { EXPECT_EQ(colour.writeXml(&d), 1); });
    EXPECT_NE(bytes.find(" <overPrint>\r\n  <onOff>\"ON\"</onOff>\r\n  <k>\"ON\"</k>\r\n  <2>\"ON\"</2>\r\n"
                         " </overPrint>\r\n"),
              std::string::npos)
        << bytes;

    // An ink without a keyword cannot be written.
    colour.inkNumber = 7;
    file.write([&](Document& d) { EXPECT_EQ(colour.writeXml(&d), 0); });
    EXPECT_EQ(colour.writeXml(nullptr), 0);
}

TEST(InkColor, ReadingBlocksKeepsWhatTheFileDoesNotSay)
{
    TestApplication app;
    app->colorModel = 2; // colour model 3 for colours that follow the application
    AttributeFile file;
    InkColor colour;
    colour.inkNumber = 5;
    colour.setPlateOverprint(1, 1);
    file.open("<cmykPercent><c>5</c><k>100</k><layer>1</layer>\r\n<y>7</y></cmykPercent></line>");
    ASSERT_EQ(colour.readXml(&file, 1), 1);
    EXPECT_EQ(colour.inkNumber, 5) << "no useInk: the ink stays";
    EXPECT_EQ(colour.plateOverprint(1), 0) << "a cmykPercent block clears the marks first";
    EXPECT_EQ(colour.inks[0], 5);
    EXPECT_EQ(colour.inks[2], 7);
    EXPECT_EQ(colour.inks[3], 100);
    EXPECT_EQ(colour.colorRef, RGB(0, 0, 0)) << "the COLORREF follows the inks";

    // An unknown ink keyword keeps the ink; an overprint text other than ON/OFF fails the read.
    file.open("<cmykPercent><useInk>\"SPECIAL9\"</useInk><c>50</c><overPrint><onOff>\"on\"</onOff>"
              "</overPrint></cmykPercent></line>");
    EXPECT_EQ(colour.readXml(&file, 1), 0);
    EXPECT_EQ(colour.inkNumber, 5);
    EXPECT_EQ(colour.inks[0], 5) << "a failed block does not set the inks";

    // rgbColor: each channel replaces its own; the inks are derived in model 3.
    colour.setRgb(10, 20, 30);
    file.open("<rgbColor>\r\n <g>255</g>\r\n</rgbColor>\r\n");
    ASSERT_EQ(colour.readXml(&file, 9999), 0);
    EXPECT_EQ(colour.colorRef, RGB(10, 255, 30));
    EXPECT_EQ(colour.inks[1], 0);
    EXPECT_EQ(colour.readXmlTag(tag_id::layer), 1) << "another tag is not the colour's";
    EXPECT_EQ(colour.readXml(nullptr, tag_id::cmykPercent), 0);
}

TEST(InkColor, ContainerWritesGoThroughTheCurrentColourAndLeaveItWhite)
{
    TestApplication app;
    AttributeFile file;
    LineAttribute pen;
    pen.colour.setRgbAndInks(1, 2, 3);
    pen.colour.model = 3; // the holder's colour writes in the application's model (RGB here)
    std::string bytes = file.write([&](Document& d) {
        ASSERT_EQ(pen.writeThroughHolder(&d), 1);
        EXPECT_EQ(d.currentColor.isWhite(), 1);
        InkColor colour;
        colour.setRgb(9, 8, 7);
        ASSERT_EQ(colour.writeThroughHolder(&d), 1);
        EXPECT_EQ(d.currentColor.colorRef, RGB(9, 8, 7)) << "a colour alone is no container";
    });
    EXPECT_NE(bytes.find(" <rgbColor>\r\n  <r>1</r>\r\n  <g>2</g>\r\n  <b>3</b>\r\n </rgbColor>\r\n"),
              std::string::npos)
        << bytes;
}

TEST(InkColor, SettingsValues)
{
    FakeSettingsFile file;
    file.registerAttributeKeys();
    InkColor colour = cmykColor(10, 20, 30, 40, 3);
    colour.overprint = 1;
    colour.setPlateOverprint(8, 1);
    colour.setRgb(255, 128, 0);
    ASSERT_EQ(colour.writeRgbSetting(file, 15311), 1);
    ASSERT_EQ(colour.writeCmykSetting(file, 15321), 1);
    ASSERT_EQ(colour.writeOverprintSetting(file, 15324), 1);
    ASSERT_EQ(colour.writeInkSetting(file, 15327), 1);
    EXPECT_EQ(file.text, "EDGECOLOR=255,128,0\r\n"
                         "EDGECMYK=10,20,30,40\r\n"
                         "EDGENOSE=TRUE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,TRUE\r\n"
                         "EDGEUSEINK=3\r\n");

    InkColor read;
    read.model = 1;
    ASSERT_EQ(file.readKey(), 1);
    EXPECT_EQ(file.currentId(), 15311);
    EXPECT_EQ(read.readRgbSetting(file), 1);
    EXPECT_EQ(read.colorRef, RGB(255, 128, 0));
    ASSERT_EQ(file.readKey(), 1);
    EXPECT_EQ(read.readCmykSetting(file), 1);
    EXPECT_EQ(read.inks[1], 20);
    ASSERT_EQ(file.readKey(), 1);
    EXPECT_EQ(read.readOverprintSetting(file), 1);
    EXPECT_EQ(read.overprint, 1);
    EXPECT_EQ(read.plateOverprint(8), 1);
    ASSERT_EQ(file.readKey(), 1);
    EXPECT_EQ(read.readInkSetting(file), 1);
    EXPECT_EQ(read.inkNumber, 3);

    // "255,0" leaves the colour; "0,0,0,100" gives K 100 with the COLORREF recomputed; an ink
    // outside 1..6 is ignored; "TRUE" alone sets the switch and keeps the marks.
    FakeSettingsFile cut;
    cut.registerAttributeKeys();
    cut.text = "EDGECOLOR=255,0\r\nEDGECMYK=0,0,0,100\r\nEDGEUSEINK=7\r\nEDGENOSE=TRUE\r\nEDGENOSE=FALSE,TRUE,x\r\n";
    InkColor target = cmykColor(0, 0, 0, 0, 2);
    target.setRgb(1, 2, 3);
    target.setPlateOverprint(4, 1);
    ASSERT_EQ(cut.readKey(), 1);
    EXPECT_EQ(target.readRgbSetting(cut), 0);
    EXPECT_EQ(target.colorRef, RGB(1, 2, 3));
    ASSERT_EQ(cut.readKey(), 1);
    EXPECT_EQ(cut.currentId(), 15321);
    EXPECT_EQ(target.readCmykSetting(cut), 1);
    EXPECT_EQ(target.inks[3], 100);
    EXPECT_EQ(target.colorRef, RGB(0, 0, 0));
    ASSERT_EQ(cut.readKey(), 1);
    EXPECT_EQ(target.readInkSetting(cut), 1);
    EXPECT_EQ(target.inkNumber, 2);
    ASSERT_EQ(cut.readKey(), 1);
    EXPECT_EQ(target.readOverprintSetting(cut), 1);
    EXPECT_EQ(target.overprint, 1);
    EXPECT_EQ(target.plateOverprint(4), 1);
    ASSERT_EQ(cut.readKey(), 1);
    EXPECT_EQ(target.readOverprintSetting(cut), 1);
    EXPECT_EQ(target.overprint, 0);
    EXPECT_EQ(target.plateOverprint(0), 1);
    EXPECT_EQ(target.plateOverprint(1), 0) << "any text but TRUE is false";
    EXPECT_EQ(target.plateOverprint(4), 1) << "marks after the last value stay";
}

} // namespace
