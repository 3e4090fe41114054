#pragma once
// What the image readers register and write through.

class DoubleRect;

// One image resource of a PDF document: an image XObject named "/Im" and its resource number.
struct PdfImageRecord {
    // The image's source: the writer's own bitmap, or the reader of a file kind.
    enum Kind { kOwnBitmap = 11, kBmp = 12, kGif = 15, kJpeg = 17, kTiff = 21 };
    // Colour kinds that count as colour images; any other counts as grey.
    enum ColourKind { kRgb = 3, kCmyk = 4 };

    int kind = 0;
    char fileName[256] = {};       // the image file; reader images are found by it
    int colourKind = 0;
    int bitsPerPixel = 0;
    int width = 0;
    int height = 0;
    int rowStride = 0;
    long long streamLength = 0;    // bytes of the hex stream with its closing ">" and line end
    int resourceNumber = 0;        // given by the writer: 0 for the first image ("/Im0")
    int objectNumber = 0;          // given by the writer
    long long offset = 0;          // the object's file offset, set when it is written
    // For the readers' own use (the TIFF reader: where its data starts, whether indices go
    // through a colour map).
    long long dataOffset = 0;
    int colourMapped = 0;
};

// The image resources of the running PDF export, as the image readers use them.
//
// A reader registers its image in the count pass of a page (isCounting): it measures its hex
// stream (beginMeasure, its bytes through writeHexBytes, endMeasure), then adds a record for its
// file unless findImageByName finds one; in both passes it places the image with placeImage.
// After the pages the writer makes a reader of the record's kind and asks it for the XObject:
// beginImageObject, the same bytes through writeHexBytes, endImageObject. The writer groups the
// hex digits, so that both passes give the same bytes.
//
// Every write answers 1, or 0 when it failed (the writer keeps the failure).
class PdfImageResources {
public:
    virtual ~PdfImageResources() = default;

    // 1 in a page's count pass: the pass in which images are registered.
    [[nodiscard]] virtual int isCounting() const = 0;
    // The index of the image of that file, -1 when none.
    [[nodiscard]] virtual int findImageByName(const char* fileName) const = 0;
    // Appends a reader's image; the writer gives it its object and resource numbers. Its index,
    // or -1 when it could not be added.
    [[nodiscard]] virtual int addImageRecord(const PdfImageRecord& record) = 0;
    // The record at an index; null outside the table.
    [[nodiscard]] virtual const PdfImageRecord* imageRecord(int index) const = 0;
    // The image drawn into the rectangle (paper millimetres, y downwards): "n", "/GS1 gs", "q",
    // the matrix, "/Im" k " Do", "Q".
    [[nodiscard]] virtual int placeImage(int index, const DoubleRect& rect) = 0;

    // Measuring: nothing reaches the file between the two; endMeasure writes the closing ">"
    // and gives the stream's length.
    virtual void beginMeasure() = 0;
    [[nodiscard]] virtual long long endMeasure() = 0;
    // The record's XObject: its dictionary (size, bits per component, colour space such as
    // "/DeviceRGB", "/ASCIIHexDecode", the measured length) and "stream"; endImageObject writes
    // the closing ">", "endstream" and "endobj".
    [[nodiscard]] virtual int beginImageObject(int index, const char* colourSpace, int bitsPerComponent) = 0;
    [[nodiscard]] virtual int endImageObject() = 0;
    // Image bytes as upper-case hex pairs in groups of three bytes, seven groups to a line.
    [[nodiscard]] virtual int writeHexBytes(const unsigned char* bytes, int n) = 0;
};
