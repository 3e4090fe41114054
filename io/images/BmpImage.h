#pragma once
// Stand-in until the BMP reader is built: what the DIB drawer reads of a BMP picture.
#include "platform/DeviceContext.h"
#include "platform/DibDrawer.h"
#include "platform/DibHeaderBlock.h"
#include "platform/IntRect.h"

// A BMP picture: the header and palette of its file in the header block, its rows in the block's
// pixel block.
class BmpImage {
public:
    // Draws the picture stretched onto the target rectangle.
    [[nodiscard]] int draw(DeviceContext& dc, const IntRect& target)
    {
        DibDrawer drawer;
        return drawer.draw(dc, target, header);
    }

    DibHeaderBlock header;
};
