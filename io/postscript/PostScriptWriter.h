#pragma once
#include <memory>
#include <string>

#include "document/PsOutput.h"
#include "io/postscript/FontFaceMap.h"
#include "platform/RgbColor.h"

class BufferedFile;

// One separation plate: the words of its record that the writer reads.
struct PsPlate {
    int screenFrequency = 0;   // lines per inch; below 1 keeps the screen saved in the setup
    int screenAngle = 0;       // degrees
    int selectionKind = 3;     // 1 leave overprinting inks off, 2 by percentages, 3 always
    int minimumPercent = 0;
    int otherPlate = 0;
    int otherMaximumPercent = 100;
};

// The PostScript writer of a drawing's print record: a DSC 3.0 job of a comment header, a prolog
// of short procedure names, a setup, pages with their orientation and screen, and the operators
// the shapes and image readers call (PsOutput). Its text goes to the printer as raw PostScript
// through the application's print job (PASSTHROUGH), or to a file (the file destination, which
// ends every page with "_spg" so that the file renders on its own).
//
// Units: coordinates and lengths are paper millimetres, y downwards; in coordinate mode 1 a point
// (x, y) is written in points as x and page height - y. Numbers are rounded half up and written
// without trailing zeros. Every write answers 1, or 0 once a write failed: the writer keeps its
// failure (failed()) until the next job starts, and every later write answers 0 at once.
//
// The writer of the application's print record owns the PostScript font-face table; every writer
// looks its names up there (sharedFontFaces), and keeps its own only when there is none.
class PostScriptWriter : public PsOutput {
public:
    enum Destination { kPrinter = 1, kFile = 2 };

    PostScriptWriter();
    ~PostScriptWriter() override;
    PostScriptWriter(const PostScriptWriter&) = delete;
    PostScriptWriter& operator=(const PostScriptWriter&) = delete;

    // --- jobs and pages ---
    // printer is PostScript = the print job's answer; use PostScript is cleared when it is 0.
    void refreshPrinterCapability();
    // A printer job: the title to the print job, the font cache emptied, the passthrough buffer,
    // StartDoc (a failure is reported: "StartDocに失敗しました"), StartPage, the header. 0 with
    // everything undone when a step fails.
    [[nodiscard]] int startJob();
    // The trailer, the page's passthrough text sent and the page ended, the document ended; 1
    // only when every step succeeded (all run in any case).
    [[nodiscard]] int endJob();
    // The same for a file: written beside `path` and put in its place by endFileJob only when the
    // whole job was written; a failed or abandoned job leaves the old file as it was.
    [[nodiscard]] int startFileJob(const char* path);
    [[nodiscard]] int endFileJob();
    // Drops a file job without replacing anything.
    void abandonFileJob();

    [[nodiscard]] int writeHeader();
    [[nodiscard]] int beginPage();
    [[nodiscard]] int endPage();
    [[nodiscard]] int writeTrailer();
    [[nodiscard]] int isFileOutput() const { return destination == kFile; }
    [[nodiscard]] int failed() const { return failure; }

    // --- low-level output (Shift-JIS bytes; newline adds CR LF) ---
    [[nodiscard]] int writeString(const char* text, int newline);
    [[nodiscard]] int writeRange(const char* buffer, int from, int to, int newline);
    [[nodiscard]] int writeSpace(int newline);
    [[nodiscard]] int writeNumber(long n, int newline);
    [[nodiscard]] int writeReal(double x, int decimals, int newline);
    [[nodiscard]] int writeLength(double mm, int decimals, int newline);
    [[nodiscard]] int writeColourComponent(double x, int decimals, int trailingBlank, int newline);
    [[nodiscard]] int writePoint(double x, double y);
    [[nodiscard]] int lineEnd() { return writeBytes("\r\n", 2); }

    // --- PsOutput ---
    int newPath() override;
    int closePath() override;
    int stroke() override;
    int fill() override;
    int clip() override;
    int initClip() override;
    int saveState() override;
    int restoreState() override;
    int moveTo(double x, double y) override;
    int lineTo(double x, double y) override;
    int curveTo(double x1, double y1, double x2, double y2, double x3, double y3) override;
    int arc(double x, double y, double radius, double startAngle, double endAngle, int clockwise) override;
    int setLineWidth(double width) override;
    int setLineCap(int cap) override;
    int setLineJoin(int join) override;
    int setDash(int count, double length, double dash, double gap, double dot) override;
    int selectFont(double size, const char* face, int style, int useCache) override;
    int showText(const char* text) override;
    int showText(const char* text, int from, int to) override;
    int rotate(double angle, int negate) override;
    int writeImage(const DibImage& image, const DoubleRect& rect) override;
    int setGray(double percent) override;
    int setRgbColor(const RgbColor& colour) override;
    int selectColour(const InkColor& ink, double tint, int mode) override;
    int setColour(const InkColor& ink, double tint, int mode) override;
    int selectAndSetColour(const InkColor& ink, double tint, int mode) override;

    // --- further operators ---
    [[nodiscard]] int translate(double x, double y);
    [[nodiscard]] int translateRaw(double x, double y, int decimals);
    [[nodiscard]] int scale(double sx, double sy, int decimals);
    // w h bits [w 0 0 (-)h 0 h: the caller closes the matrix.
    [[nodiscard]] int writeImageMatrix(int w, int h, int bits, int flipForMode1, int flipForMode2);
    [[nodiscard]] int fillPolygonWhite(int n, const double* xs, const double* ys);
    // The plate decision for an ink on the current plate (1 draw, 0 leave off, -1 no plates).
    [[nodiscard]] int plateDecision(const InkColor& ink, double tint, int mode);

    // The font-face table that names the fonts: the application print record's, else this
    // writer's own (made and filled on first use).
    [[nodiscard]] FontFaceMap& sharedFontFaces();
    // This writer's own table (made and filled on first use).
    [[nodiscard]] FontFaceMap& ownFontFaces();

    // --- state (names as the print record stores and shows them) ---
    int separationMode = 0;        // 2 = colour separation
    int pageIndex = 0;
    std::unique_ptr<PsPlate[]> plates;
    int plateCount = 0;
    int currentPlate = 0;
    int printerIsPostScript = 0;
    int usePostScript = 0;         // the "psout" switch
    int destination = kPrinter;
    int coordinateMode = 1;        // 1 y from the top (written as height - y); 2 y unchanged
    double pageWidth = 210.0;      // millimetres
    double pageHeight = 297.0;
    int copies = 1;
    int pagesWritten = 0;
    int pageLabel = 1;
    const char* creator = nullptr;   // borrowed texts, or null
    const char* forWhom = nullptr;
    const char* title = nullptr;
    int pages = 0;
    const char* documentProcessColours = nullptr;
    const char* documentCustomColours = nullptr;
    const char* pageProcessColours = nullptr;
    const char* pageCustomColours = nullptr;
    const char* plateColour = nullptr;
    int separationProcedures = 0;
    int documentSave = 0;
    int pageSave = 0;
    double arcAngleOffset = 0.0;
    RgbColor currentColour = RgbColor(254, 253, 252);
    int lastPlateValue = -1;

protected:
    // The one way out for every byte: 0 at once after a failed write, and a failure of putBytes
    // is kept.
    [[nodiscard]] int writeBytes(const char* bytes, int n);
    // Into the writer's buffer, sent on when it fills; 0 when that failed.
    [[nodiscard]] virtual int putBytes(const char* bytes, int n);
    // Sends the buffer to the destination; 0 when that fails (which the writer keeps).
    [[nodiscard]] int flushBuffer();

private:
    [[nodiscard]] int writeLine(const char* text) { return writeString(text, 1); }
    [[nodiscard]] int writeLines(const char* const* lines, int count);
    [[nodiscard]] int writeComment(const char* keyword, const char* text);
    [[nodiscard]] int writeOperatorLine(const char* op);
    [[nodiscard]] int writePageTransform();
    [[nodiscard]] int writeScreen();
    [[nodiscard]] int writeEscaped(const char* text, int from, int to);
    [[nodiscard]] int writeHexRows(const DibImage& image);
    void closeFile();

    char* buffer = nullptr;        // kBufferSize bytes
    int buffered = 0;
    int failure = 0;
    std::unique_ptr<BufferedFile> file;
    std::string filePath;          // the target of a file job
    std::string tempPath;          // where it is written first
    std::unique_ptr<FontFaceMap> faces;
};
