// The sheet painted into a 24-bit DIB section through a fixed view mapping: the surround and its
// shadow, the crop-mark and margin bands and their lines, thumbnails, and sheets larger than the
// window.
#include <functional>
#include <gtest/gtest.h>
#include <vector>
#include <windows.h>

#include "tests/document/SheetTestDrawing.h"

using namespace sheet_test;

namespace {

const COLORREF kLightGray = RGB(192, 192, 192);
const COLORREF kGray = RGB(128, 128, 128);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kMagenta = RGB(255, 0, 255);

} // namespace

// The window is 400 x 300 pixels and, unless a case moves it, one pixel is one millimetre with
// the A4 sheet's top-left corner at (30, 20): the sheet covers x 30..326 and y 20..229.
TEST(SheetPainting, SurroundShadowBandsAndLines)
{
    struct Case {
        const char* what;
        std::function<void(SheetDrawing&)> setUp;
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {"no bands: the surround and a 10-pixel shadow only",
         [](SheetDrawing&) {},
         {{10, 10, kLightGray},    {380, 150, kLightGray}, {150, 280, kLightGray}, {150, 100, kWhite},
          {150, 20, kWhite},       {30, 100, kWhite},      {327, 100, kGray},      {336, 100, kGray},
          {337, 100, kLightGray},  {330, 29, kLightGray},  {330, 30, kGray},       {330, 239, kGray},
          {330, 240, kLightGray},  {100, 230, kGray},      {100, 239, kGray},      {100, 240, kLightGray},
          {39, 235, kLightGray},   {40, 235, kGray}}},
        {"drawing the page painter: a 5-pixel shadow",
         [](SheetDrawing& s) { s.updater->toPagePainter = 1; },
         {{331, 100, kGray}, {332, 100, kLightGray}, {100, 234, kGray}, {100, 235, kLightGray}}},
        {"drawing the page bar: a 5-pixel shadow",
         [](SheetDrawing& s) { s.updater->toPageTabBar = 1; },
         {{331, 100, kGray}, {332, 100, kLightGray}, {100, 234, kGray}, {100, 235, kLightGray}}},
        {"a crop-mark top of 0.05 mm: no band, no edge line",
         [](SheetDrawing& s) { ASSERT_EQ(s.paper->setTonboWidth(SheetSettings::kTop, 0.05), 1); },
         {{150, 18, kLightGray}, {150, 19, kWhite}, {150, 20, kWhite}, {30, 100, kWhite}}},
        {"a crop-mark top of 5 mm with its area off: the edge line only, in blue",
         [](SheetDrawing& s) {
             ASSERT_EQ(s.paper->setTonboWidth(SheetSettings::kTop, 5.0), 1);
             s.paper->tonboAreaShown.set(0);
             s.paper->tonboAreaColour.setYellow();
         },
         {{150, 14, kLightGray}, {150, 15, kWhite}, {150, 19, kWhite}, {150, 20, kBlue}, {30, 100, kBlue},
          {150, 100, kWhite}, {330, 24, kLightGray}, {330, 25, kGray}}},
        {"a crop-mark top of 5 mm with its area shown",
         [](SheetDrawing& s) {
             ASSERT_EQ(s.paper->setTonboWidth(SheetSettings::kTop, 5.0), 1);
             s.paper->tonboAreaColour.setYellow();
         },
         {{150, 15, kYellow}, {150, 19, kYellow}, {150, 20, kBlue}, {150, 21, kWhite}}},
        {"a crop-mark band with its edge line off",
         [](SheetDrawing& s) {
             ASSERT_EQ(s.paper->setTonboWidth(SheetSettings::kLeft, 5.0), 1);
             s.paper->tonboAreaColour.setYellow();
             s.paper->tonboEdgeShown.set(0);
         },
         {{27, 100, kYellow}, {30, 100, kWhite}, {150, 20, kWhite}, {24, 100, kLightGray}}},
        {"a 10 mm margin: the margin line in magenta",
         [](SheetDrawing& s) {
             for (int side = SheetSettings::kTop; side <= SheetSettings::kBottom; ++side)
                 ASSERT_EQ(s.paper->setYohakuWidth(static_cast<SheetSettings::Side>(side), 10.0), 1);
             s.paper->yohakuAreaColour.setYellow();
         },
         {{150, 25, kYellow}, {150, 30, kMagenta}, {40, 100, kMagenta}, {150, 219, kWhite}, {150, 220, kMagenta},
          {150, 225, kYellow}, {150, 100, kWhite}, {150, 20, kYellow}}},
        {"a margin with its line off and its area white",
         [](SheetDrawing& s) {
             ASSERT_EQ(s.paper->setYohakuWidth(SheetSettings::kTop, 10.0), 1);
             s.paper->yohakuEdgeShown.set(0);
         },
         {{150, 25, kWhite}, {150, 30, kWhite}}},
        {"zoomed in 1000 times on the sheet's bottom-right corner: the mapping is clamped",
         [](SheetDrawing& s) {
             s.view->scale = 1000.0;
             s.view->originX = 296.8;
             s.view->originY = 209.85;
         },
         {{100, 75, kWhite}, {205, 75, kGray}, {250, 75, kLightGray}, {100, 155, kGray}, {250, 200, kLightGray},
          {0, 149, kWhite}, {0, 155, kGray}}},
    };
    for (const Case& c : cases) {
        SheetDrawing sheet;
        sheet.view->scale = 1.0;
        sheet.view->originX = -30.0;
        sheet.view->originY = -20.0;
        c.setUp(sheet);
        EXPECT_EQ(sheet.paper->paintSheet(), 1) << c.what;
        EXPECT_EQ(sheet.updater->lastOperation, 1) << "the page surface: " << c.what;
        for (const Probe& p : c.probes)
            EXPECT_EQ(sheet.updater->surface.pixel(p.x, p.y), p.colour) << c.what << " at " << p.x << ", " << p.y;
    }
}

TEST(SheetPainting, ASheetCoveringTheWindowPaintsNothingAndNoViewPaintsNothing)
{
    SheetDrawing covering;
    covering.view->scale = 3.0;
    covering.view->originX = 50.0;
    covering.view->originY = 30.0;
    EXPECT_EQ(covering.paper->paintSheet(), 1);
    EXPECT_EQ(covering.updater->surface.inkCount(0, 0, 400, 300), 0);

    // A crop-mark band across the whole window is painted all the same.
    ASSERT_EQ(covering.paper->setTonboWidth(SheetSettings::kTop, 300.0), 1);
    covering.paper->tonboAreaColour.setYellow();
    covering.view->originY = -150.0;
    EXPECT_EQ(covering.paper->paintSheet(), 1);
    EXPECT_EQ(covering.updater->surface.inkCount(0, 0, 400, 300, kYellow), 0) << "the band fills the window";

    SheetDrawing withoutView;
    delete withoutView.drawing.context.view;
    withoutView.drawing.context.view = nullptr;
    EXPECT_EQ(withoutView.paper->paintSheet(), 0);
    IntRect client = IntRect::fromEdges(1, 2, 3, 4);
    withoutView.paper->clientRect(client);
    EXPECT_EQ(client.width() + client.height(), 0) << "no view, no client area";
    SheetSettings ownerless;
    EXPECT_EQ(ownerless.paintSheet(), 0);
    EXPECT_EQ(ownerless.shadowSize(), 10);
}
