#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class DocumentContext;

// The items of the context menu being shown (one for the application).
class PopupMenuList {
public:
    virtual ~PopupMenuList() = default;

    virtual void setContext(DocumentContext* context) = 0;
    virtual int track() = 0;
};

// Defined in document/GlobalManagers.cpp, with its first readers.
extern PopupMenuList* thePopupMenuList;
