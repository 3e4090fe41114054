#pragma once
// An interface that this folder and those above call; a folder above implements it.

class DibImage;
class DoubleRect;
class PdfImageResources;
class RgbColor;

// The writer of the running PDF export: the content stream of the page being written. Shapes
// reach it through the application's PDF export (thePdfExportJob), and only while isRunning.
//
// Units: coordinates and lengths are paper millimetres with y growing downwards; the writer maps
// them into page points (y from the bottom). Every operation answers 1 when written and 0 when
// the write failed.
class PdfWriter {
public:
    virtual ~PdfWriter() = default;

    // 1 from the start of an export's document to its end.
    [[nodiscard]] virtual int isRunning() const = 0;

    // "n", "h", "S", "f", "q", "Q", "W".
    [[nodiscard]] virtual int endPath() = 0;
    [[nodiscard]] virtual int closePath() = 0;
    [[nodiscard]] virtual int stroke() = 0;
    [[nodiscard]] virtual int fill() = 0;
    [[nodiscard]] virtual int saveState() = 0;
    [[nodiscard]] virtual int restoreState() = 0;
    [[nodiscard]] virtual int clip() = 0;

    // "m", "l", "c".
    [[nodiscard]] virtual int moveTo(double x, double y) = 0;
    [[nodiscard]] virtual int lineTo(double x, double y) = 0;
    [[nodiscard]] virtual int curveTo(double x1, double y1, double x2, double y2, double x3, double y3) = 0;

    // " w"; " d" with the pattern of a line type code centred on a path of `length` (as the
    // PostScript stream's setDash, with at most one dash and three dots).
    [[nodiscard]] virtual int setLineWidth(double width) = 0;
    [[nodiscard]] virtual int setDash(int count, double length, double dash, double gap, double dot) = 0;
    // "RG" / "rg": the colour lightened to the tint (1.0 full).
    [[nodiscard]] virtual int setStrokeColor(const RgbColor& colour, double tint) = 0;
    [[nodiscard]] virtual int setFillColor(const RgbColor& colour, double tint) = 0;
    // "/GS1 gs".
    [[nodiscard]] virtual int setGraphicsState() = 0;

    // "BT", "ET"; "Tm" with e and f mapped into the page; " Tc", " Tw".
    [[nodiscard]] virtual int beginText() = 0;
    [[nodiscard]] virtual int endText() = 0;
    [[nodiscard]] virtual int setTextMatrix(double a, double b, double c, double d, double e, double f) = 0;
    [[nodiscard]] virtual int setCharSpacing(double value) = 0;
    [[nodiscard]] virtual int setWordSpacing(double value) = 0;
    // "(" escaped text ") Tj"; the counted form writes the bytes from..to-1.
    [[nodiscard]] virtual int showText(const char* text) = 0;
    [[nodiscard]] virtual int showText(const char* text, int from, int to) = 0;
    // The font resource of a face and style 1..4 with " 1 Tf" (the size comes with the text
    // matrix); a face without a PDF font of its own takes the default font.
    [[nodiscard]] virtual int selectFont(const char* face, int style) = 0;
    // The image's XObject placed into the rectangle with "Do"; 1 and nothing written when the
    // image has no resource.
    [[nodiscard]] virtual int drawImage(const DibImage& image, const DoubleRect& rect) = 0;
    // Where the image readers register and write their images; null for a writer without them.
    [[nodiscard]] virtual PdfImageResources* imageResources() = 0;
};
