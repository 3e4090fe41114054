// Reference point for the other benchmarks: plain memory copy speed of this machine under Wine.
#include <cstring>
#include <vector>

#include "BenchHarness.h"

int main()
{
    const size_t size = 16u << 20;
    std::vector<char> source(size, 'x'), target(size);
    BenchResult result = runBenchmark("memcpy 16 MB", [&] { std::memcpy(target.data(), source.data(), size); });
    printRate(result, static_cast<double>(size), "MB/s");
    return target[size - 1] == 'x' ? 0 : 1;
}
