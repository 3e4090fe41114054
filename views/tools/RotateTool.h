#pragma once
#include "document/RotateToolBase.h"

class DocumentContext;

// Rotates the select tool's selection about a centre: by dragging from the centre, by following
// the mouse after an arrow key, or by the angle and centre typed into the rotate dialog. The
// rotation of the whole selection is one undo step. Each drawing owns one; the centre and the
// angle persist between runs.
//
// The centre is in drawing units, the angle in degrees (counter-clockwise on the sheet as the
// line-angle rule measures it).
class RotateTool : public RotateToolBase {
public:
    RotateTool() = default;
    ~RotateTool() override;

    // The rotate tool of a drawing; null when it has none. Every rotate tool a drawing holds is
    // one of these (the views make it).
    [[nodiscard]] static RotateTool* of(const DocumentContext* context);

    // --- the operations of RotateToolBase (document/RotateToolBase.h) ---
    void setOwner(DocumentContext* owner) override;
    int run() override;
    int prepare() override;
    // The dialog path: runs the rotate dialog on a copy; 1 applied, 0 cancelled.
    virtual int rotateByDialog();
    // Rotates every selected element by angle about the centre under one rotate record.
    virtual int applyRotation();
    // The angle of the line from the centre to a drawing point (degrees, 0 straight to the right).
    [[nodiscard]] double angleTo(double x, double y) const;
    // The red cross of the centre; drawn over the view.
    void drawCentreMark();

    int centreSet = 0;
    int inputKind = 0;
    double centreX = 0.0, centreY = 0.0, centreZ = 0.0;
    double angle = 0.0;

protected:
    // Waits for input: 11 left, 21 right, 31 a key (arrow or digit), -1 aborted.
    int waitInput();
    // One press: 1 rotated, 12 only the centre moved, 15 a double click, -1 aborted.
    int dragStep();
    // After an arrow key: the angle follows the mouse until a click applies it.
    int followMouse();
    void drawPreview();

    DocumentContext* context = nullptr; // not owned
};

