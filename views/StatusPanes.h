#pragma once
#include "document/StatusBarPanes.h"
#include "geometry/DrawPoint.h"

class StatusBar;

// The three parts of the frame's status bar as one drawing writes them: the cursor's x (part 0,
// 75 pixels) and y (part 1, to 150), measured from the grid origin in the grid's units as the
// rulers count them, and the message part (2) that also carries the progress of long redraws.
// A part is rewritten only when its coordinate changed.
class StatusPanes : public StatusBarPanes {
public:
    // Three parts, right edges 75, 150 and the end, all cleared. `bar` stands in for the frame's
    // (tests); without either nothing is written.
    explicit StatusPanes(StatusBar* bar = nullptr);

    void setOwner(DocumentContext* owner) override;
    void showInPane2(const char* text) override;
    // The mouse's drawing position through the view.
    void showCursorPosition() override;
    void beginProgress(int low, int high) override;
    void setProgress(int value) override;
    void endProgress() override;

    // The readout of a drawing position (x, y in drawing coordinates).
    void showPosition(double x, double y);
    // "X:" or "Y:" and the value cut to the unit's decimals (micron 0, centimetre and metre 3,
    // others 2), zeros kept: 12.3 in millimetres reads "X:12.30".
    static void formatReadout(char* text, int size, char axis, double value, int unit);

    enum { kXPart = 0, kYPart = 1, kMessagePart = 2 };

    DocumentContext* context = nullptr; // not owned
    DrawPoint last; // the position shown last, owned by the drawing
    int xShown = 0, yShown = 0; // 0 until a position was shown
    StatusBar* ownBar;

private:
    [[nodiscard]] StatusBar* bar() const;
};
