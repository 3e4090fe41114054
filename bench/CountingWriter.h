#pragma once
// A PostScript writer that sends nothing and counts the bytes it was given, for the benchmarks of
// what the writers produce.
#include "io/postscript/PostScriptWriter.h"

class CountingWriter : public PostScriptWriter {
public:
    int putBytes(const char*, int n) override
    {
        written += n;
        return 1;
    }
    long long written = 0;
};
