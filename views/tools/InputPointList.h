#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

// The points clicked during interactive input. The document context only creates and deletes it;
// undo and redo of a new element set its flag word to 1, which the input tools read.
class InputPointList {
public:
    virtual ~InputPointList() = default;

    virtual void setFlagWord(int value) { (void)value; }
};
