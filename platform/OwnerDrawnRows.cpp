#include "platform/OwnerDrawnRows.h"

#include <cstring>

#include "platform/Pen.h"
#include "platform/StringUtil.h"
#include "platform/Window.h"

namespace {
// Row texts are padded with blanks to this many characters, so that the highlight of the
// selected row runs to the right edge of the list.
const int kPaddedLength = 127;
} // namespace

OwnerDrawnRows::OwnerDrawnRows(int recordSize, int textOffset)
    : items(10, recordSize), recordSize_(recordSize), textOffset_(textOffset)
{
}

OwnerDrawnRows::~OwnerDrawnRows() { release(); }

void OwnerDrawnRows::release()
{
    (void)items.free(); // a block the system does not take back is lost either way
    items.count = 0;
}

int OwnerDrawnRows::getScrollRange(int* minimum, int* maximum, int* page)
{
    if (minimum)
        *minimum = 0;
    if (maximum)
        *maximum = items.count;
    if (page)
        *page = visibleRows();
    return 1;
}

int OwnerDrawnRows::visibleRows()
{
    int rows = clientRect.height() / (rowHeight() + 1);
    return rows > 0 ? rows : 0;
}

int OwnerDrawnRows::rowUnderCursor()
{
    if (!isAttached())
        return -1;
    return clientRect.rowAtPoint(cursorPos(), rowHeight(), 1);
}

int OwnerDrawnRows::readRecord(int index, unsigned char* record) { return items.get(index, record); }

int OwnerDrawnRows::writeRecord(int index, const unsigned char* record) { return items.put(index, record); }

int OwnerDrawnRows::appendRecord(const void* head, const char* text)
{
    unsigned char record[kMaxRecordSize] = {};
    if (head && textOffset_ > 0)
        std::memcpy(record, head, static_cast<size_t>(textOffset_));
    StringUtil::copy(reinterpret_cast<char*>(record + textOffset_), textSize(), text);
    return items.append(record);
}

int OwnerDrawnRows::getItemText(int index, char* buffer, int size)
{
    if (!buffer || size < 1)
        return 0;
    buffer[0] = 0;
    unsigned char record[kMaxRecordSize];
    if (!readRecord(index, record))
        return 0;
    StringUtil::copyN(buffer, size, reinterpret_cast<const char*>(record + textOffset_), textSize() - 1);
    return StringUtil::length(buffer);
}

int OwnerDrawnRows::setItemText(int index, const char* text)
{
    unsigned char record[kMaxRecordSize];
    if (!readRecord(index, record))
        return 0;
    std::memset(record + textOffset_, 0, static_cast<size_t>(textSize()));
    StringUtil::copy(reinterpret_cast<char*>(record + textOffset_), textSize(), text);
    return writeRecord(index, record);
}

void OwnerDrawnRows::scrollTo(int index)
{
    if (index < 0 || index >= items.count)
        return;
    int top = items.count - visibleRows();
    if (index < top)
        top = index;
    if (top < 0)
        top = 0;
    if (top == topIndex)
        return;
    topIndex = top;
    repaint();
}

void OwnerDrawnRows::repaint() { paint(-1); }

void OwnerDrawnRows::repaintRow(int index)
{
    if (index >= topIndex && index < topIndex + visibleRows())
        paint(index);
}

void OwnerDrawnRows::paint(int onlyIndex)
{
    ControlDrawing drawing(*this);
    if (!drawing)
        return;
    DeviceContext& dc = drawing.dc();
    // The item's frame lies on the edge of its client area and only the item's own WM_PAINT draws
    // it, which a repaint of the rows (a scroll, a click) does not bring about: paint inside it.
    IntRect inside = clientRect;
    inside.deflate(1);
    if (onlyIndex < 0)
        dc.fillRect(RgbColor(255, 255, 255), inside);
    RgbColor background = dc.getBkColor();
    (void)dc.selectPen(PenSpec()); // without a new pen the DC's own black one draws
    // The rows are as high as this font; a window DC would come with the system font.
    (void)dc.selectGuiFont();
    drawing.window().setClipRect(inside);

    const int h = rowHeight();
    const int rows = visibleRows();
    unsigned char record[kMaxRecordSize];
    char line[kMaxRecordSize + kPaddedLength + 1];
    int top = clientRect.top + 1;
    for (int i = topIndex, shown = 0; shown < rows && i < items.count; ++i, ++shown, top += h + 1) {
        if ((onlyIndex >= 0 && i != onlyIndex) || !readRecord(i, record))
            continue;
        int x = drawRowStart(dc, clientRect.left, top, record);
        RgbColor text(0, 0, 0);
        RgbColor ground(255, 255, 255);
        if (i == selected) {
            text.setHighlightTextColor();
            ground.setHighlightColor();
        }
        dc.setTextColor(text);
        dc.setBkColor(ground);
        dc.setOpaqueBackground();
        StringUtil::copyN(line, sizeof line, reinterpret_cast<const char*>(record + textOffset_), textSize() - 1);
        int length = StringUtil::length(line);
        while (length < kPaddedLength)
            line[length++] = ' ';
        line[length] = 0;
        dc.textOut(x, top, line);
    }

    drawing.window().clearClip();
    dc.setBkColor(background);
}
