#include "platform/OwnerDrawTree.h"

OwnerDrawTree::OwnerDrawTree() : OwnerDrawnRows(kTextSize, 0)
{
    static_assert(static_cast<int>(kTextSize) <= static_cast<int>(kMaxRecordSize), "rows are read into buffers of the largest record");
}

void OwnerDrawTree::clear()
{
    items.count = 0;
    topIndex = 0;
    selected = -1;
}

int OwnerDrawTree::addItem(const char* text) { return appendRecord(nullptr, text); }

int OwnerDrawTree::removeItem(int index)
{
    if (!isItem(index))
        return 0;
    return items.removeAt(index);
}

int OwnerDrawTree::clickAt()
{
    selected = -1;
    int row = rowUnderCursor();
    if (row < 0)
        return 0;
    if (isItem(topIndex + row))
        selected = topIndex + row;
    repaint();
    return 1;
}

int OwnerDrawTree::select(int index)
{
    selected = index;
    repaint();
    return 1;
}

void OwnerDrawTree::onScrollTo(int position)
{
    scrollTo(position);
    if (!linkedControl || forwarding_)
        return;
    forwarding_ = 1;
    linkedControl->onScrollTo(position);
    forwarding_ = 0;
}

int OwnerDrawTree::drawRowStart(DeviceContext&, int left, int, const unsigned char*) { return left + 2; }
