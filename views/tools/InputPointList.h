#pragma once
// Interface header: the point input as the folders below reach it: every operation virtual
// (bodies in InputPointList.cpp, reached through the vtable), no internals of this folder.
#include "platform/GlobalBlock.h"

class DocumentContext;
class Point;
struct IntPoint;

// The points clicked while an element is created. Each document context owns one; the element
// editor waits in its click loop for the first point of every new element, and the elements
// read back the previous point as the anchor of their rubber band. Undo and redo of a new
// element set the flag word to 1, which the input tools read.
class InputPointList {
public:
    // One clicked point: view-window client pixels, and the same point in drawing millimetres
    // (z is 0).
    struct Record {
        int deviceX = 0, deviceY = 0;
        double x = 0.0, y = 0.0, z = 0.0;
    };

    InputPointList();
    virtual ~InputPointList();
    InputPointList(const InputPointList&) = delete;
    InputPointList& operator=(const InputPointList&) = delete;

    virtual void setOwner(DocumentContext* owner);
    virtual void setFlagWord(int value);

    // The point before the newest one (the only one when there is one), in drawing
    // coordinates; 0 when the list is empty.
    [[nodiscard]] virtual int previousPoint(Point* out);
    // Record index in drawing coordinates; 0 when index is out of range.
    [[nodiscard]] virtual int pointAt(int index, Point* out);
    // 0 when the list cannot grow.
    [[nodiscard]] virtual int append(const Record& record);
    // Converted through the view mapping; 0 without a view or when the list cannot grow.
    [[nodiscard]] virtual int appendDevicePoint(const IntPoint& device);
    // Empties the list and records the cursor position as its first point; 0 without a view.
    [[nodiscard]] virtual int restartAtCursor();
    [[nodiscard]] int pointCount() const { return points.count; }
    virtual void clear();
    // The status bar shows the cursor position.
    virtual void showCursorPosition();
    // The mouse captured by the view window, and released.
    virtual void captureMouse();
    virtual void releaseMouse();
    // Empties the list and polls until the left (11, the point appended) or right (21) button;
    // -1 when the poll failed or was addressed to another window, the loop was interrupted or
    // the stop flag was set (the stop wins over a click of the same poll). flag is not used.
    [[nodiscard]] virtual int waitClick(int kind, int flag);
    // 12 once the left button is up (at once when it is not down); -1 when a poll fails.
    [[nodiscard]] virtual int waitLeftRelease();

    int stop = 0; // set by others to end a click loop
    int kind = 0; // the element kind whose points are collected
    int flagWord = 0;

protected:
    DocumentContext* context = nullptr; // not owned
    GlobalBlock points{10, static_cast<int>(sizeof(Record))};
};
