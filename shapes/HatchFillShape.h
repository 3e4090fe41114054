#pragma once
#include "shapes/ClipPathShape.h"

// Straight hatch lines over a closed outline, in the pattern of the shape's hatch attributes
// (HatchAttributes patterns 1..8), clipped to the outline: on a window through a polygon clip
// region, in PostScript and PDF through a clip path. The polygon, Bezier and oval shapes make one
// for their hatch, hand it their closed outline and the hatch attributes and run one operation.
//
// Pitches are paper millimetres, used at drawing size. A pitch below 1e-5 mm draws no lines of its
// family (on a device also one below a pixel); the tile patterns still draw their courses when
// only the joint pitch is unusable. No line lies on the bounds themselves. Lines are thin: one
// pixel on a device, 0.1 mm solid in PostScript and PDF, where one fill writes at most
// kMaxOutputLines lines. PDF uses the hatch colour itself, the other outputs the colour of the
// operation for it.
class HatchFillShape : public ClipPathShape {
public:
    static constexpr int kMaxOutputLines = 10000;

    HatchFillShape();
    ~HatchFillShape();

    // Copies the pattern, pitches, colour and tint.
    void setHatch(const HatchAttributes& attributes);

    // 0 without a pattern (and nothing written), or when the operation is refused or has no
    // surface; otherwise 1, PostScript and PDF also when nothing could be written.
    [[nodiscard]] int execute(int operation, int newMode);

private:
    using LineEmitter = int (HatchFillShape::*)(double x1, double y1, double x2, double y2);

    void drawOnDevice() override;
    void writePostScript() override;
    void writePdf() override;

    // The lines of the pattern through `emit`, in order, those of the window only; ends at the
    // first line emit refuses.
    void generate(LineEmitter emit);
    // One family of parallel lines at start + k * pitch, while below `limit`: from the first
    // whose span [value, value + reach] meets [from, to]. 0 when emit refused a line.
    [[nodiscard]] int family(double start, double pitch, double limit, double reach, double from, double to,
                             LineEmitter emit, int vertical, int slant);
    [[nodiscard]] int tiles(int horizontal, LineEmitter emit);
    // A pitch at drawing size, or 0 when it draws no lines.
    [[nodiscard]] double usablePitch(double paperPitch) const;

    [[nodiscard]] int deviceLine(double x1, double y1, double x2, double y2);
    [[nodiscard]] int postScriptLine(double x1, double y1, double x2, double y2);
    [[nodiscard]] int pdfLine(double x1, double y1, double x2, double y2);

    // The part of the bounds whose lines are emitted: the visible part while culling.
    double windowLeft = 0.0;
    double windowTop = 0.0;
    double windowRight = 0.0;
    double windowBottom = 0.0;
    int maxLines = kMaxOutputLines;
    int forDevice = 0;
};
