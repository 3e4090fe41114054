#pragma once
#include "elements/CornerImageElement.h"

// Kind 18, "bitmap" (ビットマップ): a 24-bit raster stretched into the rectangle of a start and an
// end corner (any order), drawn, printed and exported through BitmapShape. The pixels are the
// element's BitmapRaster, their dimensions its BitmapSizeRecord; both travel in the drawing file
// ("bitmapParam", "bitmapData") and in the store record.
//
// Store record: start (x, y), end (x, y), the size record (five int32), the raster (int32 length,
// then the bytes), the extent.
class BitmapElement : public CornerImageElement {
public:
    BitmapElement();
    ~BitmapElement() override;

    void initialize() override;
    void teardown() override;

    [[nodiscard]] int exchangeRecord(int mode) override;
    // The select tool's cursor inside the corners' box.
    [[nodiscard]] int hitTest() override;

    int execute(int operation, double x, double y, double z) override;
    // The corners' frame (see drawFrameOverlay).
    void drawOverlayFigure(int operation) override;

    // Point 1 is the start corner, 2 the end corner.
    void setPoint(int index, double x, double y, double z) override;
    // Both corners about the centre.
    void scale(double factor, const Point& centre, int flags) override;
    [[nodiscard]] int editByMouse() override;
    [[nodiscard]] int dragHandle(int handle) override;
    [[nodiscard]] int hasHandleDrag() const override { return 1; }
    [[nodiscard]] int editProperties(int hasPrevious, int hasNext) override;

    // A pasted image: its header becomes the size record, its pixel block the raster (the image
    // gives the block up and is deleted), then placeAtDefault. 0, and the caller keeps the image,
    // when it is not a 24-bit image whose pixels cover its rows.
    [[nodiscard]] int takeImage(DibImage* image) override;
    // Start := the drawing point under the view's device point (50, 30); end := start + the pixel
    // size as drawing lengths at zoom 1.0 and the paper scale. Nothing without a view.
    void placeAtDefault();
    // The pixel width (height) as a drawing length at zoom percent / 100 and 72 pixels per inch;
    // 0.0 without a view.
    [[nodiscard]] double widthAtZoom(double percent);
    [[nodiscard]] double heightAtZoom(double percent);

    [[nodiscard]] int readXmlAttributes() override;
    [[nodiscard]] int writeXml() override;
};

// A new bitmap, null when memory ran out (the registry's maker of kind 18).
[[nodiscard]] Element* newBitmapElement();
