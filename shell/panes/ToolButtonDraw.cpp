// Drawing the buttons: faces from the cached face bitmaps, raised and sunken frames.
#include "platform/BitmapCache.h"
#include "platform/RgbColor.h"
#include "platform/Window.h"
#include "shell/panes/DockPane.h"
#include "shell/panes/ToolButton.h"
#include "shell/panes/WorkspaceLayout.h"

namespace {
const RgbColor kBlack(0, 0, 0);
const RgbColor kWhite(255, 255, 255);
const RgbColor kGray(128, 128, 128);

// Lines one pixel wide along the sides of `r` (right and bottom exclusive), `inset` pixels in.
void topLine(Window& w, const IntRect& r, int inset, const RgbColor& c)
{
    w.dc.fillRect(c, IntRect::fromEdges(r.left + inset, r.top + inset, r.right - inset, r.top + inset + 1));
}
void leftLine(Window& w, const IntRect& r, int inset, const RgbColor& c)
{
    w.dc.fillRect(c, IntRect::fromEdges(r.left + inset, r.top + inset, r.left + inset + 1, r.bottom - inset));
}
void bottomLine(Window& w, const IntRect& r, int inset, const RgbColor& c)
{
    w.dc.fillRect(c, IntRect::fromEdges(r.left + inset, r.bottom - inset - 1, r.right - inset, r.bottom - inset));
}
void rightLine(Window& w, const IntRect& r, int inset, const RgbColor& c)
{
    w.dc.fillRect(c, IntRect::fromEdges(r.right - inset - 1, r.top + inset, r.right - inset, r.bottom - inset));
}
} // namespace

void drawRaisedFrame(Window& window, const IntRect& r)
{
    DcScope scope(window.dc);
    topLine(window, r, 0, kWhite);
    leftLine(window, r, 0, kWhite);
    bottomLine(window, r, 0, kBlack);
    rightLine(window, r, 0, kBlack);
    bottomLine(window, r, 1, kGray);
    rightLine(window, r, 1, kGray);
}

void drawSunkenFrame(Window& window, const IntRect& r)
{
    DcScope scope(window.dc);
    bottomLine(window, r, 0, kWhite);
    rightLine(window, r, 0, kWhite);
    topLine(window, r, 0, kBlack);
    leftLine(window, r, 0, kBlack);
    topLine(window, r, 1, kGray);
    leftLine(window, r, 1, kGray);
}

void drawEtchedFrame(Window& window, const IntRect& r)
{
    DcScope scope(window.dc);
    topLine(window, r, 0, kGray);
    leftLine(window, r, 0, kGray);
    bottomLine(window, r, 0, kWhite);
    rightLine(window, r, 0, kWhite);
    topLine(window, r, 1, kWhite);
    leftLine(window, r, 1, kWhite);
    bottomLine(window, r, 1, kGray);
    rightLine(window, r, 1, kGray);
}

void ToolButton::drawFace(Window& window, const IntRect& at, int pressed)
{
    // 103 at rest, 104 pressed, 105 disabled in either state.
    const int offset = !enabled ? 2 : (pressed ? 1 : 0);
    const int column = definition.faceColumn;
    const int row = definition.faceRow;
    if (column < 0 || column >= faceColumns || row < 0 || row >= faceRows || !pane || !pane->manager)
        return;
    BitmapCache* faces = pane->manager->faceBitmap(definition.faceBitmapId + offset);
    if (!faces)
        return;
    const IntRect source = IntRect::fromEdges(column * kFaceCell, row * kFaceCell, (column + 1) * kFaceCell,
                                              (row + 1) * kFaceCell);
    IntRect target = source;
    target.moveTo(at.left + faceInset.left + pressed, at.top + faceInset.top + pressed);
    // A face that cannot be drawn leaves the button's ground.
    (void)faces->draw(&window, source, target, 1);
}

void ToolButton::drawRaised()
{
    Window* w = pane ? pane->window() : nullptr;
    if (!w)
        return;
    const IntRect at = windowRect();
    switch (buttonType()) {
    case ButtonType::Button:
        drawFace(*w, at, 0);
        drawRaisedFrame(*w, at);
        break;
    case ButtonType::List:
        drawRaisedFrame(*w, at);
        break;
    case ButtonType::Navigator:
        drawSunkenFrame(*w, at);
        break;
    default:
        // Lists draw their contents through their painters; scroll bars are windows.
        break;
    }
}

void ToolButton::drawPressed()
{
    Window* w = pane ? pane->window() : nullptr;
    if (!w)
        return;
    const IntRect at = windowRect();
    switch (buttonType()) {
    case ButtonType::Button:
        drawFace(*w, at, 1);
        drawSunkenFrame(*w, at);
        break;
    case ButtonType::List:
        drawSunkenFrame(*w, at);
        break;
    default:
        drawRaised();
        break;
    }
}

void ToolButton::drawTracked(int cursorOver)
{
    if (cursorOver && enabled)
        drawPressed();
    else
        drawRaised();
}

void ToolButton::redraw()
{
    if (selected)
        drawPressed();
    else
        drawRaised();
}

int ToolButton::setEnabled(int newEnabled)
{
    newEnabled = newEnabled ? 1 : 0;
    if (enabled == newEnabled)
        return 0;
    enabled = newEnabled;
    return 1;
}
