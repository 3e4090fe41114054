#pragma once
// Image readers for the picture tests: every kind "reads" any file whose name does not contain
// "missing", at the size the test sets, counting its loads; drawing fills the target with the
// colour of its kind; the outputs record the rectangles they were given. An EPS file whose name
// contains "nopreview" has no preview to draw or export. In a PDF export with image resources the
// picture is an RGB image of its pixel size in the colour of its kind, registered by its file
// name; its XObject cannot be written once `xObjectsFail` is set (the file went away).
#include <cstring>
#include <string>
#include <vector>

#include "document/PdfWriter.h"
#include "document/PictureReader.h"
#include "document/PsOutput.h"
#include "geometry/DoubleRect.h"
#include "io/pdf/PdfImageResources.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "platform/RgbColor.h"
#include "tests/support/ScopedOverride.h"

struct FakePictureFiles {
    double width = 50.0, height = 30.0; // paper millimetres
    int pixelWidth = 200, pixelHeight = 120;
    int loads = 0;
    int lastDrawingMode = -1; // the drawing mode of the last draw
    int xObjectsFail = 0;
    std::vector<DoubleRect> postScriptRects;
    std::vector<DoubleRect> pdfRects;

    static FakePictureFiles& current()
    {
        static FakePictureFiles files;
        return files;
    }
    // The colour a kind draws with.
    static RgbColor colourOf(int kind) { return RgbColor(40 * kind, 0, 255 - 40 * kind); }
};

class FakePictureReader : public PictureReader {
public:
    explicit FakePictureReader(int k) : kind(k) {}
    void setSource(const char* p) override
    {
        if (path != p)
            loaded = false;
        path = p;
    }
    int getPixelSize(int& w, int& h) override
    {
        if (!load())
            return 0;
        w = FakePictureFiles::current().pixelWidth, h = FakePictureFiles::current().pixelHeight;
        return 1;
    }
    int getSize(double& w, double& h) override
    {
        if (!load())
            return 0;
        w = FakePictureFiles::current().width, h = FakePictureFiles::current().height;
        return 1;
    }
    int draw(DeviceContext& dc, const IntRect& target, int mode) override
    {
        FakePictureFiles::current().lastDrawingMode = mode;
        if (!load() || noPreview())
            return 0;
        dc.fillRect(FakePictureFiles::colourOf(kind), target);
        return 1;
    }
    int writePostScript(PsOutput& out, const DoubleRect& rect) override
    {
        if (!load())
            return 0;
        FakePictureFiles::current().postScriptRects.push_back(rect);
        return out.saveState() && out.restoreState();
    }
    int addPdfResource(PdfWriter& out, const DoubleRect& rect) override
    {
        if (!load() || noPreview())
            return 0;
        FakePictureFiles::current().pdfRects.push_back(rect);
        PdfImageResources* images = out.imageResources();
        if (!images)
            return 1;
        int index = images->findImageByName(path.c_str());
        if (index < 0 && images->isCounting()) {
            PdfImageRecord record;
            // The EPS file's preview is a TIFF image.
            const int kinds[] = {PdfImageRecord::kBmp, PdfImageRecord::kTiff, PdfImageRecord::kGif,
                                 PdfImageRecord::kJpeg, PdfImageRecord::kTiff};
            record.kind = kinds[kind - 1];
            std::strncpy(record.fileName, path.c_str(), sizeof record.fileName - 1);
            record.colourKind = PdfImageRecord::kRgb;
            record.bitsPerPixel = 24;
            record.width = FakePictureFiles::current().pixelWidth;
            record.height = FakePictureFiles::current().pixelHeight;
            images->beginMeasure();
            const int measured = writePixels(*images);
            record.streamLength = images->endMeasure();
            index = measured ? images->addImageRecord(record) : -1;
        }
        return index >= 0 && images->placeImage(index, rect);
    }
    int writePdfXObject(PdfImageResources& out, int index) override
    {
        const PdfImageRecord* record = out.imageRecord(index);
        if (!record || FakePictureFiles::current().xObjectsFail)
            return 0;
        setSource(record->fileName);
        return load() && out.beginImageObject(index, "/DeviceRGB", 8) && writePixels(out) && out.endImageObject();
    }

private:
    bool load()
    {
        if (path.empty() || path.find("missing") != std::string::npos)
            return false;
        if (!loaded)
            ++FakePictureFiles::current().loads;
        loaded = true;
        return true;
    }
    bool noPreview() const { return kind == 2 && path.find("nopreview") != std::string::npos; }
    int writePixels(PdfImageResources& out) const
    {
        const RgbColor colour = FakePictureFiles::colourOf(kind);
        std::vector<unsigned char> row;
        for (int x = 0; x < FakePictureFiles::current().pixelWidth; ++x)
            row.insert(row.end(), {static_cast<unsigned char>(colour.getRed()), static_cast<unsigned char>(colour.getGreen()),
                                   static_cast<unsigned char>(colour.getBlue())});
        for (int y = 0; y < FakePictureFiles::current().pixelHeight; ++y)
            if (!out.writeHexBytes(row.data(), static_cast<int>(row.size())))
                return 0;
        return 1;
    }

    int kind;
    std::string path;
    bool loaded = false;
};

// The fake readers installed for one test, with fresh files.
struct FakePictureReaders {
    FakePictureReaders() { FakePictureFiles::current() = FakePictureFiles(); }
    static PictureReader* make(int kind) { return kind >= 1 && kind <= 5 ? new FakePictureReader(kind) : nullptr; }
    ScopedOverride<PictureReaderMaker> installed{makePictureReader, make};
};
