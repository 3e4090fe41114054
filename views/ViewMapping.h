#pragma once
#include "geometry/ViewParams.h"
#include "views/UserPressRules.h"

class PaperSettings;

// The view of a document window: drawing coordinates (millimetres, "world") to device pixels and
// back, the zoom with its commands and tools, the caption that shows the effective resolution,
// and the mouse polls on which every tracking loop is built.
//
//     device x = trunc(mm / 25.4 × zoom × dpi of (x − world origin x) × scale) − scrollX + ruler band
//
// where the world origin is the origin minus the blank margin (both in paper millimetres, so
// scaled to drawing units) minus the paper's left crop band (also scaled). Lengths are computed
// in double and limited before they become ints: the clamped forms keep −32000..32000, the
// others the int range. The dpi is the application's ScreenResolution (72 without it); scale,
// bands and the view window come from the owning context and fall back to 1:1, 0 and none.
//
// Zooms, factors and points that are not finite, or zooms not above 0, change nothing.
class ViewMapping : public ViewParams {
public:
    // One pump step of the mouse loops: blocking (1) or not (0). Tests put a step in that only
    // lets the scripted mouse and clock move on.
    using PumpStep = void (*)(int blocking);
    static PumpStep pumpStep;

    // The clamped forms' limit.
    static constexpr double kDeviceLimit = 32000.0;

    ViewMapping() = default;
    // Copies zoom, limits, origin, margins and scroll offsets; not the owner, the sheet offset
    // switch, the rulers switch nor the click direction.
    void assign(const ViewMapping& source);

    void setOwner(DocumentContext* owner) override { context = owner; }

    // Quantities from elsewhere.
    [[nodiscard]] double dpi() const;
    [[nodiscard]] double scaleNumerator() const;
    [[nodiscard]] double scaleDenominator() const;
    [[nodiscard]] int leftBand() const;
    [[nodiscard]] int topBand() const;
    [[nodiscard]] int rightBand() const;
    [[nodiscard]] int bottomBand() const;
    [[nodiscard]] double worldOriginX() const;
    [[nodiscard]] double worldOriginY() const;

    // Lengths. lengthToPixels gives whole pixels (toward zero), unlimited; with useScale the
    // length is in drawing units, else in paper millimetres.
    [[nodiscard]] double lengthToPixels(double length, int useScale) const override;
    [[nodiscard]] double lengthToPixels(double millimetres) override { return lengthToPixels(millimetres, 0); }
    [[nodiscard]] double pixelsToLength(double pixels, int useScale) const;
    [[nodiscard]] double pixelsToLengthAtZoom(double pixels, double atZoom, int useScale) const;
    [[nodiscard]] double pixelsToLengthEx(double pixels, double atZoom, int useScale, int use72) override;
    // At the dpi without zoom or scale (fitting): whole pixels, and millimetres.
    [[nodiscard]] double lengthToPixelsAtDpi(double millimetres) const;
    [[nodiscard]] double pixelsToLengthAtDpi(double pixels) const;

    // Mapping.
    void deviceToWorld(const IntPoint& device, double* x, double* y, double* z) override;
    void worldToDevice(double x, double y, IntPoint* out) override;
    void worldToDeviceXYZ(double x, double y, double z, IntPoint* out) override;
    void worldToDeviceClamped(double x, double y, IntPoint* out) override;
    void worldToDeviceXYZClamped(double x, double y, double z, IntPoint* out) override;
    [[nodiscard]] int worldToDeviceXForOp(int operation, double x) override;
    [[nodiscard]] int worldToDeviceYForOp(int operation, double y) override;
    [[nodiscard]] double lengthToPixelsForOp(int operation, double millimetres) override;
    [[nodiscard]] double pixelsToLengthForOp(int operation, double pixels) override;
    // The device position as if scrolled to 0 (the scroller's extents), limited to the int range.
    [[nodiscard]] int unscrolledDeviceX(double x) const;
    [[nodiscard]] int unscrolledDeviceY(double y) const;
    [[nodiscard]] double deviceToWorldX(int x) override;
    [[nodiscard]] double deviceToWorldY(int y) override;

    // Areas of the view window, in client pixels; empty without a window.
    void clientRect(IntRect& out) override;
    // The client rectangle less the right and bottom bands.
    void windowArea(IntRect& out);
    // The client rectangle less the ruler band and the right and bottom bands.
    void viewArea(IntRect& out);
    // Edges included.
    [[nodiscard]] int isInViewArea(const IntPoint& device);
    [[nodiscard]] int isCursorInView() override;
    [[nodiscard]] int isWorldPointVisible(double x, double y) override;
    // The world point at the view area's centre.
    void viewCentreWorld(double& x, double& y);

    // The caption: "*" for a changed drawing, the title, two blanks, dpi × zoom with at most 2
    // decimals, " dpi "; at most size − 1 bytes, the title cut at a character boundary. 0 without
    // a title.
    [[nodiscard]] int formatCaption(char* text, int size);
    void updateViewCaption() override;

    // Zoom.
    [[nodiscard]] int canZoomIn() override { return maxZoom > zoom; }
    [[nodiscard]] int canZoomOut() override { return minZoom < zoom; }
    // Kept within the limits; 0 for an unusable zoom. The caller centres the view afterwards.
    int setZoom(double z);
    // Scrolls so that the drawing point lies at the view area's centre, then the caption and
    // the rulers and page are refreshed.
    void centreOn(double x, double y);
    int zoomIn() override;
    int zoomOut() override;
    int zoomAtPoint(const IntPoint& point, double factor) override;
    // The zoom keys: z as it is (only a usable one), the scroll ranges, caption and refresh.
    int setZoomTo(double z);
    // Fits the sheet with its margins into the view area (within the limits); 0 and the zoom
    // kept when the sheet or the view has no extent.
    int fitSheet();
    // Thumbnails and previews: the mapping that fits the sheet, or the rectangle min..max, into
    // a device rectangle, with this view's values saved into backup first. 0 when it does not fit.
    int fitSheetInto(const IntRect& device, ViewMapping& backup);
    int fitRectangle(const IntRect& device, ViewMapping& backup, double minX, double minY, double maxX, double maxY);
    // A part's thumbnail: the current page's elements drawn on `surface`, the rectangle `extent`
    // fitted into the square of `size` pixels at (0, 0), at one to one; the view is left as it
    // was. 0 when nothing could be drawn (no redraw manager, no fit).
    [[nodiscard]] int drawPageScaled(DeviceContext& surface, const DoubleRect& extent, int size) override;
    void reset() override;
    void resetZoom() override;

    // A key of the zoom tool: '+' and '-' set the click direction (and the cursor), '0' fits the
    // sheet, '1' to '9' set that zoom; 1 when the key was taken.
    int handleZoomKey(int character);
    // The zoom tool, run at a mouse move: waits for a click, a drag or a key, then zooms. The
    // outcome: 11 left, 21 right, 31 key, -1 ended.
    int zoomByMouse() override;

    // The mouse.
    [[nodiscard]] Window* window() override;
    void cursorPosition(IntPoint& out) override;
    [[nodiscard]] int readMousePoint(IntPoint& device, int& left, int& right, int requireOwnMessage) override;
    // 0 when tracking was cancelled (the cancel is taken back); else one blocking pump step and
    // readMousePoint's answer.
    [[nodiscard]] int nextMousePoint(IntPoint& device, int& left, int& right, int requireOwnMessage) override;
    // The loop form of the folders below: 0 only when tracking was cancelled or the application
    // quits, so a drag goes on outside the view.
    [[nodiscard]] int nextMousePoint(IntPoint& device, int& left, int& right) override;
    // The loop form with a step that never blocks (it waits a moment at most).
    [[nodiscard]] int pollMousePoint(IntPoint& device, int& left, int& right) override;
    // The free pollMouseButtons below.
    [[nodiscard]] int pollMouseButtons(int& left, int& right) override;
    [[nodiscard]] int waitClick(int kind) override;
    [[nodiscard]] int waitUserPress(int& typed) override;
    [[nodiscard]] int nextUserStep(IntPoint& device, int& left, int& press) override;
    [[nodiscard]] int mouseWorldXY(double& x, double& y) override;

    int repaintClientArea() override;
    void postMouseMove() override;
    void holdMapping(int on) override;

    DocumentContext* context = nullptr; // not owned; null for a detached copy
    int sheetOffsetOn = 1;
    double zoom = 1.0;
    double minZoom = 0.1;
    double maxZoom = 100.0;
    double originX = 0.0, originY = 0.0, originZ = 0.0;
    double marginX = 0.0, marginY = 0.0; // millimetres
    int rulersShown = 1;
    int scrollX = 0, scrollY = 0;        // pixels
    int lastZoomDirection = 1;           // 1 in, 2 out

private:
    // What one mapping needs, gathered once per call: the world origin, pixels per drawing unit
    // and the device offset (ruler band less scroll offset) on each axis.
    struct Terms {
        double originX, originY, pixelsPerUnit, offsetX, offsetY;
    };
    [[nodiscard]] Terms terms() const { return heldDepth > 0 ? held : gatherTerms(); }
    [[nodiscard]] Terms gatherTerms() const;
    // holdMapping's depth and the terms it holds.
    int heldDepth = 0;
    Terms held = {};
    [[nodiscard]] PaperSettings* paper() const;
    [[nodiscard]] double sheetWidthMm() const;
    [[nodiscard]] double sheetHeightMm() const;
    void refreshAfterZoom();
    // 1 once for the press that the main loop handed to the view and that started the tool now
    // polling; the loop reads it as its first event.
    [[nodiscard]] int takeStartingPress();
    // One pump step of the mouse loops, or the press that started the tool when it is unread.
    void stepMouseLoop(int blocking);
    // What a message means to a loop that waits for the user's own press in the view.
    [[nodiscard]] UserPressRules::Act userActOf(const MSG& message);
    // 1 when the message waiting next is the user's act elsewhere (a press or a key in another
    // window, a command), left in the queue, or Esc, taken: either ends the wait.
    [[nodiscard]] int userActsElsewhere();
    // One step of a wait for the user's own press in the view. 0 when the wait ends: the tracking
    // was cancelled, the user acted elsewhere or pressed Esc, or the application quits. Else the
    // pointer and buttons are read, `message` is what the step fetched (null for nothing; the
    // unread press that started the tool counts as fetched) and `act` what it means.
    [[nodiscard]] int stepToUserAct(IntPoint& device, int& left, int& right, UserPressRules::Act& act,
                                    const MSG*& message);
    void setDirectionCursor();
    // Doubles (direction 1) or halves the zoom about a device point.
    void zoomByClick(const IntPoint& at, int direction);
    // The drag of the zoom tool from the press point; 1 zoomed, 0 a click, -1 failed.
    int rectangleZoom(const IntPoint& start);
};

// A drawing's own mapping fitted to show its whole sheet in a device rectangle (a miniature) for
// the time of one scope; the mapping as it was comes back when the scope ends, or at restore.
// Empty (nothing changed) when the drawing has no mapping or the sheet does not fit.
class FittedSheetView {
public:
    FittedSheetView(DocumentContext* context, const IntRect& device);
    ~FittedSheetView() { restore(); }
    FittedSheetView(const FittedSheetView&) = delete;
    FittedSheetView& operator=(const FittedSheetView&) = delete;

    [[nodiscard]] ViewMapping* operator->() const { return view_; }
    explicit operator bool() const { return view_ != nullptr; }
    void restore();

    // The corners of a rectangle of the drawing's view (its pixels as the view shows them now)
    // in the pixels of the sheet fitted to `device`; 0 without a mapping or a fit.
    [[nodiscard]] static int mapViewRect(DocumentContext* context, const IntRect& viewRect, const IntRect& device,
                                         IntPoint& topLeft, IntPoint& bottomRight);

private:
    ViewMapping* view_ = nullptr;
    ViewMapping backup_;
};

// One blocking pump step, then the mouse buttons; 0 once the application quits.
[[nodiscard]] int pollMouseButtons(int& left, int& right);
// 1 when a shortcut key's command became pending during a mouse loop: the loop is to end (-1),
// and the frame still runs the command (its event is posted again). 0 when none is pending.
[[nodiscard]] int shortcutEndsLoop();
