// Shortcut keys: the table's keys and system keys, which presses the hook consumes, a bound key
// through the pump to the frame, the dialog ショートカットキー with the button hints, and the
// settings section with its bad lines and every truncation.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/CurrentEvent.h"
#include "platform/OwnerDrawnRows.h"
#include "resources/ids.h"
#include "shell/FrameCommands.h"
#include "shell/ShortcutKeyDialog.h"
#include "shell/ShortcutKeys.h"
#include "tests/shell/ShellFixture.h"
#include "tests/shell/panes/LayoutFixture.h"
#include "tests/shell/settings/SettingsFixture.h"
#include "tests/support/DibSurface.h"
#include "tests/support/MessagePump.h"

namespace {

std::string nameAt(ShortcutKeyTable& table, int index)
{
    ShortcutKeyTable::Record r = {};
    if (!table.recordAt(index, r))
        return "?";
    char name[ShortcutKeyTable::kNameSize];
    ShortcutKeyTable::keyName(r.shift, r.ctrl, r.key, name, sizeof name);
    return name;
}

std::string labelOf(ShortcutKeyTable& table, const char* name)
{
    ShortcutKeyTable::Record r = {};
    return table.recordAt(table.findByName(name), r) ? r.label : "?";
}

// The thread's keyboard: these keys down, every other up.
void holdKeys(std::initializer_list<int> keys)
{
    BYTE state[256] = {};
    for (int key : keys)
        state[key] = 0x80;
    SetKeyboardState(state);
}

// The keyboard is let go whatever the test does.
struct ReleasedKeyboard {
    ~ReleasedKeyboard() { holdKeys({}); }
};

int bind(ShortcutKeyTable& table, const char* name, int command, const char* label)
{
    return table.bind(table.findByName(name), command, label);
}

} // namespace

TEST(ShortcutKeys, TheTableHoldsEveryKeyInOrderAndKeepsTheSystemKeys)
{
    ShortcutKeyTable table;
    ASSERT_EQ(table.setup(), 1);
    ASSERT_EQ(table.count(), 132);
    const std::vector<std::pair<int, const char*>> names = {
        {0, "F1"},       {14, "F15"},           {15, "Shift+F1"},    {30, "Ctrl+F1"},      {45, "Shift+Ctrl+F1"},
        {59, "Shift+Ctrl+F15"}, {60, "Ctrl+0"}, {69, "Ctrl+9"},      {70, "Ctrl+A"},       {95, "Ctrl+Z"},
        {96, "Shift+Ctrl+0"}, {106, "Shift+Ctrl+A"}, {131, "Shift+Ctrl+Z"}};
    for (const auto& n : names)
        EXPECT_EQ(nameAt(table, n.first), n.second) << n.first;
    std::set<std::string> system;
    for (int i = 0; i < table.count(); ++i) {
        ShortcutKeyTable::Record r = {};
        ASSERT_EQ(table.recordAt(i, r), 1);
        if (r.system) {
            system.insert(nameAt(table, i));
            EXPECT_STREQ(r.label, "system");
        }
    }
    // The keys the program keeps, and those the menu's accelerators own (Ctrl+C among them): the
    // accelerators take a key before the shortcuts, so a command bound to it would never run.
    EXPECT_EQ(system, (std::set<std::string>{"Ctrl+A", "Ctrl+C", "Ctrl+N", "Ctrl+O", "Ctrl+P", "Ctrl+Q", "Ctrl+S",
                                             "Ctrl+V", "Ctrl+W", "Ctrl+X", "Ctrl+Y", "Ctrl+Z", "F10", "Shift+F10",
                                             "Ctrl+F10", "Shift+Ctrl+F10"}));
    for (const char* key : {"Ctrl+S", "Ctrl+C"}) {
        EXPECT_EQ(bind(table, key, TOOL_LINE, "線分"), 0) << key;
        EXPECT_EQ(labelOf(table, key), "system") << key;
    }
    EXPECT_EQ(table.commandOf(0, 1, 'S') + table.commandOf(0, 1, 'C'), 0);
    EXPECT_EQ(bind(table, "Ctrl+L", TOOL_LINE, "線分"), 1);
    EXPECT_EQ(table.commandOf(0, 1, 'L'), TOOL_LINE);
    // 初期化: every key free, the system keys still "system".
    table.unbindAll();
    EXPECT_EQ(table.commandOf(0, 1, 'L'), 0);
    EXPECT_EQ(labelOf(table, "Ctrl+L"), "");
    EXPECT_EQ(labelOf(table, "F10"), "system");
    EXPECT_EQ(labelOf(table, "Ctrl+C"), "system");
}

TEST(ShortcutKeys, OnlyABoundKeyWithCtrlOrAFunctionKeyIsConsumedAndOnlyOneAtATime)
{
    TestApplication app;
    ReleasedKeyboard released;
    ShortcutKeys keys(nullptr);
    ASSERT_EQ(keys.table.setup(), 1);
    ASSERT_EQ(bind(keys.table, "Ctrl+L", TOOL_LINE, "線分"), 1);
    ASSERT_EQ(bind(keys.table, "F5", OP_PROPERTIES, "プロパティー"), 1);
    ASSERT_EQ(bind(keys.table, "Shift+Ctrl+B", TOOL_BOX, "矩形"), 1);
    struct Case {
        const char* what;
        std::initializer_list<int> held;
        int consumed, command;
    };
    const Case cases[] = {
        {"Ctrl+L is bound", {VK_CONTROL, 'L'}, 1, TOOL_LINE},
        {"L without Ctrl is typed", {'L'}, 0, 0},
        {"Shift+L without Ctrl is typed", {VK_SHIFT, 'L'}, 0, 0},
        {"a digit without Ctrl is typed", {'5'}, 0, 0},
        {"F5 is bound", {VK_F5}, 1, OP_PROPERTIES},
        {"Shift+Ctrl+B is bound", {VK_SHIFT, VK_CONTROL, 'B'}, 1, TOOL_BOX},
        {"Ctrl+B is not", {VK_CONTROL, 'B'}, 0, 0},
        {"Ctrl+S is the program's", {VK_CONTROL, 'S'}, 0, 0},
        {"Ctrl alone is no key", {VK_CONTROL}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        holdKeys(c.held);
        EXPECT_EQ(keys.onKey(), c.consumed);
        EXPECT_EQ(keys.state, c.consumed);
        // A second key while one is pending goes on to the windows.
        holdKeys({VK_CONTROL, 'L'});
        if (c.consumed) {
            EXPECT_EQ(keys.onKey(), 0);
        }
        EXPECT_EQ(keys.takePending(), c.consumed) << "the pump takes it once";
        EXPECT_EQ(keys.takePending(), 0);
        EXPECT_EQ(keys.takePendingCommand(), c.command);
        EXPECT_EQ(keys.state, 0);
    }
}

TEST_F(FrameTest, ABoundKeyIsConsumedAndItsCommandRunsOnceThroughThePump)
{
    ReleasedKeyboard released;
    ScriptedWindow* window = addWindow();
    ASSERT_TRUE(window);
    ShortcutKeys& keys = *frame.shortcutKeys;
    ASSERT_EQ(keys.table.setup(), 1);
    ASSERT_EQ(bind(keys.table, "Ctrl+L", TOOL_LINE, "線分"), 1);
    ASSERT_EQ(bind(keys.table, "Ctrl+E", OP_PROPERTIES, "プロパティー"), 1);
    struct Case {
        int letter;
        std::vector<std::string> trace;
    };
    const Case cases[] = {
        {'L', {"1: end tool", "current 1012", "1: tool button", "buttons"}},
        {'E', {"1: end tool", "1: op 2005", "restore current"}},
    };
    for (const Case& c : cases) {
        holdKeys({VK_CONTROL, c.letter});
        settleEvents();
        shellTrace().clear();
        PostMessageA(frame.hwnd(), WM_KEYDOWN, static_cast<WPARAM>(c.letter), 0);
        // The real pump: the key is consumed, the next step posts 6192, the frame runs it.
        for (int step = 0; step < 40; ++step) {
            MSG waiting;
            if (theCurrentEvent->queuedCount() == 0 && !PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE) &&
                keys.state != 1)
                break;
            theCurrentEvent->pumpStep();
        }
        EXPECT_EQ(shellTrace(), c.trace) << static_cast<char>(c.letter);
        EXPECT_EQ(keys.state, 0);
    }
}

TEST_F(LayoutTest, TheDialogBindsShowsTheKeyInTheHintAndOnlyOkKeepsIt)
{
    ReleasedKeyboard released;
    ShortcutKeys keys(nullptr);
    keys.setup();
    ASSERT_GT(keys.commands.count(), 50) << "each command once";
    ShortcutCommandList::Entry first = {};
    ASSERT_EQ(keys.commands.entryAt(0, first), 1);
    EXPECT_EQ(first.command, OP_PROPERTIES);
    const int line = keys.commands.findLabel("線分");
    ASSERT_GE(line, 1);
    ToolButton* lineButton = nullptr;
    for (int i = 0; i < layout->paneCount() && !lineButton; ++i)
        lineButton = pane(layout->paneAt(i)->definitionId).buttonByCommand(TOOL_LINE);
    ASSERT_TRUE(lineButton);
    auto hint = [&] {
        char text[96] = {};
        lineButton->hintLabel(centreOf(*lineButton), text, sizeof text);
        return std::string(text);
    };

    // A row of the key list clicked: the list is scrolled to put it first, then its first row
    // is pressed (rows of the GUI font's height and a one-pixel gap).
    auto clickRow = [&](ShortcutKeyDialog& dialog, HWND window, int row) {
        Control* list = dialog.findControl(IDC_SHORTCUT_KEYS);
        ASSERT_TRUE(list);
        list->scrollTo(row);
        LOGFONTA font = {};
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
        const int h = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
        POINT p = {h, 1 + h / 2};
        ClientToScreen(GetDlgItem(window, IDC_SHORTCUT_KEYS), &p);
        mouse.rest(p.x, p.y);
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    };
    auto chooseCommand = [](HWND window, int index) {
        SendDlgItemMessageA(window, IDC_SHORTCUT_COMMAND, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_SHORTCUT_COMMAND, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_SHORTCUT_COMMAND)));
    };
    auto press = [](HWND window, int id) { SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); };
    const int ctrlL = keys.table.findByName("Ctrl+L");
    const int ctrlA = keys.table.findByName("Ctrl+A");
    const int ctrlC = keys.table.findByName("Ctrl+C");

    struct Run {
        const char* what;
        int row;     // -1: none clicked
        int command; // chosen in the combo, -1: none
        int unbind, reset;
        int button;
        const char* ctrlLLabel;
        const char* hintAfter;
    };
    const Run runs[] = {
        {"ｷｬﾝｾﾙ changes nothing", ctrlL, line, 0, 0, IDCANCEL, "", "線分"},
        {"Ctrl+L bound to 線分 and OK", ctrlL, line, 0, 0, IDOK, "線分", "線分(Ctrl+L)"},
        {"外す on a system row does nothing", ctrlA, -1, 1, 0, IDOK, "線分", "線分(Ctrl+L)"},
        {"a command chosen for the menu's Ctrl+C is refused", ctrlC, line, 0, 0, IDOK, "線分", "線分(Ctrl+L)"},
        {"初期化 and OK: no key is bound", -1, -1, 0, 1, IDOK, "", "線分"},
    };
    for (const Run& r : runs) {
        SCOPED_TRACE(r.what);
        ShortcutKeyDialog* shown = nullptr;
        int unbindEnabled = -1;
        std::string listed;
        const INT_PTR result = driveModalDialog(
            [&] {
                ShortcutKeyTable working;
                EXPECT_EQ(working.copyFrom(keys.table), 1);
                ShortcutKeyDialog dialog(working, keys.commands);
                shown = &dialog;
                const int answer = dialog.run();
                if (answer == 1) {
                    EXPECT_EQ(keys.table.copyFrom(working), 1);
                    keys.applyToButtons();
                }
                return static_cast<INT_PTR>(answer);
            },
            [&](HWND window) {
                unbindEnabled = IsWindowEnabled(GetDlgItem(window, IDC_SHORTCUT_UNBIND));
                if (r.row >= 0) {
                    clickRow(*shown, window, r.row);
                    char name[32] = {};
                    (void)shown->findControl(IDC_SHORTCUT_LABELS)->getSelected();
                    (void)shown->findControl(IDC_SHORTCUT_KEYS)->getItemText(r.row, name, sizeof name);
                    listed = name;
                    EXPECT_EQ(shown->findControl(IDC_SHORTCUT_LABELS)->getSelected(), r.row);
                    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDC_SHORTCUT_UNBIND)));
                }
                if (r.command >= 0)
                    chooseCommand(window, r.command);
                if (r.unbind)
                    press(window, IDC_SHORTCUT_UNBIND);
                if (r.reset)
                    press(window, IDC_SHORTCUT_RESET);
                PostMessageA(window, WM_COMMAND, MAKEWPARAM(r.button, BN_CLICKED), 0);
            });
        EXPECT_EQ(result, r.button);
        EXPECT_EQ(unbindEnabled, 0) << "no row selected at first";
        if (r.row >= 0) {
            EXPECT_EQ(listed, nameAt(keys.table, r.row));
        }
        EXPECT_EQ(labelOf(keys.table, "Ctrl+L"), r.ctrlLLabel);
        EXPECT_EQ(labelOf(keys.table, "Ctrl+A"), "system");
        EXPECT_EQ(labelOf(keys.table, "Ctrl+C"), "system");
        EXPECT_EQ(hint(), r.hintAfter);
    }
}

// The key and command columns are two frame-style items side by side, whose frames make the box
// and the line between the columns. The dialog's painting draws the rows, then the items draw
// their frames; a scroll, however it comes, draws the rows again and must leave the frames.
TEST(ShortcutKeys, TheListsScrolledKeepTheirFramesAndTheLineBetweenTheColumns)
{
    TestApplication app;
    ShortcutKeyTable table;
    ASSERT_EQ(table.setup(), 1);
    ShortcutCommandList commands;
    std::unique_ptr<DibSurface> surfaces[2]; // drawn on until the dialog is gone
    ShortcutKeyDialog dialog(table, commands);
    const COLORREF mark = RGB(255, 0, 255);
    (void)driveModalDialog([&] { return static_cast<INT_PTR>(dialog.run()); }, [&](HWND window) {
        struct Cancel {
            HWND window;
            ~Cancel() { PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }
        } cancel{window}; // however the steps end
        const int ids[] = {IDC_SHORTCUT_KEYS, IDC_SHORTCUT_LABELS};
        OwnerDrawnRows* lists[2] = {};
        for (int i = 0; i < 2; ++i) {
            lists[i] = dynamic_cast<OwnerDrawnRows*>(dialog.findControl(ids[i]));
            ASSERT_TRUE(lists[i]);
            HWND item = GetDlgItem(window, ids[i]);
            RECT r = {};
            GetClientRect(item, &r);
            surfaces[i] = std::make_unique<DibSurface>(r.right, r.bottom, mark);
            lists[i]->paintTarget = surfaces[i]->hdc;
            lists[i]->refresh();
            SendMessageA(item, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surfaces[i]->hdc), PRF_CLIENT);
        }
        // The system's frame colour (Wine's is not COLOR_WINDOWFRAME).
        const COLORREF frame = surfaces[0]->pixel(0, 0);
        ASSERT_NE(frame, mark);
        auto framePixels = [&](const DibSurface& s) {
            int count = 0;
            for (int x = 0; x < s.width; ++x)
                count += (s.pixel(x, 0) == frame) + (s.pixel(x, s.height - 1) == frame);
            for (int y = 0; y < s.height; ++y)
                count += (s.pixel(0, y) == frame) + (s.pixel(s.width - 1, y) == frame);
            return count;
        };
        const int page = lists[0]->visibleRows();
        ASSERT_GT(page, 5);
        HWND bar = GetDlgItem(window, IDC_SHORTCUT_SCROLL);
        struct Scroll {
            const char* what;
            HWND to;
            UINT message;
            WPARAM wParam;
            int top;
        };
        const Scroll scrolls[] = {
            {"the bar's down arrow", window, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 1},
            {"the thumb dragged", window, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40), 40},
            {"Page Down on the bar", bar, WM_KEYDOWN, VK_NEXT, 40 + page - 1},
            {"End on the bar", bar, WM_KEYDOWN, VK_END, table.count() - page},
        };
        for (const Scroll& s : scrolls) {
            SCOPED_TRACE(s.what);
            for (auto& surface : surfaces)
                SetPixel(surface->hdc, surface->width / 2, surface->height / 2, mark);
            PostMessageA(s.to, s.message, s.wParam, s.to == window ? reinterpret_cast<LPARAM>(bar) : 0);
            pumpUntilIdle();
            for (int i = 0; i < 2; ++i) {
                const DibSurface& surface = *surfaces[i];
                EXPECT_EQ(lists[i]->topIndex, s.top) << ids[i];
                EXPECT_NE(surface.pixel(surface.width / 2, surface.height / 2), mark) << "rows drawn again " << ids[i];
                EXPECT_EQ(framePixels(surface), 2 * (surface.width + surface.height)) << "frame of " << ids[i];
            }
        }
    });
}

TEST(ShortcutKeys, TheSectionKeepsBoundKeysAndReadsPastLinesItCannotUse)
{
    TestApplication app;
    ShortcutKeys keys(nullptr);
    ASSERT_EQ(keys.table.setup(), 1);
    ASSERT_EQ(keys.commands.add(OP_PROPERTIES, "プロパティー"), 1);
    ASSERT_EQ(keys.commands.add(TOOL_LINE, "線分"), 1);
    ASSERT_EQ(keys.commands.add(TOOL_BOX, "矩形"), 1);
    ASSERT_EQ(bind(keys.table, "Ctrl+L", TOOL_LINE, "線分"), 1);
    ASSERT_EQ(bind(keys.table, "Shift+F12", OP_PROPERTIES, "プロパティー"), 1);
    const std::string saved = writtenBytes([&](BufferedSettingsFile& file) { return keys.writeSection(file); });
    EXPECT_EQ(saved, "[SHORTCUTKEYTABLE]\r\nSHORTCUTKEY=\"Shift+F12\",\"プロパティー\"\r\n"
                     "SHORTCUTKEY=\"Ctrl+L\",\"線分\"\r\n");

    // Read back into a fresh table (the next start), with lines it cannot use among them.
    const std::string longName(60, 'K');
    std::string longLabel;
    for (int i = 0; i < 30; ++i)
        longLabel += "線";
    const std::string lines = "SHORTCUTKEY=\"Ctrl+M\",\"no such command\"\r\n"
                              "SHORTCUTKEY=\"Ctrl+N\"\r\n"
                              "SHORTCUTKEY=\"Ctrl+S\",\"線分\"\r\n"
                              "SHORTCUTKEY=\"Ctrl+C\",\"線分\"\r\n"
                              "SHORTCUTKEY=\"Ctrl+Q+X\",\"線分\"\r\n"
                              "SHORTCUTKEY=\"" + longName + "\",\"線分\"\r\n"
                              "SHORTCUTKEY=\"Ctrl+J\",\"" + longLabel + "\"\r\n"
                              "SHORTCUTKEY=Ctrl+B,矩形\r\n"
                              "SHORTCUTKEY=\"Ctrl+L\",\"矩形\"\r\n" +
                              saved.substr(saved.find('\n') + 1) + "[DISPTOOLBAR]\r\n";
    ShortcutKeys next(nullptr);
    ASSERT_EQ(next.table.setup(), 1);
    next.commands.entries.count = 0;
    ASSERT_EQ(next.commands.add(OP_PROPERTIES, "プロパティー") && next.commands.add(TOOL_LINE, "線分") &&
                  next.commands.add(TOOL_BOX, "矩形"), 1);
    SettingsBytes bytes(lines);
    EXPECT_NE(next.readSection(bytes.file), 0) << "stops at the next section";
    EXPECT_EQ(bytes.file.currentKind(), SettingsFile::kSection);
    EXPECT_EQ(next.table.commandOf(0, 1, 'L'), TOOL_LINE) << "the last line for a key wins";
    EXPECT_EQ(next.table.commandOf(1, 0, 112), OP_PROPERTIES);
    EXPECT_EQ(next.table.commandOf(0, 1, 'B'), TOOL_BOX) << "quotes may be missing";
    for (const char* name : {"Ctrl+M", "Ctrl+N", "Ctrl+S", "Ctrl+C", "Ctrl+J"})
        EXPECT_NE(labelOf(next.table, name), "線分") << name;
    EXPECT_EQ(next.table.commandOf(0, 1, 'M') + next.table.commandOf(0, 1, 'N') + next.table.commandOf(0, 1, 'C') +
                  next.table.commandOf(0, 1, 'J'), 0);

    // Every truncation of the saved section reads without harm, binding at most what it holds.
    const std::string section = saved.substr(saved.find('\n') + 1);
    for (size_t n = 0; n <= section.size(); ++n) {
        ShortcutKeys cut(nullptr);
        ASSERT_EQ(cut.table.setup(), 1);
        ASSERT_EQ(cut.commands.add(OP_PROPERTIES, "プロパティー") && cut.commands.add(TOOL_LINE, "線分"), 1);
        SettingsBytes truncated(section.substr(0, n));
        (void)cut.readSection(truncated.file); // 0 or the end: either way nothing is left half-read
        const int bound = cut.table.commandOf(0, 1, 'L');
        EXPECT_TRUE(bound == 0 || bound == TOOL_LINE) << n;
    }
}
