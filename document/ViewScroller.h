#pragma once
// An interface that this folder and those above call; a folder above implements it.

class DocumentContext;
class ChildScrollBar;

// The scroll-bar state of a document window. Only the operations that the document context
// forwards are declared here.
class ViewScroller {
public:
    virtual ~ViewScroller() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    virtual void setHorizontalBar(ChildScrollBar* bar) = 0;
    virtual void setVerticalBar(ChildScrollBar* bar) = 0;
    // Recomputes ranges and positions and applies them; 1 when a bar changed.
    virtual int resetRanges() = 0;
    // Scroll-bar messages of the current event.
    virtual int onHScroll() = 0;
    virtual int onVScroll() = 0;
    virtual int scrollBy(int dx, int dy) = 0;
    // Moves a bar by n steps; 1 when its position changed.
    virtual int stepHorizontally(int steps) = 0;
    virtual int stepVertically(int steps) = 0;
    // One step towards the pointer when it lies outside the view.
    virtual int autoScroll() = 0;
    // Pans the view while the mouse drags.
    virtual int handTool() = 0;
    // Pans while the middle button stays down (whatever tool is current); the hand tool by
    // default.
    virtual int middleButtonPan() { return handTool(); }
    // The bars' page sizes from the view's client size, and the bars' positions applied to the
    // view's offsets (1 when an offset changed). Nothing without bars (the defaults).
    virtual void updatePageSizes() {}
    virtual int applyToView() { return 0; }
    // The view has just set its scroll offsets so that the drawing point (x, y) lies at the
    // centre of its view area; the bars follow (and may limit the offsets). Nothing by default.
    virtual void centreOn(double x, double y) { (void)x, (void)y; }
    // Pixels per scroll position (a sheet wider than the bars can count takes several); 1 by
    // default.
    [[nodiscard]] virtual int stepPixels() const { return 1; }
};
