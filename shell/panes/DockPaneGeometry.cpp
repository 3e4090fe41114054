// Dock pane geometry: the rectangle at each position, the rows of buttons and the sizes a
// floating button pane can take.
#include <algorithm>

#include "platform/SystemMetrics.h"
#include "shell/panes/DockPane.h"
#include "shell/panes/ToolButton.h"
#include "shell/panes/WorkspaceLayout.h"

namespace {
// A list pane's docked thickness, and a navigator's square side in a band: its margins twice
// and 42.
const int kListThickness = 3 * DockPane::kColumnPitch;
const int kNavigatorInBand = 42;

struct RowItem {
    ToolButton* button;
    int isButton;
    int width;   // with the pixel to the next item
};

// One row: items [begin, end).
struct Row {
    int begin;
    int end;
};

// Without leading separators and without separators at the end.
int rowWidth(const std::vector<RowItem>& items, const Row& row)
{
    int begin = row.begin;
    int end = row.end;
    while (begin < end && !items[static_cast<size_t>(begin)].isButton)
        ++begin;
    while (end > begin && !items[static_cast<size_t>(end - 1)].isButton)
        --end;
    int width = 0;
    for (int i = begin; i < end; ++i)
        width += items[static_cast<size_t>(i)].width;
    return width;
}

int buttonsIn(const std::vector<RowItem>& items, const Row& row)
{
    int count = 0;
    for (int i = row.begin; i < row.end; ++i)
        count += items[static_cast<size_t>(i)].isButton;
    return count;
}

// Two ends walk towards each other, the end with the smaller sum taking the next part (the back
// only when strictly smaller); the number of parts the front took, 1 to n - 1 for n >= 2.
int balancedCut(const std::vector<int>& widths)
{
    int front = 0;
    int back = static_cast<int>(widths.size()) - 1;
    long long frontSum = 0;
    long long backSum = 0;
    while (front <= back) {
        if (backSum + widths[static_cast<size_t>(back)] < frontSum + widths[static_cast<size_t>(front)])
            backSum += widths[static_cast<size_t>(back--)];
        else
            frontSum += widths[static_cast<size_t>(front++)];
    }
    return front;
}

// The item index where the row is cut in two.
int splitPoint(const std::vector<RowItem>& items, const Row& row)
{
    std::vector<Row> runs;
    for (int i = row.begin; i < row.end; ++i) {
        if (!items[static_cast<size_t>(i)].isButton)
            continue;
        if (runs.empty() || runs.back().end != i)
            runs.push_back(Row{i, i + 1});
        else
            runs.back().end = i + 1;
    }
    std::vector<int> widths;
    if (runs.size() == 1) {
        for (int i = runs[0].begin; i < runs[0].end; ++i)
            widths.push_back(items[static_cast<size_t>(i)].width);
        return runs[0].begin + balancedCut(widths);
    }
    for (const Row& run : runs)
        widths.push_back(rowWidth(items, run));
    // Between two runs; the separators between them open the next row.
    return runs[static_cast<size_t>(balancedCut(widths) - 1)].end;
}
} // namespace

Window* DockPane::window()
{
    if (position == kFloat)
        return paneWindow;
    if (isDocked())
        return manager ? manager->dockWindow() : nullptr;
    return nullptr;
}

IntPoint DockPane::originInWindow()
{
    if (!isDocked())
        return IntPoint();
    IntRect r;
    dockedRect(position, r);
    return r.topLeft();
}

IntPoint DockPane::floatingClientOrigin()
{
    IntPoint origin = homePoint;
    if (paneWindow && paneWindow->hwnd()) {
        origin = IntPoint();
        paneWindow->clientToScreen(origin);
    }
    return origin;
}

DockPane::RowLayout DockPane::layoutRows(int target, int place)
{
    std::vector<RowItem> items;
    for (ToolButton* button : buttons)
        items.push_back(RowItem{button, !button->isSeparator(), button->width() + 1});
    std::vector<Row> lines{Row{0, static_cast<int>(items.size())}};
    while (static_cast<int>(lines.size()) < target) {
        size_t widest = 0;
        for (size_t i = 1; i < lines.size(); ++i)
            if (rowWidth(items, lines[i]) > rowWidth(items, lines[widest]))
                widest = i;
        if (buttonsIn(items, lines[widest]) < 2)
            break;
        const int cut = splitPoint(items, lines[widest]);
        const Row next{cut, lines[widest].end};
        lines[widest].end = cut;
        lines.insert(lines.begin() + static_cast<long>(widest) + 1, next);
    }
    RowLayout result;
    result.rows = static_cast<int>(lines.size());
    int widest = 0;
    for (const Row& line : lines)
        widest = std::max(widest, rowWidth(items, line));
    result.width = margins.left + widest + margins.right;
    result.height = margins.top + result.rows * kButtonRowPitch - 3 + margins.bottom;
    if (place) {
        int y = margins.top;
        for (const Row& line : lines) {
            int x = margins.left;
            int started = 0;
            for (int i = line.begin; i < line.end; ++i) {
                const RowItem& item = items[static_cast<size_t>(i)];
                if (item.isButton) {
                    item.button->moveTo(x, y);
                    started = 1;
                }
                if (started)
                    x += item.width;
            }
            y += kButtonRowPitch;
        }
    }
    return result;
}

std::vector<DockPane::RowLayout> DockPane::resizeTable()
{
    std::vector<RowLayout> table;
    int reached = 0;
    for (int wanted = 1; static_cast<int>(table.size()) < buttonCount(); ++wanted) {
        const RowLayout layout = layoutRows(wanted, 0);
        if (layout.rows <= reached)
            break;
        reached = layout.rows;
        // Of equal widths the one with more rows stays.
        if (!table.empty() && table.back().width == layout.width)
            table.back() = layout;
        else
            table.push_back(layout);
    }
    return table;
}

void DockPane::layoutButtons()
{
    if (kind != kButtons) {
        for (ToolButton* button : buttons) {
            button->layoutByType();
            if (button->buttonType() == ButtonType::Scroll)
                button->placeScrollBar();
        }
        return;
    }
    switch (position) {
    case kTop:
    case kBottom: {
        int x = margins.left;
        for (ToolButton* button : buttons) {
            if (!button->isSeparator())
                button->moveTo(x, margins.top);
            x += button->width() + 1;
        }
        break;
    }
    case kLeft:
    case kRight:
        (void)layoutRows(kDockedRows, 1); // the docked column keeps the pane's floating rows
        break;
    case kFloat:
        rows = layoutRows(rows, 1).rows;
        break;
    default:
        break;
    }
}

void DockPane::dockedRect(int where, IntRect& out)
{
    const IntRect band = manager ? manager->bandArea(where) : IntRect();
    const IntPoint origin(band.left + dockPoint.x, band.top + dockPoint.y);
    const int horizontal = where == kTop || where == kBottom;
    int width = 0;
    int height = 0;
    switch (kind) {
    case kNavigator:
        width = height = horizontal ? (margins.top + margins.bottom) * 2 + kNavigatorInBand
                                    : (margins.left + margins.right) * 2 + kNavigatorInBand;
        break;
    case kPage:
    case kParts:
        width = horizontal ? std::max(band.width(), kListThickness) : kListThickness;
        height = horizontal ? kListThickness : band.height();
        break;
    default:
        if (horizontal) {
            width = margins.left + margins.right;
            for (ToolButton* button : buttons)
                width += button->width() + 1;
            height = margins.top + 21 + margins.bottom;
        } else if (!buttons.empty()) {
            const RowLayout layout = layoutRows(kDockedRows, 0);
            width = layout.width;
            height = layout.height;
        }
        break;
    }
    out = IntRect::fromEdges(origin.x, origin.y, origin.x + width, origin.y + height);
}

void DockPane::rectFor(int where, IntRect& out)
{
    out = IntRect();
    if (where >= kTop && where <= kBottom) {
        dockedRect(where, out);
        return;
    }
    if (where != kFloat)
        return;
    const IntPoint client = floatingClientOrigin();
    const int frame = getDialogFrameWidth();
    const int caption = getSmallCaptionHeight();
    // The window's frame and caption lie around the client, which starts at the origin.
    const IntPoint corner(client.x - frame, client.y - frame - caption);
    if (kind != kButtons) {
        out = IntRect::fromEdges(corner.x, corner.y, corner.x + floatWidth, corner.y + floatHeight);
        return;
    }
    if (buttons.empty()) {
        out = IntRect::fromEdges(client.x, client.y, client.x, client.y);
        return;
    }
    const RowLayout layout = layoutRows(rows, 0);
    out = IntRect::fromEdges(corner.x, corner.y, client.x + layout.width + frame, client.y + layout.height + frame);
}

IntRect DockPane::currentRect()
{
    if (position == kFloat && paneWindow && paneWindow->hwnd())
        return paneWindow->windowRect();
    IntRect r;
    rectFor(position, r);
    return r;
}

IntRect DockPane::clientRect()
{
    if (position == kFloat) {
        if (paneWindow && paneWindow->hwnd())
            return paneWindow->clientRect();
        IntRect r;
        rectFor(kFloat, r);
        const int frame = getDialogFrameWidth();
        const int width = std::max(0, r.width() - 2 * frame);
        const int height = std::max(0, r.height() - 2 * frame - getSmallCaptionHeight());
        return IntRect::fromEdges(0, 0, width, height);
    }
    IntRect r;
    rectFor(position, r);
    return r;
}

void DockPane::floatAt(const IntRect& screenRect)
{
    floatWidth = screenRect.width();
    floatHeight = screenRect.height();
    if (kind == kPage || kind == kParts)
        floatWidth = kListThickness;
    position = kFloat;
    IntRect placed = screenRect;
    if (kind != kButtons)
        placed.setWidth(floatWidth);
    if (!paneWindow)
        paneWindow = new PaneWindow(this);
    if (paneWindow->hwnd())
        paneWindow->setRect(placed, 1);
    else if (!paneWindow->create(name, placed))
        destroyWindow(); // the pane stays without a window; it is drawn nowhere until it floats again
    layoutButtons();
    rememberedRect = placed;
}
