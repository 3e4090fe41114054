#pragma once
// A small timing harness for the benchmarks: warm-up, N timed runs, median and minimum.
//
//     BenchResult r = runBenchmark("copy 1 MB", [&] { ... }, 20);
//     printRate(r, 1 << 20, "MB/s");
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>
#include <windows.h>

struct BenchResult {
    const char* name;
    double medianSeconds;
    double minSeconds;
};

inline double benchNow()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline BenchResult runBenchmark(const char* name, const std::function<void()>& body, int runs = 15, int warmUps = 2)
{
    for (int i = 0; i < warmUps; ++i)
        body();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        double start = benchNow();
        body();
        times.push_back(benchNow() - start);
    }
    std::sort(times.begin(), times.end());
    return {name, times[times.size() / 2], times.front()};
}

// Prints "name: median ... min ... (rate)"; `units` is the amount of work per run: operations
// for "ops/s", bytes for "MB/s".
inline void printRate(const BenchResult& result, double units, const char* unitName)
{
    double scale = 1.0;
    if (unitName[0] == 'M' && unitName[1] == 'B')
        scale = 1.0 / (1024.0 * 1024.0);
    std::printf("%-40s median %10.3f ms  min %10.3f ms  %12.1f %s\n", result.name, result.medianSeconds * 1e3,
                result.minSeconds * 1e3, units * scale / result.medianSeconds, unitName);
}
