#include "tests/io/ReaderFuzz.h"

#include <cstring>
#include <map>
#include <random>
#include <utility>

#include "document/Document.h"
#include "document/FileErrorReporter.h"
#include "geometry/DoubleRect.h"
#include "io/dxf/DxfExchange.h"
#include "io/images/GifImage.h"
#include "io/postscript/PostScriptWriter.h"
#include "io/svg/SvgIoDriver.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "tests/io/GifFixture.h"
#include "tests/io/IoTestDrawing.h"
#include "tests/support/ByteMutation.h"
#include "tests/support/DibSurface.h"
#include "tests/support/FaultGuard.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScopedOverride.h"

namespace reader_fuzz {

namespace {

// Mutated files stay small: a case is about reading, not about size.
const size_t kMaxInput = 1 << 16;

using Random = std::mt19937_64;

// --- The seed files --------------------------------------------------------------------------

// An image's indices as a GIF encoder sends them: the longest string the table holds as one code,
// each code making the table's next entry.
gif_test::CodeWriter encoded(const std::vector<int>& indices, int minimumCodeSize)
{
    gif_test::CodeWriter codes(minimumCodeSize);
    codes.clear();
    std::map<std::pair<int, int>, int> table; // (string's code, next index) -> code
    int nextCode = (1 << minimumCodeSize) + 2;
    int string = -1;
    for (int index : indices) {
        if (string < 0) {
            string = index;
            continue;
        }
        const auto found = table.find({string, index});
        if (found != table.end()) {
            string = found->second;
            continue;
        }
        codes.send(string);
        if (nextCode < 4096)
            table[{string, index}] = nextCode++;
        string = index;
    }
    if (string >= 0)
        codes.send(string);
    codes.end();
    return codes;
}

std::vector<int> pattern(int width, int height, int colours, int seed)
{
    std::vector<int> indices(static_cast<size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            indices[static_cast<size_t>(y * width + x)] = ((x / 3 + y * seed) ^ (x * y % 7)) % colours;
    return indices;
}

std::string greys(int count)
{
    std::string table;
    for (int i = 0; i < count; ++i)
        table += std::string(3, static_cast<char>(i * 255 / (count > 1 ? count - 1 : 1)));
    return table;
}

std::vector<std::string> gifSeeds()
{
    using namespace gif_test;
    std::vector<std::string> seeds;
    // 4 colours in a global table, data as an encoder writes it.
    seeds.push_back(screen(16, 8, 0xF1, greys(4)) + image(0, 0, 16, 8, 0, "", encoded(pattern(16, 8, 4, 1), 2)) + ";");
    // 16 colours, interlaced, with a graphic control extension.
    seeds.push_back(screen(7, 9, 0xF3, greys(16)) + extension(249, {std::string(4, '\0')}) +
                    image(0, 0, 7, 9, 0x40, "", encoded(pattern(7, 9, 16, 2), 4)) + ";");
    // A frame with a local table of 2 colours at (2, 1) on a larger screen without a global one.
    seeds.push_back(screen(10, 6, 0x70) + image(2, 1, 5, 3, 0x80, colours({{255, 0, 0}, {0, 0, 255}}),
                                                encoded(pattern(5, 3, 2, 3), 2)) +
                    ";");
    // 256 colours, a comment and a loop extension, then an animation of two frames, the second
    // with a local table.
    seeds.push_back(screen(40, 20, 0xF7, greys(256)) + extension(254, {"made for the fuzz"}) +
                    extension(255, {"NETSCAPE2.0", std::string("\x01\x00\x00", 3)}) +
                    image(0, 0, 40, 20, 0, "", encoded(pattern(40, 20, 256, 5), 8)) +
                    image(5, 5, 10, 10, 0x82, greys(8), encoded(pattern(10, 10, 8, 7), 3)) + ";");
    // Literal codes with clear codes between them, and no trailer.
    seeds.push_back(screen(12, 5, 0xF2, greys(8)) + literalImage(0, 0, 12, 5, 0, "", 3, pattern(12, 5, 8, 4)));
    return seeds;
}

// The lines of a DXF file, CR LF after each.
std::string dxf(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::vector<std::string> dxfSeeds()
{
    const std::string header = dxf({"  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1009", "  9",
                                    "$DWGCODEPAGE", "  3", "ANSI_932", "  0", "ENDSEC", "  0", "SECTION", "  2",
                                    "TABLES", "  0", "TABLE", "  2", "LAYER", " 70", "1", "  0", "LAYER", "  2", "3",
                                    " 70", "0", " 62", "1", "  6", "CONTINUOUS", "  0", "ENDTAB", "  0", "ENDSEC"});
    // A block of a line and an arc, and a block that inserts it twice.
    const std::string blocks =
        dxf({"  0", "SECTION", "  2", "BLOCKS", "  0", "BLOCK", "  8", "0", "  2", "B1", " 70", "0", " 10", "0", " 20",
             "0", "  0", "LINE", "  8", "0", " 10", "0", " 20", "0", " 11", "10", " 21", "5", "  0", "ARC", "  8", "0",
             " 10", "5", " 20", "5", " 40", "2.5", " 50", "30", " 51", "300", "  0", "ENDBLK", "  0", "BLOCK", "  2",
             "B2", " 10", "0", " 20", "0", "  0", "INSERT", "  2", "B1", " 10", "1", " 20", "1", "  0", "INSERT", "  2",
             "B1", " 10", "20", " 20", "1", " 41", "2", " 42", "0.5", " 50", "45", "  0", "ENDBLK", "  0", "ENDSEC"});
    const std::string entities =
        dxf({"  0", "SECTION", "  2", "ENTITIES", "  0", "LINE", "  8", "3", " 10", "1", " 20", "2", " 11", "30",
             " 21", "4", "  0", "ARC", "  8", "4", " 10", "50", " 20", "50", " 40", "10", " 50", "0", " 51", "180", "  0",
             "TEXT", "  8", "9", " 10", "1", " 20", "2", " 40", "5", " 50", "15", "  1", "表ソ text", "  0", "POLYLINE",
             "  8", "7", " 66", "1", " 70", "1", "  0", "VERTEX", " 10", "0", " 20", "0", "  0", "VERTEX", " 10", "30",
             " 20", "0", " 42", "0.5", "  0", "VERTEX", " 10", "30", " 20", "15", "  0", "SEQEND", "  0", "INSERT", "  2",
             "B1", " 10", "10", " 20", "20", "  0", "INSERT", "  2", "B2", " 10", "40", " 20", "40", " 41", "1.5", " 42",
             "1.5", "  0", "ENDSEC", "  0", "EOF"});
    return {header + blocks + entities,
            dxf({"0", "SECTION", "2", "ENTITIES", "0", "LINE", "10", "0", "20", "0", "11", "100", "21", "50", "0",
                 "TEXT", "10", "5", "20", "5", "1", "A", "0", "ENDSEC", "0", "EOF"})};
}

std::vector<std::string> svgSeeds()
{
    const std::string prolog = "<?xml version=\"1.0\" encoding=\"Shift_JIS\" standalone=\"no\"?>\r\n"
                               "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 20001102//EN\"\r\n"
                               "  \"http://www.w3.org/TR/2000/CR-SVG-20001102/DTD/svg-20001102.dtd\">\r\n"
                               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"297mm\" height=\"210mm\" "
                               "viewBox=\"0 0 297 210\" fill=\"none\" stroke=\"black\" stroke-width=\"0.14\">\r\n";
    return {prolog + "<line x1=\"10\" y1=\"20\" x2=\"110.5\" y2=\"20\" stroke-width=\"0.5\"/>\r\n"
                     "<rect x=\"5\" y=\"6\" width=\"40\" height=\"25.5\"/>\r\n"
                     "<polyline points=\"0,0 12.5,3 25,-4 40,10\"/>\r\n"
                     "<polygon points=\"0.123 12 12.5 0 5 5\"/>\r\n"
                     "<text x=\"1\" y=\"2\" font-size=\"3.5\" fill=\"black\" stroke=\"none\">R&amp;D 日本語</text>\r\n"
                     "</svg>\r\n",
            "<svg><line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/><rect x=\"0\" y=\"0\" width=\"2\" height=\"3\"/>"
            "<polyline points=\"1 1 2 2 3 1\"/><polygon points=\"1,1 2,2 3,1\"/><text x=\"0\" y=\"5\">abc</text>"
            "</svg>"};
}

// --- Mutations -------------------------------------------------------------------------------

// Bytes that steer each reader.
const char kGifBytes[] = "\x00\x01\x02\x03\x07\x08\x0B\x0C\x21\x2C\x3B\x40\x80\xF7\xF9\xFE\xFF";
const char kDxfBytes[] = "0123456789-.eE \r\n\x81\x5C";
const char kSvgBytes[] = "<>/\"'=&;#0123456789-.eE ,\r\n\x81";

std::string digitRun(Random& random)
{
    // Short runs grow counts; runs around 310 digits leave the doubles.
    static const size_t lengths[] = {1, 2, 3, 5, 9, 12, 20, 40, 310};
    return ::digitRun(random, lengths, sizeof lengths / sizeof lengths[0]);
}

void mutateOnce(std::string& bytes, Random& random, Target target)
{
    if (bytes.empty())
        bytes = target == Target::kGif ? "G" : "0";
    const size_t at = randomBelow(random, bytes.size());
    const char* steering = target == Target::kGif ? kGifBytes : target == Target::kDxf ? kDxfBytes : kSvgBytes;
    const size_t steeringCount = target == Target::kGif ? sizeof kGifBytes - 1 : std::strlen(steering);
    size_t start = 0, end = 0;
    switch (randomBelow(random, 9)) {
    case 0: // cut off
        bytes.resize(at);
        break;
    case 1:
        bytes[at] = static_cast<char>(random() & 0xFF);
        break;
    case 2:
        bytes[at] = steering[randomBelow(random, steeringCount)];
        break;
    case 3:
        bytes.erase(at, 1 + randomBelow(random, 8));
        break;
    case 4: // a run of the file copied elsewhere: sub-blocks, images, entities, elements again
        start = randomBelow(random, bytes.size());
        bytes.insert(randomBelow(random, bytes.size() + 1), bytes.substr(start, 1 + randomBelow(random, 64)));
        break;
    case 5:
        if (target == Target::kGif) {
            // A 16-bit field (a size, a position) at an extreme.
            static const unsigned values[] = {0, 1, 2, 255, 256, 4095, 4096, 32767, 65535};
            const unsigned v = values[randomBelow(random, sizeof values / sizeof values[0])];
            bytes[at] = static_cast<char>(v & 0xFF);
            if (at + 1 < bytes.size())
                bytes[at + 1] = static_cast<char>(v >> 8);
        } else {
            bytes.insert(at, digitRun(random));
        }
        break;
    case 6:
        if (target == Target::kGif) {
            bytes[at] = static_cast<char>(bytes[at] ^ 1 << randomBelow(random, 8));
        } else { // lines repeated
            linesAt(bytes, at, 1 + randomBelow(random, 8), start, end);
            bytes.insert(randomBelow(random, bytes.size() + 1), bytes.substr(start, end - start));
        }
        break;
    default:
        if (target == Target::kGif) {
            bytes.erase(at, 1 + randomBelow(random, 64));
        } else { // lines dropped
            linesAt(bytes, at, 1 + randomBelow(random, 4), start, end);
            bytes.erase(start, end - start);
        }
        break;
    }
    if (bytes.size() > kMaxInput)
        bytes.resize(kMaxInput);
}

// --- One case --------------------------------------------------------------------------------

enum Outcome { kRead, kRefused, kBroken };

// Sends nothing: the PostScript is written only to run the reader's output.
class DiscardingWriter : public PostScriptWriter {
public:
    int putBytes(const char*, int) override { return 1; }
};

Outcome readGif(const std::string& path, MessageBoxScript& boxes, std::string& detail)
{
    DibSurface surface(16, 16);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    GifImage reader;
    reader.setSource(path.c_str());
    int w = 0, h = 0;
    const int decoded = reader.getPixelSize(w, h);
    const int drawn = reader.draw(dc, IntRect::fromEdges(0, 0, 16, 16));
    DiscardingWriter out;
    DoubleRect rect;
    rect.set(0, 0, 10, 10);
    const int written = reader.writePostScript(out, rect);
    dc.detachHdc();
    if (drawn != decoded || written != decoded) {
        detail = "size " + std::to_string(decoded) + ", drawing " + std::to_string(drawn) + ", PostScript " +
                 std::to_string(written);
        return kBroken;
    }
    const std::vector<MessageBoxScript::Box>& shown = boxes.shown();
    const bool oneRefusal = shown.size() == 1 && shown[0].text == ImageReaderBase::kCannotProcess &&
                            shown[0].caption == GifImage::kCaption;
    if (decoded ? shown.empty() : oneRefusal)
        return decoded ? kRead : kRefused;
    detail = std::string(decoded ? "decoded" : "refused") + " with " + std::to_string(shown.size()) + " messages";
    for (const MessageBoxScript::Box& b : shown)
        detail += " \"" + b.text + "\"";
    return kBroken;
}

Outcome openDrawing(const std::string& path)
{
    io_fixture::IoDrawing drawing;
    return drawing.open(path) ? kRead : kRefused;
}

std::string caseName(uint64_t seed, long long n, const char* extension)
{
    return "seed " + std::to_string(seed) + " case " + std::to_string(n) + " (replay: ReaderFuzz.exe " + extension +
           " 1 " + std::to_string(seed) + " --case " + std::to_string(n) + ")";
}

} // namespace

int targetNamed(const char* name, Target& target)
{
    static const struct {
        const char* name;
        Target target;
    } names[] = {{"gif", Target::kGif}, {"dxf", Target::kDxf}, {"svg", Target::kSvg}};
    for (const auto& n : names)
        if (name && std::strcmp(name, n.name) == 0) {
            target = n.target;
            return 1;
        }
    return 0;
}

ReaderFuzz::ReaderFuzz(Target t)
    : target(t), seedFiles(t == Target::kGif ? gifSeeds() : t == Target::kDxf ? dxfSeeds() : svgSeeds())
{
}

const char* ReaderFuzz::extension() const
{
    return target == Target::kGif ? "gif" : target == Target::kDxf ? "dxf" : "svg";
}

std::string ReaderFuzz::caseInput(uint64_t seed, long long n) const
{
    Random random = caseRandom(seed, n);
    std::string bytes = seedFiles[randomBelow(random, seedFiles.size())];
    const size_t changes = 1 + randomBelow(random, 4);
    for (size_t c = 0; c < changes; ++c)
        mutateOnce(bytes, random, target);
    return bytes;
}

int ReaderFuzz::readSeeds(const FaultReport& report)
{
    const Figures figures = readInputs([this](long long i) { return seedFiles[static_cast<size_t>(i)]; }, 0,
                                       static_cast<long long>(seedFiles.size()),
                                       [](long long i) { return "seed file " + std::to_string(i); }, report, nullptr);
    if (figures.refused)
        report(std::to_string(figures.refused) + " seed files refused");
    return static_cast<int>(figures.read);
}

Figures ReaderFuzz::run(uint64_t seed, long long first, long long count, const FaultReport& report,
                        const std::function<void(const Figures&)>& progress)
{
    return readInputs([&](long long n) { return caseInput(seed, n); }, first, count,
                      [&](long long n) { return caseName(seed, n, extension()); }, report, progress);
}

Figures ReaderFuzz::readInputs(const std::function<std::string(long long)>& input, long long first, long long count,
                               const std::function<std::string(long long)>& name, const FaultReport& report,
                               const std::function<void(const Figures&)>& progress)
{
    Figures figures;
    MessageBoxScript boxes;
    // The drivers as start-up installs them.
    ScopedOverride<int (*)(Document&)> dxfReader(foreignFileDrivers.readDxf, readDxfDocument);
    ScopedOverride<int (*)(Document&)> svgReader(foreignFileDrivers.readSvg, readSvgDocument);
    FaultGuard guard(caseMilliseconds);
    for (long long n = first; n < first + count; ++n) {
        // A new file name after each abandoned case, whose file may stay open.
        const std::string path = scratch.file("case-" + std::to_string(generation) + "." + extension(), input(n));
        theFileErrorReporter.reset();
        boxes.clear();
        Outcome outcome = kRefused;
        std::string detail;
        FaultGuard::Result result = guard.run([&] {
            outcome = target == Target::kGif ? readGif(path, boxes, detail) : openDrawing(path);
        });
        ++figures.cases;
        if (result.kind != FaultGuard::kReturned) {
            ++(result.kind == FaultGuard::kCrashed ? figures.crashes : figures.hangs);
            report(std::string(result.kind == FaultGuard::kCrashed ? "crash" : "hang") + ": " + name(n) + ": " +
                   result.describe());
            ++generation;
        } else if (outcome == kBroken) {
            ++figures.broken;
            report("broken contract: " + name(n) + ": " + detail);
        } else {
            ++(outcome == kRead ? figures.read : figures.refused);
        }
        if (progress && figures.cases % 10000 == 0)
            progress(figures);
    }
    return figures;
}

} // namespace reader_fuzz
