#pragma once
#include "document/ViewScroller.h"
#include "platform/IntPoint.h"

class ViewMapping;
class ChildScrollBar;

// The two scroll bars of a drawing's window and the panning tools. The scrollable area is the
// sheet with its crop-mark bands plus the view's margin on each side, in pixels at the current
// zoom (computed in double, so a 10 m sheet at zoom 100 does not overflow). Windows scroll bars
// count at most 32000 positions, so one position may stand for several pixels: the step.
//
// A position becomes the view's scroll offset position × step. The bars move the view through
// the window: a bar that moved tells its window by how many positions (old - new), and the
// window's scroll (the context's scrollHorizontally and scrollVertically) applies the positions
// to the view and lets the redraw manager move the painter by as many steps.
class ViewScrollBars : public ViewScroller {
public:
    static constexpr int kMaxPositions = 32000;
    static constexpr int kLineSize = 16;
    static constexpr int kInitialPage = 50;

    void setOwner(DocumentContext* owner) override { context = owner; }
    void setHorizontalBar(ChildScrollBar* bar) override { hBar = bar; }
    void setVerticalBar(ChildScrollBar* bar) override { vBar = bar; }
    // Recomputes step and ranges keeping the relative positions (the first time, and after a
    // reset, they are 0), the page sizes, and applies them to the view; 1 when a bar or the
    // view's offsets changed.
    int resetRanges() override;
    int onHScroll() override;
    int onVScroll() override;
    // Each non-zero component moves its bar by that many lines (16 positions each).
    int scrollBy(int dx, int dy) override;
    // The window's scroll by n positions (old - new): the view takes the bar's position; a bar
    // that has not moved yet is moved first.
    int stepHorizontally(int steps) override;
    int stepVertically(int steps) override;
    int autoScroll() override;
    // The hand tool: a left drag pans the view; a right click asks for the context menu.
    int handTool() override;
    void updatePageSizes() override;
    int applyToView() override;
    void centreOn(double x, double y) override;
    [[nodiscard]] int stepPixels() const override { return step; }

    // Step and ranges from the current zoom, positions 0.
    int resetToOrigin();
    // The scrollable extents in pixels, and the step they need.
    void extents(double& width, double& height) const;
    void computeStep();
    // Pans by a device distance (the content follows the pointer): each bar's position moves by
    // -distance / step within 0..its last position; with shift only the larger of the two
    // distances counts. 1 when the view moved.
    int panBy(int dx, int dy, int shift);
    // Pans while the middle button stays down.
    int middleButtonPan() override;

    DocumentContext* context = nullptr; // not owned
    ChildScrollBar* hBar = nullptr;     // the window's, not owned
    ChildScrollBar* vBar = nullptr;
    int maxPositions = kMaxPositions;
    int step = 1;

private:
    [[nodiscard]] ViewMapping* view() const;
    // The range of each bar for the current step, positions given.
    void setRanges(int hPosition, int vPosition);
    int stepBar(ChildScrollBar* bar, int steps, int offset);
    // A pan by the pointer's move from the reference once it moved by a step; the reference
    // follows on each axis that moved.
    void panTowards(IntPoint& reference, const IntPoint& point);
    // One drag of the hand tool from the press until the button is released.
    void dragPan();
};
