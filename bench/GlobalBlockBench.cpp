// Appending to the program's growable array against std::vector, in the same run.
#include <cstdio>
#include <vector>

#include "BenchHarness.h"
#include "platform/GlobalBlock.h"

int main()
{
    const int n = 1000000;
    BenchResult block = runBenchmark("GlobalBlock append 1M x 4 bytes", [&] {
        GlobalBlock b(50, 4);
        for (int i = 0; i < n; ++i)
            (void)b.append(&i); // checked once below: a failed append leaves the count short
        if (b.count != n)
            std::printf("?");
    }, 9);
    BenchResult vector = runBenchmark("std::vector push_back 1M x 4 bytes", [&] {
        std::vector<int> v;
        for (int i = 0; i < n; ++i)
            v.push_back(i);
        if (v.size() != static_cast<size_t>(n))
            std::printf("?");
    }, 9);
    printRate(block, n, "ops/s");
    printRate(vector, n, "ops/s");
    std::printf("ratio GlobalBlock / vector: %.2f\n", block.medianSeconds / vector.medianSeconds);
    return 0;
}
