#pragma once
#include "io/images/ImageReaderBase.h"
#include "platform/JpegTableSet.h"

class DeviceContext;
class DoubleRect;
class PdfImageResources;
class PdfWriter;
class PsOutput;
struct IntRect;

// The reader of JPEG files (picture kind 4, "JPEG"): baseline sequential DCT with Huffman coding,
// one or three components (grey or YCbCr) of 8-bit samples, every component in one interleaved
// scan, sampling factors 1 to 4 that divide the largest ones, restart intervals. Loading decodes
// the whole picture into a 24-bit DIB (JpegScan.h), kept until another file or another frame is
// chosen. The JFIF segment's density fields are read and kept; other APPn segments, comments and
// unknown markers are passed over.
//
// Frame choice: 0 takes the file's first frame; 1 takes a second frame header when the file has
// one (two pictures concatenated, a thumbnail), else the first. getPixelSize and getSize choose 1;
// draw chooses the drawing mode it is given; PostScript output always writes frame 0 (stretched
// to the rectangle the caller sized by frame 1) and then gives the choice back.
//
// A frame that cannot be decoded is passed over up to the next EOI and reading goes on after it.
// When no picture was decoded the file is refused with a message box "処理できないファイルです。"
// captioned "JPEGエラー", shown every time: no SOI, progressive and other non-baseline frames, a
// precision other than 8, other component counts, sampling factors of 0 or above 4 or that do not
// divide the largest, table classes or numbers out of range, Huffman counts past 256 or that give
// no valid codes, a scan of other components than the frame's, a scan before its frame or naming
// a missing table, broken entropy data, a file that ends early, and pictures of more than 2^28
// pixels or more than the file can hold.
//
// Units: getSize gives millimetres (one pixel is one point); draw takes device pixels; the
// PostScript rectangle is paper millimetres, y downwards.
class JpegImage : public ImageReaderBase, public JpegTableSet {
public:
    static constexpr const char* kCaption = "JPEGエラー";

    struct Frame {
        int marker = 0, precision = 0, height = 0, width = 0, components = 0;
        struct Component {
            int id = 0, h = 1, v = 1, quant = 0;
        } component[3];
        int maxH = 1, maxV = 1;
    };
    struct Scan {
        int components = 0;
        struct Component {
            int id = 0, dc = 0, ac = 0;
        } component[4];
        int spectralStart = 0, spectralEnd = 0, approximation = 0;
    };
    struct Jfif {
        int major = 0, minor = 0, unit = 0, xDensity = 0, yDensity = 0;
    };

    JpegImage();

    // The member set of every reader (ImageReaderBase).
    void setSource(const char* path);
    // Another choice than the one decoded discards the picture, unless both give the same frame.
    void selectFrame(int choice);
    // Decodes the picture of the current frame choice once; 0 after an error.
    [[nodiscard]] int ensureLoaded();
    [[nodiscard]] int getPixelSize(int& width, int& height);
    // 0 unless both lengths exceed 0.1 mm.
    [[nodiscard]] int getSize(double& width, double& height);
    // Frame `drawingMode` (0 or 1) stretched into the device rectangle (SRCCOPY).
    [[nodiscard]] int draw(DeviceContext& dc, const IntRect& target, int drawingMode);
    // Frame 0 as a PostScript image (DibOutput.h); the choice is given back afterwards.
    [[nodiscard]] int writePostScript(PsOutput& out, const DoubleRect& rect);
    // Frame 0 as an image of the running PDF export, registered once per file, and its XObject.
    [[nodiscard]] int addPdfResource(PdfWriter& out, const DoubleRect& rect);
    [[nodiscard]] int writePdfXObject(PdfImageResources& out, int index);

    // Gives back one of the work buffers (JpegTableSet::readerBuffers); installed as
    // jpegBufferRelease.
    static void releaseBuffer(JpegTableSet& set, int buffer);

    int frameChoice = 0;
    int frameCount = 0;     // frame headers in the file, once loaded
    Frame frames[2];
    Scan scan;
    Jfif jfif;
    int restartInterval = 0;

private:
    enum class Segment { kGoOn, kPicture, kFailed, kEnd };
    [[nodiscard]] int decodeFile();
    [[nodiscard]] int decodeFrom(int choice);
    [[nodiscard]] Segment readFrame(const unsigned char* at, int length, Frame& frame);
    [[nodiscard]] int readHuffmanTables(const unsigned char* at, int length);
    [[nodiscard]] int readQuantTables(const unsigned char* at, int length);
    [[nodiscard]] int decodeScanAt(long long at, int length, const Frame& frame, long long& end);
    void readJfif(const unsigned char* at, int length);
    void countFrames();
    // write() with frame 0 decoded, the choice given back afterwards.
    template <typename Write> int withFirstFrame(Write write)
    {
        const int choice = frameChoice;
        selectFrame(0);
        const int written = write();
        selectFrame(choice);
        return written;
    }

    const unsigned char* bytes = nullptr;   // the file while it is decoded
    long long size = 0;
    // Which frame a picture decoded with the current choice shows (0 or 1).
    int decodedFrame = 0;
};
