#pragma once
// A drawing for the painting tests: a document context with a real sheet, view mapping, redraw
// manager and document painter, whose view window is a window object without a handle that
// draws into a 24-bit DIB section (the "screen" the tests read back), and whose page holds test
// rectangles drawn by a fake element editor. The editor consults the redraw manager's update
// area as the real one does and records what it drew.
#include <vector>

#include <windows.h>

#include "document/DisplayControlState.h"
#include "document/DocumentContext.h"
#include "document/ElementStore.h"
#include "document/SheetSettings.h"
#include "document/TickStamp.h"
#include "geometry/DoubleRect.h"
#include "platform/Window.h"
#include "tests/support/DibSurface.h"
#include "tests/support/IdleMembers.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/TestApplication.h"
#include "views/OffscreenPainter.h"
#include "views/RedrawManager.h"
#include "views/ViewMapping.h"
#include "views/tools/ElementEditor.h"

namespace paint_test {

// A view mapping whose client rectangle is fixed (its window has no handle).
class SizedMapping : public ViewMapping {
public:
    void clientRect(IntRect& out) override { out = client; }
    IntRect client;
};

// A window object without a window: its device context draws into the DIB section.
class DibWindow : public Window {
public:
    DibWindow(int width, int height) : screen(width, height, RGB(0, 0, 0)) { dc.attachHdc(screen.hdc); }
    ~DibWindow() override { dc.detachHdc(); }
    DibSurface screen;
};

// Draws stored test rectangles (drawing coordinates) filled with their colour on the surface of
// operation 1, unless the redraw manager says they lie outside the area being redrawn.
class RectangleEditor : public IdleEditor {
public:
    void setOwner(DocumentContext* owner) override { context = owner; }

    // Called once per element in the page walks the redraw benchmarks time: it starts a page of
    // its own, so that the code linked before it does not move it and change what the front end
    // of the processor makes of its calls (worth 5-7 % of a full redraw).
    [[gnu::aligned(4096)]] int drawElementById(int id) override
    {
        ElementIndexEntry entry;
        if (!context->elementStore()->getEntry(id, &entry))
            return -1;
        if (id >= static_cast<int>(shapes.size()))
            return entry.pageNext;
        const Shape& s = shapes[id];
        if (!context->updater->isOutsideUpdateArea(&s.extent)) {
            drawn.push_back(id);
            if (DeviceContext* dc = context->updater->surfaceForOperation(1)) {
                IntPoint a, b;
                context->view->worldToDeviceClamped(s.extent.minX, s.extent.minY, &a);
                context->view->worldToDeviceClamped(s.extent.maxX, s.extent.maxY, &b);
                IntRect r;
                r.setFromPoints(a, b);
                r.right += 1; // the rectangle includes its far edges
                r.bottom += 1;
                dc->fillRect(s.colour, r);
            }
            if (onDraw)
                onDraw(id);
        }
        return entry.pageNext;
    }

    struct Shape {
        DoubleRect extent;
        RgbColor colour;
    };
    DocumentContext* context = nullptr;
    std::vector<Shape> shapes; // by id (0 unused)
    std::vector<int> drawn;
    void (*onDraw)(int id) = nullptr;
};

class PaintTestDrawing {
public:
    explicit PaintTestDrawing(int width = 400, int height = 300) : window(width, height)
    {
        context.paper = sheet = new SheetSettings;
        context.tickStamp = new TickStamp;
        context.view = view = new SizedMapping;
        context.updater = updater = new RedrawManager;
        context.pagePainter = painter = new OffscreenPainter;
        context.editor1 = editor = new RectangleEditor;
        context.ownStore = store = new ElementStore;
        context.displayControl = new DisplayControlState; // every layer and kind shown, as a new drawing
        context.window = &window;
        context.linkManagers();
        view->client = IntRect::fromEdges(0, 0, width, height);
        view->rulersShown = 0;
        (void)painter->ensureBitmapOfSize(view->client);
    }
    ~PaintTestDrawing() { context.window = nullptr; }
    PaintTestDrawing(const PaintTestDrawing&) = delete;
    PaintTestDrawing& operator=(const PaintTestDrawing&) = delete;

    // A rectangle on a page (drawing coordinates); its id.
    int addRectangle(double minX, double minY, double maxX, double maxY, RgbColor colour = RgbColor(0, 0, 255),
                     int page = 1)
    {
        store->recordBuffer->rewind();
        const int word = 7;
        (void)store->recordBuffer->putBytes(&word, sizeof word);
        ElementIndexEntry entry;
        entry.kind = 5;
        entry.layer = 100;
        entry.page = page;
        const int id = store->addElement(&entry);
        if (id >= static_cast<int>(editor->shapes.size()))
            editor->shapes.resize(id + 1);
        RectangleEditor::Shape& s = editor->shapes[id];
        s.extent.set(minY, minX, maxX, maxY);
        s.colour = colour;
        return id;
    }
    // The painter's pixel (a memory DC) and the window's (the DIB section).
    COLORREF painterPixel(int x, int y) { return GetPixel(painter->surface()->hdc, x, y); }
    COLORREF windowPixel(int x, int y) { return window.screen.pixel(x, y); }
    // The drawing point at the centre of a device pixel.
    double worldX(int x) { return view->deviceToWorldX(x) + 0.5 / pixelsPerUnit(); }
    double worldY(int y) { return view->deviceToWorldY(y) + 0.5 / pixelsPerUnit(); }
    double pixelsPerUnit() { return view->lengthToPixels(1000.0, 1) / 1000.0; }

    TestApplication app;
    DibWindow window;
    DocumentContext context;
    SheetSettings* sheet = nullptr;
    SizedMapping* view = nullptr;
    RedrawManager* updater = nullptr;
    OffscreenPainter* painter = nullptr;
    RectangleEditor* editor = nullptr;
    ElementStore* store = nullptr;
};

} // namespace paint_test
