// Round-trip fuzzing of the drawing file, run by hand:
//
//     DrawingFileFuzz.exe COUNT SEED [--case N] [--dump FILE] [--limit MS]
//
// runs cases 0 .. COUNT-1 of SEED (from N on with --case; "1 SEED --case N" replays case N alone)
// and prints each crash, hang, failed save or difference with its seed and case, then the
// figures. --dump writes the first case's file to FILE. The exit code is 1 when a fault was found.
#include <cstdio>
#include <string>
#include <windows.h>

#include "BenchHarness.h"
#include "FuzzArguments.h"
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
    FuzzArguments args;
    args.limit = 10000;
    if (!args.read(argc, argv, 1))
        return usage();
    // Windows' own error boxes would stop an unattended run.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);

    drawing_fuzz::DrawingFileFuzz fuzz;
    fuzz.caseMilliseconds = args.limit;
    args.dumpFirst(fuzz.caseInput(args.seed, args.first));
    const double start = benchNow();
    drawing_fuzz::Figures figures = fuzz.run(
        args.seed, args.first, args.count,
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
