// Fuzzing of the GIF, DXF and SVG readers, run by hand:
//
//     ReaderFuzz.exe gif|dxf|svg COUNT SEED [--case N] [--dump FILE] [--limit MS]
//
// reads the seed files unchanged, then cases 0 .. COUNT-1 of SEED (from N on with --case;
// "gif 1 SEED --case N" replays case N alone), and prints each crash, hang (a case over the time
// limit, 5000 ms unless --limit says) and broken contract with its seed and case, then the figures
// and the process's peak working set. --dump writes the first case's file to FILE. The exit code is
// 1 when a fault was found.
#include <cstdio>
#include <string>
#include <windows.h>

#include "BenchHarness.h"
#include "FuzzArguments.h"
#include "PeakWorkingSet.h"
#include "document/Document.h"
#include "document/Element.h"
#include "tests/io/ReaderFuzz.h"

namespace {

void printFigures(const reader_fuzz::Figures& f, double seconds)
{
    std::printf("cases %lld, read %lld, refused %lld, crashes %lld, hangs %lld, broken %lld, %.1f s, peak working set "
                "%.1f MB\n",
                f.cases, f.read, f.refused, f.crashes, f.hangs, f.broken, seconds, peakWorkingSetMegabytes());
    std::fflush(stdout);
}

int usage()
{
    std::fprintf(stderr, "usage: ReaderFuzz.exe gif|dxf|svg COUNT SEED [--case N] [--dump FILE] [--limit MS]\n");
    return 2;
}

void printLine(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    reader_fuzz::Target target;
    if (argc < 2 || !reader_fuzz::targetNamed(argv[1], target))
        return usage();
    FuzzArguments args;
    args.limit = 5000;
    if (!args.read(argc, argv, 2))
        return usage();
    // Windows' own error boxes would stop an unattended run.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    // As start-up does: documents make their attribute holders from the element folder.
    makeBaseElement = newBaseElement;

    reader_fuzz::ReaderFuzz fuzz(target);
    fuzz.caseMilliseconds = args.limit;
    args.dumpFirst(fuzz.caseInput(args.seed, args.first));
    const int seeds = fuzz.readSeeds(printLine);
    std::printf("%s: %d of %zu seed files read\n", fuzz.extension(), seeds, fuzz.seeds().size());
    const double start = benchNow();
    const reader_fuzz::Figures figures =
        fuzz.run(args.seed, args.first, args.count, printLine, [start](const reader_fuzz::Figures& so) {
            if (so.cases % 100000 == 0)
                printFigures(so, benchNow() - start);
        });
    printFigures(figures, benchNow() - start);
    return figures.faults() || seeds != static_cast<int>(fuzz.seeds().size()) ? 1 : 0;
}
