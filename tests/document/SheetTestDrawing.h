#pragma once
// A drawing for the sheet tests: the file test drawing (document, pages, file editor) with a real
// SheetSettings as its paper and stand-ins for the view members the sheet talks to: a linear view
// whose client rectangle is the page surface's, a redraw manager whose page surface is a DIB
// section, and a scroller and a grid that count what they are asked. Header sections are read
// from a file written around them.
#include <string>

#include "document/Document.h"
#include "document/RulerBars.h"
#include "document/SheetSettings.h"
#include "document/ViewScroller.h"
#include "geometry/GridSettings.h"
#include "tests/document/DrawingFixture.h"
#include "tests/support/IdleMembers.h"
#include "tests/support/LinearView.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SurfaceUpdater.h"

namespace sheet_test {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kYellow = RGB(255, 255, 0);

// A pixel of the page surface and the colour it must have after a paint.
struct Probe {
    int x, y;
    COLORREF colour;
};

class SheetScroller : public IdleScroller {
public:
    int resetRanges() override
    {
        ++recomputes;
        return 0;
    }
    void updatePageSizes() override { ++recomputes; }
    int applyToView() override
    {
        ++recomputes;
        return 0;
    }
    int recomputes = 0;
};

class SheetGrid : public IdleGrid {
public:
    void chooseUnitsForScale() override { ++unitChoices; }
    void updateOriginFromDisplay() override { ++originUpdates; }
    int unitChoices = 0;
    int originUpdates = 0;
};

class SheetRulers : public RulerBars {
public:
    void setOwner(DocumentContext*) override {}
    void paint() override { ++paints; }
    int paints = 0;
};

// The context owns the members and deletes them.
class SheetDrawing {
public:
    explicit SheetDrawing(int width = 400, int height = 300) : drawing(false)
    {
        DocumentContext& c = drawing.context;
        c.paper = paper = new SheetSettings;
        delete c.grid; // the drawing's own grid makes way for the counting one
        c.view = view = new LinearView;
        c.updater = updater = new SurfaceUpdater(width, height);
        c.scroller = scroller = new SheetScroller;
        c.grid = grid = new SheetGrid;
        delete c.rulers;
        c.rulers = rulers = new SheetRulers;
        paper->setOwner(&c);
        view->client = IntRect::fromEdges(0, 0, width, height);
    }

    drawing_fixture::TestDrawing drawing;
    SheetSettings* paper;
    LinearView* view;
    SurfaceUpdater* updater;
    SheetScroller* scroller;
    SheetGrid* grid;
    SheetRulers* rulers;
};

// A drawing file whose header holds these sections; cut short when `complete` is false.
inline std::string fileWithHeader(const std::string& sections, bool complete = true)
{
    std::string text = "<?xml version=\"1.0\" encording=\"Shift_JIS\"?>\r\n<!--- DTD is none --->\r\n"
                       "<tesvanCADml>\r\n <header>\r\n" +
                       sections;
    if (complete)
        text += " </header>\r\n</tesvanCADml>\r\n";
    return text;
}

// Reads such a file into the drawing; the read's result (0 also when the file was not taken).
inline int readSections(drawing_fixture::TestDrawing& drawing, const ScratchFolder& scratch,
                        const std::string& sections, bool complete = true)
{
    const std::string path = scratch.file("header.ycx", fileWithHeader(sections, complete));
    Document& document = drawing.document();
    if (!document.assign(path.c_str()))
        return 0;
    XmlContextScope publish(&document);
    return document.read();
}

} // namespace sheet_test
