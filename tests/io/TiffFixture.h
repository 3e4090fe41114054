#pragma once
// TIFF and EPS files for the readers' tests, written here so that every layout, byte order and
// damaged field can be made on purpose: a small TIFF writer, PackBits, the pictures the readers
// draw as top-down RGB, and EPS files plain or in the DOS binary form.
#include <string>
#include <vector>

class DeviceContext;
class TiffImage;

namespace image_test {

struct TiffSpec {
    int width = 1;
    int height = 1;
    std::vector<unsigned> bits{8};   // BitsPerSample, one value per sample (none: no entry)
    int samples = 0;                 // SamplesPerPixel; 0: the number of bits values, no entry for 1
    int photometric = 1;
    int compression = 1;
    int rowsPerStrip = 0;            // 0: one strip and no entry
    bool bigEndian = false;
    bool arraysFirst = false;        // strip arrays and values before the strips, else after them
    bool shortByteCounts = false;    // StripByteCounts as SHORT values
    bool byteCounts = true;
    std::vector<unsigned short> colourMap; // three planes
    unsigned xResolution[2] = {72, 1};
    unsigned yResolution[2] = {72, 1};
    int unit = 0;                    // ResolutionUnit; 0: no entry
    int planar = 0;                  // PlanarConfiguration; 0: no entry
    int fillOrder = 0;               // FillOrder; 0: no entry
    int pages = 1;                   // directories chained, all naming the same strips
    bool noOps = false;              // PackBits with a no-op header before every run
    std::vector<std::string> rows;   // the file rows top first, as stored before packing
};

// The file: "II" or "MM", version 42, the directory with its entries sorted by tag. PackBits
// strips are packed strip by strip (runs may go on across rows).
[[nodiscard]] std::string tiffFile(const TiffSpec& spec);
// An uncompressed RGB TIFF of one colour.
[[nodiscard]] std::string solidTiff(int width, int height, int red, int green, int blue);
// PackBits of the bytes: repeat runs for three or more equal bytes, literal runs otherwise, with
// a no-op header (128) before every run when `noOps` is set.
[[nodiscard]] std::string packBits(const std::string& bytes, bool noOps = false);

// Where the directory and its entries lie in a file of tiffFile: the value field of an entry.
[[nodiscard]] size_t directoryOffset(const std::string& tiff);
[[nodiscard]] size_t entryAt(const std::string& tiff, unsigned tag);

// What a reader shows: the picture drawn 1:1 into a white 24-bit surface, top-down RGB; "" when
// the draw failed.
[[nodiscard]] std::string drawnRgb(TiffImage& reader, int width, int height);

// An EPS file: plain text, or the DOS binary form with the text as its PostScript section and an
// optional TIFF and metafile preview after it.
[[nodiscard]] std::string dosEps(const std::string& postScript, const std::string& tiff, const std::string& metafile);
// A small EPS drawing a filled rectangle over the whole box in a colour ("1 0 0" red), lines
// ending in `lineEnd`.
[[nodiscard]] std::string epsText(int llx, int lly, int urx, int ury, const char* colour, const char* lineEnd = "\n");

} // namespace image_test
