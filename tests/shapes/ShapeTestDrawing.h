#pragma once
// A drawing for the shape tests: a sheet whose scale a test sets, a view without a window at
// 72 dpi (or at a scale the test sets), a redraw manager whose surface for every operation is a
// DIB section, print settings that hand out a recording PostScript output (null while
// `postScript` is off), and a running PDF export whose writer records.
#include "document/DocumentContext.h"
#include "document/SheetSettings.h"
#include "tests/support/LinearView.h"
#include "tests/support/RecordingWriters.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/SurfaceUpdater.h"

namespace shape_test {

// The context owns the members and deletes them.
class ShapeDrawing {
public:
    explicit ShapeDrawing(int width = 400, int height = 300)
    {
        context.paper = paper = new SheetSettings;
        context.view = view = new LinearView;
        context.updater = updater = new SurfaceUpdater(width, height);
        context.printSettings = print = new RecordingPrintSettings;
        paper->setOwner(&context);
        view->client = IntRect::fromEdges(0, 0, width, height);
        print->output = &ps;
        pixelsPerMillimetre(10.0);
    }

    // Both scales of the view: `pixels` per paper millimetre and per drawing unit at 1:1.
    void pixelsPerMillimetre(double pixels)
    {
        view->lengthScale = pixels;
        view->scale = pixels * paper->scaleNumerator() / paper->scaleDenominator();
    }
    void setScale(int numerator, int denominator)
    {
        paper->setScaleNumerator(numerator);
        paper->setScaleDenominator(denominator);
        pixelsPerMillimetre(view->lengthScale);
    }
    void postScriptRunning(bool on) { print->output = on ? &ps : nullptr; }
    DibSurface& surface() { return updater->surface; }

    RecordingPsOutput ps;
    RecordingPdfWriter pdf;
    ScopedOverride<PdfExportJob*> pdfJob{thePdfExportJob, &pdf};
    DocumentContext context;
    SheetSettings* paper;
    LinearView* view;
    SurfaceUpdater* updater;
    RecordingPrintSettings* print;
};

} // namespace shape_test
