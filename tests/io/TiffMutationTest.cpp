// Bad input for the TIFF and EPS readers: every truncation of small files of each form and a few
// thousand seeded byte mutations of them are read, drawn and written to PostScript, or refused
// with the reader's messages, without a fault, a hang or an allocation beyond what the file can
// describe.
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "document/FileErrorReporter.h"
#include "geometry/DoubleRect.h"
#include "io/images/EpsImage.h"
#include "io/images/TiffImage.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "tests/io/ImageFixture.h"
#include "tests/io/ImageMutation.h"
#include "tests/io/TiffFixture.h"
#include "tests/support/ByteMutation.h"

using namespace image_test;

namespace {

// A file is read by its reader through every operation; `decoded` is what getPixelSize said.
template <typename Reader> int readThrough(const std::string& path, DeviceContext& dc)
{
    Reader reader;
    reader.setSource(path.c_str());
    int w = 0, h = 0;
    const int decoded = reader.getPixelSize(w, h);
    (void)reader.draw(dc, IntRect::fromEdges(0, 0, 16, 16)); // drawn or not: no fault
    (void)reader.draw(dc, IntRect::fromEdges(0, 0, 7, 3));   // a kept picture drawn again
    CapturingWriter writer;
    DoubleRect rect;
    rect.set(0, 0, 10, 10);
    (void)reader.writePostScript(writer, rect);
    return decoded;
}

// The TIFF and EPS readers take the shared fixture's members with a check of their own: an EPS
// file is refused with its missing-box message too, and a TIFF file may load and fail its draw.
class TiffEpsMutation : public ImageMutation {
protected:
    // One file through its reader in the guard: no fault, only the reader's messages, no block
    // beyond what the file can hold (PackBits expands at most 64 times, a DIB row is at most
    // four times a file row, a band at most 64 KB and a row).
    template <typename Reader> void readChecked(const std::string& bytes, const std::string& what, const char* name)
    {
        const std::string path = scratch.file(name, bytes);
        theFileErrorReporter.reset();
        boxes.clear();
        largestRequest = 0;
        int decoded = -1;
        FaultGuard::Result result = guard.run([&] { decoded = readThrough<Reader>(path, dc); });
        ASSERT_EQ(result.kind, FaultGuard::kReturned) << what << ": " << result.describe();
        ++(decoded == 1 ? decodedCount : refusedCount);
        for (const MessageBoxScript::Box& b : boxes.shown())
            EXPECT_TRUE(b.caption == "TIFFエラー" || b.caption == "EPSエラー") << what << ": " << b.caption;
        EXPECT_LE(largestRequest, 256 * bytes.size() + 70000) << what;
    }

    // Every truncation of the good files, then `rounds` seeded mutations of them.
    template <typename Reader>
    void walk(const std::vector<std::string>& goods, const std::string& interesting, int rounds, unsigned seed,
              const char* extension)
    {
        for (size_t g = 0; g < goods.size(); ++g)
            for (size_t n = 0; n < goods[g].size(); ++n) {
                readChecked<Reader>(goods[g].substr(0, n), "file " + std::to_string(g) + " cut to " + std::to_string(n),
                                    (std::string("cut") + extension).c_str());
                if (HasFatalFailure())
                    return;
            }
        std::mt19937 random(seed);
        for (int round = 0; round < rounds; ++round) {
            const std::string& good = goods[static_cast<size_t>(round) % goods.size()];
            readChecked<Reader>(mutateBytes(good, random, interesting, extension + 1), "round " + std::to_string(round),
                                ("m" + std::to_string(round % 7) + extension).c_str());
            if (HasFatalFailure())
                return;
        }
    }
};

std::vector<std::string> smallTiffs()
{
    std::mt19937 random(2026);
    auto rows = [&](int height, size_t bytes) {
        std::vector<std::string> r;
        for (int y = 0; y < height; ++y) {
            std::string row(bytes, static_cast<char>(y));
            for (size_t i = 0; i < bytes; i += 3)
                row[i] = static_cast<char>(random());
            r.push_back(row);
        }
        return r;
    };
    std::vector<std::string> files;
    TiffSpec s;
    s.width = 9, s.height = 5, s.bits = {1}, s.photometric = 0, s.rows = rows(5, 2);
    files.push_back(tiffFile(s));
    s.compression = 32773, s.rowsPerStrip = 2, s.bigEndian = true;
    files.push_back(tiffFile(s));
    s = TiffSpec();
    s.width = 6, s.height = 4, s.bits = {8}, s.photometric = 3, s.rows = rows(4, 6), s.compression = 32773;
    s.colourMap.assign(768, 0x4321);
    s.rowsPerStrip = 3, s.shortByteCounts = true;
    files.push_back(tiffFile(s));
    s = TiffSpec();
    s.width = 5, s.height = 3, s.bits = {8, 8, 8}, s.photometric = 2, s.rows = rows(3, 15), s.arraysFirst = true;
    s.rowsPerStrip = 1, s.bigEndian = true;
    files.push_back(tiffFile(s));
    s = TiffSpec();
    s.width = 4, s.height = 3, s.bits = {8, 8, 8, 8}, s.photometric = 5, s.rows = rows(3, 16), s.compression = 32773;
    files.push_back(tiffFile(s));
    return files;
}

std::vector<std::string> smallEps()
{
    TiffSpec preview;
    preview.width = 3, preview.height = 2, preview.bits = {8}, preview.rows = {"abc", "def"};
    const std::string ps = epsText(0, 0, 30, 20, "0 1 0");
    std::string hiRes = ps;
    hiRes.insert(hiRes.find("%%Title"), "%%HiResBoundingBox: 0.5 0.5 29.5 19.5\n%%DocumentProcessColors: Cyan\n");
    return {ps, hiRes, dosEps(ps, tiffFile(preview), ""), dosEps(ps, "", "WMF")};
}

} // namespace

TEST_F(TiffEpsMutation, EveryTruncationAndThousandsOfMutatedTiffsDecodeOrAreRefused)
{
    // Bytes that steer the reader: byte orders, types, tags' low bytes, compressions, counts.
    const char interesting[] = "\x00\x01\x02\x03\x04\x05\x08\x2A\x80\x7F\xFF\x81\x01\x11\x17\x40IM";
    walk<TiffImage>(smallTiffs(), std::string(interesting, sizeof interesting - 1), 3000, 20261207, ".tif");
    // Both ways are taken many times: the good files and many mutated ones decode.
    EXPECT_GT(decodedCount, 300);
    EXPECT_GT(refusedCount, 1000);
}

TEST_F(TiffEpsMutation, EveryTruncationAndThousandsOfMutatedEpsFilesAreReadOrRefused)
{
    const char interesting[] = "\x00\x1E\xFF\xC5\xD0\xD3\xC6\r\n :%()9-.e";
    walk<EpsImage>(smallEps(), std::string(interesting, sizeof interesting - 1), 2000, 59, ".eps");
    EXPECT_GT(decodedCount, 500);
    EXPECT_GT(refusedCount, 200);
}
