// The document context: its creation order (read from the hooks and the allocations), the error
// flag, deletion order, set-up and the forwarders' answers without members.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "document/BezierDefaults.h"
#include "document/CropMarkSettings.h"
#include "document/DisplayControlState.h"
#include "document/DocumentContext.h"
#include "document/ElementSerialCounter.h"
#include "document/ElementStore.h"
#include "document/MeasureDefaults.h"
#include "document/PageList.h"
#include "document/PagePainter.h"
#include "document/PainterBase.h"
#include "document/PictureDefaults.h"
#include "document/PrintSettings.h"
#include "document/TickStamp.h"
#include "document/UndoManager.h"
#include "document/ViewScroller.h"
#include "geometry/PaperSettings.h"
#include "tests/support/FakeClock.h"
#include "tests/support/IdleMembers.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"
#include "views/tools/ElementEditor.h"

namespace {

std::vector<std::string> events;

// Restores the default hooks and the spare painter after each test.
class DocumentContextTest : public testing::Test {
protected:
    void SetUp() override { events.clear(); }
    DocumentMemberFactories& hooks() { return documentMemberFactories; }
    ScopedOverride<DocumentMemberFactories> factories{documentMemberFactories};
    ScopedOverride<decltype(theSparePainter)> spare{theSparePainter};
};

// Members that say when they are linked and deleted.
class FakePageList : public PageList {
public:
    ~FakePageList() override { events.push_back("delete pages"); }
    void setOwner(DocumentContext*) override { events.push_back("link pages"); }
    int currentPage() override { return current; }
    int pageCount() override { return count; }
    void setCurrent(int page) override { current = page; }
    int previousPage() override { events.push_back("previous"); --current; return 1; }
    int nextPage() override { events.push_back("next"); ++current; return 1; }
    int current = 1;
    int count = 1;
};

class FakePaper : public PaperSettings {
public:
    ~FakePaper() override { events.push_back("delete paper"); }
    void setOwner(DocumentContext*) override { events.push_back("link paper"); }
    int runDialogAndRefresh() override { return 1; }
    void assign(const PaperSettings* other) override { assignedFrom = other; }
    void refreshViews() override { events.push_back("paper views"); }
    const PaperSettings* assignedFrom = nullptr;
};

class FakeCropMarks : public CropMarkSettings {
public:
    ~FakeCropMarks() override { events.push_back("delete crop marks"); }
    void setOwner(DocumentContext*) override { events.push_back("link crop marks"); }
};

class FakeScroller : public IdleScroller {
public:
    ~FakeScroller() override { events.push_back("delete scroller"); }
    void setOwner(DocumentContext*) override { events.push_back("link scroller"); }
    int resetRanges() override { events.push_back("scroll ranges"); return 0; }
    int stepHorizontally(int) override { events.push_back("step x"); return 1; }
    int stepVertically(int) override { return 1; }
};

template <typename Base> class FakeDefaults : public Base {
public:
    explicit FakeDefaults(const char* name) : name_(name) {}
    ~FakeDefaults() override { events.push_back(std::string("delete ") + name_); }
    void setOwner(DocumentContext*) override { events.push_back(std::string("link ") + name_); }
    int editSettings() override { return 0; }
    int batchEdit() override { return 0; }
    void copyFrom(const Base*) override {}

private:
    const char* name_;
};

class FakePictureDefaults : public FakeDefaults<PictureDefaults> {
public:
    FakePictureDefaults() : FakeDefaults<PictureDefaults>("picture") {}
    int hasImage() override { return 0; }
};

class FakePainter : public PainterBase {
public:
    explicit FakePainter(const char* name) : name_(name) {}
    ~FakePainter() override { events.push_back(std::string("delete ") + name_); }
    void setContext(DocumentContext* context) override { bound = context; }
    int ensureBitmap() override { events.push_back(std::string("bitmap ") + name_); return 1; }
    DocumentContext* bound = nullptr;

private:
    const char* name_;
};

class FakePagePainter : public PagePainter {
public:
    void setContext(DocumentContext* context) override { bound = context; }
    int ensureBitmap() override { return 1; }
    void refresh(DocumentContext*) override {}
    DocumentContext* bound = nullptr;
};

class FakeEditor : public IdleEditor {
public:
    int mouseStep(int kind, int mode) override { events.push_back("step " + std::to_string(kind) + "/" + std::to_string(mode)); return 1; }
    void settleElement(int) override { events.push_back("settle"); }
    void redrawInputOverlay() override { events.push_back("overlay"); }
    int onContextEvent1() override { return 11; }
    int onContextEvent2() override { return 12; }
    int onContextEvent3() override { return 13; }
};

class FakeDisplayControl : public DisplayControlState {
public:
    void setOwner(DocumentContext*) override {}
    int runDialog() override { return 0; }
    void hideAuxiliaryLayer() override { events.push_back("hide 255"); }
    void restoreAuxiliaryLayer() override { events.push_back("restore 255"); }
};

class FakePrint : public PrintSettings {
public:
    void setOwner(DocumentContext*) override {}
    int canPrint() override { return 1; }
    void print() override { events.push_back("print"); }
};

// A hook that records its member number and makes nothing.
template <int N, typename T> T* recordCreation(DocumentContext&)
{
    events.push_back(std::to_string(N));
    return nullptr;
}

void recordEveryHook(DocumentMemberFactories& h)
{
    h.inputPoints = recordCreation<3, InputPointListBase>;
    h.viewParams = recordCreation<4, ViewParams>;
    h.rulers = recordCreation<6, RulerBars>;
    h.viewUpdater = recordCreation<7, ViewUpdater>;
    h.scroller = recordCreation<11, ViewScroller>;
    h.editor1 = recordCreation<12, ElementEditorBase>;
    h.editor2 = recordCreation<13, ElementEditorBase>;
    h.editor3 = recordCreation<14, ElementEditorBase>;
    h.editor4 = recordCreation<15, ElementEditorBase>;
    h.lineDefaults = recordCreation<16, LineDefaults>;
    h.textDefaults = recordCreation<17, TextDefaults>;
    h.bezierDefaults = recordCreation<18, BezierDefaults>;
    h.measureDefaults = recordCreation<19, MeasureDefaults>;
    h.pictureDefaults = recordCreation<20, PictureDefaults>;
    h.propertyPlacement = recordCreation<21, PropertyDialogPlacement>;
    h.statusBar = recordCreation<22, StatusBarPanes>;
    h.selectTool = recordCreation<23, SelectToolBase>;
    h.moveTool = recordCreation<26, MoveToolBase>;
    h.rotateTool = recordCreation<27, RotateToolBase>;
    h.pagePainter = recordCreation<28, PainterBase>;
    h.caret = recordCreation<31, TextCaretPlace>;
    h.scaler = recordCreation<36, ElementScalerBase>;
    h.printSettings = recordCreation<37, PrintSettings>;
    h.inkInfo = recordCreation<39, InkInfo>;
}

// What operator new handed out while `recording` is set: the address, and how many events had
// been noted then.
bool recording = false;
std::pair<const void*, size_t> allocations[1 << 16];
int allocationCount = 0;

// The member numbers in creation order: the hooks noted theirs as they ran; the members of the
// document's own classes are put in where they were allocated.
std::vector<std::string> creationOrder(const DocumentContext& c)
{
    const std::pair<int, const void*> own[] = {
        {1, c.ownStore},     {2, c.maskIndex},   {5, c.grid},           {8, c.pages},           {9, c.paper},
        {10, c.cropMarks},   {24, c.selection},  {29, c.tickStamp},     {30, c.undoManager},    {32, c.displayControl},
        {33, c.idSet},       {34, c.serialCounter}, {35, c.orderSettings}, {38, c.document}};
    std::vector<std::pair<int, std::string>> placed; // allocation, member number
    for (const auto& member : own)
        for (int i = allocationCount - 1; i >= 0; --i)
            if (member.second && allocations[i].first == member.second) {
                placed.push_back({i, std::to_string(member.first)});
                break;
            }
    std::sort(placed.begin(), placed.end());
    std::vector<std::string> order;
    size_t next = 0;
    for (size_t e = 0; e <= events.size(); ++e) {
        for (; next < placed.size() && allocations[placed[next].first].second == e; ++next)
            order.push_back(placed[next].second);
        if (e < events.size())
            order.push_back(events[e]);
    }
    return order;
}

// Member numbers 1 to n; member 25, the tool work record, has no class in this build and is never made.
std::vector<std::string> numbersUpTo(int n)
{
    std::vector<std::string> numbers;
    for (int i = 1; i <= n; ++i)
        if (i != 25)
            numbers.push_back(std::to_string(i));
    return numbers;
}

void createRecorded(DocumentContext& context)
{
    allocationCount = 0;
    recording = true;
    context.createMembers();
    recording = false;
}

} // namespace

void* operator new(std::size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    if (recording && allocationCount < static_cast<int>(sizeof allocations / sizeof allocations[0]))
        allocations[allocationCount++] = {p, events.size()};
    return p;
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return ::operator new(size);
    } catch (...) {
        return nullptr;
    }
}

namespace {

TEST_F(DocumentContextTest, CreatesItsMembersInTheFixedOrder)
{
    TestApplication app;
    recordEveryHook(hooks());
    DocumentContext context;
    EXPECT_EQ(context.self, &context);
    createRecorded(context);
    EXPECT_EQ(creationOrder(context), numbersUpTo(DocumentContext::kMemberCount));

    // With the store of a part lent out, the document makes no store of its own.
    ElementStore partStore;
    ScopedOverride lentStore(theOverrideElementStore, &partStore);
    events.clear();
    DocumentContext lending;
    createRecorded(lending);
    EXPECT_EQ(creationOrder(lending).front(), "2");
    EXPECT_EQ(lending.elementStore(), &partStore);
    EXPECT_EQ(lending.ownStore, nullptr);
}

TEST_F(DocumentContextTest, TheErrorFlagStopsCreationAtTheNextTest)
{
    TestApplication app;
    recordEveryHook(hooks());
    hooks().viewUpdater = [](DocumentContext&) -> ViewUpdater* {
        events.push_back("7");
        theApplication->errorCount = 1; // as an out-of-memory report would
        return nullptr;
    };
    DocumentContext context;
    createRecorded(context);
    EXPECT_EQ(creationOrder(context), numbersUpTo(7));
    EXPECT_EQ(context.pages, nullptr);

    events.clear();
    DocumentContext none;
    createRecorded(none);
    EXPECT_TRUE(creationOrder(none).empty()) << "nothing is created while the flag is set";
}

TEST_F(DocumentContextTest, WithoutMembersEveryForwarderAnswersItsMissingValue)
{
    TestApplication app;
    app->errorCount = 1;
    DocumentContext context;
    context.createMembers();
    context.linkManagers();
    EXPECT_EQ(context.elementStore(), nullptr);
    EXPECT_EQ(context.currentPage(), 1);
    EXPECT_EQ(context.pageCount(), 1);
    EXPECT_EQ(context.goToPreviousPage(), 1);
    EXPECT_EQ(context.goToNextPage(), 1);
    EXPECT_EQ(context.drawNewElement(1, 0), 0);
    EXPECT_EQ(context.elementCount(), 0);
    EXPECT_EQ(context.hasElements(), 0);
    EXPECT_EQ(context.canUndo(), 0);
    EXPECT_EQ(context.canZoomIn(), 0);
    EXPECT_EQ(context.gridRedrawCode(), 0);
    EXPECT_EQ(context.restartTimer(), 0);
    EXPECT_EQ(context.hasSelection(), 0);
    EXPECT_EQ(context.elementInProgress(), nullptr);
    EXPECT_EQ(context.placePicture(0), 0);
    EXPECT_EQ(context.canPaste(), 0);
    EXPECT_EQ(context.trackPopupMenu(), 0);
    EXPECT_EQ(context.title(), nullptr);
    EXPECT_EQ(context.isModified(), 0);
    EXPECT_EQ(context.onContextEvent1(), 0);
    EXPECT_EQ(context.editState(), 0);
    EXPECT_EQ(context.scrollViewBy(1, 1), 0);
    context.scrollHorizontally(3);
    EXPECT_EQ(context.scrolled, 1) << "the rest of a scroll still runs";
    context.interactionMode = 1;
    context.settleElement();
    EXPECT_EQ(context.interactionMode, 0);
    context.print();
    context.initialize();
    EXPECT_EQ(DocumentContext::currentPageOf(nullptr), 1);
    EXPECT_EQ(DocumentContext::setModificationTrackingOf(&context, 0), -1);
    EXPECT_EQ(DocumentContext::creationEditorOf(nullptr), nullptr);
    context.destroyManagers();
}

TEST_F(DocumentContextTest, LinksAndDeletesInTheirOwnOrders)
{
    TestApplication app;
    hooks().scroller = [](DocumentContext&) -> ViewScroller* { return new FakeScroller; };
    hooks().bezierDefaults = [](DocumentContext&) -> BezierDefaults* { return new FakeDefaults<BezierDefaults>("bezier"); };
    hooks().measureDefaults = [](DocumentContext&) -> MeasureDefaults* { return new FakeDefaults<MeasureDefaults>("measure"); };
    hooks().pictureDefaults = [](DocumentContext&) -> PictureDefaults* { return new FakePictureDefaults; };
    FakePagePainter navigator;
    ScopedOverride pagePainter(thePagePainter, &navigator);

    auto* context = new DocumentContext;
    context->createMembers();
    standIn(context->pages, new FakePageList);
    standIn(context->paper, new FakePaper);
    standIn(context->cropMarks, new FakeCropMarks);
    EXPECT_NE(context->ownStore, nullptr);
    EXPECT_NE(context->tickStamp, nullptr);
    EXPECT_NE(context->serialCounter, nullptr);
    context->linkManagers();
    EXPECT_EQ(events, (std::vector<std::string>{"link pages", "link paper", "link crop marks", "link scroller",
                                                "link bezier", "link measure", "link picture"}));
    EXPECT_EQ(navigator.bound, context);

    events.clear();
    context->destroyManagers();
    EXPECT_EQ(events, (std::vector<std::string>{"delete measure", "delete picture", "delete bezier",
                                                "delete scroller", "delete paper", "delete crop marks",
                                                "delete pages"}));
    EXPECT_EQ(context->pages, nullptr);
    EXPECT_EQ(context->ownStore, nullptr);
    EXPECT_EQ(navigator.bound, nullptr) << "the global page painter loses its context";
    delete context;
}

TEST_F(DocumentContextTest, PageStepsStopAtTheEnds)
{
    TestApplication app;
    DocumentContext context;
    context.createMembers();
    FakePageList* pages = standIn(context.pages, new FakePageList);
    pages->count = 3;
    EXPECT_EQ(context.goToPreviousPage(), 1) << "page 1 has no previous page";
    pages->current = 3;
    EXPECT_EQ(context.goToNextPage(), 3) << "the last page returns the count";
    EXPECT_EQ(pages->current, 3);
    events.clear();
    EXPECT_EQ(context.goToPreviousPage(), 1);
    EXPECT_EQ(pages->current, 2);
    EXPECT_EQ(context.goToNextPage(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"previous", "next"}));
    EXPECT_EQ(DocumentContext::setCurrentPageOf(&context, 2), 1);
    EXPECT_EQ(DocumentContext::currentPageOf(&context), 2);
    context.destroyManagers();
}

TEST_F(DocumentContextTest, ASparePainterIsAdoptedOnce)
{
    TestApplication app;
    hooks().pagePainter = [](DocumentContext&) -> PainterBase* { return new FakePainter("own"); };
    auto* spare = new FakePainter("spare");
    theSparePainter = spare;

    DocumentContext first;
    first.createMembers();
    EXPECT_EQ(first.pagePainter, spare);
    EXPECT_EQ(theSparePainter, nullptr);
    DocumentContext second;
    second.createMembers();
    EXPECT_NE(second.pagePainter, nullptr);
    EXPECT_NE(second.pagePainter, spare);

    // The set-up makes the context's bitmap, then a painter of its own and drops it again.
    second.linkManagers();
    events.clear();
    second.initialize();
    EXPECT_EQ(events, (std::vector<std::string>{"bitmap own", "bitmap own", "delete own"}));
    EXPECT_EQ(theSparePainter, nullptr);

    theSparePainter = new FakePainter("left over");
    events.clear();
    first.destroyManagers();
    EXPECT_EQ(events, (std::vector<std::string>{"delete spare", "delete left over"}));
    EXPECT_EQ(theSparePainter, nullptr);
    second.destroyManagers();
}

TEST_F(DocumentContextTest, InitializeTakesTheDefaultsAndTurnsReuseOff)
{
    TestApplication app;
    hooks().scroller = [](DocumentContext&) -> ViewScroller* { return new FakeScroller; };
    FakePaper defaults;
    ScopedOverride paperDefaults(thePaperDefaults, &defaults);

    DocumentContext context;
    context.createMembers();
    standIn(context.paper, new FakePaper);
    context.linkManagers();
    events.clear();
    context.initialize();
    EXPECT_EQ(context.ownStore->pool->noReuse, 1) << "the undo manager's mode 5";
    EXPECT_EQ(static_cast<FakePaper*>(context.paper)->assignedFrom, &defaults);
    EXPECT_EQ(events, (std::vector<std::string>{"scroll ranges"}));

    // The paper command makes the drawing's sheet the default and the drawing changed (its file
    // keeps the sheet); taking the defaults refreshes.
    ASSERT_FALSE(context.isModified());
    context.editPaper();
    EXPECT_EQ(defaults.assignedFrom, context.paper);
    EXPECT_TRUE(context.isModified());
    events.clear();
    EXPECT_EQ(context.takePaperDefaults(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"paper views"}));

    events.clear();
    context.scrollHorizontally(2);
    EXPECT_EQ(events, (std::vector<std::string>{"step x"}));
    EXPECT_EQ(context.scrolled, 1);
    context.destroyManagers();
}

TEST_F(DocumentContextTest, TheSecondEditorCreatesAndSettles)
{
    TestApplication app;
    hooks().editor2 = [](DocumentContext&) -> ElementEditorBase* { return new FakeEditor; };
    hooks().printSettings = [](DocumentContext&) -> PrintSettings* { return new FakePrint; };
    DocumentContext context;
    context.createMembers();
    standIn(context.displayControl, new FakeDisplayControl);
    EXPECT_EQ(context.drawNewElement(11, 4), 1);
    context.interactionMode = 3;
    context.settleElement();
    EXPECT_EQ(context.interactionMode, 0);
    EXPECT_EQ(context.onContextEvent2(), 12);
    context.refreshView();
    context.print();
    EXPECT_EQ(events, (std::vector<std::string>{"step 11/4", "settle", "overlay", "hide 255", "print", "restore 255"}));
    context.destroyManagers();
}

TEST_F(DocumentContextTest, TickStampAndSerialCounter)
{
    TestApplication app;
    FakeClock clock(5000);
    DocumentContext context;
    context.createMembers();
    EXPECT_EQ(context.restartTimer(), 1);
    clock.advance(149);
    EXPECT_EQ(context.notYet150ms(), 1);
    clock.advance(1);
    EXPECT_EQ(context.notYet150ms(), 0);
    EXPECT_EQ(context.notYet300ms(), 1);
    EXPECT_EQ(context.withinDoubleClickTime(), 1);
    EXPECT_EQ(context.tickStamp->reached500ms(), 0);
    clock.advance(350);
    EXPECT_EQ(context.tickStamp->reached500ms(), 1);
    EXPECT_EQ(context.withinDoubleClickTime(), 0);
    EXPECT_EQ(DocumentContext::notYet300msOf(&context), 0);

    ElementSerialCounter& serials = *context.serialCounter;
    EXPECT_EQ(serials.next(), 1);
    EXPECT_EQ(serials.raiseTo(40), 40);
    EXPECT_EQ(serials.raiseTo(7), 7);
    EXPECT_EQ(serials.next(), 41);
    context.destroyManagers();
}

} // namespace
