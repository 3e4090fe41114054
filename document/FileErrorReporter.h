#pragma once

// Counts the file errors of the image readers, the DXF, SVG, PostScript and PDF files and shows
// each kind only at its first occurrence until the next reset, so that a batch of files with the
// same fault raises one box.
//
// Counter 0 counts every report; counters 1 to 4 count the kinds:
//   1 no file name, 2 file missing, 3 wrong file kind, 4 data not found.
class FileErrorReporter {
public:
    static constexpr int kNoName = 1;
    static constexpr int kMissing = 2;
    static constexpr int kWrongKind = 3;
    static constexpr int kNoData = 4;

    void reset();
    // Counts a report of kind 1..4 and shows the text (the kind's own text when null) with the
    // caption ("エラー" when null) when it is the kind's first since the reset.
    void report(int kind, const char* text = nullptr, const char* caption = nullptr);
    [[nodiscard]] int count(int index) const { return index >= 0 && index < 5 ? counters[index] : 0; }

private:
    int counters[5] = {};
};

// The application's one reporter.
extern FileErrorReporter theFileErrorReporter;
