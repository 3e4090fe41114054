#pragma once
#include <functional>
#include <string>

class DibHeaderBlock;
class DoubleRect;
class ImageReaderBase;
class PdfImageResources;
class PdfWriter;
class PsOutput;
class PostScriptWriter;

// The PostScript and PDF output of a picture decoded into a reader's work buffers (a DIB of 1, 4,
// 8 or 24 bits per pixel: ImageReaderBase::header and its pixel block), shared by the readers that
// decode to a DIB (BMP, GIF, JPEG). Rows go out from the top row of the picture to the bottom one
// (the last row of the bottom-up block first), without the rows' padding, as upper-case hex.

// What one output row holds.
enum class DibRowForm {
    kRgb,   // red, green, blue per pixel (palette pictures through their palette)
    kBits,  // a 1-bit picture's bits, (width + 7) / 8 bytes; inverted exactly when palette entry 0
            // is lighter than entry 1, so that a set bit prints white as the screen shows it
    kPlate, // one byte per pixel: 255 - the pixel's ink on a separation plate (0 cyan, 1 magenta,
            // 2 yellow, 3 black) as the RGB colour's ink conversion gives it
};

// Turns the rows of a DIB into output rows of one form.
class DibRowConverter {
public:
    // For the block's header and palette: 0 for a depth other than 1, 4, 8, 24, a form the depth
    // cannot give (bits of a picture of more than 1 bit), or a plate outside 0..3.
    [[nodiscard]] int prepare(const DibHeaderBlock& block, DibRowForm form, int plate);
    // Bytes of one output row.
    [[nodiscard]] long long outputBytes() const;
    // One DIB row (stride bytes, the block's order) into outputBytes() bytes.
    void convert(const unsigned char* row, unsigned char* out) const;

    int width = 0;
    int bits = 0;
    DibRowForm form = DibRowForm::kRgb;
    int invert = 0;
    unsigned char red[256] = {}, green[256] = {}, blue[256] = {};
    unsigned char plateValue[256] = {}; // of each palette entry

private:
    int plate = 0;
};

// 1 when palette entry 0 is lighter than entry 1 (the 1-bit outputs then invert the bits).
[[nodiscard]] int paletteRunsLightToDark(const DibHeaderBlock& block);
// 1 when the colour (red0, green0, blue0) is lighter than (red1, green1, blue1), by luminance.
[[nodiscard]] int isLighter(int red0, int green0, int blue0, int red1, int green1, int blue1);
// 255 - the ink of a colour on plate 0..3 (the RGB colour's ink conversion).
[[nodiscard]] unsigned char plateByte(int red, int green, int blue, int plate);

// Upper-case hex digits of bytes, appended to `text` without separators.
void appendHex(std::string& text, const unsigned char* bytes, long long n);

// The writer of a PostScript output, or null when the output is not the PostScript writer.
[[nodiscard]] PostScriptWriter* postScriptWriterOf(PsOutput& out);

// Writes the decoded picture of `reader` (loaded, with its pixel block) into the rectangle: the
// state saved, "/pictsr N string def", the translation to (min x, max y), the scale to the
// rectangle, the image matrix and operator, the hex rows and a line end, the state restored. The
// writer's mode and plate choose the form: composite modes 0 and 1 write a 1-bit picture with
// "image" and others with "colorimage"; in separations (mode 2) plates 0..3 get an inverted grey
// image of the plate's ink, except that a 1-bit picture prints on the black plate alone, and the
// other plates get the rectangle filled white ("1 _gray"); any other mode writes nothing. 1 on
// success, 0 at the first failed write (the state is restored as far as the writer still takes
// text) or when the rows cannot be had.
[[nodiscard]] int writeDibPostScript(ImageReaderBase& reader, PostScriptWriter& out, const DoubleRect& rect);
// The same on an output that may not be the PostScript writer (0 then, nothing written).
[[nodiscard]] int writeDibPostScript(ImageReaderBase& reader, PsOutput& out, const DoubleRect& rect);

// The PDF image of a decoded picture: a 1-bit picture as its bits in 1-bit "/DeviceGray" (inverted
// as for PostScript), any other as 8-bit "/DeviceRGB" triples (palette pictures through their
// palette), rows top first. `loadPixels` is the reader's own: it fills the work buffers from the
// attached file, 0 when it cannot.
//
// Registers the reader's picture (record kind `recordKind`, known by its file name) with the
// running export in its count pass, measuring its stream, and places it into the rectangle in
// both passes: a file placed many times is one image. 0, with nothing written, when no export
// runs, or the file was neither registered nor readable in the count pass.
[[nodiscard]] int addDibPdfResource(ImageReaderBase& reader, int recordKind, PdfWriter& out, const DoubleRect& rect,
                                    const std::function<int()>& loadPixels);
// Attaches the reader to the file of the export's record `index` and writes its XObject; 0, with
// nothing written, when the file cannot be read or no longer has the size and depth counted.
[[nodiscard]] int writeDibPdfXObject(ImageReaderBase& reader, PdfImageResources& images, int index,
                                     const std::function<int()>& loadPixels);

// Writes a picture streamed from the reader's file (loaded) into the rectangle: in a mode other
// than 0 to 2 nothing (success); else the file opened, the state saved, the placement filled,
// `body` (1 written, 0 a failed write, -1 the file's data ended early: the file is refused with
// the caption), the placement cleared, the file closed, the state restored. 1 on success.
[[nodiscard]] int writeFromFile(ImageReaderBase& reader, PostScriptWriter& out, const DoubleRect& rect,
                                const char* caption, const std::function<int()>& body);
