#pragma once
#include "platform/GlobalBlock.h"
#include "platform/IntPoint.h"
#include "platform/TickTimer.h"

class DocumentContext;
class Element;

// An operation applied to every selected element of the kinds it accepts (the batch edits of the
// default records). accepts asks once per element, apply changes the element in hand.
class SelectionOperation {
public:
    virtual ~SelectionOperation() = default;
    [[nodiscard]] virtual int accepts(int kind) = 0;
    virtual int apply(Element* element) = 0;

    // The names the default records give the two operations.
    [[nodiscard]] int handlesKind(int kind) { return accepts(kind); }
    int applyTo(Element* element) { return apply(element); }
};

// The selected element ids of one drawing, in the order they were added (the select tool's list
// mode reads them here), the rubber-band selection by mouse, and the batch change of every
// selected element under one undo record. The list is a block of 32-bit ids; its count is the
// number selected.
class Selection : public GlobalBlock {
public:
    Selection();
    virtual ~Selection() = default;
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

    virtual void setOwner(DocumentContext* context) { owner = context; }
    // Drops a Control-drag rectangle that is still pending.
    virtual void clearPending() { pending = 0; }

    // Appends the id; nothing when memory is short (the user is told).
    void add(int id);
    // Removes the first entry equal to id; the later ones move down. Nothing when it is absent.
    void remove(int id);
    // Replaces entry index when it exists.
    void setAt(int index, int id);
    // Entry index, or -3 (the end of the list) beyond the last.
    [[nodiscard]] int idAt(int index);
    void clear() { count = 0; }

    // The rubber band, from the select tool's press point while the left button is held. The
    // number of ids selected; 1 (and nothing selected) for a Control-drag, which leaves its
    // rectangle pending for copying as a picture; 0 when nothing was selected: a release within
    // 150 ms of the press, a drag of less than 3 pixels (the list stays as it was) or no view.
    [[nodiscard]] int selectInRect();
    // Draws the rectangle of a pending Control-drag on the view's overlay as a dashed outline,
    // one dash phase further on each time; with throttling only once 80 ms have passed since the
    // last such draw. 0 when nothing is pending or the view has no overlay.
    int drawBand(int throttled);
    // Applies the operation to every selected element whose kind it accepts (the listed ones, or
    // the one element the select tool holds by itself), as one batch change of the undo log, then
    // refreshes the view. 0 without the in-place editor or a selection; otherwise the number of
    // elements changed.
    int forEach(SelectionOperation& operation);

    // The decisions of the rubber band, apart from its loop.
    // 1: wholly enclosed elements, 0: touched elements, -1: none, for an enclose mode (1 whole,
    // 2 and 3 part) and Shift, which swaps whole and part.
    [[nodiscard]] static int enclosesWhole(int encloseMode, int shift);
    // 1 when the drag went 3 pixels or further from the press.
    [[nodiscard]] static int isLongDrag(const IntPoint& press, const IntPoint& release);

    DocumentContext* owner = nullptr;
    // The band in drawing coordinates: the press point and the latest mouse point.
    double startX = 0.0;
    double startY = 0.0;
    double endX = 0.0;
    double endY = 0.0;
    // Set while Control is held during a drag: the rectangle is to be copied as a picture.
    int pending = 0;
    // 0..9: where the band's 5-on 5-off dashes start.
    int dashPhase = 0;
    TickTimer bandTimer;

private:
    void showEncloseCursor(int shift) const;
    void drawOutline();
    // The band's corners in device pixels; 0 without a view.
    [[nodiscard]] int bandCorners(IntPoint& topLeft, IntPoint& bottomRight);
    [[nodiscard]] int gatherInRect(int whole);
};

// The ids the clipboard, the drawing order and the groups work on, in the select tool's order:
// its single id in mode 1, the selection list in mode 2; none without a select tool. Fills the
// block (32-bit ids) and returns the count.
int selectedIdsOf(DocumentContext* context, GlobalBlock& ids);
