// A picture with a mask in a real document window, edited as the user edits it: its frame brought
// to no width or height and back by the corner drag of the 点移動 tool, the handle drags, 座標 and
// the scale tool, with the grid snapping the pointer; and its mask edited by the property sheet's
// tools (マスク作成, マスク移動, 拡大、縮小, マスク点移動 with '+' and '-'). Each edit is undone, redone,
// saved and opened again, the frame and every outline point compared.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/DocumentContext.h"
#include "document/DrawingGrid.h"
#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "document/ElementStore.h"
#include "document/FileNameValue.h"
#include "document/PageChainTable.h"
#include "document/SelectToolBase.h"
#include "document/SheetSettings.h"
#include "document/UndoManager.h"
#include "elements/ElementKindRegistry.h"
#include "geometry/PointList.h"
#include "platform/Clock.h"
#include "platform/CurrentEvent.h"
#include "platform/EventRouter.h"
#include "resources/ids.h"
#include "resources/ids_images.h"
#include "shapes/ImageMask.h"
#include "shapes/ImageTypeValue.h"
#include "shell/FrameCommands.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakePictureReader.h"
#include "tests/support/FileDialogScript.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedMouse.h"
#include "views/ViewMapping.h"
#include "views/tools/ElementScaler.h"

namespace {

// The picture's frame and its mask outline (relative to the start corner), as stored.
struct PictureState {
    Point start;
    Point end;
    std::vector<Point> outline;
};

std::string text(const PictureState& s)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "frame %.17g,%.17g %.17g,%.17g mask", s.start.x, s.start.y, s.end.x, s.end.y);
    std::string out = buffer;
    for (const Point& p : s.outline) {
        std::snprintf(buffer, sizeof buffer, " %.17g,%.17g", p.x, p.y);
        out += buffer;
    }
    return out;
}

// Every coordinate within `tolerance` (0: the same doubles).
bool same(const PictureState& a, const PictureState& b, double tolerance = 0.0)
{
    auto close = [&](double u, double v) { return tolerance == 0.0 ? u == v : std::fabs(u - v) <= tolerance; };
    if (a.outline.size() != b.outline.size() || !close(a.start.x, b.start.x) || !close(a.start.y, b.start.y) ||
        !close(a.end.x, b.end.x) || !close(a.end.y, b.end.y))
        return false;
    for (size_t i = 0; i < a.outline.size(); ++i)
        if (!close(a.outline[i].x, b.outline[i].x) || !close(a.outline[i].y, b.outline[i].y))
            return false;
    return true;
}

// The frame from (20, 20) to (100, 80) on a grid of 10: 80 x 60, and the mask outline of two
// segments along its top and down its side.
const Point kStart(20, 20), kEnd(100, 80);
const std::vector<Point> kOutline = {{0, 0}, {10, 0}, {20, 0}, {30, 0}, {30, 10}, {30, 20}, {30, 30}};

} // namespace

class PictureMaskEdit : public ViewFrameTest {
protected:
    void SetUp() override
    {
        ViewFrameTest::SetUp();
        readers.emplace(); // over the readers the document window installed
        auto* grid = dynamic_cast<DrawingGrid*>(drawing().grid);
        ASSERT_NE(grid, nullptr);
        grid->kind = DrawingGrid::kDots;
        grid->xNumerator = grid->yNumerator = 10.0;
        // The frame and the points around it, 0 to 150 across and 20 to 100 down, lie in the view
        // on grid points: the drawing's coordinates are these moved by `shift`.
        RECT client;
        GetClientRect(viewWindow, &client);
        Point corner;
        drawing().view->deviceToWorld(IntPoint(15, 10), &corner.x, &corner.y, &corner.z);
        shift = Point(std::ceil(corner.x / 10) * 10, std::ceil(corner.y / 10) * 10 - 20);
        IntPoint low, high;
        drawing().view->worldToDevice(shift.x, shift.y + 20, &low);
        drawing().view->worldToDevice(shift.x + 150, shift.y + 100, &high);
        ASSERT_TRUE(low.x > 0 && low.y > 0 && high.x < client.right && high.y < client.bottom)
            << "the frame lies outside the view (" << client.right << " x " << client.bottom << ")";
        ElementEditorBase& editor = *drawing().editor3;
        ASSERT_EQ(editor.startNewElement(kindCode(ElementKind::Picture)), 1);
        Element& picture = *editor.elementInHand();
        picture.takePlacementDefaults();
        *static_cast<Point*>(picture.firstPoint()) = moved(kStart);
        *static_cast<Point*>(picture.secondPoint()) = moved(kEnd);
        picture.imageKind()->value = ImageTypeValue::kGif;
        picture.fileName()->setText(scratch.file("cat.gif", "GIF89a").c_str()); // the readers take any bytes
        picture.imageMask()->type.code = 4;
        for (const Point& p : kOutline)
            ASSERT_EQ(picture.imageMask()->outline.appendXY(p.x, p.y), 1);
        ASSERT_EQ(editor.commitNewElement(), 1);
        id = picture.id;
        // An element after the picture: an undo step too many takes it away, not the picture.
        ASSERT_EQ(editor.startNewElement(kindCode(ElementKind::Line)), 1);
        *static_cast<Point*>(editor.elementInHand()->firstPoint()) = moved(Point(20, 100));
        *static_cast<Point*>(editor.elementInHand()->secondPoint()) = moved(Point(60, 100));
        ASSERT_EQ(editor.commitNewElement(), 1);
        ASSERT_EQ(drawing().undoManager->recordCount(), 2);
    }

    // A picture of the frame and the mask outline (drawing units) stored after the others; the
    // fixture's edits then act on it.
    void addPicture(const Point& start, const Point& end, const std::vector<Point>& outline)
    {
        ElementEditorBase& editor = *drawing().editor3;
        ASSERT_EQ(editor.startNewElement(kindCode(ElementKind::Picture)), 1);
        Element& picture = *editor.elementInHand();
        picture.takePlacementDefaults();
        *static_cast<Point*>(picture.firstPoint()) = start;
        *static_cast<Point*>(picture.secondPoint()) = end;
        picture.imageKind()->value = ImageTypeValue::kGif;
        picture.fileName()->setText(scratch.file("cat.gif", "GIF89a").c_str());
        for (const Point& p : outline)
            ASSERT_EQ(picture.imageMask()->outline.appendXY(p.x, p.y), 1);
        ASSERT_EQ(editor.commitNewElement(), 1);
        id = picture.id;
    }

    PictureState state(DocumentContext& d, int which)
    {
        PictureState s;
        ElementEditorBase& editor = *d.editor3;
        if (editor.beginEdit(which) != 1)
            return s;
        Element& e = *editor.elementInHand();
        s.start = Point(e.firstPoint()->x - shift.x, e.firstPoint()->y - shift.y);
        s.end = Point(e.secondPoint()->x - shift.x, e.secondPoint()->y - shift.y);
        const PointList& outline = e.imageMask()->outline;
        for (int i = 0; i < outline.count; ++i) {
            Point p;
            if (outline.getPoint(i, &p))
                s.outline.push_back(p);
        }
        return s;
    }
    PictureState state() { return state(drawing(), id); }

    Point moved(const Point& p) const { return Point(p.x + shift.x, p.y + shift.y); }
    // The screen point of a point, moved by (dx, dy) pixels.
    IntPoint screenOf(const Point& p, int dx = 0, int dy = 0)
    {
        IntPoint device;
        drawing().view->worldToDevice(p.x + shift.x, p.y + shift.y, &device);
        POINT screen{device.x + dx, device.y + dy};
        ClientToScreen(viewWindow, &screen);
        return IntPoint(screen.x, screen.y);
    }
    // A script that the current tool's loop plays from now on, ending with the mouse off the view.
    void play(const std::function<void(ScriptedMouse&, DWORD)>& script)
    {
        ScriptedMouse mouse;
        const DWORD t = clock.now();
        script(mouse, t);
        mouse.advanceClockPerRead(&clock, 10);
        ScopedOverride<DWORD> deadline{ViewFrameTest::loopDeadline, t + 6000};
        window->startCurrentTool();
        settleEvents();
    }
    // A press at a, a drag through b to c (screen points) and the release there.
    static void dragThrough(ScriptedMouse& m, DWORD t, const IntPoint& a, const IntPoint& b, const IntPoint& c)
    {
        const int L = ScriptedMouse::kLeft;
        m.at(t, a.x, a.y).at(t + 100, a.x, a.y, L).at(t + 250, b.x, b.y, L).at(t + 400, c.x, c.y, L)
            .at(t + 500, c.x, c.y);
    }
    // The picture alone selected, as a click on it selects it.
    void pickPicture()
    {
        layout.current = TOOL_SELECT;
        window->runToolButton();
        SelectToolBase& tool = *drawing().selectTool;
        tool.clearSelection();
        ASSERT_EQ(drawing().editor3->beginEdit(id), 1); // the tool's own element follows its selection
        tool.selectSingle(id);
        tool.setSelectionMode(1);
    }
    // The 点移動 tool: the point at `from` dragged through `through` to `to`, then a click on empty
    // paper ends the tool.
    void movePoint(const Point& from, const IntPoint& through, const IntPoint& to)
    {
        pickPicture();
        layout.current = TOOL_PNTMOVE;
        window->runToolButton();
        const IntPoint empty = screenOf(Point(150, 60));
        play([&](ScriptedMouse& m, DWORD t) {
            dragThrough(m, t, screenOf(from), through, to);
            m.clickAt(t + 700, empty).at(t + 1500, empty.x - 1000, empty.y - 1000);
        });
        layout.current = TOOL_SELECT;
        window->runToolButton();
    }
    // The select tool: the pointer rests on the handle at `handle`, then drags it.
    void dragHandle(const Point& handle, const IntPoint& through, const IntPoint& to)
    {
        pickPicture();
        const IntPoint at = screenOf(handle);
        play([&](ScriptedMouse& m, DWORD t) {
            m.at(t, at.x - 5, at.y);
            dragThrough(m, t + 100, at, through, to);
            m.at(t + 800, to.x - 1000, to.y - 1000);
        });
    }
    // The property sheet of the picture, driven on its pages; its result.
    int runSheet(const std::function<void(HWND)>& drive)
    {
        return static_cast<int>(driveModalDialog(
            [&]() -> INT_PTR { return drawing().editor3->runPropertySheet(id, 0, 0); }, drive));
    }
    // The sheet as above while the mouse plays a script from now on, ending off the view; what the
    // script leaves in typedLater is typed meanwhile.
    int runSheetWhile(const std::function<void(ScriptedMouse&, DWORD)>& script, const std::function<void(HWND)>& drive)
    {
        ScriptedMouse mouse;
        const DWORD t = clock.now();
        script(mouse, t);
        mouse.at(t + 3000, -500, -500);
        ScopedOverride<FakeClock*> scriptClock{pollClock, &clock};
        ScopedOverride<DWORD> deadline{ViewFrameTest::loopDeadline, t + 6000};
        const int result = runSheet(drive);
        typedLater.clear();
        theCurrentEvent->typedChar = 0; // as the key's release leaves it
        settleEvents();
        return result;
    }
    // 座標: the end corner's x typed as the start corner's and `plus`.
    void typeEndX(double plus)
    {
        ASSERT_EQ(runSheet([&](HWND w) {
                      chooseTab(w, 2);
                      char start[64] = {};
                      GetDlgItemTextA(w, IDC_PICTURE_START_X, start, sizeof start);
                      SetDlgItemTextA(w, IDC_PICTURE_END_X, std::to_string(std::atof(start) + plus).c_str());
                      click(w, IDOK);
                  }),
                  1);
    }
    void scaleBy(double factor)
    {
        pickPicture();
        ElementScaler* scaler = ElementScaler::of(&drawing());
        ASSERT_NE(scaler, nullptr);
        scaler->factor = factor;
        scaler->lastResult = 1; // as OK in its dialog
        ASSERT_EQ(scaler->applyScale(), 1);
    }
    void command(int id)
    {
        ASSERT_EQ(frame.onCommand(id), 1);
        settleEvents();
    }
    // The drawing saved and opened in a window of its own; `look` sees that drawing before its
    // window closes again.
    void saveAndOpen(const std::function<void(DocumentContext&)>& look)
    {
        const std::string path = scratch.pathOf("picture" + std::to_string(++saves) + ".ycx");
        FileDialogScript dialogs;
        dialogs.answers = {path};
        EXPECT_EQ(frame.onCommand(CMD_SAVE_AS), 1);
        settleEvents();
        DocumentWindow* current = frame.activeDocument();
        DocumentWindow* reopened = frame.createDocumentWindow();
        if (!reopened)
            return;
        DocumentContext& other = *reopened->context;
        EXPECT_TRUE(other.assignFile(path.c_str()) && other.openFile());
        look(other);
        ::postCloseRequest(reopened->serial);
        settleEvents();
        EXPECT_EQ(frame.activeDocument(), current);
    }
    // The picture as the drawing saved and opened has it.
    PictureState savedAndOpened()
    {
        PictureState s;
        saveAndOpen([&](DocumentContext& other) {
            ElementStore& store = *other.elementStore();
            ElementIndexEntry entry;
            for (int e = store.pageTable->getFirst(other.currentPage()); e >= 1; e = store.getEntry(e, &entry) ? entry.pageNext : -1)
                if (store.getEntry(e, &entry) && entry.kind == kindCode(ElementKind::Picture))
                    s = state(other, e);
        });
        return s;
    }

    std::optional<FakePictureReaders> readers;
    FakeClock clock{1000, 500};
    ScopedOverride<ViewMapping::PumpStep> typing{ViewMapping::pumpStep, &ViewFrameTest::typingStep};
    ScratchFolder scratch;
    Point shift;
    int id = 0;
    int saves = 0;
};

// The frame edited to no width or height (or flipped through it) by each path, then undone,
// redone, saved and opened, and edited back: the mask is never lost, and undo, redo and the edit
// back give the frame and the outline back exactly.
TEST_F(PictureMaskEdit, TheMaskOutlivesAFrameOfNoWidthOrHeightByEveryEditOfTheFrame)
{
    using Edit = std::function<void()>;
    struct Row {
        const char* what;
        Edit edit;
        Point start, end;   // the frame after the edit
        double sx, sy;      // the outline's scale after it
        Edit back;          // the frame brought back to 80 x 60 (none: undo only)
    };
    // A pixel beside a grid point: the grid takes the pointer onto it.
    auto endOnto = [this](double x, double y) {
        return [this, x, y] { movePoint(kEnd, screenOf(Point((kEnd.x + x) / 2, y)), screenOf(Point(x, y), 2, -1)); };
    };
    auto endBack = [this](double x, double y) {
        return [this, x, y] { movePoint(Point(x, y), screenOf(Point(60, 50)), screenOf(kEnd, -2, 1)); };
    };
    const Row rows[] = {
        {"点移動: the end corner onto the start's x", endOnto(kStart.x, kEnd.y), kStart, Point(kStart.x, kEnd.y), 1, 1,
         endBack(kStart.x, kEnd.y)},
        {"点移動: the end corner onto the start's y", endOnto(kEnd.x, kStart.y), kStart, Point(kEnd.x, kStart.y), 1, 1,
         endBack(kEnd.x, kStart.y)},
        {"the right-middle handle onto the left edge",
         [this] { dragHandle(Point(kEnd.x, 50), screenOf(Point(60, 50)), screenOf(Point(kStart.x, 50), 1, 0)); },
         kStart, Point(kStart.x, kEnd.y), 1, 1, endBack(kStart.x, kEnd.y)},
        {"the bottom-middle handle onto the top edge",
         [this] { dragHandle(Point(60, kEnd.y), screenOf(Point(60, 50)), screenOf(Point(60, kStart.y), 0, 1)); },
         kStart, Point(kEnd.x, kStart.y), 1, 1, endBack(kEnd.x, kStart.y)},
        // Through the left edge on the way, 20 beyond it in the end: the frame flips, and so
        // does the mask, never stopping flat where the pointer passed the edge.
        {"the right-middle handle through the left edge and beyond",
         [this] { dragHandle(Point(kEnd.x, 50), screenOf(Point(kStart.x, 50)), screenOf(Point(0, 50), 1, 0)); },
         kStart, Point(0, kEnd.y), -0.25, 1, endBack(0, kEnd.y)},
        {"座標: the end's x typed as the start's",
         [this] { typeEndX(0); }, kStart, Point(kStart.x, kEnd.y), 1, 1, [this] { typeEndX(80); }},
        {"the scale tool, by a half", [this] { scaleBy(0.5); }, Point(40, 35), Point(80, 65), 0.5, 0.5,
         [this] { scaleBy(2.0); }},
    };
    const PictureState before = state();
    ASSERT_TRUE(same(before, {kStart, kEnd, kOutline})) << text(before);
    UndoManager& undo = *drawing().undoManager;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const int records = undo.appliedCount();
        row.edit();
        PictureState edited = {row.start, row.end, kOutline};
        for (Point& p : edited.outline)
            p.x *= row.sx, p.y *= row.sy;
        const PictureState after = state();
        EXPECT_TRUE(same(after, edited, 1e-9)) << text(after);
        EXPECT_EQ(undo.appliedCount(), records + 1);
        command(CMD_UNDO);
        EXPECT_TRUE(same(state(), before)) << "undone: " << text(state());
        command(CMD_REDO);
        EXPECT_TRUE(same(state(), after)) << "redone: " << text(state());
        const PictureState reopened = savedAndOpened();
        EXPECT_TRUE(same(reopened, after, 1e-5)) << "saved and opened: " << text(reopened);
        if (row.back) {
            row.back();
            EXPECT_TRUE(same(state(), before, row.sx == 1 && row.sy == 1 ? 0.0 : 1e-12)) << "back: " << text(state());
            command(CMD_UNDO);
            EXPECT_TRUE(same(state(), after)) << "back undone: " << text(state());
        }
        command(CMD_UNDO);
        ASSERT_TRUE(same(state(), before)) << "all undone: " << text(state());
    }
}

// At each scale, pictures of 10 x 10 pitches of a grid whose pitch is a tenth of a millimetre of
// paper, their right-middle (bottom-middle) handle dragged onto the grid point one pitch from the
// start corner: the frame is exactly as narrow as a mask is scaled through. The outline follows it
// while the program runs and again after a save and an open, where 座標 widens it back: the mask
// is back as the file kept it. The corners' rounding once judged such a frame one way before the
// save and the other way after it (at 5:1, from 40 to 40.02 it measured 0.10000000000001563 mm of
// paper, and 0.0999999999999801 as the file gave the corners back).
TEST_F(PictureMaskEdit, AFrameDraggedToTheNarrowestScaledExtentIsJudgedAlikeAfterASaveAndAnOpen)
{
    auto* sheet = dynamic_cast<SheetSettings*>(drawing().paper);
    auto* grid = dynamic_cast<DrawingGrid*>(drawing().grid);
    auto* view = dynamic_cast<ViewMapping*>(drawing().view);
    ASSERT_TRUE(sheet && grid && view);
    const struct {
        int numerator, denominator;
        int first; // the first start's grid point: within the sheet (at 5:1, x 40)
    } scales[] = {{1, 1, 1000}, {5, 1, 2000}, {7, 1, 1000}, {1, 1000, 1000}};
    constexpr int kSide = 10;                                        // pitches
    const std::vector<Point> cells = {{8, 1}, {9, 5}, {2, 9}, {5, 3}}; // the outline, in pitches
    auto screen = [&](double x, double y) {
        IntPoint device;
        view->worldToDevice(x, y, &device);
        POINT p{device.x, device.y};
        ClientToScreen(viewWindow, &p);
        return IntPoint(p.x, p.y);
    };
    const int fixturePicture = id;
    for (const auto& scale : scales) {
        SCOPED_TRACE(std::to_string(scale.numerator) + ":" + std::to_string(scale.denominator));
        sheet->setScaleNumerator(scale.numerator);
        sheet->setScaleDenominator(scale.denominator);
        grid->xNumerator = grid->yNumerator = scale.denominator;
        grid->xDenominator = grid->yDenominator = 10.0 * scale.numerator;
        const double pitch = grid->xNumerator / grid->xDenominator;
        ASSERT_EQ(view->setZoom(40.0), 1);
        struct Row {
            int id;
            int axis;
            int n;              // the start corner's grid point along the axis
            bool scaledRunning; // the outline followed the thin frame
        };
        std::vector<Row> rows;
        for (int axis = 0; axis < 2; ++axis) {
            for (int i = 0; i < 6; ++i) {
                const int n = scale.first + i, across = scale.first / 2 + 20 * i + 150 * axis;
                const Point start = axis ? Point(across * pitch, n * pitch) : Point(n * pitch, across * pitch);
                const Point end = axis ? Point((across + kSide) * pitch, (n + kSide) * pitch)
                                       : Point((n + kSide) * pitch, (across + kSide) * pitch);
                std::vector<Point> outline;
                for (const Point& c : cells)
                    outline.emplace_back(c.x * pitch, c.y * pitch);
                ASSERT_NO_FATAL_FAILURE(addPicture(start, end, outline));
                view->centreOn((start.x + end.x) / 2, (start.y + end.y) / 2);
                const IntPoint corner = screen(start.x, start.y), pitchOn = screen(start.x + pitch, start.y + pitch);
                ASSERT_GE(pitchOn.x - corner.x, 8) << "a pitch is too few pixels to aim at";
                // The handle, and the grid point one pitch from the start corner.
                const Point middle((start.x + end.x) / 2, (start.y + end.y) / 2);
                const IntPoint handle = axis ? screen(middle.x, end.y) : screen(end.x, middle.y);
                const IntPoint onto = axis ? screen(middle.x, (n + 1) * pitch) : screen((n + 1) * pitch, middle.y);
                const IntPoint through((handle.x + onto.x) / 2, (handle.y + onto.y) / 2);
                const PictureState wide = state();
                pickPicture();
                play([&](ScriptedMouse& m, DWORD t) {
                    m.at(t, handle.x - 3, handle.y - 3);
                    dragThrough(m, t + 100, handle, through, onto);
                    m.at(t + 800, onto.x - 1000, onto.y - 1000);
                });
                const PictureState thin = state();
                ASSERT_EQ(axis ? thin.end.y : thin.end.x, ((n + 1) * pitch) - (axis ? shift.y : shift.x))
                    << "the handle went onto the grid point one pitch on: " << text(thin);
                bool changed = false;
                for (size_t k = 0; k < wide.outline.size(); ++k) {
                    const Point &before = wide.outline[k], &after = thin.outline[k];
                    changed = changed || (axis ? after.y != before.y : after.x != before.x);
                }
                rows.push_back({id, axis, n, changed});
            }
        }
        saveAndOpen([&](DocumentContext& other) {
            for (const Row& row : rows) {
                SCOPED_TRACE(std::string(row.axis ? "y" : "x") + " from grid point " + std::to_string(row.n));
                EXPECT_TRUE(row.scaledRunning) << "a frame of exactly a tenth of a millimetre scales the outline";
                const PictureState read = state(other, row.id);
                // 座標: the end corner typed back where it was.
                Element& picture = *other.editor3->elementInHand();
                const Point start = *picture.firstPoint();
                picture.setPoint(2, row.axis ? picture.secondPoint()->x : start.x + kSide * pitch,
                                 row.axis ? start.y + kSide * pitch : picture.secondPoint()->y, 0);
                const PointList& back = picture.imageMask()->outline;
                ASSERT_EQ(back.count, static_cast<int>(cells.size()));
                bool scaledAfterOpen = false;
                for (int k = 0; k < back.count; ++k) {
                    Point p;
                    ASSERT_EQ(back.getPoint(k, &p), 1);
                    const double value = row.axis ? p.y : p.x;
                    scaledAfterOpen = scaledAfterOpen || value != (row.axis ? read.outline[k].y : read.outline[k].x);
                    // Millimetres of paper; the file kept the thin outline to its last decimal.
                    const double paper = value * scale.numerator / scale.denominator;
                    EXPECT_NEAR(paper, (row.axis ? cells[k].y : cells[k].x) / 10.0, 1e-5 * kSide + 1e-9) << "#" << k;
                }
                EXPECT_EQ(scaledAfterOpen, row.scaledRunning) << "judged alike before the save and after the open";
            }
        });
    }
    id = fixturePicture;
}

// Each mask tool of the property sheet is one step: undone and redone it gives the frame and the
// outline back exactly, the step before it is the edit before the tool (never a replay of the
// mask's points on the frame's corners), and the drawing saved keeps what the tool made.
TEST_F(PictureMaskEdit, EveryMaskToolIsOneStepThatUndoAndRedoGiveBackExactly)
{
    // The outline as the screen shows it: from the start corner.
    auto on = [](double x, double y) { return Point(kStart.x + x, kStart.y + y); };
    struct Row {
        const char* what;
        int button;
        std::function<void(ScriptedMouse&, DWORD)> mouse;
        std::function<void(HWND)> maskType;          // drives the shape dialog of マスク作成
        std::function<bool(const PictureState&)> made; // what the tool made
    };
    const Row rows[] = {
        {"マスク作成: a box dragged", IDC_MASK_CREATE,
         [&](ScriptedMouse& m, DWORD at) {
             dragThrough(m, at, screenOf(on(10, 10)), screenOf(on(30, 20)), screenOf(on(50, 30)));
         },
         [](HWND w) {
             PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDC_MASK_BOX, BN_CLICKED), 0);
             PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
         },
         [](const PictureState& s) {
             return s.start.x == kStart.x && s.end.x == kEnd.x && s.outline.size() >= 4 && s.outline[0].x == 10 &&
                    s.outline[0].y == 10;
         }},
        // The frame stays; the mask goes the whole drag (the pointer unsnapped: within a pixel).
        {"マスク移動: the mask dragged by 20, 10 over the picture", IDC_MASK_MOVE,
         [&](ScriptedMouse& m, DWORD at) {
             dragThrough(m, at, screenOf(on(40, 30)), screenOf(on(50, 35)), screenOf(on(60, 40)));
         },
         nullptr,
         [](const PictureState& s) {
             if (!same({s.start, s.end, {}}, {kStart, kEnd, {}}) || s.outline.size() != kOutline.size())
                 return false;
             const double dx = s.outline[0].x - kOutline[0].x, dy = s.outline[0].y - kOutline[0].y;
             for (size_t i = 0; i < kOutline.size(); ++i)
                 if (std::fabs(s.outline[i].x - kOutline[i].x - dx) > 1e-9 ||
                     std::fabs(s.outline[i].y - kOutline[i].y - dy) > 1e-9)
                     return false;
             return std::fabs(dx - 20) < 0.5 && std::fabs(dy - 10) < 0.5;
         }},
        // Through the mask box's left edge on the way: the outline is never left flat.
        {"拡大、縮小: the right handle of the mask's box through its left edge to twice its width", IDC_MASK_SCALE,
         [&](ScriptedMouse& m, DWORD at) {
             dragThrough(m, at, screenOf(on(30, 15)), screenOf(on(0, 15), 1, 0), screenOf(on(60, 15), 1, 0));
         },
         nullptr,
         [](const PictureState& s) {
             return s.start.x == kStart.x && s.outline.size() == kOutline.size() && s.outline[3].x == 60 &&
                    s.outline[1].x == 20 && s.outline[6].y == 30;
         }},
        // The anchor at (30, 0) dragged to (40, 0), where '+' adds an anchor beside it and '-'
        // takes it away again; then a click on nothing ends the tool.
        {"マスク点移動: a drag, '+' and '-'", IDC_MASK_MOVE_POINTS,
         [&](ScriptedMouse& m, DWORD at) {
             const int L = ScriptedMouse::kLeft;
             const IntPoint anchor = screenOf(on(40, 0)), beside = screenOf(on(40, 20));
             dragThrough(m, at, screenOf(on(30, 0)), screenOf(on(35, 0)), anchor);
             typedLater = {{at + 700, '+'}, {at + 1400, '-'}};
             m.at(at + 800, anchor.x, anchor.y).at(at + 900, anchor.x, anchor.y, L).at(at + 1000, beside.x, beside.y, L)
                 .at(at + 1100, beside.x, beside.y);
             m.at(at + 1500, anchor.x, anchor.y).at(at + 1600, anchor.x, anchor.y, L).at(at + 1700, anchor.x, anchor.y);
             const IntPoint empty = screenOf(Point(150, 60));
             m.clickAt(at + 2000, empty);
         },
         nullptr,
         [](const PictureState& s) {
             // The dragged anchor went with '-'; the one '+' added took its place.
             return s.start.x == kStart.x && s.end.x == kEnd.x && s.outline.size() == kOutline.size() &&
                    s.outline[3].x == 40 && s.outline[3].y == 20;
         }},
    };
    UndoManager& undo = *drawing().undoManager;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const PictureState before = state();
        const int records = undo.appliedCount();
        const int result = runSheetWhile(row.mouse, [&](HWND w) {
            chooseTab(w, 3);
            if (row.button == IDC_MASK_CREATE) {
                click(w, IDC_MASK_DELETE);
                driveNextDialog(row.maskType);
            }
            click(w, row.button);
        });
        EXPECT_EQ(result, 9901 + (row.button == IDC_MASK_MOVE) + 2 * (row.button == IDC_MASK_SCALE) +
                              3 * (row.button == IDC_MASK_MOVE_POINTS));
        const PictureState after = state();
        EXPECT_TRUE(row.made(after)) << text(after);
        EXPECT_EQ(undo.appliedCount(), records + 1) << "one step";
        command(CMD_UNDO);
        EXPECT_TRUE(same(state(), before)) << "undone: " << text(state());
        // The step before is the line made after the picture.
        command(CMD_UNDO);
        EXPECT_TRUE(same(state(), before)) << "the step before: " << text(state());
        EXPECT_EQ(pageIds().size(), 1u);
        command(CMD_REDO);
        command(CMD_REDO);
        EXPECT_TRUE(same(state(), after)) << "redone: " << text(state());
        const PictureState reopened = savedAndOpened();
        EXPECT_TRUE(same(reopened, after, 1e-5)) << "saved and opened: " << text(reopened);
        // The next tool starts from the same picture, the line the step before it.
        command(CMD_UNDO);
        ASSERT_TRUE(same(state(), before)) << "undone again: " << text(state());
    }
}

// A mask tool ended before it changed anything (Esc, a right press, a press off the mask's
// handles, a press and a release with no move between them) leaves the drawing as it was: the
// picture the same doubles, no step, no changed mark, so that Ctrl+Z still undoes the edit before
// it. What the sheet's pages changed before the tool is stored, as one step.
TEST_F(PictureMaskEdit, AMaskToolEndedWithoutAChangeLeavesTheDrawingAsItWas)
{
    auto on = [](double x, double y) { return Point(kStart.x + x, kStart.y + y); };
    const int L = ScriptedMouse::kLeft, R = ScriptedMouse::kRight;
    // The pointer rests at a and the button goes down there (none: no press) and up again.
    auto pressAt = [&](Point a, int button) {
        return [this, a, button](ScriptedMouse& m, DWORD t) {
            const IntPoint p = screenOf(a);
            m.at(t, p.x, p.y);
            if (button)
                m.at(t + 100, p.x, p.y, button).at(t + 400, p.x, p.y);
        };
    };
    struct Row {
        const char* what;
        int button;
        std::function<void(ScriptedMouse&, DWORD)> mouse;
        bool escape;
        bool endWidened; // 座標: the end corner's x typed 10 further before the tool
    };
    const Row rows[] = {
        {"マスク移動, Esc", IDC_MASK_MOVE, pressAt(on(20, 10), 0), true, false},
        {"マスク移動, a right press", IDC_MASK_MOVE, pressAt(on(20, 10), R), false, false},
        {"マスク移動, a press released where it was", IDC_MASK_MOVE, pressAt(on(20, 10), L), false, false},
        {"拡大、縮小, Esc", IDC_MASK_SCALE, pressAt(on(30, 15), 0), true, false},
        {"拡大、縮小, a right press", IDC_MASK_SCALE, pressAt(on(30, 15), R), false, false},
        {"拡大、縮小, a press off the handles", IDC_MASK_SCALE, pressAt(on(10, 20), L), false, false},
        {"拡大、縮小, a handle pressed and released", IDC_MASK_SCALE, pressAt(on(30, 15), L), false, false},
        {"端点の移動, Esc", IDC_MASK_MOVE_POINTS, pressAt(on(30, 0), 0), true, false},
        {"端点の移動, a right press", IDC_MASK_MOVE_POINTS, pressAt(on(30, 0), R), false, false},
        {"端点の移動, an anchor pressed and released, then Esc", IDC_MASK_MOVE_POINTS, pressAt(on(30, 0), L), true,
         false},
        {"座標 changed, then マスク移動 and Esc", IDC_MASK_MOVE, pressAt(on(20, 10), 0), true, true},
    };
    // First a change the tools must not undo: the mask moved by (20, 10), saved.
    const PictureState original = state();
    UndoManager& undo = *drawing().undoManager;
    ASSERT_EQ(runSheetWhile(
                  [&](ScriptedMouse& m, DWORD t) {
                      dragThrough(m, t, screenOf(on(40, 30)), screenOf(on(50, 35)), screenOf(on(60, 40)));
                  },
                  [](HWND w) {
                      chooseTab(w, 3);
                      click(w, IDC_MASK_MOVE);
                  }),
              9902);
    const PictureState moved = state();
    ASSERT_FALSE(same(moved, original)) << "the mask did not move";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        (void)savedAndOpened(); // no changed mark
        ASSERT_FALSE(drawing().isModified());
        const PictureState before = state();
        const int records = undo.appliedCount();
        auto script = [&](ScriptedMouse& m, DWORD t) {
            row.mouse(m, t);
            if (row.escape)
                typedLater = {{t + 700, VK_ESCAPE, WM_KEYDOWN}}; // after the press, if there is one
        };
        (void)runSheetWhile(script, [&](HWND w) {
            if (row.endWidened) {
                chooseTab(w, 2);
                char end[64] = {};
                GetDlgItemTextA(w, IDC_PICTURE_END_X, end, sizeof end);
                SetDlgItemTextA(w, IDC_PICTURE_END_X, std::to_string(std::atof(end) + 10).c_str());
            }
            chooseTab(w, 3);
            click(w, row.button);
        });
        if (row.endWidened) {
            PictureState widened = before;
            widened.end.x += 10;
            for (Point& p : widened.outline)
                p.x *= 90.0 / 80.0;
            EXPECT_TRUE(same(state(), widened, 1e-9)) << text(state());
            EXPECT_EQ(undo.appliedCount(), records + 1);
            EXPECT_TRUE(drawing().isModified());
            command(CMD_UNDO);
        } else {
            EXPECT_EQ(undo.appliedCount(), records) << "no step";
            EXPECT_FALSE(drawing().isModified()) << "no changed mark";
        }
        EXPECT_TRUE(same(state(), before)) << text(state());
    }
    command(CMD_UNDO);
    EXPECT_TRUE(same(state(), original)) << "Ctrl+Z undoes the move before the tools: " << text(state());
}

// A new start and end given together, by one OK of 座標 and by one picture batch change, are one
// resize of the frame: on each axis the mask is the one before scaled by new / old extent, or kept
// where the frame before or after is too thin, never taken through the frame of the new start and
// the old end (a start typed at the old end once left the outline whole in a frame half as wide; a
// start beyond it, in a frame then too thin, left it mirrored for good). One step that Ctrl+Z and
// Ctrl+Y give back exactly; saved, opened and typed back to the frame before, the mask of before.
TEST_F(PictureMaskEdit, ANewStartAndEndGivenTogetherMoveTheMaskAsOneResize)
{
    auto* sheet = dynamic_cast<SheetSettings*>(drawing().paper);
    ASSERT_NE(sheet, nullptr);
    // Along one axis, millimetres of paper: the frame before, and the start and end given.
    struct Axis {
        const char* what;
        double oldA, oldB, newA, newB;
        double oldSide() const { return std::fabs(oldB - oldA); }
        double newSide() const { return std::fabs(newB - newA); }
        // Under a tenth of a millimetre of paper before or after: the outline keeps its values.
        bool kept() const { return std::min(oldSide(), newSide()) < 0.1 - 1e-9; }
    };
    const Axis axes[] = {
        {"the start at the old end, the end half the width further", 69.728, 182.617, 182.617, 239.061},
        {"the start 0.05 mm short of the old end", 69.728, 182.617, 182.567, 238.99},
        {"the start beyond the old end", 13.5, 36.5, 50, 95},
        {"beyond the old end, at the narrowest extent scaled", 69.73, 182.615, 200, 200.1},
        {"beyond the old end, a unit of the file's last decimal narrower", 69.73, 182.615, 200, 200.09999},
        {"beyond the old end, of no width", 69.73, 182.615, 200, 200},
        {"from a frame of no width", 120, 120, 100, 150},
        {"the corners swapped", 50, 110, 110, 50},
    };
    constexpr size_t kAxes = sizeof axes / sizeof axes[0];
    // The outline from the start corner, millimetres of paper.
    const std::vector<Point> paperOutline = {{80, 40}, {80, 51.04569}, {68.80712, 60}, {55, 70}, {30, 57}, {7.125, 41}};
    const struct {
        int numerator, denominator;
    } scales[] = {{1, 1}, {2, 1}, {5, 1}, {7, 1}, {1, 1000}};
    // The text typed for a value in drawing units: the shortest that reads back as the value.
    auto typed = [](double units) {
        char text[40] = {};
        for (int digits = 6; digits <= 17; ++digits) {
            std::snprintf(text, sizeof text, "%.*g", digits, units);
            if (std::strtod(text, nullptr) == units)
                break;
        }
        return std::string(text);
    };
    // 座標 of a picture of a drawing: its corners typed (drawing units), OK; the sheet's result.
    auto typeFrame = [&](DocumentContext& d, int which, const Point& start, const Point& end) {
        return driveModalDialog([&]() -> INT_PTR { return d.editor3->runPropertySheet(which, 0, 0); }, [&](HWND w) {
            chooseTab(w, 2);
            SetDlgItemTextA(w, IDC_PICTURE_START_X, typed(start.x).c_str());
            SetDlgItemTextA(w, IDC_PICTURE_START_Y, typed(start.y).c_str());
            SetDlgItemTextA(w, IDC_PICTURE_END_X, typed(end.x).c_str());
            SetDlgItemTextA(w, IDC_PICTURE_END_Y, typed(end.y).c_str());
            click(w, IDOK);
        });
    };
    UndoManager& undo = *drawing().undoManager;
    const int fixturePicture = id;
    for (const auto& scale : scales) {
        sheet->setScaleNumerator(scale.numerator);
        sheet->setScaleDenominator(scale.denominator);
        const double perPaperMm = static_cast<double>(scale.denominator) / scale.numerator;
        // Drawing units of a paper value, to nine decimals: what a user types in 座標.
        auto units = [&](double paper) { return std::round(paper * perPaperMm * 1e9) / 1e9; };
        std::vector<Point> outline;
        for (const Point& p : paperOutline)
            outline.emplace_back(p.x * perPaperMm, p.y * perPaperMm);
        for (const bool batch : {false, true}) {
            // The batch change takes millimetres of paper, and the drawing's scale converts them.
            auto given = [&](double paper) {
                return batch ? paper * scale.denominator / scale.numerator : units(paper);
            };
            SCOPED_TRACE(std::string(batch ? "the batch change" : "座標") + " at " + std::to_string(scale.numerator) +
                         ":" + std::to_string(scale.denominator));
            struct Row {
                int id;
                const Axis* axis[2]; // x, y
                Point oldStart, oldEnd; // drawing units
                PictureState before, after;
            };
            std::vector<Row> rows;
            for (size_t i = 0; i < kAxes; ++i) {
                const Axis &x = axes[i], &y = axes[(i + 3) % kAxes];
                Row row{0, {&x, &y}, Point(units(x.oldA), units(y.oldA)), Point(units(x.oldB), units(y.oldB)), {}, {}};
                SCOPED_TRACE(std::string("x: ") + x.what + "; y: " + y.what);
                ASSERT_NO_FATAL_FAILURE(addPicture(row.oldStart, row.oldEnd, outline));
                row.id = id;
                row.before = state();
                const int records = undo.appliedCount();
                if (batch) {
                    const struct {
                        int field, tick;
                        double paper;
                    } fields[] = {{IDC_PICTURE_BATCH_START_X, IDC_PICTURE_TICK_START_X, x.newA},
                                  {IDC_PICTURE_BATCH_START_Y, IDC_PICTURE_TICK_START_Y, y.newA},
                                  {IDC_PICTURE_BATCH_END_X, IDC_PICTURE_TICK_END_X, x.newB},
                                  {IDC_PICTURE_BATCH_END_Y, IDC_PICTURE_TICK_END_Y, y.newB}};
                    pickPicture();
                    layout.current = TOOL_PICTURE_BATCH;
                    std::vector<bool> ticked;
                    (void)driveModalDialog(
                        [&] {
                            window->runToolButton();
                            return INT_PTR(1);
                        },
                        [&](HWND w) {
                            chooseTab(w, 1);
                            // A value typed as the field shows it already ticks nothing: its box
                            // is ticked by hand.
                            for (const auto& f : fields) {
                                SetDlgItemTextA(w, f.field, typed(f.paper).c_str());
                                SendMessageA(w, WM_COMMAND, MAKEWPARAM(f.field, EN_CHANGE),
                                             reinterpret_cast<LPARAM>(GetDlgItem(w, f.field)));
                                if (IsDlgButtonChecked(w, f.tick) != BST_CHECKED)
                                    SendDlgItemMessageA(w, f.tick, BM_CLICK, 0, 0);
                                ticked.push_back(IsDlgButtonChecked(w, f.tick) == BST_CHECKED);
                            }
                            click(w, IDOK);
                        });
                    settleEvents();
                    ASSERT_EQ(ticked, std::vector<bool>(4, true));
                } else {
                    ASSERT_EQ(typeFrame(drawing(), id, Point(units(x.newA), units(y.newA)),
                                        Point(units(x.newB), units(y.newB))),
                              1);
                }
                EXPECT_EQ(undo.appliedCount(), records + 1) << "one step";
                row.after = state();
                // The frame as typed; on each axis the outline scaled by new / old extent, or kept
                // where the frame before or after is under a tenth of a millimetre of paper.
                PictureState expected = row.before;
                expected.start = Point(given(x.newA) - shift.x, given(y.newA) - shift.y);
                expected.end = Point(given(x.newB) - shift.x, given(y.newB) - shift.y);
                double factor[2];
                for (int a = 0; a < 2; ++a) {
                    const Axis& along = *row.axis[a];
                    factor[a] = along.kept() ? 1.0
                                             : (given(along.newB) - given(along.newA)) /
                                                   (units(along.oldB) - units(along.oldA));
                }
                for (Point& p : expected.outline)
                    p.x *= factor[0], p.y *= factor[1];
                EXPECT_TRUE(same({row.after.start, row.after.end, {}}, {expected.start, expected.end, {}}))
                    << text(row.after);
                EXPECT_TRUE(same(row.after, expected, 1e-7 * perPaperMm))
                    << text(row.after) << "\nnot " << text(expected);
                command(CMD_UNDO);
                EXPECT_TRUE(same(state(), row.before)) << "undone: " << text(state());
                command(CMD_REDO);
                EXPECT_TRUE(same(state(), row.after)) << "redone: " << text(state());
                rows.push_back(row);
            }
            // Saved and opened: the pictures as they were; 座標 typed back to the frame before gives
            // the mask of before, to the file's last decimal at the narrower frame times the widening.
            // The opened drawing is closed without saving what was typed there.
            MessageBoxScript boxes;
            boxes.answer(IDNO);
            saveAndOpen([&](DocumentContext& other) {
                for (const Row& row : rows) {
                    SCOPED_TRACE(std::string("x: ") + row.axis[0]->what + "; y: " + row.axis[1]->what);
                    const PictureState read = state(other, row.id);
                    EXPECT_TRUE(same(read, row.after, 1e-5 * perPaperMm)) << "opened: " << text(read);
                    EXPECT_EQ(typeFrame(other, row.id, row.oldStart, row.oldEnd), 1);
                    const PictureState back = state(other, row.id);
                    EXPECT_TRUE(same({back.start, back.end, {}}, {row.before.start, row.before.end, {}}))
                        << text(back);
                    ASSERT_EQ(back.outline.size(), row.before.outline.size());
                    for (size_t k = 0; k < back.outline.size(); ++k) {
                        for (int a = 0; a < 2; ++a) {
                            const Axis& along = *row.axis[a];
                            const double got = (a ? back.outline[k].y : back.outline[k].x) / perPaperMm;
                            const double was = (a ? row.before.outline[k].y : row.before.outline[k].x) / perPaperMm;
                            // The file keeps the outline and the frame's corners to its last decimal
                            // (1e-5 mm); typing the frame back multiplies what the scaled outline lost.
                            const double lost =
                                along.kept() ? 1e-5 : (2 * std::fabs(was) + along.oldSide()) * 1e-5 / along.newSide();
                            EXPECT_NEAR(got, was, lost + 1e-9)
                                << (a ? "y" : "x") << " #" << k << "; opened: " << text(read);
                        }
                    }
                    EXPECT_EQ(other.undo(), 1);
                    EXPECT_TRUE(same(state(other, row.id), read))
                        << "undone after the open: " << text(state(other, row.id));
                }
            });
            EXPECT_EQ(boxes.shown().size(), 1u) << boxes.texts();
        }
    }
    id = fixturePicture;
}
