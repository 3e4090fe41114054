// The grid painted into the view's page surface: dots or mesh in the plus and minus colours by the
// paper's y direction, only at spacings the minimum allows, and the origin's mark while the origin
// is in view.
#include <gtest/gtest.h>
#include <vector>

#include "tests/document/GridTestDrawing.h"

using namespace grid_test;
using sheet_test::kWhite;
using sheet_test::kYellow;
using sheet_test::Probe;

namespace {

const COLORREF kCyan = RGB(0, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

} // namespace

// The view shows one millimetre as one pixel with the A4 sheet (297 x 210, lying) from (30, 20);
// the crop-mark band is 5 wide all round unless a case says otherwise.
TEST(GridPainting, DotsMeshAndOriginMark)
{
    struct Case {
        const char* what;
        int kind;
        double pitch, denominator;
        int direction;
        double originX, originY;
        int design;
        double band;
        std::vector<Probe> probes;
        int colouredPixels; // pixels in any grid colour; -1 when the probes say enough
    };
    const Case cases[] = {
        {"dots with the origin at the sheet's corner, UNDERPLUS: all in the plus colour", DrawingGrid::kDots, 10, 1,
         SheetSettings::kUnderPlus, 0, 0, 0, 5,
         {{30, 20, kCyan}, {40, 30, kCyan}, {130, 120, kCyan}, {31, 21, kCyan}, {35, 25, kWhite}},
         -1},
        {"the same with UPPERPLUS: the origin row plus, the rows below it minus", DrawingGrid::kDots, 10, 1,
         SheetSettings::kUpperPlus, 0, 0, 0, 5,
         {{30, 20, kCyan}, {40, 20, kCyan}, {40, 30, kYellow}, {130, 120, kYellow}},
         -1},
        {"dots left of the origin are minus", DrawingGrid::kDots, 10, 1, SheetSettings::kUnderPlus, 100, 0, 0, 5,
         {{120, 30, kYellow}, {130, 30, kCyan}, {140, 30, kCyan}},
         -1},
        {"no band: nothing on the sheet's top or left edge", DrawingGrid::kDots, 10, 1, SheetSettings::kUnderPlus, 0,
         0, 0, 0, {{30, 20, kWhite}, {30, 30, kWhite}, {40, 20, kWhite}, {40, 30, kCyan}},
         -1},
        {"a mesh at 6 pixels with a minimum of 4", DrawingGrid::kMesh, 6, 1, SheetSettings::kUnderPlus, 0, 0, 0, 5,
         {{36, 100, kCyan}, {100, 26, kCyan}, {37, 101, kWhite}, {30, 17, kYellow}},
         -1},
        {"dots at 6 pixels need 8", DrawingGrid::kDots, 6, 1, SheetSettings::kUnderPlus, 0, 0, 0, 5, {}, 0},
        {"a denominator of 0.5 draws nothing", DrawingGrid::kMesh, 10, 0.5, SheetSettings::kUnderPlus, 0, 0, 0, 5, {},
         0},
        {"the diamond of a 10 x 10 rectangle", DrawingGrid::kNoGrid, 10, 1, SheetSettings::kUnderPlus, 50, 50,
         DrawingGrid::kDiamondMark, 5,
         {{80, 65, kBlack}, {85, 70, kBlack}, {80, 75, kBlack}, {75, 70, kBlack}, {80, 70, kWhite}, {75, 65, kWhite}},
         0},
        {"the square", DrawingGrid::kNoGrid, 10, 1, SheetSettings::kUnderPlus, 50, 50, DrawingGrid::kSquareMark, 5,
         {{75, 65, kBlack}, {85, 75, kBlack}, {80, 70, kWhite}},
         0},
        {"an origin out of view has no mark", DrawingGrid::kNoGrid, 10, 1, SheetSettings::kUnderPlus, -100, -100,
         DrawingGrid::kDiamondMark, 5, {}, 0},
    };
    for (const Case& c : cases) {
        GridDrawing d;
        SheetSettings& sheet = *d.sheet.paper;
        ASSERT_EQ(sheet.setYDirection(c.direction), 1);
        for (int side = SheetSettings::kTop; side <= SheetSettings::kBottom; ++side)
            ASSERT_EQ(sheet.setTonboWidth(static_cast<SheetSettings::Side>(side), c.band), 1);
        DrawingGrid& g = *d.grid;
        g.kind = c.kind;
        g.xNumerator = g.yNumerator = c.pitch;
        g.xDenominator = g.yDenominator = c.denominator;
        g.xOrigin = c.originX;
        g.yOrigin = c.originY;
        g.originDesign = c.design;
        EXPECT_EQ(g.paint(), 1) << c.what;
        const DibSurface& surface = d.sheet.updater->surface;
        for (const Probe& p : c.probes)
            EXPECT_EQ(surface.pixel(p.x, p.y), p.colour) << c.what << " at " << p.x << ", " << p.y;
        if (c.colouredPixels >= 0) {
            const int coloured = 400 * 300 - surface.inkCount(0, 0, 400, 300, kCyan) +
                                 (400 * 300 - surface.inkCount(0, 0, 400, 300, kYellow));
            EXPECT_EQ(coloured, c.colouredPixels) << c.what;
        }
    }

    // Under or over the figures: each pass paints only at its own position.
    GridDrawing d;
    d.grid->kind = DrawingGrid::kDots;
    d.grid->xNumerator = d.grid->yNumerator = 10;
    d.grid->position = DrawingGrid::kOverFigures;
    EXPECT_EQ(d.grid->paintUnder(), DrawingGrid::kOverFigures);
    EXPECT_EQ(d.sheet.updater->surface.inkCount(0, 0, 400, 300), 0);
    EXPECT_EQ(d.grid->paintOver(), 1);
    EXPECT_GT(d.sheet.updater->surface.inkCount(0, 0, 400, 300), 0);
}
