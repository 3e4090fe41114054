#pragma once
#include "platform/Control.h"

// Kind 1602: shows a bitmap resource of the program in its item, stretched to the item or at
// the bitmap's own size.
class PictureControl : public Control {
public:
    void setBitmapId(int newId) override { bitmapId = newId; }
    void setNaturalSize(int flag) override { naturalSize = flag; }
    // Width and height of the bitmap into the rectangle (its corner stays); 0 when the bitmap
    // cannot be loaded.
    [[nodiscard]] int getBitmapSize(IntRect* size) override;
    // Draws the bitmap at the client rectangle's top-left.
    void refresh() override;

    int bitmapId = 0;
    int naturalSize = 0;
};
