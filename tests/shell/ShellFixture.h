#pragma once
// Stand-ins for the shell tests: one trace that every recorder writes to, a pane manager that
// records what the frame asks of it, shortcut keys that record their start-up steps, a settings
// section owner that notes its reads and writes, and a document window whose answers a test
// scripts.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/FileProgress.h"
#include "elements/ElementKindRegistry.h"
#include "geometry/PickSettings.h"
#include "shell/DocumentWindow.h"
#include "shell/MainFrame.h"
#include "shell/ShortcutKeys.h"
#include "shell/panes/WorkspaceLayout.h"
#include "shell/settings/SettingsSectionOwner.h"
#include "views/ViewMapping.h"
#include "tests/shell/settings/SettingsFixture.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

// What the recorders saw, in order.
std::vector<std::string>& shellTrace();
void note(const std::string& entry);

// Delivers queued internal events and waiting messages until neither is left.
void settleEvents();

// A pane manager without panes: it notes the panes asked for ("toolbar 5"), the layout shown
// ("layout"), and keeps the last state given to each command.
class RecordingLayout : public WorkspaceLayout {
public:
    void closePane(int) override {}
    void beginMovePane(int) override {}
    void beginResizePane(int, int) override {}
    void onLeftPress() override
    {
        if (leftPress)
            leftPress();
    }
    void onRightPress() override {}
    void onRightPressOnPane(PaneWindow*, int) override {}
    void onIdle() override {}
    void onMouseMove() override {}
    void onScroll() override {}
    void paint() override {}
    int topEdge() override { return 0; }
    int leftEdge() override { return 0; }
    int rightEdge() override { return 0; }
    int bottomEdge() override { return 0; }
    void hideHint() override {}

    int addPane(int definitionId) override;
    void arrangeAllBands() override { note("layout"); }
    // Notes "buttons" at the first button of each update (the paper button comes first).
    void setCommandState(int commandId, int enabled) override;
    int currentCommand() override { return current; }
    void setCurrentCommand(int commandId) override;
    void refreshCurrentCommand() override { note("refresh current"); }
    void restoreCurrentButton() override { note("restore current"); }
    void keepCurrentButton() override { note("keep current"); }

    std::map<int, int> states;
    int current = -1;
    // What a left press on a pane does (a test's stand-in for a toolbar button); nothing when empty.
    std::function<void()> leftPress;
};

// Shortcut keys that note their start-up steps.
class RecordingShortcutKeys : public ShortcutKeys {
public:
    explicit RecordingShortcutKeys(MainFrame* frame) : ShortcutKeys(frame) {}
    void setup() override { note("shortcut setup"); }
    void applyToButtons() override { note("shortcut apply"); }
};

// A settings section owner that notes "settings load" when its section is read (passing over its
// keys) and "settings save" when it is written (the section line alone).
class NotingSettingsOwner : public SettingsSectionOwner {
public:
    explicit NotingSettingsOwner(int section) : sectionId(section) {}
    [[nodiscard]] int readSection(SettingsFile& file) override;
    [[nodiscard]] int writeSection(SettingsFile& file) override;

    int sectionId;
};

// A document window with a real drawing that notes the frame's calls on it; confirmSave answers
// from its script while the script lasts.
class ScriptedWindow : public DocumentWindow {
public:
    explicit ScriptedWindow(std::string windowName = "") : name(std::move(windowName)) {}

    int confirmSave() override;
    void endTool() override;
    void runDocumentOp(int id) override { note(name + "op " + std::to_string(id)); }
    void runToolButton() override { note(name + "tool button"); }

    std::string name;
    std::deque<int> answers;
};

// A new ScriptedWindow named by the order the test made it ("1: ", "2: " ...), handed to the
// frame; null when the frame did not take it.
[[nodiscard]] ScriptedWindow* addScriptedWindow(MainFrame& frame);

// A main frame with its window (not maximised, not initialised) in an application named as
// start-up names it, with the recording pane manager installed and no settings file (the one of
// the test prefix is put back afterwards). The test's windows (addWindow) are ScriptedWindows
// named "1: ", "2: " ... in the order they were made; the frame's own are plain document windows.
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new scripted window in the frame's list; fails the test when none was made.
    ScriptedWindow* addWindow();
    ScriptedWindow* windowAt(int index) { return dynamic_cast<ScriptedWindow*>(frame.documentAt(index)); }
    // The frame's menu item state (MF_GRAYED ...) and text.
    [[nodiscard]] UINT itemState(int command);
    [[nodiscard]] std::string itemText(int command);
    // WM_INITMENU, as the system sends it before a menu opens.
    void openMenu();

    TestApplication app;
    RecordingLayout layout;
    ScopedOverride<PaneLayout*> panes{app->workspaceLayout, &layout};
    SettingsFileScope settingsFile;
    ScopedOverride<FileProgress* (*)()> progress{makeFileProgress};
    MainFrame frame;
};

class FakeClock;

// A character the keyboard gives the view once the program time reaches `at`.
struct TypedLater {
    DWORD at;
    char c;
    UINT message = WM_CHAR; // WM_KEYDOWN: c is a virtual key
};

// The frame with the application's kind registry and a real document window whose view the
// mouse loops poll: each poll is taken as a message of the view (viewStep).
class ViewFrameTest : public FrameTest {
public:
    // The view of the test running (null between tests).
    static HWND viewWindow;
    static void viewStep(int);
    // A poll as the program's own pump makes it, for loops that read keys typed meanwhile: the
    // characters of typedLater whose time has come are posted to the view, one waiting message
    // or internal event is delivered, then the poll is taken as a message of the view. With
    // pollClock set, each poll moves it on by 10 ms (a script that runs by the polls of the
    // loops, not by the cursor reads of the dialogs before them); a loop still running at
    // loopDeadline (0: never) is cancelled.
    static void typingStep(int);
    static std::vector<TypedLater> typedLater;
    static FakeClock* pollClock;
    static DWORD loopDeadline;

protected:
    void SetUp() override;
    void TearDown() override;

    // The active drawing (the test's window until it opens another).
    DocumentContext& drawing() { return *frame.activeDocument()->context; }
    // The stored elements of the current page in drawing order.
    std::vector<int> pageIds();

    std::unique_ptr<ElementKindRegistry> registry{makeKindRegistry()};
    ScopedOverride<ElementKindRegistry*> kinds{theKindRegistry, registry.get()};
    ScopedOverride<ViewMapping::PumpStep> polls{ViewMapping::pumpStep, &viewStep};
    PickSettings pickSettings;
    ScopedOverride<PickSettings*> pick{thePickSettings, &pickSettings};
    DocumentWindow* window = nullptr;
};
