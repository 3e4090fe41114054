#pragma once
#include "document/Element.h"
#include "elements/BoxInput.h"

// What the image kinds (the bitmap and the picture) share: an image stretched into the rectangle
// of a start and an end corner, in any order. The extent is the corners' box, a pick anywhere in
// that box hits, both corners are the pick marks, and the mouse moves them through the box input.
class CornerImageElement : public Element {
public:
    CornerImageElement();

    // The box of the two corners, whatever the mode: an image has no stroke.
    void computeExtent(int mode) override;
    [[nodiscard]] int hitTestExtent() override;
    [[nodiscard]] int hitHandle(int* handle, int* flag) override;
    [[nodiscard]] int isInSelectionArea() override;

    void showPickHandles() override;
    void showPickColour() override;
    void showPickMarks() override;
    void repaintPicked() override;

    void translate(double dx, double dy, double dz) override;
    void setCorners(const Point& start, const Point& end) override;
    // A batch change of one corner's coordinate: the corners given with that coordinate changed.
    void setStartX(const Point& value) override;
    void setStartY(const Point& value) override;
    void setEndX(const Point& value) override;
    void setEndY(const Point& value) override;

    BoxInput input;

protected:
    // The select tool's cursor inside the corners' box; no pixel is looked at. 0 without a tool.
    [[nodiscard]] int pickInsideCorners();
    // 21 and 33: the rubber-band frame; 32: the frame with the pick display; others draw nothing.
    void drawFrameOverlay(int operation);
};
