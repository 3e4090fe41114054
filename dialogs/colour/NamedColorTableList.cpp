// A colour table in its owner-drawn list: rows of a swatch and a name, scrolled by a bar.
#include <new>

#include "dialogs/colour/NamedColorTable.h"
#include "platform/Control.h"
#include "platform/DeviceContext.h"
#include "platform/Window.h"

namespace {
// Width of a row's swatch in row heights, and the gaps around it in pixels.
const int kSwatchRows = 2;
const int kSwatchGap = 3;
} // namespace

void NamedColorTable::attachList(Control* list, Control* scrollBar)
{
    list_ = list;
    scrollBar_ = scrollBar;
    if (!list_ || !list_->isAttached())
        return;
    textHeight = list_->getFontHeight();
    if (textHeight < 1)
        textHeight = 12;
    rowHeight = textHeight + 2 * kRowMargin;
    visibleRows = (list_->getClientRect().height() + kRowMargin) / rowHeight;
    if (visibleRows < 0)
        visibleRows = 0;
    if (firstVisible >= count())
        firstVisible = 0;
}

int NamedColorTable::topGap() const
{
    if (!list_)
        return 0;
    const int gap = (list_->getClientRect().height() - visibleRows * rowHeight) / 2;
    return gap > 0 ? gap : 0;
}

void NamedColorTable::scrollRange(int& low, int& high, int& page) const
{
    low = 0;
    high = count();
    page = visibleRows;
}

void NamedColorTable::scrollTo(int row)
{
    if (row >= count())
        row = count() - 1;
    if (row < 0)
        row = 0;
    if (row == firstVisible)
        return;
    firstVisible = row;
    drawList();
}

void NamedColorTable::drawList()
{
    if (!list_)
        return;
    // Keeps the bar's range in step with the rows (an edit may have changed their count).
    if (scrollBar_)
        scrollBar_->setRangeKeepPosition(0, count(), visibleRows);
    ControlDrawing drawing(*list_);
    if (!drawing)
        return;
    DeviceContext& dc = drawing.dc();
    const IntRect client = list_->getClientRect();
    const RgbColor white(255, 255, 255);
    dc.fillRect(white, client);
    (void)dc.selectGuiFont(); // without it the rows keep the DC's own font
    drawing.window().setClipRect(client);
    const RgbColor background = dc.getBkColor();
    int top = client.top + topGap();
    // Only the rows shown are drawn, however long the table.
    for (int i = firstVisible, shown = 0; shown < visibleRows && i < count(); ++i, ++shown, top += rowHeight) {
        const ColorEntry& entry = *getAt(i);
        IntRect swatch = IntRect::fromEdges(client.left + kSwatchGap, top + kRowMargin,
                                            client.left + kSwatchGap + kSwatchRows * rowHeight, top + rowHeight - kRowMargin);
        dc.fillRect(RgbColor(0, 0, 0), swatch);
        swatch.deflate(1);
        dc.fillRect(RgbColor(entry.rgb[0], entry.rgb[1], entry.rgb[2]), swatch);
        const int textLeft = swatch.right + 1 + kSwatchGap;
        RgbColor text(0, 0, 0);
        RgbColor ground = white;
        if (i == current) {
            text.setHighlightTextColor();
            ground.setHighlightColor();
            dc.fillRect(ground, IntRect::fromEdges(textLeft - 1, top, client.right, top + rowHeight));
        }
        dc.setTextColor(text);
        dc.setBkColor(ground);
        dc.setTransparentBackground();
        dc.textOut(textLeft, top + kRowMargin, entry.name);
    }
    drawing.window().clearClip();
    dc.setBkColor(background);
}

int NamedColorTable::selectAtCursor()
{
    if (!list_ || !list_->isAttached() || rowHeight < 1)
        return -1;
    const IntRect client = list_->getClientRect();
    const IntPoint p = list_->cursorPos();
    const int y = p.y - client.top - topGap();
    if (p.x < client.left || p.x >= client.right || y < 0)
        return -1;
    const int row = y / rowHeight;
    const int index = firstVisible + row;
    if (row >= visibleRows || index >= count())
        return -1;
    current = index;
    drawList();
    return index;
}

namespace {

// The dialog item of a table: its range, scrolling and painting are the table's.
class ColorTableListControl : public Control {
public:
    explicit ColorTableListControl(NamedColorTable& table) : table_(table) {}

    [[nodiscard]] int getScrollRange(int* minimum, int* maximum, int* page) override
    {
        int low = 0, high = 0, rows = 0;
        table_.scrollRange(low, high, rows);
        if (minimum)
            *minimum = low;
        if (maximum)
            *maximum = high;
        if (page)
            *page = rows;
        return 1;
    }
    void onScrollTo(int position) override { table_.scrollTo(position); }
    void refresh() override { table_.drawList(); }
    void repaint() override { table_.drawList(); }
    void onAttached() override { setDefaultFont(); }

private:
    NamedColorTable& table_;
};

} // namespace

Control* NamedColorTable::newListControl() { return new (std::nothrow) ColorTableListControl(*this); }
