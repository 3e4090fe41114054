#include "io/images/JpegScan.h"

#include <climits>
#include <cstring>
#include <emmintrin.h>
#include <initializer_list>
#include <new>

#include "platform/Application.h"
#include "platform/FrameWindow.h"
#include "platform/GlobalBlock.h"
#include "platform/JpegTableSet.h"
#include "platform/StatusBar.h"

namespace jpeg {

namespace {

// Natural-order index of the k-th coefficient in zigzag order.
const unsigned char kZigzag[64 + 16] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
    // A run that passes 63 is refused before these are used.
    63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63};

const int kFastBits = 9;
const int kMaxBlocksPerMcu = 10;

// A Huffman table ready for decoding: the codes of up to kFastBits bits by direct lookup
// ((length << 8) | symbol, 0 for a longer code), the longer ones by their largest code per length.
struct Lookup {
    unsigned short fast[1 << kFastBits];
    int maxCode[18];      // the largest code of each length, -1 for none
    int offset[17];       // symbol index = code + offset[length]
    unsigned char symbols[256];
    // AC codes whose run, size and value bits all fit kFastBits: (value << 8) | (run << 4) |
    // bits used, 0 for the others.
    short fastAc[1 << kFastBits];
};

// The entropy-coded bytes, most significant bit first. At a marker or the end of the data the
// reader goes on with zero bits and counts them: a decoder that used any has read past its data.
class BitReader {
public:
    BitReader(const unsigned char* data, long long at, long long size) : data_(data), at_(at), size_(size) {}

    void fill()
    {
        while (bits_ <= 56) {
            unsigned b = 0;
            if (at_ < size_ && !atMarker_) {
                b = data_[at_];
                if (b == 0xFF) {
                    if (at_ + 1 < size_ && data_[at_ + 1] == 0) {
                        at_ += 2;
                    } else {
                        atMarker_ = 1;
                        b = 0;
                        made_ += 8;
                    }
                } else {
                    ++at_;
                }
            } else {
                made_ += 8;
            }
            buffer_ |= static_cast<unsigned long long>(b) << (56 - bits_);
            bits_ += 8;
        }
    }
    // At least 16 bits ready.
    void ensure()
    {
        if (bits_ < 16)
            fill();
    }
    unsigned peek(int n) const { return static_cast<unsigned>(buffer_ >> (64 - n)); }
    void skip(int n)
    {
        buffer_ <<= n;
        bits_ -= n;
    }
    int receive(int n)
    {
        if (n == 0)
            return 0;
        if (bits_ < n)
            fill();
        const int v = static_cast<int>(peek(n));
        skip(n);
        return v;
    }
    // 1 while every bit used came from the data.
    [[nodiscard]] int inside() const { return bits_ >= made_; }
    // At a restart: the remaining bits dropped, then RST0..RST7 must follow (fill bytes before it
    // are passed over).
    [[nodiscard]] int restart()
    {
        buffer_ = 0;
        bits_ = 0;
        made_ = 0;
        atMarker_ = 0;
        while (at_ + 1 < size_ && data_[at_] == 0xFF && data_[at_ + 1] == 0xFF)
            ++at_;
        if (at_ + 1 >= size_ || data_[at_] != 0xFF || data_[at_ + 1] < 0xD0 || data_[at_ + 1] > 0xD7)
            return 0;
        at_ += 2;
        return 1;
    }
    [[nodiscard]] long long position() const { return at_; }

private:
    const unsigned char* data_;
    long long at_, size_;
    unsigned long long buffer_ = 0;
    int bits_ = 0;
    int made_ = 0;
    int atMarker_ = 0;
};

inline int extend(int v, int size) { return v < 1 << (size - 1) ? v - (1 << size) + 1 : v; }

int buildLookup(const HuffmanTable& table, Lookup& lookup)
{
    std::memset(lookup.fast, 0, sizeof lookup.fast);
    if (table.codeCount < 0 || table.codeCount > 256)
        return 0;
    std::memcpy(lookup.symbols, table.symbols, static_cast<size_t>(table.codeCount));
    int k = 0;
    for (int length = 1; length <= 16; ++length) {
        const int n = table.counts[length - 1];
        lookup.offset[length] = n ? k - table.codes[k] : 0;
        lookup.maxCode[length] = n ? table.codes[k + n - 1] : -1;
        for (int i = 0; i < n; ++i, ++k) {
            if (length > kFastBits)
                continue;
            const int shift = kFastBits - length;
            const int first = table.codes[k] << shift;
            for (int j = 0; j < 1 << shift; ++j)
                lookup.fast[first + j] = static_cast<unsigned short>(length << 8 | table.symbols[k]);
        }
    }
    lookup.maxCode[17] = 0x7FFFFFFF;
    for (int i = 0; i < 1 << kFastBits; ++i) {
        lookup.fastAc[i] = 0;
        const int entry = lookup.fast[i], length = entry >> 8, run = entry >> 4 & 15, size = entry & 15;
        if (!entry || !size || length + size > kFastBits)
            continue;
        const int v = extend((i << length & ((1 << kFastBits) - 1)) >> (kFastBits - size), size);
        if (v >= -128 && v <= 127)
            lookup.fastAc[i] = static_cast<short>(v * 256 + run * 16 + length + size);
    }
    return 1;
}

// The next symbol, or -1 when no code of up to 16 bits matches.
inline int decodeSymbol(BitReader& in, const Lookup& table)
{
    in.ensure();
    const unsigned entry = table.fast[in.peek(kFastBits)];
    if (entry) {
        in.skip(static_cast<int>(entry >> 8));
        return static_cast<int>(entry & 0xFF);
    }
    for (int length = kFastBits + 1; length <= 16; ++length) {
        const int code = static_cast<int>(in.peek(length));
        if (code <= table.maxCode[length]) {
            const int index = code + table.offset[length];
            if (index < 0 || index > 255)
                return -1;
            in.skip(length);
            return table.symbols[index];
        }
    }
    return -1;
}

inline unsigned char clampByte(int v) { return static_cast<unsigned char>(v < 0 ? 0 : v > 255 ? 255 : v); }

inline short roundSample(float v)
{
    // Round half up: the offset keeps the truncation on positive numbers; the bounds keep the
    // value a short (without branches, so that rows of samples are rounded side by side).
    float shifted = v + (128.0f + 32768.5f);
    shifted = shifted > 0.0f ? shifted : 0.0f;
    shifted = shifted < 65535.0f ? shifted : 65535.0f;
    return static_cast<short>(static_cast<int>(shifted) - 32768);
}

// A GlobalBlock of the work set with at least `bytes` bytes, locked until release.
void* workBuffer(JpegTableSet& work, int which, long long bytes)
{
    GlobalBlock*& block = work.readerBuffers[which];
    if (!block)
        block = new (std::nothrow) GlobalBlock(256, 1);
    if (!block || bytes > 0x7FFFFFF0 || !block->reserve(static_cast<int>(bytes), 0))
        return nullptr;
    block->count = static_cast<int>(bytes);
    return block->lock();
}

} // namespace

int generateCodes(HuffmanTable& table)
{
    int code = 0, k = 0;
    for (int length = 1; length <= 16; ++length) {
        for (int i = 0; i < table.counts[length - 1]; ++i, ++k) {
            if (k >= 256 || code >= 1 << length)
                return 0;
            table.lengths[k] = static_cast<uint8_t>(length);
            table.codes[k] = code++;
        }
        code <<= 1;
    }
    return k == table.codeCount;
}

void scaleQuantTable(const std::int32_t* quant, float* scaled)
{
    // cos(k pi / 16) sqrt(2) for k > 0, 1 for k = 0: the factors the separable transform leaves
    // out, with the 1/8 of the definition.
    static const double kFactor[8] = {1.0,         1.387039845, 1.306562965, 1.175875602,
                                      1.0,         0.785694958, 0.541196100, 0.275899379};
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 8; ++col)
            scaled[row * 8 + col] = static_cast<float>(quant[row * 8 + col] * kFactor[row] * kFactor[col] / 8.0);
}

namespace {

// The one-dimensional transform of eight vectors at once: v[k][c] is coefficient k of line c; the
// result replaces it, v[x][c] being sample x of line c. Written lane by lane so that the compiler
// can run the eight lines side by side.
void transformLines(float (*v)[8])
{
    for (int c = 0; c < 8; ++c) {
        const float t10 = v[0][c] + v[4][c], t11 = v[0][c] - v[4][c];
        const float t13 = v[2][c] + v[6][c], t12 = (v[2][c] - v[6][c]) * 1.414213562f - t13;
        const float e0 = t10 + t13, e3 = t10 - t13, e1 = t11 + t12, e2 = t11 - t12;
        const float z13 = v[5][c] + v[3][c], z10 = v[5][c] - v[3][c], z11 = v[1][c] + v[7][c], z12 = v[1][c] - v[7][c];
        const float o7 = z11 + z13, o11 = (z11 - z13) * 1.414213562f;
        const float z5 = (z10 + z12) * 1.847759065f;
        const float o10 = 1.082392200f * z12 - z5, o12 = -2.613125930f * z10 + z5;
        const float o6 = o12 - o7, o5 = o11 - o6, o4 = o10 + o5;
        v[0][c] = e0 + o7, v[7][c] = e0 - o7, v[1][c] = e1 + o6, v[6][c] = e1 - o6;
        v[2][c] = e2 + o5, v[5][c] = e2 - o5, v[4][c] = e3 + o4, v[3][c] = e3 - o4;
    }
}

} // namespace

void inverseDct(const short* in, const float* q, short* out, int stride)
{
    // Columns: v[k][c] = coefficient (row k, column c), dequantised and scaled.
    float v[8][8];
    for (int i = 0; i < 64; ++i)
        v[i >> 3][i & 7] = in[i] * q[i];
    transformLines(v);
    // Rows: the columns' results turned so that each row is a line.
    float w[8][8];
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            w[c][r] = v[r][c];
    transformLines(w);
    for (int r = 0; r < 8; ++r, out += stride)
        for (int x = 0; x < 8; ++x)
            out[x] = roundSample(w[x][r]);
}

namespace {

// The colour conversion in 2.14 fixed point, rounded half up: 1.402 (Cr - 128) for red,
// -0.3441 (Cb - 128) - 0.7139 (Cr - 128) for green, 1.7718 (Cb - 128) for blue. Samples are not
// clamped before it; the ones far outside 0..255 are taken at -512..767 (luma) and -256..511
// (chroma), which changes no result.
const int kRedCr = 22970, kGreenCb = -5638, kGreenCr = -11697, kBlueCb = 29029, kHalf = 8192, kShift = 14;

inline int clampTo(int v, int low, int high) { return v < low ? low : v > high ? high : v; }

inline void putPixel(unsigned char* to, int y, int cb, int cr)
{
    y = clampTo(y, -512, 767);
    const int b = clampTo(cb, -256, 511) - 128, r = clampTo(cr, -256, 511) - 128;
    to[2] = clampByte(y + ((kRedCr * r + kHalf) >> kShift));
    to[1] = clampByte(y + ((kGreenCb * b + kGreenCr * r + kHalf) >> kShift));
    to[0] = clampByte(y + ((kBlueCb * b + kHalf) >> kShift));
}

// Eight pixels at once: luma y[0..7], chroma cb/cr[0..7] (already repeated for subsampling),
// written as 24 bytes with 4-byte stores; the byte after the 24th is written too and has to be
// the next pixel's.
inline void putEight(unsigned char* to, __m128i y, __m128i cb, __m128i cr)
{
    const __m128i lowLuma = _mm_set1_epi16(-512), highLuma = _mm_set1_epi16(767);
    const __m128i lowChroma = _mm_set1_epi16(-256), highChroma = _mm_set1_epi16(511), centre = _mm_set1_epi16(128);
    y = _mm_min_epi16(_mm_max_epi16(y, lowLuma), highLuma);
    cb = _mm_sub_epi16(_mm_min_epi16(_mm_max_epi16(cb, lowChroma), highChroma), centre);
    cr = _mm_sub_epi16(_mm_min_epi16(_mm_max_epi16(cr, lowChroma), highChroma), centre);
    const __m128i pairsLow = _mm_unpacklo_epi16(cb, cr), pairsHigh = _mm_unpackhi_epi16(cb, cr);
    const __m128i half = _mm_set1_epi32(kHalf);
    auto term = [&](__m128i weights) {
        const __m128i low = _mm_srai_epi32(_mm_add_epi32(_mm_madd_epi16(pairsLow, weights), half), kShift);
        const __m128i high = _mm_srai_epi32(_mm_add_epi32(_mm_madd_epi16(pairsHigh, weights), half), kShift);
        return _mm_packus_epi16(_mm_add_epi16(y, _mm_packs_epi32(low, high)), _mm_setzero_si128());
    };
    const __m128i red = term(_mm_set1_epi32(kRedCr << 16));
    const __m128i green = term(_mm_set1_epi32(static_cast<int>((static_cast<unsigned>(kGreenCr) << 16) | (kGreenCb & 0xFFFF))));
    const __m128i blue = term(_mm_set1_epi32(kBlueCb));
    const __m128i blueGreen = _mm_unpacklo_epi8(blue, green), redZero = _mm_unpacklo_epi8(red, _mm_setzero_si128());
    __m128i quads[2] = {_mm_unpacklo_epi16(blueGreen, redZero), _mm_unpackhi_epi16(blueGreen, redZero)};
    for (int half4 = 0; half4 < 2; ++half4) {
        __m128i q = quads[half4];
        for (int i = 0; i < 4; ++i, to += 3) {
            const int pixel = _mm_cvtsi128_si32(q);
            std::memcpy(to, &pixel, 4);
            q = _mm_srli_si128(q, 4);
        }
    }
}

inline __m128i load8(const short* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }
// Four samples each repeated: c0 c0 c1 c1 c2 c2 c3 c3.
inline __m128i loadHalved(const short* at)
{
    const __m128i four = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(at));
    return _mm_unpacklo_epi16(four, four);
}

// The colour conversion of one output row; samples[c] point at the component's plane row, ratio[c]
// is how many pixels share one of its samples across.
void convertRow(const ScanSetup& s, const short* const* samples, const int* ratio, unsigned char* to)
{
    const int width = s.width;
    const short* y = samples[0];
    if (s.components == 1) {
        for (int x = 0; x < width; ++x, to += 3)
            to[0] = to[1] = to[2] = clampByte(y[x]);
        return;
    }
    const short *cb = samples[1], *cr = samples[2];
    int x = 0;
    if (ratio[0] == 1 && ratio[1] == 1 && ratio[2] == 1) {
        for (; x + 9 <= width; x += 8, to += 24)
            putEight(to, load8(y + x), load8(cb + x), load8(cr + x));
        for (; x < width; ++x, to += 3)
            putPixel(to, y[x], cb[x], cr[x]);
    } else if (ratio[0] == 1 && ratio[1] == 2 && ratio[2] == 2) {
        for (; x + 9 <= width; x += 8, to += 24)
            putEight(to, load8(y + x), loadHalved(cb + x / 2), loadHalved(cr + x / 2));
        for (; x < width; ++x, to += 3)
            putPixel(to, y[x], cb[x >> 1], cr[x >> 1]);
    } else {
        for (; x < width; ++x, to += 3)
            putPixel(to, y[x / ratio[0]], cb[x / ratio[1]], cr[x / ratio[2]]);
    }
}

// The decoding's progress on the frame's status bar, over its message part: the MCU count as the
// range, moved after each row of MCUs, gone when the scan ends however it ends. Nothing without a
// frame (tests, benchmarks).
class ScanProgress {
public:
    explicit ScanProgress(long long mcuCount)
        : bar(theApplication && theApplication->frame ? theApplication->frame->statusBar : nullptr)
    {
        if (bar)
            bar->pushProgress(kMessagePart, 0, static_cast<int>(mcuCount < INT_MAX ? mcuCount : INT_MAX));
    }
    ~ScanProgress()
    {
        if (bar)
            bar->popRange();
    }
    ScanProgress(const ScanProgress&) = delete;
    ScanProgress& operator=(const ScanProgress&) = delete;

    void show(long long mcu)
    {
        if (bar)
            bar->setProgress(static_cast<int>(mcu < INT_MAX ? mcu : INT_MAX));
    }

private:
    enum { kMessagePart = 2 };
    StatusBar* bar;
};

} // namespace

int decodeScan(const ScanSetup& s, JpegTableSet& work, unsigned char* dib, long long stride, long long& end)
{
    const int n = s.components;
    const int blocksPerLine = (s.width + 7) / 8, blocksPerColumn = (s.height + 7) / 8;
    const int mcusPerLine = (blocksPerLine - 1) / s.maxH + 1, mcuRows = (blocksPerColumn - 1) / s.maxV + 1;
    int planeWidth[3] = {}, blocksInMcu = 0;
    long long planeBytes[3] = {}, sampleBytes = 0;
    for (int c = 0; c < n; ++c) {
        planeWidth[c] = mcusPerLine * s.component[c].h * 8;
        planeBytes[c] = static_cast<long long>(planeWidth[c]) * s.component[c].v * 8 * 2;
        sampleBytes += planeBytes[c];
        blocksInMcu += s.component[c].h * s.component[c].v;
    }
    if (blocksInMcu > kMaxBlocksPerMcu)
        return 0;
    auto* samples = static_cast<short*>(workBuffer(work, kSamples, sampleBytes));
    auto* lookups = static_cast<Lookup*>(workBuffer(work, kLookups, 2LL * n * sizeof(Lookup)));
    auto* scaled = static_cast<float*>(workBuffer(work, kScaledTables, n * 64LL * sizeof(float)));
    auto* blocks = static_cast<short*>(workBuffer(work, kCoefficients, 64LL * kMaxBlocksPerMcu * sizeof(short)));
    int ok = samples && lookups && scaled && blocks;
    short* plane[3] = {};
    int ratio[3] = {1, 1, 1};
    for (int c = 0; ok && c < n; ++c) {
        const ScanSetup::Component& k = s.component[c];
        plane[c] = c == 0 ? samples : plane[c - 1] + planeBytes[c - 1] / 2;
        ratio[c] = s.maxH / k.h;
        ok = k.dc && k.ac && k.quant && buildLookup(*k.dc, lookups[2 * c]) && buildLookup(*k.ac, lookups[2 * c + 1]);
        if (ok)
            scaleQuantTable(k.quant, scaled + 64 * c);
    }

    BitReader in(s.data, s.start, s.size);
    int prediction[3] = {};
    long long mcu = 0;
    const long long mcuCount = static_cast<long long>(mcusPerLine) * mcuRows;
    ScanProgress progress(mcuCount);
    for (int my = 0; ok && my < mcuRows; ++my) {
        for (int mx = 0; ok && mx < mcusPerLine; ++mx, ++mcu) {
            if (s.restartInterval > 0 && mcu > 0 && mcu % s.restartInterval == 0) {
                ok = in.restart();
                prediction[0] = prediction[1] = prediction[2] = 0;
                if (!ok)
                    break;
            }
            // The MCU's blocks, component by component, row by row.
            short* block = blocks;
            int withAc[kMaxBlocksPerMcu] = {};
            int blockIndex = 0;
            for (int c = 0; ok && c < n; ++c) {
                const ScanSetup::Component& k = s.component[c];
                const Lookup& dc = lookups[2 * c];
                const Lookup& ac = lookups[2 * c + 1];
                for (int b = 0; ok && b < k.h * k.v; ++b, block += 64, ++blockIndex) {
                    std::memset(block, 0, 64 * sizeof(short));
                    const int size = decodeSymbol(in, dc);
                    if (size < 0 || size > 11) {
                        ok = 0;
                        break;
                    }
                    prediction[c] += size ? extend(in.receive(size), size) : 0;
                    block[0] = static_cast<short>(prediction[c]);
                    for (int i = 1; i < 64;) {
                        in.ensure();
                        const int fast = ac.fastAc[in.peek(kFastBits)];
                        if (fast) {
                            in.skip(fast & 15);
                            i += fast >> 4 & 15;
                            if (i > 63) {
                                ok = 0;
                                break;
                            }
                            block[kZigzag[i++]] = static_cast<short>(fast >> 8);
                            withAc[blockIndex] = 1;
                            continue;
                        }
                        const int rs = decodeSymbol(in, ac);
                        if (rs < 0) {
                            ok = 0;
                            break;
                        }
                        const int run = rs >> 4, bits = rs & 15;
                        if (bits == 0) {
                            if (run != 15)
                                break;
                            i += 16;
                            continue;
                        }
                        i += run;
                        if (i > 63) {
                            ok = 0;
                            break;
                        }
                        block[kZigzag[i++]] = static_cast<short>(extend(in.receive(bits), bits));
                        withAc[blockIndex] = 1;
                    }
                }
            }
            if (!ok || !in.inside()) {
                ok = 0;
                break;
            }
            block = blocks;
            blockIndex = 0;
            for (int c = 0; c < n; ++c) {
                const ScanSetup::Component& k = s.component[c];
                for (int v = 0; v < k.v; ++v)
                    for (int h = 0; h < k.h; ++h, block += 64, ++blockIndex) {
                        short* to = plane[c] + static_cast<long long>(v) * 8 * planeWidth[c] + (mx * k.h + h) * 8;
                        if (withAc[blockIndex]) {
                            inverseDct(block, scaled + 64 * c, to, planeWidth[c]);
                            continue;
                        }
                        // A block of its DC alone is flat.
                        const short flat = roundSample(block[0] * scaled[64 * c]);
                        for (int r = 0; r < 8; ++r, to += planeWidth[c])
                            for (int x = 0; x < 8; ++x)
                                to[x] = flat;
                    }
            }
        }
        if (!ok)
            break;
        // The MCU row's pixel rows into the picture.
        const int y0 = my * s.maxV * 8;
        for (int dy = 0; dy < s.maxV * 8 && y0 + dy < s.height; ++dy) {
            const short* rows[3];
            for (int c = 0; c < n; ++c)
                rows[c] = plane[c] + static_cast<long long>(dy / (s.maxV / s.component[c].v)) * planeWidth[c];
            convertRow(s, rows, ratio, dib + (s.height - 1 - y0 - dy) * stride);
        }
        progress.show(mcu);
    }
    for (int which : {kSamples, kLookups, kScaledTables, kCoefficients})
        if (work.readerBuffers[which] && work.readerBuffers[which]->lockCount > 0)
            work.readerBuffers[which]->unlock();
    end = in.position();
    return ok && mcu == mcuCount;
}

} // namespace jpeg
