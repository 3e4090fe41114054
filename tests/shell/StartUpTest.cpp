// Start-up and shutdown of the frame: the order of its steps with recording factory hooks, the
// global managers' slots, the splash's minimum time and the drawing named on the command line.
#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "dialogs/colour/NamedColorTable.h"
#include "document/BezierDefaults.h"
#include "document/ElementClipboard.h"
#include "document/FileErrorReporter.h"
#include "document/FolderMemory.h"
#include "document/LayerTable.h"
#include "document/LineDefaults.h"
#include "document/MeasureDefaults.h"
#include "document/PagePainter.h"
#include "document/PageTabBar.h"
#include "document/PainterBase.h"
#include "document/PartsLibrary.h"
#include "document/PdfExportJob.h"
#include "document/PictureDefaults.h"
#include "document/PopupMenuList.h"
#include "document/PrintSettings.h"
#include "document/TextDefaults.h"
#include "elements/ElementKindRegistry.h"
#include "geometry/FontChangeTable.h"
#include "geometry/GridSettings.h"
#include "geometry/InkInfo.h"
#include "geometry/PaperSettings.h"
#include "geometry/PickSettings.h"
#include "platform/ColorDialog.h"
#include "platform/CurrentEvent.h"
#include "platform/EventRouter.h"
#include "platform/UnitConverter.h"
#include "shell/FrameCommands.h"
#include "shell/GlobalManagers.h"
#include "shell/SplashScreen.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/FakeClock.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "views/LowMemoryGuard.h"
#include "views/ScreenResolution.h"

namespace {

// Slot N's hook: notes "global N" and makes what the default hook makes.
template <int N, auto Hook> auto recorded() -> decltype((defaultGlobalManagerFactories().*Hook)())
{
    note("global " + std::to_string(N));
    auto made = defaultGlobalManagerFactories().*Hook;
    return made ? made() : nullptr;
}

// The addresses given to operator delete while `noting` is set, in order.
bool noting = false;
const void* deleted[4096];
int deletedCount = 0;

void recordEverySlot(GlobalManagerFactories& f)
{
#define RECORD(n, field) f.field = &recorded<n, &GlobalManagerFactories::field>
    RECORD(1, notifier);         RECORD(2, printSettings);    RECORD(3, pdfExportJob);
    RECORD(4, fileErrorReporter); RECORD(5, colorChooser);    RECORD(6, unitConverter);
    RECORD(7, elementClipboard); RECORD(8, sparePainter);     RECORD(9, scratchPainter);
    RECORD(10, popupMenuList);   RECORD(11, layerTable);      RECORD(12, kindRegistry);
    RECORD(13, pickSettings);    RECORD(14, screenResolution); RECORD(15, pagePainter);
    RECORD(16, pageTabBar);      RECORD(17, fontChangeTable); RECORD(18, paperDefaults);
    RECORD(19, gridDefaults);    RECORD(20, lineDefaults);    RECORD(21, bezierDefaults);
    RECORD(22, pictureDefaults); RECORD(23, measureDefaults); RECORD(24, textDefaults);
    RECORD(25, folderMemory);    RECORD(26, lowMemoryGuard);  RECORD(27, userColorTable);
    RECORD(28, dicColorTable);   RECORD(29, inkInfo);
#undef RECORD
}

// A layer table whose fifth layer lost its default name: start-up gives it back.
LayerTable* renamedLayers()
{
    note("global 11");
    auto* table = new LayerTable;
    table->setName(5, "x");
    return table;
}

PartsLibrary* recordedLibrary(int number)
{
    note("parts " + std::to_string(number) +
         (theLayerTable && theLayerTable->hasDefaultName(5) ? " after the layers" : " before the layers"));
    return new PartsLibrary(number);
}

// Every slot of the table, in slot order.
std::vector<const void*> slotValues()
{
    return {theGlobalNotifier, thePrintSettings,   thePdfExportJob,    theFileErrorReporterInUse, theColorChooser,
            theUnitConverter,  theElementClipboard, theSparePainter,   theOverlayPainter,         thePopupMenuList,
            theLayerTable,     theKindRegistry,    thePickSettings,    theScreenResolution,       thePagePainter,
            thePageTabBar,     theFontChangeTable, thePaperDefaults,   theGridDefaults,           theLineDefaults,
            theBezierDefaults, thePictureDefaults, theMeasureDefaults, theTextDefaults,           theFolderMemory,
            theLowMemoryGuard, theUserColorTable,  theDicColorTable,   theInkInfo};
}

class StartUp : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        recordEverySlot(globalManagerFactories);
        globalManagerFactories.partsLibrary = recordedLibrary;
        delete frame.shortcutKeys;
        frame.shortcutKeys = new RecordingShortcutKeys(&frame);
        settingsHooks.loadSettings = [] { note("settings load"); return 1; };
        running = &clock;
        SplashScreen::sleeper = [](DWORD ms) { running->advance(ms); };
    }
    void TearDown() override
    {
        destroyGlobals();
        FrameTest::TearDown();
    }

    FakeClock clock;
    static FakeClock* running;
    ScopedOverride<GlobalManagerFactories> hooks{globalManagerFactories};
    ScopedOverride<SplashScreen::Sleeper> sleeper{SplashScreen::sleeper};
};
FakeClock* StartUp::running = nullptr;

} // namespace

// Shutdown's order is read from the deletions themselves.
void operator delete(void* p) noexcept
{
    if (noting && p && deletedCount < 4096)
        deleted[deletedCount++] = p;
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { ::operator delete(p); }

TEST_F(StartUp, RunsEveryStepInOrderAndShutdownEmptiesEverySlot)
{
    globalManagerFactories.layerTable = renamedLayers;
    frame.initialize();

    std::vector<std::string> expected;
    for (int n = 1; n <= 29; ++n)
        expected.push_back("global " + std::to_string(n));
    for (int n = 1; n <= 3; ++n)
        expected.push_back("parts " + std::to_string(n) + " after the layers");
    for (int toolbar : {1, 2, 3, 4, 6, 7, 8, 9, 5, 10, 11, 12, 13})
        expected.push_back("toolbar " + std::to_string(toolbar));
    for (const char* step : {"shortcut setup", "settings load", "shortcut apply", "layout", "buttons"})
        expected.push_back(step);
    EXPECT_EQ(shellTrace(), expected);
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(partsLibraryToolbar(n), 9 + n);

    // One drawing, maximised, made between the layout and the button states.
    ASSERT_EQ(frame.documentCount(), 1);
    BOOL maximised = FALSE;
    EXPECT_EQ(SendMessageA(frame.mdiClientHandle(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)),
              reinterpret_cast<LRESULT>(frame.documentAt(0)->hwnd()));
    EXPECT_TRUE(maximised);
    EXPECT_EQ(layout.states[TOOL_LINE], 1);
    char name[64] = {};
    GetClassNameA(frame.hwnd(), name, sizeof name);
    EXPECT_STREQ(name, "korvane");
    GetClassNameA(frame.documentAt(0)->hwnd(), name, sizeof name);
    EXPECT_STREQ(name, "korvaneDoc");
    GetWindowTextA(frame.documentAt(0)->hwnd(), name, sizeof name);
    EXPECT_STREQ(name, "SINKI  72 dpi "); // the title and the view's resolution
    GetWindowTextA(frame.hwnd(), name, sizeof name);
    EXPECT_EQ(std::string(name).rfind("Korvane", 0), 0u) << name;

    // Only empty slots are asked again.
    const std::vector<const void*> made = slotValues();
    expected.clear();
    for (int n = 1; n <= 29; ++n)
        if (!made[n - 1])
            expected.push_back("global " + std::to_string(n));
    shellTrace().clear();
    createGlobals();
    EXPECT_EQ(shellTrace(), expected);
    // The slots that held a manager keep it. (The spare painter of slot 8 was adopted by the
    // drawing, so its slot is made again.)
    const std::vector<const void*> again = slotValues();
    for (int n = 1; n <= 29; ++n)
        if (made[n - 1])
            EXPECT_EQ(again[n - 1], made[n - 1]) << n;

    // Shutdown deletes in its fixed order, the parts libraries after the colour chooser (slot 5,
    // "P"), and leaves every slot and library empty. Slot 4's reporter is a lasting object that is
    // only taken out of service.
    std::vector<std::pair<const void*, std::string>> owners;
    for (int n = 1; n <= 29; ++n)
        if (made[n - 1] && n != 4)
            owners.push_back({made[n - 1], std::to_string(n)});
    for (int n = 1; n <= 3; ++n)
        owners.push_back({existingPartsLibrary(n), "P"});
    deletedCount = 0;
    noting = true;
    destroyGlobals();
    noting = false;
    std::string order;
    for (int i = 0; i < deletedCount; ++i)
        for (const auto& owner : owners)
            if (owner.first == deleted[i])
                order += owner.second + " ";
    std::string expectedOrder;
    for (int n : {3, 2, 1, 6, 5, 0, 0, 0, 29, 28, 27, 26, 25, 24, 23, 21, 22, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11,
                  10, 8, 9, 7})
        if (n == 0)
            expectedOrder += "P ";
        else if (made[n - 1])
            expectedOrder += std::to_string(n) + " ";
    EXPECT_EQ(order, expectedOrder);
    for (const void* slot : slotValues())
        EXPECT_EQ(slot, nullptr);
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(existingPartsLibrary(n), nullptr);
}

TEST_F(StartUp, AFailingHookLeavesOnlyItsSlotEmpty)
{
    globalManagerFactories.layerTable = [] { note("global 11"); return static_cast<LayerTable*>(nullptr); };
    globalManagerFactories.elementClipboard = [] { return static_cast<ElementClipboard*>(nullptr); };
    frame.initialize();

    EXPECT_EQ(theLayerTable, nullptr);
    EXPECT_EQ(theElementClipboard, nullptr);
    EXPECT_NE(thePickSettings, nullptr);
    EXPECT_NE(theFolderMemory, nullptr);
    EXPECT_NE(std::find(shellTrace().begin(), shellTrace().end(), "parts 1 before the layers"), shellTrace().end());
    EXPECT_EQ(frame.documentCount(), 1) << "start-up goes on to the first drawing";
}

TEST_F(StartUp, TheSplashIsPaintedAtOnceAndStaysAtLeastASecond)
{
    struct Case {
        DWORD startUpMs;
        DWORD closedAtMs;
    };
    for (const Case& c : {Case{200, 1000}, Case{1500, 1500}}) {
        SCOPED_TRACE(c.startUpMs);
        clock.set(5000);
        SplashScreen splash(frame.hwnd());
        HWND window = splash.window();
        ASSERT_TRUE(window);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE)) << "painted right after it was made";
        RECT client = {};
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, 400);
        EXPECT_EQ(client.bottom, 250);
        clock.advance(c.startUpMs);
        splash.waitMinimumTime();
        EXPECT_GE(clock.now() - 5000, c.closedAtMs);
        EXPECT_LT(clock.now() - 5000, c.closedAtMs + SplashScreen::kWaitStepMs);
    }
}

TEST_F(StartUp, TheCommandLineOpensASavedDrawingInTheFirstWindow)
{
    ScratchFolder scratch;
    const std::string saved = scratch.pathOf("drawing.ycx");
    {
        ScriptedWindow* maker = addWindow();
        ASSERT_TRUE(maker);
        ASSERT_EQ(maker->setPath(saved.c_str()), 1);
        ASSERT_EQ(maker->save(), 1);
        ::postCloseRequest(maker->serial);
        settleEvents();
        ASSERT_EQ(frame.documentCount(), 0);
    }
    const std::string folder = scratch.path();
    const std::string longPath = folder + std::string(300 - folder.size() - 4, 'x') + ".ycx";

    struct Case {
        std::string commandLine;
        std::string title; // of the first window afterwards
        size_t reports;    // message boxes shown
    };
    const std::vector<Case> cases = {
        {"", "SINKI", 0},
        {"a.y", "SINKI", 0},
        {saved, "drawing", 0},
        {"  \"" + saved + "\"  ", "drawing", 0},
        {scratch.pathOf("missing.ycx"), "SINKI", 1},
        {folder, "SINKI", 1},
        {longPath, "SINKI", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        MessageBoxScript boxes;
        ScriptedWindow* first = addWindow();
        ASSERT_TRUE(first);
        ScopedOverride<const char*> line(app->commandLine, c.commandLine.c_str());
        app->openCommandLineFile();
        settleEvents();
        EXPECT_EQ(boxes.shown().size(), c.reports);
        ASSERT_EQ(frame.documentCount(), 1) << "nothing else opens";
        EXPECT_STREQ(first->documentTitle(), c.title.c_str());
        EXPECT_EQ(first->isModified(), 0);
        first->answers = {1};
        ::postCloseRequest(first->serial);
        settleEvents();
    }
}
