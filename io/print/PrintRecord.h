#pragma once
#include <memory>

#include "document/PrintSettings.h"
#include "io/postscript/PostScriptWriter.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"

class Element;
class OffscreenPainter;
class PrintProgressDialog;
class SettingsFile;

// The print record of one drawing (and, in the application's global slot, the record that owns
// the PostScript font-face table): the user's print offsets, the page range, the PostScript
// switch "psout", the print settings dialog with its preview, and the print run on the
// application's printer.
//
// A run prints either through GDI, page by page, each element drawing itself on the printer's
// device context (element operation 71, the view mapping converting through the record), or,
// with "psout" ON and a PostScript printer, the current page as PostScript passed straight to the
// printer. The file destination of the writer writes the same PostScript into a file
// (writePageToFile), which no command offers.
//
// Units: offsets and centring are paper millimetres (positive x to the right, y downwards); the
// elements take them in drawing units (x denominator / numerator of the drawing scale).
class PrintRecord : public PrintSettings {
public:
    PrintRecord();
    ~PrintRecord() override;
    PrintRecord(const PrintRecord&) = delete;
    PrintRecord& operator=(const PrintRecord&) = delete;

    // --- PrintSettings ---
    void setOwner(DocumentContext* owner) override { context = owner; }
    // 1 when the application has (or can make) its print job, the job has a printer and the
    // drawing holds at least one element.
    [[nodiscard]] int canPrint() override;
    // The print command: the settings dialog, then the run.
    void print() override;
    [[nodiscard]] int mapsOutput() override { return running == kGdiRun; }
    [[nodiscard]] int outputX(double x) override { return mmToPrinterX(x, 1); }
    [[nodiscard]] int outputY(double y) override { return mmToPrinterY(y, 1); }
    [[nodiscard]] double outputLengthToPixels(double millimetres) override { return mmToPrinter(millimetres, 0); }
    [[nodiscard]] double outputPixelsToLength(double pixels) override { return printerToMm(pixels, 0); }
    [[nodiscard]] double horizontalOffset() override { return toDrawing(totalOffsetX()); }
    [[nodiscard]] double verticalOffset() override { return toDrawing(totalOffsetY()); }
    [[nodiscard]] PsOutput* psOutput() override { return running == kPostScriptRun ? writer.get() : nullptr; }
    [[nodiscard]] DeviceContext* outputSurface() override;
    [[nodiscard]] int writeXmlSection(Document& document) override;
    [[nodiscard]] int readXmlSection(Document& document, int tagId) override;

    // --- the record ---
    // Centring: half the difference between the printer's page and the paper with its crop-mark
    // bands, per axis; 0 without a printer (or a page under 1 mm).
    void centreOnPaper();
    // The dialog's result: 1 when "プリント" was pressed.
    [[nodiscard]] int editSettings();
    // first = min(first, n) ... with n the drawing's page count; every page with allPages.
    void normalisePageRange();
    [[nodiscard]] double totalOffsetX() const { return offsetX + centringX; }
    [[nodiscard]] double totalOffsetY() const { return offsetY + centringY; }

    // The drawing's paper (210 x 297 without one), with its crop-mark bands, and its scale.
    [[nodiscard]] double paperWidth() const;
    [[nodiscard]] double paperHeight() const;
    [[nodiscard]] double paperExtentX() const;
    [[nodiscard]] double paperExtentY() const;
    [[nodiscard]] double scaleNumerator() const;
    [[nodiscard]] double scaleDenominator() const;
    // Paper millimetres to drawing units.
    [[nodiscard]] double toDrawing(double millimetres) const { return millimetres * scaleDenominator() / scaleNumerator(); }

    // Printer pixels of the application's print job (0 without one): with applyScale the value is
    // a drawing length, taken to paper first; pixels are truncated toward zero.
    [[nodiscard]] int mmToPrinterX(double mm, int applyScale) const;
    [[nodiscard]] int mmToPrinterY(double mm, int applyScale) const;
    [[nodiscard]] int mmToPrinter(double mm, int applyScale) const;
    [[nodiscard]] double printerToMm(double pixels, int applyScale) const;

    // The drawing's current page as a PostScript file at `path` (replaced only when the whole job
    // was written); 1 when written.
    [[nodiscard]] int writePageToFile(const char* path);

    // The PostScript writer; the application record's owns the font-face table.
    [[nodiscard]] PostScriptWriter& postScript() { return *writer; }
    // Puts another writer in (tests: one that fails on a chosen write).
    void replaceWriter(std::unique_ptr<PostScriptWriter> other);
    // The PostScript font-face table of the settings file's section "PSFONTFACETABLE".
    [[nodiscard]] int readFontFaces(SettingsFile& file) { return writer->ownFontFaces().readSettings(file); }
    [[nodiscard]] int writeFontFaces(SettingsFile& file) { return writer->ownFontFaces().writeSettings(file); }

    // The settings dialog's preview: the page of the drawing scaled into `rect` of `target`, with
    // the printer's page as a red box over it. 0 when nothing could be drawn.
    [[nodiscard]] int drawPreview(DeviceContext& target, const IntRect& rect);

    DocumentContext* context = nullptr;   // not owned
    int firstPage = 1;
    int lastPage = 1;
    int allPages = 0;
    double offsetX = 0.0;
    double offsetY = 0.0;
    double centringX = 0.0;
    double centringY = 0.0;

private:
    enum Run { kNoRun = 0, kGdiRun = 1, kPostScriptRun = 2 };

    // The pages of the range through GDI; the PostScript job of the current page.
    void printPages();
    void printPostScript();
    // One page's elements (printing or writing PostScript); 0 when an element's output failed.
    [[nodiscard]] int printPage(int postScript);
    [[nodiscard]] int drawPreviewBox();
    void deletePreviewBox();

    std::unique_ptr<PostScriptWriter> writer;
    int running = kNoRun;
    std::unique_ptr<OffscreenPainter> previewPainter;
    std::unique_ptr<PrintProgressDialog> progress;
    Element* previewBox = nullptr;   // made through the kind registry, given back to it
    // What the shapes take as their target while PostScript is written: no device.
    DeviceContext postScriptTarget;
};

// The maker of the drawings' records (DocumentMemberFactories::printSettings) and of the
// application's record (the global managers' slot 2).
[[nodiscard]] PrintSettings* makeDrawingPrintRecord(DocumentContext& context);
[[nodiscard]] PrintSettings* makeApplicationPrintRecord();
