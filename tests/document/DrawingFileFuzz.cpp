#include "tests/document/DrawingFileFuzz.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <windows.h>

#include "document/UndoManager.h"
#include "platform/ShiftJis.h"
#include "platform/StringUtil.h"
#include "tests/document/DrawingFixture.h"
#include "tests/support/ByteMutation.h"
#include "tests/support/FaultGuard.h"
#include "tests/support/MessageBoxScript.h"

using namespace drawing_fixture;

namespace drawing_fuzz {

namespace {

// Mutated files stay small: a case is about reading, not about size.
const size_t kMaxInput = 1 << 16;

using Random = std::mt19937_64;

size_t below(Random& random, size_t n) { return n ? static_cast<size_t>(random() % n) : 0; }

// --- The seed drawings ---------------------------------------------------------------------

// A seed whose drawing could not be made whole is left out (the test counts the seeds).
std::vector<std::string> makeSeeds(const ScratchFolder& scratch)
{
    std::vector<std::string> seeds;
    auto keep = [&](int made, TestDrawing& drawing) {
        std::string bytes = made ? savedBytes(drawing, scratch) : std::string();
        if (!bytes.empty())
            seeds.push_back(bytes);
    };
    {
        TestDrawing drawing;
        keep(fillMixedSample(drawing), drawing);
    }
    {
        // With a paper of its own.
        TestDrawing drawing;
        const int made = fillSample(drawing);
        drawing.paper()->width = 420.5;
        drawing.paper()->height = 297.125;
        keep(made, drawing);
    }
    {
        // Numbers at the edges of what the file holds, and every byte value in the data.
        TestDrawing drawing;
        ShapeValues edge;
        edge.layer = 255;
        edge.size = 1e39;
        edge.xy = {-123456789012345.0, 0.00001, 99999.99999, -0.5, 1e20, 7};
        edge.name = "表a\x81\x40";
        int made = drawing.add(1, ElementKind::ArcPolygon, edge);
        ShapeValues bytes;
        bytes.layer = 0;
        bytes.size = 0.001;
        for (int b = 0; b < 256; ++b)
            bytes.data += static_cast<char>(b);
        made = drawing.add(1, ElementKind::Picture, bytes) && made;
        keep(made, drawing);
    }
    {
        // Every element kind, without attribute values, over two pages.
        TestDrawing drawing;
        int made = 1;
        for (int kind = 1; kind <= 19; ++kind) {
            ShapeValues plain;
            plain.layer = kind;
            made = drawing.add(1 + kind % 2, static_cast<ElementKind>(kind), plain) && made;
        }
        drawing.pages().setCurrent(1);
        keep(made, drawing);
    }
    // Text around the root, elements in empty form, stray and unknown tags, as other programs
    // write them.
    seeds.push_back("anything before the root <line><layer>7</layer></line>\r\n"
                    "<tesvanCADml>\r\n<header>\r\n<paperSize><horizontal>100</horizontal><vertical>50"
                    "</vertical></paperSize>\r\n<dspedpage>1</dspedpage>\r\n</header>\r\n"
                    "<pagedata>\r\n<page>1</page>\r\n<entities>\r\n<box>\r\n</box>\r\n<line>\r\n<layer>1</layer>\r\n"
                    "<width>4</width>\r\n</line>\r\n<layer>5</layer>\r\n<line/>\r\n<text><fileName>\"x\"</fileName>"
                    "<lineSize>-0.5</lineSize></text>\r\n</entities>\r\n</pagedata>\r\n</tesvanCADml>\r\n");
    return seeds;
}

// --- Mutations -----------------------------------------------------------------------------

// Bytes that steer the reader: tag and value delimiters, digits, lead bytes, a NUL.
const char kSteering[] = "<>/\"[],=-.0912\r\n \x81\x9F\xE0\xFF";

// The span [start, end) of the tag at or after `at` ("<" up to and including ">"); false when
// there is none.
bool tagAt(const std::string& bytes, size_t at, size_t& start, size_t& end)
{
    start = bytes.find('<', at);
    if (start == std::string::npos)
        start = bytes.rfind('<', at);
    if (start == std::string::npos)
        return false;
    end = bytes.find('>', start);
    end = end == std::string::npos ? bytes.size() : end + 1;
    return true;
}

std::string digitRun(Random& random)
{
    // Short runs grow counts and lengths; runs around 40 digits reach the writer's limit.
    static const size_t lengths[] = {1, 2, 3, 5, 8, 12, 38, 39, 40, 41, 42, 45, 60, 80};
    return ::digitRun(random, lengths, sizeof lengths / sizeof lengths[0]);
}

char leadByte(Random& random)
{
    static const unsigned char leads[] = {0x80, 0x81, 0x88, 0x95, 0x9F, 0xE0, 0xEA, 0xFC, 0xFF};
    unsigned char lead = leads[below(random, sizeof leads)];
    return static_cast<char>(lead);
}

void mutateOnce(std::string& bytes, Random& random)
{
    if (bytes.empty())
        bytes = "<";
    const size_t at = below(random, bytes.size());
    size_t start = 0, end = 0;
    switch (below(random, 10)) {
    case 0: // cut off
        bytes.resize(at);
        break;
    case 1:
        bytes[at] = static_cast<char>(random() & 0xFF);
        break;
    case 2:
        bytes[at] = kSteering[below(random, sizeof kSteering)]; // the terminator too: a NUL
        break;
    case 3:
        bytes.erase(at, 1 + below(random, 8));
        break;
    case 4: { // a digit run, most often where a value or a list item starts
        size_t place = below(random, 3) ? bytes.find_first_of(">[,", at) : at;
        place = place == std::string::npos ? at : place + 1;
        bytes.insert(std::min(place, bytes.size()), digitRun(random));
        break;
    }
    case 5: // a tag repeated
        if (tagAt(bytes, at, start, end))
            bytes.insert(end, bytes.substr(start, end - start));
        break;
    case 6: // a tag dropped
        if (tagAt(bytes, at, start, end))
            bytes.erase(start, end - start);
        break;
    case 7: { // a lead byte, most often before a quote or a tag
        size_t place = below(random, 3) ? bytes.find_first_of(below(random, 2) ? "\"" : "<", at) : at;
        std::string lead(1, leadByte(random));
        switch (below(random, 3)) {
        case 0: // alone
            break;
        case 1: // with a quote for its trail byte: a quoted text can end in the pair
            lead += '"';
            break;
        default: // with a NUL, which the reader takes for no trail byte
            lead += '\0';
            break;
        }
        bytes.insert(place == std::string::npos ? bytes.size() : place, lead);
        break;
    }
    case 8: // lines repeated elsewhere (whole elements, page blocks)
        linesAt(bytes, at, 1 + below(random, 8), start, end);
        bytes.insert(below(random, bytes.size() + 1), bytes.substr(start, end - start));
        break;
    default: // lines dropped
        linesAt(bytes, at, 1 + below(random, 4), start, end);
        bytes.erase(start, end - start);
        break;
    }
    if (bytes.size() > kMaxInput)
        bytes.resize(kMaxInput);
}

// --- What a drawing holds, as the file writes it --------------------------------------------

std::string written(double value, int decimals)
{
    char text[64];
    return StringUtil::formatDouble(value, decimals, text, 0) ? text : "(no text)";
}

// A name as a string tag writes it: without '"', CR and LF, and without a lead byte left alone
// at the end of what is kept (characters counted forward, as the reader pairs the bytes).
std::string writtenName(const std::string& name)
{
    std::string kept;
    bool lone = false;
    for (char c : name) {
        if (c == '"' || c == '\r' || c == '\n')
            continue;
        kept += c;
        lone = !lone && isShiftJisLeadByte(static_cast<unsigned char>(c));
    }
    if (lone)
        kept.pop_back();
    return kept;
}

// One line per fact: the pages, the shown page, the paper, then each element in drawing order.
std::vector<std::string> snapshot(TestDrawing& drawing)
{
    std::vector<std::string> lines;
    const int pages = drawing.pages().count;
    lines.push_back("pages " + std::to_string(pages) + ", shown " + std::to_string(drawing.pages().current));
    if (TestPaper* paper = drawing.paper())
        lines.push_back("paper " + written(paper->width, kPaperDecimals) + " x " +
                        written(paper->height, kPaperDecimals));
    for (int page = 1; page <= pages; ++page) {
        std::vector<TestShape*> shapes = drawing.elementsOf(page);
        for (size_t i = 0; i < shapes.size(); ++i) {
            const TestShape& shape = *shapes[i];
            std::string line = "page " + std::to_string(page) + " element " + std::to_string(i + 1) + ": kind " +
                               std::to_string(shape.kind) + " layer " + std::to_string(shape.layer) + "/" +
                               std::to_string(shape.values.layer) + " size " +
                               written(shape.values.size, kSizeDecimals) + " points [";
            for (double v : shape.values.xy)
                line += written(v, kPointDecimals) + ",";
            line += "] name \"" + writtenName(shape.values.name) + "\" data " + shape.values.data;
            lines.push_back(line);
        }
        drawing.release(shapes);
    }
    return lines;
}

// Printable: bytes outside ASCII as \xHH, at most 160 characters.
std::string shown(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        if (out.size() >= 160)
            return out + "...";
        if (c >= 32 && c < 127) {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

std::string firstDifference(const std::vector<std::string>& first, const std::vector<std::string>& second)
{
    for (size_t i = 0; i < first.size() || i < second.size(); ++i) {
        const std::string a = i < first.size() ? first[i] : "(nothing)";
        const std::string b = i < second.size() ? second[i] : "(nothing)";
        if (a != b)
            return "read first: " + shown(a) + " | read back: " + shown(b);
    }
    return "";
}

// The file up to its first page data.
std::string headerOf(const std::string& file) { return file.substr(0, file.find("<pagedata>")); }

// --- One case ------------------------------------------------------------------------------

enum Outcome { kRefused, kRoundTripped, kFailedSave, kDifferent };

// Opens a file as the user does: the name without the file flag, then the open.
int open(TestDrawing& drawing, const std::string& path)
{
    return drawing.context.assignFile(path.c_str()) && drawing.context.openFile();
}

int saveAs(TestDrawing& drawing, const std::string& path)
{
    return drawing.context.setPathAndTitle(path.c_str()) && drawing.context.save();
}

// The case's drawings read and write their files without an undo log: the round trip needs none.
void withoutUndo(TestDrawing& drawing)
{
    delete drawing.context.undoManager;
    drawing.context.undoManager = nullptr;
}

Outcome roundTrip(const ScratchFolder& scratch, MessageBoxScript& boxes, const std::string& input, int generation,
                  std::string& detail)
{
    const std::string suffix = "-" + std::to_string(generation) + ".ycx";
    const std::string in = scratch.file("in" + suffix, input);
    boxes.clear();
    TestDrawing first;
    withoutUndo(first);
    const int opened = open(first, in);
    const bool complained = !boxes.shown().empty();
    if (!opened)
        return kRefused;

    // A read that complained but went on keeps what it read: that must save as well.
    boxes.clear();
    const std::string out = scratch.pathOf("out" + suffix);
    if (!saveAs(first, out) || !boxes.shown().empty()) {
        detail = boxes.shown().empty() ? "the save failed" : "the save showed \"" + boxes.shown()[0].text + "\"";
        return kFailedSave;
    }
    TestDrawing second;
    withoutUndo(second);
    if (!open(second, out) || !boxes.shown().empty()) {
        detail = boxes.shown().empty() ? "the saved file did not open"
                                       : "opening the saved file showed \"" + boxes.shown()[0].text + "\"";
        return kDifferent;
    }
    detail = firstDifference(snapshot(first), snapshot(second));
    if (!detail.empty())
        return kDifferent;

    // The header sections of every owner (grid, print, defaults, inks) as written: the second
    // save writes the same header. The elements were compared above; their tags may differ
    // where values differ only in what is not written (a name that is written empty).
    const std::string again = scratch.pathOf("again" + suffix);
    if (!saveAs(second, again) || !boxes.shown().empty()) {
        detail = "the second save failed";
        return kFailedSave;
    }
    const std::string once = headerOf(ScratchFolder::read(out));
    const std::string twice = headerOf(ScratchFolder::read(again));
    if (once != twice) {
        size_t at = 0;
        while (at < once.size() && at < twice.size() && once[at] == twice[at])
            ++at;
        const size_t from = at > 40 ? at - 40 : 0;
        detail = "the second save's header differs at byte " + std::to_string(at) + ": " + shown(once.substr(from, 80)) +
                 " | " + shown(twice.substr(from, 80));
        return kDifferent;
    }
    return complained ? kRefused : kRoundTripped;
}

std::string caseName(uint64_t seed, long long n)
{
    return "seed " + std::to_string(seed) + " case " + std::to_string(n) + " (replay: DrawingFileFuzz.exe 1 " +
           std::to_string(seed) + " --case " + std::to_string(n) + ")";
}

} // namespace

DrawingFileFuzz::DrawingFileFuzz() : seedFiles(makeSeeds(scratch)) {}

std::string DrawingFileFuzz::caseInput(uint64_t seed, long long n) const
{
    Random random = caseRandom(seed, n);
    std::string bytes = seedFiles[below(random, seedFiles.size())];
    const size_t changes = 1 + below(random, 4);
    for (size_t c = 0; c < changes; ++c)
        mutateOnce(bytes, random);
    return bytes;
}

Figures DrawingFileFuzz::run(uint64_t seed, long long first, long long count, const FaultReport& report,
                             const std::function<void(const Figures&)>& progress)
{
    Figures figures;
    MessageBoxScript boxes;
    FaultGuard guard(caseMilliseconds);
    int generation = 0; // a new set of file names after each abandoned case, whose files stay open
    for (long long n = first; n < first + count; ++n) {
        const std::string input = caseInput(seed, n);
        Outcome outcome = kRefused;
        std::string detail;
        FaultGuard::Result result = guard.run([&] { outcome = roundTrip(scratch, boxes, input, generation, detail); });
        ++figures.cases;
        if (result.kind != FaultGuard::kReturned) {
            ++(result.kind == FaultGuard::kCrashed ? figures.crashes : figures.hangs);
            report(std::string(result.kind == FaultGuard::kCrashed ? "crash" : "hang") + ": " + caseName(seed, n) +
                   ": " + result.describe());
            ++generation;
        } else if (outcome == kRefused) {
            ++figures.refused;
        } else if (outcome == kFailedSave) {
            ++figures.failedSaves;
            report("failed save: " + caseName(seed, n) + ": " + detail);
        } else if (outcome == kDifferent) {
            ++figures.differences;
            report("difference: " + caseName(seed, n) + ": " + detail);
        }
        boxes.clear();
        if (progress && figures.cases % 10000 == 0)
            progress(figures);
    }
    return figures;
}

} // namespace drawing_fuzz
