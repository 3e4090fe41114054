// The drawing's grid: units chosen for the drawing scale, snapping, the origin as shown in the
// paper's y direction, the "grid" section of the drawing file, the settings section "GRID", and
// bad values from both (the previous valid values stay, and painting and snapping stay bounded).
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "document/Document.h"
#include "geometry/DrawPoint.h"
#include "platform/ControlKinds.h"
#include "platform/Application.h"
#include "tests/document/GridTestDrawing.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/RecordingDialog.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

using namespace grid_test;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

bool same(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b || std::fabs(a - b) <= 1e-9; }

// The "grid" section of a saved drawing, its lines as written.
std::string gridSectionOf(const std::string& bytes)
{
    const size_t from = bytes.find("  <grid>");
    const size_t to = bytes.find("  </grid>\r\n");
    return from == std::string::npos || to == std::string::npos ? std::string() : bytes.substr(from, to + 11 - from);
}

// A mesh in centimetres with every value away from its default.
void makeStart(DrawingGrid& g)
{
    g.kind = DrawingGrid::kMesh;
    ASSERT_EQ(g.xUnits.setUnit(6), 1);
    ASSERT_EQ(g.yUnits.setUnit(6), 1);
    g.xNumerator = 2.5;
    g.xDenominator = 3.0;
    g.yNumerator = 1.123456;
    g.yDenominator = 2.0;
    g.xOrigin = 12.5;
    g.yOrigin = 7.0;
    g.originDesign = DrawingGrid::kDiamondMark;
    g.setPlusColor(RgbColor(10, 20, 30));
    g.setMinusColor(RgbColor(40, 50, 60));
    g.setOriginColor(RgbColor(70, 80, 90));
    g.position = DrawingGrid::kOverFigures;
}

const char* const kStartSection = "  <grid>\r\n"
                                  "   <gridType>\"MESH\"</gridType>\r\n"
                                  "   <gridHorz>\r\n"
                                  "    <unit>\"CENTI\"</unit>\r\n"
                                  "    <numerator>2.5</numerator>\r\n"
                                  "    <denominator>3</denominator>\r\n"
                                  "   </gridHorz>\r\n"
                                  "   <gridVert>\r\n"
                                  "    <unit>\"CENTI\"</unit>\r\n"
                                  "    <numerator>1.12345</numerator>\r\n"
                                  "    <denominator>2</denominator>\r\n"
                                  "   </gridVert>\r\n"
                                  "   <origin>\r\n"
                                  "    <x>12.5</x>\r\n"
                                  "    <y>7</y>\r\n"
                                  "   </origin>\r\n"
                                  "   <originDesign>\"DIAMOND\"</originDesign>\r\n"
                                  "   <plusColor>\r\n"
                                  "    <rgbColor>\r\n"
                                  "     <r>10</r>\r\n"
                                  "     <g>20</g>\r\n"
                                  "     <b>30</b>\r\n"
                                  "    </rgbColor>\r\n"
                                  "   </plusColor>\r\n"
                                  "   <minusColor>\r\n"
                                  "    <rgbColor>\r\n"
                                  "     <r>40</r>\r\n"
                                  "     <g>50</g>\r\n"
                                  "     <b>60</b>\r\n"
                                  "    </rgbColor>\r\n"
                                  "   </minusColor>\r\n"
                                  "   <originColor>\r\n"
                                  "    <rgbColor>\r\n"
                                  "     <r>70</r>\r\n"
                                  "     <g>80</g>\r\n"
                                  "     <b>90</b>\r\n"
                                  "    </rgbColor>\r\n"
                                  "   </originColor>\r\n"
                                  "   <gridPosition>\"OVER\"</gridPosition>\r\n"
                                  "  </grid>\r\n";

const char* const kStartSettings = "[GRID]\r\n"
                                   "GRIDTYPE=\"MESH\"\r\n"
                                   "GRIDYOKOUNIT=\"CENTI\"\r\n"
                                   "GRIDYOKOBSI=2.5\r\n"
                                   "GRIDYOKOBBO=3\r\n"
                                   "GRIDTATEUNIT=\"CENTI\"\r\n"
                                   "GRIDTATEBSI=1.12346\r\n"
                                   "GRIDTATEBBO=2\r\n"
                                   "GRIDOROGINX=12.5\r\n"
                                   "GRIDOROGINY=7\r\n"
                                   "GRIDORIGINZUKEI=\"DIAMOND\"\r\n"
                                   "GRIDPLUSCOLOR=10,20,30\r\n"
                                   "GRIDMINUSCOLOR=40,50,60\r\n"
                                   "GRIDORIGINCOLOR=70,80,90\r\n"
                                   "GRIDPOS=\"OVER\"\r\n";

// What the readers change, compared as a whole.
struct GridValues {
    int kind, xUnit, yUnit;
    double xNumerator, xDenominator, yNumerator, yDenominator, xOrigin, yOrigin;
    int design;
    COLORREF plus, minus, origin;
    int position;
    std::string miriLabel;
    bool operator==(const GridValues& o) const
    {
        return kind == o.kind && xUnit == o.xUnit && yUnit == o.yUnit && same(xNumerator, o.xNumerator) &&
               same(xDenominator, o.xDenominator) && same(yNumerator, o.yNumerator) &&
               same(yDenominator, o.yDenominator) && same(xOrigin, o.xOrigin) && same(yOrigin, o.yOrigin) &&
               design == o.design && plus == o.plus && minus == o.minus && origin == o.origin &&
               position == o.position && miriLabel == o.miriLabel;
    }
};

std::ostream& operator<<(std::ostream& out, const GridValues& v)
{
    return out << "kind " << v.kind << " units " << v.xUnit << "/" << v.yUnit << " x " << v.xNumerator << "/"
               << v.xDenominator << " y " << v.yNumerator << "/" << v.yDenominator << " origin " << v.xOrigin << ","
               << v.yOrigin << " design " << v.design << std::hex << " colours " << v.plus << " " << v.minus << " "
               << v.origin << std::dec << " position " << v.position << " label " << v.miriLabel;
}

GridValues valuesOf(const DrawingGrid& g)
{
    return {g.kind,         g.xUnitId(),   g.yUnitId(),  g.xNumerator, g.xDenominator,
            g.yNumerator,   g.yDenominator, g.xOrigin,   g.yOrigin,    g.originDesign,
            g.plusColor.colorRef, g.minusColor.colorRef, g.originColor.colorRef, g.position, g.xUnits.labelAt(0)};
}

std::string settingsOf(DrawingGrid& g)
{
    FakeSettingsFile file;
    registerGrid(file);
    EXPECT_EQ(g.writeSettings(file), 1);
    return file.text;
}

// Reads a settings text that starts with the section line "[GRID]"; the reader's result.
int readSettings(DrawingGrid& g, const std::string& text)
{
    FakeSettingsFile file;
    registerGrid(file);
    file.text = text;
    EXPECT_EQ(file.readKey(), 1);
    EXPECT_EQ(file.currentId(), DrawingGrid::kSection);
    return g.readSettings(file);
}

} // namespace

TEST(GridSettings, ANewGridAndItsCopies)
{
    DrawingGrid g;
    EXPECT_EQ(g.kind, 0);
    EXPECT_EQ(g.isShown(), 0);
    EXPECT_EQ(g.position, 1);
    EXPECT_EQ(g.minPixelSpacing, 4);
    EXPECT_EQ(g.plusColor.colorRef, RGB(0, 255, 255));
    EXPECT_EQ(g.minusColor.colorRef, RGB(255, 255, 0));
    EXPECT_EQ(g.originColor.colorRef, RGB(0, 0, 0));
    EXPECT_EQ(g.xUnits.choiceCount(), 4) << "the lengths are offered";
    EXPECT_EQ(g.paperHeight(), 100.0) << "no paper without an owner";

    // A copy takes the settings, not the owner, the pixel spacing, the page or the pick.
    GridDrawing d;
    makeStart(*d.grid);
    d.grid->minPixelSpacing = 9;
    d.grid->lastPage = 1;
    d.grid->pendingPick = DrawingGrid::kPickClick;
    DrawingGrid copy;
    copy.assign(d.grid);
    EXPECT_EQ(valuesOf(copy), valuesOf(*d.grid));
    EXPECT_EQ(copy.owner, nullptr);
    EXPECT_EQ(copy.minPixelSpacing, 4);
    EXPECT_EQ(copy.lastPage, 0);
    EXPECT_EQ(copy.pendingPick, 0);
    copy.assign(nullptr);
    EXPECT_EQ(valuesOf(copy), valuesOf(*d.grid));
}

TEST(GridSettings, UnitsFollowTheDrawingScale)
{
    struct Case {
        int numerator, denominator, unit;
    };
    const Case cases[] = {{1, 100, 7}, {1, 91, 7},  {11, 1000, 6}, {1, 10, 6},  {1, 9, 1},
                          {1, 1, 1},   {99, 1, 1}, {100, 1, 5},   {1000, 3, 5}};
    for (const Case& c : cases) {
        GridDrawing d;
        d.sheet.paper->setScaleNumerator(c.numerator);
        d.sheet.paper->setScaleDenominator(c.denominator);
        d.grid->chooseUnitsForScale();
        EXPECT_EQ(d.grid->xUnitId(), c.unit) << c.numerator << ":" << c.denominator;
        EXPECT_EQ(d.grid->yUnitId(), c.unit) << c.numerator << ":" << c.denominator;
        // The dimension defaults take the unit when it changed.
        EXPECT_EQ(d.measure->units, c.unit == 1 ? std::vector<int>{} : std::vector<int>{c.unit})
            << c.numerator << ":" << c.denominator;
    }
    DrawingGrid detached;
    detached.chooseUnitsForScale();
    EXPECT_EQ(detached.xUnitId(), 1) << "nothing without a paper";
}

// Snapping with origin o and pitch numerator / denominator in the unit: the nearest line, a tie
// to the lower one, in constant time whatever the values; v itself where there is nothing to snap to.
TEST(GridSettings, SnappingFindsTheNearestLineByDivision)
{
    struct Case {
        const char* what;
        int kind;
        double origin, numerator, denominator;
        int unit;
        double v, snapped;
    };
    const double onDrawnLine = 0.5 + 3 * (100.0 / 1000.0); // where the painter puts line 3
    const Case cases[] = {
        {"a tie goes to the lower line", 1, 0, 5, 1, 1, 7.5, 5.0},
        {"nearer the upper line", 1, 0, 5, 1, 1, 7.6, 10.0},
        {"below 0, nearer 0", 1, 0, 5, 1, 1, -2.4, 0.0},
        {"below 0, nearer -5", 1, 0, 5, 1, 1, -2.6, -5.0},
        {"on a line", 1, 0, 5, 1, 1, 10.0, 10.0},
        {"a mesh snaps too", 2, 0, 5, 1, 1, 7.6, 10.0},
        {"a pitch of 5 / 2 mm", 1, 0, 5, 2, 1, 3.6, 2.5},
        {"1 cm from an origin of 2", 1, 2, 1, 1, 6, 16.9, 12.0},
        {"a tie in centimetres", 1, 2, 1, 1, 6, 17.0, 12.0},
        {"one inch", 1, 0, 1, 1, 2, 30.0, 25.4},
        {"microns: a line drawn from the origin 0.5", 1, 0.5, 100, 1, 5, onDrawnLine, onDrawnLine},
        {"microns between lines", 1, 0.5, 100, 1, 5, 0.84, 0.8},
        {"an origin 10^15 away", 1, 1e15, 5, 1, 1, 7.6, 10.0},
        {"a pitch of 0.001 mm, 10^9 away", 1, 0, 0.001, 1, 1, 1e9, 1e9},
        {"no grid shown", 0, 0, 5, 1, 1, 7.6, 7.6},
        {"a denominator below 1", 1, 0, 5, 0.5, 1, 7.6, 7.6},
        {"a denominator that is no number", 1, 0, 5, kNaN, 1, 7.6, 7.6},
        {"a numerator below 0.00001", 1, 0, 0.000009, 1, 1, 7.6, 7.6},
        {"a value that is no number", 1, 0, 5, 1, 1, kNaN, kNaN},
        {"an infinite value", 1, 0, 5, 1, 1, kInfinity, kInfinity},
        {"an origin that is no number", 1, kNaN, 5, 1, 1, 7.6, 7.6},
    };
    for (const Case& c : cases) {
        DrawingGrid g;
        g.kind = c.kind;
        g.xOrigin = g.yOrigin = c.origin;
        g.xNumerator = g.yNumerator = c.numerator;
        g.xDenominator = g.yDenominator = c.denominator;
        ASSERT_EQ(g.xUnits.setUnit(c.unit), 1);
        ASSERT_EQ(g.yUnits.setUnit(c.unit), 1);
        EXPECT_TRUE(same(g.snapX(c.v), c.snapped)) << c.what << ": " << g.snapX(c.v);
        // The y axis, and a point through the coordinate types' interface.
        Point p(c.v, c.v);
        static_cast<GridSettings&>(g).convertPoint(&p);
        EXPECT_TRUE(same(p.x, c.snapped) && same(p.y, c.snapped)) << c.what;
    }
}

// The origin is shown, written and read in the paper's y direction: with "UPPERPLUS" on a sheet
// 297 high, the origin 10 below the top is shown and stored as 287; coordinate fields measure
// from it in the grid's unit.
TEST(GridSettings, TheOriginCountsInThePapersYDirection)
{
    TestApplication app;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    for (int direction : {SheetSettings::kUpperPlus, SheetSettings::kUnderPlus}) {
        const double shown = direction == SheetSettings::kUpperPlus ? 287.0 : 10.0;
        GridDrawing d;
        ASSERT_EQ(d.sheet.paper->setSize(297.0, 210.0), 1);
        ASSERT_EQ(d.sheet.paper->setYDirection(direction), 1);
        d.grid->yOrigin = 10.0;
        d.grid->updateDisplayOrigin();
        EXPECT_EQ(d.grid->displayOriginY, shown) << direction;
        EXPECT_NE(gridSectionOf(savedBytes(d.sheet.drawing, scratch)).find("<y>" + std::to_string(int(shown)) + "</y>"),
                  std::string::npos)
            << direction;
        EXPECT_NE(settingsOf(*d.grid).find("GRIDOROGINY=" + std::to_string(int(shown)) + "\r\n"), std::string::npos);

        GridDrawing fromFile;
        ASSERT_EQ(fromFile.sheet.paper->setSize(297.0, 210.0), 1);
        ASSERT_EQ(fromFile.sheet.paper->setYDirection(direction), 1);
        ASSERT_EQ(sheet_test::readSections(fromFile.sheet.drawing, scratch,
                                           "<grid>\r\n<origin>\r\n<x>3</x>\r\n<y>" + std::to_string(int(shown)) +
                                               "</y>\r\n</origin>\r\n</grid>\r\n"),
                  1);
        EXPECT_EQ(fromFile.grid->xOrigin, 3.0);
        EXPECT_EQ(fromFile.grid->yOrigin, 10.0) << direction;

        GridDrawing fromSettings;
        ASSERT_EQ(fromSettings.sheet.paper->setSize(297.0, 210.0), 1);
        ASSERT_EQ(fromSettings.sheet.paper->setYDirection(direction), 1);
        ASSERT_EQ(readSettings(*fromSettings.grid, "[GRID]\r\nGRIDOROGINY=" + std::to_string(int(shown)) + "\r\n"), 1);
        EXPECT_EQ(fromSettings.grid->yOrigin, 10.0) << direction;
    }

    // A point's fields, typed in the grid's unit from the grid's origin (7 above the bottom).
    GridDrawing d;
    ASSERT_EQ(d.sheet.paper->setSize(297.0, 210.0), 1);
    ASSERT_EQ(d.sheet.paper->setYDirection(SheetSettings::kUpperPlus), 1);
    d.grid->kind = DrawingGrid::kDots;
    d.grid->xOrigin = 10.0;
    d.grid->yOrigin = 290.0;
    ASSERT_EQ(d.grid->xUnits.setUnit(6), 1);
    ASSERT_EQ(d.grid->yUnits.setUnit(6), 1);
    RecordingModeless dialog;
    dialog.onEvent = [&](int event) {
        if (event == DLG_INIT) {
            EXPECT_EQ(dialog.addControl(IDC_ATTR_REAL, KIND_REAL_EDIT), 1);
            dialog.attachControls();
        }
        return RecordingModeless::kNotAnswered;
    };
    ASSERT_EQ(dialog.create(IDD_TEST_ATTRIBUTES), 1);
    DrawPoint p(60.0, 250.0);
    p.owner = &d.context();
    auto shownValue = [&] { return dialog.getDouble(IDC_ATTR_REAL, -1.0); };
    ASSERT_EQ(p.writeXToDialog(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_DOUBLE_EQ(shownValue(), 5.0) << "(60 - 10) mm in centimetres";
    ASSERT_EQ(p.writeYToDialog(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_DOUBLE_EQ(shownValue(), 4.0) << "(297 - 250 - 7) mm upwards";
    SetDlgItemTextA(dialog.hwnd, IDC_ATTR_REAL, "2.5");
    ASSERT_EQ(p.readXFromDialog(&dialog, IDC_ATTR_REAL), 1);
    ASSERT_EQ(p.readYFromDialog(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_DOUBLE_EQ(p.x, 35.0);
    EXPECT_DOUBLE_EQ(p.y, 265.0) << "25 mm above the origin";
    EXPECT_STREQ(DrawPoint::unitName(p.gridYUnit()), "センチ");
    DrawPoint beside(33.0, 262.0);
    beside.owner = &d.context();
    beside.snapToGrid();
    EXPECT_DOUBLE_EQ(beside.x, 30.0);
    EXPECT_DOUBLE_EQ(beside.y, 260.0);
    dialog.destroy();
    EXPECT_TRUE(boxes.shown().empty());
}

// The section is written in its order with the colours as "rgbColor" also in colour model 3, and
// reads back the same; a "cmykPercent" block in a colour is read over.
TEST(GridSettings, TheDrawingFilesSection)
{
    TestApplication app;
    ScopedOverride model(app->colorModel, 2); // colours follow the application: model 3
    MessageBoxScript boxes;
    ScratchFolder scratch;
    GridDrawing d;
    makeStart(*d.grid);
    const std::string bytes = savedBytes(d.sheet.drawing, scratch);
    EXPECT_EQ(gridSectionOf(bytes), kStartSection);
    EXPECT_EQ(gridSectionOf(bytes).find("cmykPercent"), std::string::npos);

    GridDrawing read;
    ASSERT_EQ(sheet_test::readSections(read.sheet.drawing, scratch, kStartSection), 1);
    GridValues expected = valuesOf(*d.grid);
    expected.yNumerator = 1.12345;
    EXPECT_EQ(valuesOf(*read.grid), expected);

    GridDrawing cmyk;
    ASSERT_EQ(sheet_test::readSections(cmyk.sheet.drawing, scratch,
                                       "<grid>\r\n<gridType>\"GRID\"</gridType>\r\n<plusColor>\r\n<cmykPercent>\r\n"
                                       "<c>100</c>\r\n<m>0</m>\r\n<y>0</y>\r\n<k>0</k>\r\n</cmykPercent>\r\n"
                                       "</plusColor>\r\n<minusColor>\r\n<rgbColor>\r\n<r>1</r>\r\n<g>2</g>\r\n"
                                       "<b>3</b>\r\n</rgbColor>\r\n</minusColor>\r\n<gridPosition>\"OVER\""
                                       "</gridPosition>\r\n<gridKind>7</gridKind>\r\n</grid>\r\n"),
              1);
    EXPECT_EQ(cmyk.grid->plusColor.colorRef, RGB(0, 255, 255)) << "the cmykPercent block is read over";
    EXPECT_EQ(cmyk.grid->minusColor.colorRef, RGB(1, 2, 3));
    EXPECT_EQ(cmyk.grid->kind, DrawingGrid::kDots);
    EXPECT_EQ(cmyk.grid->position, DrawingGrid::kOverFigures) << "the tags after it are read";
    EXPECT_TRUE(boxes.shown().empty());
}

TEST(GridSettings, TheSettingsSection)
{
    GridDrawing d;
    makeStart(*d.grid);
    EXPECT_EQ(settingsOf(*d.grid), kStartSettings) << "the keys in their order, numerators rounded half up";
    DrawingGrid read;
    ASSERT_EQ(readSettings(read, std::string(kStartSettings) + "[NEXT]\r\nGRIDTYPE=\"GRID\"\r\n"), 1);
    GridValues expected = valuesOf(*d.grid);
    expected.yNumerator = 1.12346;
    EXPECT_EQ(valuesOf(read), expected) << "the reading ends at the next section";

    // A text that is no keyword reads as NONE; keys of other sections are passed over.
    struct Case {
        std::string line;
        int kind, position, design;
    };
    const Case cases[] = {
        {"GRIDTYPE=\"DOTS\"", 0, 2, 4},
        {"GRIDTYPE=\"grid\"", 0, 2, 4},
        {"GRIDTYPE=\"GRID\"", 1, 2, 4},
        {"GRIDPOS=\"over\"", 2, 0, 4},
        {"GRIDORIGINZUKEI=\"X\"", 2, 2, 2},
        {"GRIDORIGINZUKEI=\"+\"", 2, 2, 1},
        {"LINESIZE=3", 2, 2, 4},
    };
    for (const Case& c : cases) {
        DrawingGrid g;
        makeStart(g);
        ASSERT_EQ(readSettings(g, "[GRID]\r\n" + c.line + "\r\n"), 1) << c.line;
        EXPECT_EQ(g.kind, c.kind) << c.line;
        EXPECT_EQ(g.position, c.position) << c.line;
        EXPECT_EQ(g.originDesign, c.design) << c.line;
    }
}

// Bad values in the drawing file and in the settings file: what the checks refuse leaves the
// previous valid value, keywords of any length read as NONE, labels keep 19 bytes, a colour with
// one number changes one channel in the file and nothing in the settings; painting and snapping
// stay bounded afterwards.
TEST(GridSettings, BadValuesKeepThePreviousOnes)
{
    // No application: its error count, once a data error was shown, would stop the next
    // drawing's members from being made.
    MessageBoxScript boxes;
    ScratchFolder scratch;
    const std::string huge = "1" + std::string(308, '0');
    const std::string longText(300, 'G');
    struct Case {
        const char* what;
        std::string fileSection;  // the children of "grid"
        std::string settingsLine; // a key line of "GRID"
        std::function<void(GridValues&)> fileChange, settingsChange;
    };
    const auto none = [](GridValues&) {};
    const Case cases[] = {
        {"denominator 0", "<gridHorz>\r\n<denominator>0</denominator>\r\n</gridHorz>", "GRIDYOKOBBO=0", none, none},
        {"denominator -1", "<gridVert>\r\n<denominator>-1</denominator>\r\n</gridVert>", "GRIDTATEBBO=-1", none,
         none},
        {"denominator no number", "<gridHorz>\r\n<denominator>NaN</denominator>\r\n</gridHorz>",
         "GRIDYOKOBBO=-1e999", none, none},
        {"numerator 1e308", "<gridHorz>\r\n<numerator>" + huge + "</numerator>\r\n</gridHorz>", "GRIDYOKOBSI=1e308",
         none, none},
        {"origin 1e300", "<origin>\r\n<x>1" + std::string(300, '0') + "</x>\r\n</origin>", "GRIDOROGINX=1e300", none,
         none},
        {"infinite origin", "<origin>\r\n<y>-" + huge + "</y>\r\n</origin>", "GRIDOROGINY=1e999", none, none},
        {"300-byte keywords",
         "<gridType>\"" + longText + "\"</gridType>\r\n<gridPosition>\"" + longText +
             "\"</gridPosition>\r\n<originDesign>\"" + longText + "\"</originDesign>",
         "GRIDORIGINZUKEI=\"" + longText + "\"",
         [](GridValues& v) { v.kind = v.position = v.design = 0; }, [](GridValues& v) { v.design = 0; }},
        {"a 300-byte label or unit", "<gridHorz>\r\n<miriText>\"" + longText + "\"</miriText>\r\n</gridHorz>",
         "GRIDYOKOUNIT=\"" + longText + "\"", [](GridValues& v) { v.miriLabel = std::string(19, 'G'); }, none},
        {"a colour of one number", "<plusColor>\r\n<rgbColor>\r\n<r>200</r>\r\n</rgbColor>\r\n</plusColor>",
         "GRIDPLUSCOLOR=200", [](GridValues& v) { v.plus = RGB(200, 20, 30); }, none},
    };
    for (const Case& c : cases) {
        GridDrawing d;
        makeStart(*d.grid);
        GridValues expected = valuesOf(*d.grid);
        c.fileChange(expected);
        (void)sheet_test::readSections(d.sheet.drawing, scratch, "<grid>\r\n" + c.fileSection + "\r\n</grid>\r\n");
        EXPECT_EQ(valuesOf(*d.grid), expected) << "file: " << c.what;

        DrawingGrid fromSettings;
        makeStart(fromSettings);
        expected = valuesOf(fromSettings);
        c.settingsChange(expected);
        (void)readSettings(fromSettings, "[GRID]\r\n" + c.settingsLine + "\r\n");
        EXPECT_EQ(valuesOf(fromSettings), expected) << "settings: " << c.what;

        // Painting and snapping end at once.
        d.grid->kind = DrawingGrid::kDots;
        EXPECT_EQ(d.grid->paint(), 1) << c.what;
        EXPECT_TRUE(std::isfinite(d.grid->snapX(1e300))) << c.what;
    }
    // The setters refuse what the readers refuse.
    DrawingGrid g;
    EXPECT_EQ(g.setDisplayOriginX(kNaN), 0);
    EXPECT_EQ(g.setDisplayOriginY(-kInfinity), 0);
    EXPECT_EQ(g.setXNumerator(2e15), 0);
    EXPECT_EQ(g.setYDenominator(0.999), 0);
    EXPECT_EQ(g.setYDenominator(1.0), 1);
    EXPECT_EQ(g.displayOriginX, 0.0);

    // Every truncation of a saved section reads without crash or hang, and what it leaves paints
    // and snaps in bounded time.
    GridDrawing source;
    makeStart(*source.grid);
    const std::string section = gridSectionOf(savedBytes(source.sheet.drawing, scratch));
    ASSERT_FALSE(section.empty());
    for (size_t n = 0; n < section.size(); n += 3) {
        GridDrawing cut;
        (void)sheet_test::readSections(cut.sheet.drawing, scratch, section.substr(0, n), false);
        EXPECT_GE(cut.grid->xDenominator, 1.0) << n;
        EXPECT_EQ(cut.grid->paint(), 1) << n;
        EXPECT_TRUE(std::isfinite(cut.grid->snapY(-1e300))) << n;
    }
}
