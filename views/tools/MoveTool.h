#pragma once
#include "document/MoveToolBase.h"

class DocumentContext;

// Moves or copies the select tool's selection: by dragging it (Control held makes a copy), by the
// arrow keys, or by distances typed into the move dialog. Every change is stored through the
// tools' element editor and is one undo step; a move is all or nothing. Each drawing owns one.
//
// Offsets are drawing units; arrow steps are view pixels.
class MoveTool : public MoveToolBase {
public:
    MoveTool() = default;
    ~MoveTool() override;

    // The move tool of a drawing; null when it has none. Every move tool a drawing holds is one of
    // these (the views make it).
    [[nodiscard]] static MoveTool* of(const DocumentContext* context);

    // --- the operations of MoveToolBase (document/MoveToolBase.h) ---
    void setOwner(DocumentContext* owner) override;
    int editPointsLoop() override;

    // Drags the selection from the press point until the left button is released: 1 after a move
    // or copy, 3 when the press was a click (released within 300 ms), -1 when it could not run or
    // was released outside the view (nothing changed).
    virtual int dragSelection();
    // A digit typed over the selection: the move dialog, then the move or copy by its offset.
    // 1 moved, 2 copied, 0 nothing (cancelled, or both distances zero).
    virtual int moveSelection();
    // One arrow key (37 left, 38 up, 39 right, 40 down; Shift ten times): the selection moves at
    // once by that many pixels of world length. The step in pixels; (0, 0) and nothing for
    // another key.
    virtual void arrowStep(int key, int& dx, int& dy);
    // One move record for arrow steps already applied, totalling (dx, dy) pixels.
    virtual void recordArrowMove(int totalDx, int totalDy);
    // Translates the selection by the offset, all or nothing, with one move record; 0 and nothing
    // changed when an element cannot be moved.
    [[nodiscard]] virtual int moveBy(double dx, double dy, double dz);
    // Copies of the selection at the offset, under one copy record; the copies become the
    // selection (groups of the list stay together in new groups). The number of copies.
    virtual int copyBy(double dx, double dy, double dz);

    // The offset from the press point to the mouse point (grid-snapped per axis when the grid
    // snaps); 1 when it changed.
    int updateOffset(double mouseX, double mouseY, double mouseZ);

    double startX = 0.0, startY = 0.0, startZ = 0.0;
    double offsetX = 0.0, offsetY = 0.0, offsetZ = 0.0;
    double pendingX = 0.0, pendingY = 0.0, pendingZ = 0.0;
    int copy = 0;

protected:
    // The selection's copies at the offset drawn over the painter's picture.
    void drawPreview();
    // Arrow steps moved the elements without a record; the view shows them.
    [[nodiscard]] int translateSelection(double dx, double dy, double dz);

    DocumentContext* context = nullptr; // not owned
};

