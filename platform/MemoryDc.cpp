#include "platform/MemoryDc.h"

namespace {
// The slot of replaced_ an object of that type goes to, -1 for types that are not selections.
int kindSlot(DWORD type)
{
    switch (type) {
    case OBJ_BITMAP:
        return 0;
    case OBJ_FONT:
        return 1;
    case OBJ_BRUSH:
        return 2;
    case OBJ_PEN:
    case OBJ_EXTPEN:
        return 3;
    default:
        return -1;
    }
}
// The display's information context, kept for the run: making one costs the platform far more
// than the memory DC made from it (a quarter of a millisecond under Wine), and memory DCs are
// made for each measured dimension numeral.
HDC keptDisplay = nullptr;

HDC displayInformation()
{
    if (!keptDisplay)
        keptDisplay = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    return keptDisplay;
}
} // namespace

void forgetDisplayInformation()
{
    if (keptDisplay)
        DeleteDC(keptDisplay);
    keptDisplay = nullptr;
}

int MemoryDc::create(HDC compatibleWith)
{
    release();
    if (compatibleWith) {
        hdc_ = CreateCompatibleDC(compatibleWith);
    } else {
        // The display is described by an information context, which has no surface of its own.
        hdc_ = CreateCompatibleDC(displayInformation());
    }
    return hdc_ != nullptr;
}

int MemoryDc::select(HGDIOBJ object)
{
    if (!hdc_ || !object)
        return 0;
    int slot = kindSlot(GetObjectType(object));
    if (slot < 0)
        return 0;
    HGDIOBJ previous = SelectObject(hdc_, object);
    if (!previous || previous == HGDI_ERROR)
        return 0;
    if (!replaced_[slot])
        replaced_[slot] = previous;
    return 1;
}

void MemoryDc::release()
{
    if (!hdc_)
        return;
    for (int slot = kKinds - 1; slot >= 0; --slot) {
        if (replaced_[slot])
            SelectObject(hdc_, replaced_[slot]);
        replaced_[slot] = nullptr;
    }
    DeleteDC(hdc_);
    hdc_ = nullptr;
}
