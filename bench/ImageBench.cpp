// The image kinds: 20 bitmaps of 1000 x 1000 pixels loaded from the element store and drawn
// (operation 1) into a 1024 x 768 DIB section, as a redraw of the page does (target: under 1 s);
// a drawing of one 2000 x 2000 bitmap written and read back (target: under 5 s); and a page of
// 5 pictures redrawn 10 times, counting how often a reader loads a file (target: 5, once each).
#include <cstdio>
#include <cstring>
#include <string>
#include <windows.h>

#include "BenchHarness.h"
#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/FileNameValue.h"
#include "document/PictureReader.h"
#include "document/UndoManager.h"
#include "elements/ElementKindRegistry.h"
#include "platform/DeviceContext.h"
#include "platform/GlobalBlock.h"
#include "shapes/BitmapRaster.h"
#include "shapes/ImageTypeValue.h"
#include "tests/shapes/ShapeTestDrawing.h"
#include "tests/support/RealElementEditors.h"
#include "views/tools/ElementEditor.h"

namespace {

const int kBitmap = 18;
const int kPicture = 19;
int loads = 0;

// A reader that "decodes" its file once per file and fills its rectangle.
class CountingReader : public PictureReader {
public:
    void setSource(const char* p) override
    {
        if (path != p)
            loaded = false;
        path = p;
    }
    int getPixelSize(int& w, int& h) override { return load() && ((w = 640), (h = 480), 1); }
    int getSize(double& w, double& h) override { return load() && ((w = 60.0), (h = 45.0), 1); }
    int draw(DeviceContext& dc, const IntRect& target, int) override
    {
        if (!load())
            return 0;
        dc.fillRect(RgbColor(90, 140, 200), target);
        return 1;
    }
    int writePostScript(PsOutput&, const DoubleRect&) override { return load(); }
    int addPdfResource(PdfWriter&, const DoubleRect&) override { return load(); }
    int writePdfXObject(PdfImageResources&, int) override { return 0; }

private:
    int load()
    {
        if (!loaded)
            ++loads;
        loaded = true;
        return 1;
    }
    std::string path;
    bool loaded = false;
};

PictureReader* makeCountingReader(int) { return new CountingReader; }

DocumentContext* makeStore()
{
    auto* context = new DocumentContext;
    context->createMembers();
    delete context->undoManager;
    context->undoManager = nullptr;
    context->linkManagers();
    return context;
}

// A new bitmap of width x height at (x, y), 40 mm wide, its pixels a gradient; 0 when it failed.
int addBitmap(DocumentContext& store, int width, int height, double x, double y)
{
    ElementEditorBase& editor = *store.editor3;
    if (!editor.startNewElement(kBitmap))
        return 0;
    Element* e = editor.elementInHand();
    e->firstPoint()->x = x, e->firstPoint()->y = y;
    e->secondPoint()->x = x + 40.0, e->secondPoint()->y = y + 40.0 * height / width;
    e->bitmapSize()->width = width, e->bitmapSize()->height = height;
    const long long bytes = e->bitmapSize()->blockBytes();
    GlobalBlock* block = newPixelBlock(bytes);
    if (!block)
        return 0;
    {
        BlockLock lock(*block);
        auto* p = lock.data<unsigned char>();
        for (long long i = 0; i < bytes; ++i)
            p[i] = static_cast<unsigned char>(i * 7 / 3);
    }
    e->bitmapData()->takeBlock(block, static_cast<int>(bytes));
    return editor.addToPage() > 0;
}

} // namespace

int main()
{
    makeBaseElement = newBaseElement;
    RealElementEditors editors;
    makePictureReader = makeCountingReader;
    ElementKindRegistry* registry = makeKindRegistry();
    theKindRegistry = registry;
    shape_test::ShapeDrawing drawing(1024, 768);
    drawing.view->setZoom(1.0, 0.0, 0.0);
    int ok = registry != nullptr;

    // 20 bitmaps of 1000 x 1000, loaded and drawn.
    DocumentContext* store = makeStore();
    for (int i = 0; i < 20 && ok; ++i)
        ok = addBitmap(*store, 1000, 1000, 10.0 + 15.0 * (i % 5), 10.0 + 15.0 * (i / 5));
    Element* e = ok ? registry->createElement(kBitmap) : nullptr;
    if (!e) {
        std::printf("the bitmaps could not be made\n");
        return 1;
    }
    e->kind = kBitmap;
    const BenchResult redraw = runBenchmark("redraw 20 bitmaps of 1000 x 1000", [&] {
        for (int id = 1; id <= 20; ++id) {
            e->context = store;
            ok = ok && e->load(id) && e->exchangeRecord(3);
            e->context = &drawing.context;
            ok = ok && e->draw();
        }
        GdiFlush();
    }, 5, 1);
    printRate(redraw, 20, "bitmaps/s");

    // One 2000 x 2000 bitmap written and read back.
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "korvane-image-bench.ycx";
    DocumentContext* big = makeStore();
    ok = ok && addBitmap(*big, 2000, 2000, 10.0, 10.0) && big->document->setPathAndTitle(path.c_str());
    const BenchResult write = runBenchmark("write a 2000 x 2000 bitmap", [&] {
        XmlContextScope publish(big->document);
        ok = ok && big->document->write();
    }, 3, 0);
    printRate(write, 1, "files/s");
    int readBack = 0;
    const BenchResult read = runBenchmark("read a 2000 x 2000 bitmap", [&] {
        DocumentContext* target = makeStore();
        ok = ok && target->document->assign(path.c_str());
        {
            XmlContextScope publish(target->document);
            ok = ok && target->document->read();
        }
        Element* read = target->editor3->beginEdit(1) == 1 ? target->editor3->elementInHand() : nullptr;
        readBack = read && read->bitmapData()->length == 6000 * 2000 ? target->elementCount() : 0;
        delete target;
    }, 3, 0);
    printRate(read, 1, "files/s");
    DeleteFileA(path.c_str());

    // A page of 5 pictures redrawn 10 times.
    Element* pictures[5] = {};
    for (int i = 0; i < 5 && ok; ++i) {
        pictures[i] = registry->createElement(kPicture);
        ok = pictures[i] != nullptr;
        if (!ok)
            break;
        Element& p = *pictures[i];
        p.kind = kPicture;
        p.context = &drawing.context;
        p.firstPoint()->x = 10.0 + 70.0 * i, p.firstPoint()->y = 10.0;
        p.secondPoint()->x = 70.0 + 70.0 * i, p.secondPoint()->y = 55.0;
        p.imageKind()->value = ImageTypeValue::kJpeg;
        const std::string name = "C:\\pictures\\photo" + std::to_string(i) + ".jpg";
        p.fileName()->setText(name.c_str());
    }
    for (int redrawn = 0; redrawn < 10 && ok; ++redrawn)
        for (Element* p : pictures)
            ok = p->draw();
    std::printf("5 pictures redrawn 10 times: %d file loads\n", loads);
    for (Element* p : pictures)
        delete p;
    delete e;
    delete store;
    delete big;
    std::printf("%s, %d bitmap of 2000 x 2000 read back with its pixels\n", ok ? "all steps done" : "a step failed", readBack);
    return ok ? 0 : 1;
}
