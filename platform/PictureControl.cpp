#include "platform/PictureControl.h"

#include "platform/Application.h"
#include "platform/DeviceContext.h"
#include "platform/MemoryDc.h"

namespace {
// A bitmap resource of the program, deleted when the holder goes.
class LoadedBitmap {
public:
    explicit LoadedBitmap(int resourceId)
    {
        HINSTANCE instance = theApplication && theApplication->instance ? theApplication->instance
                                                                         : GetModuleHandleA(nullptr);
        handle = resourceId > 0 ? LoadBitmapA(instance, MAKEINTRESOURCEA(resourceId)) : nullptr;
    }
    ~LoadedBitmap()
    {
        if (handle)
            DeleteObject(handle);
    }
    LoadedBitmap(const LoadedBitmap&) = delete;
    LoadedBitmap& operator=(const LoadedBitmap&) = delete;

    int size(int& width, int& height) const
    {
        BITMAP info = {};
        if (!handle || !GetObjectA(handle, sizeof info, &info))
            return 0;
        width = info.bmWidth;
        height = info.bmHeight;
        return 1;
    }

    HBITMAP handle;
};
} // namespace

int PictureControl::getBitmapSize(IntRect* size)
{
    if (!size)
        return 0;
    LoadedBitmap bitmap(bitmapId);
    int width = 0, height = 0;
    if (!bitmap.size(width, height))
        return 0;
    size->setWidth(width);
    size->setHeight(height);
    return 1;
}

void PictureControl::refresh()
{
    if (!bitmapId || !isAttached())
        return;
    LoadedBitmap bitmap(bitmapId);
    int width = 0, height = 0;
    if (!bitmap.size(width, height))
        return;
    ControlDrawing drawing(*this);
    HDC target = drawing ? drawing.dc().hdc : nullptr;
    if (!target)
        return;
    MemoryDc source(target);
    if (!source.select(bitmap.handle))
        return;
    if (naturalSize)
        BitBlt(target, clientRect.left, clientRect.top, width, height, source.hdc(), 0, 0, SRCCOPY);
    else
        StretchBlt(target, clientRect.left, clientRect.top, clientRect.width(), clientRect.height(), source.hdc(), 0, 0,
                   width, height, SRCCOPY);
}
