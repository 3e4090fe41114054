#pragma once
#include <memory>
#include <vector>

#include "document/PdfExportJob.h"
#include "io/pdf/PdfFontTable.h"
#include "io/pdf/PdfImageTable.h"
#include "io/postscript/FontFaceMap.h"
#include "platform/FileName.h"
#include "platform/RgbColor.h"

class BufferedFile;
class ProgressDialog;

// The writer of a whole drawing as one uncompressed PDF 1.2 file: the header, one content stream
// and one page object per page, one shared resources object, an ExtGState, the image XObjects,
// the fonts, a pages tree whose intermediate nodes hold at most 10 pages, Info, Catalog, the
// cross-reference table and the trailer. It is the content writer the shapes call while a
// document is written (isRunning), and its path (FileName) is the file of the last export.
//
// Object numbers: for n pages, page i's contents stream is 2i - 1 and its page object 2i; then
// the resources (2n + 1), the ExtGState, the intermediate nodes (only when n > 10), the root
// node, Info and Catalog; images and fonts take the numbers that follow, in the order the
// pages' count passes meet them. The cross-reference table is indexed by object number.
//
// Each page's content is produced twice by writePageContent: first in count-only mode, which
// only adds up the bytes (the stream's length), then into the file. Both passes must give the
// same bytes; a page whose second pass differs fails the document rather than leave a wrong
// length in the file.
//
// Units: coordinates are paper millimetres with y downwards, written as points (x 72 / 25.4)
// with y measured from the bottom of the page. Numbers are rounded half up and written without
// trailing zeros. Every write answers 1, or 0 once a write to the file failed: the writer keeps
// the failure (failed()) until the next document, and every later write answers 0.
class PdfFileWriter : public PdfExportJob, public FileName {
public:
    PdfFileWriter();
    ~PdfFileWriter() override;
    PdfFileWriter(const PdfFileWriter&) = delete;
    PdfFileWriter& operator=(const PdfFileWriter&) = delete;

    // --- PdfWriter: the content operators ---
    [[nodiscard]] int isRunning() const override { return running; }
    [[nodiscard]] int endPath() override { return writeString("n", 1); }
    [[nodiscard]] int closePath() override { return writeString("h", 1); }
    [[nodiscard]] int stroke() override { return writeString("S", 1); }
    [[nodiscard]] int fill() override { return writeString("f", 1); }
    [[nodiscard]] int saveState() override { return writeString("q", 1); }
    [[nodiscard]] int restoreState() override { return writeString("Q", 1); }
    [[nodiscard]] int clip() override { return writeString("W", 1); }
    [[nodiscard]] int moveTo(double x, double y) override;
    [[nodiscard]] int lineTo(double x, double y) override;
    [[nodiscard]] int curveTo(double x1, double y1, double x2, double y2, double x3, double y3) override;
    [[nodiscard]] int setLineWidth(double width) override;
    [[nodiscard]] int setDash(int count, double length, double dash, double gap, double dot) override;
    [[nodiscard]] int setStrokeColor(const RgbColor& colour, double tint) override;
    [[nodiscard]] int setFillColor(const RgbColor& colour, double tint) override;
    [[nodiscard]] int setGraphicsState() override { return writeString("/GS1 gs", 1); }
    [[nodiscard]] int beginText() override { return writeString("BT", 1); }
    [[nodiscard]] int endText() override { return writeString("ET", 1); }
    [[nodiscard]] int setTextMatrix(double a, double b, double c, double d, double e, double f) override;
    [[nodiscard]] int setCharSpacing(double value) override;
    [[nodiscard]] int setWordSpacing(double value) override;
    [[nodiscard]] int showText(const char* text) override;
    [[nodiscard]] int showText(const char* text, int from, int to) override;
    [[nodiscard]] int selectFont(const char* face, int style) override;
    [[nodiscard]] int drawImage(const DibImage& image, const DoubleRect& rect) override;
    [[nodiscard]] PdfImageResources* imageResources() override { return &images; }
    // "cm" with the six numbers as given.
    [[nodiscard]] int concatMatrix(double a, double b, double c, double d, double e, double f);

    // --- the document, in this order ---
    // Opens (creating) the file the document goes to; 0 when it cannot be made.
    [[nodiscard]] int open(const char* filePath);
    // The page count and fresh tables, counters and colours; the page size 210 x 297 mm.
    void beginDocument(int count);
    void setPageSize(double width, double height);
    [[nodiscard]] int writeHeader();
    // The pages, the resources, the ExtGState, the images, the fonts, the pages tree, Info and
    // Catalog; the first failed write ends it.
    [[nodiscard]] int writeBody();
    [[nodiscard]] int writeXref();
    [[nodiscard]] int writeTrailer();
    void endDocument();
    // Flushes, checks that the file holds every byte written ("ファイル出力に失敗しました" when
    // it does not) and closes it; 1 only when all of that succeeded.
    [[nodiscard]] int close();
    // 1 when the last close found the file short and has told the user so.
    [[nodiscard]] int closeReported() const { return shortFileShown; }
    // beginDocument to endDocument on the open file, running (isRunning) throughout.
    [[nodiscard]] int writeDocument(int count, double width, double height);

    // --- primitives (newline adds CR LF) ---
    [[nodiscard]] int writeBytes(const char* data, int n, int newline);
    [[nodiscard]] int writeString(const char* text, int newline);
    [[nodiscard]] int writeRange(const char* buffer, int from, int to, int newline);
    [[nodiscard]] int writeNewline() { return writeBytes(nullptr, 0, 1); }
    [[nodiscard]] int writeSpace(int newline) { return writeBytes(" ", 1, newline); }
    [[nodiscard]] int writeNumber(long long n, int newline);
    [[nodiscard]] int writeKeyNumber(const char* key, long long n, int newline);
    // Rounded half up to `decimals`, without trailing zeros; a value beyond +-1e9 is written at
    // that bound, one that is not a number as 0.
    [[nodiscard]] int writeReal(double x, int decimals, int newline);
    // The same text into `out` (kNumberSize bytes); the end of the text.
    enum { kNumberSize = 64 };
    static char* formatNumber(double x, int decimals, char* out);
    // Millimetres as points; writeY measures from the bottom of the page.
    [[nodiscard]] int writeLength(double mm, int decimals, int trailingBlank, int newline);
    [[nodiscard]] int writeX(double mm, int decimals, int trailingBlank, int newline)
    {
        return writeLength(mm, decimals, trailingBlank, newline);
    }
    [[nodiscard]] int writeY(double mm, int decimals, int trailingBlank, int newline)
    {
        return writeLength(pageHeight - mm, decimals, trailingBlank, newline);
    }
    // "/" and the name; bytes a PDF name cannot hold as they are become #xx escapes (an escape
    // already in the name stays).
    [[nodiscard]] int writeName(const char* name, int newline);
    [[nodiscard]] int beginObject(int number, int withDictionary);
    [[nodiscard]] int endObject(int withDictionary);
    // key, "[" when asked, number, " 0 R]" or " 0 R", CR LF.
    [[nodiscard]] int writeReference(const char* key, int number, int openBracket, int closeBracket);
    [[nodiscard]] int writeLengthEntry(long long length, int openDictionary, int closeDictionary);
    [[nodiscard]] int beginStream() { return writeString("stream", 1); }
    [[nodiscard]] int endStream() { return writeString("endstream", 1); }

    // --- state ---
    // The next object number (images and fonts register theirs during the count passes).
    [[nodiscard]] int allocateObjectNumber() { return ++objectCounter; }
    // The object starts here in the file.
    void recordOffset(int number);
    [[nodiscard]] int isCounting() const { return countOnly; }
    // Count-only mode on with a fresh count, and back; the bytes counted in between.
    void beginCounting();
    [[nodiscard]] long long endCounting();
    [[nodiscard]] long long bytesWritten() const { return fileOffset; }
    [[nodiscard]] int failed() const { return failure; }
    [[nodiscard]] int objectCount() const { return objectCounter; }

    // The PDF font-face table: made on first use with the PDF defaults (or read from the
    // settings file), kept for the whole run.
    [[nodiscard]] FontFaceMap& fontFaces() { return faces; }
    // made with its installed faces when it was not yet.
    void ensureFontFaces();

    double pageWidth = 210.0;      // millimetres
    double pageHeight = 297.0;
    int pageCount = 0;
    int currentPage = 1;
    RgbColor currentStrokeColour = RgbColor(254, 253, 252);
    RgbColor currentFillColour = RgbColor(254, 253, 252);
    int rememberedValue = -1;
    double currentLineWidth = 0.0;
    // The progress window of the running export, or null.
    ProgressDialog* progress = nullptr;

protected:
    // Writes page `page`'s content (1-based); run twice per page, first while counting. 0 when
    // a write failed.
    [[nodiscard]] virtual int writePageContent(int page) = 0;
    // Where every byte written goes; 0 when it could not be written.
    [[nodiscard]] virtual int putBytes(const char* bytes, int n);
    // The progress bar: its range and the position shown (only changes of a thousandth of the
    // range reach the window); 1 once the user asked to stop.
    virtual void setProgressRange(int low, int high);
    virtual void showProgress(int position);
    [[nodiscard]] virtual int cancelRequested();

    // Colours and the line width as a page starts, so that its first ones are always written.
    void resetPageState();

private:
    friend class PdfImageTable;
    friend class PdfFontTable;

    void allocatePageObjects();
    [[nodiscard]] int writePage(int page);
    [[nodiscard]] int writeResources();
    [[nodiscard]] int writeExtGState();
    [[nodiscard]] int writeKids(int first, int count, int step);
    [[nodiscard]] int writeIntermediateNode(int node);
    [[nodiscard]] int writePagesRoot();
    [[nodiscard]] int writeInfo();
    [[nodiscard]] int writeCatalog();
    [[nodiscard]] int writeColour(const RgbColor& colour, double tint, const char* op);
    [[nodiscard]] int writeEscaped(const char* text, int from, int to);
    [[nodiscard]] char* appendPoint(char* p, double x, double y) const;
    [[nodiscard]] int intermediateNodeCount() const { return pageCount > 10 ? (pageCount + 9) / 10 : 0; }

    // Sends what the buffer holds to the file; 0 when that failed.
    [[nodiscard]] int flushBuffer();

    std::unique_ptr<BufferedFile> file;
    std::unique_ptr<char[]> buffer;
    int buffered = 0;
    int running = 0;
    int shortFileShown = 0;
    int countOnly = 0;
    int failure = 0;
    long long byteCount = 0;
    long long fileOffset = 0;
    long long xrefOffset = 0;
    int objectCounter = 0;
    // File offsets by object number (0 unused); -1 for an object not written.
    std::vector<long long> offsets;
    int resourcesObject = 0;
    int extGStateObject = 0;
    int firstNodeObject = 0;
    int rootObject = 0;
    int infoObject = 0;
    int catalogObject = 0;
    long long progressHigh = 0;
    long long progressShown = -1;

    FontFaceMap faces;
    PdfImageTable images;
    PdfFontTable fonts;
};
