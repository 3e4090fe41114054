#pragma once
#include <windows.h>
#include <commctrl.h>

class Dialog;
class ImageList;

// Drives a SysTreeView32 item of a dialog. Every operation does nothing and answers 0 until the
// tree window is known.
class TreeView {
public:
    TreeView() = default;
    ~TreeView();
    TreeView(const TreeView&) = delete;
    TreeView& operator=(const TreeView&) = delete;

    // The image list, created on first use.
    [[nodiscard]] ImageList* images();

    // The tree window becomes the dialog's item with that id; 1 when there is one.
    [[nodiscard]] int attachToControl(Dialog* dialog, int id);
    // The held image list as the tree's normal list.
    int setImageList();
    // A last child of `parent` (0: a root item) with image 0; `length` below 1 stands for the
    // text's own length. The new item, or 0.
    [[nodiscard]] HTREEITEM insertItem(HTREEITEM parent, const char* text, int length);
    // The item's text, at most size - 1 bytes, cut on a character boundary; 1 when read.
    [[nodiscard]] int getItemText(HTREEITEM item, char* buffer, int size);
    [[nodiscard]] HTREEITEM firstChild(HTREEITEM item) { return nextItem(item, TVGN_CHILD); }
    [[nodiscard]] HTREEITEM parent(HTREEITEM item) { return nextItem(item, TVGN_PARENT); }
    [[nodiscard]] HTREEITEM nextSibling(HTREEITEM item) { return nextItem(item, TVGN_NEXT); }
    // Writes the item's 32-bit data and returns the value it held.
    LPARAM exchangeItemData(HTREEITEM item, LPARAM value);
    // Image and selected image.
    int setItemImage(HTREEITEM item, int image);
    int selectItem(HTREEITEM item);
    int expandItem(HTREEITEM item);
    int deleteAll();

    HWND window = nullptr;

private:
    [[nodiscard]] HTREEITEM nextItem(HTREEITEM item, UINT relation);
    LRESULT send(UINT message, WPARAM wParam, LPARAM lParam);
    ImageList* imageList_ = nullptr;   // owned
};
