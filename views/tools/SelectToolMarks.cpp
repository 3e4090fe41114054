// The select tool's marks: the selection drawn in the pick colour with its handles, and the mark
// painters the elements call while they show themselves picked.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementIndexEntry.h"
#include "document/ElementMaskIndex.h"
#include "document/ElementStore.h"
#include "document/Selection.h"
#include "document/ShapeOp.h"
#include "document/ViewUpdater.h"
#include "geometry/DoubleRect.h"
#include "geometry/DrawPoint.h"
#include "geometry/PickSettings.h"
#include "geometry/Point.h"
#include "geometry/ViewParams.h"
#include "platform/DeviceContext.h"
#include "platform/HeldGdiObject.h"
#include "platform/IntRect.h"
#include "platform/Pen.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/SelectTool.h"
#include "views/tools/ToolSupport.h"

namespace {
// Handle and point marks are squares of this many pixels centred on their point.
constexpr int kMarkSize = 6;
constexpr int kHalfMark = kMarkSize / 2;

// The surface and the device point of a drawing point for an operation; null when the view or
// the surface is missing.
DeviceContext* markSurface(DocumentContext* context, int operation, const Point& at, IntPoint& device)
{
    ViewParams* view = context ? context->view : nullptr;
    ViewUpdater* updater = context ? context->updater : nullptr;
    if (!view || !updater)
        return nullptr;
    view->worldToDeviceForOp(operation, at.x, at.y, &device);
    return updater->surfaceForOperation(operation);
}

IntRect squareAround(const IntPoint& p, int half)
{
    return IntRect::fromEdges(p.x - half, p.y - half, p.x + half, p.y + half);
}

// The pixel values GDI writes on the target for the pick colour's brush, the white brush and
// the pen, as a 32-bit top-down DIB holds them once copied from the target: drawn on a scrap
// bitmap of the target's format and copied. 0 when GDI refused.
int gdiPixelValues(HDC target, HBRUSH fill, HBRUSH white, HPEN pen, uint32_t out[3])
{
    HDC scrap = CreateCompatibleDC(target);
    HBITMAP scrapBitmap = scrap ? CreateCompatibleBitmap(target, 3, 1) : nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 3;
    info.bmiHeader.biHeight = -1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC copy = scrapBitmap ? CreateCompatibleDC(target) : nullptr;
    HBITMAP copyBitmap = copy ? CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    int ok = 0;
    if (copyBitmap && bits) {
        HGDIOBJ oldScrap = SelectObject(scrap, scrapBitmap);
        HGDIOBJ oldCopy = SelectObject(copy, copyBitmap);
        RECT first = {0, 0, 1, 1}, second = {1, 0, 2, 1};
        FillRect(scrap, &first, fill);
        FillRect(scrap, &second, white);
        HGDIOBJ oldPen = SelectObject(scrap, pen);
        MoveToEx(scrap, 2, 0, nullptr);
        LineTo(scrap, 3, 0);
        SelectObject(scrap, oldPen);
        ok = BitBlt(copy, 0, 0, 3, 1, scrap, 0, 0, SRCCOPY);
        GdiFlush();
        if (ok)
            std::copy_n(static_cast<const uint32_t*>(bits), 3, out);
        SelectObject(copy, oldCopy);
        SelectObject(scrap, oldScrap);
    }
    if (copyBitmap)
        DeleteObject(copyBitmap);
    if (copy)
        DeleteDC(copy);
    if (scrapBitmap)
        DeleteObject(scrapBitmap);
    if (scrap)
        DeleteDC(scrap);
    return ok;
}

// The pixels of a memory bitmap's drawable area (its clip box) copied into a 32-bit DIB, where
// the marks are painted pixel by pixel as GDI paints them, and copied back once: tens of
// thousands of small marks cost one pair of blits instead of a GDI call each. It opens only on a
// plain memory bitmap (no mapping, no other mix mode).
class MarkCanvas {
public:
    MarkCanvas() = default;
    MarkCanvas(const MarkCanvas&) = delete;
    MarkCanvas& operator=(const MarkCanvas&) = delete;
    ~MarkCanvas() { close(); }

    // 1 when open on the target (held acquired until close).
    int open(DeviceContext& surface, HBRUSH fill, HBRUSH white, HPEN pen)
    {
        surface.acquire();
        target = &surface;
        HDC dc = surface.hdc;
        POINT viewportOrigin = {}, windowOrigin = {};
        BITMAP held = {};
        HGDIOBJ bitmap = dc ? GetCurrentObject(dc, OBJ_BITMAP) : nullptr;
        RECT clip = {};
        if (!dc || GetObjectType(dc) != OBJ_MEMDC || GetMapMode(dc) != MM_TEXT || GetGraphicsMode(dc) != GM_COMPATIBLE ||
            GetROP2(dc) != R2_COPYPEN || !GetViewportOrgEx(dc, &viewportOrigin) || !GetWindowOrgEx(dc, &windowOrigin) ||
            viewportOrigin.x || viewportOrigin.y || windowOrigin.x || windowOrigin.y || !bitmap ||
            !GetObjectA(bitmap, sizeof held, &held) || GetClipBox(dc, &clip) == ERROR ||
            !gdiPixelValues(dc, fill, white, pen, colours)) {
            close();
            return 0;
        }
        area = IntRect::fromEdges(std::max<int>(clip.left, 0), std::max<int>(clip.top, 0),
                                  std::min<int>(clip.right, held.bmWidth), std::min<int>(clip.bottom, held.bmHeight));
        width = std::max(area.width(), 0);
        const int height = std::max(area.height(), 0);
        if (width > 0 && height > 0) {
            BITMAPINFO info = {};
            info.bmiHeader.biSize = sizeof info.bmiHeader;
            info.bmiHeader.biWidth = width;
            info.bmiHeader.biHeight = -height;
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;
            void* bits = nullptr;
            copy = CreateCompatibleDC(dc);
            copyBitmap = copy ? CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
            if (!copyBitmap || !bits) {
                close();
                return 0;
            }
            previous = SelectObject(copy, copyBitmap);
            if (!BitBlt(copy, 0, 0, width, height, dc, area.left, area.top, SRCCOPY)) {
                close();
                return 0;
            }
            GdiFlush();
            pixels = static_cast<uint32_t*>(bits);
        }
        opened = 1;
        return 1;
    }
    [[nodiscard]] int isOpen() const { return opened; }
    // The painted pixels back onto the target; the canvas closed.
    void close()
    {
        if (opened && pixels)
            (void)BitBlt(target->hdc, area.left, area.top, width, area.height(), copy, 0, 0, SRCCOPY); // refused: the marks are lost, as GDI's would be
        if (copy && previous)
            SelectObject(copy, previous);
        if (copyBitmap)
            DeleteObject(copyBitmap);
        if (copy)
            DeleteDC(copy);
        if (target)
            target->release();
        copy = nullptr, copyBitmap = nullptr, previous = nullptr, pixels = nullptr, target = nullptr;
        opened = 0;
    }
    // A side: the one-pixel pen from a towards b, b not drawn. 0 for a slanting side, which only
    // GDI draws.
    int side(const IntPoint& a, const IntPoint& b)
    {
        int64_t l = 0, t = 0, r = 0, bottom = 0;
        if (a.y == b.y) {
            l = a.x < b.x ? a.x : int64_t{b.x} + 1, r = a.x < b.x ? b.x : int64_t{a.x} + 1;
            t = a.y, bottom = int64_t{a.y} + 1;
            if (a.x == b.x)
                return 1; // no length: nothing drawn
        } else if (a.x == b.x) {
            t = a.y < b.y ? a.y : int64_t{b.y} + 1, bottom = a.y < b.y ? b.y : int64_t{a.y} + 1;
            l = a.x, r = int64_t{a.x} + 1;
        } else {
            return 0;
        }
        paint(l, t, r, bottom, colours[2]);
        return 1;
    }
    // A square in the pick colour (filled) or white, right and bottom edges not filled.
    void square(const IntRect& r, int filled) { paint(r.left, r.top, r.right, r.bottom, colours[filled ? 0 : 1]); }

private:
    void paint(int64_t l, int64_t t, int64_t r, int64_t b, uint32_t value)
    {
        l = std::max<int64_t>(l, area.left), t = std::max<int64_t>(t, area.top);
        r = std::min<int64_t>(r, area.right), b = std::min<int64_t>(b, area.bottom);
        if (!pixels || l >= r || t >= b)
            return;
        for (int64_t y = t; y < b; ++y) {
            uint32_t* row = pixels + (y - area.top) * width - area.left;
            std::fill(row + l, row + r, value);
        }
    }

    DeviceContext* target = nullptr; // not owned
    IntRect area;
    int width = 0;
    int opened = 0;
    HDC copy = nullptr;
    HBITMAP copyBitmap = nullptr;
    HGDIOBJ previous = nullptr;
    uint32_t* pixels = nullptr;
    uint32_t colours[3] = {};
};
} // namespace

int SelectTool::pickDevicePoint(IntPoint& out)
{
    ViewParams* view = context ? context->view : nullptr;
    if (!view)
        return 0;
    view->worldToDevice(pickX, pickY, &out);
    return 1;
}

int SelectTool::isUnderCursor(const Point& point)
{
    IntPoint pick, p;
    if (!pickDevicePoint(pick))
        return 0;
    context->view->worldToDevice(point.x, point.y, &p);
    return p.x >= pick.x - kHalfMark && p.x <= pick.x + kHalfMark && p.y >= pick.y - kHalfMark &&
           p.y <= pick.y + kHalfMark;
}

struct SelectTool::MarkTools {
    MarkTools()
    {
        const RgbColor pick = tool_support::pickColour();
        line.handle = Pen::createFrom(PenSpec(pick));
        fill.handle = pick.createSolidBrush();
        white.handle = RgbColor(255, 255, 255).createSolidBrush();
    }
    HeldGdiObject<HPEN> line;
    HeldGdiObject<HBRUSH> fill;
    HeldGdiObject<HBRUSH> white;
    // With the handle style the sides and handles of every element are painted on a canvas of
    // the marks' surface while it is open.
    MarkCanvas canvas;
    DeviceContext* canvasSurface = nullptr; // not owned

    // 1 when a mark on this surface goes on the canvas.
    [[nodiscard]] int paintsOn(DeviceContext* surface) const { return canvas.isOpen() && surface == canvasSurface; }
    void side(DeviceContext* surface, const IntPoint& a, const IntPoint& b)
    {
        if (paintsOn(surface)) {
            if (canvas.side(a, b))
                return;
            canvas.close(); // a slanting side: GDI draws it and what follows
        }
        surface->drawLineWith(line.handle, a, b);
    }
    void handle(DeviceContext* surface, const IntPoint& p, int active)
    {
        if (paintsOn(surface)) {
            canvas.square(squareAround(p, kHalfMark), 1);
            if (!active)
                canvas.square(squareAround(p, kHalfMark - 1), 0);
            return;
        }
        surface->fillRect(fill.handle, squareAround(p, kHalfMark));
        if (!active)
            surface->fillRect(white.handle, squareAround(p, kHalfMark - 1));
    }
};

void SelectTool::drawExtentSide(int operation, const Point& from, const Point& to)
{
    IntPoint a, b;
    DeviceContext* surface = markSurface(context, operation, from, a);
    if (!surface)
        return;
    context->view->worldToDeviceForOp(operation, to.x, to.y, &b);
    if (markTools)
        markTools->side(surface, a, b);
    else
        surface->drawLineBetween(PenSpec(tool_support::pickColour()), a, b);
}

void SelectTool::drawHandleMark(int operation, const Point& at, int active)
{
    IntPoint p;
    DeviceContext* surface = markSurface(context, operation, at, p);
    if (!surface)
        return;
    if (markTools) {
        markTools->handle(surface, p, active);
        return;
    }
    surface->fillRect(tool_support::pickColour(), squareAround(p, kHalfMark));
    if (!active)
        surface->fillRect(RgbColor(255, 255, 255), squareAround(p, kHalfMark - 1));
}

void SelectTool::drawPointMark(int operation, const Point& at)
{
    IntPoint p;
    DeviceContext* surface = markSurface(context, operation, at, p);
    if (!surface)
        return;
    // GDI draws it: the canvas goes onto the surface first, and GDI draws the marks that follow.
    if (markTools && markTools->paintsOn(surface))
        markTools->canvas.close();
    IntRect frame = squareAround(p, kHalfMark);
    frame.right -= 1; // the frame's sides are drawn on its last pixels
    frame.bottom -= 1;
    surface->drawRectSides(PenSpec(tool_support::pickColour()), frame, 1, 1, 1, 1);
}

// The painter's picture has no marks; the next redrawMarks shows them again.
void SelectTool::hideMarks()
{
    if (context && context->updater)
        context->updater->flushPainter();
}

void SelectTool::redrawMarks() { drawMarks(1); }

void SelectTool::drawMarksOnOverlay() { drawMarks(0); }

void SelectTool::drawMarks(int show)
{
    ViewUpdater* updater = context ? context->updater : nullptr;
    ElementEditorBase* editor = toolEditor();
    if (!updater)
        return;
    if (!marksEnabled || !editor) {
        if (!show)
            updater->copyPainterToOverlay(); // what is drawn next goes over the page alone
        return;
    }
    // The marks are drawn on a copy of the painter, which then replaces the window's picture.
    const int offscreen = updater->drawWindowOnOverlay(1);
    if (!offscreen && !show)
        return; // no overlay: nothing is drawn over the marks either
    if (!offscreen)
        updater->flushPainter();
    updater->beginClip();
    MarkTools tools;
    markTools = &tools;
    // With the handle style every element shows its sides and handles only, through the marks
    // above: they are painted on a canvas of the surface, which goes onto it once at the end,
    // and a kind whose handles stand on the extent it registered shows them from there without
    // being taken.
    const int handleStyle = thePickSettings && thePickSettings->pickStyle() == PickStyle::Handles;
    tools.canvasSurface = handleStyle ? updater->surfaceForOperation(ShapeOp::ShowPicked) : nullptr;
    if (tools.canvasSurface)
        (void)tools.canvas.open(*tools.canvasSurface, tools.fill.handle, tools.white.handle, tools.line.handle); // 0: GDI draws each mark
    // An element whose extent, grown by the reach of its marks, lies outside the view shows no
    // mark there: it is not taken from its record.
    ElementMaskIndex* index = context->maskIndex;
    ElementStore* store = context->elementStore();
    const int fromIndex = handleStyle && index && store && store == context->ownStore;
    const double scale = Element::viewScaleOf(context);
    const double drawingScale = DrawPoint::scaleDenominatorOf(context) / DrawPoint::scaleNumeratorOf(context);
    IntRect client;
    if (context->view) {
        context->view->clientRect(client);
        context->view->holdMapping(1);
    }
    const std::vector<int> selected = tool_support::liveSelectedIds(context);
    for (size_t i = 0; i < selected.size(); ++i) {
        const int id = selected[i];
        if (store)
            store->prefetchAhead(selected, i);
        if (index)
            index->prefetchAhead(selected, i);
        DoubleRect extent;
        if (index && client.width() > 0 && index->holdsAt(id, scale) && index->extentOf(id, extent)) {
            IntPoint a, b;
            context->view->worldToDeviceForOp(ShapeOp::ShowPicked, extent.minX, extent.minY, &a);
            context->view->worldToDeviceForOp(ShapeOp::ShowPicked, extent.maxX, extent.maxY, &b);
            IntRect marks;
            marks.setFromPoints(a, b);
            marks.inflate(kHalfMark + 2);
            if (marks.right < client.left || marks.left > client.right || marks.bottom < client.top ||
                marks.top > client.bottom)
                continue;
        }
        ElementIndexEntry entry;
        int filled = 0;
        if (fromIndex && store->getEntry(id, &entry) && editor->kindMarksFollowExactExtent(entry.kind, filled) &&
            index->currentExtentOf(id, scale, drawingScale, extent)) {
            drawExtentHandles(extent, filled);
            continue;
        }
        // A kind whose handles stand on an extent its shape measures shows them from the one kept
        // when it was last taken here, at the same scales and not stored since.
        if (fromIndex && index->marksExtentOf(id, scale, drawingScale, extent, filled)) {
            drawExtentHandles(extent, filled);
            continue;
        }
        const int active = id == activeHandleId;
        Element* taken = editor->setActiveHandleById(id, active ? activeHandleA : 0, active ? activeHandleB : 0)
                             ? editor->elementInHand()
                             : nullptr;
        if (!taken)
            continue;
        taken->showPicked();
        // Kept only where the handles' box is already in order (the marks are then drawn in the
        // same order from the kept box).
        const Element& shown = *taken;
        if (fromIndex && taken->self == taken && shown.marksFollowMeasuredExtent(filled) &&
            shown.extentMin.x <= shown.extentMax.x && shown.extentMin.y <= shown.extentMax.y) {
            DoubleRect box;
            box.set(shown.extentMin.y, shown.extentMin.x, shown.extentMax.x, shown.extentMax.y);
            (void)index->keepMarksExtent(id, box, filled, scale, drawingScale); // a taken element shows itself next time
        }
    }
    tools.canvas.close();
    if (context->view)
        context->view->holdMapping(0);
    markTools = nullptr;
    updater->endClip();
    if (offscreen && show)
        (void)updater->drawWindowOnOverlay(0);
    else if (offscreen)
        updater->keepWindowOnOverlay();
}

void SelectTool::drawExtentHandles(const DoubleRect& extent, int filled)
{
    // The handles and sides of Element::drawHandleMarks on the box of the extent's corners, each
    // corner and middle mapped once.
    const Point low(extent.minX, extent.minY), high(extent.maxX, extent.maxY);
    Point at[8];
    (void)at[0].setBoxPoint1(&low, &high), (void)at[1].setBoxPoint2(&low, &high);
    (void)at[2].setBoxPoint3(&low, &high), (void)at[3].setBoxPoint4(&low, &high);
    (void)at[4].setBoxPoint5(&low, &high), (void)at[5].setBoxPoint6(&low, &high);
    (void)at[6].setBoxPoint7(&low, &high), (void)at[7].setBoxPoint8(&low, &high);
    IntPoint device[8];
    DeviceContext* surface = nullptr;
    for (int k = 0; k < 8; ++k)
        surface = markSurface(context, ShapeOp::ShowPicked, at[k], device[k]);
    if (!surface)
        return;
    for (int k = 0; k < 8; k += 2) {
        if (markTools)
            markTools->side(surface, device[k], device[(k + 2) % 8]);
        else
            drawExtentSide(ShapeOp::ShowPicked, at[k], at[(k + 2) % 8]);
    }
    for (int k = 0; k < 8; ++k) {
        if (markTools)
            markTools->handle(surface, device[k], filled);
        else
            drawHandleMark(ShapeOp::ShowPicked, at[k], filled);
    }
}
