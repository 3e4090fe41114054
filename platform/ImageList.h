#pragma once
#include <windows.h>
#include <commctrl.h>

// One system image list of small icons (the file chooser's folder pictures).
class ImageList {
public:
    ImageList() = default;
    ~ImageList() { destroy(); }
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    // A masked 16-colour list of cx x cy pictures; an earlier list is released first.
    [[nodiscard]] int create(int cx, int cy, int initial, int grow);
    void destroy();
    // The icon resource of the program appended; its index, or -1.
    [[nodiscard]] int addIcon(int resourceId);
    [[nodiscard]] int count() const { return list ? ImageList_GetImageCount(list) : 0; }

    HIMAGELIST list = nullptr;
};
