#pragma once
#include <windows.h>

#include "platform/Control.h"
#include "platform/IntPoint.h"
#include "platform/IntRect.h"

class Dialog;
class Window;

// How a dialog window is placed when it is initialised.
enum DialogPlacement : int {
    PLACE_SCREEN_CENTRE = 1,
    PLACE_REMEMBERED = 5,
    PLACE_AT_CURSOR = 11,
    PLACE_CURSOR_CENTRE = 13,
};

// The dialog-level part of a dialog object: its window, the owner it runs over, where it is
// placed and the dialog base units. A container is its own owner. While any container exists the
// input-method editor stays off.
class Container : public Control {
public:
    Container();
    ~Container() override;

    void setPlacementScreenCentre() { placement = PLACE_SCREEN_CENTRE; }
    void setPlacementCursorCentre() { placement = PLACE_CURSOR_CENTRE; }
    void setPosition(const IntPoint& p) { position = p; }
    // Each is ignored when given null.
    void setOwnerWindow(Window* window);
    void setOwnerDialog(Dialog* dialog);
    // ownerHwnd from the owner window object, then from the owner dialog (the later one wins).
    void resolveOwner();
    void applyPlacement();
    // The window's top-left corner into `position`.
    void rememberPosition();
    void redraw();
    // New window size, position kept.
    void resizeTo(int width, int height);
    void resizeTo(const IntRect& r) { resizeTo(r.width(), r.height()); }
    // From DEFAULT_GUI_FONT: baseUnitY = |lfHeight|, baseUnitX = baseUnitY / 2 + 1.
    void computeBaseUnits();

    // The rectangle `window` (screen pixels) moved by a placement mode. The usable screen is the
    // screen less 25 pixels at its bottom; modes 5, 11 and 13 are clamped into it, mode 1 is not,
    // other modes leave the rectangle where it is.
    [[nodiscard]] static IntRect placeRect(int mode, const IntRect& window, const IntPoint& cursor, const IntPoint& remembered,
                             int screenWidth, int screenHeight);

    int placement = PLACE_CURSOR_CENTRE;
    IntPoint position;
    Window* ownerWindowObject = nullptr;
    Dialog* ownerDialog = nullptr;
    HWND ownerHwnd = nullptr;
    HWND hwnd = nullptr;
    int baseUnitY = 16;
    int baseUnitX = 8;
};
