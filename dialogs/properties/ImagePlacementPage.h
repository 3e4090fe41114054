#pragma once

class Dialog;
class Element;

// The controls of an image's placement page: its two corners, the grid's units beside the first
// pair, and the scale of the placement against the image's own size.
struct ImagePlacementIds {
    int startX, startY, endX, endY;
    int xUnit, yUnit;
    int widthPercent, heightPercent;
};

// The coordinate page of the bitmap and the picture: the start and end corner in the grid's
// units (as every property page shows points), and the width and height of the placement as
// percentages of the image's width and height at a scale of 100, with two decimals and " %"
// ("200.00 %"; a size of about zero gives "0.00 %").
namespace image_placement_page {

void declare(Dialog& dialog, const ImagePlacementIds& ids);
void load(Dialog& dialog, const ImagePlacementIds& ids, Element& image);
// The corners typed go back together through the element's setCorners, one change of the frame
// that what follows it (a picture's mask) follows; untouched fields leave their corner exactly.
void store(Dialog& dialog, const ImagePlacementIds& ids, Element& image, double limit);
// The two percentages of the corners against the image's size in drawing units.
void showScale(Dialog& dialog, const ImagePlacementIds& ids, Element& image, double naturalWidth, double naturalHeight);
// value x 100 / base, cut to two decimals (zeros kept), then " %"; "0.00 %" for a base of about 0.
void formatPercent(double value, double base, char* text, int size);

} // namespace image_placement_page
