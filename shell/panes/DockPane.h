#pragma once
#include <vector>

#include "platform/IntRect.h"
#include "platform/PaneWindow.h"
#include "shell/panes/DockPaneLayout.h"

class ToolButton;
class WorkspaceLayout;
class Window;

// One toolbar or tool panel of the frame: a named strip of buttons that lies docked in one of the
// four bands around the drawings or floats in a small captioned window of its own. It reads its
// definition and button list from the string table, knows its rectangle at each position,
// arranges its buttons in rows, paints itself and, while it floats, resizes by its borders. The
// workspace layout creates, places and routes the panes; the floating window reaches its pane
// through PaneWindowOwner.
//
// Coordinates: a docked pane's rectangle is in the frame's client area (the band's origin from
// the manager plus the dock point); a floating pane's is the window's, on the screen.
class DockPane : public PaneWindowOwner {
public:
    enum Kind { kButtons = 0, kNavigator = 1, kPage = 2, kParts = 3 };
    enum Position { kHidden = 0, kTop = 1, kLeft = 2, kRight = 3, kBottom = 4, kFloat = 5 };
    // Space between the pane's edge and its buttons, in every position.
    static constexpr int kMarginX = 4;
    static constexpr int kMarginY = 6;
    // A docked band's row pitch (33) and column pitch (29); floating and vertical rows lie 24
    // apart.
    static constexpr int kRowPitch = 2 * kMarginY + 21;
    static constexpr int kColumnPitch = 2 * kMarginX + 21;
    static constexpr int kButtonRowPitch = 24;
    // A vertical band asks for as many rows as it can get.
    static constexpr int kDockedRows = 99;

    // The layout of the buttons in rows: the rows reached and the client's size.
    struct RowLayout {
        int rows = 1;
        int width = 0;
        int height = 0;
    };

    DockPane() = default;
    ~DockPane() override;
    DockPane(const DockPane&) = delete;
    DockPane& operator=(const DockPane&) = delete;

    // Reads definition `id` and builds its buttons; 0 when the definition, the button list or a
    // command definition is missing or unreadable (the buttons made so far are deleted).
    [[nodiscard]] int loadDefinition(int id);
    // Reads the definition again (position, rows, dock point) and lays the buttons out.
    void resetToDefinition();

    // Buttons (owned) and lookups; null when there is none.
    void addButton(ToolButton* button);
    [[nodiscard]] int buttonCount() const { return static_cast<int>(buttons.size()); }
    [[nodiscard]] ToolButton* buttonAt(int index) const;
    [[nodiscard]] ToolButton* buttonAtPoint(const IntPoint& screen);
    [[nodiscard]] ToolButton* buttonOfType(int buttonType) const;
    [[nodiscard]] ToolButton* buttonByCommand(int commandId) const;

    // The rectangle at a position (empty for hidden); the one at the current position; the
    // client rectangle (the floating window's, else the docked rectangle).
    void rectFor(int where, IntRect& out);
    [[nodiscard]] IntRect currentRect();
    [[nodiscard]] IntRect clientRect();
    [[nodiscard]] int isHorizontal() const { return position == kTop || position == kBottom; }
    [[nodiscard]] int isDocked() const { return position >= kTop && position <= kBottom; }
    // The window the pane is drawn in and the pane's top-left in it; null while it has none.
    [[nodiscard]] Window* window();
    [[nodiscard]] IntPoint originInWindow();

    // Buttons of a button pane in `target` rows (laid out when `place`); see layoutButtons.
    RowLayout layoutRows(int target, int place);
    // The sizes a floating button pane can take: for 1, 2, 3 ... rows until no more rows come,
    // the last of equal widths kept.
    [[nodiscard]] std::vector<RowLayout> resizeTable();
    // TOP and BOTTOM one line, LEFT and RIGHT one button per row, FLOAT the pane's rows.
    void layoutButtons();

    // Floats at the screen rectangle (its window made the first time, else moved).
    void floatAt(const IntRect& screenRect);
    void hide();
    void restore();
    void destroyWindow();
    void closeWindow();
    [[nodiscard]] int isWindow(int windowSerial) const;
    void setCommandState(int commandId, int newEnabled);

    // Every button (selected ones pressed) and, docked, the etched border.
    void paint();
    // The floating resize by a border (codes of PaneWindow).
    void resizeByBorder(int edge);

    // The layout record's keywords: "ON" and the position, or "OFF" and the saved position.
    void positionKeywords(char* visibility, int visibilitySize, char* where, int whereSize) const;
    void setFromKeywords(const char* visibility, const char* where);

    // PaneWindowOwner
    [[nodiscard]] int isFloating() override { return position == kFloat; }
    // 1 + the index of the button under the point, 0 for none.
    [[nodiscard]] int hitTest(const IntPoint& screenPoint) override;
    [[nodiscard]] int onClick(PaneWindow& window, int hitResult) override;
    void scroll() override;
    void paint(PaneWindow& window) override;

    int definitionId = 0;
    char name[32] = {};
    int kind = kButtons;
    int allowedBands[4] = {};
    PaneWindow* paneWindow = nullptr;   // owned
    int rows = 1;
    int floatWidth = 0;
    int floatHeight = 0;
    WorkspaceLayout* manager = nullptr;
    int paneId = 0;
    int position = kTop;
    int savedPosition = 0;
    IntPoint dockPoint;
    IntPoint homePoint;
    IntRect margins = IntRect::fromEdges(kMarginX, kMarginY, kMarginX, kMarginY);
    IntRect rememberedRect;
    int faceColumns = 10;
    int faceRows = 10;

private:
    // Takes what the definition gave; then rows below 1 hide the pane.
    void applyDefinition(const DockPaneLayout& layout);
    void normaliseRows();
    [[nodiscard]] int buildButtons(int listId);
    void deleteButtons();
    // The floating client's top-left on the screen: the window's, else the home point.
    [[nodiscard]] IntPoint floatingClientOrigin();
    void dockedRect(int where, IntRect& out);
    void paintContents(ToolButton& button);
    void resizeFreely(int edge);

    std::vector<ToolButton*> buttons;   // owned
};

// What the resize of a floating button pane decides at each cursor step: the row count the
// drag asks for and the window rectangle that goes with it. Fed by the mouse, free of windows.
class FloatingResize {
public:
    FloatingResize(std::vector<DockPane::RowLayout> table, int rows, const IntRect& windowRect, int edge,
                   const IntPoint& cursor, int frameWidth, int captionHeight);
    // The cursor moved to `cursor`: 1 when the rectangle changed.
    int step(const IntPoint& cursor);

    int rows;
    IntRect rect;

private:
    [[nodiscard]] IntRect rectFor(const DockPane::RowLayout& entry) const;

    std::vector<DockPane::RowLayout> table_;
    int edge_;
    IntPoint last_;
    int frame_;
    int caption_;
};

// The free resize of a floating navigator, page or parts pane: each movement moves the dragged
// edges; a rectangle smaller than the docked minimum or larger than the screen's square is not
// taken.
class FreeResize {
public:
    FreeResize(int kind, const IntRect& windowRect, int edge, const IntPoint& cursor, int screenSide);
    int step(const IntPoint& cursor);

    IntRect rect;

private:
    int kind_;
    int edge_;
    IntPoint last_;
    int screenSide_;
};
