#pragma once
#include <windows.h>

#include <vector>

#include "document/PageOrder.h"
#include "document/ViewUpdater.h"
#include "geometry/DoubleRect.h"
#include "platform/IntRect.h"

class OffscreenPainter;

// The redraw manager of one drawing: where each element operation draws, and the redraws that
// keep the view window consistent.
//
// The document painter (the context's painter) holds the page as stored; the window shows a copy
// of it, and rubber bands are drawn on the overlay painter (a copy of the document painter) and
// then shown. A page redraw paints the sheet, the grid under the figures, the page's elements
// and the grid over them into the current target. Redirections send operations 1 and 73 to the
// navigator's page painter, the page bar or a caller's painter instead, and switch off culling
// against the update area (the target shows more than the window).
//
// updateRect is the device rectangle being redrawn (the whole painter, or the strip a scroll
// uncovered) and worldRect the same area in drawing coordinates: the element editor asks
// isOutsideUpdateArea before it draws an element, so a scroll draws only what meets the strip.
//
// Every operation does nothing when the piece it needs (owner, painter, window, overlay, status
// bar) is missing.
class RedrawManager : public ViewUpdater {
public:
    RedrawManager() = default;
    ~RedrawManager() override;
    RedrawManager(const RedrawManager&) = delete;
    RedrawManager& operator=(const RedrawManager&) = delete;

    void setOwner(DocumentContext* owner) override { context = owner; }
    // The document painter onto the window within the view area.
    void flushPainter() override;
    // As flushPainter; the selection's marks, when the window showed them, are drawn again at the
    // next idleStep.
    void paintWindow() override;
    // Painter cleared, page redrawn; then the page painter and the page bar redrawn whole.
    void refreshAll() override;
    // Painter cleared, page redrawn; the page painter and every thumbnail of the page bar at the
    // next idleStep (a drawing read or a display control changed: the cached thumbnails of the
    // other pages no longer show what their pages show).
    void refreshViewFirst() override;
    // The file error reporter's once-only marks reset, then as refreshAll, but at the next
    // idleStep the page painter is only shown again and the page bar redraws the page's cell.
    void refreshAfterReset() override;
    // The changed area's device rectangle (the union of the changed extents, or of the boxes
    // their ink keeps within at this scale), grown by kChangePad pixels: the tiles of it that
    // the changed parts (grown the same) meet are redrawn under a clip, with the elements the
    // mask index finds there where it can tell them all.
    void repaintChanges() override;
    // The selection's marks that a paint of the window wiped drawn again, then the navigator and
    // the page bar brought up to date when a redraw of the view left them behind (see
    // miniaturesBehind); while a handler runs a loop of its own both wait for it.
    void idleStep() override;
    // For x, then y: the painter and the window move by that many scroll steps, the strip that
    // was uncovered is redrawn and copied to the window; the navigator's frame and the page bar
    // follow at the next idle step.
    void scrollBy(int dx, int dy) override;
    void beginClip() override;
    void endClip() override;
    // refreshAll, then the painter to the window.
    void redrawCurrentPage() override;
    [[nodiscard]] DeviceContext* overlaySurface() override;
    void copyPainterToOverlay() override { copyPainterToOverlay(nullptr); }
    void flushOverlay() override { flushOverlay(nullptr); }
    [[nodiscard]] DeviceContext* surfaceForOperation(int operation) override;
    [[nodiscard]] int redirectsToPagePainter() const override { return toPagePainter; }
    [[nodiscard]] int redirectsToPageTabBar() const override { return toPageTabBar; }
    [[nodiscard]] int redirectOn() const override { return redirecting; }
    [[nodiscard]] PainterBase* redirectTarget() override { return target; }

    void redrawPage() override;
    void drawPageElements() override;
    [[nodiscard]] int isOutsideUpdateArea(const DoubleRect* extent) override;
    void setSkippedId(int id) override { skippedId = id; }
    void setEditId(int id) override { editId = id; }
    void repaint() override;
    void redirectToPagePainter(int on) override;
    void redirectToPageTabBar(int on) override;
    void redirectTo(int on, PainterBase* other) override;
    void drawPageOnPagePainter() override;
    void drawPageInto(PainterBase* other) override;
    void saveToSpare() override;
    void restoreFromSpare() override;
    void invalidateView() override;
    [[nodiscard]] int drawWindowOnOverlay(int on) override;
    void keepWindowOnOverlay() override;

    // The overlay pair for a device rectangle (the whole view area for null): the document
    // painter into the overlay, and the overlay onto the window.
    void copyPainterToOverlay(const IntRect* rect);
    void flushOverlay(const IntRect* rect);
    // The same for the device rectangle of two drawing points grown by pad pixels.
    void restoreOverlay(double x1, double y1, double x2, double y2, int pad);
    void showOverlay(double x1, double y1, double x2, double y2, int pad);
    // The page bar's pair around its thumbnails, and its conditional redraw (flag value 2 draws
    // the page's elements).
    void beginPageBarRedirect() { redirectToPageTabBar(1); }
    void endPageBarRedirect() { redirectToPageTabBar(0); }
    void redrawIfRequested(int flags);

    DocumentContext* context = nullptr; // not owned
    IntRect updateRect;
    DoubleRect worldRect;
    int clipDepth = 0;
    int showSelectionMarks = 1;
    int skippedId = -1;
    int editId = -1;
    int drawEnabled = 1;
    int toPagePainter = 0;
    int toPageTabBar = 0;
    int toOther = 0;
    int redirecting = 0;
    PainterBase* target = nullptr; // not owned
    // The overlay's surface while it stands in for the window (drawWindowOnOverlay); not owned.
    DeviceContext* windowStandIn = nullptr;
    int showProgress = 0;
    // Depth of the page draws into the painter under way, and whether the painter was copied to
    // the window during one of them (see flushPainter).
    int drawingIntoPainter = 0;
    int flushedWhileDrawing = 0;
    // The view was redrawn and the miniatures still show the drawing before it; they follow
    // at the frame's next idle event or when the timer's message comes (a timer's message waits
    // until no other message does, in whichever loop is fetching; while a handler runs a loop of
    // its own, a tool following the mouse, neither draws them: the timer starts again and the
    // miniatures wait for the handler to return). The main loop's idle event comes as soon as
    // its queue is empty; the timer is for the loops that post none, and waits until the
    // changes have paused (each change starts it again), so that steps that follow one another
    // (arrow keys, an undo after a move) are not held up by a redraw of the whole page each.
    // What the next idle step does, in bits: the navigator's miniature redrawn, or only shown
    // again; the page bar redraws every page's thumbnail (what is shown changed on every page),
    // or else the current page's cell.
    int miniaturesBehind = 0;
    static constexpr int kNavigatorShown = 1 << 0;
    static constexpr int kNavigatorRedrawn = 1 << 1;
    static constexpr int kPagesRedrawn = 1 << 2;
    // The window shows the selection's marks over the painter's picture (the overlay was last
    // shown with them), and a paint wiped them: they wait for the next idle step. The marks
    // are not drawn from the miniatures' timer, whose message comes in whichever loop is
    // fetching, a property sheet's too.
    int marksOnWindow = 0;
    int marksWiped = 0;
    UINT_PTR miniatureTimer = 0;
    DWORD scheduledAt = 0; // the tick count of the last scheduleMiniatures
    static constexpr UINT kMiniatureDelayMs = 250;
    // Extents become whole pixels and hairlines lie on their edges: the changed area's device
    // rectangle grows by this many pixels on each side.
    static constexpr int kChangePad = 3;

private:
    // The elements of the page (or of the listed ids) in drawing order, onto the surface of
    // operation 1.
    void drawPageElementsInOrder();
    [[nodiscard]] PainterBase* painter() const;
    [[nodiscard]] DeviceContext* painterSurface() const;
    [[nodiscard]] DeviceContext* windowSurface() const;
    [[nodiscard]] PainterBase* overlay();
    // updateRect := r, worldRect := r in drawing coordinates.
    void setUpdateArea(const IntRect& r);
    // Painter cleared, its whole rectangle the update area.
    void resetPainter();
    // A redraw of everything: the changed area is drawn already.
    void forgetChanges();
    // The device rectangle of two drawing points grown by pad pixels.
    [[nodiscard]] IntRect deviceRect(double x1, double y1, double x2, double y2, int pad) const;

    // The idle step's work grows by `what` (bits of miniaturesBehind) and its timer starts.
    void scheduleMiniatures(int what);
    // The part of idleStep that the timer runs too.
    void catchUpMiniatures();
    void cancelMiniatureTimer();
    static void CALLBACK onMiniatureTimer(HWND, UINT, UINT_PTR id, DWORD);

    // The elements of the current page that meet the marked tiles of r (their ink grown by the
    // pad), in drawing order, from the mask index; 0 when it cannot tell them all (the page is
    // walked then).
    class ChangedTiles;
    [[nodiscard]] int elementsMeetingTiles(const ChangedTiles& tiles, const IntRect& r, double scale,
                                           std::vector<int>& ids);
    // The elements of the current page whose extents meet the update area, a part of the painter,
    // in drawing order, when they are few; 0 when the page is walked instead.
    [[nodiscard]] int elementsMeetingUpdateArea(std::vector<int>& ids);
    // 1 when the mask index finds every element of the drawing by an extent that holds at this
    // scale of the view (the redraw measures the others again) and follows its store.
    [[nodiscard]] int indexFindsEveryElement(double scale) const;
    void drawListed(const std::vector<int>& ids);
    // While set, a page redraw draws these elements instead of walking the page.
    const std::vector<int>* listedIds = nullptr;
    PageOrder drawingOrder; // of the page of the last repaint from the mask index

    OffscreenPainter* spare = nullptr; // owned; made at the first save
};
