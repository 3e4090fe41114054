// "SETTEXT" and "SETMEASURE" in korvane.ini as users break them: each damaged line is taken,
// bounded or passed over, and the lines after it are read into the application's records.
#include <string>

#include <gtest/gtest.h>

#include "document/MeasureDefaults.h"
#include "document/TextDefaults.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/MeasureAttributes.h"
#include "shell/StartUp.h"
#include "tests/shell/settings/SettingsFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/TestApplication.h"

namespace {

std::string repeated(const std::string& piece, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += piece;
    return s;
}

std::string overprintOf(const InkColor& c)
{
    std::string s = std::to_string(c.overprint);
    for (int mark : c.plateMarks)
        s += std::to_string(mark);
    return s;
}

} // namespace

TEST(TextMeasureSettings, DamagedLinesKeepTheirValuesAndTheLinesAfterThemAreRead)
{
    using Read = std::string (*)();
    const Read face = [] { return std::to_string(std::string(theMeasureDefaults->font.faceName).size()); };
    const Read style = [] { return std::to_string(theMeasureDefaults->font.style); };
    const Read decimals = [] { return std::to_string(theMeasureDefaults->numeralValues->decimals); };
    const Read unit = [] { return std::to_string(theMeasureDefaults->numeralValues->lengthUnit.unit()); };
    const Read arrow = [] { return std::to_string(theMeasureDefaults->arrowLine->kind); };
    const Read label = [] { return std::string(theMeasureDefaults->numeralValues->lengthUnit.labelAt(0)); };
    const Read nose = [] {
        const MeasureDefaults& m = *theMeasureDefaults;
        return overprintOf(m.textColor) + " " + overprintOf(m.ulineColor) + " " + std::to_string(m.ulineColor.inks[0]);
    };
    const Read width = [] { return std::to_string(theMeasureDefaults->drawLine.width); };
    struct Case {
        const char* what;
        std::string line;
        Read value;
        std::string expected;
    };
    const Case cases[] = {
        {"a face of 300 bytes is cut to 255", "FONTNAME=\"" + std::string(300, 'F') + "\"", face, "255"},
        {"a style that is no keyword", "FONTSTYLE=\"bold\"", style, "1"},
        {"99 decimals", "DECIMALNUM=99", decimals, "0"},
        {"an unknown unit", "MSRUNIT=\"FURLONG\"", unit, "1"},
        {"an unknown arrow head", "ARROWSTYLE=\"HARPOON\"", arrow, "1"},
        {"a label of 100 bytes keeps 19", "MIRITEXT=\"" + std::string(100, 'm') + "\"", label, std::string(19, 'm')},
        {"four overprint values set only those; no ink keys keep the inks", "TEXTNOSE=TRUE,TRUE,FALSE,TRUE", nose,
         "1101000000 0000000000 0"},
        {"an overprint of fifteen values", "TEXTNOSE=" + repeated("TRUE,", 14) + "TRUE", nose,
         "1111111111 0000000000 0"},
        {"an unterminated quote takes what it holds", "FONTSTYLE=\"BOLD", style, "2"},
        {"a width of no number", "DRAWLSIZE=wide", width, "0.140000"},
        {"a negative width", "DRAWLSIZE=-3", width, "0.140000"},
    };
    TestApplication app;
    MessageBoxScript boxes;
    SettingsFileScope place;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ApplicationManagers managers;
        putSettings("[SETMEASURE]\r\n" + c.line + "\r\nLAYERNO=7\r\nDRAWLSTYLE=\"\"\r\n[SETTEXT]\r\n" + c.line +
                    "\r\nLAYERNO=9\r\nFONTNAME=\"Face Q\"\r\n");
        ASSERT_EQ(loadAppSettings(), 1);
        EXPECT_EQ(c.value(), c.expected);
        EXPECT_EQ(theMeasureDefaults->layer.layer, 7) << "the line after it is read";
        EXPECT_EQ(theMeasureDefaults->drawLine.style, 0) << "\"\" is the leader of no line";
        // The text section reads on alike; its face reaches the chooser and the font.
        EXPECT_EQ(theTextDefaults->layer.layer, 9);
        EXPECT_STREQ(theTextDefaults->font.faceName, "Face Q");
        EXPECT_STREQ(theTextDefaults->fontInfo.getFaceName(), "Face Q");
    }
    EXPECT_TRUE(boxes.shown().empty());
}
