#pragma once
// Interface header: the operations that the folders below call; no internals of this folder.

class Point;

// The points clicked during interactive input. The document context only creates and deletes it;
// undo and redo of a new element set its flag word to 1, which the input tools read.
class InputPointList {
public:
    virtual ~InputPointList() = default;

    virtual void setFlagWord(int value) { (void)value; }

    // What the elements ask of it while they are created (nothing, 0 or -1 by default, a list
    // without view). The press that started a creation: the point before the newest (the only
    // one when there is one), in drawing coordinates; 0 when the list is empty.
    [[nodiscard]] virtual int previousPoint(Point* out)
    {
        (void)out;
        return 0;
    }
    virtual void clear() {}
    // The status bar shows the cursor position.
    virtual void showCursorPosition() {}
    // The mouse captured by the view window, and released.
    virtual void captureMouse() {}
    virtual void releaseMouse() {}
    // Empties the list and polls until the left (11) or right (21) button; -1 when the poll
    // failed, the application quits or the stop flag is set.
    [[nodiscard]] virtual int waitClick(int kind, int flag)
    {
        (void)kind, (void)flag;
        return -1;
    }
};
