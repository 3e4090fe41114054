#pragma once
// Round-trip fuzzing of the drawing file, shared by the test suite and bench/DrawingFileFuzz.exe.
// Small saved drawings are mutated in memory (truncations, byte flips, digit runs, repeated and
// dropped tags and lines, lone lead bytes) and opened as a user opens a file; every open that
// succeeds is saved, opened again and compared with what was read first, as the file writes it
// (elements page by page, the pages, the shown page, the paper), and the second drawing's save
// must write the same header as the first (the header sections of every owner).
//
// Case n of a seed is the same file whatever ran before it, so one case can be run alone.
// Crashes and hangs are caught (FaultGuard) and reported with seed and case; message boxes are
// answered and make the read count as refused. Files go to a scratch folder only.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/ScratchFolder.h"

namespace drawing_fuzz {

struct Figures {
    long long cases = 0;
    long long refused = 0;      // opens that failed or showed a message
    long long crashes = 0;
    long long hangs = 0;
    long long failedSaves = 0;
    long long differences = 0;  // also a second open of the saved file that was refused
    long long faults() const { return crashes + hangs + failedSaves + differences; }
};

// One line per fault, naming seed and case.
using FaultReport = std::function<void(const std::string& line)>;

class DrawingFileFuzz {
public:
    // Makes the seed drawings (saved once into the scratch folder).
    DrawingFileFuzz();
    DrawingFileFuzz(const DrawingFileFuzz&) = delete;
    DrawingFileFuzz& operator=(const DrawingFileFuzz&) = delete;

    // The file of case n: a seed drawing with one to four mutations.
    std::string caseInput(uint64_t seed, long long n) const;
    // Runs cases first .. first + count - 1; `progress` (when given) is called every 10,000 cases.
    Figures run(uint64_t seed, long long first, long long count, const FaultReport& report,
                const std::function<void(const Figures&)>& progress = nullptr);

    unsigned caseMilliseconds = 10000; // the time limit of one case
    const std::vector<std::string>& seeds() const { return seedFiles; }

private:
    ScratchFolder scratch;
    std::vector<std::string> seedFiles;
};

} // namespace drawing_fuzz
