// PdfFileWriter: the file, the output primitives and the document's objects.
#include "io/pdf/PdfFileWriter.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "io/pdf/PdfFontTable.h"
#include "platform/BufferedFile.h"
#include "platform/ProgressDialog.h"
#include "platform/StringUtil.h"

namespace {
const double kPointsPerMm = 72.0 / 25.4;
// Far beyond any page, well inside what readers parse.
const double kLargestNumber = 1e9;
// Ten digits in an xref entry.
const long long kLargestOffset = 9999999999LL;
// The writer's own buffer: the file gets pieces of this size.
const int kBufferSize = 256 * 1024;
// Pages per intermediate node of the pages tree.
const int kKidsPerNode = 10;

// A byte that a PDF name holds as it is: printable, no white space, no delimiter.
bool isRegularNameByte(unsigned char c)
{
    return c > 0x20 && c < 0x7F && !std::strchr("()<>[]{}/%", c);
}

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
} // namespace

char* PdfFileWriter::formatNumber(double x, int decimals, char* out)
{
    if (std::isnan(x))
        x = 0.0;
    if (x > kLargestNumber)
        x = kLargestNumber;
    else if (x < -kLargestNumber)
        x = -kLargestNumber;
    // The common case without the decimal form: the value scaled to its last decimal and rounded
    // half up gives what the 15-digit form gives unless its fraction lies next to one half.
    static const double scales[] = {1.0, 10.0, 100.0, 1000.0};
    if (decimals >= 0 && decimals <= 3) {
        const double y = std::fabs(x) * scales[decimals];
        const long long whole = static_cast<long long>(y); // y is below 1e12: this is its floor
        const double fraction = y - static_cast<double>(whole);
        if (std::fabs(fraction - 0.5) > y * 1e-13 + 1e-9) {
            const unsigned long long n = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1 : 0);
            // Constant divisors, so that no division instruction is needed.
            unsigned long long integer = n;
            unsigned rest = 0;
            switch (decimals) {
            case 1:
                integer = n / 10, rest = static_cast<unsigned>(n % 10);
                break;
            case 2:
                integer = n / 100, rest = static_cast<unsigned>(n % 100);
                break;
            case 3:
                integer = n / 1000, rest = static_cast<unsigned>(n % 1000);
                break;
            default:
                break;
            }
            int kept = decimals;
            while (kept > 0 && rest % 10 == 0) {
                rest /= 10;
                --kept;
            }
            char* p = out;
            if (n != 0 && std::signbit(x))
                *p++ = '-';
            char digits[24];
            int length = 0;
            do {
                digits[length++] = static_cast<char>('0' + integer % 10);
                integer /= 10;
            } while (integer);
            while (length > 0)
                *p++ = digits[--length];
            if (kept > 0) {
                *p++ = '.';
                for (int i = kept - 1; i >= 0; --i, rest /= 10)
                    p[i] = static_cast<char>('0' + rest % 10);
                p += kept;
            }
            *p = 0;
            return p;
        }
    }
    if (!StringUtil::formatDouble(x, decimals, out, kNumberSize, 1))
        StringUtil::copy(out, kNumberSize, "0"); // within the bounds above it cannot be refused
    return out + std::strlen(out);
}

PdfFileWriter::PdfFileWriter() : faces(pdfFontFaces()), images(*this), fonts(*this) {}

PdfFileWriter::~PdfFileWriter()
{
    if (file)
        (void)file->close(); // a document left open is dropped with its writer
}

void PdfFileWriter::ensureFontFaces()
{
    if (!faces.isCreated())
        faces.create();
}

// --- the file ---

int PdfFileWriter::open(const char* filePath)
{
    if (file)
        (void)file->close(); // a file left from an earlier document is given up
    FileName name;
    file.reset(new (std::nothrow) BufferedFile);
    if (!file || !filePath || !name.setPath(filePath) || !file->openReadWrite(name)) {
        file.reset();
        return 0;
    }
    // The writer collects large pieces itself; each goes to the file in one write.
    file->setBufferedWrite(0);
    buffered = 0;
    if (!buffer)
        buffer.reset(new (std::nothrow) char[kBufferSize]);
    return 1;
}

int PdfFileWriter::flushBuffer()
{
    const int n = buffered;
    buffered = 0;
    return n < 1 || (file && file->write(buffer.get(), n));
}

int PdfFileWriter::close()
{
    shortFileShown = 0;
    if (!file)
        return 0;
    int ok = !failure && flushBuffer() && file->flush();
    if (ok && !file->verifyWritten()) {
        ok = 0;
        shortFileShown = 1;
    }
    ok = file->close() && ok;
    file.reset();
    return ok;
}

int PdfFileWriter::putBytes(const char* bytes, int n)
{
    if (!file)
        return 0;
    if (!buffer)
        return file->write(bytes, n); // no memory for the buffer: straight to the file
    while (n > 0) {
        if (buffered == kBufferSize && !flushBuffer())
            return 0;
        const int chunk = n < kBufferSize - buffered ? n : kBufferSize - buffered;
        std::memcpy(buffer.get() + buffered, bytes, static_cast<size_t>(chunk));
        buffered += chunk;
        bytes += chunk;
        n -= chunk;
    }
    return 1;
}

// --- primitives ---

int PdfFileWriter::writeBytes(const char* data, int n, int newline)
{
    const int total = (n > 0 ? n : 0) + (newline ? 2 : 0);
    if (countOnly) {
        byteCount += total;
        return 1;
    }
    if (failure)
        return 0;
    if ((n > 0 && !putBytes(data, n)) || (newline && !putBytes("\r\n", 2)) || fileOffset + total > kLargestOffset) {
        failure = 1;
        return 0;
    }
    fileOffset += total;
    return 1;
}

int PdfFileWriter::writeString(const char* text, int newline)
{
    return writeBytes(text, text ? static_cast<int>(std::strlen(text)) : 0, newline);
}

int PdfFileWriter::writeRange(const char* buffer, int from, int to, int newline)
{
    if (!buffer || to < from)
        to = from = 0;
    return writeBytes(buffer ? buffer + from : nullptr, to - from, newline);
}

int PdfFileWriter::writeNumber(long long n, int newline)
{
    char text[kNumberSize];
    char* end = text + sizeof text;
    char* p = end;
    const bool negative = n < 0;
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (negative)
        *--p = '-';
    return writeBytes(p, static_cast<int>(end - p), newline);
}

int PdfFileWriter::writeKeyNumber(const char* key, long long n, int newline)
{
    return writeString(key, 0) && writeNumber(n, newline);
}

int PdfFileWriter::writeReal(double x, int decimals, int newline)
{
    char text[kNumberSize];
    return writeBytes(text, static_cast<int>(formatNumber(x, decimals, text) - text), newline);
}

int PdfFileWriter::writeLength(double mm, int decimals, int trailingBlank, int newline)
{
    return writeReal(mm * kPointsPerMm, decimals, 0) && (!trailingBlank || writeSpace(0)) &&
           (!newline || writeNewline());
}

int PdfFileWriter::writeName(const char* name, int newline)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "/";
    for (const char* p = name ? name : ""; *p; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c == '#' && isHexDigit(p[1]) && isHexDigit(p[2])) {
            text += *p; // an escape the table already holds
        } else if (c == '#' || !isRegularNameByte(c)) {
            text += '#';
            text += digits[c >> 4];
            text += digits[c & 15];
        } else {
            text += *p;
        }
    }
    return writeBytes(text.data(), static_cast<int>(text.size()), newline);
}

int PdfFileWriter::beginObject(int number, int withDictionary)
{
    return writeNumber(number, 0) && writeString(" 0 obj", 1) && (!withDictionary || writeString("<<", 1));
}

int PdfFileWriter::endObject(int withDictionary)
{
    return (!withDictionary || writeString(">>", 1)) && writeString("endobj", 1);
}

int PdfFileWriter::writeReference(const char* key, int number, int openBracket, int closeBracket)
{
    return writeString(key, 0) && (!openBracket || writeString("[", 0)) && writeNumber(number, 0) &&
           writeString(closeBracket ? " 0 R]" : " 0 R", 1);
}

int PdfFileWriter::writeLengthEntry(long long length, int openDictionary, int closeDictionary)
{
    return (!openDictionary || writeString("<<", 1)) && writeKeyNumber("/Length ", length, 1) &&
           (!closeDictionary || writeString(">>", 1));
}

// --- state ---

void PdfFileWriter::recordOffset(int number)
{
    if (number < 1 || countOnly)
        return;
    if (number >= static_cast<int>(offsets.size()))
        offsets.resize(static_cast<size_t>(number) + 1, -1);
    offsets[static_cast<size_t>(number)] = fileOffset;
}

void PdfFileWriter::beginCounting()
{
    countOnly = 1;
    byteCount = 0;
}

long long PdfFileWriter::endCounting()
{
    countOnly = 0;
    return byteCount;
}

void PdfFileWriter::resetPageState()
{
    currentStrokeColour = RgbColor(254, 253, 252);
    currentFillColour = RgbColor(254, 253, 252);
    rememberedValue = -1;
    currentLineWidth = 0.0;
}

// --- progress ---

void PdfFileWriter::setProgressRange(int low, int high)
{
    progressHigh = high > low ? high - low : 1;
    progressShown = -1;
    if (progress)
        progress->begin(low, high);
}

void PdfFileWriter::showProgress(int position)
{
    if (!progress)
        return;
    const long long step = static_cast<long long>(position) * 1000 / progressHigh;
    if (step == progressShown)
        return;
    progressShown = step;
    progress->setPosition(position);
}

int PdfFileWriter::cancelRequested() { return progress && progress->cancelled(); }

// --- the document ---

void PdfFileWriter::beginDocument(int count)
{
    pageCount = count > 0 ? count : 0;
    pageWidth = 210.0;
    pageHeight = 297.0;
    countOnly = 0;
    byteCount = 0;
    objectCounter = 0;
    fileOffset = 0;
    xrefOffset = 0;
    failure = 0;
    currentPage = 1;
    offsets.assign(static_cast<size_t>(2 * pageCount + 8 + intermediateNodeCount()), -1);
    images.reset();
    fonts.reset();
    resetPageState();
}

void PdfFileWriter::setPageSize(double width, double height)
{
    pageWidth = width;
    pageHeight = height;
}

int PdfFileWriter::writeHeader() { return writeString("%PDF-1.2", 1); }

void PdfFileWriter::allocatePageObjects()
{
    objectCounter = 2 * pageCount;
    resourcesObject = allocateObjectNumber();
    extGStateObject = allocateObjectNumber();
    firstNodeObject = objectCounter + 1;
    objectCounter += intermediateNodeCount();
    rootObject = allocateObjectNumber();
    infoObject = allocateObjectNumber();
    catalogObject = allocateObjectNumber();
}

int PdfFileWriter::writeBody()
{
    allocatePageObjects();
    for (int page = 1; page <= pageCount; ++page)
        if (!writePage(page))
            return 0;
    if (!writeResources() || !writeExtGState() || !images.writeObjects() || !fonts.writeFonts())
        return 0;
    for (int node = 0; node < intermediateNodeCount(); ++node)
        if (!writeIntermediateNode(node))
            return 0;
    return writePagesRoot() && writeInfo() && writeCatalog();
}

int PdfFileWriter::writePage(int page)
{
    currentPage = page;
    beginCounting();
    const int counted = writePageContent(page);
    const long long length = endCounting();
    if (!counted)
        return 0;
    const int contents = 2 * page - 1;
    recordOffset(contents);
    if (!beginObject(contents, 0) || !writeLengthEntry(length, 1, 1) || !beginStream())
        return 0;
    const long long start = fileOffset;
    if (!writePageContent(page) || failure)
        return 0;
    // Both passes must agree, or the stream's length would be wrong.
    if (fileOffset - start != length) {
        failure = 1;
        return 0;
    }
    if (!endStream() || !endObject(0))
        return 0;
    const int parent = pageCount > kKidsPerNode ? firstNodeObject + (page - 1) / kKidsPerNode : rootObject;
    recordOffset(2 * page);
    return beginObject(2 * page, 1) && writeString("/Type /Page", 1) && writeReference("/Parent ", parent, 0, 0) &&
           writeReference("/Resources ", resourcesObject, 0, 0) && writeReference("/Contents ", contents, 0, 0) &&
           endObject(1);
}

int PdfFileWriter::writeResources()
{
    recordOffset(resourcesObject);
    if (!beginObject(resourcesObject, 1) || !writeString("/ProcSet [/PDF ", 0) ||
        (fonts.resourceCount() > 0 && !writeString("/Text ", 0)) ||
        (images.hasGreyImage() && !writeString("/ImageB ", 0)) ||
        (images.hasColourImage() && !writeString("/ImageC ", 0)) || !writeString("]", 1))
        return 0;
    if (images.count() > 0) {
        if (!writeString("/XObject <<", 1))
            return 0;
        for (int i = 0; i < images.count(); ++i)
            if (!images.writeImageName(i, 1, 1) || !writeNumber(images.imageRecord(i)->objectNumber, 0) ||
                !writeString(" 0 R", 1))
                return 0;
        if (!writeString(">>", 1))
            return 0;
    }
    if (fonts.resourceCount() > 0) {
        if (!writeString("/Font <<", 1))
            return 0;
        for (int n = 1; n <= fonts.resourceCount(); ++n)
            if (!writeString("/G", 0) || !writeNumber(n, 0) || !writeSpace(0) ||
                !writeNumber(fonts.fontObjectForResource(n), 0) || !writeString(" 0 R", 1))
                return 0;
        if (!writeString(">>", 1))
            return 0;
    }
    return writeString("/ExtGState <<", 1) && writeReference("/GS1 ", extGStateObject, 0, 0) && writeString(">>", 1) &&
           endObject(1);
}

int PdfFileWriter::writeExtGState()
{
    recordOffset(extGStateObject);
    return beginObject(extGStateObject, 1) && writeString("/Type /ExtGState", 1) && writeString("/SA false", 1) &&
           writeString("/OP false", 1) && writeString("/HT /Default", 1) && endObject(1);
}

int PdfFileWriter::writeKids(int first, int count, int step)
{
    if (count == 1)
        return writeReference("/Kids ", first, 1, 1);
    if (!writeString("/Kids [", 0))
        return 0;
    for (int i = 0; i < count; ++i)
        if (!writeNumber(first + i * step, 0) || !writeString(i + 1 < count ? " 0 R " : " 0 R]", 0))
            return 0;
    return writeNewline();
}

int PdfFileWriter::writeIntermediateNode(int node)
{
    const int firstPage = node * kKidsPerNode + 1;
    const int kids = pageCount - firstPage + 1 < kKidsPerNode ? pageCount - firstPage + 1 : kKidsPerNode;
    const int number = firstNodeObject + node;
    recordOffset(number);
    return beginObject(number, 1) && writeString("/Type /Pages", 1) && writeKids(2 * firstPage, kids, 2) &&
           writeKeyNumber("/Count ", kids, 1) && writeReference("/Parent ", rootObject, 0, 0) && endObject(1);
}

int PdfFileWriter::writePagesRoot()
{
    recordOffset(rootObject);
    const int nodes = intermediateNodeCount();
    if (!beginObject(rootObject, 1) || !writeString("/Type /Pages", 1))
        return 0;
    // An empty document still lists its (empty) kids.
    const int kidsWritten = nodes > 0 ? writeKids(firstNodeObject, nodes, 1)
                            : pageCount > 0 ? writeKids(2, pageCount, 2)
                                            : writeString("/Kids []", 1);
    return kidsWritten && writeKeyNumber("/Count ", pageCount, 1) && writeString("/MediaBox [0 0 ", 0) &&
           writeLength(pageWidth, 0, 1, 0) && writeLength(pageHeight, 0, 0, 0) && writeString("]", 1) && endObject(1);
}

int PdfFileWriter::writeInfo()
{
    recordOffset(infoObject);
    return beginObject(infoObject, 1) && writeString("/Creator (Tesvan Corporation)", 1) && endObject(1);
}

int PdfFileWriter::writeCatalog()
{
    recordOffset(catalogObject);
    return beginObject(catalogObject, 1) && writeString("/Type /Catalog", 1) &&
           writeReference("/Pages ", rootObject, 0, 0) && endObject(1);
}

int PdfFileWriter::writeXref()
{
    xrefOffset = fileOffset;
    if (!writeString("xref", 1) || !writeString("0 ", 0) || !writeNumber(objectCounter + 1LL, 1) ||
        !writeString("0000000000 65535 f", 1))
        return 0;
    // One entry of 20 bytes per object; an object that was never written is a free entry, so
    // that the table keeps its size.
    std::string entries;
    entries.reserve(static_cast<size_t>(objectCounter) * 20);
    char entry[24];
    for (int number = 1; number <= objectCounter; ++number) {
        const long long at = number < static_cast<int>(offsets.size()) ? offsets[static_cast<size_t>(number)] : -1;
        if (at < 0)
            std::memcpy(entry, "0000000000 65535 f\r\n", 20);
        else
            std::snprintf(entry, sizeof entry, "%010lld 00000 n\r\n", at);
        entries.append(entry, 20);
    }
    return writeBytes(entries.data(), static_cast<int>(entries.size()), 0);
}

int PdfFileWriter::writeTrailer()
{
    return writeString("trailer", 1) && writeString("<<", 1) && writeKeyNumber("/Size ", objectCounter + 1LL, 1) &&
           writeReference("/Root ", catalogObject, 0, 0) && writeReference("/Info ", infoObject, 0, 0) &&
           writeString(">>", 1) && writeString("startxref", 1) && writeNumber(xrefOffset, 1) &&
           writeString("%%EOF", 1);
}

void PdfFileWriter::endDocument()
{
    images.reset();
    fonts.reset();
    offsets.clear();
    offsets.shrink_to_fit();
}

int PdfFileWriter::writeDocument(int count, double width, double height)
{
    running = 1;
    ensureFontFaces();
    beginDocument(count);
    setPageSize(width, height);
    const int written = writeHeader() && writeBody() && writeXref() && writeTrailer();
    endDocument();
    running = 0;
    return written && !failure;
}
