#pragma once
// The point input as this folder and the elements call it; views/tools/InputPointList implements it.

class DocumentContext;
class Point;

// What the document and the elements ask of a drawing's point input: the points clicked while an
// element is created, the previous one as the anchor of a rubber band, the click waits and the
// mouse capture, and the flag word that undo and redo of a new element set. The point input of
// views/tools implements it; each drawing owns one.
//
// Points are in drawing coordinates.
class InputPointListBase {
public:
    InputPointListBase() = default;
    virtual ~InputPointListBase() = default;
    InputPointListBase(const InputPointListBase&) = delete;
    InputPointListBase& operator=(const InputPointListBase&) = delete;

    virtual void setOwner(DocumentContext* owner) = 0;
    virtual void setFlagWord(int value) = 0;

    // The point before the newest one (the only one when there is one); 0 when the list is empty.
    [[nodiscard]] virtual int previousPoint(Point* out) = 0;
    // Empties the list and records the cursor position as its first point; 0 without a view.
    [[nodiscard]] virtual int restartAtCursor() = 0;
    [[nodiscard]] virtual int pointCount() const = 0;
    virtual void clear() = 0;
    // The status bar shows the cursor position.
    virtual void showCursorPosition() = 0;
    // The mouse captured by the view window, and released.
    virtual void captureMouse() = 0;
    virtual void releaseMouse() = 0;
    // Empties the list and polls until the left (11, the point appended) or right (21) button;
    // -1 when the poll failed or was addressed to another window, the loop was interrupted or
    // the stop flag was set (the stop wins over a click of the same poll). flag is not used.
    [[nodiscard]] virtual int waitClick(int kind, int flag) = 0;
};
