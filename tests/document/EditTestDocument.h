#pragma once
// A drawing for the selection, clipboard, drawing-order, page and group tests and their
// benchmark: the undo test drawing's element kind and editors over the context's own members
// (store, undo manager, selection, page list, mask index, groups, drawing order), with stand-ins
// for the select tool (its list mode keeps the ids in the context's Selection), the view (device
// pixels are twice the drawing units; the mouse comes from the program's mouse source), the
// redraw manager (its overlay is a DIB surface) and the status bar.
#include <memory>
#include <string>
#include <vector>

#include "document/ElementIdSet.h"
#include "document/ElementMaskIndex.h"
#include "document/PageList.h"
#include "document/Selection.h"
#include "document/StatusBarPanes.h"
#include "platform/Clock.h"
#include "platform/DeviceContext.h"
#include "platform/MouseSource.h"
#include "platform/MouseState.h"
#include "tests/document/UndoTestDocument.h"
#include "tests/support/DibSurface.h"
#include "tests/support/LinearView.h"

// The select tool's selection as undo, the clipboard and the commands see it: mode 1 holds one
// id here, mode 2 keeps the ids in the context's Selection.
class ListSelectTool : public UndoTestSelectTool {
public:
    explicit ListSelectTool(DocumentContext& owner) : context(owner) {}

    void clearSelection() override
    {
        mode = 0;
        single = 0;
        if (context.selection)
            context.selection->clear();
    }
    void selectSingle(int id) override { single = id; }
    void addToSelection(int id) override
    {
        if (context.selection)
            context.selection->add(id);
    }
    [[nodiscard]] int firstSelectedId() override
    {
        cursor = 0;
        return nextSelectedId();
    }
    [[nodiscard]] int nextSelectedId() override
    {
        if (mode == 1)
            return cursor++ == 0 ? single : 0;
        const int id = mode == 2 && context.selection ? context.selection->idAt(static_cast<int>(cursor)) : 0;
        ++cursor;
        return id >= 1 ? id : 0;
    }
    [[nodiscard]] int selectedCount() override { return mode == 1 ? 1 : mode == 2 ? context.selection->count : 0; }
    void resetState() override { ++resets; }
    void getPressPoint(double& x, double& y) override
    {
        x = pressX;
        y = pressY;
    }
    void setSelectionRect(double minX, double minY, double maxX, double maxY) override
    {
        rect[0] = minX, rect[1] = minY, rect[2] = maxX, rect[3] = maxY;
    }
    // The extent of the element's points against the rectangle.
    [[nodiscard]] int testCandidate(int id, int whole) override
    {
        tested.push_back(id);
        UndoTestEditor* editor = static_cast<UndoTestEditor*>(context.editor3);
        if (!editor->beginEdit(id))
            return 0;
        Point low, high;
        editor->held()->extent(low, high);
        if (whole)
            return low.x >= rect[0] && low.y >= rect[1] && high.x <= rect[2] && high.y <= rect[3];
        return low.x <= rect[2] && high.x >= rect[0] && low.y <= rect[3] && high.y >= rect[1];
    }
    [[nodiscard]] int pickElement() override { return picked; }

    // Sets the selection: one id in mode 1, the list in mode 2 (none: mode 0).
    void choose(const std::vector<int>& chosen)
    {
        clearSelection();
        if (chosen.size() == 1) {
            mode = 1;
            single = chosen[0];
        } else if (!chosen.empty()) {
            mode = 2;
            for (int id : chosen)
                addToSelection(id);
        }
    }
    std::vector<int> chosen()
    {
        std::vector<int> ids;
        for (int id = firstSelectedId(); id >= 1; id = nextSelectedId())
            ids.push_back(id);
        return ids;
    }

    DocumentContext& context;
    int single = 0;
    int resets = 0;
    double pressX = 0.0;
    double pressY = 0.0;
    double rect[4] = {};
    std::vector<int> tested;
    int picked = -1;
};

// Device pixels are twice the drawing units; the mouse loop reads the program's mouse source
// (the cursor position taken as view pixels) and notes the cursor shown at each step.
class EditTestView : public LinearView {
public:
    static constexpr double kScale = 2.0;

    EditTestView() { scale = kScale; }
    [[nodiscard]] int isCursorInView() override { return 1; }

    [[nodiscard]] int nextMousePoint(IntPoint& device, int& left, int& right) override
    {
        if (++steps > 100000)
            return 0; // a script that never lets go
        readCursorPos(device);
        left = isLeftButtonDown();
        right = isRightButtonDown();
        cursors.push_back(theMouseState ? theMouseState->cursor : nullptr);
        return 1;
    }
    int steps = 0;
    std::vector<HCURSOR> cursors;
};

// Counts the refreshes; the overlay is a DIB surface that each copy of the painter makes white,
// and each flush notes the band's dash phase and the time.
class EditTestUpdater : public UndoTestUpdater {
public:
    explicit EditTestUpdater(DocumentContext& owner) : context(owner), surface(400, 300) { overlay.attachHdc(surface.hdc); }
    ~EditTestUpdater() override { overlay.detachHdc(); }
    void redrawCurrentPage() override { ++pageRedraws; }
    [[nodiscard]] DeviceContext* overlaySurface() override { return withOverlay ? &overlay : nullptr; }
    void copyPainterToOverlay() override { surface.fill(RGB(255, 255, 255)); }
    void flushOverlay() override
    {
        phases.push_back(context.selection ? context.selection->dashPhase : -1);
        times.push_back(currentTickCount());
    }

    DocumentContext& context;
    DibSurface surface;
    DeviceContext overlay;
    int withOverlay = 1;
    int pageRedraws = 0;
    std::vector<int> phases;
    std::vector<DWORD> times;
};

class PaneRecorder : public StatusBarPanes {
public:
    void setOwner(DocumentContext*) override {}
    void showInPane2(const char* text) override { shown.push_back(text ? text : "(cleared)"); }
    std::vector<std::string> shown;
};

class EditTestDocument {
public:
    EditTestDocument()
    {
        context.createMembers();
        context.editor2 = textEditor = new UndoTestEditor;
        context.editor3 = editor = new UndoTestEditor;
        context.selectTool = selectTool = new ListSelectTool(context);
        context.updater = updater = new EditTestUpdater(context);
        context.view = view = new EditTestView;
        context.statusBar = panes = new PaneRecorder;
        context.linkManagers();
        if (context.ownStore)
            context.ownStore->setNoReuse(1);
    }
    ~EditTestDocument() { context.destroyManagers(); }
    EditTestDocument(const EditTestDocument&) = delete;
    EditTestDocument& operator=(const EditTestDocument&) = delete;

    UndoManager& undo() { return *context.undoManager; }
    ElementStore& store() { return *context.ownStore; }
    Selection& selection() { return *context.selection; }
    PageList& pages() { return *context.pages; }
    ElementMaskIndex& maskIndex() { return *context.maskIndex; }
    ElementIdSet& groups() { return *context.idSet; }

    // Stores a new element (indexed in the mask index) and returns its id.
    int add(ElementKind kind, std::vector<UndoPoint> points, int page = 1, int group = 0)
    {
        UndoTestElement element;
        element.context = &context;
        element.kind = kindCode(kind);
        element.page = page;
        element.group = group;
        element.points = std::move(points);
        if (!element.exchangeRecord(1) || element.store() < 1)
            return 0;
        Point low, high;
        element.extent(low, high);
        const int id = element.id;
        element.context = nullptr;
        return maskIndex().setElement(id, low, high, page) ? id : 0;
    }
    // A box from (x, y) to (x + w, y + h) as two corner points.
    int addBox(double x, double y, double w, double h, int page = 1, int group = 0)
    {
        return add(ElementKind::Box, {{x, y, 0}, {x + w, y + h, 0}}, page, group);
    }
    ElementIndexEntry entry(int id)
    {
        ElementIndexEntry e;
        if (!store().getEntry(id, &e))
            e = ElementIndexEntry();
        return e;
    }
    std::vector<UndoPoint> pointsOf(int id)
    {
        UndoTestElement element;
        element.context = &context;
        if (!store().isLive(id) || !element.load(id) || !element.exchangeRecord(3))
            return {};
        return element.points;
    }
    // The ids of a page in drawing order, and of its (page, kind) chain.
    std::vector<int> pageOrder(int page = 1)
    {
        std::vector<int> order;
        for (int id = store().pageTable->getFirst(page); id >= 1 && order.size() < 100000; id = entry(id).pageNext)
            order.push_back(id);
        return order;
    }
    std::vector<int> cellOrder(ElementKind kind, int page = 1)
    {
        std::vector<int> order;
        for (int id = store().cellTable->getFirst(page, kindCode(kind)); id >= 1 && order.size() < 100000;
             id = entry(id).cellNext)
            order.push_back(id);
        return order;
    }

    DocumentContext context;
    UndoTestEditor* textEditor = nullptr;
    UndoTestEditor* editor = nullptr;
    ListSelectTool* selectTool = nullptr;
    EditTestUpdater* updater = nullptr;
    EditTestView* view = nullptr;
    PaneRecorder* panes = nullptr;
};
