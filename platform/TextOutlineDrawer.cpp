#include "platform/TextOutlineDrawer.h"

#include <new>

#include "platform/TextOutline.h"

TextOutlineDrawer::~TextOutlineDrawer() { delete outline_; }

int TextOutlineDrawer::draw(DeviceContext& dc, int x, int y, int size, double angle, const char* text)
{
    if (!outline_)
        outline_ = new (std::nothrow) TextOutline;
    return outline_ ? outline_->draw(dc, x, y, size, size, size, angle, text) : 0;
}
