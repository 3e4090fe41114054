// The line-drawing batch edit over a large selection: every selected line given the record's layer
// and line width, with the one undo record "一括変更" that holds an image pair per element, then
// that record undone. Reported in milliseconds at 100,000 and 200,000 selected lines (each within
// 2 s; doubling the selection at most doubles the time) and microseconds per line.
#include <cstdio>
#include <windows.h>

#include "BenchHarness.h"
#include "dialogs/defaults/DefaultsInstall.h"
#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/DocumentMembers.h"
#include "document/Element.h"
#include "document/LineDefaults.h"
#include "document/Selection.h"
#include "document/UndoManager.h"
#include "elements/ElementKindRegistry.h"
#include "tests/support/RealElementEditors.h"
#include "views/ViewMembers.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/SelectTool.h"

namespace {

// A drawing of `lines` short lines, all of them selected as a list.
DocumentContext* makeDrawing(int lines)
{
    auto* context = new DocumentContext;
    DocumentMemberFactories saved = documentMemberFactories;
    documentMemberFactories.selectTool = makeSelectTool;
    documentMemberFactories.lineDefaults = makeDrawingLineDefaults;
    context->createMembers();
    context->linkManagers();
    documentMemberFactories = saved;
    ElementEditorBase& editor = *context->editor3;
    for (int i = 0; i < lines; ++i) {
        if (!editor.startNewElement(1))
            break;
        Element* line = editor.elementInHand();
        const double x = i % 1000 * 1.0, y = i / 1000 * 1.0;
        line->firstPoint()->x = x, line->firstPoint()->y = y;
        line->secondPoint()->x = x + 0.5, line->secondPoint()->y = y;
        const int id = editor.addToPage();
        if (id < 1)
            break;
        context->selectTool->addToSelection(id);
    }
    return context;
}

void batchAndUndo(int lines)
{
    DocumentContext* drawing = makeDrawing(lines);
    LineDefaults& record = *drawing->lineDefaults;
    record.clearFlags();
    record.setLayer(7);
    record.applyLayerFlag.value = 1;
    record.lineSize.width = 0.5;
    record.flags[LineDefaults::kLineSizeFlag].value = 1;
    int changed = 0, undone = 0;
    // One run each: a second batch would find the record's values in place and undo twice.
    const double start = benchNow();
    changed = drawing->selection->forEach(record);
    const double batch = benchNow() - start;
    const double undoStart = benchNow();
    undone = drawing->undoManager->undo();
    const double undo = benchNow() - undoStart;
    std::printf("%7d lines: batch edit with undo record %9.1f ms (%6.2f us per line, %d changed)\n", lines,
                batch * 1e3, batch * 1e6 / lines, changed);
    std::printf("%7d lines: undo of the batch edit      %9.1f ms (%6.2f us per line%s)\n", lines, undo * 1e3,
                undo * 1e6 / lines, undone ? "" : ", refused");
    drawing->destroyManagers();
    delete drawing;
}

} // namespace

int main()
{
    makeBaseElement = newBaseElement;
    RealElementEditors editors;
    theKindRegistry = makeKindRegistry();
    for (int lines : {100000, 200000})
        batchAndUndo(lines);
    delete theKindRegistry;
    theKindRegistry = nullptr;
    return 0;
}
