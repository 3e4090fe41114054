// The undo log: record frame, menu texts, positions, the free-space rule, and the undo and redo
// of element creation and of the operations on selected elements.
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "document/ElementKindNames.h"
#include "platform/FileName.h"
#include "tests/document/UndoTestDocument.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"

namespace {

// What the move tool does before it records: every selected element moved by (dx, dy).
void moveElements(UndoTestDocument& doc, const std::vector<int>& ids, double dx, double dy)
{
    for (int id : ids) {
        ASSERT_TRUE(doc.editor->beginEdit(id));
        doc.editor->held()->translate(dx, dy, 0);
        ASSERT_TRUE(doc.editor->storeBack(id));
    }
}

// A committed new element as the editor records it.
void recordNew(UndoTestDocument& doc, int id, ElementKind kind)
{
    UndoTestElement element;
    element.id = id;
    element.kind = kindCode(kind);
    doc.undo().recordNewElement(&element);
}

// The Edit menu's undo and redo items as the shell shows them, "(off)" marking a greyed one.
std::string menus(UndoManager& undo)
{
    char undoText[UndoManager::kTextSize], redoText[UndoManager::kTextSize];
    const int canUndo = undo.undoText(undoText), canRedo = undo.redoText(redoText);
    return std::string(undoText) + (canUndo ? "" : " (off)") + " / " + redoText + (canRedo ? "" : " (off)");
}

int lineName(int kind, char* name, int size)
{
    if (kind != kindCode(ElementKind::Line))
        return 0;
    std::strncpy(name, "直線", static_cast<size_t>(size - 1));
    return 1;
}

struct FreeSpace {
    static unsigned long long bytes;
    static int known;
    static int query(const FileName&, unsigned long long& out)
    {
        out = bytes;
        return known;
    }
};
unsigned long long FreeSpace::bytes = 1ULL << 40;
int FreeSpace::known = 1;

class UndoManagerTest : public testing::Test {
protected:
    void SetUp() override
    {
        FreeSpace::bytes = 1ULL << 40;
        FreeSpace::known = 1;
    }
    TestApplication app;
    ScopedOverride<UndoManager::FreeSpaceQuery> space{UndoManager::freeSpaceQuery, FreeSpace::query};
    ScopedOverride<decltype(elementKindNameLookup)> names{elementKindNameLookup};
};

TEST_F(UndoManagerTest, FramesAMoveAndStepsBackAndForth)
{
    UndoManager::freeSpaceQuery = UndoManager::systemFreeSpace; // the prefix's own disk
    UndoTestDocument doc;
    UndoManager& undo = doc.undo();
    ASSERT_TRUE(undo.isEnabled()) << "the test prefix's temporary folder must take the log";
    EXPECT_NE(std::strstr(undo.log().tempFile().fileName().getPath(), "\\YUD"), nullptr);

    EXPECT_EQ(menus(undo), "取り消し (off) / やり直し (off)");

    int a = doc.add(ElementKind::Line, {{0, 0, 0}, {10, 0, 0}});
    int b = doc.add(ElementKind::Line, {{5, 5, 0}});
    doc.selectAndCapture({a, b});
    moveElements(doc, {a, b}, 2.5, -1.0);
    undo.recordMove(2.5, -1.0, 0.0);

    // Head, one displacement, two ids, closing head and the length: 56 bytes.
    std::string log = doc.logBytes();
    ASSERT_EQ(log.size(), 56u);
    EXPECT_EQ(valueAt<uint16_t>(log, 0), 2);
    EXPECT_EQ(valueAt<uint16_t>(log, 2), 13);
    EXPECT_EQ(valueAt<uint16_t>(log, 4), 0);
    EXPECT_EQ(valueAt<int32_t>(log, 6), 1);
    EXPECT_EQ(valueAt<double>(log, 10), 2.5);
    EXPECT_EQ(valueAt<double>(log, 18), -1.0);
    EXPECT_EQ(valueAt<int32_t>(log, 34), 2);
    EXPECT_EQ(valueAt<int32_t>(log, 38), a);
    EXPECT_EQ(valueAt<int32_t>(log, 42), b);
    EXPECT_EQ(valueAt<uint16_t>(log, 46), 1);
    EXPECT_EQ(valueAt<uint16_t>(log, 48), 13);
    EXPECT_EQ(valueAt<uint16_t>(log, 50), 0);
    EXPECT_EQ(valueAt<uint32_t>(log, 52), 56u);
    EXPECT_EQ(undo.idCount(), 0) << "the id list is emptied after each record";

    EXPECT_EQ(menus(undo), "移動の取り消し / やり直し (off)");
    EXPECT_EQ(doc.logPosition(), 56) << "the menu text leaves the file position alone";
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(doc.read(a).x(1), 10.0);
    EXPECT_EQ(doc.read(b).y(), 5.0);
    EXPECT_EQ(doc.selectTool->ids, (std::vector<int>{a, b}));
    EXPECT_EQ(menus(undo), "取り消し (off) / 移動のやり直し");
    EXPECT_EQ(doc.logPosition(), 0);
    EXPECT_GE(doc.updater->changeRepaints, 1) << "the step repaints what it changed";

    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(doc.read(a).x(1), 12.5);
    EXPECT_EQ(doc.read(b).y(), 4.0);
    EXPECT_EQ(doc.logPosition(), 56);
    EXPECT_GE(doc.textEditor->settles, 1) << "a redo of a move settles the element in edit first";
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(doc.logPosition(), 0) << "undo right after redo is back at the record's start";
    EXPECT_EQ(doc.read(a).x(0), 0.0);

    // A new record after an undo drops what could have been redone and overwrites its bytes.
    doc.selectAndCapture({a});
    undo.recordRotate(90.0, 0, 0, 0);
    EXPECT_EQ(undo.canRedo(), 0);
    EXPECT_EQ(undo.recordCount(), 1);
    EXPECT_EQ(valueAt<uint16_t>(doc.logBytes(), 2), 17);

    // A page switch forgets the history, although the records stay in the file.
    undo.resetPositions();
    EXPECT_EQ(menus(undo), "取り消し (off) / やり直し (off)");
}

TEST_F(UndoManagerTest, FreeSpaceBelowTheLimitTurnsUndoOffForGood)
{
    MessageBoxScript boxes;
    UndoTestDocument doc;
    UndoManager& undo = doc.undo();
    std::string path = undo.log().tempFile().fileName().getPath();

    FreeSpace::bytes = 10000001;
    undo.recordMove(1, 0, 0);
    EXPECT_EQ(undo.isEnabled(), 1);
    EXPECT_TRUE(boxes.shown().empty());

    FreeSpace::bytes = 10000000;
    EXPECT_EQ(undo.canUndo(), 1) << "the shell asks after each command, which begins a new step";
    undo.recordMove(1, 0, 0);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "ディスクの残りがわずかです。");
    EXPECT_EQ(boxes.shown()[0].caption, "UNDOを無効にします。");
    EXPECT_TRUE(boxes.shown()[0].style & MB_ICONHAND);
    EXPECT_EQ(undo.isEnabled(), 0);
    EXPECT_EQ(undo.canUndo(), 0);
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << "the log is deleted";

    // Space freed later does not bring it back; nothing more is written or shown.
    FreeSpace::bytes = 1ULL << 40;
    undo.recordMove(1, 0, 0);
    EXPECT_EQ(undo.isEnabled(), 0);
    EXPECT_EQ(boxes.shown().size(), 1u);

    // Free space that cannot be found counts as too little.
    FreeSpace::known = 0;
    UndoTestDocument other;
    other.undo().recordMove(1, 0, 0);
    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(other.undo().isEnabled(), 0);
}

TEST_F(UndoManagerTest, TheDriveIsAskedOncePerStepAndPerMegabyte)
{
    static int asked;
    asked = 0;
    ScopedOverride<UndoManager::FreeSpaceQuery> counting(UndoManager::freeSpaceQuery,
                                                         [](const FileName&, unsigned long long& bytes) {
                                                             ++asked;
                                                             bytes = 1ULL << 40;
                                                             return 1;
                                                         });
    UndoTestDocument doc;
    UndoManager& undo = doc.undo();

    // Many records of one step (a command that records per element) ask once.
    for (int i = 0; i < 100; ++i)
        undo.recordMove(1, 0, 0);
    EXPECT_EQ(asked, 1);
    // Each consultation of the history begins a step: its first record asks again.
    EXPECT_EQ(undo.canUndo(), 1);
    undo.recordMove(1, 0, 0);
    undo.recordMove(1, 0, 0);
    EXPECT_EQ(asked, 2);
    undo.resetPositions();
    undo.recordMove(1, 0, 0);
    EXPECT_EQ(asked, 3);

    // Within one step the drive is asked again once a megabyte more went into the log: records
    // of 100,000 ids are 400,056 bytes, so the third one passes the megabyte.
    std::vector<int> many(100000);
    for (size_t i = 0; i < many.size(); ++i)
        many[i] = static_cast<int>(i) + 1;
    doc.selectTool->select(many);
    for (int i = 0; i < 3; ++i) {
        undo.captureSelection();
        undo.recordMove(1, 0, 0);
        EXPECT_EQ(asked, i < 2 ? 3 : 4) << "record " << i;
    }
}

TEST_F(UndoManagerTest, AFailedWriteStartsANewLogWithoutHistory)
{
    UndoTestDocument doc;
    UndoManager& undo = doc.undo();
    int a = doc.add(ElementKind::Line, {{0, 0, 0}});
    doc.selectAndCapture({a});
    undo.recordMove(1, 0, 0);
    ASSERT_EQ(undo.recordCount(), 1);

    // The log's file goes away under the manager: the next record cannot be written.
    ASSERT_EQ(const_cast<TempFile&>(undo.log().tempFile()).close(), 1);
    undo.recordMove(2, 0, 0);
    EXPECT_EQ(undo.isEnabled(), 1);
    EXPECT_EQ(undo.isWriteOk(), 1);
    EXPECT_EQ(undo.recordCount(), 0) << "the history is lost";
    EXPECT_EQ(undo.canUndo(), 0);

    doc.selectAndCapture({a});
    moveElements(doc, {a}, 3, 0);
    undo.recordMove(3, 0, 0);
    EXPECT_EQ(doc.logBytes().size(), 52u) << "the new log starts empty";
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(doc.read(a).x(), 0.0);
}

TEST_F(UndoManagerTest, NewElementComesAndGoesWithItsIdAndTheSelectionBeforeIt)
{
    elementKindNameLookup = lineName;
    UndoTestDocument doc;
    UndoManager& undo = doc.undo();
    int first = doc.add(ElementKind::Line, {{1, 1, 0}});
    doc.selectAndCapture({first}); // input of a new line begins
    int made = doc.add(ElementKind::Line, {{3, 3, 0}});
    recordNew(doc, made, ElementKind::Line);
    doc.selectTool->select({made});

    EXPECT_EQ(menus(undo), "直線の取り消し / やり直し (off)");
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_FALSE(doc.store().isLive(made));
    EXPECT_EQ(doc.selectTool->ids, std::vector<int>{first}) << "the selection from when its input began";
    EXPECT_EQ(doc.inputPoints->flagWord, 1);
    EXPECT_EQ(doc.textEditor->settles, 1);
    EXPECT_EQ(menus(undo), "取り消し (off) / 直線のやり直し");

    EXPECT_EQ(undo.redo(), 1);
    EXPECT_TRUE(doc.store().isLive(made));
    EXPECT_EQ(doc.selectTool->ids, std::vector<int>{made});
    EXPECT_EQ(doc.selectTool->mode, 1);

    // The id given back by redo is not handed out again.
    int next = doc.add(ElementKind::Line, {{4, 4, 0}});
    EXPECT_NE(next, made);
    EXPECT_NE(next, first);
    EXPECT_EQ(doc.read(made).x(), 3.0);
    EXPECT_EQ(doc.read(next).x(), 4.0);
    EXPECT_EQ(doc.pageOrder(), (std::vector<int>{first, made, next}));

    // A kind without a registered name gives the plain text.
    int box = doc.add(ElementKind::Box, {{0, 0, 0}});
    recordNew(doc, box, ElementKind::Box);
    EXPECT_EQ(menus(undo), "取り消し / やり直し (off)");
}

TEST_F(UndoManagerTest, CopiesCutsDeletesAndPastesAreTakenBackAtTheirPlaces)
{
    UndoTestDocument doc;
    UndoManager& undo = doc.undo();
    int a = doc.add(ElementKind::Line, {{0, 0, 0}}), b = doc.add(ElementKind::Line, {{1, 0, 0}});
    int c = doc.add(ElementKind::Line, {{2, 0, 0}});

    // Copy of three: undo deletes the copies and reselects the sources; redo puts the copies
    // back at the end of the drawing order and selects them.
    doc.selectAndCapture({a, b, c});
    undo.beginCopy(0, 0, 0, 0, 0, 0);
    int d = doc.add(ElementKind::Line, {{0, 9, 0}}), e = doc.add(ElementKind::Line, {{1, 9, 0}});
    int f = doc.add(ElementKind::Line, {{2, 9, 0}});
    doc.selectTool->select({d, e, f});
    undo.endCopy();
    EXPECT_EQ(menus(undo), "複写の取り消し / やり直し (off)");
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(doc.pageOrder(), (std::vector<int>{a, b, c}));
    EXPECT_EQ(doc.selectTool->ids, (std::vector<int>{a, b, c}));
    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(doc.pageOrder(), (std::vector<int>{a, b, c, d, e, f}));
    EXPECT_EQ(doc.selectTool->ids, (std::vector<int>{d, e, f}));
    EXPECT_EQ(doc.read(e).y(), 9.0);

    // Delete of two in the middle: undo puts them back where they were.
    doc.selectTool->select({b, e});
    undo.recordDelete();
    ASSERT_TRUE(doc.editor->removeById(b));
    ASSERT_TRUE(doc.editor->removeById(e));
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(doc.pageOrder(), (std::vector<int>{a, b, c, d, e, f}));
    EXPECT_EQ(doc.selectTool->ids, (std::vector<int>{b, e}));
    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(doc.pageOrder(), (std::vector<int>{a, c, d, f}));
    EXPECT_TRUE(doc.selectTool->ids.empty());

    // Cut of the first element, then paste of a new one.
    doc.selectTool->select({a});
    undo.recordCut();
    ASSERT_EQ(doc.editor->removeById(a), 1);
    int pasted = doc.add(ElementKind::Line, {{7, 7, 0}});
    EXPECT_NE(pasted, a);
    doc.selectTool->select({pasted});
    undo.recordPaste();
    EXPECT_EQ(menus(undo), "貼込みの取り消し / やり直し (off)");
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_FALSE(doc.store().isLive(pasted));
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(doc.pageOrder(), (std::vector<int>{a, c, d, f}));
    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(doc.pageOrder(), (std::vector<int>{c, d, f, pasted}));
    EXPECT_EQ(doc.selectTool->ids, std::vector<int>{pasted});
}

TEST_F(UndoManagerTest, ADeleteSelectedInClickOrderComesBackWhole)
{
    UndoTestDocument doc;
    UndoManager& undo = doc.undo();
    int p = doc.add(ElementKind::Line, {{0, 0, 0}}), a = doc.add(ElementKind::Line, {{1, 0, 0}});
    int b = doc.add(ElementKind::Line, {{2, 0, 0}});
    int n = doc.add(ElementKind::Line, {{3, 0, 0}}), z = doc.add(ElementKind::Line, {{4, 0, 0}});

    // Clicked B, then A, then Z: undo puts them back in that order, not the reverse.
    doc.selectTool->select({b, a, z});
    undo.recordDelete();
    for (int id : {b, a, z})
        ASSERT_TRUE(doc.editor->removeById(id));
    ASSERT_EQ(doc.pageOrder(), (std::vector<int>{p, n}));
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(doc.pageOrder(), (std::vector<int>{p, a, b, n, z}));
    for (int id : {p, a, b, n, z})
        EXPECT_TRUE(doc.store().isLive(id)) << id;
    EXPECT_EQ(doc.store().liveCount(), 5);
    EXPECT_EQ(doc.read(z).x(), 4.0);

    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(doc.pageOrder(), (std::vector<int>{p, n}));
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(doc.pageOrder(), (std::vector<int>{p, a, b, n, z}));
    int fresh = doc.add(ElementKind::Line, {{5, 0, 0}});
    EXPECT_EQ(fresh, 6) << "no id of the drawing is handed out again";
    EXPECT_EQ(doc.pageOrder(), (std::vector<int>{p, a, b, n, z, fresh}));
}

// Records the page ends and every element's links of page 1 with a phase.
void recordOrder(UndoTestDocument& doc, int phase)
{
    OrderChangeRecord& order = *doc.undo().orderList();
    order.page = 1;
    OrderChangeItem ends;
    ends.phase = static_cast<uint8_t>(phase);
    ends.type = 1;
    ends.w[1] = doc.store().pageTable->getFirst(1);
    ends.w[2] = doc.store().pageTable->getLast(1);
    EXPECT_EQ(order.addItem(ends), 1);
    for (int id : doc.pageOrder()) {
        ElementIndexEntry entry;
        EXPECT_EQ(doc.store().getEntry(id, &entry), 1);
        OrderChangeItem links;
        links.phase = static_cast<uint8_t>(phase);
        links.type = 2;
        links.w[0] = id;
        links.w[1] = entry.pagePrevious;
        links.w[2] = entry.pageNext;
        links.w[3] = entry.cellPrevious;
        links.w[4] = entry.cellNext;
        EXPECT_EQ(order.addItem(links), 1);
    }
    OrderChangeItem cell;
    cell.phase = static_cast<uint8_t>(phase);
    cell.type = 3;
    cell.w[0] = 1;
    cell.w[1] = doc.store().cellTable->getFirst(1, 1);
    cell.w[2] = doc.store().cellTable->getLast(1, 1);
    EXPECT_EQ(order.addItem(cell), 1);
}

TEST_F(UndoManagerTest, RotationAndDrawingOrder)
{
    UndoTestDocument doc;
    UndoManager& undo = doc.undo();
    int a = doc.add(ElementKind::Line, {{1, 0, 0}}), b = doc.add(ElementKind::Line, {{2, 0, 0}});
    int c = doc.add(ElementKind::Line, {{3, 0, 0}});

    doc.selectAndCapture({a});
    ASSERT_TRUE(doc.editor->beginEdit(a));
    doc.editor->held()->rotate(90, 0, 0, 0);
    ASSERT_EQ(doc.editor->storeBack(a), 1);
    undo.recordRotate(90, 0, 0, 0);
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(doc.read(a).x(), 1.0);
    EXPECT_EQ(doc.read(a).y(), 0.0);
    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(doc.read(a).x(), 0.0);
    EXPECT_EQ(doc.read(a).y(), -1.0);

    // c to the very back.
    undo.orderList()->clear();
    recordOrder(doc, 1);
    ASSERT_EQ(doc.store().relinkOrder(1, c, a), 1);
    recordOrder(doc, 2);
    undo.recordOrderChange();
    ASSERT_EQ(doc.pageOrder(), (std::vector<int>{c, a, b}));
    EXPECT_EQ(menus(undo), "順番変更の取り消し / やり直し (off)");
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_EQ(doc.pageOrder(), (std::vector<int>{a, b, c}));
    EXPECT_EQ(doc.store().cellTable->getFirst(1, 1), a);
    EXPECT_EQ(undo.redo(), 1);
    EXPECT_EQ(doc.pageOrder(), (std::vector<int>{c, a, b}));
    EXPECT_EQ(doc.store().pageTable->getLast(1), b);

    // A record whose page the store has no row for (page 0) is not applied in part: the step
    // fails and the drawing order stays.
    undo.orderList()->clear();
    recordOrder(doc, 1);
    ASSERT_EQ(doc.store().relinkOrderAfter(1, a, b), 1);
    recordOrder(doc, 2);
    undo.orderList()->page = 0;
    undo.recordOrderChange();
    ASSERT_EQ(doc.pageOrder(), (std::vector<int>{c, b, a}));
    EXPECT_EQ(undo.undo(), 0);
    EXPECT_EQ(doc.pageOrder(), (std::vector<int>{c, b, a}));
}

TEST_F(UndoManagerTest, ASettleThatRecordsStopsTheStep)
{
    UndoTestDocument doc;
    UndoManager& undo = doc.undo();
    int a = doc.add(ElementKind::Line, {{0, 0, 0}});
    doc.selectAndCapture({a});
    moveElements(doc, {a}, 5, 0);
    undo.recordMove(5, 0, 0);
    EXPECT_EQ(undo.undo(), 1);

    // The element in edit is committed as new when redo settles it: the history has changed
    // under the redo, which must not read the record that the commit overwrote.
    int committed = 0;
    doc.textEditor->onSettle = [&] {
        committed = doc.add(ElementKind::Line, {{8, 8, 0}});
        recordNew(doc, committed, ElementKind::Line);
    };
    EXPECT_EQ(undo.redo(), 0);
    doc.textEditor->onSettle = nullptr;
    EXPECT_EQ(doc.read(a).x(), 0.0);
    EXPECT_EQ(undo.appliedCount(), 1);
    EXPECT_EQ(undo.recordCount(), 1);
    EXPECT_EQ(undo.undo(), 1);
    EXPECT_FALSE(doc.store().isLive(committed));
    EXPECT_EQ(undo.canUndo(), 0);
}

// The elements of the store (points, text and values, "-" for an id that is not live) and the
// drawing order, as text.
std::string drawingOf(UndoTestDocument& doc)
{
    std::string text;
    for (int id = 1; id <= doc.store().highestId(); ++id) {
        UndoTestDocument::Snapshot element = doc.read(id);
        text += std::to_string(id) + (element.kind ? ":" : ": -");
        for (const UndoPoint& p : element.points)
            text += " (" + std::to_string(p.x) + " " + std::to_string(p.y) + ")";
        text += " '" + element.text + "'";
        for (double value : element.values)
            text += " " + std::to_string(value);
        text += "\n";
    }
    text += "order";
    for (int id : doc.pageOrder())
        text += " " + std::to_string(id);
    return text;
}

// The drawing, the history's position and the selection.
std::string stateOf(UndoTestDocument& doc)
{
    std::string text = drawingOf(doc);
    text += "\napplied " + std::to_string(doc.undo().appliedCount()) + " of " +
            std::to_string(doc.undo().recordCount()) + " at " + std::to_string(doc.logPosition());
    text += "\nselected (mode " + std::to_string(doc.selectTool->mode) + ")";
    for (int id : doc.selectTool->ids)
        text += " " + std::to_string(id);
    return text;
}

// The element that a step cannot take: refused by the editors, or gone from the store.
enum class Obstacle { Refused, Deleted };

struct FailingStep {
    const char* name;
    Obstacle obstacle;
    // Makes the elements, changes them and records the change; the id that will stand in the way.
    std::function<int(UndoTestDocument&)> record;
};

const FailingStep failingSteps[] = {
    {"move of three", Obstacle::Refused,
     [](UndoTestDocument& doc) {
         int a = doc.add(ElementKind::Line, {{0, 0, 0}}), b = doc.add(ElementKind::Line, {{1, 0, 0}});
         int c = doc.add(ElementKind::Line, {{2, 0, 0}});
         doc.selectAndCapture({a, b, c});
         moveElements(doc, {a, b, c}, 2, 1);
         doc.undo().recordMove(2, 1, 0);
         return c;
     }},
    {"rotation of three", Obstacle::Refused,
     [](UndoTestDocument& doc) {
         int a = doc.add(ElementKind::Line, {{1, 0, 0}}), b = doc.add(ElementKind::Line, {{2, 0, 0}});
         int c = doc.add(ElementKind::Line, {{3, 0, 0}});
         doc.selectAndCapture({a, b, c});
         for (int id : {a, b, c}) {
             EXPECT_EQ(doc.editor->beginEdit(id), 1);
             doc.editor->held()->rotate(90, 0, 0, 0);
             EXPECT_EQ(doc.editor->storeBack(id), 1);
         }
         doc.undo().recordRotate(90, 0, 0, 0);
         return c;
     }},
    {"copy of three", Obstacle::Refused,
     [](UndoTestDocument& doc) {
         int a = doc.add(ElementKind::Line, {{0, 0, 0}}), b = doc.add(ElementKind::Line, {{1, 0, 0}});
         doc.selectAndCapture({a, b});
         doc.undo().beginCopy(0, 0, 0, 0, 0, 0);
         int d = doc.add(ElementKind::Line, {{0, 9, 0}}), e = doc.add(ElementKind::Box, {{1, 9, 0}});
         int f = doc.add(ElementKind::Line, {{2, 9, 0}});
         doc.selectTool->select({d, e, f});
         doc.undo().endCopy();
         return f;
     }},
    {"delete of three", Obstacle::Refused,
     [](UndoTestDocument& doc) {
         int a = doc.add(ElementKind::Line, {{0, 0, 0}}), b = doc.add(ElementKind::Box, {{1, 0, 0}});
         int c = doc.add(ElementKind::Line, {{2, 0, 0}});
         doc.add(ElementKind::Line, {{3, 0, 0}});
         doc.selectTool->select({b, a, c});
         doc.undo().recordDelete();
         for (int id : {b, a, c})
             EXPECT_EQ(doc.editor->removeById(id), 1);
         return c;
     }},
    {"paste of three", Obstacle::Refused,
     [](UndoTestDocument& doc) {
         doc.add(ElementKind::Line, {{0, 0, 0}});
         int p = doc.add(ElementKind::Line, {{1, 1, 0}}), q = doc.add(ElementKind::Box, {{2, 2, 0}});
         int r = doc.add(ElementKind::Line, {{3, 3, 0}});
         doc.selectTool->select({p, q, r});
         doc.undo().recordPaste();
         return r;
     }},
    {"new element", Obstacle::Refused,
     [](UndoTestDocument& doc) {
         int a = doc.add(ElementKind::Line, {{0, 0, 0}});
         doc.selectAndCapture({a});
         int made = doc.add(ElementKind::Line, {{5, 5, 0}});
         recordNew(doc, made, ElementKind::Line);
         return made;
     }},
    {"drawing order", Obstacle::Deleted,
     [](UndoTestDocument& doc) {
         int a = doc.add(ElementKind::Line, {{0, 0, 0}}), b = doc.add(ElementKind::Line, {{1, 0, 0}});
         int c = doc.add(ElementKind::Line, {{2, 0, 0}});
         doc.undo().orderList()->clear();
         recordOrder(doc, 1);
         EXPECT_EQ(doc.store().relinkOrder(1, c, a), 1);
         recordOrder(doc, 2);
         doc.undo().recordOrderChange();
         return b;
     }},
    {"point add", Obstacle::Refused,
     [](UndoTestDocument& doc) {
         int line = doc.add(ElementKind::Breakline, {{0, 0, 0}, {9, 0, 0}});
         UndoManager& undo = doc.undo();
         EXPECT_EQ(doc.editor->beginEdit(line), 1);
         UndoTestElement* element = doc.editor->held();
         undo.beginPointAdd(2);
         undo.clearRecordPoints();
         undo.addRecordPoint(0, 0, 0);
         undo.addRecordPoint(9, 0, 0);
         element->points.insert(element->points.begin() + 1, UndoPoint{4, 4, 0});
         EXPECT_EQ(doc.editor->storeBack(line), 1);
         for (const UndoPoint& p : element->points)
             undo.addRecordPoint(p.x, p.y, p.z);
         undo.endPointAdd(element);
         return line;
     }},
    {"reshape", Obstacle::Deleted,
     [](UndoTestDocument& doc) {
         int box = doc.add(ElementKind::Box, {{1, 1, 0}}, "small");
         EXPECT_EQ(doc.editor->beginEdit(box), 1);
         doc.undo().beginReshape(doc.editor->held());
         doc.editor->held()->points[0] = {3, 3, 0};
         EXPECT_EQ(doc.editor->storeBack(box), 1);
         doc.undo().endReshape(doc.editor->held());
         return box;
     }},
    {"batch change of three", Obstacle::Deleted,
     [](UndoTestDocument& doc) {
         int a = doc.add(ElementKind::Line, {}, "a0"), b = doc.add(ElementKind::Box, {}, "b0");
         int c = doc.add(ElementKind::Line, {}, "c0");
         doc.undo().beginBatchChange(3);
         for (int id : {a, b, c}) {
             doc.undo().batchChangeBefore(id);
             EXPECT_EQ(doc.editor->beginEdit(id), 1);
             doc.editor->held()->text += "1";
             EXPECT_EQ(doc.editor->storeBack(id), 1);
             doc.undo().batchChangeAfter(id);
         }
         doc.undo().endBatchChange();
         return c;
     }},
    {"typing", Obstacle::Refused,
     [](UndoTestDocument& doc) {
         int text = doc.add(ElementKind::Text, {}, "ab");
         EXPECT_EQ(doc.textEditor->beginEdit(text), 1);
         UndoTestElement* element = doc.textEditor->held();
         doc.undo().beginTyping(element, 2);
         element->insertTextAt(2, "cd", 2);
         doc.undo().appendTyped("cd", 2);
         EXPECT_EQ(doc.textEditor->storeBack(text), 1);
         return text;
     }},
};

// Puts the obstacle in the way of the next step; the returned call takes it away again.
std::function<void()> obstruct(UndoTestDocument& doc, Obstacle obstacle, int id)
{
    if (obstacle == Obstacle::Refused) {
        doc.editor->refusedId = doc.textEditor->refusedId = id;
        // An editor that cannot take the element does not hold it either.
        if (doc.textEditor->held() && doc.textEditor->held()->id == id)
            doc.textEditor->inHand.reset();
        return [&doc] { doc.editor->refusedId = doc.textEditor->refusedId = 0; };
    }
    auto image = std::make_shared<ElementIndexEntry>();
    EXPECT_TRUE(doc.store().deleteElement(id, image.get()));
    return [&doc, id, image] { EXPECT_TRUE(doc.store().reinsertElement(id, *image)); };
}

TEST_F(UndoManagerTest, AStepThatCannotTakeAnElementChangesNothingAndFails)
{
    for (const FailingStep& step : failingSteps) {
        SCOPED_TRACE(step.name);
        UndoTestDocument doc;
        UndoManager& undo = doc.undo();
        int blocked = step.record(doc);
        ASSERT_EQ(undo.canUndo(), 1);
        ASSERT_EQ(undo.recordCount(), 1);
        const std::string recorded = drawingOf(doc);

        // The step fails whole: elements, log position and selection stay as they were.
        doc.selectTool->select({1});
        std::function<void()> clear = obstruct(doc, step.obstacle, blocked);
        std::string before = stateOf(doc);
        EXPECT_EQ(undo.undo(), 0);
        EXPECT_EQ(stateOf(doc), before);
        clear();
        int shownBefore = doc.updater->repaints;
        EXPECT_EQ(undo.undo(), 1) << "the obstacle is gone";
        EXPECT_EQ(undo.appliedCount(), 0);
        EXPECT_EQ(doc.updater->repaints, shownBefore + 1) << "the step ends showing what it selected";

        doc.selectTool->select({1});
        clear = obstruct(doc, step.obstacle, blocked);
        before = stateOf(doc);
        EXPECT_EQ(undo.redo(), 0);
        EXPECT_EQ(stateOf(doc), before);
        clear();
        shownBefore = doc.updater->repaints;
        EXPECT_EQ(undo.redo(), 1);
        EXPECT_EQ(doc.updater->repaints, shownBefore + 1) << "the step ends showing what it selected";
        EXPECT_EQ(drawingOf(doc), recorded) << "redone as it was recorded";
    }
}

} // namespace
