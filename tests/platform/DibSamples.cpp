#include "tests/platform/DibSamples.h"

#include <cstring>

namespace dib_samples {

Picture makePicture(int width, int height, int colors)
{
    Picture picture{width, height, std::vector<unsigned char>(static_cast<size_t>(width) * height * 3)};
    unsigned state = 20240611u + static_cast<unsigned>(colors);
    auto next = [&] {
        state = state * 1103515245u + 12345u;
        return static_cast<unsigned char>(state >> 16);
    };
    std::vector<unsigned char> table(static_cast<size_t>(colors > 0 ? colors : 1) * 3);
    for (unsigned char& c : table)
        c = next();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &picture.rgb[(static_cast<size_t>(y) * width + x) * 3];
            if (colors > 0)
                std::memcpy(p, &table[static_cast<size_t>((x * 5 + y * 3) % colors) * 3], 3);
            else
                for (int c = 0; c < 3; ++c)
                    p[c] = next();
        }
    return picture;
}

std::string ppmFile(const Picture& picture)
{
    std::string text = "P6\n" + std::to_string(picture.width) + " " + std::to_string(picture.height) + "\n255\n";
    return text + std::string(picture.rgb.begin(), picture.rgb.end());
}

namespace {
void put32(std::string& bytes, size_t at, DWORD v) { std::memcpy(&bytes[at], &v, 4); }

// The value of an 8-bit channel in a field of the mask: its top bits.
DWORD field(unsigned char value, DWORD mask)
{
    int shift = 0, bits = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    while ((mask >> (shift + bits)) & 1)
        ++bits;
    DWORD v = bits >= 8 ? static_cast<DWORD>(value) << (bits - 8) : static_cast<DWORD>(value) >> (8 - bits);
    return v << shift;
}
} // namespace

std::string makeDib(const DibLayout& layout)
{
    const Picture picture = makePicture(layout.width, layout.height, layout.colors);
    const bool fields = layout.masks[0] || layout.masks[1] || layout.masks[2];
    const bool indexed = layout.bitCount <= 8;
    const int tableLength = indexed ? layout.colors : 0;
    const int stride = (layout.width * layout.bitCount + 31) / 32 * 4;

    std::string bytes(static_cast<size_t>(layout.headerSize), '\0');
    put32(bytes, 0, static_cast<DWORD>(layout.headerSize));
    put32(bytes, 4, static_cast<DWORD>(layout.width));
    put32(bytes, 8, static_cast<DWORD>(layout.topDown ? -layout.height : layout.height));
    bytes[12] = 1;
    bytes[14] = static_cast<char>(layout.bitCount);
    put32(bytes, 16, fields ? BI_BITFIELDS : BI_RGB);
    put32(bytes, 20, static_cast<DWORD>(stride * layout.height));
    put32(bytes, 24, 2835);
    put32(bytes, 28, 2835);
    put32(bytes, 32, static_cast<DWORD>(tableLength));
    if (layout.headerSize > 40) {
        for (int c = 0; c < 3; ++c)
            put32(bytes, 40 + 4 * static_cast<size_t>(c), fields ? layout.masks[c] : 0);
        if (layout.headerSize >= 108)
            put32(bytes, 56, 0x73524742);   // LCS_sRGB
    } else if (fields) {
        bytes.resize(52);
        for (int c = 0; c < 3; ++c)
            put32(bytes, 40 + 4 * static_cast<size_t>(c), layout.masks[c]);
    }

    // The colour table in order of first appearance: the picture's colours are its indices.
    std::vector<std::string> table;
    auto indexOf = [&](const unsigned char* rgb) {
        std::string key(reinterpret_cast<const char*>(rgb), 3);
        for (size_t i = 0; i < table.size(); ++i)
            if (table[i] == key)
                return static_cast<int>(i);
        table.push_back(key);
        return static_cast<int>(table.size() - 1);
    };
    std::string rows(static_cast<size_t>(stride) * layout.height, '\0');
    for (int row = 0; row < layout.height; ++row) {
        const int y = layout.topDown ? row : layout.height - 1 - row;
        unsigned char* d = reinterpret_cast<unsigned char*>(&rows[static_cast<size_t>(row) * stride]);
        for (int x = 0; x < layout.width; ++x) {
            const unsigned char* p = picture.at(x, y);
            switch (layout.bitCount) {
            case 4:
                d[x / 2] |= static_cast<unsigned char>(x % 2 ? indexOf(p) : indexOf(p) << 4);
                break;
            case 8:
                d[x] = static_cast<unsigned char>(indexOf(p));
                break;
            case 24:
                d[3 * x] = p[2];
                d[3 * x + 1] = p[1];
                d[3 * x + 2] = p[0];
                break;
            default: {
                const DWORD plain16[3] = {0x7C00, 0x03E0, 0x001F};
                const DWORD plain32[3] = {0xFF0000, 0x00FF00, 0x0000FF};
                const DWORD* masks = fields ? layout.masks : layout.bitCount == 16 ? plain16 : plain32;
                DWORD v = field(p[0], masks[0]) | field(p[1], masks[1]) | field(p[2], masks[2]);
                std::memcpy(d + x * (layout.bitCount / 8), &v, static_cast<size_t>(layout.bitCount / 8));
                break;
            }
            }
        }
    }
    for (int i = 0; i < tableLength; ++i) {
        std::string entry = i < static_cast<int>(table.size()) ? table[static_cast<size_t>(i)] : std::string(3, '\0');
        bytes += entry[2];
        bytes += entry[1];
        bytes += entry[0];
        bytes += '\0';
    }
    return bytes + rows;
}

std::string bmpFile(const std::string& dib)
{
    DWORD headerSize, colors, compression;
    std::memcpy(&headerSize, &dib[0], 4);
    std::memcpy(&compression, &dib[16], 4);
    std::memcpy(&colors, &dib[32], 4);
    DWORD offset = 14 + headerSize + (headerSize == 40 && compression == BI_BITFIELDS ? 12 : 0) + colors * 4;
    std::string file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    put32(file, 2, static_cast<DWORD>(14 + dib.size()));
    put32(file, 10, offset);
    return file + dib;
}

const std::vector<DibLayout>& generatedLayouts()
{
    static const std::vector<DibLayout> layouts = {
        {"4 bits, 5 colours", 13, 7, 5, 4, 40, {0, 0, 0}, 0},
        {"8 bits, 40 colours", 13, 7, 40, 8, 40, {0, 0, 0}, 0},
        {"8 bits, V4 header, top-down", 13, 7, 40, 8, 108, {0, 0, 0}, 1},
        {"16 bits 5-5-5", 13, 7, 0, 16, 40, {0, 0, 0}, 0},
        {"16 bits 5-6-5 after a 40-byte header", 13, 7, 0, 16, 40, {0xF800, 0x07E0, 0x001F}, 0},
        {"24 bits, V4 header", 13, 7, 0, 24, 108, {0, 0, 0}, 0},
        {"24 bits, top-down", 13, 7, 0, 24, 40, {0, 0, 0}, 1},
        {"32 bits without masks", 13, 7, 0, 32, 40, {0, 0, 0}, 0},
        {"32 bits red low after a 40-byte header", 13, 7, 0, 32, 40, {0x0000FF, 0x00FF00, 0xFF0000}, 0},
        {"32 bits, V5 header, top-down", 13, 7, 0, 32, 124, {0xFF0000, 0x00FF00, 0x0000FF}, 1},
    };
    return layouts;
}

} // namespace dib_samples
