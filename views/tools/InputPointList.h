#pragma once
#include "document/InputPointListBase.h"
#include "platform/GlobalBlock.h"

class DocumentContext;
class Point;
struct IntPoint;

// The points clicked while an element is created. Each document context owns one; the element
// editor waits in its click loop for the first point of every new element, and the elements
// read back the previous point as the anchor of their rubber band. Undo and redo of a new
// element set the flag word to 1, which the input tools read.
class InputPointList : public InputPointListBase {
public:
    // One clicked point: view-window client pixels, and the same point in drawing millimetres
    // (z is 0).
    struct Record {
        int deviceX = 0, deviceY = 0;
        double x = 0.0, y = 0.0, z = 0.0;
    };

    InputPointList();
    ~InputPointList() override;

    // The point input of a drawing; null when it has none. Every point input a drawing holds is
    // one of these (the views make it).
    [[nodiscard]] static InputPointList* of(const DocumentContext* context);

    // --- the operations of InputPointListBase (document/InputPointListBase.h) ---
    void setOwner(DocumentContext* owner) override;
    void setFlagWord(int value) override;
    [[nodiscard]] int previousPoint(Point* out) override;
    [[nodiscard]] int restartAtCursor() override;
    [[nodiscard]] int pointCount() const override { return points.count; }
    void clear() override;
    void showCursorPosition() override;
    void captureMouse() override;
    void releaseMouse() override;
    [[nodiscard]] int waitClick(int kind, int flag) override;

    // Record index in drawing coordinates; 0 when index is out of range.
    [[nodiscard]] virtual int pointAt(int index, Point* out);
    // 0 when the list cannot grow.
    [[nodiscard]] virtual int append(const Record& record);
    // Converted through the view mapping; 0 without a view or when the list cannot grow.
    [[nodiscard]] virtual int appendDevicePoint(const IntPoint& device);
    // 12 once the left button is up (at once when it is not down); -1 when a poll fails.
    [[nodiscard]] virtual int waitLeftRelease();

    int stop = 0; // set by others to end a click loop
    int kind = 0; // the element kind whose points are collected
    int flagWord = 0;

protected:
    DocumentContext* context = nullptr; // not owned
    GlobalBlock points{10, static_cast<int>(sizeof(Record))};
};
