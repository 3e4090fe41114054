#pragma once
#include "geometry/DrawPoint.h"
#include "geometry/PointList.h"
#include "shapes/ClipPathShape.h"

class ImageMask;
class PictureImage;

// One operation of a placed picture: the image of its file scaled into the rectangle of two
// corners, cut to the mask outline when the picture has one, on the screen, in the overlay, on a
// GDI printer, as PostScript and as PDF. While the picture is moved (12) or drawn in the overlay
// (21) only its frame is drawn; so is it when its image cannot be drawn (no reader, an unreadable
// file, an EPS file without preview), so that the picture stays visible and can be picked.
// Erasing (2) clears the rectangle and the frame, whichever of the two was drawn.
//
// The mask is the element's (not owned): its outline, relative to the start corner, is
// flattened into the clip polygon. An outline of fewer than 4 points, or one that is not whole
// segments (3n + 1 points), is no mask: the whole rectangle is drawn and no clip is written. The
// offset moves the rectangle and the mask once.
class PictureShape : public ClipPathShape {
public:
    void setStartPoint(const DrawPoint& p) { startPoint = p; }
    void setEndPoint(const DrawPoint& p) { endPoint = p; }
    // The element's, not owned; null for none.
    void setImage(PictureImage* holder) { image = holder; }
    void setMask(const ImageMask* value) { mask = value; }
    void setDrawingMode(int value) { drawingMode = value; }

    // The mode is always 2. 1 when the operation ran (also when the frame stood in for the
    // image, and for PDF without an image holder, which writes nothing); 0 when it was refused or
    // there is no view, holder or surface.
    [[nodiscard]] int execute(int operation);

    DrawPoint startPoint;
    DrawPoint endPoint;
    PictureImage* image = nullptr;   // not owned
    const ImageMask* mask = nullptr; // not owned
    int frameOnly = 1;
    int drawingMode = 0;

private:
    // The flattened mask outline as the clip outline; 0 without a usable mask.
    [[nodiscard]] int buildMask();
    void drawFrame();
    void drawOnSurface();

    PointList maskPolygon;
};
