#include "platform/DeviceContext.h"

#include <cstring>
#include <new>

#include "platform/BrushHolder.h"
#include "platform/FontHolder.h"
#include "platform/FontInfo.h"
#include "platform/IntPolyPolygon.h"
#include "platform/IntPolygon.h"
#include "platform/IntRect.h"
#include "platform/Region.h"
#include "platform/TextOutlineDrawer.h"

namespace {
// A solid brush for one fill, deleted on scope exit.
class TemporaryBrush {
public:
    explicit TemporaryBrush(const RgbColor& color) : handle_(color.createSolidBrush()) {}
    ~TemporaryBrush()
    {
        if (handle_)
            DeleteObject(handle_);
    }
    TemporaryBrush(const TemporaryBrush&) = delete;
    TemporaryBrush& operator=(const TemporaryBrush&) = delete;
    HBRUSH get() const { return handle_; }

private:
    HBRUSH handle_;
};
} // namespace

DeviceContext::DeviceContext()
    : pen(new (std::nothrow) Pen), brush(new (std::nothrow) BrushHolder), font(new (std::nothrow) FontHolder)
{
    reset();
}

DeviceContext::~DeviceContext()
{
    releaseExternal();
    delete pen;
    delete brush;
    delete font;
    delete textOutline;
}

void DeviceContext::reset()
{
    hwnd = nullptr;
    hdc = nullptr;
    ownsMemoryDc = 0;
    externalDc = 0;
    painting = 0;
    heldOutsidePaint = nullptr;
    useOutlineText = 1;
    minTextSize = 5;
    maxGlyphTextSize = 12;
    maxRasterTextHeight = 1024;
}

void DeviceContext::selectHeldObjects()
{
    if (!hdc)
        return;
    if (pen && pen->handle)
        SelectObject(hdc, pen->handle);
    if (brush && brush->handle)
        SelectObject(hdc, brush->handle);
    // A stock font that replaced the owned one is not selected again.
    if (font && font->owned)
        SelectObject(hdc, font->owned);
}

// An HDC that goes back to its owner must not keep our objects selected: they are deleted with
// this context.
void DeviceContext::putBackStockObjects()
{
    if (!hdc)
        return;
    if (pen && pen->handle && GetCurrentObject(hdc, OBJ_PEN) == pen->handle)
        SelectObject(hdc, GetStockObject(BLACK_PEN));
    if (brush && brush->handle && GetCurrentObject(hdc, OBJ_BRUSH) == brush->handle)
        SelectObject(hdc, GetStockObject(WHITE_BRUSH));
    if (font && font->owned && GetCurrentObject(hdc, OBJ_FONT) == font->owned)
        SelectObject(hdc, GetStockObject(SYSTEM_FONT));
}

void DeviceContext::acquire()
{
    if (holdsOwnDc()) {
        ++nesting;
        return;
    }
    if (nesting < 1) {
        hdc = GetDC(hwnd);
        selectHeldObjects();
    }
    ++nesting;
}

void DeviceContext::enterPaint(HDC paintDc)
{
    heldOutsidePaint = nesting > 0 && !holdsOwnDc() ? hdc : nullptr;
    hdc = paintDc;
    painting = 1;
}

void DeviceContext::leavePaint()
{
    painting = 0;
    if (!heldOutsidePaint)
        return;
    hdc = heldOutsidePaint;
    heldOutsidePaint = nullptr;
    selectHeldObjects();
}

void DeviceContext::release()
{
    // An unbalanced release would hand back a DC that is no longer ours.
    if (nesting < 1)
        return;
    --nesting;
    if (nesting > 0)
        return;
    if (!holdsOwnDc() && hdc)
        ReleaseDC(hwnd, hdc);
}

void DeviceContext::getWindowDc() { hdc = GetDC(hwnd); }
void DeviceContext::releaseWindowDc() { ReleaseDC(hwnd, hdc); }

int DeviceContext::createMemoryDc()
{
    deleteMemoryDc();
    if (!memoryDc_.create(nullptr))
        return 0;
    hdc = memoryDc_.hdc();
    ownsMemoryDc = 1;
    return 1;
}

void DeviceContext::deleteMemoryDc()
{
    if (ownsMemoryDc && hdc) {
        // The held pen, brush and font are selected by their holders, not through memoryDc_.
        putBackStockObjects();
        hdc = nullptr;
    }
    memoryDc_.release();
    ownsMemoryDc = 0;
}

void DeviceContext::attachHdc(HDC external)
{
    releaseExternal();
    hdc = external;
    externalDc = 1;
}

void DeviceContext::detachHdc()
{
    if (externalDc) {
        putBackStockObjects();
        hdc = nullptr;
    }
    externalDc = 0;
}

void DeviceContext::releaseExternal()
{
    deleteMemoryDc();
    detachHdc();
}

int DeviceContext::selectPen(const PenSpec& spec)
{
    if (!pen)
        return 0;
    DcScope scope(*this);
    return pen->select(hdc, spec, penRuns > 0);
}

int DeviceContext::selectFont(const LOGFONTA& description)
{
    if (!font)
        return 0;
    DcScope scope(*this);
    return font->select(hdc, description);
}

int DeviceContext::selectFont(const FontInfo& info) { return selectFont(info.logFont()); }

int DeviceContext::selectGuiFont()
{
    if (!font)
        return 0;
    DcScope scope(*this);
    font->selectStock(hdc, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    return 1;
}

int DeviceContext::selectTextColourBrush()
{
    if (!brush)
        return 0;
    DcScope scope(*this);
    RgbColor text;
    text.colorRef = GetTextColor(hdc);
    return brush->selectSolid(hdc, text);
}

void DeviceContext::setTextColor(const RgbColor& color)
{
    DcScope scope(*this);
    SetTextColor(hdc, color.colorRef);
}

void DeviceContext::setBkColor(const RgbColor& color)
{
    DcScope scope(*this);
    SetBkColor(hdc, color.colorRef);
}

RgbColor DeviceContext::getTextColor()
{
    DcScope scope(*this);
    RgbColor color;
    color.colorRef = GetTextColor(hdc);
    return color;
}

RgbColor DeviceContext::getBkColor()
{
    DcScope scope(*this);
    RgbColor color;
    color.colorRef = GetBkColor(hdc);
    return color;
}

void DeviceContext::setCopyPen()
{
    DcScope scope(*this);
    SetROP2(hdc, R2_COPYPEN);
}

void DeviceContext::setXorPen()
{
    DcScope scope(*this);
    SetROP2(hdc, R2_XORPEN);
}

void DeviceContext::setOpaqueBackground() { SetBkMode(hdc, OPAQUE); }
void DeviceContext::setTransparentBackground() { SetBkMode(hdc, TRANSPARENT); }

int DeviceContext::getClipRegion(Region& region)
{
    if (!region.ensureCreated())
        return 0;
    DcScope scope(*this);
    if (GetClipRgn(hdc, region.hrgn) == 1)
        return 1;
    IntRect box;
    int kind = GetClipBox(hdc, box.asRect());
    if (kind == ERROR || kind == NULLREGION)
        return 0;
    return region.createRectIndirect(box);
}

int DeviceContext::selectClipRegion(Region& region)
{
    if (!region.hrgn)
        return 0;
    DcScope scope(*this);
    return SelectClipRgn(hdc, region.hrgn);
}

void DeviceContext::clipToRect(const IntRect& rect)
{
    Region region;
    if (region.createRectIndirect(rect))
        (void)selectClipRegion(region); // fails only for a DC that draws nothing either
}

void DeviceContext::intersectClip(const IntRect& rect)
{
    DcScope scope(*this);
    IntersectClipRect(hdc, rect.left, rect.top, rect.right, rect.bottom);
}

void DeviceContext::resetClip()
{
    DcScope scope(*this);
    SelectClipRgn(hdc, nullptr);
}

void DeviceContext::fillRect(HBRUSH brush, const IntRect& rect)
{
    if (!brush)
        return;
    DcScope scope(*this);
    FillRect(hdc, rect.asRect(), brush);
}

void DeviceContext::drawLineWith(HPEN pen, const IntPoint& p1, const IntPoint& p2)
{
    if (!pen)
        return;
    DcScope scope(*this);
    HGDIOBJ previous = SelectObject(hdc, pen);
    MoveToEx(hdc, p1.x, p1.y, nullptr);
    LineTo(hdc, p2.x, p2.y);
    SelectObject(hdc, previous);
}

void DeviceContext::fillRect(const RgbColor& color, const IntRect& rect)
{
    TemporaryBrush fill(color);
    if (!fill.get())
        return;
    DcScope scope(*this);
    FillRect(hdc, rect.asRect(), fill.get());
}

void DeviceContext::fillRegion(const RgbColor& color, Region& region)
{
    if (!region.hrgn)
        return;
    TemporaryBrush fill(color);
    if (!fill.get())
        return;
    DcScope scope(*this);
    FillRgn(hdc, region.hrgn, fill.get());
}

void DeviceContext::fillPolygon(const RgbColor& color, IntPolygon& polygon)
{
    Region region;
    if (region.createPolygon(polygon))
        fillRegion(color, region);
}

void DeviceContext::fillPolyPolygon(const RgbColor& color, IntPolyPolygon& polygons)
{
    Region region;
    if (region.createPolyPolygon(polygons))
        fillRegion(color, region);
}

int DeviceContext::scroll(const IntRect& clip, int dx, int dy, Region& update)
{
    // Without a region for the uncovered part the caller could not repaint it: no scroll then.
    if (!update.ensureCreated())
        return 0;
    DcScope scope(*this);
    return ScrollDC(hdc, dx, dy, nullptr, clip.asRect(), update.hrgn, nullptr);
}

void DeviceContext::getTextExtent(const char* text, int& cx, int& cy)
{
    SIZE size = {};
    if (text) {
        DcScope scope(*this);
        GetTextExtentPointA(hdc, text, static_cast<int>(std::strlen(text)), &size);
    }
    cx = size.cx;
    cy = size.cy;
}

void DeviceContext::textOut(int x, int y, const char* text)
{
    if (!text)
        return;
    DcScope scope(*this);
    const int length = static_cast<int>(std::strlen(text));
    if (!fillTallText(x, y, text, length))
        TextOutA(hdc, x, y, text, length);
}

void DeviceContext::textOutRaised(int x, int y, int dy, const char* text) { textOut(x, y - dy, text); }
