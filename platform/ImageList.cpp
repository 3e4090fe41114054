#include "platform/ImageList.h"

#include "platform/Application.h"

int ImageList::create(int cx, int cy, int initial, int grow)
{
    destroy();
    list = ImageList_Create(cx, cy, ILC_MASK | ILC_COLOR4, initial, grow);
    return list != nullptr;
}

void ImageList::destroy()
{
    if (list)
        ImageList_Destroy(list);
    list = nullptr;
}

int ImageList::addIcon(int resourceId)
{
    if (!list)
        return -1;
    HINSTANCE instance = theApplication && theApplication->instance ? theApplication->instance : GetModuleHandleA(nullptr);
    // A shared icon from LoadIconA is not destroyed; the list keeps its own copy.
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(resourceId));
    if (!icon)
        return -1;
    return ImageList_ReplaceIcon(list, -1, icon);
}
