#include "tests/shell/ShellFixture.h"

#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "document/PageChainTable.h"
#include "geometry/SettingsFile.h"
#include "platform/Clock.h"
#include "platform/CurrentEvent.h"
#include "shell/FrameCommands.h"
#include "shell/StartUp.h"
#include "tests/support/FakeClock.h"

namespace {
int windowsMade = 0;
}

std::vector<std::string>& shellTrace()
{
    static std::vector<std::string> trace;
    return trace;
}

void note(const std::string& entry) { shellTrace().push_back(entry); }

void settleEvents()
{
    for (int round = 0; round < 100; ++round) {
        bool any = false;
        while (theCurrentEvent->popAndRoute())
            any = true;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                // Kept for the code under test.
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
            any = true;
        }
        if (!any)
            return;
    }
}

int RecordingLayout::addPane(int definitionId)
{
    note("toolbar " + std::to_string(definitionId));
    return 1;
}

void RecordingLayout::setCommandState(int commandId, int enabled)
{
    if (commandId == TOOL_YOUSI)
        note("buttons");
    states[commandId] = enabled;
}

void RecordingLayout::setCurrentCommand(int commandId)
{
    note("current " + std::to_string(commandId));
    current = commandId;
}

int ScriptedWindow::confirmSave()
{
    note(name + "confirm");
    if (answers.empty())
        return DocumentWindow::confirmSave();
    const int answer = answers.front();
    answers.pop_front();
    if (!answer)
        theCurrentEvent->cancelClose();
    return answer;
}

void ScriptedWindow::endTool()
{
    note(name + "end tool");
    DocumentWindow::endTool();
}

int NotingSettingsOwner::readSection(SettingsFile& file)
{
    note("settings load");
    int result;
    while ((result = file.readKey()) != 0 && file.currentKind() != SettingsFile::kSection) {
    }
    return result;
}

int NotingSettingsOwner::writeSection(SettingsFile& file)
{
    note("settings save");
    return file.writeSection(sectionId);
}

ScriptedWindow* addScriptedWindow(MainFrame& frame)
{
    // As the frame does before it makes a window of its own: errors of earlier work do not count.
    if (theApplication)
        theApplication->errorCount = 0;
    return dynamic_cast<ScriptedWindow*>(frame.addDocumentWindow(new ScriptedWindow(std::to_string(++windowsMade) + ": ")));
}

void FrameTest::SetUp()
{
    shellTrace().clear();
    windowsMade = 0;
    nameApplication(*theApplication);
    app->showCommand = SW_HIDE;
    app->frame = &frame;
    app->setWindowMenuPosition(4);
    ASSERT_TRUE(frame.create());
    settleEvents();
}

void FrameTest::TearDown()
{
    if (IsWindow(frame.hwnd()))
        frame.destroy();
    settleEvents();
    app->frame = nullptr;
}

ScriptedWindow* FrameTest::addWindow()
{
    ScriptedWindow* window = addScriptedWindow(frame);
    EXPECT_TRUE(window);
    settleEvents();
    return window;
}

UINT FrameTest::itemState(int command)
{
    return GetMenuState(frame.menu.menu.handle, static_cast<UINT>(command), MF_BYCOMMAND);
}

std::string FrameTest::itemText(int command)
{
    char text[256] = {};
    GetMenuStringA(frame.menu.menu.handle, static_cast<UINT>(command), text, sizeof text, MF_BYCOMMAND);
    return text;
}

void FrameTest::openMenu()
{
    SendMessageA(frame.hwnd(), WM_INITMENU, reinterpret_cast<WPARAM>(frame.menu.menu.handle), 0);
}

HWND ViewFrameTest::viewWindow = nullptr;

void ViewFrameTest::viewStep(int) { theCurrentEvent->hwnd = viewWindow; }

std::vector<TypedLater> ViewFrameTest::typedLater;
FakeClock* ViewFrameTest::pollClock = nullptr;
DWORD ViewFrameTest::loopDeadline = 0;

void ViewFrameTest::typingStep(int)
{
    if (pollClock)
        pollClock->advance(10);
    const DWORD now = currentTickCount();
    for (TypedLater& typed : typedLater) {
        if (typed.at && now >= typed.at) {
            (void)PostMessageA(viewWindow, typed.message, static_cast<unsigned char>(typed.c), 0);
            typed.at = 0;
        }
    }
    CurrentEvent& event = *theCurrentEvent;
    MSG waiting;
    if (event.queuedCount() > 0 || PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE)) {
        event.mayBlock = 0;
        (void)event.pumpStepModal(0); // flags 0: never asks the loop to end
    }
    event.hwnd = viewWindow;
    if (loopDeadline && now >= loopDeadline)
        event.abortLoop = 1;
}

void ViewFrameTest::SetUp()
{
    FrameTest::SetUp();
    window = frame.createDocumentWindow();
    ASSERT_TRUE(window && window->context && window->context->view);
    settleEvents();
    viewWindow = window->hwnd();
}

void ViewFrameTest::TearDown()
{
    viewWindow = nullptr;
    FrameTest::TearDown();
}

std::vector<int> ViewFrameTest::pageIds()
{
    std::vector<int> ids;
    ElementStore* store = drawing().elementStore();
    ElementIndexEntry entry;
    for (int id = store->pageTable->getFirst(drawing().currentPage()); id >= 1 && ids.size() < 100;
         id = store->getEntry(id, &entry) ? entry.pageNext : -1)
        ids.push_back(id);
    return ids;
}
