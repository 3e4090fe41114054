#pragma once
#include "document/PartsPane.h"
#include "platform/IntRect.h"
#include "shell/panes/CommandDefinition.h"
#include "views/PagePane.h"

class ChildScrollBar;
class DockPane;
class Window;

// One entry of a dock pane: a separator, a tool button with its face in three states, the
// navigator, the page or parts list with its square cells, or the scroll bar of such a list. It
// reads its command definition, knows its rectangle in the pane, draws itself into the pane's
// window and gives the hint of what lies under the cursor.
//
// Coordinates: `rect` is in the pane (its top-left is the pane's); cells and the parts list's
// area are in the pane's window (the frame's client area for a docked pane, the floating
// window's client area otherwise); hit tests take screen points.
class ToolButton : public PartsPane, public PagePane {
public:
    // Button and face geometry, in pixels.
    static constexpr int kButtonSize = 20;
    static constexpr int kFaceCell = 18;
    // PAGE and PARTS cells lie this far apart along the pane, and are this far inside its list.
    static constexpr int kCellSpacing = 6;
    static constexpr int kCellInset = 5;

    ToolButton() = default;
    ~ToolButton() override;
    ToolButton(const ToolButton&) = delete;
    ToolButton& operator=(const ToolButton&) = delete;

    // A list value: below 1 a separator (of gap -value when negative, else 3), else command
    // definition `value` with the geometry of its type. 0 when the definition is missing or
    // cannot be read.
    [[nodiscard]] int readDefinition(int value);
    // Sets the rectangle (and the face inset) by type; NAVI, PAGE and PARTS follow the pane's
    // client rectangle.
    void layoutByType();

    [[nodiscard]] ButtonType buttonType() const { return static_cast<ButtonType>(type); }
    [[nodiscard]] int isSeparator() const { return type == static_cast<int>(ButtonType::Separator); }
    [[nodiscard]] int commandId() const { return definition.commandId; }
    // A separator's gap, else the rectangle's width.
    [[nodiscard]] int width() const;
    void moveTo(int x, int y);
    // The rectangle in the pane's window and on the screen.
    [[nodiscard]] IntRect windowRect() const;
    [[nodiscard]] IntRect screenRect() const;
    // PAGE and PARTS test their cells, the others their rectangle.
    [[nodiscard]] int hitTest(const IntPoint& screen);

    // Drawing into the pane's window; nothing without one. A disabled button is never drawn
    // pressed.
    void drawRaised();
    void drawPressed();
    void redraw();
    // The look while a press is tracked: pressed while the cursor is over an enabled button,
    // else raised (a disabled button is never drawn pressed, though its press still counts).
    void drawTracked(int cursorOver);
    // 1 when the state changed.
    int setEnabled(int newEnabled);

    // The hint window's text and rectangle for the cursor at `screen`.
    void hintLabel(const IntPoint& screen, char* out, int size);
    void hintRect(const IntPoint& screen, IntRect& out);
    // The shortcut shown in the label: key 0 none, 101 and above F(key - 100), else the
    // character.
    void setShortcut(int newShift, int newCtrl, int newKey);
    void clearShortcut() { setShortcut(0, 0, 0); }

    // PAGE: the pages and the scroll position that shows the current one.
    void setPages(int current, int count) override;
    // Cell `index` from the first visible one, in the window; 0 when there is no such cell. The
    // limit of cells is the page (part) count + extra.
    [[nodiscard]] int cellRectWithin(int index, IntRect& cell, int extra) override;
    // The page (part) number under the screen point, first visible + index + 1; -1 for none.
    [[nodiscard]] int cellAtPoint(const IntPoint& screen, IntRect* cell) override;
    // PAGE, as the page bar sees it.
    [[nodiscard]] int isPaneShown() override;
    [[nodiscard]] int panePosition() override;
    [[nodiscard]] Window* paneWindow() override;
    void setFirstVisible(int pages) override;
    [[nodiscard]] int isScrolling() override { return scrolling; }
    void thumbnailRect(IntRect& out) override;
    // How many cells the list shows: 0 when the pane is too short for one, 2 without a pane.
    [[nodiscard]] int cellsPerView();
    // The frames of the visible cells: the current page (the selected part) raised.
    void drawCellFrames() override;

    // PARTS, as its library sees it.
    void setPartsRange(int selected, int count) override;
    void setPartsName(const char* text) override;
    [[nodiscard]] int firstVisible() override;
    [[nodiscard]] int cellRect(int index, IntRect& cell) override { return cellRectWithin(index, cell, 0); }
    [[nodiscard]] int cellAtPoint(const IntPoint& screen) override { return cellAtPoint(screen, nullptr); }
    [[nodiscard]] DeviceContext* surface() override;
    void listArea(IntRect& area) override;
    void repaint() override;
    void openContextMenu() override;

    // SCRL: the bar along the bottom (horizontal pane) or right edge, made the first time.
    void placeScrollBar();
    [[nodiscard]] int ownsScrollMessage() const;
    void handleScroll();
    // The pane moves from one position to another: the bar goes (its state kept), and PAGE and
    // PARTS take their range again.
    void onPositionChanged(int oldPosition, int newPosition);
    // The scroll state, from the bar while it exists.
    [[nodiscard]] int scrollPosition();

    CommandDefinition definition;
    int definitionId = 0;
    int type = 0;               // ButtonType
    int gap = 3;
    DockPane* pane = nullptr;   // owner
    int selected = 0;
    int enabled = 1;
    IntRect rect = IntRect::fromEdges(0, 0, kButtonSize, kButtonSize);
    IntRect faceInset = IntRect::fromEdges(1, 1, 2, 2);
    int listCells = 12;
    int faceColumns = 10;
    int faceRows = 10;
    int shift = 0;
    int ctrl = 0;
    unsigned char key = 0;
    char partsName[64] = {};
    int pageCurrent = 1;
    int pageCount = 1;
    int partsSelected = -1;
    int partsCount = 0;
    int scrolling = 0;
    int scrollState[4] = {0, 0, 100, 5};   // position, minimum, maximum, page
    ChildScrollBar* scrollBar = nullptr;   // owned
    ToolButton* linkedButton = nullptr;

private:
    // The cell size and the step from one cell to the next along the pane.
    [[nodiscard]] int horizontalPane() const;
    [[nodiscard]] IntRect listRect() const;
    void setScrollRange(int minimum, int maximum, int page);
    void setScrollPosition(int position);
    // Hands the kept state to the scroll bar control, when there is one.
    void applyScrollState();
    void drawFace(Window& window, const IntRect& at, int pressed);
    void drawCellFramesFrom(int limit, int raisedNumber);
};

// The raised and sunken 2-pixel frames of buttons and cells: black on the far sides (near sides
// when sunken), white on the others, and a gray line inside the black.
void drawRaisedFrame(Window& window, const IntRect& rect);
void drawSunkenFrame(Window& window, const IntRect& rect);
// The etched border of a docked pane: gray outside and white inside on the top and left, the
// other way round on the bottom and right.
void drawEtchedFrame(Window& window, const IntRect& rect);
