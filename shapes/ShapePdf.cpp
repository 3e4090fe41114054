// The PDF forwarders of the shapes: each writes through the running export's writer and does
// nothing (0) while no export runs.
#include "document/PdfWriter.h"
#include "geometry/GrayValue.h"
#include "geometry/PointArray.h"
#include "shapes/Shape.h"

int Shape::pdfBindAttributes()
{
    if (!pdfWriter() || !viewParams())
        return 0;
    bindSubObjects();
    return 1;
}

int Shape::pdfSetStrokeColor(const InkColor& colour, double tint)
{
    PdfWriter* out = pdfWriter();
    return out ? out->setStrokeColor(colour, tint) : 0;
}

int Shape::pdfSetStrokeColorFromGray(const InkColor& colour, const GrayValue* grayValue)
{
    return pdfSetStrokeColor(colour, grayValue ? grayValue->value : 1.0);
}

int Shape::pdfSetFillColor(const InkColor& colour, double tint)
{
    PdfWriter* out = pdfWriter();
    return out ? out->setFillColor(colour, tint) : 0;
}

int Shape::pdfSetFillColorSolid(const InkColor& colour) { return pdfSetFillColor(colour, 1.0); }

int Shape::pdfSaveState()
{
    PdfWriter* out = pdfWriter();
    return out ? out->saveState() : 0;
}

int Shape::pdfRestoreState()
{
    PdfWriter* out = pdfWriter();
    return out ? out->restoreState() : 0;
}

int Shape::pdfClip()
{
    PdfWriter* out = pdfWriter();
    return out ? out->clip() : 0;
}

int Shape::pdfEndPath()
{
    PdfWriter* out = pdfWriter();
    return out ? out->endPath() : 0;
}

int Shape::pdfClosePath()
{
    PdfWriter* out = pdfWriter();
    return out ? out->closePath() : 0;
}

int Shape::pdfStroke()
{
    PdfWriter* out = pdfWriter();
    return out ? out->stroke() : 0;
}

int Shape::pdfFill()
{
    PdfWriter* out = pdfWriter();
    return out ? out->fill() : 0;
}

int Shape::pdfSetLineWidth(double width)
{
    PdfWriter* out = pdfWriter();
    return out ? out->setLineWidth(width) : 0;
}

int Shape::pdfSetDash(int t, double length) { return setDashOn(pdfWriter(), t, length); }

int Shape::pdfSetDashScaled(int t, double length) { return pdfSetDash(t, toPaper(length)); }

int Shape::pdfMoveTo(double x, double y)
{
    PdfWriter* out = pdfWriter();
    return out ? out->moveTo(x, y) : 0;
}

int Shape::pdfLineTo(double x, double y)
{
    PdfWriter* out = pdfWriter();
    return out ? out->lineTo(x, y) : 0;
}

int Shape::pdfMoveToScaled(double x, double y) { return pdfMoveTo(toPaper(x), toPaper(y)); }

int Shape::pdfLineToScaled(double x, double y) { return pdfLineTo(toPaper(x), toPaper(y)); }

int Shape::pdfCurveTo(double x1, double y1, double x2, double y2, double x3, double y3)
{
    PdfWriter* out = pdfWriter();
    return out ? out->curveTo(x1, y1, x2, y2, x3, y3) : 0;
}

int Shape::pdfMoveToPoint(const PointArray& list, int i, int withOffset)
{
    return walkMoveTo(list, i, withOffset, &Shape::pdfMoveTo);
}

int Shape::pdfLineToPoints(const PointArray& list, int first, int last, int withOffset)
{
    return walkLines(list, first, last, withOffset, &Shape::pdfLineTo);
}

int Shape::pdfCurvePoints(const PointArray& list, int first, int last, int scaled, int withOffset)
{
    return walkCurves(list, first, last, scaled, withOffset, &Shape::pdfCurveTo);
}

int Shape::pdfPolyline(const PointArray& list, int startNewPath, int withOffset)
{
    if (!startNewPath)
        return pdfLineToPoints(list, 0, list.count - 1, withOffset);
    return pdfMoveToPoint(list, 0, withOffset) && pdfLineToPoints(list, 1, list.count - 1, withOffset);
}

int Shape::pdfBezierPath(const PointArray& list, int startNewPath, int withOffset)
{
    if (!startNewPath)
        return pdfCurvePoints(list, 0, list.count - 1, 1, withOffset);
    return pdfMoveToPoint(list, 0, withOffset) && pdfCurvePoints(list, 1, list.count - 1, 1, withOffset);
}

int Shape::pdfBeginText()
{
    PdfWriter* out = pdfWriter();
    return out ? out->beginText() : 0;
}

int Shape::pdfEndText()
{
    PdfWriter* out = pdfWriter();
    return out ? out->endText() : 0;
}

int Shape::pdfSetTextMatrix(double a, double b, double c, double d, double e, double f)
{
    PdfWriter* out = pdfWriter();
    return out ? out->setTextMatrix(a, b, c, d, e, f) : 0;
}

int Shape::pdfSetTextMatrixScaled(double a, double b, double c, double d, double e, double f)
{
    return pdfSetTextMatrix(a, b, c, d, toPaper(e), toPaper(f));
}

int Shape::pdfSetGraphicsState()
{
    PdfWriter* out = pdfWriter();
    return out ? out->setGraphicsState() : 0;
}

int Shape::pdfSetCharSpacing(double value)
{
    PdfWriter* out = pdfWriter();
    return out ? out->setCharSpacing(value) : 0;
}

int Shape::pdfSetWordSpacing(double value)
{
    PdfWriter* out = pdfWriter();
    return out ? out->setWordSpacing(value) : 0;
}

int Shape::pdfShowText(const char* text)
{
    PdfWriter* out = pdfWriter();
    return out ? out->showText(text) : 0;
}

int Shape::pdfShowTextCounted(const char* text, int from, int to)
{
    PdfWriter* out = pdfWriter();
    return out ? out->showText(text, from, to) : 0;
}

int Shape::pdfSelectFont(const char* face, int style)
{
    PdfWriter* out = pdfWriter();
    return out ? out->selectFont(face, style) : 0;
}

int Shape::pdfDrawImage(const DibImage& image, const DoubleRect& rect)
{
    PdfWriter* out = pdfWriter();
    return out ? out->drawImage(image, rect) : 0;
}
