#pragma once

// The points clicked during interactive input. The document context only creates and deletes it.
class InputPointList {
public:
    virtual ~InputPointList() = default;
};
