#pragma once

class DeviceContext;
class DocumentContext;
class DoubleRect;
class FileNameValue;
class ImageTypeValue;
class PdfWriter;
class PictureReader;
class PsOutput;
struct IntRect;

// The readers behind a placed picture: those of its drawing's picture cache, shared with the
// drawing's other pictures of the same file; without a drawing, one per kind of its own, made on
// first use (makePictureReader), attached to the picture's file and kept until the holder goes.
// Either way drawing the picture again reads no file. Every operation dispatches on the image kind 1..5; kind 0 and any other value,
// a missing link or a kind without reader answer 0 and do nothing.
class PictureImage {
public:
    PictureImage() = default;
    ~PictureImage();
    PictureImage(const PictureImage&) = delete;
    PictureImage& operator=(const PictureImage&) = delete;

    // 1 when both links are set.
    [[nodiscard]] int hasImage() const { return type && fileName; }
    // The reader of the current kind attached to the current file; null without one.
    [[nodiscard]] PictureReader* reader();
    [[nodiscard]] int pixelSize(int& width, int& height);
    // Paper millimetres.
    [[nodiscard]] int size(double& width, double& height);
    // The size in drawing units: times denominator / numerator when the numerator is above 0.1.
    [[nodiscard]] int drawingSize(double numerator, double denominator, double& width, double& height);
    [[nodiscard]] int draw(DeviceContext& dc, const IntRect& target);
    [[nodiscard]] int writePostScript(PsOutput& out, const DoubleRect& rect);
    [[nodiscard]] int addPdfResource(PdfWriter& out, const DoubleRect& rect);

    DocumentContext* owner = nullptr;       // not owned
    const ImageTypeValue* type = nullptr;   // the element's, not owned
    const FileNameValue* fileName = nullptr; // the element's, not owned
    int drawingMode = 0;                     // handed to the JPEG reader

private:
    PictureReader* readers[5] = {};
    // The path each reader is attached to.
    char attached[5][260] = {};
};
