#pragma once
// The image readers' tests: BMP files made by ImageMagick in a scratch folder together with
// ImageMagick's own reading of each (top-down RGB), the decoded DIB of a reader in the same form,
// little-endian fields of file bytes, and a PostScript writer that keeps its text.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

#include "io/postscript/PostScriptWriter.h"

class DeviceContext;
class DibHeaderBlock;
class MessageBoxScript;
struct IntRect;
class ScratchFolder;

namespace image_test {

struct Sample {
    std::string name;   // "bmp8-40": depth and header size
    std::string path;
    int bits;
    int headerSize;
    int width;
    int height;
    std::string rgb;    // ImageMagick's reading: top-down red, green, blue
};

// 1-, 4-, 8- and 24-bit BMPs of 13 x 7 and 37 x 5 pixels, each with a 40-byte header (BMP3) and
// with ImageMagick's larger one (108 for 1 bit, 124 otherwise), uncompressed; empty when
// ImageMagick failed.
[[nodiscard]] std::vector<Sample> makeBmpSamples(const ScratchFolder& scratch);
// One picture made by ImageMagick: "convert ARGUMENTS FORMAT:FILE" (FILE in the scratch folder).
struct Convert {
    std::string arguments;
    std::string format;
    std::string file;
};
// Runs the jobs in one script; 1 when every one succeeded.
[[nodiscard]] int convertAll(const ScratchFolder& scratch, const std::vector<Convert>& jobs);
// ImageMagick's reading of a picture file as top-down RGB ("" when it failed).
[[nodiscard]] std::string referenceRgb(const ScratchFolder& scratch, const std::string& path);

// A decoded DIB (1, 4, 8 or 24 bits, bottom-up) as top-down RGB through its palette.
[[nodiscard]] std::string decodedRgb(DibHeaderBlock& block);

// A BMP file with a 40-byte header: the palette (blue, green, red entries), then the rows given
// top row first as packed bytes without padding (each padded to 4 bytes and stored bottom-up).
struct PaletteEntry {
    unsigned char red, green, blue;
};
[[nodiscard]] std::string bmpFile(int width, int bits, const std::vector<PaletteEntry>& palette,
                                  const std::vector<std::string>& rowsTopFirst);

// The message boxes shown since the last call, one "text / caption" each ("" for none); the
// boxes are cleared and the file error reporter reset, so that the next refusal shows again.
[[nodiscard]] std::string takeMessages(MessageBoxScript& boxes);

// A picture of 4 x 2 cells as `draw` puts it on a 40 x 20 pixel screen against a page: each
// cell's colour at its centre on the screen and at its centre on the page, the picture's cells
// 10 mm wide from (left, top) millimetres, `pageAt` giving the page's colour at a point in
// millimetres; every channel within `tolerance`.
void expectCellsAsOnScreen(const std::function<int(DeviceContext&, const IntRect&)>& draw,
                           const std::function<COLORREF(double, double)>& pageAt, double left, double top, int tolerance);

// The images poppler's pdfimages finds in a PDF of the scratch folder: "width height colour bits"
// of each placement, one a line, then "distinct N" for the number of image objects.
[[nodiscard]] std::string pdfImageList(const ScratchFolder& scratch, const std::string& name);

[[nodiscard]] std::uint32_t field(const std::string& bytes, size_t at, int size);
void setField(std::string& bytes, size_t at, int size, std::uint32_t value);

// Keeps every byte the writer sends; fails from the write with index failFrom (0-based) on.
class CapturingWriter : public PostScriptWriter {
public:
    int putBytes(const char* bytes, int n) override;
    std::string take();
    std::string text;
    int failFrom = -1;
    int writes = 0;
};

} // namespace image_test
