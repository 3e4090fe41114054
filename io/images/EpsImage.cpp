#include "io/images/EpsImage.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "document/FileErrorReporter.h"
#include "geometry/DoubleRect.h"
#include "io/images/DibOutput.h"
#include "io/images/EpsCommentScan.h"
#include "io/images/TiffImage.h"
#include "io/postscript/PostScriptWriter.h"

namespace {

const unsigned char kMagic[4] = {0xC5, 0xD0, 0xD3, 0xC6};
const long long kBinaryHeader = 30;
const double kMmPerPoint = 25.4 / 72;
// The section is copied in pieces of this many bytes.
const long long kCopyPiece = 256 * 1024;
const int kSeparations = 2;

// Makes raster data read by readhexstring white: a plate the file has no ink for.
const char* const kWhiteRaster[] = {
    "systemdict /readhexstring get", "/_rhstrng", "exch", "def", "/readhexstring {_rhstrng exch",
    "length dup 1 sub /_lop exch def", "string", "dup /_strng exch def", "0 1 _lop", "{_strng exch 255 put} for",
    "exch} def",
};
const char* const kPlateNames[] = {"CYAN", "MAGENTA", "YELLOW", "BLACK"};

std::uint32_t littleLong(const unsigned char* b)
{
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

// 1 when [start, start + length) lies in the file after the header.
bool sectionFits(long long start, long long length, long long size)
{
    return start >= kBinaryHeader && length >= 1 && start <= size && length <= size - start;
}

bool overlaps(long long a, long long aLength, long long b, long long bLength)
{
    return a < b + bLength && b < a + aLength;
}

} // namespace

EpsImage::EpsImage() = default;
EpsImage::~EpsImage() = default;

void EpsImage::setSource(const char* path)
{
    if (attach(path)) {
        previewImage.reset();
        coloursRead = 0;
    }
}

TiffImage* EpsImage::previewReader()
{
    if (preview != kTiff)
        return nullptr;
    if (!previewImage) {
        previewImage.reset(new (std::nothrow) TiffImage);
        if (!previewImage)
            return nullptr;
        previewImage->setSource(path());
        previewImage->startOffset = tiffStart;
    }
    return previewImage.get();
}

int EpsImage::readBinaryHeader()
{
    unsigned char b[kBinaryHeader];
    const long long size = fileSize();
    if (!readAt(0, b, kBinaryHeader))
        return 0;
    psStart = littleLong(b + 4);
    psLength = littleLong(b + 8);
    metafileStart = littleLong(b + 12);
    metafileLength = littleLong(b + 16);
    tiffStart = littleLong(b + 20);
    tiffLength = littleLong(b + 24);
    // The checksum (2 bytes) is not checked.
    if (!sectionFits(psStart, psLength, size))
        return 0;
    // A preview outside the file or over the PostScript is none.
    if (tiffStart >= 1 && tiffLength >= 1 && sectionFits(tiffStart, tiffLength, size) &&
        !overlaps(tiffStart, tiffLength, psStart, psLength))
        preview = kTiff;
    else if (metafileStart >= 1 && metafileLength >= 1)
        preview = kMetafile;
    return 1;
}

int EpsImage::readHeader()
{
    binary = 0;
    preview = kNoPreview;
    psStart = psLength = metafileStart = metafileLength = tiffStart = tiffLength = 0;
    const long long size = fileSize();
    unsigned char magic[4] = {};
    if (size >= 4 && !readAt(0, magic, 4))
        return 0;
    binary = size >= 4 && std::equal(magic, magic + 4, kMagic);
    if (binary && !readBinaryHeader())
        return 0;
    if (!binary) {
        psStart = 0;
        psLength = size;
    }
    return 1;
}

int EpsImage::ensureLoaded(int colours)
{
    if (error)
        return 0;
    if (loaded && (coloursRead || !colours))
        return 1;
    if (!openFile())
        return 0;
    int headerRead = readHeader();
    EpsCommentScan scan;
    if (headerRead) {
        // The head of the section, and its tail when the box is "(atend)".
        const long long headBytes = std::min(psLength, kScanBudget + kHiResWindow + 256);
        std::vector<unsigned char> head(static_cast<size_t>(headBytes));
        headerRead = readAt(psStart, head.data(), headBytes);
        if (headerRead)
            scan.scan(head.data(), head.size(), kScanBudget, kHiResWindow, colours);
        if (headerRead && !scan.found && scan.atEnd) {
            const long long tailBytes = std::min(psLength, kScanBudget);
            std::vector<unsigned char> tail(static_cast<size_t>(tailBytes));
            headerRead = readAt(psStart + psLength - tailBytes, tail.data(), tailBytes);
            EpsCommentScan trailer;
            if (headerRead)
                trailer.scan(tail.data(), tail.size(), tailBytes, kHiResWindow, 0);
            scan.found = trailer.found;
            std::copy(trailer.box, trailer.box + 4, scan.box);
        }
    }
    closeFile();
    if (!headerRead)
        return refuse(kCaption);
    const double w = scan.box[2] - scan.box[0], h = scan.box[3] - scan.box[1];
    if (!scan.found || !(w > 0) || !(h > 0)) {
        error = 1;
        dropDecoded();
        if (report)
            theFileErrorReporter.report(FileErrorReporter::kNoData, kNoBox, kCaption);
        return 0;
    }
    std::copy(scan.box, scan.box + 4, box);
    std::copy(scan.processColours, scan.processColours + 4, processColours);
    coloursRead = colours;
    widthMm = w * kMmPerPoint;
    heightMm = h * kMmPerPoint;
    loaded = 1;
    return 1;
}

int EpsImage::getPixelSize(int& width, int& height)
{
    if (!ensureLoaded())
        return 0;
    width = static_cast<int>(std::lround(std::min(box[2] - box[0], 1e9)));
    height = static_cast<int>(std::lround(std::min(box[3] - box[1], 1e9)));
    return 1;
}

int EpsImage::getSize(double& width, double& height)
{
    if (!ensureLoaded())
        return 0;
    width = widthMm;
    height = heightMm;
    return 1;
}

int EpsImage::draw(DeviceContext& dc, const IntRect& target)
{
    if (!ensureLoaded())
        return 0;
    TiffImage* tiff = previewReader();
    return tiff && tiff->draw(dc, target);
}

int EpsImage::addPdfResource(PdfWriter& out, const DoubleRect& rect)
{
    if (!ensureLoaded())
        return 0;
    TiffImage* tiff = previewReader();
    return tiff && tiff->addPdfResource(out, rect);
}

int EpsImage::writePdfXObject(PdfImageResources&, int) { return 0; }

int EpsImage::writeEmbedded(PsOutput& output, const DoubleRect& rect)
{
    PostScriptWriter& out = *postScriptWriterOf(output);
    const int separations = out.separationMode == kSeparations;
    const int plate = out.currentPlate;
    // Everything the file defines, leaves on the stacks or opens goes with the restore.
    if (!out.writeString("/_epsst save def /_epsdc countdictstack def /_epsoc count 1 sub def", 1) ||
        !out.writeString("userdict begin", 1))
        return 0;
    if (separations && !(plate >= 0 && plate < 4 && processColours[plate]))
        for (const char* line : kWhiteRaster)
            if (!out.writeString(line, 1))
                return 0;
    // The saved screen's procedure is loaded, not run: run, it would take its operands from
    // the stack.
    if (separations &&
        !(out.writeString("_cfrq _cang /_cprc load ", 0) && out.writeString(kPlateNames[plate >= 0 && plate < 3 ? plate : 3], 0) &&
          out.writeString(" separatecolor", 1)))
        return 0;
    const double sx = rect.width() / widthMm;
    const double sy = rect.height() / heightMm;
    if (!out.writeString("/showpage{}def", 1) || !out.translate(rect.minX, rect.minY) ||
        !out.scale(sx, out.coordinateMode == 2 ? -sy : sy, 5) || !out.writeReal(-box[0], 2, 0) || !out.writeSpace(0) ||
        !out.writeReal(-box[3], 2, 0) || !out.writeString(" _trs", 1))
        return 0;
    if (!out.writeString("%%BeginDocument: (", 0) || !out.writeString(path(), 0) || !out.writeString(")", 1))
        return 0;
    std::vector<char> piece(static_cast<size_t>(std::min(psLength, kCopyPiece)));
    char last = '\n';
    for (long long done = 0; done < psLength;) {
        const long long n = std::min(psLength - done, kCopyPiece);
        if (!readAt(psStart + done, piece.data(), n))
            return -1;
        if (!out.writeRange(piece.data(), 0, static_cast<int>(n), 0))
            return 0;
        last = piece[static_cast<size_t>(n - 1)];
        done += n;
    }
    // The comment takes a line of its own even after a file without a last line end.
    if (last != '\n' && last != '\r' && !out.lineEnd())
        return 0;
    return out.writeString("%%EndDocument", 1) &&
           out.writeString("count _epsoc sub {pop} repeat countdictstack _epsdc sub {end} repeat _epsst restore", 1);
}

int EpsImage::writePostScript(PsOutput& output, const DoubleRect& rect)
{
    PostScriptWriter* out = postScriptWriterOf(output);
    if (!out || !ensureLoaded(1))
        return 0;
    // A file that shrank under the job is refused.
    return writeFromFile(*this, *out, rect, kCaption, [&] { return writeEmbedded(*out, rect); });
}
