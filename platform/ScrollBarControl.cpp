#include "platform/ScrollBarControl.h"

#include <new>

#include "platform/WindowScrollBar.h"

ScrollBarControl::ScrollBarControl() : bar(new (std::nothrow) WindowScrollBar) {}

ScrollBarControl::~ScrollBarControl() { release(); }

void ScrollBarControl::release()
{
    delete bar;
    bar = nullptr;
}

void ScrollBarControl::linkTo(Control* control)
{
    linkedControl = control;
    if (!control)
        return;
    int low = 0;
    int high = 0;
    int page = 0;
    (void)control->getScrollRange(&low, &high, &page); // a control without a range gives 0, 0, 0
    setRangeKeepPosition(low, high, page);
}

void ScrollBarControl::notifyLinked()
{
    if (linkedControl)
        linkedControl->onScrollTo(position());
}

void ScrollBarControl::bindToItem()
{
    if (!bar)
        return;
    bar->barWindow = lookupWindow();
    bar->barType = SB_CTL;
    bar->setPosition(bar->minimum, TRUE);
}

int ScrollBarControl::position() { return bar ? bar->position() : 0; }

void ScrollBarControl::setPosition(int pos)
{
    if (!bar)
        return;
    bar->setPosition(pos, TRUE);
    notifyLinked();
}

void ScrollBarControl::setRangeKeepPosition(int newMinimum, int newMaximum, int newPage)
{
    if (bar)
        bar->setRangeKeepPosition(newMinimum, newMaximum, newPage);
}

void ScrollBarControl::onScrollNotify(int code, int thumb)
{
    if (bar)
        bar->applyScrollCode(code, thumb);
}
