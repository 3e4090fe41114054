#pragma once
#include "io/images/ImageReaderBase.h"
#include "platform/LzwDecoder.h"

class DeviceContext;
class DoubleRect;
class PdfImageResources;
class PdfWriter;
class PsOutput;
struct IntRect;

// The reader of GIF files (picture kind 3). Loading decodes the whole picture: the screen
// descriptor, the colour tables, the extensions (read past) and the first image, whose LZW data
// goes through the decoder into a block of the logical screen's size. Drawing and output then
// work on that block like every DIB reader (DibOutput.h).
//
// The decoded picture: the screen's width and height; index 0 wherever the first image does not
// reach; the image placed at its (left, top), cut at the screen's edges, interlaced rows put in
// their places; 1 bit per pixel for a colour resolution of 1 bit, 4 for 2 to 4 bits, 8 for 5 to
// 8 bits (indices that do not fit the depth keep their low bits); the image's local colour table
// when it has one, else the global one, else black. Later images of an animation are read past.
//
// A data stream that ends early (no end code, or the file cut inside the image's data) gives a
// picture padded with index 0. Refused, with "処理できないファイルです。" captioned "GIFエラー":
// another signature, an extension label of 0 or one not handled, a block introducer other than
// "!", "," and ";", a code above the next free code, a file without an image, a screen of more
// than 2^28 pixels or an image larger than that, a screen of more pixels than the data of all the
// file's images can give (lzwMostIndices: checked before the screen is allocated), and a file
// that ends before its first image.
//
// Units: getSize gives millimetres (one pixel is one point); draw takes device pixels; the
// PostScript rectangle is paper millimetres, y downwards.
class GifImage : public ImageReaderBase {
public:
    static constexpr const char* kCaption = "GIFエラー";

    // The fields of the file's descriptors as read.
    struct Header {
        char signature[7] = {};
        int version = 0;                  // 87 or 89
        int screenWidth = 0, screenHeight = 0;
        int globalTable = 0, colourResolution = 0, globalSorted = 0, globalSize = 0;
        unsigned char globalColours[768] = {};
        int left = 0, top = 0, width = 0, height = 0;
        int localTable = 0, interlaced = 0, localSorted = 0, localSize = 0;
        unsigned char localColours[768] = {};
        int minimumCodeSize = 0;
        int trailerSeen = 0;
        int globalBytes = 0, localBytes = 0;
    };

    // The member set of every reader (ImageReaderBase).
    void setSource(const char* path) { (void)attach(path); }
    // Decodes the picture once; 0 after an error.
    [[nodiscard]] int ensureLoaded();
    // The logical screen's size.
    [[nodiscard]] int getPixelSize(int& width, int& height);
    [[nodiscard]] int getSize(double& width, double& height);
    // Stretched into the device rectangle (SRCCOPY); 0 when the picture could not be had.
    [[nodiscard]] int draw(DeviceContext& dc, const IntRect& target);
    // The picture as a PostScript image (DibOutput.h); 0 without writing when the file cannot be
    // read, or at a failed write.
    [[nodiscard]] int writePostScript(PsOutput& out, const DoubleRect& rect);
    // The picture as an image of the running PDF export, registered once per file (DibOutput.h),
    // and its XObject.
    [[nodiscard]] int addPdfResource(PdfWriter& out, const DoubleRect& rect);
    [[nodiscard]] int writePdfXObject(PdfImageResources& out, int index);

    // Bits per pixel of the decoded block for a colour resolution field (0..7).
    [[nodiscard]] static int bitsForResolution(int colourResolution);
    // Image rows in the order an interlaced image sends them: order[i] is the row of the i-th
    // row sent, for a height of at least 1.
    static void interlacedRows(int height, int* order);

    Header gif;
    LzwDecoder lzw;

private:
    enum class Block { kDone, kMore, kFailed };
    [[nodiscard]] int readWholeFile();
    [[nodiscard]] int readFile();
    [[nodiscard]] Block readExtension();
    // An image descriptor and its data: the first one's fields are kept, every one's data is
    // passed over and counted into `paintable`.
    [[nodiscard]] Block readImage();
    // The first image's data through the decoder onto the screen-sized block.
    [[nodiscard]] int decodeFirstImage();
    // Appends the data sub-blocks to the decoder's bytes (or passes over them); `gathered` is
    // the number of data bytes. 0 when the file ends inside them.
    [[nodiscard]] int gatherSubBlocks(int keep, long long& gathered);
    [[nodiscard]] int passSubBlocks();
    // n bytes of the file from the reading position; 0 when it holds fewer.
    [[nodiscard]] int take(void* to, long long n);
    [[nodiscard]] int takeByte(unsigned char& b);
    [[nodiscard]] int placeImage(const unsigned char* indices, long long count);
    void fillDibHeader(int bits);
    // The decoder's compressed bytes and pixel block, given back after loading.
    void releaseDecoderBlocks();

    int imageSeen = 0;
    long long firstData = 0;   // where the first image's data starts
    long long paintable = 0;   // the most pixels the images' data can give (lzwMostIndices)
    const unsigned char* bytes = nullptr;   // the file while it is read
    long long size = 0;
    long long at = 0;
};
