#include "tests/io/ImageFixture.h"

#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

#include "document/FileErrorReporter.h"
#include "platform/DeviceContext.h"
#include "platform/DibHeaderBlock.h"
#include "platform/IntRect.h"
#include "tests/support/DibSurface.h"
#include "platform/GlobalBlock.h"
#include "tests/io/pdf/PdfTestFile.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixScript.h"

namespace image_test {

int convertAll(const ScratchFolder& scratch, const std::vector<Convert>& jobs)
{
    std::string script;
    for (const Convert& job : jobs)
        script += "convert " + job.arguments + " " + job.format + ":" + quotedUnixPath(scratch.pathOf(job.file)) +
                  " || exit 1\n";
    return runUnixScript(script, scratch.pathOf("convert")) == 0;
}

std::string referenceRgb(const ScratchFolder& scratch, const std::string& path)
{
    const std::string out = path + ".rgb";
    const std::string script = "convert " + quotedUnixPath(path) + " -depth 8 -alpha off rgb:" + quotedUnixPath(out) + "\n";
    if (runUnixScript(script, scratch.pathOf("reference")) != 0)
        return "";
    return ScratchFolder::read(out);
}

std::vector<Sample> makeBmpSamples(const ScratchFolder& scratch)
{
    struct Depth {
        int bits;
        const char* options;
        int largeHeader;
    };
    const Depth depths[] = {
        {1, "-type Bilevel", 108},
        {4, "-colors 12 -type Palette", 124},
        {8, "-colors 40 -type Palette -compress None", 124},
        {24, "-type TrueColor", 124},
    };
    const int sizes[][2] = {{13, 7}, {37, 5}};
    std::vector<Sample> samples;
    std::vector<std::pair<std::string, std::string>> jobs;
    std::string script;
    for (const Depth& d : depths)
        for (const auto& size : sizes)
            for (int small : {1, 0}) {
                Sample s;
                s.bits = d.bits;
                s.headerSize = small ? 40 : d.largeHeader;
                s.width = size[0];
                s.height = size[1];
                s.name = "bmp" + std::to_string(d.bits) + "-" + std::to_string(s.headerSize) + "-" +
                         std::to_string(s.width);
                s.path = scratch.pathOf(s.name + ".bmp");
                const std::string source = "-seed " + std::to_string(d.bits + size[0]) + " -size " +
                                           std::to_string(size[0]) + "x" + std::to_string(size[1]) + " plasma:fractal";
                script += "convert " + source + " " + d.options + " " + (small ? "BMP3:" : "BMP:") +
                          quotedUnixPath(s.path) + " || exit 1\n";
                script += "convert " + quotedUnixPath(s.path) + " -depth 8 -alpha off rgb:" +
                          quotedUnixPath(s.path + ".rgb") + " || exit 1\n";
                samples.push_back(s);
            }
    if (runUnixScript(script, scratch.pathOf("samples")) != 0)
        return {};
    for (Sample& s : samples)
        s.rgb = ScratchFolder::read(s.path + ".rgb");
    return samples;
}

std::string decodedRgb(DibHeaderBlock& block)
{
    const BITMAPINFOHEADER& h = *block.header();
    const int width = h.biWidth, height = h.biHeight, bits = h.biBitCount, stride = block.rowStride();
    GlobalBlock* pixels = block.bits();
    if (!pixels || width < 1 || height < 1 || stride < 1)
        return "";
    BlockLock lock(*pixels);
    const auto* base = lock.data<unsigned char>();
    const RGBQUAD* palette = block.palette();
    std::string rgb;
    for (int y = height - 1; y >= 0; --y) {
        const unsigned char* row = base + static_cast<size_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            if (bits == 24) {
                rgb += static_cast<char>(row[3 * x + 2]);
                rgb += static_cast<char>(row[3 * x + 1]);
                rgb += static_cast<char>(row[3 * x]);
                continue;
            }
            int index = 0;
            if (bits == 8)
                index = row[x];
            else if (bits == 4)
                index = x & 1 ? row[x / 2] & 15 : row[x / 2] >> 4;
            else
                index = row[x / 8] >> (7 - x % 8) & 1;
            rgb += static_cast<char>(palette[index].rgbRed);
            rgb += static_cast<char>(palette[index].rgbGreen);
            rgb += static_cast<char>(palette[index].rgbBlue);
        }
    }
    return rgb;
}

std::string bmpFile(int width, int bits, const std::vector<PaletteEntry>& palette, const std::vector<std::string>& rowsTopFirst)
{
    const int stride = (width * bits + 31) / 32 * 4;
    const int height = static_cast<int>(rowsTopFirst.size());
    const int offset = 54 + 4 * static_cast<int>(palette.size());
    std::string bytes(static_cast<size_t>(offset + stride * height), '\0');
    bytes[0] = 'B', bytes[1] = 'M';
    setField(bytes, 2, 4, static_cast<std::uint32_t>(bytes.size()));
    setField(bytes, 10, 4, static_cast<std::uint32_t>(offset));
    setField(bytes, 14, 4, 40);
    setField(bytes, 18, 4, static_cast<std::uint32_t>(width));
    setField(bytes, 22, 4, static_cast<std::uint32_t>(height));
    setField(bytes, 26, 2, 1);
    setField(bytes, 28, 2, static_cast<std::uint32_t>(bits));
    setField(bytes, 46, 4, static_cast<std::uint32_t>(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i) {
        bytes[54 + 4 * i] = static_cast<char>(palette[i].blue);
        bytes[54 + 4 * i + 1] = static_cast<char>(palette[i].green);
        bytes[54 + 4 * i + 2] = static_cast<char>(palette[i].red);
    }
    for (int y = 0; y < height; ++y) {
        const std::string& row = rowsTopFirst[static_cast<size_t>(height - 1 - y)];
        bytes.replace(static_cast<size_t>(offset + y * stride), row.size(), row);
    }
    bytes.resize(static_cast<size_t>(offset + stride * height));
    return bytes;
}

std::string takeMessages(MessageBoxScript& boxes)
{
    std::string shown;
    for (const MessageBoxScript::Box& b : boxes.shown())
        shown += (shown.empty() ? "" : " | ") + b.text + " / " + b.caption;
    boxes.clear();
    theFileErrorReporter.reset();
    return shown;
}

void expectCellsAsOnScreen(const std::function<int(DeviceContext&, const IntRect&)>& draw,
                           const std::function<COLORREF(double, double)>& pageAt, double left, double top, int tolerance)
{
    DibSurface screen(40, 20);
    DeviceContext dc;
    dc.attachHdc(screen.hdc);
    const int drawn = draw(dc, IntRect::fromEdges(0, 0, 40, 20));
    dc.detachHdc();
    ASSERT_EQ(drawn, 1);
    auto within = [&](int a, int b) { return std::abs(a - b) <= tolerance; };
    for (int cy = 0; cy < 2; ++cy)
        for (int cx = 0; cx < 4; ++cx) {
            const COLORREF shown = screen.pixel(10 * cx + 5, 10 * cy + 5);
            const COLORREF printed = pageAt(left + 10.0 * (cx + 0.5), top + 10.0 * (cy + 0.5));
            EXPECT_TRUE(within(GetRValue(shown), GetRValue(printed)) && within(GetGValue(shown), GetGValue(printed)) &&
                        within(GetBValue(shown), GetBValue(printed)))
                << "cell " << cx << "," << cy << std::hex << ": screen " << shown << ", page " << printed;
        }
}

std::string pdfImageList(const ScratchFolder& scratch, const std::string& name)
{
    return pdf_test::run(scratch, "pdfimages -list " + name + " | awk 'NR > 2 {print $4, $5, $6, $8}'") + "distinct " +
           pdf_test::run(scratch, "pdfimages -list " + name + " | awk 'NR > 2 {print $11}' | sort -u | wc -l");
}

std::uint32_t field(const std::string& bytes, size_t at, int size)
{
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(at + i < bytes.size() ? bytes[at + i] : 0);
    return v;
}

void setField(std::string& bytes, size_t at, int size, std::uint32_t value)
{
    for (int i = 0; i < size && at + i < bytes.size(); ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
}

int CapturingWriter::putBytes(const char* bytes, int n)
{
    if (failFrom >= 0 && writes++ >= failFrom)
        return 0;
    text.append(bytes, static_cast<size_t>(n));
    return 1;
}

std::string CapturingWriter::take()
{
    std::string t;
    t.swap(text);
    return t;
}

} // namespace image_test
