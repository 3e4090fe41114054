// Round-trip fuzzing of the drawing file, run by hand:
//
//     DrawingFileFuzz.exe COUNT SEED [--case N] [--dump FILE] [--limit MS]
//
// runs cases 0 .. COUNT-1 of SEED (from N on with --case; "1 SEED --case N" replays case N alone)
// and prints each crash, hang, failed save or difference with its seed and case, then the
// figures. --dump writes the first case's file to FILE. The exit code is 1 when a fault was found.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <windows.h>

#include "BenchHarness.h"
#include "tests/document/DrawingFileFuzz.h"

namespace {

void printFigures(const drawing_fuzz::Figures& f, double seconds)
{
    std::printf("cases %lld, refused %lld, crashes %lld, hangs %lld, failed saves %lld, differences %lld, %.1f s\n",
                f.cases, f.refused, f.crashes, f.hangs, f.failedSaves, f.differences, seconds);
    std::fflush(stdout);
}

int usage()
{
    std::fprintf(stderr, "usage: DrawingFileFuzz.exe COUNT SEED [--case N] [--dump FILE] [--limit MS]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return usage();
    const long long count = std::atoll(argv[1]);
    const unsigned long long seed = std::strtoull(argv[2], nullptr, 10);
    long long first = 0;
    const char* dump = nullptr;
    unsigned limit = 10000;
    for (int i = 3; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--case"))
            first = std::atoll(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--dump"))
            dump = argv[i + 1];
        else if (!std::strcmp(argv[i], "--limit"))
            limit = static_cast<unsigned>(std::atoi(argv[i + 1]));
        else
            return usage();
    }
    if (count < 1 || first < 0)
        return usage();
    // Windows' own error boxes would stop an unattended run.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);

    drawing_fuzz::DrawingFileFuzz fuzz;
    fuzz.caseMilliseconds = limit;
    if (dump) {
        const std::string bytes = fuzz.caseInput(seed, first);
        if (FILE* out = std::fopen(dump, "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), out);
            std::fclose(out);
        }
    }
    const double start = benchNow();
    drawing_fuzz::Figures figures = fuzz.run(
        seed, first, count,
        [](const std::string& line) {
            std::printf("%s\n", line.c_str());
            std::fflush(stdout);
        },
        [start](const drawing_fuzz::Figures& so) {
            if (so.cases % 100000 == 0)
                printFigures(so, benchNow() - start);
        });
    printFigures(figures, benchNow() - start);
    return figures.faults() ? 1 : 0;
}
