#pragma once
// Plain declarations shared by this folder and those above.

// The operation codes of a shape's execute: what an element operation asks of its shape, and so
// where the shape draws (the redraw manager's surface for the operation) and in which colour.
struct ShapeOp {
    enum : int {
        Draw = 1,             // draw the element (document painter, or the redirect target)
        Erase = 2,            // draw it in white on the document painter
        ShowPicked = 11,      // the whole element in the pick colour on the view window
        DragPreview = 12,     // the element at the drag displacement, pick colour
        ShowPickMarks = 13,   // the element in its own colour before its point marks
        RotatedPreview = 14,  // the element turned by the preview angle, pick colour
        ViewDefault = 15,     // accepted, issued by no element: the view window, a new colour
        RubberBand = 21,      // the element being created or edited, on the overlay
        OverlayPicked = 22,   // on the overlay in the pick colour
        OverlayStep31 = 31,   // further creation and editing steps on the overlay
        OverlayStep32 = 32,
        OverlayStep33 = 33,
        OverlayStep41 = 41,
        Print = 71,           // the print output's device context
        PostScript = 72,      // the PostScript output, while a PostScript job runs
        DrawDefault = 73,     // as Draw, in a new colour
        Pdf = 75,             // the running PDF export's content stream
    };
};
