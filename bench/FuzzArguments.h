#pragma once
// The arguments of the fuzzing runs (DrawingFileFuzz.exe, ReaderFuzz.exe), after what comes
// before them: COUNT SEED [--case N] [--dump FILE] [--limit MS].
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

struct FuzzArguments {
    long long count = 0;
    unsigned long long seed = 0;
    long long first = 0;         // --case: the first case run
    const char* dump = nullptr;  // --dump: where the first case's file goes
    unsigned limit = 0;          // --limit: the time limit of one case, in milliseconds

    // Reads argv[at] on; 0 when they are not as above.
    [[nodiscard]] int read(int argc, char** argv, int at)
    {
        if (argc < at + 2)
            return 0;
        count = std::atoll(argv[at]);
        seed = std::strtoull(argv[at + 1], nullptr, 10);
        for (int i = at + 2; i < argc; i += 2) {
            if (i + 1 >= argc)
                return 0;
            if (!std::strcmp(argv[i], "--case"))
                first = std::atoll(argv[i + 1]);
            else if (!std::strcmp(argv[i], "--dump"))
                dump = argv[i + 1];
            else if (!std::strcmp(argv[i], "--limit"))
                limit = static_cast<unsigned>(std::atoi(argv[i + 1]));
            else
                return 0;
        }
        return count >= 1 && first >= 0;
    }

    // The first case's file into the --dump file, when one was named.
    void dumpFirst(const std::string& bytes) const
    {
        if (!dump)
            return;
        if (FILE* out = std::fopen(dump, "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), out);
            std::fclose(out);
        }
    }
};
