#pragma once
// An interface that this folder and those above call; a folder above implements it.
#include "document/ShapeOp.h"
#include "geometry/DoubleRect.h"
#include "geometry/InkColor.h"
#include "geometry/PickSettings.h"
#include "platform/IntRect.h"

class DeviceContext;
class DocumentContext;
class PainterBase;

// The redraw manager of a document window: decides where element operations draw and keeps the
// window consistent. Only the operations that the document context calls are declared here.
class ViewUpdater {
public:
    virtual ~ViewUpdater() = default;

    virtual void setOwner(DocumentContext* owner) = 0;
    // Copies the whole document painter to the window.
    virtual void flushPainter() = 0;
    // The window painted again from the painter (a paint message, a scroll): as flushPainter,
    // and the selection's marks that the window showed over the painter's picture come back at
    // the next idle step, not here: a paint may come in the middle of another loop, whose
    // element the marks would take out of the editor. By default a flushPainter.
    virtual void paintWindow() { flushPainter(); }
    // Clears the painter, redraws the current page, refreshes the page painter and page bar.
    virtual void refreshAll() = 0;
    // As refreshAll, but the navigator's miniature and the page bar's thumbnails follow at idle
    // time (a drawing just opened shows its page first).
    virtual void refreshViewFirst() { refreshAll(); }
    // The same after resetting the file error reporter's once-only flags.
    virtual void refreshAfterReset() = 0;
    // After a change of stored elements (a move, a rotation, an undo or redo, a delete, a paste,
    // a property edit): the painter redrawn where the changed elements lay or lie now (the mask
    // index's changed area), as a full refresh would draw it there, the file error reporter's
    // once-only marks reset; the navigator's miniature and the page bar's thumbnail follow at
    // idle time. The window is not painted here. By default a refreshAfterReset.
    virtual void repaintChanges() { refreshAfterReset(); }
    // What waits for the program's idle time (the miniatures of a changed drawing); nothing by
    // default.
    virtual void idleStep() {}
    // Scrolls the painter by (dx, dy) scroll steps and redraws the uncovered strip.
    virtual void scrollBy(int dx, int dy) = 0;
    // Nested clip to the view area; the last end removes it.
    virtual void beginClip() = 0;
    virtual void endClip() = 0;

    // Redraws the current page into the painter and shows it.
    virtual void redrawCurrentPage() {}
    // The overlay: a copy of the painter on which rubber bands are drawn and then shown in the
    // window, so that the next copy erases them. Null while the view has none (the defaults).
    [[nodiscard]] virtual DeviceContext* overlaySurface() { return nullptr; }
    virtual void copyPainterToOverlay() {}
    virtual void flushOverlay() {}

    // The surface an element operation draws on; operation 1 (drawing a page) is where the sheet
    // and the grid are painted. Null while there is none (the default).
    [[nodiscard]] virtual DeviceContext* surfaceForOperation(int operation)
    {
        (void)operation;
        return nullptr;
    }
    // 1 while page redraws go to the navigator's page painter, or to the page bar's thumbnails.
    [[nodiscard]] virtual int redirectsToPagePainter() const { return 0; }
    [[nodiscard]] virtual int redirectsToPageTabBar() const { return 0; }
    // 1 while some redirection of page redraws is on; element operations 1 and 73 then draw on
    // the redirect target, and shapes draw also what lies outside the view's visible area (the
    // target shows more than the view).
    [[nodiscard]] virtual int redirectOn() const { return redirectsToPagePainter() || redirectsToPageTabBar(); }
    // The painter that operations 1 and 73 draw on while redirectOn; null when none (the default).
    [[nodiscard]] virtual PainterBase* redirectTarget() { return nullptr; }

    // The colour an element operation draws with, for an element whose own colour is `own`: the
    // own colour for drawing, picked marks in own colour, overlays and output (1, 13, 21, 31, 32,
    // 33, 41, 71, 72); white for erasing (2); the pick colour of the application's pick settings
    // for the picked and preview figures (11, 12, 14, 22; a new colour without pick settings); a
    // new colour for any other operation.
    virtual void colourForOperation(int operation, const InkColor& own, InkColor& out)
    {
        InkColor result;
        switch (operation) {
        case ShapeOp::Draw:
        case ShapeOp::ShowPickMarks:
        case ShapeOp::RubberBand:
        case ShapeOp::OverlayStep31:
        case ShapeOp::OverlayStep32:
        case ShapeOp::OverlayStep33:
        case ShapeOp::OverlayStep41:
        case ShapeOp::Print:
        case ShapeOp::PostScript:
            result = own;
            break;
        case ShapeOp::Erase:
            result.setWhite();
            break;
        case ShapeOp::ShowPicked:
        case ShapeOp::DragPreview:
        case ShapeOp::RotatedPreview:
        case ShapeOp::OverlayPicked:
            if (thePickSettings)
                result.RgbColor::assign(thePickSettings->pickColour);
            break;
        default:
            break;
        }
        out = result;
    }

    // What the elements ask while they draw on the overlay: the painter copied into the overlay
    // and the overlay shown in the window over a device rectangle (the whole overlay by
    // default); the view's drawing clipped to its client rectangle and the clip removed (the
    // same as beginClip and endClip).
    virtual void copyPainterToOverlay(const IntRect& area)
    {
        (void)area;
        copyPainterToOverlay();
    }
    virtual void flushOverlay(const IntRect& area)
    {
        (void)area;
        flushOverlay();
    }
    void clipToView() { beginClip(); }
    void resetClip() { endClip(); }
    // Between on and off, what element operations draw on the window (the selection's marks)
    // is drawn on the overlay instead: on copies the painter into the overlay, off shows the
    // overlay in the window, one copy instead of a call on the window for every mark. On answers
    // 0 when there is no overlay (the window is drawn on then; off does nothing).
    [[nodiscard]] virtual int drawWindowOnOverlay(int on)
    {
        (void)on;
        return 0;
    }
    // Ends drawWindowOnOverlay(1) without showing the overlay: what is drawn over the marks next
    // goes onto the window with them (flushOverlay).
    virtual void keepWindowOnOverlay() {}
    // The mark of the element in edit, and whether the selection marks are shown.
    virtual void setInEditMark(int on) { (void)on; }
    [[nodiscard]] virtual int inEditMark() const { return 0; }
    [[nodiscard]] virtual int marksShown() const { return 0; }

    // Page redraws and what the element editor asks while it draws a page.
    // The sheet, the grid under the figures, the page's elements and the grid over them, into the
    // current target (the document painter, or the redirect target).
    virtual void redrawPage() {}
    // Only the page's elements (the element with skippedId is stepped over).
    virtual void drawPageElements() {}
    // 1 when the extent (lower and upper corners, drawing coordinates) does not meet the area
    // being redrawn (touching meets it); 0 while a redirect is on or without an extent.
    [[nodiscard]] virtual int isOutsideUpdateArea(const DoubleRect* extent)
    {
        (void)extent;
        return 0;
    }
    // The element a page redraw steps over (the one in edit), and the element redrawn on top
    // after a repaint; -1 for none.
    virtual void setSkippedId(int id) { (void)id; }
    virtual void setEditId(int id) { (void)id; }
    // The painter to the window, then the select tool's marks and the element in edit.
    virtual void repaint() {}
    // Redirections of page redraws (operations 1 and 73): to the navigator's page painter, to
    // the page bar (begun and ended by the bar) or to a painter given by the caller.
    virtual void redirectToPagePainter(int on) { (void)on; }
    virtual void redirectToPageTabBar(int on) { (void)on; }
    virtual void redirectTo(int on, PainterBase* target) { (void)on, (void)target; }
    // The sheet and the page's elements into the page painter; the page's elements into a target.
    virtual void drawPageOnPagePainter() {}
    virtual void drawPageInto(PainterBase* target) { (void)target; }
    // The whole document painter into the spare painter and back (around a long interaction).
    virtual void saveToSpare() {}
    virtual void restoreFromSpare() {}
    // Invalidates the view window's whole client area, so that it is painted again (the grid
    // after its settings changed). Nothing without a window (the default).
    virtual void invalidateView() {}
};
