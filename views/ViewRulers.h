#pragma once
#include "document/RulerBars.h"
#include "platform/IntRect.h"
#include "views/RulerScale.h"

class DeviceContext;
class ViewMapping;

// The rulers of a document window: a band along the top and one along the left edge of the
// view's client area, 15 pixels each, with a grey corner box where they meet. They measure in the
// grid's units (x and y apart), count from the grid origin and label ticks at least 70 pixels
// apart. When the sheet's y axis runs upwards, the vertical ruler counts upwards too. Without a
// grid, or for a unit of no length, the bands are drawn without ticks.
class ViewRulers : public RulerBars {
public:
    static constexpr int kThickness = 15;
    // The pale grey of the bands.
    static constexpr int kGrey = 223;

    void setOwner(DocumentContext* owner) override { context = owner; }
    // Both rulers and the corner on the view window.
    void paint() override;
    [[nodiscard]] int leftWidth() const override { return kThickness; }
    [[nodiscard]] int topHeight() const override { return kThickness; }

    // The three areas, in client pixels.
    [[nodiscard]] IntRect cornerRect() const;
    [[nodiscard]] IntRect horizontalRect() const;
    [[nodiscard]] IntRect verticalRect() const;
    // The same onto another device context, for a client rectangle (the window's own in paint).
    void paintOn(DeviceContext& dc, const IntRect& client);
    // The scale of one axis (0 x, 1 y); 0 without a grid or for a unit of no length.
    [[nodiscard]] int axisScale(int axis, RulerScale& out) const;
    // The scale and the tick walk of one axis over a band; 0 when the axis has no ticks.
    [[nodiscard]] int axisWalk(int axis, const IntRect& band, RulerScale& scale, RulerTickWalk& walk) const;

    DocumentContext* context = nullptr; // not owned

private:
    [[nodiscard]] ViewMapping* mapping() const;
    void paintAxis(DeviceContext& dc, const IntRect& band, int axis);
};
