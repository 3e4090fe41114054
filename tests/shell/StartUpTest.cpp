// Start-up and shutdown of the frame: the order of its steps read from the allocations, the
// global managers' slots, the splash's minimum time, the drawing named on the command line and the
// inks the defaults' colours take under the colour model the settings name, keep through their
// dialogs and the close, and give the next start.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "dialogs/colour/NamedColorTable.h"
#include "document/BezierDefaults.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementClipboard.h"
#include "document/ElementEditorBase.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/FileErrorReporter.h"
#include "document/FolderMemory.h"
#include "document/LayerTable.h"
#include "document/LineDefaults.h"
#include "document/MeasureDefaults.h"
#include "document/PageChainTable.h"
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
#include "geometry/DrawLineAttribute.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/FontChangeTable.h"
#include "geometry/GridSettings.h"
#include "geometry/HatchAttributes.h"
#include "geometry/InkInfo.h"
#include "geometry/LineAttribute.h"
#include "geometry/PaperSettings.h"
#include "geometry/PickSettings.h"
#include "io/pdf/PdfExportCommand.h"
#include "io/postscript/PostScriptWriter.h"
#include "io/print/PrintRecord.h"
#include "platform/ColorDialog.h"
#include "platform/CurrentEvent.h"
#include "platform/EventRouter.h"
#include "platform/TabControl.h"
#include "resources/ids_bezier.h"
#include "resources/ids_defaults.h"
#include "resources/ids_text_measure_defaults.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/MeasureAttributes.h"
#include "shell/FrameCommands.h"
#include "shell/GlobalManagers.h"
#include "shell/SplashScreen.h"
#include "shell/settings/AppSettingsFile.h"
#include "shell/settings/SettingsIds.h"
#include "shell/settings/SettingsSections.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FileDialogScript.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/support/SampleElements.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixScript.h"
#include "views/LowMemoryGuard.h"
#include "views/ScreenResolution.h"

namespace {

// What operator new handed out while `recording` is set: the address, how long the shell trace was
// then, and whether the layer table held its default names at that moment.
struct Allocation {
    const void* address;
    size_t traceLength;
    bool layersNamed;
};
bool recording = false;
bool inRecorder = false;
Allocation allocations[1 << 17];
int allocationCount = 0;
// While `refusing` is set and the shell trace has not grown, a nothrow allocation of one of these
// sizes fails, as when the memory for that manager is not there.
bool refusing = false;
size_t refusedSizes[2] = {};
size_t refusedUntilTrace = 0;

// The addresses given to operator delete while `noting` is set, in order.
bool noting = false;
const void* deleted[4096];
int deletedCount = 0;

void* allocate(std::size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (recording && !inRecorder && p && allocationCount < static_cast<int>(sizeof allocations / sizeof allocations[0])) {
        inRecorder = true;
        allocations[allocationCount++] = {p, shellTrace().size(), theLayerTable && theLayerTable->hasDefaultName(5)};
        inRecorder = false;
    }
    return p;
}

// The allocation that made the live object at `address`, or null when it was not made while recording.
const Allocation* allocationOf(const void* address)
{
    for (int i = allocationCount - 1; i >= 0; --i)
        if (allocations[i].address == address)
            return &allocations[i];
    return nullptr;
}

// Every global manager's slot, numbered by its place in the start-up's creation order.
std::vector<std::pair<int, const void*>> slotValues()
{
    return {{2, thePrintSettings},     {3, thePdfExportJob},     {5, theColorChooser},      {7, theElementClipboard},
            {8, theSparePainter},      {9, theOverlayPainter},   {10, thePopupMenuList},    {11, theLayerTable},
            {12, theKindRegistry},     {13, thePickSettings},    {14, theScreenResolution}, {15, thePagePainter},
            {16, thePageTabBar},       {17, theFontChangeTable}, {18, thePaperDefaults},    {19, theGridDefaults},
            {20, theLineDefaults},     {21, theBezierDefaults},  {22, thePictureDefaults},  {23, theMeasureDefaults},
            {24, theTextDefaults},     {25, theFolderMemory},    {26, theLowMemoryGuard},   {27, theUserColorTable},
            {28, theDicColorTable},    {29, theInkInfo}};
}

// The shell trace with "global n" and "parts n" put in where the recorded allocations made them.
std::vector<std::string> traceWithAllocations(const std::vector<std::pair<std::string, const void*>>& made)
{
    std::vector<std::pair<const Allocation*, std::string>> placed;
    for (const auto& m : made)
        if (const Allocation* a = allocationOf(m.second))
            placed.push_back({a, m.first});
    std::sort(placed.begin(), placed.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    std::vector<std::string> trace;
    size_t next = 0;
    for (size_t i = 0; i <= shellTrace().size(); ++i) {
        for (; next < placed.size() && placed[next].first->traceLength == i; ++next)
            trace.push_back(placed[next].second);
        if (i < shellTrace().size())
            trace.push_back(shellTrace()[i]);
    }
    return trace;
}

class StartUp : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        standIn(frame.shortcutKeys, new RecordingShortcutKeys(&frame));
        putSettings("[DRAWENVIRONMENT]\r\n");
        running = &clock;
        SplashScreen::sleeper = [](DWORD ms) { running->advance(ms); };
    }
    void TearDown() override
    {
        recording = refusing = false;
        destroyGlobals();
        FrameTest::TearDown();
    }

    // Start-up with the settings text, the drawing environment (and its colour model) read by its
    // own owner; the fixture's override puts the noting owner back afterwards.
    void startWithSettings(const std::string& bytes)
    {
        *settingsOwnerSlot(settings_id::DrawEnvironment) = settingsOwner.previous();
        putSettings(bytes);
        frame.initialize();
        settleEvents();
    }

    FakeClock clock;
    static FakeClock* running;
    ScopedOverride<SplashScreen::Sleeper> sleeper{SplashScreen::sleeper};
    NotingSettingsOwner settings{settings_id::DrawEnvironment};
    ScopedOverride<SettingsSectionOwner*> settingsOwner{*settingsOwnerSlot(settings_id::DrawEnvironment), &settings};
};
FakeClock* StartUp::running = nullptr;

} // namespace

void* operator new(std::size_t size)
{
    void* p = allocate(size);
    if (!p)
        throw std::bad_alloc();
    return p;
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (refusing && !inRecorder && shellTrace().size() <= refusedUntilTrace &&
        (size == refusedSizes[0] || size == refusedSizes[1]))
        return nullptr;
    return allocate(size);
}

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
    // A layer table put in beforehand is kept, and start-up gives its fifth layer the default name back.
    auto* layers = new LayerTable;
    layers->setName(5, "x");
    theLayerTable = layers;
    allocationCount = 0;
    recording = true;
    frame.initialize();
    recording = false;

    // The drawing adopted the spare painter of slot 8; the libraries are looked up by number.
    std::vector<std::pair<std::string, const void*>> made;
    for (const auto& slot : slotValues())
        made.push_back({"global " + std::to_string(slot.first), slot.first == 8 ? frame.documentAt(0)->context->pagePainter : slot.second});
    for (int n = 1; n <= 3; ++n)
        made.push_back({"parts " + std::to_string(n), existingPartsLibrary(n)});
    std::vector<std::string> expected;
    for (const auto& slot : slotValues())
        if (slot.first != 11)
            expected.push_back("global " + std::to_string(slot.first));
    for (int n = 1; n <= 3; ++n)
        expected.push_back("parts " + std::to_string(n));
    for (int toolbar : {1, 2, 3, 4, 6, 7, 8, 9, 5, 10, 11, 12, 13})
        expected.push_back("toolbar " + std::to_string(toolbar));
    for (const char* step : {"shortcut setup", "settings load", "shortcut apply", "layout", "buttons"})
        expected.push_back(step);
    EXPECT_EQ(traceWithAllocations(made), expected);
    EXPECT_EQ(theLayerTable, layers);
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(allocationOf(existingPartsLibrary(n)));
        EXPECT_TRUE(allocationOf(existingPartsLibrary(n))->layersNamed) << "library " << n << " made after the layers";
        EXPECT_EQ(partsLibraryToolbar(n), 9 + n);
    }

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

    // Only empty slots are made again, and the slots that held a manager keep it. (The spare
    // painter of slot 8 was adopted by the drawing, so its slot is made again.)
    const std::vector<std::pair<int, const void*>> before = slotValues();
    allocationCount = 0;
    recording = true;
    createGlobals();
    recording = false;
    const std::vector<std::pair<int, const void*>> again = slotValues();
    for (size_t i = 0; i < again.size(); ++i) {
        SCOPED_TRACE(again[i].first);
        if (before[i].second)
            EXPECT_EQ(again[i].second, before[i].second);
        else
            EXPECT_TRUE(again[i].second && allocationOf(again[i].second));
    }

    // Shutdown deletes in its fixed order, the parts libraries after the colour chooser (slot 5,
    // "P"), and leaves every slot and library empty. The file error reporter is a lasting object
    // that is only taken out of service.
    std::vector<std::pair<const void*, std::string>> owners;
    for (const auto& slot : again)
        if (slot.second)
            owners.push_back({slot.second, std::to_string(slot.first)});
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
    for (int n : {3, 2, 5, 0, 0, 0, 29, 28, 27, 26, 25, 24, 23, 21, 22, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 8,
                  9, 7})
        expectedOrder += n == 0 ? std::string("P ") : std::to_string(n) + " ";
    EXPECT_EQ(order, expectedOrder);
    for (const auto& slot : slotValues())
        EXPECT_EQ(slot.second, nullptr) << slot.first;
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(existingPartsLibrary(n), nullptr);
}

TEST_F(StartUp, AManagerThatCannotBeMadeLeavesOnlyItsSlotEmpty)
{
    refusedSizes[0] = sizeof(LayerTable);
    refusedSizes[1] = sizeof(ElementClipboard);
    refusedUntilTrace = shellTrace().size(); // until the first toolbar is made
    allocationCount = 0;
    refusing = recording = true;
    frame.initialize();
    refusing = recording = false;

    for (const auto& slot : slotValues()) {
        SCOPED_TRACE(slot.first);
        if (slot.first == 7 || slot.first == 11) {
            EXPECT_EQ(slot.second, nullptr);
        } else if (slot.first != 8) { // adopted by the drawing
            EXPECT_NE(slot.second, nullptr);
        }
    }
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(existingPartsLibrary(n)) << n;
        ASSERT_TRUE(allocationOf(existingPartsLibrary(n)));
        EXPECT_FALSE(allocationOf(existingPartsLibrary(n))->layersNamed) << "made without the layers";
    }
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

namespace {

// The pixels of a binary PPM ("P6") or PGM ("P5") image, three or one bytes each; empty when the
// bytes are no such image.
std::string netpbmPixels(const std::string& bytes, int channels)
{
    char magic[3] = {};
    int width = 0, height = 0, maximum = 0, consumed = 0;
    if (std::sscanf(bytes.c_str(), "%2s %d %d %d%n", magic, &width, &height, &maximum, &consumed) != 4 ||
        magic[0] != 'P' || magic[1] != (channels == 3 ? '6' : '5') || maximum != 255)
        return "";
    const size_t size = static_cast<size_t>(width) * height * channels;
    return bytes.size() >= consumed + 1 + size ? bytes.substr(consumed + 1, size) : "";
}

// The page's pixels of one colour (each channel within 64 of it) in a PPM's pixels.
int pixelsOf(const std::string& rgb, COLORREF colour)
{
    int n = 0;
    for (size_t i = 0; i + 2 < rgb.size(); i += 3)
        n += std::abs(static_cast<unsigned char>(rgb[i]) - GetRValue(colour)) < 64 &&
             std::abs(static_cast<unsigned char>(rgb[i + 1]) - GetGValue(colour)) < 64 &&
             std::abs(static_cast<unsigned char>(rgb[i + 2]) - GetBValue(colour)) < 64;
    return n;
}

} // namespace

// Under the ink model ("CMYK＋特色") every colour a new element takes from the defaults has the
// inks its RGB value converts to, also when the settings file names the model without keeping any
// ink (written by hand, or kept from an older start) or gives a colour before it names the model:
// the defaults are made before the file is read. The elements keep their colours and inks through
// a save and an open, show them in the PDF and on the PostScript black plate, and the close
// writes the inks into the settings file.
TEST_F(StartUp, UnderTheInkModelEveryDefaultColourHasTheInksOfItsRgbValue)
{
    startWithSettings("[SETTEXT]\r\nTEXTCOLOR=255,0,0\r\n[DRAWENVIRONMENT]\r\nCOLORMODEL=2\r\n");
    ASSERT_EQ(app->colorModel, 2);

    using Colour = InkColor* (*)(Element&);
    struct Row {
        ElementKind kind;
        const char* what;
        Colour colour;
        COLORREF rgb;
        int inks[4];
    };
    const COLORREF black = RGB(0, 0, 0), cyan = RGB(0, 255, 255), red = RGB(255, 0, 0);
    const Colour line = [](Element& e) { return e.colour(); };
    const Colour edge = [](Element& e) { return &e.edge()->colour; };
    const Colour fill = [](Element& e) { return &e.fill()->colour; };
    const Colour hatch = [](Element& e) { return &e.hatch()->colour; };
    const Colour leader = [](Element& e) { return &e.arrowLine()->colour; };
    const Colour head = [](Element& e) { return &e.arrowHead()->colour; };
    const Colour numeral = [](Element& e) { return &e.measure()->numeralColour; };
    const Colour underline = [](Element& e) { return &e.measureLine()->colour; };
    const Row rows[] = {
        {ElementKind::Line, "line", line, black, {0, 0, 0, 100}},
        {ElementKind::Box, "box edge", edge, black, {0, 0, 0, 100}},
        {ElementKind::Box, "box fill", fill, cyan, {100, 0, 0, 0}},
        {ElementKind::Box, "box hatch", hatch, black, {0, 0, 0, 100}},
        {ElementKind::Bezier, "Bezier edge", edge, black, {0, 0, 0, 100}},
        {ElementKind::Bezier, "Bezier fill", fill, cyan, {100, 0, 0, 0}},
        {ElementKind::Bezier, "Bezier hatch", hatch, black, {0, 0, 0, 100}},
        {ElementKind::Text, "text", line, red, {0, 100, 100, 0}},
        {ElementKind::TextLine, "leader text", line, red, {0, 100, 100, 0}},
        {ElementKind::TextLine, "leader", leader, black, {0, 0, 0, 100}},
        {ElementKind::TextLine, "leader's arrow head", head, black, {0, 0, 0, 100}},
        {ElementKind::Measure, "numeral", numeral, black, {0, 0, 0, 100}},
        {ElementKind::Measure, "dimension line", underline, black, {0, 0, 0, 100}},
        {ElementKind::Measure, "extension line", leader, black, {0, 0, 0, 100}},
        {ElementKind::Measure, "dimension's arrow head", head, black, {0, 0, 0, 100}},
    };
    const ElementKind kinds[] = {ElementKind::Line, ElementKind::Box,      ElementKind::Bezier,
                                 ElementKind::Text, ElementKind::TextLine, ElementKind::Measure};

    // One element of each kind with its defaults, as the creation tools make it, apart on the page.
    ScratchFolder scratch;
    MessageBoxScript boxes;
    const std::string path = scratch.pathOf("inks.ycx");
    {
        DocumentContext& d = *frame.activeDocument()->context;
        for (size_t i = 0; i < std::size(kinds); ++i) {
            ElementEditorBase& editor = *d.editor2;
            ASSERT_TRUE(editor.startFreshElement(kindCode(kinds[i])));
            editor.elementInHand()->takeDefaultAttributes();
            ASSERT_TRUE(startSampleElement(editor, kindCode(kinds[i]), 80.0 * (i % 3), 90.0 * (i / 3)));
            ASSERT_EQ(editor.commitNewElement(), 1);
        }
        ASSERT_EQ(d.setPathAndTitle(path.c_str()), 1);
        ASSERT_EQ(frame.activeDocument()->save(), 1);
        ::postCloseRequest(frame.activeDocument()->serial);
        settleEvents();
        ASSERT_EQ(frame.documentCount(), 0);
    }
    FileDialogScript dialogs;
    dialogs.answers = {path};
    ASSERT_EQ(frame.onCommand(CMD_OPEN), 1);
    settleEvents();
    ASSERT_TRUE(frame.activeDocument() && frame.activeDocument()->isShowing(path.c_str()));
    DocumentContext& d = *frame.activeDocument()->context;
    std::vector<int> ids;
    ElementIndexEntry entry;
    for (int id = d.elementStore()->pageTable->getFirst(d.currentPage()); id >= 1 && ids.size() < 10;
         id = d.elementStore()->getEntry(id, &entry) ? entry.pageNext : -1)
        ids.push_back(id);
    ASSERT_EQ(ids.size(), std::size(kinds));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const size_t at = std::find(std::begin(kinds), std::end(kinds), row.kind) - std::begin(kinds);
        ASSERT_TRUE(d.editor3->beginEdit(ids[at]));
        const InkColor& c = *row.colour(*d.editor3->elementInHand());
        EXPECT_EQ(c.colorRef, row.rgb);
        EXPECT_EQ(std::vector<int>(c.inks, c.inks + 4), std::vector<int>(row.inks, row.inks + 4));
    }

    // The PDF shows the black lines, the cyan fills and the red texts; the black plate of the
    // PostScript separations holds the lines, the numeral and the arrow heads.
    auto* pdf = dynamic_cast<PdfExportCommand*>(thePdfExportJob);
    ASSERT_TRUE(pdf);
    const std::string pdfPath = scratch.pathOf("inks.pdf");
    CloseHandle(CreateFileA(pdfPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    pdf->setContext(&d);
    pdf->ensureFontFaces();
    ASSERT_TRUE(pdf->open(pdfPath.c_str()));
    const int written = pdf->writeDocument();
    ASSERT_TRUE(pdf->close() && written);
    auto* print = dynamic_cast<PrintRecord*>(d.printSettings);
    ASSERT_TRUE(print);
    PostScriptWriter& plates = print->postScript();
    plates.separationMode = 2;
    plates.separationProcedures = 1;
    plates.plateCount = 4;
    plates.plates.reset(new PsPlate[4]);
    plates.currentPlate = 3;
    const std::string psPath = scratch.pathOf("black.ps");
    ASSERT_TRUE(print->writePageToFile(psPath.c_str()));
    const std::string script =
        "cd " + quotedUnixPath(scratch.path()) + " || exit 1\n"
        "pdftoppm -r 72 -aa no -aaVector no inks.pdf page || exit 1\n"
        "gs -q -dSAFER -dBATCH -dNOPAUSE -r72 -sDEVICE=tiffsep -sOutputFile=plate.tif black.ps || exit 1\n"
        "convert 'plate(Black).tif' -depth 8 pgm:black.pgm\n";
    ASSERT_EQ(runUnixScript(script, scratch.pathOf("render")), 0);
    const std::string page = netpbmPixels(ScratchFolder::read(scratch.pathOf("page-1.ppm")), 3);
    const std::string plate = netpbmPixels(ScratchFolder::read(scratch.pathOf("black.pgm")), 1);
    ASSERT_FALSE(page.empty() || plate.empty());
    EXPECT_GT(pixelsOf(page, black), 100);
    EXPECT_GT(pixelsOf(page, cyan), 1000);
    EXPECT_GT(pixelsOf(page, red), 10);
    EXPECT_GT(std::count_if(plate.begin(), plate.end(), [](char v) { return static_cast<unsigned char>(v) < 128; }), 100);

    // The close keeps the inks of the defaults.
    ASSERT_EQ(frame.confirmCloseAll(), 1);
    const std::string saved = settingsBytes();
    for (const char* keys : {"[SETSENGA]\r\nLAYERNO=100\r\nEDGECOLOR=0,0,0\r\nPAINTCOLOR=0,255,255\r\n"
                             "PATTERNCOLOR=0,0,0\r\nEDGECMYK=0,0,0,100\r\n",
                             "PAINTCMYK=100,0,0,0\r\n", "PATERNCMYK=0,0,0,100\r\n",
                             "[SETTEXT]\r\nLAYERNO=100\r\nTEXTCOLOR=255,0,0\r\nDRAWCOLOR=0,0,0\r\nARROWCOLOR=0,0,0\r\n"
                             "TEXTCMYK=0,100,100,0\r\n",
                             "[SETMEASURE]\r\nLAYERNO=100\r\nTEXTCOLOR=0,0,0\r\nULINECOLOR=0,0,0\r\nDRAWCOLOR=0,0,0\r\n"
                             "ARROWCOLOR=0,0,0\r\nTEXTCMYK=0,0,0,100\r\n",
                             "ULINECMYK=0,0,0,100\r\n", "DRAWCMYK=0,0,0,100\r\n", "ARROWCMYK=0,0,0,100\r\n"})
        EXPECT_NE(saved.find(keys), std::string::npos) << keys;
    EXPECT_EQ(saved.find("CMYK=0,0,0,0"), std::string::npos);
}

namespace {

// Every colour of the line, Bezier, text and dimension defaults that the settings file keeps, in
// their sections' order, each as its COLORREF and its four inks.
std::vector<std::vector<int>> settingsColours()
{
    std::vector<const InkColor*> colours;
    for (const AreaDefaultValues* area : {static_cast<const AreaDefaultValues*>(theLineDefaults),
                                          static_cast<const AreaDefaultValues*>(theBezierDefaults)})
        colours.insert(colours.end(), {&area->edgeColor, &area->paintColor, &area->patternColor});
    colours.insert(colours.end(), {&theTextDefaults->textColor, &theTextDefaults->drawColor,
                                   &theTextDefaults->arrowColor, &theMeasureDefaults->textColor,
                                   &theMeasureDefaults->ulineColor, &theMeasureDefaults->drawColor,
                                   &theMeasureDefaults->arrowColor});
    std::vector<std::vector<int>> values;
    for (const InkColor* c : colours)
        values.push_back({static_cast<int>(c->colorRef), c->inks[0], c->inks[1], c->inks[2], c->inks[3]});
    return values;
}

// The "...CMYK" keys of a settings text whose inks are not those of the red, green and blue that
// the colour's key of the same section holds (RgbColor::inksFromRgbPercent; the pattern's ink key
// is spelled "PATERNCMYK"), each as "KEY=c,m,y,k beside r,g,b"; `checked` counts the ink keys.
std::vector<std::string> inksNotOfTheirRgb(const std::string& settings, int& checked)
{
    std::vector<std::string> odd;
    std::map<std::string, std::string> rgbOf; // the colours' keys of the section, by stem
    std::istringstream lines(settings);
    std::string line;
    checked = 0;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind("[", 0) == 0)
            rgbOf.clear();
        const size_t equals = line.find('=');
        if (equals == std::string::npos || equals < 4)
            continue;
        const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
        if (equals > 5 && key.compare(equals - 5, 5, "COLOR") == 0)
            rgbOf[key.substr(0, equals - 5)] = value;
        if (key.compare(equals - 4, 4, "CMYK") != 0)
            continue;
        ++checked;
        std::string stem = key.substr(0, equals - 4);
        if (stem == "PATERN")
            stem = "PATTERN";
        int r = 0, g = 0, b = 0;
        if (!rgbOf.count(stem) || std::sscanf(rgbOf[stem].c_str(), "%d,%d,%d", &r, &g, &b) != 3) {
            odd.push_back(line + " beside no colour");
            continue;
        }
        RgbColor rgb(r, g, b);
        rgb.inksFromRgbPercent();
        const std::string inks = std::to_string(rgb.inks[0]) + "," + std::to_string(rgb.inks[1]) + "," +
                                 std::to_string(rgb.inks[2]) + "," + std::to_string(rgb.inks[3]);
        if (value != inks)
            odd.push_back(line + " beside " + rgbOf[stem]);
    }
    return odd;
}

} // namespace

// Under the ink model the close writes the inks the defaults carry. OK in every dialog of the
// defaults, opened by its tool button with each page shown and each colour of its colour page
// confirmed in カラー設定, leaves every default colour the inks it had; so each "...CMYK" key that
// the close writes holds the inks of the RGB value beside it (inks 0,0,0,0 stand for white only),
// and the next start reads back the same defaults.
TEST_F(StartUp, UnderTheInkModelTheCloseWritesTheInksEveryDefaultCarries)
{
    startWithSettings("[DRAWENVIRONMENT]\r\nCOLORMODEL=2\r\n");
    ASSERT_EQ(app->colorModel, 2);
    const std::vector<std::vector<int>> started = settingsColours();
    ASSERT_EQ(started[0], std::vector<int>({0, 0, 0, 0, 100})) << "the line's colour, black";
    ASSERT_EQ(started[1], std::vector<int>({static_cast<int>(RGB(0, 255, 255)), 100, 0, 0, 0})) << "the fill, cyan";

    // The batch dialogs first: OK makes their values the drawing's, which the settings dialogs
    // then give the application.
    const struct {
        int tool;
        std::vector<int> swatches;
    } dialogs[] = {
        {TOOL_LINE_BATCH, {IDC_LINE_BATCH_EDGE_COLOUR, IDC_LINE_BATCH_PAINT_COLOUR, IDC_LINE_BATCH_PATTERN_COLOUR}},
        {TOOL_TEXT_BATCH, {IDC_TEXT_BATCH_TEXT_COLOUR, IDC_TEXT_BATCH_LEADER_COLOUR, IDC_TEXT_BATCH_ARROW_COLOUR}},
        {TOOL_BEZIER_BATCH,
         {IDC_BEZIER_BATCH_EDGE_COLOUR, IDC_BEZIER_BATCH_PAINT_COLOUR, IDC_BEZIER_BATCH_PATTERN_COLOUR}},
        {TOOL_MEASURE_BATCH,
         {IDC_MEASURE_BATCH_TEXT_COLOUR, IDC_MEASURE_BATCH_ULINE_COLOUR, IDC_MEASURE_BATCH_DRAW_COLOUR,
          IDC_MEASURE_BATCH_ARROW_COLOUR}},
        {TOOL_PICTURE_BATCH, {}},
        {TOOL_LINE_SETTINGS, {IDC_LINE_SET_EDGE_COLOUR, IDC_LINE_SET_PAINT_COLOUR, IDC_LINE_SET_PATTERN_COLOUR}},
        {TOOL_TEXT_SETTINGS, {IDC_TEXT_SET_TEXT_COLOUR, IDC_TEXT_SET_LEADER_COLOUR, IDC_TEXT_SET_ARROW_COLOUR}},
        {TOOL_BEZIER_SETTINGS,
         {IDC_BEZIER_SET_EDGE_COLOUR, IDC_BEZIER_SET_PAINT_COLOUR, IDC_BEZIER_SET_PATTERN_COLOUR}},
        {TOOL_MEASURE_SETTINGS,
         {IDC_MEASURE_SET_TEXT_COLOUR, IDC_MEASURE_SET_ULINE_COLOUR, IDC_MEASURE_SET_DRAW_COLOUR,
          IDC_MEASURE_SET_ARROW_COLOUR}},
        {TOOL_PICTURE_SETTINGS, {}},
    };
    MessageBoxScript boxes;
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.tool);
        layout.current = d.tool;
        int colourDialogs = 0;
        (void)driveModalDialog(
            [&] {
                frame.activeDocument()->runToolButton();
                return INT_PTR(1);
            },
            [&](HWND w) {
                const int pages =
                    static_cast<int>(SendDlgItemMessageA(w, TabControl::kControlId, TCM_GETITEMCOUNT, 0, 0));
                for (int page = pages - 1; page >= 1; --page)
                    chooseTab(w, page); // the colour page, the second, last
                for (int swatch : d.swatches) {
                    driveNextDialog([&](HWND colours) {
                        ++colourDialogs;
                        PostMessageA(colours, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                    });
                    click(w, swatch);
                }
                PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            });
        settleEvents();
        EXPECT_EQ(colourDialogs, static_cast<int>(d.swatches.size()));
        EXPECT_EQ(settingsColours(), started);
    }
    EXPECT_TRUE(frame.activeDocument()->isModified()) << "the dialogs were confirmed";

    boxes.answer(IDNO); // the drawing is not saved
    ASSERT_EQ(frame.confirmCloseAll(), 1);
    int checked = 0;
    EXPECT_EQ(inksNotOfTheirRgb(settingsBytes(), checked), std::vector<std::string>());
    EXPECT_EQ(checked, 13) << "three ink keys of the line, Bezier and text defaults, four of the dimensions'";

    // The next start.
    boxes.answer(IDNO);
    ::postCloseRequest(frame.activeDocument()->serial);
    settleEvents();
    ASSERT_EQ(frame.documentCount(), 0);
    destroyGlobals();
    createGlobals();
    ASSERT_EQ(loadAppSettings(), 1);
    giveDefaultColoursInks();
    EXPECT_EQ(settingsColours(), started);
}
