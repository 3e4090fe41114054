#pragma once
// A drawing for the coordinate types: a document context with a paper of chosen scale, height
// and y direction, a grid with an origin, units and 5 mm snapping, and a view that maps drawing
// units to pixels as device = 2 * world + 10.
#include "document/DocumentContext.h"
#include "geometry/GridSettings.h"
#include "geometry/PaperSettings.h"
#include "geometry/Point.h"
#include "tests/support/IdleMembers.h"
#include "tests/support/LinearView.h"

class OwnerPaper : public IdlePaper {
public:
    [[nodiscard]] int scaleNumerator() const override { return numerator; }
    [[nodiscard]] int scaleDenominator() const override { return denominator; }
    [[nodiscard]] double verticalSizeInDrawing() const override { return height; }
    [[nodiscard]] int yDirection() const override { return direction; }
    int numerator = 1;
    int denominator = 1;
    double height = 210.0;
    int direction = 2;
};

class OwnerGrid : public IdleGrid {
public:
    [[nodiscard]] int gridKind() override { return 1; }
    [[nodiscard]] double originX() const override { return x0; }
    [[nodiscard]] double originY() const override { return y0; }
    [[nodiscard]] int xUnit() const override { return unitX; }
    [[nodiscard]] int yUnit() const override { return unitY; }
    // Snaps to multiples of 5 drawing units.
    void convertPoint(Point* p) override;
    double x0 = 0.0;
    double y0 = 0.0;
    int unitX = 1;
    int unitY = 1;
    int snaps = 0;
};

// Drawing units to pixels as device = 2 * world + 10.
class OwnerView : public LinearView {
public:
    OwnerView()
    {
        scale = 2.0;
        originX = originY = -5.0;
    }
    // Unclamped, noting the operation.
    [[nodiscard]] int worldToDeviceXForOp(int operation, double x) override;
    [[nodiscard]] int worldToDeviceYForOp(int operation, double y) override;
    int lastOperation = 0;
};

// The context owns the three members and deletes them.
class OwnedDrawing {
public:
    OwnedDrawing();
    OwnerPaper& paper() { return *static_cast<OwnerPaper*>(context.paper); }
    OwnerGrid& grid() { return *static_cast<OwnerGrid*>(context.grid); }
    OwnerView& view() { return *static_cast<OwnerView*>(context.view); }
    DocumentContext context;
};
