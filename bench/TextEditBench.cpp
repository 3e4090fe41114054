// In-place text editing: pasting 1 MB into a text, and typing one key into texts of 1 KB and
// 10 KB (lines of 64 bytes), each step with its undo record, overlay redraw and caret placement
// as the editor does them. Reported in seconds for the paste and milliseconds per key.
#include <cstdio>
#include <memory>
#include <string>

#include "BenchHarness.h"
#include "document/DocumentContext.h"
#include "document/TextBuffer.h"
#include "document/TextCaretPlace.h"
#include "elements/ElementKindRegistry.h"
#include "elements/TextElement.h"
#include "platform/Window.h"
#include "tests/support/LinearView.h"
#include "tests/support/RealElementEditors.h"
#include "tests/support/SurfaceUpdater.h"
#include "tests/support/TestApplication.h"
#include "views/tools/ElementEditor.h"

namespace {

class MeasuringView : public LinearView {
public:
    Window* window() override { return &measuring; }
    Window measuring;
};

// A text of `bytes` bytes in lines of 64, stored and edited in place at its end.
struct TextDrawing {
    explicit TextDrawing(int bytes)
    {
        context.createMembers();
        context.linkManagers();
        delete context.view;
        auto* view = new MeasuringView;
        view->scale = view->lengthScale = 4.0;
        view->client = IntRect::fromEdges(0, 0, 1000, 1000);
        context.view = view;
        delete context.updater;
        context.updater = new SurfaceUpdater(1000, 1000);
        context.caret = newTextCaretPlace(context);
        ElementEditorBase& editor = *context.editor2;
        if (!editor.startNewElement(12))
            return;
        text = static_cast<TextElement*>(editor.elementInHand());
        text->setAnchor(10, 10);
        std::string bytesOf;
        for (int i = 0; i < bytes; ++i)
            bytesOf.push_back(i % 64 == 63 ? '\n' : static_cast<char>('a' + i % 26));
        ok = (bytesOf.empty() || text->textBuffer()->insert(bytesOf.data(), bytes)) && editor.commitNewElement() == 1;
        text->enterEditing();
    }
    ~TextDrawing() { context.destroyManagers(); }

    DocumentContext context;
    TextElement* text = nullptr;
    int ok = 0;
};

} // namespace

int main()
{
    TestApplication app;
    std::unique_ptr<ElementKindRegistry> registry(makeKindRegistry());
    theKindRegistry = registry.get();
    RealElementEditors editors;

    const std::string megabyte(1 << 20, 'x');
    BenchResult paste = runBenchmark("paste 1 MB into an empty text", [&] {
        TextDrawing drawing(0);
        if (drawing.ok)
            drawing.text->insertText(megabyte.data(), static_cast<int>(megabyte.size()));
        if (!drawing.ok || drawing.text->textLength() != 1 << 20)
            std::printf("the paste failed\n");
    }, 3, 1);
    std::printf("%-40s %8.3f s\n", paste.name, paste.medianSeconds);

    for (int size : {1024, 10240}) {
        TextDrawing drawing(size);
        if (!drawing.ok) {
            std::printf("no text of %d bytes\n", size);
            continue;
        }
        const int keys = 50;
        char name[64];
        std::snprintf(name, sizeof name, "one typed key in %d KB", size / 1024);
        BenchResult typed = runBenchmark(name, [&] {
            for (int i = 0; i < keys; ++i)
                drawing.text->insertTyped("k", 1);
        }, 5, 1);
        std::printf("%-40s %8.3f ms per key\n", typed.name, typed.medianSeconds * 1e3 / keys);
    }
    theKindRegistry = nullptr;
    return 0;
}
