// The font change table: rows for faces that are not installed, its settings section, its dialog
// "フォントチェンジ", and the dialog after drawings naming such faces are opened.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "dialogs/FontPairList.h"
#include "dialogs/InstalledFontList.h"
#include "document/Document.h"
#include "document/Element.h"
#include "document/TextBuffer.h"
#include "elements/TextElement.h"
#include "geometry/FontAttributes.h"
#include "geometry/FontChangeTable.h"
#include "resources/ids_colour.h"
#include "tests/dialogs/PropertyFixture.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"

using namespace property_test;

namespace {

// The rows as "read>display" texts.
std::vector<std::string> rowsOf(FontChangeTable& table)
{
    std::vector<std::string> rows;
    for (int i = 0; i < table.pairs().count(); ++i)
        rows.push_back(std::string(table.pairs().readNameAt(i)) + ">" + table.pairs().displayNameAt(i));
    return rows;
}

FakeSettingsFile fontSettings()
{
    FakeSettingsFile file;
    file.registerSection(10120, "FONTCHGTABLE");
    file.registerSection(15310, "SETBEZIER");
    file.registerKey(10121, "FONTINTODSP");
    return file;
}

// A press on row `row` of one of the dialog's text lists.
void pressRow(HWND dialog, int id, int row, ScriptedMouse& mouse)
{
    LOGFONTA font;
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    const int h = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    HWND item = GetDlgItem(dialog, id);
    POINT p = {20, 1 + row * (h + 1) + h / 2};
    ClientToScreen(item, &p);
    mouse.rest(p.x, p.y);
    POINT inDialog = p;
    ScreenToClient(dialog, &inDialog);
    SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inDialog.x, inDialog.y));
}

// A drawing with one text per face, saved to `path`.
void saveTexts(const std::string& path, const std::vector<std::string>& faces)
{
    PropertyDrawing drawing;
    for (const std::string& face : faces) {
        ASSERT_GE(drawing.add(ElementKind::Text, [&](Element& e) {
            auto& text = static_cast<TextElement&>(e);
            text.setAnchor(10, 10);
            text.font()->setFaceName(face.c_str());
            ASSERT_EQ(text.textBuffer()->insert("abc", 3), 1);
        }), 1);
    }
    ASSERT_EQ(drawing.context.document->setPathAndTitle(path.c_str()), 1);
    XmlContextScope writing(drawing.context.document);
    ASSERT_EQ(drawing.context.document->write(), 1);
}

} // namespace

TEST(FontChangeTable, AFaceThatIsNotInstalledGetsOneRowWithTheDefaultFace)
{
    TestApplication app;
    FontChangeTable table;
    ASSERT_GT(table.faces().count(), 0);
    const std::string installed = table.faces().get(0);
    const std::string defaultFace = table.faces().defaultFace;
    const std::string longName(300, 'L');
    struct Case {
        std::string face;
        int row, added;
    };
    const Case cases[] = {
        {installed, -1, 0}, {defaultFace, -1, 0}, {"", -1, 0},       {"NoSuchFaceA", 0, 1},
        {"NoSuchFaceA", 0, 0}, {"nosuchfacea", 1, 1}, {longName, 2, 1}, {longName + "x", 2, 0}, // cut to 255 bytes
    };
    for (const Case& c : cases) {
        int added = -1;
        EXPECT_EQ(table.lookUp(c.face.c_str(), added), c.row) << c.face.substr(0, 20);
        EXPECT_EQ(added, c.added) << c.face.substr(0, 20);
    }
    EXPECT_EQ(table.addedCount, 3);
    EXPECT_EQ(rowsOf(table), std::vector<std::string>({"NoSuchFaceA>" + defaultFace, "nosuchfacea>" + defaultFace,
                                                       std::string(255, 'L') + ">" + defaultFace}));
    char face[32] = "unchanged";
    EXPECT_EQ(table.displayName(-1, face, sizeof face), 0);
    EXPECT_EQ(table.displayName(3, face, sizeof face), 0);
    EXPECT_STREQ(face, "unchanged");
    ASSERT_EQ(table.displayName(1, face, sizeof face), 1);
    EXPECT_EQ(face, defaultFace.substr(0, sizeof face - 1));
    int substituted = -1;
    EXPECT_EQ(table.indexFor("NoSuchFaceA", substituted), 0);
    EXPECT_EQ(substituted, 1);
}

TEST(FontChangeTable, SettingsRowsMapAFaceThatIsNotInstalledToOneThatIs)
{
    TestApplication app;
    FontChangeTable table;
    ASSERT_GT(table.faces().count(), 1);
    const std::string a = table.faces().get(0), b = table.faces().get(1);
    int added = 0;
    ASSERT_EQ(table.lookUp("Known", added), 0);
    FakeSettingsFile file = fontSettings();
    file.text = "FONTINTODSP=\"Missing\",\"" + a + "\"\r\n"        // taken
                "FONTINTODSP=\"" + b + "\",\"" + a + "\"\r\n"      // the read name is installed
                "FONTINTODSP=\"Lost\",\"AlsoMissing\"\r\n"         // the display face is not
                "FONTINTODSP=\"NoComma\"\r\n"                     // passed over; the rest is read
                "FONTINTODSP=\"Known\",\"" + b + "\"\r\n"          // a known row keeps its face
                "FONTINTODSP=\"" + std::string(300, 'W') + "\",\"" + b + "\"\r\n"
                "[SETBEZIER]\r\nFONTINTODSP=\"After\",\"" + a + "\"\r\n";
    EXPECT_EQ(table.loadSettings(file), 1);
    EXPECT_EQ(file.currentId(), 15310);
    const std::string defaultFace = table.faces().defaultFace;
    EXPECT_EQ(rowsOf(table), std::vector<std::string>({"Known>" + defaultFace, "Missing>" + a,
                                                       std::string(255, 'W') + ">" + b}));
    EXPECT_EQ(table.addedCount, 1) << "rows from the settings are not counted";

    FakeSettingsFile written = fontSettings();
    ASSERT_EQ(table.saveSettings(written), 1);
    EXPECT_EQ(written.text, "[FONTCHGTABLE]\r\nFONTINTODSP=\"Known\",\"" + defaultFace + "\"\r\nFONTINTODSP=\"Missing\",\"" +
                                a + "\"\r\nFONTINTODSP=\"" + std::string(255, 'W') + "\",\"" + b + "\"\r\n");
    FakeSettingsFile failed = fontSettings();
    failed.fail();
    EXPECT_EQ(table.saveSettings(failed), 0);
    EXPECT_EQ(failed.text, "");
}

TEST(FontChangeDialog, RowsAreDeletedOnlyWithoutADrawingAndAFaceGoesToTheChosenRow)
{
    TestApplication app;
    ScriptedMouse mouse;
    FontChangeTable table;
    ASSERT_GT(table.faces().count(), 3);
    int added = 0;
    ASSERT_EQ(table.lookUp("FaceOne", added), 0);
    ASSERT_EQ(table.lookUp("FaceTwo", added), 1);
    const std::string defaultFace = table.faces().defaultFace;
    const std::string face2 = table.faces().get(2), face3 = table.faces().get(3);

    // With a drawing open: no deleting; a face chosen without a row is only the current face;
    // a row chosen in either list takes the next face chosen.
    std::vector<int> states;
    std::string caption;
    int result = static_cast<int>(driveModalDialog([&] { return table.edit(0); }, [&](HWND w) {
        caption = captionOf(w);
        states = {isEnabled(w, IDC_FONT_CLEAR_ALL), isEnabled(w, IDC_FONT_DELETE)};
        chooseItem(w, IDC_FONT_FACES, 2);
        pressRow(w, IDC_FONT_DISPLAY_NAMES, 1, mouse);
        states.push_back(isEnabled(w, IDC_FONT_DELETE));
        chooseItem(w, IDC_FONT_FACES, 3);
        finish(w, IDOK);
    }));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(caption, "フォントチェンジ");
    EXPECT_EQ(states, std::vector<int>({0, 0, 0}));
    EXPECT_EQ(rowsOf(table), std::vector<std::string>({"FaceOne>" + defaultFace, "FaceTwo>" + face3}));
    EXPECT_EQ(table.faces().current, 3);

    // Without a drawing: "削除" once a row is chosen; Cancel keeps the table.
    result = static_cast<int>(driveModalDialog([&] { return table.edit(1); }, [&](HWND w) {
        states = {isEnabled(w, IDC_FONT_CLEAR_ALL), isEnabled(w, IDC_FONT_DELETE)};
        pressRow(w, IDC_FONT_READ_NAMES, 0, mouse);
        states.push_back(isEnabled(w, IDC_FONT_DELETE));
        click(w, IDC_FONT_DELETE);
        states.push_back(isEnabled(w, IDC_FONT_DELETE));
        finish(w, IDCANCEL);
    }));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(states, std::vector<int>({1, 0, 1, 0}));
    EXPECT_EQ(rowsOf(table).size(), 2u);

    result = static_cast<int>(driveModalDialog([&] { return table.edit(1); }, [&](HWND w) {
        pressRow(w, IDC_FONT_READ_NAMES, 0, mouse);
        click(w, IDC_FONT_DELETE);
        pressRow(w, IDC_FONT_READ_NAMES, 0, mouse);
        chooseItem(w, IDC_FONT_FACES, 2);
        finish(w, IDOK);
    }));
    EXPECT_EQ(rowsOf(table), std::vector<std::string>({"FaceTwo>" + face2}));
    (void)driveModalDialog([&] { return table.edit(1); }, [&](HWND w) {
        click(w, IDC_FONT_CLEAR_ALL);
        states = {isEnabled(w, IDC_FONT_CLEAR_ALL)};
        finish(w, IDOK);
    });
    EXPECT_EQ(rowsOf(table).size(), 0u);
    EXPECT_EQ(states, std::vector<int>({0}));
}

TEST(FontChangeTable, OpeningDrawingsShowsItOnceFacesWereMissingAndKeepsEarlierRows)
{
    ScratchFolder scratch;
    std::string installed;
    {
        TestApplication app;
        installed = InstalledFontList().get(0);
    }
    saveTexts(scratch.pathOf("installed.ycx"), {installed});
    saveTexts(scratch.pathOf("two.ycx"), {"MissingOne", installed, "MissingTwo", "MissingOne"});
    saveTexts(scratch.pathOf("other.ycx"), {"MissingThree"});

    FontChangeTable table;
    ScopedOverride<FontChangeTable*> installedTable(theFontChangeTable, &table);
    // Opens the file in a new drawing; the rows the dialog showed, or "none" when it did not show.
    auto open = [&](PropertyDrawing& drawing, const char* name) {
        std::vector<std::string> shown = {"none"};
        EXPECT_EQ(drawing.context.document->assign(scratch.pathOf(name).c_str()), 1);
        (void)driveModalDialog([&]() -> INT_PTR { return drawing.context.document->onOpen(); }, [&](HWND w) {
            shown = rowsOf(table);
            shown.push_back(isEnabled(w, IDC_FONT_CLEAR_ALL) ? "clear" : "no clear");
            finish(w, IDCANCEL);
        });
        return shown;
    };
    auto faceOf = [](PropertyDrawing& drawing, int id) {
        char face[64] = {};
        drawing.stored(id).font()->faceToUse(face, sizeof face);
        return std::string(face);
    };
    PropertyDrawing plain;
    EXPECT_EQ(open(plain, "installed.ycx"), std::vector<std::string>({"none"}));
    const std::string d = table.faces().defaultFace;
    PropertyDrawing first;
    EXPECT_EQ(open(first, "two.ycx"), std::vector<std::string>({"MissingOne>" + d, "MissingTwo>" + d, "no clear"}));
    EXPECT_EQ(faceOf(first, 1), d) << "the text shows in its row's face";
    EXPECT_EQ(faceOf(first, 2), installed);
    ASSERT_EQ(table.pairs().setDisplayName(0, installed.c_str()), 1);

    PropertyDrawing second;
    EXPECT_EQ(open(second, "other.ycx"),
              std::vector<std::string>({"MissingOne>" + installed, "MissingTwo>" + d, "MissingThree>" + d, "no clear"}));
    EXPECT_EQ(faceOf(first, 1), installed) << "the first drawing keeps its rows";
    EXPECT_EQ(faceOf(first, 4), installed);
    EXPECT_EQ(faceOf(first, 3), d);
    // Once rows were added, every opening shows the table.
    PropertyDrawing third;
    EXPECT_EQ(open(third, "installed.ycx").back(), "no clear");
}
