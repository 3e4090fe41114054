#pragma once
#include "elements/BezierPath.h"
#include "elements/CornerImageElement.h"
#include "geometry/OpenCloseAttribute.h"
#include "geometry/PointList.h"
#include "shapes/PictureImage.h"

class ImageMask;
class UndoManager;
class ViewParams;

// Kind 19, "picture" (ピクチュアー): an image file (BMP, EPS, GIF, JPEG or TIFF) placed in the
// rectangle of two corners, optionally cut to a mask outline. The element keeps the file's path
// and kind; the pixels come from the readers of its PictureImage whenever the picture is
// measured, drawn or exported. Drawn through PictureShape; while it is moved or placed only its
// frame is drawn.
//
// The mask outline is stored relative to the start corner and follows a resize of the rectangle;
// along an axis where the rectangle is or becomes too thin to measure (under a tenth of a
// millimetre on paper, which takes in every width the drawing file writes as none), the outline
// keeps its values, so that the mask comes back whole when the rectangle widens again, before a
// save and after it.
//
// Point numbers (setPoint and the point-move record of a corner drag): 1 the start corner, 2 the
// end corner, 3 on the outline's points, relative to the start corner.
//
// Store record: start (x, y), end (x, y), the image kind (int32), the file name (int32 length and
// the bytes), the mask (int32 shape code, int32 count, x and y of each point), the extent.
class PictureElement : public CornerImageElement {
public:
    PictureElement();
    ~PictureElement() override;

    void initialize() override;
    void teardown() override;

    [[nodiscard]] int exchangeRecord(int mode) override;
    // Both: the select tool's cursor inside the corners' box.
    [[nodiscard]] int hitTestExtent() override;
    [[nodiscard]] int hitTest() override;

    int execute(int operation, double x, double y, double z) override;
    // The corners' frame (see drawFrameOverlay) until the mask is edited, then the mask outline.
    void drawOverlayFigure(int operation) override;
    // While the mask's points are edited, the point last dragged becomes the path's active point,
    // as in a Bezier curve: its control points can then be picked, and '+' and '-' act on it.
    void setActiveHandle(int mode, int number) override;

    // The mask emptied and the holder bound; the layer, the image kind and the file of the
    // drawing's picture record (the file its placement command chose).
    void takePlacementDefaults() override;
    // AUTO resolved by the file's extension, then the rectangle of the image's drawing size
    // follows the mouse until a press: 1, 15, 21, -1; -999 when the image has no size (no file,
    // an unknown kind, an unreadable file).
    [[nodiscard]] int placeByMouse(int arg) override;
    // The image's size in drawing units at the drawing's scale; 0 without one.
    [[nodiscard]] int placementSize(double& width, double& height);

    // A corner (1, 2), the mask following; or an outline point (3 on), as it is.
    void setPoint(int index, double x, double y, double z) override;
    // Both corners about the centre; the mask scales with them.
    void scale(double factor, const Point& centre, int flags) override;
    // The corner under the cursor dragged, the mask following. Its record holds every point of
    // the picture, so that its undo and redo give the outline back exactly, not scaled back.
    [[nodiscard]] int editByMouse() override;
    // The corners stretched by an extent handle; the mask stretches with them.
    [[nodiscard]] int dragHandle(int handle) override;
    [[nodiscard]] int hasHandleDrag() const override { return 1; }

    // Both corners as one resize (座標's OK, the batch change, which also gives one corner's
    // coordinate this way): the mask follows from the frame before to the frame after.
    void setCorners(const Point& start, const Point& end) override;

    [[nodiscard]] int editProperties(int hasPrevious, int hasNext) override;
    // The property sheet's mask buttons: 9901 create (shape dialog, a press, the path drawn),
    // 9902 move the mask over the picture, 9903 drag a mask handle, 9904 edit the mask's points.
    // Each waits for the user's own press in the view (ViewParams::waitUserPress). 1 when the tool
    // changed the mask; 0 when it ended without a change, the mask then as it was, exactly.
    [[nodiscard]] int runSheetAction1() override;
    [[nodiscard]] int runSheetAction2() override;
    [[nodiscard]] int runSheetAction3() override;
    [[nodiscard]] int runSheetAction4() override;

    [[nodiscard]] int readXmlAttributes() override;
    [[nodiscard]] int writeXml() override;

    // Points the holder, the corners and the mask outline at the element's drawing and values.
    void bind();
    // The mask outline moved by +start (absolute) or -start (relative).
    void makeMaskAbsolute(int absolute);

    PictureImage image;
    // The mask is always a closed path: its own value, since the picture has no open/close
    // attribute of its own.
    OpenCloseAttribute maskClose;
    BezierPath maskPath;
    int maskEditing = 0;
    // While a mask tool runs: 1 once the picture has left the painter's page (leavePainter).
    int outOfPainter = 0;

private:
    struct Corners {
        Point start;
        Point end;
    };
    [[nodiscard]] Corners corners() const;
    // The outline before a mask tool that edits it absolute: relative, and made absolute.
    struct OutlineBefore {
        PointList relative;
        PointList absolute;
    };
    // The outline made absolute for a tool, as it was kept in `before`.
    void beginMaskTool(OutlineBefore& before);
    // The outline made relative again and the extent measured: 1 when the tool changed it; else
    // 0, the relative values given back exactly (there and back by the start point may round).
    [[nodiscard]] int endMaskTool(const OutlineBefore& before);
    // The relative outline rescaled from the old corners' box onto the current one, an axis at a
    // time; an axis too thin to measure before or after keeps the outline's values.
    void followResize(const Corners& before);
    // The picture cut to the mask (its outline absolute while edited), on the overlay.
    void drawCutToMask();
    // Once per drag: the picture erased from the painter's page, so that the drag's figures show
    // it cut to the mask where it goes; showForPress draws it back before the next press.
    void leavePainter();
    void showForPress();
    // The mask (its outline absolute) follows the held button from the press over the frame,
    // which stays; the view shows it where it goes. 11 at the release.
    [[nodiscard]] int dragMask(ViewParams& view);
    // The picture's points in their numbering, into the open undo record.
    void recordPoints(UndoManager& undo);
};

// A new picture, null when memory ran out (the registry's maker of kind 19).
[[nodiscard]] Element* newPictureElement();
