// The main frame under Wine: menu and button states after the drawings change, Open and the close
// of the application, the names that lead to an open drawing's file, the spot inks the drawing in
// front lends, and the events and commands it runs.
#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/FontPairList.h"
#include "dialogs/colour/NamedColorTable.h"
#include "document/DocumentContext.h"
#include "document/PagePainter.h"
#include "document/PageTabBar.h"
#include "document/UndoManager.h"
#include "geometry/FontChangeTable.h"
#include "geometry/InkInfo.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/EventRouter.h"
#include "platform/HelpCall.h"
#include "platform/StatusBar.h"
#include "resources/ids.h"
#include "resources/ids_colour.h"
#include "resources/ids_defaults.h"
#include "shell/FrameCommands.h"
#include "shell/GlobalManagers.h"
#include "shell/settings/SettingsIds.h"
#include "shell/settings/SettingsSections.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/FileDialogScript.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"

namespace {

bool grey(UINT state) { return (state & (MF_GRAYED | MF_DISABLED)) != 0; }

// A drawing saved under `path` by a window of its own, which is closed again.
void saveEmptyDrawing(MainFrame& frame, const std::string& path)
{
    ScriptedWindow* maker = addScriptedWindow(frame);
    ASSERT_TRUE(maker);
    ASSERT_EQ(maker->setPath(path.c_str()), 1);
    ASSERT_EQ(maker->save(), 1);
    ::postCloseRequest(maker->serial);
    settleEvents();
}

// What the help call was given.
std::string helpFile;
UINT helpCommand = 99;
HWND WINAPI recordHelp(HWND, LPCSTR file, UINT command, DWORD_PTR)
{
    helpFile = file;
    helpCommand = command;
    return nullptr;
}
HtmlHelpFunction recordingLoader() { return recordHelp; }

} // namespace

using MainFrameTest = FrameTest;

TEST_F(MainFrameTest, MenuItemsFollowTheWindowsAndTheActiveDrawing)
{
    openMenu();
    for (int command : {CMD_CLOSE, CMD_SAVE, CMD_SAVE_AS, CMD_SAVE_ALL, CMD_UNDO, CMD_REDO, CMD_CUT, CMD_PDF})
        EXPECT_TRUE(grey(itemState(command))) << command << " without a drawing";
    EXPECT_FALSE(grey(itemState(CMD_NEW)));

    std::vector<ScriptedWindow*> windows;
    for (int i = 0; i < 4; ++i)
        windows.push_back(addWindow());
    openMenu();
    EXPECT_TRUE(grey(itemState(CMD_NEW)));
    EXPECT_TRUE(grey(itemState(CMD_OPEN)));
    EXPECT_EQ(frame.createDocumentWindow(), nullptr) << "the list holds four";
    EXPECT_TRUE(grey(itemState(CMD_SAVE))) << "an untitled drawing has no name to save under";
    for (int command : {CMD_CLOSE, CMD_SAVE_AS, CMD_SAVE_ALL, CMD_PRINT_SETUP})
        EXPECT_FALSE(grey(itemState(command))) << command;
    EXPECT_EQ(itemText(CMD_UNDO), "元に戻す(&U)\tCtrl+Z");
    EXPECT_TRUE(grey(itemState(CMD_UNDO)));

    // A move on the active drawing: the undo manager's text, the accelerator text kept.
    DocumentContext* active = frame.activeDocument()->context;
    ASSERT_TRUE(active && active->undoManager);
    active->undoManager->recordMove(1.0, 0.0, 0.0);
    openMenu();
    EXPECT_EQ(itemText(CMD_UNDO), "移動の取り消し\tCtrl+Z");
    EXPECT_FALSE(grey(itemState(CMD_UNDO)));
    EXPECT_TRUE(grey(itemState(CMD_REDO)));

    // Another window becomes active: its empty history shows the menu's own text again.
    SendMessageA(frame.mdiClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(windows[0]->hwnd()), 0);
    settleEvents();
    openMenu();
    EXPECT_EQ(itemText(CMD_UNDO), "元に戻す(&U)\tCtrl+Z");
    EXPECT_TRUE(grey(itemState(CMD_UNDO)));

    ASSERT_EQ(frame.onCommand(CMD_CLOSE), 1);
    settleEvents();
    EXPECT_EQ(frame.documentCount(), 3);
    openMenu();
    EXPECT_FALSE(grey(itemState(CMD_NEW)));
    EXPECT_FALSE(grey(itemState(CMD_OPEN)));
}

TEST_F(MainFrameTest, ToolButtonsFollowTheDrawingAndLeaveEpsAlone)
{
    const std::vector<int> drawing = {
        TOOL_YOUSI, TOOL_GRID, TOOL_LOUPE, TOOL_TRAN, TOOL_LINE_SETTINGS, TOOL_LINE, 1013, 1014, 1015, 1016, 1017,
        1018, 1019, 1020, TOOL_TEXT, TOOL_TEXTLINE, 1030, 1032, 1033, 1034, 1035, 1036, 1037, 1038, 1040, 1042, 1043,
        1044, 1045, 1046, 1047, 1048, 1049, 1060, TOOL_BITMAP, TOOL_GIF, TOOL_JPEG, TOOL_TIFF, TOOL_SELECT,
        TOOL_DSPCTRL};
    const std::vector<int> selection = {TOOL_PNTMOVE, TOOL_ROTATE, TOOL_TURN, TOOL_ITEMZOOM, 1011, 1021, 1031, 1041,
                                        1061, TOOL_GROUP, EDIT_UNDO, EDIT_REDO, EDIT_CUT, EDIT_COPY, EDIT_PASTE};

    frame.updateToolButtons();
    for (const std::vector<int>* list : {&drawing, &selection})
        for (int command : *list)
            EXPECT_EQ(layout.states.at(command), 0) << command << " without a drawing";
    EXPECT_EQ(layout.states.count(TOOL_EPS), 0u);
    EXPECT_EQ(layout.states.size(), drawing.size() + selection.size()) << "no other button is touched";

    ASSERT_TRUE(addWindow());
    frame.updateToolButtons();
    for (int command : drawing)
        EXPECT_EQ(layout.states.at(command), 1) << command;
    for (int command : selection)
        EXPECT_EQ(layout.states.at(command), 0) << command << " with nothing selected or done";
    EXPECT_EQ(layout.states.count(TOOL_EPS), 0u);
}

TEST_F(MainFrameTest, OpenReusesAnUntouchedWindowAndActivatesOneThatShowsTheFile)
{
    ScratchFolder scratch;
    const std::string path = scratch.pathOf("open.ycx");
    saveEmptyDrawing(frame, path);
    FileDialogScript dialogs;

    ScriptedWindow* first = addWindow();
    dialogs.answers = {path};
    const DWORD started = GetTickCount();
    ASSERT_EQ(frame.onCommand(CMD_OPEN), 1);
    EXPECT_LT(GetTickCount() - started, 500u) << "the wait after the dialog ends with the queue";
    settleEvents();
    ASSERT_EQ(frame.documentCount(), 1) << "the untitled, unchanged window takes the file";
    EXPECT_EQ(first->isShowing(path.c_str()), 1);

    ScriptedWindow* second = addWindow();
    ASSERT_EQ(frame.activeDocument(), second);
    dialogs.answers = {path};
    ASSERT_EQ(frame.onCommand(CMD_OPEN), 1);
    settleEvents();
    EXPECT_EQ(frame.documentCount(), 2) << "no window is made for a file that is open";
    EXPECT_EQ(frame.activeDocument(), first);
    EXPECT_EQ(second->hasFile(), 0);

    // A window that shows the file as an icon comes back to its size.
    (void)SendMessageA(first->hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    (void)SendMessageA(frame.mdiClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(second->hwnd()), 0);
    settleEvents();
    ASSERT_TRUE(IsIconic(first->hwnd()));
    dialogs.answers = {path};
    ASSERT_EQ(frame.onCommand(CMD_OPEN), 1);
    settleEvents();
    EXPECT_EQ(frame.activeDocument(), first);
    EXPECT_FALSE(IsIconic(first->hwnd()));

    dialogs.answers = {""};
    ASSERT_EQ(frame.onCommand(CMD_OPEN), 1);
    EXPECT_EQ(frame.documentCount(), 2) << "Cancel opens nothing";
}

// A drawing is never saved over the file of another open drawing, by 別名で保存 nor by the save
// that closing an untitled drawing asks for: the user is told, both drawings keep their names and
// changes, and the file keeps its bytes. The drawing's own file may still be written over.
TEST_F(MainFrameTest, NoDrawingIsSavedOverAFileAnotherDrawingHasOpen)
{
    ScratchFolder scratch;
    const std::string mine = scratch.pathOf("mine.ycx");
    const std::string theirs = scratch.file("theirs.ycx", "the other drawing's file");
    FileDialogScript dialogs;
    MessageBoxScript boxes;
    ScriptedWindow* other = addWindow();
    ASSERT_EQ(other->setPath(theirs.c_str()), 1);
    ScriptedWindow* untitled = addWindow();
    ScriptedWindow* active = addWindow();
    ASSERT_EQ(active->setPath(mine.c_str()), 1);
    ASSERT_EQ(active->save(), 1);
    active->context->markModified();
    const char* const refused = "ファイルが別のウィンドウで開かれています";

    struct Row {
        std::string chosen;
        int saved;
    };
    std::string upper = theirs;
    for (char& c : upper)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    for (const Row& r : {Row{theirs, 0}, Row{upper, 0}, Row{mine, 1}}) {
        boxes.clear();
        dialogs.answers = {r.chosen};
        ASSERT_EQ(frame.onCommand(CMD_SAVE_AS), 1);
        settleEvents();
        EXPECT_EQ(boxes.texts(), r.saved ? "ファイルが存在します" : refused) << r.chosen;
        if (!r.saved) {
            EXPECT_EQ(boxes.shown().at(0).caption, "重ね書きできません");
        }
        EXPECT_EQ(active->isModified(), r.saved ? 0 : 1) << r.chosen;
        EXPECT_EQ(active->isShowing(mine.c_str()), 1) << r.chosen;
        EXPECT_EQ(ScratchFolder::read(theirs), "the other drawing's file") << r.chosen;
    }
    EXPECT_EQ(other->isShowing(theirs.c_str()), 1);
    // A part registered from a drawing asks without leaving any drawing out.
    EXPECT_EQ(frame.holdsFileElsewhere(active->context, mine.c_str()), 0);
    EXPECT_EQ(frame.holdsFileElsewhere(nullptr, mine.c_str()), 1);

    // Closing the untitled drawing: Yes, then the other drawing's name in the save dialog.
    SendMessageA(frame.mdiClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(untitled->hwnd()), 0);
    settleEvents();
    ASSERT_EQ(frame.activeDocument(), untitled);
    untitled->context->markModified();
    boxes.clear();
    boxes.answer(IDYES);
    dialogs.answers = {theirs};
    ASSERT_EQ(frame.onCommand(CMD_CLOSE), 1);
    settleEvents();
    EXPECT_EQ(boxes.texts(), std::string("'SINKI'を保存しますか？ | ") + refused);
    ASSERT_EQ(frame.documentCount(), 3) << "a save that did not happen keeps the drawing open";
    EXPECT_EQ(untitled->hasFile(), 0);
    EXPECT_EQ(ScratchFolder::read(theirs), "the other drawing's file");
}

// An open drawing's file is known by any name that leads to it: relative to the current folder,
// with "." and ".." in it, in 8.3 form or in other case, in a folder whose Japanese name holds a
// trail byte 0x5C. 開く activates its window, 別名で保存 refuses it and 部品登録's question finds it;
// a file not written yet is known by its folder's 8.3 form, and a neighbour is never taken for it.
TEST_F(MainFrameTest, AnOpenDrawingsFileIsKnownByEveryNameThatLeadsToIt)
{
    ScratchFolder scratch;
    const std::string folder = scratch.pathOf("表示 図面フォルダー\\");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    struct FolderGone {
        std::string path;
        ~FolderGone()
        {
            for (const char* name : {"the other drawing.ycx", "the active drawing.ycx"})
                DeleteFileA((path + name).c_str());
            RemoveDirectoryA(path.c_str());
        }
    } gone{folder};
    const std::string theirs = folder + "the other drawing.ycx";
    const std::string unwritten = folder + "not written yet.ycx";
    saveEmptyDrawing(frame, theirs);
    FileDialogScript dialogs;
    MessageBoxScript boxes;
    ScriptedWindow* other = addWindow();
    ASSERT_EQ(other->setPath(theirs.c_str()), 1);
    ScriptedWindow* later = addWindow();
    ASSERT_EQ(later->setPath(unwritten.c_str()), 1);
    ScriptedWindow* active = addWindow();
    ASSERT_EQ(active->setPath((folder + "the active drawing.ycx").c_str()), 1);
    ASSERT_EQ(active->save(), 1);

    char shortFolder[MAX_PATH] = {}, shortFile[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameA(folder.c_str(), shortFolder, sizeof shortFolder), 0u);
    ASSERT_GT(GetShortPathNameA(theirs.c_str(), shortFile, sizeof shortFile), 0u);
    ASSERT_NE(std::string(shortFile), theirs) << "Wine gives the long names an 8.3 form";
    char current[MAX_PATH] = {};
    ASSERT_GT(GetCurrentDirectoryA(sizeof current, current), 0u);
    struct FolderBack {
        std::string path;
        ~FolderBack() { SetCurrentDirectoryA(path.c_str()); }
    } back{current};
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    // The path in upper case: its letters only, or also the trail bytes of its Japanese
    // characters, which then name other characters ("フ" 83 74 becomes "サ" 83 54).
    const auto upper = [&theirs](bool trailBytesToo) {
        std::string text = theirs;
        for (size_t i = 0; i < text.size(); ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            if ((c >= 0x80 && c <= 0x9F) || c >= 0xE0) {
                ++i;
                if (trailBytesToo && i < text.size() && text[i] >= 'a' && text[i] <= 'z')
                    text[i] = static_cast<char>(text[i] - 'a' + 'A');
            } else if (c >= 'a' && c <= 'z') {
                text[i] = static_cast<char>(c - 'a' + 'A');
            }
        }
        return text;
    };
    ASSERT_NE(upper(true), upper(false));

    const std::vector<std::string> theirNames = {
        "the other drawing.ycx", ".\\the other drawing.ycx", "..\\表示 図面フォルダー\\the other drawing.ycx",
        shortFile, upper(false), folder + ".\\sub\\..\\the other drawing.ycx"};
    for (const std::string& name : theirNames) {
        SCOPED_TRACE(name);
        EXPECT_EQ(frame.holdsFileElsewhere(nullptr, name.c_str()), 1);
        boxes.clear();
        dialogs.answers = {name};
        ASSERT_EQ(frame.onCommand(CMD_SAVE_AS), 1);
        settleEvents();
        EXPECT_EQ(boxes.texts(), "ファイルが別のウィンドウで開かれています");
        EXPECT_EQ(active->isShowing((folder + "the active drawing.ycx").c_str()), 1);
        dialogs.answers = {name};
        ASSERT_EQ(frame.onCommand(CMD_OPEN), 1);
        settleEvents();
        EXPECT_EQ(frame.documentCount(), 3) << "no window is made for a file that is open";
        EXPECT_EQ(frame.activeDocument(), other);
        SendMessageA(frame.mdiClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(active->hwnd()), 0);
        settleEvents();
    }
    EXPECT_EQ(frame.holdsFileElsewhere(nullptr, (std::string(shortFolder) + "not written yet.ycx").c_str()), 1);
    EXPECT_EQ(frame.holdsFileElsewhere(nullptr, "NOT WRITTEN YET.ycx"), 1);
    for (const std::string& neighbour :
         {std::string("the other drawing.ycx.bak"), std::string("..\\the other drawing.ycx"), upper(true)})
        EXPECT_EQ(frame.holdsFileElsewhere(nullptr, neighbour.c_str()), 0) << neighbour;
}

// The drawing in front lends its spot inks to カラー設定, and the inks chosen there go into its
// file. A drawing read from a file naming DIC colours for 特色１ and 特色３ shows them in the dialog
// its line colour swatch opens; 特色２ given "青" and OK there (the settings dialog then cancelled)
// leave the drawing changed, and 保存 writes the three. Another drawing in front lends its own;
// with the last one closed the dialog has none.
TEST_F(MainFrameTest, TheDrawingInFrontLendsItsSpotInksToTheColourDialogAndKeepsTheChoice)
{
    struct Globals {
        Globals() { createGlobals(); }
        ~Globals() { destroyGlobals(); }
    } globals;
    ScopedOverride<int> inkColours(app->colorModel, 2);
    NamedColorTable& dic = *theDicColorTable;
    dic.loaded = 1; // never read from a file
    for (const auto& [number, name] : {std::pair<int, const char*>{101, "赤"}, {202, "青"}, {303, "緑"}}) {
        ColorEntry e;
        e.number = number;
        e.setName(name);
        const int inks[4] = {number % 100, 20, 30, 40};
        e.setInks(inks);
        ASSERT_EQ(dic.append(e), 1);
    }
    dic.modified = 0; // nothing to write beside the program at the end
    ScratchFolder scratch;
    MessageBoxScript boxes;
    const std::string path = scratch.pathOf("inks.ycx");
    {
        ScriptedWindow* maker = addWindow();
        ASSERT_TRUE(maker && maker->context->inkInfo);
        const int slots[InkInfo::kSlots] = {0, -1, 2, -1, -1};
        std::copy(slots, slots + InkInfo::kSlots, maker->context->inkInfo->slots);
        ASSERT_EQ(maker->setPath(path.c_str()), 1);
        ASSERT_EQ(maker->save(), 1);
        ::postCloseRequest(maker->serial);
        settleEvents();
    }
    // The test's frame is hidden and takes no focus: the drawing in front hears what a shown one
    // would.
    const auto focusFront = [this] {
        (void)SendMessageA(frame.activeDocument()->hwnd(), WM_SETFOCUS, 0, 0);
        settleEvents();
    };
    FileDialogScript dialogs;
    dialogs.answers = {path};
    ASSERT_EQ(frame.onCommand(CMD_OPEN), 1);
    settleEvents();
    focusFront();
    DocumentWindow* drawing = frame.activeDocument();
    ASSERT_TRUE(drawing && drawing->isShowing(path.c_str()));
    EXPECT_EQ(theInkInfo->current, drawing->context->inkInfo);

    // 線画の設定's colour page: the line colour swatch opens カラー設定.
    ScriptedMouse mouse;
    const auto pickInks = [&](const std::function<void(HWND)>& inColourDialog) {
        layout.current = TOOL_LINE_SETTINGS;
        (void)driveModalDialog(
            [&] {
                frame.activeDocument()->runToolButton();
                return INT_PTR(1);
            },
            [&](HWND settings) {
                chooseTab(settings, 1);
                driveNextDialog(inColourDialog);
                click(settings, IDC_LINE_SET_EDGE_COLOUR);
                PostMessageA(settings, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            });
    };
    const auto labels = [](HWND colours) {
        std::vector<std::string> texts;
        for (int slot = 0; slot < InkInfo::kSlots; ++slot) {
            char text[80] = {};
            GetDlgItemTextA(colours, IDC_SPOT_LABEL_1 + slot, text, sizeof text);
            texts.emplace_back(text);
        }
        return texts;
    };
    std::vector<std::string> shown;
    pickInks([&](HWND colours) {
        shown = labels(colours);
        // Row 1 of the DIC list ("青"), then 特色２.
        HWND list = GetDlgItem(colours, IDC_DIC_COLOR_LIST);
        RECT r;
        GetClientRect(list, &r);
        POINT p = {r.right / 2, (r.bottom - dic.visibleRows * dic.rowHeight) / 2 + dic.rowHeight * 3 / 2};
        ClientToScreen(list, &p);
        mouse.rest(p.x, p.y);
        ScreenToClient(colours, &p);
        SendMessageA(colours, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        click(colours, IDC_SPOT_INK_1 + 1);
        PostMessageA(colours, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(shown, std::vector<std::string>({" 1 : 赤", "", " 3 : 緑", "", ""}));
    EXPECT_EQ(drawing->isModified(), 1) << "the drawing file keeps its spot inks: closing asks to save them";
    ASSERT_EQ(frame.onCommand(CMD_SAVE), 1);
    settleEvents();
    const std::string saved = ScratchFolder::read(path);
    const size_t begin = saved.find("<inkInfo>");
    ASSERT_NE(begin, std::string::npos) << saved;
    const std::string section = saved.substr(begin, saved.find("</inkInfo>") - begin);
    for (const char* slot : {"<1>101</1>", "<2>202</2>", "<3>303</3>"})
        EXPECT_NE(section.find(slot), std::string::npos) << slot << " in " << section;

    // A new drawing in front lends its own inks, copied from the application's choice.
    ASSERT_EQ(frame.onCommand(CMD_NEW), 1);
    settleEvents();
    focusFront();
    ASSERT_NE(frame.activeDocument(), drawing);
    EXPECT_EQ(theInkInfo->current, frame.activeDocument()->context->inkInfo);
    pickInks([&](HWND colours) {
        shown = labels(colours);
        PostMessageA(colours, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(shown, std::vector<std::string>({" 1 : 赤", " 2 : 青", " 3 : 緑", "", ""}))
        << "OK gave the application the choice too";
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(frame.onCommand(CMD_CLOSE), 1);
        settleEvents();
    }
    ASSERT_EQ(frame.documentCount(), 0);
    EXPECT_EQ(theInkInfo->current, nullptr);
}

TEST_F(MainFrameTest, ClosingAsksEveryDrawingAndOneCancelKeepsThemAll)
{
    NotingSettingsOwner settings(settings_id::DrawEnvironment);
    ScopedOverride owner(*settingsOwnerSlot(settings_id::DrawEnvironment), &settings);
    ScriptedWindow* a = addWindow();
    ScriptedWindow* b = addWindow();
    ScriptedWindow* c = addWindow();
    a->answers = {1, 1};
    b->answers = {0, 1};
    c->answers = {1};
    shellTrace().clear();

    ASSERT_EQ(frame.onCommand(CMD_EXIT), 1);
    settleEvents();
    EXPECT_EQ(shellTrace(), (std::vector<std::string>{"1: confirm", "2: confirm"}));
    EXPECT_TRUE(IsWindow(frame.hwnd()));
    EXPECT_EQ(frame.documentCount(), 3) << "the settings are not written either";

    shellTrace().clear();
    ASSERT_EQ(frame.onCommand(CMD_EXIT), 1);
    EXPECT_EQ(shellTrace(), (std::vector<std::string>{"1: confirm", "2: confirm", "3: confirm", "settings save"}));
    EXPECT_NE(settingsBytes().find("[DRAWENVIRONMENT]"), std::string::npos) << "written into the settings file";
    EXPECT_FALSE(IsWindow(frame.hwnd()));
    MSG quit = {};
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u) << "the exit code";
}

TEST_F(MainFrameTest, EventsAndCommandsReachTheirTargets)
{
    ScriptedWindow* window = addWindow();
    ASSERT_TRUE(window);
    auto post = [&](int code, int argument) {
        shellTrace().clear();
        ASSERT_EQ(theCurrentEvent->postEvent(code, frame.serial, argument), 1);
        settleEvents();
    };
    using Trace = std::vector<std::string>;

    post(EV_SELECTION_PROPERTIES, 0);
    EXPECT_EQ(shellTrace(), (Trace{"1: end tool", "1: op 2005", "restore current"}));

    // As the pump leaves a taken shortcut: pending, and taken (state 2).
    frame.shortcutKeys->pendingCommand = OP_PROPERTIES;
    frame.shortcutKeys->state = 2;
    post(EV_SHORTCUT_COMMAND, 0);
    EXPECT_EQ(shellTrace(), (Trace{"1: end tool", "1: op 2005", "restore current"}));
    frame.shortcutKeys->pendingCommand = TOOL_LINE;
    frame.shortcutKeys->state = 2;
    post(EV_SHORTCUT_COMMAND, 0);
    EXPECT_EQ(shellTrace(), (Trace{"1: end tool", "current 1012", "1: tool button", "buttons"}));
    EXPECT_EQ(frame.shortcutKeys->pendingCommand, 0) << "taken once";
    post(EV_SHORTCUT_COMMAND, 0);
    EXPECT_TRUE(shellTrace().empty()) << "no pending command, nothing runs";

    shellTrace().clear();
    ASSERT_EQ(theCurrentEvent->postDeferredCommand(EV_TOOL_RUN_DONE), 1);
    settleEvents();
    EXPECT_EQ(shellTrace(), Trace{"buttons"});

    // Help: the file beside the program, at its start.
    ScopedHook<HtmlHelpLoader> help(setHtmlHelpLoader, recordingLoader);
    ASSERT_EQ(frame.onCommand(CMD_HELP), 1);
    char folder[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, folder, sizeof folder);
    *(strrchr(folder, '\\') + 1) = 0;
    EXPECT_EQ(helpFile, std::string(folder) + "KorvaneHelp.chm");
    EXPECT_EQ(helpCommand, 0u);

    // The version box: dialog 102 with its picture; a click ends it.
    HWND shown = nullptr;
    static HWND* box = &shown;
    driveModalDialog([&] { return static_cast<INT_PTR>(frame.onCommand(CMD_ABOUT)); },
                     [](HWND dialog) {
                         *box = dialog;
                         EXPECT_TRUE(GetDlgItem(dialog, IDC_SPLASH_PICTURE));
                         RECT client = {};
                         GetClientRect(dialog, &client);
                         EXPECT_EQ(client.right, 400);
                         PostMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
                         PostMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
                     });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(IsWindow(shown));

    // Commands that need a drawing do nothing without one.
    window->answers = {1};
    ASSERT_EQ(frame.onCommand(CMD_CLOSE), 1);
    settleEvents();
    ASSERT_EQ(frame.documentCount(), 0);
    MessageBoxScript boxes;
    for (int command : {CMD_UNDO, CMD_CUT, CMD_SAVE, CMD_SAVE_AS, CMD_SAVE_ALL, CMD_PROPERTIES, CMD_ZOOM_IN, CMD_PDF,
                        CMD_CLOSE, CMD_SELECT_ALL, CMD_PAGE_NEXT, CMD_PART_PLACE})
        EXPECT_EQ(frame.onCommand(command), 1) << command;
    settleEvents();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(frame.onCommand(12345), 0) << "not one of the frame's";
}

namespace {
// The navigator's painter as the frame drives it: the drawings it was asked to show.
class RecordingNavigator : public PagePainter {
public:
    void setContext(DocumentContext*) override {}
    int ensureBitmap() override { return 1; }
    void refresh(DocumentContext* context) override { shown.push_back(context); }
    std::vector<DocumentContext*> shown;
};

// The page bar as the frame drives it: the drawings it was asked to show.
class RecordingPageBar : public PageTabBar {
public:
    void setContext(DocumentContext*) override {}
    int ensureBitmap() override { return 1; }
    int selectPage(DocumentContext*, int) override { return 0; }
    void refresh(DocumentContext* context) override { shown.push_back(context); }
    std::vector<DocumentContext*> shown;
};
} // namespace

// The answer to the save question decides the close, also when the box's modal loop delivers
// messages meanwhile (as a real box does: the frame loses and regains activation); once the last
// drawing is gone its tool buttons are off, the navigator and the page bar are emptied, and
// quitting asks nothing.
TEST_F(MainFrameTest, TheSaveQuestionDecidesTheCloseAndTheLastCloseLeavesNothingShown)
{
    RecordingNavigator navigator;
    ScopedOverride<PagePainter*> painter{thePagePainter, &navigator};
    RecordingPageBar pageBar;
    ScopedOverride<PageTabBar*> bar{thePageTabBar, &pageBar};
    ScratchFolder scratch;
    FileDialogScript dialogs;
    MessageBoxScript boxes;
    boxes.whileShown = [this] {
        SendMessageA(frame.hwnd(), WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
        SendMessageA(frame.hwnd(), WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0);
    };
    struct Row {
        int button;
        int closes;
        const char* savedAs; // the name the save dialog is answered with, or null
    };
    const Row rows[] = {{IDCANCEL, 0, nullptr}, {IDYES, 1, "kept.ycx"}, {IDNO, 1, nullptr}};
    for (const Row& r : rows) {
        ScriptedWindow* window = frame.documentCount() ? windowAt(0) : addWindow();
        ASSERT_TRUE(window && window->context);
        window->context->markModified();
        boxes.clear();
        boxes.answer(r.button);
        if (r.savedAs)
            dialogs.answers = {scratch.pathOf(r.savedAs)};
        navigator.shown.clear();
        pageBar.shown.clear();
        ASSERT_EQ(frame.onCommand(CMD_CLOSE), 1);
        settleEvents();
        EXPECT_EQ(boxes.texts(), "'SINKI'を保存しますか？") << r.button;
        EXPECT_EQ(frame.documentCount(), r.closes ? 0 : 1) << r.button;
        if (r.savedAs) {
            EXPECT_FALSE(ScratchFolder::read(scratch.pathOf(r.savedAs)).empty());
        }
        EXPECT_EQ(layout.states.at(TOOL_LINE), r.closes ? 0 : 1) << r.button;
        EXPECT_EQ(layout.states.at(TOOL_SELECT), r.closes ? 0 : 1) << r.button;
        if (r.closes) {
            EXPECT_EQ(navigator.shown, std::vector<DocumentContext*>{nullptr}) << r.button;
            EXPECT_EQ(pageBar.shown, std::vector<DocumentContext*>{nullptr}) << r.button;
        }
    }

    boxes.clear();
    ASSERT_EQ(frame.onCommand(CMD_EXIT), 1);
    EXPECT_TRUE(boxes.shown().empty()) << "the drawing answered No to is not asked about again";
    EXPECT_FALSE(IsWindow(frame.hwnd()));
    MSG quit = {};
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(MainFrameTest, FontChangeDeletesRowsOnlyWithoutADrawing)
{
    FontChangeTable table;
    ScopedOverride<FontChangeTable*> installed(theFontChangeTable, &table);
    int added = 0;
    ASSERT_EQ(table.lookUp("NoSuchFace", added), 0);
    std::vector<int> clearAll;
    auto run = [&] {
        (void)driveModalDialog([&] { return static_cast<INT_PTR>(frame.onCommand(CMD_FONT_CHANGE)); },
                               [&](HWND dialog) {
                                   clearAll.push_back(IsWindowEnabled(GetDlgItem(dialog, IDC_FONT_CLEAR_ALL)) ? 1 : 0);
                                   PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                               });
    };
    run();
    ASSERT_TRUE(addWindow());
    run();
    EXPECT_EQ(clearAll, std::vector<int>({1, 0}));
    EXPECT_EQ(table.pairs().count(), 1);
}

TEST_F(MainFrameTest, EverySizeOfTheFrameLaysOutThePanesTheDrawingsAndTheStatusBar)
{
    // The real panes: moving them handles messages of their own (a moved scroll bar erases the
    // frame) before the frame lays out the rest.
    WorkspaceLayout panes;
    ScopedOverride<PaneLayout*> installed{app->workspaceLayout, &panes};
    for (int id = 1; id <= 13; ++id)
        ASSERT_EQ(panes.addPane(id), 1) << "pane " << id;
    ShowWindow(frame.hwnd(), SW_SHOWNORMAL);
    panes.arrangeAllBands();
    auto placed = [this](HWND child) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, frame.hwnd(), reinterpret_cast<POINT*>(&r), 2);
        return IntRect::fromEdges(r.left, r.top, r.right, r.bottom);
    };
    for (const auto& size : {std::pair(1000, 700), std::pair(700, 500), std::pair(1200, 900)}) {
        MoveWindow(frame.hwnd(), 0, 0, size.first, size.second, TRUE);
        settleEvents();
        IntRect drawings = frame.documentArea();
        drawings.deflate(FrameWindow::kBorderWidth);
        EXPECT_TRUE(placed(frame.mdiClientHandle()).equals(drawings)) << size.first;
        EXPECT_EQ(placed(frame.statusBar->hwnd()).bottom, frame.clientRect().bottom) << size.first;
    }
}
