#pragma once
#include "shapes/BreaklineShape.h"

class BSplineCurve;

// The smooth open curve of the spline element: the control points are sampled with the
// quadratic B-spline (BSplineCurve) and the sampled polyline is drawn by a BreaklineShape made
// for the operation, which does every output (line types, caps, PostScript, PDF). The
// attributes and the control points are set as on a breakline shape (no rounding: the curve has
// no corners); the rotation of a rotated preview turns the curve as well.
//
// Samples per span: 20 for printing, PostScript and PDF (ops 71, 72, 75), 8 for every other
// operation. Two control points draw a straight segment, one draws nothing.
class SplineShape : public BreaklineShape {
public:
    static constexpr int kOutputSamples = 20;
    static constexpr int kScreenSamples = 8;

    SplineShape() = default;
    ~SplineShape();
    SplineShape(const SplineShape&) = delete;
    SplineShape& operator=(const SplineShape&) = delete;

    // An evaluator to sample with (not owned; it must outlive the shape), so that repeated
    // drawing reuses its work arrays; without one the shape makes its own on first use.
    void setCurve(BSplineCurve* shared);
    // The samples per span for an operation code.
    [[nodiscard]] static int samplesFor(int operation);
    // The polyline drawn for the operation: the control points themselves below three, else the
    // sampled curve; 0 when sampling failed (more control points than the evaluator takes, a
    // coordinate that is not finite, no memory).
    [[nodiscard]] int sample(int operation, PointList& out);

    // The breakline shape's result for the sampled polyline; 0 when sampling failed.
    [[nodiscard]] int execute(int operation, int newMode);
    // The stroked band's box of the curve sampled as on screen; 0 when it cannot be sampled or
    // prepared.
    [[nodiscard]] int computeExactExtent(Point& lo, Point& hi);
    // The select tool's pick against the curve sampled as the drawing shows it.
    [[nodiscard]] int hitTest();

private:
    // A breakline shape with this shape's context, layer, offset, rotation, stroke, colour, cap,
    // gray and the polyline.
    [[nodiscard]] int fillLine(BreaklineShape& line, const PointList& polyline) const;

    BSplineCurve* curve_ = nullptr;
    int ownsCurve_ = 0;
};
