#pragma once
// Seeded fuzzing of the file readers, shared by the test suite and bench/ReaderFuzz.exe. Small
// valid files made in code are mutated in memory (cuts, byte changes, copied runs, extreme sizes,
// digit runs, repeated and dropped lines) and read as the program reads them: a GIF file through
// GifImage (size, drawing, PostScript), a DXF or SVG file opened into a fresh drawing. Each read
// runs in a FaultGuard, so that a crash or a case over the time limit is reported with its seed
// and case and the run goes on.
//
// A GIF read also keeps the reader's contract: a decoded file shows no message and its operations
// all succeed; a refused one shows "処理できないファイルです。" captioned "GIFエラー" exactly once
// and every operation fails.
//
// Case n of a seed is the same file whatever ran before it, so one case can be run alone. Files go
// to a scratch folder only; message boxes are answered.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/ScratchFolder.h"

namespace reader_fuzz {

enum class Target { kGif, kDxf, kSvg };

// "gif", "dxf" or "svg"; 0 for another name.
[[nodiscard]] int targetNamed(const char* name, Target& target);

struct Figures {
    long long cases = 0;
    long long read = 0;      // decoded or opened
    long long refused = 0;
    long long crashes = 0;
    long long hangs = 0;
    long long broken = 0;    // a read against the reader's contract
    [[nodiscard]] long long faults() const { return crashes + hangs + broken; }
};

// One line per fault, naming seed and case.
using FaultReport = std::function<void(const std::string& line)>;

class ReaderFuzz {
public:
    explicit ReaderFuzz(Target target);
    ReaderFuzz(const ReaderFuzz&) = delete;
    ReaderFuzz& operator=(const ReaderFuzz&) = delete;

    // Reads every seed unchanged as a case; a fault is reported, and so are seeds refused. The
    // number read.
    int readSeeds(const FaultReport& report);
    // The file of case n: a seed with one to four mutations.
    [[nodiscard]] std::string caseInput(uint64_t seed, long long n) const;
    // Runs cases first .. first + count - 1; `progress` (when given) is called every 10,000 cases.
    Figures run(uint64_t seed, long long first, long long count, const FaultReport& report,
                const std::function<void(const Figures&)>& progress = nullptr);

    unsigned caseMilliseconds = 5000; // beyond it a case counts as a hang
    [[nodiscard]] const std::vector<std::string>& seeds() const { return seedFiles; }
    [[nodiscard]] const char* extension() const;

private:
    // Reads input(n) for n = first .. first + count - 1, faults reported under name(n).
    Figures readInputs(const std::function<std::string(long long)>& input, long long first, long long count,
                       const std::function<std::string(long long)>& name, const FaultReport& report,
                       const std::function<void(const Figures&)>& progress);

    Target target;
    ScratchFolder scratch;
    std::vector<std::string> seedFiles;
    int generation = 0;
};

} // namespace reader_fuzz
