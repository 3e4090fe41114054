// The BMP reader on a 4000 x 3000 24-bit file (36 MB): loading and the first draw, counting the
// file's reads (target: the pixels read once, at 200 MB/s or more); the PostScript and PDF output
// of it in MB/s of hex text (target: 100 MB/s or more; the PDF's pixels are converted twice, once
// to measure the image's stream in the page's count pass and once for its XObject); and a drawing's page holding the picture ten times
// redrawn twice through the drawing's picture cache, counting the bytes read from the file
// (target: the file read once). Run by hand:
//     scripts/wine-run build/bench/BmpReaderBench.exe
#include <cstdio>
#include <string>
#include <vector>
#include <windows.h>

#include "BenchHarness.h"
#include "CountingWriter.h"
#include "document/DocumentContext.h"
#include "document/FileNameValue.h"
#include "geometry/DoubleRect.h"
#include "io/images/BmpImage.h"
#include "io/images/ImageReaderSwitch.h"
#include "io/pdf/PdfFileWriter.h"
#include "io/postscript/PostScriptWriter.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "shapes/ImageTypeValue.h"
#include "shapes/PictureImage.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImportPatch.h"

namespace {

const int kWidth = 4000, kHeight = 3000;

// The bytes ReadFile delivered while the patch lives, and its calls.
using ReadFileFunction = BOOL(WINAPI*)(HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED);
ReadFileFunction realReadFile = nullptr;
long long bytesRead = 0;
int readCalls = 0;
BOOL WINAPI countingReadFile(HANDLE file, LPVOID buffer, DWORD n, LPDWORD done, LPOVERLAPPED overlapped)
{
    const BOOL ok = realReadFile(file, buffer, n, done, overlapped);
    ++readCalls;
    bytesRead += done ? *done : 0;
    return ok;
}

// A one-page PDF document of the picture, counting what it would send.
class CountingPdf : public PdfFileWriter {
public:
    BmpImage* picture = nullptr;
    DoubleRect rect;
    long long written = 0;

    int run(DocumentContext*) override { return 0; }

protected:
    int writePageContent(int) override
    {
        resetPageState();
        return picture->addPdfResource(*this, rect);
    }
    int putBytes(const char*, int n) override
    {
        written += n;
        return 1;
    }
};

// A 24-bit BMP of a gradient; its path, "" when it could not be written.
std::string writeBigBmp()
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "korvane-bmp-bench.bmp";
    const int stride = (kWidth * 3 + 3) / 4 * 4;
    std::vector<unsigned char> bytes(54 + static_cast<size_t>(stride) * kHeight);
    auto put = [&](size_t at, unsigned v, int n) {
        for (int i = 0; i < n; ++i)
            bytes[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    bytes[0] = 'B', bytes[1] = 'M';
    put(2, static_cast<unsigned>(bytes.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, kWidth, 4);
    put(22, kHeight, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            unsigned char* p = &bytes[54 + static_cast<size_t>(y) * stride + 3 * static_cast<size_t>(x)];
            p[0] = static_cast<unsigned char>(x), p[1] = static_cast<unsigned char>(y), p[2] = static_cast<unsigned char>(x + y);
        }
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD done = 0;
    const bool ok = file != INVALID_HANDLE_VALUE && WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) &&
                    done == bytes.size();
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return ok ? path : "";
}

} // namespace

int main()
{
    const std::string path = writeBigBmp();
    if (path.empty()) {
        std::printf("the picture could not be written\n");
        return 1;
    }
    ImportPatch patch("kernel32.dll", "ReadFile", reinterpret_cast<void*>(countingReadFile));
    realReadFile = reinterpret_cast<ReadFileFunction>(patch.original());
    if (!realReadFile) {
        std::printf("ReadFile could not be counted\n");
        return 1;
    }
    const double pixelBytes = static_cast<double>((kWidth * 3 + 3) / 4 * 4) * kHeight;
    DibSurface surface(1024, 768);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    int ok = 1;

    // Load and first draw: a fresh reader each run.
    long long readPerRun = 0;
    int callsPerRun = 0;
    const BenchResult load = runBenchmark("load and first draw, 4000 x 3000 x 24", [&] {
        bytesRead = 0, readCalls = 0;
        BmpImage reader;
        reader.setSource(path.c_str());
        ok = ok && reader.draw(dc, IntRect::fromEdges(0, 0, 1024, 768));
        readPerRun = bytesRead, callsPerRun = readCalls;
    }, 5, 1);
    printRate(load, pixelBytes, "MB/s");
    std::printf("  read per load and draw: %lld bytes in %d ReadFile calls (pixels %.0f bytes)\n", readPerRun,
                callsPerRun, pixelBytes);

    // PostScript: the pixels already read; MB/s of what the writer is given.
    BmpImage reader;
    reader.setSource(path.c_str());
    ok = ok && reader.loadPixels();
    long long hex = 0;
    DoubleRect rect;
    rect.set(10, 10, 200, 152.5);
    const BenchResult postScript = runBenchmark("PostScript of it", [&] {
        CountingWriter writer;
        ok = ok && reader.writePostScript(writer, rect);
        hex = writer.written;
    }, 5, 1);
    printRate(postScript, static_cast<double>(hex), "MB/s");
    std::printf("  %lld bytes of PostScript (%.0f hex digits)\n", hex, 2 * static_cast<double>(kWidth) * 3 * kHeight);

    // PDF: the document's image XObject is written by a reader of its own, which reads the file.
    makePictureReader = ImageReaderSwitch::make;
    const BenchResult pdf = runBenchmark("PDF of it", [&] {
        CountingPdf writer;
        writer.picture = &reader;
        writer.rect = rect;
        ok = ok && writer.writeDocument(1, 210.0, 297.0);
        hex = writer.written;
    }, 5, 1);
    printRate(pdf, static_cast<double>(hex), "MB/s");
    std::printf("  %lld bytes of PDF (%.0f hex digits)\n", hex, 2 * static_cast<double>(kWidth) * 3 * kHeight);

    // A page of ten pictures of the file, redrawn twice, through one drawing's cache.
    DocumentContext drawing;
    ImageTypeValue kind;
    kind.value = ImageTypeValue::kBmp;
    FileNameValue name;
    name.setText(path.c_str());
    bytesRead = 0, readCalls = 0;
    const double start = benchNow();
    for (int redraw = 0; redraw < 2; ++redraw)
        for (int i = 0; i < 10; ++i) {
            PictureImage holder;
            holder.owner = &drawing;
            holder.type = &kind;
            holder.fileName = &name;
            ok = ok && holder.draw(dc, IntRect::fromEdges(100 * i, 0, 100 * i + 90, 70));
        }
    std::printf("%-40s %10.3f ms, %lld bytes read from the file (%.2f times its size)\n",
                "ten pictures of it redrawn twice", (benchNow() - start) * 1e3, bytesRead,
                static_cast<double>(bytesRead) / (pixelBytes + 54));
    dc.detachHdc();
    DeleteFileA(path.c_str());
    std::printf("%s\n", ok ? "all steps done" : "a step failed");
    return ok ? 0 : 1;
}
