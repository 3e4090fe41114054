#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "document/DisplayControlState.h"
#include "document/FileErrorReporter.h"
#include "geometry/LeanAttribute.h"
#include "geometry/OpenCloseAttribute.h"
#include "shapes/CornerRounding.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/views/EditorTestDrawing.h"

using namespace editor_test;

namespace {

using Trace = std::vector<std::string>;
using Poll = ScriptedView::Poll;

constexpr Poll kLeftAt(int x, int y) { return {x, y, 1, 0}; }

} // namespace

// Each state code of a creation step, from the first click on: what is committed, what the
// editor holds afterwards and what it asks of the view.
TEST(ElementEditorCreation, StateCodesOfTheMouseSteps)
{
    struct Case {
        const char* name;
        std::vector<int> codes;     // the scripted kind's answers, in order
        int steps;                  // mouse steps run; the last one's result is checked
        int result;
        int stored;                 // elements in the store afterwards
        int pending;                // an element of the kind is in hand with its input pending
        Trace trace;
    } cases[] = {
        {"1 commits and reposts a mouse move", {1}, 1, 1, 1, 0,
         {"begin 1", "draw", "navigator 1", "page bar", "grid over", "select 1", "repaint", "mouse move"}},
        {"-1 keeps the input pending and the next step continues it", {-1, 1}, 2, 1, 1, 0,
         {"begin -1", "continue 1", "draw", "navigator 1", "page bar", "grid over", "select 1", "repaint",
          "mouse move"}},
        {"41 commits and begins the next element", {-1, 41, -1}, 2, -1, 1, 1,
         {"begin -1", "continue 41", "draw", "navigator 1", "page bar", "grid over", "select 1", "repaint",
          "begin -1"}},
        {"43 commits and stops", {-1, 43}, 2, 43, 1, 0,
         {"begin -1", "continue 43", "draw", "navigator 1", "page bar", "grid over", "select 1", "repaint"}},
        {"15 is returned unchanged", {-1, 15}, 2, 15, 0, 0, {"begin -1", "continue 15"}},
        {"21 from the element asks for the context menu", {-1, 21}, 2, 21, 0, 0,
         {"begin -1", "continue 21", "menu 6160"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditorDrawing d;
        ScriptedElement::codes().assign(c.codes.begin(), c.codes.end());
        d.view->polls = {{5, 5, 0, 0}, kLeftAt(20, 30)};
        int result = 0;
        for (int i = 0; i < c.steps; ++i)
            result = d.creator().mouseStep(kScriptedKind, 0);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(d.context.elementCount(), c.stored);
        Element* held = d.creator().elementInHand();
        EXPECT_EQ(held && d.creator().holdsKind(kScriptedKind) && held->inputPending, c.pending);
        EXPECT_EQ(trace(), c.trace);
        if (std::string(c.name).rfind("41", 0) == 0) {
            // The next element starts with the cursor as its only point.
            Point first;
            ASSERT_EQ(d.points->pointCount(), 1);
            ASSERT_EQ(d.points->pointAt(0, &first), 1);
            EXPECT_EQ(first.x, 20.0);
            EXPECT_EQ(first.y, 30.0);
        }
    }
}

// The click loop before the first point: a right click settles the element in hand and asks for
// the context menu; a failed poll does nothing; abandoning drops an element whose input is
// pending, so that the next step waits for a first click again. Placing by mouse.
TEST(ElementEditorCreation, RightClickFailedPollAndAbandon)
{
    {
        EditorDrawing d;
        ASSERT_EQ(d.creator().startNewElement(kScriptedKind), 1);
        d.creator().elementInHand()->inputResult = 1; // complete, not yet committed
        d.view->polls = {{40, 40, 0, 1}};
        EXPECT_EQ(d.creator().mouseStep(kindCode(ElementKind::Line), 0), 21);
        EXPECT_EQ(d.context.elementCount(), 1) << "the element in hand was settled";
        EXPECT_EQ(trace(), (Trace{"draw", "navigator 1", "page bar", "grid over", "select 1", "repaint", "menu 6160"}));
    }
    {
        EditorDrawing d;
        d.view->polls = {{5, 5, 0, 0}}; // then the polls fail
        EXPECT_EQ(d.creator().mouseStep(kScriptedKind, 0), -1);
        EXPECT_EQ(trace(), Trace{});
    }
    {
        EditorDrawing d;
        ScriptedElement::codes() = {-1, -1};
        d.view->polls = {kLeftAt(10, 10)};
        ASSERT_EQ(d.creator().mouseStep(kScriptedKind, 0), -1);
        d.creator().abandonCreation();
        EXPECT_EQ(d.creator().elementInHand(), nullptr);
        d.view->polls = {kLeftAt(10, 10)};
        EXPECT_EQ(d.creator().mouseStep(kScriptedKind, 0), -1);
        EXPECT_EQ(trace(), (Trace{"begin -1", "begin -1"})) << "a new element, not the abandoned one";
        EXPECT_EQ(d.context.elementCount(), 0);
    }
    // Placing (pictures) needs no first click: 1 commits, 21 asks for the menu, 15 passes.
    const struct {
        int code;
        Trace trace;
    } placings[] = {
        {1, {"place 1", "draw", "navigator 1", "page bar", "grid over", "select 1", "repaint", "mouse move"}},
        {21, {"place 21", "menu 6160"}},
        {15, {"place 15"}},
    };
    for (const auto& p : placings) {
        EditorDrawing d;
        ScriptedElement::codes() = {p.code};
        EXPECT_EQ(d.creator().placeByMouse(kScriptedKind, 0), p.code);
        EXPECT_EQ(trace(), p.trace);
    }
}

// A new element starts from a new one's values whatever the element in hand held: a Bezier begun
// freehand (open) is followed by one of a shape method, which is closed as every new Bezier; a
// turned box with a round corner, a group and a serial by a plain one.
TEST(ElementEditorCreation, ANewElementKeepsNothingOfTheOneBefore)
{
    struct Row {
        ElementKind kind;
        int firstMode, nextMode;
        std::function<void(Element&)> dirty;          // what the first element is given besides
        std::function<std::string(Element&)> values;  // the values compared, as text
    } rows[] = {
        {ElementKind::Bezier, 1, 3, [](Element&) {},
         [](Element& e) { return std::to_string(e.openClose()->value); }},
        {ElementKind::Box, 0, 0,
         [](Element& e) {
             e.lean()->angle = 30.0;
             e.cornerRounding()->setRadius(0, 5.0);
             e.group = 7;
             e.serial = 12;
         },
         [](Element& e) {
             return std::to_string(e.lean()->angle) + " " + std::to_string(e.cornerRounding()->radius(0)) + " " +
                    std::to_string(e.group) + " " + std::to_string(e.serial);
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(kindCode(r.kind));
        EditorDrawing d;
        ElementEditorBase& editor = d.creator();
        (void)editor.beginCreation(kindCode(r.kind), r.nextMode); // no polls: the input ends at once
        ASSERT_NE(editor.elementInHand(), nullptr);
        const std::string fresh = r.values(*editor.elementInHand());
        editor.abandonCreation();

        (void)editor.beginCreation(kindCode(r.kind), r.firstMode);
        Element* first = editor.elementInHand();
        ASSERT_NE(first, nullptr);
        r.dirty(*first);
        ASSERT_NE(r.values(*first), fresh) << "the first element differs from a new one";
        (void)editor.beginCreation(kindCode(r.kind), r.nextMode);
        ASSERT_NE(editor.elementInHand(), nullptr);
        EXPECT_EQ(r.values(*editor.elementInHand()), fresh);
    }
}

// A committed element is stored, recorded, drawn, shown in the navigator and the page bar,
// painted under a grid that lies over the figures, selected and shown, then memory is checked:
// in that order. A store that refuses the element leaves nothing drawn, recorded or selected.
TEST(ElementEditorCommit, StepsInOrderAndARefusedStore)
{
    EditorDrawing d;
    d.clock.set(400000);
    const int id = d.add(kScriptedKind, 1, 1, 20, 20); // the memory check probes once
    ASSERT_EQ(id, 1);
    ASSERT_EQ(d.creator().startNewElement(kScriptedKind), 1);
    d.clock.set(800000);
    trace().clear();
    ASSERT_EQ(d.creator().commitNewElement(), 1);
    const int second = d.creator().elementInHand()->id;
    EXPECT_EQ(trace(), (Trace{"draw", "navigator " + std::to_string(second), "page bar", "grid over",
                              "select " + std::to_string(second), "repaint", "probe"}));
    EXPECT_EQ(d.undo().recordCount(), 2);
    EXPECT_NE(d.undoText().find(EditorDrawing::operationName(UndoCode::NewElement, kScriptedKind)), std::string::npos);
    EXPECT_EQ(d.tool->mode, 1) << "single selection";
    EXPECT_EQ(d.tools().elementInHand()->id, second) << "the select tool's editor holds the new element";
    ElementIndexEntry entry;
    ASSERT_EQ(d.context.elementStore()->getEntry(second, &entry), 1);
    EXPECT_GT(entry.serial, 0) << "the element took its serial before it was stored";

    ScriptedElement::refuseStore = 1;
    ASSERT_EQ(d.creator().startNewElement(kScriptedKind), 1);
    trace().clear();
    MessageBoxScript boxes;
    EXPECT_EQ(d.creator().commitNewElement(), -1);
    EXPECT_EQ(trace(), Trace{});
    EXPECT_EQ(boxes.texts(), "図形の数値が扱える範囲を超えるため、この操作はできません。");
    EXPECT_EQ(d.undo().recordCount(), 2);
    EXPECT_EQ(d.context.elementCount(), 2);
    EXPECT_EQ(d.tool->selected, second);
}

// The memory check after each new element probes at most once in five minutes; a failed probe
// shows the low-memory box.
TEST(ElementEditorCommit, MemoryCheckEveryFiveMinutesAndTheLowMemoryBox)
{
    EditorDrawing d;
    MessageBoxScript boxes;
    struct Step {
        DWORD now;
        int probed;
    } steps[] = {{1000, 0}, {299999, 0}, {300000, 1}, {300001, 0}, {599999, 0}, {600000, 1}, {600500, 0}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.now);
        d.clock.set(s.now);
        ASSERT_EQ(d.creator().startNewElement(kScriptedKind), 1);
        ASSERT_EQ(d.creator().commitNewElement(), 1);
        EXPECT_EQ(std::count(trace().begin(), trace().end(), "probe"), s.probed);
        trace().clear();
    }
    EXPECT_TRUE(boxes.shown().empty());

    probeAnswer = 0;
    d.clock.set(900000);
    d.guard.checkMemoryReserve();
    d.guard.checkMemoryReserve();
    ASSERT_EQ(boxes.shown().size(), 1u) << "once in five minutes";
    EXPECT_EQ(boxes.shown()[0].text, "メモリーの残りがわずかです。");
    EXPECT_EQ(boxes.shown()[0].caption, "保存して終了して下さい。");
    EXPECT_EQ(boxes.shown()[0].style & MB_ICONMASK, static_cast<UINT>(MB_ICONHAND));
    EXPECT_EQ(boxes.shown()[0].style & MB_TASKMODAL, static_cast<UINT>(MB_TASKMODAL));
}

// Handle drags and the property sheet of a stored element: which results store it with an
// undo record (whose undo and redo give the images before and after), which leave the record
// byte-identical, and what the view is asked.
TEST(ElementEditorStoredElement, HandleDragAndPropertySheetResults)
{
    struct Case {
        const char* name;
        int sheet; // 0 a handle drag, else the property sheet
        int code;
        int result;
        UndoCode recorded; // None: nothing recorded and the record stays byte-identical
        Trace trace;
    } cases[] = {
        {"drag changed the element", 0, 11, 1, UndoCode::Reshape, {"drag 11", "draw", "refresh", "repaint"}},
        {"drag cancelled", 0, -1, 0, UndoCode::None, {"drag -1", "refresh", "repaint"}},
        {"drag with another result", 0, 15, 0, UndoCode::None, {"drag 15"}},
        {"sheet OK", 1, 1, 1, UndoCode::AttributeChange, {"save spare", "sheet 1", "draw", "refresh"}},
        {"sheet kept, previous", 1, 15093, 15093, UndoCode::AttributeChange, {"save spare", "sheet 15093", "draw", "refresh"}},
        {"sheet kept, next", 1, 15094, 15094, UndoCode::AttributeChange, {"save spare", "sheet 15094", "draw", "refresh"}},
        {"sheet cancelled", 1, 2, 2, UndoCode::None, {"save spare", "sheet 2", "restore spare"}},
        {"sheet dropped, previous", 1, 15092, 15092, UndoCode::None, {"save spare", "sheet 15092", "restore spare"}},
        {"sheet dropped, next", 1, 15095, 15095, UndoCode::None, {"save spare", "sheet 15095", "restore spare"}},
        {"sheet action 1", 1, 9901, 9901, UndoCode::AttributeChange,
         {"save spare", "sheet 9901", "draw", "action 1", "draw", "refresh", "repaint"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditorDrawing d;
        const int id = d.add(kScriptedKind, 10, 10, 50, 10);
        ASSERT_EQ(id, 1);
        const std::string before = d.storedBytes(id);
        const int records = d.undo().recordCount();
        ScriptedElement::codes() = {c.code};
        const int result = c.sheet ? d.creator().runPropertySheet(id, 0, 1) : d.creator().dragHandleById(id, 2);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(trace(), c.trace);
        const std::string after = d.storedBytes(id);
        if (c.recorded == UndoCode::None) {
            EXPECT_EQ(after, before);
            EXPECT_EQ(d.undo().recordCount(), records);
            continue;
        }
        EXPECT_NE(after, before);
        ASSERT_EQ(d.undo().recordCount(), records + 1);
        EXPECT_NE(d.undoText().find(EditorDrawing::operationName(c.recorded, kScriptedKind)), std::string::npos);
        ASSERT_EQ(d.undo().undo(), 1);
        EXPECT_EQ(d.storedBytes(id), before);
        ASSERT_EQ(d.undo().redo(), 1);
        EXPECT_EQ(d.storedBytes(id), after);
    }
    // An id that cannot be taken.
    EditorDrawing d;
    EXPECT_EQ(d.creator().dragHandleById(7, 1), 0);
    EXPECT_EQ(d.creator().runPropertySheet(7, 0, 0), 0);
    EXPECT_EQ(d.creator().editByMouseById(7), -1);
}

// Stored elements by id: an unchanged element is stored back byte for byte, the element in hand
// is reused for the same kind, a page walk skips what is hidden and goes on with the next id,
// and ids given out after an undo and redo stay distinct.
TEST(ElementEditorStoredElement, ByIdOperations)
{
    EditorDrawing d;
    const int line = d.add(kindCode(ElementKind::Line), 0, 0, 30, 40);
    const int scripted = d.add(kScriptedKind, 5, 5, 15, 5);
    const int line2 = d.add(kindCode(ElementKind::Line), 1, 2, 3, 4);
    ASSERT_TRUE(line >= 1 && scripted >= 1 && line2 >= 1);
    ElementEditorBase& e = d.tools();
    for (int id : {line, scripted}) {
        const std::string before = d.storedBytes(id);
        ASSERT_EQ(e.beginEdit(id), 1);
        ASSERT_EQ(e.storeBack(id), 1);
        EXPECT_EQ(d.storedBytes(id), before) << id;
    }
    ASSERT_EQ(e.beginEdit(line), 1);
    Element* held = e.elementInHand();
    ASSERT_EQ(e.beginEdit(line2), 1);
    EXPECT_EQ(e.elementInHand(), held) << "the same kind reuses the element in hand";
    EXPECT_EQ(e.elementInHand()->secondPoint()->y, 4.0);
    ASSERT_EQ(e.beginEdit(scripted), 1);
    EXPECT_EQ(e.holdsKind(kScriptedKind), 1);
    // Kinds taken in turn: one element per kind, each taking its own record every time.
    const int made = d.registry.requests;
    for (int round = 0; round < 3; ++round)
        for (const auto& [id, y] : {std::pair<int, double>{line, 40.0}, {scripted, 5.0}, {line2, 4.0}}) {
            ASSERT_EQ(e.beginEdit(id), 1);
            EXPECT_EQ(e.elementInHand()->secondPoint()->y, y) << id;
        }
    EXPECT_EQ(d.registry.requests, made) << "the editor keeps its element of each kind";

    // The scripted element lies on layer 5, which is hidden.
    ASSERT_EQ(e.beginEdit(scripted), 1);
    e.elementInHand()->layer = 5;
    ASSERT_EQ(e.storeBack(scripted), 1);
    d.context.displayControl->setLayerDisplayFlag(5, 0);
    trace().clear();
    ElementEditorBase& painter = *d.context.editor1;
    EXPECT_EQ(painter.drawElementById(line), scripted);
    EXPECT_EQ(painter.drawElementById(scripted), line2);
    EXPECT_EQ(painter.drawElementById(line2), -1);
    EXPECT_EQ(painter.drawElementById(99), -1);
    EXPECT_EQ(trace(), Trace{}) << "the scripted element is not drawn (the lines do not note)";

    // Create, undo, redo, create: two live elements under distinct ids.
    EditorDrawing u;
    const int first = u.add(kindCode(ElementKind::Line), 0, 0, 10, 0);
    ASSERT_EQ(u.undo().undo(), 1);
    EXPECT_EQ(u.context.elementCount(), 0);
    ASSERT_EQ(u.undo().redo(), 1);
    const int second = u.add(kindCode(ElementKind::Line), 0, 5, 10, 5);
    EXPECT_NE(first, second);
    EXPECT_EQ(u.context.elementCount(), 2);
    for (int id : {first, second})
        EXPECT_EQ(u.tools().beginEdit(id), 1) << id;
    EXPECT_EQ(u.tools().elementInHand()->firstPoint()->y, 5.0);
}

// A page walk goes on past records that cannot make an element (a kind this build cannot make,
// a record that cannot be read back, coordinates that are not finite), draws none of them and
// reports them once; the elements around them are drawn.
TEST(ElementEditorPageWalk, DamagedRecordsArePassedOverAndReportedOnce)
{
    EditorDrawing d;
    MessageBoxScript boxes;
    theFileErrorReporter.reset();
    const int before = d.add(kindCode(ElementKind::Line), 10, 10, 100, 10);
    const int unreadable = d.add(kScriptedKind, 10, 30, 100, 30);
    const int notFinite = d.add(kindCode(ElementKind::Line), 10, 50, 100, 50);
    ElementStore* store = d.context.elementStore();
    ASSERT_EQ(d.tools().beginEdit(notFinite), 1);
    // The store refuses such an element; a record damaged elsewhere may hold one all the same.
    Element* spoilt = d.tools().elementInHand();
    spoilt->secondPoint()->y = std::nan("");
    ASSERT_EQ(spoilt->exchangeRecord(1), 1);
    ElementIndexEntry entry;
    spoilt->buildIndexEntry(entry);
    ASSERT_EQ(store->updateElement(notFinite, &entry), 1);
    store->recordBuffer->rewind();
    ASSERT_EQ(store->recordBuffer->putInt(12345), 1);
    ElementIndexEntry unmade;
    unmade.kind = kUnmadeKind;
    unmade.page = 1;
    const int unknown = store->addElement(&unmade);
    ASSERT_GE(unknown, 1);
    const int after = d.add(kindCode(ElementKind::Line), 10, 70, 100, 70);
    ScriptedElement::refuseRead = 1;
    // The screen as it was before the elements were committed (each was drawn then).
    ASSERT_TRUE(PatBlt(d.updater->surface.hdc, 0, 0, 200, 200, WHITENESS));

    for (int pass = 0; pass < 2; ++pass) {
        std::vector<int> visited;
        for (int id = before; id >= 1 && visited.size() < 10; id = d.context.editor1->drawElementById(id))
            visited.push_back(id);
        EXPECT_EQ(visited, (std::vector<int>{before, unreadable, notFinite, unknown, after}));
    }
    ASSERT_EQ(boxes.shown().size(), 1u) << "once until the next full refresh";
    EXPECT_EQ(boxes.shown()[0].text, "図形データが壊れています。");
    const DibSurface& screen = d.updater->surface;
    EXPECT_NE(screen.pixel(50, 10), RGB(255, 255, 255));
    EXPECT_EQ(screen.pixel(50, 30), RGB(255, 255, 255));
    EXPECT_EQ(screen.pixel(50, 50), RGB(255, 255, 255));
    EXPECT_NE(screen.pixel(50, 70), RGB(255, 255, 255)) << "the walk went on past the damaged records";
}

// A redraw of part of the view passes over the elements whose stored extent misses it without
// reading their records; the extent follows the element through edits and their undo and redo,
// so the picture is the one a full walk would draw.
TEST(ElementEditorPageWalk, StoredExtentDecidesBeforeTheRecordIsRead)
{
    EditorDrawing d;
    const int id = d.add(kScriptedKind, 10, 50, 20, 50);
    ASSERT_GE(id, 1);
    d.updater->hasArea = 1;
    d.updater->area.set(40, 20.5, 30, 60); // minimum y, minimum x, maximum x, maximum y
    auto drawnReading = [&] {
        trace().clear();
        ScriptedElement::reads = 0;
        (void)d.context.editor1->drawElementById(id); // the last element: -1
        return std::to_string(ScriptedElement::reads) + (trace().empty() ? " not drawn" : " drawn");
    };
    EXPECT_EQ(drawnReading(), "0 not drawn");
    ScriptedElement::codes() = {11};
    ASSERT_EQ(d.creator().dragHandleById(id, 2), 1); // the end moves to x = 21, into the area
    EXPECT_EQ(drawnReading(), "1 drawn");
    ASSERT_EQ(d.undo().undo(), 1);
    EXPECT_EQ(drawnReading(), "0 not drawn");
    ASSERT_EQ(d.undo().redo(), 1);
    EXPECT_EQ(drawnReading(), "1 drawn");
    d.updater->hasArea = 0;
    ASSERT_EQ(d.tools().translateById(id, 100, 0, 0), 1);
    d.updater->hasArea = 1;
    EXPECT_EQ(drawnReading(), "0 not drawn");
}
