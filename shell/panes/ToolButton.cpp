// Tool buttons: their definition, geometry by type, hint labels and shortcuts.
#include "shell/panes/ToolButton.h"

#include <climits>

#include "platform/ChildScrollBar.h"
#include "platform/StringUtil.h"
#include "platform/SystemMetrics.h"
#include "platform/Window.h"
#include "shell/panes/DockPane.h"

namespace {
// Gaps and list cells come from the string table: they are kept within the screen's coordinates
// so that sums of widths cannot overflow.
const int kMaxGap = 32000;

int boundedGap(int value) { return value < 0 ? 0 : (value > kMaxGap ? kMaxGap : value); }
} // namespace

ToolButton::~ToolButton() { delete scrollBar; }

int ToolButton::readDefinition(int value)
{
    if (value < 0)
        gap = value == INT_MIN ? kMaxGap : boundedGap(-value);
    if (value < 1) {
        type = static_cast<int>(ButtonType::Separator);
        return 1;
    }
    definitionId = value;
    if (!definition.load(value))
        return 0;
    type = static_cast<int>(definition.type);
    gap = boundedGap(definition.gap);
    layoutByType();
    return 1;
}

void ToolButton::layoutByType()
{
    switch (buttonType()) {
    case ButtonType::Button:
        rect = IntRect::fromEdges(rect.left, rect.top, rect.left + kButtonSize, rect.top + kButtonSize);
        faceInset = IntRect::fromEdges(1, 1, 2, 2);
        break;
    case ButtonType::List:
        rect = IntRect::fromEdges(rect.left, rect.top, rect.left + 3 + listCells * gap, rect.top + 21);
        faceInset = IntRect::fromEdges(1, 1, 2, 2);
        break;
    case ButtonType::Navigator:
        if (pane) {
            rect = pane->clientRect();
            rect.moveTo(0, 0);
            rect.deflate(kCellInset);
        }
        break;
    case ButtonType::Page:
    case ButtonType::Parts:
        if (pane) {
            rect = pane->clientRect();
            rect.moveTo(0, 0);
            if (horizontalPane())
                rect.shrinkBottom(getHScrollBarHeight());
            else
                rect.shrinkRight(getVScrollBarWidth());
            rect.makeSquareMin();
            rect.deflate(kCellInset);
        }
        break;
    default:
        // Separators have only a gap; a scroll button keeps its rectangle until its bar is placed.
        break;
    }
}

int ToolButton::width() const { return isSeparator() ? gap : rect.width(); }

void ToolButton::moveTo(int x, int y)
{
    const ButtonType t = buttonType();
    if (t == ButtonType::Navigator || t == ButtonType::Page || t == ButtonType::Parts)
        layoutByType();
    rect.moveTo(x, y);
}

IntRect ToolButton::windowRect() const
{
    IntRect r = rect;
    if (pane)
        r.moveByPoint(pane->originInWindow());
    return r;
}

IntRect ToolButton::screenRect() const
{
    IntRect r = windowRect();
    Window* w = pane ? pane->window() : nullptr;
    if (w && w->hwnd())
        w->clientToScreenRect(r);
    return r;
}

int ToolButton::hitTest(const IntPoint& screen)
{
    const ButtonType t = buttonType();
    if (t == ButtonType::Page || t == ButtonType::Parts)
        return cellAtPoint(screen, nullptr) > 0;
    return !isSeparator() && screenRect().containsPoint(screen);
}

void ToolButton::hintLabel(const IntPoint& screen, char* out, int size)
{
    if (!out || size < 1)
        return;
    out[0] = 0;
    const ButtonType t = buttonType();
    if (t == ButtonType::Page) {
        const int page = cellAtPoint(screen, nullptr);
        if (page > 0) {
            StringUtil::copy(out, size, "ページ ");
            StringUtil::appendInt(out, size, page);
            return;
        }
    }
    if (t == ButtonType::Parts) {
        StringUtil::copy(out, size, partsName[0] ? partsName : "部品");
        return;
    }
    StringUtil::copy(out, size, definition.label);
    if (!key)
        return;
    StringUtil::append(out, size, "(");
    if (shift)
        StringUtil::append(out, size, "Shift+");
    if (ctrl)
        StringUtil::append(out, size, "Ctrl+");
    if (key > 100) {
        StringUtil::append(out, size, "F");
        StringUtil::appendInt(out, size, key - 100);
    } else {
        StringUtil::appendChar(out, size, static_cast<char>(key));
    }
    StringUtil::append(out, size, ")");
}

void ToolButton::hintRect(const IntPoint& screen, IntRect& out)
{
    const ButtonType t = buttonType();
    if ((t == ButtonType::Page || t == ButtonType::Parts) && cellAtPoint(screen, &out) > 0) {
        Window* w = pane ? pane->window() : nullptr;
        if (w && w->hwnd())
            w->clientToScreenRect(out);
        return;
    }
    out = screenRect();
}

void ToolButton::setShortcut(int newShift, int newCtrl, int newKey)
{
    shift = newShift;
    ctrl = newCtrl;
    key = static_cast<unsigned char>(newKey);
}

void ToolButton::setPartsName(const char* text) { StringUtil::copy(partsName, text ? text : ""); }
