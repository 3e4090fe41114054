#pragma once
#include "elements/BreaklineElement.h"

// Kind 4, "spline" (スプライン曲線): a smooth open curve through its control points, drawn as a
// quadratic B-spline (SplineShape) with the line attributes of the breakline. It is entered and
// edited as a breakline is, without corner radii or arcs; a creation makes at most 101 points.
//
// Store record: colour, the control points (x, y, z and flag), line width, line position
// (int32), line type, line cap (int32), gray, the extent.
class SplineElement : public BreaklineElement {
public:
    static constexpr int kMaxCreatedPoints = 101;

    // Every sub-object of the breakline but the rounding list.
    void initialize() override;
    [[nodiscard]] int exchangeRecord(int mode) override;
    DoubleArray* getVertexRounding() override { return nullptr; }
    [[nodiscard]] int editProperties(int hasPrevious, int hasNext) override;
    [[nodiscard]] int maximumInputPoints() const override { return kMaxCreatedPoints; }
};

// The registry's maker of kind 4; null when memory ran out.
[[nodiscard]] Element* newSplineElement();
