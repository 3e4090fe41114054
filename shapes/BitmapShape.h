#pragma once
#include "geometry/DrawPoint.h"
#include "shapes/Shape.h"

class BitmapRaster;
class BitmapSizeRecord;

// One operation of a bitmap: the element's 24-bit raster stretched into the rectangle of two
// corners (in any order) on the screen or a printer, that rectangle erased, or the raster written
// as a PostScript or PDF image. The image handed to every output is a temporary DibImage that
// borrows the raster's block, so PDF export finds the same image key for the same raster in both
// of its passes, and deleting the temporary image leaves the pixels alone. Picking, overlay and
// print operations draw the image as it is: nothing recolours it.
class BitmapShape : public Shape {
public:
    void setStartPoint(const DrawPoint& p) { startPoint = p; }
    void setEndPoint(const DrawPoint& p) { endPoint = p; }
    // The element's, not copied: they must outlive the operation.
    void setRaster(const BitmapSizeRecord* sizeRecord, const BitmapRaster* pixels)
    {
        size = sizeRecord;
        raster = pixels;
    }

    // The mode is always 2. 1 done; PDF answers 1 also when there is nothing to write. 0 when the
    // operation is refused or there is no view, surface, size record or pixels covering it.
    [[nodiscard]] int execute(int operation);

    DrawPoint startPoint;
    DrawPoint endPoint;
    const BitmapSizeRecord* size = nullptr; // not owned
    const BitmapRaster* raster = nullptr;   // not owned
};
