// The attribute values in the controls of a real dialog made from a test resource: lists,
// number fields, check boxes and a colour swatch.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

#include "geometry/DrawPoint.h"
#include "geometry/InkInfo.h"
#include "geometry/PickSettings.h"
#include "geometry/PointList.h"
#include "geometry/UnitSettings.h"
#include "platform/ControlKinds.h"
#include "tests/support/AttributeFile.h"
#include "tests/support/RecordingDialog.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestResources.h"

namespace {

// Stands in for the colour swatch control: keeps the colour it is given, and "chooses" a fixed
// colour when asked.
class SwatchProbe : public Control {
public:
    void setColour(const RgbColor* c) override
    {
        if (c)
            colour.assign(*c);
        ++shown;
    }
    RgbColor* getColour() override { return &colour; }
    int chooseColour() override
    {
        colour.setRgb(10, 20, 30);
        return 1;
    }
    void repaint() override { ++repaints; }

    RgbColor colour;
    int shown = 0;
    int repaints = 0;
};

class InksProbe : public InkInfo {
public:
    void copyFrom(const InkInfo* other) override
    {
        if (other)
            maker = static_cast<const InksProbe*>(other)->maker;
    }
    int maker = 1;
};

// The colour settings dialog as the tests answer it.
struct ColourDialogScript {
    int answer = 1;
    int runs = 0;
    Dialog* owner = nullptr;
    int makerSeen = 0;
} script;

InkInfo* makeInks() { return new InksProbe; }

int runColourSettings(InkColor& colour, InkInfo& inks, Dialog* owner)
{
    ++script.runs;
    script.owner = owner;
    script.makerSeen = static_cast<InksProbe&>(inks).maker;
    colour.setInkValues(0, 0, 0, 60);
    colour.inkNumber = 3;
    static_cast<InksProbe&>(inks).maker = 7;
    return script.answer;
}

class AttributeDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.onEvent = [this](int event) {
            if (event == DLG_INIT) {
                EXPECT_EQ(dialog.addControl(IDC_ATTR_LIST, KIND_COMBO_BOX), 1);
                EXPECT_EQ(dialog.addControl(IDC_ATTR_REAL, KIND_REAL_EDIT), 1);
                EXPECT_EQ(dialog.addControl(IDC_ATTR_INTEGER, KIND_INTEGER_EDIT), 1);
                EXPECT_EQ(dialog.addControl(IDC_ATTR_CHECK, KIND_CHECK_BUTTON), 1);
                swatch = new SwatchProbe;
                EXPECT_EQ(dialog.addControl(swatch, IDC_ATTR_SWATCH, KIND_COLOR_SWATCH), 1);
                for (int i = 0; i < InkColor::kPlates; ++i)
                    EXPECT_EQ(dialog.addControl(IDC_ATTR_PLATE_C + i, KIND_CHECK_BUTTON), 1);
                dialog.attachControls();
            }
            return RecordingModeless::kNotAnswered;
        };
        ASSERT_EQ(dialog.create(IDD_TEST_ATTRIBUTES), 1);
    }
    void TearDown() override { dialog.destroy(); }

    LRESULT send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendDlgItemMessageA(dialog.hwnd, id, message, wParam, lParam);
    }
    std::string listText(int index)
    {
        char text[64] = {};
        send(IDC_ATTR_LIST, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return text;
    }
    int listCount() { return static_cast<int>(send(IDC_ATTR_LIST, CB_GETCOUNT)); }
    int listSelection() { return static_cast<int>(send(IDC_ATTR_LIST, CB_GETCURSEL)); }
    void choose(int index) { send(IDC_ATTR_LIST, CB_SETCURSEL, static_cast<WPARAM>(index)); }
    std::string fieldText(int id)
    {
        char text[64] = {};
        GetDlgItemTextA(dialog.hwnd, id, text, sizeof text);
        return text;
    }
    void type(int id, const char* text) { SetDlgItemTextA(dialog.hwnd, id, text); }
    int checked(int id) { return IsDlgButtonChecked(dialog.hwnd, id) == BST_CHECKED; }

    TestApplication app;
    RecordingModeless dialog;
    SwatchProbe* swatch = nullptr;
};

TEST_F(AttributeDialogTest, LineTypeListFollowsItsListMode)
{
    LineTypeAttribute type;
    ASSERT_EQ(type.fillStyleList(&dialog, IDC_ATTR_LIST), 1);
    ASSERT_EQ(listCount(), 6);
    EXPECT_EQ(listText(2), "鎖線");
    EXPECT_EQ(listText(3), "２本線");
    choose(3);
    ASSERT_EQ(type.styleFromList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(type.style, 6);
    choose(1);
    ASSERT_EQ(type.styleFromList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(type.style, 2);
    EXPECT_EQ(type.dash, 1.5) << "the list applies the presets";
    type.style = 7;
    ASSERT_EQ(type.styleToList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(listSelection(), 4) << "style 7 shows position 5";

    type.listMode = 3;
    ASSERT_EQ(type.fillStyleList(&dialog, IDC_ATTR_LIST), 1);
    ASSERT_EQ(listCount(), 8);
    EXPECT_EQ(listText(4), "鎖線3");
    choose(-1);
    EXPECT_EQ(type.styleFromList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(type.style, 7) << "no selection keeps the style";
    type.listMode = 2;
    ASSERT_EQ(type.fillStyleList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(listCount(), 7);

    EXPECT_EQ(type.fillStyleList(&dialog, 12345), 0);
    EXPECT_EQ(type.styleFromList(&dialog, 12345), 0);
    EXPECT_EQ(type.styleFromList(nullptr, IDC_ATTR_LIST), 0);
}

// The unit list shows the units offered by their names; the unit chosen is read back by its
// position, and a unit that is not offered shows no selection.
TEST_F(AttributeDialogTest, UnitListOffersTheChoicesOfTheUnits)
{
    UnitSettings units;
    ASSERT_EQ(units.fillCombo(&dialog, IDC_ATTR_LIST), 1);
    ASSERT_EQ(listCount(), 1);
    EXPECT_EQ(listText(0), "ミリ");
    EXPECT_EQ(listSelection(), 0);

    units.setLengthChoices();
    ASSERT_EQ(units.fillList(dialog.findControl(IDC_ATTR_LIST)), 1);
    ASSERT_EQ(listCount(), 4);
    EXPECT_EQ(listText(0), "ミクロン");
    EXPECT_EQ(listText(3), "メートル");
    EXPECT_EQ(listSelection(), 1) << "millimetres, the second choice";
    choose(2);
    ASSERT_EQ(units.readCombo(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(units.unit(), 6) << "the third choice is centimetres";
    ASSERT_EQ(units.showUnitName(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_EQ(fieldText(IDC_ATTR_REAL), "センチ");
    choose(-1);
    ASSERT_EQ(units.readListSelection(dialog.findControl(IDC_ATTR_LIST)), 1);
    EXPECT_EQ(units.unit(), 6) << "no selection keeps the unit";

    ASSERT_EQ(units.setUnit(2), 1);
    EXPECT_EQ(units.selectCurrentInList(&dialog, IDC_ATTR_LIST), 0) << "inches are not among the lengths";
    ASSERT_EQ(units.fillCombo(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(listSelection(), -1);
    EXPECT_EQ(units.fillCombo(&dialog, 12345), 0);
    EXPECT_EQ(units.readCombo(nullptr, IDC_ATTR_LIST), 0);
}

TEST_F(AttributeDialogTest, ListsOfPenPositionCapInkScreenAndHatch)
{
    LineAttribute pen;
    ASSERT_EQ(pen.fillStyleList(&dialog, IDC_ATTR_LIST), 1);
    ASSERT_EQ(listCount(), 4);
    EXPECT_EQ(listText(0), "なし");
    choose(0);
    ASSERT_EQ(pen.styleFromList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(pen.style, 0);
    pen.style = 3;
    ASSERT_EQ(pen.styleToList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(listSelection(), 3);

    LineOriginAttribute origin;
    ASSERT_EQ(origin.fillPositionList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(listText(1), "外-右");
    choose(2);
    ASSERT_EQ(origin.positionFromList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(origin.position, 3);

    LineCapAttribute cap;
    ASSERT_EQ(cap.fillCapList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(listText(2), "スクエア");
    cap.capStyle = 2;
    ASSERT_EQ(cap.capToList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(listSelection(), 1);
    choose(2);
    ASSERT_EQ(cap.capFromList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(cap.capStyle, 3);

    InkColor colour;
    ASSERT_EQ(colour.fillInkList(&dialog, IDC_ATTR_LIST), 1);
    ASSERT_EQ(listCount(), 6);
    EXPECT_EQ(listText(0), "CMYK");
    EXPECT_EQ(listText(5), "特色５");
    colour.inkNumber = 4;
    ASSERT_EQ(colour.inkToList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(listSelection(), 3);
    choose(5);
    ASSERT_EQ(colour.inkFromList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(colour.inkNumber, 6);

    GrayAttributes screen;
    ASSERT_EQ(screen.fillKindList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(listText(2), "グラデーション");
    choose(1);
    ASSERT_EQ(screen.kindFromList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(screen.kind, 1);
    ASSERT_EQ(screen.kindToList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(listSelection(), 1);
    ASSERT_EQ(screen.fillVectorList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(listText(3), "下→上");
    choose(2);
    ASSERT_EQ(screen.vectorFromList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(screen.vector, 3);

    HatchAttributes hatch;
    ASSERT_EQ(hatch.fillPatternList(&dialog, IDC_ATTR_LIST), 1);
    ASSERT_EQ(listCount(), 9);
    EXPECT_EQ(listText(6), "菱形メッシュ");
    hatch.pattern = 8;
    ASSERT_EQ(hatch.patternToList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(listSelection(), 8);
    choose(0);
    ASSERT_EQ(hatch.patternFromList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(hatch.pattern, 0);
}

TEST_F(AttributeDialogTest, NumberFieldsAndTintsInPercent)
{
    GrayAttributes screen;
    screen.startGray = 0.25;
    screen.endGray = 0.8;
    ASSERT_EQ(screen.startToField(&dialog, IDC_ATTR_INTEGER), 1);
    EXPECT_EQ(fieldText(IDC_ATTR_INTEGER), "25");
    ASSERT_EQ(screen.endToField(&dialog, IDC_ATTR_INTEGER), 1);
    EXPECT_EQ(fieldText(IDC_ATTR_INTEGER), "80");
    type(IDC_ATTR_INTEGER, "120");
    ASSERT_EQ(screen.startFromField(&dialog, IDC_ATTR_INTEGER), 1);
    EXPECT_EQ(screen.startGray, 0.25) << "120 is no tint";
    type(IDC_ATTR_INTEGER, "35");
    ASSERT_EQ(screen.startFromField(&dialog, IDC_ATTR_INTEGER), 1);
    EXPECT_DOUBLE_EQ(screen.startGray, 0.35);
    for (const char* typed : {"45abc", "45.5", "4 5"}) {
        type(IDC_ATTR_INTEGER, typed);
        ASSERT_EQ(screen.startFromField(&dialog, IDC_ATTR_INTEGER), 1);
        EXPECT_DOUBLE_EQ(screen.startGray, 0.35) << typed << " is no tint, never its leading digits";
    }
    type(IDC_ATTR_INTEGER, "-1");
    ASSERT_EQ(screen.endFromField(&dialog, IDC_ATTR_INTEGER), 1);
    EXPECT_EQ(screen.endGray, 0.8);
    EXPECT_EQ(screen.startFromField(&dialog, 12345), 0);

    DrawLineAttribute drawLine;
    ASSERT_EQ(drawLine.spaceToControl(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_EQ(fieldText(IDC_ATTR_REAL), "3");
    type(IDC_ATTR_REAL, "1.25");
    ASSERT_EQ(drawLine.overFromControl(&dialog, IDC_ATTR_REAL), 1);
    ASSERT_EQ(drawLine.widthFromControl(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_EQ(drawLine.over, 1.25);
    EXPECT_EQ(drawLine.width, 1.25);
    ASSERT_EQ(drawLine.overToControl(&dialog, IDC_ATTR_REAL), 1);
    type(IDC_ATTR_REAL, "4");
    ASSERT_EQ(drawLine.spaceFromControl(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_EQ(drawLine.space, 4.0);

    LineAttribute pen;
    pen.penWidth = 0.35;
    ASSERT_EQ(pen.widthToControl(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_EQ(fieldText(IDC_ATTR_REAL), "0.35");
    LineSizeAttribute size;
    ASSERT_EQ(size.setFromControl(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_EQ(size.width, 0.35) << "the stored value, not the text";
    EXPECT_EQ(size.widthFromControl(&dialog, 12345), 0);
    EXPECT_EQ(size.width, 0.35);

    HatchAttributes hatch;
    hatch.pitch2 = 2.5;
    ASSERT_EQ(hatch.pitch2ToField(&dialog, IDC_ATTR_REAL), 1);
    ASSERT_EQ(hatch.pitch1FromField(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_EQ(hatch.pitch1, 2.5);
}

TEST_F(AttributeDialogTest, PickModesSlantAndRelativeReals)
{
    PickSettings pick;
    ASSERT_EQ(pick.fillModeList(&dialog, IDC_ATTR_LIST), 1);
    ASSERT_EQ(listCount(), 2);
    EXPECT_EQ(listText(0), "全体を囲む");
    EXPECT_EQ(listText(1), "一部を囲む");
    pick.encloseMode = 2;
    ASSERT_EQ(pick.writeModeToControl(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(listSelection(), 1);
    choose(0);
    ASSERT_EQ(pick.readModeFromControl(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(pick.encloseMode, 1);
    choose(-1);
    ASSERT_EQ(pick.modeFromList(&dialog, IDC_ATTR_LIST), 1);
    EXPECT_EQ(pick.encloseMode, 1) << "no choice keeps the mode";

    LeanAttribute lean;
    lean.angle = 22.5;
    ASSERT_EQ(lean.angleToField(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_EQ(fieldText(IDC_ATTR_REAL), "22.5");
    type(IDC_ATTR_REAL, "-15");
    ASSERT_EQ(lean.angleFromField(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_EQ(lean.angle, -15.0);

    // Values shown and taken relative to a base: an end angle as the sweep from the start.
    DoubleValue end;
    end.value = 100.0;
    ASSERT_EQ(end.differenceToField(&dialog, IDC_ATTR_REAL, 30.0), 1);
    EXPECT_EQ(fieldText(IDC_ATTR_REAL), "70");
    type(IDC_ATTR_REAL, "45");
    ASSERT_EQ(end.fromFieldRelative(&dialog, IDC_ATTR_REAL, 30.0), 1);
    EXPECT_EQ(end.value, 75.0);
    ASSERT_EQ(end.fromField(&dialog, IDC_ATTR_REAL), 1);
    EXPECT_EQ(end.value, 45.0);
    EXPECT_EQ(end.fromField(&dialog, 12345), 0);
    EXPECT_EQ(end.toField(nullptr, IDC_ATTR_REAL), 0);
}

TEST_F(AttributeDialogTest, CheckBoxesOfSwitchesOverprintAndPlates)
{
    FillAttributes fill;
    fill.draw.value = 0;
    ASSERT_EQ(fill.drawToCheckBox(&dialog, IDC_ATTR_CHECK), 1);
    EXPECT_EQ(checked(IDC_ATTR_CHECK), 0);
    CheckDlgButton(dialog.hwnd, IDC_ATTR_CHECK, BST_CHECKED);
    EdgeAttributes edge;
    edge.draw.value = 0;
    ASSERT_EQ(edge.draw.fromCheckBox(&dialog, IDC_ATTR_CHECK), 1);
    EXPECT_EQ(edge.draw.value, 1);
    EXPECT_EQ(fill.drawFromCheckBox(&dialog, 12345), 0);
    EXPECT_EQ(fill.draw.value, 0);

    InkColor colour;
    colour.overprint = 1;
    ASSERT_EQ(colour.overprintToCheckBox(&dialog, IDC_ATTR_CHECK), 1);
    EXPECT_EQ(checked(IDC_ATTR_CHECK), 1);
    CheckDlgButton(dialog.hwnd, IDC_ATTR_CHECK, BST_UNCHECKED);
    ASSERT_EQ(colour.overprintFromCheckBox(&dialog, IDC_ATTR_CHECK), 1);
    EXPECT_EQ(colour.overprint, 0);

    int ids[InkColor::kPlates];
    for (int i = 0; i < InkColor::kPlates; ++i)
        ids[i] = IDC_ATTR_PLATE_C + i;
    colour.setPlateOverprint(0, 1);
    colour.setPlateOverprint(7, 1);
    ASSERT_EQ(colour.platesToCheckBoxes(&dialog, ids), 1);
    EXPECT_EQ(checked(IDC_ATTR_PLATE_C), 1);
    EXPECT_EQ(checked(IDC_ATTR_PLATE_C + 1), 0);
    EXPECT_EQ(checked(IDC_ATTR_PLATE_C + 7), 1);
    CheckDlgButton(dialog.hwnd, IDC_ATTR_PLATE_C, BST_UNCHECKED);
    CheckDlgButton(dialog.hwnd, IDC_ATTR_PLATE_C + 2, BST_CHECKED);
    ids[7] = 12345; // a plate without its check box keeps its mark
    EXPECT_EQ(colour.platesFromCheckBoxes(&dialog, ids), 0);
    EXPECT_EQ(colour.plateOverprint(0), 0);
    EXPECT_EQ(colour.plateOverprint(2), 1);
    EXPECT_EQ(colour.plateOverprint(7), 1);
}

// A writer whose control cannot show its value (a control of another kind) reports that, as it
// reports a missing control: the dialog would otherwise show a stale value as if it were set.
TEST_F(AttributeDialogTest, AControlOfAnotherKindTakesNothingAndAnswers0)
{
    LineAttribute pen;
    LineCapAttribute cap;
    HatchAttributes hatch;
    GrayAttributes screen;
    InkColor colour;
    DrawLineAttribute drawLine;
    DrawPoint point(1, 2);
    PointList list;
    ASSERT_EQ(list.appendXY(1, 2), 1);
    Control* checkBox = dialog.findControl(IDC_ATTR_CHECK);
    ASSERT_NE(checkBox, nullptr);
    const struct {
        const char* what;
        std::function<int()> write;
    } cases[] = {
        {"style list into a number field", [&] { return pen.fillStyleList(&dialog, IDC_ATTR_REAL); }},
        {"ink list into a check box", [&] { return colour.fillInkList(&dialog, IDC_ATTR_CHECK); }},
        {"cap choice into a number field", [&] { return cap.capToList(&dialog, IDC_ATTR_REAL); }},
        {"pattern choice into a number field", [&] { return hatch.patternToList(&dialog, IDC_ATTR_INTEGER); }},
        {"pitch into a check box", [&] { return hatch.pitch1ToField(&dialog, IDC_ATTR_CHECK); }},
        {"space into an integer field", [&] { return drawLine.spaceToControl(&dialog, IDC_ATTR_INTEGER); }},
        {"tint percent into a real field", [&] { return screen.startToField(&dialog, IDC_ATTR_REAL); }},
        {"point x into a check box", [&] { return point.writeXToDialog(&dialog, IDC_ATTR_CHECK); }},
        {"point y into a check box", [&] { return point.writeYToControl(checkBox); }},
        {"list x into a check box", [&] { return list.writeXToControl(checkBox, 0); }},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.write(), 0) << c.what;
    EXPECT_EQ(fieldText(IDC_ATTR_REAL), "");
    EXPECT_EQ(fieldText(IDC_ATTR_INTEGER), "");
}

TEST_F(AttributeDialogTest, ColourSwatchAndTheTwoChoosers)
{
    InkColor colour;
    colour.setRgb(1, 2, 3);
    colour.inkNumber = 2;
    ASSERT_EQ(colour.showInControl(&dialog, IDC_ATTR_SWATCH), 1);
    EXPECT_EQ(swatch->colour.colorRef, RGB(1, 2, 3));
    ASSERT_EQ(colour.repaintControl(&dialog, IDC_ATTR_SWATCH), 1);
    EXPECT_EQ(swatch->repaints, 1);
    EXPECT_EQ(colour.showInControl(&dialog, 12345), 0);

    // RGB model: the system chooser through the swatch; ink and overprint stay.
    ASSERT_EQ(colour.pickForControl(&dialog, IDC_ATTR_SWATCH), 1);
    EXPECT_EQ(colour.colorRef, RGB(10, 20, 30));
    EXPECT_EQ(colour.inkNumber, 2);

    // Ink model: the colour settings dialog on copies, taken back only on OK.
    colour.model = 3;
    EXPECT_EQ(colour.pickForControl(&dialog, IDC_ATTR_SWATCH), 0) << "no colour settings dialog yet";
    ScopedOverride inkInfoMaker(colorSettingsHooks.makeInkInfo, makeInks);
    ScopedOverride colourSettings(colorSettingsHooks.runColorSettings, runColourSettings);
    InksProbe application, document;
    document.maker = 4;
    application.current = &document;
    ScopedOverride inkInfo(theInkInfo, &application);
    script = ColourDialogScript();
    script.answer = 2;
    EXPECT_EQ(colour.pickForControl(&dialog, IDC_ATTR_SWATCH), 0);
    EXPECT_EQ(script.runs, 1);
    EXPECT_EQ(script.owner, &dialog);
    EXPECT_EQ(script.makerSeen, 4) << "the dialog starts from the document's ink choice";
    EXPECT_EQ(colour.inkNumber, 2);
    EXPECT_EQ(document.maker, 4);
    const int shownBefore = swatch->shown;

    script.answer = 1;
    EXPECT_EQ(colour.pickWithInkDialog(&dialog, IDC_ATTR_SWATCH), 1);
    EXPECT_EQ(colour.inks[3], 60);
    EXPECT_EQ(colour.inkNumber, 3);
    EXPECT_EQ(document.maker, 7);
    EXPECT_EQ(application.maker, 7);
    EXPECT_EQ(swatch->shown, shownBefore + 1);
    EXPECT_EQ(swatch->colour.inks[3], 60);
}

} // namespace
