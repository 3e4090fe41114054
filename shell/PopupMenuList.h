#pragma once

class DocumentContext;

// The items of the context menu being shown (one for the application).
class PopupMenuList {
public:
    virtual ~PopupMenuList() = default;

    virtual void setContext(DocumentContext* context) = 0;
    virtual int track() = 0;
};

extern PopupMenuList* thePopupMenuList;
