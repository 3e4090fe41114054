#include "platform/OwnerDrawList.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/DeviceContext.h"
#include "platform/IntRect.h"

namespace {
// One row: the check flag, then the text.
struct CheckRecord {
    int32_t checked;
    char text[OwnerDrawList::kTextSize];
};
static_assert(sizeof(CheckRecord) == 88, "a check-list row is a flag and 84 bytes of text");

const int kTextOffset = static_cast<int>(offsetof(CheckRecord, text));

CheckRecord* asRecord(unsigned char* bytes) { return reinterpret_cast<CheckRecord*>(bytes); }
const CheckRecord* asRecord(const unsigned char* bytes) { return reinterpret_cast<const CheckRecord*>(bytes); }
} // namespace

OwnerDrawList::OwnerDrawList() : OwnerDrawnRows(sizeof(CheckRecord), kTextOffset)
{
    static_assert(sizeof(CheckRecord) <= kMaxRecordSize, "rows are read into buffers of the largest record");
}

int OwnerDrawList::addItem(int checked, const char* text)
{
    int32_t flag = checked;
    return appendRecord(&flag, text);
}

int OwnerDrawList::isItemChecked(int index)
{
    unsigned char record[kMaxRecordSize];
    return readRecord(index, record) && asRecord(record)->checked ? 1 : 0;
}

int OwnerDrawList::setItemChecked(int index, int flag)
{
    unsigned char record[kMaxRecordSize];
    if (!readRecord(index, record))
        return 0;
    asRecord(record)->checked = flag;
    return writeRecord(index, record);
}

int OwnerDrawList::clickAt()
{
    lastToggled = -1;
    selected = -1;
    int row = rowUnderCursor();
    if (row < 0 || !isItem(topIndex + row))
        return 0;
    int index = topIndex + row;
    selected = index;
    if (cursorPos().x < clientRect.left + rowHeight()) {
        (void)setItemChecked(index, !isItemChecked(index)); // the index was just found valid
        lastToggled = index;
    }
    repaint();
    return 1;
}

int OwnerDrawList::drawRowStart(DeviceContext& dc, int left, int top, const unsigned char* record)
{
    const int h = rowHeight();
    IntRect box;
    box.left = left;
    box.top = top;
    box.right = left + h;
    box.bottom = top + h;
    dc.drawCheckBoxInset(PenSpec(), box, asRecord(record)->checked);
    return box.right + 2;
}
