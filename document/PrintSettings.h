#pragma once
// A drawing's print settings as this folder and those above reach them; the print folder implements them.
#include "document/PsOutput.h"
#include "geometry/XmlSectionOwner.h"

class DeviceContext;
class DocumentContext;
class InkColor;

// A drawing's print settings and print run; owner of the "print" section of the drawing file's
// header.
class PrintSettings : public XmlSectionOwner {
public:
    virtual ~PrintSettings() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    [[nodiscard]] virtual int canPrint() = 0;
    virtual void print() = 0;

    // 1 while a print run maps element operation 71 itself, with the conversions below from
    // drawing coordinates and paper millimetres to printer pixels and back; 0 (the default) lets
    // the view map printing as it maps the screen.
    [[nodiscard]] virtual int mapsOutput() { return 0; }
    [[nodiscard]] virtual int outputX(double x) { return static_cast<int>(x); }
    [[nodiscard]] virtual int outputY(double y) { return static_cast<int>(y); }
    [[nodiscard]] virtual double outputLengthToPixels(double millimetres) { return millimetres; }
    [[nodiscard]] virtual double outputPixelsToLength(double pixels) { return pixels; }

    // The print record's page offsets (horizontal, vertical; drawing units) and the rotation
    // angle (degrees) of the printed page; 0 by default.
    [[nodiscard]] virtual double horizontalOffset() { return 0.0; }
    [[nodiscard]] virtual double verticalOffset() { return 0.0; }
    [[nodiscard]] virtual double rotationAngle() { return 0.0; }

    // The target of element operations 71 and 72 while a print run is under way: the printer's
    // device context for 71, a context without a device for 72 (PostScript goes to psOutput);
    // null otherwise (the default).
    [[nodiscard]] virtual DeviceContext* outputSurface() { return nullptr; }

    // The PostScript output while a PostScript job runs; null otherwise (the default).
    [[nodiscard]] virtual PsOutput* psOutput() { return nullptr; }

    // The shapes' colour hooks (ink, tint 1.0 = full, mode = the shape's layer), forwarded to the
    // PostScript output's colour selection; -1 while there is none.
    [[nodiscard]] virtual int psSelectColour(const InkColor& ink, double tint, int mode)
    {
        PsOutput* out = psOutput();
        return out ? out->selectColour(ink, tint, mode) : -1;
    }
    [[nodiscard]] virtual int psSetColour(const InkColor& ink, double tint, int mode)
    {
        PsOutput* out = psOutput();
        return out ? out->setColour(ink, tint, mode) : -1;
    }
    [[nodiscard]] virtual int psSelectAndSetColour(const InkColor& ink, double tint, int mode)
    {
        PsOutput* out = psOutput();
        return out ? out->selectAndSetColour(ink, tint, mode) : -1;
    }
};

// The application's print record (global slot 2): it owns the PostScript font-face table that
// every drawing's PostScript output names its fonts from. Null outside a run.
extern PrintSettings* thePrintSettings;
