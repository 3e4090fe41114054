#pragma once
// A drawing for the element editor's tests: the real editors, store, undo manager and point
// input, the real line kind and a scripted kind (stored as a line under the picture's code)
// whose creation, edit, handle-drag and property steps answer scripted codes. Around them, a
// view whose mouse polls follow a script, and recorders for the redraw manager, the select tool,
// the grid, the navigator, the page bar, the memory probe and the context-menu request, all
// writing into one trace in call order.
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "document/ContextMenuRequest.h"
#include "document/DocumentContext.h"
#include "document/DrawingGrid.h"
#include "document/ElementStore.h"
#include "document/PagePainter.h"
#include "document/PageTabBar.h"
#include "document/UndoManager.h"
#include "elements/ElementKindRegistry.h"
#include "elements/LineElement.h"
#include "platform/MemoryProbe.h"
#include "tests/support/FakeClock.h"
#include "tests/support/IdleMembers.h"
#include "tests/support/LinearView.h"
#include "tests/support/RealElementEditors.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/SurfaceUpdater.h"
#include "views/LowMemoryGuard.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/InputPointList.h"
#include "views/tools/SelectTool.h"

namespace editor_test {

// The calls of one test, in order.
inline std::vector<std::string>& trace()
{
    static std::vector<std::string> calls;
    return calls;
}
inline void note(const std::string& call) { trace().push_back(call); }

constexpr int kScriptedKind = kindCode(ElementKind::Picture);

// Stored and drawn as a line; every input step answers the next scripted code and notes it.
// A completing code (1, 41, 43) leaves the element to be committed as new; -1 leaves the input
// pending; edits move the end point by one unit so that a stored-back record differs.
class ScriptedElement : public LineElement {
public:
    static std::deque<int>& codes()
    {
        static std::deque<int> script;
        return script;
    }
    static int refuseStore; // the store refuses the record
    static int refuseRead;  // the record cannot be read back (as one cut short)
    static int reads;       // records read back

    [[nodiscard]] int beginCreateInput(int) override { return step("begin"); }
    [[nodiscard]] int continueCreateInput(int) override { return step("continue"); }
    [[nodiscard]] int placeByMouse(int) override { return step("place"); }
    [[nodiscard]] int editByMouse() override { return edit("edit"); }
    [[nodiscard]] int dragHandle(int) override { return edit("drag"); }
    [[nodiscard]] int editProperties(int, int) override { return edit("sheet"); }
    [[nodiscard]] int runSheetAction1() override
    {
        note("action 1");
        return 1;
    }
    [[nodiscard]] int exchangeRecord(int mode) override
    {
        if (mode == 1 && refuseStore)
            return 0;
        if (mode == 3 && (++reads, refuseRead))
            return 0;
        return LineElement::exchangeRecord(mode);
    }
    int execute(int operation, double x, double y, double z) override
    {
        if (operation == 1)
            note("draw");
        return LineElement::execute(operation, x, y, z);
    }

private:
    int next()
    {
        if (codes().empty())
            return -1;
        const int code = codes().front();
        codes().pop_front();
        return code;
    }
    int step(const char* name)
    {
        const int code = next();
        note(std::string(name) + " " + std::to_string(code));
        secondPoint()->x = firstPoint()->x + 10.0;
        inputPending = code == -1 ? 1 : 0;
        inputResult = code == 41 || code == 43 ? 1 : 0;
        return code;
    }
    int edit(const char* name)
    {
        const int code = next();
        note(std::string(name) + " " + std::to_string(code));
        secondPoint()->x += 1.0;
        return code;
    }
};
inline int ScriptedElement::refuseStore = 0;
inline int ScriptedElement::refuseRead = 0;
inline int ScriptedElement::reads = 0;

// A kind that this build cannot make.
constexpr int kUnmadeKind = kindCode(ElementKind::Bitmap);

// The application's kinds, with the scripted kind under its code.
class TestRegistry : public ElementKindRegistry {
public:
    TestRegistry() { fillTable(); }
    [[nodiscard]] Element* createElement(int kind) override
    {
        ++requests;
        if (kind == kUnmadeKind)
            return nullptr;
        if (kind != kScriptedKind)
            return ElementKindRegistry::createElement(kind);
        Element* made = new ScriptedElement;
        made->initialize();
        made->self = made;
        return made;
    }
    // Elements asked for.
    int requests = 0;
};

// Mouse polls follow a script of (x, y, left, right); past its end every poll fails. The cursor
// rests where the last poll was.
class ScriptedView : public LinearView {
public:
    struct Poll {
        int x, y, left, right;
    };
    using LinearView::nextMousePoint;
    [[nodiscard]] int nextMousePoint(IntPoint& device, int& left, int& right, int) override
    {
        if (polls.empty())
            return 0;
        const Poll p = polls.front();
        polls.pop_front();
        device.set(p.x, p.y);
        cursor.set(p.x, p.y);
        left = p.left;
        right = p.right;
        return 1;
    }
    void cursorPosition(IntPoint& out) override { out = cursor; }
    void postMouseMove() override { note("mouse move"); }
    std::deque<Poll> polls;
    IntPoint cursor;
};

class RecordingUpdater : public SurfaceUpdater {
public:
    RecordingUpdater() : SurfaceUpdater(200, 200) {}
    void refreshAfterReset() override { note("refresh"); }
    void repaint() override { note("repaint"); }
    void saveToSpare() override { note("save spare"); }
    void restoreFromSpare() override { note("restore spare"); }
    // With an area set, the part of the drawing being redrawn (touching meets it).
    [[nodiscard]] int isOutsideUpdateArea(const DoubleRect* extent) override
    {
        return hasArea && extent && !area.intersects(extent, 1);
    }
    int hasArea = 0;
    DoubleRect area;
};

class RecordingSelectTool : public IdleSelectTool {
public:
    [[nodiscard]] int selectionMode() override { return mode; }
    void setSelectionMode(int m) override { mode = m; }
    void selectSingle(int id) override
    {
        selected = id;
        note("select " + std::to_string(id));
    }
    int mode = 0;
    int selected = 0;
};

class RecordingGrid : public DrawingGrid {
public:
    void paintOverFigures() override { note("grid over"); }
};

class RecordingNavigator : public PagePainter {
public:
    void setContext(DocumentContext*) override {}
    int ensureBitmap() override { return 0; }
    void refresh(DocumentContext*) override {}
    void addElement(DocumentContext*, int id) override { note("navigator " + std::to_string(id)); }
};

class RecordingPageBar : public PageTabBar {
public:
    void setContext(DocumentContext*) override {}
    int ensureBitmap() override { return 0; }
    [[nodiscard]] int selectPage(DocumentContext*, int) override { return 0; }
    void refresh(DocumentContext*) override {}
    void onPageRedrawn(DocumentContext*) override { note("page bar"); }
};

inline int probeAnswer = 1;
inline int recordingProbe(long long)
{
    note("probe");
    return probeAnswer;
}
inline void recordingMenuRequest() { note("menu 6160"); }

class EditorDrawing {
public:
    EditorDrawing()
    {
        trace().clear();
        ScriptedElement::codes().clear();
        ScriptedElement::refuseStore = 0;
        ScriptedElement::refuseRead = 0;
        ScriptedElement::reads = 0;
        probeAnswer = 1;
        context.createMembers();
        delete context.grid;
        context.grid = grid = new RecordingGrid;
        context.view = view = new ScriptedView;
        view->client = IntRect::fromEdges(0, 0, 200, 200);
        context.updater = updater = new RecordingUpdater;
        context.selectTool = tool = new RecordingSelectTool;
        context.inputPoints = points = new InputPointList;
        context.linkManagers();
    }
    ~EditorDrawing() { context.destroyManagers(); }
    EditorDrawing(const EditorDrawing&) = delete;
    EditorDrawing& operator=(const EditorDrawing&) = delete;

    // The creating editor and the one of the select tools.
    ElementEditorBase& creator() { return *context.editor2; }
    ElementEditorBase& tools() { return *context.editor3; }
    UndoManager& undo() { return *context.undoManager; }

    // A stored element of the kind from (x1, y1) to (x2, y2), committed through editor 3 (the
    // trace is cleared afterwards); its id.
    int add(int kind, double x1, double y1, double x2, double y2)
    {
        ElementEditorBase& editor = tools();
        if (!editor.startNewElement(kind))
            return 0;
        Element* e = editor.elementInHand();
        e->firstPoint()->x = x1, e->firstPoint()->y = y1;
        e->secondPoint()->x = x2, e->secondPoint()->y = y2;
        const int id = editor.commitNewElement() == 1 ? e->id : 0;
        trace().clear();
        return id;
    }

    // The stored record of an id: its index entry words 3 to 7 and its record bytes.
    std::string storedBytes(int id)
    {
        ElementStore* store = context.elementStore();
        ElementIndexEntry entry;
        if (!store->readElement(id, &entry))
            return "";
        std::string bytes(reinterpret_cast<const char*>(&entry.serial), 5 * sizeof(int32_t));
        ElementRecordBuffer& record = *store->recordBuffer;
        if (const void* held = record.lock()) {
            bytes.append(static_cast<const char*>(held), static_cast<size_t>(record.count));
            record.unlock();
        }
        return bytes;
    }

    // The undo menu's text, which names the operation of the last applied record.
    std::string undoText()
    {
        char text[UndoManager::kTextSize];
        (void)undo().undoText(text); // answers canUndo; the text is set either way
        return text;
    }
    static std::string operationName(UndoCode code, int kind)
    {
        char name[80];
        return UndoManager::operationName(static_cast<int>(code), kind, name, 80) ? name : "";
    }

    FakeClock clock;
    TestRegistry registry;
    ScopedOverride<ElementKindRegistry*> installed{theKindRegistry, &registry};
    RealElementEditors editors;
    RecordingNavigator navigator;
    RecordingPageBar pageBar;
    LowMemoryGuard guard;
    ScopedOverride<PagePainter*> navigatorSlot{thePagePainter, &navigator};
    ScopedOverride<PageTabBar*> pageBarSlot{thePageTabBar, &pageBar};
    ScopedOverride<LowMemoryGuard*> guardSlot{theLowMemoryGuard, &guard};
    ScopedHook<MemoryProbe> probe{setMemoryProbe, recordingProbe};
    ScopedHook<ContextMenuRequest> menu{setContextMenuRequest, recordingMenuRequest};
    DocumentContext context;
    RecordingGrid* grid;
    ScriptedView* view;
    RecordingUpdater* updater;
    RecordingSelectTool* tool;
    InputPointList* points;
};

} // namespace editor_test
