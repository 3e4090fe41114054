#pragma once
// The sheet tests' drawing with the drawing's own grid in place of the counting one, dimension
// defaults that note the length unit they are given, and the names of the settings section
// "GRID". The view maps one millimetre to one pixel with the sheet's top-left corner at (30, 20);
// its mouse is the program's mouse source, the cursor taken as view pixels.
#include <vector>

#include "document/DrawingGrid.h"
#include "document/MeasureDefaults.h"
#include "platform/MouseSource.h"
#include "tests/document/SheetTestDrawing.h"
#include "tests/support/FakeSettingsFile.h"

namespace grid_test {

class PickView : public LinearView {
public:
    [[nodiscard]] int nextMousePoint(IntPoint& device, int& left, int& right) override
    {
        if (++steps > 100000)
            return 0; // a script that never presses
        readCursorPos(device);
        left = isLeftButtonDown();
        right = isRightButtonDown();
        return 1;
    }
    [[nodiscard]] int mouseWorldXY(double& x, double& y) override
    {
        IntPoint device;
        readCursorPos(device);
        double z = 0.0;
        deviceToWorld(device, &x, &y, &z);
        return 1;
    }
    int steps = 0;
};

class NotedMeasureDefaults : public MeasureDefaults {
public:
    void setOwner(DocumentContext*) override {}
    int editSettings() override { return 0; }
    int batchEdit() override { return 0; }
    void copyFrom(const MeasureDefaults*) override {}
    void setLengthUnit(int unitId) override { units.push_back(unitId); }
    std::vector<int> units;
};

// The context owns the members and deletes them.
class GridDrawing {
public:
    explicit GridDrawing(int width = 400, int height = 300) : sheet(width, height)
    {
        DocumentContext& c = context();
        delete c.grid;
        sheet.grid = nullptr;
        c.grid = grid = new DrawingGrid;
        grid->setOwner(&c);
        c.measureDefaults = measure = new NotedMeasureDefaults;
        delete c.view;
        c.view = sheet.view = new PickView;
        sheet.view->client = IntRect::fromEdges(0, 0, width, height);
        sheet.view->originX = -30.0;
        sheet.view->originY = -20.0;
    }
    DocumentContext& context() { return sheet.drawing.context; }

    sheet_test::SheetDrawing sheet;
    DrawingGrid* grid;
    NotedMeasureDefaults* measure;
};

// The section "GRID", its keys and the unit keys.
inline void registerGrid(FakeSettingsFile& file)
{
    file.registerAttributeKeys();
    file.registerSection(DrawingGrid::kSection, "GRID");
    file.registerSection(DrawingGrid::kSection + 1000, "NEXT");
    const char* const names[] = {"GRIDTYPE",        "GRIDYOKOUNIT",  "GRIDYOKOBSI",    "GRIDYOKOBBO",
                                 "GRIDTATEUNIT",    "GRIDTATEBSI",   "GRIDTATEBBO",    "GRIDOROGINX",
                                 "GRIDOROGINY",     "GRIDORIGINZUKEI", "GRIDPLUSCOLOR", "GRIDMINUSCOLOR",
                                 "GRIDORIGINCOLOR", "GRIDPOS"};
    for (int i = 0; i < 14; ++i)
        file.registerKey(DrawingGrid::kTypeKey + i, names[i]);
}

} // namespace grid_test
