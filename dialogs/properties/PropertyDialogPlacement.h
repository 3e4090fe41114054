#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class DocumentContext;

// Per drawing: the tab and the window position that its property dialogs showed last, so that
// stepping through a selection keeps them.
class PropertyDialogPlacement {
public:
    virtual ~PropertyDialogPlacement() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
};
