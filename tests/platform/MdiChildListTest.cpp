// Document windows in the frame's MDI client: at most four, closing in two steps, activation,
// iteration and scrolling.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

#include "platform/ChildScrollBar.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/EventRouter.h"
#include "platform/FrameWindow.h"
#include "platform/MdiChildList.h"
#include "platform/MdiChildWindow.h"
#include "platform/WindowHandle.h"
#include "tests/support/HandleForms.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

// A document window that counts what happens to it.
class TestDocument : public MdiChildWindow {
public:
    static int deleted;
    static int contentsDestroyed;
    ~TestDocument() override { ++deleted; }
    void destroyContents() override { ++contentsDestroyed; }
    int create() override { return failCreate ? 0 : MdiChildWindow::create(); }
    void scrollHorizontally(int amount) override { scrolls.push_back(amount); }
    int handleEvent() override
    {
        if (cancelClose && theCurrentEvent->code == EV_CLOSE) {
            theCurrentEvent->cancelClose();
            return 1;
        }
        return MdiChildWindow::handleEvent();
    }

    bool failCreate = false;
    bool cancelClose = false;
    std::vector<int> scrolls;
};
int TestDocument::deleted = 0;
int TestDocument::contentsDestroyed = 0;

std::vector<int> queuedCodes()
{
    std::vector<int> codes;
    for (int i = 0; i < theCurrentEvent->queue.count; ++i) {
        QueuedEvent* e = nullptr;
        EXPECT_TRUE(theCurrentEvent->queue.get(i, &e));
        codes.push_back(e ? e->code : -1);
    }
    return codes;
}

void drainQueue()
{
    while (theCurrentEvent->popAndRoute()) {
    }
}

class Documents : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestDocument::deleted = 0;
        TestDocument::contentsDestroyed = 0;
        app->frame = &frame;
        app->setWindowMenuPosition(4);
        ASSERT_TRUE(frame.create());
        drainQueue();
    }
    void TearDown() override
    {
        if (IsWindow(frame.hwnd()))
            frame.destroy();
        app->frame = nullptr;
    }

    TestDocument* addDocument(const char* title = "doc")
    {
        auto* document = new TestDocument;
        document->title = title;
        if (!list().add(document))
            return nullptr;
        drainQueue();
        return document;
    }
    MdiChildList& list() { return frame.documents; }

    TestApplication app;
    RecordingFrame frame;
};

TEST_F(Documents, AtMostFourAndRoomAgainAfterAClose)
{
    int created = app->documentsCreated;
    std::vector<TestDocument*> documents;
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(list().hasRoom());
        TestDocument* d = addDocument();
        ASSERT_TRUE(d);
        documents.push_back(d);
    }
    EXPECT_FALSE(list().hasRoom());
    EXPECT_EQ(list().count, 4);
    EXPECT_EQ(app->documentsCreated, created + 4);
    EXPECT_TRUE(list().hasActive());

    char name[64] = {};
    GetClassNameA(documents[0]->hwnd(), name, sizeof name);
    EXPECT_STREQ(name, "korvaneDoc");
    EXPECT_EQ(GetParent(documents[0]->hwnd()), frame.mdiClientHandle());
    EXPECT_EQ(theEventRouter->findWindow(documents[2]->hwnd()), documents[2]);
    // Every window drives its own two scroll bars.
    ASSERT_TRUE(documents[0]->horizontalBar && documents[0]->verticalBar);
    EXPECT_EQ(documents[0]->horizontalBar->barType, SB_HORZ);
    EXPECT_EQ(documents[0]->verticalBar->barWindow, documents[0]->hwnd());

    HWND closed = documents[1]->hwnd();
    EXPECT_EQ(list().closeChild(documents[1]->serial), 1);
    EXPECT_FALSE(IsWindow(closed));
    EXPECT_EQ(TestDocument::deleted, 1);
    EXPECT_EQ(TestDocument::contentsDestroyed, 1);
    EXPECT_EQ(list().activeSerial, -1);
    EXPECT_EQ(list().count, 3);
    EXPECT_TRUE(list().hasRoom());
    EXPECT_FALSE(list().hasActive());

    // An id that is not a document of the list leaves its owner alone.
    EXPECT_EQ(list().closeChild(frame.serial), 0);
    EXPECT_EQ(theEventRouter->findSerial(frame.serial), &frame);

    // Iteration sees each window once, in order.
    std::vector<MdiChildWindow*> seen;
    for (MdiChildWindow* w = list().first(); w; w = list().next())
        seen.push_back(w);
    EXPECT_EQ(seen, (std::vector<MdiChildWindow*>{documents[0], documents[2], documents[3]}));
    EXPECT_EQ(list().getAt(3), nullptr);
    EXPECT_EQ(list().getAt(-1), nullptr);

    // The rest are deleted with the frame's list.
    list().destroyAll();
    EXPECT_EQ(TestDocument::deleted, 4);
    EXPECT_EQ(list().count, 0);
}

TEST_F(Documents, ClosingTakesTwoSteps)
{
    TestDocument* d = addDocument();
    ASSERT_TRUE(d);
    HWND window = d->hwnd();
    SendMessageA(window, WM_CLOSE, 0, 0);
    // First step: the window posted 6032 and the MDI client destroyed the window; the object is
    // still in the list.
    EXPECT_EQ(queuedCodes(), std::vector<int>{EV_DOCUMENT_CLOSED});
    EXPECT_EQ(list().count, 1);
    EXPECT_EQ(TestDocument::deleted, 0);
    EXPECT_FALSE(IsWindow(window));
    // Second step: the frame removes it.
    drainQueue();
    EXPECT_EQ(list().count, 0);
    EXPECT_EQ(TestDocument::deleted, 1);
    EXPECT_EQ(TestDocument::contentsDestroyed, 1);

    // A close cancelled by the window keeps it.
    TestDocument* kept = addDocument();
    kept->cancelClose = true;
    SendMessageA(kept->hwnd(), WM_CLOSE, 0, 0);
    drainQueue();
    EXPECT_TRUE(IsWindow(kept->hwnd()));
    EXPECT_EQ(list().count, 1);
}

TEST_F(Documents, ActiveIdChangesPostTheirEvent)
{
    TestDocument* a = addDocument();
    TestDocument* b = addDocument();
    ASSERT_TRUE(a && b);
    list().setActiveById(b->serial);
    drainQueue();
    list().setActiveById(b->serial);
    EXPECT_TRUE(queuedCodes().empty());
    list().setActiveById(a->serial);
    EXPECT_EQ(queuedCodes(), std::vector<int>{EV_ACTIVE_DOCUMENT_CHANGED});
    drainQueue();
    EXPECT_TRUE(a->isActive());
    EXPECT_FALSE(b->isActive());
    // setActive posts whether or not the id changed.
    list().setActive(a);
    EXPECT_EQ(queuedCodes(), std::vector<int>{EV_ACTIVE_DOCUMENT_CHANGED});
    drainQueue();

    // The activation event of a window reaches the frame as 6010 with its id, then 6060.
    frame.codes.clear();
    list().setActiveById(-1);
    drainQueue();
    ASSERT_EQ(theCurrentEvent->translateMessage(b->hwnd(), WM_SETFOCUS, 0, 0), 0);
    b->handleEvent();
    EXPECT_EQ(queuedCodes(), (std::vector<int>{EV_DOCUMENT_ACTIVATED, EV_CHILD_ACTIVATED}));
    drainQueue();
    EXPECT_EQ(list().activeSerial, b->serial);
    EXPECT_EQ(frame.codes, (std::vector<int>{EV_ACTIVE_DOCUMENT_CHANGED, EV_DOCUMENT_ACTIVATED, EV_CHILD_ACTIVATED,
                                             EV_ACTIVE_DOCUMENT_CHANGED}));
}

TEST_F(Documents, AFailedCreationUndoesTheAdd)
{
    TestDocument* first = addDocument();
    ASSERT_TRUE(first);
    int active = list().activeSerial;
    auto* failing = new TestDocument;
    failing->failCreate = true;
    int serial = failing->serial;
    EXPECT_EQ(list().add(failing), 0);
    EXPECT_EQ(list().count, 1);
    EXPECT_EQ(TestDocument::deleted, 1);
    EXPECT_EQ(theEventRouter->findSerial(serial), nullptr);
    EXPECT_EQ(list().activeSerial, active);
}

TEST_F(Documents, ScrollPositionsScrollTheWindowByTheChange)
{
    TestDocument* d = addDocument();
    ASSERT_TRUE(d);
    d->horizontalBar->setPosition(0, TRUE);
    d->setHScrollPos(30);
    EXPECT_EQ(d->horizontalBar->position(), 30);
    d->setHScrollPos(30);
    d->setHScrollPos(10);
    EXPECT_EQ(d->scrolls, (std::vector<int>{-30, 20}));
}

TEST_F(Documents, TheActiveWindowFollowsTheMdiClient)
{
    TestDocument* a = addDocument("a");
    TestDocument* b = addDocument("b");
    ASSERT_TRUE(a && b);
    EXPECT_EQ(list().activeChild(), b);
    SendMessageA(frame.mdiClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a->hwnd()), 0);
    EXPECT_EQ(list().activeChild(), a);
    // A handle with its top bit set comes back from the MDI client zero-extended while the window
    // was given it sign-extended: the window is found by the handle's 32 bits all the same (after
    // some 30,000 windows made and closed, the drawing just made was not the active one).
    const HWND held = a->hwnd();
    a->attachHwnd(otherHandleForm(held));
    EXPECT_EQ(list().activeChild(), a) << "the handle's other form";
    a->attachHwnd(held);
    EXPECT_TRUE(sameWindow(reinterpret_cast<HWND>(uintptr_t{0x8015012E}), reinterpret_cast<HWND>(~uintptr_t{0} << 32 | 0x8015012E)));
    EXPECT_FALSE(sameWindow(reinterpret_cast<HWND>(uintptr_t{0x8015012E}), reinterpret_cast<HWND>(uintptr_t{0x8016012E})));
    EXPECT_TRUE(list().closeChild(a->serial));
    EXPECT_TRUE(list().closeChild(b->serial));
    EXPECT_EQ(list().activeChild(), nullptr);
    EXPECT_EQ(list().activeSerial, -1);
}

} // namespace

namespace {

TEST_F(Documents, WindowMenuAtPositionFourListsTheDocuments)
{
    HMENU windowMenu = GetSubMenu(GetMenu(frame.hwnd()), 3);
    ASSERT_TRUE(windowMenu);
    EXPECT_EQ(GetMenuItemCount(windowMenu), 1);
    TestDocument* d = addDocument("図面1");
    ASSERT_TRUE(d);
    int items = GetMenuItemCount(windowMenu);
    ASSERT_GE(items, 2);
    EXPECT_EQ(GetMenuItemID(windowMenu, items - 1), 101u);
    EXPECT_EQ(GetDlgCtrlID(d->hwnd()), 101);

    // A document that takes another title (its file's name, a change mark) is listed under it.
    const auto listed = [&] {
        char text[128] = {};
        GetMenuStringA(windowMenu, 101, text, sizeof text, MF_BYCOMMAND);
        return std::string(text);
    };
    EXPECT_NE(listed().find("図面1"), std::string::npos) << listed();
    d->setTitle("*部品表  72 dpi ");
    EXPECT_NE(listed().find("*部品表  72 dpi"), std::string::npos) << listed();
}

TEST(DocumentWindowMenu, PositionZeroGivesNoWindowMenu)
{
    TestApplication app;
    RecordingFrame frame;
    ScopedOverride appFrame(app->frame, &frame);
    app->setWindowMenuPosition(0);
    ASSERT_TRUE(frame.create());
    ASSERT_TRUE(frame.documents.add(new MdiChildWindow));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetMenu(frame.hwnd()), i)), 1);
    frame.destroy();
}

} // namespace

namespace {

void pumpFor(DWORD ms)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG m;
        if (PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE) || theCurrentEvent->queuedCount())
            theCurrentEvent->pumpStepNoWait(0);
        else
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void clickAt(int x, int y)
{
    INPUT input[3] = {};
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    for (INPUT& i : input) {
        i.type = INPUT_MOUSE;
        i.mi.dx = (x * 65536 + cx / 2) / cx;
        i.mi.dy = (y * 65536 + cy / 2) / cy;
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, input, sizeof(INPUT));
}

void pressCtrlF6()
{
    INPUT input[4] = {};
    WORD keys[4] = {VK_CONTROL, VK_F6, VK_F6, VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
        input[i].type = INPUT_KEYBOARD;
        input[i].ki.wVk = keys[i];
        input[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, input, sizeof(INPUT));
}

TEST_F(Documents, ActivationByClickAndByCtrlF6)
{
    // Real input through the system: the frame must be shown and in front.
    ShowWindow(frame.hwnd(), SW_SHOWNORMAL);
    MoveWindow(frame.hwnd(), 120, 90, 800, 600, TRUE);
    SetForegroundWindow(frame.hwnd());
    TestDocument* a = addDocument("a");
    TestDocument* b = addDocument("b");
    ASSERT_TRUE(a && b);
    MoveWindow(a->hwnd(), 0, 0, 300, 200, TRUE);
    MoveWindow(b->hwnd(), 350, 0, 300, 200, TRUE);
    pumpFor(100);
    ASSERT_EQ(list().activeChild(), b);

    RECT r;
    GetWindowRect(a->hwnd(), &r);
    clickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    pumpFor(300);
    EXPECT_EQ(list().activeChild(), a);
    EXPECT_EQ(list().activeSerial, a->serial);

    pressCtrlF6();
    pumpFor(300);
    EXPECT_EQ(list().activeChild(), b);
    EXPECT_EQ(list().activeSerial, b->serial);
}

} // namespace

namespace {

TEST_F(Documents, EachWindowKeepsItsOwnHandleWhileAnotherIsCreated)
{
    TestDocument* a = addDocument("a");
    ASSERT_TRUE(a);
    HWND first = a->hwnd();
    SendMessageA(frame.mdiClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(first), 0);
    TestDocument* b = addDocument("b");
    ASSERT_TRUE(b);
    EXPECT_EQ(a->hwnd(), first);
    EXPECT_NE(b->hwnd(), first);
    EXPECT_EQ(theEventRouter->findWindow(b->hwnd()), b);
    EXPECT_EQ(theEventRouter->findWindow(first), a);
}

} // namespace
