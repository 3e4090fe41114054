// The parts library: part files registered from a selection, kept in the settings, shown as
// pictures in the pane and placed into drawings with undo.
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>
#include <commctrl.h>

#include "document/ElementIdSet.h"
#include "document/FileProgress.h"
#include "document/OpenDrawings.h"
#include "document/PartFile.h"
#include "document/PartsLibrary.h"
#include "document/UndoManager.h"
#include "geometry/DoubleRect.h"
#include "platform/TabControl.h"
#include "resources/ids.h"
#include "tests/document/DrawingFixture.h"
#include "tests/document/PartsFixture.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeSettingsFile.h"
#include "tests/support/FileDialogScript.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"
#include "tests/support/UnixScript.h"

using namespace parts_fixture;

namespace {

int linesOf(const std::string& text, std::vector<std::string>& lines)
{
    lines.clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return static_cast<int>(lines.size());
}

bool holds(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

// The program's drawings as the frame answers for them: each holds the file it names.
class ListedDrawings : public OpenDrawings {
public:
    int holdsFileElsewhere(const DocumentContext* saving, const char* path) override
    {
        for (const auto& [drawing, file] : files)
            if (drawing != saving && lstrcmpiA(file.c_str(), path) == 0)
                return 1;
        return 0;
    }
    std::vector<std::pair<const DocumentContext*, std::string>> files;
};

// A drawing with three elements; a library with parts written from its selection.
class PartsTest : public ::testing::Test {
protected:
    PartsTest()
    {
        a = drawing.add({{10, 20, 0}, {30, 40, 0}});
        b = drawing.add({{50, 60, 0}}, 6);
        c = drawing.add({{-5, 100, 0}, {5, 110, 0}});
    }

    // The selection of the drawing, written as a part file without the dialogs.
    std::string writePart(const std::vector<int>& ids, const std::string& name, int choice = PartsLibrary::kCentre)
    {
        drawing.selectTool->choose(ids);
        DoubleRect extent;
        if (!ids.empty()) {
            EXPECT_EQ(PartsLibrary::selectionExtent(&drawing.context, extent), 1);
            library.setOriginChoice(choice, extent, &drawing.context);
        }
        PartFile file(library);
        const std::string path = scratch.pathOf(name);
        EXPECT_EQ(file.writeTo(drawing.context, path.c_str()), 1);
        return path;
    }

    TestApplication app;
    PartsSetup setup;
    ScratchFolder scratch;
    PartsDrawing drawing;
    PartsLibrary library{1};
    int a = 0, b = 0, c = 0;
};

TEST_F(PartsTest, RegistrationWritesTheSelectionUnderAReducedHeader)
{
    MessageBoxScript boxes;
    FileDialogScript dialogs;
    const std::string path = scratch.pathOf("part.ycx");
    dialogs.answers = {path};
    drawing.selectTool->choose({a, c});
    int startedAtCentre = 0;
    const INT_PTR registered = driveModalDialog([&] { return library.registerSelection(&drawing.context); },
                                                [&](HWND window) {
                                                    startedAtCentre = IsDlgButtonChecked(window, IDC_PART_ORIGIN_FIRST + 4);
                                                    PostMessageA(window, WM_COMMAND, IDC_PART_ORIGIN_FIRST + 0, 0);
                                                    PostMessageA(window, WM_COMMAND, IDOK, 0);
                                                });
    ASSERT_EQ(registered, 1);
    EXPECT_EQ(startedAtCentre, BST_CHECKED) << "the choice starts at 中心";
    EXPECT_EQ(library.originChoice, 0);
    EXPECT_EQ(library.origin.x, -5.0) << "左上 of the selection's extent";
    EXPECT_EQ(library.origin.y, 20.0);
    EXPECT_TRUE(boxes.shown().empty());
    ASSERT_EQ(library.partCount(), 1) << "the new file joins the list";

    const std::string bytes = ScratchFolder::read(path);
    std::vector<std::string> lines;
    linesOf(bytes, lines);
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[0], "<?xml version=\"1.0\" encording=\"Shift_JIS\"?>");
    const std::string header = bytes.substr(0, bytes.find("</header>"));
    for (const char* section : {"<paperSize>", "<drawScale>", "<zahyoType>", "<dspedpage>", "<setParts>", "<partsOrigin>"})
        EXPECT_TRUE(holds(header, section)) << section;
    for (const char* section : {"<grid>", "<print>", "<setGeometry>", "<setText>", "<setBezier>", "<setMeasure>",
                                "<inkInfo>"})
        EXPECT_FALSE(holds(bytes, section)) << section;
    const std::string origin = header.substr(header.find("<partsOrigin>"));
    EXPECT_TRUE(holds(origin, "<x>-5</x>") && holds(origin, "<y>20</y>")) << header;
    // One page of the two selected elements.
    EXPECT_EQ(bytes.find("<pagedata>"), bytes.rfind("<pagedata>"));
    EXPECT_TRUE(holds(bytes, "<page>1</page>"));
    EXPECT_TRUE(holds(bytes, "\r\n10,20,30,40\r\n")) << bytes;
    EXPECT_TRUE(holds(bytes, "\r\n-5,100,5,110\r\n"));
    EXPECT_FALSE(holds(bytes, "\r\n50,60\r\n"));

    // From its third line on the file is XML.
    const std::string check = "tail -n +3 '" + unixPathOf(path) + "' | iconv -f SHIFT_JIS -t UTF-8 | xmllint --noout -\n";
    EXPECT_EQ(runUnixScript(check, scratch.pathOf("xmllint")), 0) << bytes;
}

TEST_F(PartsTest, AnExistingPartFileIsReplacedOnlyWhenAskedAndWrittenWhole)
{
    MessageBoxScript boxes;
    FileDialogScript dialogs;
    const std::string path = scratch.file("old.ycx", "old part bytes");
    drawing.selectTool->choose({a});
    auto registerOnce = [&] {
        return driveModalDialog([&] { return library.registerSelection(&drawing.context); },
                                [](HWND window) { PostMessageA(window, WM_COMMAND, IDOK, 0); });
    };

    // No: the file stays as it was.
    dialogs.answers = {path};
    boxes.answer(IDCANCEL);
    EXPECT_EQ(registerOnce(), 0);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "ファイルが存在します");
    EXPECT_EQ(boxes.shown()[0].caption, "重ね書きしますか？");
    EXPECT_EQ(ScratchFolder::read(path), "old part bytes");
    EXPECT_EQ(library.partCount(), 0);

    // Cancelled in the dialog, or by the user during the write: the file stays, no temporary file
    // is left.
    dialogs.answers = {""};
    EXPECT_EQ(registerOnce(), 0);
    {
        ScopedOverride progress(makeFileProgress, []() -> FileProgress* { return new CancelledProgress; });
        dialogs.answers = {path};
        EXPECT_EQ(registerOnce(), 0);
    }
    EXPECT_EQ(ScratchFolder::read(path), "old part bytes");
    EXPECT_EQ(drawing_fixture::filesIn(scratch), 1);

    // A target the user made read-only is not replaced: the write fails with its message.
    boxes.clear();
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    dialogs.answers = {path};
    EXPECT_EQ(registerOnce(), 0);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].text, "Write Error");
    EXPECT_EQ(ScratchFolder::read(path), "old part bytes");
    EXPECT_EQ(drawing_fixture::filesIn(scratch), 1);

    // Cancel in the registration dialog asks nothing.
    boxes.clear();
    EXPECT_EQ(driveModalDialog([&] { return library.registerSelection(&drawing.context); },
                               [](HWND window) { PostMessageA(window, WM_COMMAND, IDCANCEL, 0); }),
              0);
    EXPECT_TRUE(boxes.shown().empty());

    // Yes, and a whole write: replaced.
    dialogs.answers = {path};
    boxes.answer(IDOK);
    EXPECT_EQ(registerOnce(), 1);
    EXPECT_TRUE(holds(ScratchFolder::read(path), "\r\n10,20,30,40\r\n"));
    EXPECT_EQ(library.partCount(), 1);
}

// A part never replaces the file of an open drawing, another's or the one it comes from: each
// would still claim its file and save over the part later. The user is told before any overwrite
// question, and the file keeps its bytes; a file no drawing holds is asked about as before.
TEST_F(PartsTest, NoPartIsWrittenOverTheFileOfAnOpenDrawing)
{
    MessageBoxScript boxes;
    FileDialogScript dialogs;
    const std::string mine = scratch.file("mine.ycx", "this drawing's file");
    const std::string theirs = scratch.file("theirs.ycx", "another drawing's file");
    const std::string old = scratch.file("old.ycx", "old part bytes");
    PartsDrawing other;
    ListedDrawings open;
    open.files = {{&other.context, theirs}, {&drawing.context, mine}};
    drawing.context.openDrawings = &open;
    drawing.selectTool->choose({a});
    const char* const refused = "ファイルが別のウィンドウで開かれています";

    struct Row {
        std::string chosen;
        const char* told;
        int registered;
    };
    for (const Row& r : {Row{theirs, refused, 0}, Row{mine, refused, 0}, Row{old, "ファイルが存在します", 1}}) {
        boxes.clear();
        dialogs.answers = {r.chosen};
        EXPECT_EQ(driveModalDialog([&] { return library.registerSelection(&drawing.context); },
                                   [](HWND window) { PostMessageA(window, WM_COMMAND, IDOK, 0); }),
                  r.registered)
            << r.chosen;
        EXPECT_EQ(boxes.texts(), r.told) << r.chosen;
        if (!r.registered && !boxes.shown().empty()) {
            EXPECT_EQ(boxes.shown()[0].caption, "重ね書きできません");
        }
    }
    drawing.context.openDrawings = nullptr;
    EXPECT_EQ(ScratchFolder::read(mine), "this drawing's file");
    EXPECT_EQ(ScratchFolder::read(theirs), "another drawing's file");
    EXPECT_TRUE(holds(ScratchFolder::read(old), "\r\n10,20,30,40\r\n"));
    EXPECT_EQ(library.partCount(), 1) << "only the part written joins the list";
}

TEST_F(PartsTest, PlacementMovesSelectsAndGroupsThePartUnderOneUndoRecord)
{
    const std::string path = writePart({a, b}, "two.ycx", PartsLibrary::kTopLeft); // origin (10, 20)
    ASSERT_EQ(library.addPart(path.c_str()), 1);
    ASSERT_EQ(library.selectPart(0), 1);
    drawing.selectTool->choose({c});
    (void)drawing.context.pages->setCurrentPage(2); // page 2 is made on first use
    ASSERT_EQ(drawing.context.currentPage(), 2);
    const int groupBefore = drawing.context.idSet->lastGroup;

    ASSERT_EQ(library.placeAt(&drawing.context, 100, 200), 1);
    std::vector<int> first = drawing.pageOrder(2);
    ASSERT_EQ(first.size(), 2u) << "on the current page";
    EXPECT_EQ(drawing.selectTool->chosen(), first) << "the placed elements are selected";
    EXPECT_EQ(drawing.pointsOf(first[0])[0].x, 100.0) << "moved by the origin's offset to the target";
    EXPECT_EQ(drawing.pointsOf(first[0])[1].y, 220.0);
    EXPECT_EQ(drawing.pointsOf(first[1])[0].x, 140.0);
    const int placementGroup = drawing.entry(first[0]).group;
    EXPECT_GT(placementGroup, groupBefore);
    const int partGroup = drawing.entry(first[1]).group;
    EXPECT_NE(partGroup, 6) << "a group inside the part becomes a new group";
    EXPECT_NE(partGroup, placementGroup);
    EXPECT_EQ(library.placementOffset.x, 90.0);

    // A second placement: new numbers again.
    ASSERT_EQ(library.placeAt(&drawing.context, 0, 0), 1);
    std::vector<int> second = drawing.pageOrder(2);
    ASSERT_EQ(second.size(), 4u);
    EXPECT_NE(drawing.entry(second[2]).group, placementGroup);
    EXPECT_NE(drawing.entry(second[3]).group, partGroup);
    EXPECT_NE(drawing.entry(second[2]).group, drawing.entry(second[3]).group);

    // Undo of "部品配置" takes a placement back and gives back the selection before it.
    char text[UndoManager::kTextSize];
    (void)drawing.context.undoManager->undoText(text);
    EXPECT_STREQ(text, "部品配置の取り消し");
    ASSERT_EQ(drawing.context.undo(), 1);
    EXPECT_EQ(drawing.pageOrder(2), first);
    EXPECT_EQ(drawing.selectTool->chosen(), first);
    ASSERT_EQ(drawing.context.undo(), 1);
    EXPECT_TRUE(drawing.pageOrder(2).empty());
    EXPECT_EQ(drawing.selectTool->chosen(), std::vector<int>{c});
    ASSERT_EQ(drawing.context.redo(), 1);
    EXPECT_EQ(drawing.pageOrder(2).size(), 2u);

    // Nothing to place (an empty part, a part file that is gone): the selection and the history
    // stay.
    drawing.selectTool->choose({c});
    const int records = drawing.context.undoManager->recordCount();
    PartsLibrary other(2);
    ASSERT_EQ(other.addPart(writePart({}, "empty.ycx").c_str()), 1);
    ASSERT_EQ(other.addPart(scratch.pathOf("gone.ycx").c_str()), 1);
    drawing.selectTool->choose({c});
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(other.selectPart(i), 1);
        EXPECT_EQ(other.placeAt(&drawing.context, 1, 1), 0) << i;
        EXPECT_EQ(drawing.selectTool->chosen(), std::vector<int>{c}) << i;
        EXPECT_EQ(drawing.context.undoManager->recordCount(), records) << i;
    }
    EXPECT_EQ(other.isLoaded(), 0);
}

TEST_F(PartsTest, SettingsKeepOneLinePerPart)
{
    FakeSettingsFile file;
    file.registerSection(15801, "PARTS01");
    file.registerSection(15802, "PARTS02");
    file.registerKey(PartsLibrary::kPartsNameKey, "PARTSNAME");
    ASSERT_EQ(library.addPart("c:\\parts\\ドア.ycx") && library.addPart("c:\\parts\\b.ycx") &&
                  library.addPart("C:\\PARTS\\B.YCX"),
              1);
    EXPECT_EQ(library.partCount(), 2) << "a path is listed once, whatever its case";
    ASSERT_EQ(library.writeSettings(file), 1);
    EXPECT_EQ(file.text, "[PARTS01]\r\nPARTSNAME=\"c:\\parts\\ドア.ycx\",0,0\r\nPARTSNAME=\"c:\\parts\\b.ycx\",0,0\r\n");

    // Read back: every PARTSNAME of the section, paths too long left out, other keys passed over,
    // up to the next section.
    file.text += "PARTSNAME=\"" + std::string(300, 'p') + "\",0,0\r\nOTHER=1,2\r\nPARTSNAME=\"d.ycx\"\r\n"
                 "PARTSNAME=\"\",5,5\r\n[PARTS02]\r\nPARTSNAME=\"e.ycx\",0,0\r\n";
    file.rewind();
    ASSERT_TRUE(file.readKey());
    ASSERT_EQ(file.currentId(), 15801);
    FakePartsPane pane;
    PartsLibrary read(1);
    read.setPane(&pane);
    EXPECT_NE(read.readSettings(file), 0) << "a section follows";
    EXPECT_EQ(file.currentId(), 15802);
    ASSERT_EQ(read.partCount(), 3);
    char path[260];
    ASSERT_EQ(read.partPath(0, path, sizeof path), 1);
    EXPECT_STREQ(path, "c:\\parts\\ドア.ycx");
    ASSERT_EQ(read.partName(0, path, sizeof path), 1);
    EXPECT_STREQ(path, "ドア.ycx");
    ASSERT_EQ(read.partPath(2, path, sizeof path), 1);
    EXPECT_STREQ(path, "d.ycx");
    EXPECT_EQ(pane.count, 3) << "the pane's item count follows";
    EXPECT_EQ(read.thumbnails.count(), 3);
    EXPECT_EQ(read.sectionId(), 15801);
    PartsLibrary second(2);
    EXPECT_EQ(second.readSettings(file), 0) << "the end of the file";
    EXPECT_EQ(second.partCount(), 1);

    file.fail();
    EXPECT_EQ(read.writeSettings(file), 0);
}

TEST_F(PartsTest, ThePaneShowsPicturesOrNamesAndReadsEachPartOnce)
{
    MessageBoxScript boxes;
    const std::string good = writePart({a, c}, "good.ycx");
    const std::string broken = scratch.file("broken.ycx", "<tesvanCADml><pagedata><entities>");
    FakePartsPane pane;
    library.setPane(&pane);
    ASSERT_EQ(library.addPart(good.c_str()) && library.addPart(scratch.pathOf("missing.ycx").c_str()) &&
                  library.addPart(broken.c_str()) && library.addPart(good.c_str()),
              1);
    ASSERT_EQ(library.addPart(writePart({b}, "single.ycx").c_str()), 1);
    EXPECT_EQ(pane.count, 4);
    EXPECT_EQ(PartThumbnails::kSize, 54);

    PartsView::pagesDrawn = 0;
    const int contextsBefore = PartsSetup::contextsMade;
    library.paintPane();
    EXPECT_EQ(PartsSetup::contextsMade - contextsBefore, 4) << "each part is read once";
    EXPECT_EQ(PartsView::pagesDrawn, 2);
    const int states[4] = {PartThumbnails::kDrawn, PartThumbnails::kFailed, PartThumbnails::kFailed, PartThumbnails::kDrawn};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(library.thumbnails.state(i), states[i]) << i;
    EXPECT_EQ(pane.frames, 1);
    // A picture in the first cell (the two elements' points), names in the cells of parts that
    // cannot be read.
    IntRect cell;
    ASSERT_EQ(pane.cellRect(0, cell), 1);
    EXPECT_GT(pane.pixels.inkCount(cell.left, cell.top, cell.right, cell.bottom, RGB(255, 255, 255)), 0);
    // The points scaled into the picture: (10, 20) near its top, (-5, 100) at its left.
    EXPECT_EQ(pane.pixels.pixel(17, 9), RGB(0, 0, 0));
    EXPECT_EQ(pane.pixels.pixel(9, 54), RGB(0, 0, 0));
    ASSERT_EQ(pane.cellRect(1, cell), 1);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_GT(pane.pixels.inkCount(cell.left, cell.top, cell.right, cell.bottom, face), 0) << "the file name";

    // The next repaint reads nothing, the failed parts included.
    library.paintPane();
    EXPECT_EQ(PartsSetup::contextsMade - contextsBefore, 4);
    EXPECT_EQ(PartsView::pagesDrawn, 2);

    // Removing an entry moves the later pictures down without reading them again.
    ASSERT_EQ(library.removePart(1), 1);
    EXPECT_EQ(pane.count, 3);
    EXPECT_EQ(library.thumbnails.state(0), PartThumbnails::kDrawn);
    EXPECT_EQ(library.thumbnails.state(1), PartThumbnails::kFailed);
    EXPECT_EQ(library.thumbnails.state(2), PartThumbnails::kDrawn);
    library.paintPane();
    EXPECT_EQ(PartsSetup::contextsMade - contextsBefore, 4);
    EXPECT_EQ(library.removePart(3), 0);

    // Scrolled: the cells start at the first visible part.
    pane.first = 2;
    library.paintPane();
    EXPECT_EQ(PartsView::pagesDrawn, 2);

    // The hint names the part under the cursor.
    pane.first = 0;
    library.onHover(pane.centreOf(1));
    EXPECT_EQ(pane.hint, "good.ycx");
    library.onHover(IntPoint(399, 69));
    EXPECT_EQ(pane.hint, "(none)");
}

TEST_F(PartsTest, PressesOnACellChooseThePartOrDragItIntoTheDrawing)
{
    const std::string path = writePart({a}, "one.ycx", PartsLibrary::kTopLeft); // origin (10, 20)
    FakePartsPane pane;
    library.setPane(&pane);
    ASSERT_EQ(library.addPart(scratch.file("other.ycx", "").c_str()) && library.addPart(path.c_str()), 1);
    FakeClock clock;
    ScriptedMouse mouse;
    mouse.advanceClockPerRead(&clock, 10);

    // Pressed and released on the cell: the part becomes current, nothing is placed.
    const IntPoint second = pane.centreOf(2);
    mouse.at(clock.now(), second.x, second.y, ScriptedMouse::kLeft)
        .at(clock.now() + 50, second.x + 3, second.y, ScriptedMouse::kNone);
    EXPECT_EQ(library.onLeftPress(&drawing.context, second), 1);
    EXPECT_EQ(library.currentIndex(), 1);
    EXPECT_EQ(pane.selected, 2);
    EXPECT_EQ(drawing.pageOrder(1).size(), 3u);

    // Dragged out of the cell: the part follows the mouse in the drawing (device pixels are
    // twice the drawing units) and lands where the button is let go.
    const DWORD t = clock.now() + 100;
    clock.set(t);
    mouse.at(t, second.x, second.y, ScriptedMouse::kLeft)
        .at(t + 30, 300, 300, ScriptedMouse::kLeft)
        .at(t + 60, 200, 100, ScriptedMouse::kLeft)
        .at(t + 90, 200, 100, ScriptedMouse::kNone);
    EXPECT_EQ(library.onLeftPress(&drawing.context, second), 1);
    std::vector<int> order = drawing.pageOrder(1);
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(drawing.pointsOf(order[3])[0].x, 100.0);
    EXPECT_EQ(drawing.pointsOf(order[3])[0].y, 50.0);
    EXPECT_EQ(drawing.selectTool->chosen(), std::vector<int>{order[3]});

    // A right press chooses the part and opens the pane's menu; beside every cell it opens the
    // menu alone, and a left press there is not the library's.
    EXPECT_EQ(library.onRightPress(pane.centreOf(1)), 1);
    EXPECT_EQ(library.currentIndex(), 0);
    EXPECT_EQ(pane.menus, 1);
    EXPECT_EQ(library.onRightPress(IntPoint(399, 69)), 0);
    EXPECT_EQ(library.currentIndex(), 0);
    EXPECT_EQ(pane.menus, 2);
    EXPECT_EQ(library.onLeftPress(&drawing.context, IntPoint(399, 69)), 0);
    EXPECT_EQ(pane.menus, 2);

    // An empty list still has its menu, through which the first part is registered.
    PartsLibrary empty{2};
    FakePartsPane emptyPane;
    empty.setPane(&emptyPane);
    EXPECT_EQ(empty.onRightPress(emptyPane.centreOf(1)), 0);
    EXPECT_EQ(emptyPane.menus, 1);
    EXPECT_EQ(empty.currentIndex(), -1);
    empty.setPane(nullptr);
}

TEST_F(PartsTest, ThePlacementDialogPlacesByNumbersOrByMouse)
{
    MessageBoxScript boxes;
    FileDialogScript dialogs;
    const std::string one = writePart({a}, "one.ycx", PartsLibrary::kTopLeft);         // origin (10, 20)
    const std::string two = writePart({a, c}, "two.ycx", PartsLibrary::kBottomRight);  // origin (30, 110)
    ASSERT_EQ(library.addPart(one.c_str()), 1);
    ASSERT_EQ(library.selectPart(0), 1);

    // Page "ファイル" shows the part; "ファイル..." takes another, whose origin becomes the target; page
    // "配置" places it by numbers at the fields' point.
    dialogs.answers = {two};
    std::string shownPath, chosenPath, targetX, redrawEnabled, refusedX, refusedY;
    auto selectPage = [](HWND window, int page) {
        HWND tabs = FindWindowExA(window, nullptr, WC_TABCONTROLA, nullptr);
        SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
        NMHDR header = {tabs, TabControl::kControlId, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageA(window, WM_NOTIFY, TabControl::kControlId, reinterpret_cast<LPARAM>(&header));
    };
    auto text = [](HWND window, int id) {
        char buffer[300] = {};
        GetDlgItemTextA(window, id, buffer, sizeof buffer);
        return std::string(buffer);
    };
    INT_PTR placed = driveModalDialog([&] { return library.place(&drawing.context); }, [&](HWND window) {
        shownPath = text(window, IDC_PART_FILE_PATH);
        SendMessageA(window, WM_COMMAND, IDC_PART_FILE_CHOOSE, 0);
        chosenPath = text(window, IDC_PART_FILE_PATH);
        selectPage(window, 1);
        targetX = text(window, IDC_PART_TARGET_X);
        redrawEnabled = IsWindowEnabled(GetDlgItem(window, IDC_PART_REDRAW)) ? "enabled" : "disabled";
        SendMessageA(window, WM_COMMAND, IDC_PART_BY_NUMBERS, 0);
        // A point too far out is refused with a word, and the dialog stays open.
        SetDlgItemTextA(window, IDC_PART_TARGET_X, "1e300");
        SetDlgItemTextA(window, IDC_PART_TARGET_Y, "-10");
        SendMessageA(window, WM_COMMAND, IDOK, 0);
        refusedX = text(window, IDC_PART_TARGET_X);
        refusedY = text(window, IDC_PART_TARGET_Y);
        SetDlgItemTextA(window, IDC_PART_TARGET_X, "130");
        selectPage(window, 0);
        selectPage(window, 1);
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(placed, 1);
    EXPECT_EQ(shownPath, one);
    EXPECT_EQ(chosenPath, two);
    EXPECT_EQ(targetX, "30") << "the chosen part's origin";
    EXPECT_EQ(redrawEnabled, "enabled") << "by mouse at first";
    EXPECT_EQ(library.placementMode, PartsLibrary::kByNumbers);
    EXPECT_EQ(boxes.texts(), "横(X)には数値を入力して下さい。");
    EXPECT_EQ(refusedX, "30") << "the refused field shows the target again";
    EXPECT_EQ(refusedY, "-10") << "the other field keeps what was typed";
    std::vector<int> order = drawing.pageOrder(1);
    ASSERT_EQ(order.size(), 5u);
    // The origin (30, 110) at (130, -10): the elements moved by (100, -120).
    EXPECT_EQ(drawing.pointsOf(order[3])[1].x, 130.0) << "the fields kept across the page switch";
    EXPECT_EQ(drawing.pointsOf(order[3])[1].y, -80.0);
    EXPECT_EQ(drawing.pointsOf(order[4])[1].x, 105.0);
    EXPECT_EQ(drawing.pointsOf(order[4])[1].y, -10.0);

    // By mouse: the preview follows the mouse on the overlay until the press; a right press
    // cancels.
    FakeClock clock;
    ScriptedMouse mouse;
    mouse.advanceClockPerRead(&clock, 10);
    const DWORD t = clock.now();
    mouse.at(t, 40, 40).at(t + 40, 80, 60).at(t + 80, 80, 60, ScriptedMouse::kLeft);
    placed = driveModalDialog([&] { return library.place(&drawing.context); }, [&](HWND window) {
        selectPage(window, 1);
        SendMessageA(window, WM_COMMAND, IDC_PART_BY_MOUSE, 0);
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(placed, 1);
    order = drawing.pageOrder(1);
    ASSERT_EQ(order.size(), 7u);
    // The origin (30, 110) at the pressed point (40, 30): moved by (10, -80).
    EXPECT_EQ(drawing.pointsOf(order[6])[1].x, 15.0) << "placed where the button went down";
    EXPECT_EQ(drawing.pointsOf(order[6])[1].y, 30.0);
    EXPECT_EQ(drawing.updater->surface.pixel(0, 0), RGB(255, 255, 255)) << "the preview is gone";

    mouse.rest(40, 40, ScriptedMouse::kRight);
    EXPECT_EQ(library.placeByMouse(&drawing.context, 0), 0);
    EXPECT_EQ(drawing.pageOrder(1).size(), 7u);
    // Dragged in from the pane with the button held: one part, where the button is let go.
    const DWORD u = clock.now() + 100;
    clock.set(u);
    mouse.at(u, 40, 40, ScriptedMouse::kLeft)
        .at(u + 40, 80, 60, ScriptedMouse::kLeft)
        .at(u + 80, 100, 80, ScriptedMouse::kLeft)
        .at(u + 120, 100, 80);
    EXPECT_EQ(library.placeByMouse(&drawing.context, 1), 1);
    order = drawing.pageOrder(1);
    ASSERT_EQ(order.size(), 9u);
    EXPECT_EQ(drawing.pointsOf(order[8])[1].x, 25.0) << "moved by (20, -70)";
    EXPECT_EQ(drawing.pointsOf(order[8])[1].y, 40.0);
    // The preview drawn by itself: each point of the part at the target.
    library.drawPreview(&drawing.context, 30, 110);
    EXPECT_EQ(drawing.updater->surface.pixel(20, 40), RGB(0, 0, 0));
    EXPECT_EQ(drawing.updater->surface.pixel(60, 80), RGB(0, 0, 0));
}

TEST(PartFileMutation, EveryTruncationLoadsItsReadablePartOrShowsTheName)
{
    TestApplication app;
    PartsSetup setup;
    MessageBoxScript boxes;
    ScratchFolder scratch;
    PartsDrawing drawing;
    const int a = drawing.add({{1, 2, 0}, {3, 4, 0}}, 2);
    const int b = drawing.add({{5, 6, 0}});
    drawing.selectTool->choose({a, b});
    PartsLibrary library(1);
    PartFile file(library);
    const std::string path = scratch.pathOf("whole.ycx");
    ASSERT_EQ(file.writeTo(drawing.context, path.c_str()), 1);
    const std::string whole = ScratchFolder::read(path);
    ASSERT_GT(whole.size(), 300u);

    FakePartsPane pane;
    library.setPane(&pane);
    int pictures = 0;
    for (size_t n = 0; n < whole.size(); ++n) {
        SCOPED_TRACE("truncated to " + std::to_string(n));
        const std::string cut = scratch.file("cut.ycx", whole.substr(0, n));
        ASSERT_EQ(library.listFolder(scratch.path().c_str()), 1);
        ASSERT_EQ(library.partCount(), 2);
        library.paintPane();
        const int state = library.thumbnails.state(0);
        ASSERT_NE(state, PartThumbnails::kEmpty);
        pictures += state == PartThumbnails::kDrawn;
        ASSERT_EQ(library.selectPart(0), 1);
        const int loaded = library.loadCurrentPart();
        EXPECT_EQ(loaded, state == PartThumbnails::kDrawn) << "a part is placed when its picture can be made";
        if (loaded) {
            EXPECT_EQ(library.placeAt(&drawing.context, 0, 0), 1);
        }
        boxes.clear();
    }
    EXPECT_GT(pictures, 0);
    EXPECT_EQ(library.thumbnails.state(1), PartThumbnails::kDrawn) << "the whole file";
}

} // namespace
