#include "tests/io/TiffFixture.h"

#include <algorithm>
#include <map>

#include "io/images/TiffImage.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "tests/support/DibSurface.h"

namespace image_test {

namespace {

class Bytes {
public:
    explicit Bytes(bool big) : bigEndian(big) {}
    void put(unsigned v, int size)
    {
        for (int i = 0; i < size; ++i) {
            const int shift = bigEndian ? 8 * (size - 1 - i) : 8 * i;
            text += static_cast<char>(v >> shift & 0xFF);
        }
    }
    void putAt(size_t at, unsigned v, int size)
    {
        for (int i = 0; i < size; ++i) {
            const int shift = bigEndian ? 8 * (size - 1 - i) : 8 * i;
            text[at + i] = static_cast<char>(v >> shift & 0xFF);
        }
    }
    bool bigEndian;
    std::string text;
};

struct Field {
    unsigned type;
    std::vector<unsigned> values;
};

int sizeOf(unsigned type) { return type == 3 ? 2 : type == 5 ? 8 : type == 1 ? 1 : 4; }

} // namespace

std::string packBits(const std::string& bytes, bool noOps)
{
    std::string out;
    size_t i = 0;
    while (i < bytes.size()) {
        size_t run = 1;
        while (i + run < bytes.size() && run < 128 && bytes[i + run] == bytes[i])
            ++run;
        if (noOps)
            out += static_cast<char>(128);
        if (run >= 3) {
            out += static_cast<char>(257 - run);
            out += bytes[i];
            i += run;
            continue;
        }
        size_t literal = 0;
        while (i + literal < bytes.size() && literal < 128) {
            if (i + literal + 2 < bytes.size() && bytes[i + literal] == bytes[i + literal + 1] &&
                bytes[i + literal] == bytes[i + literal + 2])
                break;
            ++literal;
        }
        out += static_cast<char>(literal - 1);
        out += bytes.substr(i, literal);
        i += literal;
    }
    return out;
}

std::string tiffFile(const TiffSpec& s)
{
    Bytes b(s.bigEndian);
    b.text = s.bigEndian ? "MM" : "II";
    b.put(42, 2);
    b.put(0, 4); // the first directory, set below

    // The strips' bytes.
    const int perStrip = s.rowsPerStrip > 0 ? s.rowsPerStrip : s.height;
    std::vector<std::string> strips;
    for (size_t r = 0; r < s.rows.size(); r += static_cast<size_t>(perStrip)) {
        std::string raw;
        for (size_t k = r; k < std::min(s.rows.size(), r + static_cast<size_t>(perStrip)); ++k)
            raw += s.rows[k];
        strips.push_back(s.compression == 32773 ? packBits(raw, s.noOps) : raw);
    }
    std::map<unsigned, Field> fields;
    fields[256] = {4, {static_cast<unsigned>(s.width)}};
    fields[257] = {3, {static_cast<unsigned>(s.height)}};
    if (!s.bits.empty())
        fields[258] = {3, s.bits};
    fields[259] = {3, {static_cast<unsigned>(s.compression)}};
    fields[262] = {3, {static_cast<unsigned>(s.photometric)}};
    const int samples = s.samples ? s.samples : static_cast<int>(s.bits.size());
    if (samples != 1 || s.samples)
        fields[277] = {3, {static_cast<unsigned>(samples)}};
    if (s.rowsPerStrip > 0)
        fields[278] = {4, {static_cast<unsigned>(s.rowsPerStrip)}};
    fields[282] = {5, {s.xResolution[0], s.xResolution[1]}};
    fields[283] = {5, {s.yResolution[0], s.yResolution[1]}};
    if (s.unit)
        fields[296] = {3, {static_cast<unsigned>(s.unit)}};
    if (s.planar)
        fields[284] = {3, {static_cast<unsigned>(s.planar)}};
    if (s.fillOrder)
        fields[266] = {3, {static_cast<unsigned>(s.fillOrder)}};
    if (!s.colourMap.empty())
        fields[320] = {3, std::vector<unsigned>(s.colourMap.begin(), s.colourMap.end())};
    std::vector<unsigned> offsets(strips.size()), counts(strips.size());
    for (size_t i = 0; i < strips.size(); ++i)
        counts[i] = static_cast<unsigned>(strips[i].size());
    fields[273] = {4, offsets};
    if (s.byteCounts)
        fields[279] = {s.shortByteCounts ? 3u : 4u, counts};

    // Values that do not fit an entry go into a block; the strips before or after it.
    auto writeStrips = [&] {
        for (size_t i = 0; i < strips.size(); ++i) {
            offsets[i] = static_cast<unsigned>(b.text.size());
            b.text += strips[i];
        }
        fields[273].values = offsets;
    };
    if (!s.arraysFirst)
        writeStrips();
    std::map<unsigned, size_t> valueAt;
    for (auto& [tag, f] : fields) {
        const size_t bytes = f.values.size() * static_cast<size_t>(sizeOf(f.type)) / (f.type == 5 ? 2 : 1);
        if (bytes <= 4)
            continue;
        if (b.text.size() % 2)
            b.text += '\0';
        valueAt[tag] = b.text.size();
        for (unsigned v : f.values)
            b.put(v, f.type == 5 ? 4 : sizeOf(f.type));
    }
    if (s.arraysFirst) {
        writeStrips();
        // The offsets array was written before the strips were placed: write it again.
        if (valueAt.count(273))
            for (size_t i = 0; i < offsets.size(); ++i)
                b.putAt(valueAt[273] + 4 * i, offsets[i], 4);
    }

    // The directories, each naming the next.
    if (b.text.size() % 2)
        b.text += '\0';
    b.putAt(4, static_cast<unsigned>(b.text.size()), 4);
    for (int page = 0; page < s.pages; ++page) {
        b.put(static_cast<unsigned>(fields.size()), 2);
        for (auto& [tag, f] : fields) {
            const unsigned count = static_cast<unsigned>(f.values.size()) / (f.type == 5 ? 2 : 1);
            b.put(tag, 2);
            b.put(f.type, 2);
            b.put(count, 4);
            if (valueAt.count(tag)) {
                b.put(static_cast<unsigned>(valueAt[tag]), 4);
                continue;
            }
            int used = 0;
            for (unsigned v : f.values) {
                b.put(v, sizeOf(f.type));
                used += sizeOf(f.type);
            }
            b.text.append(static_cast<size_t>(4 - used), '\0');
        }
        const bool last = page + 1 == s.pages;
        b.put(last ? 0u : static_cast<unsigned>(b.text.size() + 4), 4);
    }
    return b.text;
}

std::string solidTiff(int width, int height, int red, int green, int blue)
{
    TiffSpec s;
    s.width = width;
    s.height = height;
    s.bits = {8, 8, 8};
    s.photometric = 2;
    std::string row;
    for (int x = 0; x < width; ++x)
        row += std::string{static_cast<char>(red), static_cast<char>(green), static_cast<char>(blue)};
    s.rows.assign(static_cast<size_t>(height), row);
    return tiffFile(s);
}

size_t directoryOffset(const std::string& tiff)
{
    const bool big = tiff[0] == 'M';
    size_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<size_t>(static_cast<unsigned char>(tiff[4 + (big ? 3 - i : i)])) << (8 * i);
    return v;
}

size_t entryAt(const std::string& tiff, unsigned tag)
{
    const bool big = tiff[0] == 'M';
    auto word = [&](size_t at) {
        const unsigned a = static_cast<unsigned char>(tiff[at]), c = static_cast<unsigned char>(tiff[at + 1]);
        return big ? a << 8 | c : c << 8 | a;
    };
    const size_t dir = directoryOffset(tiff);
    const unsigned n = word(dir);
    for (unsigned i = 0; i < n; ++i)
        if (word(dir + 2 + 12 * i) == tag)
            return dir + 2 + 12 * i;
    return std::string::npos;
}

std::string drawnRgb(TiffImage& reader, int width, int height)
{
    DibSurface surface(width, height);
    DeviceContext dc;
    dc.attachHdc(surface.hdc);
    const int drawn = reader.draw(dc, IntRect::fromEdges(0, 0, width, height));
    dc.detachHdc();
    if (!drawn)
        return "";
    std::string rgb;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = surface.pixel(x, y);
            rgb += static_cast<char>(GetRValue(c));
            rgb += static_cast<char>(GetGValue(c));
            rgb += static_cast<char>(GetBValue(c));
        }
    return rgb;
}

std::string dosEps(const std::string& postScript, const std::string& tiff, const std::string& metafile)
{
    Bytes b(false);
    b.text = "\xC5\xD0\xD3\xC6";
    const unsigned psAt = 30;
    const unsigned metaAt = metafile.empty() ? 0 : psAt + static_cast<unsigned>(postScript.size());
    const unsigned tiffAt = tiff.empty() ? 0 : psAt + static_cast<unsigned>(postScript.size() + metafile.size());
    b.put(psAt, 4);
    b.put(static_cast<unsigned>(postScript.size()), 4);
    b.put(metaAt, 4);
    b.put(static_cast<unsigned>(metafile.size()), 4);
    b.put(tiffAt, 4);
    b.put(static_cast<unsigned>(tiff.size()), 4);
    b.put(0xFFFF, 2);
    return b.text + postScript + metafile + tiff;
}

std::string epsText(int llx, int lly, int urx, int ury, const char* colour, const char* lineEnd)
{
    const std::string e = lineEnd;
    const std::string box = std::to_string(llx) + " " + std::to_string(lly) + " " + std::to_string(urx) + " " +
                            std::to_string(ury);
    return "%!PS-Adobe-3.0 EPSF-3.0" + e + "%%BoundingBox: " + box + e + "%%Title: test" + e + "%%EndComments" + e +
           std::string(colour) + " setrgbcolor" + e + "newpath " + std::to_string(llx) + " " + std::to_string(lly) +
           " moveto " + std::to_string(urx) + " " + std::to_string(lly) + " lineto " + std::to_string(urx) + " " +
           std::to_string(ury) + " lineto " + std::to_string(llx) + " " + std::to_string(ury) +
           " lineto closepath fill" + e + "showpage" + e + "%%EOF" + e;
}

} // namespace image_test
