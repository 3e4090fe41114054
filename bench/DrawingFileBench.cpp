// Writing and reading a drawing of 100,000 elements over 10 pages in the own tagged format, each
// element with an integer, a real and a list of four reals, as the element kinds write them. The
// read covers the whole road: tag scanning, value conversion, the attribute holder, creating each
// element and storing it in the element store, once through the bench's own attribute readers
// and once through the element base as the real attribute holder (reset for every element).
// Reported in MB of file per second; then the cost of making and releasing every attribute of
// the holder.
#include <cstdio>
#include <string>
#include <windows.h>

#include "BenchDrawing.h"
#include "BenchHarness.h"

using namespace bench_drawing;

namespace {
const int kElements = 100000;
const int kPages = 10;
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
    if (!written || !read)
        std::printf("a write or a read failed\n");

    dropDrawing(source);
    DeleteFileA(path.c_str());
    return written && read && elementsRead == kElements ? 0 : 1;
}
