#pragma once
// Stand-ins for the PostScript and PDF writers that keep each operator the shapes call with its
// numbers, in order, for tests to compare as text: "_np | _m 0 10 | _l 50 0 | _sp". Numbers are
// written with up to 9 significant digits, rounded to 1e-9 (so -0 and 1e-17 read 0). Texts are
// written as they come. A test can make the write with a given index (0-based, counting every
// recorded operator) fail, and every later one.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "document/PdfExportJob.h"
#include "document/PrintSettings.h"
#include "document/PsOutput.h"

// An image an output was given: its identity key, its size and the paper rectangle.
struct RecordedImage {
    uintptr_t key = 0;
    int width = 0, height = 0;
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
};
std::vector<RecordedImage>& operator<<(std::vector<RecordedImage>& images, const std::pair<const DibImage*, const DoubleRect*>& image);

class OperatorLog {
public:
    // Records one operator; 1, or 0 from the failing write on.
    int add(const char* name, std::initializer_list<double> numbers = {}, const char* text = nullptr);
    // The operators joined by " | ".
    [[nodiscard]] std::string text() const;
    // How many recorded operators start with `name` followed by a blank or the end.
    [[nodiscard]] int count(const char* name) const;
    void clear() { entries.clear(); }

    std::vector<std::string> entries;
    int failFrom = -1;
};

// A PostScript output. Outside plate mode every ink prints; in plate mode (plateMode 1) an ink
// prints when inkOnPlate is set. setColour writes "_gray" with the percentage (the tint times 100
// for mode 253, else 100) on a plate, else "_rgb" with the colour's bytes.
class RecordingPsOutput : public PsOutput {
public:
    int newPath() override { return log.add("_np"); }
    int closePath() override { return log.add("_cp"); }
    int stroke() override { return log.add("_sp"); }
    int fill() override { return log.add("_f"); }
    int clip() override { return log.add("_clp"); }
    int initClip() override { return log.add("_icp"); }
    int saveState() override { return log.add("_gs"); }
    int restoreState() override { return log.add("_gr"); }
    int moveTo(double x, double y) override { return log.add("_m", {x, y}); }
    int lineTo(double x, double y) override { return log.add("_l", {x, y}); }
    int curveTo(double x1, double y1, double x2, double y2, double x3, double y3) override
    {
        return log.add("_crv", {x1, y1, x2, y2, x3, y3});
    }
    int arc(double x, double y, double radius, double startAngle, double endAngle, int clockwise) override
    {
        return log.add(clockwise ? "_an" : "_a", {x, y, radius, startAngle, endAngle});
    }
    int setLineWidth(double width) override { return log.add("_lw", {width}); }
    int setLineCap(int cap) override { return log.add("_lc", {double(cap)}); }
    int setLineJoin(int join) override { return log.add("_lj", {double(join)}); }
    int setDash(int count, double length, double dash, double gap, double dot) override
    {
        return log.add("_ds", {double(count), length, dash, gap, dot});
    }
    int selectFont(double size, const char* face, int style, int useCache) override
    {
        return log.add("_fms", {size, double(style), double(useCache)}, face);
    }
    int showText(const char* text) override { return log.add("_sw", {}, text); }
    int showText(const char* text, int from, int to) override
    {
        return log.add("_sw", {}, std::string(text + from, text + to).c_str());
    }
    int rotate(double angle, int negate) override { return log.add("_rtt", {negate ? -angle : angle}); }
    int writeImage(const DibImage& image, const DoubleRect& rect) override
    {
        images << std::make_pair(&image, &rect);
        return log.add("image");
    }
    int setGray(double percent) override { return log.add("_gray", {percent}); }
    int setRgbColor(const RgbColor& colour) override;
    int selectColour(const InkColor& ink, double tint, int mode) override;
    int setColour(const InkColor& ink, double tint, int mode) override;
    int selectAndSetColour(const InkColor& ink, double tint, int mode) override;

    OperatorLog log;
    std::vector<RecordedImage> images;
    int plateMode = 0;
    int inkOnPlate = 1;
};

// The print settings of a drawing whose PostScript output is `output` (null: no PostScript job).
class RecordingPrintSettings : public PrintSettings {
public:
    void setOwner(DocumentContext*) override {}
    int canPrint() override { return 0; }
    void print() override {}
    PsOutput* psOutput() override { return output; }

    PsOutput* output = nullptr;
};

// A PDF export whose writer records; it runs while `running` is set.
class RecordingPdfWriter : public PdfExportJob {
public:
    int run(DocumentContext*) override { return 0; }
    int isRunning() const override { return running; }
    int endPath() override { return log.add("n"); }
    int closePath() override { return log.add("h"); }
    int stroke() override { return log.add("S"); }
    int fill() override { return log.add("f"); }
    int saveState() override { return log.add("q"); }
    int restoreState() override { return log.add("Q"); }
    int clip() override { return log.add("W"); }
    int moveTo(double x, double y) override { return log.add("m", {x, y}); }
    int lineTo(double x, double y) override { return log.add("l", {x, y}); }
    int curveTo(double x1, double y1, double x2, double y2, double x3, double y3) override
    {
        return log.add("c", {x1, y1, x2, y2, x3, y3});
    }
    int setLineWidth(double width) override { return log.add("w", {width}); }
    int setDash(int count, double length, double dash, double gap, double dot) override
    {
        return log.add("d", {double(count), length, dash, gap, dot});
    }
    int setStrokeColor(const RgbColor& colour, double tint) override;
    int setFillColor(const RgbColor& colour, double tint) override;
    int setGraphicsState() override { return log.add("gs"); }
    int beginText() override { return log.add("BT"); }
    int endText() override { return log.add("ET"); }
    int setTextMatrix(double a, double b, double c, double d, double e, double f) override
    {
        return log.add("Tm", {a, b, c, d, e, f});
    }
    int setCharSpacing(double value) override { return log.add("Tc", {value}); }
    int setWordSpacing(double value) override { return log.add("Tw", {value}); }
    int showText(const char* text) override { return log.add("Tj", {}, text); }
    int showText(const char* text, int from, int to) override
    {
        return log.add("Tj", {}, std::string(text + from, text + to).c_str());
    }
    int selectFont(const char* face, int style) override { return log.add("Tf", {double(style)}, face); }
    int drawImage(const DibImage& image, const DoubleRect& rect) override
    {
        images << std::make_pair(&image, &rect);
        return log.add("Do");
    }
    PdfImageResources* imageResources() override { return nullptr; }

    OperatorLog log;
    std::vector<RecordedImage> images;
    int running = 1;
};
