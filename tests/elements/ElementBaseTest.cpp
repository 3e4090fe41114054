// The element base: forwarding to the kind's shape, picking, handles, mouse rules, the input
// protocol, attribute lifetimes, the store exchange and the drawing file's element frame.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "document/Document.h"
#include "document/ElementMaskIndex.h"
#include "document/ElementSerialCounter.h"
#include "document/PageList.h"
#include "document/ShapeOp.h"
#include "document/TickStamp.h"
#include "geometry/DoubleValue.h"
#include "geometry/FillAttributes.h"
#include "geometry/FontAttributes.h"
#include "geometry/GrayValue.h"
#include "geometry/InkColor.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/MarginAttribute.h"
#include "geometry/PickSettings.h"
#include "geometry/UnitSettings.h"
#include "geometry/XmlContext.h"
#include "platform/Pen.h"
#include "tests/elements/ElementFixture.h"
#include "tests/support/FakeClock.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"

using namespace element_fixture;

namespace {

TEST(ElementForwarding, EveryOutputSlotRunsTheShapeOnceWithItsOperation)
{
    struct Slot {
        const char* name;
        std::function<int(Element&)> call;
        int operation;
    };
    const Slot slots[] = {
        {"draw", [](Element& e) { return e.draw(); }, ShapeOp::Draw},
        {"erase", [](Element& e) { return e.erase(); }, ShapeOp::Erase},
        {"drag preview", [](Element& e) { return e.drawDragPreview(1, 2, 0); }, ShapeOp::DragPreview},
        {"print", [](Element& e) { return e.print(10, 0, 0); }, ShapeOp::Print},
        {"print plain", [](Element& e) { return e.printPlain(); }, ShapeOp::Print},
        {"PostScript", [](Element& e) { return e.writePostScript(0, 0, 0); }, ShapeOp::PostScript},
        {"PDF", [](Element& e) { return e.writePdf(0, 0, 0); }, ShapeOp::Pdf},
    };
    for (const Slot& slot : slots) {
        RecordingKind element;
        EXPECT_EQ(slot.call(element), 0) << slot.name << " without self";
        EXPECT_TRUE(element.operations.empty()) << slot.name;
        element.self = &element;
        EXPECT_EQ(slot.call(element), 1) << slot.name;
        EXPECT_EQ(element.operations, std::vector<int>{slot.operation}) << slot.name;
    }
}

TEST(ElementPicking, PickStyleChoosesHandlesColourOrMarks)
{
    struct Case {
        int settings; // 0: no pick settings
        int style;
        bool withSelf;
        std::vector<char> shown;
    };
    const Case cases[] = {
        {0, 1, true, {}}, {1, 1, true, {'H'}}, {1, 2, true, {'C'}},
        {1, 3, true, {'M'}}, {1, 4, true, {}}, {1, 2, false, {}},
    };
    for (const Case& c : cases) {
        PickSettings pick;
        pick.encloseMode = c.style;
        ScopedOverride settings(thePickSettings, c.settings ? &pick : nullptr);
        RecordingKind element;
        element.self = c.withSelf ? &element : nullptr;
        element.showPicked();
        EXPECT_EQ(element.picks, c.shown) << "style " << c.style << " settings " << c.settings;
    }
}

TEST(ElementHandles, AnchorsFlagsAndTheMarkUnderTheCursor)
{
    TestApplication app;
    Drawing drawing;
    RecordingKind* element = drawing.made();
    element->extentMin.x = 0, element->extentMin.y = 0;
    element->extentMax.x = 20, element->extentMax.y = 10;

    // handle k: anchor, x changes, y changes.
    const int table[][4] = {{0, 4, 1, 1}, {1, 5, 0, 1}, {2, 6, 1, 1}, {3, 7, 1, 0},
                            {4, 0, 1, 1}, {5, 1, 0, 1}, {6, 2, 1, 1}, {7, 3, 1, 0}};
    for (const auto& row : table) {
        int x = -1, y = -1;
        Point anchor, expected;
        EXPECT_EQ(element->handleAnchor(row[0], &x, &y, &anchor), 1) << row[0];
        ASSERT_EQ(element->handlePoint(row[1], &expected), 1);
        EXPECT_EQ(x, row[2]) << row[0];
        EXPECT_EQ(y, row[3]) << row[0];
        EXPECT_EQ(anchor.x, expected.x) << row[0];
        EXPECT_EQ(anchor.y, expected.y) << row[0];
    }
    for (int k : {-1, 8}) {
        int x = -1, y = -1;
        EXPECT_EQ(element->handleAnchor(k, &x, &y, nullptr), 0);
        EXPECT_EQ(x + y, 0) << k;
        EXPECT_EQ(element->handleFlags.get(k), 0) << k;
    }

    element->handleFlags.setAll();
    element->handleFlags.flags[5] = 0;
    int handle = 77, flag = 77;
    EXPECT_EQ(element->hitHandleMark(&handle, &flag), 0) << "nothing under the cursor";
    EXPECT_EQ(handle, 77);
    EXPECT_EQ(flag, 77);
    Point fifth;
    ASSERT_EQ(element->handlePoint(5, &fifth), 1);
    drawing.tool->cursor = fifth;
    EXPECT_EQ(element->hitHandleMark(&handle, &flag), 1);
    EXPECT_EQ(handle, 5);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(element->pointUnderCursor(&element->extentMin, &fifth, nullptr), 2);
    EXPECT_EQ(element->pointUnderCursor(&element->extentMin, nullptr, &fifth), 0) << "a null point ends the search";
}

TEST(ElementMouseRules, ShiftConstraintsPickWidthsAndNearestPoints)
{
    TestApplication app;
    Drawing drawing;
    RecordingKind* element = drawing.made();
    ScriptedMouse mouse;

    struct Constraint {
        int shift;
        bool diagonal;
        Point p;
        int result;
        Point expected;
    };
    const Point anchor(10, 10);
    const Constraint constraints[] = {
        {0, false, {13, 17}, 0, {13, 17}},  {1, false, {13, 17}, 2, {10, 17}}, {1, false, {17, 13}, 1, {17, 10}},
        {1, false, {15, 15}, 2, {10, 15}},  {1, false, {5, 15}, 2, {10, 15}},  {1, true, {13, 17}, 2, {17, 17}},
        {1, true, {4, 7}, 1, {4, 4}},       {1, true, {10, 14}, 2, {10, 14}},  {0, true, {4, 7}, 0, {4, 7}},
    };
    for (const Constraint& c : constraints) {
        mouse.rest(0, 0, c.shift ? ScriptedMouse::kShift : ScriptedMouse::kNone);
        Point p = c.p;
        const int result = c.diagonal ? element->constrainToDiagonal(p, anchor) : element->constrainToAxis(p, anchor);
        EXPECT_EQ(result, c.result) << c.p.x << "," << c.p.y << (c.diagonal ? " diagonal" : " axis");
        EXPECT_EQ(p.x, c.expected.x) << c.p.x << "," << c.p.y;
        EXPECT_EQ(p.y, c.expected.y) << c.p.x << "," << c.p.y;
    }

    // Outline tests: a width of 0 is tested as 0.01 and position 0 as 1; the inside counts with a
    // drawn fill.
    PointList outline;
    FillAttributes fill;
    fill.draw.value = 1;
    const double widths[][2] = {{0.0, 0.01}, {0.005, 0.01}, {0.5, 0.5}};
    for (const auto& w : widths) {
        EXPECT_EQ(element->hitTestOutline(outline, w[0], 0, nullptr, &fill, nullptr), 1);
        EXPECT_EQ(drawing.tool->askedWidth, w[1]) << w[0];
        EXPECT_EQ(drawing.tool->askedPosition, 1);
        EXPECT_EQ(drawing.tool->askedInside, 1);
        EXPECT_EQ(drawing.tool->askedEdge, 0);
    }

    // Nearest points: an empty list answers -1; equal distances keep the earlier point.
    PointList empty;
    Point p(5, 5);
    EXPECT_EQ(Element::snapToNearestVertex(p, empty, 1), -1);
    EXPECT_EQ(element->vertexUnderCursor(empty, 1), -1);
    PointList list;
    ASSERT_TRUE(list.appendXY(0, 0) && list.appendXY(10, 0) && list.appendXY(0, 10) && list.appendXY(10, 10));
    p = Point(5, 5);
    EXPECT_EQ(Element::snapToNearestVertex(p, list, 1), 0) << "four equal distances";
    EXPECT_EQ(p.x, 0.0);
    p = Point(9, 9);
    EXPECT_EQ(Element::snapToNearestVertex(p, list, 2), 2) << "vertices 0 and 2 only";
    drawing.tool->cursor = Point(10, 10);
    EXPECT_EQ(element->vertexUnderCursor(list, 1), 3);
    EXPECT_EQ(element->vertexUnderCursor(list, 2), -1);
    const Point a(0, 0), b(2, 0), c(-2, 0);
    p = Point(1, 0);
    EXPECT_EQ(Element::snapToNearestOfThree(p, &a, &b, &c), 1) << "a tie keeps the earlier point";
    EXPECT_EQ(Element::snapToNearestOfThree(p, nullptr, &b, &c), 0);
}

TEST(ElementInput, FinishInputNewElementAndAttributeLifetimes)
{
    TestApplication app;
    Drawing drawing;
    RecordingKind* element = drawing.made();

    element->inputResult = 1;
    element->inputPending = 1;
    EXPECT_EQ(element->finishInput(), 1);
    EXPECT_EQ(element->inputPending, 0);
    EXPECT_EQ(element->finishInput(), 0) << "the result is read once";

    // A new element of the kind in hand keeps its sub-objects.
    element->id = 12;
    DrawPoint* start = element->firstPoint();
    start->x = 3.5;
    ASSERT_EQ(drawing.context.pages->pageCount(), 1);
    drawing.context.pages->setCurrent(3);
    element->prepareNew();
    EXPECT_EQ(element->id, 0);
    EXPECT_EQ(element->page, 3);
    EXPECT_EQ(element->firstPoint(), start);
    EXPECT_EQ(element->firstPoint()->x, 3.5);

    // Ensuring twice keeps the first object and value; only the file link is refreshed.
    Document file;
    {
        XmlContextScope reading(&file);
        ASSERT_EQ(element->ensureAttribute(ElementAttribute::lineWidth), 1);
    }
    LineSizeAttribute* width = element->lineWidth();
    EXPECT_EQ(width->xmlContext, static_cast<XmlContext*>(&file));
    width->width = 0.7;
    ASSERT_EQ(element->ensureAttribute(ElementAttribute::lineWidth), 1);
    EXPECT_EQ(element->lineWidth(), width);
    EXPECT_EQ(width->width, 0.7);
    EXPECT_EQ(width->xmlContext, nullptr);

    element->releaseAttribute(ElementAttribute::lineWidth);
    element->releaseAttribute(ElementAttribute::lineWidth);
    EXPECT_EQ(element->lineWidth(), nullptr);

    // The units, which no kind makes, are made on demand with their own defaults (millimetres,
    // labelled "mm"), linked to the file being read, and copied by value.
    {
        XmlContextScope reading(&file);
        ASSERT_EQ(element->ensureAttribute(ElementAttribute::units), 1);
    }
    UnitSettings* units = element->units();
    ASSERT_NE(units, nullptr);
    char label[UnitSettings::kLabelSize];
    EXPECT_EQ(units->unit(), 1);
    EXPECT_TRUE(units->currentLabel(label, sizeof label) && std::string(label) == "mm") << label;
    EXPECT_EQ(units->xmlContext, static_cast<XmlContext*>(&file));
    ASSERT_EQ(units->setUnit(7), 1);
    ASSERT_EQ(element->ensureAttribute(ElementAttribute::units), 1);
    EXPECT_EQ(element->units(), units);
    EXPECT_EQ(units->unit(), 7) << "ensured again, the units keep their value";
    RecordingKind copy;
    ASSERT_EQ(copy.copyValuesFrom(*element), 1);
    ASSERT_NE(copy.units(), nullptr);
    EXPECT_NE(copy.units(), units);
    EXPECT_EQ(copy.units()->unit(), 7);
    element->releaseAttribute(ElementAttribute::units);
    EXPECT_EQ(element->units(), nullptr);

    // createAllAttributes makes every slot; the kind's teardown leaves what it did not make
    // itself.
    element->createAllAttributes();
    int made = 0;
    for (int i = 0; i < kElementAttributeCount; ++i)
        made += element->hasAttribute(static_cast<ElementAttribute>(i));
    EXPECT_EQ(made, kElementAttributeCount);
    EXPECT_NE(element->value2(), nullptr);
    EXPECT_NE(element->diameters(), nullptr);
    element->teardown();
    EXPECT_EQ(element->firstPoint(), nullptr);
    EXPECT_NE(element->colour(), nullptr);
    EXPECT_NE(element->fileName(), nullptr);
}

// DeleteObject calls while a patch counts them.
int gdiDeletes = 0;
void* realDeleteObject = nullptr;
BOOL WINAPI countingDeleteObject(HGDIOBJ object)
{
    ++gdiDeletes;
    return reinterpret_cast<BOOL(WINAPI*)(HGDIOBJ)>(realDeleteObject)(object);
}

TEST(ElementStoreExchange, ExtentEntryMaskIndexAndCopies)
{
    TestApplication app;
    Drawing drawing;
    RecordingKind* line = drawing.made();
    line->firstPoint()->x = 1, line->firstPoint()->y = 2;
    line->secondPoint()->x = 150, line->secondPoint()->y = 70;
    line->serial = 5;
    line->layer = 9;
    line->group = 4;
    line->page = 1;
    const int id = drawing.add(*line);
    ASSERT_EQ(id, 1);

    // Both corners come back; the mask index holds the extent's bands and page.
    RecordingKind loaded;
    loaded.context = &drawing.context;
    loaded.initialize();
    ASSERT_EQ(loaded.load(id), 1);
    ASSERT_EQ(loaded.exchangeRecord(3), 1);
    EXPECT_EQ(loaded.extentMin.x, 1.0);
    EXPECT_EQ(loaded.extentMin.y, 2.0);
    EXPECT_EQ(loaded.extentMax.x, 150.0);
    EXPECT_EQ(loaded.extentMax.y, 70.0);
    ElementMaskIndex& index = *drawing.context.maskIndex;
    EXPECT_EQ(index.pageOf(id), 1);
    EXPECT_EQ(index.maskOf(id, 1), index.maskOfRange(1, 150, 1));
    EXPECT_EQ(index.maskOf(id, 2), index.maskOfRange(2, 70, 2));

    // The entry-only update: words 3, 5 and 6; refused for another kind.
    ElementIndexEntry before, after;
    ASSERT_EQ(drawing.context.elementStore()->getEntry(id, &before), 1);
    loaded.serial = 50, loaded.layer = 60, loaded.group = 70, loaded.page = 2;
    EXPECT_EQ(loaded.updateStoredEntry(id), 1);
    ASSERT_EQ(drawing.context.elementStore()->getEntry(id, &after), 1);
    EXPECT_EQ(after.serial, 50);
    EXPECT_EQ(after.layer, 60);
    before.serial = 50, before.layer = 60;
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0) << "every other word stays";
    loaded.kind = kindCode(ElementKind::Box);
    EXPECT_EQ(loaded.updateStoredEntry(id), 0);
    EXPECT_EQ(loaded.updateStoredEntry(2), 0) << "an id the store does not hold";

    // A record cut at any length reads nothing past its end and leaves the extent alone.
    ElementRecordBuffer full;
    ASSERT_EQ(loaded.serializeExtent(full, 1), 1);
    ASSERT_EQ(full.count, 32);
    char bytes[32];
    full.rewind();
    ASSERT_EQ(full.getBytes(bytes, 32), 1);
    for (int n = 0; n < 32; ++n) {
        ElementRecordBuffer cut;
        ASSERT_TRUE(n == 0 || cut.putBytes(bytes, n));
        cut.rewind();
        RecordingKind reader;
        reader.extentMax.x = 99;
        EXPECT_EQ(reader.serializeExtent(cut, 3), 0) << n;
        EXPECT_EQ(reader.extentMin.x, 0.0) << n;
        EXPECT_EQ(reader.extentMax.x, 99.0) << n;
        EXPECT_LE(cut.position, n);
    }

    // A copy takes values, never the GDI pen: the pen is deleted once, by its owner.
    gdiDeletes = 0;
    ImportPatch patch("gdi32.dll", "DeleteObject", reinterpret_cast<void*>(countingDeleteObject));
    realDeleteObject = patch.original();
    ASSERT_NE(realDeleteObject, nullptr);
    {
        RecordingKind source, copy;
        source.initialize();
        ASSERT_EQ(source.ensureAttribute(ElementAttribute::pen), 1);
        source.pen()->handle = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
        ASSERT_NE(source.pen()->handle, nullptr);
        source.firstPoint()->x = 8;
        ASSERT_EQ(copy.copyValuesFrom(source), 1);
        ASSERT_NE(copy.pen(), nullptr);
        EXPECT_EQ(copy.pen()->handle, nullptr);
        EXPECT_NE(copy.firstPoint(), source.firstPoint());
        EXPECT_EQ(copy.firstPoint()->x, 8.0);
    }
    EXPECT_EQ(gdiDeletes, 1);
}

TEST(ElementDrawingFile, FrameSerialsAndEveryRoutedAttributeReadWhole)
{
    TestApplication app;
    ScratchFolder scratch;
    const std::string path = scratch.pathOf("frame.ycx");
    std::string written;
    {
        Drawing drawing;
        RecordingKind* full = drawing.made();
        full->createAllAttributes();
        full->layer = 7;
        full->uniqueToWrite = 57;
        full->colour()->setRgb(10, 20, 30);
        full->firstPoint()->x = 1, full->firstPoint()->y = 2;
        full->secondPoint()->x = 30, full->secondPoint()->y = 40;
        full->thirdPoint()->x = 5, full->thirdPoint()->y = 6;
        ASSERT_TRUE(full->vertices()->appendXY(1, 1) && full->vertices()->appendXY(2, 3) &&
                    full->vertices()->appendXY(4, 1));
        full->lineWidth()->width = 0.5;
        full->lean()->angle = 15;
        full->gray()->value = 0.5;
        full->font()->size = 5;
        full->value1()->value = 30;
        full->value2()->value = 120;
        full->margin()->bottom = 4;
        RecordingKind* box = drawing.made(kindCode(ElementKind::Box));
        box->createAllAttributes();
        box->layer = 8;
        box->group = 3;
        ASSERT_EQ(drawing.add(*full), 1);
        ASSERT_EQ(drawing.add(*box), 2);
        ASSERT_EQ(drawing.context.document->setPathAndTitle(path.c_str()), 1);
        XmlContextScope writing(drawing.context.document);
        ASSERT_EQ(drawing.context.document->write(), 1);
        written = ScratchFolder::read(path);
    }
    // The section tag is the kind's; a group of 0 is not written; nothing but the kind wrote
    // "unique".
    EXPECT_NE(written.find("<line>"), std::string::npos);
    EXPECT_NE(written.find("<box>"), std::string::npos);
    EXPECT_EQ(written.find("<group>"), written.rfind("<group>"));
    EXPECT_NE(written.find("<group>3</group>"), std::string::npos);
    EXPECT_NE(written.find("<unique>57</unique>"), std::string::npos);

    Drawing reread;
    reread.context.serialCounter->value = 10;
    ASSERT_EQ(reread.context.document->assign(path.c_str()), 1);
    {
        XmlContextScope reading(reread.context.document);
        ASSERT_EQ(reread.context.document->read(), 1);
    }
    ASSERT_EQ(reread.editor->read.size(), 2u);
    RecordingKind& full = *reread.editor->read[0];
    RecordingKind& box = *reread.editor->read[1];
    EXPECT_EQ(full.serial, 57) << "the stored serial";
    EXPECT_EQ(box.serial, 58) << "a section without one draws the next";
    EXPECT_EQ(reread.context.serialCounter->value, 58);
    EXPECT_EQ(full.layer, 7);
    EXPECT_EQ(box.layer, 8);
    EXPECT_GE(box.group, 1) << "renumbered by the drawing's group map";
    EXPECT_EQ(full.vertices()->count, 3);
    EXPECT_EQ(full.value2()->value, 120.0);
    EXPECT_EQ(full.margin()->bottom, 4.0);

    // Written again, the drawing is the same file: every attribute was read whole.
    box.group = 3;
    const std::string again = scratch.pathOf("again.ycx");
    ASSERT_EQ(reread.context.document->setPathAndTitle(again.c_str()), 1);
    XmlContextScope writing(reread.context.document);
    ASSERT_EQ(reread.context.document->write(), 1);
    EXPECT_EQ(ScratchFolder::read(again), written);
}

TEST(ElementCreation, ScriptedMouseClockCancelResumeAndAbandon)
{
    TestApplication app;
    FakeClock clock(1000, 500);
    Drawing drawing;
    RecordingKind* element = drawing.made();

    // The double click is measured on the drawing's tick stamp.
    element->restartClickTimer();
    clock.advance(100);
    EXPECT_EQ(element->doubleClickCode(11), 15);
    EXPECT_EQ(element->doubleClickCode(21), 21);
    clock.advance(500);
    EXPECT_EQ(element->doubleClickCode(11), 11);

    // Press at (10, 10), drag to (50, 20); the tracking is cancelled at the third step and the
    // next mouse step continues the same element to the release at (80, 40).
    ScriptedMouse mouse;
    mouse.at(0, 10, 10, ScriptedMouse::kLeft).at(1700, 50, 20, ScriptedMouse::kLeft).at(1800, 80, 40);
    mouse.advanceClockPerRead(&clock, 50);
    drawing.points->press = Point(10, 10);
    drawing.points->has = 1;
    drawing.view->cancelAt = 3;
    EXPECT_EQ(element->beginCreateInput(0), Element::kCancelled);
    EXPECT_EQ(element->inputPending, 1);
    EXPECT_EQ(element->firstPoint()->x, 10.0);
    EXPECT_EQ(element->overlayShown, 1);
    EXPECT_EQ(element->continueCreateInput(0), Element::kComplete);
    EXPECT_EQ(element->secondPoint()->x, 80.0);
    EXPECT_EQ(element->secondPoint()->y, 40.0);
    EXPECT_EQ(element->operations.size(), static_cast<size_t>(drawing.view->steps - 1)) << "a rubber band per step";
    EXPECT_EQ(element->operations.front(), ShapeOp::RubberBand);
    EXPECT_EQ(element->finishInput(), 1);
    element->resetInputState();
    EXPECT_EQ(drawing.points->clears, 1);

    // An abandon (the editor's, here by hand) clears the flag and drops the element.
    Element* inHand = drawing.made();
    drawing.view->steps = 0;
    drawing.view->cancelAt = 1;
    EXPECT_EQ(inHand->beginCreateInput(0), Element::kCancelled);
    EXPECT_EQ(inHand->inputPending, 1);
    inHand->inputPending = 0;
    inHand->teardown();
    EXPECT_EQ(inHand->finishInput(), 0) << "nothing to commit";
}

} // namespace
