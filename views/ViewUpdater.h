#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.
#include "geometry/InkColor.h"
#include "geometry/PickSettings.h"
#include "platform/IntRect.h"
#include "shapes/ShapeOp.h"

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
    // Clears the painter, redraws the current page, refreshes the page painter and page bar.
    virtual void refreshAll() = 0;
    // The same after resetting the file error reporter's once-only flags.
    virtual void refreshAfterReset() = 0;
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
    // default); the view's drawing clipped to its client rectangle and the clip removed.
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
    virtual void clipToView() {}
    virtual void resetClip() {}
    // The element redraws leave out (its id, 0 for none), the mark of the element in edit, and
    // whether the selection marks are shown.
    virtual void setSkippedNumber(int id) { (void)id; }
    [[nodiscard]] virtual int skippedNumber() const { return 0; }
    virtual void setInEditMark(int on) { (void)on; }
    [[nodiscard]] virtual int inEditMark() const { return 0; }
    [[nodiscard]] virtual int marksShown() const { return 0; }
};
