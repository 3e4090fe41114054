// A change repaints only where the changed elements lay and lie: the page painter after a move,
// its undo and its redo holds, pixel for pixel, what a full refresh of the same drawing draws, at
// the zoom the elements were stored at and at another (where the texts are measured again), and
// the navigator's miniature follows at idle time.
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementMaskIndex.h"
#include "document/ElementStore.h"
#include "document/PagePainter.h"
#include "document/PainterBase.h"
#include "document/SheetSettings.h"
#include "document/TextBuffer.h"
#include "document/ViewScroller.h"
#include "document/ViewUpdater.h"
#include "elements/CircleDimensionElement.h"
#include "elements/ElementKindRegistry.h"
#include "elements/TextElementBase.h"
#include "geometry/DoubleRect.h"
#include "geometry/FontAttributes.h"
#include "geometry/InkColor.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/OpenCloseAttribute.h"
#include "geometry/PickSettings.h"
#include "geometry/PointList.h"
#include "platform/ChildScrollBar.h"
#include "platform/CurrentEvent.h"
#include "platform/EventRouter.h"
#include "shapes/RadiusList.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ScratchFolder.h"
#include "views/OffscreenPainter.h"
#include "views/ViewMapping.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/MoveTool.h"
#include "views/tools/SelectTool.h"

namespace {

struct Xy {
    double x, y;
};

// One element of a kind at (x, y) through the tools' editor, committed as the user commits it;
// its id, 0 when it could not be.
int addKind(ElementEditorBase& editor, ElementKind kind, double x, double y)
{
    if (!editor.startNewElement(kindCode(kind)))
        return 0;
    Element* e = editor.elementInHand();
    auto points = [&](std::initializer_list<Xy> list) {
        e->clearPoints();
        for (const Xy& p : list)
            e->appendPoint(x + p.x, y + p.y, 0.0);
    };
    auto leader = [&](std::initializer_list<Xy> list) {
        e->vertices()->count = 0;
        for (const Xy& p : list)
            (void)e->vertices()->appendXYZ(x + p.x, y + p.y, 0.0);
    };
    auto measured = [&](std::initializer_list<Xy> list, Xy display) {
        leader(list);
        e->thirdPoint()->x = x + display.x, e->thirdPoint()->y = y + display.y;
    };
    auto text = [&](const char* bytes) {
        auto* t = dynamic_cast<TextElementBase*>(e);
        if (!t)
            return;
        t->textBuffer()->reset();
        (void)t->textBuffer()->insert(bytes, static_cast<int>(std::strlen(bytes)));
        e->font()->size = 2.5 + static_cast<int>(x) % 4 * 0.8;
    };
    switch (kind) {
    case ElementKind::Line:
    case ElementKind::Box:
    case ElementKind::Oval:
        e->firstPoint()->x = x, e->firstPoint()->y = y;
        e->secondPoint()->x = x + 30, e->secondPoint()->y = y + 18;
        break;
    case ElementKind::Arc:
        e->firstPoint()->x = x, e->firstPoint()->y = y + 10;
        e->secondPoint()->x = x + 30, e->secondPoint()->y = y + 10;
        e->thirdPoint()->x = x + 15, e->thirdPoint()->y = y - 2;
        break;
    case ElementKind::Circle:
        e->thirdPoint()->x = x + 12, e->thirdPoint()->y = y + 12;
        e->radii()->setSingle(11.0);
        break;
    case ElementKind::Text:
        e->firstPoint()->x = x, e->firstPoint()->y = y;
        text(static_cast<int>(x) % 2 ? "部品番号 1234" : "Part 1234");
        break;
    case ElementKind::TextLine:
        leader({{0, 0}, {12, 8}, {24, 8}});
        e->translate(0.0, 0.0, 0.0); // the text at the leader's end
        text("注記");
        break;
    case ElementKind::Measure:
        measured({{0, 10}, {30, 10}}, {15, 2});
        break;
    case ElementKind::AngleMeasure:
        measured({{30, 20}, {20, 0}, {0, 20}}, {12, 14});
        break;
    case ElementKind::MsrRadius:
    case ElementKind::MsrDiameter: {
        auto* d = dynamic_cast<CircleDimensionElement*>(e);
        const double value = 10.0;
        if (!d || !d->vertices()->setXYZ(0, x + 20, y + 10, 0.0) || !d->values()->setAll(1, &value))
            return 0;
        d->thirdPoint()->x = x + 10, d->thirdPoint()->y = y + 10;
        d->layout.value = CircleDimensionElement::kIn;
        break;
    }
    case ElementKind::Bezier:
        points({{0, 10}, {8, -6}, {20, 26}, {30, 8}});
        e->openClose()->value = OpenCloseAttribute::kOpen;
        break;
    default: // the point-list kinds: a zigzag
        points({{0, 0}, {8, 18}, {16, 2}, {24, 18}, {30, 4}});
        break;
    }
    return editor.commitNewElement() == 1 ? e->id : 0;
}

const ElementKind kKinds[] = {ElementKind::Line,      ElementKind::Breakline,    ElementKind::ArcBreakline,
                              ElementKind::Spline,    ElementKind::Box,          ElementKind::Arc,
                              ElementKind::Circle,    ElementKind::Polygon,      ElementKind::ArcPolygon,
                              ElementKind::Oval,      ElementKind::Bezier,       ElementKind::Text,
                              ElementKind::TextLine,  ElementKind::Measure,      ElementKind::AngleMeasure,
                              ElementKind::MsrRadius, ElementKind::MsrDiameter};

// A navigator that counts its redraws.
class CountingNavigator : public PagePainter {
public:
    void setContext(DocumentContext*) override {}
    int ensureBitmap() override { return 0; }
    void refresh(DocumentContext*) override { ++refreshes; }
    int refreshes = 0;
};

} // namespace

class ChangeRepaint : public ViewFrameTest {
protected:
    // The page painter's pixels, copied.
    std::unique_ptr<DibSurface> painterPixels()
    {
        PainterBase* painter = drawing().pagePainter;
        const IntRect r = painter->bitmapRect();
        auto copy = std::make_unique<DibSurface>(r.width(), r.height());
        BitBlt(copy->hdc, 0, 0, r.width(), r.height(), painter->surface()->hdc, 0, 0, SRCCOPY);
        return copy;
    }
    // The painter as the change left it against the painter after a full refresh: the number of
    // pixels that differ and the first of them.
    std::string differenceFromFullRefresh()
    {
        const std::unique_ptr<DibSurface> changed = painterPixels();
        drawing().updater->refreshAll();
        const std::unique_ptr<DibSurface> full = painterPixels();
        return difference(*changed, *full, IntRect::fromEdges(0, 0, full->width, full->height));
    }
    // The pixels of the area that differ between two copies: their count and the first of them.
    static std::string difference(const DibSurface& a, const DibSurface& b, const IntRect& area)
    {
        int differ = 0;
        std::string first;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (a.pixel(x, y) != b.pixel(x, y) && differ++ == 0)
                    first = " first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
        return std::to_string(differ) + first;
    }

    CountingNavigator navigator;
    ScopedOverride<PagePainter*> navigatorSlot{thePagePainter, &navigator};
};

TEST_F(ChangeRepaint, MoveUndoAndRedoLeaveThePixelsOfAFullRefresh)
{
    DocumentContext& d = drawing();
    auto* view = dynamic_cast<ViewMapping*>(d.view);
    ASSERT_NE(view, nullptr);
    // Stored at 60 %: at 30 % the font's pixel height is rounded down to a few pixels and a
    // text comes out wider in drawing units.
    ASSERT_EQ(view->setZoomTo(0.6), 1);
    // Two rows of every kind, the rows overlapping, so that moved elements pass over kept ones,
    // and a row of texts.
    std::vector<int> ids;
    for (int row = 0; row < 2; ++row)
        for (size_t i = 0; i < std::size(kKinds); ++i) {
            const int id = addKind(*d.editor3, kKinds[i], 20.0 + 15.0 * static_cast<double>(i), 40.0 + 22.0 * row);
            ASSERT_GE(id, 1) << kElementKindRows[kindCode(kKinds[i]) - 1].keyword;
            ids.push_back(id);
        }
    for (int i = 0; i < 8; ++i) {
        const int id = addKind(*d.editor3, ElementKind::Text, 30.0 + 25.0 * i + i % 2, 75.0 + 3.0 * (i % 3));
        ASSERT_GE(id, 1);
        ids.push_back(id);
    }
    (void)view->fitSheet();
    struct Step {
        const char* name;
        double zoom; // 0: the fitted view the elements were stored at
        int (*run)(DocumentContext&);
    };
    const Step steps[] = {
        {"move", 0.0, [](DocumentContext& c) { return MoveTool::of(&c)->moveBy(6.5, 9.25, 0.0); }},
        {"undo", 0.0, [](DocumentContext& c) { return c.undo(); }},
        {"redo", 0.0, [](DocumentContext& c) { return c.redo(); }},
        {"copy", 0.0, [](DocumentContext& c) { return MoveTool::of(&c)->copyBy(3.5, -7.0, 0.0) > 0 ? 1 : 0; }},
        {"undo of the copy", 0.0, [](DocumentContext& c) { return c.undo(); }},
        {"redo of the copy", 0.0, [](DocumentContext& c) { return c.redo(); }},
        {"move at 250 %", 2.5, [](DocumentContext& c) { return MoveTool::of(&c)->moveBy(-4.0, 3.0, 0.0); }},
        {"undo at 250 %", 2.5, [](DocumentContext& c) { return c.undo(); }},
        {"redo at 250 %", 2.5, [](DocumentContext& c) { return c.redo(); }},
    };
    for (const Step& step : steps) {
        if (step.zoom > 0.0 && view->zoom != step.zoom) {
            ASSERT_EQ(view->setZoomTo(step.zoom), 1);
            view->centreOn(150.0, 60.0);
            d.updater->refreshAll();
        }
        // Every other element of the first row and the second row's kinds that follow text.
        d.selectTool->clearSelection();
        d.selectTool->setSelectionMode(2);
        for (size_t i = 0; i < ids.size(); i += 2)
            d.selectTool->addToSelection(ids[i]);
        const int before = navigator.refreshes;
        ASSERT_EQ(step.run(d), 1) << step.name;
        EXPECT_EQ(navigator.refreshes, before) << step.name << ": the miniature waits";
        window->idleStep();
        EXPECT_EQ(navigator.refreshes, before + 1) << step.name << ": and follows at idle time";
        EXPECT_EQ(differenceFromFullRefresh(), "0") << step.name << ": pixels that differ";
    }
    // One text alone, measured at 60 % when it was stored and drawn at 30 % now: the redraw at
    // 30 % measured it again, and a move repaints where it lies at 30 %.
    ASSERT_EQ(view->setZoomTo(0.3), 1);
    view->centreOn(150.0, 60.0);
    d.updater->refreshAll();
    for (size_t i = ids.size() - 8; i < ids.size(); ++i) {
        DoubleRect registered;
        ASSERT_EQ(d.maskIndex->extentOf(ids[i], registered), 1);
        ASSERT_EQ(d.editor3->beginEdit(ids[i]), 1);
        Element* text = d.editor3->elementInHand();
        text->computeExtent(1);
        EXPECT_EQ(registered.maxX, text->extentMax.x) << "text " << i;
        EXPECT_EQ(registered.maxY, text->extentMax.y) << "text " << i;
    }
    for (size_t i = ids.size() - 8; i < ids.size(); ++i) {
        d.selectTool->clearSelection();
        d.selectTool->selectSingle(ids[i]);
        d.selectTool->setSelectionMode(1);
        ASSERT_EQ(MoveTool::of(&d)->moveBy(0.0, 30.0, 0.0), 1);
        EXPECT_EQ(differenceFromFullRefresh(), "0") << "text " << i << " moved alone: pixels that differ";
        // Back, so that the next text is one that no step has measured since it was stored.
        ASSERT_EQ(d.undo(), 1);
    }
}

// Two bands of many elements stepped, and a polyline whose band turns sharply, so that the band's
// corner reaches far past its points: it repaints where its ink is, the box of its points where
// its width is drawn one pixel wide, the band's box where the band is drawn. Either way the
// pixels are those of a full refresh.
TEST_F(ChangeRepaint, ManyElementsAndSharpCornersRepaintWhereTheirInkIs)
{
    DocumentContext& d = drawing();
    auto* view = dynamic_cast<ViewMapping*>(d.view);
    ASSERT_NE(view, nullptr);
    // Overlapping columns of four kinds over the sheet; the outer two columns on each side move.
    const ElementKind mix[] = {ElementKind::Line, ElementKind::Box, ElementKind::Circle, ElementKind::Text};
    std::vector<int> bands;
    for (int column = 0; column < 22; ++column)
        for (int row = 0; row < 8; ++row) {
            const int id = addKind(*d.editor3, mix[(column + row) % 4], 15.0 + 13.0 * column, 20.0 + 20.0 * row);
            ASSERT_GE(id, 1);
            if (column < 2 || column >= 20)
                bands.push_back(id);
        }
    // Out and back with a rise of 0.4 over 60: the band's corner lies some 75 further out.
    ASSERT_EQ(d.editor3->startNewElement(kindCode(ElementKind::Breakline)), 1);
    Element* sharp = d.editor3->elementInHand();
    sharp->clearPoints();
    for (const Xy& p : {Xy{100.0, 184.0}, Xy{160.0, 184.0}, Xy{100.0, 184.4}})
        sharp->appendPoint(p.x, p.y, 0.0);
    sharp->lineWidth()->width = 0.5;
    ASSERT_EQ(d.editor3->commitNewElement(), 1);
    const int corner = sharp->id;
    DoubleRect exact;
    ASSERT_EQ(d.maskIndex->extentOf(corner, exact), 1);
    ASSERT_GT(exact.maxX, 220.0) << "the band's corner reaches far";

    struct Case {
        const char* name;
        double zoom; // 0: fitted
        int sharpOnly;
        int (*run)(DocumentContext&);
    };
    const auto step = [](DocumentContext& c) { return MoveTool::of(&c)->moveBy(1.0, 0.5, 0.0); };
    const auto undo = [](DocumentContext& c) { return c.undo(); };
    const auto redo = [](DocumentContext& c) { return c.redo(); };
    const Case cases[] = {
        {"two bands stepped", 0.0, 0, step},         {"their undo", 0.0, 0, undo},
        {"their redo", 0.0, 0, redo},                {"sharp corner one pixel wide", 1.0, 1, step},
        {"its undo", 1.0, 1, undo},                  {"sharp corner as a band", 2.5, 1, step},
        {"its undo as a band", 2.5, 1, undo},        {"its redo as a band", 2.5, 1, redo},
    };
    for (const Case& c : cases) {
        if (c.zoom > 0.0) {
            ASSERT_EQ(view->setZoomTo(c.zoom), 1);
            view->centreOn(150.0, 184.0);
        } else {
            (void)view->fitSheet();
        }
        d.updater->refreshAll();
        d.selectTool->clearSelection();
        d.selectTool->setSelectionMode(2);
        for (int id : c.sharpOnly ? std::vector<int>{corner} : bands)
            d.selectTool->addToSelection(id);
        ASSERT_EQ(c.run(d), 1) << c.name;
        EXPECT_EQ(differenceFromFullRefresh(), "0") << c.name << ": pixels that differ";
    }
}

// A change repaints the tiles of the view that its parts meet, with the elements the mask index
// finds there, in drawing order. Three clusters of every kind in their own colours, texts, a wide
// band and long lines crossing the sheet (many tiles, and drawn first although made last); one
// cluster or two far apart are moved, stepped by the arrow keys, undone and redone, at fit and
// at 250 %. Each time the painter holds what a full refresh draws.
TEST_F(ChangeRepaint, TilesOfAChangeHoldWhatAFullRefreshDraws)
{
    DocumentContext& d = drawing();
    auto* view = dynamic_cast<ViewMapping*>(d.view);
    ASSERT_NE(view, nullptr);
    ElementStore* store = d.elementStore();
    std::vector<int> clusters[3];
    const double origins[3][2] = {{20.0, 30.0}, {150.0, 110.0}, {230.0, 40.0}};
    for (int c = 0; c < 3; ++c)
        for (size_t i = 0; i < std::size(kKinds); ++i) {
            const double x = origins[c][0] + 7.0 * static_cast<double>(i % 6), y = origins[c][1] + 9.0 * (i / 6);
            const int id = addKind(*d.editor3, kKinds[i], x, y);
            ASSERT_GE(id, 1) << kElementKindRows[kindCode(kKinds[i]) - 1].keyword;
            ASSERT_EQ(d.editor3->beginEdit(id), 1);
            InkColor ink;
            ink.RgbColor::assign(RgbColor(60 * c + 40, static_cast<int>(i) * 14, 200 - 50 * c));
            d.editor3->elementInHand()->setLineColour(ink);
            d.editor3->elementInHand()->setColour(ink);
            ASSERT_EQ(d.editor3->storeBack(id), 1);
            clusters[c].push_back(id);
        }
    // A wide band through the first cluster, and long lines across the sheet, made last and then
    // put first in the drawing order, so that the order is not that of the ids.
    ASSERT_EQ(d.editor3->startNewElement(kindCode(ElementKind::Breakline)), 1);
    Element* band = d.editor3->elementInHand();
    band->clearPoints();
    for (const Xy& p : {Xy{15.0, 28.0}, Xy{70.0, 60.0}, Xy{25.0, 75.0}})
        band->appendPoint(p.x, p.y, 0.0);
    band->lineWidth()->width = 1.2;
    ASSERT_EQ(d.editor3->commitNewElement(), 1);
    clusters[0].push_back(band->id);
    const int page = d.currentPage();
    for (const Xy& from : {Xy{5.0, 20.0}, Xy{5.0, 140.0}, Xy{40.0, 5.0}}) {
        ASSERT_EQ(d.editor3->startNewElement(kindCode(ElementKind::Line)), 1);
        Element* line = d.editor3->elementInHand();
        line->firstPoint()->x = from.x, line->firstPoint()->y = from.y;
        line->secondPoint()->x = 280.0 - from.x, line->secondPoint()->y = 160.0 - from.y;
        InkColor ink;
        ink.RgbColor::assign(RgbColor(255, 0, 0));
        line->setLineColour(ink);
        ASSERT_EQ(d.editor3->commitNewElement(), 1);
        ASSERT_EQ(store->relinkOrder(page, line->id, store->pageTable->getFirst(page)), 1);
    }

    struct Case {
        const char* name;
        double zoom; // 0: fitted
        int first, last; // the clusters selected
        int (*run)(DocumentContext&);
    };
    const auto move = [](DocumentContext& c) { return MoveTool::of(&c)->moveBy(4.5, -3.25, 0.0); };
    const auto undo = [](DocumentContext& c) { return c.undo(); };
    const auto redo = [](DocumentContext& c) { return c.redo(); };
    const auto right = [](DocumentContext& c) {
        int dx = 0, dy = 0;
        MoveTool::of(&c)->arrowStep(VK_RIGHT, dx, dy);
        return dx == 1 ? 1 : 0;
    };
    const auto down = [](DocumentContext& c) {
        int dx = 0, dy = 0;
        MoveTool::of(&c)->arrowStep(VK_DOWN, dx, dy);
        return dy == 1 ? 1 : 0;
    };
    const Case cases[] = {
        {"one cluster moved", 0.0, 0, 0, move},      {"its undo", 0.0, 0, 0, undo},
        {"its redo", 0.0, 0, 0, redo},               {"two far apart moved", 0.0, 0, 2, move},
        {"their undo", 0.0, 0, 2, undo},             {"arrow right", 0.0, 1, 1, right},
        {"arrow down", 0.0, 0, 2, down},             {"moved at 250 %", 2.5, 0, 0, move},
        {"undone at 250 %", 2.5, 0, 0, undo},        {"redone at 250 %", 2.5, 0, 0, redo},
        {"arrow right at 250 %", 2.5, 0, 1, right},
    };
    for (const Case& c : cases) {
        if (c.zoom > 0.0) {
            ASSERT_EQ(view->setZoomTo(c.zoom), 1);
            view->centreOn(60.0, 60.0);
        } else {
            (void)view->fitSheet();
        }
        d.updater->refreshAll();
        d.selectTool->clearSelection();
        d.selectTool->setSelectionMode(2);
        for (int k = c.first; k <= c.last; k += 2)
            for (int id : clusters[k])
                d.selectTool->addToSelection(id);
        ASSERT_EQ(c.run(d), 1) << c.name;
        EXPECT_EQ(differenceFromFullRefresh(), "0") << c.name << ": pixels that differ";
    }
}

TEST_F(ChangeRepaint, AnOpenedDrawingShowsItsPageFirstAndTheMiniatureAtIdleTime)
{
    ScratchFolder scratch;
    const std::string path = scratch.pathOf("opened.ycx");
    for (size_t i = 0; i < std::size(kKinds); ++i)
        ASSERT_GE(addKind(*drawing().editor3, kKinds[i], 20.0 + 15.0 * static_cast<double>(i), 40.0), 1);
    ASSERT_EQ(window->setPath(path.c_str()), 1);
    ASSERT_EQ(window->save(), 1);

    window = frame.createDocumentWindow();
    ASSERT_TRUE(window);
    settleEvents();
    const int before = navigator.refreshes;
    ASSERT_EQ(frame.openFileFromCommandLine(path.c_str()), 1);
    ASSERT_EQ(drawing().elementCount(), static_cast<int>(std::size(kKinds)));
    EXPECT_EQ(navigator.refreshes, before) << "the miniature waits for idle time";
    // Whichever loop fetches the messages, the miniature comes when nothing else waits, but not
    // while a handler runs its own loop (a click the select tool is following): it would draw
    // the page through the view in the middle of the click.
    const auto pumpFor = [&](int rounds) {
        MSG message;
        for (int i = 0; i < rounds && navigator.refreshes == before; ++i) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
        }
    };
    ++theEventRouter->depth;
    pumpFor(60);
    --theEventRouter->depth;
    EXPECT_EQ(navigator.refreshes, before) << "not inside a handler";
    pumpFor(200);
    EXPECT_EQ(navigator.refreshes, before + 1) << "and follows then";
    EXPECT_EQ(differenceFromFullRefresh(), "0") << "the page was painted whole at once";
}

TEST_F(ChangeRepaint, TheSelectionsMarksAreDrawnOffTheWindowAndLeaveThePainterAlone)
{
    DocumentContext& d = drawing();
    OffscreenPainter overlayPainter;
    ScopedOverride<PainterBase*> overlaySlot(theOverlayPainter, &overlayPainter);
    pickSettings.setColor(RgbColor(0, 128, 255));
    const int line = addKind(*d.editor3, ElementKind::Line, 40.0, 40.0);
    ASSERT_GE(line, 1);
    (void)dynamic_cast<ViewMapping*>(d.view)->fitSheet();
    d.updater->refreshAll();
    d.selectTool->clearSelection();
    d.selectTool->selectSingle(line);
    d.selectTool->redrawMarks();
    DeviceContext* overlay = d.updater->overlaySurface();
    ASSERT_NE(overlay, nullptr);
    DoubleRect extent;
    ASSERT_EQ(d.maskIndex->extentOf(line, extent), 1);
    IntPoint corner; // a handle lies on each corner of the extent
    d.view->worldToDevice(extent.minX, extent.minY, &corner);
    const std::unique_ptr<DibSurface> painter = painterPixels();
    // The top-left handle on the copy the window was given; the painter keeps the page alone.
    EXPECT_EQ(GetPixel(overlay->hdc, corner.x - 3, corner.y - 3), RGB(0, 128, 255));
    EXPECT_EQ(painter->pixel(corner.x - 3, corner.y - 3), RGB(255, 255, 255));
    // Without marks the copy is the painter's picture again.
    d.selectTool->clearSelection();
    d.updater->repaint();
    EXPECT_EQ(GetPixel(overlay->hdc, corner.x - 3, corner.y - 3), RGB(255, 255, 255));
}

// A paint of the window from the painter (a paint message for all of it or a part, a scroll by
// the bar) wipes the selection's marks; they come back at the program's next idle time, read on
// the window itself, but not while a handler runs its own loop, nor where they were hidden on
// purpose or nothing is selected any more.
TEST_F(ChangeRepaint, MarksWipedByAPaintOfTheWindowComeBackAtIdleTime)
{
    DocumentContext& d = drawing();
    OffscreenPainter overlayPainter;
    ScopedOverride<PainterBase*> overlaySlot(theOverlayPainter, &overlayPainter);
    pickSettings.setColor(RgbColor(0, 128, 255));
    const HWND view = window->hwnd();
    ShowWindow(frame.hwnd(), SW_SHOWNORMAL);
    const int line = addKind(*d.editor3, ElementKind::Line, 40.0, 40.0);
    DoubleRect extent;
    ASSERT_EQ(d.maskIndex->extentOf(line, extent), 1);
    IntPoint corner; // of the extent, where a handle lies
    const auto handleMarked = [&] {
        d.view->worldToDevice(extent.minX, extent.minY, &corner);
        HDC dc = GetDC(view);
        const COLORREF pixel = GetPixel(dc, corner.x - 3, corner.y - 3);
        ReleaseDC(view, dc);
        return pixel == RGB(0, 128, 255);
    };
    const std::function<void()> nothing = [] {}, hide = [&] { d.selectTool->hideMarks(); },
                                unselect = [&] { d.selectTool->clearSelection(); };
    const RECT underMenu = {0, 0, 400, 300}, whole = {0, 0, 4000, 4000};
    const struct Row {
        const char* name;
        const std::function<void()>& before;
        const RECT* invalid; // null: a scroll
        bool markedAfterIdle;
    } rows[] = {{"a paint of the window", nothing, &whole, true}, {"a paint where a menu closed", nothing, &underMenu, true},
                {"a scroll by the bar", nothing, nullptr, true},  {"marks hidden on purpose", hide, &whole, false},
                {"nothing selected", unselect, &whole, false}};
    for (const Row& r : rows) {
        auto* mapping = dynamic_cast<ViewMapping*>(d.view);
        ASSERT_EQ(mapping->setZoomTo(2.0), 1);
        mapping->centreOn(55.0, 50.0);
        d.updater->refreshAll();
        d.selectTool->selectSingle(line);
        d.updater->repaint();
        ASSERT_TRUE(handleMarked()) << r.name;
        r.before();
        if (r.invalid)
            InvalidateRect(view, r.invalid, FALSE);
        else
            SendMessageA(view, WM_HSCROLL, SB_LINERIGHT,
                         reinterpret_cast<LPARAM>(GetDlgItem(view, ChildScrollBar::kHorizontalChildId)));
        settleEvents();
        EXPECT_FALSE(handleMarked()) << r.name << ": wiped by the paint";
        for (int depth : {1, 0}) { // a handler's loop fetches the first idle event
            theEventRouter->depth += depth;
            ASSERT_EQ(theCurrentEvent->postIdle(), 1);
            settleEvents();
            theEventRouter->depth -= depth;
            EXPECT_EQ(handleMarked(), r.markedAfterIdle && !depth) << r.name << " at depth " << depth;
        }
    }
}

// The marks of a whole selection, drawn together on the overlay (most from the extents the
// elements registered), are pixel for pixel those each element draws of itself one by one
// through GDI: for every kind, overlapping, as stored, at another zoom (the texts measured
// again) and at another drawing scale (the registered extents no longer hold), each time drawn
// twice (the second time the kinds measured through their shape show the boxes kept by the
// first), and once more after every element was moved (the kept boxes are stale then).
TEST_F(ChangeRepaint, TheSelectionsMarksAreThoseEachElementDrawsOfItself)
{
    DocumentContext& d = drawing();
    auto* view = dynamic_cast<ViewMapping*>(d.view);
    ASSERT_NE(view, nullptr);
    auto* sheet = dynamic_cast<SheetSettings*>(d.paper);
    ASSERT_NE(sheet, nullptr);
    OffscreenPainter overlayPainter;
    ScopedOverride<PainterBase*> overlaySlot(theOverlayPainter, &overlayPainter);
    pickSettings.setColor(RgbColor(0, 128, 255));
    pickSettings.encloseMode = PickSettings::kWhole; // the handles
    std::vector<int> ids;
    for (int row = 0; row < 3; ++row)
        for (size_t i = 0; i < std::size(kKinds); ++i) {
            const int id = addKind(*d.editor3, kKinds[i], 20.0 + 9.0 * static_cast<double>(i) + row, 40.0 + 7.0 * row);
            ASSERT_GE(id, 1) << kElementKindRows[kindCode(kKinds[i]) - 1].keyword;
            ids.push_back(id);
            // Strokes of a paper width, which the drawing scale makes wider on the drawing.
            ASSERT_EQ(d.editor3->beginEdit(id), 1);
            if (auto* width = d.editor3->elementInHand()->lineWidth()) {
                width->width = 0.5;
                ASSERT_EQ(d.editor3->storeBack(id), 1);
            }
        }
    // The overlay's pixels within the view.
    const auto overlayPixels = [&] {
        IntRect area;
        viewAreaOf(&d, area);
        auto copy = std::make_unique<DibSurface>(area.width(), area.height());
        BitBlt(copy->hdc, 0, 0, area.width(), area.height(), d.updater->overlaySurface()->hdc, area.left, area.top,
               SRCCOPY);
        return copy;
    };
    struct Case {
        const char* name;
        double zoom; // 0: fitted
        int denominator;
        int moved;
    };
    const Case cases[] = {
        {"as stored", 0.0, 1, 0}, {"at 250 %", 2.5, 1, 0}, {"at 1:4", 2.5, 4, 0}, {"moved", 2.5, 4, 1}};
    for (const Case& c : cases) {
        for (int id : c.moved ? ids : std::vector<int>()) {
            ASSERT_EQ(d.editor3->beginEdit(id), 1) << c.name;
            d.editor3->elementInHand()->translate(1.5, 0.75, 0.0);
            ASSERT_EQ(d.editor3->storeBack(id), 1) << c.name;
        }
        sheet->setScaleDenominator(c.denominator);
        if (c.zoom > 0.0) {
            ASSERT_EQ(view->setZoomTo(c.zoom), 1);
            view->centreOn(90.0, 50.0);
        } else {
            (void)view->fitSheet();
        }
        d.updater->refreshAll();
        ASSERT_EQ(d.selectAll(), static_cast<int>(ids.size())) << c.name;
        ASSERT_EQ(d.selectAll(), static_cast<int>(ids.size())) << c.name;
        const std::unique_ptr<DibSurface> together = overlayPixels();
        // Each element draws its own marks on a fresh copy of the painter.
        ASSERT_EQ(d.updater->drawWindowOnOverlay(1), 1);
        for (int id : ids) {
            ASSERT_EQ(d.editor3->setActiveHandleById(id, 0, 0), 1);
            d.editor3->elementInHand()->showPicked();
        }
        const std::unique_ptr<DibSurface> oneByOne = overlayPixels();
        (void)d.updater->drawWindowOnOverlay(0);
        int differ = 0, marked = 0;
        std::string first;
        for (int y = 0; y < together->height; ++y)
            for (int x = 0; x < together->width; ++x) {
                marked += oneByOne->pixel(x, y) == RGB(0, 128, 255);
                if (together->pixel(x, y) != oneByOne->pixel(x, y) && differ++ == 0)
                    first = " first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
            }
        EXPECT_GT(marked, 100) << c.name << ": marks were drawn";
        EXPECT_EQ(std::to_string(differ) + first, "0") << c.name << ": pixels that differ";
    }
}

namespace {

// A text of the kind at (x, y) with the bytes, size (paper mm), slant and style, committed.
int addText(ElementEditorBase& editor, ElementKind kind, double x, double y, const char* bytes, double size,
            double angle, int style)
{
    if (!editor.startNewElement(kindCode(kind)))
        return 0;
    Element* e = editor.elementInHand();
    if (kind == ElementKind::TextLine) {
        e->vertices()->count = 0;
        for (const Xy& p : {Xy{0, 0}, Xy{10, 6}, Xy{20, 6}})
            (void)e->vertices()->appendXYZ(x + p.x, y + p.y, 0.0);
        e->translate(0.0, 0.0, 0.0); // the text at the leader's end
    } else {
        e->firstPoint()->x = x, e->firstPoint()->y = y;
    }
    auto* t = dynamic_cast<TextElementBase*>(e);
    if (!t)
        return 0;
    t->textBuffer()->reset();
    (void)t->textBuffer()->insert(bytes, static_cast<int>(std::strlen(bytes)));
    e->font()->size = size;
    e->font()->style = style;
    e->lean()->angle = angle;
    return editor.commitNewElement() == 1 ? e->id : 0;
}

} // namespace

// A text measured at one zoom keeps, at every other, within the box the mask index tells from
// that measure: small and large fonts (whose pixel heights are rounded and kept at least 1),
// narrow, wide and Japanese glyphs, control characters, several lines, slants and styles, both
// text kinds.
TEST_F(ChangeRepaint, AMeasuredTextKeepsAtEveryZoomWithinTheBoxToldFromItsMeasure)
{
    DocumentContext& d = drawing();
    auto* view = dynamic_cast<ViewMapping*>(d.view);
    ASSERT_NE(view, nullptr);
    struct Text {
        ElementKind kind;
        const char* bytes;
        double size, angle;
        int style;
    };
    const Text texts[] = {
        {ElementKind::Text, "iiiiiiiiii.,;:l|!", 2.5, 0.0, FontAttributes::kRegular},
        {ElementKind::Text, "WWWWMMMM@@@@%%%%", 2.5, 0.0, FontAttributes::kBoldItalic},
        {ElementKind::Text, "部品番号の一覧表", 0.6, 30.0, FontAttributes::kRegular},
        {ElementKind::Text, "ｱｲｳｴｵｶｷｸｹｺ 半角", 7.0, 90.0, FontAttributes::kBold},
        {ElementKind::Text, "a\tb\x01" "c\x7f" "d  e", 3.0, 200.0, FontAttributes::kItalic},
        {ElementKind::Text, "first line\r\nＳＥＣＯＮＤ　ＬＩＮＥ\r\n3", 4.0, 315.0, FontAttributes::kRegular},
        {ElementKind::Text, "W", 40.0, 0.0, FontAttributes::kRegular},
        {ElementKind::Text, "Part 1234 寸法 mm", 0.15, 10.0, FontAttributes::kRegular},
        {ElementKind::TextLine, "注記 Note", 3.5, 0.0, FontAttributes::kRegular},
    };
    const double drawingScale = DrawPoint::scaleDenominatorOf(&d) / DrawPoint::scaleNumeratorOf(&d);
    const double zooms[] = {0.05, 0.13, 0.3, 0.6, 1.0, 2.7, 6.0, 16.0};
    int told = 0;
    for (double measuredAt : {0.13, 0.6, 2.7}) {
        ASSERT_EQ(view->setZoomTo(measuredAt), 1);
        std::vector<int> ids;
        for (size_t i = 0; i < std::size(texts); ++i) {
            const Text& t = texts[i];
            const int id = addText(*d.editor3, t.kind, 20.0 + 30.0 * static_cast<double>(i % 3), 30.0 + 40.0 * (i / 3),
                                   t.bytes, t.size, t.angle, t.style);
            ASSERT_GE(id, 1) << t.bytes;
            ids.push_back(id);
        }
        for (double zoom : zooms) {
            // The mapping alone: a redraw would measure the texts at the zoom.
            view->zoom = zoom;
            const double scale = Element::viewScaleOf(&d);
            for (size_t i = 0; i < ids.size(); ++i) {
                DoubleRect box;
                if (!d.maskIndex->boundAt(ids[i], scale, drawingScale, box))
                    continue; // a font of a few pixels, at this zoom or the one it was measured at
                ++told;
                ASSERT_EQ(d.editor3->beginEdit(ids[i]), 1);
                Element* text = d.editor3->elementInHand();
                text->computeExtent(1);
                EXPECT_TRUE(box.minX <= text->extentMin.x && box.minY <= text->extentMin.y &&
                            box.maxX >= text->extentMax.x && box.maxY >= text->extentMax.y)
                    << texts[i].bytes << " measured at " << measuredAt << ", drawn at " << zoom;
            }
        }
        view->zoom = measuredAt;
        for (int id : ids)
            ASSERT_EQ(d.editor3->removeById(id), 1);
    }
    EXPECT_GT(told, static_cast<int>(std::size(texts) * std::size(zooms))) << "boxes told";
}

// A zoom to a new scale measures again only the texts that may show; the others are passed over
// on the box their last measure tells, which the picks, the scrolls and the changes then take.
// Each time the painter holds what it holds once every text is measured at the zoom.
TEST_F(ChangeRepaint, AZoomMeasuresOnlyTheTextsThatMayShowAndDrawsWhatMeasuringThemAllDraws)
{
    DocumentContext& d = drawing();
    auto* view = dynamic_cast<ViewMapping*>(d.view);
    ASSERT_NE(view, nullptr);
    // Stored at 100 %, where their fonts are 7 to 15 pixels high.
    ASSERT_EQ(view->setZoomTo(1.0), 1);
    std::vector<int> texts;
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 9; ++column) {
            const double x = 12.0 + 31.0 * column, y = 10.0 + 24.0 * row;
            const ElementKind kind = (row + column) % 5 == 0 ? ElementKind::TextLine : ElementKind::Text;
            const char* bytes = column % 2 ? "部品番号 1234" : "Part 1234\r\nWWW";
            const int id = addText(*d.editor3, kind, x, y, bytes, 2.0 + row % 3, 25.0 * (column % 3), 1);
            ASSERT_GE(id, 1);
            texts.push_back(id);
            // A line under every other text: a text passed over must not leave it uncovered.
            if (column % 2 == 0) {
                ASSERT_GE(addKind(*d.editor3, ElementKind::Line, x - 3.0, y + 1.0), 1);
            }
        }
    // The view's area of the painter against itself once every text is measured at this scale
    // (a scroll keeps the painter only where the window shows it); the count of pixels that
    // differ and the first of them.
    auto differenceFromMeasuringAll = [&] {
        const std::unique_ptr<DibSurface> before = painterPixels();
        for (int id : texts)
            EXPECT_EQ(d.editor3->registerExtentById(id), 1);
        d.updater->refreshAll();
        const std::unique_ptr<DibSurface> after = painterPixels();
        IntRect area;
        viewAreaOf(&d, area);
        EXPECT_GT(area.width(), 100);
        return difference(*before, *after, area);
    };
    auto heldAs = [&](int how) {
        const double scale = Element::viewScaleOf(&d);
        int n = 0;
        for (int id : texts)
            n += d.maskIndex->holdsAt(id, scale) == how;
        return n;
    };

    // A new zoom: most texts lie far off the view and are passed over.
    ASSERT_EQ(view->setZoomTo(6.0), 1);
    view->centreOn(140.0, 100.0);
    EXPECT_GT(heldAs(2), 50);
    EXPECT_GT(heldAs(1), 0);
    EXPECT_EQ(heldAs(0), 0);
    EXPECT_EQ(differenceFromMeasuringAll(), "0") << "at a new zoom";

    // Scrolled by the bars at another new zoom: the strips uncovered draw the texts that come in.
    ASSERT_EQ(view->setZoomTo(5.5), 1);
    view->centreOn(60.0, 60.0);
    ASSERT_GT(heldAs(2), 40);
    for (int i = 0; i < 6; ++i) {
        SendMessageA(window->hwnd(), WM_HSCROLL, SB_LINEDOWN, 0);
        SendMessageA(window->hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
        settleEvents();
    }
    EXPECT_EQ(differenceFromMeasuringAll(), "0") << "after scrolling";

    // Texts passed over, moved into the view and back: the change repaints where their boxes
    // and their measures lie.
    ASSERT_EQ(view->setZoomTo(5.0), 1);
    view->centreOn(100.0, 90.0);
    const double scale = Element::viewScaleOf(&d);
    d.selectTool->clearSelection();
    d.selectTool->setSelectionMode(2);
    int passedOver = 0;
    for (int id : texts)
        if (d.maskIndex->holdsAt(id, scale) == 2 && passedOver++ % 4 == 0)
            d.selectTool->addToSelection(id);
    ASSERT_GT(passedOver, 20);
    ASSERT_EQ(MoveTool::of(&d)->moveBy(20.0, 15.0, 0.0), 1);
    EXPECT_EQ(differenceFromFullRefresh(), "0") << "moved";
    ASSERT_EQ(d.undo(), 1);
    EXPECT_EQ(differenceFromFullRefresh(), "0") << "undone";
    // A pick at a text that came into the view finds it (row 3, column 3: level, no line).
    ASSERT_EQ(view->setZoomTo(4.5), 1);
    view->centreOn(12.0 + 31.0 * 3 + 2.0, 10.0 + 24.0 * 3 + 1.0);
    SelectTool::of(&d)->setPickBox(12.0 + 31.0 * 3 + 2.0, 10.0 + 24.0 * 3 + 1.0, 1);
    EXPECT_EQ(SelectTool::of(&d)->findInPickBox(), texts[3 * 9 + 3]);
    EXPECT_EQ(differenceFromMeasuringAll(), "0") << "after the pick";
}
