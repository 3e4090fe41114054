// Writing and reading a drawing of 100,000 elements over 10 pages in the own tagged format, each
// element with an integer, a real and a list of four reals, as the element kinds write them. The
// read covers the whole road: tag scanning, value conversion, the attribute holder, creating each
// element and storing it in the element store, once through the bench's own attribute readers
// and once through the element base as the real attribute holder (reset for every element).
// Reported in MB of file per second; then the cost of making and releasing every attribute of
// the holder and of putting it back to its defaults. Last, the real element kinds: a file of
// 2,000 elements of one kind, read through the real element editor (record, extent, mask index),
// in microseconds per element and as a multiple of a line's; and a damaged drawing of 100,001
// Bezier areas, all but the first of no points.
#include <cstdio>
#include <string>
#include <windows.h>

#include "BenchDrawing.h"
#include "BenchHarness.h"
#include "document/ElementKind.h"
#include "document/UndoManager.h"
#include "elements/ElementKindRegistry.h"
#include "tests/support/DrawingText.h"
#include "tests/support/RealElementEditors.h"
#include "tests/support/SampleElements.h"
#include "tests/support/ScratchFolder.h"
#include "views/tools/ElementEditor.h"

using namespace bench_drawing;

namespace {
const int kElements = 100000;
const int kPages = 10;
const int kPerKind = 2000;

const char* keywordOf(int kind)
{
    switch (static_cast<ElementKind>(kind)) {
#define KORVANE_KIND_KEYWORD(identifier, code, keyword, name)                                                      \
    case ElementKind::identifier:                                                                                   \
        return keyword;
        KORVANE_ELEMENT_KINDS(KORVANE_KIND_KEYWORD)
#undef KORVANE_KIND_KEYWORD
    }
    return "?";
}

// A drawing of the real kinds without undo log.
DocumentContext* makeKindDrawing()
{
    auto* context = new DocumentContext;
    context->createMembers();
    delete context->undoManager;
    context->undoManager = nullptr;
    context->linkManagers();
    return context;
}

// Element i of a kind, its corners spread over the sheet.
int addKindElement(DocumentContext& drawing, int kind, int i)
{
    return startSampleElement(*drawing.editor3, kind, (i * 37) % 150, (i * 53) % 200) &&
           drawing.editor3->addToPage() >= 1;
}

// Median seconds of reading the file into fresh drawings (the first read warms up).
double readSeconds(const std::string& path, int& elementsRead)
{
    std::vector<double> times;
    for (int run = 0; run < 6; ++run) {
        DocumentContext* target = makeKindDrawing();
        int read = target->document->assign(path.c_str());
        const double start = benchNow();
        {
            XmlContextScope publish(target->document);
            read = read && target->document->read();
        }
        const double seconds = benchNow() - start;
        elementsRead = read ? target->elementCount() : -1;
        target->destroyManagers();
        delete target;
        if (run > 0)
            times.push_back(seconds);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A damaged drawing (found by mutating one): a Bezier area of 200 points, then 200,000 opening
// tags of its kind, each pair of them an area of no points; 0 when it was not read whole.
int benchDamagedRead()
{
    const int kTags = 200000;
    ScratchFolder scratch;
    int elementsRead = 0;
    const double seconds =
        readSeconds(scratch.file("damaged.ycx", drawingFileText(outlineThenOpeningTags(kTags))), elementsRead);
    std::printf("a damaged drawing of a 200-point area and %d empty areas: %.1f ms%s\n", kTags / 2, seconds * 1e3,
                elementsRead == 1 + kTags / 2 ? "" : "  (not read whole)");
    return elementsRead == 1 + kTags / 2;
}

// Each kind's file written and read; 0 when a kind could not be made, written or read whole.
int benchKindReads(const std::string& path)
{
    RealElementEditors editors;
    ElementKindRegistry* registry = makeKindRegistry();
    theKindRegistry = registry;
    int ok = registry != nullptr;
    double lineMicroseconds = 0.0;
    std::printf("reading %d elements of one kind (real element editor):\n", kPerKind);
    for (int kind = 1; ok && kind <= 19; ++kind) {
        DocumentContext* source = makeKindDrawing();
        for (int i = 0; ok && i < kPerKind; ++i)
            ok = addKindElement(*source, kind, i);
        ok = ok && source->document->setPathAndTitle(path.c_str());
        if (ok) {
            XmlContextScope publish(source->document);
            ok = source->document->write();
        }
        source->destroyManagers();
        delete source;
        int elementsRead = 0;
        const double microseconds = ok ? readSeconds(path, elementsRead) * 1e6 / kPerKind : 0.0;
        if (kind == 1)
            lineMicroseconds = microseconds;
        std::printf("  %2d %-14s %9.2f us per element  %6.1f x a line's%s\n", kind, keywordOf(kind),
                    microseconds, lineMicroseconds > 0 ? microseconds / lineMicroseconds : 0.0,
                    elementsRead == kPerKind ? "" : "  (not read whole)");
        ok = ok && elementsRead == kPerKind;
    }
    ok = ok && benchDamagedRead();
    theKindRegistry = nullptr;
    delete registry;
    return ok;
}

} // namespace

int main()
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "korvane-bench.ycx";

    DocumentContext* source = makeDrawing();
    const int made = fillBenchDrawing(source, kElements, kPages);
    if (made != kElements || !source->document->setPathAndTitle(path.c_str())) {
        std::printf("the drawing could not be made\n");
        return 1;
    }

    int written = 1;
    BenchResult write = runBenchmark("write 100,000 elements", [&] {
        XmlContextScope publish(source->document);
        written = source->document->write() && written;
    }, 5, 1);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    const double bytes = file != INVALID_HANDLE_VALUE ? static_cast<double>(GetFileSize(file, nullptr)) : 0.0;
    CloseHandle(file);
    printRate(write, bytes, "MB/s");

    // Each read goes into a fresh drawing; making and dropping it is not timed.
    int readCount = 0;
    int read = 1;
    auto timeReads = [&](const char* name) {
        std::vector<double> times;
        for (int run = 0; run < 6; ++run) {
            DocumentContext* target = makeDrawing();
            read = target->document->assign(path.c_str()) && read;
            double start = benchNow();
            {
                XmlContextScope publish(target->document);
                read = target->document->read() && read;
            }
            double seconds = benchNow() - start;
            readCount = target->elementCount();
            dropDrawing(target);
            if (run > 0)
                times.push_back(seconds);
        }
        std::sort(times.begin(), times.end());
        BenchResult reading = {name, times[times.size() / 2], times.front()};
        printRate(reading, bytes, "MB/s");
        std::printf("file %.1f MB, %d elements read back\n", bytes / (1024.0 * 1024.0), readCount);
    };
    timeReads("read 100,000 elements");
    makeBaseElement = newBaseElement;
    useElementHolder = 1;
    timeReads("read 100,000 elements, element holder");
    const int elementsRead = readCount;

    // One holder's attributes made and released, 10,000 times.
    Element holder;
    BenchResult attributes = runBenchmark("createAllAttributes + releaseAllAttributes", [&] {
        for (int i = 0; i < 10000; ++i) {
            holder.createAllAttributes();
            holder.releaseAllAttributes();
        }
    }, 5, 1);
    std::printf("%s: %.2f us per pair\n", attributes.name, attributes.medianSeconds * 1e6 / 10000);
    // The holder put back to its defaults, as before each element read, 10,000 times.
    holder.createAllAttributes();
    BenchResult reset = runBenchmark("resetReadAttributes", [&] {
        for (int i = 0; i < 10000; ++i)
            holder.resetReadAttributes();
    }, 5, 1);
    holder.releaseAllAttributes();
    std::printf("%s: %.2f us per element\n", reset.name, reset.medianSeconds * 1e6 / 10000);
    if (!written || !read)
        std::printf("a write or a read failed\n");

    dropDrawing(source);
    const int kindsRead = benchKindReads(path);
    if (!kindsRead)
        std::printf("a kind's file could not be made or read whole\n");
    DeleteFileA(path.c_str());
    return written && read && elementsRead == kElements && kindsRead ? 0 : 1;
}
