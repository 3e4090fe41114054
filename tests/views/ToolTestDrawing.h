#pragma once
// The select, move and rotate tools' test drawing: the document's default members with the real
// tools and element editors, a window-less view of 400 x 300 pixels at zoom 1 and 72 dpi whose
// mouse loops read the scripted mouse (client pixels are screen pixels), a redraw manager that
// paints into a DIB, and a rectangle kind in place of the box whose picks test the select tool's
// pick box against its extent and whose property sheet answers from a script.
#include <deque>
#include <string>
#include <vector>

#include "document/DocumentContext.h"
#include "document/DocumentMembers.h"
#include "document/Element.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "document/Selection.h"
#include "document/UndoManager.h"
#include "elements/ElementKindRegistry.h"
#include "geometry/PickSettings.h"
#include "platform/MathUtil.h"
#include "platform/MouseSource.h"
#include "tests/support/FakeClock.h"
#include "tests/support/LinearView.h"
#include "tests/support/RealElementEditors.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/SurfaceUpdater.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TwoPointTestElement.h"
#include "views/ViewMembers.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/MoveTool.h"
#include "views/tools/RotateTool.h"
#include "views/tools/SelectTool.h"

namespace tool_test {

// A rectangle between its two points. Its picks: the extent meets the select tool's pick box.
// Its sheet records (id, has previous, has next) and answers the next scripted result (2 when
// the script has run out).
class Rectangle : public TwoPointTestElement {
public:
    Rectangle() { kind = kindCode(ElementKind::Box); }
    ~Rectangle() override { teardown(); }

    void initialize() override
    {
        (void)ensureAttribute(ElementAttribute::firstPoint); // a failed ensure fails the record
        (void)ensureAttribute(ElementAttribute::secondPoint);
    }
    void teardown() override
    {
        releaseAttribute(ElementAttribute::firstPoint);
        releaseAttribute(ElementAttribute::secondPoint);
    }
    void translate(double dx, double dy, double dz) override
    {
        for (Point* p : {static_cast<Point*>(firstPoint()), static_cast<Point*>(secondPoint())})
            p->x += dx, p->y += dy, p->z += dz;
    }
    void rotate(double angle, double cx, double cy, double) override
    {
        for (Point* p : {static_cast<Point*>(firstPoint()), static_cast<Point*>(secondPoint())})
            MathUtil::rotatePointAbout(cx, cy, p->x, p->y, angle);
    }
    [[nodiscard]] int hitTest() override { return meetsPickBox(); }
    [[nodiscard]] int hitTestExtent() override { return meetsPickBox(); }
    [[nodiscard]] int editProperties(int hasPrevious, int hasNext) override
    {
        sheets().push_back({id, hasPrevious, hasNext});
        if (sheetAnswers().empty())
            return 2;
        const int r = sheetAnswers().front();
        sheetAnswers().pop_front();
        return r;
    }

    // A mouse edit shows its rubber band, as the kinds' edits do, follows the mouse until the left
    // button is up, records the id and answers the next scripted result (0 once the script has
    // run out).
    [[nodiscard]] int editByMouse() override
    {
        overlayShown = 0;
        beginOverlay();
        IntPoint p;
        for (int reads = 0; isLeftButtonDown() && reads < 1000; ++reads)
            readCursorPos(p);
        editedIds().push_back(id);
        if (mouseEdits().empty())
            return 0;
        const int r = mouseEdits().front();
        mouseEdits().pop_front();
        return r;
    }
    static std::deque<int>& mouseEdits()
    {
        static std::deque<int> answers;
        return answers;
    }
    static std::vector<int>& editedIds()
    {
        static std::vector<int> ids;
        return ids;
    }

    struct Sheet {
        int id, hasPrevious, hasNext;
    };
    static std::vector<Sheet>& sheets()
    {
        static std::vector<Sheet> shown;
        return shown;
    }
    static std::deque<int>& sheetAnswers()
    {
        static std::deque<int> answers;
        return answers;
    }
    static Element* make() { return new Rectangle; }

private:
    int meetsPickBox()
    {
        SelectTool* tool = SelectTool::of(context);
        if (!tool)
            return 0;
        computeExtent(1);
        const SelectTool::Box& b = tool->pickBox;
        return extentMin.x <= b.x2 && extentMax.x >= b.x1 && extentMin.y <= b.y2 && extentMax.y >= b.y1;
    }
};

// One pixel is 25.4 / 72 mm: the view at zoom 1 and 72 dpi with (0, 0) at the top-left pixel.
// The mouse loops read the scripted mouse; the cursor is inside while it lies in the client
// rectangle. Mouse moves asked for are counted.
class ScriptedView : public LinearView {
public:
    ScriptedView()
    {
        setZoom(1.0, 0.0, 0.0);
        client = IntRect::fromEdges(0, 0, 400, 300);
    }
    [[nodiscard]] int nextMousePoint(IntPoint& device, int& left, int& right) override
    {
        left = isLeftButtonDown();
        right = isRightButtonDown();
        readCursorPos(device);
        return ++steps < kStepLimit;
    }
    [[nodiscard]] int nextMousePoint(IntPoint& device, int& left, int& right, int) override
    {
        const int going = nextMousePoint(device, left, right);
        return going && inside(device);
    }
    [[nodiscard]] int waitClick(int) override
    {
        IntPoint device;
        int left = 0, right = 0;
        while (nextMousePoint(device, left, right)) {
            if (left)
                return 11;
            if (right)
                return 21;
        }
        return -1;
    }
    void cursorPosition(IntPoint& out) override { readCursorPos(out); }
    [[nodiscard]] int isCursorInView() override
    {
        IntPoint p;
        readCursorPos(p);
        return inside(p);
    }
    void postMouseMove() override { ++mouseMoves; }
    [[nodiscard]] int inside(const IntPoint& p) const
    {
        return p.x >= client.left && p.x < client.right && p.y >= client.top && p.y < client.bottom;
    }

    // A loop that never ends stops a broken test instead of hanging it.
    static constexpr int kStepLimit = 100000;
    int steps = 0;
    int mouseMoves = 0;
};

// Plenty of free space for the undo log, whatever the disk holds.
inline int plentyOfSpace(const FileName&, unsigned long long& bytes)
{
    bytes = 1ULL << 40;
    return 1;
}

inline DocumentMemberFactories toolFactories()
{
    DocumentMemberFactories hooks = documentMemberFactories;
    hooks.selectTool = makeSelectTool;
    hooks.moveTool = makeMoveTool;
    hooks.rotateTool = makeRotateTool;
    return hooks;
}

class ToolDrawing {
public:
    ToolDrawing()
    {
        context.createMembers();
        context.view = view = new ScriptedView;
        context.updater = updater = new SurfaceUpdater(400, 300);
        context.linkManagers();
        select = SelectTool::of(&context);
        mouse.advanceClockPerRead(&clock, 10);
        Rectangle::sheets().clear();
        Rectangle::sheetAnswers().clear();
        Rectangle::mouseEdits().clear();
        Rectangle::editedIds().clear();
    }
    ~ToolDrawing() { context.destroyManagers(); }
    ToolDrawing(const ToolDrawing&) = delete;
    ToolDrawing& operator=(const ToolDrawing&) = delete;

    // A rectangle from (x1, y1) to (x2, y2) in pixels of the view, drawn last on the page; its id.
    int add(double x1, double y1, double x2, double y2, int group = 0, int layer = 100)
    {
        ElementEditorBase* editor = context.editor3;
        if (!editor->startNewElement(kindCode(ElementKind::Box)))
            return 0;
        Element* e = editor->elementInHand();
        e->firstPoint()->x = mm(x1), e->firstPoint()->y = mm(y1);
        e->secondPoint()->x = mm(x2), e->secondPoint()->y = mm(y2);
        e->group = group;
        e->layer = layer;
        return editor->addToPage();
    }
    // A line from (x1, y1) to (x2, y2) in pixels of the view, drawn last on the page; its id.
    int addLine(double x1, double y1, double x2, double y2)
    {
        ElementEditorBase* editor = context.editor3;
        if (!editor->startNewElement(kindCode(ElementKind::Line)))
            return 0;
        Element* e = editor->elementInHand();
        e->takeDefaultAttributes();
        e->firstPoint()->x = mm(x1), e->firstPoint()->y = mm(y1);
        e->secondPoint()->x = mm(x2), e->secondPoint()->y = mm(y2);
        return editor->addToPage();
    }
    // The element's first point in pixels of the view.
    std::pair<double, double> corner(int id)
    {
        ElementEditorBase* editor = context.editor3;
        if (!editor->beginEdit(id))
            return {-1.0, -1.0};
        const Point* p = editor->elementInHand()->firstPoint();
        return {p->x / mm(1.0), p->y / mm(1.0)};
    }
    std::vector<int> selected()
    {
        std::vector<int> ids;
        for (int id = select->firstSelectedId(); id >= 1; id = select->nextSelectedId())
            ids.push_back(id);
        return ids;
    }
    // A press at (x, y) released after `holdMs`, optionally moved to (toX, toY) meanwhile.
    void press(int x, int y, DWORD holdMs, int toX, int toY, int keys = ScriptedMouse::kNone)
    {
        const DWORD now = clock.now();
        mouse.at(now, x, y, keys | ScriptedMouse::kLeft);
        mouse.at(now + holdMs / 2, toX, toY, keys | ScriptedMouse::kLeft);
        mouse.at(now + holdMs, toX, toY, keys);
    }
    void click(int x, int y) { press(x, y, 100, x, y); }
    // Runs the select tool's left button as the tracking loop hands it on.
    void leftButton()
    {
        (void)context.restartTimer();
        (void)select->onLeftButton();
    }
    static double mm(double pixels) { return pixels * 25.4 / 72.0; }

    TestApplication app;
    FakeClock clock;
    ScriptedMouse mouse;
    PickSettings pickSettings;
    ScopedOverride<PickSettings*> pick{thePickSettings, &pickSettings};
    std::unique_ptr<ElementKindRegistry> registry{makeKindRegistry()};
    ScopedOverride<ElementKindRegistry*> installed{theKindRegistry, registry.get()};
    ScopedOverride<ElementKindRegistry::Factory> box{ElementKindRegistry::factories[kindCode(ElementKind::Box) - 1],
                                                     &Rectangle::make};
    RealElementEditors editors;
    ScopedOverride<UndoManager::FreeSpaceQuery> space{UndoManager::freeSpaceQuery, plentyOfSpace};
    ScopedOverride<DocumentMemberFactories> factories{documentMemberFactories, toolFactories()};
    DocumentContext context;
    ScriptedView* view = nullptr;
    SurfaceUpdater* updater = nullptr;
    SelectTool* select = nullptr;
};

} // namespace tool_test
