#pragma once
#include <cstddef>

// The header comments of an EPS file's PostScript, scanned byte by byte as the reader takes them:
// printable characters make tokens of at most 127 characters, any blank or control character ends
// one, and a token ending in ":" is compared with the keywords:
// - "%%BoundingBox:" followed on its line by four numbers gives the box; the scan then goes on for
//   at most kHiResWindow more bytes; "(atend)" in place of the numbers notes that the box is in
//   the trailer;
// - "%%HiResBoundingBox:" with four numbers gives the box and ends the scan;
// - "%%DocumentProcessColors:" (when asked for) marks the process colours its line names.
// A number ends at any blank or control character; a line that ends before the fourth number, or
// a token that is not a number, gives no box.
struct EpsCommentScan {
    static constexpr int kMaxToken = 127;

    // Scans at most `budget` bytes of `data`.
    void scan(const unsigned char* data, size_t n, long long budget, long long hiResWindow, int colours);

    int found = 0;
    int atEnd = 0;
    double box[4] = {};
    int processColours[4] = {}; // cyan, magenta, yellow, black
};
