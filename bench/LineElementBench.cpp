// Lines through the whole road at two sizes: made through the kind registry and stored, loaded and
// stored back through the element editor, saved and read back as a drawing file. Reported in
// microseconds per line (flat between the sizes when every step is linear) and the file read in
// MB per second.
#include <cstdio>
#include <string>
#include <windows.h>

#include "BenchHarness.h"
#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/UndoManager.h"
#include "elements/ElementKindRegistry.h"
#include "tests/support/RealElementEditors.h"
#include "views/tools/ElementEditor.h"

namespace {

DocumentContext* makeDrawing()
{
    auto* context = new DocumentContext;
    context->createMembers();
    // The undo log is not what is measured.
    delete context->undoManager;
    context->undoManager = nullptr;
    context->linkManagers();
    return context;
}

void dropDrawing(DocumentContext* context)
{
    context->destroyManagers();
    delete context;
}

int runSize(int lines, const std::string& path)
{
    std::printf("--- %d lines\n", lines);
    DocumentContext* drawing = makeDrawing();
    ElementEditorBase& editor = *drawing->editor3;
    int ok = 1;
    BenchResult made = runBenchmark("make and store", [&] {
        for (int i = 0; i < lines && ok; ++i) {
            ok = editor.startNewElement(1);
            Element* line = editor.elementInHand();
            line->firstPoint()->x = i % 400, line->firstPoint()->y = i / 400 % 280;
            line->secondPoint()->x = line->firstPoint()->x + 10, line->secondPoint()->y = line->firstPoint()->y + 3;
            ok = ok && editor.addToPage() >= 1;
        }
    }, 1, 0);
    std::printf("%-40s %8.3f us per line\n", made.name, made.medianSeconds * 1e6 / lines);
    BenchResult back = runBenchmark("load and store back", [&] {
        for (int id = 1; id <= lines && ok; ++id)
            ok = editor.beginEdit(id) && editor.storeBack(id);
    }, 3, 0);
    std::printf("%-40s %8.3f us per line\n", back.name, back.medianSeconds * 1e6 / lines);
    ok = ok && drawing->document->setPathAndTitle(path.c_str());
    BenchResult saved = runBenchmark("save", [&] {
        XmlContextScope publish(drawing->document);
        ok = drawing->document->write() && ok;
    }, 3, 0);
    std::printf("%-40s %8.3f us per line\n", saved.name, saved.medianSeconds * 1e6 / lines);
    dropDrawing(drawing);

    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    const double bytes = file != INVALID_HANDLE_VALUE ? static_cast<double>(GetFileSize(file, nullptr)) : 0.0;
    CloseHandle(file);
    int count = 0;
    BenchResult read = runBenchmark("read", [&] {
        DocumentContext* target = makeDrawing();
        ok = target->document->assign(path.c_str()) && ok;
        {
            XmlContextScope publish(target->document);
            ok = target->document->read() && ok;
        }
        count = target->elementCount();
        dropDrawing(target);
    }, 3, 0);
    std::printf("%-40s %8.3f us per line\n", read.name, read.medianSeconds * 1e6 / lines);
    printRate(read, bytes, "MB/s");
    std::printf("file %.1f MB, %d lines read back\n", bytes / (1024.0 * 1024.0), count);
    return ok && count == lines;
}

} // namespace

int main()
{
    makeBaseElement = newBaseElement;
    RealElementEditors editors;
    theKindRegistry = makeKindRegistry();
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "korvane-lines.ycx";
    int ok = 1;
    for (int lines : {100000, 400000})
        ok = runSize(lines, path) && ok;
    DeleteFileA(path.c_str());
    delete theKindRegistry;
    theKindRegistry = nullptr;
    if (!ok)
        std::printf("a step failed\n");
    return ok ? 0 : 1;
}
