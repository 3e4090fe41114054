// The parts library's pane: the pictures of the parts, made once per entry and kept, the file
// name where no picture can be made, the presses on its cells and the hint of the part under
// the cursor.
#include <algorithm>
#include <memory>
#include <vector>
#include <windows.h>

#include "document/DocumentContext.h"
#include "document/ElementEditorBase.h"
#include "document/ElementStore.h"
#include "document/PartFile.h"
#include "document/PartsLibrary.h"
#include "document/PartsPane.h"
#include "document/ViewUpdater.h"
#include "geometry/DoubleRect.h"
#include "geometry/ViewParams.h"
#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/DeviceContext.h"
#include "platform/HeldGdiObject.h"
#include "platform/MemoryDc.h"
#include "platform/MouseSource.h"
#include "platform/StringUtil.h"

namespace {

// A press held on a cell is polled at most this often before the library stops waiting for it
// (the user's hand never holds that long; a stuck button must not hang the program).
const int kMaxPressPolls = 100000;
// The origin mark is a square of 12 pixels with its centre lines.
const int kOriginMark = 12;

// One step of a loop that waits for the mouse: 1 when it is to end (the program quits, or a menu
// command waits).
int pumpEndsLoop()
{
    if (theApplication && theApplication->quit)
        return 1;
    return theCurrentEvent && theCurrentEvent->pumpStepNoWait(1);
}

// The extent of the elements on page 1 of a part's context; 0 when none could be measured.
int pageExtent(DocumentContext& context, DoubleRect& extent)
{
    ElementStore* store = context.ownStore;
    ElementEditorBase* editor = DocumentContext::fileEditorOf(&context);
    const int count = store && store->pageTable && editor ? store->pageTable->getCount(1) : 0;
    int id = count > 0 ? store->pageTable->getFirst(1) : 0;
    int measured = 0;
    for (int i = 0; i < count && id >= 1; ++i) {
        ElementIndexEntry entry;
        if (!store->getEntry(id, &entry))
            break;
        DoubleRect one;
        int taken;
        {
            OverrideStoreScope fromPart(store);
            taken = editor->elementExtent(id, one);
        }
        if (taken) {
            if (!measured)
                extent = one;
            extent.minX = std::min(extent.minX, one.minX);
            extent.minY = std::min(extent.minY, one.minY);
            extent.maxX = std::max(extent.maxX, one.maxX);
            extent.maxY = std::max(extent.maxY, one.maxY);
            measured = 1;
        }
        id = entry.pageNext;
    }
    return measured;
}

// The part's page drawn by its view into a picture of the thumbnails' size; 0 when it was not
// drawn.
int drawPicture(DocumentContext& context, const DoubleRect& extent, std::vector<unsigned char>& bits)
{
    ViewParams* view = context.view;
    if (!view)
        return 0;
    BITMAPINFO info;
    PartThumbnails::describe(info);
    void* pixels = nullptr;
    HeldGdiObject<HBITMAP> bitmap;
    bitmap.handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!bitmap.handle || !pixels)
        return 0;
    int drawn = 0;
    {
        MemoryDc memory;
        if (!memory.create(nullptr) || !memory.select(bitmap.handle))
            return 0;
        DeviceContext dc;
        dc.attachHdc(memory.hdc());
        dc.fillRect(RgbColor(255, 255, 255), IntRect::fromEdges(0, 0, PartThumbnails::kSize, PartThumbnails::kSize));
        OverrideStoreScope fromPart(context.ownStore);
        drawn = view->drawPageScaled(dc, extent, PartThumbnails::kSize);
        dc.detachHdc();
    }
    GdiFlush();
    bits.assign(static_cast<const unsigned char*>(pixels), static_cast<const unsigned char*>(pixels) + PartThumbnails::kBytes);
    return drawn;
}

} // namespace

void PartsLibrary::setPane(PartsPane* newPane)
{
    pane = newPane;
    listChanged();
}

void PartsLibrary::renderThumbnail(int index)
{
    char path[FileName::pathCapacity];
    std::unique_ptr<DocumentContext> context(parts.getPathAt(index, path) ? makePartContext() : nullptr);
    DoubleRect extent;
    std::vector<unsigned char> bits;
    if (context) {
        PartFile file(*this);
        // What could be read of a damaged part is drawn; the origin stays the current part's.
        (void)file.read(path, *context, 0);
    }
    if (context && pageExtent(*context, extent) && drawPicture(*context, extent, bits) && thumbnails.store(index, bits.data()))
        return;
    thumbnails.markFailed(index);
}

void PartsLibrary::drawName(int index, DeviceContext& dc, const IntRect& cell)
{
    char name[FileName::pathCapacity];
    if (!partName(index, name, sizeof name))
        return;
    DcScope scope(dc);
    // Without the GUI font the DC's own font shows the name.
    (void)dc.selectGuiFont();
    dc.setTransparentBackground();
    SetTextColor(scope.hdc(), GetSysColor(COLOR_BTNTEXT));
    RECT box = *cell.asRect();
    DrawTextA(scope.hdc(), name, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void PartsLibrary::paintPane()
{
    DeviceContext* dc = pane ? pane->surface() : nullptr;
    if (!dc)
        return;
    IntRect area;
    pane->listArea(area);
    RgbColor face;
    face.setColorRef(GetSysColor(COLOR_BTNFACE));
    dc->fillRect(face, area);
    const int first = std::max(0, pane->firstVisible());
    for (int cell = 0; first + cell < parts.count; ++cell) {
        IntRect box;
        if (!pane->cellRect(cell, box))
            break;
        const int index = first + cell;
        // A part is read once: a picture or the failure stays in the cache.
        if (index < thumbnails.count() && thumbnails.state(index) == PartThumbnails::kEmpty)
            renderThumbnail(index);
        if (!thumbnails.draw(index, *dc, box))
            drawName(index, *dc, box);
    }
    pane->drawCellFrames();
    // The list's own frame: a plain etched border.
    DcScope scope(*dc);
    RECT border = *area.asRect();
    DrawEdge(scope.hdc(), &border, EDGE_ETCHED, BF_RECT);
}

int PartsLibrary::onLeftPress(DocumentContext* drawing, const IntPoint& screen)
{
    const int part = pane ? pane->cellAtPoint(screen) : -1;
    if (part < 1 || !selectPart(part - 1))
        return 0;
    for (int poll = 0; poll < kMaxPressPolls; ++poll) {
        if (!isLeftButtonDown())
            return 1;
        IntPoint at;
        readCursorPos(at);
        if (pane->cellAtPoint(at) != part) {
            // Dragged out of its cell: the part follows the mouse into the drawing.
            (void)placeByMouse(drawing, 1); // a cancelled placement leaves the drawing as it was
            return 1;
        }
        if (pumpEndsLoop())
            return 1;
    }
    return 1;
}

int PartsLibrary::onRightPress(const IntPoint& screen)
{
    if (!pane)
        return 0;
    const int part = pane->cellAtPoint(screen);
    const int chosen = part >= 1 && selectPart(part - 1);
    pane->openContextMenu();
    return chosen;
}

void PartsLibrary::onHover(const IntPoint& screen)
{
    if (!pane)
        return;
    const int part = pane->cellAtPoint(screen);
    char name[FileName::pathCapacity];
    pane->setPartsName(part >= 1 && partName(part - 1, name, sizeof name) ? name : nullptr);
}

void PartsLibrary::drawOriginMark(DocumentContext* drawing)
{
    ViewUpdater* updater = drawing ? drawing->updater : nullptr;
    ViewParams* view = drawing ? drawing->view : nullptr;
    if (!updater || !view)
        return;
    updater->copyPainterToOverlay();
    DeviceContext* overlay = updater->overlaySurface();
    if (overlay) {
        IntPoint centre;
        view->worldToDeviceClamped(origin.x, origin.y, &centre);
        IntRect mark;
        mark.setCentered(centre, kOriginMark, kOriginMark);
        const PenSpec pen;
        overlay->drawFrame(pen, mark, 1);
        overlay->drawCenterLines(pen, mark, 1, 1);
    }
    updater->flushOverlay();
}
