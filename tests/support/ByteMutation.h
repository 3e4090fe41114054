#pragma once
// Seeded damage for the readers' bad-input tests and fuzzing runs.
#include <cstdint>
#include <random>
#include <string>

// A copy of a good file with one to four changes, each a random byte, a byte of `interesting`
// (the bytes that steer the reader), up to eight bytes deleted, or a run of up to twelve digits
// inserted (digits grow numbers: counts and coordinates far beyond the file). A copy that ends
// empty becomes `whenEmpty`.
inline std::string mutateBytes(const std::string& good, std::mt19937& random, const std::string& interesting,
                               const char* whenEmpty)
{
    std::string bytes = good;
    for (int c = 1 + static_cast<int>(random() % 4); c > 0; --c) {
        const size_t at = bytes.empty() ? 0 : random() % bytes.size();
        switch (random() % 4) {
        case 0:
            if (at < bytes.size())
                bytes[at] = static_cast<char>(random() & 0xFF);
            break;
        case 1:
            if (at < bytes.size())
                bytes[at] = interesting[random() % interesting.size()];
            break;
        case 2:
            bytes.erase(at, 1 + random() % 8);
            break;
        default:
            bytes.insert(at, std::string(1 + random() % 12, static_cast<char>('0' + random() % 10)));
            break;
        }
        if (bytes.empty())
            bytes = whenEmpty;
    }
    return bytes;
}

// The generator of case n of a seeded fuzzing run, made from the run's seed and the case's number
// alone: a case is the same whatever ran before it, so one case can be replayed alone.
inline std::mt19937_64 caseRandom(uint64_t seed, long long n)
{
    std::seed_seq mix{static_cast<uint32_t>(seed), static_cast<uint32_t>(seed >> 32), static_cast<uint32_t>(n),
                      static_cast<uint32_t>(static_cast<unsigned long long>(n) >> 32)};
    return std::mt19937_64(mix);
}

// A number below n; 0 for n = 0.
inline size_t randomBelow(std::mt19937_64& random, size_t n) { return n ? static_cast<size_t>(random() % n) : 0; }

// A run of digits of one of the `count` lengths, a quarter of them with a '.' inside, a quarter
// with a '-' in front: short runs grow counts and lengths, long ones reach a writer's limits.
inline std::string digitRun(std::mt19937_64& random, const size_t* lengths, size_t count)
{
    std::string run(lengths[randomBelow(random, count)], '0');
    for (char& c : run)
        c = static_cast<char>('0' + randomBelow(random, 10));
    if (randomBelow(random, 4) == 0)
        run.insert(randomBelow(random, run.size() + 1), 1, '.');
    if (randomBelow(random, 4) == 0)
        run.insert(0, 1, '-');
    return run;
}

// The span [start, end) of `lines` whole lines from the line holding `at`.
inline void linesAt(const std::string& bytes, size_t at, size_t lines, size_t& start, size_t& end)
{
    start = bytes.rfind('\n', at);
    start = start == std::string::npos ? 0 : start + 1;
    end = start;
    for (size_t i = 0; i < lines && end < bytes.size(); ++i) {
        end = bytes.find('\n', end);
        end = end == std::string::npos ? bytes.size() : end + 1;
    }
}
