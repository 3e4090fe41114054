#pragma once
#include <cstdint>
#include <functional>

#include "platform/DibHeaderBlock.h"

class DataFile;
class DeviceContext;
class DoubleRect;
class PsOutput;
struct IntRect;

// What every image reader (BmpImage, GifImage, JpegImage, TiffImage, EpsImage) holds and does
// alike. The readers share no virtual table: each is a class of its own with the same member set
// (setSource, ensureLoaded, getPixelSize, getSize, draw, writePostScript, addPdfResource,
// writePdfXObject), and whoever calls them switches on the image kind (ImageReaderSwitch). This
// base holds the state those members work on:
//
// - the file holder, a DataFile made on first use and naming the image file. A reader opens it
//   for each operation that needs the file (openFile) and closes it at the end of that operation
//   (closeFile); between operations no file is held open;
// - three flags: loaded (the header and palette are decoded), error (decoding failed or the file
//   could not be opened: every operation answers 0 at once, touching no file, until setSource
//   attaches another file) and report (failures are shown to the user; set at construction);
// - the work buffers: the header block (a 16-byte prefix of the reader's own, a 40-byte
//   BITMAPINFOHEADER and 256 palette entries) and its pixel block (header.bits()): the decoded
//   picture as a DIB of bottom-up rows, each padded to 4 bytes. Readers that decode to a DIB draw
//   and write from these buffers (DibOutput.h);
// - the placement record of a PostScript image being written (its output, rectangle and corners).
//
// Sizes taken from a file are untrusted: checkImageSize computes them in 64 bits and refuses a
// picture of more than 2^28 pixels, or one larger than the file can hold, before anything is
// allocated.
class ImageReaderBase {
public:
    // The most pixels a picture may have.
    static constexpr long long kMaxPixels = 1LL << 28;
    // What a refused file shows.
    static constexpr const char* kCannotProcess = "処理できないファイルです。";

    // The rectangle a PostScript image is written into: paper millimetres, y downwards.
    struct Placement {
        PsOutput* out = nullptr;
        double minX = 0.0, minY = 0.0, width = 0.0, height = 0.0;
        // Corners (min x, min y), (max x, min y), (max x, max y), (min x, max y).
        double xs[4] = {}, ys[4] = {};
        void set(PsOutput& output, const DoubleRect& rect);
        void clear() { *this = Placement(); }
    };

    ImageReaderBase();
    ~ImageReaderBase();
    ImageReaderBase(const ImageReaderBase&) = delete;
    ImageReaderBase& operator=(const ImageReaderBase&) = delete;

    // Attaches the reader to a file (the holder made on first use). Another name than the one
    // attached drops everything decoded and clears the flags, so that the next operation decodes
    // again; the same name keeps it all. 1 when the name changed.
    int attach(const char* path);
    // The attached path ("" for none).
    [[nodiscard]] const char* path() const;

    // Opens the attached file for reading. A file that cannot be opened is reported once through
    // the file error reporter by the holder and sets the error flag. 0 after an error.
    [[nodiscard]] int openFile();
    void closeFile();
    // The open file's size in bytes; 0 when none is open.
    [[nodiscard]] long long fileSize() const;
    // Positions the reading; 0 when the offset lies beyond the file.
    [[nodiscard]] int seek(long long offset);
    // Little-endian reads at the current position; each answers `fallback` when the file has
    // fewer bytes left.
    [[nodiscard]] unsigned readByte(unsigned fallback = 0);
    [[nodiscard]] unsigned readWord(unsigned fallback = 0);
    [[nodiscard]] std::uint32_t readLong(std::uint32_t fallback = 0);
    // Exactly n bytes at offset into `to`; 0 when the file holds fewer. kDirectRead bytes and more
    // are read in one system call past the block buffer; the next read seeks first.
    static constexpr long long kDirectRead = 64 * 1024;
    [[nodiscard]] int readAt(long long offset, void* to, long long n);

    // Sets the error flag, drops what was decoded and, while the report flag is set, shows "処理で
    // きないファイルです。" with the reader's caption through the file error reporter (error kind 3,
    // shown once until the reporter is reset). Always 0.
    int refuse(const char* caption);
    // 1 when a picture of width x height pixels whose decoded rows take `bytes` bytes may be
    // allocated: both sides at least 1, at most kMaxPixels pixels, and `bytes` within `available`
    // (what the file can hold). Everything in 64 bits.
    [[nodiscard]] static int checkImageSize(long long width, long long height, long long bytes, long long available);

    // The header block's width and height; 0 when nothing is loaded.
    [[nodiscard]] int pixelSize(int& width, int& height) const;
    // Pixels as lengths: one pixel is one point (25.4 / 72 mm).
    static void pixelsToMillimetres(int width, int height, double& widthMm, double& heightMm);
    // Drops the decoded header, palette and pixels and clears the loaded flag.
    void dropDecoded();

    // The frame of a reader's ensureLoaded: 0 after an error, 1 when loaded already; otherwise
    // the file is opened, read() decodes it and the file is closed again. 1 (and loaded) when
    // read() gave 1, -1 when it gave 0 (the reader refuses the file its own way), 0 when the
    // file could not be opened.
    template <typename Read> [[nodiscard]] int loadOnce(Read read)
    {
        if (error)
            return 0;
        if (loaded)
            return 1;
        if (!openFile())
            return 0;
        const int decoded = read();
        closeFile();
        if (!decoded)
            return -1;
        loaded = 1;
        return 1;
    }
    // The decoded picture (header block and pixel block) stretched into the device rectangle
    // with SRCCOPY; 0 when nothing was drawn.
    [[nodiscard]] int drawDecoded(DeviceContext& dc, const IntRect& target);
    // getSize from getPixelSize's result and pixel counts: 0 when it failed.
    [[nodiscard]] static int sizeFromPixels(int got, int width, int height, double& widthMm, double& heightMm);

    DataFile* file = nullptr; // owned; made on first use
    int loaded = 0;
    int error = 0;
    int report = 1;
    DibHeaderBlock header;
    Placement placement;
};
