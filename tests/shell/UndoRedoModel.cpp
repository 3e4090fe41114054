#include "tests/shell/UndoRedoModel.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <windows.h>

#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/DrawingGrid.h"
#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "document/ElementIdSet.h"
#include "document/ElementStore.h"
#include "document/OrderChangeSettings.h"
#include "document/PageChainTable.h"
#include "document/PageList.h"
#include "document/SelectToolBase.h"
#include "document/Selection.h"
#include "document/UndoManager.h"
#include "elements/TextElementBase.h"
#include "elements/VertexRoundingList.h"
#include "geometry/ElementRecordBuffer.h"
#include "geometry/InkColor.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/PointList.h"
#include "geometry/ViewParams.h"
#include "platform/CurrentEvent.h"
#include "platform/EventRouter.h"
#include "resources/ids.h"
#include "resources/ids_images.h"
#include "shapes/ImageMask.h"
#include "shell/DocumentWindow.h"
#include "shell/MainFrame.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/FakeClock.h"
#include "tests/support/MessagePump.h"
#include "tests/support/SampleElements.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScriptedMouse.h"
#include "views/tools/ElementScaler.h"
#include "views/tools/MoveTool.h"
#include "views/tools/RotateTool.h"
#include "views/ViewMapping.h"
#include "views/tools/SelectTool.h"

namespace undo_model {

namespace {

// The stored elements of the current page in drawing order.
std::vector<int> pageIds(DocumentContext& d)
{
    std::vector<int> ids;
    ElementStore* store = d.elementStore();
    ElementIndexEntry entry;
    const int limit = store ? store->highestId() : 0;
    for (int id = store ? store->pageTable->getFirst(d.currentPage()) : -1;
         id >= 1 && static_cast<int>(ids.size()) < limit; id = store->getEntry(id, &entry) ? entry.pageNext : -1)
        ids.push_back(id);
    return ids;
}

int kindOf(DocumentContext& d, int id)
{
    ElementIndexEntry entry;
    return d.elementStore()->getEntry(id, &entry) ? entry.kind : 0;
}

// The selected ids as the select tool holds them.
std::vector<int> selectedIds(DocumentContext& d)
{
    std::vector<int> ids;
    SelectToolBase* tool = d.selectTool;
    const int limit = d.elementStore()->highestId();
    for (int id = tool->firstSelectedId(); id >= 1 && static_cast<int>(ids.size()) < limit; id = tool->nextSelectedId())
        ids.push_back(id);
    return ids;
}

void select(DocumentContext& d, const std::vector<int>& ids)
{
    SelectToolBase* tool = d.selectTool;
    tool->clearSelection();
    if (ids.size() == 1) {
        (void)d.editor3->beginEdit(ids[0]); // the tool's own element follows its selection
        tool->selectSingle(ids[0]);
        tool->setSelectionMode(1);
    } else if (ids.size() > 1) {
        tool->setSelectionMode(2);
        for (int id : ids)
            tool->addToSelection(id);
    }
}

// A new element as the creation tools commit it: made afresh with its defaults, then its points.
int create(DocumentContext& d, int kind, double dx, double dy)
{
    ElementEditorBase& editor = *d.editor2;
    d.undoManager->captureSelection(); // undo brings back the selection its input began with
    if (!editor.startFreshElement(kind))
        return 0;
    editor.elementInHand()->group = 0;
    editor.elementInHand()->takeDefaultAttributes();
    Element* e = startSampleElement(editor, kind, dx, dy);
    if (e && kind == kindCode(ElementKind::Picture)) {
        // A mask of two segments along the frame's top and down towards its middle.
        e->imageMask()->outline.count = 0;
        e->imageMask()->type.code = 4;
        for (const Point& p : {Point(0, 0), Point(5, 0), Point(10, 0), Point(15, 0), Point(15, 5), Point(15, 10),
                               Point(15, 15)})
            if (!e->imageMask()->outline.appendXY(p.x, p.y))
                return 0;
    }
    return e && editor.commitNewElement() == 1;
}

std::vector<int> textIds(DocumentContext& d)
{
    std::vector<int> texts;
    for (int id : pageIds(d))
        if (isTextKind(kindOf(d, id)))
            texts.push_back(id);
    return texts;
}

// Typing, or a text pasted at the caret, into a text edited in place; settled as a tool change
// settles it, which writes the record and stores the text. The text tool's click goes on with the
// text in edit (an undo or redo of its typing leaves it so), and settles any other before it
// edits the text clicked.
int type(DocumentContext& d, int nth, bool paste)
{
    const std::vector<int> texts = textIds(d);
    if (texts.empty())
        return 0;
    const int id = texts[static_cast<size_t>(nth) % texts.size()];
    ElementEditorBase& editor = *d.editor2;
    auto* text = dynamic_cast<TextElementBase*>(editor.elementInHand());
    if (text && text->isEditing() && text->id == id) {
        text->beginTextEdit();
    } else {
        (void)d.settleTextInEdit();
        if (!editor.beginEdit(id) || (text = dynamic_cast<TextElementBase*>(editor.elementInHand())) == nullptr)
            return 0;
        text->beginTextEditAtStart();
    }
    if (paste)
        text->insertText("\x93\xfa\x96\x7b", 4); // 日本
    else
        text->insertTyped("xy", 2);
    d.settleElement();
    return 1;
}

// The presses as the select tool takes them, recorded as the release of the last key does.
int arrows(DocumentContext& d, int presses, int which)
{
    SelectTool* tool = SelectTool::of(&d);
    int taken = 0;
    for (int i = 0; i < presses; ++i)
        taken += tool->onKey(VK_LEFT + (which & 3));
    tool->applyArrowMove();
    return taken > 0;
}

// The screen point of a drawing point on the view of the drawing.
IntPoint screenPoint(DocumentContext& d, const Point& p)
{
    IntPoint device;
    d.view->worldToDevice(p.x, p.y, &device);
    POINT screen{device.x, device.y};
    ClientToScreen(d.window->hwnd(), &screen);
    return IntPoint(screen.x, screen.y);
}

// A handle of the single selection dragged as the select tool hands it to the editor: pressed
// where it shows, moved by (dx, dy) pixels and let go.
int dragHandle(DocumentContext& d, int handle, double dx, double dy)
{
    const std::vector<int> ids = selectedIds(d);
    Point at;
    if (ids.size() != 1 || !d.editor3->beginEdit(ids[0]) || !d.editor3->elementInHand()->handlePoint(handle & 7, &at))
        return 0;
    const IntPoint from = screenPoint(d, at);
    const IntPoint to(from.x + static_cast<int>(dx * 4), from.y + static_cast<int>(dy * 4));
    FakeClock clock(1000, 500);
    ScriptedMouse mouse;
    mouse.at(1000, from.x, from.y, ScriptedMouse::kLeft)
        .at(1100, (from.x + to.x) / 2, (from.y + to.y) / 2, ScriptedMouse::kLeft)
        .at(1200, to.x, to.y, ScriptedMouse::kLeft)
        .at(1300, to.x, to.y);
    mouse.advanceClockPerRead(&clock, 10);
    ScopedOverride<HWND> view{ViewFrameTest::viewWindow, d.window->hwnd()};
    return d.editor3->dragHandleById(ids[0], handle & 7);
}

// 移動設定 as the digit key opens it in the select tool, confirmed with a move.
int moveByDialog(DocumentContext& d, double dx, double dy)
{
    const std::string x = std::to_string(dx), y = std::to_string(dy);
    return driveModalDialog([&] { return static_cast<INT_PTR>(SelectTool::of(&d)->onKey('5')); },
                            [&](HWND w) {
                                SetDlgItemTextA(w, IDC_MOVE_X, x.c_str());
                                SetDlgItemTextA(w, IDC_MOVE_Y, y.c_str());
                                click(w, IDOK);
                            }) == 1;
}

// The property sheet of the single selection, confirmed as it opens.
int confirmSheet(DocumentContext& d)
{
    const std::vector<int> ids = selectedIds(d);
    if (ids.size() != 1)
        return 0;
    return driveModalDialog([&] { return static_cast<INT_PTR>(d.editor3->runPropertySheet(ids[0], 0, 0)); },
                            [](HWND w) { PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }) == 1;
}

// The single selected picture with the corners and the absolute mask outline it has now, taken by
// the tools' editor; null otherwise.
Element* pictureInHand(DocumentContext& d, int& id)
{
    const std::vector<int> ids = selectedIds(d);
    if (ids.size() != 1 || kindOf(d, ids[0]) != kindCode(ElementKind::Picture) || !d.editor3->beginEdit(ids[0]))
        return nullptr;
    id = ids[0];
    return d.editor3->elementInHand();
}

// A mouse script of the loops run next, timed by their polls (ViewFrameTest::typingStep), ending
// with the mouse off the view; the keys typed meanwhile are delivered as they come.
class LoopScript {
public:
    LoopScript() { mouse.rest(-1000, -1000); }
    ~LoopScript() { ViewFrameTest::typedLater.clear(); }
    ScriptedMouse& at(DWORD ms, const IntPoint& p, int keys = ScriptedMouse::kNone)
    {
        return mouse.at(clock.now() + ms, p.x, p.y, keys);
    }
    // A press at a, a drag through the middle to b and the release there, from ms on.
    void drag(DWORD ms, const IntPoint& a, const IntPoint& b)
    {
        const int L = ScriptedMouse::kLeft;
        const IntPoint middle((a.x + b.x) / 2, (a.y + b.y) / 2);
        at(ms, a), at(ms + 100, a, L), at(ms + 200, middle, L), at(ms + 300, b, L), at(ms + 400, b);
    }
    void type(DWORD ms, char c) { ViewFrameTest::typedLater.push_back({clock.now() + ms, c}); }
    void end(DWORD ms) { mouse.at(clock.now() + ms, -1000, -1000); }

    FakeClock clock{1000, 500};
    ScriptedMouse mouse;
    ScopedOverride<ViewMapping::PumpStep> step{ViewMapping::pumpStep, &ViewFrameTest::typingStep};
    ScopedOverride<FakeClock*> polls{ViewFrameTest::pollClock, &clock};
    ScopedOverride<DWORD> deadline{ViewFrameTest::loopDeadline, clock.now() + 8000};
};

// A corner of the selected picture dragged by the 点移動 tool: onto the other corner's x or y, or by
// (a, b), on a grid of 2 laid from the other corner, which takes the pointer there exactly, as
// the grid dialog's element pick lays it; the grid is put back afterwards.
int moveCorner(DocumentContext& d, int how, double a, double b)
{
    int id = 0;
    Element* e = pictureInHand(d, id);
    auto* grid = dynamic_cast<DrawingGrid*>(d.grid);
    if (!e || !grid)
        return 0;
    const bool endCorner = how & 1;
    const Point moving = endCorner ? *e->secondPoint() : *e->firstPoint();
    const Point other = endCorner ? *e->firstPoint() : *e->secondPoint();
    const int mode = (how >> 1) % 3;
    const Point target = mode == 0 ? Point(other.x, moving.y) : mode == 1 ? Point(moving.x, other.y)
                                                                          : Point(moving.x + a, moving.y + b);
    DrawingGrid kept;
    kept.assign(grid);
    grid->kind = DrawingGrid::kDots;
    grid->xNumerator = grid->yNumerator = 2.0;
    grid->xDenominator = grid->yDenominator = 1.0;
    grid->xOrigin = other.x, grid->yOrigin = other.y;
    const int records = d.undoManager->recordCount();
    {
        LoopScript script;
        const IntPoint from = screenPoint(d, moving), to = screenPoint(d, target);
        script.drag(0, from, to);
        // A click on nothing ends the tool.
        const IntPoint nothing = screenPoint(d, Point(other.x + 500, other.y + 500));
        script.at(600, nothing), script.at(700, nothing, ScriptedMouse::kLeft), script.at(750, nothing);
        script.end(900);
        ScopedOverride<HWND> view{ViewFrameTest::viewWindow, d.window->hwnd()};
        d.moveSelectionByMouse();
    }
    grid->assign(&kept);
    return d.undoManager->recordCount() > records;
}

// The absolute outline of the selected picture's mask; empty without one.
std::vector<Point> absoluteOutline(Element& e)
{
    std::vector<Point> points;
    const PointList& outline = e.imageMask()->outline;
    for (int i = 0; i < outline.count; ++i) {
        Point p;
        if (outline.getPoint(i, &p))
            points.emplace_back(p.x + e.firstPoint()->x, p.y + e.firstPoint()->y);
    }
    return points;
}

// A mask tool of the selected picture's property sheet, by the mouse (see Edit::MaskTool).
int runMaskTool(DocumentContext& d, int tool, double a, double b)
{
    int id = 0;
    Element* e = pictureInHand(d, id);
    if (!e || tool < 1 || tool > 13)
        return 0;
    const std::vector<Point> outline = absoluteOutline(*e);
    if (tool > 1 && outline.size() < 4)
        return 0; // only マスク作成 is offered without a mask
    const Point start = *e->firstPoint(), end = *e->secondPoint();
    const Point middle((start.x + end.x) / 2, (start.y + end.y) / 2);
    LoopScript script;
    auto screen = [&](const Point& p) { return screenPoint(d, p); };
    auto by = [&](const Point& p) { return screenPoint(d, Point(p.x + a, p.y + b)); };
    int button = IDC_MASK_MOVE_POINTS;
    if (tool == 1) {
        button = IDC_MASK_CREATE;
        script.drag(0, screen(middle), by(middle));
    } else if (tool == 2) {
        button = IDC_MASK_MOVE;
        script.drag(0, screen(middle), by(middle));
    } else if (tool <= 10) {
        button = IDC_MASK_SCALE;
        Point low = outline[0], high = outline[0];
        for (const Point& p : outline) {
            low.x = std::min(low.x, p.x), low.y = std::min(low.y, p.y);
            high.x = std::max(high.x, p.x), high.y = std::max(high.y, p.y);
        }
        const double xs[3] = {low.x, (low.x + high.x) / 2, high.x}, ys[3] = {low.y, (low.y + high.y) / 2, high.y};
        // The handles clockwise from the top left: (column, row) of each.
        static const int kPlaces[8][2] = {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 1}};
        const Point handle(xs[kPlaces[tool - 3][0]], ys[kPlaces[tool - 3][1]]);
        script.drag(0, screen(handle), by(handle));
    } else {
        const size_t anchors = (outline.size() + 2) / 3;
        const Point anchor = outline[3 * (static_cast<size_t>(std::fabs(a + b) * 4) % anchors)];
        const IntPoint moved = by(anchor);
        script.drag(0, screen(anchor), moved);
        if (tool >= 12) {
            script.type(500, '+');
            script.drag(600, moved, screenPoint(d, Point(anchor.x + a + b, anchor.y - a)));
        }
        if (tool >= 13) {
            script.type(1100, '-');
            script.drag(1200, moved, moved);
        }
    }
    // The point tool goes on until a click on nothing.
    const IntPoint nothing = screen(Point(end.x + 500, end.y + 500));
    script.at(1700, nothing), script.at(1800, nothing, ScriptedMouse::kLeft), script.at(1850, nothing);
    script.end(2000);
    ScopedOverride<HWND> view{ViewFrameTest::viewWindow, d.window->hwnd()};
    const int records = d.undoManager->recordCount();
    const INT_PTR result = driveModalDialog(
        [&] { return static_cast<INT_PTR>(d.editor3->runPropertySheet(id, 0, 0)); },
        [&](HWND w) {
            chooseTab(w, 3);
            if (button == IDC_MASK_CREATE) {
                click(w, IDC_MASK_DELETE);
                driveNextDialog([](HWND shape) {
                    PostMessageA(shape, WM_COMMAND, MAKEWPARAM(IDC_MASK_BOX, BN_CLICKED), 0);
                    PostMessageA(shape, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                });
            }
            click(w, button);
        });
    if (theCurrentEvent)
        theCurrentEvent->typedChar = 0; // as the key's release leaves it
    return result >= 9901 && d.undoManager->recordCount() > records;
}

// The first selected element of the point-list kinds, taken by the tools' editor; null without one.
Element* pointListInHand(DocumentContext& d, int& id)
{
    std::vector<int> ids = selectedIds(d);
    if (ids.empty())
        return nullptr;
    const int kind = kindOf(d, ids[0]);
    const bool listKind = kind == kindCode(ElementKind::Breakline) || kind == kindCode(ElementKind::ArcBreakline) ||
                          kind == kindCode(ElementKind::Spline) || kind == kindCode(ElementKind::Polygon) ||
                          kind == kindCode(ElementKind::ArcPolygon);
    if (!listKind || !d.editor3->beginEdit(ids[0]))
        return nullptr;
    id = ids[0];
    Element* e = d.editor3->elementInHand();
    return e && e->vertices() && e->vertices()->count >= 2 ? e : nullptr;
}

// A vertex dragged as the point-list kinds' handle drag records it, then stored as the mouse edit
// stores it.
int movePoint(DocumentContext& d, double dx, double dy)
{
    int id = 0;
    Element* e = pointListInHand(d, id);
    UndoManager* undo = d.undoManager;
    Point before;
    if (!e || !undo || !e->vertices()->getPoint(0, &before))
        return 0;
    undo->beginPointMove(0, 1);
    undo->addRecordPoint(before.x, before.y, before.z);
    if (!e->vertices()->setXYZ(0, before.x + dx, before.y + dy, before.z))
        return 0;
    undo->addRecordPoint(before.x + dx, before.y + dy, before.z);
    undo->endPointMove(e);
    return d.editor3->storeBack(id);
}

void recordPointsAndValues(Element& e, UndoManager& undo)
{
    Point p;
    for (int i = 0; i < e.vertices()->count; ++i)
        if (e.vertices()->getPoint(i, &p))
            undo.addRecordPoint(p.x, p.y, p.z);
    double v = 0.0;
    for (int i = 0; e.vertexRounding() && i < e.vertexRounding()->count; ++i)
        if (e.vertexRounding()->getRaw(i, &v))
            (void)undo.recordValues()->append(v);
}

// A vertex added after the first one or the first one deleted, with the rounding values.
int addOrDeletePoint(DocumentContext& d, bool add)
{
    int id = 0;
    Element* e = pointListInHand(d, id);
    UndoManager* undo = d.undoManager;
    Point first, second;
    if (!e || !undo || !e->vertices()->getPoint(0, &first) || !e->vertices()->getPoint(1, &second))
        return 0;
    if (!add && e->vertices()->count < 3)
        return 0;
    VertexRoundingList* rounding = e->vertexRounding();
    if (add)
        undo->beginPointAdd(e->vertices()->count);
    else
        undo->beginPointDelete(e->vertices()->count);
    undo->setValueCountBefore(rounding ? rounding->count : 0);
    recordPointsAndValues(*e, *undo);
    if (add) {
        const Point middle((first.x + second.x) / 2.0, (first.y + second.y) / 2.0, 0.0);
        if (!Element::insertVertexAfter(*e->vertices(), 0, middle))
            return 0;
        if (rounding && rounding->count > 0 && !rounding->insertAfter(0, 0.0))
            return 0;
    } else {
        if (!Element::removeVertex(*e->vertices(), 0))
            return 0;
        if (rounding && rounding->count > 0 && !rounding->removeAt(0))
            return 0;
    }
    recordPointsAndValues(*e, *undo);
    if (add)
        undo->endPointAdd(e);
    else
        undo->endPointDelete(e);
    return d.editor3->storeBack(id);
}

// The colour and width as the property sheet stores what its dialog changed.
int changeProperties(DocumentContext& d, double value)
{
    std::vector<int> ids = selectedIds(d);
    if (ids.empty() || !d.editor3->beginEdit(ids[0]))
        return 0;
    Element* e = d.editor3->elementInHand();
    UndoManager* undo = d.undoManager;
    if (InkColor* colour = e->colour())
        colour->setRgb(static_cast<int>(value * 97) & 255, 40, static_cast<int>(value * 13) & 255);
    if (LineSizeAttribute* width = e->lineWidth())
        width->width = 0.25 + std::fmod(value, 4.0);
    undo->beginAttributeChange(e);
    if (!d.editor3->storeBack(ids[0])) {
        undo->flushPending();
        return 0;
    }
    undo->endAttributeChange(e);
    return 1;
}

// A batch change's operation: one colour for every kind.
class Recolour : public SelectionOperation {
public:
    explicit Recolour(int red) : red(red) {}
    [[nodiscard]] int accepts(int) override { return 1; }
    int apply(Element* element) override
    {
        if (InkColor* colour = element->colour())
            colour->setRgb(red, 128, 7);
        return 1;
    }
    int red;
};

int changeOrder(DocumentContext& d, int toFront)
{
    OrderChangeSettings* order = d.orderSettings;
    if (!order)
        return 0;
    order->direction = toFront ? OrderChangeSettings::kToFront : OrderChangeSettings::kToBack;
    order->dialogResult = 1; // as OK in the direction dialog
    return d.changeOrder() == 1;
}

int changePage(DocumentContext& d, int how)
{
    PageList* pages = d.pages;
    if (!pages)
        return 0;
    switch (how) {
    case 0:
        return pages->nextPage();
    case 1:
        return pages->previousPage();
    case 2:
        return pages->insertPageAfter(pages->currentPage());
    default:
        return pages->pageCount() > 1 && pages->removePage(pages->currentPage());
    }
}

std::string number(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

// The notes without what no record keeps: the lines of the group numbers.
std::string withoutGroups(const std::string& text)
{
    std::string kept;
    for (size_t line = 0; line < text.size();) {
        size_t end = text.find('\n', line);
        end = end == std::string::npos ? text.size() : end + 1;
        if (text.compare(line, end - line, "<group>") != 0 && text.find("<group>", line) >= end)
            kept.append(text, line, end - line);
        line = end;
    }
    return kept;
}

bool startsNumber(const std::string& s, size_t i)
{
    if (i >= s.size())
        return false;
    if (std::isdigit(static_cast<unsigned char>(s[i])))
        return true;
    return s[i] == '-' && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1]));
}

size_t numberEnd(const std::string& s, size_t i)
{
    if (s[i] == '-')
        ++i;
    while (i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '.'))
        ++i;
    return i;
}

// The line of a place, after the lines that name its element and tag.
std::string lineAround(const std::string& s, size_t at)
{
    size_t start = s.rfind('\n', at);
    start = start == std::string::npos ? 0 : start + 1;
    size_t context = start;
    for (int lines = 0; lines < 3 && context > 0; ++lines) {
        const size_t before = s.rfind('\n', context - 2);
        context = before == std::string::npos ? 0 : before + 1;
    }
    const size_t to = s.find('\n', at);
    std::string text = s.substr(context, (to == std::string::npos ? s.size() : to) - context);
    // The element the place belongs to, and how many elements come before it.
    size_t elementAt = std::string::npos;
    std::string element;
    for (const ElementKindRow& row : kElementKindRows) {
        const size_t found = s.rfind(std::string("<") + row.keyword + ">", at);
        if (found != std::string::npos && (elementAt == std::string::npos || found > elementAt))
            elementAt = found, element = row.keyword;
    }
    if (!element.empty()) {
        int before = 0;
        for (size_t layer = s.find("<layer>"); layer < elementAt; layer = s.find("<layer>", layer + 1))
            ++before;
        text = element + " #" + std::to_string(before + 1) + ": " + text;
    }
    std::string squeezed;
    for (char c : text) {
        if (c == '\r')
            continue;
        if (c == '\n')
            squeezed += " | ";
        else if (c != ' ' || (!squeezed.empty() && squeezed.back() != ' '))
            squeezed += c;
    }
    return squeezed;
}

} // namespace

std::string describe(const Step& step)
{
    const std::string ab = "(" + number(step.a) + ", " + number(step.b) + ")";
    switch (step.edit) {
    case Edit::Create:
        return std::string("new ") + kElementKindRows[step.kind - 1].keyword + " at " + ab;
    case Edit::Type:
        return step.a > 0.5 ? "text paste" : "typing";
    case Edit::Select: {
        std::string s = step.kind > 0 ? "select text " + std::to_string(step.kind - 1) : "select";
        for (int p : step.picks)
            s += " " + std::to_string(p);
        return s;
    }
    case Edit::Move:
        return "move " + ab;
    case Edit::Arrows:
        return std::to_string(step.kind) + " arrow presses";
    case Edit::CopyBy:
        return "copy by " + ab;
    case Edit::Rotate:
        return "rotate " + number(step.a);
    case Edit::Scale:
        return "scale " + number(step.a);
    case Edit::PointMove:
        return "point move " + ab;
    case Edit::PointAdd:
        return "point add";
    case Edit::PointDelete:
        return "point delete";
    case Edit::Properties:
        return "properties";
    case Edit::Batch:
        return "batch change";
    case Edit::Delete:
        return "delete";
    case Edit::Cut:
        return "cut";
    case Edit::Copy:
        return "copy";
    case Edit::Paste:
        return "paste";
    case Edit::Group:
        return step.kind == 1 ? "group" : "ungroup";
    case Edit::Order:
        return step.kind ? "to front" : "to back";
    case Edit::Page:
        return "page " + std::to_string(step.kind);
    case Edit::UndoRedo:
        return "undo " + std::to_string(step.kind) + ", redo " + number(step.b);
    case Edit::HandleDrag:
        return "handle " + std::to_string(step.kind) + " dragged " + ab;
    case Edit::MoveDialog:
        return "move dialog " + ab;
    case Edit::Sheet:
        return "property sheet";
    case Edit::Corner:
        return std::string(step.kind & 1 ? "end" : "start") + " corner " +
               (step.kind / 2 % 3 == 0 ? "onto the other's x" : step.kind / 2 % 3 == 1 ? "onto the other's y" : "by " + ab);
    case Edit::MaskTool:
        return "mask tool " + std::to_string(step.kind) + " by " + ab;
    }
    return "?";
}

std::string describe(const std::vector<Step>& steps)
{
    std::string s;
    for (const Step& step : steps)
        s += (s.empty() ? "" : "; ") + describe(step);
    return s;
}

namespace {

// The amounts of an edit drawn at random, and its kind where the edit has one. The draws of each
// edit stay as they are: the cases of a seed must stay the same sequences.
template <class Below, class Quarter> void drawOperands(Step& s, Below& below, Quarter& quarter)
{
    s.a = quarter(20);
    s.b = quarter(20);
    switch (s.edit) {
    case Edit::Create:
        s.kind = below(2) ? kindCode(ElementKind::Text) : 1 + below(19);
        break;
    case Edit::Type:
        s.kind = below(8);
        s.a = below(2);
        break;
    case Edit::Arrows:
        s.kind = 1 + below(5);
        s.a = below(4);
        break;
    case Edit::HandleDrag:
        s.kind = below(8);
        break;
    case Edit::Rotate:
        s.a = below(2) ? 90.0 * (1 + below(3)) : quarter(90);
        break;
    case Edit::Scale:
        s.a = below(2) ? 2.0 : 0.5;
        s.kind = below(4);
        break;
    case Edit::Group:
        s.kind = 1 + below(2);
        break;
    case Edit::Order:
        s.kind = below(2);
        break;
    case Edit::Page:
        s.kind = below(4);
        break;
    case Edit::UndoRedo:
        s.kind = 1 + below(6);
        s.b = below(s.kind + 1);
        break;
    default:
        break;
    }
}

} // namespace

std::vector<Step> randomSequence(uint64_t seed, long long n)
{
    std::mt19937_64 random(seed * 0x9E3779B97F4A7C15ULL + static_cast<uint64_t>(n));
    auto below = [&](int k) { return static_cast<int>(random() % static_cast<uint64_t>(k)); };
    // Quarter steps: moves and their undo stay exact in binary.
    auto quarter = [&](int range) { return (below(8 * range) - 4 * range) / 4.0; };
    std::vector<Step> steps;
    const int length = 12 + below(49);
    for (int i = 0; i < length; ++i) {
        Step s;
        const int roll = below(100);
        if (roll < 22 || steps.size() < 2) {
            s.edit = Edit::Create;
            s.kind = 1 + below(19);
            s.a = quarter(60);
            s.b = quarter(40);
        } else if (roll < 36) {
            s.edit = Edit::Select;
            for (int k = 1 + below(3); k > 0; --k)
                s.picks.push_back(below(64));
        } else {
            static const Edit kEdits[] = {Edit::Type,   Edit::Move,        Edit::Arrows,      Edit::CopyBy,
                                          Edit::Rotate, Edit::Scale,       Edit::PointMove,   Edit::PointAdd,
                                          Edit::PointDelete, Edit::Properties, Edit::Batch, Edit::Delete,
                                          Edit::Cut,    Edit::Copy,        Edit::Paste,       Edit::Paste,
                                          Edit::Group,  Edit::Order,       Edit::Page,        Edit::UndoRedo,
                                          Edit::UndoRedo};
            s.edit = kEdits[below(static_cast<int>(std::size(kEdits)))];
            drawOperands(s, below, quarter);
        }
        steps.push_back(s);
    }
    return steps;
}

std::vector<Step> randomTextSequence(uint64_t seed, long long n)
{
    std::mt19937_64 random(seed * 0xD1B54A32D192ED03ULL + static_cast<uint64_t>(n));
    auto below = [&](int k) { return static_cast<int>(random() % static_cast<uint64_t>(k)); };
    auto quarter = [&](int range) { return (below(8 * range) - 4 * range) / 4.0; };
    const int text = kindCode(ElementKind::Text), leader = kindCode(ElementKind::TextLine);
    std::vector<Step> steps;
    // Two texts at least, among a few elements of any kind.
    for (int i = 0, count = 2 + below(3); i < count; ++i) {
        Step s;
        s.edit = Edit::Create;
        s.kind = i < 2 || below(2) ? (below(3) ? text : leader) : 1 + below(19);
        s.a = quarter(60);
        s.b = quarter(40);
        steps.push_back(s);
    }
    static const Edit kAfterwards[] = {Edit::Move,   Edit::Arrows, Edit::HandleDrag, Edit::MoveDialog, Edit::Sheet,
                                       Edit::Properties, Edit::CopyBy, Edit::Rotate, Edit::Scale,  Edit::Delete,
                                       Edit::Cut,    Edit::Copy,   Edit::Paste,      Edit::Batch,      Edit::Order,
                                       Edit::Group,  Edit::PointMove, Edit::Create};
    for (int round = 0, rounds = 3 + below(6); round < rounds; ++round) {
        // Typing into a text, mostly undone (and maybe redone), which leaves the text in edit.
        const int nth = below(4);
        steps.push_back({Edit::Type, nth, static_cast<double>(below(2)), 0.0, {}});
        if (below(4)) {
            const int undos = 1 + below(2);
            steps.push_back({Edit::UndoRedo, undos, 0.0, static_cast<double>(below(undos + 1)), {}});
        }
        // Mostly that text picked (with others, at times), then an edit of the selection.
        if (below(5)) {
            Step select{Edit::Select, below(4) ? nth + 1 : 0, 0.0, 0.0, {}};
            for (int k = below(3); k > 0 || select.kind == 0; --k) {
                select.picks.push_back(below(64));
                if (k <= 0)
                    break;
            }
            steps.push_back(select);
        }
        Step s;
        s.edit = kAfterwards[below(static_cast<int>(std::size(kAfterwards)))];
        drawOperands(s, below, quarter);
        steps.push_back(s);
        if (below(2))
            steps.push_back({Edit::UndoRedo, 1 + below(3), 0.0, static_cast<double>(below(4)), {}});
    }
    return steps;
}

std::vector<Step> randomPictureSequence(uint64_t seed, long long n)
{
    std::mt19937_64 random(seed * 0xA24BAED4963EE407ULL + static_cast<uint64_t>(n));
    auto below = [&](int k) { return static_cast<int>(random() % static_cast<uint64_t>(k)); };
    auto quarter = [&](int range) { return (below(8 * range) - 4 * range) / 4.0; };
    const int picture = kindCode(ElementKind::Picture);
    std::vector<Step> steps;
    // Pictures with masks near the middle of the view, and an element or two of other kinds.
    for (int i = 0, count = 2 + below(3); i < count; ++i)
        steps.push_back({Edit::Create, i < 2 || below(2) ? picture : 1 + below(19), quarter(20), quarter(12), {}});
    static const Edit kEdits[] = {Edit::Corner,     Edit::Corner,   Edit::Corner,     Edit::MaskTool, Edit::MaskTool,
                                  Edit::MaskTool,   Edit::HandleDrag, Edit::Scale,    Edit::Sheet,    Edit::Move,
                                  Edit::Properties, Edit::Batch,    Edit::CopyBy,     Edit::Delete,   Edit::Paste};
    for (int round = 0, rounds = 4 + below(8); round < rounds; ++round) {
        // One element picked, mostly a picture.
        steps.push_back({Edit::Select, 0, 0.0, 0.0, {below(64)}});
        Step s;
        s.edit = kEdits[below(static_cast<int>(std::size(kEdits)))];
        drawOperands(s, below, quarter);
        if (s.edit == Edit::Corner)
            s.kind = below(6);
        else if (s.edit == Edit::MaskTool)
            s.kind = 1 + below(13);
        steps.push_back(s);
        if (below(3))
            steps.push_back({Edit::UndoRedo, 1 + below(3), 0.0, static_cast<double>(below(4)), {}});
    }
    return steps;
}

Checker::Checker(MainFrame& frame, const std::string& folder) : frame(frame), folder(folder) {}

DocumentContext& Checker::drawing() { return *frame.activeDocument()->context; }

// A drawing of its own for each run: the last one is closed unsaved, the clipboard emptied.
// False when no new window could be made.
bool Checker::clearDrawing()
{
    if (DocumentWindow* old = frame.activeDocument()) {
        old->context->settleElement();         // the close would store a text in edit
        old->context->document->markSaved(); // closed without the save question
        ::postCloseRequest(old->serial);
        settleEvents();
    }
    if (OpenClipboard(frame.hwnd())) {
        (void)EmptyClipboard();
        (void)CloseClipboard();
    }
    if (!frame.createDocumentWindow())
        return false;
    settleEvents();
    path = folder + "model.ycx";
    return drawing().setPathAndTitle(path.c_str()) != 0;
}

// The drawing as its file writes it, without marking it saved. A text being edited in place is
// part of it as the screen shows it, as a save would settle it; its edit goes on, and its stored
// record is put back afterwards: the program's own steps must store it, and one that lost the
// text's edit would otherwise be covered by the note.
std::string Checker::note()
{
    DocumentContext& d = drawing();
    ElementStore& store = *d.elementStore();
    auto* text = dynamic_cast<TextElementBase*>(d.editor2->elementInHand());
    const int inEdit = text && text->isEditing() && text->id >= 1 ? text->id : 0;
    ElementIndexEntry entry;
    std::string record;
    if (inEdit) {
        if (!store.readElement(inEdit, &entry))
            return "(the record of the text being edited could not be read)";
        BlockLock bytes(*store.recordBuffer);
        record.assign(static_cast<const char*>(bytes.data()), static_cast<size_t>(store.recordBuffer->position));
        if (!d.editor2->storeBack(inEdit))
            return "(the text being edited could not be stored)";
    }
    std::string written;
    {
        XmlContextScope publish(d.document);
        if (!d.document->write())
            return "(the drawing could not be written)";
        written = withoutGroups(ScratchFolder::read(path));
    }
    if (inEdit) {
        store.recordBuffer->rewind();
        if (!store.recordBuffer->putBytes(record.data(), static_cast<int>(record.size())) ||
            !store.updateElement(inEdit, &entry))
            return "(the record of the text being edited could not be put back)";
    }
    return written;
}

int Checker::apply(const Step& step)
{
    DocumentContext& d = drawing();
    switch (step.edit) {
    case Edit::Create:
        return create(d, step.kind, step.a, step.b);
    case Edit::Type:
        return type(d, step.kind, step.a > 0.5);
    case Edit::Select: {
        const std::vector<int> ids = pageIds(d), texts = textIds(d);
        std::vector<int> chosen;
        if (step.kind > 0 && !texts.empty())
            chosen.push_back(texts[static_cast<size_t>(step.kind - 1) % texts.size()]);
        for (int p : step.picks) {
            if (ids.empty())
                break;
            const int id = ids[static_cast<size_t>(p) % ids.size()];
            if (std::find(chosen.begin(), chosen.end(), id) == chosen.end())
                chosen.push_back(id);
        }
        select(d, chosen);
        return 1;
    }
    case Edit::Move:
        return MoveTool::of(&d)->moveBy(step.a, step.b, 0.0);
    case Edit::Arrows:
        return arrows(d, step.kind, static_cast<int>(step.a));
    case Edit::CopyBy:
        return MoveTool::of(&d)->copyBy(step.a, step.b, 0.0) > 0;
    case Edit::Rotate: {
        RotateTool* rotator = RotateTool::of(&d);
        rotator->centreX = rotator->centreY = 50.0 + step.b;
        rotator->centreZ = 0.0;
        rotator->centreSet = 1;
        rotator->angle = step.a;
        return rotator->applyRotation();
    }
    case Edit::Scale: {
        ElementScaler* scaler = ElementScaler::of(&d);
        scaler->factor = step.a;
        scaler->lastResult = 1; // as OK in its dialog
        scaler->scaleLineWidths = step.kind & 1;
        scaler->scaleTextSizes = (step.kind >> 1) & 1;
        return scaler->applyScale() > 0;
    }
    case Edit::PointMove:
        return movePoint(d, step.a, step.b);
    case Edit::PointAdd:
        return addOrDeletePoint(d, true);
    case Edit::PointDelete:
        return addOrDeletePoint(d, false);
    case Edit::Properties:
        return changeProperties(d, step.a + step.b + 8.0);
    case Edit::Batch: {
        Recolour recolour(static_cast<int>(step.a * 16) & 255);
        return d.selection->forEach(recolour) > 0;
    }
    case Edit::Delete:
        return d.erase();
    case Edit::Cut:
        return d.cut();
    case Edit::Copy:
        return d.copy();
    case Edit::Paste:
        return d.paste();
    case Edit::Group:
        return d.idSet->applyChoice(step.kind);
    case Edit::Order:
        return changeOrder(d, step.kind);
    case Edit::Page:
        return changePage(d, step.kind);
    case Edit::UndoRedo:
        return 1; // run by the checker itself
    case Edit::HandleDrag:
        return dragHandle(d, step.kind, step.a, step.b);
    case Edit::MoveDialog:
        return moveByDialog(d, step.a, step.b);
    case Edit::Sheet:
        return confirmSheet(d);
    case Edit::Corner:
        return moveCorner(d, step.kind, step.a, step.b);
    case Edit::MaskTool:
        return runMaskTool(d, step.kind, step.a, step.b);
    }
    return 0;
}

namespace {

// How the program reaches an edit while a text is still in edit (an undo or redo of its typing
// leaves it so). 2: past a tool button, a menu command or the creation tool's click, each of which
// ends the running tool and with it the text's edit. 1: by the select tool's press, or by a mouse
// edit or a dialog of the select tool that the model makes without the mouse; each stores the text
// first. 0: through the very operations the model calls, which must store the text themselves.
int settledBefore(Edit edit)
{
    switch (edit) {
    case Edit::Create:
    case Edit::Page:
        return 2;
    case Edit::Select:
    case Edit::PointMove:
    case Edit::PointAdd:
    case Edit::PointDelete:
    case Edit::Properties:
        return 1;
    default:
        return 0;
    }
}

// A text emptied in edit (by an undo of all its typing) goes with a delete record of its own when
// it is settled, which the model notes apart from the edit that settles it.
bool emptiedInEdit(DocumentContext& d)
{
    auto* text = dynamic_cast<TextElementBase*>(d.editor2->elementInHand());
    return text && text->isEditing() && text->textLength() < 1;
}

} // namespace

void Checker::traceStep(const std::string& what)
{
    if (!trace)
        return;
    DocumentContext& d = drawing();
    std::string line = what + " -> " + std::to_string(d.undoManager->appliedCount()) + " of " +
                       std::to_string(d.undoManager->recordCount()) + " records:";
    for (int id : pageIds(d))
        line += " " + std::to_string(id) + "=" + kElementKindRows[kindOf(d, id) - 1].keyword;
    trace(line);
}

// n undo (or redo) steps, each compared with the note of the records it leaves applied.
std::string Checker::stepAndCompare(int n, bool redoing, const std::string& at)
{
    DocumentContext& d = drawing();
    const char* name = redoing ? "redo" : "undo";
    for (int i = 0; i < n; ++i) {
        const std::string step = at + ", " + name + " " + std::to_string(i + 1);
        const int target = d.undoManager->appliedCount() + (redoing ? 1 : -1);
        if (!(redoing ? d.canRedo() : d.canUndo()))
            return step + ": nothing to " + name + " with " + std::to_string(target) + " records applied";
        if ((redoing ? d.redo() : d.undo()) != 1)
            return step + ": the step failed";
        traceStep(step);
        ++comparedSteps;
        if (target < 0 || target >= static_cast<int>(notes.size()))
            return step + ": " + std::to_string(target) + " records applied, the model noted " +
                   std::to_string(notes.size() - 1);
        const std::string found = difference(notes[static_cast<size_t>(target)], note());
        if (!found.empty())
            return step + ": " + found;
    }
    return "";
}

// The saved drawing opened in a window of its own, as its file writes it; the window is closed.
std::string Checker::reopened()
{
    DocumentContext& d = drawing();
    if (d.save() != 1)
        return "(the save failed)";
    const std::string copy = folder + "reopened.ycx";
    if (!CopyFileA(path.c_str(), copy.c_str(), FALSE))
        return "(the saved file could not be copied)";
    DocumentWindow* window = frame.createDocumentWindow();
    settleEvents();
    if (!window)
        return "(no window for the saved file among " + std::to_string(frame.documentCount()) + ")";
    DocumentContext& other = *window->context;
    std::string text = "(the saved file did not open)";
    if (other.assignFile(copy.c_str()) && other.openFile()) {
        XmlContextScope publish(other.document);
        if (other.document->write())
            text = withoutGroups(ScratchFolder::read(copy));
    }
    other.settleElement();
    other.document->markSaved();
    const int windows = frame.documentCount();
    ::postCloseRequest(window->serial);
    settleEvents();
    if (frame.documentCount() != windows - 1)
        return "(the window of the saved file did not leave the frame's list)";
    return text;
}

std::string Checker::checkHistory(const std::string& at)
{
    DocumentContext& d = drawing();
    const int applied = d.undoManager->appliedCount();
    const int records = d.undoManager->recordCount();
    std::string found = stepAndCompare(applied, false, at + ", undo all");
    if (found.empty())
        found = stepAndCompare(records, true, at + ", redo all");
    return found;
}

std::string Checker::run(const std::vector<Step>& steps)
{
    if (!clearDrawing())
        return "no drawing window could be made for the run";
    DocumentContext& d = drawing();
    notes.assign(1, note());
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        const std::string at = "step " + std::to_string(i + 1) + " (" + describe(step) + ")";
        if (step.edit == Edit::UndoRedo) {
            const int undos = std::min(step.kind, d.undoManager->appliedCount());
            std::string found = stepAndCompare(undos, false, at);
            if (found.empty())
                found = stepAndCompare(std::min(static_cast<int>(step.b), undos), true, at);
            if (!found.empty())
                return found;
            continue;
        }
        // What ends the text being edited stores it; a text edited down to nothing goes with a
        // record of its own.
        const int settled = emptiedInEdit(d) ? 1 : step.edit == Edit::Type ? 0 : settledBefore(step.edit);
        if (settled) {
            const int applied = d.undoManager->appliedCount();
            if (settled == 2)
                d.settleElement();
            else
                (void)d.settleTextInEdit();
            if (d.undoManager->appliedCount() == applied + 1) {
                notes.resize(static_cast<size_t>(applied) + 1);
                notes.push_back(note());
            }
        }
        const int appliedBefore = d.undoManager->appliedCount();
        (void)apply(step); // an edit that could not run must have changed nothing
        traceStep(at);
        const int applied = d.undoManager->appliedCount();
        if (d.canUndo() && applied == appliedBefore + 1) {
            ++recordedEdits;
            notes.resize(static_cast<size_t>(appliedBefore) + 1);
            notes.push_back(note());
        } else if (step.edit == Edit::Page && applied == 0 && d.undoManager->recordCount() == 0) {
            notes.assign(1, note()); // a page change clears the history
        } else if (applied != appliedBefore) {
            return at + ": " + std::to_string(applied - appliedBefore) + " records written";
        } else if (step.edit != Edit::Group) {
            const std::string found = difference(notes.at(static_cast<size_t>(applied)), note());
            if (!found.empty())
                return at + " changed the drawing without a record: " + found;
        }
    }
    std::string found = checkHistory("after the edits");
    if (found.empty()) {
        found = difference(notes.back(), reopened());
        if (!found.empty())
            found = "saved after undo-all and redo-all and opened again: " + found;
    }
    return found;
}

std::string difference(const std::string& expected, const std::string& found)
{
    size_t i = 0, j = 0;
    while (i < expected.size() && j < found.size()) {
        if (startsNumber(expected, i) && startsNumber(found, j)) {
            const size_t ie = numberEnd(expected, i), je = numberEnd(found, j);
            const double a = std::atof(expected.substr(i, ie - i).c_str());
            const double b = std::atof(found.substr(j, je - j).c_str());
            if (std::fabs(a - b) > 2e-5 + 1e-12 * std::fabs(a))
                return "expected \"" + lineAround(expected, i) + "\", found \"" + lineAround(found, j) + "\"";
            i = ie, j = je;
            continue;
        }
        if (expected[i] != found[j])
            return "expected \"" + lineAround(expected, i) + "\", found \"" + lineAround(found, j) + "\"";
        ++i, ++j;
    }
    if (i < expected.size() || j < found.size())
        return "expected \"" + lineAround(expected, i) + "\", found \"" + lineAround(found, j) + "\" (one ends first)";
    return "";
}

} // namespace undo_model
