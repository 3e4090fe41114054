#include "shell/panes/PaneTracking.h"

XorDragFrame::XorDragFrame() : dc_(GetDC(nullptr)) {}

XorDragFrame::~XorDragFrame()
{
    erase();
    if (dc_)
        ReleaseDC(nullptr, dc_);
}

void XorDragFrame::show(const IntRect& r)
{
    erase();
    rect_ = r;
    draw(rect_);
    shown_ = true;
}

void XorDragFrame::erase()
{
    if (shown_)
        draw(rect_);
    shown_ = false;
}

void XorDragFrame::draw(const IntRect& r)
{
    if (!dc_)
        return;
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(192, 192, 192));
    HGDIOBJ oldPen = SelectObject(dc_, pen);
    HGDIOBJ oldBrush = SelectObject(dc_, GetStockObject(NULL_BRUSH));
    const int oldMode = SetROP2(dc_, R2_XORPEN);
    for (int i = 0; i < 3; ++i)
        Rectangle(dc_, r.left + i, r.top + i, r.right - i, r.bottom - i);
    SetROP2(dc_, oldMode);
    SelectObject(dc_, oldBrush);
    SelectObject(dc_, oldPen);
    DeleteObject(pen);
}
