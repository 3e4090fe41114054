#include "views/StatusPanes.h"

#include "document/DocumentContext.h"
#include "geometry/ViewParams.h"
#include "platform/Application.h"
#include "platform/FrameWindow.h"
#include "platform/MathUtil.h"
#include "platform/StatusBar.h"
#include "platform/StringUtil.h"
#include "platform/UnitConverter.h"

namespace {
int decimalsOf(int unit)
{
    switch (unit) {
    case UnitConverter::micron:
        return 0;
    case UnitConverter::centimetre:
    case UnitConverter::metre:
        return 3;
    default:
        return 2;
    }
}
} // namespace

StatusPanes::StatusPanes(StatusBar* bar) : ownBar(bar)
{
    if (StatusBar* b = this->bar()) {
        const int edges[3] = {75, 150, -1};
        b->setParts(3, edges);
        for (int part = kXPart; part <= kMessagePart; ++part)
            (void)b->setPartText(part, ""); // the part count is known to be three
    }
}

StatusBar* StatusPanes::bar() const
{
    if (ownBar)
        return ownBar;
    return theApplication && theApplication->frame ? theApplication->frame->statusBar : nullptr;
}

void StatusPanes::setOwner(DocumentContext* owner)
{
    context = owner;
    last.owner = owner;
}

void StatusPanes::showInPane2(const char* text)
{
    if (StatusBar* b = bar())
        (void)b->setPartText(kMessagePart, text); // the part count is known to be three
}

void StatusPanes::formatReadout(char* text, int size, char axis, double value, int unit)
{
    if (!text || size < 1)
        return;
    const char prefix[3] = {axis, ':', 0};
    StringUtil::copy(text, size, prefix);
    char number[64];
    if (StringUtil::formatDoubleRaw(value, decimalsOf(unit), number, 0))
        StringUtil::append(text, size, number);
}

void StatusPanes::showCursorPosition()
{
    if (!bar() || !context || !context->view)
        return;
    double x = 0.0, y = 0.0;
    if (context->view->mouseWorldXY(x, y))
        showPosition(x, y);
}

void StatusPanes::showPosition(double x, double y)
{
    StatusBar* b = bar();
    if (!b)
        return;
    char text[80];
    if (!xShown || !MathUtil::isNearlyEqual(x, last.x)) {
        xShown = 1;
        last.x = x;
        formatReadout(text, sizeof text, 'X', last.toGridUnitX(x - last.gridOriginX()), last.gridXUnit());
        (void)b->setPartText(kXPart, text);
    }
    if (!yShown || !MathUtil::isNearlyEqual(y, last.y)) {
        yShown = 1;
        last.y = y;
        formatReadout(text, sizeof text, 'Y', last.toGridUnitY(last.getAxisY() - last.gridOriginY()), last.gridYUnit());
        (void)b->setPartText(kYPart, text);
    }
}

void StatusPanes::beginProgress(int low, int high)
{
    if (StatusBar* b = bar())
        b->pushProgress(kMessagePart, low, high);
}

void StatusPanes::setProgress(int value)
{
    if (StatusBar* b = bar())
        b->setProgress(value);
}

void StatusPanes::endProgress()
{
    if (StatusBar* b = bar())
        b->popRange();
}
