#include "platform/TreeView.h"

#include <new>

#include "platform/Dialog.h"
#include "platform/ImageList.h"
#include "platform/StringUtil.h"

TreeView::~TreeView() { delete imageList_; }

ImageList* TreeView::images()
{
    if (!imageList_)
        imageList_ = new (std::nothrow) ImageList;
    return imageList_;
}

LRESULT TreeView::send(UINT message, WPARAM wParam, LPARAM lParam)
{
    return window ? SendMessageA(window, message, wParam, lParam) : 0;
}

int TreeView::attachToControl(Dialog* dialog, int id)
{
    window = dialog && dialog->hwnd ? GetDlgItem(dialog->hwnd, id) : nullptr;
    return window != nullptr;
}

int TreeView::setImageList()
{
    if (!window || !imageList_ || !imageList_->list)
        return 0;
    send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(imageList_->list));
    return 1;
}

HTREEITEM TreeView::insertItem(HTREEITEM parentItem, const char* text, int length)
{
    if (!window || !text)
        return nullptr;
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parentItem ? parentItem : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text);
    insert.item.cchTextMax = (length < 1 ? StringUtil::length(text) + 1 : length) - 1;
    return reinterpret_cast<HTREEITEM>(send(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

int TreeView::getItemText(HTREEITEM item, char* buffer, int size)
{
    if (!buffer || size < 1)
        return 0;
    buffer[0] = 0;
    if (!window || !item || size < 2)
        return 0;
    // The tree writes as many whole characters as fit and no terminator when the text is cut.
    int kept = StringUtil::readBounded(buffer, size, -1, [this, item](char* block, int capacity) {
        TVITEMA query = {};
        query.mask = TVIF_TEXT;
        query.hItem = item;
        query.pszText = block;
        query.cchTextMax = capacity;
        return send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query)) ? 0LL : -1LL;
    });
    return kept >= 0 ? 1 : 0;
}

HTREEITEM TreeView::nextItem(HTREEITEM item, UINT relation)
{
    if (!window)
        return nullptr;
    return reinterpret_cast<HTREEITEM>(send(TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

LPARAM TreeView::exchangeItemData(HTREEITEM item, LPARAM value)
{
    if (!window || !item)
        return 0;
    TVITEMA data = {};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    LPARAM old = data.lParam;
    data.lParam = value;
    send(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return old;
}

int TreeView::setItemImage(HTREEITEM item, int image)
{
    if (!window || !item)
        return 0;
    TVITEMA data = {};
    data.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    data.hItem = item;
    data.iImage = image;
    data.iSelectedImage = image;
    return send(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&data)) != 0;
}

int TreeView::selectItem(HTREEITEM item)
{
    if (!window)
        return 0;
    return send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
}

int TreeView::expandItem(HTREEITEM item)
{
    if (!window || !item)
        return 0;
    return send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item)) != 0;
}

int TreeView::deleteAll()
{
    if (!window)
        return 0;
    return send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)) != 0;
}
