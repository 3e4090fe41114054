#pragma once

class DocumentContext;

// Group numbering, the group working set and the group dialog.
class ElementIdSet {
public:
    virtual ~ElementIdSet() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    virtual int runGroupDialog() = 0;

    // Around a file read: group numbers read are remapped through a fresh map, dropped after.
    virtual void startGroupMap() {}
    virtual void dropGroupMap() {}
};
