// "カラー設定" and "オーバープリント" driven as a user drives them: the palette, the fields of the two
// models, the system chooser on the swatch, the user and DIC colour lists with the names their
// file can keep, the spot inks, the overprint plates, and the dialog reached from a property
// dialog's swatch under ink colours.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "dialogs/colour/ColorSettingsDialog.h"
#include "dialogs/colour/ColourInstall.h"
#include "dialogs/colour/ColourPalette.h"
#include "dialogs/colour/NamedColorTable.h"
#include "dialogs/colour/OverprintDialog.h"
#include "document/Element.h"
#include "geometry/InkColor.h"
#include "geometry/InkInfo.h"
#include "resources/ids_colour.h"
#include "resources/ids_properties.h"
#include "tests/dialogs/PropertyFixture.h"
#include "tests/support/IntegerFieldTexts.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"

using namespace property_test;

namespace {

// A colour table in memory (never read from or written to a file) installed as the
// application's user or DIC table.
class MemoryTable {
public:
    MemoryTable(NamedColorTable*& slot, std::initializer_list<const char*> names)
        : table("TABLE.TXT"), installed(slot, &table)
    {
        table.loaded = 1;
        int number = 11;
        for (const char* name : names) {
            ColorEntry e;
            e.number = number;
            number += 11;
            e.setName(name);
            const int inks[4] = {number, 0, 100 - number, 5};
            e.setInks(inks);
            EXPECT_EQ(table.append(e), 1);
        }
    }
    NamedColorTable table;
    ScopedOverride<NamedColorTable*> installed;
};

// The application works with ink colours (setting 2) and its swatches open the colour dialog.
struct InkColours {
    explicit InkColours(TestApplication& app) : model(app->colorModel, 2) {}
    ScopedOverride<int> model;
    ScopedOverride<ColorSettingsHooks> hooks{colorSettingsHooks, ColorSettingsHooks{makeInkInfo, runColorSettingsDialog}};
};

std::vector<std::string> namesIn(const NamedColorTable& table)
{
    std::vector<std::string> names;
    for (int i = 0; i < table.count(); ++i)
        names.push_back(table.getAt(i)->name);
    return names;
}

std::vector<int> inksOf(const InkColor& c) { return {c.inks[0], c.inks[1], c.inks[2], c.inks[3]}; }
std::vector<int> rgbOf(const RgbColor& c) { return {c.getRed(), c.getGreen(), c.getBlue()}; }

// A left press on the dialog with the cursor at a fraction of control `id`'s client area.
void pressOn(HWND dialog, int id, double fx, double fy, ScriptedMouse& mouse)
{
    HWND item = GetDlgItem(dialog, id);
    RECT r;
    GetClientRect(item, &r);
    POINT p = {static_cast<LONG>(r.right * fx), static_cast<LONG>(r.bottom * fy)};
    ClientToScreen(item, &p);
    mouse.rest(p.x, p.y);
    POINT inDialog = p;
    ScreenToClient(dialog, &inDialog);
    SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inDialog.x, inDialog.y));
}

// A press on row `row` of a colour table's list.
void pressRow(HWND dialog, int id, const NamedColorTable& table, int row, ScriptedMouse& mouse)
{
    RECT r;
    GetClientRect(GetDlgItem(dialog, id), &r);
    const int gap = (r.bottom - table.visibleRows * table.rowHeight) / 2;
    const double y = gap + (row - table.firstVisible + 0.5) * table.rowHeight;
    pressOn(dialog, id, 0.5, y / r.bottom, mouse);
}

int inkShown(HWND dialog) { return selectionOf(dialog, IDC_COLOR_INK) + 1; }

} // namespace

TEST(ColourPalette, CellsFollowTheRowFactorsAndTheGrayRamp)
{
    const ColourPalette palette;
    struct Case {
        int column, row;
        std::vector<int> rgb;
    };
    const Case cases[] = {
        {0, 0, {0, 0, 0}},       {19, 0, {255, 200, 200}}, {10, 4, {0, 0, 250}},     {12, 6, {25, 255, 255}},
        {5, 3, {60, 0, 125}},    {0, 12, {0, 0, 0}},       {1, 12, {14, 14, 14}},    {9, 12, {126, 126, 126}},
        {10, 12, {139, 139, 139}}, {18, 12, {243, 243, 243}}, {19, 12, {255, 255, 255}},
    };
    for (const Case& c : cases) {
        int r = -1, g = -1, b = -1;
        ASSERT_EQ(palette.colourAt(c.column, c.row, r, g, b), 1);
        EXPECT_EQ(std::vector<int>({r, g, b}), c.rgb) << c.column << "," << c.row;
    }
    int r = 0, g = 0, b = 0;
    EXPECT_EQ(palette.colourAt(20, 0, r, g, b), 0);
    EXPECT_EQ(palette.colourAt(0, 13, r, g, b), 0);
    EXPECT_EQ(palette.colourAt(-1, 0, r, g, b), 0);
}

TEST(ColorSettingsDialog, OnlyTheChosenModelsFieldsTakeTypingAndEveryPickIsAProcessColour)
{
    PropertyDrawing d;
    InkColours inkColours(d.app);
    MemoryTable users(theUserColorTable, {});
    MemoryTable dic(theDicColorTable, {});
    ChooserScript chooser;
    ChooserScript::colour = RGB(0, 0, 255);
    ScriptedMouse mouse;
    InkColor colour;
    const int start[4] = {10, 20, 30, 40};
    colour.setInks(start);
    colour.inkNumber = 3;
    InkInfo inks;
    std::vector<std::string> seen;
    std::vector<int> afterRgbTyping, afterCmykTyping, afterBeyond, afterPalette, afterChooser;
    std::string told;
    MessageBoxScript boxes;
    int ink = 0;
    const INT_PTR result = driveModalDialog([&] { return runColorSettingsDialog(colour, inks, nullptr); }, [&](HWND w) {
        seen = {textOf(w, IDC_COLOR_CYAN), textOf(w, IDC_COLOR_RED), textOf(w, IDC_COLOR_GREEN),
                textOf(w, IDC_COLOR_BLUE), isTicked(w, IDC_COLOR_MODEL_CMYK) ? "CMYK" : "RGB"};
        ink = inkShown(w);
        type(w, IDC_COLOR_RED, "200"); // CMYK is chosen: nothing changes
        click(w, IDC_COLOR_MODEL_RGB);
        type(w, IDC_COLOR_CYAN, "90"); // RGB is chosen now
        afterRgbTyping = inksOf(colour);
        click(w, IDC_COLOR_MODEL_CMYK);
        type(w, IDC_COLOR_CYAN, "90");
        afterCmykTyping = inksOf(colour);
        seen.push_back(textOf(w, IDC_COLOR_RED));
        seen.push_back(std::to_string(inkShown(w)));
        type(w, IDC_COLOR_MAGENTA, "150"); // beyond 0..100: named, nothing taken
        seen.push_back(textOf(w, IDC_COLOR_MAGENTA));
        afterBeyond = inksOf(colour);
        told = boxes.texts();
        pressOn(w, IDC_COLOR_PALETTE, 19.5 / 20, 0.5 / 13, mouse);
        afterPalette = rgbOf(colour);
        click(w, IDC_COLOR_SWATCH);
        afterChooser = rgbOf(colour);
        seen.push_back(textOf(w, IDC_COLOR_CYAN));
        finish(w, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(seen, std::vector<std::string>({"10", "128", "102", "77", "CMYK", "0", "1", "150", "100"}));
    EXPECT_EQ(afterBeyond, std::vector<int>({90, 20, 30, 40}));
    EXPECT_EQ(told, "Mには0から100までの数値を入力して下さい。");
    EXPECT_EQ(ink, 3);
    EXPECT_EQ(afterRgbTyping, std::vector<int>({10, 20, 30, 40}));
    EXPECT_EQ(afterCmykTyping, std::vector<int>({90, 20, 30, 40}));
    EXPECT_EQ(afterPalette, std::vector<int>({255, 200, 200}));
    EXPECT_EQ(afterChooser, std::vector<int>({0, 0, 255}));
    EXPECT_EQ(ChooserScript::calls, 1);
    EXPECT_EQ(colour.inkNumber, 1);
}

// The seven fields take what is typed as it is typed, and only a text that is wholly one number
// within the field's range (0 to 100 %, 0 to 255), exactly that number. Any other text, pasted past
// the digits-only keyboard, is named at once with the field's label and range and leaves the
// colour as it was; OK then names the field again and the dialog stays on it. An emptied field
// leaves the colour too, and OK takes the colour.
TEST(ColorSettingsDialog, AFieldTakesOnlyAWholeNumberInItsRange)
{
    using namespace integer_field_test;
    struct Field {
        int id;
        const char* label;
        int model; // the radio that makes the field take typing
        int high;
        size_t index; // into the inks or the RGB
    };
    const Field fields[] = {
        {IDC_COLOR_CYAN, "C", IDC_COLOR_MODEL_CMYK, 100, 0},  {IDC_COLOR_MAGENTA, "M", IDC_COLOR_MODEL_CMYK, 100, 1},
        {IDC_COLOR_YELLOW, "Y", IDC_COLOR_MODEL_CMYK, 100, 2}, {IDC_COLOR_BLACK, "K", IDC_COLOR_MODEL_CMYK, 100, 3},
        {IDC_COLOR_RED, "R", IDC_COLOR_MODEL_RGB, 255, 0},     {IDC_COLOR_GREEN, "G", IDC_COLOR_MODEL_RGB, 255, 1},
        {IDC_COLOR_BLUE, "B", IDC_COLOR_MODEL_RGB, 255, 2},
    };
    PropertyDrawing d;
    InkColours inkColours(d.app);
    MemoryTable users(theUserColorTable, {});
    MemoryTable dic(theDicColorTable, {});
    MessageBoxScript boxes;
    for (const Field& f : fields) {
        SCOPED_TRACE(f.label);
        InkColor colour;
        const int start[4] = {10, 20, 30, 40};
        colour.setInks(start);
        InkInfo inks;
        const auto valueOf = [&] {
            return (f.model == IDC_COLOR_MODEL_CMYK ? inksOf(colour) : rgbOf(colour))[f.index];
        };
        const std::string named = namedWith(f.label, 0, f.high);
        const INT_PTR result = driveModalDialog([&] { return runColorSettingsDialog(colour, inks, nullptr); }, [&](HWND w) {
            click(w, f.model);
            for (const TypedText& t : textsFor(0, f.high)) {
                SCOPED_TRACE('"' + t.text + '"');
                const std::vector<int> inksBefore = inksOf(colour), rgbBefore = rgbOf(colour);
                type(w, f.id, t.text.c_str());
                EXPECT_EQ(boxes.texts(), t.outcome == Outcome::Named ? named : "") << "as typed";
                boxes.clear();
                if (t.outcome == Outcome::Taken) {
                    EXPECT_EQ(valueOf(), t.number);
                } else {
                    EXPECT_EQ(inksOf(colour), inksBefore);
                    EXPECT_EQ(rgbOf(colour), rgbBefore);
                }
                if (t.outcome == Outcome::Named) {
                    click(w, IDOK);
                    EXPECT_EQ(boxes.texts(), named) << "OK";
                    EXPECT_EQ(GetDlgCtrlID(GetFocus()), f.id) << "OK leaves the dialog on the field";
                    EXPECT_EQ(textOf(w, f.id), t.text);
                    boxes.clear();
                }
            }
            finish(w, IDOK); // the field is empty now
        });
        EXPECT_EQ(result, 1);
        EXPECT_EQ(valueOf(), f.high) << "the last number taken";
    }
}

TEST(ColorSettingsDialog, SpotInksTakeTheChosenDicColourAndOverprintFollowsThePlates)
{
    PropertyDrawing d;
    InkColours inkColours(d.app);
    MemoryTable users(theUserColorTable, {});
    MemoryTable dic(theDicColorTable, {"赤", "青", "緑"});
    ScriptedMouse mouse;
    InkColor colour;
    colour.setPlateOverprint(2, 1);
    InkInfo inks;
    std::string labelBefore, labelAfter, dicName;
    int enabledBefore = -1, enabledAfter = -1, inkAfter = 0, inkBefore = 0;
    std::vector<int> plateBoxes;
    int overprintTicked = -1, overprintCleared = -1;
    const INT_PTR result = driveModalDialog([&] { return runColorSettingsDialog(colour, inks, nullptr); }, [&](HWND w) {
        enabledBefore = isEnabled(w, IDC_SPOT_INK_1 + 2);
        click(w, IDC_SPOT_INK_1 + 2); // no DIC colour chosen: nothing happens
        labelBefore = textOf(w, IDC_SPOT_LABEL_1 + 2);
        inkBefore = inkShown(w);
        pressRow(w, IDC_DIC_COLOR_LIST, dic.table, 1, mouse);
        dicName = textOf(w, IDC_DIC_COLOR_NAME);
        enabledAfter = isEnabled(w, IDC_SPOT_INK_1 + 2);
        click(w, IDC_SPOT_INK_1 + 2);
        labelAfter = textOf(w, IDC_SPOT_LABEL_1 + 2);
        inkAfter = inkShown(w);
        // The plates: boxes from the marks; after OK the overprint switch shows whether any is set.
        driveNextDialog([&](HWND plates) {
            for (int i = 0; i < InkColor::kPlates; ++i)
                plateBoxes.push_back(isTicked(plates, IDC_OVERPRINT_PLATE_1 + i));
            tick(plates, IDC_OVERPRINT_PLATE_1 + 2, false);
            tick(plates, IDC_OVERPRINT_PLATE_1 + 8, true);
            finish(plates, IDOK);
        });
        click(w, IDC_COLOR_OVERPRINT_DLG);
        overprintTicked = isTicked(w, IDC_COLOR_OVERPRINT);
        driveNextDialog([&](HWND plates) {
            tick(plates, IDC_OVERPRINT_PLATE_1 + 8, false);
            finish(plates, IDOK);
        });
        click(w, IDC_COLOR_OVERPRINT_DLG);
        overprintCleared = isTicked(w, IDC_COLOR_OVERPRINT);
        tick(w, IDC_COLOR_OVERPRINT, true);
        finish(w, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(enabledBefore, 0);
    EXPECT_EQ(labelBefore, "");
    EXPECT_EQ(inkBefore, 1);
    EXPECT_EQ(inks.slots[2], 1);
    EXPECT_EQ(dicName, "青");
    EXPECT_EQ(enabledAfter, 1);
    EXPECT_EQ(labelAfter, " 3 : 青");
    EXPECT_EQ(inkAfter, 4);
    EXPECT_EQ(colour.inkNumber, 4);
    EXPECT_EQ(std::vector<int>(colour.inks, colour.inks + 4),
              std::vector<int>(dic.table.getAt(1)->inks, dic.table.getAt(1)->inks + 4));
    EXPECT_EQ(plateBoxes, std::vector<int>({0, 0, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(overprintTicked, 1);
    EXPECT_EQ(overprintCleared, 0);
    EXPECT_EQ(colour.overprint, 1);
    EXPECT_EQ(colour.hasNoPlateOverprint(), 1);
}

TEST(ColorSettingsDialog, APropertySwatchOpensItAndOnlyOkKeepsTheColourAndTheSpotInks)
{
    PropertyDrawing d;
    InkColours inkColours(d.app);
    MemoryTable users(theUserColorTable, {"既存"});
    MemoryTable dic(theDicColorTable, {"赤", "青"});
    ScriptedMouse mouse;
    InkInfo application;
    d.context.inkInfo = new InkInfo;
    application.current = d.context.inkInfo;
    ScopedOverride<InkInfo*> applicationInks(theInkInfo, &application);
    const int id = d.addLine(10, 10, 60, 60);
    const std::vector<int> before = rgbOf(*d.stored(id).colour());

    // Each run: a user colour added, spot ink 1 given "青", the palette's last cell; then `button`.
    auto run = [&](int button) {
        std::string caption;
        (void)d.runSheet(id, 0, 0, [&](HWND sheet) {
            chooseTab(sheet, 1);
            driveNextDialog([&](HWND w) {
                caption = captionOf(w);
                type(w, IDC_USER_COLOR_NAME, "追加");
                click(w, IDC_USER_COLOR_AFTER);
                pressRow(w, IDC_DIC_COLOR_LIST, dic.table, 1, mouse);
                click(w, IDC_SPOT_INK_1);
                pressOn(w, IDC_COLOR_PALETTE, 19.5 / 20, 12.5 / 13, mouse);
                finish(w, button);
            });
            click(sheet, IDC_LINE_COLOUR);
            finish(sheet, IDOK);
        });
        return caption;
    };
    EXPECT_EQ(run(IDCANCEL), "カラー設定");
    EXPECT_EQ(rgbOf(*d.stored(id).colour()), before);
    EXPECT_EQ(d.context.inkInfo->slots[0], -1);
    EXPECT_EQ(application.slots[0], -1);
    ASSERT_EQ(users.table.count(), 2) << "the user table keeps its edits";
    EXPECT_STREQ(users.table.getAt(1)->name, "追加");
    EXPECT_EQ(users.table.modified, 1);

    EXPECT_EQ(run(IDOK), "カラー設定");
    EXPECT_EQ(rgbOf(*d.stored(id).colour()), std::vector<int>({255, 255, 255}));
    EXPECT_EQ(d.stored(id).colour()->inkNumber, 1) << "the palette made it a process colour again";
    EXPECT_EQ(d.context.inkInfo->slots[0], 1);
    EXPECT_EQ(application.slots[0], 1);
    EXPECT_EQ(users.table.count(), 3);

    // Without ink colours the swatch opens the system chooser instead.
    ScopedOverride<int> rgbOnly(d.app->colorModel, 0);
    ChooserScript chooser;
    ChooserScript::colour = RGB(1, 2, 3);
    (void)d.runSheet(id, 0, 0, [&](HWND sheet) {
        chooseTab(sheet, 1);
        click(sheet, IDC_LINE_COLOUR);
        finish(sheet, IDOK);
    });
    EXPECT_EQ(ChooserScript::calls, 1);
    EXPECT_EQ(rgbOf(*d.stored(id).colour()), std::vector<int>({1, 2, 3}));
}

TEST(ColorSettingsDialog, ANameTheColourFileCannotHoldIsRefusedAndEveryNameKeptReadsBack)
{
    PropertyDrawing d;
    InkColours inkColours(d.app);
    MemoryTable users(theUserColorTable, {"既存"});
    MemoryTable dic(theDicColorTable, {"赤", "青"});
    ScratchFolder scratch;
    users.table.setPath(scratch.pathOf("USRCOLOR.TXT").c_str());
    dic.table.setPath(scratch.pathOf("DICCOLOR.TXT").c_str());
    MessageBoxScript boxes;
    ScriptedMouse mouse;
    // The file keeps a name between double quotes: a quote in it would end the name there, and
    // the rest of the line would be read as ink values.
    struct Case {
        const char* name;
        int button;
        int refused;
    };
    const Case cases[] = {
        {"5\" 画面", IDC_USER_COLOR_AFTER, 1},    // read back as "5"
        {"a\",1,2,3", IDC_USER_COLOR_AFTER, 1},   // the whole entry lost on reading
        {"\"", IDC_USER_COLOR_BEFORE, 1},
        {"x\"y", IDC_USER_COLOR_CHANGE, 1},
        {"紺\"", IDC_DIC_COLOR_RENAME, 1},
        {"5インチ, 'a'", IDC_USER_COLOR_AFTER, 0},
        {"群青", IDC_DIC_COLOR_RENAME, 0},
    };
    InkColor colour;
    InkInfo inks;
    std::vector<size_t> boxesAfter;
    (void)driveModalDialog([&] { return runColorSettingsDialog(colour, inks, nullptr); }, [&](HWND w) {
        pressRow(w, IDC_USER_COLOR_LIST, users.table, 0, mouse);
        pressRow(w, IDC_DIC_COLOR_LIST, dic.table, 1, mouse);
        for (const Case& c : cases) {
            type(w, c.button == IDC_DIC_COLOR_RENAME ? IDC_DIC_COLOR_NAME : IDC_USER_COLOR_NAME, c.name);
            click(w, c.button);
            boxesAfter.push_back(boxes.shown().size());
        }
        finish(w, IDOK);
    });
    size_t expected = 0;
    for (size_t i = 0; i < std::size(cases); ++i) {
        expected += static_cast<size_t>(cases[i].refused);
        EXPECT_EQ(boxesAfter.at(i), expected) << cases[i].name;
    }
    for (const MessageBoxScript::Box& box : boxes.shown())
        EXPECT_EQ(box.text, "色の名前に「\"」は使えません。");
    EXPECT_EQ(namesIn(users.table), std::vector<std::string>({"既存", "5インチ, 'a'"}));
    EXPECT_EQ(namesIn(dic.table), std::vector<std::string>({"赤", "群青"}));

    // Saved and read again, every colour comes back with its name.
    for (NamedColorTable* table : {&users.table, &dic.table}) {
        ASSERT_EQ(table->saveIfModified(), 1);
        NamedColorTable read("READ.TXT");
        read.setPath(table->path().c_str());
        ASSERT_EQ(read.load(), 1);
        EXPECT_EQ(namesIn(read), namesIn(*table)) << table->path();
    }
}
