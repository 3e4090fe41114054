// The TIFF and EPS readers. A 4000 x 3000 24-bit PackBits TIFF drawn whole into a 24-bit DIB
// section of its size by a fresh reader, against libtiff's `tiffcp -c none` on the same file in
// the same run (target: faster than tiffcp); the second draw of the unchanged file, counting the
// bytes read (target: none, the picture is kept decoded); and a 50 MB EPS embedded into a
// PostScript file (target: 100 MB/s or more). Run by hand:
//     scripts/wine-run build/bench/TiffReaderBench.exe
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>
#include <windows.h>

#include "BenchHarness.h"
#include "geometry/DoubleRect.h"
#include "io/images/EpsImage.h"
#include "io/images/TiffImage.h"
#include "io/postscript/PostScriptWriter.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "tests/io/TiffFixture.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/UnixScript.h"

namespace {

const int kWidth = 4000, kHeight = 3000;

using ReadFileFunction = BOOL(WINAPI*)(HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED);
ReadFileFunction realReadFile = nullptr;
long long bytesRead = 0;
BOOL WINAPI countingReadFile(HANDLE file, LPVOID buffer, DWORD n, LPDWORD done, LPOVERLAPPED overlapped)
{
    const BOOL ok = realReadFile(file, buffer, n, done, overlapped);
    bytesRead += done ? *done : 0;
    return ok;
}

bool writeFile(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD done = 0;
    const bool ok = file != INVALID_HANDLE_VALUE &&
                    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) && done == bytes.size();
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return ok;
}

long long sizeOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return static_cast<long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

// Bands of flat greys, which PackBits packs in long runs, between bands of colour gradients,
// which it leaves literal.
std::string bigTiff()
{
    image_test::TiffSpec s;
    s.width = kWidth;
    s.height = kHeight;
    s.bits = {8, 8, 8};
    s.photometric = 2;
    s.compression = 32773;
    s.rowsPerStrip = 2;
    s.rows.resize(kHeight);
    for (int y = 0; y < kHeight; ++y) {
        std::string& row = s.rows[static_cast<size_t>(y)];
        row.resize(3 * static_cast<size_t>(kWidth));
        for (int x = 0; x < kWidth; ++x) {
            if (y / 100 % 2 == 0) {
                row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = static_cast<char>(x / 200 * 12);
                continue;
            }
            row[3 * x] = static_cast<char>(x / 16);
            row[3 * x + 1] = static_cast<char>(y / 12);
            row[3 * x + 2] = static_cast<char>((x + y) % 7 == 0 ? 255 : x / 24);
        }
    }
    return image_test::tiffFile(s);
}

// An EPS of `megabytes` of PostScript: a filled box, then comment lines to the size.
std::string bigEps(int megabytes)
{
    std::string eps = image_test::epsText(0, 0, 400, 300, "0.2 0.4 0.8");
    const std::string line = "% " + std::string(77, 'x') + "\n";
    eps.reserve(static_cast<size_t>(megabytes) << 20);
    while (eps.size() + line.size() < static_cast<size_t>(megabytes) << 20)
        eps += line;
    return eps;
}

} // namespace

int main()
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    const std::string tiffPath = std::string(folder) + "korvane-tiff-bench.tif";
    const std::string copyPath = std::string(folder) + "korvane-tiff-bench-copy.tif";
    if (!writeFile(tiffPath, bigTiff())) {
        std::printf("the picture could not be written\n");
        return 1;
    }
    const double fileBytes = static_cast<double>(sizeOf(tiffPath));
    const double pixelBytes = 3.0 * kWidth * kHeight;
    std::printf("4000 x 3000 x 24 PackBits TIFF: %.1f MB in the file, %.1f MB of pixels\n", fileBytes / 1e6,
                pixelBytes / 1e6);
    int ok = 1;

    // A fresh reader's full draw into a DIB section of the picture's size.
    DibSurface surface(kWidth, kHeight);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    const BenchResult first = runBenchmark("first draw, 4000 x 3000 x 24", [&] {
        TiffImage reader;
        reader.setSource(tiffPath.c_str());
        ok = ok && reader.draw(dc, IntRect::fromEdges(0, 0, kWidth, kHeight));
    }, 5, 1);
    printRate(first, pixelBytes, "MB/s");

    // tiffcp on the same file, timed inside its script.
    const std::string timesPath = std::string(folder) + "korvane-tiff-bench.times";
    const std::string script = "command -v tiffcp >/dev/null || exit 3\n"
                               "for i in 1 2 3 4 5; do s=$(date +%s%N); tiffcp -c none " + quotedUnixPath(tiffPath) +
                               " " + quotedUnixPath(copyPath) + " || exit 1; e=$(date +%s%N); echo $((e - s)); done > " +
                               quotedUnixPath(timesPath) + "\n";
    const int tiffcp = runUnixScript(script, std::string(folder) + "korvane-tiff-bench-script", 120000);
    if (tiffcp == 0) {
        std::vector<double> runs;
        FILE* times = std::fopen(timesPath.c_str(), "r");
        long long ns = 0;
        while (times && std::fscanf(times, "%lld", &ns) == 1)
            runs.push_back(static_cast<double>(ns) / 1e9);
        if (times)
            std::fclose(times);
        std::sort(runs.begin(), runs.end());
        if (!runs.empty())
            std::printf("%-40s %10.3f ms median (whole process), reader/tiffcp %.2f\n", "tiffcp -c none, same file",
                        runs[runs.size() / 2] * 1e3, first.medianSeconds / runs[runs.size() / 2]);
    } else {
        std::printf("tiffcp: not run (exit %d; Debian's libtiff-tools has it)\n", tiffcp);
    }

    // The second draw of the unchanged file: the kept picture, nothing read.
    ImportPatch patch("kernel32.dll", "ReadFile", reinterpret_cast<void*>(countingReadFile));
    realReadFile = reinterpret_cast<ReadFileFunction>(patch.original());
    TiffImage kept;
    kept.setSource(tiffPath.c_str());
    ok = ok && kept.draw(dc, IntRect::fromEdges(0, 0, kWidth, kHeight));
    bytesRead = 0;
    const BenchResult again = runBenchmark("second draw, kept decoded", [&] {
        ok = ok && kept.draw(dc, IntRect::fromEdges(0, 0, kWidth, kHeight));
    }, 5, 1);
    printRate(again, pixelBytes, "MB/s");
    std::printf("  read by the second draws: %lld bytes (kept %s, %.1f MB)\n", bytesRead,
                kept.keepsPicture() ? "yes" : "no", static_cast<double>(TiffImage::keptBytes()) / 1e6);
    dc.detachHdc();

    // A 50 MB EPS embedded into a PostScript file job.
    const std::string epsPath = std::string(folder) + "korvane-eps-bench.eps";
    const std::string psPath = std::string(folder) + "korvane-eps-bench.ps";
    ok = ok && writeFile(epsPath, bigEps(50));
    EpsImage eps;
    eps.setSource(epsPath.c_str());
    DoubleRect rect;
    rect.set(20, 20, 160, 125);
    const BenchResult embed = runBenchmark("EPS of 50 MB into a PostScript file", [&] {
        PostScriptWriter writer;
        ok = ok && writer.startFileJob(psPath.c_str()) && writer.beginPage() && eps.writePostScript(writer, rect) &&
             writer.endPage() && writer.endFileJob();
    }, 5, 1);
    printRate(embed, static_cast<double>(sizeOf(epsPath)), "MB/s");
    std::printf("  PostScript file: %.1f MB\n", static_cast<double>(sizeOf(psPath)) / 1e6);

    DeleteFileA(tiffPath.c_str());
    DeleteFileA(copyPath.c_str());
    DeleteFileA(timesPath.c_str());
    DeleteFileA(epsPath.c_str());
    DeleteFileA(psPath.c_str());
    std::printf("%s\n", ok ? "all steps done" : "a step failed");
    return ok ? 0 : 1;
}
