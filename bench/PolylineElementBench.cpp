// Breaklines and polygons of 10,000 and 20,000 vertices: the search for the vertex under the
// cursor, '+' and '-' on the last vertex with their undo records (driven by a scripted mouse),
// and storing and loading the element. Reported in milliseconds per step (medians): each step is linear
// in the vertex count, so the times at 20,000 should be about twice those at 10,000.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>
#include <windows.h>

#include "BenchHarness.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "elements/ElementKindRegistry.h"
#include "elements/VertexRoundingList.h"
#include "geometry/PointList.h"
#include "platform/CurrentEvent.h"
#include "tests/elements/ElementFixture.h"
#include "tests/support/FakeClock.h"
#include "tests/support/RealElementEditors.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScriptedMouse.h"
#include "tests/support/TestApplication.h"
#include "views/tools/ElementEditor.h"

namespace {

// A drawing with undo, a 500 x 500 view of one pixel per drawing unit and a select tool whose
// cursor sits at a drawing point.
struct Drawing {
    Drawing()
    {
        context.createMembers();
        context.linkManagers();
        view = new element_fixture::TrackingView;
        view->client = IntRect::fromEdges(0, 0, 500, 500);
        view->cancelAt = -1;
        context.view = view;
        tool = new element_fixture::CursorSelectTool;
        context.selectTool = tool;
    }
    ~Drawing() { context.destroyManagers(); }
    DocumentContext context;
    element_fixture::TrackingView* view;
    element_fixture::CursorSelectTool* tool;
};

// One edit by mouse with the key: the button pressed on the last vertex, moved, released.
int editLast(Element& e, unsigned char key, const Point& last)
{
    FakeClock clock(1000, 500);
    ScriptedMouse mouse;
    const int x = static_cast<int>(last.x), y = static_cast<int>(last.y);
    mouse.at(1000, x, y, ScriptedMouse::kLeft).at(1100, x + 5, y + 20, ScriptedMouse::kLeft).at(1200, x + 5, y + 20);
    mouse.advanceClockPerRead(&clock, 50);
    ScopedOverride<unsigned char> typed(theCurrentEvent->typedChar, key);
    const int result = e.editByMouse();
    if (result != Element::kDone)
        std::printf("edit %c: %d\n", key, result);
    return result == Element::kDone;
}

int runSize(int kind, int vertices)
{
    Drawing drawing;
    ElementEditorBase& editor = *drawing.context.editor3;
    if (!editor.startNewElement(kind))
        return 0;
    Element* e = editor.elementInHand();
    for (int i = 0; i < vertices; ++i)
        e->appendPoint(20.0 + (i % 100) * 4.0, 20.0 + (i / 100) * 2.0, 0.0); // rows 2 units apart
    const int id = editor.commitNewElement() == 1 ? e->id : 0;
    if (id < 1 || !editor.beginEdit(id))
        return 0;
    e = editor.elementInHand();
    Point last;
    if (!e->vertices()->getPoint(e->vertices()->count - 1, &last))
        return 0;
    drawing.tool->cursor = last;

    int ok = 1;
    const int rounds = 15;
    BenchResult hit = runBenchmark("vertex hit search", [&] {
        ok = e->vertexUnderCursor(*e->vertices(), 1) == vertices - 1 && ok;
    }, 15, 1);
    std::vector<double> adds, removes;
    for (int r = 0; r < rounds && ok; ++r) {
        double start = benchNow();
        ok = editLast(*e, '+', last);
        adds.push_back(benchNow() - start);
        Point added;
        ok = ok && e->vertices()->getPoint(e->vertices()->count - 1, &added);
        drawing.tool->cursor = added;
        start = benchNow();
        ok = ok && editLast(*e, '-', added);
        removes.push_back(benchNow() - start);
        drawing.tool->cursor = last;
        ok = ok && e->vertices()->count == vertices;
    }
    if (!ok)
        return 0;
    std::sort(adds.begin(), adds.end());
    std::sort(removes.begin(), removes.end());
    BenchResult stored = runBenchmark("store", [&] { ok = editor.storeBack(id) && ok; }, 9, 1);
    BenchResult loaded = runBenchmark("load", [&] { ok = editor.beginEdit(id) && ok; }, 9, 1);
    std::printf("%-12s %6d vertices: hit %8.3f  '+' %8.3f  '-' %8.3f  store %8.3f  load %8.3f ms\n",
                kind == 2 ? "breakline" : "polygon", vertices, hit.medianSeconds * 1e3, adds[rounds / 2] * 1e3,
                removes[rounds / 2] * 1e3, stored.medianSeconds * 1e3, loaded.medianSeconds * 1e3);
    return ok;
}

} // namespace

int main()
{
    TestApplication app;
    std::unique_ptr<ElementKindRegistry> registry(makeKindRegistry());
    ScopedOverride<ElementKindRegistry*> installed(theKindRegistry, registry.get());
    RealElementEditors editors;
    int ok = 1;
    for (int kind : {2, 8}) {
        for (int vertices : {10000, 20000})
            ok = runSize(kind, vertices) && ok;
    }
    if (!ok)
        std::printf("a step failed\n");
    return ok ? 0 : 1;
}
