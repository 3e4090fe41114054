#pragma once
#include "platform/IntRect.h"
#include "shapes/ClipPathShape.h"

// A gradation over a closed outline: the outline's bounds cut into parallel bands across the
// direction of the fill's gradation (GrayAttributes vectors 1 left to right, 2 right to left, 3 top
// to bottom, 4 bottom to top), each filled with the fill colour at a tint running from the start
// to the end gray, all clipped to the outline. The polygon, Bezier and oval shapes make one for a
// fill whose screen is a gradation.
//
// Bands: the axis length on paper in inches times the cuts per inch, cut to a whole number. On a
// device every band keeps at least 2 pixels (fewer bands then, but at least 2 unless the count is
// 0 or 1, which give 1 and 2 bands); PostScript and PDF take the count as it is, at least 1 and
// at most kMaxOutputBands. A direction outside 1..4 fills nothing (the clip is still set and
// restored on a device).
class GradationFillShape : public ClipPathShape {
public:
    static constexpr int kMaxOutputBands = 256;

    GradationFillShape();
    ~GradationFillShape();

    // Copies the switch, colour and screen.
    void setFill(const FillAttributes& attributes);

    // 0 unless the fill's screen is a gradation, or when the operation is refused or has no
    // surface; otherwise 1, PostScript and PDF also when nothing could be written.
    [[nodiscard]] int execute(int operation, int newMode);

    // The tint of band i of n: the start gray for the first (and for every band of fewer than
    // three), the end gray for the last, evenly between them for the others.
    [[nodiscard]] double bandValue(int i, int n) const;
    // The band count before the device's 2-pixel rule, and with it for a device extent in pixels.
    [[nodiscard]] int outputBandCount() const;
    [[nodiscard]] int deviceBandCount(int devicePixels) const;

    // The fill colour for the operation; each band is a tinted copy of it.
    InkColor baseColour;
    IntRect deviceBox;
    int bandCount = 0;

private:
    [[nodiscard]] int gradationOn() const;
    [[nodiscard]] int direction() const;
    // The bounds' extent along the gradation's axis, drawing units.
    [[nodiscard]] double axisLength() const;
    // The count the cuts ask for, from 0 up to a bound that no device or writer reaches.
    [[nodiscard]] double cutsAlongAxis() const;
    void drawOnDevice() override;
    void writePostScript() override;
    void writePdf() override;
    // The corners of band i of bandCount in drawing units; 0 for a direction outside 1..4.
    [[nodiscard]] InkColor bandColour(int i) const;
    [[nodiscard]] int bandCorners(int i, double& xa, double& ya, double& xb, double& yb) const;
    [[nodiscard]] int postScriptBand(int i);
    [[nodiscard]] int pdfBand(int i);
};
