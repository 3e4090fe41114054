// The sheet's values, its sections of the drawing file and its section "YOUSI" of the settings
// file: defaults, conversions to drawing units, what is written, and how the readers treat bad
// values (the previous valid value stays).
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "document/Document.h"
#include "tests/document/SheetTestDrawing.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"

using namespace drawing_fixture;
using namespace sheet_test;

namespace {

const char* const kDefaultHeader =
    " <header>\r\n"
    "  <paperSize>\r\n"
    "   <horizontal>297</horizontal>\r\n"
    "   <vertical>210</vertical>\r\n"
    "  </paperSize>\r\n"
    "  <drawScale>\r\n"
    "   <numerator>1</numerator>\r\n"
    "   <denominator>1</denominator>\r\n"
    "  </drawScale>\r\n"
    "  <zahyoType>\r\n"
    "   <zahyoScaleType>\"PAPER\"</zahyoScaleType>\r\n"
    "   <yZahyo>\"UNDERPLUS\"</yZahyo>\r\n"
    "  </zahyoType>\r\n"
    "  <dspedpage>1</dspedpage>\r\n"
    " </header>\r\n";

int readSections(SheetDrawing& sheet, const ScratchFolder& scratch, const std::string& sections, bool complete = true)
{
    return sheet_test::readSections(sheet.drawing, scratch, sections, complete);
}

// The section "YOUSI" with every key name.
void registerYousi(FakeSettingsFile& file)
{
    file.registerSection(SheetSettings::kSection, "YOUSI");
    // The section after it in the tests' texts (its id is no matter here).
    file.registerSection(SheetSettings::kSection + 1000, "GRID");
    const std::pair<int, const char*> keys[] = {
        {SheetSettings::kVerticalKey, "YOUSITATE"},
        {SheetSettings::kHorizontalKey, "YOUSIYOKO"},
        {SheetSettings::kNumeratorKey, "SCALEBSI"},
        {SheetSettings::kDenominatorKey, "SCALEBBO"},
        {SheetSettings::kTonboEdgeColourKey, "TONBOEGDECOLOR"},
        {SheetSettings::kTonboAreaColourKey, "TONBOAREACOLOR"},
        {SheetSettings::kTonboEdgeShownKey, "TONBOEGDEDISP"},
        {SheetSettings::kTonboAreaShownKey, "TONBOAREADISP"},
        {SheetSettings::kTonboTopKey, "TONBOTOP"},
        {SheetSettings::kTonboTopKey + 1, "TONBOLEFT"},
        {SheetSettings::kTonboTopKey + 2, "TONBORIGHT"},
        {SheetSettings::kTonboTopKey + 3, "TONBOBOTTOM"},
        {SheetSettings::kYohakuEdgeColourKey, "YOHAKUEGDECOLOR"},
        {SheetSettings::kYohakuAreaColourKey, "YOHAKUAREACOLOR"},
        {SheetSettings::kYohakuEdgeShownKey, "YOHAKUEGDEDISP"},
        {SheetSettings::kYohakuAreaShownKey, "YOHAKUAREADISP"},
        {SheetSettings::kYohakuTopKey, "YOHAKUTOP"},
        {SheetSettings::kYohakuTopKey + 1, "YOHAKULEFT"},
        {SheetSettings::kYohakuTopKey + 2, "YOHAKURIGHT"},
        {SheetSettings::kYohakuTopKey + 3, "YOHAKUBOTTOM"},
        {SheetSettings::kDirectionKey, "ZAHYOTYPE"},
    };
    for (const auto& key : keys)
        file.registerKey(key.first, key.second);
}

// Reads a settings text that starts inside the section "YOUSI".
int readYousi(SheetSettings& paper, const std::string& text)
{
    FakeSettingsFile file;
    registerYousi(file);
    file.text = text;
    return paper.readIni(file);
}

std::string yousiOf(const SheetSettings& paper)
{
    FakeSettingsFile file;
    registerYousi(file);
    EXPECT_EQ(paper.writeIni(file), 1);
    return file.text;
}

// What the readers change, compared as a whole.
struct SheetValues {
    double vertical, horizontal;
    int numerator, denominator, direction;
    COLORREF tonboEdge;
    double tonboTop;
    bool operator==(const SheetValues& o) const
    {
        return vertical == o.vertical && horizontal == o.horizontal && numerator == o.numerator &&
               denominator == o.denominator && direction == o.direction && tonboEdge == o.tonboEdge &&
               tonboTop == o.tonboTop;
    }
};

std::ostream& operator<<(std::ostream& out, const SheetValues& v)
{
    return out << v.vertical << " x " << v.horizontal << " at " << v.numerator << "/" << v.denominator
               << ", direction " << v.direction << ", edge " << std::hex << v.tonboEdge << std::dec << ", top "
               << v.tonboTop;
}

SheetValues valuesOf(const SheetSettings& p)
{
    return {p.verticalMm, p.horizontalMm, p.numerator, p.denominator, p.direction, p.tonboEdgeColour.colorRef,
            p.tonbo[SheetSettings::kTop]};
}

// An A3 sheet lying at 1:2, drawn upwards, with a 3 mm crop-mark top and a green edge.
void makeStart(SheetSettings& p)
{
    ASSERT_EQ(p.setSize(297.0, 420.0), 1);
    p.setScaleDenominator(2);
    ASSERT_EQ(p.setYDirection(SheetSettings::kUpperPlus), 1);
    p.tonboEdgeColour.setRgb(0, 128, 0);
    ASSERT_EQ(p.setTonboWidth(SheetSettings::kTop, 3.0), 1);
}

const SheetValues kStart = {297.0, 420.0, 1, 2, 1, RGB(0, 128, 0), 3.0};

} // namespace

TEST(PaperSettings, ANewSheetIsA4LyingAtFullScale)
{
    ScratchFolder scratch;
    SheetDrawing sheet;
    SheetSettings& paper = *sheet.paper;
    EXPECT_EQ(paper.horizontalSize(), 297.0);
    EXPECT_EQ(paper.verticalSize(), 210.0);
    EXPECT_EQ(paper.scaleNumerator(), 1);
    EXPECT_EQ(paper.scaleDenominator(), 1);
    EXPECT_EQ(paper.yDirection(), 2);
    EXPECT_STREQ(paper.yDirectionName(), "UNDERPLUS");
    EXPECT_EQ(paper.tonboEdgeColour.colorRef, RGB(0, 0, 255));
    EXPECT_EQ(paper.yohakuEdgeColour.colorRef, RGB(255, 0, 255));
    EXPECT_EQ(paper.tonboAreaColour.colorRef, RGB(255, 255, 255));

    const std::string bytes = savedBytes(sheet.drawing, scratch);
    EXPECT_NE(bytes.find(kDefaultHeader), std::string::npos) << bytes;

    // Drawing units: millimetres times the denominator over the numerator.
    paper.setScaleDenominator(100);
    EXPECT_EQ(paper.horizontalSizeInDrawing(), 29700.0);
    EXPECT_EQ(paper.verticalSizeInDrawing(), 21000.0);
    ASSERT_EQ(paper.setTonboWidth(SheetSettings::kLeft, 10.0), 1);
    EXPECT_EQ(paper.tonboLeftInDrawing(), 1000.0);
    EXPECT_EQ(paper.horizontalExtentWithMarks(), 307.0);

    // oneToOne reads both terms as 1 while it is set; the stored terms come back after it.
    paper.setScaleNumerator(3);
    paper.oneToOne = 1;
    EXPECT_EQ(paper.scaleNumerator(), 1);
    EXPECT_EQ(paper.scaleDenominator(), 1);
    EXPECT_EQ(paper.horizontalSizeInDrawing(), 297.0);
    // A copy takes the terms as they read, and neither oneToOne nor the owner.
    SheetSettings copy;
    copy.assign(&paper);
    EXPECT_EQ(copy.numerator, 1);
    EXPECT_EQ(copy.denominator, 1);
    EXPECT_EQ(copy.oneToOne, 0);
    EXPECT_EQ(copy.owner, nullptr);
    EXPECT_EQ(copy.tonbo[SheetSettings::kLeft], 10.0);
    paper.oneToOne = 0;
    EXPECT_EQ(paper.scaleNumerator(), 3);
    EXPECT_EQ(paper.scaleDenominator(), 100);

    // Sizes read back at 3 decimals.
    ASSERT_EQ(paper.setHorizontalSize(104.50049), 1);
    EXPECT_EQ(paper.horizontalSize(), 104.5);
}

TEST(PaperSettings, TheCoordinateTypeSetsTheDirectionUnlessItIsKept)
{
    struct Case {
        const char* what;
        int keep;
        std::string name;
        int direction; // starting from 2
        const char* written;
    };
    const std::string tooLong = "UPPERPLUS" + std::string(291, 'x');
    const Case cases[] = {
        {"up is plus", 0, "UPPERPLUS", 1, "<yZahyo>\"UPPERPLUS\"</yZahyo>"},
        {"down is plus", 0, "UNDERPLUS", 2, "<yZahyo>\"UNDERPLUS\"</yZahyo>"},
        {"another name", 0, "upperplus", 2, "<yZahyo>\"UNDERPLUS\"</yZahyo>"},
        {"a name of 300 bytes", 0, tooLong, 2, "<yZahyo>\"UNDERPLUS\"</yZahyo>"},
        {"kept", 1, "UPPERPLUS", 2, nullptr},
    };
    MessageBoxScript boxes;
    ScratchFolder scratch;
    for (const Case& c : cases) {
        SheetDrawing sheet;
        sheet.paper->keepCoordinateType = c.keep;
        EXPECT_EQ(readSections(sheet, scratch,
                               "<zahyoType>\r\n<zahyoScaleType>\"PAPER\"</zahyoScaleType>\r\n<yZahyo>\"" + c.name +
                                   "\"</yZahyo>\r\n</zahyoType>\r\n"),
                  1)
            << c.what;
        EXPECT_EQ(sheet.paper->yDirection(), c.direction) << c.what;
        const std::string bytes = savedBytes(sheet.drawing, scratch);
        EXPECT_EQ(bytes.find("<zahyoType>") != std::string::npos, c.written != nullptr) << c.what;
        if (c.written) {
            EXPECT_NE(bytes.find(c.written), std::string::npos) << c.what;
        }

        // The settings file the same way.
        SheetSettings fromSettings;
        fromSettings.keepCoordinateType = c.keep;
        EXPECT_EQ(readYousi(fromSettings, "ZAHYOTYPE=\"" + c.name + "\"\r\n"), 1) << c.what;
        EXPECT_EQ(fromSettings.yDirection(), c.direction) << c.what;
        EXPECT_EQ(yousiOf(fromSettings).find("ZAHYOTYPE") != std::string::npos, c.written != nullptr) << c.what;
    }
    EXPECT_TRUE(boxes.shown().empty());
}

// A size of 0 or less, one that is no number, or one that the files would write back as 0, leaves
// the previous size; a scale term below 1 becomes 1: through the setters, the drawing file and the
// settings file alike.
TEST(PaperSettings, BadSizesAreRefusedAndScaleTermsBelowOneBecomeOne)
{
    // A real of more digits than the file's writer writes is the file's "too large" (the file's
    // reals have no exponent); it is a data error, shown once per read.
    const std::string tooLong(45, '9');
    struct SizeCase {
        const char* what;
        double value;
        std::string fileText, settingsText;
        double after; // from 420
    };
    const SizeCase sizes[] = {
        {"a sheet size", 364.0, "364", "364", 364.0},
        {"zero", 0.0, "0", "0", 420.0},
        {"below zero", -5.0, "-5", "-5", 420.0},
        {"no number", std::numeric_limits<double>::quiet_NaN(), "NaN", "NaN", 420.0},
        {"too large", std::numeric_limits<double>::infinity(), tooLong, "1e999", 420.0},
        {"a fraction of a micron, written back as 0", 0.0004, "0.0004", "0.0004", 420.0},
        {"just below a micron, written back as 0", 0.000999, "0.000999", "0.000999", 420.0},
        {"a micron", 0.001, "0.001", "0.001", 0.001},
    };
    MessageBoxScript boxes;
    ScratchFolder scratch;
    for (const SizeCase& c : sizes) {
        SheetSettings bySetter;
        ASSERT_EQ(bySetter.setSize(297.0, 420.0), 1);
        EXPECT_EQ(bySetter.setHorizontalSize(c.value), c.after != 420.0) << c.what;
        EXPECT_EQ(bySetter.horizontalMm, c.after) << "setter: " << c.what;

        SheetDrawing sheet;
        ASSERT_EQ(sheet.paper->setSize(297.0, 420.0), 1);
        EXPECT_EQ(readSections(sheet, scratch,
                               "<paperSize>\r\n<horizontal>" + c.fileText + "</horizontal>\r\n</paperSize>\r\n"),
                  1)
            << c.what;
        EXPECT_EQ(sheet.paper->horizontalMm, c.after) << "file: " << c.what;

        SheetSettings bySettings;
        ASSERT_EQ(bySettings.setSize(297.0, 420.0), 1);
        EXPECT_EQ(readYousi(bySettings, "YOUSIYOKO=" + c.settingsText + "\r\n"), 1) << c.what;
        EXPECT_EQ(bySettings.horizontalMm, c.after) << "settings: " << c.what;
    }

    struct TermCase {
        int value;
        int after;
    };
    const TermCase terms[] = {{50, 50}, {1, 1}, {0, 1}, {-5, 1}};
    for (const TermCase& c : terms) {
        const std::string text = std::to_string(c.value);
        SheetSettings bySetter;
        bySetter.setScaleNumerator(c.value);
        bySetter.setScaleDenominator(c.value);
        EXPECT_EQ(bySetter.scaleNumerator(), c.after) << "setter: " << text;
        EXPECT_EQ(bySetter.scaleDenominator(), c.after) << "setter: " << text;

        SheetDrawing sheet;
        EXPECT_EQ(readSections(sheet, scratch,
                               "<drawScale>\r\n<numerator>" + text + "</numerator>\r\n<denominator>" + text +
                                   "</denominator>\r\n</drawScale>\r\n"),
                  1);
        EXPECT_EQ(sheet.paper->scaleNumerator(), c.after) << "file: " << text;
        EXPECT_EQ(sheet.paper->scaleDenominator(), c.after) << "file: " << text;

        SheetSettings bySettings;
        EXPECT_EQ(readYousi(bySettings, "SCALEBSI=" + text + "\r\nSCALEBBO=" + text + "\r\n"), 1);
        EXPECT_EQ(bySettings.scaleNumerator(), c.after) << "settings: " << text;
        EXPECT_EQ(bySettings.scaleDenominator(), c.after) << "settings: " << text;
    }
    EXPECT_EQ(boxes.texts(), "</horizontal>のデータがエラーです");
}

TEST(PaperSettings, TheSettingsSectionHoldsSizeScaleAndDirection)
{
    SheetSettings paper;
    ASSERT_EQ(paper.setSize(148.0, 104.5), 1);
    paper.setScaleDenominator(50);
    ASSERT_EQ(paper.setTonboWidth(SheetSettings::kTop, 5.0), 1);
    paper.yohakuEdgeColour.setRgb(1, 2, 3);
    const std::string written = yousiOf(paper);
    EXPECT_EQ(written, "[YOUSI]\r\nYOUSIYOKO=104.5\r\nYOUSITATE=148\r\nSCALEBSI=1\r\nSCALEBBO=50\r\n"
                       "ZAHYOTYPE=\"UNDERPLUS\"\r\n")
        << "the bands are never written";
    paper.keepCoordinateType = 1;
    EXPECT_EQ(yousiOf(paper).find("ZAHYOTYPE"), std::string::npos);

    // Read back (the section line is read by the settings file's owner), ending at the next
    // section; the band keys are read.
    SheetSettings read;
    ASSERT_EQ(read.setYDirection(SheetSettings::kUpperPlus), 1);
    EXPECT_EQ(readYousi(read, written.substr(written.find("\r\n") + 2) +
                                  "TONBOEGDECOLOR=0,128,0\r\nTONBOAREADISP=FALSE\r\nTONBOTOP=5\r\n"
                                  "YOHAKULEFT=10\r\nYOHAKUEGDEDISP=FALSE\r\nUNKNOWN=1,2\r\n[GRID]\r\nYOUSITATE=1\r\n"),
              1);
    EXPECT_EQ(read.verticalSize(), 148.0);
    EXPECT_EQ(read.horizontalSize(), 104.5);
    EXPECT_EQ(read.scaleDenominator(), 50);
    EXPECT_EQ(read.yDirection(), 2);
    EXPECT_EQ(read.tonboEdgeColour.colorRef, RGB(0, 128, 0));
    EXPECT_EQ(read.tonboAreaShown.isOn(), 0);
    EXPECT_EQ(read.tonbo[SheetSettings::kTop], 5.0);
    EXPECT_EQ(read.yohaku[SheetSettings::kLeft], 10.0);
    EXPECT_EQ(read.yohakuEdgeShown.isOn(), 0);

    // A failed write is reported.
    FakeSettingsFile failing;
    registerYousi(failing);
    failing.fail();
    EXPECT_EQ(paper.writeIni(failing), 0);
}

TEST(PaperSettings, TheBandSectionsAreReadFromTheFileButNeverWritten)
{
    MessageBoxScript boxes;
    ScratchFolder scratch;
    SheetDrawing sheet;
    ASSERT_EQ(readSections(sheet, scratch,
                           "<paperSize>\r\n<horizontal>420</horizontal>\r\n<vertical>297</vertical>\r\n</paperSize>\r\n"
                           "<tonbo>\r\n<tonboEgdeColor>\r\n<rgbColor>\r\n<r>0</r>\r\n<g>128</g>\r\n<b>0</b>\r\n"
                           "</rgbColor>\r\n</tonboEgdeColor>\r\n<tonboAreaDisp>\"FALSE\"</tonboAreaDisp>\r\n"
                           "<tonboTop>5</tonboTop>\r\n<tonboBottom>2.5</tonboBottom>\r\n<other>1</other>\r\n"
                           "</tonbo>\r\n"
                           "<yohaku>\r\n<yohakuAreaColor>\r\n<rgbColor>\r\n<r>200</r>\r\n<g>200</g>\r\n<b>255</b>\r\n"
                           "</rgbColor>\r\n</yohakuAreaColor>\r\n<yohakuEgdeDisp>\"FALSE\"</yohakuEgdeDisp>\r\n"
                           "<yohakuLeft>10</yohakuLeft>\r\n<yohakuRight>" + std::string(45, '9') + "</yohakuRight>\r\n"
                           "<yohakuBottom>7</yohakuBottom>\r\n</yohaku>\r\n"),
              1);
    const SheetSettings& p = *sheet.paper;
    EXPECT_EQ(p.horizontalMm, 420.0);
    EXPECT_EQ(p.verticalMm, 297.0);
    // A paperSize read to its end resets zoom and caption and recomputes the scroll bars.
    EXPECT_EQ(sheet.view->zoomResets, 1);
    EXPECT_EQ(sheet.view->captions, 1);
    EXPECT_EQ(sheet.scroller->recomputes, 3);
    EXPECT_EQ(p.tonboEdgeColour.colorRef, RGB(0, 128, 0));
    EXPECT_EQ(p.tonboAreaShown.isOn(), 0);
    EXPECT_EQ(p.tonboEdgeShown.isOn(), 1);
    EXPECT_EQ(p.tonbo[SheetSettings::kTop], 5.0);
    EXPECT_EQ(p.tonbo[SheetSettings::kBottom], 2.5);
    EXPECT_EQ(p.verticalExtentWithMarks(), 304.5);
    EXPECT_EQ(p.yohakuAreaColour.colorRef, RGB(200, 200, 255));
    EXPECT_EQ(p.yohakuEdgeShown.isOn(), 0);
    EXPECT_EQ(p.yohaku[SheetSettings::kLeft], 10.0);
    EXPECT_EQ(p.yohaku[SheetSettings::kRight], 0.0) << "the refused width";
    EXPECT_EQ(p.yohaku[SheetSettings::kBottom], 0.0) << "the rest of a section after a refused value is passed over";
    EXPECT_EQ(boxes.texts(), "</yohakuRight>のデータがエラーです");

    const std::string bytes = savedBytes(sheet.drawing, scratch);
    EXPECT_NE(bytes.find("<horizontal>420</horizontal>"), std::string::npos);
    EXPECT_EQ(bytes.find("tonbo"), std::string::npos);
    EXPECT_EQ(bytes.find("yohaku"), std::string::npos);
}

// Sections cut short, values that cannot be read, colours of one or two numbers: nothing hangs
// or crashes, and what was valid before stays.
TEST(PaperSettings, BrokenSectionsKeepThePreviousValues)
{
    struct Case {
        const char* what;
        std::string sections; // of the drawing file ("" for none)
        bool complete;
        int reads;
        std::string settings; // of the section "YOUSI" ("" for none)
        int settingsReads;
        SheetValues after;
    };
    SheetValues newWidth = kStart;
    newWidth.horizontal = 364.0;
    SheetValues newDenominator = kStart;
    newDenominator.denominator = 50;
    const Case cases[] = {
        {"cut after the first value", "<paperSize>\r\n<horizontal>364</horizontal>\r\n", false, 0,
         "YOUSIYOKO=364\r\nYOUSITATE=", 0, newWidth},
        {"cut inside a value", "<drawScale>\r\n<denominator>50</denominator>\r\n<numerator>7", false, 0,
         "SCALEBBO=50\r\nSCALEBSI", 0, newDenominator},
        {"no number", "<paperSize>\r\n<horizontal>abc</horizontal>\r\n</paperSize>\r\n", true, 1,
         "YOUSIYOKO=abc\r\nYOUSITATE=\r\n", 1, kStart},
        {"too large", "<paperSize>\r\n<horizontal>" + std::string(45, '9') + "</horizontal>\r\n</paperSize>\r\n",
         true, 1,
         "YOUSIYOKO=1e999\r\nTONBOTOP=1e999\r\n", 1, kStart},
        {"a colour of one or two numbers", "", true, 1,
         "TONBOEGDECOLOR=255\r\nTONBOEGDECOLOR=255,0\r\nYOUSIYOKO=364\r\n", 1, newWidth},
        {"a direction of 300 bytes", "", true, 1, "ZAHYOTYPE=\"" + std::string(300, 'U') + "\"\r\n", 1, kStart},
        {"a colour cut short at the end", "", true, 1, "TONBOEGDECOLOR=255,", 0, kStart},
    };
    MessageBoxScript boxes;
    ScratchFolder scratch;
    for (const Case& c : cases) {
        if (!c.sections.empty()) {
            SheetDrawing sheet;
            makeStart(*sheet.paper);
            EXPECT_EQ(readSections(sheet, scratch, c.sections, c.complete), c.reads) << c.what;
            EXPECT_EQ(valuesOf(*sheet.paper), c.after) << "file: " << c.what;
        }
        SheetSettings paper;
        makeStart(paper);
        EXPECT_EQ(readYousi(paper, c.settings), c.settingsReads) << c.what;
        EXPECT_EQ(valuesOf(paper), c.after) << "settings: " << c.what;
    }
}
