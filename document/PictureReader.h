#pragma once
// An interface that this folder and those above call; a folder above implements it.

class DeviceContext;
class DoubleRect;
class PdfImageResources;
class PdfWriter;
class PsOutput;
struct IntRect;

// The reader of one picture kind (BMP, EPS, GIF, JPEG, TIFF) attached to one file. It reads the
// file on first use and keeps what it decoded until it is attached to another file, so drawing a
// picture again reads nothing. Every operation answers 0 when the file cannot be read.
//
// Units: sizes are paper millimetres; rectangles are device pixels (draw) or paper millimetres
// (PostScript, PDF) as the writers take them.
class PictureReader {
public:
    virtual ~PictureReader() = default;

    // Attaches the reader to a file; another file than the one attached frees the decoded data.
    virtual void setSource(const char* path) = 0;
    // Width and height in pixels (an EPS file's bounding box, rounded).
    [[nodiscard]] virtual int getPixelSize(int& width, int& height) = 0;
    [[nodiscard]] virtual int getSize(double& width, double& height) = 0;
    // Draws the picture stretched into the device rectangle; the drawing mode is the JPEG
    // reader's drawing path (others ignore it).
    [[nodiscard]] virtual int draw(DeviceContext& dc, const IntRect& target, int drawingMode) = 0;
    // Writes the picture into the rectangle of the PostScript output (the EPS reader embeds its
    // file), and registers it as an image resource of the running PDF export drawn into the
    // rectangle.
    [[nodiscard]] virtual int writePostScript(PsOutput& out, const DoubleRect& rect) = 0;
    [[nodiscard]] virtual int addPdfResource(PdfWriter& out, const DoubleRect& rect) = 0;
    // Writes the image XObject of the export's record `index` (a record this kind of reader
    // registered) from the record's file; 0, with nothing written, when the file cannot be read.
    [[nodiscard]] virtual int writePdfXObject(PdfImageResources& out, int index) = 0;
};

// Makes the reader of a picture kind (1 BMP, 2 EPS, 3 GIF, 4 JPEG, 5 TIFF); null for another
// kind or while no reader of the kind is built. The image folder installs it; tests put fakes.
using PictureReaderMaker = PictureReader* (*)(int kind);
extern PictureReaderMaker makePictureReader;
