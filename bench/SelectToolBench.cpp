// The select, move and rotate tools on pages of lines in groups of ten: select all, one click's
// group joining, the hover test over a list selection, and moving and rotating everything with
// its undo record. Reported in milliseconds per operation at 10,000 and 20,000 elements (doubling
// the page at most doubles them) and microseconds per element for the move and the rotation
// (flat between 2,000 and 20,000).
#include <cstdio>
#include <windows.h>

#include "BenchHarness.h"
#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/DocumentMembers.h"
#include "document/Element.h"
#include "elements/ElementKindRegistry.h"
#include "geometry/PickSettings.h"
#include "tests/support/RealElementEditors.h"
#include "views/ViewMembers.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/MoveTool.h"
#include "views/tools/RotateTool.h"
#include "views/tools/SelectTool.h"

namespace {

// Lines in groups of ten, the groups on a grid 10 mm apart: group g's lines lie side by side.
DocumentContext* makeDrawing(int elements)
{
    auto* context = new DocumentContext;
    DocumentMemberFactories saved = documentMemberFactories;
    documentMemberFactories.selectTool = makeSelectTool;
    documentMemberFactories.moveTool = makeMoveTool;
    documentMemberFactories.rotateTool = makeRotateTool;
    context->createMembers();
    context->linkManagers();
    documentMemberFactories = saved;
    ElementEditorBase& editor = *context->editor3;
    for (int i = 0; i < elements; ++i) {
        if (!editor.startNewElement(1))
            break;
        Element* line = editor.elementInHand();
        const int group = i / 10;
        const double x = group % 100 * 10.0 + i % 10 * 0.5, y = group / 100 * 10.0;
        line->firstPoint()->x = x, line->firstPoint()->y = y;
        line->secondPoint()->x = x, line->secondPoint()->y = y + 5.0;
        line->group = 2 * (group + 1);
        if (editor.addToPage() < 1)
            break;
    }
    return context;
}

void dropDrawing(DocumentContext* context)
{
    context->destroyManagers();
    delete context;
}

void pageOperations(int elements)
{
    DocumentContext* drawing = makeDrawing(elements);
    SelectTool& tool = *SelectTool::of(drawing);
    BenchResult all = runBenchmark("select all", [&] { (void)tool.selectAll(); }, 5, 1);
    // A click on a member of a group in the middle of the page: candidates, then the join.
    const int middle = elements / 2 / 10 * 10 + 1;
    BenchResult click = runBenchmark("click joining a group", [&] {
        tool.clearSelection();
        tool.setPickBox(500.0, 50.0, 1);
        (void)tool.collectCandidatesInBox();
        tool.selectSingle(middle);
        tool.joinGroups();
    }, 5, 1);
    const int joined = tool.selectedCount();
    (void)tool.selectAll();
    int over = 0;
    BenchResult hover = runBenchmark("hover poll over the list", [&] {
        tool.setPickBox(500.5, 52.0, 0);
        over += tool.isMouseOverSelection();
    }, 5, 1);
    std::printf("%6d elements: %-24s %8.3f ms\n", elements, all.name, all.medianSeconds * 1e3);
    std::printf("%6d elements: %-24s %8.3f ms (%d selected)\n", elements, click.name, click.medianSeconds * 1e3, joined);
    std::printf("%6d elements: %-24s %8.3f ms (over: %d)\n", elements, hover.name, hover.medianSeconds * 1e3, over);
    dropDrawing(drawing);
}

void moveAndRotate(int elements)
{
    DocumentContext* drawing = makeDrawing(elements);
    (void)drawing->selectTool->selectAll();
    int moved = 1;
    BenchResult move = runBenchmark("move with undo record", [&] { moved = MoveTool::of(drawing)->moveBy(1.0, 0.5, 0.0) && moved; },
                                    3, 0);
    BenchResult rotate = runBenchmark("rotate with undo record", [&] {
        RotateTool::of(drawing)->angle = 1.0;
        (void)RotateTool::of(drawing)->applyRotation();
    }, 3, 0);
    std::printf("%6d elements: %-24s %8.3f us per element%s\n", elements, move.name,
                move.medianSeconds * 1e6 / elements, moved ? "" : " (refused)");
    std::printf("%6d elements: %-24s %8.3f us per element\n", elements, rotate.name,
                rotate.medianSeconds * 1e6 / elements);
    dropDrawing(drawing);
}

} // namespace

int main()
{
    makeBaseElement = newBaseElement;
    RealElementEditors editors;
    theKindRegistry = makeKindRegistry();
    PickSettings pick;
    thePickSettings = &pick;
    for (int elements : {10000, 20000})
        pageOperations(elements);
    for (int elements : {2000, 20000})
        moveAndRotate(elements);
    thePickSettings = nullptr;
    delete theKindRegistry;
    theKindRegistry = nullptr;
    return 0;
}
