// The picture shape: the image in its rectangle, cut to the mask, or its frame.
#include "shapes/PictureShape.h"

#include "document/ViewUpdater.h"
#include "geometry/BezierFlattener.h"
#include "geometry/DoubleRect.h"
#include "geometry/FillAttributes.h"
#include "platform/DeviceContext.h"
#include "platform/IntRect.h"
#include "platform/RgbColor.h"
#include "shapes/BoxShape.h"
#include "shapes/CornerRects.h"
#include "shapes/ImageMask.h"
#include "shapes/PictureImage.h"

int PictureShape::buildMask()
{
    if (!mask || !mask->isWholePath())
        return 0;
    PointList source;
    BezierFlattener flattener;
    if (!source.copyPoints(&mask->outline) || !flattener.run(&source, 1) ||
        !maskPolygon.copyPoints(&flattener.output()))
        return 0;
    // The stored outline is relative to the start corner (before the offset, which the clip adds).
    if (!maskPolygon.translate(startPoint.x, startPoint.y, 0.0))
        return 0;
    setOutline(&maskPolygon);
    return outlineIsArea();
}

void PictureShape::drawFrame()
{
    BoxShape frame;
    frame.context = context;
    frame.layer = layer;
    frame.printerOutput = printerOutput;
    frame.setStartCorner(startPoint);
    frame.setEndCorner(endPoint);
    FillAttributes empty;
    empty.draw.value = 0;
    frame.setFill(empty);
    (void)frame.execute(op, 2); // a frame that cannot be drawn leaves the picture undrawn
}

int PictureShape::execute(int operation)
{
    op = operation;
    mode = 2;
    if (op == ShapeOp::Pdf) {
        if (!image || !image->hasImage())
            return 1;
        const int clipped = buildMask() && writePdfClip();
        startPoint.translate(offsetX, offsetY, offsetZ);
        endPoint.translate(offsetX, offsetY, offsetZ);
        DoubleRect rect;
        PdfWriter* out = pdfWriter();
        if (out && cornersPaperRect(*this, startPoint, endPoint, rect) && !image->addPdfResource(*out, rect))
            drawFrame(); // an EPS file without preview shows its frame
        if (clipped)
            (void)endPdfClip(); // a failed write is the export's to report
        return 1;
    }
    if (!image || !prepareOperation(0.0))
        return 0;
    const int masked = buildMask();
    startPoint.translate(offsetX, offsetY, offsetZ);
    endPoint.translate(offsetX, offsetY, offsetZ);
    if (op == ShapeOp::PostScript) {
        lineCount = 0;
        const int clipped = masked && writePostScriptClip();
        DoubleRect rect;
        PsOutput* out = postScriptWriter();
        // A file that cannot be read shows its frame, as on the screen and in PDF; a failed
        // write is the job's to report.
        if (out && cornersPaperRect(*this, startPoint, endPoint, rect) && !image->writePostScript(*out, rect))
            drawFrame();
        if (clipped)
            (void)psInitClip(); // as above
        return 1;
    }
    drawOnSurface();
    return 1;
}

void PictureShape::drawOnSurface()
{
    IntRect target;
    if (!cornersDeviceRect(*this, startPoint, endPoint, target))
        return;
    DcScope scope(*surface);
    if (op == ShapeOp::Erase) {
        // The frame stands in for a picture that could not be drawn and reaches past the
        // rectangle's far edges: it is erased too.
        surface->fillRect(RgbColor(255, 255, 255), target);
        drawFrame();
        return;
    }
    if (frameOnly && (op == ShapeOp::DragPreview || op == ShapeOp::RubberBand)) {
        drawFrame();
        return;
    }
    // A redraw drawn elsewhere than the view (the page painter, the page bar) takes the JPEG
    // reader's other drawing path.
    ViewUpdater* updater = viewUpdater();
    image->drawingMode = op == ShapeOp::Draw && updater && updater->redirectOn() ? 1 : drawingMode;
    const int masked = outlineIsArea();
    int clipped = 0;
    if (masked) {
        saveClip();
        clipped = setPolygonClip();
    }
    const int drawn = (!masked || clipped) && image->draw(*surface, target);
    if (masked)
        restoreClip();
    if (!drawn)
        drawFrame();
}
